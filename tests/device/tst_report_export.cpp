#include "aptui/FileChooser.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceReport.h"
#include "model/ModelMetaTypes.h"

#include "model/ModelDataDir.h"
#include "support/DialogAnswerer.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

namespace {

const QString kFixture = QStringLiteral("../device/list");

StructDeviceItem group(const QString &name, double kbps, const QString &frameRate = QStringLiteral("25"))
{
    StructDeviceItem item;
    item.strDeviceType = QStringLiteral("IPC");
    item.strChannelName = name;
    item.strEncoding = QStringLiteral("H.265");
    item.strResolution = QStringLiteral("1080P");
    item.strFrameRate = frameRate;
    item.iChannelCount = 4;
    item.dBitrate = kbps;
    item.iViewMode = 3;
    return item;
}

Result sampleResult()
{
    Result result;
    result.diskSize = QStringLiteral("8TB");
    result.recordHoursPerDay = 24;
    result.savedDays = QStringLiteral("25.3 Day");
    result.savedWeeks = QStringLiteral("3.6 Week");
    result.savedMonths = QStringLiteral("0.8 Month");
    result.saveTime = QStringLiteral("30Day");
    result.dailyRecordHours = 16;
    result.requiredDiskSpace = QStringLiteral("6.2 TB");
    result.channelCount = QStringLiteral("12");
    result.ipcCount = QStringLiteral("12");
    result.dvrCount = QStringLiteral("0");
    result.bandWidth = QStringLiteral("24.0Mpbs");
    return result;
}

// Each section's caption row followed by its data rows.
QList<QList<QStringList>> dataTables(const QList<ReportTable> &tables)
{
    QList<QList<QStringList>> out;
    for (const ReportTable &table : tables)
        out.append(QList<QStringList>{table.headers} + table.rows);
    return out;
}

int pdfPageCount(const QByteArray &pdf)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("/Count (\\d+)")).match(QString::fromLatin1(pdf));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Translates the hour suffix, to see that it is looked up in the list's context.
class HourTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "DeviceAddPage") == 0 && qstrcmp(sourceText, "h") == 0)
            return QStringLiteral(" hrs");
        return QString();
    }
};

struct Hint
{
    QString objectName;
    QString title;
    QString text;
    QSize size;
    bool confirmShown = false;
    bool cancelShown = false;
};

} // namespace

class TestReportExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void sectionsHoldCaptionsAndRowsInIdOrder();
    void bitrateAndFrameRateCells_data();
    void bitrateAndFrameRateCells();
    void hoursFollowTheNumberDirectly();
    void exactFiguresBesideTheRoundedOnes_data();
    void exactFiguresBesideTheRoundedOnes();
    void pdfHoldsEveryCellAsText_data();
    void pdfHoldsEveryCellAsText();
    void exportWritesPdfUnderTheExactName();
    void manyGroupsSpanSeveralPages();
    void exportReplacesAnExistingFile();
    void failedReplaceKeepsTheEarlierFile();
    void cancelKeepsTheEarlierFileAndSaysNothing();
    void noGroupsNoDialogNoFile();
    void cancelledDialogWritesNothing();
    void unwritableTargetReportsFailure_data();
    void unwritableTargetReportsFailure();
    void onlyCompletePdfCountsAsSaved_data();
    void onlyCompletePdfCountsAsSaved();

private:
    // Runs the export answering the file question with `fileName` and the
    // hint with its confirm button; the hint as found.
    Hint exportAndAnswer(DeviceAddPage &page, const QString &fileName);

    std::unique_ptr<ModelDataDir> m_data;
    std::unique_ptr<QTemporaryDir> m_out;
    int m_questions = 0;
    QWidget *m_questionParent = nullptr;
    QString m_caption;
    QString m_filter;
};

void TestReportExport::initTestCase()
{
    registerModelMetaTypes();
}

void TestReportExport::init()
{
    m_data = std::make_unique<ModelDataDir>(kFixture);
    QVERIFY(m_data->isValid());
    m_out = std::make_unique<QTemporaryDir>();
    QVERIFY(m_out->isValid());
    m_questions = 0;
    m_questionParent = nullptr;
    m_caption.clear();
    m_filter.clear();
}

void TestReportExport::cleanup()
{
    aptui::FileChooser::setSaveFunction({});
    m_out.reset();
    m_data.reset();
}

