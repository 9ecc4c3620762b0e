#pragma once

#include "model/StructDeviceItem.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

// The channel groups as CSV for spreadsheets, one row per group, with a header
// row of English column names: Name, Channels, Device Type, Encoding,
// Resolution, Frame Rate, Scene, Bitrate (kbps), View Mode (1 live view,
// 2 recording, 3 both), Recording Share (%) (100 records all the time, less
// on motion). Fields are quoted as RFC 4180 has it.
class GroupCsv
{
    Q_DECLARE_TR_FUNCTIONS(GroupCsv)

public:
    // UTF-8 with a byte-order mark, lines ending in CR LF. Names are written as
    // typed, without the "(n)" of their channel-group number: the number belongs
    // to the plan, and whoever imports the file assigns new ones.
    static QByteArray write(const QVector<StructDeviceItem> &groups);

    // Reads what write() produces, in any column order (columns are known by
    // their header names, in any case; others are ignored; Frame Rate, Scene
    // and Recording Share may be left out) and in any encoding
    // LocaleTextFile::decode recognises. Blank rows are skipped. Groups come
    // with iChannelGroupNumber 0, bFlag false, no extra text and, without a
    // share, a share of 100; complexity and rate origin keep their defaults. On the first bad row the whole file is
    // refused: false, groups untouched, errorLine its 1-based line (where the row starts) and error a translated
    // reason.
    static bool read(const QByteArray &bytes, QVector<StructDeviceItem> &groups, int &errorLine, QString &error);
};
