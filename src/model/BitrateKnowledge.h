#pragma once

#include "model/BitrateRow.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

// The bitrate data files of one data directory, parsed: the per-encoding tables of
// the "IPCBitrate" (camera) and "DVRBitrate" (recorder) folders and the frame-rate
// choices of Frame.xml. Every bitrate service answers from one shared, read-only
// copy, which is parsed again only when the data directory or a file it was read
// from changes.
class BitrateKnowledge
{
public:
    // The copy for the current data directory. Safe to call from any thread.
    static std::shared_ptr<const BitrateKnowledge> current();
    // Drops every shared copy, so that the next current() parses the files again.
    static void forgetShared();

    // The frame-rate points all tables are interpolated over: the header of the
    // table file read last (the recorder folder is read after the camera folder).
    const QList<double> &frameRatePoints() const { return m_points; }
    // Tables by encoding, the complete base name of each file.
    const QMap<QString, QList<BitrateRow>> &cameraTables() const { return m_cameraTables; }
    const QMap<QString, QList<BitrateRow>> &recorderTables() const { return m_recorderTables; }
    // Names of the camera tables in directory order.
    const QStringList &encodings() const { return m_encodings; }
    // Frame.xml's choices; Frame.xml is only read when IPCBitrateConfig.xml and
    // DVRBitrateConfig.xml both open.
    const QStringList &palFrameRates() const { return m_palFrameRates; }
    const QStringList &ntscFrameRates() const { return m_ntscFrameRates; }

private:
    // `dataDir` ends in a separator, as FenwaGUIToolkit::GetTargetPath() answers.
    explicit BitrateKnowledge(const QString &dataDir);

    QList<double> m_points;
    QMap<QString, QList<BitrateRow>> m_cameraTables;
    QMap<QString, QList<BitrateRow>> m_recorderTables;
    QStringList m_encodings;
    QStringList m_palFrameRates;
    QStringList m_ntscFrameRates;
};
