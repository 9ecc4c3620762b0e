#include "model/PlanRecovery.h"

#include "host/CFile.h"
#include "host/TargetPath.h"
#include "model/PlanDocument.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

#include <cmath>
#include <limits>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

using FenwaGUIToolkit::GetUserDataPath;
using FenwaGUIToolkit::UserFolder;

namespace {
// The single pair an older version kept.
const char kOldCopyName[] = "recovery.tavoplan";
const char kOldMarkerName[] = "session.json";
const char kCopyPrefix[] = "recovery-";
const char kCopySuffix[] = ".tavoplan";
const char kMarkerPrefix[] = "session-";
const char kMarkerSuffix[] = ".json";
// A marker is a few hundred bytes; anything far larger is not one.
const qint64 kMaxMarkerSize = 64 * 1024;

QString copyName(const QString &instance)
{
    return instance.isEmpty() ? QLatin1String(kOldCopyName)
                              : QLatin1String(kCopyPrefix) + instance + QLatin1String(kCopySuffix);
}

QString markerName(const QString &instance)
{
    return instance.isEmpty() ? QLatin1String(kOldMarkerName)
                              : QLatin1String(kMarkerPrefix) + instance + QLatin1String(kMarkerSuffix);
}

// The process a marker names, 0 for none: only a whole number that can be a
// process id is one (a marker is a file anyone may have edited).
qint64 markedPid(const QJsonValue &value)
{
    const double pid = value.toDouble();
    if (!(pid >= 1 && pid <= double(std::numeric_limits<qint32>::max())) || std::trunc(pid) != pid)
        return 0;
    return qint64(pid);
}

// Whether the marker's session is over without having ended normally.
bool isAbandoned(const QString &instance, const QJsonObject &marker)
{
    const qint64 pid = markedPid(marker.value(QStringLiteral("pid")));
    // This process's number under another name: a process before a restart had it.
    if (pid == QCoreApplication::applicationPid())
        return instance != PlanRecovery::instanceName();
    return !PlanRecovery::isLiveInstance(pid, marker.value(QStringLiteral("program")).toString());
}

// False for what is no marker: it is left alone, whoever it belongs to.
bool readMarker(const QString &path, QJsonObject *marker)
{
    QFile file(path);
    if (file.size() > kMaxMarkerSize || !file.open(QIODevice::ReadOnly))
        return false;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    *marker = document.object();
    return document.isObject();
}

// Replaces whatever is at `to`; nothing to do when both are the same file.
bool moveFile(const QString &from, const QString &to)
{
    if (from == to)
        return true;
    QFile::remove(to);
    return QFile::rename(from, to);
}
} // namespace

QString PlanRecovery::instanceName()
{
    static const QString name = QStringLiteral("%1-%2")
                                    .arg(QCoreApplication::applicationPid())
                                    .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
    return name;
}

QString PlanRecovery::copyPath(const QString &instance)
{
    return GetUserDataPath(UserFolder::State) + copyName(instance);
}

QString PlanRecovery::markerPath(const QString &instance)
{
    return GetUserDataPath(UserFolder::State) + markerName(instance);
}

QByteArray PlanRecovery::marker(const QString &planPath)
{
    QJsonObject marker;
    marker.insert(QStringLiteral("pid"), QCoreApplication::applicationPid());
    marker.insert(QStringLiteral("program"), QCoreApplication::applicationFilePath());
    marker.insert(QStringLiteral("plan"), planPath);
    return QJsonDocument(marker).toJson(QJsonDocument::Compact);
}

bool PlanRecovery::write(const PlanDocument &plan, const QByteArray &marker, const QString &instance)
{
    // Made on the first write only, so that a session without changes leaves
    // nothing; owner-only, as a plan may be confidential. A folder an older
    // version made is used as it is.
    const QString folder = GetUserDataPath(UserFolder::State);
    if (!QFileInfo::exists(folder))
        FenwaGUIToolkit::MakePrivateFolder(folder);
    return FenwaGUIToolkit::CFile::WriteAll(markerPath(instance), marker) && plan.save(copyPath(instance));
}

void PlanRecovery::removeCopy()
{
    QFile::remove(copyPath());
}

void PlanRecovery::clear(const QString &instance)
{
    QFile::remove(copyPath(instance));
    QFile::remove(markerPath(instance));
}

bool PlanRecovery::takeAbandoned(QString *planPath)
{
    const QDir folder(GetUserDataPath(UserFolder::State));
    const QString prefix = QLatin1String(kMarkerPrefix);
    const QString suffix = QLatin1String(kMarkerSuffix);
    QStringList instances{QString()};
    for (const QString &name : folder.entryList({prefix + QLatin1Char('*') + suffix}, QDir::Files))
        instances.append(name.mid(prefix.size(), name.size() - prefix.size() - suffix.size()));

    QString newest;
    QDateTime newestTime;
    QString newestPlan;
    for (const QString &instance : std::as_const(instances)) {
        QJsonObject marker;
        if (!readMarker(markerPath(instance), &marker) || !isAbandoned(instance, marker))
            continue;
        const QFileInfo copy(copyPath(instance));
        if (!copy.isFile()) {
            // Its plan was saved before that session ended: nothing to recover.
            QFile::remove(markerPath(instance));
            continue;
        }
        if (!newestTime.isValid() || copy.lastModified() > newestTime) {
            newest = instance;
            newestTime = copy.lastModified();
            newestPlan = marker.value(QStringLiteral("plan")).toString();
        }
    }
    if (!newestTime.isValid())
        return false;
    // Moved, not copied: the copy stays on disk until this session writes its
    // own, and a second program starting at the same moment finds it gone.
    if (!moveFile(copyPath(newest), copyPath()))
        return false;
    // Marked as this process's at once, so that no other program takes it meanwhile.
    FenwaGUIToolkit::CFile::WriteAll(markerPath(), marker(newestPlan));
    if (newest != instanceName())
        QFile::remove(markerPath(newest));
    if (planPath)
        *planPath = newestPlan;
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
