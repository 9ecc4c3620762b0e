// The calculator in the reader's language, through the shipped catalogues:
// every figure with its unit in the plural its number takes, in the window
// and in the record the report prints, and decimals in the language's notation.
#include "CalculatorRig.h"
#include "model/BitrateCalculator.h"
#include "model/FigureFormat.h"
#include "support/ProgramLanguage.h"

using namespace CalculatorRig;

namespace {

enum Language { English = 0, Russian = 8 };
enum Kind { Days, Weeks, Months, Drives };
enum Place { DiskSizeRecorded, BandwidthShown, BandwidthRecorded, ArrayCapacityShown };

// The storage bitrate at which a disk keeps one day of video per GB.
double kbpsForOneGBADay()
{
    return BitrateCalculator::hoursForDiskSize(1.0, 1.0) / 24.0;
}

} // namespace

class TestCalcLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void unitsTakeThePluralOfTheirFigure_data();
    void unitsTakeThePluralOfTheirFigure();
    void decimalsInTheReadersNotation_data();
    void decimalsInTheReadersNotation();

private:
    QTemporaryDir m_dataDir;
};

void TestCalcLanguage::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    QVERIFY(m_dataDir.isValid());
    FenwaGUIToolkit::SetTargetPath(m_dataDir.path());
}

void TestCalcLanguage::cleanupTestCase()
{
    FenwaGUIToolkit::SetTargetPath(QString());
}

void TestCalcLanguage::unitsTakeThePluralOfTheirFigure_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("count");
    // The unit under the figure (days, weeks, months), or the drives the
    // array needs; then the record's text of the figure, or of the wanted
    // retention beside the drives.
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("recorded");

    const auto row = [](const char *name, Language language, Kind kind, int count, const char *shown,
                        const char *recorded) {
        QTest::newRow(name) << int(language) << int(kind) << count << QString::fromUtf8(shown)
                            << QString::fromUtf8(recorded);
    };
    // Russian has three forms: 1 and 21, 2 to 4, 5 and up.
    row("ru 1 day", Russian, Days, 1, "день", "1 день");
    row("ru 2 days", Russian, Days, 2, "дня", "2 дня");
    row("ru 5 days", Russian, Days, 5, "дней", "5 дней");
    row("ru 21 days", Russian, Days, 21, "день", "21 день");
    row("ru 1 week", Russian, Weeks, 1, "неделя", "1 неделя");
    row("ru 2 weeks", Russian, Weeks, 2, "недели", "2 недели");
    row("ru 5 weeks", Russian, Weeks, 5, "недель", "5 недель");
    row("ru 21 weeks", Russian, Weeks, 21, "неделя", "21 неделя");
    row("ru 1 month", Russian, Months, 1, "месяц", "1 месяц");
    row("ru 2 months", Russian, Months, 2, "месяца", "2 месяца");
    row("ru 5 months", Russian, Months, 5, "месяцев", "5 месяцев");
    row("ru 21 months", Russian, Months, 21, "месяц", "21 месяц");
    row("ru 1 drive", Russian, Drives, 1, "На 1 день: 1 диск", "1 день");
    row("ru 2 drives", Russian, Drives, 2, "На 2 дня: 2 диска", "2 дня");
    row("ru 5 drives", Russian, Drives, 5, "На 5 дней: 5 дисков", "5 дней");
    row("ru 21 drives", Russian, Drives, 21, "На 21 день: 21 диск", "21 день");
    row("en 1 day", English, Days, 1, "day", "1 day");
    row("en 2 days", English, Days, 2, "days", "2 days");
    row("en 1 week", English, Weeks, 1, "week", "1 week");
    row("en 2 weeks", English, Weeks, 2, "weeks", "2 weeks");
    row("en 1 month", English, Months, 1, "month", "1 month");
    row("en 2 months", English, Months, 2, "months", "2 months");
    row("en 1 drive", English, Drives, 1, "For 1 day: 1 drive", "1 day");
    row("en 2 drives", English, Drives, 2, "For 2 days: 2 drives", "2 days");
}

