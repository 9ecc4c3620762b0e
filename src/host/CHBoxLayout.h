#pragma once

#include <QHBoxLayout>

namespace FenwaGUIToolkit {

// A horizontal box layout with the toolkit's call names.
class CHBoxLayout : public QHBoxLayout
{
    Q_OBJECT

public:
    explicit CHBoxLayout(QWidget *parent = nullptr);

    void AddWidget(QWidget *widget);
    // Takes ownership of the item.
    void AddItem(QLayoutItem *item, int stretch = 0);
    void SetLayoutContentsMargins(int left, int top, int right, int bottom);
    void SetLayoutSpacing(int spacing);
};

} // namespace FenwaGUIToolkit
