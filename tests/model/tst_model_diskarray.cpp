#include "model/DiskArray.h"

#include <QTest>

#include <limits>

class TestDiskArray : public QObject
{
    Q_OBJECT

private slots:
    void capacity_data()
    {
        QTest::addColumn<double>("driveTB");
        QTest::addColumn<int>("drives");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("spares");
        QTest::addColumn<double>("raw");
        QTest::addColumn<double>("usable");
        QTest::newRow("single drive") << 8.0 << 1 << int(DiskArray::NoRaid) << 0 << 8.0 << 8.0;
        QTest::newRow("no RAID, 24 drives") << 4.0 << 24 << int(DiskArray::NoRaid) << 0 << 96.0 << 96.0;
        QTest::newRow("RAID 1 smallest") << 8.0 << 2 << int(DiskArray::Raid1) << 0 << 16.0 << 8.0;
        QTest::newRow("RAID 1, three-way") << 8.0 << 3 << int(DiskArray::Raid1) << 0 << 24.0 << 8.0;
        QTest::newRow("RAID 5 smallest") << 8.0 << 3 << int(DiskArray::Raid5) << 0 << 24.0 << 16.0;
        QTest::newRow("RAID 5, 16 with a spare") << 12.0 << 16 << int(DiskArray::Raid5) << 1 << 192.0 << 168.0;
        QTest::newRow("RAID 6 smallest") << 8.0 << 4 << int(DiskArray::Raid6) << 0 << 32.0 << 16.0;
        QTest::newRow("RAID 6, 12 with a spare") << 8.0 << 12 << int(DiskArray::Raid6) << 1 << 96.0 << 72.0;
        QTest::newRow("RAID 10 smallest") << 8.0 << 4 << int(DiskArray::Raid10) << 0 << 32.0 << 16.0;
        QTest::newRow("RAID 10, 26 with 2 spares") << 2.5 << 26 << int(DiskArray::Raid10) << 2 << 65.0 << 30.0;
        // Only the drives besides the spares must pair up.
        QTest::newRow("RAID 10, 5 with a spare") << 8.0 << 5 << int(DiskArray::Raid10) << 1 << 40.0 << 16.0;
        QTest::newRow("no RAID, the most drives") << 1.0 << 512 << int(DiskArray::NoRaid) << 0 << 512.0 << 512.0;
    }

    void capacity()
    {
        QFETCH(double, driveTB);
        QFETCH(int, drives);
        QFETCH(int, level);
        QFETCH(int, spares);
        QFETCH(double, raw);
        QFETCH(double, usable);
        const DiskArray array(driveTB, drives, level, spares);
        QCOMPARE(array.check(), DiskArray::NoFault);
        QCOMPARE(array.rawTB(), raw);
        QCOMPARE(array.usableTB(), usable);
        // What the operating system shows: the same bytes in binary units.
        QVERIFY(qAbs(DiskArray::toTiB(usable) - usable * 0.9094947017729282) < 1e-9);
    }

    void impossibleArraysSayWhy_data()
    {
        QTest::addColumn<double>("driveTB");
        QTest::addColumn<int>("drives");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("spares");
        QTest::addColumn<int>("fault");
        QTest::newRow("RAID 5 with two") << 8.0 << 2 << int(DiskArray::Raid5) << 0 << int(DiskArray::TooFewDrives);
        QTest::newRow("RAID 6 with a spare too many")
            << 8.0 << 4 << int(DiskArray::Raid6) << 1 << int(DiskArray::TooFewDrives);
        QTest::newRow("RAID 10 odd") << 8.0 << 5 << int(DiskArray::Raid10) << 0 << int(DiskArray::OddDriveCount);
        QTest::newRow("RAID 10, 6 with a spare")
            << 8.0 << 6 << int(DiskArray::Raid10) << 1 << int(DiskArray::OddDriveCount);
        QTest::newRow("one drive past the most")
            << 1.0 << 513 << int(DiskArray::NoRaid) << 0 << int(DiskArray::DriveCountOutOfRange);
        QTest::newRow("spares as many as drives")
            << 8.0 << 4 << int(DiskArray::NoRaid) << 4 << int(DiskArray::SparesOutOfRange);
        QTest::newRow("no drives") << 8.0 << 0 << int(DiskArray::NoRaid) << 0 << int(DiskArray::DriveCountOutOfRange);
        QTest::newRow("10,000 drives") << 8.0 << 10000 << int(DiskArray::Raid6) << 0
                                       << int(DiskArray::DriveCountOutOfRange);
        QTest::newRow("0 TB drive") << 0.0 << 4 << int(DiskArray::Raid5) << 0 << int(DiskArray::DriveSizeOutOfRange);
        QTest::newRow("1,000 TB drive") << 1000.0 << 4 << int(DiskArray::Raid5) << 0
                                        << int(DiskArray::DriveSizeOutOfRange);
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 4 << int(DiskArray::Raid5) << 0
                                      << int(DiskArray::DriveSizeOutOfRange);
    }

