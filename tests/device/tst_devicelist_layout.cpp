// How the device list lays its cards out: row heights by page width, cards
// that stay inside the list whatever its width and language, the rows of its
// model and the real card that the mouse or the keyboard brings up on a row.
#include "aptui/Label.h"
#include "device/DeviceAddPage.h"
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
    void hoveredRowGetsARealCard_data();
    void hoveredRowGetsARealCard();
    void tabWalksTheRows_data();
    void tabWalksTheRows();

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
    for (int row = 0; row < page.model()->rowCount(); ++row) {
        DeviceItemWidget *card = page.cardForRow(row);
        QVERIFY(card);
        auto *remove = card->findChild<QWidget *>(QStringLiteral("m_btnDelete"));
        const QRect button(remove->mapTo(list->viewport(), QPoint(0, 0)), remove->size());
        QVERIFY2(visible.contains(button), qPrintable(QStringLiteral("button at %1,%2 %3x%4 outside %5 px")
                                                          .arg(button.x())
                                                          .arg(button.y())
                                                          .arg(button.width())
                                                          .arg(button.height())
                                                          .arg(visible.width())));
        // Texts that do not fit end where the list ends; the encoding shows whole.
        const QString encoding =
            page.model()->index(row).data(DeviceListModel::GroupRole).value<StructDeviceItem>().strEncoding;
        int encodings = 0;
        for (QLabel *label : card->findChildren<QLabel *>()) {
            if (!label->isVisible() || label->text().isEmpty())
                continue;
            auto *valueLabel = qobject_cast<aptui::Label *>(label);
            const QString shown = valueLabel ? card->shownValueText(valueLabel) : label->text();
            if (label->text().endsWith(encoding)) {
                ++encodings;
                QVERIFY2(shown.endsWith(encoding), qPrintable(shown));
            }
            const int textRight = label->mapTo(list->viewport(), label->contentsRect().topLeft()).x() +
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
    QTest::newRow("a lower id takes its place")
        << QList<qlonglong>{2, 5, 3} << QList<qlonglong>{} << false << QList<qlonglong>{2, 3, 5}
        << texts({"insert 0", "insert 1", "insert 1"});
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

void TestDeviceListLayout::hoveredRowGetsARealCard_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("first") << 0;
    QTest::newRow("middle") << 1;
    QTest::newRow("last") << 2;
}

void TestDeviceListLayout::hoveredRowGetsARealCard()
{
    QFETCH(int, row);
    DeviceAddPage page;
    showThreeGroups(page);
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    settle();
    QAbstractItemView *list = page.listView();
    const QModelIndex index = page.model()->index(row);
    const long long id = index.data(DeviceListModel::IdRole).toLongLong();

    QTest::mouseMove(list->viewport(), list->visualRect(index).center());

    auto *card = qobject_cast<DeviceItemWidget *>(list->indexWidget(index));
    QVERIFY(card);
    QVERIFY(card->isVisible());
    QCOMPARE(card->deviceId(), id);
    // The other rows are painted: at most the keyboard's row has a card too.
    QVERIFY(list->viewport()->findChildren<DeviceItemWidget *>().size() <= 2);

    QSignalSpy deletes(&page, &DeviceAddPage::SianalDeviceDelete);
    QToolButton *remove = card->deleteButton();
    QCOMPARE(remove->objectName(), QStringLiteral("m_btnDelete"));
    QTest::mouseClick(remove, Qt::LeftButton);

    QCOMPARE(deletes.count(), 1);
    QCOMPARE(deletes.at(0).at(0).toInt(), row + 1);
    QVERIFY(!page.getDeviceData().contains(id));
    QCOMPARE(page.model()->rowCount(), 2);
    QCOMPARE(page.model()->rowOf(id), -1);
}

void TestDeviceListLayout::tabWalksTheRows_data()
{
    QTest::addColumn<QList<int>>("keys");
    // The row whose delete button ends up with the focus; -1 when it left the list.
    QTest::addColumn<int>("row");

    QTest::newRow("Tab to the second row") << QList<int>{Qt::Key_Tab} << 1;
    QTest::newRow("Tab to the last row") << QList<int>{Qt::Key_Tab, Qt::Key_Tab} << 2;
    QTest::newRow("and back") << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab} << 1;
    QTest::newRow("Tab past the last row") << QList<int>{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab} << -1;
    QTest::newRow("Backtab before the first row") << QList<int>{Qt::Key_Backtab} << -1;
}

void TestDeviceListLayout::tabWalksTheRows()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, row);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *page = new DeviceAddPage(&window);
    layout->addWidget(page);
    auto *next = new QLineEdit(&window);
    layout->addWidget(next);
    for (int number = 1; number <= 3; ++number)
        page->addDeviceTypeItem(group(QStringLiteral("IPC"), 1, 1024, 3, QStringLiteral("25"), number));
    window.resize(700, 600);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QAbstractItemView *list = page->listView();

    // Without the mouse, the first row has a card; the list hands its focus on to
    // that card's delete button.
    QTRY_VERIFY(list->indexWidget(page->model()->index(0)));
    auto *first = qobject_cast<DeviceItemWidget *>(list->indexWidget(page->model()->index(0)));
    QTRY_VERIFY(list->focusPolicy() & Qt::TabFocus);
    list->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), first->deleteButton());
    for (int key : keys)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));

    QWidget *focus = QApplication::focusWidget();
    if (row < 0) {
        QCOMPARE(focus, next);
        return;
    }
    QVERIFY(focus);
    QCOMPARE(focus->objectName(), QStringLiteral("m_btnDelete"));
    auto *card = qobject_cast<DeviceItemWidget *>(focus->parentWidget());
    QVERIFY(card);
    QCOMPARE(card, list->indexWidget(page->model()->index(row)));
    QCOMPARE(card->deviceId(), row + 1LL);
}

QTEST_MAIN(TestDeviceListLayout)
#include "tst_devicelist_layout.moc"
