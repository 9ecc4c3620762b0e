#include "ModelDataDir.h"

#include "model/DeviceEnums.h"
#include "model/DeviceInfoManager.h"

#include <QDir>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTest>

class TestModelDeviceInfoManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void deviceTypesAndResolutions();
    void resolutionsByEncode();
    void scenes();
    void scenesAreCachedUntilReloaded();
    void unusableScenceBitrate_data();
    void unusableScenceBitrate();
    void withoutDataFiles();
    void channelGroupNumbers_data();
    void channelGroupNumbers();
};

void TestModelDeviceInfoManager::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void TestModelDeviceInfoManager::deviceTypesAndResolutions()
{
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    QObject owner;
    auto *manager = new DeviceInfoManager(&owner);
    QCOMPARE(manager->parent(), &owner);
    QCOMPARE(manager->getDeviceTypes(), (QStringList{QStringLiteral("IPC"), QStringLiteral("DVR")}));
    QCOMPARE(manager->getResolutions(IPC),
             (QStringList{QStringLiteral("720P"), QStringLiteral("1080P"), QStringLiteral("4MP")}));
    QCOMPARE(manager->getResolutions(DVR), (QStringList{QStringLiteral("D1"), QStringLiteral("1080P")}));
    QVERIFY(manager->getResolutions(0).isEmpty());
    QVERIFY(manager->getResolutions(3).isEmpty());
}

void TestModelDeviceInfoManager::resolutionsByEncode()
{
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    DeviceInfoManager manager;
    QCOMPARE(manager.getResolutionsByEncode(DVR, QStringLiteral("H.265")),
             (QStringList{QStringLiteral("D1"), QStringLiteral("1080P"), QStringLiteral("5MP")}));
    // Both lists were rebuilt, not appended to.
    QCOMPARE(manager.getResolutions(IPC), (QStringList{QStringLiteral("1080P"), QStringLiteral("8MP")}));
    QCOMPARE(manager.getResolutionsByEncode(IPC, QStringLiteral("H.264")),
             (QStringList{QStringLiteral("720P"), QStringLiteral("1080P"), QStringLiteral("4MP")}));
    QVERIFY(manager.getResolutionsByEncode(IPC, QStringLiteral("MJPEG")).isEmpty());
    QVERIFY(manager.getResolutions(DVR).isEmpty());
}

void TestModelDeviceInfoManager::scenes()
{
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    DeviceInfoManager manager;
    const QVector<QString> names{QStringLiteral("Hospital"), QStringLiteral("Office"), QStringLiteral("Parking")};
    QCOMPARE(manager.getScenceNames(), names);
    QCOMPARE(manager.getScenceName(1), QStringLiteral("Office"));
    QVERIFY(manager.getScenceName(3).isEmpty());
    QVERIFY(manager.getScenceName(-1).isEmpty());

    const ScenceInfo hospital = manager.getScenceInfo(QStringLiteral("Hospital"));
    QCOMPARE(hospital.strScenceName, QStringLiteral("Hospital"));
    QCOMPARE(hospital.listEncodings, (QStringList{QStringLiteral("H.265"), QStringLiteral("H.264")}));
    QCOMPARE(hospital.listResolutions, (QStringList{QStringLiteral("720P"), QStringLiteral("1080P")}));
    QCOMPARE(manager.getScenceInfo(QStringLiteral("Lobby")), ScenceInfo());

    QCOMPARE(manager.getScenceBitrate(QStringLiteral("Hospital"), QStringLiteral("H.264"), QStringLiteral("720P")), -1);
    QVERIFY(manager.getScencePicture(QStringLiteral("Hospital"), QStringLiteral("H.264"), QStringLiteral("720P"))
                .endsWith(QStringLiteral("/ScenePicture/hospital2.png")));
}

void TestModelDeviceInfoManager::scenesAreCachedUntilReloaded()
{
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    DeviceInfoManager manager;
    QVERIFY(dir.write(QStringLiteral("Scene.csv"), "header\nLobby,H.264,1080P,640,lobby.png\n"));
    // The lists stay as built, the per-query answers follow the new file.
    QCOMPARE(manager.getScenceNames().size(), 3);
    QCOMPARE(manager.getScenceBitrate(QStringLiteral("Lobby"), QStringLiteral("H.264"), QStringLiteral("1080P")), 640);
    manager.reloadScences();
    QCOMPARE(manager.getScenceNames(), QVector<QString>{QStringLiteral("Lobby")});
    QCOMPARE(manager.getScenceInfo(QStringLiteral("Lobby")).listResolutions, QStringList{QStringLiteral("1080P")});
    QCOMPARE(manager.getScenceInfo(QStringLiteral("Hospital")), ScenceInfo());
}

