#pragma once

#include "model/DeviceEnums.h"
#include "model/PlanCalculatorInputs.h"
#include "model/StructDeviceItem.h"

#include <QJsonObject>
#include <QString>
#include <QVector>

// One way of building a site, of the few a plan may keep side by side ("A",
// "B: H.265", …): its video standard, channel groups and calculator inputs,
// with the fields of each a newer version wrote that this one does not know.
struct PlanVariant
{
    // The most variants a plan keeps, and the longest name one takes.
    static constexpr int kMaxVariants = 5;
    static constexpr int kMaxNameLength = 40;

    QString name = QStringLiteral("A");
    // FrameStandard: PAL or NTSC.
    int videoStandard = PAL;
    QVector<StructDeviceItem> groups;
    PlanCalculatorInputs calculator;

    // Unknown fields, written back as they were read: of the variant's
    // calculator, of each group (parallel to groups), and of the variant.
    QJsonObject calculatorExtra;
    QVector<QJsonObject> groupExtra;
    QJsonObject extra;

    // A group equal to one already held keeps that group's unknown fields;
    // any other group has none.
    void setGroups(const QVector<StructDeviceItem> &newGroups);
    bool anyOwnRetention() const;
};
