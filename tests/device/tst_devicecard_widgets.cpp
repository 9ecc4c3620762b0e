#include "aptui/Label.h"
#include "device/DeviceItemWidget.h"
#include "device/WidgetDeviceListBorder.h"

#include "support/TestUi.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using NM_Vantor::DeviceItemWidget;

namespace {

aptui::Label *valueLabel(const QWidget &card, const char *name)
{
    return card.findChild<aptui::Label *>(QLatin1String(name));
}

QStringList valueTexts(const QWidget &card)
{
    QStringList texts;
    for (const char *name : {"m_labelDeviceCounts", "m_labelDeviceBitRate", "m_labelDeviceResolution",
                             "m_labelEncodeType", "m_labelScenceName"})
        texts.append(valueLabel(card, name)->strText());
    return texts;
}

QStringList valueToolTips(const QWidget &card)
{
    QStringList tips;
    for (const char *name : {"m_labelDeviceCounts", "m_labelDeviceBitRate", "m_labelDeviceResolution",
                             "m_labelEncodeType", "m_labelScenceName"})
        tips.append(valueLabel(card, name)->toolTip());
    return tips;
}

} // namespace

class TestDeviceCard : public QObject
{
    Q_OBJECT

private slots:
    void formBeforeData();
    void iconByType_data();
    void iconByType();
    void fixedRateTexts();
    void sceneTexts();
    void bitrateDigits_data();
    void bitrateDigits();
    void updateShowsWholeRate();
    void deleteButtonReportsIdAndNumber();
    void layoutByWidth_data();
    void layoutByWidth();
    void layoutFollowsResize();
    void textsThatDoNotFitAreElided();
    void valuesFitTheCard_data();
    void valuesFitTheCard();
    void typedMarkupShowsAsWritten();
    void emptyListView();
};

void TestDeviceCard::formBeforeData()
{
    DeviceItemWidget card(nullptr, QStringLiteral("IPC"), QStringLiteral("Gate(1)"), QStringLiteral("extra"));
    QCOMPARE(card.size(), QSize(325, 122));
    QCOMPARE(card.deviceId(), 0LL);
    QCOMPARE(card.channelGroupNumber(), 0);
    QCOMPARE(card.extraText(), QStringLiteral("extra"));
    QCOMPARE(card.layoutMode(), int(DeviceItemWidget::LayoutNone));

    auto *title = card.findChild<QLabel *>(QStringLiteral("m_labelChannelGroupName"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("Gate(1)"));
    QCOMPARE(title->toolTip(), QStringLiteral("Gate(1)"));
    QCOMPARE(title->minimumHeight(), 28);

    QCOMPARE(card.findChild<QLabel *>(QStringLiteral("m_labelDeviceTypeIconIPC"))->size(), QSize(28, 28));
    QCOMPARE(card.findChild<QLabel *>(QStringLiteral("m_labelDeviceTypeIconDVR"))->size(), QSize(26, 26));

    auto *deleteButton = card.findChild<QToolButton *>(QStringLiteral("m_btnDelete"));
    QVERIFY(deleteButton);
    QCOMPARE(deleteButton->size(), QSize(24, 24));
    QCOMPARE(deleteButton->accessibleName(), QStringLiteral("Delete group"));
    QVERIFY(!deleteButton->toolTip().isEmpty());
    QVERIFY(deleteButton->text().isEmpty());

    QCOMPARE(valueTexts(card),
             (QStringList{QStringLiteral("Counts :"), QStringLiteral("Bit Rate :"), QStringLiteral("Resolution :"),
                          QStringLiteral("Encode Type:"), QStringLiteral("Scence Name:")}));
    QCOMPARE(valueToolTips(card), valueTexts(card));
    for (const char *name : {"m_labelDeviceCounts", "m_labelDeviceBitRate", "m_labelDeviceResolution",
                             "m_labelEncodeType", "m_labelScenceName"})
        QCOMPARE(valueLabel(card, name)->width(), 120);
    for (const char *name : {"line1", "line2", "line3", "line4", "line5"})
        QVERIFY2(card.findChild<QFrame *>(QLatin1String(name)), name);
    QCOMPARE(card.findChild<QFrame *>(QStringLiteral("line1"))->maximumHeight(), 16);
    QCOMPARE(card.findChild<QFrame *>(QStringLiteral("line2"))->maximumHeight(), 16);
}

void TestDeviceCard::iconByType_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("dvr");
    QTest::newRow("DVR") << "DVR" << true;
    QTest::newRow("lower-case dvr") << "dvr" << true;
    QTest::newRow("mixed-case Dvr") << "Dvr" << true;
    QTest::newRow("IPC") << "IPC" << false;
    QTest::newRow("another type") << "NVR" << false;
    QTest::newRow("no type") << "" << false;
    QTest::newRow("DVR with a blank") << "DVR " << false;
}

