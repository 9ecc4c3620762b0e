#pragma once

// What the plan document and group CSV suites share: channel groups as a
// plan holds them, and a file's bytes.
#include "model/StructDeviceItem.h"

#include <QFile>
#include <QString>
#include <QVector>

namespace PlanFixture {

using Groups = QVector<StructDeviceItem>;

inline const QString kChinese = QStringLiteral("\u5927\u95e8\u53e3");

inline StructDeviceItem group(const QString &name, int channels, const char *type, double bitrate, int viewMode,
                              const char *frameRate, const char *scene = "", int number = 0)
{
    StructDeviceItem g;
    g.strChannelName = name;
    g.iChannelCount = channels;
    g.strDeviceType = QString::fromLatin1(type);
    g.dBitrate = bitrate;
    g.iViewMode = viewMode;
    g.strFrameRate = QString::fromLatin1(frameRate);
    g.strScene = QString::fromLatin1(scene);
    g.iChannelGroupNumber = number;
    g.strEncoding = QStringLiteral("H.265");
    g.strResolution = QStringLiteral("1080P");
    return g;
}

// Fixed-rate and scene groups, odd doubles, names a CSV must quote, a group
// recorded on motion; the bounds a group may reach.
inline Groups mixedGroups()
{
    StructDeviceItem onMotion = group(kChinese, 16, "DVR", 1.1 + 2.2, 2, "", "Parking");
    onMotion.iRecordingShare = 40;
    return {group(QStringLiteral("Gate, \"north\""), 1024, "IPC", 1, 3, "25"), onMotion,
            group(QStringLiteral("Two\nlines"), 1, "IPC", 204800, 1, "60"),
            group(QStringLiteral("\"twenty characters!\""), 2, "DVR", 1000.0 / 3, 3, "30")};
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace PlanFixture
