#pragma once

#include <QMap>
#include <QString>

// One row of a bitrate table file: kbps by frame-rate point (fps as parsed from the header).
struct BitrateRow
{
    // The highest bitrate a data file may give; the lowest is 1 kbps.
    static constexpr int kMaxKbps = 204800;

    // Whether a bitrate read from a data file may become a figure. A field that is
    // not a whole number reads as 0 (QString::toInt), so it is never usable.
    static bool isUsable(int kbps) { return kbps >= 1 && kbps <= kMaxKbps; }

    QString resolution;
    QMap<double, int> bitrates;
};
