#include "model/BulkChange.h"

#include "model/BitrateTable.h"
#include "model/DeviceEnums.h"
#include "model/RetentionPolicy.h"

#include <QStringList>

#include <algorithm>

namespace {

int deviceTypeOf(const StructDeviceItem &item)
{
    if (item.strDeviceType == QLatin1String("IPC"))
        return IPC;
    if (item.strDeviceType == QLatin1String("DVR"))
        return DVR;
    return 0;
}

// Written so that NaN and text that is no number fail too.
bool positiveNumber(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && value > 0.0;
}

bool sameVideo(const StructDeviceItem &a, const StructDeviceItem &b)
{
    return a.strEncoding == b.strEncoding && a.strResolution == b.strResolution && a.strFrameRate == b.strFrameRate &&
           a.iComplexity == b.iComplexity;
}

QString missingResolutionText(int deviceType, const QString &encoding, const QString &resolution)
{
    if (deviceType == IPC)
        //: A group left out of a change: %1 the encoding's table, %2 the resolution it lacks.
        return BulkChange::tr("The %1 camera table has no %2.").arg(encoding, resolution);
    //: A group left out of a change: %1 the encoding's table, %2 the resolution it lacks.
    return BulkChange::tr("The %1 recorder table has no %2.").arg(encoding, resolution);
}

} // namespace

bool BulkChange::isEmpty() const
{
    return !changesVideo() && !recording && !hoursPerDay && !retention && !diskSize && !diskArray;
}

bool BulkChange::changesVideo() const
{
    return encoding || frameRate || resolution || complexity;
}

BulkChange::Fault BulkChange::check() const
{
    if (frameRate && !positiveNumber(*frameRate))
        return FrameRateOutOfRange;
    if (recording && recording->onMotion &&
        (recording->motionShare < kMinMotionShare || recording->motionShare > kMaxMotionShare))
        return MotionShareOutOfRange;
    if (hoursPerDay && (*hoursPerDay < 0 || *hoursPerDay > RetentionPolicy::kMaxHoursPerDay))
        return HoursOutOfRange;
    if (retention) {
        // Counted as a group's own retention is; a count past the ten years is
        // refused before it is multiplied into days.
        RetentionPolicy days;
        days.retention = retention->count;
        days.retentionUnit = retention->unit;
        if (retention->count > RetentionPolicy::kMaxTierDays || days.retentionDays() < 1 ||
            days.retentionDays() > RetentionPolicy::kMaxTierDays)
            return RetentionOutOfRange;
    }
    return NoFault;
}

QString BulkChange::faultText(Fault fault)
{
    switch (fault) {
    case FrameRateOutOfRange:
        return tr("A frame rate is a number of frames per second above 0.");
    case MotionShareOutOfRange:
        //: A change to recording on motion refused: %1 and %2 the lowest and highest share of the time, in percent.
        return tr("Recording on motion takes from %1 to %2 % of the time.").arg(kMinMotionShare).arg(kMaxMotionShare);
    case HoursOutOfRange:
        return RetentionPolicy::faultText(RetentionPolicy::HoursOutOfRange);
    case RetentionOutOfRange:
        //: A change of the calculator's retention refused: %1 the longest it may be, in days.
        return tr("Video is kept from 1 to %1 days.").arg(RetentionPolicy::kMaxTierDays);
    case NoFault:
        break;
    }
    return QString();
}

BulkChange::Outcome BulkChange::apply(const QList<StructDeviceItem> &groups, BitrateTable &table, int standard) const
{
    QList<int> rows;
    for (int row = 0; row < groups.size(); ++row)
        rows.append(row);
    return apply(groups, rows, table, standard);
}

