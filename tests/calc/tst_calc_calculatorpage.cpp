// The calculator's figures, modes and record.
#include "CalculatorRig.h"

using namespace CalculatorRig;

class TestCalcCalculatorPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void initialState();
    void formWiring();
    void workedExample();
    void timeFigures_data();
    void timeFigures();
    void requiredDisk_data();
    void requiredDisk();
    void zeroTotal_data();
    void zeroTotal();
    void modeButtons();
    void pageChosenBeforeShown_data();
    void pageChosenBeforeShown();
    void switchingToBandWidthKeepsRecordAndDisplays();
    void bandWidthCounts();

private:
    QTemporaryDir m_dataDir;
};

void TestCalcCalculatorPage::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    // Nothing here may read the user's data directory: give it an empty one.
    QVERIFY(m_dataDir.isValid());
    FenwaGUIToolkit::SetTargetPath(m_dataDir.path());
}

void TestCalcCalculatorPage::cleanupTestCase()
{
    FenwaGUIToolkit::SetTargetPath(QString());
}

void TestCalcCalculatorPage::initialState()
{
    Rig rig;
    QCOMPARE(rig.stack()->currentIndex(), 2);
    QCOMPARE(rig.stack()->count(), 4);
    QCOMPARE(rig.stack()->widget(2)->findChild<QWidget *>(QStringLiteral("widget"))->metaObject()->className(),
             "BandWidthPage");
    QCOMPARE(rig.stack()->widget(3)->metaObject()->className(), "DiskArrayPage");
    QCOMPARE(rig.child<QPushButton>("calBandWithBtn")->styleSheet(), kSelected);
    QCOMPARE(rig.child<QPushButton>("calTimeBtn")->styleSheet(), kUnselected);
    QCOMPARE(rig.child<QPushButton>("calDiskBtn")->styleSheet(), kUnselected);

    QCOMPARE(rig.diskSize()->text(), QStringLiteral("4"));
    QVERIFY(rig.child<QRadioButton>("m_radioBtnTB")->isChecked());
    QVERIFY(!rig.child<QRadioButton>("m_radioBtnGB")->isChecked());
    QCOMPARE(rig.hours()->value(), 24);
    QCOMPARE(rig.child<QSlider>("m_horizontalSliderTime")->value(), 24);
    QVERIFY(rig.child<QRadioButton>("m_radioBtnDay")->isChecked());
    QCOMPARE(rig.saveTime()->text(), QStringLiteral("1"));
    QCOMPARE(rig.dailyHours()->value(), 24);
    QCOMPARE(rig.child<QSlider>("m_hSliderDailyTime")->value(), 24);

    // Setting the initial values computed nothing.
    QCOMPARE(rig.time.count(), 0);
    QCOMPARE(rig.size.count(), 0);
    QCOMPARE(rig.result(), Result());

    QCOMPARE(rig.diskSize()->toolTip(), QStringLiteral("4"));
    QCOMPARE(rig.saveTime()->toolTip(), QStringLiteral("1"));
    QCOMPARE(rig.hours()->toolTip(), QStringLiteral("24"));
    QCOMPARE(rig.dailyHours()->toolTip(), QStringLiteral("24"));
}

