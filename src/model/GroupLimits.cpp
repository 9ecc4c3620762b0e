#include "model/GroupLimits.h"

#include <QRegularExpression>
#include <QSet>

#include <cmath>

GroupLimits::Fault GroupLimits::check(const StructDeviceItem &group)
{
    if (group.iChannelCount < kMinChannels || group.iChannelCount > kMaxChannels)
        return Channels;
    // Written so that NaN falls outside.
    if (!(group.dBitrate >= kMinBitrate && group.dBitrate <= kMaxBitrate))
        return Bitrate;
    if (group.iRecordingShare < kMinShare || group.iRecordingShare > kMaxShare)
        return RecordingShare;
    if (typedName(group).size() > kNameLength)
        return NameLength;
    for (const QString *text :
         {&group.strEncoding, &group.strResolution, &group.strFrameRate, &group.strScene, &group.strExtraText}) {
        if (text->size() > kTextLength)
            return TextLength;
    }
    return None;
}

QString GroupLimits::faultText(Fault fault)
{
    switch (fault) {
    case None:
        break;
    case Channels:
        //: Why a channel group read from a file was refused.
        return tr("A group has from %1 to %2 channels.").arg(kMinChannels).arg(kMaxChannels);
    case Bitrate:
        //: Why a channel group read from a file was refused; the bitrate is per channel.
        return tr("A bitrate is from %1 to %2 kbps.").arg(kMinBitrate).arg(kMaxBitrate);
    case RecordingShare:
        //: Why a channel group read from a file was refused: the share of the time a group records.
        return tr("A recording share is from %1 to %2 %.").arg(kMinShare).arg(kMaxShare);
    case NameLength:
        //: Why a channel group read from a file was refused.
        return tr("A name has at most %n character(s).", nullptr, kNameLength);
    case TextLength:
        //: Why a channel group read from a file was refused: its encoding, resolution, frame rate, scene or
        //: extra text is far longer than any the program knows.
        return tr("A text of the group is longer than %n character(s).", nullptr, kTextLength);
    }
    return QString();
}

QString GroupLimits::tooManyGroupsText(qsizetype count)
{
    //: Why a plan or a CSV file was refused as a whole: %1 is how many channel groups it would have.
    return tr("A plan holds at most %n channel group(s); this one would have %1.", nullptr, kMaxGroups).arg(count);
}

QString GroupLimits::typedName(const StructDeviceItem &group)
{
    if (group.iChannelGroupNumber <= 0)
        return group.strChannelName;
    const QString suffix = QLatin1Char('(') + QString::number(group.iChannelGroupNumber) + QLatin1Char(')');
    return group.strChannelName.endsWith(suffix) ? group.strChannelName.chopped(suffix.size()) : group.strChannelName;
}

int GroupLimits::renumber(QVector<StructDeviceItem> &groups)
{
    QSet<int> used;
    QVector<qsizetype> unnumbered;
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const int number = groups.at(i).iChannelGroupNumber;
        if (number > 0 && !used.contains(number))
            used.insert(number);
        else
            unnumbered.append(i);
    }
    int next = 1;
    for (qsizetype i : unnumbered) {
        while (used.contains(next))
            ++next;
        StructDeviceItem &group = groups[i];
        // The "(n)" it ends with is the plan's doing, whatever n is.
        static const QRegularExpression numberSuffix(QStringLiteral("\\(\\d+\\)$"));
        const QString typed = QString(group.strChannelName).remove(numberSuffix);
        group.iChannelGroupNumber = next;
        group.strChannelName = typed + QLatin1Char('(') + QString::number(next) + QLatin1Char(')');
        used.insert(next);
    }
    return int(unnumbered.size());
}
