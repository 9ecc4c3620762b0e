#include "aptui/FileChooser.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceReport.h"
#include "device/ReportFile.h"
#include "model/DeviceEnums.h"
#include "model/ModelMetaTypes.h"

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

namespace {

const QString kFixture = QStringLiteral("../device/list");
const QDate kDate(2024, 5, 1);

StructDeviceItem group(const QString &name, double kbps, const QString &frameRate = QStringLiteral("25"),
                       int channels = 4, int viewMode = LiveViewAndRecording)
{
    StructDeviceItem item;
    item.strDeviceType = QStringLiteral("IPC");
    item.strChannelName = name;
    item.strEncoding = QStringLiteral("H.265");
    item.strResolution = QStringLiteral("1080P");
    item.strFrameRate = frameRate;
    item.iChannelCount = channels;
    item.dBitrate = kbps;
    item.iViewMode = viewMode;
    return item;
}

QMap<long long, StructDeviceItem> groups(int count, const QString &name = QStringLiteral("Gate"))
{
    QMap<long long, StructDeviceItem> devices;
    for (int i = 1; i <= count; ++i)
        devices.insert(i, group(QStringLiteral("%1(%2)").arg(name).arg(i), 1024));
    return devices;
}

Result sampleResult()
{
    Result result;
    result.diskSize = QStringLiteral("8TB");
    result.recordHoursPerDay = 24;
    result.savedDays = QStringLiteral("25.3 Day");
    result.savedWeeks = QStringLiteral("3.6 Week");
    result.savedMonths = QStringLiteral("0.8 Month");
    result.saveTime = QStringLiteral("30Day");
    result.dailyRecordHours = 16;
    result.requiredDiskSpace = QStringLiteral("6.2 TB");
    result.channelCount = QStringLiteral("12");
    result.ipcCount = QStringLiteral("12");
    result.dvrCount = QStringLiteral("0");
    result.bandWidth = QStringLiteral("24.0Mpbs");
    return result;
}

// Each section's caption row followed by its data rows.
QList<QList<QStringList>> dataTables(const QList<ReportTable> &tables)
{
    QList<QList<QStringList>> out;
    for (const ReportTable &table : tables)
        out.append(QList<QStringList>{table.headers} + table.rows);
    return out;
}

int pdfPageCount(const QByteArray &pdf)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("/Count (\\d+)")).match(QString::fromLatin1(pdf));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QStringList texts(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *text : list)
        out.append(QString::fromUtf8(text));
    return out;
}

// The text of each page, as a reader copying it out finds it.
QStringList pdfPages(const QString &fileName)
{
    QProcess extract;
    extract.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fileName, QStringLiteral("-")});
    if (!extract.waitForFinished())
        return {};
    return QString::fromUtf8(extract.readAllStandardOutput()).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
}

// Translates texts of the device list's context, to see that they are looked up there.
class ListTranslator : public QTranslator
{
public:
    explicit ListTranslator(QHash<QString, QString> texts) : m_texts(std::move(texts)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return qstrcmp(context, "DeviceAddPage") == 0 ? m_texts.value(QString::fromUtf8(sourceText)) : QString();
    }

private:
    QHash<QString, QString> m_texts;
};

struct Hint
{
    QString objectName;
    QString title;
    QString text;
    QSize size;
    bool confirmShown = false;
    bool cancelShown = false;
    QStringList extraButtons;
};

} // namespace

class TestReportExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sectionsHoldCaptionsAndRowsInIdOrder();
    void bitrateAndFrameRateCells_data();
    void bitrateAndFrameRateCells();
    void hoursInTheListsLanguage();
    void unitsSpacedFromNumbers_data();
    void unitsSpacedFromNumbers();
    void devicesEndInTotals_data();
    void devicesEndInTotals();
    void chartSharesLargestFirst_data();
    void chartSharesLargestFirst();
    void exactFiguresBesideTheRoundedOnes_data();
    void exactFiguresBesideTheRoundedOnes();
    void pdfHoldsEveryCellAsText_data();
    void pdfHoldsEveryCellAsText();
    void titleBlockOnTheFirstPage_data();
    void titleBlockOnTheFirstPage();
    void titlesStayWithTheirTables_data();
    void titlesStayWithTheirTables();
    void offeredFileName_data();
    void offeredFileName();
    void planNameFromTheChosenFile_data();
    void planNameFromTheChosenFile();
    void offeredFolder_data();
    void offeredFolder();
    void exportSavesUnderTheChosenName_data();
    void exportSavesUnderTheChosenName();
    void hintOpensTheFileOrItsFolder_data();
    void hintOpensTheFileOrItsFolder();
    void permissionsFollowTheUmask_data();
    void permissionsFollowTheUmask();
    void manyGroupsSpanSeveralPages();
    void exportReplacesAnExistingFile();
    void failedReplaceKeepsTheEarlierFile();
    void cancelKeepsTheEarlierFileAndSaysNothing();
    void noGroupsNoDialogNoFile();
    void cancelledDialogWritesNothing();
    void unwritableTargetReportsFailure_data();
    void unwritableTargetReportsFailure();
    void onlyCompletePdfCountsAsSaved_data();
    void onlyCompletePdfCountsAsSaved();

