#include "model/BitrateKnowledge.h"

#include "host/TargetPath.h"
#include "model/BitrateTableFile.h"
#include "model/XmlNode.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>

namespace {

const QString kCameraFolder = QStringLiteral("IPCBitrate");
const QString kRecorderFolder = QStringLiteral("DVRBitrate");
const QString kCameraSingleFile = QStringLiteral("IPCBitrateConfig.xml");
const QString kRecorderSingleFile = QStringLiteral("DVRBitrateConfig.xml");
const QString kFrameFile = QStringLiteral("Frame.xml");

// A file changed this shortly before it was read may change again without its
// time stamp moving (coarse file-system clocks); such a reading is not kept.
const qint64 kSettleMs = 2000;
// Tests switch between many data directories; the program uses one.
const qsizetype kMaxEntries = 4;

// What a file (or folder) read for the knowledge looked like.
struct FileStamp
{
    QString path;
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedMs = 0;
    int permissions = 0;

    friend bool operator==(const FileStamp &a, const FileStamp &b)
    {
        return a.path == b.path && a.exists == b.exists && a.size == b.size && a.modifiedMs == b.modifiedMs &&
               a.permissions == b.permissions;
    }
};

FileStamp stampOf(const QFileInfo &info)
{
    FileStamp stamp;
    stamp.path = info.filePath();
    stamp.exists = info.exists();
    if (stamp.exists && !info.isDir()) {
        stamp.size = info.size();
        stamp.modifiedMs = info.lastModified().toMSecsSinceEpoch();
        stamp.permissions = int(info.permissions());
    }
    return stamp;
}

// A folder counts by what it lists, in the order BitrateTableFile::readFolder reads it.
void appendFolderStamps(const QString &folder, QList<FileStamp> &stamps)
{
    const QDir dir(folder);
    FileStamp own;
    own.path = folder;
    own.exists = dir.exists();
    stamps.append(own);
    if (!own.exists)
        return;
    const QFileInfoList files = dir.entryInfoList(QDir::Files, QDir::NoSort);
    for (const QFileInfo &info : files)
        stamps.append(stampOf(info));
}

QList<FileStamp> stampsOf(const QString &dataDir)
{
    QList<FileStamp> stamps;
    appendFolderStamps(dataDir + kCameraFolder, stamps);
    appendFolderStamps(dataDir + kRecorderFolder, stamps);
    for (const QString &name : {kCameraSingleFile, kRecorderSingleFile, kFrameFile})
        stamps.append(stampOf(QFileInfo(dataDir + name)));
    return stamps;
}

bool settledBefore(const QList<FileStamp> &stamps, qint64 readAtMs)
{
    for (const FileStamp &stamp : stamps) {
        if (stamp.exists && stamp.modifiedMs > readAtMs - kSettleMs)
            return false;
    }
    return true;
}

struct CacheEntry
{
    QString dataDir;
    QList<FileStamp> stamps;
    std::shared_ptr<const BitrateKnowledge> knowledge;
};

QMutex s_cacheMutex;
// Most recently used first.
QList<CacheEntry> s_cache;

// What XmlNode::load would say about opening the file.
bool opens(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Text);
}

void readFrameRates(const XmlNode &root, const QString &standard, QStringList &out)
{
    for (XmlNode rate = root.child(standard).firstChild(); !rate.isNull(); rate = rate.nextSibling())
        out.append(rate.text());
}

} // namespace

BitrateKnowledge::BitrateKnowledge(const QString &dataDir)
{
    BitrateTableFile::readFolder(dataDir + kCameraFolder, m_points, m_cameraTables, &m_encodings);
    BitrateTableFile::readFolder(dataDir + kRecorderFolder, m_points, m_recorderTables);

    // Each file gates the next. The single-bitrate files' rows are superseded by
    // the folder tables, so only whether they open matters.
    if (!opens(dataDir + kCameraSingleFile) || !opens(dataDir + kRecorderSingleFile))
        return;
    XmlNode frames;
    if (!frames.load(dataDir + kFrameFile))
        return;
    readFrameRates(frames, QStringLiteral("NTSC"), m_ntscFrameRates);
    readFrameRates(frames, QStringLiteral("PAL"), m_palFrameRates);
}

std::shared_ptr<const BitrateKnowledge> BitrateKnowledge::current()
{
    const QString dataDir = FenwaGUIToolkit::GetTargetPath();
    // One reader at a time: threads asking together wait for one parse.
    QMutexLocker lock(&s_cacheMutex);
    const qint64 readAtMs = QDateTime::currentMSecsSinceEpoch();
    const QList<FileStamp> stamps = stampsOf(dataDir);
    for (qsizetype i = 0; i < s_cache.size(); ++i) {
        if (s_cache.at(i).dataDir != dataDir)
            continue;
        if (s_cache.at(i).stamps == stamps) {
            s_cache.move(i, 0);
            return s_cache.first().knowledge;
        }
        s_cache.removeAt(i);
        break;
    }

    std::shared_ptr<const BitrateKnowledge> knowledge(new BitrateKnowledge(dataDir));
    if (settledBefore(stamps, readAtMs)) {
        s_cache.prepend(CacheEntry{dataDir, stamps, knowledge});
        while (s_cache.size() > kMaxEntries)
            s_cache.removeLast();
    }
    return knowledge;
}

void BitrateKnowledge::forgetShared()
{
    QMutexLocker lock(&s_cacheMutex);
    s_cache.clear();
}
