#include "device/ReportPainter.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextOption>
#include <QtMath>

namespace {

// Greys only: the report is often printed in black and white.
const QColor kTitleBackground(0xF2, 0xF2, 0xF2);
const QColor kCaptionBackground(0xD9, 0xD9, 0xD9);
const QColor kStripeBackground(0xF7, 0xF7, 0xF7);
const QColor kBorder(0x9E, 0x9E, 0x9E);
const QColor kQuiet(0x40, 0x40, 0x40);
const QColor kBar(0x33, 0x33, 0x33);
constexpr double kCellPointSize = 9.0;
constexpr double kSectionPointSize = 12.0;
constexpr double kSmallPointSize = 8.0;
constexpr double kHeadingPointSize = 20.0;
constexpr double kFigurePointSize = 13.0;
constexpr double kTitleShare = 0.62;
constexpr double kChartLabelShare = 0.28;

int points(const QPaintDevice &device, double pt)
{
    return qRound(pt * device.logicalDpiY() / 72.0);
}

QFont sized(const QFont &base, double pointSize, bool bold = false)
{
    QFont font = base;
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

// Long names wrap at a word, or anywhere when a word alone is too wide.
QTextOption wrapping(Qt::Alignment alignment)
{
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

int textHeight(QPainter &painter, const QString &text, const QFont &font, int width)
{
    painter.setFont(font);
    const QRectF bounds = painter.boundingRect(QRectF(0, 0, qMax(1, width), 1e6), text, wrapping(Qt::AlignLeft));
    return qCeil(bounds.height());
}

void drawWrapped(QPainter &painter, const QRect &rect, const QString &text, const QFont &font, Qt::Alignment alignment,
                 const QColor &color = Qt::black)
{
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(QRectF(rect), text, wrapping(alignment));
}

} // namespace

// Page geometry, in device pixels.
struct ReportPainter::Metrics
{
    int width = 0;
    // Above the footer.
    int pageHeight = 0;
    int footerHeight = 0;
    int padding = 0;
    int sectionGap = 0;
    int titleHeight = 0;
    int lineHeight = 0;
    // One bar of the chart with the room around it.
    int barRowHeight = 0;
    QFont cell;
    QFont bold;
    QFont section;
    QFont small;
    QFont heading;
    QFont figure;
    QPen border;

    int columnLeft(int column, int columns) const { return width * column / columns; }
    int columnRight(int column, int columns) const { return width * (column + 1) / columns; }
};

ReportPainter::ReportPainter(const ReportDocument &document) : m_document(document)
{
    for (const ReportTable &table : std::as_const(m_document.tables))
        m_rowCount += int(table.rows.size());
}

int ReportPainter::cellsHeight(QPainter &painter, const QStringList &cells, const QFont &font,
                               const Metrics &metrics) const
{
    const int columns = qMax(1, int(cells.size()));
    int text = QFontMetrics(font, painter.device()).height();
    for (int column = 0; column < cells.size(); ++column) {
        if (cells.at(column).isEmpty())
            continue;
        const int cellWidth =
            metrics.columnRight(column, columns) - metrics.columnLeft(column, columns) - 2 * metrics.padding;
        text = qMax(text, textHeight(painter, cells.at(column), font, cellWidth));
    }
    // A row never outgrows half a page; what does not fit is cut off.
    return qMin(text + 2 * metrics.padding, metrics.pageHeight / 2);
}

int ReportPainter::titleBlockHeight(QPainter &painter, const Metrics &metrics) const
{
    const int left = qRound(metrics.width * kTitleShare);
    int heading =
        textHeight(painter, m_document.heading, m_document.planName.isEmpty() ? metrics.heading : metrics.cell, left);
    if (!m_document.planName.isEmpty())
        heading += textHeight(painter, m_document.planName, metrics.heading, left);
    const int facts = int(m_document.facts.size()) * metrics.lineHeight;

    const int figures = qMax(1, int(m_document.summary.size()));
    // As narrow as the narrowest box's text (see drawTitleBlock).
    const int inner = metrics.width / figures - 3 * metrics.padding;
    int caption = 0;
    int value = 0;
    for (const ReportFigure &figure : m_document.summary) {
        caption = qMax(caption, textHeight(painter, figure.caption, metrics.small, inner));
        value = qMax(value, textHeight(painter, figure.value, metrics.figure, inner));
    }
    return qMax(heading, facts) + 2 * metrics.padding + caption + value + 3 * metrics.padding;
}

int ReportPainter::chartHeight(const Metrics &metrics) const
{
    const int bars = qMax(1, int(m_document.chart.bars.size()));
    return metrics.titleHeight + 2 * metrics.padding + bars * metrics.barRowHeight;
}

void ReportPainter::layout(QPainter &painter, const Metrics &metrics)
{
    m_pages = {Page()};
    int y = 0;
    const auto place = [&](Kind kind, int height, int table = -1, int row = -1) {
        m_pages.last().append({kind, table, row, y, height});
        y += height;
    };
    const auto newPage = [&] {
        m_pages.append(Page());
        y = 0;
    };

    place(Kind::TitleBlock, titleBlockHeight(painter, metrics));
    y += metrics.sectionGap;
    for (int t = 0; t < m_document.tables.size(); ++t) {
        const ReportTable &table = m_document.tables.at(t);
        const int captionHeight = cellsHeight(painter, table.headers, metrics.bold, metrics);
        int firstHeight = 0;
        if (!table.rows.isEmpty())
            firstHeight = cellsHeight(painter, table.rows.first(), metrics.cell, metrics);
        else if (!table.totals.isEmpty())
            firstHeight = cellsHeight(painter, table.totals, metrics.bold, metrics);
        // The title stays with its caption row and first data row.
        if (y > 0 && y + metrics.titleHeight + captionHeight + firstHeight > metrics.pageHeight)
            newPage();
        place(Kind::SectionTitle, metrics.titleHeight, t);
        place(Kind::Caption, captionHeight, t);

        const auto placeRow = [&](Kind kind, int row, int height) {
            if (y + height > metrics.pageHeight) {
                newPage();
                place(Kind::Caption, captionHeight, t);
            }
            place(kind, height, t, row);
        };
        const int totalsHeight = table.totals.isEmpty() ? 0 : cellsHeight(painter, table.totals, metrics.bold, metrics);
        for (int r = 0; r < table.rows.size(); ++r) {
            const int height = r == 0 ? firstHeight : cellsHeight(painter, table.rows.at(r), metrics.cell, metrics);
            // The totals never start a page alone: the last row goes with them.
            const bool last = r == table.rows.size() - 1;
            if (last && r > 0 && y + height + totalsHeight > metrics.pageHeight) {
                newPage();
                place(Kind::Caption, captionHeight, t);
            }
            placeRow(Kind::Row, r, height);
        }
        if (!table.totals.isEmpty())
            placeRow(Kind::Totals, -1, totalsHeight);
        if (!table.note.isEmpty()) {
            const int height = textHeight(painter, table.note, metrics.small, metrics.width) + 2 * metrics.padding;
            if (y + height > metrics.pageHeight)
                newPage();
            place(Kind::Note, height, t);
        }
        y += metrics.sectionGap;

        if (t == 0) {
            // The chart is never split.
            const int height = chartHeight(metrics);
            if (y > 0 && y + height > metrics.pageHeight)
                newPage();
            place(Kind::Chart, height);
            y += metrics.sectionGap;
        }
    }
}

bool ReportPainter::paint(QPagedPaintDevice &device, QPainter &painter, const Progress &progress)
{
    Metrics metrics;
    metrics.width = device.width();
    metrics.padding = points(device, 3);
    metrics.cell = sized(m_document.font, kCellPointSize);
    metrics.bold = sized(m_document.font, kCellPointSize, true);
    metrics.section = sized(m_document.font, kSectionPointSize, true);
    metrics.small = sized(m_document.font, kSmallPointSize);
    metrics.heading = sized(m_document.font, kHeadingPointSize, true);
    metrics.figure = sized(m_document.font, kFigurePointSize, true);
    metrics.lineHeight = QFontMetrics(metrics.cell, &device).height();
    metrics.titleHeight = QFontMetrics(metrics.section, &device).height() + 2 * metrics.padding;
    metrics.sectionGap = qRound(1.25 * metrics.lineHeight);
    metrics.barRowHeight = qRound(1.7 * metrics.lineHeight);
    metrics.footerHeight = QFontMetrics(metrics.small, &device).height() + 2 * metrics.padding;
    metrics.pageHeight = device.height() - metrics.footerHeight - metrics.padding;
    metrics.border = QPen(kBorder, points(device, 0.75));

    layout(painter, metrics);

    int done = 0;
    for (int page = 0; page < m_pages.size(); ++page) {
        if (page > 0)
            device.newPage();
        for (const Block &block : std::as_const(m_pages.at(page))) {
            drawBlock(painter, block, metrics);
            if (block.kind == Kind::Row && progress && !progress(++done, m_rowCount))
                return false;
        }
        drawFooter(painter, page, metrics);
    }
    return true;
}

void ReportPainter::drawBlock(QPainter &painter, const Block &block, const Metrics &metrics) const
{
    const QRect band(0, block.top, metrics.width, block.height);
    switch (block.kind) {
    case Kind::TitleBlock:
        drawTitleBlock(painter, band, metrics);
        break;
    case Kind::SectionTitle:
        drawSectionTitle(painter, m_document.tables.at(block.table).title, band, metrics);
        break;
    case Kind::Caption:
        drawCells(painter, m_document.tables.at(block.table).headers, band, metrics.bold, kCaptionBackground, metrics);
        break;
    case Kind::Row:
        drawCells(painter, m_document.tables.at(block.table).rows.at(block.row), band, metrics.cell,
                  block.row % 2 ? kStripeBackground : QColor(Qt::white), metrics);
        break;
    case Kind::Totals: {
        const ReportTable &table = m_document.tables.at(block.table);
        drawCells(painter, table.totals, band, metrics.bold, Qt::white, metrics);
        // A black rule sets the totals off from the rows above them.
        painter.setPen(QPen(Qt::black, points(*painter.device(), 0.75)));
        painter.drawLine(band.topLeft(), band.topRight());
        break;
    }
    case Kind::Note:
        drawWrapped(painter, band.adjusted(0, metrics.padding, 0, -metrics.padding),
                    m_document.tables.at(block.table).note, metrics.small, Qt::AlignLeft | Qt::AlignTop, kQuiet);
        break;
    case Kind::Chart:
        drawChart(painter, band, metrics);
        break;
    }
}

void ReportPainter::drawCells(QPainter &painter, const QStringList &cells, const QRect &band, const QFont &font,
                              const QColor &background, const Metrics &metrics) const
{
    const int columns = qMax(1, int(cells.size()));
    const int top = band.top();
    const int bottom = band.top() + band.height();
    if (background != Qt::white)
        painter.fillRect(band, background);
    // Each line once, on the cells' edges: the row below draws its own top
    // line over its fill, so every line is as thick as the next.
    painter.setPen(metrics.border);
    painter.drawLine(0, top, metrics.width, top);
    painter.drawLine(0, bottom, metrics.width, bottom);
    for (int column = 0; column <= columns; ++column) {
        const int x = column == columns ? metrics.width : metrics.columnLeft(column, columns);
        painter.drawLine(x, top, x, bottom);
    }
    for (int column = 0; column < cells.size(); ++column) {
        if (cells.at(column).isEmpty())
            continue;
        const QRect cell(QPoint(metrics.columnLeft(column, columns), band.top()),
                         QPoint(metrics.columnRight(column, columns), band.bottom()));
        const QRect text = cell.adjusted(metrics.padding, metrics.padding, -metrics.padding, -metrics.padding);
        // Only a row cut at half a page height needs its text held in.
        const bool cut = band.height() >= metrics.pageHeight / 2;
        if (cut) {
            painter.save();
            painter.setClipRect(text);
        }
        drawWrapped(painter, text, cells.at(column), font, Qt::AlignCenter);
        if (cut)
            painter.restore();
    }
}

void ReportPainter::drawSectionTitle(QPainter &painter, const QString &title, const QRect &band,
                                     const Metrics &metrics) const
{
    painter.fillRect(band, kTitleBackground);
    painter.setPen(metrics.border);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(band));
    painter.setFont(metrics.section);
    painter.setPen(Qt::black);
    const QString elided = QFontMetrics(metrics.section, painter.device())
                               .elidedText(title, Qt::ElideRight, band.width() - 2 * metrics.padding);
    painter.drawText(band, Qt::AlignCenter | Qt::TextSingleLine, elided);
}

void ReportPainter::drawTitleBlock(QPainter &painter, const QRect &band, const Metrics &metrics) const
{
    const int left = qRound(metrics.width * kTitleShare);
    int y = band.top();
    if (m_document.planName.isEmpty()) {
        const int height = textHeight(painter, m_document.heading, metrics.heading, left);
        drawWrapped(painter, QRect(0, y, left, height), m_document.heading, metrics.heading, Qt::AlignLeft);
        y += height;
    } else {
        const int headingHeight = textHeight(painter, m_document.heading, metrics.cell, left);
        drawWrapped(painter, QRect(0, y, left, headingHeight), m_document.heading, metrics.cell, Qt::AlignLeft, kQuiet);
        y += headingHeight;
        const int nameHeight = textHeight(painter, m_document.planName, metrics.heading, left);
        drawWrapped(painter, QRect(0, y, left, nameHeight), m_document.planName, metrics.heading, Qt::AlignLeft);
        y += nameHeight;
    }

    int factsY = band.top();
    for (const QString &fact : m_document.facts) {
        drawWrapped(painter, QRect(left, factsY, metrics.width - left, metrics.lineHeight), fact, metrics.cell,
                    Qt::AlignRight | Qt::AlignTop, kQuiet);
        factsY += metrics.lineHeight;
    }
    y = qMax(y, factsY) + metrics.padding;
    painter.setPen(QPen(Qt::black, points(*painter.device(), 1.25)));
    painter.drawLine(0, y, metrics.width, y);
    y += metrics.padding * 2;

    // The key figures side by side, each a small caption over a bold value.
    const int figures = qMax(1, int(m_document.summary.size()));
    const QRect strip(0, y, metrics.width, band.bottom() - y);
    int captionHeight = 0;
    for (const ReportFigure &figure : m_document.summary) {
        const int inner = metrics.width / figures - 3 * metrics.padding;
        captionHeight = qMax(captionHeight, textHeight(painter, figure.caption, metrics.small, inner));
    }
    for (int i = 0; i < m_document.summary.size(); ++i) {
        const ReportFigure &figure = m_document.summary.at(i);
        const QRect box(QPoint(metrics.columnLeft(i, figures), strip.top()),
                        QPoint(metrics.columnRight(i, figures), strip.bottom()));
        painter.fillRect(box.adjusted(i > 0 ? metrics.padding : 0, 0, 0, 0), kTitleBackground);
        const QRect inner =
            box.adjusted(metrics.padding * (i > 0 ? 2 : 1), metrics.padding, -metrics.padding, -metrics.padding);
        drawWrapped(painter, QRect(inner.left(), inner.top(), inner.width(), captionHeight), figure.caption,
                    metrics.small, Qt::AlignLeft | Qt::AlignTop, kQuiet);
        drawWrapped(painter,
                    QRect(inner.left(), inner.top() + captionHeight, inner.width(), inner.height() - captionHeight),
                    figure.value, metrics.figure, Qt::AlignLeft | Qt::AlignTop);
    }
}

void ReportPainter::drawChart(QPainter &painter, const QRect &band, const Metrics &metrics) const
{
    const ReportChart &chart = m_document.chart;
    drawSectionTitle(painter, chart.title, QRect(band.left(), band.top(), band.width(), metrics.titleHeight), metrics);
    const QRect body = band.adjusted(0, metrics.titleHeight, 0, 0);
    painter.setPen(metrics.border);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(body));
    if (chart.bars.isEmpty()) {
        drawWrapped(painter, body, chart.emptyText, metrics.cell, Qt::AlignCenter);
        return;
    }