void TestDeviceCard::iconByType()
{
    QFETCH(QString, type);
    QFETCH(bool, dvr);
    DeviceItemWidget card(nullptr, type, QStringLiteral("Group(1)"));
    QCOMPARE(card.findChild<QLabel *>(QStringLiteral("m_labelDeviceTypeIconDVR"))->isHidden(), !dvr);
    QCOMPARE(card.findChild<QLabel *>(QStringLiteral("m_labelDeviceTypeIconIPC"))->isHidden(), dvr);
}

void TestDeviceCard::fixedRateTexts()
{
    DeviceItemWidget card(nullptr, QStringLiteral("IPC"), QStringLiteral("Gate(1)"));
    card.findChild<QWidget *>(QStringLiteral("m_labelScenceName"))->hide();
    card.findChild<QWidget *>(QStringLiteral("line4"))->hide();
    card.setDeviceData(8, QStringLiteral("1080P"), QStringLiteral("25"), 2048, 7, 3, QStringLiteral("H.265"),
                       QString());

    const QStringList expected{QStringLiteral("Counts : 8"), QStringLiteral("Fixted Rate : 2048 kbps"),
                               QStringLiteral("Frame Rate : 25"), QStringLiteral("Resolution : 1080P"),
                               QStringLiteral("Encode Type : H.265")};
    QCOMPARE(valueTexts(card), expected);
    QCOMPARE(valueToolTips(card), expected);
    QCOMPARE(valueLabel(card, "m_labelDeviceBitRate")->strText(), expected.at(1));
    QVERIFY(!card.findChild<QWidget *>(QStringLiteral("m_labelScenceName"))->isHidden());
    QVERIFY(!card.findChild<QWidget *>(QStringLiteral("line4"))->isHidden());
    QCOMPARE(card.deviceId(), 7LL);
    QCOMPARE(card.channelGroupNumber(), 3);
    QCOMPARE(card.frameRate(), QStringLiteral("25"));
    QVERIFY(card.sceneName().isEmpty());
    QVERIFY(card.layoutMode() != DeviceItemWidget::LayoutNone);
}

void TestDeviceCard::sceneTexts()
{
    DeviceItemWidget card(nullptr, QStringLiteral("IPC"), QStringLiteral("Ward(2)"));
    card.setDeviceData(4, QStringLiteral("720P"), QString(), 1024.5, 9, 2, QStringLiteral("H.264"),
                       QStringLiteral("Hospital"));

    QCOMPARE(valueTexts(card), (QStringList{QStringLiteral("Counts : 4"), QStringLiteral("Variable Rate : 1024.5 kbps"),
                                            QStringLiteral("Resolution : 720P"), QStringLiteral("Encode Type : H.264"),
                                            QStringLiteral("Scene Type : Hospital")}));
    QCOMPARE(valueToolTips(card),
             (QStringList{QStringLiteral("Counts : 4"), QStringLiteral("Variable Rate : 1024.5 kbps"), QString(),
                          QStringLiteral("Encode Type : H.264"), QStringLiteral("Scene Type : Hospital")}));
    QCOMPARE(card.sceneName(), QStringLiteral("Hospital"));
}

void TestDeviceCard::bitrateDigits_data()
{
    QTest::addColumn<double>("bitrate");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 2048.0 << "Fixted Rate : 2048 kbps";
    QTest::newRow("one decimal") << 1024.5 << "Fixted Rate : 1024.5 kbps";
    QTest::newRow("six significant digits") << 1234.5678 << "Fixted Rate : 1234.57 kbps";
    QTest::newRow("zero") << 0.0 << "Fixted Rate : 0 kbps";
}

void TestDeviceCard::bitrateDigits()
{
    QFETCH(double, bitrate);
    DeviceItemWidget card(nullptr, QStringLiteral("IPC"), QStringLiteral("Gate(1)"));
    card.setDeviceData(1, QStringLiteral("1080P"), QStringLiteral("25"), bitrate, 1, 1, QStringLiteral("H.264"),
                       QString());
    QTEST(valueLabel(card, "m_labelDeviceBitRate")->strText(), "text");
}

