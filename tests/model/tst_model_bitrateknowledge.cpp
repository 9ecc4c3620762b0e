#include "ModelDataDir.h"

#include "model/BitrateCalculator.h"
#include "model/BitrateConfigData.h"
#include "model/BitrateKnowledge.h"
#include "model/BitrateTable.h"
#include "model/ConfigureManager.h"
#include "model/DeviceEnums.h"
#include "model/DeviceInfoManager.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

const QString kShippedData = QStringLiteral(TAVO_SOURCE_DIR "/data/files");

bool setModified(const QString &path, int ageSeconds)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime);
}

// Installed data files are old; only then is a shared copy kept.
bool backdate(const QString &root)
{
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        if (!setModified(it.next(), 3600))
            return false;
    }
    return true;
}

QString joined(const QStringList &list)
{
    return list.join(QLatin1Char('|'));
}

// Everything the services answer from the table folders and Frame.xml.
QStringList serviceAnswers()
{
    BitrateTable table;
    BitrateConfigData config;
    DeviceInfoManager manager;
    BitrateCalculator calculator;
    QStringList out;
    QStringList list;
    const QList<double> points = table.frameRatePoints();
    for (double point : points)
        list << QString::number(point);
    out << QStringLiteral("points ") + joined(list) << QStringLiteral("encodings ") + joined(table.encodeTypes());
    config.getEncodeTypes(list);
    out << QStringLiteral("config encodings ") + joined(list);
    for (int standard : {int(PAL), int(NTSC)}) {
        config.getFrameRates(list, standard);
        out << QStringLiteral("frame rates ") + joined(list);
        manager.getFrameRates(list, standard);
        out << QStringLiteral("manager frame rates ") + joined(list);
    }
    out << QStringLiteral("manager ") + joined(manager.getResolutions(IPC)) + QLatin1Char(' ') +
               joined(manager.getResolutions(DVR));

    const double rates[] = {0.5, 1, 3, 12, 22, 25, 27, 30, 45, 50, 60};
    const QStringList encodings = table.encodeTypes() << QStringLiteral("absent");
    for (const QString &encoding : encodings) {
        out << encoding + QStringLiteral(" manager ") + joined(manager.getResolutionsByEncode(DVR, encoding)) +
                   QLatin1Char(' ') + joined(manager.getResolutions(IPC));
        for (int type : {int(IPC), int(DVR)}) {
            QStringList resolutions;
            table.getResolutions(resolutions, type, encoding);
            out << encoding + QLatin1Char(' ') + QString::number(type) + QLatin1Char(' ') + joined(resolutions);
            resolutions << QStringLiteral("1080P");
            for (int standard : {int(PAL), int(NTSC)}) {
                table.setFrameStandard(standard);
                QStringList bitrates;
                for (const QString &resolution : std::as_const(resolutions)) {
                    for (double rate : rates)
                        bitrates << QString::number(table.getBitrate(resolution, type, rate));
                }
                out << joined(bitrates);
            }
        }
        calculator.table().setEncodeType(encoding);
        out << QString::number(calculator.table().getBitrate(QStringLiteral("1080P"), IPC, 25.0));
    }
    return out;
}

} // namespace

class TestModelBitrateKnowledge : public QObject
{
    Q_OBJECT

private slots:
    void sharedAnswersMatchFreshRead_data();
    void sharedAnswersMatchFreshRead();
    void changesAreSeen_data();
    void changesAreSeen();
    void concurrentServices_data();
    void concurrentServices();
    void constructionIsQuiet();
    void scenceListsMatchPerQueryReader_data();
    void scenceListsMatchPerQueryReader();
    void largeFilesReadFully_data();
    void largeFilesReadFully();
};

