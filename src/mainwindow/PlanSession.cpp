#include "mainwindow/PlanSession.h"

#include "aptui/BaseDialog.h"
#include "aptui/FileChooser.h"
#include "aptui/TipDialog.h"
#include "calc/CapacityCalculation.h"
#include "calc/DataCalculatorPage.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceEditor.h"
#include "host/CFile.h"
#include "host/RegularFile.h"
#include "mainwindow/CalculatorInputsCommand.h"
#include "mainwindow/FileRefusal.h"
#include "mainwindow/ImportGroupsDialog.h"
#include "mainwindow/SaveChangesDialog.h"
#include "model/DeviceEnums.h"
#include "model/GroupLimits.h"
#include "model/LocaleTextFile.h"
#include "model/PlanRecovery.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QThread>

#include <memory>
#include <utility>

using FenwaGUIToolkit::RegularFile;

Q_LOGGING_CATEGORY(lcPlan, "tavo.mainwindow.plan", QtInfoMsg)

namespace {

// Larger files are refused unread: no plan or group list comes near, and no
// plan is written larger.
const qint64 kMaxFileSize = PlanDocument::kMaxFileBytes;
// A change is copied for recovery once the user paused this long.
const int kRecoveryDelayMs = 1000;
const char kCsvExtension[] = ".csv";
// An import names this many refused rows and counts the rest.
const int kRefusalsShown = 3;
// Room for the refused rows an import lists.
const QSize kRefusalHintSize(480, 360);

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString withExtension(const QString &path, const QString &extension)
{
    return path.endsWith(extension, Qt::CaseInsensitive) ? path : path + extension;
}

// A spreadsheet of a language that writes decimal commas separates by semicolons.
bool separatedBySemicolons(const QByteArray &bytes)
{
    const QString header = LocaleTextFile::decode(bytes.left(4096)).section(QLatin1Char('\n'), 0, 0);
    return header.contains(QLatin1Char(';')) && !header.contains(QLatin1Char(','));
}

} // namespace

PlanSession::PlanSession(const Pages &pages, QWidget *window) : QObject(window), m_pages(pages), m_window(window)
{
    m_blank = capture();
    m_document = m_blank;
    m_calculatorInputs = m_pages.calculator->inputs();
    m_recoveryTimer.setSingleShot(true);
    m_recoveryTimer.setInterval(kRecoveryDelayMs);
    connect(&m_recoveryTimer, &QTimer::timeout, this, &PlanSession::writeRecovery);

    m_pages.groups->setUndoStack(&m_undoStack);
    connect(&m_undoStack, &QUndoStack::indexChanged, this, &PlanSession::markModified);
    connect(&m_undoStack, &QUndoStack::cleanChanged, this, &PlanSession::announceTitle);
    connect(m_pages.calculator, &DataCalculatorPage::inputsChanged, this, &PlanSession::onCalculatorInputs);
    m_reader = new PlanReader(kMaxFileSize, window);
    connect(m_reader, &PlanReader::finished, this, &PlanSession::onPlanRead);
}

PlanSession::~PlanSession()
{
    // Going, the stack would still say that it is clean now, to a window half gone.
    m_undoStack.blockSignals(true);
    waitForRecoveryWriter();
    // Finished; its own clean-up would come too late.
    delete m_recoveryWriter;
}

QString PlanSession::planFilter()
{
    return tr("TAVO storage plans (*.tavoplan)");
}

QString PlanSession::csvFilter()
{
    return tr("CSV files (*.csv)");
}

QString PlanSession::planName() const
{
    if (!m_document.name().trimmed().isEmpty())
        return m_document.name();
    if (!m_filePath.isEmpty())
        return QFileInfo(m_filePath).completeBaseName();
    //: Name of a plan that was never saved, shown in the title bar.
    return tr("Untitled");
}

PlanDocument PlanSession::capture() const
{
    PlanDocument plan = m_document;
    plan.setVideoStandard(m_pages.editor->isPalStandard() ? PAL : NTSC);
    const QVector<StructDeviceItem> groups = m_pages.groups->getDeviceData().values();
    if (groups != plan.groups())
        plan.setGroups(groups);
    plan.setCalculator(m_pages.calculator->inputs());
    if (!m_programVersion.isEmpty())
        plan.setProgramVersion(m_programVersion);
    return plan;
}

