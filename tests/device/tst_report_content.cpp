// What the report says: its sections, figures, chart and pages.
#include "aptui/FileChooser.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceReport.h"
#include "device/ReportFile.h"
#include "model/DeviceEnums.h"
#include "model/ModelMetaTypes.h"

#include "ReportFixture.h"
#include "model/ModelDataDir.h"
#include "support/DesktopOpenRecorder.h"
#include "support/DialogAnswerer.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace ReportFixture;

class TestReportContent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sectionsHoldCaptionsAndRowsInIdOrder();
    void deviceCells_data();
    void deviceCells();
    void hoursInTheListsLanguage();
    void devicesEndInTotals_data();
    void devicesEndInTotals();
    void chartSharesLargestFirst_data();
    void chartSharesLargestFirst();
    void pdfHoldsEveryCellAsText_data();
    void pdfHoldsEveryCellAsText();
    void titleBlockOnTheFirstPage_data();
    void titleBlockOnTheFirstPage();
    void titlesStayWithTheirTables_data();
    void titlesStayWithTheirTables();
    void retentionPolicies_data();
    void retentionPolicies();

private:
    std::unique_ptr<ModelDataDir> m_data;
    std::unique_ptr<QTemporaryDir> m_out;
    bool m_pdfToText = false;
    int m_questions = 0;
    QWidget *m_questionParent = nullptr;
    QString m_caption;
    QString m_start;
    QString m_filter;
};

void TestReportContent::initTestCase()
{
    registerModelMetaTypes();
    m_pdfToText = !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

void TestReportContent::init()
{
    m_data = std::make_unique<ModelDataDir>(kFixture);
    QVERIFY(m_data->isValid());
    m_out = std::make_unique<QTemporaryDir>();
    QVERIFY(m_out->isValid());
    m_questions = 0;
    m_questionParent = nullptr;
    m_caption.clear();
    m_start.clear();
    m_filter.clear();
}

void TestReportContent::cleanup()
{
    aptui::FileChooser::setSaveFunction({});
    m_out.reset();
    m_data.reset();
}

void TestReportContent::sectionsHoldCaptionsAndRowsInIdOrder()
{
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("Zeta(1)"), 2048));
    page.addDeviceTypeItem(group(QStringLiteral("Alpha(2)"), 1024));
    page.addDeviceTypeItem(group(QStringLiteral("Mid(3)"), 512));

    const QList<ReportTable> sections = DeviceReport::tables(page.getDeviceData(), sampleResult());
    QCOMPARE(sections.size(), 4);
    const QStringList titles{QStringLiteral("Devices"), QStringLiteral("Space Given"), QStringLiteral("Time Given"),
                             QStringLiteral("Bandwidth")};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(sections.at(i).title, titles.at(i));

    // The calculator's figures read as its record words them.
    const QList<QList<QStringList>> tables = dataTables(sections);
    QCOMPARE(tables.size(), 4);
    QCOMPARE(tables.at(0), (QList<QStringList>{{QStringLiteral("Device Name"), QStringLiteral("Device Quantity"),
                                                QStringLiteral("Resolution"), QStringLiteral("Frame Rate(fps)"),
                                                QStringLiteral("Encoding"), QStringLiteral("Recommended Bitrate(kbps)"),
                                                QStringLiteral("Recording")},
                                               texts({"Zeta(1)", "4", "1080P", "25", "H.265", "2048", "Continuous"}),
                                               texts({"Alpha(2)", "4", "1080P", "25", "H.265", "1024", "Continuous"}),
                                               texts({"Mid(3)", "4", "1080P", "25", "H.265", "512", "Continuous"})}));
    QCOMPARE(tables.at(1),
             (QList<QStringList>{{QStringLiteral("Disk Space"), QStringLiteral("Recording Time/day"),
                                  QStringLiteral("Recording Time By Day"), QStringLiteral("Recording Time By Week"),
                                  QStringLiteral("Recording Time By Month"), QStringLiteral("Exact"),
                                  QStringLiteral("Scene Activity")},
                                 texts({"8 TB", "24 h", "25 days", "3 weeks", "0 months", "", "—"})}));
    QCOMPARE(tables.at(2), (QList<QStringList>{texts({"Recording Time", "Recording Time/day", "Required Disk Space",
                                                      "Exact", "Scene Activity"}),
                                               texts({"30 days", "16 h", "7 TB", "", "—"})}));
    QCOMPARE(tables.at(3),
             (QList<QStringList>{{QStringLiteral("Total device number"), QStringLiteral("Total Band Width")},
                                 {QStringLiteral("12"), QStringLiteral("24.0 Mbps")}}));
}

