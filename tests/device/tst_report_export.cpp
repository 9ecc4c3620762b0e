// How the report is written: the file question, names, folders, permissions
// and every way writing it can end.
#include "aptui/FileChooser.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceReport.h"
#include "device/ReportFile.h"
#include "model/DeviceEnums.h"
#include "model/ModelMetaTypes.h"

#include "ReportFixture.h"
#include "model/ModelDataDir.h"
#include "support/DesktopOpenRecorder.h"
#include "support/DialogAnswerer.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// The text as it is, or with one stretch in its middle left out for an
// ellipsis, as the hint shows a path too long for it.
bool sameOrShortened(const QString &shown, const QString &whole)
{
    if (shown == whole)
        return true;
    const QStringList parts = shown.split(QChar(0x2026));
    return parts.size() == 2 && whole.startsWith(parts.first()) && whole.endsWith(parts.last()) &&
           parts.first().size() + parts.last().size() < whole.size() && parts.last().size() > 10;
}

} // namespace

using namespace ReportFixture;

class TestReportExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void offeredFileName_data();
    void offeredFileName();
    void planNameFromTheChosenFile_data();
    void planNameFromTheChosenFile();
    void offeredFolder_data();
    void offeredFolder();
    void exportSavesUnderTheChosenName_data();
    void exportSavesUnderTheChosenName();
    void hintOpensTheFileOrItsFolder_data();
    void hintOpensTheFileOrItsFolder();
    void permissionsFollowTheUmask_data();
    void permissionsFollowTheUmask();
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
    // hint with the button of that name; the hint as found.
    Hint exportAndAnswer(DeviceAddPage &page, const QString &fileName,
                         const QString &button = QStringLiteral("btnConfirm"));

    std::unique_ptr<ModelDataDir> m_data;
    std::unique_ptr<QTemporaryDir> m_out;
    bool m_pdfToText = false;
    int m_questions = 0;
    QWidget *m_questionParent = nullptr;
    QString m_caption;
    QString m_start;
    QString m_filter;
};

void TestReportExport::initTestCase()
{
    registerModelMetaTypes();
    m_pdfToText = !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
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
    m_start.clear();
    m_filter.clear();
}

void TestReportExport::cleanup()
{
    aptui::FileChooser::setSaveFunction({});
    m_out.reset();
    m_data.reset();
}