private:
    // Runs the export answering the file question with `fileName` and the
    // hint with the button of that name; the hint as found.
    Hint exportAndAnswer(DeviceAddPage &page, const QString &fileName,
                         const QString &button = QStringLiteral("btnConfirm"));

    std::unique_ptr<ModelDataDir> m_data;
    std::unique_ptr<QTemporaryDir> m_out;
    bool m_pdfToText = false;
    int m_questions = 0;
    QWidget *m_questionParent = nullptr;
    QString m_caption;
    QString m_start;
    QString m_filter;
};

void TestReportExport::initTestCase()
{
    registerModelMetaTypes();
    m_pdfToText = !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

void TestReportExport::init()
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

void TestReportExport::cleanup()
{
    aptui::FileChooser::setSaveFunction({});
    m_out.reset();
    m_data.reset();
}

Hint TestReportExport::exportAndAnswer(DeviceAddPage &page, const QString &fileName, const QString &button)
{
    aptui::FileChooser::setSaveFunction(
        [this, fileName](QWidget *parent, const QString &caption, const QString &start, const QString &filter) {
            ++m_questions;
            m_questionParent = parent;
            m_caption = caption;
            m_start = start;
            m_filter = filter;
            return fileName;
        });
    Hint hint;
    auto answer = DialogAnswerer::answerNext([&hint, button](QWidget *dialog) {
        hint.objectName = dialog->objectName();
        hint.title = dialog->findChild<QLabel *>(QStringLiteral("labelTitle"))->text();
        hint.text = dialog->findChild<QLabel *>(QStringLiteral("m_labelNULL"))->text();
        hint.size = dialog->size();
        auto *confirm = dialog->findChild<QAbstractButton *>(QStringLiteral("btnConfirm"));
        auto *cancel = dialog->findChild<QAbstractButton *>(QStringLiteral("btnCancel"));
        hint.confirmShown = confirm->isVisible() && confirm->isEnabled();
        hint.cancelShown = cancel->isVisible() || cancel->isEnabled();
        for (const QString &name : {QStringLiteral("m_btnOpenReport"), QStringLiteral("m_btnShowReportFolder")}) {
            if (auto *extra = dialog->findChild<QAbstractButton *>(name); extra && extra->isVisible())
                hint.extraButtons.append(extra->text());
        }
        auto *answer = dialog->findChild<QAbstractButton *>(button);
        if (answer && answer->isVisible() && answer->isEnabled())
            answer->click();
        else
            DialogAnswerer::close(dialog);
    });
    page.onExportDeviceItems(sampleResult());
    // The report is written on a worker; the hint follows when it is done.
    if (!QTest::qWaitFor([&page] { return !page.isExporting(); }, 60000))
        qWarning("The report took over a minute.");
    if (!answer->answered())
        answer->stop();
    return hint;
}

void TestReportExport::sectionsHoldCaptionsAndRowsInIdOrder()
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

    // The figures read with a blank before their units ("8 TB", not "8TB").
    const QList<QList<QStringList>> tables = dataTables(sections);
    QCOMPARE(tables.size(), 4);
    QCOMPARE(tables.at(0),
             (QList<QStringList>{{QStringLiteral("Device Name"), QStringLiteral("Device Quantity"),
                                  QStringLiteral("Resolution"), QStringLiteral("Frame Rate(fps)"),
                                  QStringLiteral("Encoding"), QStringLiteral("Recommended Bitrate(kbps)")},
                                 {QStringLiteral("Zeta(1)"), QStringLiteral("4"), QStringLiteral("1080P"),
                                  QStringLiteral("25"), QStringLiteral("H.265"), QStringLiteral("2048")},
                                 {QStringLiteral("Alpha(2)"), QStringLiteral("4"), QStringLiteral("1080P"),
                                  QStringLiteral("25"), QStringLiteral("H.265"), QStringLiteral("1024")},
                                 {QStringLiteral("Mid(3)"), QStringLiteral("4"), QStringLiteral("1080P"),
                                  QStringLiteral("25"), QStringLiteral("H.265"), QStringLiteral("512")}}));
    QCOMPARE(tables.at(1),
             (QList<QStringList>{{QStringLiteral("Disk Space"), QStringLiteral("Recording Time/day"),
                                  QStringLiteral("Recording Time By Day"), QStringLiteral("Recording Time By Week"),
                                  QStringLiteral("Recording Time By Month"), QStringLiteral("Exact")},
                                 {QStringLiteral("8 TB"), QStringLiteral("24 h"), QStringLiteral("25.3 Day"),
                                  QStringLiteral("3.6 Week"), QStringLiteral("0.8 Month"), QString()}}));
    QCOMPARE(tables.at(2), (QList<QStringList>{{QStringLiteral("Recording Time"), QStringLiteral("Recording Time/day"),
                                                QStringLiteral("Required Disk Space"), QStringLiteral("Exact")},
                                               {QStringLiteral("30 Day"), QStringLiteral("16 h"),
                                                QStringLiteral("6.2 TB"), QString()}}));
    QCOMPARE(tables.at(3),
             (QList<QStringList>{{QStringLiteral("Total device number"), QStringLiteral("Total Band Width")},
                                 {QStringLiteral("12"), QStringLiteral("24.0 Mpbs")}}));
}