void TestReportContent::deviceCells_data()
{
    QTest::addColumn<double>("bitrate");
    QTest::addColumn<QString>("frameRate");
    QTest::addColumn<int>("viewMode");
    QTest::addColumn<int>("share");
    QTest::addColumn<QString>("bitrateCell");
    QTest::addColumn<QString>("recordingCell");
    QTest::newRow("fraction kept") << 1536.5 << QStringLiteral("25") << int(LiveViewAndRecording) << 100
                                   << QStringLiteral("1536.5") << QStringLiteral("Continuous");
    QTest::newRow("whole without decimals") << 4096.0 << QStringLiteral("30") << int(Recording) << 40
                                            << QStringLiteral("4096") << QStringLiteral("On motion, 40 %");
    QTest::newRow("six significant digits") << 1234.5678 << QStringLiteral("25") << int(LiveViewAndRecording) << 1
                                            << QStringLiteral("1234.57") << QStringLiteral("On motion, 1 %");
    QTest::newRow("scene group without frame rate") << 2048.0 << QStringLiteral("") << int(Recording) << 100
                                                    << QStringLiteral("2048") << QStringLiteral("Continuous");
    QTest::newRow("watched live only") << 2048.0 << QStringLiteral("25") << int(LiveView) << 40
                                       << QStringLiteral("2048") << QStringLiteral("Not recorded");
}

// The recording column follows the bitrate; the network carries the full rate.
void TestReportContent::deviceCells()
{
    QFETCH(double, bitrate);
    QFETCH(QString, frameRate);
    QFETCH(int, viewMode);
    QFETCH(int, share);
    StructDeviceItem item = group(QStringLiteral("Gate(1)"), bitrate, frameRate, 4, viewMode);
    item.iRecordingShare = share;
    QMap<long long, StructDeviceItem> devices;
    devices.insert(1, item);

    const QList<QList<QStringList>> tables = dataTables(DeviceReport::tables(devices, sampleResult()));
    QCOMPARE(tables.at(0).size(), 2);
    QCOMPARE(tables.at(0).at(1).at(3), frameRate);
    QTEST(tables.at(0).at(1).at(5), "bitrateCell");
    QTEST(tables.at(0).at(1).at(6), "recordingCell");
}

// The hours are written by the device list's pattern, which the language may
// word otherwise.
void TestReportContent::hoursInTheListsLanguage()
{
    Result result = sampleResult();
    result.recordHoursPerDay = 8;
    result.dailyRecordHours = 1;

    QList<QList<QStringList>> tables = dataTables(DeviceReport::tables(groups(1), result));
    QCOMPARE(tables.at(1).at(1).at(1), QStringLiteral("8 h"));
    QCOMPARE(tables.at(2).at(1).at(1), QStringLiteral("1 h"));

    ListTranslator translator({{QStringLiteral("%1 h"), QStringLiteral("%1 hrs")}});
    QVERIFY(QCoreApplication::installTranslator(&translator));
    tables = dataTables(DeviceReport::tables(groups(1), result));
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(tables.at(1).at(1).at(1), QStringLiteral("8 hrs"));
    QCOMPARE(tables.at(2).at(1).at(1), QStringLiteral("1 hrs"));
}