Hint TestReportExport::exportAndAnswer(DeviceAddPage &page, const QString &fileName)
{
    aptui::FileChooser::setSaveFunction(
        [this, fileName](QWidget *parent, const QString &caption, const QString &, const QString &filter) {
            ++m_questions;
            m_questionParent = parent;
            m_caption = caption;
            m_filter = filter;
            return fileName;
        });
    Hint hint;
    auto answer = DialogAnswerer::answerNext([&hint](QWidget *dialog) {
        hint.objectName = dialog->objectName();
        hint.title = dialog->findChild<QLabel *>(QStringLiteral("labelTitle"))->text();
        hint.text = dialog->findChild<QLabel *>(QStringLiteral("m_labelNULL"))->text();
        hint.size = dialog->size();
        auto *confirm = dialog->findChild<QAbstractButton *>(QStringLiteral("btnConfirm"));
        auto *cancel = dialog->findChild<QAbstractButton *>(QStringLiteral("btnCancel"));
        hint.confirmShown = confirm->isVisible() && confirm->isEnabled();
        hint.cancelShown = cancel->isVisible() || cancel->isEnabled();
        if (hint.confirmShown)
            confirm->click();
        else
            DialogAnswerer::close(dialog);
    });
    page.onExportDeviceItems(sampleResult());
    // The report is written on a worker; the hint follows when it is done.
    if (!QTest::qWaitFor([&page] { return !page.isExporting(); }, 60000))
        qWarning("The report took over a minute.");
    if (!answer->answered())
        answer->stop();
    return hint;
}

void TestReportExport::sectionsHoldCaptionsAndRowsInIdOrder()
{
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("Zeta(1)"), 2048));
    page.addDeviceTypeItem(group(QStringLiteral("Alpha(2)"), 1024));
    page.addDeviceTypeItem(group(QStringLiteral("Mid(3)"), 512));

    const QList<ReportTable> sections = DeviceReport::tables(page.getDeviceData(), sampleResult());
    QCOMPARE(sections.size(), 4);
    const QStringList titles{QStringLiteral("Devices"), QStringLiteral("Space Given"), QStringLiteral("Time Given"),
                             QStringLiteral("Bandwidth")};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(sections.at(i).title, titles.at(i));

    const QList<QList<QStringList>> tables = dataTables(sections);
    QCOMPARE(tables.size(), 4);
    QCOMPARE(tables.at(0),
             (QList<QStringList>{{QStringLiteral("Device Name"), QStringLiteral("Device Quantity"),
                                  QStringLiteral("Resolution"), QStringLiteral("Frame Rate(fps)"),
                                  QStringLiteral("Encoding"), QStringLiteral("Recommended Bitrate(kbps)")},
                                 {QStringLiteral("Zeta(1)"), QStringLiteral("4"), QStringLiteral("1080P"),
                                  QStringLiteral("25"), QStringLiteral("H.265"), QStringLiteral("2048")},
                                 {QStringLiteral("Alpha(2)"), QStringLiteral("4"), QStringLiteral("1080P"),
                                  QStringLiteral("25"), QStringLiteral("H.265"), QStringLiteral("1024")},
                                 {QStringLiteral("Mid(3)"), QStringLiteral("4"), QStringLiteral("1080P"),
                                  QStringLiteral("25"), QStringLiteral("H.265"), QStringLiteral("512")}}));
    QCOMPARE(tables.at(1),
             (QList<QStringList>{{QStringLiteral("Disk Space"), QStringLiteral("Recording Time/day"),
                                  QStringLiteral("Recording Time By Day"), QStringLiteral("Recording Time By Week"),
                                  QStringLiteral("Recording Time By Month"), QStringLiteral("Exact")},
                                 {QStringLiteral("8TB"), QStringLiteral("24h"), QStringLiteral("25.3 Day"),
                                  QStringLiteral("3.6 Week"), QStringLiteral("0.8 Month"), QString()}}));
    QCOMPARE(tables.at(2), (QList<QStringList>{
                               {QStringLiteral("Recording Time"), QStringLiteral("Recording Time/day"),
                                QStringLiteral("Required Disk Space"), QStringLiteral("Exact")},
                               {QStringLiteral("30Day"), QStringLiteral("16h"), QStringLiteral("6.2 TB"), QString()}}));
    QCOMPARE(tables.at(3),
             (QList<QStringList>{{QStringLiteral("Total device number"), QStringLiteral("Total Band Width")},
                                 {QStringLiteral("12"), QStringLiteral("24.0Mpbs")}}));
}

