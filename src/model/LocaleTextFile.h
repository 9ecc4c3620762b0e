#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reads the program's CSV data files: 8-bit text in the locale codec (a Unicode
// byte-order mark takes precedence), line ends translated.
class LocaleTextFile
{
public:
    // Every line of the file without its line end, empty lines included. False,
    // with lines untouched, when the file cannot be opened.
    static bool readLines(const QString &path, QStringList &lines);

    // Text of a file from elsewhere, whose encoding nobody states: a Unicode
    // byte-order mark decides (and is dropped); else valid UTF-8 is UTF-8; else
    // the legacy codec when one is named (the one a spreadsheet of the user's
    // language writes), else the locale codec, or GB18030 when the locale is UTF-8.
    static QString decode(const QByteArray &content, const QByteArray &legacyCodec = QByteArray());

    // Comma-separated fields; no quoting, empty fields kept, nothing trimmed.
    static QStringList fields(const QString &line);

    // The part after the last slash or backslash.
    static QString fileNamePart(const QString &path);
};