void TestReportContent::devicesEndInTotals_data()
{
    QTest::addColumn<QList<StructDeviceItem>>("items");
    QTest::addColumn<QStringList>("totals");
    QTest::newRow("one group") << QList<StructDeviceItem>{group(QStringLiteral("A(1)"), 1024)}
                               << texts({"Total", "4", "", "", "", "4096", ""});
    QTest::newRow("fractions summed")
        << QList<StructDeviceItem>{group(QStringLiteral("A(1)"), 1536.5, QStringLiteral("25"), 3),
                                   group(QStringLiteral("B(2)"), 512.25, QStringLiteral("25"), 2)}
        << texts({"Total", "5", "", "", "", "5634", ""});
    QTest::newRow("live-only groups count too")
        << QList<StructDeviceItem>{group(QStringLiteral("A(1)"), 1000, QStringLiteral("25"), 8, LiveView),
                                   group(QStringLiteral("B(2)"), 500, QStringLiteral("25"), 2, Recording)}
        << texts({"Total", "10", "", "", "", "9000", ""});
    QTest::newRow("large, never in exponent form")
        << QList<StructDeviceItem>{group(QStringLiteral("A(1)"), 16384, QStringLiteral("25"), 5000),
                                   group(QStringLiteral("B(2)"), 16384, QStringLiteral("25"), 5000)}
        << texts({"Total", "10000", "", "", "", "163840000", ""});
}

void TestReportContent::devicesEndInTotals()
{
    QFETCH(QList<StructDeviceItem>, items);
    QMap<long long, StructDeviceItem> devices;
    for (const StructDeviceItem &item : items)
        devices.insert(devices.size() + 1, item);
    const QList<ReportTable> tables = DeviceReport::tables(devices, sampleResult());
    QTEST(tables.at(0).totals, "totals");
    for (int i = 1; i < tables.size(); ++i)
        QVERIFY(tables.at(i).totals.isEmpty());
}

void TestReportContent::chartSharesLargestFirst_data()
{
    QTest::addColumn<QList<StructDeviceItem>>("items");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("values");
    const auto rec = [](const char *name, int channels, double kbps, int mode = LiveViewAndRecording) {
        return group(QString::fromUtf8(name), kbps, QStringLiteral("25"), channels, mode);
    };
    QTest::newRow("largest first") << QList<StructDeviceItem>{rec("Small(1)", 1, 1024), rec("Big(2)", 3, 1024)}
                                   << texts({"Big(2)", "Small(1)"}) << texts({"75.0%", "25.0%"});
    QTest::newRow("equal shares in id order")
        << QList<StructDeviceItem>{rec("A(1)", 2, 512), rec("B(2)", 1, 1024), rec("C(3)", 4, 256)}
        << texts({"A(1)", "B(2)", "C(3)"}) << texts({"33.3%", "33.3%", "33.3%"});
    QList<StructDeviceItem> onMotion{rec("Door(1)", 1, 1024), rec("Hall(2)", 1, 1024)};
    onMotion[0].iRecordingShare = 50;
    QTest::newRow("on motion stores its share")
        << onMotion << texts({"Hall(2)", "Door(1)"}) << texts({"66.7%", "33.3%"});
    QTest::newRow("live view is not stored")
        << QList<StructDeviceItem>{rec("Live(1)", 8, 4096, LiveView), rec("Rec(2)", 1, 512, Recording)}
        << texts({"Rec(2)"}) << texts({"100.0%"});
    QTest::newRow("a sliver still shows") << QList<StructDeviceItem>{rec("Huge(1)", 5000, 16384), rec("Tiny(2)", 1, 64)}
                                          << texts({"Huge(1)", "Tiny(2)"}) << texts({"100.0%", "<0.1%"});
    QTest::newRow("nothing recorded") << QList<StructDeviceItem>{rec("Live(1)", 8, 4096, LiveView)} << QStringList()
                                      << QStringList();

    // Group n has n channels: the last is the largest. Past sixteen groups the
    // smallest share one bar.
    for (const int count : {16, 20}) {
        QList<StructDeviceItem> items;
        QStringList labels;
        QStringList values;
        const double total = count * (count + 1) / 2.0;
        for (int i = 1; i <= count; ++i) {
            items.append(rec(QStringLiteral("G(%1)").arg(i).toUtf8().constData(), i, 1000));
            if (count <= 16 || i > count - 15) {
                labels.prepend(items.last().strChannelName);
                values.prepend(QString::number(i * 100.0 / total, 'f', 1) + QLatin1Char('%'));
            }
        }
        if (count > 16) {
            labels.append(QStringLiteral("Others (5 groups)"));
            values.append(QString::number(15 * 100.0 / total, 'f', 1) + QLatin1Char('%'));
        }
        QTest::addRow("%d groups", count) << items << labels << values;
    }
}

