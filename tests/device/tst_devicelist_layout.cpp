// How the device list lays its cards out: row heights by page width, cards
// that stay inside the list whatever its width and language, the rows of its
// model, and what the mouse and the keyboard do on the painted cards.
#include "aptui/Label.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceCardDelegate.h"
#include "device/DeviceItemWidget.h"
#include "device/DeviceListGroups.h"
#include "device/DeviceListModel.h"
#include "model/ModelDataDir.h"
#include "model/ModelMetaTypes.h"
#include "support/SkinStyle.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>

#include <initializer_list>
#include <memory>

using NM_Vantor::DeviceItemWidget;

namespace {

// Runs the pending layouts and the list's delayed row layout.
void settle()
{
    for (int pass = 0; pass < 3; ++pass) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
}

// A hidden widget gets its resize events only when shown; deliver one now.
void resizeNow(QWidget &widget, const QSize &size)
{
    const QSize old = widget.size();
    widget.resize(size);
    QResizeEvent event(size, old);
    QCoreApplication::sendEvent(&widget, &event);
}

QStringList texts(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *text : list)
        result.append(QString::fromUtf8(text));
    return result;
}

// Writes the model's changes down as "insert 2", "remove 0", "reset",
// "layout" or "changed 1-1".
class RowChanges : public QObject
{
public:
    explicit RowChanges(const QAbstractItemModel *model)
    {
        connect(model, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex &, int first) { events.append(QStringLiteral("insert %1").arg(first)); });
        connect(model, &QAbstractItemModel::rowsRemoved, this,
                [this](const QModelIndex &, int first) { events.append(QStringLiteral("remove %1").arg(first)); });
        connect(model, &QAbstractItemModel::modelReset, this, [this] { events.append(QStringLiteral("reset")); });
        connect(model, &QAbstractItemModel::layoutChanged, this, [this] { events.append(QStringLiteral("layout")); });
        connect(model, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &from, const QModelIndex &to) {
            events.append(QStringLiteral("changed %1-%2").arg(from.row()).arg(to.row()));
        });
    }

    QStringList events;
};

// A shown page with three groups, ids and channel-group numbers 1 to 3.
void showThreeGroups(DeviceAddPage &page)
{
    for (int number = 1; number <= 3; ++number)
        page.addDeviceTypeItem(group(QStringLiteral("IPC"), number, 1024, 3, QStringLiteral("25"), number));
    page.resize(700, 497);
    page.show();
}

} // namespace

class TestDeviceListLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerModelMetaTypes(); }
    void init()
    {
        m_data = std::make_unique<ModelDataDir>(QStringLiteral("../device/list"));
        QVERIFY(m_data->isValid());
    }
    void cleanup() { m_data.reset(); }

    void paintedCardValuesStayApart_data();
    void paintedCardValuesStayApart();
    void rowHeights();
    void cardsFitTheList_data();
    void cardsFitTheList();
    void modelRows_data();
    void modelRows();
    void modelRoles_data();
    void modelRoles();
    void conversionChangesItsRows_data();
    void conversionChangesItsRows();
    void clickOnDeleteButtonDeletesItsRow_data();
    void clickOnDeleteButtonDeletesItsRow();
    void doubleClickDeletesOneGroup();
    void keyboardWalksAndDeletes_data();
    void keyboardWalksAndDeletes();

private:
    std::unique_ptr<ModelDataDir> m_data;
};

void TestDeviceListLayout::paintedCardValuesStayApart_data()
{
    QTest::addColumn<int>("width");
    // Compact, two lines, wide two lines, one line, wide one line.
    for (int width : {380, 420, 540, 700, 900})
        QTest::addRow("%d px", width) << width;
}

