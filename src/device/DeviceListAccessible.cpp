#include "device/DeviceListAccessible.h"

#include "device/DeviceListModel.h"
#include "device/DeviceListView.h"
#include "device/DeviceRowAccessible.h"

#include <utility>

void DeviceListAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&DeviceListAccessible::create);
        return true;
    }();
    Q_UNUSED(installed)
}

QAccessibleInterface *DeviceListAccessible::create(const QString &className, QObject *object)
{
    // Asked once for every class up the object's ancestry; the view's own
    // class comes before QListView's.
    if (className != QLatin1String(DeviceListView::staticMetaObject.className()))
        return nullptr;
    auto *view = qobject_cast<DeviceListView *>(object);
    return view ? new DeviceListAccessible(view) : nullptr;
}

DeviceListAccessible::DeviceListAccessible(DeviceListView *view) : QAccessibleWidget(view, QAccessible::List) {}

DeviceListAccessible::~DeviceListAccessible()
{
    // The view may be half destroyed by now: only the items are let go.
    forgetAll();
}

DeviceListView *DeviceListAccessible::view() const
{
    return static_cast<DeviceListView *>(widget());
}

DeviceListModel *DeviceListAccessible::rows() const
{
    // Nothing to tell of a view on its way out.
    if (!isValid())
        return nullptr;
    auto *model = qobject_cast<DeviceListModel *>(view()->model());
    if (model == m_model)
        return model;
    // The view shows another model: the items of the last one are gone, and
    // a new receiver leaves its signals behind.
    forgetAll();
    m_receiver = std::make_unique<QObject>();
    m_model = model;
    if (model) {
        QObject::connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, m_receiver.get(),
                         [this](const QModelIndex &parent, int first, int last) {
                             if (!parent.isValid())
                                 forgetRows(first, last);
                         });
        QObject::connect(model, &QAbstractItemModel::modelAboutToBeReset, m_receiver.get(), [this] { forgetAll(); });
        QObject::connect(model, &QObject::destroyed, m_receiver.get(), [this] { forgetAll(); });
    }
    return model;
}

void DeviceListAccessible::forgetRows(int first, int last) const
{
    if (m_items.isEmpty() || !m_model)
        return;
    for (int row = first; row <= last; ++row) {
        const auto item = m_items.constFind(m_model->idAt(row));
        if (item == m_items.cend())
            continue;
        const QAccessible::Id id = item.value();
        m_items.erase(item);
        QAccessible::deleteAccessibleInterface(id);
    }
}

void DeviceListAccessible::forgetAll() const
{
    const QHash<long long, QAccessible::Id> items = std::exchange(m_items, {});
    for (const QAccessible::Id id : items)
        QAccessible::deleteAccessibleInterface(id);
}

int DeviceListAccessible::childCount() const
{
    const DeviceListModel *model = rows();
    return model ? model->rowCount() : 0;
}

QAccessibleInterface *DeviceListAccessible::child(int index) const
{
    const DeviceListModel *model = rows();
    if (!model || index < 0 || index >= model->rowCount())
        return nullptr;
    const long long group = model->idAt(index);
    const auto known = m_items.constFind(group);
    if (known != m_items.cend()) {
        auto *item = dynamic_cast<DeviceRowAccessible *>(QAccessible::accessibleInterface(known.value()));
        if (item && item->row() == index)
            return item;
        // Let go of by someone else: its number may belong to another interface now.
        m_items.erase(known);
    }
    auto *item = new DeviceRowAccessible(view(), model->index(index));
    m_items.insert(group, QAccessible::registerAccessibleInterface(item));
    return item;
}

int DeviceListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *item = dynamic_cast<const DeviceRowAccessible *>(child);
    return item && isValid() && item->view() == view() ? item->row() : -1;
}

QAccessibleInterface *DeviceListAccessible::childAt(int x, int y) const
{
    if (!isValid())
        return nullptr;
    const DeviceListView *list = view();
    const QPoint at = list->viewport()->mapFromGlobal(QPoint(x, y));
    if (!list->viewport()->rect().contains(at))
        return nullptr;
    const QModelIndex index = list->indexAt(at);
    return index.isValid() ? child(index.row()) : nullptr;
}

QAccessibleInterface *DeviceListAccessible::focusChild() const
{
    if (!isValid())
        return nullptr;
    const DeviceListView *list = view();
    if (list->hasFocus()) {
        if (QAccessibleInterface *current = child(list->currentIndex().row()))
            return current;
    }
    return QAccessibleWidget::focusChild();
}
