#include "ModelDataDir.h"

#include "model/BitrateTable.h"
#include "model/BulkChange.h"
#include "model/DeviceEnums.h"

#include <QLoggingCategory>
#include <QTest>

namespace {

// Small tables, PAL points 30 25 20 15 10 5 1; the H.265 camera table has no CIF.
const QByteArray kHeader = "Resolution,30,25,20,15,10,5,1\n";
const QByteArray kCameraH264 = kHeader + "CIF,512,448,384,320,240,144,64\n"
                                         "720P,2048,1808,1536,1264,960,576,240\n"
                                         "1080P,4096,3584,3072,2560,1920,1152,496\n";
const QByteArray kCameraH265 = kHeader + "720P,1024,904,768,632,480,288,120\n"
                                         "1080P,2048,1792,1536,1280,960,576,248\n";

const QString kH264 = QStringLiteral("H.264");
const QString kH265 = QStringLiteral("H.265");
const QString kCif = QStringLiteral("CIF");
const QString k720 = QStringLiteral("720P");
const QString k1080 = QStringLiteral("1080P");

// A fixed-rate camera group at 25 fps, of medium complexity.
StructDeviceItem group(const QString &name, const QString &resolution, double kbps, bool fromTable)
{
    StructDeviceItem item;
    item.strDeviceType = QStringLiteral("IPC");
    item.strChannelName = name;
    item.strEncoding = kH264;
    item.iChannelCount = 4;
    item.strResolution = resolution;
    item.strFrameRate = QStringLiteral("25");
    item.dBitrate = kbps;
    item.bRateFromTable = fromTable;
    item.iComplexity = Medium;
    return item;
}

StructDeviceItem with(StructDeviceItem item, const QString &encoding, const QString &resolution, double kbps)
{
    item.strEncoding = encoding;
    item.strResolution = resolution;
    item.dBitrate = kbps;
    return item;
}

QString describe(const StructDeviceItem &g)
{
    return QStringLiteral("%1 %2 %3 %4fps %5kbps c%6 %7% events %8/%9")
        .arg(g.strChannelName, g.strEncoding, g.strResolution, g.strFrameRate)
        .arg(g.dBitrate)
        .arg(g.iComplexity)
        .arg(g.iRecordingShare)
        .arg(g.policy.eventDays)
        .arg(g.policy.eventShare);
}

void addNotes(QStringList &out, const QString &kind, const QList<BulkChange::Note> &notes)
{
    for (const BulkChange::Note &note : notes)
        out.append(QStringLiteral("%1 %2 %3").arg(kind).arg(note.row).arg(note.name));
}

} // namespace

class TestModelBulkChange : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void apply_data();
    void apply();
    void refusals_data();
    void refusals();
};

