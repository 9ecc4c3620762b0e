#include "device/DeviceAddPage.h"
#include "device/DeviceListGroups.h"
#include "device/DeviceListModel.h"
#include "device/DeviceListView.h"
#include "model/ModelDataDir.h"
#include "model/ModelMetaTypes.h"

#include <QAccessible>
#include <QAction>
#include <QHash>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

const QString kFixture = QStringLiteral("../device/list");
// More than the list shows at once, so that some rows lie out of sight.
constexpr int kGroups = 12;

// Gives every text a mark, so that a language change shows in every text.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return QStringLiteral("[%1]").arg(QString::fromUtf8(sourceText));
    }
};

DeviceListView *viewOf(const DeviceAddPage &page)
{
    return qobject_cast<DeviceListView *>(page.listView());
}

QAccessibleInterface *accessibleList(const DeviceAddPage &page)
{
    return QAccessible::queryAccessibleInterface(page.listView());
}

QString cardText(const DeviceAddPage &page, int row)
{
    return page.model()->index(row).data(Qt::AccessibleTextRole).toString();
}

// The name an item gives the command now.
QString actionName(const DeviceListView *view, const QString &command)
{
    if (command == QLatin1String("edit"))
        return view->editAction()->text();
    if (command == QLatin1String("duplicate"))
        return view->duplicateAction()->text();
    if (command == QLatin1String("delete"))
        return view->deleteAction()->text();
    return QAccessibleActionInterface::setFocusAction();
}

} // namespace

class TestDeviceListAccess : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rowsReadAsTheirCards_data();
    void rowsReadAsTheirCards();
    void actionsSpeakTheLanguageOfTheMoment();
    void commandsActOnTheirRow_data();
    void commandsActOnTheirRow();
    void childrenFollowTheList_data();
    void childrenFollowTheList();
    void focusFollowsTheCurrentRow_data();
    void focusFollowsTheCurrentRow();
    void offscreenFollowsScrolling_data();
    void offscreenFollowsScrolling();

private:
    // A page with kGroups groups ("Group(1)" … with ids 1 …), shown away from
    // the screen's corner so that screen and window coordinates differ.
    bool showPage();

    std::unique_ptr<ModelDataDir> m_data;
    std::unique_ptr<DeviceAddPage> m_page;
};

void TestDeviceListAccess::initTestCase()
{
    registerModelMetaTypes();
}

void TestDeviceListAccess::init()
{
    m_data = std::make_unique<ModelDataDir>(kFixture);
    QVERIFY(m_data->isValid());
    QVERIFY(showPage());
}

void TestDeviceListAccess::cleanup()
{
    m_page.reset();
    m_data.reset();
}

bool TestDeviceListAccess::showPage()
{
    m_page = std::make_unique<DeviceAddPage>();
    for (int number = 1; number <= kGroups; ++number)
        m_page->addDeviceTypeItem(
            group(QStringLiteral("IPC"), number, 256.0 * number, 3, QStringLiteral("25"), number));
    m_page->resize(700, 400);
    m_page->move(120, 80);
    m_page->show();
    m_page->activateWindow();
    return QTest::qWaitForWindowActive(m_page.get());
}

void TestDeviceListAccess::rowsReadAsTheirCards_data()
{
    QTest::addColumn<int>("row");

    QTest::newRow("first") << 0;
    QTest::newRow("second") << 1;
    QTest::newRow("fourth") << 3;
}

void TestDeviceListAccess::rowsReadAsTheirCards()
{
    QFETCH(int, row);
    DeviceListView *view = viewOf(*m_page);
    QAccessibleInterface *list = accessibleList(*m_page);
    QVERIFY(list);
    QCOMPARE(list->role(), QAccessible::List);
    QCOMPARE(list->text(QAccessible::Name), view->accessibleName());
    QCOMPARE(list->childCount(), kGroups);

    QAccessibleInterface *item = list->child(row);
    QVERIFY(item);
    QCOMPARE(item->role(), QAccessible::ListItem);
    QCOMPARE(item->text(QAccessible::Name), cardText(*m_page, row));
    QCOMPARE(item->parent(), list);
    QCOMPARE(list->indexOfChild(item), row);
    QCOMPARE(list->child(row), item);
    // On screen where the card is drawn, and found there.
    const QRect card = view->visualRect(m_page->model()->index(row));
    const QRect onScreen = item->rect();
    QCOMPARE(onScreen, QRect(view->viewport()->mapToGlobal(card.topLeft()), card.size()));
    QCOMPARE(list->childAt(onScreen.center().x(), onScreen.center().y()), item);
}

