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
    // Parses one table. The header's frame-rate points replace `points` (an empty
    // file leaves it empty); rows whose field count is not points + 1 are dropped.
    // False, with nothing changed, when the file cannot be opened.
    static bool read(const QString &path, QList<double> &points, QList<BitrateRow> &rows);

    // Reads every regular file of the folder in the order the directory lists
    // them and stores its rows under its complete base name (the encoding). The
    // names read are appended to `encodings` once each, in that order. A missing
    // folder reads nothing.
    static void readFolder(const QString &folder, QList<double> &points, QMap<QString, QList<BitrateRow>> &tables,
                           QStringList *encodings = nullptr);
};
