#include "host/CWidgetSizeFactory.h"

#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace FenwaGUIToolkit {

namespace {
const char kNormalGeometry[] = "_fenwa_normalGeometry";
}

bool CWidgetSizeFactory::IsMaximized(const QWidget *window) const
{
    return window && window->windowState().testFlag(Qt::WindowMaximized);
}

bool CWidgetSizeFactory::IsFullScreen(const QWidget *window) const
{
    return window && window->windowState().testFlag(Qt::WindowFullScreen);
}

void CWidgetSizeFactory::ShowMaximized(QWidget *window)
{
    if (!window || IsMaximized(window))
        return;
    window->setProperty(kNormalGeometry, window->geometry());
    // Geometry first: a geometry change would take the maximised state away again.
    if (QScreen *screen = window->screen())
        window->setGeometry(screen->availableGeometry());
    window->setWindowState((window->windowState() & ~Qt::WindowFullScreen) | Qt::WindowMaximized);
    window->show();
}

void CWidgetSizeFactory::ShowNormal(QWidget *window, const QSize &size)
{
    if (!window)
        return;
    window->setWindowState(window->windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized));
    const QRect normal = window->property(kNormalGeometry).toRect();
    if (normal.isValid())
        window->setGeometry(normal);
    if (size.isValid() && !size.isEmpty())
        window->resize(size);
    window->show();
}

} // namespace FenwaGUIToolkit
