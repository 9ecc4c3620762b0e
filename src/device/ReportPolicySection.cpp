#include "device/ReportPolicySection.h"

#include "model/FigureFormat.h"
#include "model/RetentionNeed.h"
#include "model/RetentionPolicyText.h"

bool ReportPolicySection::shown(const QMap<long long, StructDeviceItem> &devices)
{
    return RetentionNeed::anyOwn(devices.values());
}

ReportTable ReportPolicySection::table(const QMap<long long, StructDeviceItem> &devices, const QString &planRetention)
{
    ReportTable table;
    //: Title of the report's section listing the groups that keep their video their own way.
    table.title = tr("Retention policies");
    //: Column caption in the report's retention section: how long a group keeps its video.
    const QString retention = tr("Retention");
    //: Column caption in the report's retention section: the hours a group records.
    const QString schedule = tr("Schedule");
    //: Column caption in the report's retention section: the motion events kept after the video.
    const QString events = tr("Events");
    //: Column caption in the report's retention section: the sub-stream kept after the main stream.
    const QString subStream = tr("Sub-stream");
    //: Column caption in the report's retention section: the audio recorded with the video.
    const QString audio = tr("Audio");
    table.headers = {tr("Device Name"), retention, schedule, events, subStream, audio, tr("Required Disk Space")};

    bool anyFollows = false;
    for (const StructDeviceItem &item : devices) {
        const RetentionPolicy &policy = item.policy;
        if (!policy.own) {
            anyFollows = true;
            continue;
        }
        // A group's own policy owes nothing to the plan's retention and hours.
        const QString disk = FigureFormat::diskSize(RetentionNeed::gigabytes(item, policy, RetentionNeed::PlanWide()));
        table.rows.append({item.strChannelName, RetentionPolicyText::retention(policy),
                           RetentionPolicyText::schedule(policy), RetentionPolicyText::events(policy),
                           RetentionPolicyText::subStream(policy), RetentionPolicyText::audio(policy),
                           disk.isEmpty() ? FigureFormat::none() : disk});
    }
    if (anyFollows) {
        table.note = planRetention.isEmpty()
                         //: Under the report's retention section: the groups it does not list.
                         ? tr("The groups not listed keep the plan's retention.")
                         //: Under the report's retention section: the groups it does not list keep %1 ("30 days").
                         : tr("The groups not listed keep the plan's retention of %1.").arg(planRetention);
    }
    return table;
}
