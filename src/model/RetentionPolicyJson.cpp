#include "model/RetentionPolicyJson.h"

#include "model/GroupLimits.h"
#include "model/JsonFieldReader.h"
#include "model/StructDeviceItem.h"

#include <QStringList>

#include <climits>
#include <limits>

namespace {

const QStringList &unitNames()
{
    static const QStringList names{QStringLiteral("days"), QStringLiteral("weeks"), QStringLiteral("months")};
    return names;
}

const QStringList &audioNames()
{
    static const QStringList names{QStringLiteral("none"), QStringLiteral("G.711"), QStringLiteral("G.726-16"),
                                   QStringLiteral("G.726-32"), QStringLiteral("AAC")};
    return names;
}

} // namespace

bool RetentionPolicyJson::read(const QJsonValue &value, JsonFieldReader &group, StructDeviceItem &g, QString &reason)
{
    RetentionPolicy &p = g.policy;
    if (!value.isObject())
        return group.fail("retention", false);
    JsonFieldReader r(value.toObject(), group.path("retention."), group.fault());
    // Only the kinds are read here; the ranges are the policy's own check,
    // which says them in words.
    const double lowest = std::numeric_limits<double>::lowest();
    const double highest = std::numeric_limits<double>::max();
    p.own = true;
    p.splitWeek = r.has("weekdayHours") || r.has("weekendHours");
    bool ok = r.integer("retention", INT_MIN, INT_MAX, p.retention, true) &&
              r.choice("unit", unitNames(), p.retentionUnit) &&
              (p.splitWeek ? r.between("weekdayHours", lowest, highest, p.weekdayHours, true) &&
                                 r.between("weekendHours", lowest, highest, p.weekendHours, true)
                           : r.between("hoursPerDay", lowest, highest, p.hoursPerDay)) &&
              r.integer("eventDays", INT_MIN, INT_MAX, p.eventDays) &&
              r.integer("eventShare", INT_MIN, INT_MAX, p.eventShare) &&
              r.integer("subStreamDays", INT_MIN, INT_MAX, p.subStreamDays) &&
              r.between("subStreamKbps", lowest, highest, p.subStreamKbps) &&
              r.text("subStreamResolution", p.subStreamResolution, false, GroupLimits::kTextLength) &&
              r.text("subStreamFrameRate", p.subStreamFrameRate, false, GroupLimits::kTextLength) &&
              r.boolean("subStreamRateTyped", p.subStreamRateTyped) && r.choice("audio", audioNames(), p.audio) &&
              r.integer("aacKbps", INT_MIN, INT_MAX, p.aacKbps);
    if (!r.rest().isEmpty())
        group.keep("retention", r.rest());
    if (!ok)
        return false;
    const RetentionPolicy::Fault policyFault = p.check(g.dBitrate, g.iRecordingShare);
    if (policyFault == RetentionPolicy::NoFault)
        return true;
    reason = RetentionPolicy::faultText(policyFault);
    switch (policyFault) {
    case RetentionPolicy::RetentionOutOfRange:
        return r.fail("retention", false);
    case RetentionPolicy::HoursOutOfRange:
    case RetentionPolicy::NoHours:
        return r.fail(p.splitWeek ? "weekdayHours" : "hoursPerDay", false);
    case RetentionPolicy::EventDaysOutOfRange:
    case RetentionPolicy::EventTierOnMotionGroup:
        return r.fail("eventDays", false);
    case RetentionPolicy::EventShareOutOfRange:
    case RetentionPolicy::EventTierWithoutShare:
        return r.fail("eventShare", false);
    case RetentionPolicy::SubStreamDaysOutOfRange:
        return r.fail("subStreamDays", false);
    default:
        return r.fail(policyFault == RetentionPolicy::AacRateOutOfRange ? "aacKbps" : "subStreamKbps", false);
    }
}

QJsonObject RetentionPolicyJson::object(const RetentionPolicy &p, QJsonObject object)
{
    object.insert(QStringLiteral("retention"), p.retention);
    object.insert(QStringLiteral("unit"), unitNames().value(p.retentionUnit));
    if (p.splitWeek) {
        object.insert(QStringLiteral("weekdayHours"), p.weekdayHours);
        object.insert(QStringLiteral("weekendHours"), p.weekendHours);
    } else {
        object.insert(QStringLiteral("hoursPerDay"), p.hoursPerDay);
    }
    // The tiers a policy does not keep are left out.
    if (p.eventDays > 0) {
        object.insert(QStringLiteral("eventDays"), p.eventDays);
        object.insert(QStringLiteral("eventShare"), p.eventShare);
    }
    if (p.subStreamDays > 0) {
        object.insert(QStringLiteral("subStreamDays"), p.subStreamDays);
        object.insert(QStringLiteral("subStreamKbps"), p.subStreamKbps);
        object.insert(QStringLiteral("subStreamResolution"), p.subStreamResolution);
        object.insert(QStringLiteral("subStreamFrameRate"), p.subStreamFrameRate);
        object.insert(QStringLiteral("subStreamRateTyped"), p.subStreamRateTyped);
    }
    if (p.audio != RetentionPolicy::NoAudio)
        object.insert(QStringLiteral("audio"), audioNames().value(p.audio));
    if (p.audio == RetentionPolicy::Aac)
        object.insert(QStringLiteral("aacKbps"), p.aacKbps);
    return object;
}