void TestReportContent::chartSharesLargestFirst()
{
    QFETCH(QList<StructDeviceItem>, items);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, values);
    QMap<long long, StructDeviceItem> devices;
    for (const StructDeviceItem &item : items)
        devices.insert(devices.size() + 1, item);

    const ReportChart chart = DeviceReport::chart(devices);
    QCOMPARE(chart.title, QStringLiteral("Storage by channel group"));
    QStringList shownLabels;
    QStringList shownValues;
    double shares = 0.0;
    for (const ReportBar &bar : chart.bars) {
        shownLabels.append(bar.label);
        shownValues.append(bar.value);
        shares += bar.share;
        QCOMPARE(bar.others, bar.label.startsWith(QLatin1String("Others")));
    }
    QCOMPARE(shownLabels, labels);
    QCOMPARE(shownValues, values);
    if (!chart.bars.isEmpty())
        QCOMPARE(qRound(shares * 1000), 1000);
}

void TestReportContent::pdfHoldsEveryCellAsText_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("name");
    QTest::newRow("typed markup stays text") << 1 << QStringLiteral("<b>Gate&Co</b>");
    QTest::newRow("over several pages") << 120 << QStringLiteral("Entrance");
}

// What a reader of the PDF finds: every group, and the caption row on every
// page the device table runs over (the chart below it names groups too).
void TestReportContent::pdfHoldsEveryCellAsText()
{
    QFETCH(int, count);
    QFETCH(QString, name);
    if (!m_pdfToText)
        QSKIP("pdftotext is not installed.");
    const QString fileName = m_out->filePath(QStringLiteral("text.pdf"));
    const ReportDocument document = DeviceReport::document(groups(count, name), sampleResult(), QString(), kDate);
    QCOMPARE(DeviceReport::writePdf(document, fileName), ReportOutcome::Saved);

    const QStringList pages = pdfPages(fileName);
    QVERIFY(pages.size() >= (count > 50 ? 2 : 1));
    int found = 0;
    for (const QString &whole : pages) {
        const QString page = whole.left(whole.indexOf(QLatin1String("Storage by channel group")));
        if (page.contains(QStringLiteral("%1(").arg(name)))
            QVERIFY2(page.contains(QStringLiteral("Device Name")), qPrintable(page));
        for (int i = 1; i <= count; ++i)
            found += page.contains(QStringLiteral("%1(%2) ").arg(name).arg(i)) ? 1 : 0;
    }
    QCOMPARE(found, count);
}

void TestReportContent::titleBlockOnTheFirstPage_data()
{
    QTest::addColumn<QString>("planName");
    QTest::addColumn<QString>("appVersion");
    QTest::addColumn<bool>("russian");
    QTest::addColumn<QStringList>("top");
    QTest::addColumn<QString>("footer");
    const QString date = QLocale().toString(kDate, QLocale::LongFormat);
    // 3 groups of 4 channels at 1024 kbps: 12 channels, 12 Mbps stored (in the
    // unit's source word: no catalogue is loaded).
    const QStringList summary =
        texts({"Channels", "12", "Storage bitrate", "12.0 Mpbs", "Bandwidth", "24.0 Mbps", "Disk for 30 days", "7 TB"});
    QTest::newRow("plan name") << QStringLiteral("North depot") << QStringLiteral("9.8.7") << false
                               << texts({"Storage plan", "North depot", "Version 9.8.7"}) + QStringList{date} + summary
                               << QStringLiteral("Page 1 of ");
    QTest::newRow("markup stays text") << QStringLiteral("<b>Gate & Co</b>") << QStringLiteral("9.8.7") << false
                                       << texts({"Storage plan", "<b>Gate & Co</b>"})
                                       << QStringLiteral("TAVO storage calculator 9.8.7");
    QTest::newRow("no plan name") << QStringLiteral("") << QStringLiteral("9.8.7") << false
                                  << texts({"Storage plan"}) + QStringList{date} + summary
                                  << QStringLiteral("Page 1 of ");
    // Without an application version, the version the program was built as.
    QTest::newRow("built version") << QStringLiteral("North depot") << QStringLiteral("") << false
                                   << texts({"Version "}) << QStringLiteral("TAVO storage calculator ");
    // Texts made on the GUI thread in the language of the moment, in a font with the glyphs.
    QTest::newRow("translated") << QStringLiteral("Склад «Север» 北区") << QStringLiteral("9.8.7") << true
                                << QStringList{QStringLiteral("План хранения"), QStringLiteral("Склад «Север» 北区")}
                                << QStringLiteral("Стр. 1 из ");
}

