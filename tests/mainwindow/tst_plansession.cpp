// A plan as a document in the main window, around its files: unsaved changes
// are asked about, a crash leaves a copy the next start offers back, the file
// commands answer their shortcuts with the menu closed, and the last plans are
// listed again. What the files bring in and out is in tst_plansession_files.
#include "aptui/AboutDialog.h"
#include "aptui/Menu.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceListModel.h"
#include "mainwindow/PlanFiles.h"
#include "mainwindow/PlanMenu.h"
#include "mainwindow/PlanSession.h"
#include "mainwindow/PlanSessionFixture.h"
#include "model/ModelMetaTypes.h"
#include "model/PlanRecovery.h"
#include "support/DialogAnswerer.h"

#include <QAction>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using PlanFiles::makeFile;
using PlanFiles::readAll;

class TestPlanSession : public PlanSessionFixture
{
    Q_OBJECT

private slots:
    void unsavedChangesAreAskedAbout_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("savedBefore");
        QTest::addColumn<bool>("goesOn");
        for (const char *command : {"close", "new", "open"}) {
            const QString c = QLatin1String(command);
            QTest::addRow("%s, Save", command) << c << QStringLiteral("btnConfirm") << true << true;
            QTest::addRow("%s, Discard", command) << c << QStringLiteral("btnDiscard") << true << true;
            QTest::addRow("%s, Cancel", command) << c << QStringLiteral("btnCancel") << true << false;
            QTest::addRow("%s, Save, file question cancelled", command)
                << c << QStringLiteral("btnConfirm") << false << false;
        }
    }

    void unsavedChangesAreAskedAbout()
    {
        QFETCH(QString, command);
        QFETCH(QString, button);
        QFETCH(bool, savedBefore);
        QFETCH(bool, goesOn);
        const QString fileA = path(QStringLiteral("A.tavoplan"));
        const QString fileB = path(QStringLiteral("B.tavoplan"));
        QVERIFY(PlanDocument().save(fileB));
        add(QStringLiteral("Gate"), 4);
        if (savedBefore) {
            m_answer = fileA;
            QVERIFY(session()->save());
        }
        add(QStringLiteral("Hall"), 2);
        m_answer.clear();

        QString question;
        auto answer = DialogAnswerer::answerNext([&](QWidget *dialog) {
            question = labelsOf(dialog);
            QVERIFY(DialogAnswerer::clickButton(dialog, button));
        });
        const bool closing = command == QLatin1String("close");
        const bool wentOn = closing                           ? m_window->close()
                            : command == QLatin1String("new") ? session()->newPlan()
                                                              : opened([&] { session()->openFile(fileB); });
        QVERIFY(answer->answered());
        QCOMPARE(answer->dialogTitle(), QStringLiteral("Save Changes"));
        QVERIFY2(question.contains(QStringLiteral("Save changes to “%1”?")
                                       .arg(savedBefore ? QLatin1String("A") : QLatin1String("Untitled"))),
                 qPrintable(question));
        QCOMPARE(wentOn, goesOn);
        QCOMPARE(rows(), goesOn && !closing ? 0 : 2);
        QCOMPARE(m_window->isVisible(), !(goesOn && closing));
        PlanDocument saved;
        if (savedBefore) {
            QVERIFY(saved.load(fileA) == PlanDocument::None);
            QCOMPARE(saved.groups().size(), button == QLatin1String("btnConfirm") ? 2 : 1);
        }
    }

    void restoreAfterAbnormalEnd_data()
    {
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("restored");
        QTest::newRow("ended abnormally, Restore") << QStringLiteral("dead") << QStringLiteral("btnConfirm") << true;
        QTest::newRow("ended abnormally, Discard") << QStringLiteral("dead") << QStringLiteral("btnCancel") << false;
        QTest::newRow("its number now another program's")
            << QStringLiteral("reused") << QStringLiteral("btnConfirm") << true;
        QTest::newRow("still running") << QStringLiteral("running") << QString() << false;
        QTest::newRow("ended normally") << QString() << QString() << false;
    }

    void restoreAfterAbnormalEnd()
    {
        QFETCH(QString, previous);
        QFETCH(QString, button);
        QFETCH(bool, restored);
        // A second after a change the plan is copied, with a marker of this session.
        m_answer = path(QStringLiteral("Site.tavoplan"));
        add(QStringLiteral("Gate"), 4);
        QVERIFY(session()->save());
        add(QStringLiteral("Hall"), 8);
        const QVector<StructDeviceItem> worked = groups();
        QTRY_VERIFY(QFileInfo(PlanRecovery::copyPath()).isFile());
        const QByteArray copy = readAll(PlanRecovery::copyPath());
        QJsonObject marker = QJsonDocument::fromJson(readAll(PlanRecovery::markerPath())).object();
        QCOMPARE(marker.value(QStringLiteral("pid")).toInteger(), QCoreApplication::applicationPid());
        // A normal end leaves nothing.
        newWindow();
        QVERIFY(!QFileInfo::exists(PlanRecovery::copyPath()) && !QFileInfo::exists(PlanRecovery::markerPath()));

        // What the session would have left had it ended in the row's way.
        QVERIFY(makeFile(PlanRecovery::copyPath(), copy));
        QProcess other;
        if (!previous.isEmpty()) {
            const QString sleep = QStandardPaths::findExecutable(QStringLiteral("sleep"));
            other.start(sleep, {previous == QLatin1String("dead") ? QStringLiteral("0") : QStringLiteral("60")});
            QVERIFY(other.waitForStarted());
            marker.insert(QStringLiteral("pid"), other.processId());
            if (previous == QLatin1String("dead"))
                QVERIFY(other.waitForFinished());
            if (previous == QLatin1String("running"))
                marker.insert(QStringLiteral("program"), QFileInfo(sleep).canonicalFilePath());
            QVERIFY(makeFile(PlanRecovery::markerPath(), QJsonDocument(marker).toJson()));
        }
        auto answer = DialogAnswerer::answerNext(DialogAnswerer::clicking(button), button.isEmpty() ? 300 : 10000);
        QSignalSpy finished(session(), &PlanSession::openFinished);
        QCOMPARE(session()->offerRecovery(), restored);
        answer->stop();
        QVERIFY(!restored || finished.wait());
        QCOMPARE(answer->answered(), !button.isEmpty());
        QCOMPARE(answer->dialogTitle(), button.isEmpty() ? QString() : QStringLiteral("Restore Plan"));
        QCOMPARE(groups(), restored ? worked : QVector<StructDeviceItem>());
        QCOMPARE(session()->isModified(), restored);
        QCOMPARE(session()->filePath(), restored ? path(QStringLiteral("Site.tavoplan")) : QString());
        // Discarded, the copy is gone; another session's stays.
        QCOMPARE(QFileInfo::exists(PlanRecovery::copyPath()), button != QLatin1String("btnCancel"));
        other.kill();
        other.waitForFinished();
    }

    void shortcutsWorkWhileTheMenuIsClosed_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("asked");
        QTest::newRow("New") << "m_actionNew" << QKeySequence(Qt::CTRL | Qt::Key_N) << "Save Changes";
        QTest::newRow("Open") << "m_actionOpen" << QKeySequence(Qt::CTRL | Qt::Key_O) << "Open Plan";
        QTest::newRow("Save") << "m_actionSave" << QKeySequence(Qt::CTRL | Qt::Key_S) << "Save Plan As";
        QTest::newRow("Save As") << "m_actionSaveAs" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)
                                 << "Save Plan As";
    }

    void shortcutsWorkWhileTheMenuIsClosed()
    {
        QFETCH(QString, action);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, asked);
        // In the File section, above the about panel.
        const QList<QAction *> entries = m_window->aboutMenu()->actions();
        const QAction *command = m_window->findChild<QAction *>(action);
        QVERIFY(command && entries.indexOf(command) < entries.indexOf(m_window->aboutPanel()));
        add(QStringLiteral("Gate"), 4);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        auto answer = DialogAnswerer::answerNext(DialogAnswerer::clicking(QStringLiteral("btnCancel")), 2000);
        QTest::keySequence(m_window, keys);
        answer->stop();
        if (answer->answered())
            m_asked.append(answer->dialogTitle());
        QCOMPARE(m_asked, QStringList{asked});
    }

    void recentPlansListTheLastFive()
    {
        for (int i = 1; i <= 6; ++i) {
            add(QStringLiteral("Gate"), i);
            m_answer = path(QStringLiteral("plan%1.tavoplan").arg(i));
            QVERIFY(session()->saveAs());
        }
        QVERIFY(QFile::remove(path(QStringLiteral("plan5.tavoplan"))));
        // A later session finds the list in the user's config folder.
        newWindow();
        aptui::Menu *recent = m_window->planMenu()->recentMenu();
        emit recent->aboutToShow();
        QStringList listed;
        QStringList expected;
        for (const QAction *entry : recent->actions())
            listed.append(entry->toolTip() + (entry->isEnabled() ? QString() : QStringLiteral(" (gone)")));
        for (int i = 6; i >= 2; --i)
            expected.append(QDir::toNativeSeparators(path(QStringLiteral("plan%1.tavoplan").arg(i))) +
                            (i == 5 ? QStringLiteral(" (gone)") : QString()));
        QCOMPARE(listed, expected);
        recent->actions().at(3)->trigger();
        QTRY_COMPARE(session()->filePath(), path(QStringLiteral("plan3.tavoplan")));
        QCOMPARE(rows(), 3);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    registerModelMetaTypes();
    TestPlanSession test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_plansession.moc"
