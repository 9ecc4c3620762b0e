#include "BenchEnvironment.h"

#include "host/TargetPath.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPluginLoader>

namespace {

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) + QLatin1Char('\n') : QString();
}

} // namespace

QByteArray BenchEnvironment::offscreenPlatform(const QString &folder)
{
    const QString config = QDir(folder).filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": 1920, "height": 1080,
                       "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    }
    return "offscreen:configfile=" + QFile::encodeName(config);
}

BenchEnvironment::BenchEnvironment(const QString &runtimeDir, const QStringList &programs)
{
    if (!m_dir.isValid())
        return;
    const QDir source(runtimeDir);
    QDirIterator it(runtimeDir, QDir::Files, QDirIterator::Subdirectories);
    bool copied = true;
    while (it.hasNext()) {
        const QFileInfo file(it.next());
        // Libraries (the skin plugin) are executable too and always belong to the copy.
        if (file.isExecutable() && file.suffix() != QLatin1String("so") && !programs.contains(file.fileName()))
            continue;
        const QString target = m_dir.filePath(source.relativeFilePath(file.filePath()));
        copied = QDir().mkpath(QFileInfo(target).path()) && QFile::copy(file.filePath(), target) && copied;
    }
    m_valid = copied;
}

bool BenchEnvironment::writeFile(const QString &name, const QByteArray &data) const
{
    QFile file(m_dir.filePath(name));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

bool BenchEnvironment::install() const
{
    FenwaGUIToolkit::SetTargetPath(path());
    // Relative paths (the licences file) are opened against the program folder.
    QDir::setCurrent(path());

    const QDir skins(filePath(QStringLiteral("plugins/skins")));
    bool loaded = false;
    for (const QString &file : skins.entryList(QDir::Files)) {
        QPluginLoader loader(skins.filePath(file));
        loaded = loader.load() || loaded;
    }
    const QDir toolkit(QStringLiteral(":/Fenwasuite/Qss/Qss/FenwaGUIToolkit/"));
    QString sheet;
    for (const QString &file : toolkit.entryList(QDir::Files)) {
        if (file != QLatin1String("MacSpecial.qss"))
            sheet += readText(toolkit.filePath(file));
    }
    sheet += readText(QStringLiteral(":/Fenwasuite/Qss/Qss/Vantor/Vantor.qss"));
    qApp->setStyleSheet(sheet);
    return loaded && !sheet.isEmpty();
}
