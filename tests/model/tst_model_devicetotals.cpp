#include "model/DeviceTotals.h"
#include "model/FigureFormat.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

#include <limits>

namespace {

StructDeviceItem group(const QString &type, int channels, double kbps, int viewMode)
{
    StructDeviceItem item;
    item.strDeviceType = type;
    item.iChannelCount = channels;
    item.dBitrate = kbps;
    item.iViewMode = viewMode;
    return item;
}

// Answers every unit word of the device list's context with a marker, so a
// test sees which context the words are looked up in.
class UnitTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "DeviceAddPage") == 0)
            return QStringLiteral("[") + QLatin1String(sourceText) + QStringLiteral("]");
        return QString();
    }
};

} // namespace

class TestDeviceTotals : public QObject
{
    Q_OBJECT

private slots:
    void bitrate_data();
    void bitrate();
    void unitWordsAreTranslatedInTheListContext();
    void totals_data();
    void totals();
    void shareAndBusierScenes_data();
    void shareAndBusierScenes();
    void emptyListReadsZero();
    void countsDoNotOverflow();
};

void TestDeviceTotals::bitrate_data()
{
    QTest::addColumn<double>("kbps");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("unit");

    QTest::newRow("nothing") << 0.0 << "0.0"
                             << "Kpbs";
    QTest::newRow("a fraction rounds up to a whole kbps") << 0.1 << "1.0"
                                                          << "Kpbs";
    QTest::newRow("1000 kbps") << 1000.0 << "1000.0"
                               << "Kpbs";
    QTest::newRow("1024 stays in kbps") << 1024.0 << "1024.0"
                                        << "Kpbs";
    QTest::newRow("1024.5 rounds up to 1025") << 1024.5 << "1.1"
                                              << "Mpbs";
    QTest::newRow("1025 rounds up to a tenth") << 1025.0 << "1.1"
                                               << "Mpbs";
    QTest::newRow("1536 is exact") << 1536.0 << "1.5"
                                   << "Mpbs";
    QTest::newRow("4 x 2048") << 8192.0 << "8.0"
                              << "Mpbs";
    QTest::newRow("1048576 stays in Mpbs") << 1048576.0 << "1024.0"
                                           << "Mpbs";
    QTest::newRow("one kbps above a gigabit") << 1048577.0 << "1.1"
                                              << "Gpbs";
    QTest::newRow("two million") << 2000000.0 << "2.0"
                                 << "Gpbs";
    // 20971521 is not representable in single precision and reads as 20971520.
    QTest::newRow("single precision absorbs one kbps") << 20971521.0 << "20.0"
                                                       << "Gpbs";
    QTest::newRow("just below the cap") << 999.8 * 1048576.0 << "999.8"
                                        << "Gpbs";
    QTest::newRow("exactly 999.9 Gpbs rounds up") << 999.9 * 1048576.0 << "999.9"
                                                  << "Gpbs";
    QTest::newRow("above the cap") << 1000.0 * 1048576.0 << ">999.9"
                                   << "Gpbs";
    QTest::newRow("far above the cap") << 1e15 << ">999.9"
                                       << "Gpbs";
    QTest::newRow("beyond single precision") << 1e300 << ">999.9"
                                             << "Gpbs";
}

void TestDeviceTotals::bitrate()
{
    QFETCH(double, kbps);
    const FigureFormat::Bitrate rate = FigureFormat::bitrate(kbps);
    QTEST(rate.value, "value");
    QTEST(rate.unit, "unit");
}

void TestDeviceTotals::unitWordsAreTranslatedInTheListContext()
{
    UnitTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCOMPARE(FigureFormat::bitrate(100.0).unit, QStringLiteral("[Kpbs]"));
    QCOMPARE(FigureFormat::bitrate(2048.0).unit, QStringLiteral("[Mpbs]"));
    QCOMPARE(FigureFormat::bitrate(4e6).unit, QStringLiteral("[Gpbs]"));
    QCOMPARE(FigureFormat::bitrate(4e6).value, QStringLiteral("3.9"));
    QCoreApplication::removeTranslator(&translator);
}

