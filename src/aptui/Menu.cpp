#include "aptui/Menu.h"

#include <QEvent>

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
