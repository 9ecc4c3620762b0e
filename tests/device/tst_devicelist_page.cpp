// The device list page: its form, adds that announce the totals or not,
// cards, deletes, clears and bulk loads, and figures that survive extreme
// groups. The change between video standards is in tst_devicelist_standard.
#include "aptui/Label.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceCardDelegate.h"
#include "device/DeviceItemWidget.h"
#include "device/DeviceListGroups.h"
#include "device/DeviceListModel.h"
#include "model/ModelMetaTypes.h"

#include "model/ModelDataDir.h"
#include "support/DialogAnswerer.h"
#include "support/SignalRecorder.h"
#include "support/TestUi.h"

#include <QLabel>
#include <QListView>
#include <QPointer>
#include <QTest>

#include <limits>
#include <memory>

using NM_Vantor::DeviceItemWidget;

namespace {

// The bitrate tables of the device-list suites.
const QString kFixture = QStringLiteral("../device/list");

// Stands in for the editor: its add signal in both spellings the program uses.
class EditorSender : public QObject
{
    Q_OBJECT

signals:
    void signalAddDevice(StructDeviceItem item);
    void signalAddDeviceByReference(const StructDeviceItem &item);
};

} // namespace

class TestDeviceListPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formAndDefaults();
    void addAnnouncesTotals_data();
    void addAnnouncesTotals();
    void addWithoutAnnouncing();
    void oneArgumentAddIsConnectable();
    void cardsShowTheirGroups();
    void deleteFromCard();
    void deleteOfMissingIdKeepsFigures();
    void declinedClearKeepsGroups();
    void acceptedClearEmptiesTheList();
    void clearOnEmptyListAsksNothing();
    void idsKeepGrowingAfterClear();
    void bulkLoad();
    void bulkLoadAfterDeclinedClearAppends();
    void extremeGroupsDoNotBreakTheFigures();
    void destructionIsSilent();

private:
    std::unique_ptr<ModelDataDir> m_data;
};

void TestDeviceListPage::initTestCase()
{
    registerModelMetaTypes();
}

void TestDeviceListPage::init()
{
    m_data = std::make_unique<ModelDataDir>(kFixture);
    QVERIFY(m_data->isValid());
}

void TestDeviceListPage::cleanup()
{
    m_data.reset();
}

void TestDeviceListPage::formAndDefaults()
{
    DeviceAddPage page;
    QCOMPARE(page.size(), QSize(400, 497));
    auto *list = qobject_cast<QListView *>(page.listView());
    QVERIFY(list);
    QCOMPARE(list->objectName(), QStringLiteral("m_listWidgetDiskData"));
    QCOMPARE(list->model(), page.model());
    QCOMPARE(list->flow(), QListView::TopToBottom);
    QCOMPARE(list->focusPolicy(), Qt::NoFocus);
    QCOMPARE(list->lineWidth(), 0);
    QCOMPARE(list->autoScrollMargin(), 16);
    QCOMPARE(page.model()->rowCount(), 0);
    QVERIFY(page.getDeviceData().isEmpty());
    QCOMPARE(page.lastDeviceId(), 0LL);
}

void TestDeviceListPage::addAnnouncesTotals_data()
{
    QTest::addColumn<StructDeviceItem>("item");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("4 IPC at 2048, both modes")
        << group(QStringLiteral("IPC"), 4, 2048)
        << QStringList{QStringLiteral("storage(8192)"), QStringLiteral("bandwidth(4, 4, 0, 8.0, Mpbs)")};
    QTest::newRow("1 x 1000 kbps") << group(QStringLiteral("IPC"), 1, 1000)
                                   << QStringList{QStringLiteral("storage(1000)"),
                                                  QStringLiteral("bandwidth(1, 1, 0, 1000.0, Kpbs)")};
    QTest::newRow("1 x 1024.5 kbps") << group(QStringLiteral("IPC"), 1, 1024.5)
                                     << QStringList{QStringLiteral("storage(1024.5)"),
                                                    QStringLiteral("bandwidth(1, 1, 0, 1.1, Mpbs)")};
    QTest::newRow("live view only: no storage")
        << group(QStringLiteral("DVR"), 2, 2048, 1)
        << QStringList{QStringLiteral("storage(0)"), QStringLiteral("bandwidth(2, 0, 2, 4.0, Mpbs)")};
    QTest::newRow("recording only: no network")
        << group(QStringLiteral("IPC"), 2, 2048, 2)
        << QStringList{QStringLiteral("storage(4096)"), QStringLiteral("bandwidth(0, 0, 0, 0.0, Kpbs)")};
}

