// What the calculator's fields take, refuse and hand to a plan.
#include "CalculatorRig.h"
#include "model/BitrateCalculator.h"

#include <QComboBox>

using namespace CalculatorRig;

class TestCalcInputs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void typingRecalculates();
    void typedAndPastedInput_data();
    void typedAndPastedInput();
    void inputsAsAPlanHoldsThem_data();
    void inputsAsAPlanHoldsThem();
    void diskArrayInput_data();
    void diskArrayInput();
    void arrayNeedPastTheLargestArray_data();
    void arrayNeedPastTheLargestArray();

private:
    QTemporaryDir m_dataDir;
};

void TestCalcInputs::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    // The page's bitrate service reads the data directory: give it an empty one.
    QVERIFY(m_dataDir.isValid());
    FenwaGUIToolkit::SetTargetPath(m_dataDir.path());
}

void TestCalcInputs::cleanupTestCase()
{
    FenwaGUIToolkit::SetTargetPath(QString());
}

void TestCalcInputs::typingRecalculates()
{
    Rig rig;
    rig.page.OnDeviceChanged(4096);
    QLineEdit *edit = rig.diskSize();
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("2"));
    QCOMPARE(rig.stack()->currentIndex(), 0);
    QCOMPARE(rig.lastTime(), (QStringList{QStringLiteral("44"), QStringLiteral("6"), QStringLiteral("1")}));
    QCOMPARE(edit->toolTip(), QStringLiteral("2"));
    QCOMPARE(rig.result().diskSize, QStringLiteral("2 TB"));

    rig.child<QRadioButton>("m_radioBtnGB")->click();
    QCOMPARE(rig.lastTime(), (QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")}));
    QCOMPARE(rig.result().diskSize, QStringLiteral("2 GB"));

    rig.child<QSlider>("m_horizontalSliderTime")->setValue(12);
    QCOMPARE(rig.result().recordHoursPerDay, 12);

    rig.click("calDiskBtn");
    QLineEdit *retention = rig.saveTime();
    retention->clear();
    QTest::keyClicks(retention, QStringLiteral("30"));
    QCOMPARE(rig.lastSize(), (QStringList{QStringLiteral("2"), QStringLiteral("TB")}));
    QCOMPARE(rig.result().requiredDiskSpace, QStringLiteral("2 TB"));
    QCOMPARE(retention->toolTip(), QStringLiteral("30"));
}

void TestCalcInputs::typedAndPastedInput_data()
{
    // Each field starts with its first value (4 TB, 1 day, 24 hours), all of it
    // selected, and takes the input typed or pasted over it.
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("unitButton");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("tip");
    QTest::addColumn<QString>("recorded");
    QTest::addColumn<QString>("figure");
    QTest::addColumn<double>("exact");

    const QString disk = QStringLiteral("m_lineEditGT");
    const QString tb = QStringLiteral("m_radioBtnTB");
    const QString gb = QStringLiteral("m_radioBtnGB");
    const QString type = QStringLiteral("type");
    const QString paste = QStringLiteral("paste");
    const QString four = QStringLiteral("4");
    const double fourTBDays = 88.038268;

    QTest::newRow("disk 12.5 TB") << disk << tb << type << "12.5"
                                  << "12.5" << false << "12.5 TB"
                                  << "275" << 275.119587;
    QTest::newRow("disk 1.5 TB") << disk << tb << type << "1.5"
                                 << "1.5" << false << "1.5 TB"
                                 << "33" << 33.014350;
    QTest::newRow("disk 1500 GB, as 1.5 TB") << disk << gb << type << "1500"
                                             << "1500" << false << "1500 GB"
                                             << "33" << 33.014350;
    QTest::newRow("disk third decimal refused") << disk << tb << type << "12.345"
                                                << "12.34" << true << "12.34 TB"
                                                << "271" << 271.598057;
    QTest::newRow("disk trailing point") << disk << tb << type << "12."
                                         << "12." << false << "12 TB"
                                         << "264" << 264.114804;
    QTest::newRow("disk second zero refused") << disk << tb << type << "00"
                                              << "0" << true << "0 TB"
                                              << "0" << 0.0;
    QTest::newRow("disk emptied") << disk << tb << type << ""
                                  << "" << false << "0 TB"
                                  << "0" << 0.0;
    QTest::newRow("disk past the top") << disk << tb << paste << "50000.01" << four << true << "4 TB"
                                       << "88" << fourTBDays;
    const char *refused[][2] = {
        {"minus", "-5"},
        {"plus", "+5"},
        {"leading blank", " 12"},
        {"inner blank", "1 2"},
        {"comma", "1,5"},
        {"exponent", "1e3"},
        {"nan", "nan"},
        {"inf", "inf"},
        {"leading point", ".5"},
        {"letter inside", "12a5"},
        {"full-width digits", "１２"},
        {"Arabic-Indic digits", "١٢"},
    };
    for (const auto &row : refused) {
        const QString input = QString::fromUtf8(row[1]);
        QTest::addRow("disk pasted %s", row[0]) << disk << tb << paste << input << four << true << "4 TB"
                                                << "88" << fourTBDays;
    }
    QTest::newRow("disk typed full-width digits")
        << disk << tb << type << QStringLiteral("１２") << four << true << "4 TB"
        << "88" << fourTBDays;
    QTest::newRow("disk typed Arabic-Indic digits")
        << disk << tb << type << QStringLiteral("١٢") << four << true << "4 TB"
        << "88" << fourTBDays;
    QTest::newRow("disk composed full-width digits")
        << disk << tb << QStringLiteral("compose") << QStringLiteral("１２") << four << true << "4 TB"
        << "88" << fourTBDays;
    QTest::newRow("disk typed nan") << disk << tb << type << "nan" << four << true << "4 TB"
                                    << "88" << fourTBDays;
    QTest::newRow("disk 10000 digits pasted")
        << disk << tb << paste << QString(10000, QLatin1Char('1')) << four << true << "4 TB"
        << "88" << fourTBDays;

    // The others take whole numbers: a point is refused, and only the digits
    // typed after it count.
    const QString retention = QStringLiteral("m_lineEditSaveTime");
    QTest::newRow("retention typed 4.5") << retention << QString() << type << "4.5"
                                         << "45" << true << "45 day(s)"
                                         << "3" << 2044.565440;
    QTest::newRow("retention pasted 4.5") << retention << QString() << paste << "4.5"
                                          << "1" << true << "1 day(s)"
                                          << "46" << 45.434788;
    QTest::newRow("retention pasted blank") << retention << QString() << paste << " "
                                            << "1" << true << "1 day(s)"
                                            << "46" << 45.434788;
    const QString hours = QStringLiteral("m_spinBoxTime");
    QTest::newRow("hours typed 1.5") << hours << QString() << type << "1.5"
                                     << "15" << true << "15"
                                     << "140" << 140.861229;
    QTest::newRow("hours pasted 1.5") << hours << QString() << paste << "1.5"
                                      << "24" << true << "24"
                                      << "88" << fourTBDays;
    QTest::newRow("hours typed blank") << hours << QString() << type << " "
                                       << "24" << true << "24"
                                       << "88" << fourTBDays;
    QTest::newRow("hours typed minus") << hours << QString() << type << "-"
                                       << "24" << true << "24"
                                       << "88" << fourTBDays;
}

void TestCalcInputs::typedAndPastedInput()
{
    QFETCH(QString, field);
    QFETCH(QString, unitButton);
    QFETCH(QString, how);
    QFETCH(QString, input);
    QFETCH(QString, text);
    QFETCH(bool, tip);
    QFETCH(QString, recorded);
    QFETCH(QString, figure);
    QFETCH(double, exact);

    Rig rig;
    const bool retention = field == QLatin1String("m_lineEditSaveTime");
    rig.click(retention ? "calDiskBtn" : "calTimeBtn");
    if (!unitButton.isEmpty())
        rig.child<QRadioButton>(qPrintable(unitButton))->setChecked(true);
    rig.page.OnDeviceChanged(4096);

    auto *widget = rig.page.findChild<QWidget *>(field);
    QVERIFY(widget);
    auto *editor = qobject_cast<QLineEdit *>(widget);
    if (!editor)
        editor = widget->findChild<QLineEdit *>();
    aptui::InputTip *inputTip = aptui::InputTip::of(widget);
    QVERIFY(inputTip);
    QSignalSpy shown(inputTip, &aptui::InputTip::shown);

    editor->selectAll();
    if (how == QLatin1String("paste"))
        editor->insert(input);
    else if (how == QLatin1String("compose"))
        commitText(widget, input);
    else if (input.isEmpty())
        QTest::keyClick(widget, Qt::Key_Delete);
    else
        typeText(widget, input);

    QCOMPARE(editor->text(), text);
    QCOMPARE(!shown.isEmpty(), tip);
    if (tip)
        QVERIFY(!shown.last().first().toString().isEmpty());
    const Result r = rig.result();
    const QString stored = retention                                ? r.saveTime
                           : field == QLatin1String("m_lineEditGT") ? r.diskSize
                                                                    : QString::number(r.recordHoursPerDay);
    QCOMPARE(stored, recorded);
    QCOMPARE((retention ? rig.lastSize() : rig.lastTime()).value(0), figure);
    const double exactFigure = retention ? r.exactDiskGB : r.exactDays;
    QVERIFY2(qAbs(exactFigure - exact) < 1e-6, qPrintable(QString::number(exactFigure, 'f', 6)));
    // The unrounded figure goes out with each display text.
    const QSignalSpy &exactSpy = retention ? rig.exactSize : rig.exactTime;
    QCOMPARE(exactSpy.count(), (retention ? rig.size : rig.time).count());
    QCOMPARE(exactSpy.last().first().toDouble(), exactFigure);
}

void TestCalcInputs::inputsAsAPlanHoldsThem_data()
{
    QTest::addColumn<PlanCalculatorInputs>("given");
    QTest::addColumn<PlanCalculatorInputs>("shown");
    using In = PlanCalculatorInputs;
    const In disk = planInputs("12.5", false, 10, "3", In::Weeks, 8, In::DiskPage);
    const In retention = planInputs("2", true, 12, "30", In::Months, 24, In::RetentionPage);
    QTest::newRow("the disk a retention needs") << disk << disk;
    QTest::newRow("the retention a disk gives") << retention << retention;
    QTest::newRow("bandwidth") << In() << In();
    QTest::newRow("half-typed size") << planInputs("12.", true, 24, "", In::Days, 24, In::RetentionPage)
                                     << planInputs("12.", true, 24, "", In::Days, 24, In::RetentionPage);
    QTest::newRow("texts the fields refuse") << planInputs("abc", true, 24, "-5", In::Days, 24, In::DiskPage)
                                             << planInputs("4", true, 24, "1", In::Days, 24, In::DiskPage);
    QTest::newRow("numbers out of range") << planInputs("4", true, 30, "1", 9, -1, 7) << In();
    In array = planInputs("4", true, 24, "30", In::Days, 24, In::DiskArrayPage);
    array.arrayDriveTB = QStringLiteral("1.92");
    array.arrayDrives = QStringLiteral("6");
    array.arrayLevel = In::Raid10;
    array.arraySpares = QStringLiteral("2");
    QTest::newRow("disk array") << array << array;
    In refusedArray = array;
    refusedArray.arrayDriveTB = QStringLiteral("1.925");
    refusedArray.arrayDrives = QStringLiteral("10000");
    refusedArray.arrayLevel = 9;
    In arrayDefaults = planInputs("4", true, 24, "30", In::Days, 24, In::DiskArrayPage);
    arrayDefaults.arraySpares = array.arraySpares;
    QTest::newRow("array texts the fields refuse") << refusedArray << arrayDefaults;
}

void TestCalcInputs::diskArrayInput_data()
{
    // The array starts as four 8 TB drives in RAID 5 without spares; the
    // input is typed over the field's text.
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("tip");
    QTest::addColumn<QString>("fault"); // a word of it; empty for none

    const QString size = QStringLiteral("m_lineEditDriveSize");
    const QString drives = QStringLiteral("m_lineEditDriveCount");
    const QString spares = QStringLiteral("m_lineEditSpares");
    QTest::newRow("1.92 TB drives") << 2 << size << "1.92"
                                    << "1.92" << false << "";
    QTest::newRow("a 1000 TB drive refused") << 2 << size << "1000"
                                             << "100" << true << "";
    QTest::newRow("a 0 TB drive") << 2 << size << "0"
                                  << "0" << false << "TB";
    QTest::newRow("10000 drives refused") << 2 << drives << "10000"
                                          << "100" << true << "";
    QTest::newRow("no drives") << 2 << drives << "0"
                               << "0" << false << "drives";
    QTest::newRow("as many spares as drives") << 2 << spares << "4"
                                              << "4" << false << "spares";
    QTest::newRow("RAID 5 with two drives") << 2 << drives << "2"
                                            << "2" << false << "3";
    QTest::newRow("RAID 10 with five drives") << 4 << drives << "5"
                                              << "5" << false << "even";
    QTest::newRow("RAID 1 with two drives") << 1 << drives << "2"
                                            << "2" << false << "";
}

void TestCalcInputs::diskArrayInput()
{
    QFETCH(int, level);
    QFETCH(QString, field);
    QFETCH(QString, input);
    QFETCH(QString, text);
    QFETCH(bool, tip);
    QFETCH(QString, fault);

    Rig rig;
    rig.click("calArrayBtn");
    rig.page.onStorageRange(2048, 8192);
    rig.page.OnDeviceChanged(4096);
    rig.child<QComboBox>("m_comboRaidLevel")->setCurrentIndex(level);
    auto *editor = rig.child<QLineEdit>(qPrintable(field));
    QSignalSpy shown(aptui::InputTip::of(editor), &aptui::InputTip::shown);
    QSignalSpy changes(&rig.page, &DataCalculatorPage::inputsChanged);
    editor->selectAll();
    typeText(editor, input);

    QCOMPARE(editor->text(), text);
    // A plan holding the array has changed.
    QVERIFY(!changes.isEmpty());
    QCOMPARE(rig.page.inputs().arrayDrives, rig.child<QLineEdit>("m_lineEditDriveCount")->text());
    QCOMPARE(!shown.isEmpty(), tip);
    const Result r = rig.result();
    QVERIFY(r.arrayShown);
    QVERIFY2(fault.isEmpty() ? r.arrayFault.isEmpty() : r.arrayFault.contains(fault), qPrintable(r.arrayFault));
    // The field the fault lies in is marked.
    QCOMPARE(editor->property("invalid").toBool(), !fault.isEmpty());
    // Figures only for an array that can exist, and never a sign or a non-number.
    QCOMPARE(r.arrayUsableTB > 0, fault.isEmpty());
    QCOMPARE(rig.child<QLabel>("m_labelArrayFault")->isVisibleTo(&rig.page), !fault.isEmpty());
    for (QLabel *label : rig.child<QWidget>("m_widgetArrayFigures")->findChildren<QLabel *>()) {
        for (const char *bad : {"nan", "inf", "-"})
            QVERIFY2(!label->text().contains(QLatin1String(bad)), qPrintable(label->text()));
    }
}

void TestCalcInputs::arrayNeedPastTheLargestArray_data()
{
    // 0.1 TB drives without RAID for a retention of 30 days, in the source
    // texts (no catalogue is loaded).
    QTest::addColumn<double>("calmDrives");
    QTest::addColumn<double>("drives");
    QTest::addColumn<double>("busyDrives");
    QTest::addColumn<QString>("need");
    QTest::addColumn<QString>("range");

    QTest::newRow("all within") << 300.0 << 400.0 << 500.0 << QStringLiteral("For 30 day(s): 400 drive(s)")
                                << QStringLiteral("300–500 drive(s) depending on scene activity");
    QTest::newRow("512 is the largest") << 300.0 << 512.0 << 512.0 << QStringLiteral("For 30 day(s): 512 drive(s)")
                                        << QStringLiteral("300–512 drive(s) depending on scene activity");
    QTest::newRow("busy scenes past it") << 300.0 << 400.0 << 600.0 << QStringLiteral("For 30 day(s): 400 drive(s)")
                                         << QStringLiteral("300 to more than 512 drive(s) depending on scene activity");
    QTest::newRow("the need past it") << 300.0 << 513.0 << 600.0
                                      << QStringLiteral("More than 512 drive(s) would be needed.")
                                      << QStringLiteral("300 to more than 512 drive(s) depending on scene activity");
    QTest::newRow("every bound past it") << 600.0 << 700.0 << 800.0
                                         << QStringLiteral("More than 512 drive(s) would be needed.") << QString();
}

void TestCalcInputs::arrayNeedPastTheLargestArray()
{
    QFETCH(double, calmDrives);
    QFETCH(double, drives);
    QFETCH(double, busyDrives);
    Rig rig;
    PlanCalculatorInputs in =
        planInputs("4", true, 24, "30", PlanCalculatorInputs::Days, 24, PlanCalculatorInputs::DiskArrayPage);
    in.arrayDriveTB = QStringLiteral("0.1");
    in.arrayLevel = PlanCalculatorInputs::NoRaid;
    in.arraySpares = QStringLiteral("0");
    rig.page.setInputs(in);
    // Each a little under that many drives' worth, so that the count rounds up to it.
    const double kbpsPerDrive = BitrateCalculator::hoursForDiskSize(1.0, 100.0) / (30 * 24);
    const auto load = [&](double count) { return (count - 0.5) * kbpsPerDrive; };
    rig.page.onStorageRange(load(calmDrives), load(busyDrives));
    rig.page.OnDeviceChanged(load(drives));
    QTEST(rig.child<QLabel>("m_labelArrayNeed")->text(), "need");
    QTEST(rig.child<QLabel>("m_labelArrayNeedRange")->text(), "range");
}

void TestCalcInputs::inputsAsAPlanHoldsThem()
{
    QFETCH(PlanCalculatorInputs, given);
    QFETCH(PlanCalculatorInputs, shown);
    Rig rig;
    rig.page.OnDeviceChanged(4096);
    QSignalSpy changes(&rig.page, &DataCalculatorPage::inputsChanged);
    rig.page.setInputs(given);
    QCOMPARE(rig.page.inputs(), shown);
    QCOMPARE(rig.stack()->currentIndex(), shown.mode);
    // Shown, not changed by the user; both displays hold their figures.
    QCOMPARE(changes.count(), 0);
    QCOMPARE(rig.lastTime().size(), 3);
    QCOMPARE(rig.lastSize().size(), 2);
    rig.saveTime()->setText(QStringLiteral("7"));
    QCOMPARE(changes.count(), 1);
}

QTEST_MAIN(TestCalcInputs)
#include "tst_calc_inputs.moc"