void TestCalcCalculatorPage::formWiring()
{
    Rig rig;
    QCOMPARE(rig.child<QLabel>("m_labelDiskSize")->text(), QStringLiteral("set disk size : "));
    QCOMPARE(rig.child<QLabel>("m_labelDiskSize")->buddy(), rig.diskSize());
    QCOMPARE(rig.child<QLabel>("m_labelRecordTim")->buddy(), rig.hours());
    QCOMPARE(rig.child<QLabel>("m_labelSaveTime")->buddy(), rig.saveTime());
    QCOMPARE(rig.child<QLabel>("m_labelDailyRecordTime")->buddy(), rig.dailyHours());

    const auto *diskValidator = qobject_cast<const aptui::DecimalValidator *>(rig.diskSize()->validator());
    QVERIFY(diskValidator);
    QCOMPARE(diskValidator->bottom(), 0.0);
    QCOMPARE(diskValidator->top(), 50000.0);
    QCOMPARE(diskValidator->decimals(), 2);
    const auto *saveValidator = qobject_cast<const CustomizedIntValidator *>(rig.saveTime()->validator());
    QVERIFY(saveValidator);
    QCOMPARE(saveValidator->bottom(), 0);
    QCOMPARE(saveValidator->top(), 365);

    const QStringList order = {QStringLiteral("m_lineEditGT"),      QStringLiteral("m_radioBtnTB"),
                               QStringLiteral("m_radioBtnGB"),      QStringLiteral("m_horizontalSliderTime"),
                               QStringLiteral("m_spinBoxTime"),     QStringLiteral("m_lineEditSaveTime"),
                               QStringLiteral("m_radioBtnDay"),     QStringLiteral("m_radioBtnWeek"),
                               QStringLiteral("m_radioMonth"),      QStringLiteral("m_hSliderDailyTime"),
                               QStringLiteral("m_spinBoxDailyTime")};
    QStringList seen;
    QWidget *widget = rig.diskSize();
    for (int step = 0; step < 1000 && seen.size() < order.size(); ++step, widget = widget->nextInFocusChain()) {
        if (order.contains(widget->objectName()) && !seen.contains(widget->objectName()))
            seen << widget->objectName();
    }
    QCOMPARE(seen, order);

    // Slider and spin box follow each other.
    rig.child<QSlider>("m_hSliderDailyTime")->setValue(10);
    QCOMPARE(rig.dailyHours()->value(), 10);
    rig.hours()->setValue(7);
    QCOMPARE(rig.child<QSlider>("m_horizontalSliderTime")->value(), 7);
}

void TestCalcCalculatorPage::workedExample()
{
    Rig rig;
    rig.page.OnDeviceChanged(4096);
    // On the bandwidth page nothing is shown, but the record is complete.
    QCOMPARE(rig.time.count(), 0);
    QCOMPARE(rig.size.count(), 0);
    Result expected;
    expected.diskSize = QStringLiteral("4 TB");
    expected.recordHoursPerDay = 24;
    expected.savedDays = QStringLiteral("88 day(s)");
    expected.savedWeeks = QStringLiteral("12 week(s)");
    expected.savedMonths = QStringLiteral("2 month(s)");
    expected.saveTime = QStringLiteral("1 day(s)");
    expected.dailyRecordHours = 24;
    expected.requiredDiskSpace = QStringLiteral("46 GB");
    // 4000 GB at 1.8931 GB an hour for 24 hours a day; 24 hours of it.
    QVERIFY(qAbs(rig.result().exactDays - 88.038268) < 1e-6);
    QVERIFY(qAbs(rig.result().exactDiskGB - 45.434788) < 1e-6);
    expected.exactDays = rig.result().exactDays;
    expected.exactDiskGB = rig.result().exactDiskGB;
    QCOMPARE(rig.result(), expected);

    rig.click("calTimeBtn");
    QCOMPARE(rig.stack()->currentIndex(), 0);
    QCOMPARE(rig.lastTime(), (QStringList{QStringLiteral("88"), QStringLiteral("12"), QStringLiteral("2")}));
    QCOMPARE(rig.labelText(rig.timeDisplay(), "m_labelByDay"), dayFigure(QStringLiteral("88")));

    rig.click("calDiskBtn");
    QCOMPARE(rig.stack()->currentIndex(), 1);
    QCOMPARE(rig.lastSize(), (QStringList{QStringLiteral("46"), QStringLiteral("GB")}));
    QCOMPARE(rig.labelText(rig.sizeDisplay(), "m_labelDisplaySize"),
             SizeDisplayPage::sizeTemplate().arg(QStringLiteral("46"), QStringLiteral("GB")));

    // fillResult overwrites every field of the caller's record.
    Result target;
    target.channelCount = QStringLiteral("stale");
    target.recordHoursPerDay = -1;
    rig.page.fillResult(target);
    QCOMPARE(target, expected);
}

