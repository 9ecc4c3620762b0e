// What the report makes of the calculator's figures: the unrounded ones, the
// ranges scene activity gives them and the disk array.
#include "device/DeviceReport.h"
#include "model/DiskArray.h"
#include "model/ModelMetaTypes.h"

#include "ReportFixture.h"
#include "support/ProgramLanguage.h"

#include <QRegularExpression>
#include <QTest>

using namespace ReportFixture;

namespace {

// Every text the document prints.
QStringList documentTexts(const ReportDocument &document)
{
    QStringList out;
    for (const ReportFigure &figure : document.summary)
        out << figure.caption << figure.value;
    for (const ReportTable &table : document.tables) {
        out << table.title << table.headers << table.totals;
        for (const QStringList &row : table.rows)
            out << row;
    }
    return out;
}

} // namespace

class TestReportFigures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void exactFiguresAndRangesBesideTheRoundedOnes_data();
    void exactFiguresAndRangesBesideTheRoundedOnes();
    void diskArraySection_data();
    void diskArraySection();
    void noFigureReadsAsGarbage_data();
    void noFigureReadsAsGarbage();
    void drivesTakeThePluralOfTheirCount_data();
    void drivesTakeThePluralOfTheirCount();
    void decimalsInTheReadersNotation_data();
    void decimalsInTheReadersNotation();
    void storageBitrateWrittenLikeBandwidth_data();
    void storageBitrateWrittenLikeBandwidth();
};

void TestReportFigures::initTestCase()
{
    registerModelMetaTypes();
}

void TestReportFigures::exactFiguresAndRangesBesideTheRoundedOnes_data()
{
    QTest::addColumn<double>("days");
    QTest::addColumn<double>("gigabytes");
    QTest::addColumn<double>("busyDays");
    QTest::addColumn<double>("calmDays");
    QTest::addColumn<double>("calmGB");
    QTest::addColumn<double>("busyGB");
    QTest::addColumn<QString>("spaceGiven");
    QTest::addColumn<QString>("timeGiven");
    QTest::addColumn<QString>("daysRange");
    QTest::addColumn<QString>("diskRange");

    // To the tenth, as the calculator shows them: days kept rounded down, disk
    // needed rounded up, like the whole figures above them.
    QTest::newRow("both figures") << 29.8 << 16100.0 << 14.3 << 58.9 << 12050.0 << 40210.0
                                  << QStringLiteral("29.8 days · 4.2 weeks · 0.9 months") << QStringLiteral("16.1 TB")
                                  << QStringLiteral("14.3–58.9 days depending on scene activity")
                                  << QStringLiteral("12.1–40.3 TB depending on scene activity");
    QTest::newRow("just over 1000 GB") << 0.5 << 1000.2 << 4.56 << 9.99 << 420.04 << 980.0
                                       << QStringLiteral("0.5 days · 0.0 weeks · 0.0 months")
                                       << QStringLiteral("1.1 TB")
                                       << QStringLiteral("4.5–9.9 days depending on scene activity")
                                       << QStringLiteral("420.1–980.0 GB depending on scene activity");
    QTest::newRow("same once rounded") << 30.5 << 2030.0 << 30.21 << 30.24 << 2010.0 << 2050.0
                                       << QStringLiteral("30.5 days · 4.3 weeks · 1.0 months")
                                       << QStringLiteral("2.1 TB") << QStringLiteral("30.2 days")
                                       << QStringLiteral("2.1 TB");
    QTest::newRow("no figures") << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << QString() << QString()
                                << QStringLiteral("—") << QStringLiteral("—");
}

