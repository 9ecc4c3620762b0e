#include "ModelDataDir.h"

#include "model/BitrateTable.h"
#include "model/DeviceEnums.h"

#include <QDir>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTest>

#include <limits>

namespace {
const QByteArray kHeader = "Resolution,30,25,20,15,10,5,1\n";
const QByteArray kRow1080 = "1080P,4096,3072,2560,2048,1536,1024,512\n";
const QString k1080 = QStringLiteral("1080P");
} // namespace

class TestModelBitrateTable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void interpolation_data();
    void interpolation();
    void tablesByDeviceType_data();
    void tablesByDeviceType();
    void resolutionsAndEncodings();
    void rowFieldCount();
    void encodingIsNameUpToLastDot();
    void headerPointCount_data();
    void headerPointCount();
    void lastFileHeaderRules();
    void emptyFileReadLastClearsPoints();
    void missingFolders();
    void equalPointsCollapse();
    void noAnswerAboveDoublingRate_data();
    void noAnswerAboveDoublingRate();
    void unusableBitrate_data();
    void unusableBitrate();
    void headerWarningAndPadding_data();
    void headerWarningAndPadding();

private:
    // Expects exactly one warning of tavo.data, from `file` at `line`, holding `text`.
    static void expectOneWarning(const QString &file, int line, const QString &text);
};

void TestModelBitrateTable::expectOneWarning(const QString &file, int line, const QString &text)
{
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QRegularExpression::escape(QDir::toNativeSeparators(file)) +
                                            QStringLiteral(":%1: .*").arg(line) + QRegularExpression::escape(text)));
    // A second warning would not be taken by the expectation above.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

