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
const char kStyled[] = "tavo_bench_styled";

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
    const QString startGoal = QStringLiteral("<= 1.5x");

    const QStringList names{QString::fromLatin1(kProgram), QString::fromLatin1(kBare), QString::fromLatin1(kStyled)};
    const BenchEnvironment copy(m_runtimeDir, names);
    if (!copy.isValid()) {
        BenchReport::missing(startName, QStringLiteral("no runtime copy"), startGoal);
        return;
    }
    QStringList programs;
    for (const QString &name : names)
        programs.append(copy.filePath(name));

    m_watchdog.arm(startName, startGoal);
    // One untimed start each loads the libraries into the page cache.
    for (const QString &program : programs)
        startOnce(program);
    QList<QList<double>> times(programs.size());
    QList<QList<double>> peaks(programs.size());
    for (int i = 0; i < runs; ++i) {
        // Alternating, so that a slow phase of the machine hits all alike.
        for (int p = 0; p < programs.size(); ++p) {
            const Sample sample = startOnce(programs.at(p));
            if (!sample.ok) {
                m_watchdog.disarm();
                BenchReport::missing(startName, sample.error, startGoal);
                return;
            }
            times[p].append(sample.seconds);
            peaks[p].append(sample.peakKb);
        }
    }
    m_watchdog.disarm();

    QList<Medians> medians;
    for (int p = 0; p < programs.size(); ++p)
        medians.append({BenchReport::median(times.at(p)), BenchReport::median(peaks.at(p))});
    const Medians &program = medians.at(0);
    const Medians &bare = medians.at(1);
    const Medians &styled = medians.at(2);
    compare(startName, QStringLiteral("peak memory at start"), program, QStringLiteral("bare"), bare, 1.5, 1.3);
    compare(QStringLiteral("start vs styled window"), QStringLiteral("peak memory vs styled window"), program,
            QStringLiteral("styled"), styled, 1.3, 1.15);
    note(QStringLiteral("styled window start"), QStringLiteral("styled window peak memory"), styled,
         QStringLiteral("bare"), bare);
}

void StartBench::compare(const QString &timeName, const QString &memoryName, const Medians &measured,
                         const QString &referenceName, const Medians &reference, double timeGoal, double memoryGoal)
{
    const QString prefix = referenceName + QLatin1Char(' ');
    BenchReport::figure(timeName, BenchReport::duration(measured.seconds),
                        prefix + BenchReport::duration(reference.seconds),
                        BenchReport::ratio(measured.seconds / reference.seconds),
                        QStringLiteral("<= %1x").arg(timeGoal), measured.seconds <= timeGoal * reference.seconds);
    BenchReport::figure(memoryName, BenchReport::megabytes(measured.peakKb),
                        prefix + BenchReport::megabytes(reference.peakKb),
                        BenchReport::ratio(measured.peakKb / reference.peakKb),
                        QStringLiteral("<= %1x").arg(memoryGoal), measured.peakKb <= memoryGoal * reference.peakKb);
}

void StartBench::note(const QString &timeName, const QString &memoryName, const Medians &measured,
                      const QString &referenceName, const Medians &reference)
{
    const QString prefix = referenceName + QLatin1Char(' ');
    BenchReport::note(timeName, BenchReport::duration(measured.seconds),
                      prefix + BenchReport::duration(reference.seconds),
                      BenchReport::ratio(measured.seconds / reference.seconds));
    BenchReport::note(memoryName, BenchReport::megabytes(measured.peakKb),
                      prefix + BenchReport::megabytes(reference.peakKb),
                      BenchReport::ratio(measured.peakKb / reference.peakKb));
}