// Each capacity section ends in the unrounded figure and what calmer or busier
// scenes make of it; the rounded ones stay.
void TestReportFigures::exactFiguresAndRangesBesideTheRoundedOnes()
{
    Result result = sampleResult();
    QFETCH(double, days);
    QFETCH(double, gigabytes);
    result.exactDays = days;
    result.exactDiskGB = gigabytes;
    QFETCH(double, busyDays);
    QFETCH(double, calmDays);
    QFETCH(double, calmGB);
    QFETCH(double, busyGB);
    result.busyDays = busyDays;
    result.calmDays = calmDays;
    result.calmDiskGB = calmGB;
    result.busyDiskGB = busyGB;

    const QList<ReportTable> sections = DeviceReport::tables(groups(1), result);
    const ReportTable &space = sections.at(1);
    const ReportTable &time = sections.at(2);
    QCOMPARE(space.title, QStringLiteral("Space Given"));
    QCOMPARE(space.headers.mid(5), texts({"Exact", "Scene Activity"}));
    QCOMPARE(space.rows.at(0).mid(2, 3), (QStringList{result.savedDays, result.savedWeeks, result.savedMonths}));
    QTEST(space.rows.at(0).at(5), "spaceGiven");
    QTEST(space.rows.at(0).at(6), "daysRange");
    QCOMPARE(time.title, QStringLiteral("Time Given"));
    QCOMPARE(time.headers.mid(3), texts({"Exact", "Scene Activity"}));
    QCOMPARE(time.rows.at(0).at(2), result.requiredDiskSpace);
    QTEST(time.rows.at(0).at(3), "timeGiven");
    QTEST(time.rows.at(0).at(4), "diskRange");
}

void TestReportFigures::diskArraySection_data()
{
    QTest::addColumn<Result>("result");
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<QString>("summary");

    Result hidden = arrayResult();
    hidden.arrayShown = false;
    QTest::newRow("not shown") << hidden << QStringList() << QStringList() << QString();

    const QStringList headers = texts({"Drives", "RAID Level", "Hot Spares", "Raw Capacity", "Usable Capacity",
                                       "Kept at 16 h/day", "Drives for 30 days"});
    QTest::newRow("figures with ranges") << arrayResult() << headers
                                         << texts({"6 × 8 TB", "RAID 5", "1", "48 TB", "32 TB (29.1 TiB)",
                                                   "31.4 days\n28.7–36.2 days depending on scene activity",
                                                   "5 drive(s)\n4–7 drive(s) depending on scene activity"})
                                         << QStringLiteral("6 × 8 TB RAID 5 + 1 spare(s), keeps 31.4 days");

    Result plain = arrayResult();
    plain.arrayDriveTB = 1.92;
    plain.arrayDrives = 4;
    plain.arrayLevel = DiskArray::Raid10;
    plain.arraySpares = 0;
    plain.arrayRawTB = 7.68;
    plain.arrayUsableTB = 3.84;
    plain.arrayUsableTiB = 3.4925;
    plain.arrayDays = plain.arrayCalmDays = plain.arrayBusyDays = 9.96;
    plain.arrayDrivesNeeded = plain.arrayDrivesNeededCalm = plain.arrayDrivesNeededBusy = 0;
    plain.arrayNeedFault = QStringLiteral("Too many drives.");
    QTest::newRow("no ranges, need faulted")
        << plain << headers
        << texts({"4 × 1.92 TB", "RAID 10", "0", "7.7 TB", "3.8 TB (3.5 TiB)", "9.9 days", "Too many drives."})
        << QStringLiteral("4 × 1.92 TB RAID 10, keeps 9.9 days");

    Result idle = arrayResult();
    idle.arrayDays = idle.arrayCalmDays = idle.arrayBusyDays = 0.0;
    idle.arrayDrivesNeeded = idle.arrayDrivesNeededCalm = idle.arrayDrivesNeededBusy = 0;
    QTest::newRow("nothing recorded") << idle << headers
                                      << texts({"6 × 8 TB", "RAID 5", "1", "48 TB", "32 TB (29.1 TiB)", "—", "—"})
                                      << QStringLiteral("6 × 8 TB RAID 5 + 1 spare(s)");

    // The figures a faulty array leaves behind are not printed.
    Result faulty = arrayResult();
    faulty.arrayFault = QStringLiteral("RAID 10 needs an even number of drives besides the spares.");
    QTest::newRow("array cannot exist") << faulty << texts({"Problem"}) << QStringList{faulty.arrayFault}
                                        << QStringLiteral("Cannot be built");
}

