#include "CommonSkinPlugin.h"

namespace {
QString commonSkinName()
{
    return QStringLiteral("CommonSkin");
}
} // namespace

CommonSkinPlugin::CommonSkinPlugin(QObject *parent) : QObject(parent) {}

QStringList CommonSkinPlugin::skinNames() const
{
    return {commonSkinName()};
}

QString CommonSkinPlugin::skinDescription(const QString &skinName) const
{
    if (skinName != commonSkinName())
        return QString();
    return QStringLiteral("Light theme with blue accents");
}
