#include "model/FigureFormat.h"
#include "model/VariantComparison.h"

#include <QTest>

#include <limits>

class TestFigureFormat : public QObject
{
    Q_OBJECT

private slots:
    void retention_data();
    void retention();
    void diskSize_data();
    void diskSize();
    void ranges_data();
    void ranges();
    void diskAnswer_data();
    void diskAnswer();
    void exactNeverContradictsWhole_data();
    void exactNeverContradictsWhole();
    void variantComparison_data();
    void variantComparison();
};

void TestFigureFormat::retention_data()
{
    QTest::addColumn<double>("days");
    QTest::addColumn<QString>("text");

    QTest::newRow("29.8 days") << 29.8 << QStringLiteral("29.8 days · 4.2 weeks · 0.9 months");
    QTest::newRow("under a day") << 0.04 << QStringLiteral("0.0 days · 0.0 weeks · 0.0 months");
    QTest::newRow("past six digits") << 1.2e7 << QStringLiteral("1.2e+07 days · 1.7e+06 weeks · 400000.0 months");
    QTest::newRow("no figure") << 0.0 << QString();
    QTest::newRow("negative") << -3.0 << QString();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << QString();
}

void TestFigureFormat::retention()
{
    QFETCH(double, days);
    QTEST(FigureFormat::retention(days), "text");
}

void TestFigureFormat::diskSize_data()
{
    QTest::addColumn<double>("gigabytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("16.1 TB") << 16100.0 << QStringLiteral("16.1 TB");
    QTest::newRow("just over 1000 GB") << 1000.2 << QStringLiteral("1.1 TB");
    QTest::newRow("1000 GB stays in GB") << 1000.0 << QStringLiteral("1000.0 GB");
    QTest::newRow("999.5 GB") << 999.5 << QStringLiteral("999.5 GB");
    QTest::newRow("no figure") << 0.0 << QString();
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << QString();
}

void TestFigureFormat::diskSize()
{
    QFETCH(double, gigabytes);
    QTEST(FigureFormat::diskSize(gigabytes), "text");
}

void TestFigureFormat::ranges_data()
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
    QTest::newRow("busy drives past the largest array")
        << 2 << 5.0 << 513.0 << QStringLiteral("5 to more than 512 drive(s)");
    QTest::newRow("drives at the largest array") << 2 << 5.0 << 512.0 << QStringLiteral("5\u2013512 drive(s)");
}

void TestFigureFormat::ranges()
{
    QFETCH(int, kind);
    QFETCH(double, first);
    QFETCH(double, second);
    QFETCH(QString, text);
    const QString range = kind == 0   ? FigureFormat::retentionRange(first, second)
                          : kind == 1 ? FigureFormat::diskSizeRange(first, second)
                                      : FigureFormat::driveCountRange(int(first), int(second));
    QCOMPARE(range.section(QStringLiteral(" depending"), 0, 0), text);
    QCOMPARE(range.isEmpty(), text.isEmpty());
}

// The unrounded line under a whole figure starts with that figure: what a
// disk keeps rounds down in both, what a retention needs up in both.
void TestFigureFormat::diskAnswer_data()
{
    QTest::addColumn<double>("diskGB");
    QTest::addColumn<double>("needGB");
    // What the answer must name: the per cent to spare or the shortfall, and
    // the scale; both round towards what the disk surely holds.
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QString>("scale");

    // 1230 / 1000 - 1 is a hair under 0.23 in binary: still 23 %.
    QTest::newRow("23 % to spare") << 1230.0 << 1000.0 << QStringLiteral("23 %") << QStringLiteral("1.23");
    // 23.6 % reads 23 %, × 1.236 reads 1.23.
    QTest::newRow("23.6 % rounds down") << 1236.0 << 1000.0 << QStringLiteral("23 %") << QStringLiteral("1.23");
    QTest::newRow("exactly fits") << 1000.0 << 1000.0 << QStringLiteral("0 %") << QStringLiteral("1.00");
    // A byte short: the shortfall rounds up to a tenth of a GB, the scale down.
    QTest::newRow("one byte short") << 1000.0 - 1e-9 << 1000.0 << QStringLiteral("0.1 GB") << QStringLiteral("0.99");
    // 10 / 14.1 = 0.709…
    QTest::newRow("4.1 TB short") << 10000.0 << 14100.0 << QStringLiteral("4.1 TB") << QStringLiteral("0.70");
    QTest::newRow("nothing needed") << 1000.0 << 0.0 << QString() << QString();
}

