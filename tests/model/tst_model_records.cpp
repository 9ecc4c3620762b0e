#include "model/DeviceEnums.h"
#include "model/ModelMetaTypes.h"

#include <QMetaType>
#include <QObject>
#include <QSignalSpy>
#include <QTest>

// Stands for the screens: records travel between them by value through signals.
class RecordSender : public QObject
{
    Q_OBJECT
signals:
    void item(StructDeviceItem item);
    void items(QVector<StructDeviceItem> items);
    void types(QVector<StructDeviceType> types);
    void scenes(QVector<SCENCE_ITEM> scenes);
    void groups(QMap<long long, StructDeviceItem> groups);
    void resolutions(QMap<int, QString> resolutions);
};

class RecordReceiver : public QObject
{
    Q_OBJECT
public:
    StructDeviceItem m_item;
    QVector<StructDeviceItem> m_items;
    QVector<StructDeviceType> m_types;
    QVector<SCENCE_ITEM> m_scenes;
    QMap<long long, StructDeviceItem> m_groups;
    QMap<int, QString> m_resolutions;
    int m_calls = 0;

public slots:
    void onItem(StructDeviceItem item)
    {
        m_item = item;
        ++m_calls;
    }
    void onItems(QVector<StructDeviceItem> items)
    {
        m_items = items;
        ++m_calls;
    }
    void onTypes(QVector<StructDeviceType> types)
    {
        m_types = types;
        ++m_calls;
    }
    void onScenes(QVector<SCENCE_ITEM> scenes)
    {
        m_scenes = scenes;
        ++m_calls;
    }
    void onGroups(QMap<long long, StructDeviceItem> groups)
    {
        m_groups = groups;
        ++m_calls;
    }
    void onResolutions(QMap<int, QString> resolutions)
    {
        m_resolutions = resolutions;
        ++m_calls;
    }
};

class TestModelRecords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void registeredNames_data();
    void registeredNames();
    void queuedRoundTrip();

private:
    static StructDeviceItem sampleItem();
};

void TestModelRecords::initTestCase()
{
    // The application calls it once; a second call must be harmless.
    registerModelMetaTypes();
    registerModelMetaTypes();
}

void TestModelRecords::registeredNames_data()
{
    // fromType() does not register a type, as qMetaTypeId() would: only
    // registerModelMetaTypes() makes these names known.
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QMetaType>("type");
    QTest::newRow("StructDeviceItem") << QByteArray("StructDeviceItem") << QMetaType::fromType<StructDeviceItem>();
    QTest::newRow("StructDeviceType") << QByteArray("StructDeviceType") << QMetaType::fromType<StructDeviceType>();
    QTest::newRow("SCENCE_ITEM") << QByteArray("SCENCE_ITEM") << QMetaType::fromType<SCENCE_ITEM>();
    QTest::newRow("ScenceInfo") << QByteArray("ScenceInfo") << QMetaType::fromType<ScenceInfo>();
    QTest::newRow("Result") << QByteArray("Result") << QMetaType::fromType<Result>();
    QTest::newRow("vector of items") << QByteArray("QVector<StructDeviceItem>")
                                     << QMetaType::fromType<QVector<StructDeviceItem>>();
    QTest::newRow("vector of types") << QByteArray("QVector<StructDeviceType>")
                                     << QMetaType::fromType<QVector<StructDeviceType>>();
    QTest::newRow("vector of scenes") << QByteArray("QVector<SCENCE_ITEM>")
                                      << QMetaType::fromType<QVector<SCENCE_ITEM>>();
    QTest::newRow("map of groups") << QByteArray("QMap<long long,StructDeviceItem>")
                                   << QMetaType::fromType<QMap<long long, StructDeviceItem>>();
    QTest::newRow("map of resolutions") << QByteArray("QMap<int,QString>") << QMetaType::fromType<QMap<int, QString>>();
}

void TestModelRecords::registeredNames()
{
    QFETCH(QByteArray, name);
    QFETCH(QMetaType, type);
    const QMetaType named = QMetaType::fromName(name);
    QVERIFY2(named.isValid(), name.constData());
    QCOMPARE(named, type);
}