void TestDeviceListPage::addAnnouncesTotals()
{
    QFETCH(StructDeviceItem, item);
    DeviceAddPage page;
    SignalRecorder recorder;
    recorder.watch(&page, &DeviceAddPage::SignalDeviceChanged, QStringLiteral("storage"));
    recorder.watch(&page, &DeviceAddPage::signalDeviceChangedToBandwith, QStringLiteral("bandwidth"));

    page.addDeviceTypeItem(item);

    QTEST(recorder.events(), "events");
    QCOMPARE(page.getDeviceData().value(1), item);
}

void TestDeviceListPage::addWithoutAnnouncing()
{
    DeviceAddPage page;
    SignalRecorder recorder;
    recorder.watch(&page, &DeviceAddPage::SignalDeviceChanged, QStringLiteral("storage"));
    recorder.watch(&page, &DeviceAddPage::signalDeviceChangedToBandwith, QStringLiteral("bandwidth"));

    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 4, 2048), false);

    QVERIFY(recorder.events().isEmpty());
    QCOMPARE(page.getDeviceData().size(), 1);
    QCOMPARE(page.model()->rowCount(), 1);
}

void TestDeviceListPage::oneArgumentAddIsConnectable()
{
    DeviceAddPage page;
    EditorSender editor;
    QVERIFY(QObject::connect(&editor, SIGNAL(signalAddDevice(StructDeviceItem)), &page,
                             SLOT(addDeviceTypeItem(StructDeviceItem)), Qt::DirectConnection));
    QVERIFY(QObject::connect(&editor, SIGNAL(signalAddDeviceByReference(StructDeviceItem)), &page,
                             SLOT(addDeviceTypeItem(StructDeviceItem)), Qt::DirectConnection));
    SignalRecorder recorder;
    recorder.watch(&page, &DeviceAddPage::SignalDeviceChanged, QStringLiteral("storage"));

    emit editor.signalAddDevice(group(QStringLiteral("IPC"), 2, 1000));
    emit editor.signalAddDeviceByReference(group(QStringLiteral("IPC"), 1, 500, 3, QStringLiteral("25"), 2));

    // Both adds announce, as every interactive add does.
    QCOMPARE(recorder.events(), (QStringList{QStringLiteral("storage(2000)"), QStringLiteral("storage(2500)")}));
    QCOMPARE(page.getDeviceData().keys(), (QList<long long>{1, 2}));
}

void TestDeviceListPage::cardsShowTheirGroups()
{
    DeviceAddPage page;
    StructDeviceItem fixed = group(QStringLiteral("IPC"), 8, 2048, 3, QStringLiteral("25"), 1);
    fixed.strEncoding = QStringLiteral("H.265");
    StructDeviceItem scene = group(QStringLiteral("dvr"), 2, 1024.5, 3, QString(), 2);
    scene.strScene = QStringLiteral("Hospital");
    page.addDeviceTypeItem(fixed);
    page.addDeviceTypeItem(scene);

    QCOMPARE(page.model()->rowCount(), 2);
    // One real card at a time: the mouse over a row brings it up.
    const DeviceItemWidget *first = page.cardForRow(0);
    QVERIFY(first);
    QCOMPARE(first->deviceId(), 1LL);
    QCOMPARE(first->findChild<QLabel *>(QStringLiteral("m_labelChannelGroupName"))->toolTip(),
             QStringLiteral("Group(1)"));
    QCOMPARE(first->findChild<aptui::Label *>(QStringLiteral("m_labelDeviceBitRate"))->strText(),
             QStringLiteral("Fixted Rate : 2048 kbps"));
    QCOMPARE(first->findChild<aptui::Label *>(QStringLiteral("m_labelScenceName"))->strText(),
             QStringLiteral("Encode Type : H.265"));
    const DeviceItemWidget *second = page.cardForRow(1);
    QVERIFY(second);
    QCOMPARE(second->deviceId(), 2LL);
    QCOMPARE(second->channelGroupNumber(), 2);
    QCOMPARE(second->findChild<aptui::Label *>(QStringLiteral("m_labelDeviceBitRate"))->strText(),
             QStringLiteral("Variable Rate : 1024.5 kbps"));
    QCOMPARE(second->findChild<aptui::Label *>(QStringLiteral("m_labelScenceName"))->strText(),
             QStringLiteral("Scene Type : Hospital"));
    QVERIFY(!second->findChild<QLabel *>(QStringLiteral("m_labelDeviceTypeIconDVR"))->isHidden());
}