// The list paints most rows with a card that is never shown; its values lie
// side by side as on a shown card, never over each other.
void TestDeviceListLayout::paintedCardValuesStayApart()
{
    QFETCH(int, width);
    QVERIFY(SkinStyle::apply());
    const StructDeviceItem item = group(QStringLiteral("IPC"), 64, 4096, 3, QStringLiteral("25"), 1);
    DeviceItemWidget painted(nullptr, QString(), QString());
    painted.showGroup(1, item, false);
    painted.layoutAt(QSize(width, 84));
    QList<QLabel *> values;
    for (QLabel *label : painted.findChildren<QLabel *>())
        if (label->isVisibleTo(&painted) && !label->text().isEmpty())
            values.append(label);
    for (int a = 0; a < values.size(); ++a)
        for (int b = a + 1; b < values.size(); ++b)
            QVERIFY2(!values.at(a)->geometry().intersects(values.at(b)->geometry()),
                     qPrintable(values.at(a)->objectName() + QLatin1Char('/') + values.at(b)->objectName()));
}

void TestDeviceListLayout::rowHeights()
{
    DeviceAddPage page;
    QAbstractItemView *list = page.listView();
    const auto rowSize = [&](int row) { return list->sizeHintForIndex(page.model()->index(row)); };

    page.resize(700, 497);
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 1, 100));
    QCOMPARE(rowSize(0), QSize(50, 84));
    page.resize(800, 497);
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 1, 100));
    QCOMPARE(rowSize(1), QSize(50, 54));

    // A resize gives every row the height of the card layout for that width.
    resizeNow(page, QSize(640, 497));
    QCOMPARE(rowSize(0), QSize(50, 60));
    QCOMPARE(rowSize(1), QSize(50, 60));
    resizeNow(page, QSize(639, 497));
    QCOMPARE(rowSize(0), QSize(50, 84));
    QCOMPARE(rowSize(1), QSize(50, 84));
}

void TestDeviceListLayout::cardsFitTheList_data()
{
    QTest::addColumn<int>("pageWidth");
    QTest::addColumn<QString>("language");
    for (const char *language : {"", "zh", "ru"}) {
        for (int width : {400, 459, 460, 520, 560, 600, 639, 640, 700, 740, 741, 800, 900, 920, 1200})
            QTest::addRow("%d px %s", width, language) << width << QString::fromLatin1(language);
    }
}

