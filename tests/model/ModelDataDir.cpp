#include "ModelDataDir.h"

#include "host/TargetPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ModelDataDir::ModelDataDir(const QString &fixture)
{
    if (!m_dir.isValid())
        return;
    m_valid = fixture.isEmpty() || copyTree(QStringLiteral(TAVO_TEST_DATA_DIR "/model/") + fixture, m_dir.path());
    FenwaGUIToolkit::SetTargetPath(m_dir.path());
}

ModelDataDir::~ModelDataDir()
{
    FenwaGUIToolkit::SetTargetPath(QString());
}

QString ModelDataDir::filePath(const QString &relative) const
{
    return m_dir.filePath(relative);
}

bool ModelDataDir::write(const QString &relative, const QByteArray &content) const
{
    const QString path = filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

QByteArray ModelDataDir::read(const QString &relative) const
{
    QFile file(filePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool ModelDataDir::remove(const QString &relative) const
{
    const QFileInfo info(filePath(relative));
    if (info.isDir())
        return QDir(info.filePath()).removeRecursively();
    return QFile::remove(info.filePath());
}

bool ModelDataDir::makeFolder(const QString &relative) const
{
    return QDir().mkpath(filePath(relative));
}

bool ModelDataDir::copyFrom(const QString &folder) const
{
    return copyTree(folder, m_dir.path());
}

bool ModelDataDir::copyTree(const QString &from, const QString &to)
{
    const QDir source(from);
    if (!source.exists() || !QDir().mkpath(to))
        return false;
    const QFileInfoList entries = source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QString target = QDir(to).filePath(entry.fileName());
        const bool ok = entry.isDir() ? copyTree(entry.filePath(), target) : QFile::copy(entry.filePath(), target);
        if (!ok)
            return false;
    }
    return true;
}