void PlanSession::apply(const PlanDocument &plan)
{
    m_applying = true;
    // The standard first: the switch converts the groups it finds, and those
    // of the plan are in its standard already.
    m_pages.editor->setFrameStandard(plan.videoStandard());
    m_pages.groups->setGroups(plan.groups());
    QList<int> numbers;
    numbers.reserve(plan.groups().size());
    for (const StructDeviceItem &group : plan.groups())
        numbers.append(group.iChannelGroupNumber);
    m_pages.editor->setUsedChannelGroupNumbers(numbers);
    if (plan.groups().isEmpty())
        m_pages.panel->showNullPage();
    else
        m_pages.panel->showNormalPage();
    m_pages.calculator->setInputs(plan.calculator());
    m_applying = false;
}

void PlanSession::markModified()
{
    if (m_applying)
        return;
    // Undone back to the saved plan, there is nothing to recover.
    if (m_undoStack.isClean())
        m_recoveryTimer.stop();
    else
        m_recoveryTimer.start();
}

void PlanSession::onCalculatorInputs()
{
    const PlanCalculatorInputs inputs = m_pages.calculator->inputs();
    if (m_applying || inputs == m_calculatorInputs)
        return;
    PlanCalculatorInputs sameMode = m_calculatorInputs;
    sameMode.mode = inputs.mode;
    const PlanCalculatorInputs before = std::exchange(m_calculatorInputs, inputs);
    // Which page is in front is how the plan is looked at, not what it says.
    if (sameMode == inputs)
        return;
    m_undoStack.push(new CalculatorInputsCommand(before, inputs, [this](const PlanCalculatorInputs &shown) {
        m_calculatorInputs = shown;
        m_pages.calculator->setInputs(shown);
    }));
}

void PlanSession::startHistory(bool modified)
{
    m_calculatorInputs = m_pages.calculator->inputs();
    m_undoStack.clear();
    // A recovered plan differs from its file until it is saved.
    if (modified)
        m_undoStack.resetClean();
}

void PlanSession::setState(const PlanDocument &plan, const QString &path, bool modified)
{
    m_document = plan;
    m_filePath = path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    startHistory(modified);
    announceTitle();
}

void PlanSession::announceTitle()
{
    const QString name = planName();
    emit titleChanged(name, isModified());
    // The report is titled after the plan; an untitled one leaves it to the report's file name.
    const bool untitled = m_document.name().trimmed().isEmpty() && m_filePath.isEmpty();
    const QString reportTitle = untitled ? QString() : name;
    if (reportTitle != m_reportTitle) {
        m_reportTitle = reportTitle;
        m_pages.groups->setReportTitle(reportTitle);
    }
}

void PlanSession::showHint(const QString &text, const QSize &size)
{
    aptui::BaseDialog::showHint(text, size);
}

void PlanSession::centreOnWindow(QWidget *dialog) const
{
    dialog->move(m_window->x() + (m_window->width() - dialog->width()) / 2,
                 m_window->y() + (m_window->height() - dialog->height()) / 2);
}

QString PlanSession::startFolder() const
{
    if (!m_filePath.isEmpty())
        return QFileInfo(m_filePath).absolutePath();
    const QStringList recent = m_recent.paths();
    if (!recent.isEmpty())
        return QFileInfo(recent.first()).absolutePath();
    return QDir::homePath();
}

bool PlanSession::newPlan()
{
    if (!maybeSave())
        return false;
    // Asked for later, the new plan wins over one still being read.
    m_reader->cancel();
    m_restoring = false;
    m_openAfterRestore.clear();
    apply(m_blank);
    setState(m_blank, QString(), false);
    dropRecoveryCopy();
    return true;
}

bool PlanSession::open()
{
    const QString path = aptui::FileChooser::openFileName(m_window, tr("Open Plan"), startFolder(), planFilter());
    if (path.isEmpty())
        return false;
    openFile(path);
    return true;
}