void TestDeviceListPage::deleteFromCard()
{
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 4, 2048, 3, QStringLiteral("25"), 1));
    page.addDeviceTypeItem(group(QStringLiteral("DVR"), 2, 1000, 3, QStringLiteral("25"), 2));
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 1, 512, 3, QStringLiteral("25"), 3));
    page.resize(700, 400);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *cards = qobject_cast<DeviceCardDelegate *>(page.listView()->itemDelegate());
    const QPoint button = cards->deleteButtonRect(page.model()->index(1)).center();

    SignalRecorder recorder;
    recorder.watch(&page, &DeviceAddPage::SianalDeviceDelete, QStringLiteral("delete"));
    recorder.watch(&page, &DeviceAddPage::SignalDeviceChanged, QStringLiteral("storage"));
    recorder.watch(&page, &DeviceAddPage::signalDeviceChangedToBandwith, QStringLiteral("bandwidth"));
    QTest::mouseClick(page.listView()->viewport(), Qt::LeftButton, {}, button);
    QCoreApplication::processEvents();

    QCOMPARE(recorder.events(), (QStringList{QStringLiteral("delete(2)"), QStringLiteral("storage(8704)"),
                                             QStringLiteral("bandwidth(5, 5, 0, 8.5, Mpbs)")}));
    QCOMPARE(page.model()->rowCount(), 2);
    QCOMPARE(page.getDeviceData().keys(), (QList<long long>{1, 3}));
    QCOMPARE(page.cardForRow(1)->deviceId(), 3LL);
}

void TestDeviceListPage::deleteOfMissingIdKeepsFigures()
{
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 4, 2048));
    SignalRecorder recorder;
    recorder.watch(&page, &DeviceAddPage::SianalDeviceDelete, QStringLiteral("delete"));
    recorder.watch(&page, &DeviceAddPage::SignalDeviceChanged, QStringLiteral("storage"));
    recorder.watch(&page, &DeviceAddPage::signalDeviceChangedToBandwith, QStringLiteral("bandwidth"));

    page.OnDeleteDeviceItem(99, 7);

    QCOMPARE(recorder.events(), (QStringList{QStringLiteral("delete(7)"), QStringLiteral("storage(8192)"),
                                             QStringLiteral("bandwidth(4, 4, 0, 8.0, Mpbs)")}));
    QCOMPARE(page.getDeviceData().size(), 1);
    QCOMPARE(page.model()->rowCount(), 1);
}

void TestDeviceListPage::declinedClearKeepsGroups()
{
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 4, 2048));
    SignalRecorder recorder;
    recorder.watch(&page, &DeviceAddPage::signalCover, QStringLiteral("cover"));
    recorder.watch(&page, &DeviceAddPage::signalDisvocer, QStringLiteral("discover"));
    recorder.watch(&page, &DeviceAddPage::SianalDeviceDelete, QStringLiteral("delete"));

    QString text;
    QSize size;
    auto answer = DialogAnswerer::answerNext([&](QWidget *dialog) {
        recorder.note(QStringLiteral("dialog"));
        text = dialog->findChild<QLabel *>(QStringLiteral("m_labelTip"))->text();
        size = dialog->size();
        DialogAnswerer::clickButton(dialog, QStringLiteral("btnCancel"));
    });
    page.onClearDeviceItems();

    QVERIFY(answer->answered());
    QCOMPARE(answer->dialogClassName(), QStringLiteral("NM_Vantor::TipDialog"));
    QCOMPARE(text, QStringLiteral("Clear all the channels?"));
    QCOMPARE(size, QSize(350, 220));
    QCOMPARE(recorder.events(),
             (QStringList{QStringLiteral("cover"), QStringLiteral("dialog"), QStringLiteral("discover")}));
    QCOMPARE(page.getDeviceData().size(), 1);
    QCOMPARE(page.model()->rowCount(), 1);
}

