#include "host/TargetPath.h"
#include "model/BitrateConfigData.h"
#include "model/BitrateTable.h"
#include "model/DeviceEnums.h"
#include "model/DeviceInfoManager.h"
#include "model/XmlNode.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QSet>
#include <QTest>

#include <cmath>

// Checks the data files the program ships, as they lie in the source tree.
class TestModelShippedData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void tables_data();
    void tables();
    void bothDevicesCoverEveryEncoding();
    void codecRatios_data();
    void codecRatios();
    void frameRates_data();
    void frameRates();
    void singleBitrateFiles_data();
    void singleBitrateFiles();
    void scenes();
    void servicesReadTheShippedData();

private:
    struct Table
    {
        QString header;
        QStringList resolutions;
        QMap<QString, QList<int>> rows;
        QStringList problems;
    };
    static QString dataDir() { return QStringLiteral(TAVO_SOURCE_DIR "/data/files"); }
    static QStringList lines(const QString &path);
    static Table readTable(const QString &path);
    static QStringList tableNames(const QString &folder);
};

namespace {
const QString kHeader = QStringLiteral("Resolution,30,25,20,15,10,5,1");
const QStringList kRequiredEncodings{QStringLiteral("H.264"), QStringLiteral("H.265"), QStringLiteral("H.264+"),
                                     QStringLiteral("Smart H.264"), QStringLiteral("H.265+")};
} // namespace

void TestModelShippedData::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    QVERIFY(QDir(dataDir()).exists());
    // Read-only use: nothing here writes into the data directory.
    FenwaGUIToolkit::SetTargetPath(dataDir());
}

void TestModelShippedData::cleanupTestCase()
{
    FenwaGUIToolkit::SetTargetPath(QString());
}

QStringList TestModelShippedData::lines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringList();
    QStringList out = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    while (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

TestModelShippedData::Table TestModelShippedData::readTable(const QString &path)
{
    Table table;
    const QStringList all = lines(path);
    if (all.isEmpty()) {
        table.problems << QStringLiteral("empty file");
        return table;
    }
    table.header = all.first();
    for (qsizetype l = 1; l < all.size(); ++l) {
        const QStringList fields = all.at(l).split(QLatin1Char(','));
        if (fields.size() != 8) {
            table.problems << QStringLiteral("line %1: %2 fields").arg(l + 1).arg(fields.size());
            continue;
        }
        QList<int> values;
        for (qsizetype i = 1; i < fields.size(); ++i) {
            bool ok = false;
            values << fields.at(i).toInt(&ok);
            if (!ok || values.last() <= 0)
                table.problems << QStringLiteral("line %1: bad bitrate '%2'").arg(l + 1).arg(fields.at(i));
        }
        if (table.rows.contains(fields.first()))
            table.problems << QStringLiteral("line %1: repeated resolution").arg(l + 1);
        table.resolutions << fields.first();
        table.rows.insert(fields.first(), values);
    }
    return table;
}

QStringList TestModelShippedData::tableNames(const QString &folder)
{
    QStringList names;
    const QFileInfoList files = QDir(dataDir() + QLatin1Char('/') + folder).entryInfoList(QDir::Files);
    for (const QFileInfo &file : files)
        names << file.completeBaseName();
    names.sort();
    return names;
}

void TestModelShippedData::tables_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &folder : {QStringLiteral("IPCBitrate"), QStringLiteral("DVRBitrate")}) {
        const QFileInfoList files = QDir(dataDir() + QLatin1Char('/') + folder).entryInfoList(QDir::Files);
        for (const QFileInfo &file : files)
            QTest::newRow(qPrintable(folder + QLatin1Char('/') + file.fileName())) << file.filePath();
    }
}

void TestModelShippedData::tables()
{
    QFETCH(QString, path);
    const Table table = readTable(path);
    QVERIFY2(table.problems.isEmpty(), qPrintable(table.problems.join(QStringLiteral("; "))));
    // One header for all: the last file read decides the points of every table.
    QCOMPARE(table.header, kHeader);
    const QStringList points = table.header.split(QLatin1Char(',')).mid(1);
    QCOMPARE(points.size(), 7);
    for (qsizetype i = 0; i < points.size(); ++i) {
        QVERIFY(points.at(i).toDouble() < 50.0);
        if (i > 0)
            QVERIFY(points.at(i).toDouble() < points.at(i - 1).toDouble());
    }
    QVERIFY(!table.rows.isEmpty());
    for (auto row = table.rows.cbegin(); row != table.rows.cend(); ++row) {
        for (qsizetype i = 1; i < row->size(); ++i)
            QVERIFY2(row->at(i) <= row->at(i - 1), qPrintable(row.key() + QStringLiteral(" rises as the rate falls")));
    }
}

