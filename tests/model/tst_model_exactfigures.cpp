#include "model/ExactFigures.h"

#include <QTest>

#include <limits>

class TestExactFigures : public QObject
{
    Q_OBJECT

private slots:
    void retention_data();
    void retention();
    void diskSize_data();
    void diskSize();
    void ranges_data();
    void ranges();
};

void TestExactFigures::retention_data()
{
    QTest::addColumn<double>("days");
    QTest::addColumn<QString>("text");

    QTest::newRow("29.8 days") << 29.8 << QStringLiteral("29.8 days · 4.3 weeks · 1.0 months");
    QTest::newRow("under a day") << 0.04 << QStringLiteral("0.0 days · 0.0 weeks · 0.0 months");
    QTest::newRow("past six digits") << 1.2e7 << QStringLiteral("1.2e+07 days · 1.7e+06 weeks · 400000.0 months");
    QTest::newRow("no figure") << 0.0 << QString();
    QTest::newRow("negative") << -3.0 << QString();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << QString();
}

void TestExactFigures::retention()
{
    QFETCH(double, days);
    QTEST(ExactFigures::retention(days), "text");
}

void TestExactFigures::diskSize_data()
{
    QTest::addColumn<double>("gigabytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("16.1 TB") << 16100.0 << QStringLiteral("16.1 TB");
    QTest::newRow("just over 1000 GB") << 1000.2 << QStringLiteral("1.0 TB");
    QTest::newRow("1000 GB stays in GB") << 1000.0 << QStringLiteral("1000.0 GB");
    QTest::newRow("999.5 GB") << 999.5 << QStringLiteral("999.5 GB");
    QTest::newRow("no figure") << 0.0 << QString();
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << QString();
}

void TestExactFigures::diskSize()
{
    QFETCH(double, gigabytes);
    QTEST(ExactFigures::diskSize(gigabytes), "text");
}

void TestExactFigures::ranges_data()
{
    QTest::addColumn<int>("kind"); // 0 days, 1 disk, 2 drives
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("second");
    QTest::addColumn<QString>("text");

    QTest::newRow("days, either order") << 0 << 58.04 << 14.2 << QStringLiteral("14.2\u201358.0 days");
    QTest::newRow("days that read the same") << 0 << 29.81 << 29.84 << QString();
    QTest::newRow("days without a bound") << 0 << 0.0 << 29.8 << QString();
    QTest::newRow("disk across 1000 GB in TB") << 1 << 800.0 << 1600.0 << QStringLiteral("0.8\u20131.6 TB");
    QTest::newRow("disk in GB") << 1 << 120.0 << 480.0 << QStringLiteral("120.0\u2013480.0 GB");
    QTest::newRow("disk not a number") << 1 << std::numeric_limits<double>::quiet_NaN() << 4.0 << QString();
    QTest::newRow("drives") << 2 << 11.0 << 8.0 << QStringLiteral("8\u201311 drive(s)");
    QTest::newRow("drives the same") << 2 << 8.0 << 8.0 << QString();
}

void TestExactFigures::ranges()
{
    QFETCH(int, kind);
    QFETCH(double, first);
    QFETCH(double, second);
    QFETCH(QString, text);
    const QString range = kind == 0   ? ExactFigures::retentionRange(first, second)
                          : kind == 1 ? ExactFigures::diskSizeRange(first, second)
                                      : ExactFigures::driveCountRange(int(first), int(second));
    QCOMPARE(range.section(QStringLiteral(" depending"), 0, 0), text);
    QCOMPARE(range.isEmpty(), text.isEmpty());
}

QTEST_APPLESS_MAIN(TestExactFigures)
#include "tst_model_exactfigures.moc"