void TestDeviceListAccess::actionsSpeakTheLanguageOfTheMoment()
{
    DeviceListView *view = viewOf(*m_page);
    QAccessibleActionInterface *actions = accessibleList(*m_page)->child(2)->actionInterface();
    QVERIFY(actions);
    const QStringList before = actions->actionNames();
    QString edited;
    connect(m_page.get(), &DeviceAddPage::signalEditRequested, this,
            [&edited](long long id, const StructDeviceItem &item) {
                edited = QStringLiteral("%1 %2").arg(id).arg(item.strChannelName);
            });

    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCoreApplication::processEvents();
    const QStringList names = actions->actionNames();
    const QStringList texts{view->editAction()->text(), view->duplicateAction()->text(), view->deleteAction()->text()};
    actions->doAction(texts.first());
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(names, texts + QStringList{QAccessibleActionInterface::setFocusAction()});
    QVERIFY(names.first() != before.first());
    QCOMPARE(edited, QStringLiteral("3 Group(3)"));
}

void TestDeviceListAccess::commandsActOnTheirRow_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("current");

    QTest::newRow("edit below the current row") << "edit" << 2 << 0;
    QTest::newRow("duplicate above the current row") << "duplicate" << 0 << 3;
    QTest::newRow("delete the first row") << "delete" << 0 << 2;
    QTest::newRow("delete a middle row") << "delete" << 5 << 0;
    QTest::newRow("delete the last row, out of sight") << "delete" << kGroups - 1 << 0;
    QTest::newRow("focus a row out of sight") << "focus" << kGroups - 2 << 1;
}

void TestDeviceListAccess::commandsActOnTheirRow()
{
    QFETCH(QString, command);
    QFETCH(int, row);
    QFETCH(int, current);
    DeviceListView *view = viewOf(*m_page);
    view->setCurrentIndex(m_page->model()->index(current));
    view->clearFocus();
    QStringList requests;
    connect(m_page.get(), &DeviceAddPage::signalEditRequested, this,
            [&requests](long long id) { requests.append(QStringLiteral("edit %1").arg(id)); });
    connect(m_page.get(), &DeviceAddPage::signalDuplicateRequested, this,
            [&requests](long long id) { requests.append(QStringLiteral("duplicate %1").arg(id)); });
    const long long id = m_page->model()->idAt(row);
    QList<long long> ids = m_page->getDeviceData().keys();

    accessibleList(*m_page)->child(row)->actionInterface()->doAction(actionName(view, command));

    const bool asksThePage = command == QLatin1String("edit") || command == QLatin1String("duplicate");
    QCOMPARE(requests, asksThePage ? QStringList{QStringLiteral("%1 %2").arg(command).arg(id)} : QStringList());
    if (command == QLatin1String("delete"))
        ids.removeOne(id);
    else
        QCOMPARE(view->currentIndex().row(), row);
    QCOMPARE(view->hasFocus(), command == QLatin1String("focus"));
    QCOMPARE(m_page->getDeviceData().keys(), ids);
}

void TestDeviceListAccess::childrenFollowTheList_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("row");

    QTest::newRow("add at the end") << "add" << -1;
    QTest::newRow("delete the first") << "delete" << 0;
    QTest::newRow("delete a middle one") << "delete" << 6;
    QTest::newRow("delete the last") << "delete" << kGroups - 1;
    QTest::newRow("duplicate into the middle") << "duplicate" << 4;
    QTest::newRow("replace all") << "replace" << -1;
}

