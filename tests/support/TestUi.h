#pragma once

#include <QAbstractButton>
#include <QString>
#include <Qt>

class QWidget;

// Direct event delivery for widget tests: no window system, no pointer
// position, no timing between clicks involved.
namespace TestUi {

void sendMousePress(QWidget *widget, Qt::MouseButton button = Qt::LeftButton);
void sendMouseRelease(QWidget *widget, Qt::MouseButton button = Qt::LeftButton);
// Press, release, double click and release, as a real double click arrives.
void sendDoubleClick(QWidget *widget, Qt::MouseButton button = Qt::LeftButton);
void sendEnter(QWidget *widget);
void sendLeave(QWidget *widget);

// The button of that object name below the widget; none when absent.
QAbstractButton *findButton(QWidget *root, const QString &objectName);

} // namespace TestUi