void TestModelBitrateTable::initTestCase()
{
    // The table headers are traced on the debug channel; keep the output readable.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void TestModelBitrateTable::interpolation_data()
{
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<int>("standard");
    QTest::addColumn<double>("frameRate");
    QTest::addColumn<int>("expected");
    // Points 30 25 20 15 10 5 1, bitrates 4096 3072 2560 2048 1536 1024 512.
    QTest::newRow("PAL 25 on a point") << k1080 << int(PAL) << 25.0 << 3072;
    QTest::newRow("PAL 22 truncated") << k1080 << int(PAL) << 22.0 << 2764;
    QTest::newRow("PAL 50 doubles the 25 fps rate") << k1080 << int(PAL) << 50.0 << 6144;
    QTest::newRow("PAL 40 above the top") << k1080 << int(PAL) << 40.0 << 4608;
    QTest::newRow("PAL 30 top point") << k1080 << int(PAL) << 30.0 << 4096;
    QTest::newRow("PAL 3 lowest segment") << k1080 << int(PAL) << 3.0 << 768;
    QTest::newRow("PAL 1 lowest point") << k1080 << int(PAL) << 1.0 << 512;
    QTest::newRow("PAL 0.5 no extrapolation below") << k1080 << int(PAL) << 0.5 << 512;
    QTest::newRow("PAL 0.0625") << k1080 << int(PAL) << 0.0625 << 512;
    QTest::newRow("NTSC 30 on the top point") << k1080 << int(NTSC) << 30.0 << 4096;
    QTest::newRow("NTSC 60 doubles the 30 fps rate") << k1080 << int(NTSC) << 60.0 << 8192;
    QTest::newRow("NTSC 45 above the top") << k1080 << int(NTSC) << 45.0 << 6144;
    QTest::newRow("NTSC 27 segment 0-1") << k1080 << int(NTSC) << 27.0 << 3481;
    QTest::newRow("NTSC 25 segment 0-2") << k1080 << int(NTSC) << 25.0 << 3328;
    QTest::newRow("NTSC 22 segment 0-2") << k1080 << int(NTSC) << 22.0 << 2867;
    QTest::newRow("NTSC 12 segment 3-4") << k1080 << int(NTSC) << 12.0 << 1740;
    // 4MP: 4608 at 20, 3840 at 15, 2880 at 10; its segments differ in slope.
    QTest::newRow("PAL 18 on the 20-15 segment")
        << QStringLiteral("4MP") << int(PAL) << 18.0 << int(3840 + (18.0 - 15.0) * ((4608 - 3840) / (20.0 - 15.0)));
    QTest::newRow("any non-zero standard is NTSC") << k1080 << 7 << 60.0 << 8192;
}

void TestModelBitrateTable::interpolation()
{
    QFETCH(QString, resolution);
    QFETCH(int, standard);
    QFETCH(double, frameRate);
    QFETCH(int, expected);
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    BitrateTable table;
    table.setFrameStandard(standard);
    QCOMPARE(table.getBitrate(resolution, IPC, frameRate), expected);
}

void TestModelBitrateTable::tablesByDeviceType_data()
{
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<int>("expected");
    QTest::newRow("camera H.264") << QStringLiteral("H.264") << QStringLiteral("1080P") << int(IPC) << 3072;
    QTest::newRow("recorder H.264") << QStringLiteral("H.264") << QStringLiteral("1080P") << int(DVR) << 3400;
    QTest::newRow("other types read the recorder") << QStringLiteral("H.264") << QStringLiteral("D1") << 9 << 1312;
    QTest::newRow("camera H.265") << QStringLiteral("H.265") << QStringLiteral("8MP") << int(IPC) << 6080;
    QTest::newRow("recorder H.265") << QStringLiteral("H.265") << QStringLiteral("5MP") << int(DVR) << 3920;
    QTest::newRow("resolution of the other device")
        << QStringLiteral("H.265") << QStringLiteral("5MP") << int(IPC) << 0;
    QTest::newRow("missing resolution") << QStringLiteral("H.264") << QStringLiteral("12MP") << int(IPC) << 0;
    QTest::newRow("resolution is case-sensitive")
        << QStringLiteral("H.264") << QStringLiteral("1080p") << int(IPC) << 0;
    QTest::newRow("untrimmed resolution") << QStringLiteral("H.264") << QStringLiteral(" 1080P") << int(IPC) << 0;
    QTest::newRow("missing encoding") << QStringLiteral("MJPEG") << QStringLiteral("1080P") << int(IPC) << 0;
    QTest::newRow("empty resolution") << QStringLiteral("H.264") << QString() << int(IPC) << 0;
}

void TestModelBitrateTable::tablesByDeviceType()
{
    QFETCH(QString, encoding);
    QFETCH(QString, resolution);
    QFETCH(int, deviceType);
    QFETCH(int, expected);
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    BitrateTable table;
    table.setEncodeType(encoding);
    QCOMPARE(table.getBitrate(resolution, deviceType, 25.0), expected);
}

void TestModelBitrateTable::resolutionsAndEncodings()
{
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    BitrateTable table;
    QVERIFY(table.isLoaded());
    QCOMPARE(table.encodeType(), QStringLiteral("H.264"));
    QStringList encodings = table.encodeTypes();
    encodings.sort();
    QCOMPARE(encodings, (QStringList{QStringLiteral("H.264"), QStringLiteral("H.265")}));

    QStringList out{QStringLiteral("kept")};
    QVERIFY(table.getResolutions(out, IPC));
    QCOMPARE(out, (QStringList{QStringLiteral("kept"), QStringLiteral("720P"), QStringLiteral("1080P"),
                               QStringLiteral("4MP")}));

    // Choosing an encoding for the list also makes it the one getBitrate reads.
    out.clear();
    QVERIFY(table.getResolutions(out, DVR, QStringLiteral("H.265")));
    QCOMPARE(out, (QStringList{QStringLiteral("D1"), QStringLiteral("1080P"), QStringLiteral("5MP")}));
    QCOMPARE(table.encodeType(), QStringLiteral("H.265"));
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), DVR, 25.0), 1920);
    out.clear();
    QVERIFY(table.getResolutions(out, IPC));
    QCOMPARE(out, (QStringList{QStringLiteral("1080P"), QStringLiteral("8MP")}));

    // setEncodeType changes the lookup but not the listed rows.
    table.setEncodeType(QStringLiteral("H.264"));
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), IPC, 25.0), 3072);
    out.clear();
    QVERIFY(table.getResolutions(out, IPC));
    QCOMPARE(out, (QStringList{QStringLiteral("1080P"), QStringLiteral("8MP")}));

    out.clear();
    QVERIFY(table.getResolutions(out, IPC, QStringLiteral("absent")));
    QVERIFY(out.isEmpty());
}