void TestModelDeviceInfoManager::unusableScenceBitrate_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("negative") << QByteArray("-1536");
    QTest::newRow("zero") << QByteArray("0");
    QTest::newRow("not a number") << QByteArray("abc");
    QTest::newRow("fraction") << QByteArray("12.5");
    QTest::newRow("past the top") << QByteArray("204801");
    QTest::newRow("empty") << QByteArray();
}

void TestModelDeviceInfoManager::unusableScenceBitrate()
{
    QFETCH(QByteArray, value);
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(dir.write(QStringLiteral("Scene.csv"),
                      "header\nLobby,H.264,720P,640,a.png\n\nLobby,H.264,1080P," + value + ",b.png\n"));
    // Named once, when the scene lists are built; the line count includes the empty line.
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QRegularExpression::escape(
                                                QDir::toNativeSeparators(dir.filePath(QStringLiteral("Scene.csv")))) +
                                            QStringLiteral(":4: .*") +
                                            QRegularExpression::escape(QLatin1Char('"') + QString::fromLatin1(value) +
                                                                       QStringLiteral("\" of scene Lobby"))));
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    DeviceInfoManager manager;
    QCOMPARE(manager.getScenceBitrate(QStringLiteral("Lobby"), QStringLiteral("H.264"), QStringLiteral("1080P")), -1);
    QCOMPARE(manager.getScenceBitrate(QStringLiteral("Lobby"), QStringLiteral("H.264"), QStringLiteral("720P")), 640);
    QCOMPARE(manager.getScenceInfo(QStringLiteral("Lobby")).listResolutions,
             (QStringList{QStringLiteral("720P"), QStringLiteral("1080P")}));
}

void TestModelDeviceInfoManager::withoutDataFiles()
{
    ModelDataDir dir{QString()};
    QVERIFY(dir.isValid());
    DeviceInfoManager manager;
    QCOMPARE(manager.getDeviceTypes().size(), 2);
    QVERIFY(manager.getResolutions(IPC).isEmpty());
    QVERIFY(manager.getResolutions(DVR).isEmpty());
    QVERIFY(manager.getScenceNames().isEmpty());
    QVERIFY(manager.getScenceName(0).isEmpty());
    QStringList frames;
    manager.getFrameRates(frames, NTSC);
    QVERIFY(frames.isEmpty());
    QCOMPARE(manager.getScenceBitrate(QStringLiteral("Office"), QStringLiteral("H.264"), QStringLiteral("1080P")), -1);
    QVERIFY(
        manager.getScencePicture(QStringLiteral("Office"), QStringLiteral("H.264"), QStringLiteral("1080P")).isEmpty());
}

void TestModelDeviceInfoManager::channelGroupNumbers_data()
{
    // Script: "a" allocates (the answer is recorded), "rN" releases N.
    QTest::addColumn<QString>("script");
    QTest::addColumn<QList<int>>("allocated");
    QTest::newRow("reuse the lowest freed number")
        << QStringLiteral("a a a r2 a a r0 a") << QList<int>{1, 2, 3, 2, 4, 1};
    QTest::newRow("two holes, lowest first")
        << QStringLiteral("a a a a r3 r2 a a a") << QList<int>{1, 2, 3, 4, 2, 3, 5};
    QTest::newRow("release in reverse order") << QStringLiteral("a a a r2 r3 a a a") << QList<int>{1, 2, 3, 2, 3, 4};
    QTest::newRow("unknown number above") << QStringLiteral("a a r9 a") << QList<int>{1, 2, 3};
    QTest::newRow("double release") << QStringLiteral("a a a r1 r1 a a") << QList<int>{1, 2, 3, 1, 4};
    QTest::newRow("negative number ignored") << QStringLiteral("a a r-1 a") << QList<int>{1, 2, 3};
    QTest::newRow("clear on an empty list") << QStringLiteral("r0 a") << QList<int>{1};
}

void TestModelDeviceInfoManager::channelGroupNumbers()
{
    QFETCH(QString, script);
    QFETCH(QList<int>, allocated);
    ModelDataDir dir{QString()};
    QVERIFY(dir.isValid());
    DeviceInfoManager manager;
    QList<int> answers;
    const QStringList steps = script.split(QLatin1Char(' '));
    for (const QString &step : steps) {
        if (step == QLatin1String("a"))
            answers.append(manager.allocChannelGroupNumber());
        else
            manager.releaseChannelGroupNumber(step.mid(1).toInt());
    }
    QCOMPARE(answers, allocated);
}

QTEST_GUILESS_MAIN(TestModelDeviceInfoManager)
#include "tst_model_deviceinfomanager.moc"
