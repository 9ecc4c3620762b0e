#include "calc/BandWidthPage.h"
#include "calc/DataDisplayPage.h"
#include "calc/SizeDisplayPage.h"
#include "support/ProgramLanguage.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
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
    void exactFigures_data();
    void exactFigures();
    void figuresFitTheirLabels_data();
    void figuresFitTheirLabels();
    void newFiguresLayNothingOut_data();
    void newFiguresLayNothingOut();
    void figuresReadAsWords_data();
    void figuresReadAsWords();

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
    QCOMPARE(size->text(), shown.arg(QStringLiteral("0"), QStringLiteral("GB")));
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
    QCOMPARE(text(page, "bandWidthLabel"), bandWidthText(QStringLiteral("0.0"), QStringLiteral("Kpbs")));
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

namespace {

enum Figure { Days, Weeks, Months, DiskSize, Channels, BandWidth, ExactDays, ExactSize };

// The three displays side by side, each as wide as the calculator column.
struct Displays
{
    explicit Displays(int width)
    {
        auto *layout = new QHBoxLayout(&window);
        for (QWidget *page : pages()) {
            page->setFixedWidth(width);
            layout->addWidget(page);
        }
        window.resize(3 * width, 700);
        window.show();
    }

    QList<QWidget *> pages() const { return {time, size, bandWidth}; }

    // Shows the figure through its display's slot; answers the label showing it.
    QLabel *show(Figure figure, const QString &value)
    {
        const QString zero = QStringLiteral("0");
        switch (figure) {
        case Days:
            time->displayTime(value, zero, zero);
            return time->findChild<QLabel *>(QStringLiteral("m_labelByDay"));
        case Weeks:
            time->displayTime(zero, value, zero);
            return time->findChild<QLabel *>(QStringLiteral("m_labelByWeek"));
        case Months:
            time->displayTime(zero, zero, value);
            return time->findChild<QLabel *>(QStringLiteral("m_labelByMonth"));
        case DiskSize:
            size->displaySize(value, QStringLiteral("TB"));
            return size->findChild<QLabel *>(QStringLiteral("m_labelDisplaySize"));
        case Channels:
            bandWidth->setChannelCount(value);
            return bandWidth->findChild<QLabel *>(QStringLiteral("channelLabel"));
        case BandWidth:
            bandWidth->setBandWidthCount(value, QStringLiteral("Mpbs"));
            return bandWidth->findChild<QLabel *>(QStringLiteral("bandWidthLabel"));
        case ExactDays:
            time->displayExactTime(value.toDouble());
            return time->findChild<QLabel *>(QStringLiteral("m_labelExactTime"));
        case ExactSize:
            size->displayExactSize(value.toDouble());
            return size->findChild<QLabel *>(QStringLiteral("m_labelExactSize"));
        }
        return nullptr;
    }

