// The channel groups as CSV: a sheet reads back as the groups written, in
// another column order, encoding or spelling too, and never shows a name as a
// formula; whatever a plan holds comes back with the same figures; bad rows
// and files are refused with the line they are on.
#include "model/DeviceEnums.h"
#include "model/DeviceTotals.h"
#include "model/GroupCsv.h"
#include "model/GroupLimits.h"
#include "model/PlanFixture.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTextCodec>

#include <cstring>

using namespace PlanFixture;

namespace {

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

} // namespace

class TestModelGroupCsv : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_GUILESS_MAIN(TestModelGroupCsv)
#include "tst_model_groupcsv.moc"
