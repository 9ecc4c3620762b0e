#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

// What Scene.csv lists for one scene, in file order with repeats kept.
struct ScenceInfo
{
    QString strScenceName;
    QStringList listResolutions;
    QStringList listEncodings;

    friend bool operator==(const ScenceInfo &a, const ScenceInfo &b)
    {
        return a.strScenceName == b.strScenceName && a.listResolutions == b.listResolutions &&
               a.listEncodings == b.listEncodings;
    }
    friend bool operator!=(const ScenceInfo &a, const ScenceInfo &b) { return !(a == b); }
};

Q_DECLARE_METATYPE(ScenceInfo)