void TestModelShippedData::bothDevicesCoverEveryEncoding()
{
    const QStringList camera = tableNames(QStringLiteral("IPCBitrate"));
    QCOMPARE(tableNames(QStringLiteral("DVRBitrate")), camera);
    for (const QString &encoding : kRequiredEncodings)
        QVERIFY2(camera.contains(encoding), qPrintable(encoding));
    // Within one device every encoding offers the same resolutions in the same order.
    for (const QString &folder : {QStringLiteral("IPCBitrate"), QStringLiteral("DVRBitrate")}) {
        const QString base = dataDir() + QLatin1Char('/') + folder + QLatin1Char('/');
        const QStringList reference = readTable(base + QStringLiteral("H.264.csv")).resolutions;
        QVERIFY(reference.size() >= 6);
        for (const QString &encoding : camera)
            QCOMPARE(readTable(base + encoding + QStringLiteral(".csv")).resolutions, reference);
    }
}

void TestModelShippedData::codecRatios_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("baseEncoding");
    QTest::addColumn<double>("factor");
    for (const QString &folder : {QStringLiteral("IPCBitrate"), QStringLiteral("DVRBitrate")}) {
        const QByteArray tag = folder.toLatin1() + ' ';
        QTest::newRow((tag + "H.265").constData())
            << folder << QStringLiteral("H.265") << QStringLiteral("H.264") << 9.0 / 16.0;
        QTest::newRow((tag + "H.264+").constData())
            << folder << QStringLiteral("H.264+") << QStringLiteral("H.264") << 0.5;
        QTest::newRow((tag + "Smart H.264").constData())
            << folder << QStringLiteral("Smart H.264") << QStringLiteral("H.264") << 0.5;
        QTest::newRow((tag + "H.265+").constData())
            << folder << QStringLiteral("H.265+") << QStringLiteral("H.265") << 0.5;
    }
}

void TestModelShippedData::codecRatios()
{
    QFETCH(QString, folder);
    QFETCH(QString, encoding);
    QFETCH(QString, baseEncoding);
    QFETCH(double, factor);
    const QString base = dataDir() + QLatin1Char('/') + folder + QLatin1Char('/');
    const Table table = readTable(base + encoding + QStringLiteral(".csv"));
    const Table plain = readTable(base + baseEncoding + QStringLiteral(".csv"));
    for (auto row = table.rows.cbegin(); row != table.rows.cend(); ++row) {
        const QList<int> reference = plain.rows.value(row.key());
        QCOMPARE(reference.size(), row->size());
        for (qsizetype i = 0; i < row->size(); ++i) {
            // Within rounding (16 kbps steps) or 10 %, whichever is larger.
            const double expected = reference.at(i) * factor;
            const double tolerance = qMax(16.0, expected * 0.1);
            QVERIFY2(std::abs(row->at(i) - expected) <= tolerance,
                     qPrintable(QStringLiteral("%1 column %2: %3, expected about %4")
                                    .arg(row.key())
                                    .arg(i + 2)
                                    .arg(row->at(i))
                                    .arg(expected)));
        }
    }
}

void TestModelShippedData::frameRates_data()
{
    QTest::addColumn<int>("standard");
    QTest::addColumn<QString>("fullRate");
    QTest::newRow("PAL") << int(PAL) << QStringLiteral("25");
    QTest::newRow("NTSC") << int(NTSC) << QStringLiteral("30");
}

void TestModelShippedData::frameRates()
{
    QFETCH(int, standard);
    QFETCH(QString, fullRate);
    BitrateConfigData data;
    QStringList rates;
    data.getFrameRates(rates, standard);
    QCOMPARE(rates.size(), 22);
    // The editor selects position 1 and reads positions 18 to 21 as fractions.
    QCOMPARE(rates.at(1), fullRate);
    QCOMPARE(rates.mid(18), (QStringList{QStringLiteral("1/2"), QStringLiteral("1/4"), QStringLiteral("1/8"),
                                         QStringLiteral("1/16")}));
    for (int i = 0; i < 18; ++i) {
        bool ok = false;
        const int rate = rates.at(i).toInt(&ok);
        QVERIFY2(ok && rate > 0, qPrintable(rates.at(i)));
        if (i > 0)
            QVERIFY(rate < rates.at(i - 1).toInt());
    }
    QCOMPARE(rates.at(0).toInt(), 2 * fullRate.toInt());
}

