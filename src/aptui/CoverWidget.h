#pragma once

#include "aptui/Widget.h"

class QHBoxLayout;

namespace aptui {

// The translucent overlay a window lays over itself while a modal question is
// open. Its colour comes from the style sheet rule of the inner "m_cover".
class CoverWidget : public Widget
{
    Q_OBJECT

public:
    explicit CoverWidget(QWidget *parent = nullptr);

private:
    QHBoxLayout *m_layout = nullptr;
    QWidget *m_cover = nullptr;
};

} // namespace aptui
