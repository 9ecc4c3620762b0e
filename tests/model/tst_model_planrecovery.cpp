// The recovery copies of running programs: each keeps its own, and a start
// finds those of sessions that did not end normally.
#include "host/TargetPath.h"
#include "model/PlanDocument.h"
#include "model/PlanRecovery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using FenwaGUIToolkit::SetUserDataPath;

namespace {

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

} // namespace

class TestModelPlanRecovery : public QObject
{
    Q_OBJECT

    QTemporaryDir *m_state = nullptr;

private slots:
    void init()
    {
        m_state = new QTemporaryDir;
        QVERIFY(m_state->isValid());
        SetUserDataPath(m_state->filePath(QStringLiteral("state")));
    }

    void cleanup()
    {
        SetUserDataPath(QString());
        delete m_state;
        m_state = nullptr;
    }

    // A normal end of one program leaves another's copy alone.
    void instancesKeepTheirOwnCopies()
    {
        const QString other = QStringLiteral("4242-other");
        const PlanDocument plan;
        QVERIFY(PlanRecovery::write(plan, PlanRecovery::marker(QString())));
        QVERIFY(PlanRecovery::write(plan, "{}", other));
        // The folder is made on the first write, for the user alone.
        QCOMPARE(QFileInfo(m_state->filePath(QStringLiteral("state"))).permissions() &
                     (kOwnerOnly | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther),
                 kOwnerOnly);
        PlanRecovery::clear();
        QVERIFY(!QFileInfo::exists(PlanRecovery::copyPath()) && !QFileInfo::exists(PlanRecovery::markerPath()));
        QVERIFY(QFileInfo::exists(PlanRecovery::copyPath(other)) && QFileInfo::exists(PlanRecovery::markerPath(other)));
        QCOMPARE(readFile(PlanRecovery::markerPath(other)), QByteArray("{}"));
    }

    void abandonedCopyIsTaken_data()
    {
        QTest::addColumn<QString>("instance"); // "own", another's name, or empty for the older version's pair
        QTest::addColumn<QString>("pid");      // "running", "running+0.5", "gone", "own" or a number as written
        QTest::addColumn<bool>("taken");
        const QString other = QStringLiteral("4242-other");
        QTest::newRow("another instance running") << other << "running" << false;
        QTest::newRow("another instance gone") << other << "gone" << true;
        QTest::newRow("an older version's, gone") << QString() << "gone" << true;
        QTest::newRow("this instance's") << "own"
                                         << "own" << false;
        QTest::newRow("this number before a restart") << other << "own" << true;
        // No process at all, whatever runs under the number it is near.
        QTest::newRow("half past a running one") << other << "running+0.5" << true;
        QTest::newRow("1e300") << other << "1e300" << true;
        QTest::newRow("-5") << other << "-5" << true;
        QTest::newRow("3.5") << other << "3.5" << true;
    }

    void abandonedCopyIsTaken()
    {
        QFETCH(QString, instance);
        QFETCH(QString, pid);
        QFETCH(bool, taken);
        QProcess process;
        if (pid.startsWith(QLatin1String("running")) || pid == QLatin1String("gone")) {
            process.start(QStandardPaths::findExecutable(QStringLiteral("sleep")),
                          {pid == QLatin1String("gone") ? QStringLiteral("0") : QStringLiteral("60")});
            QVERIFY(process.waitForStarted());
        }
        double markedPid = pid.toDouble();
        if (pid == QLatin1String("own"))
            markedPid = double(QCoreApplication::applicationPid());
        else if (process.processId() > 0)
            markedPid = double(process.processId()) + (pid.endsWith(QLatin1String("+0.5")) ? 0.5 : 0.0);
        if (pid == QLatin1String("gone"))
            QVERIFY(process.waitForFinished());
        const QString name = instance == QLatin1String("own") ? PlanRecovery::instanceName() : instance;
        const QString plan = QStringLiteral("/plans/site.tavoplan");
        // An empty program: the number alone tells whether the session runs.
        const QJsonObject marker{
            {QStringLiteral("pid"), markedPid}, {QStringLiteral("program"), QString()}, {QStringLiteral("plan"), plan}};
        QVERIFY(QDir().mkpath(m_state->filePath(QStringLiteral("state"))));
        QVERIFY(writeFile(PlanRecovery::markerPath(name), QJsonDocument(marker).toJson()));
        QVERIFY(writeFile(PlanRecovery::copyPath(name), "copy"));

        QString planPath;
        QCOMPARE(PlanRecovery::takeAbandoned(&planPath), taken);
        QCOMPARE(planPath, taken ? plan : QString());
        // Taken, it is this session's, marked as such, and where it was nothing is left.
        const bool own = name == PlanRecovery::instanceName();
        QCOMPARE(readFile(PlanRecovery::copyPath()), QByteArray(taken || own ? "copy" : ""));
        QCOMPARE(QFileInfo::exists(PlanRecovery::copyPath(name)), !taken || own);
        QCOMPARE(QFileInfo::exists(PlanRecovery::markerPath(name)), !taken || own);
        if (taken) {
            const QJsonObject now = QJsonDocument::fromJson(readFile(PlanRecovery::markerPath())).object();
            QCOMPARE(now.value(QStringLiteral("pid")).toInteger(), QCoreApplication::applicationPid());
        }
        process.kill();
        process.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestModelPlanRecovery)
#include "tst_model_planrecovery.moc"