void TestCalcCalculatorPage::timeFigures_data()
{
    QTest::addColumn<double>("kbps");
    QTest::addColumn<QString>("disk");
    QTest::addColumn<bool>("terabytes");
    QTest::addColumn<int>("hours");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("stored");

    const auto list = [](const char *a, const char *b, const char *c) {
        return QStringList{QLatin1String(a), QLatin1String(b), QLatin1String(c)};
    };
    QTest::newRow("worked example") << 4096.0 << "4" << true << 24 << list("88", "12", "2")
                                    << list("88 day(s)", "12 week(s)", "2 month(s)");
    QTest::newRow("4000 GB as typed") << 4096.0 << "4000" << false << 24 << list("88", "12", "2")
                                      << list("88 day(s)", "12 week(s)", "2 month(s)");
    QTest::newRow("10 hours a day") << 4096.0 << "4" << true << 10 << list("211", "30", "7")
                                    << list("211 day(s)", "30 week(s)", "7 month(s)");
    // Above ten years: the record keeps the figures the display shows.
    QTest::newRow("beyond 3650 days") << 1.0 << "4" << true << 24 << list("360604", "51514", "12020")
                                      << list("360604 day(s)", "51514 week(s)", "12020 month(s)");
    QTest::newRow("last plain figures") << 1.0 << "7000" << false << 24 << list("631058", "90151", "21035")
                                        << list("631058 day(s)", "90151 week(s)", "21035 month(s)");
    QTest::newRow("weeks past 99999") << 1.0 << "8000" << false << 24 << list("7e+05", "1e+05", "2e+04")
                                      << list("7e+05 day(s)", "1e+05 week(s)", "2e+04 month(s)");
    QTest::newRow("a million days") << 1.0 << "11093" << false << 24 << list("1e+06", "1e+05", "3e+04")
                                    << list("1e+06 day(s)", "1e+05 week(s)", "3e+04 month(s)");
    QTest::newRow("largest disk at 1 kbps") << 1.0 << "50000" << true << 24 << list("5e+09", "6e+08", "2e+08")
                                            << list("5e+09 day(s)", "6e+08 week(s)", "2e+08 month(s)");
    QTest::newRow("hours 0") << 4096.0 << "4" << true << 0 << list("0", "0", "0")
                             << list("0 day(s)", "0 week(s)", "0 month(s)");
    QTest::newRow("empty disk size") << 4096.0 << "" << true << 24 << list("0", "0", "0")
                                     << list("0 day(s)", "0 week(s)", "0 month(s)");
    QTest::newRow("negative total") << -4096.0 << "4" << true << 24 << list("0", "0", "0")
                                    << list("0 day(s)", "0 week(s)", "0 month(s)");
}

void TestCalcCalculatorPage::timeFigures()
{
    QFETCH(double, kbps);
    QFETCH(QString, disk);
    QFETCH(bool, terabytes);
    QFETCH(int, hours);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, stored);

    Rig rig;
    rig.click("calTimeBtn");
    // An earlier result must not survive in the record.
    rig.page.OnDeviceChanged(4096);
    rig.diskSize()->setText(disk);
    rig.child<QRadioButton>(terabytes ? "m_radioBtnTB" : "m_radioBtnGB")->setChecked(true);
    rig.hours()->setValue(hours);
    rig.page.OnDeviceChanged(kbps);

    QCOMPARE(rig.stack()->currentIndex(), 0);
    QCOMPARE(rig.lastTime(), shown);
    QCOMPARE(rig.labelText(rig.timeDisplay(), "m_labelByDay"), dayFigure(shown.at(0)));
    QCOMPARE(rig.labelText(rig.timeDisplay(), "m_labelByWeek"), DataDisplayPage::weekMonthTemplate().arg(shown.at(1)));
    QCOMPARE(rig.labelText(rig.timeDisplay(), "m_labelByMonth"), DataDisplayPage::weekMonthTemplate().arg(shown.at(2)));
    Result r = rig.result();
    QCOMPARE((QStringList{r.savedDays, r.savedWeeks, r.savedMonths}), stored);
    QCOMPARE(r.recordHoursPerDay, hours);
    // An empty field is recorded as 0.
    QCOMPARE(r.diskSize, QStringLiteral("%1 %2").arg(disk.isEmpty() ? QStringLiteral("0") : disk,
                                                     terabytes ? QStringLiteral("TB") : QStringLiteral("GB")));

    // The same figures when only the page's own calculation ran last.
    rig.page.OnCalculateTimeDataChanged();
    r = rig.result();
    QCOMPARE((QStringList{r.savedDays, r.savedWeeks, r.savedMonths}), stored);

    // And when the device list changes while another page is shown.
    rig.click("calBandWithBtn");
    rig.page.OnDeviceChanged(4096);
    rig.page.OnDeviceChanged(kbps);
    r = rig.result();
    QCOMPARE((QStringList{r.savedDays, r.savedWeeks, r.savedMonths}), stored);
}

