#include "calc/BandWidthPage.h"
#include "calc/DataDisplayPage.h"
#include "calc/SizeDisplayPage.h"

#include <QLabel>
#include <QTest>

class TestCalcDisplays : public QObject
{
    Q_OBJECT

private slots:
    void dataDisplayStartsAtZero();
    void dataDisplayShowsFiguresAsGiven_data();
    void dataDisplayShowsFiguresAsGiven();
    void sizeDisplay();
    void bandWidthStartsAtZero();
    void bandWidthShowsCountsAndUnit_data();
    void bandWidthShowsCountsAndUnit();
    void bandWidthIgnoresDeviceTypeCounts();

private:
    static QString text(const QWidget &page, const char *name);
};

QString TestCalcDisplays::text(const QWidget &page, const char *name)
{
    const auto *label = page.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no label %1>").arg(QLatin1String(name));
}

void TestCalcDisplays::dataDisplayStartsAtZero()
{
    DataDisplayPage page;
    QCOMPARE(text(page, "m_labelByDay"),
             QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-size:60pt; "
                            "color:#467dd3;\">0</span></p></body></html>"));
    const QString smallZero = QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-size:36pt; "
                                             "color:#467dd3;\">0</span></p></body></html>");
    QCOMPARE(text(page, "m_labelByWeek"), smallZero);
    QCOMPARE(text(page, "m_labelByMonth"), smallZero);
}

void TestCalcDisplays::dataDisplayShowsFiguresAsGiven_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("week");
    QTest::addColumn<QString>("month");

    QTest::newRow("worked example") << QStringLiteral("88") << QStringLiteral("12") << QStringLiteral("2");
    QTest::newRow("exponent form") << QStringLiteral("1e+06") << QStringLiteral("1e+05") << QStringLiteral("3e+04");
    QTest::newRow("zeros") << QStringLiteral("0") << QStringLiteral("0") << QStringLiteral("0");
}

void TestCalcDisplays::dataDisplayShowsFiguresAsGiven()
{
    QFETCH(QString, day);
    QFETCH(QString, week);
    QFETCH(QString, month);
    DataDisplayPage page;
    page.displayTime(day, week, month);

    const QString big = QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-size:60pt; "
                                       "color:#467dd3;\">%1</span></p></body></html>");
    const QString small = QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-size:36pt; "
                                         "color:#467dd3;\">%1</span></p></body></html>");
    QCOMPARE(text(page, "m_labelByDay"), big.arg(day));
    QCOMPARE(text(page, "m_labelByWeek"), small.arg(week));
    QCOMPARE(text(page, "m_labelByMonth"), small.arg(month));
    // The unit captions are not the display's to change.
    QCOMPARE(text(page, "m_labelDiskplayDayTip"), QStringLiteral("Day(s)"));
    QCOMPARE(text(page, "m_labelDiskplayWeekTip"), QStringLiteral("Week(s)"));
    QCOMPARE(text(page, "m_labelDiskplayMonthTip"), QStringLiteral("Month(s)"));
}

void TestCalcDisplays::sizeDisplay()
{
    SizeDisplayPage page;
    QCOMPARE(text(page, "m_labelDisplaySizeTitle"), QStringLiteral("Calculate the required disk capacity :"));
    const auto *size = page.findChild<QLabel *>(QStringLiteral("m_labelDisplaySize"));
    QVERIFY(size);
    QCOMPARE(size->parentWidget()->objectName(), QStringLiteral("m_WidgetSizeBack"));
    QCOMPARE(size->styleSheet(), QStringLiteral("font-size:30px;"));

    const QString shown = QStringLiteral(
        "<html><head/><body><p align=\"center\"><span style=\" font-size:48pt; color:#467dd3;\">%1</span>"
        "<span style=\" font-size:16pt; color:#467dd3;\"></span>"
        "<span style=\" font-size:20pt; color:#467dd3;\">%2</span></p></body></html>");
    QCOMPARE(size->text(), shown.arg(QStringLiteral("0"), QStringLiteral("MB")));
    page.displaySize(QStringLiteral("46"), QStringLiteral("GB"));
    QCOMPARE(size->text(), shown.arg(QStringLiteral("46"), QStringLiteral("GB")));
    page.displaySize(QStringLiteral("121463"), QStringLiteral("TB"));
    QCOMPARE(size->text(), shown.arg(QStringLiteral("121463"), QStringLiteral("TB")));
}