// A fifth section after the four, and a line in the title block, once the
// planner has an array.
void TestReportFigures::diskArraySection()
{
    QFETCH(Result, result);
    QFETCH(QStringList, headers);
    QFETCH(QStringList, row);
    QFETCH(QString, summary);

    const ReportDocument document = DeviceReport::document(groups(2), result, QString(), kDate);
    // The figures' sections, then what they assume.
    QCOMPARE(document.tables.size(), headers.isEmpty() ? 5 : 6);
    QCOMPARE(document.tables.last().title, QStringLiteral("How these figures are worked out"));
    QCOMPARE(document.tables.at(3).title, QStringLiteral("Bandwidth"));
    QCOMPARE(document.summary.size(), summary.isEmpty() ? 4 : 5);
    if (headers.isEmpty())
        return;
    const ReportTable &array = document.tables.at(4);
    QCOMPARE(array.title, QStringLiteral("Disk Array"));
    QCOMPARE(array.headers, headers);
    QCOMPARE(array.rows, QList<QStringList>{row});
    QVERIFY(array.totals.isEmpty());
    QCOMPARE(document.summary.last().caption, QStringLiteral("Disk array"));
    QCOMPARE(document.summary.last().value, summary);
}

void TestReportFigures::noFigureReadsAsGarbage_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fault");
    QTest::newRow("not a number") << qQNaN() << false;
    QTest::newRow("infinite") << qInf() << false;
    QTest::newRow("negative") << -3.5 << false;
    QTest::newRow("negative with a fault") << -3.5 << true;
}

// Whatever the record carries, the report prints figures or dashes, never
// "nan", "inf" or a negative number.
void TestReportFigures::noFigureReadsAsGarbage()
{
    QFETCH(double, value);
    QFETCH(bool, fault);
    Result result = sampleResult();
    result.recordHoursPerDay = result.dailyRecordHours = -4;
    result.exactDays = result.exactDiskGB = value;
    result.calmDays = result.busyDays = result.calmDiskGB = result.busyDiskGB = value;
    result.arrayShown = true;
    result.arrayDriveTB = result.arrayRawTB = result.arrayUsableTB = result.arrayUsableTiB = value;
    result.arrayDays = result.arrayCalmDays = result.arrayBusyDays = value;
    result.arrayDrives = result.arrayLevel = result.arraySpares = -2;
    result.arrayDrivesNeeded = result.arrayDrivesNeededCalm = result.arrayDrivesNeededBusy = -2;
    if (fault)
        result.arrayFault = QStringLiteral("No such array.");
    StructDeviceItem item = group(QStringLiteral("Gate(1)"), 1024);
    item.iRecordingShare = -40;
    QMap<long long, StructDeviceItem> devices;
    devices.insert(1, item);

    const QStringList printed = documentTexts(DeviceReport::document(devices, result, QString(), kDate));
    QCOMPARE(printed.count(QStringLiteral("Disk Array")), 1);
    const QRegularExpression garbage(QStringLiteral("nan|inf|(^|[^\\w])-\\d"),
                                     QRegularExpression::CaseInsensitiveOption);
    for (const QString &text : printed)
        QVERIFY2(!text.contains(garbage), qPrintable(text));
}

void TestReportFigures::drivesTakeThePluralOfTheirCount_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("needed");
    QTest::addColumn<int>("calm");
    QTest::addColumn<int>("busy");
    QTest::addColumn<QString>("cell");

    const auto row = [](const char *name, int language, int needed, int calm, int busy, const char *cell) {
        QTest::newRow(name) << language << needed << calm << busy << QString::fromUtf8(cell);
    };
    // Russian has three forms: 1 and 21, 2 to 4, 5 and up; a range takes the
    // form of its larger end.
    row("ru 1", 8, 1, 1, 1, "1 диск");
    row("ru 2", 8, 2, 2, 2, "2 диска");
    row("ru 5", 8, 5, 5, 5, "5 дисков");
    row("ru 21", 8, 21, 21, 21, "21 диск");
    row("ru range to 21", 8, 21, 20, 21, "21 диск\n20–21 диск в зависимости от активности сцены");
    row("ru range to 5", 8, 4, 3, 5, "4 диска\n3–5 дисков в зависимости от активности сцены");
    row("en 1", 0, 1, 1, 1, "1 drive");
    row("en 2", 0, 2, 2, 2, "2 drives");
    row("en range", 0, 2, 1, 2, "2 drives\n1–2 drives depending on scene activity");
}

