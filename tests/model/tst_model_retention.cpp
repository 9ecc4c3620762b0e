#include "model/GroupCsv.h"
#include "model/PlanDocument.h"
#include "model/RetentionNeed.h"
#include "model/RetentionPolicy.h"
#include "model/RetentionPolicyText.h"
#include "model/RetentionProfile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

namespace {

// A recorded group: channels at a rate per channel, continuous unless a share is given.
StructDeviceItem group(int channels, double kbps, int share = StructDeviceItem::kContinuousShare, int viewMode = 2)
{
    StructDeviceItem item;
    item.iChannelCount = channels;
    item.dBitrate = kbps;
    item.iRecordingShare = share;
    item.iViewMode = viewMode;
    return item;
}

RetentionPolicy own(int days)
{
    RetentionPolicy policy;
    policy.own = true;
    policy.retention = days;
    return policy;
}

// The whole numbers a text holds, in order; "G.711" holds none.
QList<int> numbers(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("(?<![.\\d])\\d+"));
    QList<int> out;
    for (auto it = number.globalMatch(text); it.hasNext();)
        out.append(it.next().captured().toInt());
    return out;
}

} // namespace

class TestModelRetention : public QObject
{
    Q_OBJECT

private slots:
    void gigabytes_data();
    void gigabytes();
    void profile_data();
    void profile();
    void diskAnswer_data();
    void diskAnswer();
    void refusals_data();
    void refusals();
    void filesKeepPolicies_data();
    void filesKeepPolicies();
    void filesRefusePolicies_data();
    void filesRefusePolicies();
    void policyInWords_data();
    void policyInWords();
};

// Every row: kbps × hours × 3600 / 8e6 × 1/0.997 × 1.024, summed over the tiers.
void TestModelRetention::gigabytes_data()
{
    QTest::addColumn<StructDeviceItem>("item");
    QTest::addColumn<RetentionPolicy>("policy");
    QTest::addColumn<double>("gigabytes");

    // The plan's 30 days of 24 h: 4 × 2048 = 8192 kbps for 720 h.
    QTest::newRow("follows the plan") << group(4, 2048) << RetentionPolicy() << 2726.0872537612836;
    // 4 × 4096 = 16384 kbps for 90 × 24 = 2160 h.
    QTest::newRow("own 90 days") << group(4, 4096) << own(90) << 16356.523522567702;
    // 2 × 1024 = 2048 kbps, (5 × 10 h + 2 × 0 h) / 7 a day for 30 days.
    RetentionPolicy businessHours = own(30);
    businessHours.splitWeek = true;
    businessHours.weekdayHours = 10;
    businessHours.weekendHours = 0;
    QTest::newRow("weekdays only") << group(2, 1024) << businessHours << 202.8338730477146;
    // 8 × 2048 × 40 % = 6553.6 kbps for 720 h.
    QTest::newRow("on motion 40 %") << group(8, 2048, 40) << own(30) << 2180.8698030090272;
    // 16 × 1024 = 16384 kbps for 7 × 24 h, then 20 % of it, 3276.8 kbps, for 358 × 24 h.
    RetentionPolicy events = own(7);
    events.eventDays = 358;
    events.eventShare = 20;
    QTest::newRow("events a year") << group(16, 1024) << events << 14284.69720970913;
    // Main 4 × 4096 = 16384 kbps for 3 × 24 h; the sub-stream 4 × 512 = 2048 kbps
    // recorded beside it, kept 3 + 27 = 30 days of 24 h.
    RetentionPolicy sub = own(3);
    sub.subStreamDays = 27;
    sub.subStreamKbps = 512;
    QTest::newRow("sub-stream longer") << group(4, 4096) << sub << 1226.7392641925776;
    // 2 × (2048 + 64) = 4224 kbps for 720 h.
    RetentionPolicy audio = own(30);
    audio.audio = RetentionPolicy::G711;
    QTest::newRow("G.711 audio") << group(2, 2048) << audio << 1405.638740220662;
    // 2 months of 30 days: 1000 kbps for 1440 h.
    RetentionPolicy months = own(2);
    months.retentionUnit = RetentionPolicy::Months;
    QTest::newRow("two months") << group(1, 1000) << months << 665.5486459378135;
    QTest::newRow("watched live only") << group(4, 2048, 100, 1) << own(90) << 0.0;
}

