#include "model/VariantComparison.h"

#include "model/FigureFormat.h"

#include <cmath>
#include <utility>

VariantComparison::VariantComparison(const QVector<Variant> &variants) : m_variants(variants)
{
    m_rows.reserve(kFigures);
    for (int figure = 0; figure < kFigures; ++figure)
        m_rows.append(compare(variants, Figure(figure)));
}

VariantComparison::Better VariantComparison::better(Figure figure)
{
    switch (figure) {
    case Channels:
        return Neither;
    case DaysKept:
    case ArrayUsableTB:
        return Higher;
    case StorageBitrate:
    case Bandwidth:
    case DiskNeeded:
    case DrivesNeeded:
        break;
    }
    return Lower;
}

double VariantComparison::value(const PlanFigures &figures, Figure figure)
{
    switch (figure) {
    case Channels:
        return double(figures.channels);
    case StorageBitrate:
        return figures.storageKbps;
    case Bandwidth:
        return figures.bandwidthKbps;
    case DiskNeeded:
        return figures.diskGB;
    case DaysKept:
        return figures.days;
    case DrivesNeeded:
        return figures.drivesNeeded;
    case ArrayUsableTB:
        break;
    }
    return figures.arrayUsableTB;
}

bool VariantComparison::hasFigure(double value, Figure figure)
{
    // No channels, no storage and no bandwidth are figures too; no days, no
    // disk, no drives and no capacity mean there is nothing to show.
    switch (figure) {
    case Channels:
    case StorageBitrate:
    case Bandwidth:
        return std::isfinite(value) && value >= 0.0;
    case DiskNeeded:
    case DaysKept:
    case DrivesNeeded:
    case ArrayUsableTB:
        break;
    }
    return FigureFormat::isFigure(value);
}

VariantComparison::Row VariantComparison::compare(const QVector<Variant> &variants, Figure figure)
{
    Row row;
    row.figure = figure;
    row.better = better(figure);
    int withFigure = 0;
    for (const Variant &variant : variants) {
        Cell cell;
        cell.value = value(variant.figures, figure);
        cell.figure = hasFigure(cell.value, figure);
        withFigure += cell.figure ? 1 : 0;
        row.cells.append(cell);
    }
    if (row.cells.isEmpty())
        return row;

    const Cell base = row.cells.constFirst();
    for (qsizetype i = 1; i < row.cells.size(); ++i) {
        Cell &cell = row.cells[i];
        if (!cell.figure || !base.figure)
            continue;
        cell.difference = cell.value - base.value;
        if (base.value > 0.0) {
            // Multiplied first: a half per cent stays exactly a half.
            cell.percent = cell.difference * 100.0 / base.value;
            cell.percentText = FigureFormat::percentChange(cell.percent);
        }
    }

    if (row.better == Neither || withFigure < 2)
        return row;
    bool found = false;
    double best = 0.0;
    bool allEqual = true;
    for (const Cell &cell : std::as_const(row.cells)) {
        if (!cell.figure)
            continue;
        if (found && cell.value != best)
            allEqual = false;
        if (!found || (row.better == Lower ? cell.value < best : cell.value > best))
            best = cell.value;
        found = true;
    }
    if (allEqual)
        return row;
    for (Cell &cell : row.cells)
        cell.best = cell.figure && cell.value == best;
    return row;
}