void TestReportExport::bitrateAndFrameRateCells_data()
{
    QTest::addColumn<double>("bitrate");
    QTest::addColumn<QString>("frameRate");
    QTest::addColumn<QString>("bitrateCell");
    QTest::newRow("fraction kept") << 1536.5 << QStringLiteral("25") << QStringLiteral("1536.5");
    QTest::newRow("whole without decimals") << 4096.0 << QStringLiteral("30") << QStringLiteral("4096");
    QTest::newRow("six significant digits") << 1234.5678 << QStringLiteral("25") << QStringLiteral("1234.57");
    QTest::newRow("scene group without frame rate") << 2048.0 << QStringLiteral("") << QStringLiteral("2048");
}

void TestReportExport::bitrateAndFrameRateCells()
{
    QFETCH(double, bitrate);
    QFETCH(QString, frameRate);
    QMap<long long, StructDeviceItem> devices;
    devices.insert(1, group(QStringLiteral("Gate(1)"), bitrate, frameRate));

    const QList<QList<QStringList>> tables = dataTables(DeviceReport::tables(devices, sampleResult()));
    QCOMPARE(tables.at(0).size(), 2);
    QCOMPARE(tables.at(0).at(1).at(3), frameRate);
    QTEST(tables.at(0).at(1).at(5), "bitrateCell");
}

// The hour unit is the device list's translation, now set off by a blank
// unless the translation brings its own.
void TestReportExport::hoursInTheListsLanguage()
{
    Result result = sampleResult();
    result.recordHoursPerDay = 8;
    result.dailyRecordHours = 1;

    QList<QList<QStringList>> tables = dataTables(DeviceReport::tables(groups(1), result));
    QCOMPARE(tables.at(1).at(1).at(1), QStringLiteral("8 h"));
    QCOMPARE(tables.at(2).at(1).at(1), QStringLiteral("1 h"));

    ListTranslator translator({{QStringLiteral("h"), QStringLiteral(" hrs")}});
    QVERIFY(QCoreApplication::installTranslator(&translator));
    tables = dataTables(DeviceReport::tables(groups(1), result));
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(tables.at(1).at(1).at(1), QStringLiteral("8 hrs"));
    QCOMPARE(tables.at(2).at(1).at(1), QStringLiteral("1 hrs"));
}

void TestReportExport::unitsSpacedFromNumbers_data()
{
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QString>("spaced");
    QTest::newRow("days") << QStringLiteral("30Day(s)") << QStringLiteral("30 Day(s)");
    QTest::newRow("decimal bitrate") << QStringLiteral("54.0Mbps") << QStringLiteral("54.0 Mbps");
    QTest::newRow("terabytes") << QStringLiteral("4TB") << QStringLiteral("4 TB");
    QTest::newRow("hours") << QStringLiteral("24h") << QStringLiteral("24 h");
    QTest::newRow("Chinese unit") << QStringLiteral("30天") << QStringLiteral("30 天");
    QTest::newRow("Russian unit") << QStringLiteral("30дн.") << QStringLiteral("30 дн.");
    QTest::newRow("already spaced") << QStringLiteral("0.8 Month") << QStringLiteral("0.8 Month");
    QTest::newRow("number alone") << QStringLiteral("12") << QStringLiteral("12");
    QTest::newRow("letters before digits") << QStringLiteral("H.265") << QStringLiteral("H.265");
    QTest::newRow("empty") << QStringLiteral("") << QStringLiteral("");
}

