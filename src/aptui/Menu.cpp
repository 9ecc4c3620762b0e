#include "aptui/Menu.h"

#include <QAction>
#include <QEvent>
#include <QScreen>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace aptui {

Menu::Menu(QWidget *parent) : QMenu(parent)
{
    setup();
}

Menu::Menu(const QString &title, QWidget *parent) : QMenu(title, parent)
{
    setup();
}

void Menu::setup()
{
    Qt::WindowFlags flags = Qt::Popup | Qt::FramelessWindowHint;
#ifndef Q_OS_WIN
    // Elsewhere the platform takes the wish through the window flags.
    flags |= Qt::NoDropShadowWindowHint;
#endif
    setWindowFlags(flags);
    setAttribute(Qt::WA_TranslucentBackground);
    setObjectName(QStringLiteral("Menu"));
}

void Menu::popupUnder(const QWidget *anchor, bool selectFirst)
{
    const QSize size = sizeHint();
    QPoint at = anchor->mapToGlobal(QPoint(anchor->width() - size.width(), anchor->height()));
    if (const QScreen *screen = anchor->screen()) {
        const QRect room = screen->availableGeometry();
        at.setX(qBound(room.left(), at.x(), qMax(room.left(), room.right() + 1 - size.width())));
        at.setY(qBound(room.top(), at.y(), qMax(room.top(), room.bottom() + 1 - size.height())));
    }
    popup(at);
    if (!selectFirst)
        return;
    for (QAction *action : actions()) {
        if (action->isEnabled() && !action->isSeparator() && action->isVisible()) {
            setActiveAction(action);
            break;
        }
    }
}

bool Menu::event(QEvent *event)
{
#ifdef Q_OS_WIN
    // Popups of one process share a window class; taking the shadow bit off its
    // style once covers every menu created afterwards.
    static bool shadowRemoved = false;
    if (event->type() == QEvent::WinIdChange && !shadowRemoved) {
        shadowRemoved = true;
        const HWND hwnd = reinterpret_cast<HWND>(winId());
        const DWORD style = GetClassLongW(hwnd, GCL_STYLE);
        SetClassLongW(hwnd, GCL_STYLE, static_cast<LONG>(style & ~DWORD(CS_DROPSHADOW)));
    }
#endif
    return QMenu::event(event);
}

} // namespace aptui
