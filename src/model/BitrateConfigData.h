#pragma once

#include "model/ScenceInfo.h"
#include "model/XmlNode.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

class BitrateKnowledge;

// Frame-rate choices (Frame.xml) and the encoding list as they were when it was
// built, the conversion of the single-bitrate XML files and every query on the
// recording scenes of Scene.csv. Scene.csv is read afresh by each query, so a
// replaced file is seen at once.
class BitrateConfigData : public XmlNode
{
public:
    BitrateConfigData();
    ~BitrateConfigData() override;
    BitrateConfigData(const BitrateConfigData &) = delete;
    BitrateConfigData &operator=(const BitrateConfigData &) = delete;

    // Copies the NTSC choices when `ntsc` is non-zero, else the PAL choices.
    void getFrameRates(QStringList &out, int ntsc) const;
    // Encodings in directory order; callers sort them.
    void getEncodeTypes(QStringList &out) const;

    // Appends each scene name not yet in `out`, in first-appearance order; reads
    // past short lines. False when Scene.csv cannot be opened.
    bool getScenceNames(QStringList &out) const;
    // Encodings and resolutions the scene's rows list. False (keeping what was
    // collected, name unset) at a line of fewer than five fields.
    bool getScenceInfo(const QString &name, ScenceInfo &info) const;
    // Every scene from one reading of Scene.csv: `names` as getScenceNames() fills
    // an empty list, and for each name the record getScenceInfo() fills in an empty
    // one. Warns about every row whose bitrate is not usable (BitrateRow::isUsable).
    // False, with both emptied, when Scene.csv cannot be opened.
    bool getScenceInfos(QStringList &names, QMap<QString, ScenceInfo> &infos) const;
    // Picture of the exact row, else of the scene's last row; empty when the scene
    // does not appear, at a short line, or when the row names no picture.
    QString getScencePicture(const QString &scene, const QString &encoding, const QString &resolution) const;
    // Recommended kbps of the first exact row; -1 when its bitrate is not usable
    // (BitrateRow::isUsable), when there is no such row or when any line has fewer
    // than five fields.
    int getScenceBitrate(const QString &scene, const QString &encoding, const QString &resolution) const;
    // Appends the scene's distinct resolutions; false at a short line.
    bool getScenceResolutions(const QString &scene, QStringList &out) const;
    // Appends the distinct encodings of the scene's rows for that resolution; false at a short line.
    bool getScenceEncodings(const QString &scene, const QString &resolution, QStringList &out) const;

    // Rewrites IPCBitrateConfig.xml (deviceType 1) or DVRBitrateConfig.xml
    // (otherwise) from a two-column CSV of resolution and bitrate. False, with the
    // target untouched, when the CSV cannot be read or holds no row, or when the
    // target does not exist.
    bool convertCsvToXml(const QString &csvPath, int deviceType);

    bool isLoaded() const { return m_loaded; }

private:
    // Lines of Scene.csv after its header, empty lines left out, with their
    // 1-based numbers in the file when asked for.
    bool readScenceLines(QStringList &lines, QList<int> *lineNumbers = nullptr) const;
    // Names the line of a row of at least five fields whose bitrate is not usable.
    void warnUnusableBitrate(int lineNumber, const QStringList &fields) const;
    QString picturePath(const QString &pictureField) const;

    bool m_loaded = false;
    // Shared with every other service object; never changed.
    std::shared_ptr<const BitrateKnowledge> m_knowledge;
    QString m_ipcConfigPath;
    QString m_dvrConfigPath;
    QString m_scenePath;
};