void TestDeviceListLayout::cardsFitTheList()
{
    // Every card, its delete button included, stays inside the visible list.
    QFETCH(int, pageWidth);
    QFETCH(QString, language);
    QVERIFY(SkinStyle::apply());
    QTranslator translator;
    if (!language.isEmpty()) {
        QVERIFY(
            translator.load(QStringLiteral("vantor_") + language, QStringLiteral(TAVO_RUNTIME_DIR "/translations")));
        QCoreApplication::installTranslator(&translator);
    }
    DeviceAddPage page;
    StructDeviceItem fixedRate = group(QStringLiteral("IPC"), 8, 2048, 3, QStringLiteral("25"), 1);
    fixedRate.strEncoding = QStringLiteral("H.265+");
    // Every retention badge and a long name, for the header to find room for.
    fixedRate.strChannelName = QStringLiteral("Entrance cameras(1)");
    fixedRate.policy.own = true;
    fixedRate.policy.retention = 90;
    fixedRate.policy.eventDays = 275;
    fixedRate.policy.eventShare = 20;
    fixedRate.policy.subStreamDays = 30;
    fixedRate.policy.subStreamKbps = 512;
    fixedRate.policy.audio = RetentionPolicy::Aac;
    page.addDeviceTypeItem(fixedRate);
    page.addDeviceTypeItem(group(QStringLiteral("DVR"), 2, 1024.5, 3, QString(), 2));
    // Laid out wide first: the cards must follow the list when it narrows.
    page.resize(1300, 497);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    settle();
    page.resize(pageWidth, 497);
    settle();
    QAbstractItemView *list = page.listView();
    const QRect visible = list->viewport()->rect();
    auto *cards = qobject_cast<DeviceCardDelegate *>(list->itemDelegate());
    QVERIFY(cards);
    for (int row = 0; row < page.model()->rowCount(); ++row) {
        const DeviceItemWidget *card = page.cardForRow(row);
        QVERIFY(card);
        const QRect button = cards->deleteButtonRect(page.model()->index(row));
        // Where the card the row is drawn from lies in the list.
        const QPoint cardOrigin = button.topLeft() - card->deleteButton()->mapTo(card, QPoint(0, 0));
        QVERIFY2(visible.contains(button), qPrintable(QStringLiteral("button at %1,%2 %3x%4 outside %5 px")
                                                          .arg(button.x())
                                                          .arg(button.y())
                                                          .arg(button.width())
                                                          .arg(button.height())
                                                          .arg(visible.width())));
        // The name comes first: the share, badges and icon give way to it.
        const auto *name = card->findChild<QLabel *>(QStringLiteral("m_labelChannelGroupName"));
        QVERIFY(name);
        QVERIFY2(name->width() >= name->sizeHint().width(), qPrintable(name->text()));
        // Texts that do not fit end where the list ends; the encoding shows whole.
        const QString encoding =
            page.model()->index(row).data(DeviceListModel::GroupRole).value<StructDeviceItem>().strEncoding;
        int encodings = 0;
        for (QLabel *label : card->findChildren<QLabel *>()) {
            if (!label->isVisibleTo(card) || label->text().isEmpty())
                continue;
            auto *valueLabel = qobject_cast<aptui::Label *>(label);
            const QString shown = valueLabel ? card->shownValueText(valueLabel) : label->text();
            if (label->text().endsWith(encoding)) {
                ++encodings;
                QVERIFY2(shown.endsWith(encoding), qPrintable(shown));
            }
            const int textRight = cardOrigin.x() + label->mapTo(card, label->contentsRect().topLeft()).x() +
                                  label->fontMetrics().horizontalAdvance(shown);
            QVERIFY2(textRight <= visible.right() + 1,
                     qPrintable(label->objectName() + QLatin1Char(' ') + label->text()));
        }
        QCOMPARE(encodings, 1);
    }
}

void TestDeviceListLayout::modelRows_data()
{
    QTest::addColumn<QList<qlonglong>>("inserted");
    QTest::addColumn<QList<qlonglong>>("removed");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<QList<qlonglong>>("ids");
    QTest::addColumn<QStringList>("changes");

    QTest::newRow("new ids go to the end") << QList<qlonglong>{1, 2, 3} << QList<qlonglong>{} << false
                                           << QList<qlonglong>{1, 2, 3} << texts({"insert 0", "insert 1", "insert 2"});
    QTest::newRow("rows keep the order they came in")
        << QList<qlonglong>{2, 5, 3} << QList<qlonglong>{} << false << QList<qlonglong>{2, 5, 3}
        << texts({"insert 0", "insert 1", "insert 2"});
    QTest::newRow("out of order, a removal still finds its row")
        << QList<qlonglong>{2, 5, 3} << QList<qlonglong>{3, 2} << false << QList<qlonglong>{5}
        << texts({"insert 0", "insert 1", "insert 2", "remove 2", "remove 0"});
    QTest::newRow("an id held already is refused")
        << QList<qlonglong>{1, 1} << QList<qlonglong>{} << false << QList<qlonglong>{1} << texts({"insert 0"});
    QTest::newRow("a removal takes out its row")
        << QList<qlonglong>{1, 2, 3} << QList<qlonglong>{2} << false << QList<qlonglong>{1, 3}
        << texts({"insert 0", "insert 1", "insert 2", "remove 1"});
    QTest::newRow("removing an id not held changes nothing")
        << QList<qlonglong>{1} << QList<qlonglong>{7} << false << QList<qlonglong>{1} << texts({"insert 0"});
    QTest::newRow("a clear resets the model") << QList<qlonglong>{1, 2} << QList<qlonglong>{} << true
                                              << QList<qlonglong>{} << texts({"insert 0", "insert 1", "reset"});
}

