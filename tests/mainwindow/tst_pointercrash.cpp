// Two ways the window once died in ordinary use, replayed with real input
// events on the real window: a click on the text of a card followed by
// Export, the system menu or Clear; and the pointer resting on a card while a
// shortcut opens a file question. Each row passes when the window survives and
// the dialog or menu that opened was shown and closed again.
//
// The pointer moves as on a desktop: the cursor itself goes to the point
// (QCursor::setPos), so that Qt sends enter, leave and hover events by its own
// reckoning, also when a widget appears or vanishes under the resting pointer
// or a modal window blocks the one under it. Presses and releases go through
// the window system layer (QTEST_QPA_MOUSE_HANDLING): Qt finds the widget
// under the pointer itself.
#define QTEST_QPA_MOUSE_HANDLING

#include "aptui/FileChooser.h"
#include "aptui/Menu.h"
#include "aptui/WindowTitle.h"
#include "calc/CapacityCalculation.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceEditor.h"
#include "device/DeviceListModel.h"
#include "device/tst_editor_fixture.h"
#include "mainwindow/ModalFileQuestion.h"
#include "mainwindow/PlanSession.h"
#include "mainwindow/VantorMainPage.h"
#include "model/ModelMetaTypes.h"
#include "model/PlanDocument.h"
#include "support/DesktopOpenRecorder.h"
#include "support/DialogAnswerer.h"
#include "support/SkinStyle.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCursor>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestPointerCrash : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<EditorDataDir> m_data;
    std::unique_ptr<QTemporaryDir> m_files;
    std::unique_ptr<DesktopOpenRecorder> m_desktop;
    VantorMainPage *m_window = nullptr;
    // The captions of the file questions asked.
    QStringList m_asked;

    DeviceAddPage *page() const { return m_window->findChild<DeviceAddPage *>(); }
    QAbstractItemView *list() const { return page()->listView(); }
    int rows() const { return page()->model()->rowCount(); }
    QAbstractButton *button(QWidget *root, const char *name) const
    {
        return root->findChild<QAbstractButton *>(QLatin1String(name));
    }

    // A point on the text of the row's card, well left of its delete button.
    QPoint cardTextPoint(int row) const
    {
        const QRect rect = list()->visualRect(page()->model()->index(row, 0));
        return QPoint(rect.left() + rect.width() / 4, rect.top() + rect.height() / 3);
    }

    bool openPlanOfGroups(int count)
    {
        QVector<StructDeviceItem> groups(count);
        for (int i = 0; i < count; ++i) {
            groups[i].strChannelName = QStringLiteral("Group %1(%2)").arg(QChar(u'A' + i)).arg(i + 1);
            groups[i].strDeviceType = QStringLiteral("IPC");
            groups[i].iChannelGroupNumber = i + 1;
            groups[i].iChannelCount = i + 2;
            groups[i].dBitrate = 2048;
            groups[i].iViewMode = 3;
        }
        PlanDocument plan;
        plan.setGroups(groups);
        const QString file = m_files->filePath(QStringLiteral("four.tavoplan"));
        if (!plan.save(file))
            return false;
        QSignalSpy finished(m_window->planSession(), &PlanSession::openFinished);
        m_window->planSession()->openFile(file);
        return finished.wait() && finished.first().first().toBool();
    }

    // The pointer goes to the point, as a hand moves it.
    static void movePointer(QWidget *widget, const QPoint &point)
    {
        QCursor::setPos(widget->mapToGlobal(point));
        QCoreApplication::processEvents();
    }

    // The pointer goes to the point and clicks there.
    static void clickAt(QWidget *widget, const QPoint &point)
    {
        movePointer(widget, point);
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, point);
    }

    // The window is still whole: shown, uncovered, its list and groups agreeing.
    void verifySurvived(int expectedRows)
    {
        for (int pass = 0; pass < 3; ++pass)
            QCoreApplication::processEvents();
        QVERIFY(m_window->isVisible());
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(!QApplication::activePopupWidget());
        QVERIFY(!m_window->isCovered());
        QCOMPARE(rows(), expectedRows);
        QCOMPARE(page()->getDeviceData().size(), expectedRows);
        // The pointer crosses the rows once more and leaves the list.
        for (int row = 0; row < rows(); ++row)
            movePointer(list()->viewport(), cardTextPoint(row));
        movePointer(m_window->getDeviceEditor(), QPoint(10, 10));
        QVERIFY(m_window->isVisible());
    }

