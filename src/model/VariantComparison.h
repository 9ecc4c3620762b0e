#pragma once

#include "model/PlanFigures.h"

#include <QString>
#include <QVector>

// Variants of a plan side by side: for each figure compared, every variant's
// figure, how far it lies from the first variant's, and which variant does
// best on it. A figure of 0 (or less) where 0 means there is none (days, disk,
// drives, array capacity) is left out of differences and of the best.
class VariantComparison
{
public:
    struct Variant
    {
        QString name;
        PlanFigures figures;
    };

    enum Figure { Channels, StorageBitrate, Bandwidth, DiskNeeded, DaysKept, DrivesNeeded, ArrayUsableTB };
    static constexpr int kFigures = ArrayUsableTB + 1;
    // Which way a figure is better; channels are what the plan asks for, no better or worse.
    enum Better { Neither, Lower, Higher };

    struct Cell
    {
        // Whether the variant has this figure at all.
        bool figure = false;
        double value = 0.0;
        // Against the first variant, when both have the figure; 0 otherwise.
        double difference = 0.0;
        // The difference in per cent of the first variant's figure, unrounded,
        // and in words ("−38 %", "+12 %", "0 %"); empty for the first variant
        // itself and where that figure is 0 or none.
        double percent = 0.0;
        QString percentText;
        // The best of the variants on this figure. Variants that tie for best
        // are all marked, unless every variant with the figure has the same
        // one: then none is; nor with fewer than two variants to choose from.
        bool best = false;
    };

    struct Row
    {
        Figure figure = Channels;
        Better better = Neither;
        QVector<Cell> cells;
    };

    explicit VariantComparison(const QVector<Variant> &variants);

    const QVector<Variant> &variants() const { return m_variants; }
    // One row for each Figure, in its order; a cell for each variant, in theirs.
    const QVector<Row> &rows() const { return m_rows; }

    static Better better(Figure figure);
    // The variant's figure, and whether it has one.
    static double value(const PlanFigures &figures, Figure figure);
    static bool hasFigure(double value, Figure figure);

private:
    static Row compare(const QVector<Variant> &variants, Figure figure);

    QVector<Variant> m_variants;
    QVector<Row> m_rows;
};
