// Where the program reads its files and where it writes them.
#include "PrivateSession.h"
#include "host/CFile.h"
#include "host/TargetPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace FenwaGUIToolkit;

class TestUserFolders : public QObject
{
    Q_OBJECT

private:
    QList<std::pair<QByteArray, QByteArray>> m_savedVariables;

    void setVariable(const char *name, const QString &value)
    {
        m_savedVariables.append({QByteArray(name), qgetenv(name)});
        qputenv(name, QFile::encodeName(value));
    }

    // Permissions written as an octal mode ("755").
    static QFile::Permissions mode(const QString &octal)
    {
        const uint bits = octal.toUInt(nullptr, 8);
        return QFile::Permissions(int(((bits & 0700) << 6) | ((bits & 070) << 1) | (bits & 07)));
    }

    static bool writeFile(const QString &path, const QByteArray &content)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    }

private slots:
    void cleanup()
    {
        for (const auto &[name, value] : std::as_const(m_savedVariables))
            qputenv(name.constData(), value);
        m_savedVariables.clear();
        SetTargetPath(QString());
        SetUserDataPath(QString());
    }

    // Each file goes to the user's folder of its kind, made on the first write,
    // and from then on is read instead of the shipped one.
    void userFileIsWrittenAndThenRead_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("byName"); // false: written to the state folder
        QTest::addColumn<QByteArray>("home");
        QTest::newRow("settings") << QStringLiteral("Setup.xml") << true << QByteArray("XDG_CONFIG_HOME");
        QTest::newRow("update settings") << QStringLiteral("Upgrade.xml") << true << QByteArray("XDG_CONFIG_HOME");
        QTest::newRow("scenes") << QStringLiteral("Scene.csv") << true << QByteArray("XDG_DATA_HOME");
        QTest::newRow("scene picture") << QStringLiteral("ScenePicture/office.png") << true
                                       << QByteArray("XDG_DATA_HOME");
        QTest::newRow("recovery copy") << QStringLiteral("recovery/plan.tavoplan") << false
                                       << QByteArray("XDG_STATE_HOME");
    }

    void userFileIsWrittenAndThenRead()
    {
        QFETCH(QString, name);
        QFETCH(bool, byName);
        QFETCH(QByteArray, home);
        QTemporaryDir homes;
        setVariable(home.constData(), homes.path());
        const QString userFolder = homes.filePath(ProgramFolderName()) + QLatin1Char('/');
        QVERIFY(!QFileInfo::exists(userFolder));

        const QString written = byName ? GetWritableFile(name) : GetWritableFile(name, UserFolder::State);
        QCOMPARE(written, userFolder + name);
        QVERIFY(QFileInfo(QFileInfo(written).absolutePath()).isDir());
        if (byName) {
            QCOMPARE(GetDataFile(name), GetTargetPathFile(name));
            QVERIFY(CFile::WriteAll(written, "mine"));
            QCOMPARE(GetDataFile(name), written);
        }
    }

    // A test's data directory also takes what the program writes, unless the
    // test chose a folder for that as well.
    void chosenFoldersTakeTheWrites_data()
    {
        QTest::addColumn<bool>("dataChosen");
        QTest::addColumn<bool>("userChosen");
        QTest::addColumn<QString>("expected"); // "data", "user" or "home"
        QTest::newRow("neither") << false << false << QStringLiteral("home");
        QTest::newRow("data directory") << true << false << QStringLiteral("data");
        QTest::newRow("user folder") << false << true << QStringLiteral("user");
        QTest::newRow("both") << true << true << QStringLiteral("user");
    }

    void chosenFoldersTakeTheWrites()
    {
        QFETCH(bool, dataChosen);
        QFETCH(bool, userChosen);
        QFETCH(QString, expected);
        QTemporaryDir data;
        QTemporaryDir user;
        QTemporaryDir home;
        setVariable("XDG_DATA_HOME", home.path());
        if (dataChosen)
            SetTargetPath(data.path());
        if (userChosen)
            SetUserDataPath(user.path());
        const QString folder = expected == QLatin1String("data")   ? data.path()
                               : expected == QLatin1String("user") ? user.path()
                                                                   : home.filePath(ProgramFolderName());
        QCOMPARE(GetWritableFile(QStringLiteral("Scene.csv")), folder + QStringLiteral("/Scene.csv"));
    }

    // Lock files and sockets go where only the user may reach them: the
    // runtime folder when it is private, else the user's cache folder, which
    // is made owner-only; a folder others may enter or another user owns is refused.
    void privateFolders_data()
    {
        QTest::addColumn<QString>("runtime"); // XDG_RUNTIME_DIR: "none", or the mode it is made with
        QTest::addColumn<QString>("found");   // at the folder GetRuntimePath() gives: "nothing" or a mode
        QTest::addColumn<bool>("otherOwner"); // whether the folder is checked for another user
        QTest::addColumn<bool>("inRuntime");  // false: in the cache folder
        QTest::addColumn<bool>("accepted");
        QTest::newRow("private runtime folder") << "700"
                                                << "nothing" << false << true << true;
        QTest::newRow("no runtime folder") << "none"
                                           << "nothing" << false << false << true;
        QTest::newRow("runtime folder open to others") << "755"
                                                       << "nothing" << false << false << true;
        QTest::newRow("runtime folder open to the group") << "770"
                                                          << "nothing" << false << false << true;
        QTest::newRow("runtime folder closed to its owner") << "500"
                                                            << "nothing" << false << false << true;
        QTest::newRow("folder made earlier") << "none"
                                             << "700" << false << false << true;
        QTest::newRow("folder open to others") << "none"
                                               << "755" << false << false << false;
        QTest::newRow("folder others may enter") << "none"
                                                 << "701" << false << false << false;
        QTest::newRow("folder of another user") << "none"
                                                << "700" << true << false << false;
    }

    void privateFolders()
    {
        QFETCH(QString, runtime);
        QFETCH(QString, found);
        QFETCH(bool, otherOwner);
        QFETCH(bool, inRuntime);
        QFETCH(bool, accepted);
        QTemporaryDir dir;
        const QString runtimeDir = dir.filePath(QStringLiteral("runtime"));
        if (runtime != QLatin1String("none")) {
            QVERIFY(QDir().mkdir(runtimeDir));
            QVERIFY(QFile::setPermissions(runtimeDir, mode(runtime)));
        }
        setVariable("XDG_RUNTIME_DIR", runtime == QLatin1String("none") ? QString() : runtimeDir);
        setVariable("XDG_CACHE_HOME", dir.filePath(QStringLiteral("cache")));
        const QString folder = GetRuntimePath();
        QVERIFY(folder.startsWith(inRuntime ? runtimeDir : dir.filePath(QStringLiteral("cache"))));
        if (found != QLatin1String("nothing")) {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile::setPermissions(folder, mode(found)));
        }

        if (otherOwner) {
            QVERIFY(MakePrivateFolder(folder));
            QVERIFY(!IsPrivateFolder(folder, CurrentUserId() + 1));
            return;
        }
        if (!accepted)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^The folder .* is not used$")));
        QCOMPARE(MakePrivateFolder(folder), accepted);
        // A folder refused is left as it was.
        QCOMPARE(QFileInfo(folder).permissions() & mode(QStringLiteral("777")),
                 mode(accepted ? QStringLiteral("700") : found));
        QFile::setPermissions(runtimeDir, mode(QStringLiteral("700")));
    }

    // A folder that cannot be made is named on the terminal, and the write fails.
    void userFolderThatCannotBeMade_data()
    {
        QTest::addColumn<QString>("home");
        QTest::newRow("below a regular file") << QStringLiteral("file/below");
        QTest::newRow("in a read-only folder") << QStringLiteral("readonly/home");
    }

    void userFolderThatCannotBeMade()
    {
        QFETCH(QString, home);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(QStringLiteral("file")), "a file"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("readonly")));
        QFile::setPermissions(dir.filePath(QStringLiteral("readonly")), QFile::ReadOwner | QFile::ExeOwner);
        if (home.startsWith(QLatin1String("readonly")) &&
            QFileInfo(dir.filePath(QStringLiteral("readonly"))).isWritable())
            QSKIP("this user may write into read-only folders");
        setVariable("XDG_CONFIG_HOME", dir.filePath(home));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot create the folder .*")));
        const QString written = GetWritableFile(QStringLiteral("Setup.xml"));
        QVERIFY(written.startsWith(dir.filePath(home)));
        QVERIFY(!CFile::WriteAll(written, "mine"));
        QFile::setPermissions(dir.filePath(QStringLiteral("readonly")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

int main(int argc, char **argv)
{
    PrivateSession session;
    if (!session.isValid())
        return 3;
    QCoreApplication app(argc, argv);
    TestUserFolders test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_userfolders.moc"
