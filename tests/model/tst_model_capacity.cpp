#include "model/BitrateCalculator.h"

#include <QTest>

// The capacity formulas. Expected values are exact: a different order of the
// same operations moves the last bit, which is enough to push a requirement of
// exactly 1000 GB over the rounding-up step.
class TestModelCapacity : public QObject
{
    Q_OBJECT

private slots:
    void hoursForDiskSize_data();
    void hoursForDiskSize();
    void diskSizeForHours_data();
    void diskSizeForHours();
};

void TestModelCapacity::hoursForDiskSize_data()
{
    QTest::addColumn<double>("totalKbps");
    QTest::addColumn<double>("diskGB");
    QTest::addColumn<double>("hours");

    QTest::newRow("4096 kbps on 4 TB") << 4096.0 << 4000.0 << 2112.9184299045137;
    QTest::newRow("4096 kbps on 1 GB") << 4096.0 << 1.0 << 0.5282296074761285;
    QTest::newRow("3000 kbps on 1000 GB") << 3000.0 << 1000.0 << 721.2094907407406;
    QTest::newRow("1 kbps on 4 TB") << 1.0 << 4000.0 << 8654513.888888888;
    QTest::newRow("12288 kbps on 50000 TB") << 12288.0 << 50000000.0 << 8803826.791268807;
    QTest::newRow("empty disk") << 4096.0 << 0.0 << 0.0;
}

void TestModelCapacity::hoursForDiskSize()
{
    QFETCH(double, totalKbps);
    QFETCH(double, diskGB);
    QFETCH(double, hours);
    const double actual = BitrateCalculator::hoursForDiskSize(totalKbps, diskGB);
    QVERIFY2(actual == hours, qPrintable(QString::number(actual, 'g', 17)));
}

void TestModelCapacity::diskSizeForHours_data()
{
    QTest::addColumn<double>("totalKbps");
    QTest::addColumn<int>("hours");
    QTest::addColumn<double>("gigabytes");

    QTest::newRow("4096 kbps for a day") << 4096.0 << 24 << 45.434787562688065;
    QTest::newRow("1000 kbps for 600 h") << 1000.0 << 600 << 277.3119358074223;
    QTest::newRow("exactly 1000 GB") << 90151.18634259258 << 24 << 1000.0;
    QTest::newRow("just over 34328 GB") << 3094709.9247685187 << 24 << 34328.00000000001;
    QTest::newRow("1 Gbps for a year of months") << 1000000.0 << 262800 << 121462627.88365096;
    QTest::newRow("zero bitrate") << 0.0 << 24 << 0.0;
    QTest::newRow("zero hours") << 4096.0 << 0 << 0.0;
}

void TestModelCapacity::diskSizeForHours()
{
    QFETCH(double, totalKbps);
    QFETCH(int, hours);
    QFETCH(double, gigabytes);
    const double actual = BitrateCalculator::diskSizeForHours(totalKbps, hours);
    QVERIFY2(actual == gigabytes, qPrintable(QString::number(actual, 'g', 17)));
}

QTEST_GUILESS_MAIN(TestModelCapacity)
#include "tst_model_capacity.moc"
