#pragma once

#include "host/CUiSingleton.h"

#include <QList>
#include <QString>

namespace apt {

// One setting of Setup.xml: the element's tag and the text of its "Value" child.
class Configure
{
public:
    virtual ~Configure() = default;

    QString name;
    QString value;
};

// The settings of Setup.xml, loaded once at start-up.
class ConfigureManager : public FenwaGUIToolkit::CUiSingleton<ConfigureManager>
{
public:
    // Keys the program knows, by index.
    enum Key {
        Translator = 0,
        Languages,
        LogLevel,
        VersionType,
        PingThread,
        TaskThread,
        LogSaveDay,
        Skin,
    };

    ConfigureManager() = default;
    ~ConfigureManager() override;
    ConfigureManager(const ConfigureManager &) = delete;
    ConfigureManager &operator=(const ConfigureManager &) = delete;

    // Replaces the settings by those of the file; false, with no settings, when it does not parse.
    bool load(const QString &path);
    QString path() const { return m_path; }

    // Loads the program's Setup.xml: the user's own, or the shipped one when the
    // user has none or theirs does not parse (which is said on the terminal).
    bool loadSetup();
    // The Setup.xml to read: the user's own when it exists and parses, else the shipped one.
    static QString setupFile();
    // Writes the user's Setup.xml: the settings of setupFile() with "Translator"
    // set to the language, replacing the old file only once all is written.
    // False, with the file as it was, when it cannot be written.
    static bool saveTranslator(unsigned language);
    // Where saveTranslator() writes.
    static QString userSetupFile();

    // First setting named by the key of that index; none when absent. An index
    // outside the table names the empty key.
    Configure *find(int keyIndex) const;
    static QString keyName(int keyIndex);

    // "Translator" as an unsigned decimal; 0 when missing or not a number.
    unsigned translator() const;

    const QList<Configure *> &items() const { return m_items; }

private:
    void clear();

    QList<Configure *> m_items;
    QString m_path;
};

} // namespace apt
