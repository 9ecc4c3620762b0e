#pragma once

#include <QCoreApplication>
#include <QMetaType>
#include <QString>

// How one channel group keeps its video when it keeps it its own way rather
// than as the plan keeps every group: its retention and recording schedule,
// the tiers that outlast its main stream (motion events kept after
// continuous video, a sub-stream kept after the main stream) and the audio
// recorded with it. Lengths count whole days, a week as 7 and a month as 30,
// as the calculator counts them; hours are a day's recording hours.
struct RetentionPolicy
{
    Q_DECLARE_TR_FUNCTIONS(RetentionPolicy)

public:
    enum Unit : int { Days = 0, Weeks = 1, Months = 2 };
    enum Audio : int { NoAudio = 0, G711 = 1, G726At16 = 2, G726At32 = 3, Aac = 4 };
    enum Fault {
        NoFault,
        RetentionOutOfRange,
        HoursOutOfRange,
        NoHours,
        EventDaysOutOfRange,
        EventShareOutOfRange,
        EventTierWithoutShare,
        EventTierOnMotionGroup,
        SubStreamDaysOutOfRange,
        SubStreamRateOutOfRange,
        SubStreamAboveMain,
        AacRateOutOfRange,
    };

    // The longest any tier may be kept: ten years.
    static constexpr int kMaxTierDays = 3650;
    static constexpr int kMaxHoursPerDay = 24;
    static constexpr int kMinAacKbps = 32;
    static constexpr int kMaxAacKbps = 128;

    // A group that does not keep its own policy follows the plan, and nothing
    // below counts for it.
    bool own = false;

    int retention = 30;
    int retentionUnit = Days;

    // The same hours every day, or apart for the five weekdays and the two
    // days of the weekend (a site closed at weekends records 0 then).
    bool splitWeek = false;
    double hoursPerDay = 24.0;
    double weekdayHours = 24.0;
    double weekendHours = 24.0;

    // A continuous group's motion events, kept this many days after its
    // video; the share of the time with motion they take. 0 days: none.
    int eventDays = 0;
    int eventShare = 0;

    // The sub-stream, kept this many days after the main stream, at its own
    // rate per channel (recommended from the tables for its resolution and
    // frame rate, or typed). 0 days: none.
    int subStreamDays = 0;
    double subStreamKbps = 0.0;
    QString subStreamResolution;
    QString subStreamFrameRate;
    bool subStreamRateTyped = false;

    int audio = NoAudio;
    // Only for AAC, whose rate the planner chooses.
    int aacKbps = 64;

    // Whether a day may be recorded that many hours; NaN may not.
    static bool hoursInRange(double hours);

    // The retention in days; 0 for a unit that is none of the three.
    int retentionDays() const;
    // The hours recorded on an average day of the week.
    double averageHoursPerDay() const;
    // The audio's rate per channel in kbps: G.711 64, G.726 16 or 32, AAC as chosen.
    double audioKbps() const;

    // Why a group of that main rate per channel and recording share (100 for
    // a continuous group) cannot keep this policy; NoFault when it can. A
    // policy not of its own is always fine.
    Fault check(double mainKbps, int recordingShare) const;
    // The reason in words with the range, translated; empty for NoFault.
    static QString faultText(Fault fault);

    friend bool operator==(const RetentionPolicy &a, const RetentionPolicy &b);
    friend bool operator!=(const RetentionPolicy &a, const RetentionPolicy &b) { return !(a == b); }
};

Q_DECLARE_METATYPE(RetentionPolicy)
