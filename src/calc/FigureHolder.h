#pragma once

#include <QWidget>

#include <memory>

class QBoxLayout;
class QLabel;
class QTextDocument;

// Holds one figure label and gives it all of its room. It has no layout on
// purpose: a changed figure then repaints its label without laying out the
// whole window again, which a layout would do on every new text. A figure
// too big for that room is drawn scaled down until it fits rather than cut;
// the label keeps its text, font and geometry.
class FigureHolder : public QWidget
{
    Q_OBJECT

public:
    // The label becomes the holder's child; margins are kept around it.
    FigureHolder(QLabel *label, QWidget *parent, const QMargins &margins = QMargins());
    ~FigureHolder() override;

    // A note under the figures: a centred, word-wrapping plain-text label of
    // that object name in a holder with room for `lines` lines, added to
    // `layout`. Answers the label.
    static QLabel *addNote(QBoxLayout *layout, const QString &objectName, int lines, QWidget *parent);

    // Keeps room for that many lines of the label's font whatever its text,
    // so that a word-wrapping label can change its text without a new layout.
    void setLineRoom(int lines);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QSize withMargins(const QSize &size) const;
    QSize lineRoomSize(const QSize &labelSize) const;
    // Lays the label's text out as the label does; answers the scale at which
    // it fits the label's room, 1 when it fits as it is.
    qreal fitScale(const QRect &room);
    // Whether the label's own size says its text fits the room unscaled.
    bool fitsAsItIs(const QRect &room) const;
    bool fitsAt(qreal scale, const QRect &room);
    void paintScaled(qreal scale, const QRect &room);

    QLabel *m_label = nullptr;
    QMargins m_margins;
    int m_lineRoom = 0;
    // The label's text as last laid out, and what it was laid out from.
    std::unique_ptr<QTextDocument> m_document;
    QString m_documentText;
    QFont m_documentFont;
    int m_documentOptions = -1;
    // The scale last found, and for which room.
    QSize m_fitRoom;
    qreal m_fitScale = 1.0;
};
