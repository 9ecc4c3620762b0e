#include "model/BitrateConfigData.h"

#include "model/ModelLogging.h"

#include "host/TargetPath.h"
#include "model/BitrateKnowledge.h"
#include "model/BitrateRow.h"
#include "model/BitrateTableFile.h"
#include "model/DeviceEnums.h"
#include "model/LocaleTextFile.h"

#include <QDir>
#include <QSet>

namespace {

const int kScenceFieldCount = 5;

// Scene.csv columns.
enum ScenceField { SceneName = 0, SceneEncoding, SceneResolution, SceneBitrate, ScenePicture };

} // namespace

BitrateConfigData::BitrateConfigData()
    : m_knowledge(BitrateKnowledge::current()),
      m_ipcConfigPath(FenwaGUIToolkit::GetTargetPathFile(QStringLiteral("IPCBitrateConfig.xml"))),
      m_dvrConfigPath(FenwaGUIToolkit::GetTargetPathFile(QStringLiteral("DVRBitrateConfig.xml"))),
      // A Scene.csv the user imported is read instead of the shipped one.
      m_scenePath(FenwaGUIToolkit::GetDataFile(QStringLiteral("Scene.csv")))
{
    m_loaded = true;
}

BitrateConfigData::~BitrateConfigData() = default;

void BitrateConfigData::getFrameRates(QStringList &out, int ntsc) const
{
    out = ntsc != 0 ? m_knowledge->ntscFrameRates() : m_knowledge->palFrameRates();
}

void BitrateConfigData::getEncodeTypes(QStringList &out) const
{
    out = m_knowledge->encodings();
}

bool BitrateConfigData::readScenceLines(QStringList &lines, QList<int> *lineNumbers) const
{
    QStringList all;
    if (!LocaleTextFile::readLines(m_scenePath, all))
        return false;
    lines.clear();
    if (lineNumbers)
        lineNumbers->clear();
    // Line 1 is the header, whatever it holds.
    for (qsizetype i = 1; i < all.size(); ++i) {
        if (all.at(i).isEmpty())
            continue;
        lines.append(all.at(i));
        if (lineNumbers)
            lineNumbers->append(int(i + 1));
    }
    return true;
}

void BitrateConfigData::warnUnusableBitrate(int lineNumber, const QStringList &fields) const
{
    if (BitrateRow::isUsable(fields.at(SceneBitrate).toInt()))
        return;
    // One pass of arg(): a field may itself hold a "%1".
    qCWarning(lcModel).noquote() << QStringLiteral("%1:%2: the bitrate \"%3\" of scene %4 (%5, %6) is not a whole "
                                                   "number from 1 to %7 kbps; the scene recommends no bitrate there")
                                        .arg(QDir::toNativeSeparators(m_scenePath), QString::number(lineNumber),
                                             fields.at(SceneBitrate), fields.at(SceneName), fields.at(SceneEncoding),
                                             fields.at(SceneResolution), QString::number(BitrateRow::kMaxKbps));
}

QString BitrateConfigData::picturePath(const QString &pictureField) const
{
    const QString name = LocaleTextFile::fileNamePart(pictureField);
    // A row without a picture must not answer the folder itself (or its parent).
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    // The user's picture of that name wins over the shipped one.
    return FenwaGUIToolkit::GetDataFile(QStringLiteral("ScenePicture/") + name);
}

bool BitrateConfigData::getScenceNames(QStringList &out) const
{
    QStringList lines;
    if (!readScenceLines(lines))
        return false;
    QSet<QString> seen(out.cbegin(), out.cend());
    for (const QString &line : lines) {
        const QString name = LocaleTextFile::fields(line).at(SceneName);
        if (!seen.contains(name)) {
            seen.insert(name);
            out.append(name);
        }
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

bool BitrateConfigData::getScenceInfos(QStringList &names, QMap<QString, ScenceInfo> &infos) const
{
    names.clear();
    infos.clear();
    QStringList lines;
    QList<int> lineNumbers;
    if (!readScenceLines(lines, &lineNumbers))
        return false;
    QSet<QString> seen;
    // getScenceInfo() stops collecting at the first short line and then leaves the
    // name unset, for every scene; the name list reads on.
    bool complete = true;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList f = LocaleTextFile::fields(lines.at(i));
        if (f.size() >= kScenceFieldCount)
            warnUnusableBitrate(lineNumbers.at(i), f);
        const QString &name = f.at(SceneName);
        if (!seen.contains(name)) {
            seen.insert(name);
            names.append(name);
            infos.insert(name, ScenceInfo());
        }
        if (!complete)
            continue;
        if (f.size() < kScenceFieldCount) {
            complete = false;
            continue;
        }
        ScenceInfo &info = infos[name];
        if (!f.at(SceneEncoding).isEmpty())
            info.listEncodings.append(f.at(SceneEncoding));
        if (!f.at(SceneResolution).isEmpty())
            info.listResolutions.append(f.at(SceneResolution));
    }
    if (complete) {
        for (const QString &name : std::as_const(names))
            infos[name].strScenceName = name;
    }
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
            const int kbps = f.at(SceneBitrate).toInt();
            bitrate = BitrateRow::isUsable(kbps) ? kbps : -1;
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