    void impossibleArraysSayWhy()
    {
        QFETCH(double, driveTB);
        QFETCH(int, drives);
        QFETCH(int, level);
        QFETCH(int, spares);
        QFETCH(int, fault);
        const DiskArray array(driveTB, drives, level, spares);
        QCOMPARE(int(array.check()), fault);
        QVERIFY(!DiskArray::faultText(array.check(), level).isEmpty());
        // Never a figure from an array that cannot exist.
        QCOMPARE(array.usableTB(), 0.0);
        QCOMPARE(array.rawTB(), 0.0);
    }

    void drivesForARetention_data()
    {
        QTest::addColumn<double>("gigabytes");
        QTest::addColumn<double>("driveTB");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("spares");
        QTest::addColumn<int>("drives");
        QTest::addColumn<int>("fault");
        // 40 TB of video on 8 TB drives: five drives' worth of data.
        QTest::newRow("no RAID") << 40000.0 << 8.0 << int(DiskArray::NoRaid) << 0 << 5 << 0;
        QTest::newRow("RAID 5") << 40000.0 << 8.0 << int(DiskArray::Raid5) << 0 << 6 << 0;
        QTest::newRow("RAID 6 and a spare") << 40000.0 << 8.0 << int(DiskArray::Raid6) << 1 << 8 << 0;
        QTest::newRow("RAID 10") << 40001.0 << 8.0 << int(DiskArray::Raid10) << 0 << 12 << 0;
        QTest::newRow("little data, RAID 6 still four") << 10.0 << 8.0 << int(DiskArray::Raid6) << 0 << 4 << 0;
        QTest::newRow("RAID 1 fits one drive") << 7999.0 << 8.0 << int(DiskArray::Raid1) << 1 << 3 << 0;
        QTest::newRow("RAID 1 cannot grow")
            << 8001.0 << 8.0 << int(DiskArray::Raid1) << 0 << 0 << int(DiskArray::Raid1TooSmall);
        QTest::newRow("the most drives") << 512000.0 << 1.0 << int(DiskArray::NoRaid) << 0 << 512 << 0;
        QTest::newRow("parity one past the most")
            << 512000.0 << 1.0 << int(DiskArray::Raid5) << 0 << 0 << int(DiskArray::TooManyDrivesNeeded);
        QTest::newRow("more than an array takes")
            << 1e9 << 8.0 << int(DiskArray::Raid5) << 0 << 0 << int(DiskArray::TooManyDrivesNeeded);
    }

    void drivesForARetention()
    {
        QFETCH(double, gigabytes);
        QFETCH(double, driveTB);
        QFETCH(int, level);
        QFETCH(int, spares);
        QFETCH(int, drives);
        QFETCH(int, fault);
        DiskArray::Fault found = DiskArray::NoFault;
        QCOMPARE(DiskArray::drivesNeeded(gigabytes, driveTB, level, spares, found), drives);
        QCOMPARE(int(found), fault);
        if (drives > 0) {
            // The answer holds the need, and one drive fewer would not.
            const DiskArray array(driveTB, drives, level, spares);
            QCOMPARE(array.check(), DiskArray::NoFault);
            QVERIFY(array.usableTB() * 1000.0 >= gigabytes);
        }
    }
};

QTEST_GUILESS_MAIN(TestDiskArray)
#include "tst_model_diskarray.moc"
