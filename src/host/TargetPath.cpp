#include "host/TargetPath.h"

#include "host/HostLogging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMutex>
#include <QStandardPaths>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// Set by the build from the install directories; the defaults are GNU's.
#ifndef TAVO_PROGRAM_FOLDER
#define TAVO_PROGRAM_FOLDER "tavo-storage-calculator"
#endif
#ifndef TAVO_DATA_FROM_BIN
#define TAVO_DATA_FROM_BIN "../share/" TAVO_PROGRAM_FOLDER
#endif
#ifndef TAVO_PLUGINS_FROM_BIN
#define TAVO_PLUGINS_FROM_BIN "../lib/" TAVO_PROGRAM_FOLDER "/plugins"
#endif

namespace FenwaGUIToolkit {

namespace {
QMutex s_pathMutex;
QString s_overridePath;
QString s_userOverridePath;

QString withSeparator(const QString &dir)
{
    QString path = QDir::fromNativeSeparators(dir);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

// Where the running program's shipped files are. Worked out once: the
// program does not move while it runs.
struct ProgramLayout
{
    QString dataDir;
    QString pluginDir;
};

ProgramLayout programLayout()
{
    // Before the application object exists there is no program directory to ask.
    if (!QCoreApplication::instance())
        return {withSeparator(QDir::currentPath()), withSeparator(QDir::currentPath()) + QStringLiteral("plugins/")};
    static const ProgramLayout layout = [] {
        const QString programDir = withSeparator(QCoreApplication::applicationDirPath());
        const QFileInfo installedData(programDir + QStringLiteral(TAVO_DATA_FROM_BIN));
        // The build tree has no share folder beside bin/: its data lies beside the program.
        if (!installedData.isDir())
            return ProgramLayout{programDir, programDir + QStringLiteral("plugins/")};
        return ProgramLayout{withSeparator(installedData.canonicalFilePath()),
                             withSeparator(QDir::cleanPath(programDir + QStringLiteral(TAVO_PLUGINS_FROM_BIN)))};
    }();
    return layout;
}

QString stateHome()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    return QStandardPaths::writableLocation(QStandardPaths::GenericStateLocation);
#else
    // Qt before 6.7 does not know the state home; the XDG rule is simple enough.
    if (QStandardPaths::isTestModeEnabled())
        return QDir::homePath() + QStringLiteral("/.qttest/state");
    const QString xdg = qEnvironmentVariable("XDG_STATE_HOME");
    if (QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + QStringLiteral("/.local/state");
#endif
}
} // namespace

QString GetTargetPath()
{
    {
        QMutexLocker lock(&s_pathMutex);
        if (!s_overridePath.isEmpty())
            return s_overridePath;
    }
    return programLayout().dataDir;
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

QString GetPluginPath()
{
    {
        QMutexLocker lock(&s_pathMutex);
        if (!s_overridePath.isEmpty())
            return s_overridePath + QStringLiteral("plugins/");
    }
    return programLayout().pluginDir;
}

QString ProgramFolderName()
{
    return QStringLiteral(TAVO_PROGRAM_FOLDER);
}

QString GetUserDataPath(UserFolder folder)
{
    {
        QMutexLocker lock(&s_pathMutex);
        if (!s_userOverridePath.isEmpty())
            return s_userOverridePath;
        if (!s_overridePath.isEmpty())
            return s_overridePath;
    }
    QString home;
    switch (folder) {
    case UserFolder::Config:
        home = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        break;
    case UserFolder::Data:
        home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        break;
    case UserFolder::State:
        home = stateHome();
        break;
    }
    return withSeparator(withSeparator(home) + ProgramFolderName());
}

UserFolder UserFolderOf(const QString &name)
{
    const QString first = QDir::fromNativeSeparators(name).section(QLatin1Char('/'), 0, 0);
    if (first == QLatin1String("Setup.xml") || first == QLatin1String("Upgrade.xml"))
        return UserFolder::Config;
    return UserFolder::Data;
}

QString GetWritableFile(const QString &name)
{
    return GetWritableFile(name, UserFolderOf(name));
}

QString GetWritableFile(const QString &name, UserFolder folder)
{
    const QString path = GetUserDataPath(folder) + name;
    const QString parent = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(parent))
        qCWarning(lcHost).noquote() << "Cannot create the folder" << QDir::toNativeSeparators(parent);
    return path;
}

QString GetDataFile(const QString &name)
{
    const QString own = GetUserDataPath(UserFolderOf(name)) + name;
    if (QFileInfo::exists(own))
        return own;
    return GetTargetPathFile(name);
}

void SetUserDataPath(const QString &path)
{
    QMutexLocker lock(&s_pathMutex);
    s_userOverridePath = path.isEmpty() ? QString() : withSeparator(path);
}

QString GetRuntimePath()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && IsPrivateFolder(runtime, CurrentUserId()))
        return withSeparator(withSeparator(runtime) + ProgramFolderName());
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return QString();
    // The host's name keeps apart the programs of a home shared by several machines.
    return withSeparator(withSeparator(cache) + ProgramFolderName() + QStringLiteral("/runtime-") +
                         QSysInfo::machineHostName());
}

bool IsPrivateFolder(const QString &path, uint userId)
{
    const QFileInfo folder(QDir::cleanPath(path));
    if (folder.isSymLink() || !folder.isDir() || folder.ownerId() != userId)
        return false;
    const QFile::Permissions kinds = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                     QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
                                     QFile::ExeOther;
    return (folder.permissions() & kinds) == (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

uint CurrentUserId()
{
#ifdef Q_OS_UNIX
    return uint(::geteuid());
#else
    // Only one user's files to tell apart.
    return QFileInfo(QDir::homePath()).ownerId();
#endif
}

bool MakePrivateFolder(const QString &path)
{
    const QString folder = QDir::cleanPath(path);
    const QFileInfo info(folder);
    if (!info.exists() && !info.isSymLink()) {
        QDir().mkpath(info.absolutePath());
        QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (IsPrivateFolder(folder, CurrentUserId()))
        return true;
    qCWarning(lcHost).noquote() << "The folder" << QDir::toNativeSeparators(folder)
                                << "is missing, or another user's, or open to others: it is not used";
    return false;
}

} // namespace FenwaGUIToolkit