void TestReportExport::unitsSpacedFromNumbers()
{
    QFETCH(QString, figure);
    QTEST(DeviceReport::spaceUnit(figure), "spaced");
}

void TestReportExport::devicesEndInTotals_data()
{
    QTest::addColumn<QList<StructDeviceItem>>("items");
    QTest::addColumn<QStringList>("totals");
    QTest::newRow("one group") << QList<StructDeviceItem>{group(QStringLiteral("A(1)"), 1024)}
                               << texts({"Total", "4", "", "", "", "4096"});
    QTest::newRow("fractions summed")
        << QList<StructDeviceItem>{group(QStringLiteral("A(1)"), 1536.5, QStringLiteral("25"), 3),
                                   group(QStringLiteral("B(2)"), 512.25, QStringLiteral("25"), 2)}
        << texts({"Total", "5", "", "", "", "5634"});
    QTest::newRow("live-only groups count too")
        << QList<StructDeviceItem>{group(QStringLiteral("A(1)"), 1000, QStringLiteral("25"), 8, LiveView),
                                   group(QStringLiteral("B(2)"), 500, QStringLiteral("25"), 2, Recording)}
        << texts({"Total", "10", "", "", "", "9000"});
    QTest::newRow("large, never in exponent form")
        << QList<StructDeviceItem>{group(QStringLiteral("A(1)"), 16384, QStringLiteral("25"), 5000),
                                   group(QStringLiteral("B(2)"), 16384, QStringLiteral("25"), 5000)}
        << texts({"Total", "10000", "", "", "", "163840000"});
}

void TestReportExport::devicesEndInTotals()
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

void TestReportExport::chartSharesLargestFirst_data()
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

void TestReportExport::chartSharesLargestFirst()
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

void TestReportExport::exactFiguresBesideTheRoundedOnes_data()
{
    QTest::addColumn<double>("days");
    QTest::addColumn<double>("gigabytes");
    QTest::addColumn<QString>("spaceGiven");
    QTest::addColumn<QString>("timeGiven");

    QTest::newRow("both figures") << 29.8 << 16100.0 << QStringLiteral("29.8 days · 4.3 weeks · 1.0 months")
                                  << QStringLiteral("16.1 TB");
    QTest::newRow("just over 1000 GB") << 0.5 << 1000.2 << QStringLiteral("0.5 days · 0.1 weeks · 0.0 months")
                                       << QStringLiteral("1.0 TB");
    QTest::newRow("no figures") << 0.0 << 0.0 << QString() << QString();
}

// Each capacity section ends in the unrounded figure; the rounded ones stay.
void TestReportExport::exactFiguresBesideTheRoundedOnes()
{
    QFETCH(double, days);
    QFETCH(double, gigabytes);
    Result result = sampleResult();
    result.exactDays = days;
    result.exactDiskGB = gigabytes;

    const QList<ReportTable> sections = DeviceReport::tables(groups(1), result);
    const ReportTable &space = sections.at(1);
    const ReportTable &time = sections.at(2);
    QCOMPARE(space.title, QStringLiteral("Space Given"));
    QCOMPARE(space.headers.last(), QStringLiteral("Exact"));
    QCOMPARE(space.rows.at(0).mid(2, 3), (QStringList{result.savedDays, result.savedWeeks, result.savedMonths}));
    QTEST(space.rows.at(0).last(), "spaceGiven");
    QCOMPARE(time.title, QStringLiteral("Time Given"));
    QCOMPARE(time.headers.last(), QStringLiteral("Exact"));
    QCOMPARE(time.rows.at(0).at(2), result.requiredDiskSpace);
    QTEST(time.rows.at(0).last(), "timeGiven");
}

void TestReportExport::pdfHoldsEveryCellAsText_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("name");
    QTest::newRow("typed markup stays text") << 1 << QStringLiteral("<b>Gate&Door</b>");
    QTest::newRow("over several pages") << 120 << QStringLiteral("Entrance");
}

// What a reader of the PDF finds: every group, and the caption row on every
// page the device table runs over (the chart below it names groups too).
void TestReportExport::pdfHoldsEveryCellAsText()
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