Hint TestReportExport::exportAndAnswer(DeviceAddPage &page, const QString &fileName, const QString &button)
{
    aptui::FileChooser::setSaveFunction(
        [this, fileName](QWidget *parent, const QString &caption, const QString &start, const QString &filter) {
            ++m_questions;
            m_questionParent = parent;
            m_caption = caption;
            m_start = start;
            m_filter = filter;
            return fileName;
        });
    Hint hint;
    auto answer = DialogAnswerer::answerNext([&hint, button](QWidget *dialog) {
        hint.objectName = dialog->objectName();
        hint.title = dialog->findChild<QLabel *>(QStringLiteral("labelTitle"))->text();
        hint.text = dialog->findChild<QLabel *>(QStringLiteral("m_labelNULL"))->text();
        hint.size = dialog->size();
        auto *confirm = dialog->findChild<QAbstractButton *>(QStringLiteral("btnConfirm"));
        auto *cancel = dialog->findChild<QAbstractButton *>(QStringLiteral("btnCancel"));
        hint.confirmShown = confirm->isVisible() && confirm->isEnabled();
        hint.cancelShown = cancel->isVisible() || cancel->isEnabled();
        for (const QString &name : {QStringLiteral("m_btnOpenReport"), QStringLiteral("m_btnShowReportFolder")}) {
            if (auto *extra = dialog->findChild<QAbstractButton *>(name); extra && extra->isVisible())
                hint.extraButtons.append(extra->text());
        }
        auto *answer = dialog->findChild<QAbstractButton *>(button);
        if (answer && answer->isVisible() && answer->isEnabled())
            answer->click();
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

void TestReportExport::offeredFileName_data()
{
    QTest::addColumn<QString>("planName");
    QTest::addColumn<QString>("fileName");
    const QString date = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    QTest::newRow("plan name") << QStringLiteral("North depot") << QStringLiteral("North depot %1.pdf").arg(date);
    QTest::newRow("no plan name") << QStringLiteral("") << QStringLiteral("Storage plan %1.pdf").arg(date);
    QTest::newRow("characters no file name may hold")
        << QStringLiteral("a/b\\c:d*e?f\"g<h>i|j") << QStringLiteral("a_b_c_d_e_f_g_h_i_j %1.pdf").arg(date);
    QTest::newRow("not hidden, no dots or blanks at the ends")
        << QStringLiteral(" ..depot.  ") << QStringLiteral("depot %1.pdf").arg(date);
    QTest::newRow("only dots") << QStringLiteral("...") << QStringLiteral("Storage plan %1.pdf").arg(date);
}

void TestReportExport::offeredFileName()
{
    QFETCH(QString, planName);
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("Gate(1)"), 2048));
    page.setReportTitle(planName);

    exportAndAnswer(page, QString());
    QCOMPARE(m_questions, 1);
    QTEST(QFileInfo(m_start).fileName(), "fileName");
}

void TestReportExport::planNameFromTheChosenFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("planName");
    QTest::newRow("offered name kept") << QStringLiteral("/r/Storage plan 2024-05-01.pdf") << QString();
    QTest::newRow("name typed over the offered one")
        << QStringLiteral("/r/North depot 2024-05-01.pdf") << QStringLiteral("North depot");
    QTest::newRow("name without a date") << QStringLiteral("/r/site.v2.pdf") << QStringLiteral("site.v2");
}

// With no plan name given, the report is titled after the file the user named.
void TestReportExport::planNameFromTheChosenFile()
{
    QFETCH(QString, fileName);
    QTEST(ReportFile::planNameFromFile(fileName, kDate), "planName");
}

void TestReportExport::offeredFolder_data()
{
    QTest::addColumn<bool>("documents");
    QTest::addColumn<bool>("saveFirst");
    QTest::addColumn<bool>("removeAfter");
    QTest::addColumn<QString>("folder");
    QTest::newRow("documents folder") << true << false << false << QStringLiteral("home/Documents");
    QTest::newRow("home without documents") << false << false << false << QStringLiteral("home");
    QTest::newRow("where the last report went") << true << true << false << QStringLiteral("reports");
    QTest::newRow("last folder gone") << true << true << true << QStringLiteral("home/Documents");
}

void TestReportExport::offeredFolder()
{
    QFETCH(bool, documents);
    QFETCH(bool, saveFirst);
    QFETCH(bool, removeAfter);
    QDir out(m_out->path());
    QVERIFY(out.mkpath(documents ? QStringLiteral("home/Documents") : QStringLiteral("home")));
    QVERIFY(out.mkpath(QStringLiteral("reports")));
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", out.filePath(QStringLiteral("home")).toLocal8Bit());
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("Gate(1)"), 2048));
    if (saveFirst)
        QVERIFY(exportAndAnswer(page, out.filePath(QStringLiteral("reports/old.pdf")))
                    .text.startsWith(QLatin1String("Saved to:")));
    if (removeAfter)
        QVERIFY(QDir(out.filePath(QStringLiteral("reports"))).removeRecursively());

    exportAndAnswer(page, QString());
    qputenv("HOME", home);
    QTEST(out.relativeFilePath(QFileInfo(m_start).path()), "folder");
}

