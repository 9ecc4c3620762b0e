// A plan given on the command line is opened; a second start given a plan
// hands it to the running window, which comes to the front and opens it, and
// the second start ends without a word.
#include "PrivateSession.h"
#include "app/ToolsApplication.h"
#include "mainwindow/PlanSession.h"
#include "mainwindow/VantorMainPage.h"
#include "model/ModelMetaTypes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

QString savePlan(const QTemporaryDir &dir)
{
    const QString file = dir.filePath(QStringLiteral("site.tavoplan"));
    QFile plan(file);
    const bool saved =
        plan.open(QIODevice::WriteOnly) && plan.write(R"({"format": "tavo-storage-plan", "schemaVersion": 1, "groups": [
                           {"number": 1, "deviceType": "IPC", "channels": 4, "bitrateKbps": 2048, "viewMode": 3}]})") >
                                               0;
    return saved ? file : QString();
}

} // namespace

class TestPlanHandOver : public QObject
{
    Q_OBJECT

private slots:
    void firstStartOpensTheGivenPlan()
    {
        QTemporaryDir dir;
        QVERIFY(!savePlan(dir).isEmpty());
        // A runtime folder of its own makes it the first instance; the hook
        // prints the window's title once it is idle and ends the program.
        QTemporaryDir runtime(QDir::tempPath() + QStringLiteral("/rt-XXXXXX"));
        const QString screen = dir.filePath(QStringLiteral("screen.json"));
        QFile screenFile(screen);
        QVERIFY(screenFile.open(QIODevice::WriteOnly));
        screenFile.write(R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": 1920, "height": 1080}]})");
        screenFile.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + screen);
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(TAVO_RUN_HOOK));
        const QString title = QStringLiteral("site — TAVO storage calculator");
        environment.insert(QStringLiteral("TAVO_RUN_HOOK_TITLE"), title);
        QProcess first;
        first.setProcessEnvironment(environment);
        first.setWorkingDirectory(dir.path());
        first.start(QStringLiteral(TAVO_PROGRAM), {QStringLiteral("site.tavoplan")});
        QVERIFY(first.waitForFinished(60000));
        const QByteArray report = first.readAllStandardOutput();
        QVERIFY2(report.contains("title=" + title.toUtf8()), report.constData());
    }

    void secondStartHandsThePlanOver_data()
    {
        QTest::addColumn<QString>("given");
        QTest::newRow("relative path") << QStringLiteral("relative");
        QTest::newRow("absolute path") << QStringLiteral("absolute");
        QTest::newRow("file URL") << QStringLiteral("URL");
    }

    void secondStartHandsThePlanOver()
    {
        QFETCH(QString, given);
        auto *app = qobject_cast<apt::ToolsApplication *>(qApp);
        QVERIFY(app);
        QTemporaryDir dir;
        const QString file = savePlan(dir);
        QVERIFY(!file.isEmpty());

        VantorMainPage window;
        window.connectSignals();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        app->attachMainWindow(&window);
        window.showMinimized();

        const QString argument = given == QLatin1String("relative")   ? QStringLiteral("site.tavoplan")
                                 : given == QLatin1String("absolute") ? file
                                                                      : QUrl::fromLocalFile(file).toString();
        QProcess second;
        second.setWorkingDirectory(dir.path());
        second.start(QStringLiteral(TAVO_PROGRAM), {argument});
        QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 60000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE(window.planSession()->filePath(), file);
        QCOMPARE(window.windowTitle(), QStringLiteral("site — TAVO storage calculator"));
        QVERIFY(!window.isMinimized());
        if (second.state() != QProcess::NotRunning)
            second.kill();
    }
};

int main(int argc, char **argv)
{
    // Its own runtime and per-user folders, which the second start inherits.
    PrivateSession session;
    if (!session.isValid())
        return 3;
    // The running instance, under the program's own id; it was given no plan.
    int programArgc = 1;
    apt::ToolsApplication app(QStringLiteral("TAVO storage calculator"), programArgc, argv);
    registerModelMetaTypes();
    TestPlanHandOver test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_planhandover.moc"