void TestModelBulkChange::initTestCase()
{
    // The table headers are traced on the debug channel; keep the output readable.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void TestModelBulkChange::apply_data()
{
    QTest::addColumn<BulkChange>("change");
    QTest::addColumn<QList<StructDeviceItem>>("before");
    // Empty: every row.
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QList<StructDeviceItem>>("after");
    QTest::addColumn<QStringList>("notes");

    const StructDeviceItem gate = group(QStringLiteral("Gate(1)"), k1080, 3584, true);
    const StructDeviceItem typed = group(QStringLiteral("Gate(2)"), k1080, 5000, false);
    const StructDeviceItem hall = group(QStringLiteral("Hall(3)"), kCif, 448, true);

    BulkChange h265;
    h265.encoding = kH265;
    // 1080P at 25 in the H.265 table.
    QTest::newRow("H.265 recommended") << h265 << QList{gate} << QList<int>() << QList{with(gate, kH265, k1080, 1792)}
                                       << QStringList();
    QTest::newRow("H.265 typed") << h265 << QList{typed} << QList<int>() << QList{with(typed, kH265, k1080, 5000)}
                                 << QStringList{QStringLiteral("typed 0 Gate(2)")};
    // Only the second row is selected.
    QTest::newRow("selected rows") << h265 << QList{gate, gate} << QList<int>{1}
                                   << QList{gate, with(gate, kH265, k1080, 1792)} << QStringList();
    // The H.265 camera table has no CIF.
    QTest::newRow("resolution missing") << h265 << QList{hall, gate} << QList<int>()
                                        << QList{hall, with(gate, kH265, k1080, 1792)}
                                        << QStringList{QStringLiteral("unchanged 0 Hall(3)")};

    BulkChange fps15;
    fps15.frameRate = QStringLiteral("15");
    StructDeviceItem slower = gate;
    slower.strFrameRate = QStringLiteral("15");
    slower.dBitrate = 2560;
    QTest::newRow("15 fps") << fps15 << QList{gate} << QList<int>() << QList{slower} << QStringList();

    // CIF is the first row, 720P the second, 1080P the third: only 1080P is above 720P.
    BulkChange cap;
    cap.resolution = BulkChange::ResolutionChange{BulkChange::CapAt, k720};
    QTest::newRow("cap at 720P") << cap << QList{gate, hall} << QList<int>()
                                 << QList{with(gate, kH264, k720, 1808), hall} << QStringList();
    BulkChange set = cap;
    set.resolution->mode = BulkChange::SetTo;
    QTest::newRow("set to 720P") << set << QList{gate, hall} << QList<int>()
                                 << QList{with(gate, kH264, k720, 1808), with(hall, kH264, k720, 1808)}
                                 << QStringList();

    BulkChange busy;
    busy.complexity = High;
    StructDeviceItem busier = with(gate, kH264, k1080, 2 * 3584);
    busier.iComplexity = High;
    QTest::newRow("complexity High") << busy << QList{gate} << QList<int>() << QList{busier} << QStringList();

    BulkChange motion;
    motion.recording = BulkChange::RecordingChange{true, 40};
    StructDeviceItem withEvents = gate;
    withEvents.policy.own = true;
    withEvents.policy.eventDays = 10;
    withEvents.policy.eventShare = 20;
    StructDeviceItem onMotion = withEvents;
    onMotion.iRecordingShare = 40;
    onMotion.policy.eventDays = 0;
    onMotion.policy.eventShare = 0;
    QTest::newRow("on motion 40 %") << motion << QList{withEvents} << QList<int>() << QList{onMotion}
                                    << QStringList{QStringLiteral("dropped 0 Gate(1)")};
}

void TestModelBulkChange::apply()
{
    QFETCH(BulkChange, change);
    QFETCH(QList<StructDeviceItem>, before);
    QFETCH(QList<int>, rows);
    QFETCH(QList<StructDeviceItem>, after);
    QFETCH(QStringList, notes);
    ModelDataDir dir{QString()};
    QVERIFY(dir.isValid());
    QVERIFY(dir.write(QStringLiteral("IPCBitrate/H.264.csv"), kCameraH264));
    QVERIFY(dir.write(QStringLiteral("IPCBitrate/H.265.csv"), kCameraH265));
    BitrateTable table;

    const BulkChange::Outcome outcome =
        rows.isEmpty() ? change.apply(before, table, PAL) : change.apply(before, rows, table, PAL);

    QStringList got;
    QStringList expected;
    QList<int> changed;
    for (qsizetype i = 0; i < outcome.groups.size(); ++i)
        got.append(describe(outcome.groups.at(i)));
    for (qsizetype i = 0; i < after.size(); ++i) {
        expected.append(describe(after.at(i)));
        if (after.at(i) != before.at(i))
            changed.append(int(i));
    }
    QCOMPARE(got, expected);
    QVERIFY(outcome.groups == after);
    QCOMPARE(outcome.changedRows, changed);

    QStringList gotNotes;
    addNotes(gotNotes, QStringLiteral("typed"), outcome.typedKept);
    addNotes(gotNotes, QStringLiteral("unchanged"), outcome.unchanged);
    addNotes(gotNotes, QStringLiteral("dropped"), outcome.eventTiersDropped);
    QCOMPARE(gotNotes, notes);
    for (const BulkChange::Note &note : outcome.unchanged)
        QVERIFY(!note.reason.isEmpty());
}

void TestModelBulkChange::refusals_data()
{
    QTest::addColumn<BulkChange>("change");
    QTest::addColumn<int>("fault");

    const auto share = [](int percent) {
        BulkChange change;
        change.recording = BulkChange::RecordingChange{true, percent};
        return change;
    };
    const auto hours = [](int perDay) {
        BulkChange change;
        change.hoursPerDay = perDay;
        return change;
    };
    const auto kept = [](int count, int unit) {
        BulkChange change;
        change.retention = BulkChange::RetentionChange{count, unit};
        return change;
    };
    QTest::newRow("share 0") << share(0) << int(BulkChange::MotionShareOutOfRange);
    QTest::newRow("share 1") << share(1) << int(BulkChange::NoFault);
    QTest::newRow("share 99") << share(99) << int(BulkChange::NoFault);
    QTest::newRow("share 100") << share(100) << int(BulkChange::MotionShareOutOfRange);
    QTest::newRow("hours -1") << hours(-1) << int(BulkChange::HoursOutOfRange);
    QTest::newRow("hours 0") << hours(0) << int(BulkChange::NoFault);
    QTest::newRow("hours 24") << hours(24) << int(BulkChange::NoFault);
    QTest::newRow("hours 25") << hours(25) << int(BulkChange::HoursOutOfRange);
    QTest::newRow("0 days") << kept(0, PlanCalculatorInputs::Days) << int(BulkChange::RetentionOutOfRange);
    QTest::newRow("1 day") << kept(1, PlanCalculatorInputs::Days) << int(BulkChange::NoFault);
    QTest::newRow("3650 days") << kept(3650, PlanCalculatorInputs::Days) << int(BulkChange::NoFault);
    QTest::newRow("3651 days") << kept(3651, PlanCalculatorInputs::Days) << int(BulkChange::RetentionOutOfRange);
    // 522 weeks are 3654 days, 122 months 3660.
    QTest::newRow("522 weeks") << kept(522, PlanCalculatorInputs::Weeks) << int(BulkChange::RetentionOutOfRange);
    QTest::newRow("122 months") << kept(122, PlanCalculatorInputs::Months) << int(BulkChange::RetentionOutOfRange);
    BulkChange still;
    still.frameRate = QStringLiteral("0");
    QTest::newRow("0 fps") << still << int(BulkChange::FrameRateOutOfRange);
}

void TestModelBulkChange::refusals()
{
    QFETCH(BulkChange, change);
    QFETCH(int, fault);
    QCOMPARE(int(change.check()), fault);
    QCOMPARE(BulkChange::faultText(change.check()).isEmpty(), fault == BulkChange::NoFault);
}

QTEST_GUILESS_MAIN(TestModelBulkChange)
#include "tst_model_bulkchange.moc"
