#pragma once

#include <QMetaType>
#include <QString>

// One selectable recording scene.
struct SCENCE_ITEM
{
    // 0-based position in the scene list; what the scene selector reports back.
    int scenceType = 0;
    QString strScenceName;

    friend bool operator==(const SCENCE_ITEM &a, const SCENCE_ITEM &b)
    {
        return a.scenceType == b.scenceType && a.strScenceName == b.strScenceName;
    }
    friend bool operator!=(const SCENCE_ITEM &a, const SCENCE_ITEM &b) { return !(a == b); }
};

Q_DECLARE_METATYPE(SCENCE_ITEM)