void TestCalcCalculatorPage::requiredDisk_data()
{
    QTest::addColumn<double>("kbps");
    QTest::addColumn<QString>("unitButton");
    QTest::addColumn<QString>("retention");
    QTest::addColumn<int>("hours");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("saveTime");

    const auto pair = [](const char *a, const char *b) { return QStringList{QLatin1String(a), QLatin1String(b)}; };
    QTest::newRow("worked example") << 4096.0 << "m_radioBtnDay"
                                    << "1" << 24 << pair("46", "GB") << "46 GB"
                                    << "1 day(s)";
    QTest::newRow("exactly 1000 GB") << 90151.18634259258 << "m_radioBtnDay"
                                     << "1" << 24 << pair("1000", "GB") << "1000 GB"
                                     << "1 day(s)";
    QTest::newRow("999.9 GB") << 90142.17122395833 << "m_radioBtnDay"
                              << "1" << 24 << pair("1000", "GB") << "1000 GB"
                              << "1 day(s)";
    // Rounded up twice: 1001 GB, then 2 TB.
    QTest::newRow("1000.2 GB") << 90169.21657986111 << "m_radioBtnDay"
                               << "1" << 24 << pair("2", "TB") << "2 TB"
                               << "1 day(s)";
    QTest::newRow("DAY 2 at 10 h") << 1000.0 << "m_radioBtnDay"
                                   << "2" << 10 << pair("10", "GB") << "10 GB"
                                   << "2 day(s)";
    QTest::newRow("WEEK 2 at 10 h") << 1000.0 << "m_radioBtnWeek"
                                    << "2" << 10 << pair("65", "GB") << "65 GB"
                                    << "2 week(s)";
    QTest::newRow("MONTH 2 at 10 h") << 1000.0 << "m_radioMonth"
                                     << "2" << 10 << pair("278", "GB") << "278 GB"
                                     << "2 month(s)";
    // Large sites: the real figure, not "0 GB".
    QTest::newRow("above 50000 TB") << 1000000.0 << "m_radioMonth"
                                    << "365" << 24 << pair("121463", "TB") << "121463 TB"
                                    << "365 month(s)";
    QTest::newRow("past a 32-bit GB count") << 20000000.0 << "m_radioMonth"
                                            << "365" << 24 << pair("2429253", "TB") << "2429253 TB"
                                            << "365 month(s)";
    QTest::newRow("hours 0") << 4096.0 << "m_radioBtnWeek"
                             << "3" << 0 << pair("0", "GB") << "0 GB"
                             << "3 week(s)";
    QTest::newRow("empty retention") << 4096.0 << "m_radioBtnDay"
                                     << "" << 24 << pair("0", "GB") << "0 GB"
                                     << "0 day(s)";
    QTest::newRow("negative total") << -4096.0 << "m_radioBtnDay"
                                    << "1" << 24 << pair("0", "GB") << "0 GB"
                                    << "1 day(s)";
}

void TestCalcCalculatorPage::requiredDisk()
{
    QFETCH(double, kbps);
    QFETCH(QString, unitButton);
    QFETCH(QString, retention);
    QFETCH(int, hours);
    QFETCH(QStringList, shown);
    QFETCH(QString, stored);
    QFETCH(QString, saveTime);

    Rig rig;
    rig.click("calDiskBtn");
    rig.page.OnDeviceChanged(4096);
    rig.page.findChild<QRadioButton *>(unitButton)->setChecked(true);
    rig.saveTime()->setText(retention);
    rig.dailyHours()->setValue(hours);
    rig.page.OnDeviceChanged(kbps);

    QCOMPARE(rig.stack()->currentIndex(), 1);
    QCOMPARE(rig.child<QPushButton>("calDiskBtn")->styleSheet(), kSelected);
    QCOMPARE(rig.lastSize(), shown);
    QCOMPARE(rig.labelText(rig.sizeDisplay(), "m_labelDisplaySize"),
             SizeDisplayPage::sizeTemplate().arg(shown.at(0), shown.at(1)));
    Result r = rig.result();
    QCOMPARE(r.requiredDiskSpace, stored);
    QCOMPARE(r.saveTime, saveTime);
    QCOMPARE(r.dailyRecordHours, hours);

    // The record is the same when the list changes while page 0 is shown.
    rig.click("calTimeBtn");
    rig.page.OnDeviceChanged(4096);
    rig.page.OnDeviceChanged(kbps);
    r = rig.result();
    QCOMPARE(r.requiredDiskSpace, stored);
    QCOMPARE(r.saveTime, saveTime);
}

