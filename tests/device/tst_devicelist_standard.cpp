// The device list between the PAL and NTSC frame rates: a group at a rate
// of the tables moves to the other standard's rate and bitrate, a typed one
// keeps its bitrate, the change is one undo step, and the figures follow.
#include "aptui/Label.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceItemWidget.h"
#include "device/DeviceListGroups.h"
#include "model/BitrateTable.h"
#include "model/DeviceEnums.h"
#include "model/ModelDataDir.h"
#include "model/ModelMetaTypes.h"
#include "support/SignalRecorder.h"

#include <QTest>
#include <QUndoStack>

#include <memory>

using NM_Vantor::DeviceItemWidget;

namespace {

// Camera H.264 1080P of the suite's tables: 4096 at 30 fps NTSC, 3072 at 25
// PAL, 8192 at 60 NTSC, 6144 at 50 PAL; recorder: 4000 at 30, 3400 at 25.
const QString kFixture = QStringLiteral("../device/list");

} // namespace

class TestDeviceListStandard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void standardConversion_data();
    void standardConversion();
    void recommendationsFollowTheStandard_data();
    void recommendationsFollowTheStandard();
    void conversionAnnouncesAndIgnoresOtherIndexes();
    void framerateStandardAnswer();

private:
    std::unique_ptr<ModelDataDir> m_data;
};

void TestDeviceListStandard::initTestCase()
{
    registerModelMetaTypes();
}

void TestDeviceListStandard::init()
{
    m_data = std::make_unique<ModelDataDir>(kFixture);
    QVERIFY(m_data->isValid());
}

void TestDeviceListStandard::cleanup()
{
    m_data.reset();
}

void TestDeviceListStandard::standardConversion_data()
{
    QTest::addColumn<int>("toStandard");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("frameRate");
    QTest::addColumn<double>("bitrate");
    QTest::addColumn<QString>("newFrameRate");
    QTest::addColumn<double>("newBitrate");

    QTest::newRow("PAL: table value at 30") << 0 << "IPC"
                                            << "30" << 4096.0 << "25" << 3072.0;
    QTest::newRow("PAL: table value with a fraction") << 0 << "IPC"
                                                      << "30" << 4096.7 << "25" << 3072.0;
    QTest::newRow("PAL: typed rate stays") << 0 << "IPC"
                                           << "30" << 5000.0 << "25" << 5000.0;
    QTest::newRow("PAL: table value at 60") << 0 << "IPC"
                                            << "60" << 8192.0 << "50" << 6144.0;
    QTest::newRow("PAL: recorder table") << 0 << "DVR"
                                         << "30" << 4000.0 << "25" << 3400.0;
    QTest::newRow("PAL: camera value on a recorder stays") << 0 << "DVR"
                                                           << "30" << 4096.0 << "25" << 4096.0;
    QTest::newRow("PAL: other type converts the text only") << 0 << "NVR"
                                                            << "30" << 4096.0 << "25" << 4096.0;
    QTest::newRow("PAL: lower-case type converts the text only") << 0 << "ipc"
                                                                 << "30" << 4096.0 << "25" << 4096.0;
    QTest::newRow("PAL: 25 is left alone") << 0 << "IPC"
                                           << "25" << 4096.0 << "25" << 4096.0;
    QTest::newRow("PAL: 15 is left alone") << 0 << "IPC"
                                           << "15" << 4096.0 << "15" << 4096.0;
    QTest::newRow("PAL: scene group is left alone") << 0 << "IPC"
                                                    << "" << 4096.0 << "" << 4096.0;
    QTest::newRow("NTSC: table value at 25") << 1 << "IPC"
                                             << "25" << 3072.0 << "30" << 4096.0;
    QTest::newRow("NTSC: table value at 50") << 1 << "IPC"
                                             << "50" << 6144.0 << "60" << 8192.0;
    QTest::newRow("NTSC: typed rate stays") << 1 << "IPC"
                                            << "25" << 2000.0 << "30" << 2000.0;
    QTest::newRow("NTSC: 30 is left alone") << 1 << "IPC"
                                            << "30" << 3072.0 << "30" << 3072.0;
}

void TestDeviceListStandard::standardConversion()
{
    QFETCH(int, toStandard);
    QFETCH(QString, type);
    QFETCH(QString, frameRate);
    QFETCH(double, bitrate);
    QFETCH(QString, newFrameRate);
    QFETCH(double, newBitrate);

    DeviceAddPage page;
    StructDeviceItem item = group(type, 2, bitrate, 3, frameRate);
    page.addDeviceTypeItem(item);
    const QString cardRateBefore =
        page.cardForRow(0)->findChild<aptui::Label *>(QStringLiteral("m_labelDeviceBitRate"))->strText();

    page.OnFrametareStandardChanged(toStandard);

    const StructDeviceItem converted = page.getDeviceData().value(1);
    QCOMPARE(converted.strFrameRate, newFrameRate);
    QCOMPARE(converted.dBitrate, newBitrate);
    // Nothing else of the record changes.
    item.strFrameRate = newFrameRate;
    item.dBitrate = newBitrate;
    QCOMPARE(converted, item);

    const DeviceItemWidget *card = page.cardForRow(0);
    const QString cardRate = card->findChild<aptui::Label *>(QStringLiteral("m_labelDeviceBitRate"))->strText();
    if (newFrameRate != frameRate) {
        QCOMPARE(card->findChild<aptui::Label *>(QStringLiteral("m_labelDeviceResolution"))->strText(),
                 QStringLiteral("Frame Rate : ") + newFrameRate);
        QCOMPARE(cardRate, QStringLiteral("Fixted Rate : %1 kbps").arg(qint64(newBitrate)));
    } else {
        QCOMPARE(cardRate, cardRateBefore);
    }
}