void TestModelBitrateKnowledge::sharedAnswersMatchFreshRead_data()
{
    QTest::addColumn<QString>("source"); // a fixture name, or a folder to copy
    QTest::addColumn<QString>("file");   // edited before the services are built
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("remove");
    const QByteArray none;
    QTest::newRow("shipped data") << kShippedData << QString() << none << false;
    QTest::newRow("fixture") << QStringLiteral("base") << QString() << none << false;
    QTest::newRow("empty directory") << QString() << QString() << none << false;
    QTest::newRow("Frame.xml missing") << QStringLiteral("base") << QStringLiteral("Frame.xml") << none << true;
    QTest::newRow("camera single-bitrate file missing")
        << QStringLiteral("base") << QStringLiteral("IPCBitrateConfig.xml") << none << true;
    QTest::newRow("recorder single-bitrate file unparsable")
        << QStringLiteral("base") << QStringLiteral("DVRBitrateConfig.xml") << QByteArray("<ConfigList") << false;
    QTest::newRow("recorder table emptied")
        << QStringLiteral("base") << QStringLiteral("DVRBitrate/H.265.csv") << QByteArray("") << false;
    QTest::newRow("recorder header differs")
        << QStringLiteral("base") << QStringLiteral("DVRBitrate/H.265.csv")
        << QByteArray("Resolution,40,30,25,20,15,10,5\nD1,700,600,500,400,300,200,100\n") << false;
    QTest::newRow("camera table without extension")
        << QStringLiteral("base") << QStringLiteral("IPCBitrate/H")
        << QByteArray("Resolution,30,25,20,15,10,5,1\nCIF,9,8,7,6,5,4,3\n") << false;
}

void TestModelBitrateKnowledge::sharedAnswersMatchFreshRead()
{
    QFETCH(QString, source);
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(bool, remove);
    const bool copied = source.startsWith(QLatin1Char('/'));
    ModelDataDir dir{copied ? QString() : source};
    QVERIFY(dir.isValid());
    if (copied)
        QVERIFY(dir.copyFrom(source));
    if (!file.isEmpty())
        QVERIFY(remove ? dir.remove(file) : dir.write(file, content));
    QVERIFY(backdate(dir.path()));

    // Earlier rows' directories stay in the shared copies: their answers must not leak in.
    const std::shared_ptr<const BitrateKnowledge> kept = BitrateKnowledge::current();
    QVERIFY(BitrateKnowledge::current() == kept);
    const QStringList shared = serviceAnswers();
    BitrateKnowledge::forgetShared();
    QVERIFY(BitrateKnowledge::current() != kept);
    QCOMPARE(shared, serviceAnswers());
}

void TestModelBitrateKnowledge::changesAreSeen_data()
{
    QTest::addColumn<bool>("settled");      // the files are old when first read
    QTest::addColumn<QString>("file");      // empty: another data directory
    QTest::addColumn<QByteArray>("search"); // empty: the file is written whole
    QTest::addColumn<QByteArray>("replacement");
    QTest::addColumn<bool>("remove");
    QTest::addColumn<int>("age"); // seconds the changed file's time stamp lies back
    const QString table = QStringLiteral("IPCBitrate/H.264.csv");
    QTest::newRow("table rewritten, same size")
        << true << table << QByteArray("3072") << QByteArray("3073") << false << 1800;
    QTest::newRow("table rewritten at once, same size")
        << false << table << QByteArray("3072") << QByteArray("3073") << false << 0;
    QTest::newRow("recorder header rewritten")
        << true << QStringLiteral("DVRBitrate/H.264.csv") << QByteArray("Resolution,30,")
        << QByteArray("Resolution,40,") << false << 1800;
    QTest::newRow("table added") << true << QStringLiteral("IPCBitrate/MJPEG.csv") << QByteArray()
                                 << QByteArray("Resolution,30,25,20,15,10,5,1\n1080P,8,7,6,5,4,3,2\n") << false << 1800;
    QTest::newRow("table removed") << true << QStringLiteral("DVRBitrate/H.265.csv") << QByteArray() << QByteArray()
                                   << true << 0;
    QTest::newRow("Frame.xml rewritten") << true << QStringLiteral("Frame.xml") << QByteArray("<Frame>25</Frame>")
                                         << QByteArray("<Frame>24</Frame>") << false << 1800;
    QTest::newRow("gating file removed") << true << QStringLiteral("IPCBitrateConfig.xml") << QByteArray()
                                         << QByteArray() << true << 0;
    QTest::newRow("another data directory") << true << QString() << QByteArray() << QByteArray() << false << 0;
}

