#include "model/ModelMetaTypes.h"

#include <mutex>

void registerModelMetaTypes()
{
    static std::once_flag s_once;
    std::call_once(s_once, [] {
        qRegisterMetaType<StructDeviceItem>("StructDeviceItem");
        qRegisterMetaType<StructDeviceType>("StructDeviceType");
        qRegisterMetaType<SCENCE_ITEM>("SCENCE_ITEM");
        qRegisterMetaType<ScenceInfo>("ScenceInfo");
        qRegisterMetaType<Result>("Result");
        // Signatures written with QVector and "long long" name the same types as
        // QList and qlonglong; the aliases keep string-based connections working.
        qRegisterMetaType<QVector<StructDeviceItem>>("QVector<StructDeviceItem>");
        qRegisterMetaType<QVector<StructDeviceType>>("QVector<StructDeviceType>");
        qRegisterMetaType<QVector<SCENCE_ITEM>>("QVector<SCENCE_ITEM>");
        qRegisterMetaType<QMap<long long, StructDeviceItem>>("QMap<long long,StructDeviceItem>");
        qRegisterMetaType<QMap<int, QString>>("QMap<int,QString>");
    });
}
