#pragma once

#include "model/RetentionPolicy.h"

#include <QJsonObject>
#include <QJsonValue>

class JsonFieldReader;
struct StructDeviceItem;

// A group's own retention in a plan file: the "retention" object of the
// group, written only for a group that keeps its own, with only the tiers it
// keeps. Its unknown fields stay with the group.
class RetentionPolicyJson
{
public:
    // Reads `value`, the group's "retention", into the group's policy and
    // checks it against the group's rate and share; false with the field
    // noted in `group` (and the reason in `reason` for a refused policy).
    static bool read(const QJsonValue &value, JsonFieldReader &group, StructDeviceItem &item, QString &reason);
    // The object of a policy of its own, over the fields `extra` kept.
    static QJsonObject object(const RetentionPolicy &policy, QJsonObject extra);
};