void TestModelBitrateKnowledge::changesAreSeen()
{
    QFETCH(bool, settled);
    QFETCH(QString, file);
    QFETCH(QByteArray, search);
    QFETCH(QByteArray, replacement);
    QFETCH(bool, remove);
    QFETCH(int, age);
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    if (settled)
        QVERIFY(backdate(dir.path()));
    const QStringList before = serviceAnswers();

    std::unique_ptr<ModelDataDir> other;
    if (file.isEmpty()) {
        other = std::make_unique<ModelDataDir>(QString());
        QVERIFY(other->copyFrom(kShippedData));
        QVERIFY(backdate(other->path()));
    } else if (remove) {
        QVERIFY(dir.remove(file));
    } else {
        const QByteArray old = dir.read(file);
        const QByteArray content = search.isEmpty() ? replacement : QByteArray(old).replace(search, replacement);
        QVERIFY(content != old);
        QVERIFY(dir.write(file, content));
        if (age > 0)
            QVERIFY(setModified(dir.filePath(file), age));
    }

    const QStringList after = serviceAnswers();
    QVERIFY(after != before);
    BitrateKnowledge::forgetShared();
    QCOMPARE(after, serviceAnswers());
}

void TestModelBitrateKnowledge::concurrentServices_data()
{
    QTest::addColumn<bool>("settled");
    QTest::newRow("one shared copy") << true;
    QTest::newRow("files just written, read by each") << false;
}

void TestModelBitrateKnowledge::concurrentServices()
{
    QFETCH(bool, settled);
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    if (settled)
        QVERIFY(backdate(dir.path()));
    BitrateKnowledge::forgetShared();
    const QStringList expected = serviceAnswers();
    BitrateKnowledge::forgetShared();

    const int threadCount = 4;
    std::vector<QStringList> results(threadCount);
    std::vector<std::unique_ptr<QThread>> threads;
    for (int i = 0; i < threadCount; ++i) {
        threads.emplace_back(QThread::create([&results, i] {
            for (int round = 0; round < 10; ++round)
                results[i] = serviceAnswers();
        }));
        threads.back()->start();
    }
    for (const auto &thread : threads)
        QVERIFY(thread->wait());
    for (const QStringList &result : results)
        QCOMPARE(result, expected);
}

namespace {
int s_messages = 0;
void countMessage(QtMsgType, const QMessageLogContext &, const QString &)
{
    ++s_messages;
}
} // namespace

void TestModelBitrateKnowledge::constructionIsQuiet()
{
    ModelDataDir dir{QString()};
    QVERIFY(dir.copyFrom(kShippedData));
    BitrateKnowledge::forgetShared();
    s_messages = 0;
    const QtMessageHandler previous = qInstallMessageHandler(countMessage);
    serviceAnswers();
    qInstallMessageHandler(previous);
    QCOMPARE(s_messages, 0);
}

