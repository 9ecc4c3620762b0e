#include "StartBench.h"

#include "BenchEnvironment.h"
#include "BenchReport.h"
#include "Watchdog.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>

namespace {

const char kProgram[] = "tavo_bench_start";
const char kBare[] = "tavo_bench_bare";

long long monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// "key value" lines as IdleReporter prints them.
long long reported(const QByteArray &output, const QByteArray &key)
{
    for (const QByteArray &line : output.split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() == 2 && parts.at(0) == key)
            return parts.at(1).toLongLong();
    }
    return -1;
}

} // namespace

StartBench::StartBench(const QString &runtimeDir, Watchdog &watchdog) : m_runtimeDir(runtimeDir), m_watchdog(watchdog)
{}

StartBench::Sample StartBench::startOnce(const QString &program) const
{
    Sample sample;
    // The program is single-instance through a lock file and a socket in the
    // user's runtime folder; each start gets folders of its own.
    QTemporaryDir tmp;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), tmp.path());
    const QDir home(tmp.path());
    for (const char *variable : {"XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
        const QString folder = home.filePath(QString::fromLatin1(variable).toLower());
        home.mkpath(folder);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        environment.insert(QString::fromLatin1(variable), folder);
    }
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(tmp.path());
    process.setStandardErrorFile(QProcess::nullDevice());

    const long long started = monotonicNs();
    process.start(program, {});
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        sample.error = QStringLiteral("%1 failed: %2").arg(program, process.errorString());
        return sample;
    }
    const QByteArray output = process.readAllStandardOutput();
    const long long idle = reported(output, "idle_ns");
    sample.peakKb = double(reported(output, "vmhwm_kb"));
    if (idle < 0) {
        sample.error = QStringLiteral("%1 reported no idle window").arg(program);
        return sample;
    }
    sample.seconds = double(idle - started) / 1e9;
    sample.ok = true;
    return sample;
}

void StartBench::run(int runs)
{
    const QString startName = QStringLiteral("start to idle window");
    const QString memoryName = QStringLiteral("peak memory at start");
    const QString startGoal = QStringLiteral("<= 1.5x");
    const QString memoryGoal = QStringLiteral("<= 1.3x");

    const BenchEnvironment copy(m_runtimeDir, {QString::fromLatin1(kProgram), QString::fromLatin1(kBare)});
    if (!copy.isValid()) {
        BenchReport::missing(startName, QStringLiteral("no runtime copy"), startGoal);
        return;
    }
    const QString program = copy.filePath(QString::fromLatin1(kProgram));
    const QString bare = copy.filePath(QString::fromLatin1(kBare));

    m_watchdog.arm(startName, startGoal);
    // One untimed start each loads the libraries into the page cache.
    startOnce(program);
    startOnce(bare);
    QList<double> programTimes, bareTimes, programPeaks, barePeaks;
    for (int i = 0; i < runs; ++i) {
        // Alternating, so that a slow phase of the machine hits both alike.
        for (const bool real : {true, false}) {
            const Sample sample = startOnce(real ? program : bare);
            if (!sample.ok) {
                m_watchdog.disarm();
                BenchReport::missing(startName, sample.error, startGoal);
                return;
            }
            (real ? programTimes : bareTimes).append(sample.seconds);
            (real ? programPeaks : barePeaks).append(sample.peakKb);
        }
    }
    m_watchdog.disarm();

    const double time = BenchReport::median(programTimes);
    const double bareTime = BenchReport::median(bareTimes);
    const double peak = BenchReport::median(programPeaks);
    const double barePeak = BenchReport::median(barePeaks);
    BenchReport::figure(startName, BenchReport::duration(time),
                        QStringLiteral("bare ") + BenchReport::duration(bareTime), BenchReport::ratio(time / bareTime),
                        startGoal, time <= 1.5 * bareTime);
    BenchReport::figure(memoryName, BenchReport::megabytes(peak),
                        QStringLiteral("bare ") + BenchReport::megabytes(barePeak), BenchReport::ratio(peak / barePeak),
                        memoryGoal, peak <= 1.3 * barePeak);
}