void TestReportExport::titleBlockOnTheFirstPage_data()
{
    QTest::addColumn<QString>("planName");
    QTest::addColumn<QString>("appVersion");
    QTest::addColumn<bool>("russian");
    QTest::addColumn<QStringList>("top");
    QTest::addColumn<QString>("footer");
    const QString date = QLocale().toString(kDate, QLocale::LongFormat);
    // 3 groups of 4 channels at 1024 kbps: 12 channels, 12 Mbps stored.
    const QStringList summary = texts(
        {"Channels", "12", "Storage bitrate", "12.0 Mpbs", "Bandwidth", "24.0 Mpbs", "Disk for 30 Day", "6.2 TB"});
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

void TestReportExport::titleBlockOnTheFirstPage()
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

void TestReportExport::titlesStayWithTheirTables_data()
{
    QTest::addColumn<int>("count");
    // Counts around the places where a section, the chart or the totals meet a page end.
    for (const int count : {1, 2, 8, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 40, 44, 45, 46, 47, 48, 60, 200})
        QTest::addRow("%d groups", count) << count;
}

// On every page: each section title has its caption row and first row under
// it, the totals follow a device row, and the footer numbers the page.
void TestReportExport::titlesStayWithTheirTables()
{
    QFETCH(int, count);
    if (!m_pdfToText)
        QSKIP("pdftotext is not installed.");
    const QString fileName = m_out->filePath(QStringLiteral("breaks.pdf"));
    QCOMPARE(DeviceReport::writePdf(DeviceReport::document(groups(count), sampleResult(), QString(), kDate), fileName),
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
        {QStringLiteral("Time Given"), QStringLiteral("Recording Time"), QStringLiteral("30 Day")},
        {QStringLiteral("Bandwidth"), QStringLiteral("Total device number"), QStringLiteral("24.0 Mpbs")}};
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

void TestReportExport::offeredFileName_data()
{
    QTest::addColumn<QString>("planName");
    QTest::addColumn<QString>("fileName");
    const QString date = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    QTest::newRow("plan name") << QStringLiteral("North depot") << QStringLiteral("North depot %1.pdf").arg(date);
    QTest::newRow("no plan name") << QStringLiteral("") << QStringLiteral("Storage plan %1.pdf").arg(date);
    QTest::newRow("characters no file name may hold")
        << QStringLiteral("a/b\\c:d*e?f\"g<h>i|j") << QStringLiteral("a_b_c_d_e_f_g_h_i_j %1.pdf").arg(date);
    QTest::newRow("not hidden, no dots or blanks at the ends")
        << QStringLiteral(" ..depot.  ") << QStringLiteral("depot %1.pdf").arg(date);
    QTest::newRow("only dots") << QStringLiteral("...") << QStringLiteral("Storage plan %1.pdf").arg(date);
}

void TestReportExport::offeredFileName()
{
    QFETCH(QString, planName);
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("Gate(1)"), 2048));
    page.setReportTitle(planName);

    exportAndAnswer(page, QString());
    QCOMPARE(m_questions, 1);
    QTEST(QFileInfo(m_start).fileName(), "fileName");
}

void TestReportExport::planNameFromTheChosenFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("planName");
    QTest::newRow("offered name kept") << QStringLiteral("/r/Storage plan 2024-05-01.pdf") << QString();
    QTest::newRow("name typed over the offered one")
        << QStringLiteral("/r/North depot 2024-05-01.pdf") << QStringLiteral("North depot");
    QTest::newRow("name without a date") << QStringLiteral("/r/site.v2.pdf") << QStringLiteral("site.v2");
}

// With no plan name given, the report is titled after the file the user named.
void TestReportExport::planNameFromTheChosenFile()
{
    QFETCH(QString, fileName);
    QTEST(ReportFile::planNameFromFile(fileName, kDate), "planName");
}

void TestReportExport::offeredFolder_data()
{
    QTest::addColumn<bool>("documents");
    QTest::addColumn<bool>("saveFirst");
    QTest::addColumn<bool>("removeAfter");
    QTest::addColumn<QString>("folder");
    QTest::newRow("documents folder") << true << false << false << QStringLiteral("home/Documents");
    QTest::newRow("home without documents") << false << false << false << QStringLiteral("home");
    QTest::newRow("where the last report went") << true << true << false << QStringLiteral("reports");
    QTest::newRow("last folder gone") << true << true << true << QStringLiteral("home/Documents");
}