void PlanSession::openFile(const QString &path)
{
    if (m_restoring)
        m_openAfterRestore = path;
    else
        m_reader->start(path);
}

void PlanSession::onPlanRead(const PlanReader::Reading &reading)
{
    if (!std::exchange(m_restoring, false)) {
        emit openFinished(acceptOpened(reading));
        return;
    }
    emit openFinished(acceptRestored(reading));
    if (!m_openAfterRestore.isEmpty())
        openFile(std::exchange(m_openAfterRestore, QString()));
}

bool PlanSession::acceptOpened(const PlanReader::Reading &reading)
{
    const QString &path = reading.path;
    QString refusal = fileRefusal(reading);
    if (refusal.isEmpty() && reading.plan.error() != PlanDocument::None)
        refusal = tr("The plan %1 was not opened. %2").arg(native(path), reading.plan.errorText());
    if (!refusal.isEmpty()) {
        showHint(refusal);
        return false;
    }
    // Another open asked for while the user was answering takes over.
    if (!maybeSave() || m_reader->isPending())
        return false;
    adoptPlan(reading.plan, path, false);
    return true;
}

bool PlanSession::acceptRestored(const PlanReader::Reading &reading)
{
    QString reason = fileRefusal(reading);
    if (reason.isEmpty())
        reason = reading.plan.errorText();
    if (!reason.isEmpty()) {
        showHint(tr("The plan could not be restored. %1").arg(reason));
        PlanRecovery::clear();
        return false;
    }
    adoptPlan(reading.plan, m_restoredPath, true);
    return true;
}

void PlanSession::adoptPlan(const PlanDocument &plan, const QString &path, bool restored)
{
    apply(plan);
    if (restored) {
        setState(plan, path, true);
        // From now on the copy is this session's.
        writeRecovery();
    } else {
        m_recent.add(path);
        emit recentPlansChanged();
        setState(plan, path, false);
        dropRecoveryCopy();
    }
    if (!plan.noticeText().isEmpty())
        showHint(plan.noticeText());
}

QString PlanSession::fileRefusal(const PlanReader::Reading &reading)
{
    if (reading.file != RegularFile::Unreadable)
        return FileRefusal::text(reading.path, reading.file, reading.size, kMaxFileSize);
    //: %1 is the path of a plan file that does not exist or may not be read.
    return tr("The plan %1 cannot be read.").arg(native(reading.path));
}

bool PlanSession::readFile(const QString &path, QByteArray &bytes)
{
    // A group list is read at once: a pipe or device, which might never answer, is refused unread.
    RegularFile::Reading reading = RegularFile::read(path, kMaxFileSize);
    const QString refusal = FileRefusal::text(path, reading.status, reading.size, kMaxFileSize);
    if (!refusal.isEmpty()) {
        showHint(refusal);
        return false;
    }
    bytes = std::move(reading.bytes);
    return true;
}

bool PlanSession::save()
{
    return m_filePath.isEmpty() ? saveAs() : writeTo(m_filePath);
}

bool PlanSession::saveAs()
{
    const QString start =
        m_filePath.isEmpty() ? QDir(startFolder()).filePath(planName() + PlanDocument::fileExtension()) : m_filePath;
    const QString path = aptui::FileChooser::saveFileName(m_window, tr("Save Plan As"), start, planFilter());
    return !path.isEmpty() && writeTo(withExtension(path, PlanDocument::fileExtension()));
}

bool PlanSession::writeTo(const QString &path)
{
    PlanDocument plan = capture();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!plan.created().isValid())
        plan.setCreated(now);
    plan.setModified(now);
    const bool existed = QFileInfo::exists(path);
    QString refusal;
    if (!plan.save(path, &refusal)) {
        if (!refusal.isEmpty())
            //: %1 is the path the plan was to be saved to, %2 why a plan that large is not written.
            showHint(tr("The plan was not saved to %1. %2").arg(native(path), refusal));
        else if (existed)
            showHint(tr("The plan could not be saved to %1. The file there is as it was before, and the plan "
                        "keeps its unsaved changes.")
                         .arg(native(path)));
        else
            showHint(tr("The plan could not be saved to %1. It keeps its unsaved changes.").arg(native(path)));
        return false;
    }
    m_recent.add(path);
    emit recentPlansChanged();
    // The history stays: what is saved is where the plan is clean.
    m_document = plan;
    m_filePath = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    m_undoStack.setClean();
    announceTitle();
    dropRecoveryCopy();
    return true;
}

