#pragma once

#include "model/BitrateRow.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// Reader of the per-encoding bitrate table files ("IPCBitrate", "DVRBitrate").
class BitrateTableFile
{
public:
    // The frame-rate points a table's header must hold for the interpolation.
    static constexpr int kPointCount = 7;

    // Parses one table. The header's frame-rate points replace `points` (an empty
    // file leaves it empty); rows whose field count is not points + 1 are dropped.
    // Empty fields that end the header past the seventh point, or a row past the
    // header's points, are left out: a spreadsheet pads its lines with them.
    // Warns about a header of other than seven points and about every bitrate
    // that is not usable (kept as read, 0 when it does not parse). False, with
    // nothing changed, when the file cannot be opened.
    static bool read(const QString &path, QList<double> &points, QList<BitrateRow> &rows);

    // Reads every regular file of the folder in the order the directory lists
    // them and stores its rows under its complete base name (the encoding). The
    // names read are appended to `encodings` once each, in that order. A missing
    // folder reads nothing.
    static void readFolder(const QString &folder, QList<double> &points, QMap<QString, QList<BitrateRow>> &tables,
                           QStringList *encodings = nullptr);
};