    const QFontMetrics cellMetrics(metrics.cell, painter.device());
    const int labelWidth = qRound(body.width() * kChartLabelShare);
    int valueWidth = 0;
    double largest = 0.0;
    for (const ReportBar &bar : chart.bars) {
        valueWidth = qMax(valueWidth, cellMetrics.horizontalAdvance(bar.value));
        largest = qMax(largest, bar.share);
    }
    const int barLeft = body.left() + labelWidth + metrics.padding * 2;
    const int barSpace = body.right() - barLeft - valueWidth - metrics.padding * 3;
    const int rowHeight = metrics.barRowHeight;

    int y = body.top() + metrics.padding;
    for (const ReportBar &bar : chart.bars) {
        const QRect label(body.left() + metrics.padding, y, labelWidth - metrics.padding, rowHeight);
        painter.setFont(bar.others ? metrics.bold : metrics.cell);
        painter.setPen(Qt::black);
        painter.drawText(
            label, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
            QFontMetrics(painter.font(), painter.device()).elidedText(bar.label, Qt::ElideRight, label.width()));

        const int length = largest > 0.0 ? qMax(1, qRound(barSpace * bar.share / largest)) : 1;
        const QRect shape(barLeft, y + rowHeight / 5, length, rowHeight - 2 * (rowHeight / 5));
        painter.setPen(QPen(kBar, points(*painter.device(), 0.5)));
        if (bar.others) {
            // The rest is hatched, so it stands apart without colour.
            const int step = points(*painter.device(), 4);
            painter.save();
            painter.setClipRect(shape);
            for (int x = shape.left() - shape.height(); x < shape.right(); x += step)
                painter.drawLine(x, shape.bottom(), x + shape.height(), shape.top());
            painter.restore();
            painter.setBrush(Qt::NoBrush);
        } else {
            painter.setBrush(kBar);
        }
        painter.drawRect(shape);

        painter.setFont(metrics.cell);
        painter.setPen(Qt::black);
        painter.drawText(QRect(shape.right() + metrics.padding * 2, y, valueWidth + metrics.padding, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, bar.value);
        y += rowHeight;
    }
    painter.setPen(QPen(Qt::black, points(*painter.device(), 0.75)));
    painter.drawLine(barLeft, body.top() + metrics.padding, barLeft, y);
}

void ReportPainter::drawFooter(QPainter &painter, int page, const Metrics &metrics) const
{
    const QRect band(0, metrics.pageHeight + metrics.padding, metrics.width, metrics.footerHeight);
    painter.setPen(QPen(kBorder, points(*painter.device(), 0.5)));
    painter.drawLine(band.left(), band.top() + metrics.padding, band.right(), band.top() + metrics.padding);

    const QRect text = band.adjusted(0, metrics.padding, 0, 0);
    const QString number = QString(m_document.pageNumber).arg(page + 1).arg(m_pages.size());
    const QFontMetrics fm(metrics.small, painter.device());
    const int side = metrics.width / 4;
    const QString title = m_document.planName.isEmpty() ? m_document.heading : m_document.planName;
    painter.setFont(metrics.small);
    painter.setPen(kQuiet);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     fm.elidedText(m_document.footer, Qt::ElideRight, side));
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine,
                     fm.elidedText(title, Qt::ElideMiddle, metrics.width - 2 * side - 4 * metrics.padding));
    painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, number);
}
