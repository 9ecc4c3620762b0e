#pragma once

#include "host/ISkinPlugin.h"

#include <QObject>

// The default light skin. Its images and style sheets are compiled into the
// library, so loading it is all it takes to register them under ":/".
class CommonSkinPlugin : public QObject, public ISkinPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ISkinPlugin_iid FILE "commonskin.json")
    Q_INTERFACES(ISkinPlugin)

public:
    explicit CommonSkinPlugin(QObject *parent = nullptr);

    QStringList skinNames() const override;
    QString skinDescription(const QString &skinName) const override;
};