void TestModelBitrateKnowledge::scenceListsMatchPerQueryReader_data()
{
    QTest::addColumn<QByteArray>("scene"); // null: no Scene.csv
    QTest::addColumn<int>("sceneCount");
    QByteArray many = "header\n";
    for (const char *encoding : {"H.264", "H.265"}) {
        for (int i = 0; i < 300; ++i)
            many += "Scene " + QByteArray::number(i) + ',' + encoding + ",1080P," + QByteArray::number(i) + ",p.png\n";
    }
    QFile fixture(QStringLiteral(TAVO_TEST_DATA_DIR "/model/base/Scene.csv"));
    QVERIFY(fixture.open(QIODevice::ReadOnly));
    const QByteArray base = fixture.readAll();
    QTest::newRow("fixture") << base << 3;
    QTest::newRow("short line in the middle")
        << base + "Broken,H.264,1080P\nLate,H.264,1080P,500,late.png\nHospital,H.264,4MP,9,x.png\n"
        << 5;
    QTest::newRow("short line first") << QByteArray("header\nShort\nA,H.264,720P,1,a.png\nShort,H.265,4MP,2,b.png\n")
                                      << 2;
    QTest::newRow("empty fields and names")
        << QByteArray("header\nA,,1080P,1,a.png\nA,H.264,,2,b.png\r\n,H.264,720P,3,\n\nA,H.264,1080P,4,c,extra\n") << 2;
    QTest::newRow("header only") << QByteArray("header\n") << 0;
    QTest::newRow("no Scene.csv") << QByteArray() << 0;
    QTest::newRow("hundreds of scenes") << many << 300;
}

void TestModelBitrateKnowledge::scenceListsMatchPerQueryReader()
{
    QFETCH(QByteArray, scene);
    QFETCH(int, sceneCount);
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(scene.isNull() ? dir.remove(QStringLiteral("Scene.csv")) : dir.write(QStringLiteral("Scene.csv"), scene));
    DeviceInfoManager manager;
    BitrateConfigData perQuery;
    QStringList names;
    perQuery.getScenceNames(names);
    QCOMPARE(names.size(), sceneCount);
    QCOMPARE(manager.getScenceNames(), QVector<QString>(names));
    for (const QString &name : std::as_const(names)) {
        ScenceInfo info;
        perQuery.getScenceInfo(name, info);
        QCOMPARE(manager.getScenceInfo(name), info);
    }
}

void TestModelBitrateKnowledge::largeFilesReadFully_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("count");
    QTest::newRow("Frame.xml") << QStringLiteral("Frame.xml") << 5000;
    QTest::newRow("Setup.xml") << QStringLiteral("Setup.xml") << 10000;
}

void TestModelBitrateKnowledge::largeFilesReadFully()
{
    QFETCH(QString, file);
    QFETCH(int, count);
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    QStringList expected;
    for (int i = 0; i < count; ++i)
        expected << QString::number(i * 7);

    if (file == QLatin1String("Frame.xml")) {
        QByteArray ntsc;
        QByteArray pal;
        for (const QString &value : std::as_const(expected)) {
            ntsc += "<Frame>" + value.toLatin1() + "</Frame>";
            pal.prepend("<Frame>" + value.toLatin1() + "</Frame>\n");
        }
        QVERIFY(dir.write(file, "<FrameRate><NTSC>" + ntsc + "</NTSC><PAL>" + pal + "</PAL></FrameRate>"));
        BitrateConfigData data;
        QStringList rates;
        data.getFrameRates(rates, NTSC);
        QCOMPARE(rates, expected);
        data.getFrameRates(rates, PAL);
        std::reverse(expected.begin(), expected.end());
        QCOMPARE(rates, expected);
        return;
    }

    QByteArray setup = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Setup>\n";
    for (int i = 0; i < count; ++i) {
        const QByteArray tag = "Key" + QByteArray::number(i);
        setup += '<' + tag + "><Value>" + expected.at(i).toLatin1() + "</Value></" + tag + ">\n";
    }
    QVERIFY(dir.write(file, setup + "</Setup>\n"));
    apt::ConfigureManager store;
    QVERIFY(store.load(dir.filePath(file)));
    QStringList names;
    QStringList values;
    for (const apt::Configure *item : store.items()) {
        names << item->name;
        values << item->value;
    }
    QCOMPARE(values, expected);
    QCOMPARE(names.size(), count);
    QCOMPARE(names.last(), QStringLiteral("Key%1").arg(count - 1));
}

QTEST_GUILESS_MAIN(TestModelBitrateKnowledge)
#include "tst_model_bitrateknowledge.moc"
