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
