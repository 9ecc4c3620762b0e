#pragma once

#include <QMap>
#include <QString>

// One row of a bitrate table file: kbps by frame-rate point (fps as parsed from the header).
struct BitrateRow
{
    QString resolution;
    QMap<double, int> bitrates;
};