void TestReportContent::titleBlockOnTheFirstPage()
{
    QFETCH(QString, planName);
    QFETCH(QString, appVersion);
    QFETCH(bool, russian);
    QFETCH(QStringList, top);
    QFETCH(QString, footer);
    if (!m_pdfToText)
        QSKIP("pdftotext is not installed.");
    ListTranslator translator({{QStringLiteral("Storage plan"), QStringLiteral("План хранения")},
                               {QStringLiteral("Page %1 of %2"), QStringLiteral("Стр. %1 из %2")}});
    if (russian)
        QCoreApplication::installTranslator(&translator);
    QCoreApplication::setApplicationVersion(appVersion);
    const ReportDocument document = DeviceReport::document(groups(3), sampleResult(), planName, kDate);
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::setApplicationVersion(QString());

    const QString fileName = m_out->filePath(QStringLiteral("title.pdf"));
    QCOMPARE(DeviceReport::writePdf(document, fileName), ReportOutcome::Saved);
    const QStringList pages = pdfPages(fileName);
    QVERIFY(!pages.isEmpty());
    // The title block comes before the first section.
    const QString block =
        pages.first().left(pages.first().indexOf(QRegularExpression(QStringLiteral("\\n\\s*Devices"))));
    for (const QString &text : std::as_const(top))
        QVERIFY2(block.contains(text), qPrintable(text + QStringLiteral(" not in:\n") + block));
    QVERIFY(block.contains(QRegularExpression(QStringLiteral("Version \\d+(\\.\\d+)+"))));
    QCOMPARE(block.count(russian ? QStringLiteral("План хранения") : QStringLiteral("Storage plan")), 1);
    QVERIFY2(pages.first().mid(block.size()).contains(footer), qPrintable(pages.first()));
}

void TestReportContent::titlesStayWithTheirTables_data()
{
    QTest::addColumn<int>("count");
    // Counts on both sides of where a section, the chart or the totals move on
    // to the next page; the disk array is last.
    for (const int count : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 21, 22, 27, 28, 31, 32, 51, 52, 57, 58, 61, 62, 200})
        QTest::addRow("%d groups", count) << count;
}

// On every page: each section title has its caption row and first row under
// it, the totals follow a device row, and the footer numbers the page.
void TestReportContent::titlesStayWithTheirTables()
{
    QFETCH(int, count);
    if (!m_pdfToText)
        QSKIP("pdftotext is not installed.");
    const QString fileName = m_out->filePath(QStringLiteral("breaks.pdf"));
    QCOMPARE(DeviceReport::writePdf(DeviceReport::document(groups(count), arrayResult(), QString(), kDate), fileName),
             ReportOutcome::Saved);
    const QStringList pages = pdfPages(fileName);
    QVERIFY(!pages.isEmpty());

    struct Section
    {
        QString title;
        QString caption;
        QString first;
    };
    const QList<Section> sections{
        {QStringLiteral("Devices"), QStringLiteral("Device Name"), QStringLiteral("Gate(1) ")},
        {QStringLiteral("Storage by channel group"), QStringLiteral("Gate("), QStringLiteral("%")},
        {QStringLiteral("Space Given"), QStringLiteral("Disk Space"), QStringLiteral("8 TB")},
        {QStringLiteral("Time Given"), QStringLiteral("Recording Time"), QStringLiteral("30 days")},
        {QStringLiteral("Bandwidth"), QStringLiteral("Total device number"), QStringLiteral("24.0 Mbps")},
        {QStringLiteral("Disk Array"), QStringLiteral("Drives"), QStringLiteral("6 × 8 TB")}};
    const QRegularExpression totals(QStringLiteral("Total\\s+%1\\s").arg(count * 4));
    int seen = 0;
    for (int p = 0; p < pages.size(); ++p) {
        const QString &page = pages.at(p);
        QVERIFY2(page.contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size())), qPrintable(page));
        for (int s = 0; s < sections.size(); ++s) {
            const Section &section = sections.at(s);
            const QRegularExpression line(QStringLiteral("(^|\\n)\\s*%1\\s*\\n").arg(section.title));
            const int at = page.indexOf(line);
            if (at < 0)
                continue;
            QCOMPARE(s, seen++);
            const int caption = page.indexOf(section.caption, at + section.title.size());
            QVERIFY2(caption > at, qPrintable(section.title + QStringLiteral(" alone on page\n") + page));
            QVERIFY2(page.indexOf(section.first, caption) > caption,
                     qPrintable(section.title + QLatin1Char('\n') + page));
        }
        const int total = page.indexOf(totals);
        if (total >= 0) {
            const int row = page.indexOf(QRegularExpression(QStringLiteral("Gate\\(\\d+\\) ")));
            QVERIFY2(row >= 0 && row < total, qPrintable(page));
        }
    }
    QCOMPARE(seen, sections.size());
}