void TestDeviceCard::updateShowsWholeRate()
{
    DeviceItemWidget card(nullptr, QStringLiteral("IPC"), QStringLiteral("Gate(1)"));
    card.setDeviceData(8, QStringLiteral("1080P"), QStringLiteral("30"), 4096.5, 1, 1, QStringLiteral("H.264"),
                       QString());
    QCOMPARE(valueLabel(card, "m_labelDeviceBitRate")->strText(), QStringLiteral("Fixted Rate : 4096.5 kbps"));

    card.updateFrameRateAndRate(QStringLiteral("25"), 3072.9);
    QCOMPARE(valueLabel(card, "m_labelDeviceResolution")->strText(), QStringLiteral("Frame Rate : 25"));
    QCOMPARE(valueLabel(card, "m_labelDeviceBitRate")->strText(), QStringLiteral("Fixted Rate : 3072 kbps"));
    QCOMPARE(valueLabel(card, "m_labelDeviceBitRate")->toolTip(), QStringLiteral("Fixted Rate : 3072 kbps"));
    QCOMPARE(card.frameRate(), QStringLiteral("25"));
    // The other labels keep what the data set them to.
    QCOMPARE(valueLabel(card, "m_labelDeviceCounts")->strText(), QStringLiteral("Counts : 8"));
    QCOMPARE(valueLabel(card, "m_labelScenceName")->strText(), QStringLiteral("Encode Type : H.264"));
}

void TestDeviceCard::deleteButtonReportsIdAndNumber()
{
    QWidget list;
    auto *card = new DeviceItemWidget(&list, QStringLiteral("IPC"), QStringLiteral("Gate(4)"));
    // Page ids are 64-bit and never reused, so they may pass the 32-bit range.
    const long long id = 5000000000LL;
    card->setDeviceData(2, QStringLiteral("720P"), QStringLiteral("25"), 1808, id, 4, QStringLiteral("H.264"),
                        QString());
    QSignalSpy spy(card, &DeviceItemWidget::signalDeleteClicked);

    auto *button = qobject_cast<QToolButton *>(TestUi::findButton(card, QStringLiteral("m_btnDelete")));
    QVERIFY(button);
    button->click();

    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toLongLong(), id);
    QCOMPARE(spy.at(0).at(1).toInt(), 4);
    // The list removes cards; the card does not remove itself.
    QCOMPARE(list.findChildren<DeviceItemWidget *>().size(), 1);
}

void TestDeviceCard::layoutByWidth_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("rateWidth");
    QTest::addColumn<int>("fourthWidth");

    QTest::newRow("narrow two lines") << 400 << int(DeviceItemWidget::LayoutTwoLines) << 200 << 120;
    QTest::newRow("two lines at 459") << 459 << int(DeviceItemWidget::LayoutTwoLines) << 200 << 120;
    QTest::newRow("two lines at 460") << 460 << int(DeviceItemWidget::LayoutTwoLines) << 200 << 200;
    QTest::newRow("two lines at 639") << 639 << int(DeviceItemWidget::LayoutTwoLines) << 200 << 200;
    QTest::newRow("one line at 640") << 640 << int(DeviceItemWidget::LayoutOneLine) << 120 << 120;
    QTest::newRow("one line at 740") << 740 << int(DeviceItemWidget::LayoutOneLine) << 120 << 120;
    QTest::newRow("one line at 741") << 741 << int(DeviceItemWidget::LayoutOneLine) << 120 << 120;
    QTest::newRow("one line at 899") << 899 << int(DeviceItemWidget::LayoutOneLine) << 120 << 120;
    QTest::newRow("wide one line at 900") << 900 << int(DeviceItemWidget::LayoutOneLine) << 200 << 200;
    QTest::newRow("wide one line at 1200") << 1200 << int(DeviceItemWidget::LayoutOneLine) << 200 << 200;
}