bool PlanSession::maybeSave()
{
    if (!isModified())
        return true;
    SaveChangesDialog question(planName());
    centreOnWindow(&question);
    switch (question.ask()) {
    case SaveChangesDialog::Save:
        return save();
    case SaveChangesDialog::Discard:
        return true;
    default:
        return false;
    }
}

bool PlanSession::exportGroups()
{
    const QVector<StructDeviceItem> groups = m_pages.groups->getDeviceData().values();
    if (groups.isEmpty()) {
        showHint(tr("The plan has no channel groups to export."));
        return false;
    }
    const QString start = QDir(startFolder()).filePath(planName() + QLatin1String(kCsvExtension));
    const QString chosen = aptui::FileChooser::saveFileName(m_window, tr("Export Groups to CSV"), start, csvFilter());
    if (chosen.isEmpty())
        return false;
    const QString path = withExtension(chosen, QLatin1String(kCsvExtension));
    if (!FenwaGUIToolkit::CFile::WriteAll(path, GroupCsv::write(groups))) {
        showHint(tr("The groups could not be written to %1. Any file there is as it was before.").arg(native(path)));
        return false;
    }
    //: Said after an export: %n is how many channel groups were written, %1 the CSV file.
    showHint(tr("%n channel group(s) written to %1.", nullptr, int(groups.size())).arg(native(path)));
    return true;
}

bool PlanSession::importGroups()
{
    const QString path =
        aptui::FileChooser::openFileName(m_window, tr("Import Groups from CSV"), startFolder(), csvFilter());
    QByteArray bytes;
    if (path.isEmpty() || !readFile(path, bytes))
        return false;
    if (separatedBySemicolons(bytes)) {
        showHint(tr("%1 separates its columns with semicolons. Save it from the spreadsheet as CSV with commas "
                    "and import it again.")
                     .arg(native(path)));
        return false;
    }
    const GroupCsv::Reading reading = GroupCsv::read(bytes);
    if (reading.isRefused()) {
        showHint(tr("No groups were imported from %1. Line %2: %3")
                     .arg(native(path), QString::number(reading.fileFault.line), reading.fileFault.reason));
        return false;
    }
    if (reading.groups.isEmpty()) {
        if (reading.refusedRows.isEmpty()) {
            showHint(tr("%1 holds no channel groups.").arg(native(path)));
        } else {
            //: Said when every row of a CSV file of channel groups was refused; the refused rows follow.
            showHint(tr("No groups were imported from %1.").arg(native(path)) + QLatin1String("\n\n") +
                         refusedRowsText(reading.refusedRows),
                     kRefusalHintSize);
        }
        return false;
    }

    const int held = int(m_pages.groups->getDeviceData().size());
    bool replace = false;
    if (held > 0) {
        ImportGroupsDialog question(held);
        centreOnWindow(&question);
        const ImportGroupsDialog::Answer answer = question.ask();
        if (answer == ImportGroupsDialog::Cancel)
            return false;
        replace = answer == ImportGroupsDialog::Replace;
    }
    const int count = int(reading.groups.size());
    if (!replace && held + count > GroupLimits::kMaxGroups) {
        showHint(tr("No groups were imported from %1.").arg(native(path)) + QLatin1Char(' ') +
                 GroupLimits::tooManyGroupsText(held + count));
        return false;
    }
    if (replace) {
        // Numbered as in a new plan.
        m_pages.editor->setUsedChannelGroupNumbers({});
        m_pages.groups->replaceGroups(m_pages.editor->numberedGroups(reading.groups));
    } else {
        m_pages.groups->addGroups(m_pages.editor->numberedGroups(reading.groups));
    }
    m_pages.panel->showNormalPage();

    QString text;
    if (replace) {
        //: Said after an import that replaced the plan's groups: %n is how many were read, %1 the CSV file.
        text = tr("The plan's groups were replaced by %n channel group(s) read from %1.", nullptr, count);
    } else {
        //: Said after an import: %n is how many channel groups were read and added to the plan, %1 the CSV file.
        text = tr("%n channel group(s) read from %1 and added to the plan.", nullptr, count);
    }
    text = text.arg(native(path));
    if (reading.refusedRows.isEmpty()) {
        showHint(text);
    } else {
        showHint(text + QLatin1String("\n\n") + refusedRowsText(reading.refusedRows), kRefusalHintSize);
    }
    return true;
}

