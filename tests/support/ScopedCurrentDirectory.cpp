#include "support/ScopedCurrentDirectory.h"

#include <QDir>

ScopedCurrentDirectory::ScopedCurrentDirectory(const QString &path) : m_previous(QDir::currentPath())
{
    m_entered = QDir::setCurrent(path);
}

ScopedCurrentDirectory::~ScopedCurrentDirectory()
{
    if (m_entered)
        QDir::setCurrent(m_previous);
}