void TestDeviceCard::layoutByWidth()
{
    QFETCH(int, width);
    QFETCH(int, mode);
    DeviceItemWidget card(nullptr, QStringLiteral("IPC"), QStringLiteral("Gate(1)"));
    card.resize(width, 84);
    card.setDeviceData(8, QStringLiteral("1080P"), QStringLiteral("25"), 2048, 1, 1, QStringLiteral("H.264"),
                       QString());

    QCOMPARE(card.layoutMode(), mode);
    QTEST(valueLabel(card, "m_labelDeviceBitRate")->minimumWidth(), "rateWidth");
    QTEST(valueLabel(card, "m_labelEncodeType")->minimumWidth(), "fourthWidth");
    QCOMPARE(valueLabel(card, "m_labelDeviceCounts")->width(), 120);
    QCOMPARE(valueLabel(card, "m_labelDeviceResolution")->width(), 120);

    auto *firstRow = card.findChild<QHBoxLayout *>(QStringLiteral("m_hlayout2"));
    auto *valueRow = card.findChild<QHBoxLayout *>(QStringLiteral("m_hlayout3"));
    QVERIFY(firstRow && valueRow);
    const bool oneLine = mode == DeviceItemWidget::LayoutOneLine;
    QWidget *counts = valueLabel(card, "m_labelDeviceCounts");
    QWidget *rate = valueLabel(card, "m_labelDeviceBitRate");
    QWidget *last = valueLabel(card, "m_labelScenceName");
    QCOMPARE(valueRow->indexOf(counts) >= 0, oneLine);
    QCOMPARE(firstRow->indexOf(counts) >= 0, !oneLine);
    QCOMPARE(firstRow->indexOf(rate) >= 0, !oneLine);
    QVERIFY(valueRow->indexOf(last) > valueRow->indexOf(valueLabel(card, "m_labelEncodeType")));
    if (oneLine)
        QVERIFY(valueRow->indexOf(rate) > valueRow->indexOf(counts));
    QVERIFY(!card.findChild<QFrame *>(QStringLiteral("line1"))->isHidden());
    QCOMPARE(card.findChild<QFrame *>(QStringLiteral("line2"))->isHidden(), !oneLine);

    // The last value takes the rest of its row and ends inside the card.
    card.layoutAt(QSize(width, 84));
    QVERIFY2(last->geometry().right() < width, qPrintable(QString::number(last->geometry().right())));
    QVERIFY(width - 1 - last->geometry().right() <= valueRow->spacing());
}

void TestDeviceCard::layoutFollowsResize()
{
    QWidget host;
    auto *card = new DeviceItemWidget(&host, QStringLiteral("DVR"), QStringLiteral("Hall(1)"));
    // A hidden widget gets its resize events only when shown.
    host.show();
    card->resize(500, 84);
    card->setDeviceData(8, QStringLiteral("1080P"), QStringLiteral("25"), 2048, 1, 1, QStringLiteral("H.264"),
                        QString());
    QCOMPARE(card->layoutMode(), int(DeviceItemWidget::LayoutTwoLines));
    card->resize(800, 60);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(card->layoutMode(), int(DeviceItemWidget::LayoutOneLine));
    QVERIFY(valueLabel(*card, "m_labelScenceName")->geometry().right() < 800);
    card->resize(600, 84);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(card->layoutMode(), int(DeviceItemWidget::LayoutTwoLines));
    QVERIFY(valueLabel(*card, "m_labelScenceName")->geometry().right() < 600);
    // Switching back and forth keeps every value label in exactly one row.
    auto *firstRow = card->findChild<QHBoxLayout *>(QStringLiteral("m_hlayout2"));
    auto *valueRow = card->findChild<QHBoxLayout *>(QStringLiteral("m_hlayout3"));
    for (aptui::Label *label : card->findChildren<aptui::Label *>()) {
        if (label->objectName() == QLatin1String("m_labelChannelGroupName"))
            continue;
        QCOMPARE(int(firstRow->indexOf(label) >= 0) + int(valueRow->indexOf(label) >= 0), 1);
    }
    QCOMPARE(firstRow->count() + valueRow->count(), 4 + 1 + 5 + 2);
}

void TestDeviceCard::textsThatDoNotFitAreElided()
{
    QWidget host;
    const QString name = QStringLiteral("A channel group with a name far longer than any card is wide(1)");
    auto *card = new DeviceItemWidget(&host, QStringLiteral("IPC"), name);
    host.show();
    card->resize(400, 84);
    card->setDeviceData(4, QStringLiteral("720P"), QString(), 1024, 1, 1, QStringLiteral("H.264"),
                        QStringLiteral("A scene whose name is much too long for the card"));
    auto *title = card->findChild<aptui::Label *>(QStringLiteral("m_labelChannelGroupName"));
    QVERIFY(title);
    aptui::Label *scene = valueLabel(*card, "m_labelScenceName");
    const QString sceneText = QStringLiteral("Scene Type : A scene whose name is much too long for the card");

    // Drawn short, kept whole: the tool tip shows the label's text.
    QVERIFY(title->shownText().endsWith(QChar(0x2026)));
    QVERIFY(title->fontMetrics().horizontalAdvance(title->shownText()) <= title->contentsRect().width());
    QCOMPARE(title->text(), name);
    QVERIFY(scene->shownText().endsWith(QChar(0x2026)));
    QVERIFY(scene->fontMetrics().horizontalAdvance(scene->shownText()) <= scene->contentsRect().width());
    QCOMPARE(scene->text(), sceneText);
    QCOMPARE(scene->toolTip(), sceneText);
    // Short texts show whole.
    QCOMPARE(valueLabel(*card, "m_labelDeviceCounts")->shownText(), QStringLiteral("Counts : 4"));

    // With room enough everything shows whole again.
    card->resize(2400, 60);
    QCOMPARE(title->shownText(), name);
    QCOMPARE(scene->shownText(), sceneText);
}