void TestReportExport::offeredFolder()
{
    QFETCH(bool, documents);
    QFETCH(bool, saveFirst);
    QFETCH(bool, removeAfter);
    QDir out(m_out->path());
    QVERIFY(out.mkpath(documents ? QStringLiteral("home/Documents") : QStringLiteral("home")));
    QVERIFY(out.mkpath(QStringLiteral("reports")));
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", out.filePath(QStringLiteral("home")).toLocal8Bit());
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("Gate(1)"), 2048));
    if (saveFirst)
        QVERIFY(exportAndAnswer(page, out.filePath(QStringLiteral("reports/old.pdf")))
                    .text.startsWith(QLatin1String("Saved to:")));
    if (removeAfter)
        QVERIFY(QDir(out.filePath(QStringLiteral("reports"))).removeRecursively());

    exportAndAnswer(page, QString());
    qputenv("HOME", home);
    QTEST(out.relativeFilePath(QFileInfo(m_start).path()), "folder");
}

void TestReportExport::exportSavesUnderTheChosenName_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<bool>("shortened");
    // Where the name had no suffix, it was once saved without one.
    QTest::newRow(".pdf added") << QStringLiteral("site report") << QStringLiteral("site report.pdf") << false;
    QTest::newRow(".pdf kept") << QStringLiteral("site report.pdf") << QStringLiteral("site report.pdf") << false;
    QTest::newRow("other case kept") << QStringLiteral("SITE.PDF") << QStringLiteral("SITE.PDF") << false;
    QTest::newRow("version number is no suffix")
        << QStringLiteral("plan v1.5") << QStringLiteral("plan v1.5.pdf") << false;
    QTest::newRow("trailing dot") << QStringLiteral("plan.") << QStringLiteral("plan.pdf") << false;
    const QString deep = QStringLiteral("%1/report.pdf").arg(QStringLiteral("a-rather-long-folder-name").repeated(5));
    QTest::newRow("long path shortened in the hint") << deep << deep << true;
}

void TestReportExport::exportSavesUnderTheChosenName()
{
    QFETCH(QString, chosen);
    QFETCH(QString, saved);
    QFETCH(bool, shortened);
    DeviceAddPage page;
    for (int i = 1; i <= 3; ++i)
        page.addDeviceTypeItem(group(QStringLiteral("Gate(%1)").arg(i), 1024.0 * i));
    QVERIFY(QDir(m_out->path()).mkpath(QFileInfo(m_out->filePath(chosen)).path()));

    const Hint hint = exportAndAnswer(page, m_out->filePath(chosen));

    QCOMPARE(m_questions, 1);
    QCOMPARE(m_questionParent, &page);
    QCOMPARE(m_caption, QStringLiteral("Save File"));
    QCOMPARE(m_filter, QStringLiteral("File (*.pdf )"));
    QCOMPARE(hint.objectName, QStringLiteral("Hint"));
    QCOMPARE(hint.title, QStringLiteral("Hint"));
    QVERIFY(hint.confirmShown);
    QVERIFY(!hint.cancelShown);
    QCOMPARE(hint.extraButtons, (QStringList{QStringLiteral("Open"), QStringLiteral("Show in folder")}));
    // The hint keeps the program's 350 x 220 at least and grows to fit the
    // path and the added buttons.
    QVERIFY(hint.size.width() >= 350 && hint.size.height() >= 220);

    // Where it went: the full path, shortened in its middle when too long.
    const QString path = QDir::toNativeSeparators(m_out->filePath(saved));
    const QStringList lines = hint.text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.first(), QStringLiteral("Saved to:"));
    if (!shortened) {
        QCOMPARE(lines.last(), path);
    } else {
        const QStringList parts = lines.last().split(QChar(0x2026));
        QCOMPARE(parts.size(), 2);
        QVERIFY(path.startsWith(parts.first()) && path.endsWith(parts.last()) && parts.last().size() > 10);
    }

    // Nothing else is left in the folder.
    const QDir folder = QFileInfo(m_out->filePath(saved)).dir();
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QFileInfo(saved).fileName()});
    QFile file(m_out->filePath(saved));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(pdfPageCount(pdf) >= 1);
    // 297 x 210 mm, landscape.
    QVERIFY(pdf.contains("/MediaBox [0 0 842"));
    QVERIFY(DeviceReport::isPdfFile(m_out->filePath(saved)));
}