    QWidget window;
    DataDisplayPage *time = new DataDisplayPage(&window);
    SizeDisplayPage *size = new SizeDisplayPage(&window);
    BandWidthPage *bandWidth = new BandWidthPage(&window);
};

// The bounds of the pixels in the figures' blue, or in the darker grey of the
// exact figures' text.
QRect inkBounds(QWidget *widget, bool grey)
{
    const QImage image = widget->grab().toImage();
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const bool blue = pixel.blue() - pixel.red() > 60;
            if (grey ? !blue && pixel.lightness() < 180 : blue)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

void TestCalcDisplays::exactFigures_data()
{
    QTest::addColumn<int>("figure");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("days") << int(ExactDays) << "29.8" << QStringLiteral("29.8 days · 4.2 weeks · 0.9 months");
    QTest::newRow("no days") << int(ExactDays) << "0" << QString();
    QTest::newRow("terabytes") << int(ExactSize) << "16100" << QStringLiteral("16.1 TB");
    QTest::newRow("no size") << int(ExactSize) << "0" << QString();
}

void TestCalcDisplays::exactFigures()
{
    QFETCH(int, figure);
    QFETCH(QString, value);
    Displays displays(300);
    // A figure first, so that clearing it is seen too.
    displays.show(Figure(figure), QStringLiteral("45.5"));
    QTEST(displays.show(Figure(figure), value)->text(), "shown");
    // The whole-unit figures are left as they were.
    QCOMPARE(text(*displays.time, "m_labelByDay"), DataDisplayPage::dayTemplate().arg(0));
}

void TestCalcDisplays::figuresFitTheirLabels_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("figure");
    QTest::addColumn<QString>("value");

    // The calculator column is 300 px wide and may become as narrow as 200 px.
    for (int width : {300, 200}) {
        const auto row = [width](const char *name) -> QTestData & {
            return QTest::addRow("%s at %d px", name, width) << width;
        };
        row("six-digit days") << int(Days) << "888888";
        row("days in exponent form") << int(Days) << "1.2e+07";
        row("weeks") << int(Weeks) << "1.2e+07";
        row("months") << int(Months) << "1.2e+07";
        row("disk size") << int(DiskSize) << "888888";
        row("channels") << int(Channels) << "8888888888";
        row("bandwidth") << int(BandWidth) << "888.8";
        row("exact days") << int(ExactDays) << "888888.8";
        row("exact size") << int(ExactSize) << "888888888.8";
    }
}

// What is drawn of a figure is all of it: inside its label, in the proportions
// of the figure drawn without any bound.
void TestCalcDisplays::figuresFitTheirLabels()
{
    QFETCH(int, width);
    QFETCH(int, figure);
    QFETCH(QString, value);
    Displays displays(width);
    QVERIFY(QTest::qWaitForWindowExposed(&displays.window));
    QLabel *shown = displays.show(Figure(figure), value);
    QVERIFY(shown->width() <= width);

    // The same text without a bound; a wrapping text wraps at the same width.
    QLabel whole;
    whole.setFont(shown->font());
    whole.setAlignment(shown->alignment());
    whole.setWordWrap(shown->wordWrap());
    whole.setText(shown->text());
    if (whole.wordWrap())
        whole.resize(shown->width(), whole.heightForWidth(shown->width()));
    else
        whole.adjustSize();
    const bool grey = figure == ExactDays || figure == ExactSize;
    const QRect free = inkBounds(&whole, grey);
    const QRect fitted = inkBounds(shown, grey);
    QVERIFY(!free.isEmpty() && !fitted.isEmpty());

    QVERIFY2(
        fitted.left() > 0 && fitted.right() < shown->width() - 1,
        qPrintable(
            QStringLiteral("drawn from %1 to %2 in %3 px").arg(fitted.left()).arg(fitted.right()).arg(shown->width())));
    const double freeShape = double(free.width()) / free.height();
    const double fittedShape = double(fitted.width()) / fitted.height();
    QVERIFY2(qAbs(fittedShape / freeShape - 1.0) < 0.1, qPrintable(QStringLiteral("%1 x %2 drawn as %3 x %4")
                                                                       .arg(free.width())
                                                                       .arg(free.height())
                                                                       .arg(fitted.width())
                                                                       .arg(fitted.height())));
}

void TestCalcDisplays::newFiguresLayNothingOut_data()
{
    QTest::addColumn<int>("figure");
    QTest::addColumn<QString>("value");

    QTest::newRow("days") << int(Days) << "888888";
    // The unit under it turns singular too.
    QTest::newRow("a single day") << int(Days) << "1";
    QTest::newRow("exact days") << int(ExactDays) << "888888.8";
    QTest::newRow("disk size") << int(DiskSize) << "888888";
    QTest::newRow("exact size") << int(ExactSize) << "16100";
    QTest::newRow("channels") << int(Channels) << "8888888888";
    QTest::newRow("bandwidth") << int(BandWidth) << "888.8";
}

// A figure repaints its label; the window around it keeps its layout.
void TestCalcDisplays::newFiguresLayNothingOut()
{
    QFETCH(int, figure);
    QFETCH(QString, value);
    // The units take their plurals from the catalogue.
    const ProgramLanguage english(0);
    Displays displays(300);
    QVERIFY(QTest::qWaitForWindowExposed(&displays.window));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

    struct LayoutRequests : QObject
    {
        int count = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            count += event->type() == QEvent::LayoutRequest ? 1 : 0;
            return false;
        }
    } requests;
    displays.window.installEventFilter(&requests);
    for (QWidget *page : displays.pages())
        page->installEventFilter(&requests);
    displays.show(Figure(figure), value);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(requests.count, 0);
}

void TestCalcDisplays::figuresReadAsWords_data()
{
    QTest::addColumn<int>("figure");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("words");

    QTest::newRow("days") << int(Days) << "88"
                          << "88";
    QTest::newRow("disk size with its unit") << int(DiskSize) << "46"
                                             << "46 TB";
    QTest::newRow("channels with their caption") << int(Channels) << "7"
                                                 << "7 Channel Counts";
    QTest::newRow("bandwidth, a figure past the largest") << int(BandWidth) << ">999.9"
                                                          << ">999.9 Total Band Width(Mpbs)";
}

// A screen reader gets the figure as words, not the markup the label answers.
void TestCalcDisplays::figuresReadAsWords()
{
    QFETCH(int, figure);
    QFETCH(QString, value);
    Displays displays(300);
    QTEST(displays.show(Figure(figure), value)->accessibleName(), "words");
}

QTEST_MAIN(TestCalcDisplays)
#include "tst_calc_displays.moc"