namespace {

QString countText(const char *colour, const QString &value, const QString &caption)
{
    return QStringLiteral("<html><head/><body style=\" font-family:'Arial';\"><p align=\"center\">"
                          "<span style=\" font-size:30px; font-weight:600; color:%1;\">%2</span><br/>"
                          "<span style=\" font-size:14px; color:#959595;\">%3</span></p></body></html>")
        .arg(QLatin1String(colour), value, caption);
}

QString bandWidthText(const QString &value, const QString &unit)
{
    return QStringLiteral("<html><head/><body style=\" font-family:'Arial';\"><p align=\"center\">"
                          "<span style=\" font-size:72px; font-weight:600; color:#0098f8;\">%1</span><br/>"
                          "<span style=\" color:#dedede;\">----</span><br/><br/>"
                          "<span style=\" font-size:14px; color:#959595;\">Total Band Width(%2)</span></p>"
                          "</body></html>")
        .arg(value, unit);
}

} // namespace

void TestCalcDisplays::bandWidthStartsAtZero()
{
    BandWidthPage page;
    QCOMPARE(text(page, "channelLabel"), countText("#5e6fec", QStringLiteral("0"), QStringLiteral("Channel Counts")));
    QCOMPARE(text(page, "bandWidthLabel"), bandWidthText(QStringLiteral("0"), QStringLiteral("MB")));
    for (const char *name : {"IPCLabel", "DVRLabel", "picLabel"}) {
        const auto *label = page.findChild<QLabel *>(QLatin1String(name));
        QVERIFY2(label, name);
        QVERIFY2(label->isHidden(), name);
    }
}

void TestCalcDisplays::bandWidthShowsCountsAndUnit_data()
{
    QTest::addColumn<QStringList>("args");

    QTest::newRow("one group of four") << QStringList{QStringLiteral("4"), QStringLiteral("4"), QStringLiteral("0"),
                                                      QStringLiteral("8.0"), QStringLiteral("Mpbs")};
    QTest::newRow("mixed") << QStringList{QStringLiteral("12"), QStringLiteral("8"), QStringLiteral("4"),
                                          QStringLiteral("1000.0"), QStringLiteral("Kpbs")};
    QTest::newRow("cleared") << QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                                            QStringLiteral("0.0"), QStringLiteral("Kpbs")};
}

void TestCalcDisplays::bandWidthShowsCountsAndUnit()
{
    QFETCH(QStringList, args);
    BandWidthPage page;
    page.onSetAllCount(args.at(0), args.at(1), args.at(2), args.at(3), args.at(4));
    QCOMPARE(text(page, "channelLabel"), countText("#5e6fec", args.at(0), QStringLiteral("Channel Counts")));
    QCOMPARE(text(page, "IPCLabel"), countText("#00c8ec", args.at(1), QStringLiteral("IPC Counts")));
    QCOMPARE(text(page, "DVRLabel"), countText("#a2e4c4", args.at(2), QStringLiteral("DVR Counts")));
    QCOMPARE(text(page, "bandWidthLabel"), bandWidthText(args.at(3), args.at(4)));
    // Receiving figures does not reveal the hidden device-type counts.
    QVERIFY(page.findChild<QLabel *>(QStringLiteral("IPCLabel"))->isHidden());
    QVERIFY(page.findChild<QLabel *>(QStringLiteral("DVRLabel"))->isHidden());

    page.setChannelCount(QStringLiteral("7"));
    QCOMPARE(text(page, "channelLabel"), countText("#5e6fec", QStringLiteral("7"), QStringLiteral("Channel Counts")));
    page.setBandWidthCount(QStringLiteral("2.0"), QStringLiteral("Gpbs"));
    QCOMPARE(text(page, "bandWidthLabel"), bandWidthText(QStringLiteral("2.0"), QStringLiteral("Gpbs")));
}

void TestCalcDisplays::bandWidthIgnoresDeviceTypeCounts()
{
    BandWidthPage page;
    page.onSetAllCount(QStringLiteral("5"), QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("4.5"),
                       QStringLiteral("Mpbs"));
    QStringList before;
    for (const QLabel *label : page.findChildren<QLabel *>())
        before << label->text();
    page.setIPCCount(QStringLiteral("99"));
    page.setDVRCount(QStringLiteral("98"));
    QStringList after;
    for (const QLabel *label : page.findChildren<QLabel *>())
        after << label->text();
    QCOMPARE(after, before);
}

QTEST_MAIN(TestCalcDisplays)
#include "tst_calc_displays.moc"
