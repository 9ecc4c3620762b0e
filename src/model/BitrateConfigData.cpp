#include "model/BitrateConfigData.h"

#include "host/TargetPath.h"
#include "model/BitrateTableFile.h"
#include "model/DeviceEnums.h"
#include "model/LocaleTextFile.h"

namespace {

const int kScenceFieldCount = 5;

// Scene.csv columns.
enum ScenceField { SceneName = 0, SceneEncoding, SceneResolution, SceneBitrate, ScenePicture };

QList<ResolutionBitrate> toResolutionBitrates(const QList<BitrateRow> &rows, const QList<double> &points)
{
    QList<ResolutionBitrate> out;
    for (const BitrateRow &row : rows) {
        ResolutionBitrate item;
        item.resolution = row.resolution;
        // The single-bitrate rows stand for the full frame rate, the first point.
        item.bitrate = points.isEmpty() ? 0 : row.bitrates.value(points.first(), 0);
        out.append(item);
    }
    return out;
}

} // namespace

BitrateConfigData::BitrateConfigData()
    : m_ipcConfigPath(FenwaGUIToolkit::GetTargetPathFile(QStringLiteral("IPCBitrateConfig.xml"))),
      m_dvrConfigPath(FenwaGUIToolkit::GetTargetPathFile(QStringLiteral("DVRBitrateConfig.xml"))),
      m_framePath(FenwaGUIToolkit::GetTargetPathFile(QStringLiteral("Frame.xml"))),
      m_scenePath(FenwaGUIToolkit::GetTargetPathFile(QStringLiteral("Scene.csv"))), m_encoding(QStringLiteral("H.264"))
{
    readStartupFiles();
    readTableFolders();
    m_loaded = true;
}

BitrateConfigData::~BitrateConfigData() = default;

void BitrateConfigData::readStartupFiles()
{
    // Each file gates the next: without both single-bitrate files Frame.xml is not read.
    if (!load(m_ipcConfigPath))
        return;
    readSingleBitrateRows(m_cameraRows, true);
    if (!load(m_dvrConfigPath))
        return;
    readSingleBitrateRows(m_recorderRows, false);
    if (!load(m_framePath))
        return;
    readFrameRates(QStringLiteral("NTSC"), m_ntscFrameRates);
    readFrameRates(QStringLiteral("PAL"), m_palFrameRates);
}

void BitrateConfigData::readSingleBitrateRows(QVector<ResolutionBitrate> &rows, bool skipEmptyResolution) const
{
    const int count = childCount();
    for (int i = 0; i < count; ++i) {
        const XmlNode item = childAt(i);
        ResolutionBitrate row;
        row.resolution = item.child(QStringLiteral("Resolution")).text();
        row.bitrate = item.child(QStringLiteral("Bitrate")).text().toInt();
        if (skipEmptyResolution && row.resolution.isEmpty())
            continue;
        rows.append(row);
    }
}

void BitrateConfigData::readFrameRates(const QString &standard, QStringList &out) const
{
    const XmlNode list = child(standard);
    const int count = list.childCount();
    for (int i = 0; i < count; ++i)
        out.append(list.childAt(i).text());
}

void BitrateConfigData::readTableFolders()
{
    QList<double> points;
    QMap<QString, QList<BitrateRow>> cameraTables;
    QMap<QString, QList<BitrateRow>> recorderTables;
    BitrateTableFile::readFolder(FenwaGUIToolkit::GetTargetPathFile(QStringLiteral("IPCBitrate")), points, cameraTables,
                                 &m_encodings);
    BitrateTableFile::readFolder(FenwaGUIToolkit::GetTargetPathFile(QStringLiteral("DVRBitrate")), points,
                                 recorderTables);
    // The folder tables supersede the single-bitrate files.
    m_cameraRows = toResolutionBitrates(cameraTables.value(m_encoding), points);
    m_recorderRows = toResolutionBitrates(recorderTables.value(m_encoding), points);
}

void BitrateConfigData::getFrameRates(QStringList &out, int ntsc) const
{
    out = ntsc != 0 ? m_ntscFrameRates : m_palFrameRates;
}

void BitrateConfigData::getEncodeTypes(QStringList &out) const
{
    out = m_encodings;
}

bool BitrateConfigData::readScenceLines(QStringList &lines) const
{
    QStringList all;
    if (!LocaleTextFile::readLines(m_scenePath, all))
        return false;
    lines.clear();
    // Line 1 is the header, whatever it holds.
    for (qsizetype i = 1; i < all.size(); ++i) {
        if (!all.at(i).isEmpty())
            lines.append(all.at(i));
    }
    return true;
}