void TestReportExport::hintOpensTheFileOrItsFolder_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("opened");
    QTest::newRow("open") << QStringLiteral("m_btnOpenReport") << QStringLiteral("plans/site.pdf");
    QTest::newRow("show in folder") << QStringLiteral("m_btnShowReportFolder") << QStringLiteral("plans");
    QTest::newRow("confirm") << QStringLiteral("btnConfirm") << QStringLiteral("");
}

void TestReportExport::hintOpensTheFileOrItsFolder()
{
    QFETCH(QString, button);
    QFETCH(QString, opened);
    QVERIFY(QDir(m_out->path()).mkpath(QStringLiteral("plans")));
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("Gate(1)"), 2048));
    DesktopOpenRecorder desktop;

    exportAndAnswer(page, m_out->filePath(QStringLiteral("plans/site.pdf")), button);

    const QList<QUrl> expected =
        opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl::fromLocalFile(m_out->filePath(opened))};
    QCOMPARE(desktop.urls(), expected);
}

void TestReportExport::permissionsFollowTheUmask_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<bool>("replacing");
    QTest::addColumn<int>("mode");
    QTest::newRow("022") << 022 << false << 0644;
    QTest::newRow("002, shared with the group") << 002 << false << 0664;
    QTest::newRow("077, private") << 077 << false << 0600;
    QTest::newRow("022 over a private earlier file") << 022 << true << 0644;
}

void TestReportExport::permissionsFollowTheUmask()
{
#ifdef Q_OS_UNIX
    QFETCH(int, mask);
    QFETCH(bool, replacing);
    const QString fileName = m_out->filePath(QStringLiteral("shared.pdf"));
    if (replacing) {
        QFile earlier(fileName);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        QVERIFY(earlier.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    }
    const mode_t before = ::umask(mode_t(mask));
    const ReportOutcome outcome =
        DeviceReport::writePdf(DeviceReport::document(groups(2), sampleResult(), QString(), kDate), fileName);
    ::umask(before);
    QCOMPARE(outcome, ReportOutcome::Saved);
    struct stat info = {};
    QCOMPARE(::stat(QFile::encodeName(fileName).constData(), &info), 0);
    QTEST(int(info.st_mode & 0777), "mode");
#else
    QSKIP("Permission bits from a umask are a POSIX matter.");
#endif
}

void TestReportExport::manyGroupsSpanSeveralPages()
{
    DeviceAddPage page;
    QVector<StructDeviceItem> items;
    for (int i = 1; i <= 200; ++i)
        items.append(group(QStringLiteral("Entrance camera group(%1)").arg(i), 1536.5));
    page.setDeviceTypeData(items);
    const QString fileName = m_out->filePath(QStringLiteral("large.pdf"));

    const Hint hint = exportAndAnswer(page, fileName);

    QVERIFY(hint.text.startsWith(QLatin1String("Saved to:")));
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(pdfPageCount(file.readAll()) > 1);
}

void TestReportExport::exportReplacesAnExistingFile()
{
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("Gate(1)"), 2048));
    const QString fileName = m_out->filePath(QStringLiteral("old.pdf"));
    {
        QFile old(fileName);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older report");
    }

    const Hint hint = exportAndAnswer(page, fileName);

    QVERIFY(hint.text.startsWith(QLatin1String("Saved to:")));
    QVERIFY(DeviceReport::isPdfFile(fileName));
    QCOMPARE(QDir(m_out->path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);
}

void TestReportExport::failedReplaceKeepsTheEarlierFile()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("plan.pdf"));
    QFile earlier(target);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier report");
    earlier.close();
    // The new file is gone before it could take the target's place.
    QVERIFY(!DeviceReport::replaceFile(dir.filePath(QStringLiteral(".plan.pdf.gone")), target));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("earlier report"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("plan.pdf")});
}

