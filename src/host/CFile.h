#pragma once

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
};

} // namespace FenwaGUIToolkit
