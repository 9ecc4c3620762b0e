#pragma once

#include "host/CUiSingleton.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

class QTranslator;

namespace apt {

// Installs the translations of the configured language when it is created and
// supplies that language's locale. The language is fixed for the process.
class LanaguageManager : public FenwaGUIToolkit::CUiSingleton<LanaguageManager>
{
public:
    // Reads "Translator" from the setup store.
    LanaguageManager();
    // For a given language number (tests, and the constructor above).
    explicit LanaguageManager(int language);
    ~LanaguageManager() override;
    LanaguageManager(const LanaguageManager &) = delete;
    LanaguageManager &operator=(const LanaguageManager &) = delete;

    int language() const { return m_language; }
    QLocale locale() const { return m_locale; }
    const QList<QTranslator *> &translators() const { return m_translators; }

    // The translation files of a language: program, Qt, toolkit (empty names for none).
    struct Files
    {
        QString program;
        QString qt;
        QString toolkit;
    };
    static Files filesFor(int language);
    static QString translationFolder();
    // "qtbase_xx.qm" for Qt's "qt_xx.qm"; empty for the program's own catalogues.
    static QString baseCatalogue(const QString &fileName);

private:
    void install(const QString &fileName);

    QLocale m_locale;
    QList<QTranslator *> m_translators;
    int m_language = 0;
};

} // namespace apt