void TestFigureFormat::diskAnswer()
{
    QFETCH(double, diskGB);
    QFETCH(double, needGB);
    QFETCH(QString, figure);
    QFETCH(QString, scale);
    const QString text = FigureFormat::diskAnswer(RetentionNeed::answer(diskGB, needGB));
    QCOMPARE(text.isEmpty(), figure.isEmpty());
    if (text.isEmpty())
        return;
    QVERIFY2(text.contains(figure) && text.contains(QStringLiteral("× ") + scale), qPrintable(text));
    // Holding and falling short are told apart in words, not by the figure alone.
    const bool holds = diskGB >= needGB;
    const QString other = FigureFormat::diskAnswer(RetentionNeed::answer(holds ? 1.0 : 2.0e9, 1.0e9));
    QVERIFY(text.section(QLatin1Char(' '), 0, 0) != other.section(QLatin1Char(' '), 0, 0));
}

void TestFigureFormat::exactNeverContradictsWhole_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("disk");

    QTest::newRow("704.96 days") << 704.96 << false;
    QTest::newRow("0.9998 days") << 0.9998 << false;
    QTest::newRow("6.99 days, a week short") << 6.999 << false;
    QTest::newRow("29.97 days, a month short") << 29.97 << false;
    QTest::newRow("99999.97 days") << 99999.97 << false;
    QTest::newRow("45.43 GB") << 45.43 << true;
    QTest::newRow("45.01 GB") << 45.01 << true;
    QTest::newRow("999.96 GB") << 999.96 << true;
    QTest::newRow("1000.04 GB") << 1000.04 << true;
    QTest::newRow("15999.2 GB") << 15999.2 << true;
}

void TestFigureFormat::exactNeverContradictsWhole()
{
    QFETCH(double, value);
    QFETCH(bool, disk);
    const auto leading = [](const QString &text) { return text.section(QLatin1Char(' '), 0, 0).toDouble(); };
    if (!disk) {
        const FigureFormat::Kept whole = FigureFormat::kept(value);
        const QStringList exact = FigureFormat::retention(value).split(QStringLiteral(" \u00B7 "));
        QCOMPARE(exact.size(), 3);
        const QStringList wholes{whole.days, whole.weeks, whole.months};
        for (int i = 0; i < 3; ++i) {
            const double figure = leading(exact.at(i));
            QVERIFY2(figure >= wholes.at(i).toDouble() && figure < wholes.at(i).toDouble() + 1.0,
                     qPrintable(exact.at(i) + QStringLiteral(" under ") + wholes.at(i)));
        }
        QCOMPARE(FigureFormat::days(value).section(QLatin1Char(' '), 0, 0),
                 exact.first().section(QLatin1Char(' '), 0, 0));
    } else {
        const FigureFormat::Needed whole = FigureFormat::needed(value);
        const QString exact = FigureFormat::diskSize(value);
        const double scale = exact.endsWith(QStringLiteral("TB")) ? 1000.0 : 1.0;
        const double exactGB = leading(exact) * scale;
        const double wholeGB = whole.figure.toDouble() * (whole.terabytes ? 1000.0 : 1.0);
        QVERIFY2(exactGB >= value && exactGB <= wholeGB, qPrintable(exact + QStringLiteral(" beside ") + whole.figure));
    }
}

