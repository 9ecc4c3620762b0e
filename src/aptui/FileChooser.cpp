#include "aptui/FileChooser.h"

#include <QFileDialog>

namespace aptui {

namespace {
FileChooser::Function s_save;
FileChooser::Function s_open;
} // namespace

QString FileChooser::saveFileName(QWidget *parent, const QString &caption, const QString &start, const QString &filter)
{
    if (s_save)
        return s_save(parent, caption, start, filter);
    return QFileDialog::getSaveFileName(parent, caption, start, filter);
}

QString FileChooser::openFileName(QWidget *parent, const QString &caption, const QString &start, const QString &filter)
{
    if (s_open)
        return s_open(parent, caption, start, filter);
    return QFileDialog::getOpenFileName(parent, caption, start, filter);
}

void FileChooser::setSaveFunction(Function function)
{
    s_save = std::move(function);
}

void FileChooser::setOpenFunction(Function function)
{
    s_open = std::move(function);
}

} // namespace aptui
