#include "support/SkinStyle.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPluginLoader>

namespace SkinStyle {

namespace {
QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) + QLatin1Char('\n') : QString();
}
} // namespace

bool apply()
{
    const QDir skins(QStringLiteral(TAVO_SKIN_DIR));
    bool loaded = false;
    for (const QString &file : skins.entryList(QDir::Files)) {
        QPluginLoader loader(skins.filePath(file));
        loaded = loader.load() || loaded;
    }
    if (!loaded)
        return false;
    const QDir toolkit(QStringLiteral(":/Fenwasuite/Qss/Qss/FenwaGUIToolkit/"));
    QString sheet;
    for (const QString &file : toolkit.entryList(QDir::Files)) {
        if (file != QLatin1String("MacSpecial.qss"))
            sheet += readAll(toolkit.filePath(file));
    }
    sheet += readAll(QStringLiteral(":/Fenwasuite/Qss/Qss/Vantor/Vantor.qss"));
    qApp->setStyleSheet(sheet);
    return !sheet.isEmpty();
}

} // namespace SkinStyle