void TestDeviceListPage::acceptedClearEmptiesTheList()
{
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 4, 2048, 3, QStringLiteral("25"), 1));
    page.addDeviceTypeItem(group(QStringLiteral("DVR"), 2, 1000, 3, QStringLiteral("25"), 2));

    SignalRecorder recorder;
    recorder.watch(&page, &DeviceAddPage::signalCover, QStringLiteral("cover"));
    recorder.watch(&page, &DeviceAddPage::signalDisvocer, QStringLiteral("discover"));
    recorder.watch(&page, &DeviceAddPage::SianalDeviceDelete, QStringLiteral("delete"));
    recorder.watch(&page, &DeviceAddPage::SignalDeviceChanged, QStringLiteral("storage"));
    recorder.watch(&page, &DeviceAddPage::signalDeviceChangedToBandwith, QStringLiteral("bandwidth"));
    QString title;
    auto answer = DialogAnswerer::answerNext([&](QWidget *dialog) {
        title = dialog->findChild<QLabel *>(QStringLiteral("labelTitle"))->text();
        DialogAnswerer::clickButton(dialog, QStringLiteral("btnConfirm"));
    });
    page.onClearDeviceItems();

    QVERIFY(answer->answered());
    QCOMPARE(title, QStringLiteral("Clear"));
    QCOMPARE(recorder.events(),
             (QStringList{QStringLiteral("cover"), QStringLiteral("discover"), QStringLiteral("delete(0)"),
                          QStringLiteral("storage(0)"), QStringLiteral("bandwidth(0, 0, 0, 0.0, Kpbs)"),
                          QStringLiteral("discover")}));
    QVERIFY(page.getDeviceData().isEmpty());
    QCOMPARE(page.model()->rowCount(), 0);
    QVERIFY(page.findChildren<DeviceItemWidget *>().isEmpty());
}

void TestDeviceListPage::clearOnEmptyListAsksNothing()
{
    DeviceAddPage page;
    SignalRecorder recorder;
    recorder.watch(&page, &DeviceAddPage::signalCover, QStringLiteral("cover"));
    recorder.watch(&page, &DeviceAddPage::SianalDeviceDelete, QStringLiteral("delete"));
    auto answer = DialogAnswerer::answerNext(DialogAnswerer::accepting());

    // A dialog would run inside this call, so it would be answered by now.
    page.onClearDeviceItems();
    const bool asked = answer->answered();
    answer->stop();

    QVERIFY(!asked);
    QVERIFY(recorder.events().isEmpty());
}

void TestDeviceListPage::idsKeepGrowingAfterClear()
{
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 1, 100, 3, QStringLiteral("25"), 1));
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 1, 100, 3, QStringLiteral("25"), 2));
    auto answer = DialogAnswerer::answerNext(DialogAnswerer::clicking(QStringLiteral("btnConfirm")));
    page.onClearDeviceItems();
    QVERIFY(answer->answered());
    QVERIFY(page.getDeviceData().isEmpty());

    // The editor restarts its numbers after a clear; the page's ids go on.
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 1, 100, 3, QStringLiteral("25"), 1));
    QCOMPARE(page.getDeviceData().keys(), (QList<long long>{3}));
    QCOMPARE(page.getDeviceData().value(3).iChannelGroupNumber, 1);
    QCOMPARE(page.cardForRow(0)->deviceId(), 3LL);

    page.OnDeleteDeviceItem(3, 1);
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 1, 100, 3, QStringLiteral("25"), 1));
    QCOMPARE(page.getDeviceData().keys(), (QList<long long>{4}));
}

