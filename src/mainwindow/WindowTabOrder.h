#pragma once

class QWidget;

// The order the Tab key takes through the main window: the editor, then the
// list, the panel's buttons, the calculator's modes and its inputs, then the
// title bar's buttons.
class WindowTabOrder
{
public:
    static void apply(QWidget *window);
};
