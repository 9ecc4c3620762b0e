#include "calc/FigureLabel.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include <algorithm>
#include <cmath>

namespace {

// Below this a figure would be unreadable anyway; it is cut there instead.
constexpr qreal kSmallestScale = 0.05;
// Qt keeps no glyph images of fonts this large and fills every glyph's
// outline on each paint; such runs are drawn from images kept here.
constexpr int kLargestCachedGlyph = 64;

// Whether each character of the text is a glyph of its own, drawn at its
// advance as the text would be: Latin-1 without combining marks.
bool drawnCharByChar(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xff || c.category() == QChar::Mark_NonSpacing)
            return false;
    }
    return true;
}

// Draws the text with its baseline starting at `origin`, one kept image a
// character; answers false when it should be drawn as text instead.
bool drawFromImages(QPainter &painter, const QPointF &origin, const QString &text, const QFont &font,
                    const QColor &colour)
{
    // Scaled down to fit, the figure is drawn as text: an image would blur.
    if (QFontInfo(font).pixelSize() <= kLargestCachedGlyph ||
        painter.worldTransform().type() > QTransform::TxTranslate || !drawnCharByChar(text))
        return false;
    const QFontMetricsF metrics(font);
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QString prefix =
        QStringLiteral("tavo-figure:%1:%2:%3:").arg(font.key(), colour.name(QColor::HexArgb)).arg(ratio);
    qreal x = origin.x();
    for (const QChar c : text) {
        // Each image holds the glyph's own ink and a pixel around it.
        const QRect ink = metrics.boundingRect(c).toAlignedRect().adjusted(-1, -1, 1, 1);
        QPixmap image;
        if (!ink.isEmpty() && !QPixmapCache::find(prefix + c, &image)) {
            image = QPixmap(ink.size() * ratio);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::transparent);
            QPainter glyph(&image);
            glyph.setRenderHints(painter.renderHints() | QPainter::TextAntialiasing);
            glyph.setFont(font);
            glyph.setPen(colour);
            glyph.drawText(QPointF(-ink.left(), -ink.top()), QString(c));
            glyph.end();
            QPixmapCache::insert(prefix + c, image);
        }
        if (!image.isNull())
            painter.drawPixmap(QPointF(x + ink.left(), origin.y() + ink.top()), image);
        x += metrics.horizontalAdvance(c);
    }
    return true;
}

} // namespace

FigureLabel::FigureLabel(QWidget *parent) : QLabel(parent)
{
    // The label itself never lays the markup out.
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
}

void FigureLabel::setFigure(const QString &markup, const QList<Line> &lines)
{
    m_lines = lines;
    m_natural = QSize();
    QStringList words;
    for (const Line &line : lines) {
        for (const Run &run : line) {
            // A rule drawn with dashes is nothing to read out.
            if (std::any_of(run.text.cbegin(), run.text.cend(), [](QChar c) { return c.isLetterOrNumber(); }))
                words.append(run.text);
        }
    }
    setAccessibleName(words.join(QLatin1Char(' ')).simplified());
    setText(markup);
}

QFont FigureLabel::runFont(const Run &run) const
{
    QFont font = this->font();
    if (!run.family.isEmpty())
        font.setFamilies({run.family});
    if (run.size > 0) {
        if (run.sizeInPixels)
            font.setPixelSize(int(std::lround(run.size)));
        else
            font.setPointSizeF(run.size);
    }
    if (run.bold)
        font.setWeight(QFont::DemiBold);
    return font;
}

FigureLabel::LineBox FigureLabel::measure(const Line &line) const
{
    LineBox box;
    // An empty line is as high as a line of the label's own font.
    if (line.isEmpty()) {
        const QFontMetricsF metrics(font());
        box.ascent = metrics.ascent();
        box.descent = metrics.descent();
    }
    for (const Run &run : line) {
        const QFontMetricsF metrics(runFont(run));
        box.width += metrics.horizontalAdvance(run.text);
        box.ascent = qMax(box.ascent, metrics.ascent());
        box.descent = qMax(box.descent, metrics.descent());
    }
    return box;
}

QSize FigureLabel::naturalSize() const
{
    if (m_natural.isValid())
        return m_natural;
    qreal width = 0;
    qreal height = 0;
    for (const Line &line : m_lines) {
        const LineBox box = measure(line);
        width = qMax(width, box.width);
        height += box.ascent + box.descent;
    }
    m_natural = QSize(int(std::ceil(width)), int(std::ceil(height)));
    return m_natural;
}

QSize FigureLabel::sizeHint() const
{
    const QMargins frame = contentsMargins();
    return naturalSize().grownBy(frame) + QSize(2 * margin(), 2 * margin());
}

QSize FigureLabel::minimumSizeHint() const
{
    return sizeHint();
}

int FigureLabel::heightForWidth(int) const
{
    return -1;
}

void FigureLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QSize natural = naturalSize();
    if (room.isEmpty() || natural.isEmpty())
        return;
    // Too large for its room, the figure is drawn smaller rather than cut.
    qreal scale = 1.0;
    if (natural.width() > room.width() || natural.height() > room.height()) {
        scale = qMin(qreal(room.width()) / natural.width(), qreal(room.height()) / natural.height());
        scale = qMax(kSmallestScale, scale);
    }
    painter.setClipRect(room);
    qreal top = room.top();
    if (alignment() & Qt::AlignVCenter)
        top += (room.height() - natural.height() * scale) / 2;
    else if (alignment() & Qt::AlignBottom)
        top += room.height() - natural.height() * scale;
    painter.translate(room.left(), top);
    painter.scale(scale, scale);
    const qreal width = room.width() / scale;
    const QColor defaultColour = palette().color(foregroundRole());

    qreal y = 0;
    for (const Line &line : m_lines) {
        const LineBox box = measure(line);
        const qreal baseline = y + box.ascent;
        qreal x = 0;
        if (alignment() & Qt::AlignHCenter)
            x = (width - box.width) / 2;
        else if (alignment() & Qt::AlignRight)
            x = width - box.width;
        for (const Run &run : line) {
            const QFont font = runFont(run);
            painter.setFont(font);
            const QColor colour = run.colour.isValid() ? run.colour : defaultColour;
            if (!drawFromImages(painter, QPointF(x, baseline), run.text, font, colour)) {
                painter.setPen(colour);
                painter.drawText(QPointF(x, baseline), run.text);
            }
            x += QFontMetricsF(font).horizontalAdvance(run.text);
        }
        y += box.ascent + box.descent;
    }
}

void FigureLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_natural = QSize();
    QLabel::changeEvent(event);
}