void TestModelShippedData::singleBitrateFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("folder");
    QTest::newRow("camera") << QStringLiteral("IPCBitrateConfig.xml") << QStringLiteral("IPCBitrate");
    QTest::newRow("recorder") << QStringLiteral("DVRBitrateConfig.xml") << QStringLiteral("DVRBitrate");
}

void TestModelShippedData::singleBitrateFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, folder);
    XmlNode root;
    QVERIFY(root.load(dataDir() + QLatin1Char('/') + file));
    QVERIFY(!root.isNull());
    QStringList resolutions;
    for (int i = 0; i < root.childCount(); ++i) {
        const XmlNode item = root.childAt(i);
        resolutions << item.child(QStringLiteral("Resolution")).text();
        QVERIFY(item.child(QStringLiteral("Bitrate")).text().toInt() > 0);
    }
    QCOMPARE(resolutions, readTable(dataDir() + QLatin1Char('/') + folder + QStringLiteral("/H.264.csv")).resolutions);
}

void TestModelShippedData::scenes()
{
    const QStringList all = lines(dataDir() + QStringLiteral("/Scene.csv"));
    QVERIFY(all.size() > 1);
    QCOMPARE(all.first(), QStringLiteral("Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path"));
    const QString folder = QStringLiteral(TAVO_SOURCE_DIR "/data/files/ScenePicture/");
    const QStringList encodings = tableNames(QStringLiteral("IPCBitrate"));
    const QStringList resolutions = readTable(dataDir() + QStringLiteral("/IPCBitrate/H.264.csv")).resolutions;
    QSet<QString> names;
    QMap<QString, int> rowsPerScene;
    for (qsizetype l = 1; l < all.size(); ++l) {
        const QString &line = all.at(l);
        const QStringList fields = line.split(QLatin1Char(','));
        QVERIFY2(fields.size() == 5, qPrintable(line));
        QVERIFY2(encodings.contains(fields.at(1)), qPrintable(line));
        QVERIFY2(resolutions.contains(fields.at(2)), qPrintable(line));
        bool ok = false;
        QVERIFY2(fields.at(3).toInt(&ok) > 0 && ok, qPrintable(line));
        if (!fields.at(4).isEmpty()) {
            // Pictures are drawn as SVG and rendered to PNG by the build.
            const QString name = fields.at(4).section(QLatin1Char('/'), -1);
            const QString base = name.section(QLatin1Char('.'), 0, -2);
            QVERIFY2(QFile::exists(folder + name) || QFile::exists(folder + base + QStringLiteral(".svg")),
                     qPrintable(line));
        }
        names.insert(fields.first());
        ++rowsPerScene[fields.first()];
    }
    QVERIFY(names.size() >= 5 && names.size() <= 6);
    const QList<int> counts = rowsPerScene.values();
    for (int count : counts)
        QCOMPARE(count, counts.first());

    // Savings hold scene by scene: H.265 below H.264, smart below plain.
    BitrateConfigData data;
    for (const QString &scene : std::as_const(names)) {
        for (const QString &resolution : {QStringLiteral("1080P"), QStringLiteral("4MP")}) {
            const int h264 = data.getScenceBitrate(scene, QStringLiteral("H.264"), resolution);
            const int h265 = data.getScenceBitrate(scene, QStringLiteral("H.265"), resolution);
            const int smart = data.getScenceBitrate(scene, QStringLiteral("H.264+"), resolution);
            QVERIFY2(h264 > 0 && h265 > 0 && smart > 0, qPrintable(scene + QLatin1Char(' ') + resolution));
            QVERIFY(h265 < h264);
            QVERIFY(smart < h264);
        }
    }
}

void TestModelShippedData::servicesReadTheShippedData()
{
    BitrateTable table;
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), IPC, 25.0), 3584);
    table.setFrameStandard(NTSC);
    QCOMPARE(table.getBitrate(QStringLiteral("1080P"), IPC, 30.0), 4096);

    DeviceInfoManager manager;
    QVERIFY(manager.getResolutions(IPC).contains(QStringLiteral("1080P")));
    QVERIFY(manager.getResolutions(DVR).contains(QStringLiteral("1080P")));
    QVERIFY(manager.getScenceNames().size() >= 5);
    const QString scene = manager.getScenceName(0);
    const ScenceInfo info = manager.getScenceInfo(scene);
    QVERIFY(!info.listResolutions.isEmpty());
    const QString picture = manager.getScencePicture(scene, info.listEncodings.first(), info.listResolutions.first());
    QVERIFY(picture.startsWith(dataDir() + QStringLiteral("/ScenePicture/")));
}

QTEST_GUILESS_MAIN(TestModelShippedData)
#include "tst_model_shippeddata.moc"