QString BitrateConfigData::picturePath(const QString &pictureField) const
{
    const QString name = LocaleTextFile::fileNamePart(pictureField);
    // A row without a picture must not answer the folder itself (or its parent).
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    return FenwaGUIToolkit::GetTargetPathFile(QStringLiteral("ScenePicture")) + QLatin1Char('/') + name;
}

bool BitrateConfigData::getScenceNames(QStringList &out) const
{
    QStringList lines;
    if (!readScenceLines(lines))
        return false;
    for (const QString &line : lines) {
        const QString name = LocaleTextFile::fields(line).at(SceneName);
        if (!out.contains(name))
            out.append(name);
    }
    return true;
}

bool BitrateConfigData::getScenceInfo(const QString &name, ScenceInfo &info) const
{
    QStringList lines;
    if (!readScenceLines(lines))
        return false;
    for (const QString &line : lines) {
        const QStringList f = LocaleTextFile::fields(line);
        if (f.size() < kScenceFieldCount)
            return false;
        if (f.at(SceneName) != name)
            continue;
        if (!f.at(SceneEncoding).isEmpty())
            info.listEncodings.append(f.at(SceneEncoding));
        if (!f.at(SceneResolution).isEmpty())
            info.listResolutions.append(f.at(SceneResolution));
    }
    info.strScenceName = name;
    return true;
}

QString BitrateConfigData::getScencePicture(const QString &scene, const QString &encoding,
                                            const QString &resolution) const
{
    QStringList lines;
    if (!readScenceLines(lines))
        return QString();
    QString candidate;
    for (const QString &line : lines) {
        const QStringList f = LocaleTextFile::fields(line);
        if (f.size() < kScenceFieldCount)
            return QString();
        if (f.at(SceneName) != scene)
            continue;
        if (f.at(SceneEncoding) == encoding && f.at(SceneResolution) == resolution)
            return picturePath(f.at(ScenePicture));
        candidate = picturePath(f.at(ScenePicture));
    }
    return candidate;
}

int BitrateConfigData::getScenceBitrate(const QString &scene, const QString &encoding, const QString &resolution) const
{
    QStringList lines;
    if (!readScenceLines(lines))
        return -1;
    // A short line anywhere spoils the file: no key is answered, not even one whose row comes first.
    int bitrate = -1;
    bool found = false;
    for (const QString &line : lines) {
        const QStringList f = LocaleTextFile::fields(line);
        if (f.size() < kScenceFieldCount)
            return -1;
        if (!found && f.at(SceneName) == scene && f.at(SceneEncoding) == encoding &&
            f.at(SceneResolution) == resolution) {
            bitrate = f.at(SceneBitrate).toInt();
            found = true;
        }
    }
    return bitrate;
}

bool BitrateConfigData::getScenceResolutions(const QString &scene, QStringList &out) const
{
    QStringList lines;
    if (!readScenceLines(lines))
        return false;
    for (const QString &line : lines) {
        const QStringList f = LocaleTextFile::fields(line);
        if (f.size() < kScenceFieldCount)
            return false;
        if (f.at(SceneName) == scene && !out.contains(f.at(SceneResolution)))
            out.append(f.at(SceneResolution));
    }
    return true;
}

bool BitrateConfigData::getScenceEncodings(const QString &scene, const QString &resolution, QStringList &out) const
{
    QStringList lines;
    if (!readScenceLines(lines))
        return false;
    for (const QString &line : lines) {
        const QStringList f = LocaleTextFile::fields(line);
        if (f.size() < kScenceFieldCount)
            return false;
        if (f.at(SceneName) == scene && f.at(SceneResolution) == resolution && !out.contains(f.at(SceneEncoding)))
            out.append(f.at(SceneEncoding));
    }
    return true;
}

bool BitrateConfigData::convertCsvToXml(const QString &csvPath, int deviceType)
{
    QStringList lines;
    if (!LocaleTextFile::readLines(csvPath, lines))
        return false;
    QStringList names;
    QStringList values;
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        const QStringList f = LocaleTextFile::fields(line);
        // A line without a bitrate column would shift every later pair.
        if (f.size() < 2)
            continue;
        names.append(f.at(0));
        values.append(f.at(1));
    }
    if (names.isEmpty() || values.isEmpty())
        return false;

    const QString target = deviceType == IPC ? m_ipcConfigPath : m_dvrConfigPath;
    if (!load(target))
        return false;
    createRoot(QStringLiteral("ConfigList"));
    for (qsizetype i = 0; i < names.size() && i < values.size(); ++i) {
        if (names.at(i).isEmpty())
            continue;
        XmlNode item = appendChild(QStringLiteral("ConfigItem"));
        item.appendChild(QStringLiteral("Resolution")).setText(names.at(i));
        item.appendChild(QStringLiteral("Bitrate")).setText(values.at(i));
    }
    return save(target);
}
