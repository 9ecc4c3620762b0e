#pragma once

#include "host/CWidgetSizeFactory.h"

#include <QPoint>
#include <QWidget>

namespace FenwaGUIToolkit {

// Title-bar base of frameless windows: dragging it moves the window (through
// the window system where it offers a move, by hand otherwise), and unless
// switched off a double click maximises or restores the window.
class CFancyTitle : public QWidget, public CWidgetSizeFactory
{
    Q_OBJECT

public:
    explicit CFancyTitle(QWidget *parent = nullptr);

    void SetOpenDoubleClickEnable(bool enable);
    bool IsOpenDoubleClickEnable() const { return m_doubleClickEnabled; }

signals:
    void SignalWndSizeStatusChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_doubleClickEnabled = true;
    bool m_dragging = false;
    QPoint m_dragOffset;
};

} // namespace FenwaGUIToolkit
