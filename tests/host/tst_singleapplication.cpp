#include "host/QtSingleApplication.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
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
    static int probe(const QString &id)
    {
        QProcess process;
        process.start(QStringLiteral(TAVO_PROBE), {id, QStringLiteral("check")});
        if (!process.waitForFinished(20000))
            return -1;
        return process.exitCode();
    }

    static bool startHolder(QProcess &process, const QString &id)
    {
        process.start(QStringLiteral(TAVO_PROBE), {id, QStringLiteral("hold")});
        return process.waitForReadyRead(20000) && process.readAllStandardOutput().startsWith("ready");
    }

private slots:
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

    void namesDependOnTheId()
    {
        QVERIFY(QtSingleApplication::serverName(QStringLiteral("a")) !=
                QtSingleApplication::serverName(QStringLiteral("b")));
        QCOMPARE(QtSingleApplication::serverName(QStringLiteral("a")),
                 QtSingleApplication::serverName(QStringLiteral("a")));
        QVERIFY(QtSingleApplication::lockFilePath(QStringLiteral("a")).endsWith(QStringLiteral(".lock")));
    }
};

int main(int argc, char **argv)
{
    QtSingleApplication app(freshId("main"), argc, argv);
    TestSingleApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleapplication.moc"
