// The install: `cmake --install` of this build into a temporary DESTDIR under a
// prefix with a space; the desktop files it brings, and the installed program
// started offscreen with its per-user folders in temporary places.
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QtEndian>

namespace {

const char kPrefix[] = "/opt/my prefix";
// The per-user folders of a run, below its own folder, and what goes into the environment for them.
const std::pair<const char *, const char *> kUserFolders[] = {{"config", "XDG_CONFIG_HOME"},
                                                              {"data", "XDG_DATA_HOME"},
                                                              {"state", "XDG_STATE_HOME"},
                                                              {"cache", "XDG_CACHE_HOME"},
                                                              {"runtime", "XDG_RUNTIME_DIR"},
                                                              {"home", "HOME"},
                                                              {"tmp", "TMPDIR"}};

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Every file below a folder with a digest of its content.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path),
                     QCryptographicHash::hash(readFile(path), QCryptographicHash::Sha1));
    }
    return files;
}

QString desktopValue(const QByteArray &entry, const QString &key)
{
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(key), QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(entry)).captured(1).trimmed();
}

QSize pngSize(const QString &path)
{
    const QByteArray head = readFile(path).left(24);
    if (head.size() < 24 || !head.startsWith("\x89PNG"))
        return QSize();
    return QSize(int(qFromBigEndian<quint32>(head.constData() + 16)),
                 int(qFromBigEndian<quint32>(head.constData() + 20)));
}