BulkChange::Outcome BulkChange::apply(const QList<StructDeviceItem> &groups, const QList<int> &rows,
                                      BitrateTable &table, int standard) const
{
    QList<int> wanted = rows;
    std::sort(wanted.begin(), wanted.end());
    wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());

    Outcome outcome;
    outcome.groups = groups;
    for (const int row : std::as_const(wanted)) {
        if (row < 0 || row >= groups.size())
            continue;
        const StructDeviceItem &before = groups.at(row);
        StructDeviceItem item = before;
        const auto note = [&](const QString &reason) { return Note{row, before.strChannelName, reason}; };

        if (changesVideo()) {
            const QString reason = changeVideo(item, table, standard);
            if (!reason.isEmpty()) {
                outcome.unchanged.append(note(reason));
                continue;
            }
        }
        bool eventTierDropped = false;
        if (recording) {
            item.iRecordingShare = recording->onMotion ? recording->motionShare : StructDeviceItem::kContinuousShare;
            // A group recorded on motion keeps its events with the rest of its video.
            if (recording->onMotion && item.policy.own && item.policy.eventDays > 0) {
                item.policy.eventDays = 0;
                item.policy.eventShare = 0;
                eventTierDropped = true;
            }
        }
        // A new rate may fall below the sub-stream the group's own retention keeps;
        // a group that could not keep its policy before is not the change's doing.
        const RetentionPolicy::Fault fault = item.policy.check(item.dBitrate, item.iRecordingShare);
        if (fault != RetentionPolicy::NoFault &&
            before.policy.check(before.dBitrate, before.iRecordingShare) == RetentionPolicy::NoFault) {
            outcome.unchanged.append(note(RetentionPolicy::faultText(fault)));
            continue;
        }
        if (item == before)
            continue;
        outcome.groups[row] = item;
        outcome.changedRows.append(row);
        if (!item.bRateFromTable && !sameVideo(item, before))
            outcome.typedKept.append(note(QString()));
        if (eventTierDropped)
            outcome.eventTiersDropped.append(note(QString()));
    }
    return outcome;
}

QString BulkChange::changeVideo(StructDeviceItem &item, BitrateTable &table, int standard) const
{
    // The scene list, not the tables, recommends for a scene, and such a group has no frame rate.
    if (!item.strScene.isEmpty())
        //: A group left out of a change of its video: %1 the scene its rate was set up from.
        return tr("Its rate comes from the scene \"%1\"; change it in the editor.").arg(item.strScene);
    const int deviceType = deviceTypeOf(item);
    if (deviceType == 0)
        //: A group left out of a change of its video: %1 its device type, which has no tables.
        return tr("There are no tables for the device type \"%1\".").arg(item.strDeviceType);

    const QString newEncoding = encoding.value_or(item.strEncoding);
    QString newResolution = item.strResolution;
    if (encoding || resolution) {
        QStringList offered;
        table.getResolutions(offered, deviceType, newEncoding);
        const QString target = resolution ? resolution->resolution : item.strResolution;
        if (!offered.contains(target))
            return missingResolutionText(deviceType, newEncoding, target);
        if (!offered.contains(item.strResolution) && (!resolution || resolution->mode == CapAt))
            return missingResolutionText(deviceType, newEncoding, item.strResolution);
        if (resolution && (resolution->mode == SetTo || offered.indexOf(item.strResolution) > offered.indexOf(target)))
            newResolution = target;
    }

    StructDeviceItem changed = item;
    changed.strEncoding = newEncoding;
    changed.strResolution = newResolution;
    changed.strFrameRate = frameRate.value_or(item.strFrameRate);
    changed.iComplexity = complexity.value_or(item.iComplexity);
    if (changed.bRateFromTable && !sameVideo(changed, item)) {
        table.setEncodeType(changed.strEncoding);
        table.setFrameStandard(standard);
        bool ok = false;
        const double fps = changed.strFrameRate.toDouble(&ok);
        const int recommended =
            ok && fps > 0.0 ? table.recommendedBitrate(changed.strResolution, deviceType, fps, changed.iComplexity) : 0;
        if (recommended <= 0)
            //: A group left out of a change: %1 the encoding, %2 the resolution, %3 the frames per second.
            return tr("The %1 table recommends no rate for %2 at %3 fps.")
                .arg(changed.strEncoding, changed.strResolution, changed.strFrameRate);
        changed.dBitrate = recommended;
    }
    item = changed;
    return QString();
}

void BulkChange::applyInputs(PlanCalculatorInputs &inputs) const
{
    if (hoursPerDay) {
        inputs.retentionPageHoursPerDay = *hoursPerDay;
        inputs.diskPageHoursPerDay = *hoursPerDay;
    }
    if (retention) {
        inputs.retention = QString::number(retention->count);
        inputs.retentionUnit = retention->unit;
    }
    if (diskSize) {
        inputs.diskSize = diskSize->size;
        inputs.diskInTerabytes = diskSize->terabytes;
    }
    if (diskArray) {
        inputs.arrayDriveTB = diskArray->driveTB;
        inputs.arrayDrives = diskArray->drives;
        inputs.arrayLevel = diskArray->level;
        inputs.arraySpares = diskArray->spares;
    }
}
