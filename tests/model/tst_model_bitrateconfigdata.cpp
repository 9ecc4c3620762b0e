#include "ModelDataDir.h"

#include "host/TargetPath.h"
#include "model/BitrateConfigData.h"
#include "model/DeviceEnums.h"

#include <QDomDocument>
#include <QFile>
#include <QLoggingCategory>
#include <QTest>

class TestModelBitrateConfigData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void frameRates();
    void frameRatesGating_data();
    void frameRatesGating();
    void encodingsComeFromCameraFolder();
    void scenceNames();
    void scenceInfo();
    void scencePicture_data();
    void scencePicture();
    void scenceBitrate_data();
    void scenceBitrate();
    void scenceResolutionsAndEncodings();
    void headerLineIsAlwaysSkipped();
    void shortLineStopsQueries();
    void missingScenceFile();
    void convertCsvToXml();
    void convertCsvToXmlFailures_data();
    void convertCsvToXmlFailures();

private:
    static QString picture(const QString &name);
};

void TestModelBitrateConfigData::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

QString TestModelBitrateConfigData::picture(const QString &name)
{
    return FenwaGUIToolkit::GetTargetPathFile(QStringLiteral("ScenePicture")) + QLatin1Char('/') + name;
}

void TestModelBitrateConfigData::frameRates()
{
    // The fixture lists PAL before NTSC, nests the first NTSC list one level
    // deeper and has a PAL choice without text.
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    BitrateConfigData data;
    QVERIFY(data.isLoaded());
    QStringList out{QStringLiteral("replaced")};
    data.getFrameRates(out, 0);
    QCOMPARE(out, (QStringList{QStringLiteral("50"), QStringLiteral("25"), QStringLiteral("12"), QString(),
                               QStringLiteral("1/2")}));
    data.getFrameRates(out, 1);
    QCOMPARE(out, (QStringList{QStringLiteral("60"), QStringLiteral("30"), QStringLiteral("1/16")}));
    data.getFrameRates(out, 2);
    QCOMPARE(out.size(), 3);
}

void TestModelBitrateConfigData::frameRatesGating_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content"); // empty: the file is removed
    QTest::addColumn<bool>("listsFilled");
    QTest::newRow("all present") << QString() << QByteArray() << true;
    QTest::newRow("camera file missing") << QStringLiteral("IPCBitrateConfig.xml") << QByteArray() << false;
    QTest::newRow("recorder file missing") << QStringLiteral("DVRBitrateConfig.xml") << QByteArray() << false;
    QTest::newRow("Frame.xml missing") << QStringLiteral("Frame.xml") << QByteArray() << false;
    QTest::newRow("recorder file unparsable")
        << QStringLiteral("DVRBitrateConfig.xml") << QByteArray("<ConfigList") << true;
    QTest::newRow("Frame.xml without lists") << QStringLiteral("Frame.xml") << QByteArray("<FrameRate/>") << false;
}

void TestModelBitrateConfigData::frameRatesGating()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(bool, listsFilled);
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    if (!file.isEmpty())
        QVERIFY(content.isEmpty() ? dir.remove(file) : dir.write(file, content));
    BitrateConfigData data;
    QStringList pal;
    QStringList ntsc;
    data.getFrameRates(pal, PAL);
    data.getFrameRates(ntsc, NTSC);
    QCOMPARE(!pal.isEmpty(), listsFilled);
    QCOMPARE(!ntsc.isEmpty(), listsFilled);
    // The gating never hides the encodings.
    QStringList encodings;
    data.getEncodeTypes(encodings);
    QCOMPARE(encodings.size(), 2);
}

void TestModelBitrateConfigData::encodingsComeFromCameraFolder()
{
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(dir.write(QStringLiteral("DVRBitrate/MJPEG.csv"), "Resolution,30,25,20,15,10,5,1\n"));
    QVERIFY(dir.write(QStringLiteral("IPCBitrate/H.265+.csv"), "Resolution,30,25,20,15,10,5,1\n"));
    BitrateConfigData data;
    QStringList encodings;
    data.getEncodeTypes(encodings);
    encodings.sort();
    QCOMPARE(encodings, (QStringList{QStringLiteral("H.264"), QStringLiteral("H.265"), QStringLiteral("H.265+")}));
}

