#include "ModelDataDir.h"

#include "model/BitrateCalculator.h"
#include "model/DeviceEnums.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTest>

class TestModelBitrateCalculator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void construction();
    void absentSourceLeavesRecorderFileUntouched();
    void presentSourceIsConverted();
};

void TestModelBitrateCalculator::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void TestModelBitrateCalculator::construction()
{
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    BitrateCalculator calculator;
    QCOMPARE(calculator.frameStandard(), int(PAL));
    QCOMPARE(calculator.encodeType(), QStringLiteral("H.264"));
    QVERIFY(calculator.table().isLoaded());
    QCOMPARE(calculator.table().getBitrate(QStringLiteral("1080P"), IPC, 25.0), 3072);
}

void TestModelBitrateCalculator::absentSourceLeavesRecorderFileUntouched()
{
    if (QFileInfo::exists(BitrateCalculator::conversionSourcePath()))
        QSKIP("a conversion source exists on this machine");
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    const QString target = dir.filePath(QStringLiteral("DVRBitrateConfig.xml"));
    const QByteArray before = dir.read(QStringLiteral("DVRBitrateConfig.xml"));
    const QDateTime modified = QFileInfo(target).lastModified();
    for (int i = 0; i < 5; ++i)
        BitrateCalculator calculator;
    QCOMPARE(dir.read(QStringLiteral("DVRBitrateConfig.xml")), before);
    QCOMPARE(QFileInfo(target).lastModified(), modified);
}

void TestModelBitrateCalculator::presentSourceIsConverted()
{
#ifdef Q_OS_WIN
    QSKIP("the conversion source is a fixed path on drive C:");
#else
    // Elsewhere the fixed path is relative, so a folder "C:" in the working
    // directory holds the source.
    ModelDataDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(dir.write(QStringLiteral("work/C:/DVRBitrateConfig.csv"), "960H,1024\n1080P,3456\n"));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.filePath(QStringLiteral("work"))));
    {
        BitrateCalculator calculator;
        QCOMPARE(calculator.table().getBitrate(QStringLiteral("1080P"), DVR, 25.0), 3400);
    }
    QVERIFY(QDir::setCurrent(previous));
    const QByteArray converted = dir.read(QStringLiteral("DVRBitrateConfig.xml"));
    QVERIFY2(converted.contains("<Resolution>960H</Resolution>"), converted.constData());
    QVERIFY(converted.contains("<Bitrate>3456</Bitrate>"));
    QVERIFY(!converted.contains("<Bitrate>4000</Bitrate>"));
#endif
}

QTEST_GUILESS_MAIN(TestModelBitrateCalculator)
#include "tst_model_bitratecalculator.moc"
