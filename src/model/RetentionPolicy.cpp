#include "model/RetentionPolicy.h"

namespace {

constexpr int kDaysPerWeek = 7;
constexpr int kDaysPerMonth = 30;
constexpr int kWeekdays = 5;
constexpr int kWeekendDays = 2;
constexpr int kContinuousShare = 100;

} // namespace

bool RetentionPolicy::hoursInRange(double hours)
{
    // Written so that NaN fails too.
    return hours >= 0.0 && hours <= kMaxHoursPerDay;
}

int RetentionPolicy::retentionDays() const
{
    switch (retentionUnit) {
    case Days:
        return retention;
    case Weeks:
        return retention * kDaysPerWeek;
    case Months:
        return retention * kDaysPerMonth;
    default:
        return 0;
    }
}

double RetentionPolicy::averageHoursPerDay() const
{
    if (!splitWeek)
        return hoursPerDay;
    return (kWeekdays * weekdayHours + kWeekendDays * weekendHours) / (kWeekdays + kWeekendDays);
}

double RetentionPolicy::audioKbps() const
{
    switch (audio) {
    case G711:
        return 64.0;
    case G726At16:
        return 16.0;
    case G726At32:
        return 32.0;
    case Aac:
        return aacKbps;
    default:
        return 0.0;
    }
}

RetentionPolicy::Fault RetentionPolicy::check(double mainKbps, int recordingShare) const
{
    if (!own)
        return NoFault;
    // A count past the ten years is refused before it is multiplied into days.
    if (retention < 1 || retention > kMaxTierDays || retentionDays() < 1 || retentionDays() > kMaxTierDays)
        return RetentionOutOfRange;
    const bool hoursFine =
        splitWeek ? hoursInRange(weekdayHours) && hoursInRange(weekendHours) : hoursInRange(hoursPerDay);
    if (!hoursFine)
        return HoursOutOfRange;
    if (!(averageHoursPerDay() > 0.0))
        return NoHours;
    if (eventDays < 0 || eventDays > kMaxTierDays)
        return EventDaysOutOfRange;
    if (eventDays > 0) {
        if (recordingShare < kContinuousShare)
            return EventTierOnMotionGroup;
        if (eventShare == 0)
            return EventTierWithoutShare;
        if (eventShare < 1 || eventShare >= kContinuousShare)
            return EventShareOutOfRange;
    }
    if (subStreamDays < 0 || subStreamDays > kMaxTierDays)
        return SubStreamDaysOutOfRange;
    if (subStreamDays > 0) {
        if (!(subStreamKbps >= 1.0))
            return SubStreamRateOutOfRange;
        // NaN in the main rate leaves no rate the sub-stream could stay under.
        if (!(subStreamKbps <= mainKbps))
            return SubStreamAboveMain;
    }
    if (audio == Aac && (aacKbps < kMinAacKbps || aacKbps > kMaxAacKbps))
        return AacRateOutOfRange;
    return NoFault;
}

QString RetentionPolicy::faultText(Fault fault)
{
    switch (fault) {
    case RetentionOutOfRange:
        //: A group's own retention refused: %1 the longest a tier may be kept, in days.
        return tr("A group keeps its video from 1 to %1 days.").arg(kMaxTierDays);
    case HoursOutOfRange:
        //: A group's recording schedule refused: %1 the hours of a whole day.
        return tr("A day has from 0 to %1 recording hours.").arg(kMaxHoursPerDay);
    case NoHours:
        return tr("The group records no hours at all.");
    case EventDaysOutOfRange:
        //: The days motion events are kept after continuous video, refused: %1 the longest.
        return tr("Events are kept from 0 to %1 days more.").arg(kMaxTierDays);
    case EventShareOutOfRange:
        return tr("Motion takes from 1 to 99 % of the time.");
    case EventTierWithoutShare:
        return tr("Say how much of the time has motion, so that the events kept can be counted.");
    case EventTierOnMotionGroup:
        return tr("A group recorded on motion keeps its events as long as its retention says.");
    case SubStreamDaysOutOfRange:
        //: The days the sub-stream is kept after the main stream, refused: %1 the longest.
        return tr("The sub-stream is kept from 0 to %1 days more.").arg(kMaxTierDays);
    case SubStreamRateOutOfRange:
        return tr("The sub-stream needs a rate of at least 1 kbps.");
    case SubStreamAboveMain:
        return tr("The sub-stream's rate cannot pass the main stream's.");
    case AacRateOutOfRange:
        //: The rate of AAC audio refused: %1 and %2 the lowest and highest rate in kbps.
        return tr("AAC audio takes from %1 to %2 kbps.").arg(kMinAacKbps).arg(kMaxAacKbps);
    case NoFault:
        break;
    }
    return QString();
}

bool operator==(const RetentionPolicy &a, const RetentionPolicy &b)
{
    return a.own == b.own && a.retention == b.retention && a.retentionUnit == b.retentionUnit &&
           a.splitWeek == b.splitWeek && a.hoursPerDay == b.hoursPerDay && a.weekdayHours == b.weekdayHours &&
           a.weekendHours == b.weekendHours && a.eventDays == b.eventDays && a.eventShare == b.eventShare &&
           a.subStreamDays == b.subStreamDays && a.subStreamKbps == b.subStreamKbps &&
           a.subStreamResolution == b.subStreamResolution && a.subStreamFrameRate == b.subStreamFrameRate &&
           a.subStreamRateTyped == b.subStreamRateTyped && a.audio == b.audio && a.aacKbps == b.aacKbps;
}