void TestDeviceCard::valuesFitTheCard_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("scene");

    for (int width : {400, 640, 741, 900, 1200}) {
        QTest::addRow("fixed rate at %d px", width) << width << QString();
        QTest::addRow("scene at %d px", width) << width << QStringLiteral("A scene much too long for any card");
    }
}

// Every value ends inside the card, in its short form where the whole text has
// no room (no word of a caption cut, the caption left out) and whole in its
// tool tip; of the encoding, the value always shows whole.
void TestDeviceCard::valuesFitTheCard()
{
    QFETCH(int, width);
    QFETCH(QString, scene);
    DeviceItemWidget card(nullptr, QStringLiteral("IPC"), QStringLiteral("Gate(1)"));
    card.setDeviceData(16, QStringLiteral("3840x2160"), QStringLiteral("25"), 16384.5, 1, 1, QStringLiteral("H.265+"),
                       scene);
    card.layoutAt(QSize(width, scene.isEmpty() ? 60 : 84));

    int encodings = 0;
    for (const char *name : {"m_labelDeviceCounts", "m_labelDeviceBitRate", "m_labelDeviceResolution",
                             "m_labelEncodeType", "m_labelScenceName"}) {
        aptui::Label *label = valueLabel(card, name);
        const QString shown = card.shownValueText(label);
        const QString context =
            QStringLiteral("%1 shows \"%2\" of \"%3\"").arg(QLatin1String(name), shown, label->text());
        QVERIFY2(label->geometry().right() < width, qPrintable(context));
        QVERIFY2(label->fontMetrics().horizontalAdvance(shown) <= label->contentsRect().width(), qPrintable(context));
        if (shown != label->text()) {
            QVERIFY2(!shown.contains(QLatin1Char(':')), qPrintable(context));
            QCOMPARE(label->toolTip(), label->text());
        }
        if (label->text().endsWith(QLatin1String("H.265+"))) {
            ++encodings;
            QVERIFY2(shown.endsWith(QLatin1String(" H.265+")) || shown == QLatin1String("H.265+"), qPrintable(context));
        }
    }
    QCOMPARE(encodings, 1);
}

void TestDeviceCard::typedMarkupShowsAsWritten()
{
    QWidget host;
    const QString name = QStringLiteral("<h1>Lobby</h1>(1)");
    auto *card = new DeviceItemWidget(&host, QStringLiteral("IPC"), name);
    card->setDeviceData(1, QStringLiteral("<b>720P</b>"), QStringLiteral("25"), 1024, 1, 1, QStringLiteral("H.264"),
                        QString());
    auto *title = card->findChild<QLabel *>(QStringLiteral("m_labelChannelGroupName"));
    QCOMPARE(title->textFormat(), Qt::PlainText);
    QCOMPARE(title->text(), name);
    for (aptui::Label *label : card->findChildren<aptui::Label *>())
        QCOMPARE(label->textFormat(), Qt::PlainText);
}

void TestDeviceCard::emptyListView()
{
    WidgetDeviceListBorder view;
    QCOMPARE(view.objectName(), QStringLiteral("WidgetDeviceListBorder"));
    QCOMPARE(view.windowTitle(), QStringLiteral("WidgetDeviceListBorder"));
    QCOMPARE(view.size(), QSize(616, 515));

    auto *picture = view.findChild<QLabel *>(QStringLiteral("m_labelNullPic"));
    QVERIFY(picture);
    QCOMPARE(picture->minimumSize(), QSize(90, 90));
    QCOMPARE(picture->maximumSize(), QSize(90, 90));
    QVERIFY(picture->text().isEmpty());

    auto *tip = view.findChild<QLabel *>(QStringLiteral("m_labeNullTip"));
    QVERIFY(tip);
    QCOMPARE(tip->text(),
             QStringLiteral("<html><head/><body><p><span style=\" font-size:18pt; color:#D9DaDb;\">NO DEVICE, </span>"
                            "<span style=\" font-size:18pt; font-weight:600; color:#D9dadb;\">Please Add "
                            "Device!</span></p></body></html>"));
}

QTEST_MAIN(TestDeviceCard)
#include "tst_devicecard_widgets.moc"