void TestReportExport::cancelKeepsTheEarlierFileAndSaysNothing()
{
    DeviceAddPage page;
    QVector<StructDeviceItem> items;
    for (int i = 1; i <= 3000; ++i)
        items.append(group(QStringLiteral("Gate(%1)").arg(i), 1024));
    page.setDeviceTypeData(items);
    const QString target = m_out->filePath(QStringLiteral("plan.pdf"));
    QFile earlier(target);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier report");
    earlier.close();
    aptui::FileChooser::setSaveFunction(
        [target](QWidget *, const QString &, const QString &, const QString &) { return target; });
    auto answer = DialogAnswerer::answerNext(DialogAnswerer::accepting(), 2000);

    page.onExportDeviceItems(sampleResult());
    QVERIFY(page.isExporting());
    page.findChild<QAbstractButton *>(QStringLiteral("m_btnCancelReport"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(!page.isExporting(), 30000);

    QVERIFY(!answer->waitUntilAnswered(300));
    answer->stop();
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("earlier report"));
    QCOMPARE(QDir(m_out->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("plan.pdf")});
}

// Nothing to report: no save question and no file, but the user hears why.
void TestReportExport::noGroupsNoDialogNoFile()
{
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("Gate(1)"), 2048));
    page.OnDeleteDeviceItem(1, 1);

    const Hint hint = exportAndAnswer(page, m_out->filePath(QStringLiteral("empty.pdf")));

    QCOMPARE(m_questions, 0);
    QCOMPARE(hint.objectName, QStringLiteral("APP_WARNINGDLG"));
    QCOMPARE(hint.text, QStringLiteral("Add a device first."));
    QVERIFY(QDir(m_out->path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestReportExport::cancelledDialogWritesNothing()
{
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("Gate(1)"), 2048));

    const Hint hint = exportAndAnswer(page, QString());

    QCOMPARE(m_questions, 1);
    QVERIFY(hint.objectName.isEmpty());
    QVERIFY(QDir(m_out->path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestReportExport::unwritableTargetReportsFailure_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder") << QStringLiteral("missing/report.pdf")
                                    << QStringLiteral("The folder %2 does not exist.");
    QTest::newRow("name of a folder") << QStringLiteral("folder")
                                      << QStringLiteral("%1 is a folder. Choose a file name.");
    QTest::newRow("folder named like a report")
        << QStringLiteral("folder.pdf") << QStringLiteral("%1 is a folder. Choose a file name.");
    QTest::newRow("below a plain file") << QStringLiteral("plain/report.pdf")
                                        << QStringLiteral("The folder %2 does not exist.");
    QTest::newRow("read-only folder") << QStringLiteral("locked/report.pdf")
                                      << QStringLiteral("No file can be created in the folder %2. Is it read-only?");
}

void TestReportExport::unwritableTargetReportsFailure()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);
    QDir out(m_out->path());
    const QStringList entries{QStringLiteral("folder"), QStringLiteral("folder.pdf"), QStringLiteral("locked"),
                              QStringLiteral("plain")};
    QVERIFY(out.mkdir(entries.at(0)) && out.mkdir(entries.at(1)) && out.mkdir(entries.at(2)));
    {
        QFile plain(out.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
    }
    const QString locked = out.filePath(QStringLiteral("locked"));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    if (target.startsWith(QLatin1String("locked")) && QFileInfo(locked).isWritable()) {
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QSKIP("This user may write into read-only folders.");
    }

    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("Gate(1)"), 2048));
    const Hint hint = exportAndAnswer(page, out.filePath(target));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QCOMPARE(hint.objectName, QStringLiteral("Hint"));
    QCOMPARE(hint.text, QStringLiteral("Failed to save the file.\n") +
                            reason.replace(QStringLiteral("%1"), QDir::toNativeSeparators(out.filePath(target)))
                                .replace(QStringLiteral("%2"),
                                         QDir::toNativeSeparators(QFileInfo(out.filePath(target)).absolutePath())));
    QVERIFY(hint.confirmShown);
    QVERIFY(hint.extraButtons.isEmpty());
    // No partial file anywhere, and the folders that were named are untouched.
    QCOMPARE(out.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), entries);
    for (const QString &folder : {entries.at(0), entries.at(1), entries.at(2)})
        QVERIFY(QDir(out.filePath(folder)).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestReportExport::onlyCompletePdfCountsAsSaved_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("complete");
    QTest::newRow("complete") << QByteArray("%PDF-1.4\n1 0 obj\n<<>>\nendobj\ntrailer\n%%EOF\n") << true;
    QTest::newRow("cut off before the end") << QByteArray("%PDF-1.4\n1 0 obj\n<<>>\nendobj\n") << false;
    QTest::newRow("not a PDF") << QByteArray("an older report %%EOF") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestReportExport::onlyCompletePdfCountsAsSaved()
{
    QFETCH(QByteArray, content);
    const QString fileName = m_out->filePath(QStringLiteral("checked.pdf"));
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    QTEST(DeviceReport::isPdfFile(fileName), "complete");
    QVERIFY(!DeviceReport::isPdfFile(m_out->filePath(QStringLiteral("absent.pdf"))));
    QVERIFY(!DeviceReport::isPdfFile(m_out->path()));
}

QTEST_MAIN(TestReportExport)
#include "tst_report_export.moc"