void TestDeviceListLayout::modelRows()
{
    QFETCH(QList<qlonglong>, inserted);
    QFETCH(QList<qlonglong>, removed);
    QFETCH(bool, cleared);
    QFETCH(QList<qlonglong>, ids);

    DeviceListModel model;
    RowChanges changes(&model);
    for (qlonglong id : inserted)
        model.insertGroup(id, group(QStringLiteral("IPC"), 1, 100, 3, QStringLiteral("25"), int(id)));
    for (qlonglong id : removed)
        model.removeGroup(id);
    if (cleared)
        model.clear();

    QTEST(changes.events, "changes");
    QCOMPARE(model.rowCount(), ids.size());
    for (int row = 0; row < ids.size(); ++row) {
        QCOMPARE(model.index(row).data(DeviceListModel::IdRole).toLongLong(), ids.at(row));
        QCOMPARE(model.groupAt(row).iChannelGroupNumber, int(ids.at(row)));
        QCOMPARE(model.rowOf(ids.at(row)), row);
    }
}

void TestDeviceListLayout::modelRoles_data()
{
    QTest::addColumn<StructDeviceItem>("item");
    QTest::addColumn<bool>("converted");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("toolTips");
    QTest::addColumn<QString>("sentence");

    StructDeviceItem fixed = group(QStringLiteral("IPC"), 8, 2048, 3, QStringLiteral("25"), 4);
    const QStringList fixedTexts = texts(
        {"Counts : 8", "Fixted Rate : 2048 kbps", "Frame Rate : 25", "Resolution : 1080P", "Encode Type : H.264"});
    QTest::newRow("fixed rate") << fixed << false << fixedTexts << fixedTexts
                                << "Group(4): Counts : 8, Fixted Rate : 2048 kbps, Frame Rate : 25, "
                                   "Resolution : 1080P, Encode Type : H.264";

    StructDeviceItem scene = group(QStringLiteral("DVR"), 2, 1024.5, 1, QString(), 5);
    scene.strScene = QStringLiteral("Hospital");
    QTest::newRow("scene") << scene << false
                           << texts({"Counts : 2", "Variable Rate : 1024.5 kbps", "Resolution : 1080P",
                                     "Encode Type : H.264", "Scene Type : Hospital"})
                           << texts({"Counts : 2", "Variable Rate : 1024.5 kbps", "", "Encode Type : H.264",
                                     "Scene Type : Hospital"})
                           << "Group(5): Counts : 2, Variable Rate : 1024.5 kbps, Resolution : 1080P, "
                              "Encode Type : H.264, Scene Type : Hospital";

    // As a switch to PAL leaves a 30 fps group: the rate reads whole.
    StructDeviceItem converted = group(QStringLiteral("IPC"), 8, 3072.9, 3, QStringLiteral("25"), 6);
    const QStringList convertedTexts = texts(
        {"Counts : 8", "Fixted Rate : 3072 kbps", "Frame Rate : 25", "Resolution : 1080P", "Encode Type : H.264"});
    QTest::newRow("converted") << converted << true << convertedTexts << convertedTexts
                               << "Group(6): Counts : 8, Fixted Rate : 3072 kbps, Frame Rate : 25, "
                                  "Resolution : 1080P, Encode Type : H.264";

    // Its own retention is read out after the values its card shows.
    StructDeviceItem ownRetention = group(QStringLiteral("IPC"), 8, 2048, 3, QStringLiteral("25"), 7);
    ownRetention.policy.own = true;
    ownRetention.policy.retention = 90;
    ownRetention.policy.eventDays = 275;
    ownRetention.policy.eventShare = 20;
    QTest::newRow("own retention") << ownRetention << false << fixedTexts << fixedTexts
                                   << "Group(7): Counts : 8, Fixted Rate : 2048 kbps, Frame Rate : 25, "
                                      "Resolution : 1080P, Encode Type : H.264, kept 90 day(s), "
                                      "events kept 275 more day(s)";
}

