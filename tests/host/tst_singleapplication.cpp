#include "PrivateSession.h"
#include "host/QtSingleApplication.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using SharedTools::QtSingleApplication;

// Each case uses fresh ids, so runs in parallel never meet.
static QString freshId(const char *what)
{
    return QStringLiteral("tavo-test-%1-%2").arg(QLatin1String(what), QUuid::createUuid().toString(QUuid::Id128));
}

class TestSingleApplication : public QObject
{
    Q_OBJECT

private:
    static int probe(const QString &id, QByteArray *messages = nullptr)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{category}: %{message}"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(TAVO_PROBE), {id, QStringLiteral("check")});
        if (!process.waitForFinished(20000))
            return -1;
        if (messages)
            *messages = process.readAllStandardError();
        return process.exitCode();
    }

    QByteArray m_savedRuntimeDir;

    static bool startHolder(QProcess &process, const QString &id)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{category}: %{message}"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(TAVO_PROBE), {id, QStringLiteral("hold")});
        return process.waitForReadyRead(20000) && process.readAllStandardOutput().startsWith("ready");
    }

private slots:
    void cleanup()
    {
        if (!m_savedRuntimeDir.isNull())
            qputenv("XDG_RUNTIME_DIR", m_savedRuntimeDir);
        m_savedRuntimeDir = QByteArray();
    }

    void secondProcessIsRefusedWhileTheFirstRuns()
    {
        // This test process is an instance itself.
        auto *app = qobject_cast<QtSingleApplication *>(qApp);
        QVERIFY(app);
        QVERIFY(!app->isRunning());
        QCOMPARE(probe(app->id()), 1);
        QCOMPARE(probe(freshId("other")), 0);
    }

    void instanceEndingFreesTheId()
    {
        const QString id = freshId("ends");
        QProcess holder;
        QVERIFY(startHolder(holder, id));
        QCOMPARE(probe(id), 1);
        holder.terminate();
        QVERIFY(holder.waitForFinished(20000));
        QCOMPARE(probe(id), 0);
    }

    void crashedInstanceDoesNotBlock()
    {
        const QString id = freshId("crash");
        QProcess holder;
        QVERIFY(startHolder(holder, id));
        holder.kill();
        QVERIFY(holder.waitForFinished(20000));
        QCOMPARE(probe(id), 0);
    }

    void lockOfAProcessThatIsNoPeerDoesNotBlock()
    {
        // A lock left by a crash whose pid now belongs to a live process (this
        // one), which does not answer on the socket.
        const QString id = freshId("reused");
        const QString templatePath = QDir::temp().filePath(freshId("template") + QStringLiteral(".lock"));
        QByteArray contents;
        {
            QLockFile ours(templatePath);
            QVERIFY(ours.tryLock(0));
            QFile file(templatePath);
            QVERIFY(file.open(QIODevice::ReadOnly));
            contents = file.readAll();
        }
        QVERIFY(contents.startsWith(QByteArray::number(QCoreApplication::applicationPid())));
        QFile stale(QtSingleApplication::lockFilePath(id));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(contents);
        stale.close();
        QCOMPARE(probe(id), 0);
        QFile::remove(QtSingleApplication::lockFilePath(id));
    }

    void releasedInstanceLetsANewOneStart()
    {
        auto *app = qobject_cast<QtSingleApplication *>(qApp);
        QVERIFY(app);
        app->releaseInstance();
        QCOMPARE(probe(app->id()), 0);
        // Nothing took the place meanwhile: it is ours again.
        QVERIFY(!app->isRunning());
        QCOMPARE(probe(app->id()), 1);
    }

    // Only a live instance of ours refuses a start; whatever else is found at
    // the lock's place, or keeps the lock from being made, lets the program start
    // and say on the terminal what it could not do.
    void whatIsAtTheLockPlace_data()
    {
        QTest::addColumn<QString>("found");
        QTest::addColumn<int>("running");
        QTest::addColumn<bool>("warned");
        QTest::newRow("nothing") << QStringLiteral("nothing") << 0 << false;
        QTest::newRow("a file that is no lock") << QStringLiteral("text file") << 0 << false;
        QTest::newRow("an empty file") << QStringLiteral("empty file") << 0 << false;
        QTest::newRow("a folder") << QStringLiteral("folder") << 0 << true;
        QTest::newRow("a file where the lock's folder belongs") << QStringLiteral("file as folder") << 0 << true;
        QTest::newRow("a live instance") << QStringLiteral("instance") << 1 << false;
        QTest::newRow("a lock held by a live process that does not answer")
            << QStringLiteral("held lock") << 1 << false;
        // Rather two instances than a lock others may reach.
        QTest::newRow("a live instance in a folder open to others")
            << QStringLiteral("instance, open folder") << 0 << true;
    }

    void whatIsAtTheLockPlace()
    {
        QFETCH(QString, found);
        QFETCH(int, running);
        QFETCH(bool, warned);
        // A runtime folder of the row's own, which the probes inherit.
        QTemporaryDir runtime(QDir::tempPath() + QStringLiteral("/rt-"));
        QVERIFY(runtime.isValid());
        m_savedRuntimeDir = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        const QString id = freshId("place");
        const QString lockPath = QtSingleApplication::lockFilePath(id);
        QVERIFY(lockPath.startsWith(runtime.path() + QLatin1Char('/')));
        const QString folder = QFileInfo(lockPath).absolutePath();
        if (found != QLatin1String("file as folder"))
            QVERIFY(QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

        QProcess holder;
        QLockFile held(lockPath);
        if (found == QLatin1String("text file") || found == QLatin1String("empty file")) {
            QFile file(lockPath);
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (found == QLatin1String("text file"))
                file.write("left here by something else\n");
        } else if (found == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(lockPath));
        } else if (found == QLatin1String("file as folder")) {
            QFile file(folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (found.startsWith(QLatin1String("instance"))) {
            QVERIFY(startHolder(holder, id));
            if (found.endsWith(QLatin1String("open folder")))
                QVERIFY(QFile::setPermissions(folder,
                                              QFileInfo(folder).permissions() | QFile::ReadOther | QFile::ExeOther));
        } else if (found == QLatin1String("held lock")) {
            QVERIFY(held.tryLock(0));
        }

        QByteArray messages;
        QCOMPARE(probe(id, &messages), running);
        QCOMPARE(messages.contains("tavo.host"), warned);
        if (holder.state() != QProcess::NotRunning) {
            holder.kill();
            QVERIFY(holder.waitForFinished(20000));
        }
    }

    // The socket lies in the runtime folder however deep that is, although a
    // socket address holds little more than a hundred bytes.
    void messageReachesTheInstance_data()
    {
        QTest::addColumn<int>("depth"); // characters of a folder below the runtime folder's own
        // XDG_RUNTIME_DIR's permissions, 0 for none; without a private one the user's cache folder serves.
        QTest::addColumn<int>("runtimeMode");
        const int ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QTest::newRow("the session's runtime folder") << 0 << ownerOnly;
        QTest::newRow("runtime folder past a socket address") << 120 << ownerOnly;
        QTest::newRow("runtime folder open to others")
            << 0 << (ownerOnly | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        QTest::newRow("no runtime folder") << 0 << 0;
    }

    void messageReachesTheInstance()
    {
        QFETCH(int, depth);
        QFETCH(int, runtimeMode);
        const int ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        // QTemporaryDir appends the random part.
        QTemporaryDir root(QDir::tempPath() + QStringLiteral("/rt-"));
        QVERIFY(root.isValid());
        const QString runtime = depth > 0 ? root.filePath(QString(depth, QLatin1Char('d'))) : root.path();
        QVERIFY(QFileInfo(runtime).isDir() || QDir().mkdir(runtime));
        QVERIFY(QFile::setPermissions(runtime, QFile::Permissions(runtimeMode ? runtimeMode : ownerOnly)));
        m_savedRuntimeDir = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", runtimeMode ? QFile::encodeName(runtime) : QByteArray());
        const QString id = freshId("message");
        if (depth > 0)
            QVERIFY(QFile::encodeName(QtSingleApplication::serverName(id)).size() > 107);
        QCOMPARE(QtSingleApplication::serverName(id).startsWith(runtime + QLatin1Char('/')), runtimeMode == ownerOnly);

        QProcess holder;
        QVERIFY(startHolder(holder, id));
        QProcess sender;
        sender.start(QStringLiteral(TAVO_PROBE), {id, QStringLiteral("send")});
        QVERIFY(sender.waitForFinished(20000));
        QCOMPARE(sender.exitCode(), 0);
        QByteArray heard;
        QTRY_VERIFY2((heard += holder.readAllStandardOutput()).contains("hello\n"), heard.constData());
        holder.kill();
        QVERIFY(holder.waitForFinished(20000));
        // The instance listened without a word (Qt may still say what it thinks of the runtime folder).
        const QByteArray said = holder.readAllStandardError();
        QVERIFY2(!said.contains("tavo.host"), said.constData());
    }

    void namesDependOnTheId()
    {
        QVERIFY(QtSingleApplication::serverName(QStringLiteral("a")) !=
                QtSingleApplication::serverName(QStringLiteral("b")));
        QCOMPARE(QtSingleApplication::serverName(QStringLiteral("a")),
                 QtSingleApplication::serverName(QStringLiteral("a")));
        QVERIFY(QtSingleApplication::lockFilePath(QStringLiteral("a")).endsWith(QStringLiteral(".lock")));
        // Both in the user's private runtime folder, not in the shared temporary one.
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/');
        QVERIFY(QtSingleApplication::lockFilePath(QStringLiteral("a")).startsWith(runtime));
        QVERIFY(QtSingleApplication::serverName(QStringLiteral("a")).startsWith(runtime));
    }
};

int main(int argc, char **argv)
{
    PrivateSession session;
    if (!session.isValid())
        return 3;
    QtSingleApplication app(freshId("main"), argc, argv);
    TestSingleApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleapplication.moc"
