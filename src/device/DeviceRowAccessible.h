#pragma once

#include <QAccessible>
#include <QPersistentModelIndex>
#include <QPointer>

class DeviceListView;

// One card of the device list as a screen reader sees it: a list item named
// by the whole card that offers the card's commands (edit, duplicate, delete,
// as the view's actions name them now) and taking the focus. A command acts on
// this card, which becomes the current one. DeviceListAccessible makes and
// drops the items; an item holds no widget of its own.
class DeviceRowAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    DeviceRowAccessible(DeviceListView *view, const QModelIndex &index);

    DeviceListView *view() const { return m_view; }
    // The row the card is on now, -1 once it has gone.
    int row() const;

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    QString localizedActionName(const QString &name) const override;
    QString localizedActionDescription(const QString &name) const override;
    QStringList keyBindingsForAction(const QString &name) const override;
    void doAction(const QString &name) override;

private:
    QPointer<DeviceListView> m_view;
    QPersistentModelIndex m_index;
};