void TestDeviceListLayout::modelRoles()
{
    QFETCH(StructDeviceItem, item);
    QFETCH(bool, converted);
    QFETCH(QString, sentence);

    DeviceListModel model;
    if (converted) {
        StructDeviceItem before = item;
        before.strFrameRate = QStringLiteral("30");
        before.dBitrate = 4096;
        model.insertGroup(7, before);
        QVERIFY(model.updateFrameRateAndRate(7, item.strFrameRate, item.dBitrate));
    } else {
        model.insertGroup(7, item);
    }

    const QModelIndex row = model.index(0);
    QCOMPARE(row.data(DeviceListModel::IdRole).toLongLong(), 7LL);
    QCOMPARE(row.data(DeviceListModel::GroupRole).value<StructDeviceItem>(), item);
    QCOMPARE(row.data(DeviceListModel::ChannelNameRole).toString(), item.strChannelName);
    QCOMPARE(row.data(DeviceListModel::RateConvertedRole).toBool(), converted);
    QTEST(row.data(DeviceListModel::ValueTextsRole).toStringList(), "texts");
    QTEST(row.data(DeviceListModel::ValueToolTipsRole).toStringList(), "toolTips");
    QCOMPARE(row.data(Qt::DisplayRole).toString(), sentence);
    QCOMPARE(row.data(Qt::AccessibleTextRole).toString(), sentence);
}

void TestDeviceListLayout::conversionChangesItsRows_data()
{
    QTest::addColumn<int>("toStandard");
    QTest::addColumn<QStringList>("frameRates");
    QTest::addColumn<QStringList>("changes");

    QTest::newRow("to PAL") << 0 << texts({"30", "25", "60", "15"}) << texts({"changed 0-0", "changed 2-2"});
    QTest::newRow("to NTSC") << 1 << texts({"30", "25", "50"}) << texts({"changed 1-1", "changed 2-2"});
    QTest::newRow("nothing to convert") << 0 << texts({"25", ""}) << QStringList();
}

void TestDeviceListLayout::conversionChangesItsRows()
{
    QFETCH(int, toStandard);
    QFETCH(QStringList, frameRates);

    DeviceAddPage page;
    for (int row = 0; row < frameRates.size(); ++row)
        page.addDeviceTypeItem(group(QStringLiteral("IPC"), 2, 4096, 3, frameRates.at(row), row + 1));
    RowChanges changes(page.model());

    page.OnFrametareStandardChanged(toStandard);

    QTEST(changes.events, "changes");
    // The rows show what the page holds.
    const QMap<long long, StructDeviceItem> groups = page.getDeviceData();
    QCOMPARE(page.model()->rowCount(), groups.size());
    for (int row = 0; row < groups.size(); ++row) {
        const QModelIndex index = page.model()->index(row);
        const long long id = index.data(DeviceListModel::IdRole).toLongLong();
        QCOMPARE(index.data(DeviceListModel::GroupRole).value<StructDeviceItem>(), groups.value(id));
    }
}

void TestDeviceListLayout::clickOnDeleteButtonDeletesItsRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("onButton");
    QTest::newRow("first") << 0 << true;
    QTest::newRow("last") << 2 << true;
    QTest::newRow("beside the button") << 1 << false;
}

