#include "host/TargetPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QMutex>

namespace FenwaGUIToolkit {

namespace {
QMutex s_pathMutex;
QString s_overridePath;

QString withSeparator(const QString &dir)
{
    QString path = QDir::fromNativeSeparators(dir);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}
} // namespace

QString GetTargetPath()
{
    {
        QMutexLocker lock(&s_pathMutex);
        if (!s_overridePath.isEmpty())
            return s_overridePath;
    }
    // Before the application object exists there is no program directory to ask.
    if (!QCoreApplication::instance())
        return withSeparator(QDir::currentPath());
    return withSeparator(QCoreApplication::applicationDirPath());
}

QString GetTargetPathFile(const QString &name)
{
    return GetTargetPath() + name;
}

void SetTargetPath(const QString &path)
{
    QMutexLocker lock(&s_pathMutex);
    s_overridePath = path.isEmpty() ? QString() : withSeparator(path);
}

} // namespace FenwaGUIToolkit
