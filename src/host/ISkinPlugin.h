#pragma once

#include <QString>
#include <QStringList>
#include <QtPlugin>

// A skin plugin registers ":/" resources (images, style sheets) when it is
// loaded and names the skins it provides.
class ISkinPlugin
{
public:
    virtual ~ISkinPlugin() = default;
    virtual QStringList skinNames() const = 0;
    virtual QString skinDescription(const QString &skinName) const = 0;
};

#define ISkinPlugin_iid "com.ISkinPlugin/1.1"
Q_DECLARE_INTERFACE(ISkinPlugin, ISkinPlugin_iid)
