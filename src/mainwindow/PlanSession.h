#pragma once

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
    // Asks for the file.
    bool open();
    // Asks about unsaved changes once the file proved to be a plan.
    bool openFile(const QString &path);
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
    // not end normally; true when it was restored.
    bool offerRecovery();
    // A normal end: nothing is left to recover.
    void endSession();

signals:
    void titleChanged(const QString &planName, bool modified);
    void recentPlansChanged();

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
    // The file's plan, or false after saying why not.
    bool readPlan(const QString &path, PlanDocument &plan);
    bool readFile(const QString &path, QByteArray &bytes);
    // True after saying that the file is too large to read.
    bool refuseTooLarge(const QString &path);
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
    RecentPlans m_recent;
};