void TestModelRetention::gigabytes()
{
    QFETCH(StructDeviceItem, item);
    QFETCH(RetentionPolicy, policy);
    QFETCH(double, gigabytes);
    const RetentionNeed::PlanWide plan{30, 24.0};
    QCOMPARE(policy.check(item.dBitrate, item.iRecordingShare), RetentionPolicy::NoFault);
    QCOMPARE(RetentionNeed::gigabytes(item, policy, plan), gigabytes);
}

// What a plan's groups need together, as the calculator asks for it: the
// groups that follow the plan at its retention, the others at their own.
void TestModelRetention::profile_data()
{
    QTest::addColumn<QVector<StructDeviceItem>>("groups");
    QTest::addColumn<int>("scene");
    QTest::addColumn<double>("needGB");
    QTest::addColumn<double>("daysOn20TB");
    QTest::addColumn<QString>("largest");

    // A site as planners describe it: 16 cameras kept 30 days, 4 plate cameras
    // kept 90 days, the events of all kept a year, audio on 2 of the 16.
    RetentionPolicy cameras = own(30);
    cameras.eventDays = 335;
    cameras.eventShare = 20;
    RetentionPolicy withAudio = cameras;
    withAudio.audio = RetentionPolicy::G711;
    RetentionPolicy plates = own(90);
    plates.eventDays = 275;
    plates.eventShare = 20;
    QVector<StructDeviceItem> site{group(14, 2048), group(2, 2048), group(4, 4096)};
    site[0].policy = cameras;
    site[1].policy = withAudio;
    site[2].policy = plates;
    site[0].strChannelName = QStringLiteral("Cameras (1)");
    site[2].strChannelName = QStringLiteral("Plates (3)");
    // 14 × 2048 = 28672 kbps for 720 h, then 20 % of it for 335 × 24 h: 30850.22 GB.
    // 2 × (2048 + 64) = 4224 kbps likewise: 4544.90 GB.
    // 4 × 4096 = 16384 kbps for 90 × 24 h, then 20 % for 275 × 24 h: 26352.18 GB.
    // No group follows the plan: no days of its own to give.
    QTest::newRow("the site, every group its own")
        << site << int(RetentionNeed::AsPlanned) << 61747.29613480442 << 0.0 << QStringLiteral("Cameras (1)");

    // 8 × 1024 kbps follow the plan's 30 days at 24 h: 8192 × 720 h = 2726.09 GB;
    // the plates keep 90 days: 16384 × 2160 h = 16356.52 GB. On 20,000 GB the
    // plan's group keeps (20000 - 16356.52) GB / (8192 kbps as GB an hour) / 24 h.
    QVector<StructDeviceItem> mixed{group(8, 1024), group(4, 4096)};
    mixed[0].strChannelName = QStringLiteral("Lobby (1)");
    mixed[1].policy = own(90);
    mixed[1].strChannelName = QStringLiteral("Plates (2)");
    QTest::newRow("one plan-wide, one own") << mixed << int(RetentionNeed::AsPlanned) << 19082.610776328987
                                            << 40.095669781720204 << QStringLiteral("Plates (2)");

    // 4 channels recommended at medium complexity, 30 days, G.711, a typed
    // 512 kbps sub-stream kept 10 days more: calm halves the main rate,
    // busy doubles it; audio and the typed sub-stream stay.
    // Main 4 × (2048 f + 64) kbps for 720 h; sub 4 × (512 + 64) kbps for 960 h.
    StructDeviceItem tiered = group(4, 2048);
    tiered.bRateFromTable = true;
    tiered.iComplexity = 1;
    tiered.policy = own(30);
    tiered.policy.audio = RetentionPolicy::G711;
    tiered.policy.subStreamDays = 10;
    tiered.policy.subStreamKbps = 512;
    tiered.policy.subStreamRateTyped = true;
    tiered.strChannelName = QStringLiteral("Gate (1)");
    QTest::newRow("calm scenes") << QVector<StructDeviceItem>{tiered} << int(RetentionNeed::Calm) << 2470.5165737211637
                                 << 0.0 << QString();
    QTest::newRow("busy scenes") << QVector<StructDeviceItem>{tiered} << int(RetentionNeed::Busy) << 6559.647454363089
                                 << 0.0 << QString();
}

void TestModelRetention::profile()
{
    QFETCH(QVector<StructDeviceItem>, groups);
    QFETCH(int, scene);
    RetentionProfile profile;
    for (const StructDeviceItem &item : groups)
        profile.add(item);
    const auto at = RetentionNeed::Scene(scene);
    const RetentionNeed::PlanWide plan{30, 24.0};
    QTEST(profile.gigabytes(plan, at), "needGB");
    QTEST(profile.followingDays(20000.0, 24.0, at), "daysOn20TB");
    QVERIFY(profile.anyOwn());
    QCOMPARE(profile.groups(), groups.size());
    // Largest first, and only a list of more than one group is worth naming.
    const QList<RetentionProfile::Share> largest = profile.largest(plan);
    QTEST(largest.size() > 1 ? largest.first().name : QString(), "largest");
}

