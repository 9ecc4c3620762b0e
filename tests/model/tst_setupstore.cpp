#include "host/TargetPath.h"
#include "model/ConfigureManager.h"
#include "model/LanaguageManager.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using apt::ConfigureManager;
using apt::LanaguageManager;

static QString fixture(const char *name)
{
    return QStringLiteral(TAVO_TEST_DATA_DIR "/setup/") + QLatin1String(name);
}

class TestSetupStore : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { FenwaGUIToolkit::SetTargetPath(QString()); }

    void firstOfTwoSkinsAndUnparsableTranslator()
    {
        ConfigureManager store;
        QVERIFY(store.load(fixture("two_skins.xml")));
        QCOMPARE(store.path(), fixture("two_skins.xml"));
        QCOMPARE(store.items().size(), 6);
        QVERIFY(store.find(ConfigureManager::Skin));
        QCOMPARE(store.find(ConfigureManager::Skin)->value, QStringLiteral("FirstSkin"));
        QCOMPARE(store.translator(), 0u);
        QCOMPARE(store.find(ConfigureManager::VersionType)->value.toInt(), -3);
        // A setting without "Value" is kept with an empty value.
        QVERIFY(store.find(ConfigureManager::LogLevel));
        QVERIFY(store.find(ConfigureManager::LogLevel)->value.isEmpty());
        QCOMPARE(store.items().last()->name, QStringLiteral("Custom"));
        QVERIFY(!store.find(ConfigureManager::Languages));
        QVERIFY(!store.find(8));
        QVERIFY(!store.find(-1));
    }

    void keyNamesByIndex_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("key");
        QTest::newRow("0") << 0 << QStringLiteral("Translator");
        QTest::newRow("1") << 1 << QStringLiteral("Languages");
        QTest::newRow("2") << 2 << QStringLiteral("LogLevel");
        QTest::newRow("3") << 3 << QStringLiteral("VersionType");
        QTest::newRow("4") << 4 << QStringLiteral("PingThread");
        QTest::newRow("5") << 5 << QStringLiteral("TaskThread");
        QTest::newRow("6") << 6 << QStringLiteral("LogSaveDay");
        QTest::newRow("7") << 7 << QStringLiteral("Skin");
        QTest::newRow("past the table") << 8 << QString();
    }

    void keyNamesByIndex()
    {
        QFETCH(int, index);
        QFETCH(QString, key);
        QCOMPARE(ConfigureManager::keyName(index), key);
    }

    void badFilesLeaveNoSettings_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << fixture("no_such_file.xml");
        QTest::newRow("malformed") << fixture("malformed.xml");
        QTest::newRow("empty path") << QString();
    }

    void badFilesLeaveNoSettings()
    {
        QFETCH(QString, path);
        ConfigureManager store;
        QVERIFY(store.load(fixture("russian.xml")));
        QCOMPARE(store.translator(), 8u);
        QVERIFY(!store.load(path));
        QVERIFY(store.items().isEmpty());
        QCOMPARE(store.translator(), 0u);
        QVERIFY(!store.find(ConfigureManager::Skin));
    }

    void languagesInstallTheirTranslators_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("loaded");
        QTest::addColumn<int>("installed");
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("English") << 0 << QStringList{QStringLiteral("vantor_en.qm"), QStringLiteral("vantor_en.qm")}
                                 << 2 << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("Chinese") << 1
                                 << QStringList{QStringLiteral("vantor_zh.qm"), QStringLiteral("qt_zh_CN.qm"),
                                                QStringLiteral("FenwaGUIToolkit_zh.qm")}
                                 << 3 << QLocale(QLocale::Chinese, QLocale::China);
        QTest::newRow("Russian") << 8 << QStringList{QStringLiteral("vantor_ru.qm"), QStringLiteral("qt_ru.qm")} << 3
                                 << QLocale(QLocale::Russian, QLocale::Russia);
        QTest::newRow("unknown") << 5 << QStringList() << 3 << QLocale();
    }

    void languagesInstallTheirTranslators()
    {
        QFETCH(int, language);
        QFETCH(QStringList, loaded);
        QFETCH(int, installed);
        QFETCH(QLocale, locale);

        // The program's translations folder, made from the built catalogues.
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("translations")));
        const QDir built(QStringLiteral(TAVO_RUNTIME_DIR "/translations"));
        const QString target = dir.filePath(QStringLiteral("translations/"));
        for (const char *name : {"vantor_en.qm", "vantor_zh.qm", "vantor_ru.qm", "FenwaGUIToolkit_zh.qm"})
            QVERIFY2(QFile::copy(built.filePath(QLatin1String(name)), target + QLatin1String(name)), name);
        // Qt's own catalogues may be missing on a machine: stand in with the program's.
        for (const char *name : {"qt_zh_CN.qm", "qt_ru.qm"})
            QVERIFY(QFile::copy(built.filePath(QStringLiteral("vantor_en.qm")), target + QLatin1String(name)));
        FenwaGUIToolkit::SetTargetPath(dir.path());

        LanaguageManager manager(language);
        QCOMPARE(manager.language(), language);
        QCOMPARE(manager.locale(), locale);
        QCOMPARE(manager.translators().size(), installed);
        QStringList loadedNames;
        for (const QTranslator *translator : manager.translators()) {
            if (!translator->filePath().isEmpty())
                loadedNames << QFileInfo(translator->filePath()).fileName();
        }
        QCOMPARE(loadedNames, loaded);
    }

    // Through the program's own loading: Qt's dialogs speak the language too.
    void qtDialogsFollowTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("qtCatalogue");
        QTest::newRow("Chinese") << 1 << QStringLiteral("qt_zh_CN.qm");
        QTest::newRow("Russian") << 8 << QStringLiteral("qt_ru.qm");
    }

    void qtDialogsFollowTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, qtCatalogue);
        const QDir built(QStringLiteral(TAVO_RUNTIME_DIR "/translations"));
        if (!built.exists(LanaguageManager::baseCatalogue(qtCatalogue)))
            QSKIP("Qt's translations are not installed on this machine.");
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("translations")));
        for (const QString &name : {qtCatalogue, LanaguageManager::baseCatalogue(qtCatalogue)})
            QVERIFY(QFile::copy(built.filePath(name), dir.filePath(QStringLiteral("translations/") + name)));
        FenwaGUIToolkit::SetTargetPath(dir.path());

        LanaguageManager manager(language);
        QVERIFY(QCoreApplication::translate("QFileDialog", "&Save") != QLatin1String("&Save"));
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
    }

    void missingTranslationsTranslateNothing()
    {
        QTemporaryDir dir;
        FenwaGUIToolkit::SetTargetPath(dir.path());
        // Each catalogue that does not load is named on the terminal.
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("Cannot load the translation vantor_zh.qm")));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("Cannot load the translation qt_zh_CN.qm")));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("Cannot load the translation FenwaGUIToolkit_zh.qm")));
        LanaguageManager manager(1);
        QCOMPARE(manager.translators().size(), 3);
        for (const QTranslator *translator : manager.translators())
            QVERIFY(translator->isEmpty());
        QCOMPARE(QCoreApplication::translate("VantorMainPage", "Exit"), QStringLiteral("Exit"));
    }

    void singletonsAreCreatedOnce()
    {
        ConfigureManager *store = ConfigureManager::instance();
        QVERIFY(store);
        QCOMPARE(ConfigureManager::instance(), store);
        QVERIFY(store->load(fixture("russian.xml")));
        QCOMPARE(LanaguageManager::instance()->language(), 8);
        QCOMPARE(LanaguageManager::instance(), LanaguageManager::instance());
    }
};

QTEST_GUILESS_MAIN(TestSetupStore)
#include "tst_setupstore.moc"