void TestModelBitrateConfigData::scenceNames()
{
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    BitrateConfigData data;
    QStringList names{QStringLiteral("Office")};
    QVERIFY(data.getScenceNames(names));
    QCOMPARE(names, (QStringList{QStringLiteral("Office"), QStringLiteral("Hospital"), QStringLiteral("Parking")}));
}

void TestModelBitrateConfigData::scenceInfo()
{
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    BitrateConfigData data;
    ScenceInfo info;
    QVERIFY(data.getScenceInfo(QStringLiteral("Office"), info));
    QCOMPARE(info.strScenceName, QStringLiteral("Office"));
    QCOMPARE(info.listEncodings, (QStringList{QStringLiteral("H.264"), QStringLiteral("H.265"), QStringLiteral("H.264"),
                                              QStringLiteral("H.264")}));
    QCOMPARE(info.listResolutions, (QStringList{QStringLiteral("1080P"), QStringLiteral("1080P"),
                                                QStringLiteral("720P"), QStringLiteral("1080P")}));

    ScenceInfo unknown;
    QVERIFY(data.getScenceInfo(QStringLiteral("Lobby"), unknown));
    QCOMPARE(unknown.strScenceName, QStringLiteral("Lobby"));
    QVERIFY(unknown.listEncodings.isEmpty());
}

void TestModelBitrateConfigData::scencePicture_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("fileName"); // empty: empty answer
    QTest::newRow("exact row, drive letter and backslashes")
        << QStringLiteral("Hospital") << QStringLiteral("H.265") << QStringLiteral("720P")
        << QStringLiteral("hospital1.png");
    QTest::newRow("no exact row: the scene's last row") << QStringLiteral("Hospital") << QStringLiteral("H.264")
                                                        << QStringLiteral("720P") << QStringLiteral("hospital2.png");
    QTest::newRow("relative path with slash") << QStringLiteral("Office") << QStringLiteral("H.264")
                                              << QStringLiteral("1080P") << QStringLiteral("office.png");
    QTest::newRow("exact row naming no picture")
        << QStringLiteral("Office") << QStringLiteral("H.264") << QStringLiteral("720P") << QString();
    QTest::newRow("field beyond the fifth ignored")
        << QStringLiteral("Office") << QStringLiteral("H.265") << QStringLiteral("4MP") << QStringLiteral("dup.png");
    QTest::newRow("untrimmed encoding") << QStringLiteral("Parking") << QStringLiteral(" H.264")
                                        << QStringLiteral("1080P") << QStringLiteral("park.png");
    QTest::newRow("unknown scene") << QStringLiteral("Lobby") << QStringLiteral("H.264") << QStringLiteral("1080P")
                                   << QString();
}

void TestModelBitrateConfigData::scencePicture()
{
    QFETCH(QString, scene);
    QFETCH(QString, encoding);
    QFETCH(QString, resolution);
    QFETCH(QString, fileName);
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    BitrateConfigData data;
    QCOMPARE(data.getScencePicture(scene, encoding, resolution), fileName.isEmpty() ? QString() : picture(fileName));
}

void TestModelBitrateConfigData::scenceBitrate_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<int>("expected");
    QTest::newRow("exact row") << QStringLiteral("Hospital") << QStringLiteral("H.265") << QStringLiteral("720P")
                               << 1204;
    QTest::newRow("no exact row") << QStringLiteral("Hospital") << QStringLiteral("H.264") << QStringLiteral("720P")
                                  << -1;
    QTest::newRow("first of two equal rows")
        << QStringLiteral("Office") << QStringLiteral("H.264") << QStringLiteral("1080P") << 1536;
    QTest::newRow("unparsable bitrate, no answer")
        << QStringLiteral("Office") << QStringLiteral("H.265") << QStringLiteral("1080P") << -1;
    QTest::newRow("untrimmed field matches as written")
        << QStringLiteral("Parking") << QStringLiteral(" H.264") << QStringLiteral("1080P") << 4000;
    QTest::newRow("trimmed key does not match")
        << QStringLiteral("Parking") << QStringLiteral("H.264") << QStringLiteral("1080P") << -1;
    QTest::newRow("case-sensitive") << QStringLiteral("hospital") << QStringLiteral("H.265") << QStringLiteral("720P")
                                    << -1;
}

void TestModelBitrateConfigData::scenceBitrate()
{
    QFETCH(QString, scene);
    QFETCH(QString, encoding);
    QFETCH(QString, resolution);
    QFETCH(int, expected);
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    BitrateConfigData data;
    QCOMPARE(data.getScenceBitrate(scene, encoding, resolution), expected);
}

