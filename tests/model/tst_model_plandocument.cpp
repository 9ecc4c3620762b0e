// A plan as a file: what it holds comes back, fields it lacks take their
// defaults, groups are numbered, fields it does not know are kept, damage is
// refused with the plan untouched, and a failed save keeps the earlier file.
// The groups as CSV are in tst_model_groupcsv.
#include "model/GroupLimits.h"
#include "model/PlanDocument.h"
#include "model/PlanFixture.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <algorithm>
#include <utility>

Q_DECLARE_METATYPE(PlanDocument)

using namespace PlanFixture;

namespace {

const QString kFixture = QStringLiteral(TAVO_TEST_DATA_DIR "/model/plans/unknown-fields.tavoplan");

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QJsonObject jsonObject(const QByteArray &bytes)
{
    return QJsonDocument::fromJson(bytes).object();
}

// The fixture plan with texts replaced; empty when one is not there.
QByteArray fixtureWith(std::initializer_list<std::pair<const char *, const char *>> edits)
{
    QByteArray bytes = readFile(kFixture);
    for (const auto &edit : edits) {
        if (!bytes.contains(edit.first))
            return QByteArray();
        bytes.replace(edit.first, edit.second);
    }
    return bytes;
}

} // namespace

class TestModelPlanDocument : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<PlanDocument>("plan");
        QTest::addColumn<int>("version");
        PlanDocument full;
        full.setName(kChinese + QStringLiteral(", \"A\""));
        full.setProgramVersion(QStringLiteral("4.0.0.50"));
        full.setCreated(QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58, 125), Qt::UTC));
        full.setModified(QDateTime(QDate(2024, 3, 1), QTime(8, 0), QTimeZone(3600 * 8)));
        full.setVideoStandard(NTSC);
        PlanCalculatorInputs inputs;
        inputs.diskSize = QStringLiteral("12.5");
        inputs.diskInTerabytes = false;
        inputs.retentionPageHoursPerDay = 0;
        inputs.retention = QStringLiteral("3.");
        inputs.retentionUnit = PlanCalculatorInputs::Months;
        inputs.diskPageHoursPerDay = 7;
        inputs.mode = PlanCalculatorInputs::RetentionPage;
        full.setCalculator(inputs);
        Groups groups = mixedGroups();
        for (int i = 0; i < groups.size(); ++i)
            groups[i].iChannelGroupNumber = 4 - i;
        groups[1].bFlag = true;
        groups[1].strExtraText = QStringLiteral("extra, \"text\"");
        groups[1].iComplexity = 2;
        groups[1].bRateFromTable = true;
        full.setGroups(groups);

        // Three variants, the last in front: each keeps its own standard,
        // groups and inputs, and the plan needs the version that has them.
        PlanDocument variants = full;
        PlanVariant h265 = variants.variants().first();
        h265.name = QStringLiteral("B: H.265");
        h265.videoStandard = PAL;
        h265.groups.removeLast();
        PlanVariant longer = h265;
        longer.name = kChinese;
        longer.calculator.retention = QStringLiteral("60");
        longer.groups.clear();
        variants.setVariants({variants.variants().first(), h265, longer}, 2);

        QTest::newRow("new plan") << PlanDocument() << 1;
        QTest::newRow("every field set") << full << 1;
        QTest::newRow("three variants") << variants << 3;
    }

    void roundTrip()
    {
        QFETCH(PlanDocument, plan);
        PlanDocument read;
        QCOMPARE(read.fromJson(plan.toJson()), PlanDocument::None);
        QCOMPARE(read.errorText(), QString());
        QCOMPARE(read.groups(), plan.groups());
        QVERIFY(read.calculator() == plan.calculator());
        QCOMPARE(read.videoStandard(), plan.videoStandard());
        QCOMPARE(read.name(), plan.name());
        QCOMPARE(read.programVersion(), plan.programVersion());
        QCOMPARE(read.created(), plan.created());
        QCOMPARE(read.modified(), plan.modified());
        QCOMPARE(read.currentVariant(), plan.currentVariant());
        QCOMPARE(read.variants().size(), plan.variants().size());
        for (qsizetype i = 0; i < plan.variants().size(); ++i) {
            const PlanVariant &was = plan.variants().at(i);
            const PlanVariant &is = read.variants().at(i);
            QCOMPARE(is.name, was.name);
            QCOMPARE(is.videoStandard, was.videoStandard);
            QCOMPARE(is.groups, was.groups);
            QVERIFY(is.calculator == was.calculator);
        }
        // Older versions of the program read every plan of one variant.
        QTEST(jsonObject(plan.toJson()).value(QStringLiteral("schemaVersion")).toInt(), "version");
    }

    // A plan whose variants a reader cannot trust is refused, naming the field.
    void variantRefusals_data()
    {
        QTest::addColumn<QByteArray>("variants");
        QTest::addColumn<QString>("field");
        const QByteArray b = R"({"name": "B", "groups": []})";
        QTest::newRow("six variants") << "[" + b + "," + b + "," + b + "," + b + "," + b + "]"
                                      << "variants";
        QTest::newRow("a variant without a name") << QByteArray(R"([{"groups": []}])") << "variants[0].name";
        QTest::newRow("a damaged group in a variant")
            << QByteArray(R"([{"name": "B", "groups": [{"deviceType": "IPC", "channels": 0, "bitrateKbps": 512,
                          "viewMode": 1}]}])")
            << "variants[0].groups[0].channels";
        QTest::newRow("in front past the last") << QByteArray("[" + b + "], \"currentVariant\": 2") << "currentVariant";
    }

    void variantRefusals()
    {
        QFETCH(QByteArray, variants);
        QFETCH(QString, field);
        PlanDocument plan;
        const QByteArray json = R"({"format": "tavo-storage-plan", "schemaVersion": 3, "variants": )" + variants + "}";
        QCOMPARE(plan.fromJson(json), PlanDocument::Damaged);
        QVERIFY2(plan.errorText().contains(QStringLiteral("“%1”").arg(field)), qPrintable(plan.errorText()));
        QCOMPARE(plan.variants().size(), 1);
    }

    void missingFieldsTakeDefaults()
    {
        PlanDocument plan;
        QCOMPARE(plan.fromJson(R"({"format": "tavo-storage-plan", "schemaVersion": 1, "groups": [{"deviceType": "IPC",
                 "channels": 2, "bitrateKbps": 512, "viewMode": 1, "encoding": "H.265", "resolution": "1080P"}]})"),
                 PlanDocument::None);
        QCOMPARE(plan.videoStandard(), int(PAL));
        QVERIFY(plan.calculator() == PlanCalculatorInputs());
        QVERIFY(!plan.created().isValid());
        // Without a number it is given one, as the editor would.
        QCOMPARE(plan.groups(), Groups{group(QStringLiteral("(1)"), 2, "IPC", 512, 1, "", "", 1)});
    }

    // Groups without a number, or with one another group had first, get the
    // lowest free one; the others keep theirs.
    void renumbering_data()
    {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("unique numbers kept") << QList<int>{5, 1, 2} << QList<int>{5, 1, 2};
        QTest::newRow("0 takes the lowest free") << QList<int>{0, 1, 3} << QList<int>{2, 1, 3};
        QTest::newRow("a repeat loses its number") << QList<int>{2, 2, 0, 2} << QList<int>{2, 1, 3, 4};
    }

    void renumbering()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(QList<int>, expected);
        QJsonArray groups;
        for (const int number : numbers) {
            groups.append(QJsonObject{{QStringLiteral("name"), QStringLiteral("Cam(%1)").arg(number)},
                                      {QStringLiteral("number"), number},
                                      {QStringLiteral("deviceType"), QStringLiteral("IPC")},
                                      {QStringLiteral("channels"), 1},
                                      {QStringLiteral("bitrateKbps"), 512},
                                      {QStringLiteral("viewMode"), 1}});
        }
        const QJsonObject root{{QStringLiteral("format"), PlanDocument::formatName()},
                               {QStringLiteral("schemaVersion"), 1},
                               {QStringLiteral("groups"), groups}};
        PlanDocument plan;
        QCOMPARE(plan.fromJson(QJsonDocument(root).toJson()), PlanDocument::None);
        QList<int> read;
        for (const StructDeviceItem &g : plan.groups()) {
            read.append(g.iChannelGroupNumber);
            QCOMPARE(g.strChannelName, QStringLiteral("Cam(%1)").arg(g.iChannelGroupNumber));
        }
        QCOMPARE(read, expected);
        QCOMPARE(plan.noticeText().isEmpty(), numbers == expected);
    }

    void unknownFieldsKept_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<QByteArray>("expected");
        QJsonObject reversed = jsonObject(readFile(kFixture));
        QJsonArray groups;
        for (const QJsonValue &g : reversed.value(QStringLiteral("groups")).toArray())
            groups.prepend(g);
        reversed[QStringLiteral("groups")] = groups;

        QTest::newRow("load and save") << 0 << readFile(kFixture);
        QTest::newRow("groups handed back") << 1 << readFile(kFixture);
        QTest::newRow("groups reordered") << 2 << QJsonDocument(reversed).toJson();
        // An edited group no longer vouches for what it does not know.
        QTest::newRow("group edited") << 3
                                      << fixtureWith({{"\"futureGroupField\": true,", ""},
                                                      {"\"channels\": 4", "\"channels\": 5"}});
    }

    void unknownFieldsKept()
    {
        QFETCH(int, change);
        QFETCH(QByteArray, expected);
        PlanDocument plan;
        QCOMPARE(plan.load(kFixture), PlanDocument::None);
        Groups groups = plan.groups();
        if (change == 2)
            std::reverse(groups.begin(), groups.end());
        if (change == 3)
            groups[0].iChannelCount = 5;
        if (change > 0)
            plan.setGroups(groups);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("copy") + PlanDocument::fileExtension());
        QVERIFY(plan.save(path));
        QCOMPARE(jsonObject(readFile(path)), jsonObject(expected));
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("error");
        QTest::addColumn<QStringList>("named"); // in the message
        const auto damaged = [](const char *row, const char *from, const char *to, const char *field) {
            QTest::newRow(row) << fixtureWith({{from, to}}) << int(PlanDocument::Damaged)
                               << QStringList{QString::fromLatin1(field)};
        };
        QTest::newRow("empty") << QByteArray() << int(PlanDocument::NotAPlan) << QStringList();
        QTest::newRow("not JSON") << QByteArray("{\"format\": ") << int(PlanDocument::NotAPlan) << QStringList();
        QTest::newRow("JSON array") << QByteArray("[{\"format\": \"tavo-storage-plan\"}]")
                                    << int(PlanDocument::NotAPlan) << QStringList();
        QTest::newRow("wrong format name")
            << fixtureWith({{"tavo-storage-plan", "tavo-plan"}}) << int(PlanDocument::NotAPlan) << QStringList();
        // The version after the newest this one reads, and that newest in the reason.
        QTest::newRow("schemaVersion 4") << fixtureWith({{"\"schemaVersion\": 1", "\"schemaVersion\": 4"}})
                                         << int(PlanDocument::NewerVersion)
                                         << QStringList{QStringLiteral("version 4"), QStringLiteral("version 3")};
        damaged("schemaVersion missing", "\"schemaVersion\": 1,", "", "schemaVersion");
        damaged("schemaVersion 0", "\"schemaVersion\": 1", "\"schemaVersion\": 0", "schemaVersion");
        damaged("channels 0", "\"channels\": 4", "\"channels\": 0", "groups[0].channels");
        damaged("channels 1.5", "\"channels\": 16", "\"channels\": 1.5", "groups[1].channels");
        damaged("bitrate -1", "\"bitrateKbps\": 3072", "\"bitrateKbps\": -1", "groups[0].bitrateKbps");
        damaged("bitrate 204800.5", "\"bitrateKbps\": 3072", "\"bitrateKbps\": 204800.5", "groups[0].bitrateKbps");
        damaged("bitrate as text", "\"bitrateKbps\": 3072", "\"bitrateKbps\": \"3072\"", "groups[0].bitrateKbps");
        damaged("device type missing", "\"deviceType\": \"IPC\",", "", "groups[0].deviceType");
        damaged("recording share 0", "\"viewMode\": 3", "\"viewMode\": 3, \"recordingShare\": 0",
                "groups[0].recordingShare");
        damaged("recording share 101", "\"viewMode\": 3", "\"viewMode\": 3, \"recordingShare\": 101",
                "groups[0].recordingShare");
        damaged("view mode 4", "\"viewMode\": 3", "\"viewMode\": 4", "groups[0].viewMode");
        damaged("hours 25", "PerDay\": 12", "PerDay\": 25", "calculator.retentionPageHoursPerDay");
        damaged("unknown mode", "\"disk\"", "\"speed\"", "calculator.mode");
        damaged("unknown standard", "\"NTSC\"", "\"SECAM\"", "videoStandard");
        damaged("created not a time", "\"2024-03-01T08:30:00.000Z\"", "\"yesterday\"", "created");
        damaged("group not an object", "\"groups\": [", "\"groups\": [7, ", "groups[0]");
        // What the editor refuses, a file brings in no more.
        damaged("channels 1025", "\"channels\": 4", "\"channels\": 1025", "groups[0].channels");
        damaged("bitrate 1e-300", "\"bitrateKbps\": 3072", "\"bitrateKbps\": 1e-300", "groups[0].bitrateKbps");
        damaged("name 21 characters", "\"Gate(1)\"", "\"Gate at the north end(1)\"", "groups[0].name");
        damaged("encoding 65 characters", "\"H.265\"", ("\"" + QByteArray(65, 'H') + "\"").constData(),
                "groups[0].encoding");
        damaged("plan name 256 characters", "\"Warehouse\"", ("\"" + QByteArray(256, 'W') + "\"").constData(), "name");
        QJsonObject tooMany = jsonObject(readFile(kFixture));
        const QJsonValue one = tooMany.value(QStringLiteral("groups")).toArray().first();
        QJsonArray groups;
        for (int i = 0; i <= GroupLimits::kMaxGroups; ++i)
            groups.append(one);
        tooMany[QStringLiteral("groups")] = groups;
        QTest::newRow("one group too many")
            << QJsonDocument(tooMany).toJson(QJsonDocument::Compact) << int(PlanDocument::Damaged)
            << QStringList{QString::number(GroupLimits::kMaxGroups + 1)};
    }

    void refusals()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, error);
        QFETCH(QStringList, named);
        PlanDocument plan;
        QCOMPARE(plan.load(kFixture), PlanDocument::None);
        const QByteArray before = plan.toJson();

        QCOMPARE(int(plan.fromJson(json)), error);
        QCOMPARE(int(plan.error()), error);
        QVERIFY(!plan.errorText().isEmpty());
        for (const QString &text : std::as_const(named))
            QVERIFY2(plan.errorText().contains(text), qPrintable(plan.errorText()));
        QCOMPARE(plan.toJson(), before);
    }

    void unreadableFile()
    {
        QTemporaryDir dir;
        PlanDocument plan;
        QCOMPARE(plan.load(dir.path()), PlanDocument::Unreadable);
        QCOMPARE(plan.load(dir.filePath(QStringLiteral("missing.tavoplan"))), PlanDocument::Unreadable);
        QVERIFY(plan.errorText().contains(QStringLiteral("missing.tavoplan")));
    }

    void failedSaveKeepsEarlierFile_data()
    {
        QTest::addColumn<bool>("targetIsFolder");
        QTest::addColumn<int>("sizeLimit"); // 0: none
        QTest::addColumn<int>("groups");
        QTest::addColumn<bool>("saved");
        QTest::newRow("room enough") << false << 1000000 << 4 << true;
        QTest::newRow("target is a folder") << true << 0 << 4 << false;
        QTest::newRow("disk full") << false << 200 << 4 << false;
        // A file no reader would open is not written.
        QTest::newRow("as many groups as a plan holds") << false << 0 << GroupLimits::kMaxGroups << true;
        QTest::newRow("one group more") << false << 0 << GroupLimits::kMaxGroups + 1 << false;
    }

    void failedSaveKeepsEarlierFile()
    {
        QFETCH(bool, targetIsFolder);
        QFETCH(int, sizeLimit);
        QFETCH(int, groups);
        QFETCH(bool, saved);
        PlanDocument plan;
        plan.setGroups(Groups(groups, mixedGroups().first()));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plan.tavoplan"));
        const QString earlier = targetIsFolder ? path + QStringLiteral("/inside") : path;
        QVERIFY(!targetIsFolder || QDir().mkpath(path));
        QVERIFY(writeFile(earlier, "earlier plan"));

        QString refusal;
        const auto save = [&] { return plan.save(path, &refusal); };
        QCOMPARE(sizeLimit > 0 ? underFileSizeLimit(rlim_t(sizeLimit), save) : save(), saved);
        // Only a plan too large is refused in words; a failed write is the caller's to word.
        QCOMPARE(refusal.isEmpty(), groups <= GroupLimits::kMaxGroups);
        QCOMPARE(readFile(earlier), saved ? plan.toJson() : QByteArray("earlier plan"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 QStringList{QStringLiteral("plan.tavoplan")});
    }
};

QTEST_GUILESS_MAIN(TestModelPlanDocument)
#include "tst_model_plandocument.moc"