private slots:
    void initTestCase()
    {
        // The table reader traces every header it reads.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        // The window as the program shows it, with its style sheets.
        QVERIFY(SkinStyle::apply());
        // Every file question is the modal stand-in, proposing a file in the temporary folder.
        const auto ask = [this](const char *suffix) {
            return [this, suffix](QWidget *parent, const QString &caption, const QString &, const QString &) {
                m_asked.append(caption);
                return ModalFileQuestion::ask(parent, caption, QStringLiteral("answer") + QLatin1String(suffix),
                                              m_files->path());
            };
        };
        aptui::FileChooser::setSaveFunction(ask(".pdf"));
        aptui::FileChooser::setOpenFunction(ask(".tavoplan"));
        // The report's hint offers to open the file: nothing is launched.
        m_desktop = std::make_unique<DesktopOpenRecorder>(QStringList{QStringLiteral("file")});
    }

    void cleanupTestCase()
    {
        aptui::FileChooser::setSaveFunction(nullptr);
        aptui::FileChooser::setOpenFunction(nullptr);
        m_desktop.reset();
    }

    void init()
    {
        m_data = std::make_unique<EditorDataDir>();
        QVERIFY(m_data->isReady());
        m_files = std::make_unique<QTemporaryDir>();
        QVERIFY(m_files->isValid());
        m_asked.clear();
        // The pointer rests beside the window.
        QCursor::setPos(5, 5);
        // As the program's main builds it.
        m_window = new VantorMainPage;
        m_window->connectSignals();
        m_window->setGeometry(40, 40, 1024, 768);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    void cleanup()
    {
        delete m_window;
        m_window = nullptr;
        m_files.reset();
        m_data.reset();
    }

    void clickCardTextThen_data()
    {
        QTest::addColumn<QString>("then");
        QTest::newRow("click card text then Export") << QStringLiteral("export");
        QTest::newRow("click card text then system menu") << QStringLiteral("menu");
        QTest::newRow("click card text then Clear") << QStringLiteral("clear");
    }

    void clickCardTextThen()
    {
        QFETCH(QString, then);
        QVERIFY(openPlanOfGroups(4));
        QCOMPARE(rows(), 4);
        QWidget *viewport = list()->viewport();
        // Once the window has laid the list out.
        QTRY_VERIFY(viewport->rect().contains(cardTextPoint(1)));
        const QPoint text = cardTextPoint(1);
        // Text, not the delete button.
        QVERIFY(!qobject_cast<QAbstractButton *>(viewport->childAt(text)));
        clickAt(viewport, text);
        QCOMPARE(rows(), 4);

        CapacityCalculation *panel = m_window->getCapacityCalculation();
        if (then == QLatin1String("export")) {
            QAbstractButton *exportButton = button(panel, "exportBtn");
            QVERIFY(exportButton && exportButton->isVisible());
            // The file question is accepted; the hint that the report was saved is closed.
            auto question = DialogAnswerer::answerNext(DialogAnswerer::clicking(QStringLiteral("fileQuestionAccept")));
            clickAt(exportButton, exportButton->rect().center());
            QVERIFY(question->waitUntilAnswered());
            QCOMPARE(question->dialogObjectName(), QStringLiteral("modalFileQuestion"));
            QCOMPARE(m_asked.size(), 1);
            auto hint = DialogAnswerer::answerNext(DialogAnswerer::closing(), 60000);
            QVERIFY(hint->waitUntilAnswered(60000));
            QCOMPARE(hint->dialogObjectName(), QStringLiteral("Hint"));
            QTRY_VERIFY(!page()->isExporting());
            QVERIFY(QFileInfo(m_files->filePath(QStringLiteral("answer.pdf"))).size() > 0);
        } else if (then == QLatin1String("menu")) {
            QAbstractButton *menuButton = button(m_window->titleBar(), "m_btnSystemMenu");
            QVERIFY(menuButton && menuButton->isVisible());
            clickAt(menuButton, menuButton->rect().center());
            aptui::Menu *menu = m_window->aboutMenu();
            QTRY_VERIFY(menu->isVisible());
            QCOMPARE(QApplication::activePopupWidget(), menu);
            QTest::keyClick(menu->windowHandle(), Qt::Key_Escape);
            QTRY_VERIFY(!menu->isVisible());
        } else {
            QAbstractButton *clearButton = button(panel, "m_btnClear");
            QVERIFY(clearButton && clearButton->isVisible());
            auto question = DialogAnswerer::answerNext(DialogAnswerer::clicking(QStringLiteral("btnCancel")));
            clickAt(clearButton, clearButton->rect().center());
            QVERIFY(question->waitUntilAnswered());
            QCOMPARE(question->dialogTitle(), QStringLiteral("Clear"));
        }
        verifySurvived(4);
    }

    void hoverCardThenShortcut_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("asked");
        QTest::newRow("hover card then Ctrl+O") << QKeySequence(Qt::CTRL | Qt::Key_O) << QStringLiteral("Open Plan");
        QTest::newRow("hover card then Ctrl+S untitled")
            << QKeySequence(Qt::CTRL | Qt::Key_S) << QStringLiteral("Save Plan As");
    }

    void hoverCardThenShortcut()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, asked);
        // Added as the keyboard adds them, the pointer still beside the window.
        QAbstractButton *add = button(m_window->getDeviceEditor(), "m_btnAddDevice");
        QVERIFY(add);
        for (int i = 0; i < 3; ++i)
            add->click();
        QCOMPARE(rows(), 3);
        QVERIFY(m_window->planSession()->filePath().isEmpty());

        // The pointer rests on the second card.
        QTRY_VERIFY(list()->viewport()->rect().contains(cardTextPoint(1)));
        movePointer(list()->viewport(), cardTextPoint(1));
        auto question = DialogAnswerer::answerNext(DialogAnswerer::clicking(QStringLiteral("fileQuestionCancel")));
        QTest::keySequence(m_window->windowHandle(), keys);
        QVERIFY(question->waitUntilAnswered());
        QCOMPARE(question->dialogObjectName(), QStringLiteral("modalFileQuestion"));
        QCOMPARE(m_asked, QStringList{asked});
        verifySurvived(3);
        QVERIFY(m_window->planSession()->filePath().isEmpty());
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    registerModelMetaTypes();
    TestPointerCrash test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pointercrash.moc"
