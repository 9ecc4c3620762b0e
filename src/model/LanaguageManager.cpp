#include "model/LanaguageManager.h"

#include "model/ModelLogging.h"

#include "host/TargetPath.h"
#include "model/ConfigureManager.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTranslator>

namespace apt {

LanaguageManager::LanaguageManager() : LanaguageManager(int(ConfigureManager::instance()->translator())) {}

LanaguageManager::LanaguageManager(int language) : m_language(language)
{
    const Files files = filesFor(language);
    switch (language) {
    case 0:
        m_locale = QLocale(QLocale::English, QLocale::UnitedStates);
        break;
    case 1:
        m_locale = QLocale(QLocale::Chinese, QLocale::China);
        break;
    case 8:
        m_locale = QLocale(QLocale::Russian, QLocale::Russia);
        break;
    default:
        break;
    }

    install(files.program);
    // English needs no Qt translation; a language without files still gets its
    // (empty) Qt translator, so every unknown language behaves alike.
    const bool known = language == 0 || language == 1 || language == 8;
    if (!files.qt.isEmpty() || !known)
        install(files.qt);
    // Installed even when nothing is named: it then translates nothing.
    install(files.toolkit);
}

LanaguageManager::~LanaguageManager()
{
    qDeleteAll(m_translators);
}

LanaguageManager::Files LanaguageManager::filesFor(int language)
{
    switch (language) {
    case 0:
        return {QStringLiteral("vantor_en.qm"), QString(), QStringLiteral("vantor_en.qm")};
    case 1:
        return {QStringLiteral("vantor_zh.qm"), QStringLiteral("qt_zh_CN.qm"), QStringLiteral("FenwaGUIToolkit_zh.qm")};
    case 8:
        return {QStringLiteral("vantor_ru.qm"), QStringLiteral("qt_ru.qm"), QString()};
    default:
        return {};
    }
}

QString LanaguageManager::translationFolder()
{
    return FenwaGUIToolkit::GetTargetPath() + QStringLiteral("translations/");
}

QString LanaguageManager::baseCatalogue(const QString &fileName)
{
    return fileName.startsWith(QLatin1String("qt_")) ? QStringLiteral("qtbase_") + fileName.mid(3) : QString();
}

void LanaguageManager::install(const QString &fileName)
{
    auto *translator = new QTranslator;
    // A file that does not load leaves an empty translator: texts stay in English.
    if (!fileName.isEmpty() && !translator->load(fileName, translationFolder())) {
        // Qt's "qt_xx" catalogue only names the catalogues of Qt's modules and
        // fails as a whole when one of them is missing; the base catalogue
        // holds every Qt text this program shows.
        const QString base = baseCatalogue(fileName);
        if (base.isEmpty() || !translator->load(base, translationFolder()))
            qCWarning(lcModel).noquote() << "Cannot load the translation" << fileName << "from" << translationFolder();
    }
    QCoreApplication::installTranslator(translator);
    m_translators.append(translator);
}

} // namespace apt