void TestReportExport::bitrateAndFrameRateCells_data()
{
    QTest::addColumn<double>("bitrate");
    QTest::addColumn<QString>("frameRate");
    QTest::addColumn<QString>("bitrateCell");
    QTest::newRow("fraction kept") << 1536.5 << "25"
                                   << "1536.5";
    QTest::newRow("whole without decimals") << 4096.0 << "30"
                                            << "4096";
    QTest::newRow("six significant digits") << 1234.5678 << "25"
                                            << "1234.57";
    QTest::newRow("scene group without frame rate") << 2048.0 << ""
                                                    << "2048";
}

void TestReportExport::bitrateAndFrameRateCells()
{
    QFETCH(double, bitrate);
    QFETCH(QString, frameRate);
    QMap<long long, StructDeviceItem> devices;
    devices.insert(1, group(QStringLiteral("Gate(1)"), bitrate, frameRate));

    const QList<QList<QStringList>> tables = dataTables(DeviceReport::tables(devices, sampleResult()));
    QCOMPARE(tables.at(0).size(), 2);
    QCOMPARE(tables.at(0).at(1).at(3), frameRate);
    QTEST(tables.at(0).at(1).at(5), "bitrateCell");
}

void TestReportExport::hoursFollowTheNumberDirectly()
{
    QMap<long long, StructDeviceItem> devices;
    devices.insert(1, group(QStringLiteral("Gate(1)"), 1024));
    Result result = sampleResult();
    result.recordHoursPerDay = 8;
    result.dailyRecordHours = 1;

    QList<QList<QStringList>> tables = dataTables(DeviceReport::tables(devices, result));
    QCOMPARE(tables.at(1).at(1).at(1), QStringLiteral("8h"));
    QCOMPARE(tables.at(2).at(1).at(1), QStringLiteral("1h"));

    HourTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    tables = dataTables(DeviceReport::tables(devices, result));
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(tables.at(1).at(1).at(1), QStringLiteral("8 hrs"));
    QCOMPARE(tables.at(2).at(1).at(1), QStringLiteral("1 hrs"));
}

void TestReportExport::exactFiguresBesideTheRoundedOnes_data()
{
    QTest::addColumn<double>("days");
    QTest::addColumn<double>("gigabytes");
    QTest::addColumn<QString>("spaceGiven");
    QTest::addColumn<QString>("timeGiven");

    QTest::newRow("both figures") << 29.8 << 16100.0 << QStringLiteral("29.8 days · 4.3 weeks · 1.0 months")
                                  << QStringLiteral("16.1 TB");
    QTest::newRow("just over 1000 GB") << 0.5 << 1000.2 << QStringLiteral("0.5 days · 0.1 weeks · 0.0 months")
                                       << QStringLiteral("1.0 TB");
    QTest::newRow("no figures") << 0.0 << 0.0 << QString() << QString();
}

// Each capacity section ends in the unrounded figure; the rounded ones stay.
void TestReportExport::exactFiguresBesideTheRoundedOnes()
{
    QFETCH(double, days);
    QFETCH(double, gigabytes);
    QMap<long long, StructDeviceItem> devices;
    devices.insert(1, group(QStringLiteral("Gate(1)"), 1024));
    Result result = sampleResult();
    result.exactDays = days;
    result.exactDiskGB = gigabytes;

    const QList<ReportTable> sections = DeviceReport::tables(devices, result);
    const ReportTable &space = sections.at(1);
    const ReportTable &time = sections.at(2);
    QCOMPARE(space.title, QStringLiteral("Space Given"));
    QCOMPARE(space.headers.last(), QStringLiteral("Exact"));
    QCOMPARE(space.rows.at(0).mid(2, 3), (QStringList{result.savedDays, result.savedWeeks, result.savedMonths}));
    QTEST(space.rows.at(0).last(), "spaceGiven");
    QCOMPARE(time.title, QStringLiteral("Time Given"));
    QCOMPARE(time.headers.last(), QStringLiteral("Exact"));
    QCOMPARE(time.rows.at(0).at(2), result.requiredDiskSpace);
    QTEST(time.rows.at(0).last(), "timeGiven");
}

void TestReportExport::pdfHoldsEveryCellAsText_data()
{
    QTest::addColumn<int>("groups");
    QTest::addColumn<QString>("name");
    QTest::newRow("typed markup stays text") << 1 << QStringLiteral("<b>Gate&Door</b>");
    QTest::newRow("over several pages") << 120 << QStringLiteral("Entrance");
}