void TestCalcLanguage::unitsTakeThePluralOfTheirFigure()
{
    QFETCH(int, language);
    QFETCH(int, kind);
    QFETCH(int, count);
    QFETCH(QString, shown);
    QFETCH(QString, recorded);
    const ProgramLanguage inLanguage(language);
    Rig rig;

    if (kind == Drives) {
        // A retention of `count` days in 0.1 TB drives without RAID, at a
        // bitrate that fills half a drive less than `count` of them.
        PlanCalculatorInputs in =
            planInputs("4", true, 24, "1", PlanCalculatorInputs::Days, 24, PlanCalculatorInputs::DiskArrayPage);
        in.retention = QString::number(count);
        in.arrayDriveTB = QStringLiteral("0.1");
        in.arrayDrives = QStringLiteral("1");
        in.arrayLevel = PlanCalculatorInputs::NoRaid;
        in.arraySpares = QStringLiteral("0");
        rig.page.setInputs(in);
        rig.page.OnDeviceChanged(kbpsForOneGBADay() * (count - 0.5) * 100.0 / count);
        QCOMPARE(rig.child<QLabel>("m_labelArrayNeed")->text(), shown);
        QCOMPARE(rig.result().saveTime, recorded);
        return;
    }

    // A disk half a unit past `count` whole days, weeks or months.
    const int days = kind == Days ? 1 : kind == Weeks ? 7 : 30;
    rig.click("calTimeBtn");
    rig.child<QRadioButton>("m_radioBtnGB")->setChecked(true);
    rig.diskSize()->setText(QString::number(days * (count + 0.5)));
    rig.page.OnDeviceChanged(kbpsForOneGBADay());

    const char *unit = kind == Days    ? "m_labelDiskplayDayTip"
                       : kind == Weeks ? "m_labelDiskplayWeekTip"
                                       : "m_labelDiskplayMonthTip";
    QCOMPARE(rig.labelText(rig.timeDisplay(), unit), shown);
    const Result r = rig.result();
    QCOMPARE(kind == Days ? r.savedDays : kind == Weeks ? r.savedWeeks : r.savedMonths, recorded);
}

void TestCalcLanguage::decimalsInTheReadersNotation_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("place");
    QTest::addColumn<QString>("text");

    const auto row = [](const char *name, Language language, Place place, const char *text) {
        QTest::newRow(name) << int(language) << int(place) << QString::fromUtf8(text);
    };
    row("ru disk size in the record", Russian, DiskSizeRecorded, "21,5 ГБ");
    row("ru bandwidth in the window", Russian, BandwidthShown, ">66,2<");
    row("ru bandwidth in the record", Russian, BandwidthRecorded, "66,2 Мбит/с");
    row("ru array capacity in the window", Russian, ArrayCapacityShown,
        "Общая ёмкость: 3,0 ТБ\nПолезная: 3,0 ТБ (2,7 ТиБ)");
    row("en disk size in the record", English, DiskSizeRecorded, "21.5 GB");
    row("en bandwidth in the window", English, BandwidthShown, ">66.2<");
    row("en bandwidth in the record", English, BandwidthRecorded, "66.2 Mbps");
    row("en array capacity in the window", English, ArrayCapacityShown,
        "Raw capacity: 3.0 TB\nUsable: 3.0 TB (2.7 TiB)");
}

void TestCalcLanguage::decimalsInTheReadersNotation()
{
    QFETCH(int, language);
    QFETCH(int, place);
    QFETCH(QString, text);
    const ProgramLanguage inLanguage(language);
    Rig rig;

    switch (place) {
    case DiskSizeRecorded:
        rig.child<QRadioButton>("m_radioBtnGB")->setChecked(true);
        rig.diskSize()->setText(QStringLiteral("21.5"));
        rig.page.OnDeviceChanged(kbpsForOneGBADay());
        QCOMPARE(rig.result().diskSize, text);
        break;
    case BandwidthShown:
    case BandwidthRecorded: {
        // 66.2 Mbps once rounded up to the tenth, as the device list words it.
        QString channels = QStringLiteral("4");
        QString ipc = channels;
        QString dvr = QStringLiteral("0");
        const FigureFormat::Bitrate rate = FigureFormat::bitrate(67787.0);
        QString value = rate.value;
        QString unit = rate.unit;
        rig.page.onDeviceChangedToBandWidth(channels, ipc, dvr, value, unit);
        if (place == BandwidthRecorded) {
            QCOMPARE(rig.result().bandWidth, text);
            break;
        }
        const QString shownText =
            rig.child<QWidget>("widget")->findChild<QLabel *>(QStringLiteral("bandWidthLabel"))->text();
        QVERIFY2(shownText.contains(text), qPrintable(shownText));
        break;
    }
    case ArrayCapacityShown: {
        PlanCalculatorInputs in =
            planInputs("4", true, 24, "1", PlanCalculatorInputs::Days, 24, PlanCalculatorInputs::DiskArrayPage);
        in.arrayDriveTB = QStringLiteral("1.5");
        in.arrayDrives = QStringLiteral("2");
        in.arrayLevel = PlanCalculatorInputs::NoRaid;
        in.arraySpares = QStringLiteral("0");
        rig.page.setInputs(in);
        QCOMPARE(rig.child<QLabel>("m_labelArrayCapacity")->text(), text);
        break;
    }
    }
}

QTEST_MAIN(TestCalcLanguage)
#include "tst_calc_language.moc"