void TestModelBitrateConfigData::scenceResolutionsAndEncodings()
{
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    BitrateConfigData data;
    QStringList resolutions{QStringLiteral("kept")};
    QVERIFY(data.getScenceResolutions(QStringLiteral("Office"), resolutions));
    QCOMPARE(resolutions, (QStringList{QStringLiteral("kept"), QStringLiteral("1080P"), QStringLiteral("720P")}));

    QStringList encodings;
    QVERIFY(data.getScenceEncodings(QStringLiteral("Office"), QStringLiteral("1080P"), encodings));
    QCOMPARE(encodings, (QStringList{QStringLiteral("H.264"), QStringLiteral("H.265")}));
    encodings.clear();
    QVERIFY(data.getScenceEncodings(QStringLiteral("Hospital"), QStringLiteral("720P"), encodings));
    QCOMPARE(encodings, QStringList{QStringLiteral("H.265")});
}

void TestModelBitrateConfigData::headerLineIsAlwaysSkipped()
{
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(dir.write(QStringLiteral("Scene.csv"), "Lobby,H.264,1080P,100,a.png\r\nHall,H.264,1080P,200,b.png\r\n"));
    BitrateConfigData data;
    QStringList names;
    QVERIFY(data.getScenceNames(names));
    QCOMPARE(names, QStringList{QStringLiteral("Hall")});
    QCOMPARE(data.getScenceBitrate(QStringLiteral("Lobby"), QStringLiteral("H.264"), QStringLiteral("1080P")), -1);
    // Line ends are translated: the last field carries no carriage return.
    QCOMPARE(data.getScencePicture(QStringLiteral("Hall"), QStringLiteral("H.264"), QStringLiteral("1080P")),
             picture(QStringLiteral("b.png")));
}

void TestModelBitrateConfigData::shortLineStopsQueries()
{
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    QByteArray scene = dir.read(QStringLiteral("Scene.csv"));
    scene += "Broken,H.264,1080P\nLate,H.264,1080P,500,late.png\n";
    QVERIFY(dir.write(QStringLiteral("Scene.csv"), scene));
    BitrateConfigData data;

    // Only the name list reads past the short line.
    QStringList names;
    QVERIFY(data.getScenceNames(names));
    QCOMPARE(names, (QStringList{QStringLiteral("Hospital"), QStringLiteral("Office"), QStringLiteral("Parking"),
                                 QStringLiteral("Broken"), QStringLiteral("Late")}));
    // No bitrate at all, not even for rows before the short line.
    QCOMPARE(data.getScenceBitrate(QStringLiteral("Hospital"), QStringLiteral("H.265"), QStringLiteral("720P")), -1);
    QCOMPARE(data.getScenceBitrate(QStringLiteral("Late"), QStringLiteral("H.264"), QStringLiteral("1080P")), -1);
    // The picture scan stops there: an exact row before it still answers, a
    // remembered candidate does not.
    QCOMPARE(data.getScencePicture(QStringLiteral("Hospital"), QStringLiteral("H.265"), QStringLiteral("720P")),
             picture(QStringLiteral("hospital1.png")));
    QCOMPARE(data.getScencePicture(QStringLiteral("Hospital"), QStringLiteral("H.264"), QStringLiteral("720P")),
             QString());
    ScenceInfo info;
    QVERIFY(!data.getScenceInfo(QStringLiteral("Hospital"), info));
    QCOMPARE(info.listResolutions, (QStringList{QStringLiteral("720P"), QStringLiteral("1080P")}));
    QVERIFY(info.strScenceName.isEmpty());
    QStringList resolutions;
    QVERIFY(!data.getScenceResolutions(QStringLiteral("Office"), resolutions));
    QCOMPARE(resolutions, (QStringList{QStringLiteral("1080P"), QStringLiteral("720P")}));
    QStringList encodings;
    QVERIFY(!data.getScenceEncodings(QStringLiteral("Late"), QStringLiteral("1080P"), encodings));
    QVERIFY(encodings.isEmpty());
}

