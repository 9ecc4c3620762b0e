#pragma once

#include "host/RegularFile.h"
#include "mainwindow/PlanReader.h"
#include "mainwindow/RecoveryWriteHint.h"
#include "model/GroupCsv.h"
#include "model/PlanCalculatorInputs.h"
#include "model/PlanDocument.h"
#include "model/RecentPlans.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUndoStack>

class CapacityCalculation;
class DataCalculatorPage;
class DeviceAddPage;
class DeviceEditor;
class QThread;
class QWidget;

// The plan the window shows as a document: which file it belongs to, whether
// it has unsaved changes, and the commands that open, save and replace it.
// Every change of its content is a command on the plan's undo stack, whose
// clean state is the saved one. Every change is copied to the user's state
// folder a second after it was made, so that a crash loses nothing; the next
// start offers the copy back.
class PlanSession : public QObject
{
    Q_OBJECT

public:
    struct Pages
    {
        DeviceEditor *editor = nullptr;
        DeviceAddPage *groups = nullptr;
        DataCalculatorPage *calculator = nullptr;
        CapacityCalculation *panel = nullptr;
    };

    // The questions open over `window`. The pages show the plan a New gives.
    PlanSession(const Pages &pages, QWidget *window);
    ~PlanSession() override;

    // The file the plan was opened from or saved to; empty for a new plan.
    QString filePath() const { return m_filePath; }
    // The plan's own name, else the file's base name, else "Untitled".
    QString planName() const;
    bool isModified() const { return !m_undoStack.isClean(); }
    QUndoStack *undoStack() { return &m_undoStack; }
    QStringList recentPlans() const { return m_recent.paths(); }
    // Written into every plan saved.
    void setProgramVersion(const QString &version) { m_programVersion = version; }

    // The plan as the window shows it.
    PlanDocument capture() const;
    // Shows the plan, replacing everything, without asking; the numbers of
    // its groups stay as they are and the next add takes the smallest free one.
    void apply(const PlanDocument &plan);

public slots:
    // Each answers false when the user cancelled or it failed; the plan shown
    // is then untouched (an import or export never replaces it).
    bool newPlan();
    // Asks for the file; true when one was chosen and its reading began.
    bool open();
    // Reads the file off the GUI thread, asks about unsaved changes once it
    // proved to be a plan and shows it; openFinished() tells how it ended. An
    // open still pending is dropped, a restored plan being read waited for.
    void openFile(const QString &path);
    bool save();
    bool saveAs();
    // Both say how many groups went; an import also lists the rows it refused.
    bool exportGroups();
    // Reads the file's groups; when the plan holds groups, asks whether they
    // are added after them (fresh channel-group numbers) or replace them (one
    // undo step, numbered from 1).
    bool importGroups();
    // Asks "Save changes to …?" when there are unsaved changes; false means
    // that the plan must stay (cancelled, or the save failed).
    bool maybeSave();

    // At start-up: offers the plan an earlier session left behind when it did
    // not end normally; true when the user chose to restore it. The copy is
    // read off the GUI thread and shown when it arrives (openFinished()).
    bool offerRecovery();
    // A normal end: nothing is left to recover.
    void endSession();

signals:
    void titleChanged(const QString &planName, bool modified);
    void recentPlansChanged();
    // An open or a restore ended: the plan is shown, or it was refused or cancelled.
    void openFinished(bool opened);

private:
    static QString planFilter();
    static QString csvFilter();
    void markModified();
    // A calculator input changed: one undo step, unless only the page in
    // front did.
    void onCalculatorInputs();
    void setState(const PlanDocument &plan, const QString &path, bool modified);
    // Holds what the pages show now as the state nothing can be undone past.
    void startHistory(bool modified);
    void announceTitle();
    bool writeTo(const QString &path);
    void onPlanRead(const PlanReader::Reading &reading);
    // False when the reading holds no plan to show (after saying why) or the
    // user kept the plan shown.
    bool acceptOpened(const PlanReader::Reading &reading);
    bool acceptRestored(const PlanReader::Reading &reading);
    // The one place a plan read from a file becomes the window's.
    void adoptPlan(const PlanDocument &plan, const QString &path, bool restored);
    bool readFile(const QString &path, QByteArray &bytes);
    // Why a plan was not read (FileRefusal), naming a file that cannot be read a plan.
    static QString fileRefusal(const PlanReader::Reading &reading);
    void writeRecovery();
    // Lets a copy being written finish and stops any to come.
    void waitForRecoveryWriter();
    // Nothing is left to recover: the plan was saved or replaced.
    void dropRecoveryCopy();
    QString startFolder() const;
    void showHint(const QString &text, const QSize &size = QSize(400, 256));
    void centreOnWindow(QWidget *dialog) const;
    // The refused rows of an imported file, the first few with their reasons.
    static QString refusedRowsText(const QVector<GroupCsv::Refusal> &refused);

    Pages m_pages;
    QWidget *m_window = nullptr;
    // The plan last opened or saved: the fields this version does not know
    // come from it.
    PlanDocument m_document;
    // What the pages showed when the session began, the plan New gives.
    PlanDocument m_blank;
    QString m_filePath;
    // The name the report was last given.
    QString m_reportTitle;
    QString m_programVersion;
    QUndoStack m_undoStack;
    // The calculator's inputs as the last step left them.
    PlanCalculatorInputs m_calculatorInputs;
    bool m_applying = false;
    QTimer m_recoveryTimer;
    QThread *m_recoveryWriter = nullptr;
    bool m_recoveryPending = false;
    RecoveryWriteHint m_recoveryHint;
    PlanReader *m_reader = nullptr;
    // The pending read is the recovery copy; opens asked for meanwhile wait for it.
    bool m_restoring = false;
    // The file the recovered plan came from.
    QString m_restoredPath;
    QString m_openAfterRestore;
    RecentPlans m_recent;
};