void TestReportExport::exportSavesUnderTheChosenName_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<bool>("shortened");
    // Where the name had no suffix, it was once saved without one.
    QTest::newRow(".pdf added") << QStringLiteral("site report") << QStringLiteral("site report.pdf") << false;
    QTest::newRow(".pdf kept") << QStringLiteral("site report.pdf") << QStringLiteral("site report.pdf") << false;
    QTest::newRow("other case kept") << QStringLiteral("SITE.PDF") << QStringLiteral("SITE.PDF") << false;
    QTest::newRow("version number is no suffix")
        << QStringLiteral("plan v1.5") << QStringLiteral("plan v1.5.pdf") << false;
    QTest::newRow("trailing dot") << QStringLiteral("plan.") << QStringLiteral("plan.pdf") << false;
    const QString deep = QStringLiteral("%1/report.pdf").arg(QStringLiteral("a-rather-long-folder-name").repeated(5));
    QTest::newRow("long path shortened in the hint") << deep << deep << true;
}

void TestReportExport::exportSavesUnderTheChosenName()
{
    QFETCH(QString, chosen);
    QFETCH(QString, saved);
    QFETCH(bool, shortened);
    DeviceAddPage page;
    for (int i = 1; i <= 3; ++i)
        page.addDeviceTypeItem(group(QStringLiteral("Gate(%1)").arg(i), 1024.0 * i));
    QVERIFY(QDir(m_out->path()).mkpath(QFileInfo(m_out->filePath(chosen)).path()));

    const Hint hint = exportAndAnswer(page, m_out->filePath(chosen));

    QCOMPARE(m_questions, 1);
    QCOMPARE(m_questionParent, &page);
    QCOMPARE(m_caption, QStringLiteral("Save File"));
    QCOMPARE(m_filter, QStringLiteral("File (*.pdf )"));
    QCOMPARE(hint.objectName, QStringLiteral("Hint"));
    QCOMPARE(hint.title, QStringLiteral("Hint"));
    QVERIFY(hint.confirmShown);
    QVERIFY(!hint.cancelShown);
    QCOMPARE(hint.extraButtons, (QStringList{QStringLiteral("Open"), QStringLiteral("Show in folder")}));
    // The hint keeps the program's 350 x 220 at least and grows to fit the
    // path and the added buttons.
    QVERIFY(hint.size.width() >= 350 && hint.size.height() >= 220);

    // Where it went: the full path, shortened in its middle when too long.
    const QString path = QDir::toNativeSeparators(m_out->filePath(saved));
    const QStringList lines = hint.text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.first(), QStringLiteral("Saved to:"));
    // A long temporary folder may shorten any of them; the deep one always.
    if (shortened)
        QVERIFY(lines.last() != path);
    QVERIFY2(sameOrShortened(lines.last(), path), qPrintable(lines.last()));

    // Nothing else is left in the folder.
    const QDir folder = QFileInfo(m_out->filePath(saved)).dir();
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QFileInfo(saved).fileName()});
    QFile file(m_out->filePath(saved));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(pdfPageCount(pdf) >= 1);
    // 297 x 210 mm, landscape.
    QVERIFY(pdf.contains("/MediaBox [0 0 842"));
    QVERIFY(DeviceReport::isPdfFile(m_out->filePath(saved)));
}

void TestReportExport::hintOpensTheFileOrItsFolder_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("opened");
    QTest::newRow("open") << QStringLiteral("m_btnOpenReport") << QStringLiteral("plans/site.pdf");
    QTest::newRow("show in folder") << QStringLiteral("m_btnShowReportFolder") << QStringLiteral("plans");
    QTest::newRow("confirm") << QStringLiteral("btnConfirm") << QStringLiteral("");
}

void TestReportExport::hintOpensTheFileOrItsFolder()
{
    QFETCH(QString, button);
    QFETCH(QString, opened);
    QVERIFY(QDir(m_out->path()).mkpath(QStringLiteral("plans")));
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("Gate(1)"), 2048));
    DesktopOpenRecorder desktop;

    exportAndAnswer(page, m_out->filePath(QStringLiteral("plans/site.pdf")), button);

    const QList<QUrl> expected =
        opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl::fromLocalFile(m_out->filePath(opened))};
    QCOMPARE(desktop.urls(), expected);
}

