#include "model/DeviceTotals.h"
#include "model/GroupCsv.h"
#include "model/GroupLimits.h"
#include "model/PlanDocument.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>
#include <QTimeZone>

#include <algorithm>
#include <cstring>
#include <utility>

Q_DECLARE_METATYPE(PlanDocument)

namespace {

using Groups = QVector<StructDeviceItem>;

const QString kFixture = QStringLiteral(TAVO_TEST_DATA_DIR "/model/plans/unknown-fields.tavoplan");
const QString kChinese = QStringLiteral("\u5927\u95e8\u53e3");

StructDeviceItem group(const QString &name, int channels, const char *type, double bitrate, int viewMode,
                       const char *frameRate, const char *scene = "", int number = 0)
{
    StructDeviceItem g;
    g.strChannelName = name;
    g.iChannelCount = channels;
    g.strDeviceType = QString::fromLatin1(type);
    g.dBitrate = bitrate;
    g.iViewMode = viewMode;
    g.strFrameRate = QString::fromLatin1(frameRate);
    g.strScene = QString::fromLatin1(scene);
    g.iChannelGroupNumber = number;
    g.strEncoding = QStringLiteral("H.265");
    g.strResolution = QStringLiteral("1080P");
    return g;
}

// Fixed-rate and scene groups, odd doubles, names a CSV must quote, a group
// recorded on motion; the bounds a group may reach.
Groups mixedGroups()
{
    StructDeviceItem onMotion = group(kChinese, 16, "DVR", 1.1 + 2.2, 2, "", "Parking");
    onMotion.iRecordingShare = 40;
    return {group(QStringLiteral("Gate, \"north\""), 1024, "IPC", 1, 3, "25"), onMotion,
            group(QStringLiteral("Two\nlines"), 1, "IPC", 204800, 1, "60"),
            group(QStringLiteral("\"twenty characters!\""), 2, "DVR", 1000.0 / 3, 3, "30")};
}

// Whether a spreadsheet that splits the lines of the file on `separator`,
// taking quotes as RFC 4180 has them, sees a cell that starts like a formula.
bool showsFormula(const QByteArray &csv, QChar separator)
{
    const QString text = QString::fromUtf8(csv);
    const QString formulaStarts = QStringLiteral("=+-@");
    bool quoted = false;
    bool cellStart = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted && c == QLatin1Char('"')) {
            if (text.mid(i + 1, 1) != QLatin1String("\""))
                quoted = false;
            else
                cellStart = false, ++i;
        } else if (!quoted && cellStart && c == QLatin1Char('"')) {
            quoted = true;
        } else if (!quoted && (c == separator || c == QLatin1Char('\n') || c == QLatin1Char('\r'))) {
            cellStart = true;
        } else {
            if (cellStart && formulaStarts.contains(c))
                return true;
            cellStart = false;
        }
    }
    return false;
}

// Whether every CR and LF outside quotes is the CR LF that ends a record: a
// spreadsheet breaks the row at a bare one.
bool breaksOnlyBetweenRecords(const QByteArray &csv)
{
    bool quoted = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const char c = csv.at(i);
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == '\r' && csv.mid(i, 2) != "\r\n")
            return false;
        else if (!quoted && c == '\n' && (i == 0 || csv.at(i - 1) != '\r'))
            return false;
    }
    return true;
}

// Groups as a plan numbers them, with every field a CSV carries drawn at
// random, names and texts from pieces a CSV must quote or keep from formulas.
Groups randomPlan(quint32 seed, int count)
{
    QRandomGenerator random(seed);
    const QStringList pieces{
        QStringLiteral("Gate"), QStringLiteral(" "),   QStringLiteral(","),    QStringLiteral("\""),
        QStringLiteral("\r"),   QStringLiteral("\n"),  QStringLiteral("\r\n"), QStringLiteral("="),
        QStringLiteral("+"),    QStringLiteral("-"),   QStringLiteral("@"),    QStringLiteral("\t"),
        QStringLiteral("'"),    QStringLiteral("(0)"), QStringLiteral("(1)"),  kChinese};
    const QStringList encodings{QStringLiteral("H.264"), QStringLiteral("H.265"),  QStringLiteral("H.265+"),
                                QStringLiteral("MJPEG"), QStringLiteral("=H.264"), QString()};
    const auto pick = [&random](const QStringList &from) { return from.at(int(random.bounded(int(from.size())))); };
    const auto text = [&](int most) {
        QString t;
        for (int n = random.bounded(most + 1); n > 0; --n)
            t += pick(pieces);
        return t;
    };
    Groups groups;
    for (int i = 0; i < count; ++i) {
        StructDeviceItem g;
        const QString typed = text(4);
        g.iChannelGroupNumber = random.bounded(4) == 0 ? 0 : i + 1;
        g.strChannelName = g.iChannelGroupNumber > 0 ? typed + QStringLiteral("(%1)").arg(i + 1) : typed;
        g.strDeviceType = random.bounded(2) ? QStringLiteral("IPC") : QStringLiteral("DVR");
        g.strEncoding = pick(encodings);
        g.strResolution = random.bounded(2) ? QStringLiteral("1080P") : text(2);
        if (random.bounded(2))
            g.strFrameRate = QString::number(random.bounded(1, 61));
        else
            g.strScene = text(3);
        g.iChannelCount = random.bounded(1, 257);
        // (1, 204800]: the top of the range too.
        g.dBitrate = 204800.0 - random.bounded(204799.0);
        g.iViewMode = random.bounded(LiveView, LiveViewAndRecording + 1);
        g.iRecordingShare = random.bounded(2) ? StructDeviceItem::kContinuousShare : random.bounded(1, 101);
        g.iComplexity = random.bounded(Low, High + 1);
        g.bRateFromTable = random.bounded(2);
        groups.append(g);
    }
    return groups;
}

