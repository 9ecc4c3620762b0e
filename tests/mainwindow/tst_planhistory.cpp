// Undo and redo of every change to a plan, and editing and duplicating groups,
// as a planner does them in the window: by keyboard, mouse and menu.
#include "aptui/FileChooser.h"
#include "calc/DataCalculatorPage.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceCardDelegate.h"
#include "device/DeviceEditor.h"
#include "device/DeviceListModel.h"
#include "device/tst_editor_fixture.h"
#include "mainwindow/PlanMenu.h"
#include "mainwindow/PlanSession.h"
#include "mainwindow/VantorMainPage.h"
#include "model/GroupCsv.h"
#include "model/ModelMetaTypes.h"
#include "model/PlanDocument.h"
#include "support/DialogAnswerer.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QUndoStack>

#include <memory>

namespace {

// What a change of the plan can touch.
struct PlanState
{
    QVector<StructDeviceItem> groups;
    Result result;
    bool pal = false;
    PlanCalculatorInputs inputs;

    friend bool operator==(const PlanState &a, const PlanState &b)
    {
        return a.groups == b.groups && a.result == b.result && a.pal == b.pal && a.inputs == b.inputs;
    }
};

} // namespace

class TestPlanHistory : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<EditorDataDir> m_data;
    std::unique_ptr<QTemporaryDir> m_files;
    std::unique_ptr<VantorMainPage> m_window;
    QTranslator m_english;
    QString m_answer;

    DeviceAddPage *page() const { return m_window->findChild<DeviceAddPage *>(); }
    QAbstractItemView *list() const { return page()->listView(); }
    template <typename T = QAbstractButton>
    T *part(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }
    PlanState state() const
    {
        PlanState now;
        now.groups = page()->groups();
        m_window->getDataCalculatorPage()->fillResult(now.result);
        now.pal = m_window->getDeviceEditor()->isPalStandard();
        now.inputs = m_window->getDataCalculatorPage()->inputs();
        now.inputs.mode = 0; // which page is in front is no content
        return now;
    }
    bool modified() const { return m_window->planSession()->isModified(); }
    void add(const QString &name, int channels)
    {
        part<QLineEdit>("m_lineEditChannelName")->setText(name);
        part<QLineEdit>("m_lineEditChannelCounts")->setText(QString::number(channels));
        part("m_btnAddDevice")->click();
    }
    // The keyboard on the list, its current card at row.
    void keysOnRow(int row, const QKeySequence &keys)
    {
        list()->setFocus(Qt::TabFocusReason);
        list()->setCurrentIndex(page()->model()->index(row));
        QTest::keySequence(list(), keys);
        QCoreApplication::processEvents();
    }
    void keysOnWindow(const QKeySequence &keys)
    {
        // A question that was open handed the activation back, as a window system does.
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keySequence(m_window.get(), keys);
        QCoreApplication::processEvents();
    }
    int numberAt(int row) const { return page()->model()->groupAt(row).iChannelGroupNumber; }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        // The names of the steps as a planner reads them.
        QVERIFY(m_english.load(QStringLiteral("vantor_en"), QStringLiteral(TAVO_RUNTIME_DIR "/translations")));
        QCoreApplication::installTranslator(&m_english);
        const auto chooser = [this](QWidget *, const QString &, const QString &, const QString &) { return m_answer; };
        aptui::FileChooser::setSaveFunction(chooser);
        aptui::FileChooser::setOpenFunction(chooser);
    }

    void init()
    {
        m_data = std::make_unique<EditorDataDir>();
        QVERIFY(m_data->isReady());
        m_files = std::make_unique<QTemporaryDir>();
        m_window = std::make_unique<VantorMainPage>();
        m_window->connectSignals();
        m_window->setGeometry(100, 80, 1200, 760);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        add(QStringLiteral("Gate"), 4);
        add(QStringLiteral("Hall"), 9);
        add(QStringLiteral("Yard"), 2);
        // Saved: the plan is clean from here.
        m_answer = m_files->filePath(QStringLiteral("site.tavoplan"));
        QVERIFY(m_window->planSession()->save());
        QVERIFY(!modified());
    }

    void cleanup()
    {
        m_window.reset();
        m_files.reset();
        m_data.reset();
    }

    void everyChangeUndoesAndRedoes_data()
    {
        QTest::addColumn<QString>("change");
        // The history's name for it, as the menu shows it after "Undo".
        QTest::addColumn<QString>("undoText");

        QTest::newRow("add") << "add"
                             << "Undo Add group";
        QTest::newRow("edit") << "edit"
                              << "Undo Edit group";
        QTest::newRow("duplicate") << "duplicate"
                                   << "Undo Duplicate group";
        QTest::newRow("delete") << "delete"
                                << "Undo Delete group";
        QTest::newRow("delete by the card's button") << "click delete"
                                                     << "Undo Delete group";
        QTest::newRow("clear") << "clear"
                               << "Undo Clear all groups";
        QTest::newRow("PAL") << "pal"
                             << "Undo Switch to PAL";
        QTest::newRow("CSV import") << "import"
                                    << "Undo Import 2 groups";
        QTest::newRow("retention") << "retention"
                                   << "Undo Change calculator input";
        QTest::newRow("drives of the array") << "drives"
                                             << "Undo Change calculator input";
    }

    void everyChangeUndoesAndRedoes()
    {
        QFETCH(QString, change);
        QFETCH(QString, undoText);
        const PlanState before = state();

        if (change == QLatin1String("add")) {
            add(QStringLiteral("Dock"), 3);
        } else if (change == QLatin1String("edit")) {
            keysOnRow(1, QKeySequence(Qt::Key_F2));
            part<QLineEdit>("m_lineEditChannelCounts")->setText(QStringLiteral("11"));
            part("m_btnAddDevice")->click();
        } else if (change == QLatin1String("duplicate")) {
            keysOnRow(0, QKeySequence(Qt::CTRL | Qt::Key_D));
        } else if (change == QLatin1String("delete")) {
            keysOnRow(1, QKeySequence(Qt::Key_Delete));
        } else if (change == QLatin1String("click delete")) {
            QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                              qobject_cast<DeviceCardDelegate *>(list()->itemDelegate())
                                  ->deleteButtonRect(page()->model()->index(2))
                                  .center());
            QCoreApplication::processEvents();
        } else if (change == QLatin1String("clear")) {
            auto answer = DialogAnswerer::answerNext(DialogAnswerer::clicking(QStringLiteral("btnConfirm")));
            part("m_btnClear")->click();
            QVERIFY(answer->answered());
        } else if (change == QLatin1String("pal")) {
            part("m_btnON")->click();
        } else if (change == QLatin1String("import")) {
            m_answer = m_files->filePath(QStringLiteral("groups.csv"));
            QFile csv(m_answer);
            QVERIFY(csv.open(QIODevice::WriteOnly));
            csv.write(GroupCsv::write(page()->groups().mid(0, 2)));
            csv.close();
            // Added to the plan's groups; the hint that follows is closed.
            QSharedPointer<DialogAnswerer> hint;
            auto answer = DialogAnswerer::answerNext([&hint](QWidget *dialog) {
                hint = DialogAnswerer::answerNext(DialogAnswerer::closing());
                DialogAnswerer::clickButton(dialog, QStringLiteral("btnConfirm"));
            });
            QVERIFY(m_window->planSession()->importGroups());
            QVERIFY(answer->answered() && hint && hint->answered());
        } else if (change == QLatin1String("retention")) {
            part<QLineEdit>("m_lineEditSaveTime")->setText(QStringLiteral("45"));
        } else if (change == QLatin1String("drives")) {
            part<QLineEdit>("m_lineEditDriveCount")->setText(QStringLiteral("9"));
        }
        const PlanState after = state();
        QVERIFY(!(after == before));
        QVERIFY(modified());
        QAction *undo = m_window->planMenu()->undoAction();
        QCOMPARE(undo->text(), undoText);

        keysOnWindow(QKeySequence(Qt::CTRL | Qt::Key_Z));
        QVERIFY(state() == before);
        // Back at the saved plan.
        QVERIFY(!modified());
        QVERIFY(!m_window->windowTitle().contains(QLatin1Char('*')));

        keysOnWindow(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        QVERIFY(state() == after);
        QVERIFY(modified());
        keysOnWindow(QKeySequence(Qt::CTRL | Qt::Key_Z));
        keysOnWindow(QKeySequence(Qt::CTRL | Qt::Key_Y));
        QVERIFY(state() == after);
    }

    void undoneGroupsKeepTheirNumbers_data()
    {
        QTest::addColumn<QString>("change");
        // The channel-group numbers down the list after the change, after undoing
        // it, and of the group the next add makes.
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QList<int>>("undone");
        QTest::addColumn<int>("nextAdd");

        QTest::newRow("undone add frees its number") << "add" << QList<int>{1, 2, 3, 4} << QList<int>{1, 2, 3} << 4;
        QTest::newRow("undone delete takes its number back")
            << "delete" << QList<int>{1, 3} << QList<int>{1, 2, 3} << 4;
        QTest::newRow("duplicate goes right below with the next number")
            << "duplicate" << QList<int>{1, 4, 2, 3} << QList<int>{1, 2, 3} << 4;
        QTest::newRow("edit keeps number and place") << "edit" << QList<int>{1, 2, 3} << QList<int>{1, 2, 3} << 4;
        // Numbered 0, 2, 2 in the file: 0 would stand for the whole list.
        QTest::newRow("a plan's missing and repeated numbers mended, its first deleted")
            << "mended" << QList<int>{2, 3} << QList<int>{1, 2, 3} << 4;
    }

    void undoneGroupsKeepTheirNumbers()
    {
        QFETCH(QString, change);
        QFETCH(QList<int>, numbers);
        QFETCH(QList<int>, undone);
        QFETCH(int, nextAdd);
        const auto numbersNow = [this] {
            QList<int> now;
            for (int row = 0; row < page()->model()->rowCount(); ++row)
                now.append(numberAt(row));
            return now;
        };

        if (change == QLatin1String("add")) {
            add(QStringLiteral("Dock"), 3);
        } else if (change == QLatin1String("delete")) {
            keysOnRow(1, QKeySequence(Qt::Key_Delete));
        } else if (change == QLatin1String("duplicate")) {
            keysOnRow(0, QKeySequence(Qt::CTRL | Qt::Key_D));
            // The copy is the first group in all but its number, and the current card.
            StructDeviceItem copy = page()->model()->groupAt(1);
            QCOMPARE(copy.strChannelName, QStringLiteral("Gate(4)"));
            copy.strChannelName = page()->model()->groupAt(0).strChannelName;
            copy.iChannelGroupNumber = numberAt(0);
            QCOMPARE(copy, page()->model()->groupAt(0));
            QCOMPARE(list()->currentIndex().row(), 1);
        } else if (change == QLatin1String("mended")) {
            QVector<StructDeviceItem> saved = page()->groups();
            saved[0].iChannelGroupNumber = 0;
            saved[2].iChannelGroupNumber = 2;
            PlanDocument plan;
            plan.setGroups(saved);
            const QString file = m_files->filePath(QStringLiteral("mended.tavoplan"));
            QVERIFY(plan.save(file));
            QString hint;
            auto answer = DialogAnswerer::answerNext([&hint](QWidget *dialog) {
                for (const QLabel *label : dialog->findChildren<QLabel *>())
                    hint += label->text();
                DialogAnswerer::close(dialog);
            });
            QSignalSpy finished(m_window->planSession(), &PlanSession::openFinished);
            m_window->planSession()->openFile(file);
            QVERIFY(finished.wait());
            QVERIFY(answer->waitUntilAnswered());
            QVERIFY2(hint.contains(QLatin1String("numbered anew")), qPrintable(hint));
            QCOMPARE(page()->model()->groupAt(2).strChannelName, QStringLiteral("Yard(3)"));
            // The hint handed the activation back, as a window system does.
            m_window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
            keysOnRow(0, QKeySequence(Qt::Key_Delete));
            QVERIFY(list()->isVisible());
        } else if (change == QLatin1String("edit")) {
            // A double click on the card's text edits it too.
            const QRect card = list()->visualRect(page()->model()->index(1));
            QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, card.center());
            QCOMPARE(part("m_btnAddDevice")->text(), QStringLiteral("Save changes"));
            part<QLineEdit>("m_lineEditChannelCounts")->setText(QStringLiteral("11"));
            QTest::keyClick(part<QLineEdit>("m_lineEditChannelCounts"), Qt::Key_Return);
            QCOMPARE(page()->model()->groupAt(1).iChannelCount, 11);
            QCOMPARE(page()->model()->groupAt(1).strChannelName, QStringLiteral("Hall(2)"));
            QCOMPARE(part("m_btnAddDevice")->text(), QStringLiteral("+ Add"));
        }
        QCOMPARE(numbersNow(), numbers);
        keysOnWindow(QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(numbersNow(), undone);
        add(QStringLiteral("Next"), 1);
        QCOMPARE(numberAt(page()->model()->rowCount() - 1), nextAdd);
    }

    void editOfAGroupThatGoesAwayEnds()
    {
        keysOnRow(2, QKeySequence(Qt::Key_F2));
        QVERIFY(m_window->getDeviceEditor()->editedGroupId() != 0);
        keysOnRow(2, QKeySequence(Qt::Key_Delete));
        QCOMPARE(m_window->getDeviceEditor()->editedGroupId(), 0LL);
        QCOMPARE(part("m_btnAddDevice")->text(), QStringLiteral("+ Add"));
    }

    void showingAnotherPageIsNoChange()
    {
        const int steps = m_window->planSession()->undoStack()->count();
        part("calDiskBtn")->click();
        part("calTimeBtn")->click();
        QVERIFY(!modified());
        QCOMPARE(m_window->planSession()->undoStack()->count(), steps);
    }

    void undoOfClearBringsThousandsBackInOneStep()
    {
        QVector<StructDeviceItem> many(5000, page()->model()->groupAt(0));
        page()->addGroups(many);
        const PlanState before = state();
        auto answer = DialogAnswerer::answerNext(DialogAnswerer::clicking(QStringLiteral("btnConfirm")));
        part("m_btnClear")->click();
        QVERIFY(answer->answered());
        QCOMPARE(page()->model()->rowCount(), 0);
        m_window->planMenu()->undoAction()->trigger();
        QCOMPARE(page()->model()->rowCount(), 5003);
        QVERIFY(state() == before);
    }
};

QTEST_MAIN(TestPlanHistory)
#include "tst_planhistory.moc"
