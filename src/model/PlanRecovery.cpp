#include "model/PlanRecovery.h"

#include "host/CFile.h"
#include "host/TargetPath.h"
#include "model/PlanDocument.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

using FenwaGUIToolkit::GetUserDataPath;
using FenwaGUIToolkit::GetWritableFile;
using FenwaGUIToolkit::UserFolder;

namespace {
const char kCopyName[] = "recovery.tavoplan";
const char kMarkerName[] = "session.json";
// A marker is a few hundred bytes; anything far larger is not one.
const qint64 kMaxMarkerSize = 64 * 1024;
} // namespace

QString PlanRecovery::copyPath()
{
    return GetUserDataPath(UserFolder::State) + QLatin1String(kCopyName);
}

QString PlanRecovery::markerPath()
{
    return GetUserDataPath(UserFolder::State) + QLatin1String(kMarkerName);
}

QByteArray PlanRecovery::marker(const QString &planPath)
{
    QJsonObject marker;
    marker.insert(QStringLiteral("pid"), QCoreApplication::applicationPid());
    marker.insert(QStringLiteral("program"), QCoreApplication::applicationFilePath());
    marker.insert(QStringLiteral("plan"), planPath);
    return QJsonDocument(marker).toJson(QJsonDocument::Compact);
}

bool PlanRecovery::write(const PlanDocument &plan, const QByteArray &marker)
{
    // Folders are made on the first write only: a session without changes leaves nothing.
    const QString markerFile = GetWritableFile(QLatin1String(kMarkerName), UserFolder::State);
    return FenwaGUIToolkit::CFile::WriteAll(markerFile, marker) && plan.save(copyPath());
}

void PlanRecovery::removeCopy()
{
    QFile::remove(copyPath());
}

void PlanRecovery::clear()
{
    QFile::remove(copyPath());
    QFile::remove(markerPath());
}

bool PlanRecovery::findAbandoned(QString *planPath)
{
    QFile file(markerPath());
    if (!QFileInfo(copyPath()).isFile() || file.size() > kMaxMarkerSize || !file.open(QIODevice::ReadOnly))
        return false;
    const QJsonObject marker = QJsonDocument::fromJson(file.readAll()).object();
    const qint64 pid = qint64(marker.value(QStringLiteral("pid")).toDouble());
    if (pid == QCoreApplication::applicationPid() ||
        isLiveInstance(pid, marker.value(QStringLiteral("program")).toString()))
        return false;
    if (planPath)
        *planPath = marker.value(QStringLiteral("plan")).toString();
    return true;
}

bool PlanRecovery::isLiveInstance(qint64 pid, const QString &program)
{
#ifdef Q_OS_UNIX
    // A process of another user is no instance of this user's program.
    if (pid <= 0 || ::kill(pid_t(pid), 0) != 0)
        return false;
#ifdef Q_OS_LINUX
    // A process that ended keeps its number until its parent takes note.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray line = stat.read(4096);
        const qsizetype end = line.lastIndexOf(')');
        const char state = end >= 0 && end + 2 < line.size() ? line.at(end + 2) : '?';
        if (state == 'Z' || state == 'X')
            return false;
    }
    // A crashed session's number may have gone to another program since.
    const QString running = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    return running.isEmpty() || program.isEmpty() || running == program;
#else
    Q_UNUSED(program);
    return true;
#endif
#else
    Q_UNUSED(pid);
    Q_UNUSED(program);
    // Without a way to tell, the session counts as ended.
    return false;
#endif
}
