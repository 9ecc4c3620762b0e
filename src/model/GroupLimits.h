#pragma once

#include "model/StructDeviceItem.h"

#include <QCoreApplication>
#include <QString>
#include <QVector>

// What a channel group and a plan may hold. The editor takes only this, and
// every reader (plans, recovery copies, CSV sheets) refuses the rest, so a
// file from elsewhere cannot bring in what nobody could have typed, and a plan
// the program writes is always one it opens again.
class GroupLimits
{
    Q_DECLARE_TR_FUNCTIONS(GroupLimits)

public:
    static constexpr int kMinChannels = 1;
    static constexpr int kMaxChannels = 1024;
    // Per channel, in kbps.
    static constexpr double kMinBitrate = 1;
    static constexpr double kMaxBitrate = 204800;
    static constexpr int kMinShare = 1;
    static constexpr int kMaxShare = StructDeviceItem::kContinuousShare;
    // The name as typed, without the "(n)" of its number.
    static constexpr int kNameLength = 20;
    // Encoding, resolution, frame rate, scene and the extra text: the tables'
    // own words are far shorter.
    static constexpr int kTextLength = 64;
    static constexpr int kMaxGroups = 10000;

    enum Fault {
        None,
        Channels,
        Bitrate,
        RecordingShare,
        NameLength,
        TextLength,
    };

    // The first field of the group out of bounds; the number is not looked at
    // (see renumber()).
    static Fault check(const StructDeviceItem &group);
    // Translated, naming the bounds.
    static QString faultText(Fault fault);
    // Translated: why `count` groups are refused as a whole.
    static QString tooManyGroupsText(qsizetype count);

    // The name without the "(n)" of the group's own positive number.
    static QString typedName(const StructDeviceItem &group);

    // Gives each group without a positive number, or with one an earlier
    // group already has, the lowest number nobody uses; the "(n)" its name
    // ends with, if any, becomes the new number's. Answers how many groups were given a new number.
    static int renumber(QVector<StructDeviceItem> &groups);
};
