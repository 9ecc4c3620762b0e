#pragma once

#include <QSlider>

namespace FenwaGUIToolkit {

// A slider that jumps to the clicked position instead of stepping a page.
class CSlider : public QSlider
{
    Q_OBJECT

public:
    explicit CSlider(QWidget *parent = nullptr);
    CSlider(Qt::Orientation orientation, QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace FenwaGUIToolkit