void TestModelBitrateTable::rowFieldCount()
{
    // The fixture's camera H.264 table holds a 960P row of 7 fields and a 3MP row
    // of 9 fields; both are dropped, the 8-field rows around them are kept.
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    BitrateTable table;
    QCOMPARE(table.getBitrate(QStringLiteral("960P"), IPC, 25.0), 0);
    QCOMPARE(table.getBitrate(QStringLiteral("3MP"), IPC, 25.0), 0);
    QCOMPARE(table.getBitrate(QStringLiteral("4MP"), IPC, 25.0), 5376);
    QCOMPARE(table.getBitrate(QStringLiteral("720P"), IPC, 25.0), 1808);
}

void TestModelBitrateTable::encodingIsNameUpToLastDot()
{
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(dir.write(QStringLiteral("IPCBitrate/H.264"), kHeader + "CIF,9,8,7,6,5,4,3\n"));
    QVERIFY(dir.write(QStringLiteral("IPCBitrate/Smart H.264.csv"), kHeader + kRow1080));
    QVERIFY(dir.makeFolder(QStringLiteral("IPCBitrate/Archive.d")));
    BitrateTable table;
    QStringList encodings = table.encodeTypes();
    encodings.sort();
    QCOMPARE(encodings, (QStringList{QStringLiteral("H"), QStringLiteral("H.264"), QStringLiteral("H.265"),
                                     QStringLiteral("Smart H.264")}));
    table.setEncodeType(QStringLiteral("H"));
    QCOMPARE(table.getBitrate(QStringLiteral("CIF"), IPC, 25.0), 8);
    table.setEncodeType(QStringLiteral("Smart H.264"));
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), IPC, 25.0), 3072);
}

void TestModelBitrateTable::headerPointCount_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<int>("expected");
    QTest::newRow("seven points") << kHeader << kRow1080 << 3072;
    QTest::newRow("six points") << QByteArray("Resolution,30,25,20,15,10,5\n")
                                << QByteArray("1080P,4096,3072,2560,2048,1536,1024\n") << 0;
    QTest::newRow("eight points") << QByteArray("Resolution,30,25,20,15,10,5,1,0.5\n")
                                  << QByteArray("1080P,4096,3072,2560,2048,1536,1024,512,256\n") << 0;
    QTest::newRow("header only") << QByteArray("Resolution\n") << QByteArray() << 0;
}

void TestModelBitrateTable::headerPointCount()
{
    QFETCH(QByteArray, header);
    QFETCH(QByteArray, row);
    QFETCH(int, expected);
    ModelDataDir dir{QString()};
    QVERIFY(dir.isValid());
    QVERIFY(dir.write(QStringLiteral("IPCBitrate/H.264.csv"), header + row));
    BitrateTable table;
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), IPC, 25.0), expected);
}

