#pragma once

#include <QWidget>

class QLabel;

// Holds one figure label and gives it all of its room. It has no layout on
// purpose: a changed figure then repaints its label without laying out the
// whole window again, which a layout would do on every new text.
class FigureHolder : public QWidget
{
    Q_OBJECT

public:
    // The label becomes the holder's child; margins are kept around it.
    FigureHolder(QLabel *label, QWidget *parent, const QMargins &margins = QMargins());

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QSize withMargins(const QSize &size) const;

    QLabel *m_label = nullptr;
    QMargins m_margins;
};