void TestReportExport::permissionsFollowTheUmask_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<bool>("replacing");
    QTest::addColumn<int>("mode");
    QTest::newRow("022") << 022 << false << 0644;
    QTest::newRow("002, shared with the group") << 002 << false << 0664;
    QTest::newRow("077, private") << 077 << false << 0600;
    QTest::newRow("022 over a private earlier file") << 022 << true << 0644;
}

void TestReportExport::permissionsFollowTheUmask()
{
#ifdef Q_OS_UNIX
    QFETCH(int, mask);
    QFETCH(bool, replacing);
    const QString fileName = m_out->filePath(QStringLiteral("shared.pdf"));
    if (replacing) {
        QFile earlier(fileName);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        QVERIFY(earlier.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    }
    const mode_t before = ::umask(mode_t(mask));
    const ReportOutcome outcome =
        DeviceReport::writePdf(DeviceReport::document(groups(2), sampleResult(), QString(), kDate), fileName);
    ::umask(before);
    QCOMPARE(outcome, ReportOutcome::Saved);
    struct stat info = {};
    QCOMPARE(::stat(QFile::encodeName(fileName).constData(), &info), 0);
    QTEST(int(info.st_mode & 0777), "mode");
#else
    QSKIP("Permission bits from a umask are a POSIX matter.");
#endif
}

void TestReportExport::manyGroupsSpanSeveralPages()
{
    DeviceAddPage page;
    QVector<StructDeviceItem> items;
    for (int i = 1; i <= 200; ++i)
        items.append(group(QStringLiteral("Entrance camera group(%1)").arg(i), 1536.5));
    page.setDeviceTypeData(items);
    const QString fileName = m_out->filePath(QStringLiteral("large.pdf"));

    const Hint hint = exportAndAnswer(page, fileName);

    QVERIFY(hint.text.startsWith(QLatin1String("Saved to:")));
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

    QVERIFY(hint.text.startsWith(QLatin1String("Saved to:")));
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
    QVector<StructDeviceItem> items;
    for (int i = 1; i <= 3000; ++i)
        items.append(group(QStringLiteral("Gate(%1)").arg(i), 1024));
    page.setDeviceTypeData(items);
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
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder") << QStringLiteral("missing/report.pdf")
                                    << QStringLiteral("The folder %2 does not exist.");
    QTest::newRow("name of a folder") << QStringLiteral("folder")
                                      << QStringLiteral("%1 is a folder. Choose a file name.");
    QTest::newRow("folder named like a report")
        << QStringLiteral("folder.pdf") << QStringLiteral("%1 is a folder. Choose a file name.");
    QTest::newRow("below a plain file") << QStringLiteral("plain/report.pdf")
                                        << QStringLiteral("The folder %2 does not exist.");
    QTest::newRow("read-only folder") << QStringLiteral("locked/report.pdf")
                                      << QStringLiteral("No file can be created in the folder %2. Is it read-only?");
}

void TestReportExport::unwritableTargetReportsFailure()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);
    QDir out(m_out->path());
    const QStringList entries{QStringLiteral("folder"), QStringLiteral("folder.pdf"), QStringLiteral("locked"),
                              QStringLiteral("plain")};
    QVERIFY(out.mkdir(entries.at(0)) && out.mkdir(entries.at(1)) && out.mkdir(entries.at(2)));
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
    const QString whole =
        QStringLiteral("Failed to save the file.\n") +
        reason.replace(QStringLiteral("%1"), QDir::toNativeSeparators(out.filePath(target)))
            .replace(QStringLiteral("%2"), QDir::toNativeSeparators(QFileInfo(out.filePath(target)).absolutePath()));
    QVERIFY2(sameOrShortened(hint.text, whole), qPrintable(hint.text));
    QVERIFY(hint.confirmShown);
    QVERIFY(hint.extraButtons.isEmpty());
    // No partial file anywhere, and the folders that were named are untouched.
    QCOMPARE(out.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), entries);
    for (const QString &folder : {entries.at(0), entries.at(1), entries.at(2)})
        QVERIFY(QDir(out.filePath(folder)).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
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
