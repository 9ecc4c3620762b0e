#include "model/SceneImport.h"

#include "host/CFile.h"
#include "model/BitrateRow.h"
#include "model/BitrateTableFile.h"
#include "model/LocaleTextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <utility>

namespace {

// Scene.csv columns.
enum SceneField { SceneName = 0, SceneEncoding, SceneResolution, SceneBitrate, ScenePicture, SceneFieldCount };

// An imported row may leave out the picture column, none before it.
const int kRequiredFieldCount = ScenePicture;
const qint64 kMaxPictureSize = qint64(32) * 1024 * 1024;

bool isDigits(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Loosely, as a person would read it: a header never holds a count here.
bool looksLikeNumber(const QString &field)
{
    QString text = field.trimmed();
    if (text.startsWith(QLatin1Char('+')) || text.startsWith(QLatin1Char('-')))
        text.remove(0, 1);
    return isDigits(text);
}

// Strictly: the readers take the field as it stands.
bool isBitrate(const QString &field)
{
    bool ok = false;
    const int kbps = isDigits(field) ? field.toInt(&ok) : 0;
    return ok && BitrateRow::isUsable(kbps);
}

// The picture field with forward slashes only.
QString slashed(const QString &pictureField)
{
    return QString(pictureField).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// A path written with a drive letter comes from another machine: only its name is looked for.
bool isForeignPath(const QString &path)
{
    return path.size() >= 2 && path.at(1) == QLatin1Char(':') && path.at(0).isLetter();
}

// Neither absolute nor climbing: a path that may name a file below the imported file's folder.
bool staysBelow(const QString &path)
{
    return !QDir::isAbsolutePath(path) && !path.split(QLatin1Char('/')).contains(QLatin1String(".."));
}

bool isSafeFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..");
}

// False when the picture cannot be read or is too large to be one.
bool readPicture(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (file.size() > kMaxPictureSize || !file.open(QIODevice::ReadOnly))
        return false;
    // Read no further than the limit, in case the file grew meanwhile.
    bytes = file.read(kMaxPictureSize + 1);
    return file.error() == QFileDevice::NoError && bytes.size() <= kMaxPictureSize;
}

} // namespace

SceneImport::SceneImport(const QMap<QString, QStringList> &resolutionsByEncoding)
{
    for (auto it = resolutionsByEncoding.cbegin(); it != resolutionsByEncoding.cend(); ++it)
        m_resolutions.insert(it.key(), QSet<QString>(it.value().cbegin(), it.value().cend()));
}

QMap<QString, QStringList> SceneImport::tablesOf(const QString &tableFolder)
{
    QList<double> points;
    QMap<QString, QList<BitrateRow>> tables;
    BitrateTableFile::readFolder(tableFolder, points, tables);
    QMap<QString, QStringList> out;
    for (auto it = tables.cbegin(); it != tables.cend(); ++it) {
        QStringList &resolutions = out[it.key()];
        for (const BitrateRow &row : it.value())
            resolutions.append(row.resolution);
    }
    return out;
}

bool SceneImport::fail(Fault fault, int line)
{
    m_fault = fault;
    m_faultLine = line;
    m_header.clear();
    m_rows.clear();
    return false;
}

// The rows stay, so that the same install can be tried again.
bool SceneImport::writeFailed()
{
    m_fault = WriteFailed;
    m_faultLine = 0;
    return false;
}

SceneImport::Fault SceneImport::checkRow(const QStringList &fields) const
{
    if (fields.size() < kRequiredFieldCount)
        return TooFewFields;
    if (fields.at(SceneName).trimmed().isEmpty())
        return EmptyScene;
    const auto resolutions = m_resolutions.constFind(fields.at(SceneEncoding));
    if (resolutions == m_resolutions.cend())
        return UnknownEncoding;
    if (!resolutions->contains(fields.at(SceneResolution)))
        return UnknownResolution;
    if (!isBitrate(fields.at(SceneBitrate)))
        return BadBitrate;
    if (fields.size() > ScenePicture && !pictureMayBeTaken(fields.at(ScenePicture)))
        return PictureOutside;
    return NoFault;
}

bool SceneImport::isInsideCsvFolder(const QString &path) const
{
    const QString real = QFileInfo(path).canonicalFilePath();
    // The folder itself counts as inside: it is no file to be copied anyway.
    return !m_csvFolder.isEmpty() && !real.isEmpty() && (real + QLatin1Char('/')).startsWith(m_csvFolder);
}

QStringList SceneImport::pictureCandidates(const QString &pictureField) const
{
    const QString path = slashed(pictureField);
    if (!staysBelow(path))
        return {};
    const QDir folder(m_csvFolder);
    QStringList candidates;
    if (!isForeignPath(path))
        candidates << folder.filePath(path);
    // Paths from another machine ("D:\scenes\a.png") still find the picture beside the file.
    candidates << folder.filePath(LocaleTextFile::fileNamePart(pictureField));
    return candidates;
}

bool SceneImport::pictureMayBeTaken(const QString &pictureField) const
{
    if (pictureField.isEmpty())
        return true;
    // A picture that is there must really lie there, not behind a link leading out.
    const QStringList candidates = pictureCandidates(pictureField);
    return !candidates.isEmpty() &&
           std::all_of(candidates.cbegin(), candidates.cend(), [this](const QString &candidate) {
               return !QFileInfo::exists(candidate) || isInsideCsvFolder(candidate);
           });
}

bool SceneImport::read(const QString &csvPath)
{
    m_fault = NoFault;
    m_faultLine = 0;
    m_header.clear();
    m_rows.clear();
    m_csvFolder = QDir(QFileInfo(csvPath).absolutePath()).canonicalPath();
    if (!m_csvFolder.isEmpty() && !m_csvFolder.endsWith(QLatin1Char('/')))
        m_csvFolder += QLatin1Char('/');

    QFile file(csvPath);
    if (csvPath.isEmpty() || !QFileInfo(csvPath).isFile() || !file.open(QIODevice::ReadOnly))
        return fail(Unreadable, 0);
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fail(Unreadable, 0);

    QStringList lines = LocaleTextFile::decode(content, m_legacyCodec).split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }

