#pragma once

class QWidget;

namespace FenwaGUIToolkit {

// The top-level window that holds the widget, or none. The second argument is
// kept for callers of the toolkit's form; only 0 is used.
QWidget *GetIndependentWindow(QWidget *widget, int reserved = 0);

} // namespace FenwaGUIToolkit
