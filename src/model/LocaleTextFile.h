#pragma once

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

    // Comma-separated fields; no quoting, empty fields kept, nothing trimmed.
    static QStringList fields(const QString &line);

    // The part after the last slash or backslash.
    static QString fileNamePart(const QString &path);
};