void TestReportContent::retentionPolicies_data()
{
    QTest::addColumn<RetentionPolicy>("policy");
    QTest::addColumn<bool>("listed");
    // A week of 14 h on weekdays only, 10 h a day on average, with AAC audio.
    RetentionPolicy week;
    week.own = true;
    week.retention = 1;
    week.retentionUnit = RetentionPolicy::Weeks;
    week.splitWeek = true;
    week.weekdayHours = 14;
    week.weekendHours = 0;
    week.audio = RetentionPolicy::Aac;
    week.aacKbps = 96;
    QTest::newRow("one group keeps its own") << week << true;
    QTest::newRow("every group follows the plan") << RetentionPolicy() << false;
}

// The groups keeping their own retention get a section of their own after the
// devices; the others are only named in its note. A plan without any gets
// the report it always had.
void TestReportContent::retentionPolicies()
{
    QFETCH(RetentionPolicy, policy);
    QFETCH(bool, listed);
    QMap<long long, StructDeviceItem> devices = groups(2);
    devices[2].policy = policy;
    const auto numbers = [](const QString &text) {
        QList<int> out;
        for (auto it = QRegularExpression(QStringLiteral("\\d+")).globalMatch(text); it.hasNext();)
            out.append(it.next().captured().toInt());
        return out;
    };

    Result result = sampleResult();
    if (listed) {
        result.retentionAnswer = QStringLiteral("Holds every retention.");
        result.largestNeeds = QStringLiteral("Largest: Gate(2).");
    }
    const QList<ReportTable> sections = DeviceReport::tables(devices, result);
    QCOMPARE(sections.size(), listed ? 5 : 4);
    // The calculator's answers stand under the figures they are about.
    QCOMPARE(sections.at(listed ? 2 : 1).note, result.retentionAnswer);
    QCOMPARE(sections.at(listed ? 3 : 2).note, result.largestNeeds);
    QCOMPARE(sections.at(1).title == QLatin1String("Retention policies"), listed);
    if (!listed)
        return;
    const ReportTable &table = sections.at(1);
    QCOMPARE(table.rows.size(), 1);
    const QStringList &row = table.rows.first();
    QCOMPARE(row.size(), table.headers.size());
    QCOMPARE(row.at(0), QStringLiteral("Gate(2)"));
    QCOMPARE(numbers(row.at(1)), QList<int>{7});
    QCOMPARE(numbers(row.at(2)), (QList<int>{14, 0}));
    QVERIFY(row.at(5).contains(QLatin1String("AAC")));
    QCOMPARE(numbers(row.at(5)), QList<int>{96});
    // 4 × (1024 + 96) kbps for 7 days of 10 h: 144.94 GB, rounded up.
    QCOMPARE(row.at(6), QStringLiteral("145.0 GB"));
    QVERIFY2(table.note.contains(sampleResult().saveTime), qPrintable(table.note));

    if (!m_pdfToText)
        return;
    const QString fileName = m_out->filePath(QStringLiteral("policies.pdf"));
    QCOMPARE(DeviceReport::writePdf(DeviceReport::document(devices, sampleResult(), QString(), kDate), fileName),
             ReportOutcome::Saved);
    const QString text = pdfPages(fileName).join(QLatin1Char('\n')).simplified();
    QVERIFY2(text.contains(table.note), qPrintable(text));
}

QTEST_MAIN(TestReportContent)
#include "tst_report_content.moc"