StructDeviceItem TestModelRecords::sampleItem()
{
    StructDeviceItem item;
    item.strDeviceType = QStringLiteral("IPC");
    item.strChannelName = QStringLiteral("Lobby(3)");
    item.strExtraText = QStringLiteral("extra");
    item.bFlag = true;
    item.strScene = QStringLiteral("Office");
    item.strEncoding = QStringLiteral("H.265");
    item.iChannelCount = 16;
    item.strResolution = QStringLiteral("1080P");
    item.strFrameRate = QStringLiteral("1/4");
    item.dBitrate = 1234.5678;
    item.iChannelGroupNumber = 3;
    item.iViewMode = LiveViewAndRecording;
    return item;
}

void TestModelRecords::queuedRoundTrip()
{
    RecordSender sender;
    RecordReceiver receiver;
    // String-based connections, written as the screens write their signatures.
    QVERIFY(QObject::connect(&sender, SIGNAL(item(StructDeviceItem)), &receiver, SLOT(onItem(StructDeviceItem)),
                             Qt::QueuedConnection));
    QVERIFY(QObject::connect(&sender, SIGNAL(items(QVector<StructDeviceItem>)), &receiver,
                             SLOT(onItems(QVector<StructDeviceItem>)), Qt::QueuedConnection));
    QVERIFY(QObject::connect(&sender, SIGNAL(types(QVector<StructDeviceType>)), &receiver,
                             SLOT(onTypes(QVector<StructDeviceType>)), Qt::QueuedConnection));
    QVERIFY(QObject::connect(&sender, SIGNAL(scenes(QVector<SCENCE_ITEM>)), &receiver,
                             SLOT(onScenes(QVector<SCENCE_ITEM>)), Qt::QueuedConnection));
    QVERIFY(QObject::connect(&sender, SIGNAL(groups(QMap<long long, StructDeviceItem>)), &receiver,
                             SLOT(onGroups(QMap<long long, StructDeviceItem>)), Qt::QueuedConnection));
    QVERIFY(QObject::connect(&sender, SIGNAL(resolutions(QMap<int, QString>)), &receiver,
                             SLOT(onResolutions(QMap<int, QString>)), Qt::QueuedConnection));

    const StructDeviceItem item = sampleItem();
    StructDeviceItem second = item;
    second.strChannelName = QString();
    second.dBitrate = 0.5;
    const QVector<StructDeviceItem> items{item, second};
    const QVector<StructDeviceType> types{{IPC, QStringLiteral("IPC")}, {DVR, QStringLiteral("DVR")}};
    const QVector<SCENCE_ITEM> scenes{{0, QStringLiteral("Office")}, {1, QStringLiteral("Parking Lot")}};
    const QMap<long long, StructDeviceItem> groups{{1LL, item}, {5000000000LL, second}};
    const QMap<int, QString> resolutions{{2, QStringLiteral("1080P")}, {1, QStringLiteral("720P")}};

    emit sender.item(item);
    emit sender.items(items);
    emit sender.types(types);
    emit sender.scenes(scenes);
    emit sender.groups(groups);
    emit sender.resolutions(resolutions);
    QCOMPARE(receiver.m_calls, 0); // queued: nothing before the event loop runs
    QTRY_COMPARE(receiver.m_calls, 6);

    QCOMPARE(receiver.m_item, item);
    QCOMPARE(receiver.m_item.dBitrate, 1234.5678);
    QCOMPARE(receiver.m_items, items);
    QCOMPARE(receiver.m_types, types);
    QCOMPARE(receiver.m_scenes, scenes);
    QCOMPARE(receiver.m_groups, groups);
    QCOMPARE(receiver.m_resolutions.keys(), (QList<int>{1, 2}));
    QCOMPARE(receiver.m_resolutions, resolutions);
}

QTEST_GUILESS_MAIN(TestModelRecords)
#include "tst_model_records.moc"
