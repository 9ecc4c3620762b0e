#pragma once

#include "device/ReportTable.h"

#include <QList>

#include <functional>

class QPagedPaintDevice;
class QPainter;

// Draws the report's sections onto the pages of a PDF, page by page: each
// section is a centred title over a bordered table whose caption row is
// repeated on every page the table runs over. A title never ends a page
// without its caption row and first data row. Uses no widgets, so it runs on
// any thread.
class ReportPainter
{
public:
    // Called after each data row drawn with the rows done and the rows in all;
    // answering false stops the drawing.
    using Progress = std::function<bool(int done, int total)>;

    explicit ReportPainter(const QList<ReportTable> &tables);

    // Draws everything onto the device, which the painter is open on. False
    // when the progress callback asked to stop.
    bool paint(QPagedPaintDevice &device, QPainter &painter, const Progress &progress = {});

    int rowCount() const { return m_rowCount; }

private:
    struct Metrics;
    int rowHeight(QPainter &painter, const QStringList &cells, const Metrics &metrics) const;
    void drawRow(QPainter &painter, const QStringList &cells, int top, int height, const Metrics &metrics,
                 bool caption) const;
    void drawTitle(QPainter &painter, const QString &title, int top, const Metrics &metrics) const;

    QList<ReportTable> m_tables;
    int m_rowCount = 0;
};
