#include "device/ReportFile.h"

#include "host/TargetPath.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kSettingsFile = QStringLiteral("report.ini");
const QString kLastFolderKey = QStringLiteral("export/lastFolder");
const QString kSuffix = QStringLiteral("pdf");
// Leaves room for the date, the suffix and the hidden partial file's additions
// within the 255 bytes a file name may take.
constexpr int kMaxNameLength = 100;

QString dateText(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString safeName(const QString &name)
{
    QString safe;
    safe.reserve(name.size());
    for (const QChar c : name) {
        // Forbidden on at least one of the systems a shared folder may be served from.
        const bool forbidden = c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c);
        safe.append(forbidden ? QLatin1Char('_') : c);
    }
    safe = safe.simplified().left(kMaxNameLength);
    // Not hidden, and no trailing dot or blank that some systems drop.
    while (safe.startsWith(QLatin1Char('.')))
        safe.remove(0, 1);
    while (safe.endsWith(QLatin1Char('.')) || safe.endsWith(QLatin1Char(' ')))
        safe.chop(1);
    return safe;
}

QString settingsFile()
{
    return FenwaGUIToolkit::GetWritableFile(kSettingsFile, FenwaGUIToolkit::UserFolder::Config);
}

// A dot and up to five letters or digits, a letter among them: "1.5" or
// "plan 2.0 final" end in no suffix.
bool hasSuffix(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    if (suffix.isEmpty() || suffix.size() > 5)
        return false;
    bool letter = false;
    for (const QChar c : suffix) {
        if (!c.isLetterOrNumber())
            return false;
        letter = letter || c.isLetter();
    }
    return letter;
}

} // namespace

QString ReportFile::defaultFileName(const QString &planName, const QDate &date)
{
    QString name = safeName(planName);
    if (name.isEmpty())
        //: The file name offered for a report of a plan without a name (no extension; keep it short).
        name = safeName(tr("Storage plan"));
    return name + QLatin1Char(' ') + dateText(date) + QLatin1Char('.') + kSuffix;
}

QString ReportFile::startPath(const QString &planName, const QDate &date)
{
    QString folder = lastFolder();
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QFileInfo(folder).isDir())
            folder = QDir::homePath();
    }
    return QDir(folder).filePath(defaultFileName(planName, date));
}

QString ReportFile::withPdfSuffix(const QString &fileName)
{
    if (fileName.isEmpty() || QFileInfo(fileName).isDir() || hasSuffix(fileName))
        return fileName;
    return fileName + (fileName.endsWith(QLatin1Char('.')) ? kSuffix : QLatin1Char('.') + kSuffix);
}

QString ReportFile::planNameFromFile(const QString &fileName, const QDate &date)
{
    const QString offered = QFileInfo(defaultFileName(QString(), date)).completeBaseName();
    QString name = QFileInfo(fileName).completeBaseName();
    if (name == offered)
        return QString();
    const QString datePart = QLatin1Char(' ') + dateText(date);
    if (name.endsWith(datePart))
        name.chop(datePart.size());
    return name.trimmed();
}

QString ReportFile::lastFolder()
{
    const QString folder = QSettings(settingsFile(), QSettings::IniFormat).value(kLastFolderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void ReportFile::rememberFolder(const QString &fileName)
{
    QSettings store(settingsFile(), QSettings::IniFormat);
    store.setValue(kLastFolderKey, QFileInfo(fileName).absolutePath());
    store.sync();
}
