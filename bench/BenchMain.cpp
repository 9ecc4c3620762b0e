// tavo_bench: measures the start, the device list, the report, the actions on
// a large plan and the data files of the TAVO storage calculator, offscreen,
// against the goals set for them. One group of measurements per call;
// bench/run.sh runs them all. Measurement only: it asserts nothing and CTest
// never runs it.
//
//   tavo_bench start [--runs N]   start-up time and peak memory against a bare and a styled Qt window
//   tavo_bench groups N           N adds through "+ Add", their heap, the PDF report of them
//   tavo_bench actions N          open, import, scroll, delete, edit, PAL/NTSC, inputs, Clear and Undo at N groups
//   tavo_bench files              a long Scene.csv, large Frame.xml and Setup.xml
//   --limit S                     give up on a measurement after S seconds (default 600)
#include "ActionBench.h"
#include "BenchEnvironment.h"
#include "BenchReport.h"
#include "DataFileBench.h"
#include "GroupBench.h"
#include "StartBench.h"
#include "Watchdog.h"

#include "model/ModelMetaTypes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    // Before the application object: the platform is chosen when it is built.
    QTemporaryDir scratch;
    qputenv("QT_QPA_PLATFORM", BenchEnvironment::offscreenPlatform(scratch.path()));
    if (!qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    QApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("what"), QStringLiteral("start, groups N, actions N or files"));
    const QCommandLineOption runsOption(QStringLiteral("runs"), QStringLiteral("Starts of each program."),
                                        QStringLiteral("N"), QStringLiteral("15"));
    const QCommandLineOption limitOption(QStringLiteral("limit"), QStringLiteral("Seconds per measurement."),
                                         QStringLiteral("S"), QStringLiteral("600"));
    parser.addOption(runsOption);
    parser.addOption(limitOption);
    parser.process(app);

    const QStringList arguments = parser.positionalArguments();
    const QString what = arguments.value(0);
    Watchdog watchdog(qMax(1, parser.value(limitOption).toInt()));
    const QString runtimeDir = QCoreApplication::applicationDirPath();

    if (what == QLatin1String("start")) {
        StartBench(runtimeDir, watchdog).run(qMax(1, parser.value(runsOption).toInt()));
        return 0;
    }
    if (what != QLatin1String("groups") && what != QLatin1String("actions") && what != QLatin1String("files"))
        parser.showHelp(1);

    registerModelMetaTypes();
    const BenchEnvironment environment(runtimeDir);
    if (!environment.isValid() || !environment.install()) {
        BenchReport::missing(what, QStringLiteral("no runtime copy with its skin"), QString());
        return 1;
    }
    if (what == QLatin1String("files")) {
        DataFileBench(environment, watchdog).run();
        return 0;
    }
    const int groups = arguments.value(1).toInt();
    if (groups < 1)
        parser.showHelp(1);
    if (what == QLatin1String("actions")) {
        ActionBench(environment, watchdog).run(groups);
        return 0;
    }
    GroupBench(watchdog).run(groups, environment.filePath(QStringLiteral("report.pdf")));
    return 0;
}