void TestDeviceListPage::bulkLoad()
{
    DeviceAddPage page;
    SignalRecorder recorder;
    recorder.watch(&page, &DeviceAddPage::SignalDeviceChanged, QStringLiteral("storage"));
    recorder.watch(&page, &DeviceAddPage::signalDeviceChangedToBandwith, QStringLiteral("bandwidth"));

    page.setDeviceTypeData({group(QStringLiteral("IPC"), 4, 2048, 3, QStringLiteral("25"), 1),
                            group(QStringLiteral("DVR"), 2, 1024, 2, QStringLiteral("25"), 2)});

    // An empty page asks nothing and the figures come once, at the end.
    QCOMPARE(recorder.events(),
             (QStringList{QStringLiteral("storage(10240)"), QStringLiteral("bandwidth(4, 4, 0, 8.0, Mpbs)")}));
    QCOMPARE(page.getDeviceData().size(), 2);
    QCOMPARE(page.getDeviceData().value(2).strDeviceType, QStringLiteral("DVR"));

    auto answer = DialogAnswerer::answerNext(DialogAnswerer::clicking(QStringLiteral("btnConfirm")));
    page.setDeviceTypeData({group(QStringLiteral("IPC"), 1, 100, 3, QStringLiteral("25"), 1)});
    QVERIFY(answer->answered());
    QCOMPARE(page.getDeviceData().keys(), (QList<long long>{3}));
    QCOMPARE(page.model()->rowCount(), 1);
}

void TestDeviceListPage::bulkLoadAfterDeclinedClearAppends()
{
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 4, 2048, 3, QStringLiteral("25"), 1));
    auto answer = DialogAnswerer::answerNext(DialogAnswerer::clicking(QStringLiteral("btnCancel")));
    SignalRecorder recorder;
    recorder.watch(&page, &DeviceAddPage::SignalDeviceChanged, QStringLiteral("storage"));

    page.setDeviceTypeData({group(QStringLiteral("IPC"), 1, 100, 3, QStringLiteral("25"), 2)});

    QVERIFY(answer->answered());
    QCOMPARE(page.getDeviceData().keys(), (QList<long long>{1, 2}));
    QCOMPARE(recorder.events(), QStringList{QStringLiteral("storage(8292)")});
}

void TestDeviceListPage::extremeGroupsDoNotBreakTheFigures()
{
    DeviceAddPage page;
    SignalRecorder recorder;
    recorder.watch(&page, &DeviceAddPage::signalDeviceChangedToBandwith, QStringLiteral("bandwidth"));

    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 0, 0));
    const int most = std::numeric_limits<int>::max();
    page.addDeviceTypeItem(group(QStringLiteral("DVR"), most, 1e9, 3, QStringLiteral("30")));
    page.addDeviceTypeItem(group(QStringLiteral("DVR"), most, 1e30, 3, QStringLiteral("30")));
    page.OnFrametareStandardChanged(0);

    QCOMPARE(recorder.events().size(), 4);
    QCOMPARE(recorder.events().at(0), QStringLiteral("bandwidth(0, 0, 0, 0.0, Kpbs)"));
    const QString huge = QStringLiteral("bandwidth(%1, 0, %1, >999.9, Gpbs)").arg(2LL * most);
    QCOMPARE(recorder.events().at(2), huge);
    QCOMPARE(recorder.events().at(3), huge);
    QCOMPARE(page.getDeviceData().value(3).dBitrate, 1e30);
}

void TestDeviceListPage::destructionIsSilent()
{
    auto page = std::make_unique<DeviceAddPage>();
    page->addDeviceTypeItem(group(QStringLiteral("IPC"), 4, 2048));
    SignalRecorder recorder;
    recorder.watch(page.get(), &DeviceAddPage::SianalDeviceDelete, QStringLiteral("delete"));
    recorder.watch(page.get(), &DeviceAddPage::SignalDeviceChanged, QStringLiteral("storage"));

    page.reset();

    QVERIFY(recorder.events().isEmpty());
}

QTEST_MAIN(TestDeviceListPage)
#include "tst_devicelist_page.moc"