void TestDeviceListAccess::childrenFollowTheList()
{
    QFETCH(QString, change);
    QFETCH(int, row);
    DeviceListModel *model = m_page->model();
    QAccessibleInterface *list = accessibleList(*m_page);
    // Every row asked for, as a screen reader walking the list does.
    QHash<long long, QAccessible::Id> items;
    for (int at = 0; at < list->childCount(); ++at)
        items.insert(model->idAt(at), QAccessible::uniqueId(list->child(at)));

    const StructDeviceItem added = group(QStringLiteral("DVR"), 7, 4000, 3, QStringLiteral("25"), kGroups + 1);
    if (change == QLatin1String("add"))
        m_page->addDeviceTypeItem(added);
    else if (change == QLatin1String("delete"))
        m_page->OnDeleteDeviceItem(model->idAt(row), model->groupAt(row).iChannelGroupNumber);
    else if (change == QLatin1String("duplicate"))
        m_page->duplicateGroup(model->idAt(row), added);
    else
        m_page->setGroups({added, added});

    // The items of the groups that went are gone (asked before any new item
    // could take their number); those that stayed answer as before.
    for (auto item = items.cbegin(); item != items.cend(); ++item) {
        if (model->rowOf(item.key()) < 0)
            QVERIFY2(!QAccessible::accessibleInterface(item.value()), qPrintable(QString::number(item.key())));
    }
    QCOMPARE(list->childCount(), model->rowCount());
    for (int at = 0; at < model->rowCount(); ++at) {
        QAccessibleInterface *child = list->child(at);
        QVERIFY(child);
        QCOMPARE(child->text(QAccessible::Name), cardText(*m_page, at));
        QCOMPARE(list->indexOfChild(child), at);
        if (items.contains(model->idAt(at)))
            QCOMPARE(QAccessible::uniqueId(child), items.value(model->idAt(at)));
    }
}

void TestDeviceListAccess::focusFollowsTheCurrentRow_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("focused");

    QTest::newRow("first row, list focused") << 0 << true;
    QTest::newRow("fourth row, list focused") << 3 << true;
    QTest::newRow("last row, list focused") << kGroups - 1 << true;
    QTest::newRow("fourth row, focus elsewhere") << 3 << false;
}

void TestDeviceListAccess::focusFollowsTheCurrentRow()
{
    QFETCH(int, current);
    QFETCH(bool, focused);
    DeviceListView *view = viewOf(*m_page);
    QAccessibleInterface *list = accessibleList(*m_page);
    view->setCurrentIndex(m_page->model()->index(current));
    if (focused)
        view->setFocus(Qt::OtherFocusReason);
    else
        view->clearFocus();
    QCOMPARE(view->hasFocus(), focused);

    QAccessibleInterface *item = list->child(current);
    QCOMPARE(list->focusChild() == item, focused);
    for (int row = 0; row < kGroups; ++row) {
        const QAccessible::State state = list->child(row)->state();
        QVERIFY(state.selectable && state.focusable);
        QCOMPARE(bool(state.selected), row == current);
        QCOMPARE(bool(state.focused), focused && row == current);
    }
    // QListView tells a new current row as the list's child of that number.
    QAccessibleEvent event(view, QAccessible::Focus);
    event.setChild(current);
    QCOMPARE(event.accessibleInterface(), item);
}

void TestDeviceListAccess::offscreenFollowsScrolling_data()
{
    QTest::addColumn<bool>("scrolledToEnd");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("offscreen");

    QTest::newRow("at the top: first row") << false << 0 << false;
    QTest::newRow("at the top: last row") << false << kGroups - 1 << true;
    QTest::newRow("at the end: first row") << true << 0 << true;
    QTest::newRow("at the end: last row") << true << kGroups - 1 << false;
}

void TestDeviceListAccess::offscreenFollowsScrolling()
{
    QFETCH(bool, scrolledToEnd);
    QFETCH(int, row);
    QFETCH(bool, offscreen);
    if (scrolledToEnd)
        viewOf(*m_page)->scrollToBottom();

    QCOMPARE(bool(accessibleList(*m_page)->child(row)->state().offscreen), offscreen);
}

QTEST_MAIN(TestDeviceListAccess)
#include "tst_devicelist_access.moc"
