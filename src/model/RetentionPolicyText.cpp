#include "model/RetentionPolicyText.h"

#include "model/FigureFormat.h"

namespace {

// Hours and rates as typed: up to one decimal, or up to six digits.
QString hoursText(double hours)
{
    return FigureFormat::trimmed(hours, 1);
}

QString rateText(double kbps)
{
    return FigureFormat::number(kbps, 'g', 6);
}

bool hasAudio(const RetentionPolicy &policy)
{
    return policy.audio != RetentionPolicy::NoAudio && policy.audioKbps() > 0.0;
}

} // namespace

QString RetentionPolicyText::codec(int audio)
{
    // Codec names are the same in every language.
    switch (audio) {
    case RetentionPolicy::G711:
        return QStringLiteral("G.711");
    case RetentionPolicy::G726At16:
    case RetentionPolicy::G726At32:
        return QStringLiteral("G.726");
    case RetentionPolicy::Aac:
        return QStringLiteral("AAC");
    default:
        return QString();
    }
}

QStringList RetentionPolicyText::badges(const RetentionPolicy &policy)
{
    QStringList out;
    if (!policy.own)
        return out;
    //: Badge on a group's card: it keeps its video %n days ("90 d"). Keep it very short.
    out.append(tr("%n d", "retention badge", policy.retentionDays()));
    if (policy.eventDays > 0) {
        //: Badge on a group's card: its motion events are kept %n days after its video. Keep it very short.
        out.append(tr("events %n d", nullptr, policy.eventDays));
    }
    if (policy.subStreamDays > 0) {
        //: Badge on a group's card: its sub-stream is kept %n days after its main stream. Keep it very short.
        out.append(tr("sub %n d", nullptr, policy.subStreamDays));
    }
    if (hasAudio(policy)) {
        //: Badge on a group's card: it records audio with its video. Keep it very short.
        out.append(tr("audio", "badge"));
    }
    return out;
}

QStringList RetentionPolicyText::spokenParts(const RetentionPolicy &policy)
{
    QStringList out;
    if (!policy.own)
        return out;
    //: Read out for a group's card: it keeps its video %n days.
    out.append(tr("kept %n day(s)", nullptr, policy.retentionDays()));
    if (policy.eventDays > 0) {
        //: Read out for a group's card: its motion events are kept %n days longer than its video.
        out.append(tr("events kept %n more day(s)", nullptr, policy.eventDays));
    }
    if (policy.subStreamDays > 0) {
        //: Read out for a group's card: its sub-stream is kept %n days longer than its main stream.
        out.append(tr("sub-stream kept %n more day(s)", nullptr, policy.subStreamDays));
    }
    if (hasAudio(policy)) {
        //: Read out for a group's card: it records audio with this codec (%1, "G.711").
        out.append(tr("audio %1").arg(codec(policy.audio)));
    }
    return out;
}

QString RetentionPolicyText::spoken(const RetentionPolicy &policy)
{
    //: Between the phrases of a group's retention read out for its card.
    return spokenParts(policy).join(tr(", ", "list separator"));
}

QString RetentionPolicyText::retention(const RetentionPolicy &policy)
{
    //: A group's own retention in the report: %n days.
    return tr("%n day(s)", "retention", policy.retentionDays());
}

QString RetentionPolicyText::schedule(const RetentionPolicy &policy)
{
    if (!policy.splitWeek) {
        //: A group's recording schedule in the report: %1 hours every day.
        return tr("%1 h a day").arg(hoursText(policy.hoursPerDay));
    }
    //: A group's recording schedule in the report: %1 hours on each weekday, %2 hours on each day of the weekend.
    return tr("%1 h on weekdays, %2 h at weekends").arg(hoursText(policy.weekdayHours), hoursText(policy.weekendHours));
}

QString RetentionPolicyText::events(const RetentionPolicy &policy)
{
    if (!policy.own || policy.eventDays <= 0)
        return FigureFormat::none();
    //: A group's motion events in the report: kept %n days after its video; %1 the percentage of the time with
    //: motion.
    return tr("%n more day(s) at %1 % motion", nullptr, policy.eventDays).arg(policy.eventShare);
}

QString RetentionPolicyText::subStream(const RetentionPolicy &policy)
{
    if (!policy.own || policy.subStreamDays <= 0)
        return FigureFormat::none();
    const QString rate = rateText(policy.subStreamKbps);
    QString stream = policy.subStreamResolution;
    if (!policy.subStreamFrameRate.isEmpty()) {
        stream = stream.isEmpty()
                     //: A sub-stream's frame rate in the report: %1 frames per second.
                     ? tr("%1 fps", "sub-stream").arg(policy.subStreamFrameRate)
                     //: A sub-stream's resolution (%1, "720P") and frame rate (%2 frames per second) in the report.
                     : tr("%1, %2 fps", "sub-stream").arg(stream, policy.subStreamFrameRate);
    }
    if (stream.isEmpty()) {
        //: A group's sub-stream in the report: kept %n days after the main stream at %1 kbps per channel.
        return tr("%n more day(s) at %1 kbps", nullptr, policy.subStreamDays).arg(rate);
    }
    //: A group's sub-stream in the report: kept %n days after the main stream at %1 kbps per channel; %2 its
    //: resolution and frame rate ("720P, 15 fps").
    return tr("%n more day(s) at %1 kbps (%2)", nullptr, policy.subStreamDays).arg(rate, stream);
}

QString RetentionPolicyText::audio(const RetentionPolicy &policy)
{
    if (!policy.own || !hasAudio(policy)) {
        //: A group's audio in the report: it records none.
        return tr("None", "audio");
    }
    //: A group's audio in the report: %1 the codec ("G.711"), %2 its rate per channel in kbps.
    return tr("%1, %2 kbps", "audio").arg(codec(policy.audio), rateText(policy.audioKbps()));
}
