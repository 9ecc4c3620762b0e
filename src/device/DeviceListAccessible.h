#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

#include <memory>

class DeviceListModel;
class DeviceListView;

// What a screen reader sees of the device list: a list with one item per
// card, each reading the whole card and offering the card's commands. The
// view paints its cards and owns no widget per row, so the items are made
// here when first asked for and kept under their group's id, so that a card
// answers with the same item however the rows around it change.
class DeviceListAccessible : public QAccessibleWidget
{
public:
    // Every DeviceListView answers with this interface from now on.
    static void install();

    explicit DeviceListAccessible(DeviceListView *view);
    ~DeviceListAccessible() override;

    // The children are the rows, child i being row i: QListView tells a new
    // current row by that number.
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    // The current row while the list has the focus.
    QAccessibleInterface *focusChild() const override;

private:
    static QAccessibleInterface *create(const QString &className, QObject *object);

    DeviceListView *view() const;
    // The rows of the model the view shows now, none when it shows another
    // kind. Forgets the items of a model the view no longer shows.
    DeviceListModel *rows() const;
    void forgetRows(int first, int last) const;
    void forgetAll() const;

    // Made on demand from const queries, hence mutable.
    mutable QPointer<DeviceListModel> m_model;
    // Receives the model's signals; gone with this interface, so are they.
    mutable std::unique_ptr<QObject> m_receiver;
    // Group id -> the registered item.
    mutable QHash<long long, QAccessible::Id> m_items;
};