// What a reader of the PDF finds: every group, and the caption row on every
// page the device table runs over.
void TestReportExport::pdfHoldsEveryCellAsText()
{
    QFETCH(int, groups);
    QFETCH(QString, name);
    QMap<long long, StructDeviceItem> devices;
    for (int i = 1; i <= groups; ++i)
        devices.insert(i, group(QStringLiteral("%1(%2)").arg(name).arg(i), 1024));
    const QString fileName = m_out->filePath(QStringLiteral("text.pdf"));
    QVERIFY(DeviceReport::writePdf(DeviceReport::tables(devices, sampleResult()), fileName));

    QProcess extract;
    extract.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), fileName, QStringLiteral("-")});
    if (!extract.waitForStarted())
        QSKIP("pdftotext is not installed.");
    QVERIFY(extract.waitForFinished());
    const QStringList pages =
        QString::fromUtf8(extract.readAllStandardOutput()).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY(pages.size() >= (groups > 50 ? 2 : 1));
    int found = 0;
    for (const QString &page : pages) {
        if (page.contains(QStringLiteral("%1(").arg(name)))
            QVERIFY2(page.contains(QStringLiteral("Device Name")), qPrintable(page));
        for (int i = 1; i <= groups; ++i)
            found += page.contains(QStringLiteral("%1(%2) ").arg(name).arg(i)) ? 1 : 0;
    }
    QCOMPARE(found, groups);
}

void TestReportExport::exportWritesPdfUnderTheExactName()
{
    DeviceAddPage page;
    for (int i = 1; i <= 3; ++i)
        page.addDeviceTypeItem(group(QStringLiteral("Gate(%1)").arg(i), 1024.0 * i));
    const QString fileName = m_out->filePath(QStringLiteral("site report"));

    const Hint hint = exportAndAnswer(page, fileName);

    QCOMPARE(m_questions, 1);
    QCOMPARE(m_questionParent, &page);
    QCOMPARE(m_caption, QStringLiteral("Save File"));
    QCOMPARE(m_filter, QStringLiteral("File (*.pdf )"));
    QCOMPARE(hint.objectName, QStringLiteral("Hint"));
    QCOMPARE(hint.title, QStringLiteral("Hint"));
    QCOMPARE(hint.text, QStringLiteral("Saved."));
    QCOMPARE(hint.size, QSize(350, 220));
    QVERIFY(hint.confirmShown);
    QVERIFY(!hint.cancelShown);

    // No extension is added and nothing else is left in the folder.
    QCOMPARE(QDir(m_out->path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("site report")});
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(pdfPageCount(pdf), 1);
    // 297 x 210 mm, landscape.
    QVERIFY(pdf.contains("/MediaBox [0 0 842"));
    QVERIFY(DeviceReport::isPdfFile(fileName));
}

void TestReportExport::manyGroupsSpanSeveralPages()
{
    DeviceAddPage page;
    QVector<StructDeviceItem> groups;
    for (int i = 1; i <= 200; ++i)
        groups.append(group(QStringLiteral("Entrance camera group(%1)").arg(i), 1536.5));
    page.setDeviceTypeData(groups);
    const QString fileName = m_out->filePath(QStringLiteral("large.pdf"));

    const Hint hint = exportAndAnswer(page, fileName);

    QCOMPARE(hint.text, QStringLiteral("Saved."));
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(pdfPageCount(file.readAll()) > 1);
}

void TestReportExport::exportReplacesAnExistingFile()
{
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("Gate(1)"), 2048));
    const QString fileName = m_out->filePath(QStringLiteral("old.pdf"));
    {
        QFile old(fileName);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older report");
    }

    const Hint hint = exportAndAnswer(page, fileName);

    QCOMPARE(hint.text, QStringLiteral("Saved."));
    QVERIFY(DeviceReport::isPdfFile(fileName));
    QCOMPARE(QDir(m_out->path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).size(), 1);
}

void TestReportExport::failedReplaceKeepsTheEarlierFile()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("plan.pdf"));
    QFile earlier(target);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier report");
    earlier.close();
    // The new file is gone before it could take the target's place.
    QVERIFY(!DeviceReport::replaceFile(dir.filePath(QStringLiteral(".plan.pdf.gone")), target));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("earlier report"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("plan.pdf")});
}