void TestDeviceTotals::totals_data()
{
    QTest::addColumn<QList<StructDeviceItem>>("groups");
    QTest::addColumn<double>("storage");
    QTest::addColumn<QString>("channels");
    QTest::addColumn<QString>("ipc");
    QTest::addColumn<QString>("dvr");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("unit");

    QTest::newRow("4 IPC channels at 2048, live view and recording")
        << QList<StructDeviceItem>{group(QStringLiteral("IPC"), 4, 2048, 3)} << 8192.0 << "4"
        << "4"
        << "0"
        << "8.0"
        << "Mpbs";
    QTest::newRow("live view only counts for the network, not the disks")
        << QList<StructDeviceItem>{group(QStringLiteral("IPC"), 2, 1000, 1)} << 0.0 << "2"
        << "2"
        << "0"
        << "2.0"
        << "Mpbs";
    QTest::newRow("recording only loads the disks, not the network")
        << QList<StructDeviceItem>{group(QStringLiteral("DVR"), 3, 500, 2)} << 1500.0 << "0"
        << "0"
        << "0"
        << "0.0"
        << "Kpbs";
    QTest::newRow("mixed modes and types")
        << QList<StructDeviceItem>{group(QStringLiteral("IPC"), 2, 1000, 1), group(QStringLiteral("DVR"), 3, 500, 2),
                                   group(QStringLiteral("DVR"), 5, 100.5, 3)}
        << 2002.5 << "7"
        << "2"
        << "5"
        << "2.5"
        << "Mpbs";
    QTest::newRow("types are compared exactly")
        << QList<StructDeviceItem>{group(QStringLiteral("ipc"), 1, 100, 3), group(QStringLiteral("NVR"), 2, 100, 3)}
        << 300.0 << "3"
        << "0"
        << "0"
        << "300.0"
        << "Kpbs";
    QTest::newRow("an unknown view mode counts nowhere")
        << QList<StructDeviceItem>{group(QStringLiteral("IPC"), 8, 4096, 0), group(QStringLiteral("IPC"), 8, 4096, 4)}
        << 0.0 << "0"
        << "0"
        << "0"
        << "0.0"
        << "Kpbs";
    QTest::newRow("fractional rates are summed before rounding")
        << QList<StructDeviceItem>{group(QStringLiteral("IPC"), 1, 512.25, 3),
                                   group(QStringLiteral("IPC"), 1, 512.25, 3)}
        << 1024.5 << "2"
        << "2"
        << "0"
        << "1.1"
        << "Mpbs";
    QTest::newRow("zero channels and zero kbps")
        << QList<StructDeviceItem>{group(QStringLiteral("IPC"), 0, 4096, 3), group(QStringLiteral("DVR"), 4, 0, 3)}
        << 0.0 << "4"
        << "0"
        << "4"
        << "0.0"
        << "Kpbs";
}

void TestDeviceTotals::totals()
{
    QFETCH(QList<StructDeviceItem>, groups);
    QMap<long long, StructDeviceItem> items;
    long long id = 0;
    for (const StructDeviceItem &item : groups)
        items.insert(++id, item);

    const DeviceTotals totals(items);
    QTEST(totals.storageBitrate(), "storage");
    QTEST(totals.channelCount(), "channels");
    QTEST(totals.ipcCount(), "ipc");
    QTEST(totals.dvrCount(), "dvr");
    QTEST(totals.bandwidthValue(), "value");
    QTEST(totals.bandwidthUnit(), "unit");
}

void TestDeviceTotals::shareAndBusierScenes_data()
{
    QTest::addColumn<int>("share");
    QTest::addColumn<int>("complexity");
    QTest::addColumn<bool>("fromTable");
    QTest::addColumn<double>("storage");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    // 64 cameras at 4096 kbps.
    QTest::newRow("continuous, medium recommendation") << 100 << 1 << true << 262144.0 << 131072.0 << 524288.0;
    QTest::newRow("on motion 40 %") << 40 << 1 << true << 104857.6 << 52428.8 << 209715.2;
    QTest::newRow("already high") << 100 << 2 << true << 262144.0 << 65536.0 << 262144.0;
    QTest::newRow("typed rate keeps it") << 100 << 1 << false << 262144.0 << 262144.0 << 262144.0;
    QTest::newRow("a share past 100 records no more than all the time")
        << 150 << 1 << true << 262144.0 << 131072.0 << 524288.0;
    QTest::newRow("a share below 0 records nothing") << -20 << 1 << true << 0.0 << 0.0 << 0.0;
}

// The network carries every camera in full; the disk only what is recorded.
void TestDeviceTotals::shareAndBusierScenes()
{
    QFETCH(int, share);
    QFETCH(int, complexity);
    QFETCH(bool, fromTable);
    StructDeviceItem item = group(QStringLiteral("IPC"), 64, 4096, 3);
    item.iRecordingShare = share;
    item.iComplexity = complexity;
    item.bRateFromTable = fromTable;
    QMap<long long, StructDeviceItem> items;
    items.insert(1, item);
    const DeviceTotals totals(items);
    QTEST(totals.storageBitrate(), "storage");
    QTEST(totals.storageBitrateLow(), "low");
    QTEST(totals.storageBitrateHigh(), "high");
    QCOMPARE(totals.bandwidthSum(), 262144.0);
}

void TestDeviceTotals::emptyListReadsZero()
{
    const DeviceTotals totals({});
    QCOMPARE(totals.storageBitrate(), 0.0);
    QCOMPARE(totals.bandwidthSum(), 0.0);
    QCOMPARE(totals.channelCount(), QStringLiteral("0"));
    QCOMPARE(totals.bandwidthValue(), QStringLiteral("0.0"));
    QCOMPARE(totals.bandwidthUnit(), QStringLiteral("Kpbs"));
}

void TestDeviceTotals::countsDoNotOverflow()
{
    const int most = std::numeric_limits<int>::max();
    QMap<long long, StructDeviceItem> items;
    items.insert(1, group(QStringLiteral("IPC"), most, 1e6, 3));
    items.insert(2, group(QStringLiteral("IPC"), most, 1e6, 3));
    items.insert(3, group(QStringLiteral("DVR"), most, 1e6, 1));

    const DeviceTotals totals(items);
    QCOMPARE(totals.channelCount(), QString::number(3LL * most));
    QCOMPARE(totals.ipcCount(), QString::number(2LL * most));
    QCOMPARE(totals.dvrCount(), QString::number(qint64(most)));
    QCOMPARE(totals.storageBitrate(), 2.0 * most * 1e6);
    QCOMPARE(totals.bandwidthValue(), QStringLiteral(">999.9"));
    QCOMPARE(totals.bandwidthUnit(), QStringLiteral("Gpbs"));
}

QTEST_GUILESS_MAIN(TestDeviceTotals)
#include "tst_model_devicetotals.moc"