// The drives the wanted retention needs, in the disk array's section.
void TestReportFigures::drivesTakeThePluralOfTheirCount()
{
    QFETCH(int, language);
    Result result = arrayResult();
    QFETCH(int, needed);
    QFETCH(int, calm);
    QFETCH(int, busy);
    result.arrayDrivesNeeded = needed;
    result.arrayDrivesNeededCalm = calm;
    result.arrayDrivesNeededBusy = busy;

    const ProgramLanguage inLanguage(language);
    const ReportDocument document = DeviceReport::document(groups(1), result, QString(), kDate);
    QTEST(document.tables.at(4).rows.at(0).last(), "cell");
}

void TestReportFigures::decimalsInTheReadersNotation_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("storage");
    QTest::addColumn<QString>("bitrate");
    QTest::addColumn<QString>("share");
    QTest::addColumn<QString>("usable");
    QTest::addColumn<QString>("hours");

    QTest::newRow("Russian") << 8 << QStringLiteral("8,1 Мбит/с") << QStringLiteral("1536,5")
                             << QStringLiteral("75,0 %") << QStringLiteral("32 ТБ (29,1 ТиБ)")
                             << QStringLiteral("24 ч");
    QTest::newRow("English") << 0 << QStringLiteral("8.1 Mbps") << QStringLiteral("1536.5") << QStringLiteral("75.0%")
                             << QStringLiteral("32 TB (29.1 TiB)") << QStringLiteral("24 h");
}

// The figures the report works out itself: in the title block, the device
// table, the chart and the disk array's section.
void TestReportFigures::decimalsInTheReadersNotation()
{
    QFETCH(int, language);
    // 6146 of 8194 kbps: three quarters of the storage.
    QMap<long long, StructDeviceItem> devices;
    devices.insert(1, group(QStringLiteral("Gate(1)"), 1536.5));
    devices.insert(2, group(QStringLiteral("Yard(2)"), 512));

    const ProgramLanguage inLanguage(language);
    const ReportDocument document = DeviceReport::document(devices, arrayResult(), QString(), kDate);
    QTEST(document.summary.at(1).value, "storage");
    QTEST(document.tables.at(0).rows.at(0).at(5), "bitrate");
    QTEST(document.chart.bars.at(0).value, "share");
    QTEST(document.tables.at(4).rows.at(0).at(4), "usable");
    QTEST(document.tables.at(1).rows.at(0).at(1), "hours");
}

void TestReportFigures::storageBitrateWrittenLikeBandwidth_data()
{
    QTest::addColumn<double>("kbps");
    QTest::addColumn<QString>("storage");

    QTest::newRow("under a megabit") << 16.0 << QStringLiteral("16.0 Kbps");
    QTest::newRow("a fraction of a kbps rounds up") << 15.2 << QStringLiteral("16.0 Kbps");
    QTest::newRow("megabits round up to the tenth") << 1536.5 << QStringLiteral("1.6 Mbps");
    QTest::newRow("gigabits") << 3538944.0 << QStringLiteral("3.4 Gbps");
    QTest::newRow("past the largest figure") << 1.1e9 << QStringLiteral(">999.9 Gbps");
}

// The title block's storage bitrate reads like the bandwidth beside it: the
// same rounding up, the same switch of units.
void TestReportFigures::storageBitrateWrittenLikeBandwidth()
{
    QFETCH(double, kbps);
    QMap<long long, StructDeviceItem> devices;
    devices.insert(1, group(QStringLiteral("Gate(1)"), kbps, QStringLiteral("25"), 1, Recording));
    const ProgramLanguage inLanguage(0);
    const ReportDocument document = DeviceReport::document(devices, sampleResult(), QString(), kDate);
    QCOMPARE(document.summary.at(1).caption, QStringLiteral("Storage bitrate"));
    QTEST(document.summary.at(1).value, "storage");
}

QTEST_MAIN(TestReportFigures)
#include "tst_report_figures.moc"