void TestModelRetention::diskAnswer_data()
{
    QTest::addColumn<double>("diskGB");
    QTest::addColumn<double>("needGB");
    QTest::addColumn<bool>("holds");
    QTest::addColumn<double>("spare");
    QTest::addColumn<double>("shortGB");
    QTest::addColumn<double>("scale");

    // 1230 / 1000 - 1 = 23 % to spare; every retention × 1.23 still fits.
    QTest::newRow("23 % to spare") << 1230.0 << 1000.0 << true << 0.23 << 0.0 << 1.23;
    QTest::newRow("exactly fits") << 1000.0 << 1000.0 << true << 0.0 << 0.0 << 1.0;
    // One byte is 1e-9 GB.
    QTest::newRow("one byte short") << 1000.0 - 1e-9 << 1000.0 << false << -1e-12 << 1e-9 << 1.0 - 1e-12;
    // 14.1 TB needed on 10 TB: 4.1 TB short, retentions × 10 / 14.1.
    QTest::newRow("4.1 TB short") << 10000.0 << 14100.0 << false << 10000.0 / 14100.0 - 1.0 << 4100.0
                                  << 10000.0 / 14100.0;
    QTest::newRow("nothing recorded") << 1000.0 << 0.0 << false << 0.0 << 0.0 << 0.0;
}

void TestModelRetention::diskAnswer()
{
    QFETCH(double, diskGB);
    QFETCH(double, needGB);
    const RetentionNeed::DiskAnswer answer = RetentionNeed::answer(diskGB, needGB);
    QTEST(answer.holds, "holds");
    QFETCH(double, spare);
    QFETCH(double, shortGB);
    QFETCH(double, scale);
    // Differences of nearly equal numbers: compared to their own size. A byte
    // short of 1000 GB is itself rounded to the double nearest it.
    QVERIFY2(qAbs(answer.spare - spare) <= 1e-15 + 1e-9 * qAbs(spare), qPrintable(QString::number(answer.spare)));
    QVERIFY2(qAbs(answer.shortGB - shortGB) <= 1e-3 * qAbs(shortGB), qPrintable(QString::number(answer.shortGB)));
    QVERIFY2(qAbs(answer.scale - scale) <= 1e-12, qPrintable(QString::number(answer.scale)));
}

void TestModelRetention::refusals_data()
{
    QTest::addColumn<RetentionPolicy>("policy");
    QTest::addColumn<int>("share");
    QTest::addColumn<int>("fault");

    const auto row = [](const char *name, RetentionPolicy policy, int share, RetentionPolicy::Fault fault) {
        QTest::newRow(name) << policy << share << int(fault);
    };
    row("ten years", own(3650), 100, RetentionPolicy::NoFault);
    row("a day past ten years", own(3651), 100, RetentionPolicy::RetentionOutOfRange);
    row("no days", own(0), 100, RetentionPolicy::RetentionOutOfRange);
    RetentionPolicy months = own(122);
    months.retentionUnit = RetentionPolicy::Months;
    row("122 months are 3660 days", months, 100, RetentionPolicy::RetentionOutOfRange);
    months.retention = 121;
    row("121 months are 3630 days", months, 100, RetentionPolicy::NoFault);
    RetentionPolicy hours = own(30);
    hours.hoursPerDay = 24.5;
    row("more than a day's hours", hours, 100, RetentionPolicy::HoursOutOfRange);
    hours.hoursPerDay = 0;
    row("zero hours", hours, 100, RetentionPolicy::NoHours);
    hours.splitWeek = true;
    hours.weekdayHours = 0;
    hours.weekendHours = 0;
    row("a week of zero hours", hours, 100, RetentionPolicy::NoHours);
    hours.weekendHours = 25;
    row("a weekend day past 24 h", hours, 100, RetentionPolicy::HoursOutOfRange);
    RetentionPolicy events = own(7);
    events.eventDays = 358;
    row("events without their share", events, 100, RetentionPolicy::EventTierWithoutShare);
    events.eventShare = 99;
    row("events at 99 %", events, 100, RetentionPolicy::NoFault);
    events.eventShare = 100;
    row("events all the time", events, 100, RetentionPolicy::EventShareOutOfRange);
    events.eventShare = 20;
    row("events of a group on motion", events, 40, RetentionPolicy::EventTierOnMotionGroup);
    events.eventDays = 3651;
    row("events past ten years", events, 100, RetentionPolicy::EventDaysOutOfRange);
    RetentionPolicy sub = own(3);
    sub.subStreamDays = 27;
    sub.subStreamKbps = 2048;
    row("sub-stream at the main rate", sub, 100, RetentionPolicy::NoFault);
    sub.subStreamKbps = 2048.5;
    row("sub-stream above the main rate", sub, 100, RetentionPolicy::SubStreamAboveMain);
    sub.subStreamKbps = 0;
    row("sub-stream without a rate", sub, 100, RetentionPolicy::SubStreamRateOutOfRange);
    sub.subStreamDays = 3651;
    row("sub-stream past ten years", sub, 100, RetentionPolicy::SubStreamDaysOutOfRange);
    RetentionPolicy aac = own(30);
    aac.audio = RetentionPolicy::Aac;
    aac.aacKbps = 128;
    row("AAC at 128 kbps", aac, 100, RetentionPolicy::NoFault);
    aac.aacKbps = 31;
    row("AAC under 32 kbps", aac, 100, RetentionPolicy::AacRateOutOfRange);
    RetentionPolicy plan = own(99999);
    plan.own = false;
    row("the plan's policy", plan, 100, RetentionPolicy::NoFault);
}