void TestDeviceListLayout::clickOnDeleteButtonDeletesItsRow()
{
    QFETCH(int, row);
    QFETCH(bool, onButton);
    DeviceAddPage page;
    showThreeGroups(page);
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    settle();
    QAbstractItemView *list = page.listView();
    auto *cards = qobject_cast<DeviceCardDelegate *>(list->itemDelegate());
    const QModelIndex index = page.model()->index(row);
    const long long id = index.data(DeviceListModel::IdRole).toLongLong();
    const QRect button = cards->deleteButtonRect(index);
    QVERIFY(list->visualRect(index).contains(button));
    // Just left of the button is still the card, but no button.
    const QPoint at = onButton ? button.center() : button.topLeft() - QPoint(3, 0);

    QSignalSpy deletes(&page, &DeviceAddPage::SianalDeviceDelete);
    QTest::mouseMove(list->viewport(), at);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();

    QCOMPARE(deletes.count(), onButton ? 1 : 0);
    QCOMPARE(page.getDeviceData().contains(id), !onButton);
    QCOMPARE(page.model()->rowCount(), onButton ? 2 : 3);
    // No widget stands in for a row.
    QVERIFY(list->viewport()->findChildren<DeviceItemWidget *>().isEmpty());
}

void TestDeviceListLayout::doubleClickDeletesOneGroup()
{
    DeviceAddPage page;
    showThreeGroups(page);
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    settle();
    QAbstractItemView *list = page.listView();
    auto *cards = qobject_cast<DeviceCardDelegate *>(list->itemDelegate());
    const QPoint at = cards->deleteButtonRect(page.model()->index(0)).center();
    // The next group's button slides under the pointer after the first click.
    const int rowHeight = list->visualRect(page.model()->index(0)).height();
    QVERIFY(cards->deleteButtonRect(page.model()->index(1)).translated(0, -rowHeight).contains(at));

    // As a window system delivers a double click: press, release, double click, release.
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();

    QCOMPARE(page.getDeviceData().keys(), (QList<long long>{2, 3}));
}

void TestDeviceListLayout::keyboardWalksAndDeletes_data()
{
    QTest::addColumn<QList<int>>("keys");
    // The current row afterwards, and the ids left.
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<long long>>("ids");

    const QList<long long> all{1, 2, 3};
    QTest::newRow("Down") << QList<int>{Qt::Key_Down} << 1 << all;
    QTest::newRow("End") << QList<int>{Qt::Key_End} << 2 << all;
    QTest::newRow("End, Home") << QList<int>{Qt::Key_End, Qt::Key_Home} << 0 << all;
    QTest::newRow("Down past the last") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down} << 2 << all;
    QTest::newRow("Page Down") << QList<int>{Qt::Key_PageDown} << 2 << all;
    QTest::newRow("Delete the first: the next is current") << QList<int>{Qt::Key_Delete} << 0 << QList<long long>{2, 3};
    QTest::newRow("Delete the middle") << QList<int>{Qt::Key_Down, Qt::Key_Delete} << 1 << QList<long long>{1, 3};
    QTest::newRow("Delete the last: the one before is current")
        << QList<int>{Qt::Key_End, Qt::Key_Delete} << 1 << QList<long long>{1, 2};
    QTest::newRow("Delete twice") << QList<int>{Qt::Key_Delete, Qt::Key_Delete} << 0 << QList<long long>{3};
}

void TestDeviceListLayout::keyboardWalksAndDeletes()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, row);
    QFETCH(QList<long long>, ids);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *before = new QLineEdit(&window);
    layout->addWidget(before);
    auto *page = new DeviceAddPage(&window);
    layout->addWidget(page);
    for (int number = 1; number <= 3; ++number)
        page->addDeviceTypeItem(group(QStringLiteral("IPC"), 1, 1024, 3, QStringLiteral("25"), number));
    window.resize(700, 300);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    settle();
    QAbstractItemView *list = page->listView();

    // Tab from the field before reaches the list, on its first card.
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), list);
    QCOMPARE(list->currentIndex().row(), 0);
    for (int key : keys) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCoreApplication::processEvents();
    }

    QCOMPARE(page->getDeviceData().keys(), ids);
    // The focus stays in the list, on a card.
    QCOMPARE(QApplication::focusWidget(), list);
    QCOMPARE(list->currentIndex().row(), row);
}

QTEST_MAIN(TestDeviceListLayout)
#include "tst_devicelist_layout.moc"