namespace {

// A variant whose figure on `figure` is `value`, every other figure 0.
PlanFigures figuresWith(int figure, double value)
{
    PlanFigures f;
    switch (figure) {
    case VariantComparison::Channels:
        f.channels = qint64(value);
        break;
    case VariantComparison::StorageBitrate:
        f.storageKbps = value;
        break;
    case VariantComparison::Bandwidth:
        f.bandwidthKbps = value;
        break;
    case VariantComparison::DiskNeeded:
        f.diskGB = value;
        break;
    case VariantComparison::DaysKept:
        f.days = value;
        break;
    case VariantComparison::DrivesNeeded:
        f.drivesNeeded = int(value);
        break;
    default:
        f.arrayUsableTB = value;
    }
    return f;
}

} // namespace

void TestFigureFormat::variantComparison_data()
{
    QTest::addColumn<int>("figure");
    QTest::addColumn<QVector<double>>("values");
    // Per cent against the first variant; "B" marks a variant best on the row.
    QTest::addColumn<QStringList>("percents");
    QTest::addColumn<QString>("best");
    using V = VariantComparison;
    const QString none;
    const QString minus = QStringLiteral("\u2212");

    // -37.5 % and +12.5 %: a half rounds away from 0.
    QTest::newRow("less storage is better, halves round out")
        << int(V::StorageBitrate) << QVector<double>{200, 125, 225}
        << QStringList{none, minus + QStringLiteral("38 %"), QStringLiteral("+13 %")} << QStringLiteral("-B-");
    QTest::newRow("more days are better, under a half is 0 %")
        << int(V::DaysKept) << QVector<double>{10, 10.04, 9.96}
        << QStringList{none, QStringLiteral("0 %"), QStringLiteral("0 %")} << QStringLiteral("-B-");
    QTest::newRow("more usable TB is better")
        << int(V::ArrayUsableTB) << QVector<double>{24, 16} << QStringList{none, minus + QStringLiteral("33 %")}
        << QStringLiteral("B-");
    // No bandwidth is a figure, and the best, but nothing is a per cent of it.
    QTest::newRow("zero base") << int(V::Bandwidth) << QVector<double>{0, 500} << QStringList{none, none}
                               << QStringLiteral("B-");
    // No days is no figure: neither a base nor a candidate.
    QTest::newRow("no days") << int(V::DaysKept) << QVector<double>{0, 30, 20} << QStringList{none, none, none}
                             << QStringLiteral("-B-");
    QTest::newRow("a tie for best marks both")
        << int(V::DrivesNeeded) << QVector<double>{4, 3, 3}
        << QStringList{none, minus + QStringLiteral("25 %"), minus + QStringLiteral("25 %")} << QStringLiteral("-BB");
    QTest::newRow("all equal marks none") << int(V::DiskNeeded) << QVector<double>{500, 500}
                                          << QStringList{none, QStringLiteral("0 %")} << QStringLiteral("--");
    QTest::newRow("one figure to choose from")
        << int(V::DrivesNeeded) << QVector<double>{5, 0} << QStringList{none, none} << QStringLiteral("--");
    QTest::newRow("channels have no better") << int(V::Channels) << QVector<double>{8, 16}
                                             << QStringList{none, QStringLiteral("+100 %")} << QStringLiteral("--");
}

void TestFigureFormat::variantComparison()
{
    QFETCH(int, figure);
    QFETCH(QVector<double>, values);
    QFETCH(QStringList, percents);
    QFETCH(QString, best);
    QVector<VariantComparison::Variant> variants;
    for (const double value : values)
        variants.append({QString(QChar(char16_t(u'A' + variants.size()))), figuresWith(figure, value)});

    const VariantComparison comparison(variants);
    QCOMPARE(comparison.rows().size(), VariantComparison::kFigures);
    const VariantComparison::Row &row = comparison.rows().at(figure);
    QCOMPARE(int(row.figure), figure);
    QStringList shownPercents;
    QString shownBest;
    for (const VariantComparison::Cell &cell : row.cells) {
        shownPercents << cell.percentText;
        shownBest += cell.best ? QLatin1Char('B') : QLatin1Char('-');
    }
    QCOMPARE(shownPercents, percents);
    QCOMPARE(shownBest, best);
}

QTEST_APPLESS_MAIN(TestFigureFormat)
#include "tst_model_figureformat.moc"