    // Every reader skips line 1, so a data row there would be lost without a word.
    const QStringList header = LocaleTextFile::fields(lines.first());
    if (header.size() < kRequiredFieldCount || looksLikeNumber(header.at(SceneBitrate)))
        return fail(NoHeader, 1);
    m_header = lines.first();

    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.isEmpty())
            continue;
        const QStringList fields = LocaleTextFile::fields(line);
        const Fault fault = checkRow(fields);
        if (fault != NoFault)
            return fail(fault, int(i + 1));
        // The readers stop at a row without a picture field.
        m_rows.append(fields.size() < SceneFieldCount ? line + QLatin1Char(',') : line);
    }
    if (m_rows.isEmpty())
        return fail(NoRows, 1);
    return true;
}

QByteArray SceneImport::sceneFileContent() const
{
    // The mark lets every reader decode the file whatever its locale.
    QByteArray content("\xEF\xBB\xBF");
    content += m_header.toUtf8();
    content += '\n';
    for (const QString &row : m_rows) {
        content += row.toUtf8();
        content += '\n';
    }
    return content;
}

QString SceneImport::pictureSource(const QString &pictureField) const
{
    const QStringList candidates = pictureCandidates(pictureField);
    for (const QString &candidate : candidates) {
        // Checked again: the folder may have changed since the file was read.
        if (QFileInfo(candidate).isFile() && isInsideCsvFolder(candidate))
            return candidate;
    }
    return QString();
}

void SceneImport::copyPictures(const QString &pictureFolder)
{
    QDir().mkpath(pictureFolder);
    const QDir folder(pictureFolder);
    QSet<QString> seen;
    for (const QString &row : std::as_const(m_rows)) {
        const QString field = LocaleTextFile::fields(row).value(ScenePicture);
        if (field.isEmpty())
            continue;
        const QString name = LocaleTextFile::fileNamePart(field);
        // The readers look a picture up by name alone, so that name is what counts once.
        const QString key = name.isEmpty() ? field : name;
        if (seen.contains(key))
            continue;
        seen.insert(key);

        const QString source = isSafeFileName(name) ? pictureSource(field) : QString();
        QByteArray bytes;
        if (source.isEmpty() || !readPicture(source, bytes) ||
            !FenwaGUIToolkit::CFile::WriteAll(folder.filePath(name), bytes))
            m_picturesNotCopied.append(key);
    }
}

bool SceneImport::install(const QString &sceneCsvPath, const QString &pictureFolder)
{
    m_picturesNotCopied.clear();
    // Rows are only kept from a file that passed every check.
    if (m_rows.isEmpty())
        return false;
    m_fault = NoFault;

    // The scene file is written aside first and put in place after the pictures,
    // so a disk too full for it leaves the pictures untouched as well.
    const QByteArray content = sceneFileContent();
    QSaveFile scene(sceneCsvPath);
    if (sceneCsvPath.isEmpty() || !scene.open(QIODevice::WriteOnly) || scene.write(content) != content.size() ||
        !scene.flush()) {
        scene.cancelWriting();
        return writeFailed();
    }
    copyPictures(pictureFolder);
    return scene.commit() || writeFailed();
}
