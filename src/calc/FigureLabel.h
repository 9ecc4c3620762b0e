#pragma once

#include <QColor>
#include <QLabel>
#include <QList>

// A label for a figure that changes with every added group: it answers its
// rich text to readers as any label does, but draws its lines of styled runs
// itself. A rich-text label would parse, lay out and draw a text document on
// every change, which was most of the cost of an add.
class FigureLabel : public QLabel
{
    Q_OBJECT

public:
    // One run of text in one style. A size of 0 keeps the label's own size.
    struct Run
    {
        QString text;
        qreal size = 0;
        bool sizeInPixels = false;
        bool bold = false;
        QColor colour;
        QString family;
    };
    using Line = QList<Run>;

    explicit FigureLabel(QWidget *parent = nullptr);

    // `markup` is what text() answers; `lines` are drawn, each centred.
    void setFigure(const QString &markup, const QList<Line> &lines);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct LineBox
    {
        qreal width = 0;
        qreal ascent = 0;
        qreal descent = 0;
    };

    QFont runFont(const Run &run) const;
    LineBox measure(const Line &line) const;
    // The lines' natural size, without frame and margins.
    QSize naturalSize() const;

    QList<Line> m_lines;
    mutable QSize m_natural;
};
