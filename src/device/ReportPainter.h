#pragma once

#include "device/ReportDocument.h"

#include <QList>
#include <QRect>

#include <functional>

class QPagedPaintDevice;
class QPainter;

// Draws the report onto the pages of a PDF: the title block on the first page,
// then each section as a centred title over a bordered table whose caption
// row is repeated on every page the table runs over and any note under it,
// the storage chart after the first section, and a footer with the page number on every page. A title
// never ends a page without its caption row and first data row. The pages are
// laid out before anything is drawn, so each footer knows the page count.
// Uses no widgets, so it runs on any thread.
class ReportPainter
{
public:
    // Called after each data row drawn with the rows done and the rows in all;
    // answering false stops the drawing.
    using Progress = std::function<bool(int done, int total)>;

    explicit ReportPainter(const ReportDocument &document);

    // Draws everything onto the device, which the painter is open on. False
    // when the progress callback asked to stop.
    bool paint(QPagedPaintDevice &device, QPainter &painter, const Progress &progress = {});

    int rowCount() const { return m_rowCount; }
    // The pages the last paint() laid out.
    int pageCount() const { return int(m_pages.size()); }

private:
    struct Metrics;
    enum class Kind { TitleBlock, SectionTitle, Caption, Row, Totals, Note, Chart };
    // Something drawn at a place on a page; for rows, which table and row.
    struct Block
    {
        Kind kind;
        int table = -1;
        int row = -1;
        int top = 0;
        int height = 0;
    };
    using Page = QList<Block>;

    void layout(QPainter &painter, const Metrics &metrics);
    int cellsHeight(QPainter &painter, const QStringList &cells, const QFont &font, const Metrics &metrics) const;
    int titleBlockHeight(QPainter &painter, const Metrics &metrics) const;
    int chartHeight(const Metrics &metrics) const;

    void drawBlock(QPainter &painter, const Block &block, const Metrics &metrics) const;
    void drawCells(QPainter &painter, const QStringList &cells, const QRect &band, const QFont &font,
                   const QColor &background, const Metrics &metrics) const;
    void drawSectionTitle(QPainter &painter, const QString &title, const QRect &band, const Metrics &metrics) const;
    void drawTitleBlock(QPainter &painter, const QRect &band, const Metrics &metrics) const;
    void drawChart(QPainter &painter, const QRect &band, const Metrics &metrics) const;
    void drawFooter(QPainter &painter, int page, const Metrics &metrics) const;

    ReportDocument m_document;
    int m_rowCount = 0;
    QList<Page> m_pages;
};