QString onlyFileIn(const QString &folder)
{
    const QStringList files = QDir(folder).entryList(QDir::Files);
    return files.size() == 1 ? QDir(folder).filePath(files.first()) : QString();
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QString m_prefix;

    QString installed(const QString &relative) const { return m_prefix + QLatin1Char('/') + relative; }
    QString desktopEntry() const { return onlyFileIn(installed(QStringLiteral("share/applications"))); }
    QString metainfo() const { return onlyFileIn(installed(QStringLiteral("share/metainfo"))); }

    // The main window's title in a language, from the installed catalogue.
    QString installedTitle(const QString &language) const
    {
        QTranslator catalogue;
        if (!catalogue.load(installed(QStringLiteral("share/" TAVO_PROGRAM_FOLDER "/translations/vantor_") + language)))
            return QStringLiteral("no catalogue for ") + language;
        const QString text = catalogue.translate("VantorMainPage", "TAVO storage calculator");
        return text.isEmpty() ? QStringLiteral("TAVO storage calculator") : text;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_root.isValid());
        QProcess install;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DESTDIR"), m_root.filePath(QStringLiteral("stage")));
        install.setProcessEnvironment(environment);
        install.start(QStringLiteral(TAVO_CMAKE_COMMAND), {QStringLiteral("--install"), QStringLiteral(TAVO_BUILD_DIR),
                                                           QStringLiteral("--prefix"), QString::fromLatin1(kPrefix)});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
        m_prefix = m_root.filePath(QStringLiteral("stage")) + QLatin1String(kPrefix);
        QVERIFY(QFileInfo(installed(QStringLiteral("bin/" TAVO_PROGRAM_NAME))).isExecutable());
    }

    // The desktop entry names what the install brings, and the AppStream
    // description names the entry and the program's version.
    void desktopFilesAgree_data()
    {
        QTest::addColumn<QString>("part");
        QTest::newRow("program") << QStringLiteral("Exec");
        QTest::newRow("icon in every size") << QStringLiteral("Icon");
        QTest::newRow("plan file type") << QStringLiteral("MimeType");
        QTest::newRow("AppStream description") << QStringLiteral("metainfo");
    }

    void desktopFilesAgree()
    {
        QFETCH(QString, part);
        const QByteArray entry = readFile(desktopEntry());
        QVERIFY(!entry.isEmpty());
        const QString value = desktopValue(entry, part);
        if (part == QLatin1String("Exec")) {
            QVERIFY(
                QFileInfo(installed(QStringLiteral("bin/") + value.section(QLatin1Char(' '), 0, 0))).isExecutable());
        } else if (part == QLatin1String("Icon")) {
            const QString theme = installed(QStringLiteral("share/icons/hicolor/"));
            QVERIFY(QFile::exists(theme + QStringLiteral("scalable/apps/") + value + QStringLiteral(".svg")));
            const QStringList sizes = QDir(theme).entryList({QStringLiteral("*x*")}, QDir::Dirs);
            QVERIFY(sizes.contains(QStringLiteral("16x16")) && sizes.contains(QStringLiteral("256x256")));
            for (const QString &size : sizes) {
                const int pixels = size.section(QLatin1Char('x'), 0, 0).toInt();
                QCOMPARE(pngSize(theme + size + QStringLiteral("/apps/") + value + QStringLiteral(".png")),
                         QSize(pixels, pixels));
            }
        } else if (part == QLatin1String("MimeType")) {
            const QStringList types = value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
            QVERIFY(!types.isEmpty());
            const QDir packages(installed(QStringLiteral("share/mime/packages")));
            for (const QString &type : types) {
                bool defined = false;
                for (const QString &package : packages.entryList(QDir::Files)) {
                    QDomDocument document;
                    QVERIFY(document.setContent(readFile(packages.filePath(package))));
                    for (QDomElement mime = document.documentElement().firstChildElement(QStringLiteral("mime-type"));
                         !mime.isNull(); mime = mime.nextSiblingElement(QStringLiteral("mime-type")))
                        defined = defined || (mime.attribute(QStringLiteral("type")) == type &&
                                              !mime.firstChildElement(QStringLiteral("glob")).isNull());
                }
                QVERIFY2(defined, qPrintable(type));
            }
        } else {
            QDomDocument document;
            QVERIFY(document.setContent(readFile(metainfo())));
            const QDomElement component = document.documentElement();
            QCOMPARE(component.firstChildElement(QStringLiteral("launchable")).text(),
                     QFileInfo(desktopEntry()).fileName());
            QCOMPARE(component.firstChildElement(QStringLiteral("releases"))
                         .firstChildElement(QStringLiteral("release"))
                         .attribute(QStringLiteral("version")),
                     QStringLiteral(TAVO_VERSION));
        }
    }

    // The desktop's own checkers, where the machine has them.
    void desktopFilesValidate_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("desktop entry") << QStringLiteral("desktop-file-validate") << QStringList{desktopEntry()};
        QTest::newRow("AppStream description")
            << QStringLiteral("appstreamcli")
            << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo()};
    }

    void desktopFilesValidate()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, arguments);
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty())
            QSKIP(qPrintable(tool + QStringLiteral(" is not installed")));
        QProcess check;
        check.start(program, arguments);
        QVERIFY(check.waitForFinished(60000));
        QVERIFY2(check.exitCode() == 0, (check.readAllStandardOutput() + check.readAllStandardError()).constData());
    }

    // The installed program reads its shipped files from the install, and
    // writes only into the user's folders.
    void installedProgramRuns_data()
    {
        QTest::addColumn<QByteArray>("userSetup"); // null: the user has none
        QTest::addColumn<QString>("action");       // triggered in the window once it is idle
        QTest::addColumn<QString>("language");     // of the window
        QTest::addColumn<bool>("warned");
        QTest::addColumn<QStringList>("written"); // below the run's folder
        const QString userSetup = QStringLiteral("config/" TAVO_PROGRAM_FOLDER "/Setup.xml");
        QTest::newRow("shipped settings")
            << QByteArray() << QString() << QStringLiteral("en") << false << QStringList();
        QTest::newRow("the user's settings in Chinese")
            << QByteArray("<?xml version=\"1.0\"?><Setup><Translator><Value>1</Value></Translator>"
                          "<VersionType><Value>1</Value></VersionType></Setup>")
            << QString() << QStringLiteral("zh") << false << QStringList();
        QTest::newRow("the user's settings broken")
            << QByteArray("<Setup><Translator>") << QString() << QStringLiteral("en") << true << QStringList();
        QTest::newRow("Russian chosen in the menu") << QByteArray() << QStringLiteral("m_actionLanguage8")
                                                    << QStringLiteral("en") << false << QStringList{userSetup};
    }

    void installedProgramRuns()
    {
        QFETCH(QByteArray, userSetup);
        QFETCH(QString, action);
        QFETCH(QString, language);
        QFETCH(bool, warned);
        QFETCH(QStringList, written);
        QTemporaryDir run(m_root.filePath(QStringLiteral("run-XXXXXX")));
        QVERIFY(run.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const auto &[folder, variable] : kUserFolders) {
            QVERIFY(QDir(run.path()).mkdir(QLatin1String(folder)));
            environment.insert(QLatin1String(variable), run.filePath(QLatin1String(folder)));
        }
        QFile::setPermissions(run.filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!userSetup.isNull())
            QVERIFY(writeFile(run.filePath(QStringLiteral("config/" TAVO_PROGRAM_FOLDER "/Setup.xml")), userSetup));
        // A screen large enough for the program not to ask about it.
        const QString screen = run.filePath(QStringLiteral("screen.json"));
        QVERIFY(writeFile(screen, R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": 1920, "height": 1080,
                                      "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + screen);
        environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{category}: %{message}"));
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(TAVO_RUN_HOOK));
        if (!action.isEmpty())
            environment.insert(QStringLiteral("TAVO_RUN_HOOK_ACTION"), action);

        const QMap<QString, QByteArray> before = snapshot(m_root.path());
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(run.filePath(QStringLiteral("home")));
        program.start(installed(QStringLiteral("bin/" TAVO_PROGRAM_NAME)), QStringList());
        QVERIFY(program.waitForFinished(120000));
        const QByteArray messages = program.readAllStandardError();
        QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0, messages.constData());

        QMap<QString, QString> report;
        for (const QByteArray &line : program.readAllStandardOutput().split('\n')) {
            if (line.contains('='))
                report.insert(QString::fromUtf8(line.left(line.indexOf('='))),
                              QString::fromUtf8(line.mid(line.indexOf('=') + 1)));
        }
        // The plan's name, then the program's from the installed catalogue.
        const QString title = report.value(QStringLiteral("title"));
        QVERIFY2(title.endsWith(QStringLiteral(" — ") + installedTitle(language)), qPrintable(title));
        QVERIFY2(report.value(QStringLiteral("encodings")).toInt() > 0, messages.constData());
        QCOMPARE(report.value(QStringLiteral("styled")), QStringLiteral("1"));
        if (!action.isEmpty())
            QCOMPARE(report.value(QStringLiteral("action")), action);
        QCOMPARE(messages.contains("tavo.model"), warned);

        // Every file the run added, changed or removed anywhere in the temporary tree.
        const QMap<QString, QByteArray> after = snapshot(m_root.path());
        QStringList touched;
        for (const QString &path : after.keys() + before.keys()) {
            if (before.value(path) != after.value(path) && !touched.contains(path))
                touched.append(path);
        }
        const QString runFolder = QDir(m_root.path()).relativeFilePath(run.path()) + QLatin1Char('/');
        QStringList outside;
        QStringList userFiles;
        for (const QString &path : std::as_const(touched)) {
            qInfo().noquote() << "written:" << path;
            const QString inRun = path.startsWith(runFolder) ? path.mid(runFolder.size()) : QString();
            const QString folder = inRun.section(QLatin1Char('/'), 0, 0);
            if (folder == QLatin1String("config") || folder == QLatin1String("data") ||
                folder == QLatin1String("state"))
                userFiles.append(inRun);
            else if (folder != QLatin1String("runtime") && folder != QLatin1String("cache"))
                outside.append(path);
        }
        QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QLatin1Char('\n'))));
        userFiles.sort();
        QCOMPARE(userFiles, written);
        if (!action.isEmpty()) {
            static const QRegularExpression russian(QStringLiteral("<Translator>\\s*<Value>8</Value>"));
            QVERIFY(QString::fromLatin1(readFile(run.filePath(written.value(0)))).contains(russian));
        }
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