void TestDeviceListStandard::recommendationsFollowTheStandard_data()
{
    QTest::addColumn<int>("toStandard");
    QTest::addColumn<QString>("frameRate");
    QTest::addColumn<QString>("newFrameRate");
    QTest::addColumn<int>("complexity");
    QTest::addColumn<bool>("fromTable");
    // The rate starts as the tables' recommendation at the old standard for this
    // complexity (-1: a rate no table gives) and ends as the one at the new
    // standard for that complexity (-1: the rate is kept).
    QTest::addColumn<int>("startAt");
    QTest::addColumn<int>("endAt");

    const auto add = [](const char *tag, int to, const char *from, const char *into, int complexity, bool fromTable,
                        int startAt, int endAt) {
        QTest::newRow(tag) << to << QString::fromLatin1(from) << QString::fromLatin1(into) << complexity << fromTable
                           << startAt << endAt;
    };
    add("PAL: Low recommendation", PAL, "30", "25", Low, true, Low, Low);
    add("PAL: Medium recommendation", PAL, "30", "25", Medium, true, Medium, Medium);
    add("PAL: High recommendation", PAL, "30", "25", High, true, High, High);
    add("PAL: High recommendation at 60", PAL, "60", "50", High, true, High, High);
    add("PAL: typed table value", PAL, "30", "25", High, false, Medium, Medium);
    add("PAL: typed High value stays", PAL, "30", "25", High, false, High, -1);
    add("PAL: typed rate stays", PAL, "30", "25", Medium, false, -1, -1);
    add("NTSC: Low recommendation", NTSC, "25", "30", Low, true, Low, Low);
    add("NTSC: Low recommendation at 50", NTSC, "50", "60", Low, true, Low, Low);
    add("NTSC: Medium recommendation", NTSC, "25", "30", Medium, true, Medium, Medium);
    add("NTSC: High recommendation", NTSC, "25", "30", High, true, High, High);
    add("NTSC: typed table value", NTSC, "25", "30", High, false, Medium, Medium);
    add("NTSC: typed High value stays", NTSC, "25", "30", High, false, High, -1);
    add("NTSC: typed rate stays", NTSC, "25", "30", Medium, false, -1, -1);
}

void TestDeviceListStandard::recommendationsFollowTheStandard()
{
    QFETCH(int, toStandard);
    QFETCH(QString, frameRate);
    QFETCH(QString, newFrameRate);
    QFETCH(int, complexity);
    QFETCH(bool, fromTable);
    QFETCH(int, startAt);
    QFETCH(int, endAt);
    const auto recommended = [](int standard, const QString &rate, int forComplexity) {
        BitrateTable table;
        table.setEncodeType(QStringLiteral("H.265"));
        table.setFrameStandard(standard);
        return double(table.recommendedBitrate(QStringLiteral("1080P"), IPC, rate.toDouble(), forComplexity));
    };
    const int fromStandard = toStandard == PAL ? NTSC : PAL;
    StructDeviceItem item = group(QStringLiteral("IPC"), 2, 5000, 3, frameRate);
    item.strEncoding = QStringLiteral("H.265");
    item.iComplexity = complexity;
    item.bRateFromTable = fromTable;
    if (startAt >= 0)
        item.dBitrate = recommended(fromStandard, frameRate, startAt);
    const double expected = endAt >= 0 ? recommended(toStandard, newFrameRate, endAt) : item.dBitrate;
    QVERIFY(expected > 0);

    DeviceAddPage page;
    QUndoStack stack;
    page.setUndoStack(&stack);
    page.addDeviceTypeItem(item);
    page.OnFrametareStandardChanged(toStandard);
    StructDeviceItem converted = item;
    converted.strFrameRate = newFrameRate;
    converted.dBitrate = expected;
    QCOMPARE(page.groups().value(0), converted);

    stack.undo();
    QCOMPARE(page.groups().value(0), item);
    // Back at the old standard the group is what it was.
    stack.redo();
    page.OnFrametareStandardChanged(fromStandard);
    QCOMPARE(page.groups().value(0), item);
}

void TestDeviceListStandard::conversionAnnouncesAndIgnoresOtherIndexes()
{
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 2, 4096, 3, QStringLiteral("30"), 1));
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 1, 1000, 3, QStringLiteral("15"), 2));
    SignalRecorder recorder;
    recorder.watch(&page, &DeviceAddPage::SignalDeviceChanged, QStringLiteral("storage"));
    recorder.watch(&page, &DeviceAddPage::signalDeviceChangedToBandwith, QStringLiteral("bandwidth"));

    page.OnFrametareStandardChanged(2);
    page.OnFrametareStandardChanged(-1);
    QVERIFY(recorder.events().isEmpty());
    QCOMPARE(page.getDeviceData().value(1).strFrameRate, QStringLiteral("30"));

    page.OnFrametareStandardChanged(0);
    QCOMPARE(recorder.events(),
             (QStringList{QStringLiteral("storage(7144)"), QStringLiteral("bandwidth(3, 3, 0, 7.0, Mpbs)")}));
}

void TestDeviceListStandard::framerateStandardAnswer()
{
    DeviceAddPage page;
    SignalRecorder recorder;
    recorder.watch(&page, &DeviceAddPage::SignalFramerateStandard, QStringLiteral("standard"));
    page.OnGetFramerateStandard();
    QCOMPARE(recorder.events(), QStringList{QStringLiteral("standard(0)")});
}

QTEST_MAIN(TestDeviceListStandard)
#include "tst_devicelist_standard.moc"
