#include "DataFileBench.h"

#include "BenchEnvironment.h"
#include "BenchReport.h"
#include "Watchdog.h"

#include "device/DeviceEditor.h"
#include "model/BitrateConfigData.h"
#include "model/ConfigureManager.h"

#include <QElapsedTimer>

#include <memory>

namespace {

const int kRepeats = 3;
// Reading counts as linear while four times the elements take at most five times as long.
const double kLinearRatio = 5.0;

// Scenes of one row each, on encodings and resolutions the shipped camera tables hold.
QByteArray sceneCsv(int scenes)
{
    const char *encodings[] = {"H.264", "H.265", "H.264+", "H.265+"};
    const char *resolutions[] = {"720P", "1080P", "4MP", "8MP"};
    QByteArray csv = "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n";
    for (int i = 1; i <= scenes; ++i) {
        csv += "Scene " + QByteArray::number(i) + ',' + encodings[i % 4] + ',' + resolutions[(i / 4) % 4] +
               ",4096,x.png\n";
    }
    return csv;
}

QByteArray frameXml(int frames)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<FrameRate>\n"
                     "<NTSC><Frame>30</Frame><Frame>15</Frame></NTSC>\n<PAL>\n";
    for (int i = 0; i < frames; ++i)
        xml += "<Frame>25</Frame>\n";
    return xml + "</PAL>\n</FrameRate>\n";
}

QByteArray setupXml(int settings)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Setup>\n";
    for (int i = 0; i < settings; ++i) {
        const QByteArray tag = "Setting" + QByteArray::number(i);
        xml += '<' + tag + "><Value>" + QByteArray::number(i) + "</Value></" + tag + ">\n";
    }
    return xml + "</Setup>\n";
}

} // namespace

DataFileBench::DataFileBench(const BenchEnvironment &environment, Watchdog &watchdog)
    : m_environment(environment), m_watchdog(watchdog)
{}

void DataFileBench::run()
{
    // Frames last: the editor needs the shipped Frame.xml.
    scenes();
    settings();
    frames();
}

double DataFileBench::timed(const std::function<void()> &work, const std::function<void()> &untimed)
{
    QList<double> times;
    for (int i = 0; i < kRepeats; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        times.append(double(clock.nsecsElapsed()) / 1e9);
        if (untimed)
            untimed();
    }
    return BenchReport::median(times);
}

void DataFileBench::scenes()
{
    const QString name = QStringLiteral("DeviceEditor, 2,000 scenes");
    const QString goal = QStringLiteral("< 50 ms");
    std::unique_ptr<DeviceEditor> editor;
    const auto build = [&editor] { editor = std::make_unique<DeviceEditor>(); };
    const auto drop = [&editor] { editor.reset(); };

    m_watchdog.arm(name, goal);
    // The first editor also pays for loading fonts and pictures.
    build();
    drop();
    const double shipped = timed(build, drop);
    if (!m_environment.writeFile(QStringLiteral("Scene.csv"), sceneCsv(2000))) {
        m_watchdog.disarm();
        BenchReport::missing(name, QStringLiteral("Scene.csv not written"), goal);
        return;
    }
    const double large = timed(build, drop);
    m_watchdog.disarm();
    BenchReport::figure(name, BenchReport::duration(large), QStringLiteral("shipped ") + BenchReport::duration(shipped),
                        BenchReport::ratio(large / shipped), goal, large < 0.05);
}

void DataFileBench::frames()
{
    std::unique_ptr<BitrateConfigData> data;
    growth(
        QStringLiteral("Frame.xml, 20,000 frames"), QStringLiteral("Frame.xml"), frameXml,
        [&data] { data = std::make_unique<BitrateConfigData>(); }, [&data] { data.reset(); });
}

void DataFileBench::settings()
{
    // Under its own name: the shipped Setup.xml stays for whatever runs next.
    const QString path = m_environment.filePath(QStringLiteral("LargeSetup.xml"));
    growth(QStringLiteral("Setup.xml, 20,000 settings"), QStringLiteral("LargeSetup.xml"), setupXml,
           [&path] { (void)apt::ConfigureManager::instance()->load(path); });
    (void)apt::ConfigureManager::instance()->load(m_environment.filePath(QStringLiteral("Setup.xml")));
}

void DataFileBench::growth(const QString &name, const QString &file, QByteArray (*content)(int),
                           const std::function<void()> &work, const std::function<void()> &untimed)
{
    const QString goal = QStringLiteral("linear, ~4x");
    m_watchdog.arm(name, goal);
    QList<double> times;
    for (const int size : {5000, 20000}) {
        m_environment.writeFile(file, content(size));
        times.append(timed(work, untimed));
    }
    m_watchdog.disarm();
    BenchReport::figure(name, BenchReport::duration(times.at(1)),
                        QStringLiteral("5,000: ") + BenchReport::duration(times.at(0)),
                        BenchReport::ratio(times.at(1) / times.at(0)), goal, times.at(1) <= kLinearRatio * times.at(0));
}
