#pragma once

#include "host/GenericDS.h"
#include "model/BitrateRow.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class BitrateKnowledge;

// The per-encoding bitrate tables of the "IPCBitrate" (camera) and "DVRBitrate"
// (recorder) folders, as they were when it was built, and the bitrate of a resolution
// at any frame rate interpolated over the tables' frame-rate points.
class BitrateTable : public aptui::GenericDS
{
public:
    BitrateTable();
    ~BitrateTable() override;

    // Makes `encoding` current (also for getBitrate) and appends the resolutions
    // of its table for the device type (1 camera, otherwise recorder) in file
    // order. False, with nothing appended, when the tables are not loaded.
    bool getResolutions(QStringList &out, int deviceType, const QString &encoding);
    // Appends the resolutions of the current encoding's table for the device type.
    bool getResolutions(QStringList &out, int deviceType) const;

    // Encoding that getBitrate looks up ("H.264" initially).
    void setEncodeType(const QString &encoding);
    QString encodeType() const { return m_encoding; }
    // FrameStandard: 0 PAL, non-zero NTSC.
    void setFrameStandard(int standard);
    int frameStandard() const { return m_frameStandard; }

    // Interpolated kbps for the current encoding and standard; 0 when the table
    // has no such resolution, its frame-rate points are not exactly seven or a
    // bitrate the answer is drawn from is not usable (BitrateRow::isUsable).
    int getBitrate(const QString &resolution, int deviceType, double frameRate) const;
    // What the tables recommend for a scene of the SceneComplexity: getBitrate
    // halved for Low, doubled for High (at most INT_MAX), as it is for Medium or
    // a complexity not yet chosen.
    int recommendedBitrate(const QString &resolution, int deviceType, double frameRate, int complexity) const;

    bool isLoaded() const { return m_loaded; }
    // Names of the camera tables in directory order.
    QStringList encodeTypes() const;
    // The frame-rate points all tables are interpolated over: the header of the
    // table file read last.
    QList<double> frameRatePoints() const;

private:
    static int interpolate(const QList<double> &points, const BitrateRow &row, double frameRate, int standard);
    void selectCurrentRows();

    bool m_loaded = false;
    // Shared with every other service object; never changed.
    std::shared_ptr<const BitrateKnowledge> m_knowledge;
    QList<BitrateRow> m_currentRecorderRows;
    QList<BitrateRow> m_currentCameraRows;
    QString m_encoding;
    int m_frameStandard;
};