quint64 bitsOf(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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

        QTest::newRow("new plan") << PlanDocument();
        QTest::newRow("every field set") << full;
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
        QTest::newRow("schemaVersion 2") << fixtureWith({{"\"schemaVersion\": 1", "\"schemaVersion\": 2"}})
                                         << int(PlanDocument::NewerVersion)
                                         << QStringList{QStringLiteral("version 2"), QStringLiteral("version 1")};
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

    void csvRead_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<Groups>("expected");
        // A "(0)" the plan never added stays.
        const Groups numbered{group(QStringLiteral("Lobby(7)"), 2, "IPC", 1024, 3, "25", "", 7),
                              group(QStringLiteral("Lift(1)"), 1, "DVR", 512, 2, "25", "", 2),
                              group(QStringLiteral("Spare(0)"), 1, "DVR", 512, 2, "25", "", 0)};
        const Groups typed{group(QStringLiteral("Lobby"), 2, "IPC", 1024, 3, "25"),
                           group(QStringLiteral("Lift(1)"), 1, "DVR", 512, 2, "25"),
                           group(QStringLiteral("Spare(0)"), 1, "DVR", 512, 2, "25")};
        StructDeviceItem lobby = group(QStringLiteral("Lobby"), 8, "IPC", 2048, 3, "25");
        lobby.strEncoding = QStringLiteral("H.264");
        StructDeviceItem carPark = group(QStringLiteral("Car park, east"), 2, "DVR", 512.25, 1, "30");
        carPark.strResolution = QStringLiteral("720P");
        const QString gb18030 =
            QStringLiteral("Scene,Name,Channels,Device Type,Encoding,Resolution,Bitrate (kbps),View Mode\n"
                           "Low,%1,1,IPC,H.265,1080P,100,2\n")
                .arg(kChinese);

        // After a separator too: a sheet may be split on another than the file's.
        const Groups formulas{group(QStringLiteral("=HYPERLINK(\"x\")"), 1, "IPC", 100, 3, "25"),
                              group(QStringLiteral("-cam"), 1, "IPC", 100, 3, "25"),
                              group(QStringLiteral("'=kept"), 1, "IPC", 100, 3, "25"),
                              group(QStringLiteral("x;=cmd|'/C calc'!A0"), 1, "IPC", 100, 3, "25"),
                              group(QStringLiteral("a, +b"), 1, "IPC", 100, 3, "25"),
                              group(QStringLiteral("'x;@y"), 1, "IPC", 100, 3, "25"),
                              group(QStringLiteral("a\t-b"), 1, "IPC", 100, 3, "25")};
        const Groups carriageReturns{group(QStringLiteral("Gate\rnorth"), 1, "IPC", 100, 3, "25"),
                                     group(QStringLiteral("Gate\r"), 1, "IPC", 100, 3, "25")};

        // Empty cells read as missing columns; the other spellings a sheet may hold.
        const QByteArray spellings = "Name,Channels,Device Type,Encoding,Resolution,Bitrate (kbps),View Mode,"
                                     "Recording Share (%),Scene Complexity,Rate From Table\n"
                                     "A,1,IPC,H.265,1080P,100,3,,,\n"
                                     "B,1,IPC,H.265,1080P,100,3,40,HIGH,TRUE\n"
                                     "C,1,IPC,H.265,1080P,100,3,100,0,1\n"
                                     "D,1,IPC,H.265,1080P,100,3,100,low,Yes\n"
                                     "E,1,IPC,H.265,1080P,100,3,100,2,false\n"
                                     "F,1,IPC,H.265,1080P,100,3,100,medium,0\n"
                                     "G,1,IPC,H.265,1080P,100,3,100,1,NO\n";
        Groups spelled;
        const int shares[] = {100, 40, 100, 100, 100, 100, 100};
        const int complexities[] = {Medium, High, Low, Low, High, Medium, Medium};
        const bool fromTable[] = {false, true, true, true, false, false, false};
        for (int i = 0; i < 7; ++i) {
            spelled.append(group(QString(QLatin1Char('A' + i)), 1, "IPC", 100, 3, ""));
            spelled.last().iRecordingShare = shares[i];
            spelled.last().iComplexity = complexities[i];
            spelled.last().bRateFromTable = fromTable[i];
        }

        QTest::newRow("no groups") << GroupCsv::write({}) << Groups();
        QTest::newRow("names like formulas") << GroupCsv::write(formulas) << formulas;
        QTest::newRow("quotes, commas, Chinese") << GroupCsv::write(mixedGroups()) << mixedGroups();
        QTest::newRow("bare carriage returns") << GroupCsv::write(carriageReturns) << carriageReturns;
        QTest::newRow("numbers left behind") << GroupCsv::write(numbered) << typed;
        // Continuous, Medium and typed: what groups were before those columns.
        QTest::newRow("older sheet in another order")
            << readFile(QStringLiteral(TAVO_TEST_DATA_DIR "/model/plans/groups-reordered.csv"))
            << Groups{lobby, carPark};
        QTest::newRow("GB18030 without frame rate") << QTextCodec::codecForName("GB18030")->fromUnicode(gb18030)
                                                    << Groups{group(kChinese, 1, "IPC", 100, 2, "", "Low")};
        QTest::newRow("empty cells and other spellings") << spellings << spelled;
    }

    void csvRead()
    {
        QFETCH(QByteArray, csv);
        QFETCH(Groups, expected);
        QVERIFY(GroupCsv::write(expected).startsWith("\xEF\xBB\xBF"));
        const GroupCsv::Reading read = GroupCsv::read(csv);
        QVERIFY2(!read.isRefused(), qPrintable(read.fileFault.reason));
        QVERIFY(read.refusedRows.isEmpty());
        QCOMPARE(read.groups, expected);
        // A spreadsheet never sees a typed name as a formula, nor a row broken.
        const QByteArray written = GroupCsv::write(expected);
        for (const char separator : {',', ';', '\t'})
            QVERIFY2(!showsFormula(written, QLatin1Char(separator)), QByteArray(1, separator).constData());
        QVERIFY(breaksOnlyBetweenRecords(written));
    }

    // Whatever a plan holds comes back, and with it the same storage, its
    // calm and busy bounds and the bandwidth.
    void csvRoundTrip_data()
    {
        QTest::addColumn<quint32>("seed");
        for (const quint32 seed : {1u, 2u, 3u})
            QTest::addRow("seed %u", seed) << seed;
    }

    void csvRoundTrip()
    {
        QFETCH(quint32, seed);
        const Groups plan = randomPlan(seed, 150);
        const GroupCsv::Reading read = GroupCsv::read(GroupCsv::write(plan));
        QVERIFY2(!read.isRefused(), qPrintable(read.fileFault.reason));
        QVERIFY(read.refusedRows.isEmpty());
        QCOMPARE(read.groups.size(), plan.size());
        QMap<long long, StructDeviceItem> before;
        QMap<long long, StructDeviceItem> after;
        for (int i = 0; i < plan.size(); ++i) {
            StructDeviceItem expected = plan.at(i);
            const QString suffix = QStringLiteral("(%1)").arg(expected.iChannelGroupNumber);
            if (expected.iChannelGroupNumber > 0)
                expected.strChannelName.chop(suffix.size());
            expected.iChannelGroupNumber = 0;
            QVERIFY2(read.groups.at(i) == expected, qPrintable(QStringLiteral("group %1").arg(i)));
            before.insert(i, plan.at(i));
            after.insert(i, read.groups.at(i));
        }
        const DeviceTotals original(before);
        const DeviceTotals imported(after);
        QCOMPARE(bitsOf(imported.storageBitrate()), bitsOf(original.storageBitrate()));
        QCOMPARE(bitsOf(imported.storageBitrateLow()), bitsOf(original.storageBitrateLow()));
        QCOMPARE(bitsOf(imported.storageBitrateHigh()), bitsOf(original.storageBitrateHigh()));
        QCOMPARE(bitsOf(imported.bandwidthSum()), bitsOf(original.bandwidthSum()));
    }

    void csvRefusals_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<int>("faultLine"); // of the whole file; 0 when its rows are read
        QTest::addColumn<QList<int>>("refusedLines");
        QTest::addColumn<QString>("reason"); // a word of every message
        QTest::addColumn<int>("read");
        // The good row spans lines 2 and 3.
        const QByteArray goodRow = "\"Two\nlines\",1,IPC,H.265,1080P,25,,1024,3\r\n";
        const QByteArray good = GroupCsv::write({}) + goodRow;
        const auto bad = [&](const char *row, const char *fields, const char *reason) {
            QTest::newRow(row) << good + fields << 0 << QList<int>{4} << QString::fromLatin1(reason) << 1;
        };
        QTest::newRow("empty file") << QByteArray() << 1 << QList<int>() << QStringLiteral("Name") << 0;
        QTest::newRow("no bitrate column") << QByteArray("Name,Channels,Device Type,Encoding,Resolution,View Mode\n")
                                           << 1 << QList<int>() << QStringLiteral("Bitrate (kbps)") << 0;
        QTest::newRow("quote not closed") << good + "\"A,1,IPC,H.265,1080P,25,,1024,3\r\nB,1,IPC,H.265,1080P,25,,1024,3"
                                          << 4 << QList<int>() << QStringLiteral("quoted") << 0;
        bad("channels 0", "A,0,IPC,H.265,1080P,25,,1024,3", "channels");
        bad("channels 2.5", "A,2.5,IPC,H.265,1080P,25,,1024,3", "channels");
        bad("channels empty", "A,,IPC,H.265,1080P,25,,1024,3", "channels");
        bad("bitrate 0", "A,1,IPC,H.265,1080P,25,,0,3", "bitrate");
        bad("bitrate 204801", "A,1,IPC,H.265,1080P,25,,204801,3", "bitrate");
        bad("bitrate text", "A,1,IPC,H.265,1080P,25,,fast,3", "bitrate");
        bad("device type NVR", "A,1,NVR,H.265,1080P,25,,1024,3", "device type");
        bad("view mode 4", "A,1,IPC,H.265,1080P,25,,1024,4", "view mode");
        bad("view mode missing", "A,1,IPC,H.265,1080P,25,,1024", "view mode");
        bad("recording share 0", "A,1,IPC,H.265,1080P,25,,1024,3,0", "recording share");
        bad("recording share 101", "A,1,IPC,H.265,1080P,25,,1024,3,101", "recording share");
        bad("channels 1025", "A,1025,IPC,H.265,1080P,25,,1024,3", "channels");
        bad("bitrate 0.5", "A,1,IPC,H.265,1080P,25,,0.5,3", "bitrate");
        bad("name 21 characters", "Gate at the north end,1,IPC,H.265,1080P,25,,1024,3", "name");
        bad("complexity 3", "A,1,IPC,H.265,1080P,25,,1024,3,100,3", "Scene Complexity");
        bad("rate from table 2", "A,1,IPC,H.265,1080P,25,,1024,3,100,High,2", "Rate From Table");
        QByteArray tooMany = GroupCsv::write({});
        for (int i = 0; i <= GroupLimits::kMaxGroups; ++i)
            tooMany += "A,1,IPC,H.265,1080P,25,,1024,3\r\n\r\n";
        // Blank lines are no groups: the first too many is on line 2 + 2 x 10000.
        QTest::newRow("one group too many") << tooMany << 2 + 2 * GroupLimits::kMaxGroups << QList<int>()
                                            << QString::number(GroupLimits::kMaxGroups + 1) << 0;
        QTest::newRow("bad rows between good ones")
            << good + "A,0,IPC,H.265,1080P,25,,1024,3\r\n" + goodRow + "A,1,IPC,H.265,1080P,25,,1024,5\r\n" + goodRow
            << 0 << QList<int>{4, 7} << QString() << 3;
    }

    void csvRefusals()
    {
        QFETCH(QByteArray, csv);
        QFETCH(int, faultLine);
        QFETCH(QList<int>, refusedLines);
        QFETCH(QString, reason);
        QFETCH(int, read);
        const GroupCsv::Reading reading = GroupCsv::read(csv);
        QCOMPARE(reading.isRefused(), faultLine > 0);
        QCOMPARE(reading.fileFault.line, faultLine);
        QList<int> lines;
        for (const GroupCsv::Refusal &row : reading.refusedRows) {
            lines.append(row.line);
            QVERIFY2(row.reason.contains(reason), qPrintable(row.reason));
        }
        QCOMPARE(lines, refusedLines);
        if (faultLine > 0)
            QVERIFY2(reading.fileFault.reason.contains(reason), qPrintable(reading.fileFault.reason));
        // Only the good row, as many times as the file holds it.
        QCOMPARE(reading.groups, Groups(read, group(QStringLiteral("Two\nlines"), 1, "IPC", 1024, 3, "25")));
    }
};

QTEST_GUILESS_MAIN(TestModelPlanDocument)
#include "tst_model_plandocument.moc"