void TestModelBitrateTable::lastFileHeaderRules()
{
    // The recorder folder is read last, so its header is the one every table is
    // interpolated over, the camera's included.
    ModelDataDir dir{QString()};
    QVERIFY(dir.isValid());
    QVERIFY(dir.write(QStringLiteral("IPCBitrate/H.264.csv"), kHeader + kRow1080));
    QVERIFY(dir.write(QStringLiteral("DVRBitrate/H.264.csv"),
                      "Resolution,40,30,25,20,15,10,5\nD1,700,600,500,400,300,200,100\n"));
    BitrateTable table;
    QCOMPARE(table.frameRatePoints(), (QList<double>{40, 30, 25, 20, 15, 10, 5}));
    // The camera row has no 40 fps column: b0 = 0, b1 = 4096 (its 30 fps value).
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), IPC, 35.0), 2048);
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), IPC, 2.0), 1024);
    QCOMPARE(table.getBitrate(QStringLiteral("D1"), DVR, 30.0), 600);
}

void TestModelBitrateTable::emptyFileReadLastClearsPoints()
{
    ModelDataDir dir{QString()};
    QVERIFY(dir.isValid());
    QVERIFY(dir.write(QStringLiteral("IPCBitrate/H.264.csv"), kHeader + kRow1080));
    QVERIFY(dir.write(QStringLiteral("DVRBitrate/H.264.csv"), QByteArray()));
    BitrateTable table;
    QVERIFY(table.frameRatePoints().isEmpty());
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), IPC, 25.0), 0);
    QStringList out;
    QVERIFY(table.getResolutions(out, IPC));
    QCOMPARE(out, QStringList{QStringLiteral("1080P")});
}

void TestModelBitrateTable::missingFolders()
{
    ModelDataDir dir{QString()};
    QVERIFY(dir.isValid());
    BitrateTable table;
    QVERIFY(table.isLoaded());
    QVERIFY(table.encodeTypes().isEmpty());
    QStringList out;
    QVERIFY(table.getResolutions(out, IPC));
    QVERIFY(table.getResolutions(out, DVR, QStringLiteral("H.265")));
    QVERIFY(out.isEmpty());
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), IPC, 25.0), 0);
}

void TestModelBitrateTable::equalPointsCollapse()
{
    // Two 30 fps columns: the later one is the row's 30 fps bitrate.
    ModelDataDir dir{QString()};
    QVERIFY(dir.isValid());
    QVERIFY(dir.write(QStringLiteral("IPCBitrate/H.264.csv"),
                      "Resolution,30,30,20,15,10,5,1\n1080P,1000,4000,2560,2048,1536,1024,512\n"));
    BitrateTable table;
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), IPC, 30.0), 4000);
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), IPC, 25.0), 3280);
}

void TestModelBitrateTable::noAnswerAboveDoublingRate_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<int>("standard");
    QTest::addColumn<double>("frameRate");
    QTest::addColumn<int>("expected");
    QTest::newRow("PAL top point at 50") << QByteArray("Resolution,50,25,20,15,10,5,1\n") << int(PAL) << 55.0 << 0;
    QTest::newRow("PAL top point at 50, on it")
        << QByteArray("Resolution,50,25,20,15,10,5,1\n") << int(PAL) << 50.0 << 4096;
    QTest::newRow("NTSC top point at 60") << QByteArray("Resolution,60,25,20,15,10,5,1\n") << int(NTSC) << 61.0 << 0;
    QTest::newRow("not a number") << kHeader << int(PAL) << std::numeric_limits<double>::quiet_NaN() << 0;
    QTest::newRow("infinite rate saturates")
        << kHeader << int(PAL) << std::numeric_limits<double>::infinity() << std::numeric_limits<int>::max();
}

void TestModelBitrateTable::noAnswerAboveDoublingRate()
{
    QFETCH(QByteArray, header);
    QFETCH(int, standard);
    QFETCH(double, frameRate);
    QFETCH(int, expected);
    ModelDataDir dir{QString()};
    QVERIFY(dir.isValid());
    QVERIFY(dir.write(QStringLiteral("IPCBitrate/H.264.csv"), header + kRow1080));
    BitrateTable table;
    table.setFrameStandard(standard);
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), IPC, frameRate), expected);
}

