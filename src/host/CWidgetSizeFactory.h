#pragma once

#include <QSize>

class QWidget;

namespace FenwaGUIToolkit {

// Maximise and restore for frameless windows. A frameless window cannot rely on
// the window manager (there may be none), so the normal geometry is kept on the
// window and the available screen area is applied by hand.
class CWidgetSizeFactory
{
public:
    virtual ~CWidgetSizeFactory() = default;

    bool IsMaximized(const QWidget *window) const;
    bool IsFullScreen(const QWidget *window) const;
    void ShowMaximized(QWidget *window);
    // Back to the normal state; a valid size replaces the remembered one.
    void ShowNormal(QWidget *window, const QSize &size = QSize());
};

} // namespace FenwaGUIToolkit
