#include "support/TestUi.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace TestUi {

namespace {

void sendMouse(QWidget *widget, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(local);
    QMouseEvent event(type, local, local, global, button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

void sendMousePress(QWidget *widget, Qt::MouseButton button)
{
    sendMouse(widget, QEvent::MouseButtonPress, button, button);
}

void sendMouseRelease(QWidget *widget, Qt::MouseButton button)
{
    sendMouse(widget, QEvent::MouseButtonRelease, button, Qt::NoButton);
}

void sendDoubleClick(QWidget *widget, Qt::MouseButton button)
{
    sendMousePress(widget, button);
    sendMouseRelease(widget, button);
    sendMouse(widget, QEvent::MouseButtonDblClick, button, button);
    sendMouseRelease(widget, button);
}

void sendEnter(QWidget *widget)
{
    const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
    QEnterEvent event(local, local, widget->mapToGlobal(local));
    QCoreApplication::sendEvent(widget, &event);
}

void sendLeave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

QAbstractButton *findButton(QWidget *root, const QString &objectName)
{
    return root ? root->findChild<QAbstractButton *>(objectName) : nullptr;
}

} // namespace TestUi