void TestReportExport::cancelKeepsTheEarlierFileAndSaysNothing()
{
    DeviceAddPage page;
    QVector<StructDeviceItem> groups;
    for (int i = 1; i <= 3000; ++i)
        groups.append(group(QStringLiteral("Gate(%1)").arg(i), 1024));
    page.setDeviceTypeData(groups);
    const QString target = m_out->filePath(QStringLiteral("plan.pdf"));
    QFile earlier(target);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier report");
    earlier.close();
    aptui::FileChooser::setSaveFunction(
        [target](QWidget *, const QString &, const QString &, const QString &) { return target; });
    auto answer = DialogAnswerer::answerNext(DialogAnswerer::accepting(), 2000);

    page.onExportDeviceItems(sampleResult());
    QVERIFY(page.isExporting());
    page.findChild<QAbstractButton *>(QStringLiteral("m_btnCancelReport"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(!page.isExporting(), 30000);

    QVERIFY(!answer->waitUntilAnswered(300));
    answer->stop();
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("earlier report"));
    QCOMPARE(QDir(m_out->path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("plan.pdf")});
}

// Nothing to report: no save question and no file, but the user hears why.
void TestReportExport::noGroupsNoDialogNoFile()
{
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("Gate(1)"), 2048));
    page.OnDeleteDeviceItem(1, 1);

    const Hint hint = exportAndAnswer(page, m_out->filePath(QStringLiteral("empty.pdf")));

    QCOMPARE(m_questions, 0);
    QCOMPARE(hint.objectName, QStringLiteral("APP_WARNINGDLG"));
    QCOMPARE(hint.text, QStringLiteral("Add a device first."));
    QVERIFY(QDir(m_out->path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestReportExport::cancelledDialogWritesNothing()
{
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("Gate(1)"), 2048));

    const Hint hint = exportAndAnswer(page, QString());

    QCOMPARE(m_questions, 1);
    QVERIFY(hint.objectName.isEmpty());
    QVERIFY(QDir(m_out->path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestReportExport::unwritableTargetReportsFailure_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("missing folder") << "missing/report.pdf";
    QTest::newRow("name of a folder") << "folder";
    QTest::newRow("below a plain file") << "plain/report.pdf";
    QTest::newRow("read-only folder") << "locked/report.pdf";
}

void TestReportExport::unwritableTargetReportsFailure()
{
    QFETCH(QString, target);
    QDir out(m_out->path());
    QVERIFY(out.mkdir(QStringLiteral("folder")));
    QVERIFY(out.mkdir(QStringLiteral("locked")));
    {
        QFile plain(out.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
    }
    const QString locked = out.filePath(QStringLiteral("locked"));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    if (target.startsWith(QLatin1String("locked")) && QFileInfo(locked).isWritable()) {
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QSKIP("This user may write into read-only folders.");
    }

    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("Gate(1)"), 2048));
    const Hint hint = exportAndAnswer(page, out.filePath(target));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QCOMPARE(hint.objectName, QStringLiteral("Hint"));
    QCOMPARE(hint.text, QStringLiteral("Failed to save the file."));
    QVERIFY(hint.confirmShown);
    // No partial file anywhere, and the folder that was named is untouched.
    QCOMPARE(out.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{QStringLiteral("folder"), QStringLiteral("locked"), QStringLiteral("plain")}));
    QVERIFY(
        QDir(out.filePath(QStringLiteral("folder"))).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    QVERIFY(QDir(locked).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestReportExport::onlyCompletePdfCountsAsSaved_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("complete");
    QTest::newRow("complete") << QByteArray("%PDF-1.4\n1 0 obj\n<<>>\nendobj\ntrailer\n%%EOF\n") << true;
    QTest::newRow("cut off before the end") << QByteArray("%PDF-1.4\n1 0 obj\n<<>>\nendobj\n") << false;
    QTest::newRow("not a PDF") << QByteArray("an older report %%EOF") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestReportExport::onlyCompletePdfCountsAsSaved()
{
    QFETCH(QByteArray, content);
    const QString fileName = m_out->filePath(QStringLiteral("checked.pdf"));
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    QTEST(DeviceReport::isPdfFile(fileName), "complete");
    QVERIFY(!DeviceReport::isPdfFile(m_out->filePath(QStringLiteral("absent.pdf"))));
    QVERIFY(!DeviceReport::isPdfFile(m_out->path()));
}

QTEST_MAIN(TestReportExport)
#include "tst_report_export.moc"