// A group's policy is refused for the first thing out of range; the words name
// the range of what is refused.
void TestModelRetention::refusals()
{
    QFETCH(RetentionPolicy, policy);
    QFETCH(int, share);
    QFETCH(int, fault);
    const RetentionPolicy::Fault found = policy.check(2048, share);
    QCOMPARE(int(found), fault);
    QCOMPARE(RetentionPolicy::faultText(found).isEmpty(), found == RetentionPolicy::NoFault);
}

void TestModelRetention::filesKeepPolicies_data()
{
    QTest::addColumn<RetentionPolicy>("policy");
    QTest::addColumn<int>("schemaVersion");

    // A plan without a policy of its own is the file older versions read.
    QTest::newRow("follows the plan") << RetentionPolicy() << 1;
    RetentionPolicy weeks = own(13);
    weeks.retentionUnit = RetentionPolicy::Weeks;
    weeks.hoursPerDay = 12.5;
    QTest::newRow("13 weeks, 12.5 h a day") << weeks << 2;
    RetentionPolicy everything = own(7);
    everything.splitWeek = true;
    everything.weekdayHours = 10;
    everything.weekendHours = 0;
    everything.eventDays = 358;
    everything.eventShare = 20;
    everything.subStreamDays = 23;
    everything.subStreamKbps = 512.5;
    everything.subStreamResolution = QStringLiteral("D1");
    everything.subStreamFrameRate = QStringLiteral("15");
    everything.subStreamRateTyped = true;
    everything.audio = RetentionPolicy::Aac;
    everything.aacKbps = 96;
    QTest::newRow("every tier and AAC") << everything << 2;
}

// A group's policy reads back from a plan file and from a group sheet as it was.
void TestModelRetention::filesKeepPolicies()
{
    QFETCH(RetentionPolicy, policy);
    StructDeviceItem item = group(4, 2048);
    item.strDeviceType = QStringLiteral("IPC");
    item.strChannelName = QStringLiteral("Gate(1)");
    item.iChannelGroupNumber = 1;
    item.policy = policy;

    PlanDocument plan;
    plan.setGroups({item});
    const QByteArray json = plan.toJson();
    QTEST(QJsonDocument::fromJson(json).object().value(QStringLiteral("schemaVersion")).toInt(), "schemaVersion");
    PlanDocument read;
    QCOMPARE(read.fromJson(json), PlanDocument::None);
    QCOMPARE(read.groups().value(0).policy, policy);

    const GroupCsv::Reading sheet = GroupCsv::read(GroupCsv::write({item}));
    QVERIFY(sheet.refusedRows.isEmpty());
    QCOMPARE(sheet.groups.value(0).policy, policy);
}

void TestModelRetention::filesRefusePolicies_data()
{
    QTest::addColumn<QByteArray>("retention");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("csvHeader");
    QTest::addColumn<QString>("csvCells");

    QTest::newRow("a tier past ten years") << QByteArray(R"({"retention": 3651})") << "retention"
                                           << "Retention"
                                           << "3651";
    QTest::newRow("events without their share") << QByteArray(R"({"retention": 7, "eventDays": 358})") << "eventShare"
                                                << "Retention,Event Days"
                                                << "7,358";
    QTest::newRow("a sub-stream above the main rate")
        << QByteArray(R"({"retention": 3, "subStreamDays": 27, "subStreamKbps": 4096})") << "subStreamKbps"
        << "Retention,Sub-stream Days,Sub-stream (kbps)"
        << "3,27,4096";
    QTest::newRow("a day of 25 hours") << QByteArray(R"({"retention": 30, "hoursPerDay": 25})") << "hoursPerDay"
                                       << "Retention,Hours Per Day"
                                       << "30,25";
}