QString PlanSession::refusedRowsText(const QVector<GroupCsv::Refusal> &refused)
{
    //: Heads the rows of an imported CSV file that were not read, listed one a line below; %n is how many.
    QStringList lines{tr("%n row(s) refused:", nullptr, int(refused.size()))};
    const int shown = qMin(int(refused.size()), kRefusalsShown);
    for (int i = 0; i < shown; ++i) {
        //: One refused row of an imported CSV file: %1 is its line number, %2 why it was refused.
        lines.append(tr("Line %1: %2").arg(QString::number(refused.at(i).line), refused.at(i).reason));
    }
    if (refused.size() > shown) {
        //: Ends the list of refused rows of an imported CSV file: %n is how many more were refused than listed.
        lines.append(tr("and %n more", nullptr, int(refused.size()) - shown));
    }
    return lines.join(QLatin1Char('\n'));
}

void PlanSession::writeRecovery()
{
    if (!isModified())
        return;
    // One copy at a time; a change meanwhile is copied once this one is done.
    if (m_recoveryWriter) {
        m_recoveryPending = true;
        return;
    }
    // Taken here, written on a worker: a large plan takes a while to write.
    const PlanDocument plan = capture();
    const QByteArray marker = PlanRecovery::marker(m_filePath);
    auto written = std::make_shared<bool>(false);
    m_recoveryWriter = QThread::create([plan, marker, written] {
        *written = PlanRecovery::write(plan, marker);
        if (!*written)
            qCWarning(lcPlan).noquote() << "Cannot write the recovery copy" << native(PlanRecovery::copyPath());
    });
    connect(m_recoveryWriter, &QThread::finished, this, [this, written] {
        m_recoveryWriter->deleteLater();
        m_recoveryWriter = nullptr;
        m_recoveryHint.report(*written, PlanRecovery::copyPath(), m_window);
        if (std::exchange(m_recoveryPending, false))
            writeRecovery();
    });
    m_recoveryWriter->start();
}

void PlanSession::waitForRecoveryWriter()
{
    m_recoveryTimer.stop();
    m_recoveryPending = false;
    if (m_recoveryWriter)
        m_recoveryWriter->wait();
}

void PlanSession::dropRecoveryCopy()
{
    waitForRecoveryWriter();
    PlanRecovery::removeCopy();
}

bool PlanSession::offerRecovery()
{
    QString originalPath;
    if (!PlanRecovery::takeAbandoned(&originalPath))
        return false;
    NM_Vantor::TipDialog question(nullptr);
    question.setObjectName(QStringLiteral("recoveryDialog"));
    question.setFixedSize(350, 220);
    question.setTitle(tr("Restore Plan"));
    question.setText(tr("The program did not end normally. Restore the plan you were working on?"));
    //: Button: bring back the plan left by a program that did not end normally (a verb).
    question.setConfirmButtonText(tr("Restore"));
    //: Button: throw the left-behind plan away (a verb).
    question.setCancelButtonText(tr("Discard"));
    centreOnWindow(&question);
    if (question.exec() != QDialog::Accepted) {
        PlanRecovery::clear();
        return false;
    }
    // An open of the user's own comes after it.
    m_openAfterRestore.clear();
    m_reader->start(PlanRecovery::copyPath());
    m_restoring = true;
    m_restoredPath = originalPath;
    return true;
}

void PlanSession::endSession()
{
    waitForRecoveryWriter();
    PlanRecovery::clear();
}
