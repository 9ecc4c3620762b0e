#include "device/ReportPainter.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

const QColor kTitleBackground(0xFB, 0xFB, 0xFB);
const QColor kCaptionBackground(0xD9, 0xD9, 0xD9);
const QColor kBorder(0xAB, 0xBD, 0xD1);
constexpr double kTableShare = 0.9;
constexpr double kCellPointSize = 9.0;
constexpr double kTitlePointSize = 13.0;

int points(const QPaintDevice &device, double pt)
{
    return qRound(pt * device.logicalDpiY() / 72.0);
}

} // namespace

// Page geometry of one table, in device pixels.
struct ReportPainter::Metrics
{
    int left = 0;
    int width = 0;
    int columns = 1;
    int padding = 0;
    int titleHeight = 0;
    int sectionGap = 0;
    int pageHeight = 0;
    QFont cellFont;
    QFont titleFont;
    QPen border;

    int columnLeft(int column) const { return left + width * column / columns; }
    int columnRight(int column) const { return left + width * (column + 1) / columns; }
};

ReportPainter::ReportPainter(const QList<ReportTable> &tables) : m_tables(tables)
{
    for (const ReportTable &table : tables)
        m_rowCount += int(table.rows.size());
}

int ReportPainter::rowHeight(QPainter &painter, const QStringList &cells, const Metrics &metrics) const
{
    const QFontMetrics fm(metrics.cellFont, painter.device());
    int text = fm.height();
    for (int column = 0; column < cells.size(); ++column) {
        const int cellWidth = metrics.columnRight(column) - metrics.columnLeft(column) - 2 * metrics.padding;
        const QRect bounds = fm.boundingRect(QRect(0, 0, qMax(1, cellWidth), metrics.pageHeight),
                                             Qt::AlignHCenter | Qt::TextWordWrap, cells.at(column));
        text = qMax(text, bounds.height());
    }
    // A row never outgrows a page; what does not fit is cut off.
    return qMin(text + 2 * metrics.padding, metrics.pageHeight / 2);
}

void ReportPainter::drawRow(QPainter &painter, const QStringList &cells, int top, int height, const Metrics &metrics,
                            bool caption) const
{
    painter.setFont(metrics.cellFont);
    if (caption)
        painter.fillRect(QRect(metrics.left, top, metrics.width, height), kCaptionBackground);
    painter.setPen(metrics.border);
    painter.setBrush(Qt::NoBrush);
    for (int column = 0; column < metrics.columns; ++column) {
        const QRect cell(QPoint(metrics.columnLeft(column), top), QPoint(metrics.columnRight(column), top + height));
        painter.drawRect(cell);
    }
    painter.setPen(Qt::black);
    for (int column = 0; column < cells.size() && column < metrics.columns; ++column) {
        const QRect cell(QPoint(metrics.columnLeft(column), top), QPoint(metrics.columnRight(column), top + height));
        painter.drawText(cell.adjusted(metrics.padding, metrics.padding, -metrics.padding, -metrics.padding),
                         Qt::AlignCenter | Qt::TextWordWrap, cells.at(column));
    }
}

void ReportPainter::drawTitle(QPainter &painter, const QString &title, int top, const Metrics &metrics) const
{
    const QRect band(metrics.left, top, metrics.width, metrics.titleHeight);
    painter.fillRect(band, kTitleBackground);
    painter.setFont(metrics.titleFont);
    painter.setPen(Qt::black);
    painter.drawText(band, Qt::AlignCenter | Qt::TextSingleLine, title);
}

bool ReportPainter::paint(QPagedPaintDevice &device, QPainter &painter, const Progress &progress)
{
    Metrics metrics;
    metrics.width = qRound(device.width() * kTableShare);
    metrics.left = (device.width() - metrics.width) / 2;
    metrics.padding = points(device, 3);
    metrics.pageHeight = device.height();
    metrics.cellFont = QFont(painter.font());
    metrics.cellFont.setPointSizeF(kCellPointSize);
    metrics.titleFont = metrics.cellFont;
    metrics.titleFont.setPointSizeF(kTitlePointSize);
    metrics.titleHeight = QFontMetrics(metrics.titleFont, &device).height() + 2 * metrics.padding;
    metrics.sectionGap = 2 * QFontMetrics(metrics.cellFont, &device).height();
    metrics.border = QPen(kBorder, points(device, 0.75));

    int done = 0;
    int y = 0;
    for (const ReportTable &table : std::as_const(m_tables)) {
        metrics.columns = qMax(1, int(table.headers.size()));
        const int captionHeight = rowHeight(painter, table.headers, metrics);
        const int firstRowHeight = table.rows.isEmpty() ? 0 : rowHeight(painter, table.rows.first(), metrics);
        // The title stays with its caption row and first data row.
        if (y > 0 && y + metrics.titleHeight + captionHeight + firstRowHeight > metrics.pageHeight) {
            device.newPage();
            y = 0;
        }
        drawTitle(painter, table.title, y, metrics);
        y += metrics.titleHeight;
        drawRow(painter, table.headers, y, captionHeight, metrics, true);
        y += captionHeight;

        for (const QStringList &row : table.rows) {
            const int height = rowHeight(painter, row, metrics);
            if (y + height > metrics.pageHeight) {
                device.newPage();
                y = 0;
                drawRow(painter, table.headers, y, captionHeight, metrics, true);
                y += captionHeight;
            }
            drawRow(painter, row, y, height, metrics, false);
            y += height;
            if (progress && !progress(++done, m_rowCount))
                return false;
        }
        y += metrics.sectionGap;
    }
    return true;
}