// A policy out of range is refused at its field, in a plan as in a sheet,
// and nothing of the group is taken.
void TestModelRetention::filesRefusePolicies()
{
    QFETCH(QByteArray, retention);
    QFETCH(QString, field);
    QFETCH(QString, csvHeader);
    QFETCH(QString, csvCells);
    const QByteArray json = R"({"format": "tavo-storage-plan", "schemaVersion": 2, "groups": [{"deviceType": "IPC",
        "channels": 4, "bitrateKbps": 2048, "viewMode": 2, "retention": )" +
                            retention + "}]}";
    PlanDocument plan;
    QCOMPARE(plan.fromJson(json), PlanDocument::Damaged);
    QVERIFY2(plan.errorText().contains(QStringLiteral("groups[0].retention.") + field), qPrintable(plan.errorText()));

    const QString sheet = QStringLiteral("Name,Channels,Device Type,Encoding,Resolution,Bitrate (kbps),View Mode,") +
                          csvHeader + QStringLiteral("\nGate,4,IPC,H.264,1080P,2048,2,") + csvCells +
                          QStringLiteral("\n");
    const GroupCsv::Reading reading = GroupCsv::read(sheet.toUtf8());
    QVERIFY(reading.groups.isEmpty());
    QCOMPARE(reading.refusedRows.size(), 1);
    // The same words in both.
    const QString reason = reading.refusedRows.first().reason;
    QVERIFY2(!reason.isEmpty() && plan.errorText().endsWith(reason), qPrintable(reason));
}

void TestModelRetention::policyInWords_data()
{
    QTest::addColumn<RetentionPolicy>("policy");
    // The number each badge shows, in order; -1 for a badge without one.
    QTest::addColumn<QList<int>>("badges");
    // The numbers the spoken words hold, in order, and the codec they end with.
    QTest::addColumn<QList<int>>("spoken");
    QTest::addColumn<QString>("codec");

    RetentionPolicy followsPlan = own(90);
    followsPlan.own = false;
    followsPlan.eventDays = 275;
    followsPlan.audio = RetentionPolicy::G711;
    QTest::newRow("follows the plan") << followsPlan << QList<int>() << QList<int>() << QString();
    RetentionPolicy weeks = own(2);
    weeks.retentionUnit = RetentionPolicy::Weeks;
    QTest::newRow("weeks in days") << weeks << QList<int>{14} << QList<int>{14} << QString();
    RetentionPolicy everything = own(90);
    everything.eventDays = 275;
    everything.eventShare = 20;
    everything.subStreamDays = 30;
    everything.subStreamKbps = 512;
    everything.audio = RetentionPolicy::G711;
    QTest::newRow("every tier and audio")
        << everything << QList<int>{90, 275, 30, -1} << QList<int>{90, 275, 30} << QStringLiteral("G.711");
    RetentionPolicy audioOnly = own(3);
    audioOnly.audio = RetentionPolicy::G726At16;
    QTest::newRow("audio without tiers") << audioOnly << QList<int>{3, -1} << QList<int>{3} << QStringLiteral("G.726");
}

// A card's badges and what a screen reader says for them: every day counted
// as a day, the tiers in one order.
void TestModelRetention::policyInWords()
{
    QFETCH(RetentionPolicy, policy);
    QFETCH(QList<int>, badges);
    QFETCH(QString, codec);

    const QStringList shown = RetentionPolicyText::badges(policy);
    QCOMPARE(shown.size(), badges.size());
    for (int i = 0; i < shown.size(); ++i)
        QCOMPARE(numbers(shown.at(i)), badges.at(i) < 0 ? QList<int>() : QList<int>{badges.at(i)});
    const QString spoken = RetentionPolicyText::spoken(policy);
    QTEST(numbers(spoken), "spoken");
    QCOMPARE(spoken.isEmpty(), badges.isEmpty());
    if (!codec.isEmpty())
        QVERIFY2(spoken.endsWith(codec), qPrintable(spoken));
}

QTEST_APPLESS_MAIN(TestModelRetention)
#include "tst_model_retention.moc"
