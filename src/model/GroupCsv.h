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
// on motion), Scene Complexity (Low, Medium, High: the scene the bitrate was
// worked out for) and Rate From Table (yes when the bitrate is the tables'
// recommendation, no when it was typed), then the columns of a group's own
// retention (RetentionPolicyCsv). Fields are quoted as RFC 4180 has it.
class GroupCsv
{
    Q_DECLARE_TR_FUNCTIONS(GroupCsv)

public:
    // A row, or the whole file, that was not read: its 1-based line (where the
    // row starts) and a translated reason.
    struct Refusal
    {
        int line = 0;
        QString reason;
    };

    struct Reading
    {
        // The rows read, in the file's order.
        QVector<StructDeviceItem> groups;
        // The rows refused, in the file's order; the others are read all the same.
        QVector<Refusal> refusedRows;
        // Set when the file as a whole cannot be read (a quoted field never
        // closed, no header or a required column missing): nothing is read then.
        Refusal fileFault;

        bool isRefused() const { return !fileFault.reason.isEmpty(); }
    };

    // UTF-8 with a byte-order mark, lines ending in CR LF. Names are written as
    // typed, without the "(n)" of their channel-group number: the number belongs
    // to the plan, and whoever imports the file assigns new ones.
    static QByteArray write(const QVector<StructDeviceItem> &groups);

    // Reads what write() produces, in any column order (columns are known by
    // their header names, in any case; others are ignored; Frame Rate, Scene,
    // Recording Share, Scene Complexity and Rate From Table may be left out) and
    // in any encoding LocaleTextFile::decode recognises. Blank rows are skipped.
    // Groups come with iChannelGroupNumber 0, bFlag false and no extra text. A
    // missing or empty share reads 100, complexity Medium and the rate as typed,
    // which is what sheets from before those columns meant. Complexity is also
    // read as 0, 1 or 2, and the rate's origin as yes/no, true/false or 1/0, in
    // any case.
    static Reading read(const QByteArray &bytes);
};