void TestModelBitrateTable::unusableBitrate_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("negative") << QByteArray("-3072");
    QTest::newRow("zero") << QByteArray("0");
    QTest::newRow("not a number") << QByteArray("abc");
    QTest::newRow("fraction") << QByteArray("12.5");
    QTest::newRow("past the top") << QByteArray("204801");
    QTest::newRow("empty") << QByteArray();
}

void TestModelBitrateTable::unusableBitrate()
{
    // The bad value stands at 25 fps of the 1080P row, on line 3.
    QFETCH(QByteArray, value);
    ModelDataDir dir{QString()};
    QVERIFY(dir.isValid());
    QVERIFY(dir.write(QStringLiteral("IPCBitrate/H.264.csv"), kHeader + "720P,2048,1808,1536,1264,960,576,240\n" +
                                                                  "1080P,4096," + value +
                                                                  ",2560,2048,1536,1024,512\n"));
    expectOneWarning(dir.filePath(QStringLiteral("IPCBitrate/H.264.csv")), 3,
                     QLatin1Char('"') + QString::fromLatin1(value) + QStringLiteral("\" of 1080P at 25 fps"));
    BitrateTable table;
    // Every answer drawn from the 25 fps value is withheld: on it, below it, above the top.
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), IPC, 25.0), 0);
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), IPC, 22.0), 0);
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), IPC, 40.0), 0);
    // Answers drawn from other values stand.
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), IPC, 3.0), 768);
    QCOMPARE(table.getBitrate(QStringLiteral("720P"), IPC, 25.0), 1808);
    table.setFrameStandard(NTSC);
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), IPC, 22.0), 2867);
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), IPC, 27.0), 0);
}

void TestModelBitrateTable::headerWarningAndPadding_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("pointCount"); // warned about unless 7
    QTest::addColumn<int>("expected");
    QTest::newRow("spreadsheet comma")
        << QByteArray("Resolution,30,25,20,15,10,5,1,\n1080P,4096,3072,2560,2048,1536,1024,512,\n") << 7 << 3072;
    QTest::newRow("spreadsheet commas, a row without")
        << QByteArray("Resolution,30,25,20,15,10,5,1,,\n1080P,4096,3072,2560,2048,1536,1024,512\n") << 7 << 3072;
    QTest::newRow("row padded past a clean header") << kHeader + "1080P,4096,3072,2560,2048,1536,1024,512,,\n"
                                                    << 7 << 3072;
    QTest::newRow("empty seventh point stays a point")
        << QByteArray("Resolution,30,25,20,15,10,5,\n1080P,4096,3072,2560,2048,1536,1024,512\n") << 7 << 3072;
    QTest::newRow("eight points") << QByteArray("Resolution,30,25,20,15,10,5,1,0.5\n") + kRow1080 << 8 << 0;
    QTest::newRow("eight points and a comma")
        << QByteArray("Resolution,30,25,20,15,10,5,1,0.5,\n") + kRow1080 << 8 << 0;
    QTest::newRow("six points") << QByteArray("Resolution,30,25,20,15,10,5\n1080P,4096,3072,2560,2048,1536,1024\n") << 6
                                << 0;
    QTest::newRow("empty file") << QByteArray() << 0 << 0;
}

void TestModelBitrateTable::headerWarningAndPadding()
{
    QFETCH(QByteArray, content);
    QFETCH(int, pointCount);
    QFETCH(int, expected);
    ModelDataDir dir{QString()};
    QVERIFY(dir.isValid());
    QVERIFY(dir.write(QStringLiteral("IPCBitrate/H.264.csv"), content));
    if (pointCount != 7) {
        expectOneWarning(dir.filePath(QStringLiteral("IPCBitrate/H.264.csv")), 1,
                         QStringLiteral(" holds %1 frame-rate points").arg(pointCount));
    } else {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    }
    BitrateTable table;
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), IPC, 25.0), expected);
}

QTEST_GUILESS_MAIN(TestModelBitrateTable)
#include "tst_model_bitratetable.moc"
