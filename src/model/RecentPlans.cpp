#include "model/RecentPlans.h"

#include "host/CFile.h"
#include "host/TargetPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const qint64 kMaxFileSize = 64 * 1024;

QString absolute(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}
} // namespace

QString RecentPlans::defaultFile()
{
    return FenwaGUIToolkit::GetUserDataPath(FenwaGUIToolkit::UserFolder::Config) + QStringLiteral("RecentPlans.json");
}

RecentPlans::RecentPlans(const QString &file) : m_file(file)
{
    QFile in(file);
    if (in.size() > kMaxFileSize || !in.open(QIODevice::ReadOnly))
        return;
    const QJsonArray plans = QJsonDocument::fromJson(in.readAll()).object().value(QStringLiteral("plans")).toArray();
    for (const QJsonValue &plan : plans) {
        const QString path = plan.toString();
        if (QDir::isAbsolutePath(path) && !m_paths.contains(path) && m_paths.size() < maxCount())
            m_paths.append(path);
    }
}

bool RecentPlans::add(const QString &path)
{
    const QString plan = absolute(path);
    m_paths.removeAll(plan);
    m_paths.prepend(plan);
    while (m_paths.size() > maxCount())
        m_paths.removeLast();
    return save();
}

bool RecentPlans::remove(const QString &path)
{
    m_paths.removeAll(absolute(path));
    return save();
}

bool RecentPlans::save() const
{
    QJsonObject root;
    root.insert(QStringLiteral("plans"), QJsonArray::fromStringList(m_paths));
    const QString folder = QFileInfo(m_file).absolutePath();
    return QDir().mkpath(folder) &&
           FenwaGUIToolkit::CFile::WriteAll(m_file, QJsonDocument(root).toJson(QJsonDocument::Indented));
}
