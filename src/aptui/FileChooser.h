#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace aptui {

// The program's file questions. Each can be replaced, so that tests answer
// without a real dialog; an empty function restores the file dialog.
class FileChooser
{
public:
    // (parent, caption, start folder or file, filter) -> chosen path, empty when cancelled.
    using Function = std::function<QString(QWidget *, const QString &, const QString &, const QString &)>;

    static QString saveFileName(QWidget *parent, const QString &caption, const QString &start, const QString &filter);
    static QString openFileName(QWidget *parent, const QString &caption, const QString &start, const QString &filter);

    static void setSaveFunction(Function function);
    static void setOpenFunction(Function function);
};

} // namespace aptui
