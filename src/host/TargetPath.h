#pragma once

#include <QString>

namespace FenwaGUIToolkit {

// Directory of the program's data files, ending in a separator. It is the
// program's own directory unless SetTargetPath() chose another one.
QString GetTargetPath();

// Full path of a bare file or folder name inside GetTargetPath().
QString GetTargetPathFile(const QString &name);

// Points the data directory somewhere else (tests use a temporary folder).
// An empty path returns to the program's own directory.
void SetTargetPath(const QString &path);

} // namespace FenwaGUIToolkit