void TestModelBitrateConfigData::missingScenceFile()
{
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(dir.remove(QStringLiteral("Scene.csv")));
    BitrateConfigData data;
    QStringList names;
    QVERIFY(!data.getScenceNames(names));
    QVERIFY(names.isEmpty());
    ScenceInfo info;
    QVERIFY(!data.getScenceInfo(QStringLiteral("Hospital"), info));
    QVERIFY(
        data.getScencePicture(QStringLiteral("Hospital"), QStringLiteral("H.265"), QStringLiteral("720P")).isEmpty());
    QCOMPARE(data.getScenceBitrate(QStringLiteral("Hospital"), QStringLiteral("H.265"), QStringLiteral("720P")), -1);
    QStringList list;
    QVERIFY(!data.getScenceResolutions(QStringLiteral("Hospital"), list));
    QVERIFY(!data.getScenceEncodings(QStringLiteral("Hospital"), QStringLiteral("720P"), list));
    QVERIFY(list.isEmpty());
}

void TestModelBitrateConfigData::convertCsvToXml()
{
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    const QByteArray cameraBefore = dir.read(QStringLiteral("IPCBitrateConfig.xml"));
    QVERIFY(dir.write(QStringLiteral("source.csv"), "1080P,4096\n\n720P,2048 \n,512\nD1\n4MP,6144,extra\n"));

    BitrateConfigData data;
    QVERIFY(data.convertCsvToXml(dir.filePath(QStringLiteral("source.csv")), DVR));
    QCOMPARE(dir.read(QStringLiteral("IPCBitrateConfig.xml")), cameraBefore);

    const QByteArray bytes = dir.read(QStringLiteral("DVRBitrateConfig.xml"));
    QVERIFY2(bytes.startsWith("<?xml version=\"1.0\" encoding=\"GB2312\"?>"), bytes.constData());
    QDomDocument doc;
    QVERIFY(bool(doc.setContent(bytes)));
    const QDomElement root = doc.documentElement();
    QCOMPARE(root.tagName(), QStringLiteral("ConfigList"));
    // Empty names are left out; a line without a bitrate does not shift the others.
    const QDomNodeList items = root.elementsByTagName(QStringLiteral("ConfigItem"));
    QCOMPARE(items.count(), 3);
    const QStringList expected{QStringLiteral("1080P"), QStringLiteral("4096"), QStringLiteral("720P"),
                               QStringLiteral("2048 "), QStringLiteral("4MP"),  QStringLiteral("6144")};
    for (int i = 0; i < items.count(); ++i) {
        const QDomElement item = items.item(i).toElement();
        QCOMPARE(item.firstChildElement(QStringLiteral("Resolution")).text(), expected.at(2 * i));
        QCOMPARE(item.firstChildElement(QStringLiteral("Bitrate")).text(), expected.at(2 * i + 1));
    }

    // The camera target for device type 1.
    QVERIFY(data.convertCsvToXml(dir.filePath(QStringLiteral("source.csv")), IPC));
    QVERIFY(dir.read(QStringLiteral("IPCBitrateConfig.xml")).contains("<Resolution>4MP</Resolution>"));
}

void TestModelBitrateConfigData::convertCsvToXmlFailures_data()
{
    QTest::addColumn<QByteArray>("source"); // empty: no source file
    QTest::addColumn<bool>("targetPresent");
    QTest::newRow("source missing") << QByteArray() << true;
    QTest::newRow("source without rows") << QByteArray("\n\n") << true;
    QTest::newRow("source of single fields") << QByteArray("1080P\n720P\n") << true;
    QTest::newRow("target missing") << QByteArray("1080P,4096\n") << false;
}

void TestModelBitrateConfigData::convertCsvToXmlFailures()
{
    QFETCH(QByteArray, source);
    QFETCH(bool, targetPresent);
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    if (!source.isEmpty())
        QVERIFY(dir.write(QStringLiteral("source.csv"), source));
    if (!targetPresent)
        QVERIFY(dir.remove(QStringLiteral("DVRBitrateConfig.xml")));
    const QByteArray before = dir.read(QStringLiteral("DVRBitrateConfig.xml"));

    BitrateConfigData data;
    QVERIFY(!data.convertCsvToXml(dir.filePath(QStringLiteral("source.csv")), DVR));
    QCOMPARE(dir.read(QStringLiteral("DVRBitrateConfig.xml")), before);
    QCOMPARE(QFile::exists(dir.filePath(QStringLiteral("DVRBitrateConfig.xml"))), targetPresent);
}

QTEST_GUILESS_MAIN(TestModelBitrateConfigData)
#include "tst_model_bitrateconfigdata.moc"