void TestCalcCalculatorPage::zeroTotal_data()
{
    QTest::addColumn<QString>("modeButton");
    QTest::addColumn<double>("total");

    QTest::newRow("page 0") << "calTimeBtn" << 0.0;
    QTest::newRow("page 1") << "calDiskBtn" << 0.0;
    QTest::newRow("page 2") << "calBandWithBtn" << 0.0;
    QTest::newRow("page 0, below a millionth") << "calTimeBtn" << 0.0000009;
    QTest::newRow("page 1, below minus a millionth") << "calDiskBtn" << -0.0000009;
}

void TestCalcCalculatorPage::zeroTotal()
{
    QFETCH(QString, modeButton);
    QFETCH(double, total);

    Rig rig;
    rig.page.findChild<QPushButton *>(modeButton)->click();
    rig.page.OnDeviceChanged(4096);
    rig.saveTime()->setText(QStringLiteral("3"));
    rig.child<QRadioButton>("m_radioBtnWeek")->setChecked(true);
    const int page = rig.stack()->currentIndex();
    const int timeBefore = rig.time.count();
    const int sizeBefore = rig.size.count();

    rig.page.OnDeviceChanged(total);

    if (page == 0) {
        QCOMPARE(rig.time.count(), timeBefore + 1);
        QCOMPARE(rig.lastTime(), (QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")}));
        QCOMPARE(rig.labelText(rig.timeDisplay(), "m_labelByDay"), dayFigure(QStringLiteral("0")));
    } else {
        QCOMPARE(rig.time.count(), timeBefore);
    }
    if (page == 1) {
        QCOMPARE(rig.size.count(), sizeBefore + 1);
        QCOMPARE(rig.lastSize(), (QStringList{QStringLiteral("0"), QStringLiteral("GB")}));
    } else {
        QCOMPARE(rig.size.count(), sizeBefore);
    }
    const Result r = rig.result();
    QCOMPARE(r.requiredDiskSpace, QStringLiteral("0 GB"));
    QCOMPARE(r.saveTime, QStringLiteral("3 week(s)"));
    QCOMPARE(r.dailyRecordHours, 24);
    QCOMPARE(r.recordHoursPerDay, 24);
    QCOMPARE((QStringList{r.savedDays, r.savedWeeks, r.savedMonths}),
             (QStringList{QStringLiteral("0 day(s)"), QStringLiteral("0 week(s)"), QStringLiteral("0 month(s)")}));
    // The unrounded figures follow every display text, also when there is none.
    QCOMPARE(rig.exactTime.count(), rig.time.count());
    QCOMPARE(rig.exactSize.count(), rig.size.count());
    QCOMPARE(r.exactDays, 0.0);
    QCOMPARE(r.exactDiskGB, 0.0);
}

void TestCalcCalculatorPage::modeButtons()
{
    Rig rig;
    const struct
    {
        const char *button;
        int page;
    } steps[] = {{"calTimeBtn", 0}, {"calDiskBtn", 1}, {"calBandWithBtn", 2}, {"calDiskBtn", 1}, {"calTimeBtn", 0}};
    for (const auto &step : steps) {
        rig.click(step.button);
        QCOMPARE(rig.stack()->currentIndex(), step.page);
        for (const char *name : {"calTimeBtn", "calDiskBtn", "calBandWithBtn"}) {
            const bool selected = qstrcmp(name, step.button) == 0;
            QCOMPARE(rig.child<QPushButton>(name)->styleSheet(), selected ? kSelected : kUnselected);
        }
    }
    rig.page.OnSwitchBarChanged(false);
    QCOMPARE(rig.stack()->currentIndex(), 1);
    rig.page.OnSwitchBarChanged(true);
    QCOMPARE(rig.stack()->currentIndex(), 0);
}

void TestCalcCalculatorPage::switchingToBandWidthKeepsRecordAndDisplays()
{
    Rig rig;
    rig.click("calDiskBtn");
    rig.page.OnDeviceChanged(4096);
    rig.click("calTimeBtn");
    rig.diskSize()->setText(QStringLiteral("2"));
    const Result record = rig.result();
    const QStringList displays = rig.displayTexts();
    const int times = rig.time.count();
    const int sizes = rig.size.count();
    QCOMPARE(record.savedDays, QStringLiteral("44 day(s)"));

    rig.click("calBandWithBtn");
    QCOMPARE(rig.stack()->currentIndex(), 2);
    QCOMPARE(rig.result(), record);
    QCOMPARE(rig.displayTexts(), displays);
    QCOMPARE(rig.time.count(), times);
    QCOMPARE(rig.size.count(), sizes);
}

void TestCalcCalculatorPage::bandWidthCounts()
{
    Rig rig;
    rig.page.OnDeviceChanged(8192);
    QString channels = QStringLiteral("4");
    QString ipc = QStringLiteral("4");
    QString dvr = QStringLiteral("0");
    QString value = QStringLiteral("8.0");
    QString unit = QStringLiteral("Mpbs");
    rig.page.onDeviceChangedToBandWidth(channels, ipc, dvr, value, unit);

    const Result r = rig.result();
    QCOMPARE(r.channelCount, QStringLiteral("4"));
    QCOMPARE(r.ipcCount, QStringLiteral("4"));
    QCOMPARE(r.dvrCount, QStringLiteral("0"));
    QCOMPARE(r.bandWidth, QStringLiteral("8.0 Mpbs"));
    QCOMPARE(r.savedDays, QStringLiteral("44 day(s)"));
    const QString shown = rig.child<QWidget>("widget")->findChild<QLabel *>(QStringLiteral("bandWidthLabel"))->text();
    QVERIFY2(shown.contains(QStringLiteral(">8.0<")), qPrintable(shown));
    QVERIFY2(shown.contains(QStringLiteral("Total Band Width(Mpbs)")), qPrintable(shown));
    // The arguments reach the display unchanged.
    QCOMPARE(unit, QStringLiteral("Mpbs"));
    QCOMPARE(channels, QStringLiteral("4"));
}

void TestCalcCalculatorPage::pageChosenBeforeShown_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("announced");

    QTest::newRow("a plan's page") << "plan" << 1 << 0;
    QTest::newRow("a mode button") << "button" << 3 << 1;
    QTest::newRow("a disk size typed") << "typed" << 0 << 1;
}

// A page chosen while the calculator is not yet on screen is the one in front
// once it is, and counts as chosen meanwhile.
void TestCalcCalculatorPage::pageChosenBeforeShown()
{
    QFETCH(QString, how);
    QFETCH(int, page);
    DataCalculatorPage calculator;
    QSignalSpy announced(&calculator, &DataCalculatorPage::inputsChanged);
    if (how == QLatin1String("plan")) {
        PlanCalculatorInputs in;
        in.mode = page;
        calculator.setInputs(in);
    } else if (how == QLatin1String("button")) {
        calculator.findChild<QPushButton *>(QStringLiteral("calArrayBtn"))->click();
    } else {
        calculator.findChild<QLineEdit *>(QStringLiteral("m_lineEditGT"))->setText(QStringLiteral("8"));
    }
    QCOMPARE(calculator.inputs().mode, page);
    QTEST(int(announced.size()), "announced");

    calculator.show();
    auto *stack = calculator.findChild<QStackedWidget *>(QStringLiteral("m_tabWidgetSections"));
    QCOMPARE(stack->count(), 4);
    QCOMPARE(stack->currentIndex(), page);
    QCOMPARE(calculator.inputs().mode, page);
    QTEST(int(announced.size()), "announced");
}

QTEST_MAIN(TestCalcCalculatorPage)
#include "tst_calc_calculatorpage.moc"
