#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace FenwaGUIToolkit {

class CFile
{
public:
    // Whole text of the file; empty when it cannot be read.
    static QString ReadAll(const QString &path);
    // The texts of the named files of one folder, joined in list order.
    static QString ReadAll(const QStringList &fileNames, const QString &folder);
    // Replaces the file with exactly these bytes, or leaves it as it was: the
    // bytes go to a temporary file beside it, which is renamed into place only
    // once every byte has been written. False on any failure.
    static bool WriteAll(const QString &path, const QByteArray &data);
};

} // namespace FenwaGUIToolkit
