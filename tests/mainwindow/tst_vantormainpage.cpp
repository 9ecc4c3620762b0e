#include "aptui/AboutDialog.h"
#include "aptui/CoverWidget.h"
#include "aptui/ElidedLabel.h"
#include "aptui/FileChooser.h"
#include "aptui/Menu.h"
#include "aptui/WindowTitle.h"
#include "mainwindow/RecoveryWriteHint.h"
#include "mainwindow/VantorMainPage.h"
#include "support/DesktopOpenRecorder.h"
#include "support/DialogAnswerer.h"
#include "support/ScopedCurrentDirectory.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>

class TestVantorMainPage : public QObject
{
    Q_OBJECT

private:
    static QString labelTextIn(QWidget *dialog, const QString &part)
    {
        for (const QLabel *label : dialog->findChildren<QLabel *>()) {
            if (label->text().contains(part))
                return label->text();
        }
        return QString();
    }

    static void showWindow(VantorMainPage &window)
    {
        window.connectSignals();
        window.setGeometry(100, 80, 1000, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

private slots:
    void shellIsBuiltAsTheWindowOfTheTool()
    {
        VantorMainPage window;
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        // The plan's name before the program's.
        QCOMPARE(window.windowTitle(), QStringLiteral("Untitled — TAVO storage calculator"));
        QCOMPARE(window.objectName(), QStringLiteral("VantorMainPage"));
        QCOMPARE(window.titleBar()->findChild<QLabel *>(QStringLiteral("m_labelTitle"))->text(),
                 QStringLiteral("Untitled — TAVO storage calculator"));
        QCOMPARE(window.aboutMenu()->objectName(), QStringLiteral("aboutMenu"));
        QVERIFY(window.aboutMenu()->windowFlags().testFlag(Qt::Popup));
        QVERIFY(window.aboutMenu()->testAttribute(Qt::WA_TranslucentBackground));
#ifndef Q_OS_WIN
        QVERIFY(window.aboutMenu()->windowFlags().testFlag(Qt::NoDropShadowWindowHint));
#endif
        QVERIFY(window.aboutMenu()->actions().contains(window.aboutPanel()));
        QVERIFY(!window.cover()->isVisibleTo(&window));
        QVERIFY(!window.isCovered());
        QVERIFY(window.findChild<QWidget *>(QStringLiteral("scrollArea")));
    }

    void exitQuestion_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("closes");
        QTest::newRow("yes") << QStringLiteral("btnConfirm") << true;
        QTest::newRow("no") << QStringLiteral("btnCancel") << false;
        QTest::newRow("question closed") << QStringLiteral("btnClose") << false;
    }

    void exitQuestion()
    {
        QFETCH(QString, button);
        QFETCH(bool, closes);
        VantorMainPage window;
        showWindow(window);
        bool coveredMeanwhile = false;
        QString text;
        QRect dialogGeometry;
        auto answer = DialogAnswerer::answerNext([&](QWidget *dialog) {
            coveredMeanwhile = window.isCovered() && window.cover()->isVisible();
            text = labelTextIn(dialog, QStringLiteral("Exit"));
            dialogGeometry = dialog->geometry();
            QVERIFY(DialogAnswerer::clickButton(dialog, button));
        });
        QCOMPARE(window.close(), closes);
        QVERIFY(answer->answered());
        QCOMPARE(answer->dialogTitle(), QStringLiteral("Exit"));
        QCOMPARE(text, QStringLiteral("Exit the TAVO storage calculator software?"));
        QCOMPARE(dialogGeometry.size(), QSize(350, 220));
        QCOMPARE(dialogGeometry.topLeft(), QPoint(100 + (1000 - 350) / 2, 80 + (700 - 220) / 2));
        QVERIFY(coveredMeanwhile);
        QCOMPARE(window.isVisible(), !closes);
        QVERIFY(!window.isCovered());
        QVERIFY(!window.cover()->isVisible());
    }

    void titleBarCloseButtonAsks()
    {
        VantorMainPage window;
        showWindow(window);
        auto answer = DialogAnswerer::answerNext(DialogAnswerer::clicking(QStringLiteral("btnCancel")));
        auto *close = window.titleBar()->findChild<QAbstractButton *>(QStringLiteral("m_btnClose"));
        QVERIFY(close);
        QCOMPARE(close->accessibleName(), QStringLiteral("Close"));
        close->click();
        QVERIFY(answer->waitUntilAnswered());
        QVERIFY(window.isVisible());
    }

    void escapeDoesNothing()
    {
        VantorMainPage window;
        showWindow(window);
        auto answer = DialogAnswerer::answerNext(DialogAnswerer::accepting(), 300);
        QTest::keyClick(&window, Qt::Key_Escape);
        QTest::qWait(400);
        QVERIFY(!answer->answered());
        QVERIFY(window.isVisible());
    }

    void coverFollowsTheWindowWhileAQuestionIsOpen()
    {
        VantorMainPage window;
        showWindow(window);
        QRect coverWhileResized;
        auto answer = DialogAnswerer::answerNext([&](QWidget *dialog) {
            window.resize(1200, 760);
            QCoreApplication::processEvents();
            coverWhileResized = window.cover()->geometry();
            DialogAnswerer::reject(dialog);
        });
        QVERIFY(!window.close());
        QVERIFY(answer->answered());
        QCOMPARE(coverWhileResized, QRect(0, 0, 1200, 760));

        window.setCover(true);
        QVERIFY(window.cover()->isVisible());
        QCOMPARE(window.cover()->pos(), QPoint(0, 0));
        window.disableCover();
        QVERIFY(!window.cover()->isVisible());
    }

    void systemMenuOpensUnderItsButton_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        // Empty: a click on the button.
        QTest::newRow("click") << QKeySequence();
        QTest::newRow("F10") << QKeySequence(Qt::Key_F10);
        QTest::newRow("Alt+Space") << QKeySequence(Qt::ALT | Qt::Key_Space);
        QTest::newRow("Menu key") << QKeySequence(Qt::Key_Menu);
    }

    void systemMenuOpensUnderItsButton()
    {
        QFETCH(QKeySequence, keys);
        VantorMainPage window;
        showWindow(window);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Wherever the pointer is.
        QCursor::setPos(QPoint(600, 300));
        QWidget *button = window.titleBar()->findChild<QAbstractButton *>(QStringLiteral("m_btnSystemMenu"));
        if (keys.isEmpty()) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (keys[0].key() == Qt::Key_Menu) {
            // What the Menu key sends to a window that has no menu of its own for it.
            QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(10, 10));
            QApplication::sendEvent(&window, &menuKey);
        } else {
            QTest::keySequence(&window, keys);
        }
        aptui::Menu *menu = window.aboutMenu();
        QTRY_VERIFY(menu->isVisible());
        const QRect under(button->mapToGlobal(QPoint(0, 0)), button->size());
        QCOMPARE(menu->geometry().top(), under.bottom() + 1);
        // Right-aligned with the button, but never past the screen's edge.
        const int screenRight = button->screen()->availableGeometry().right();
        QCOMPARE(menu->geometry().right(), qMin(under.right(), screenRight));
        if (!keys.isEmpty()) {
            // The keyboard starts on the first entry; Down and Enter choose the
            // next one, and Escape closes the menu.
            QVERIFY(menu->activeAction());
            QCOMPARE(menu->activeAction(), menu->actions().constFirst());
            QTest::keyClick(menu, Qt::Key_Escape);
            QTRY_VERIFY(!menu->isVisible());
            QStringList asked;
            aptui::FileChooser::setOpenFunction(
                [&asked](QWidget *, const QString &caption, const QString &, const QString &) {
                    asked.append(caption);
                    return QString();
                });
            QTest::keySequence(&window, keys == QKeySequence(Qt::Key_Menu) ? QKeySequence(Qt::Key_F10) : keys);
            QTRY_VERIFY(menu->isVisible());
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
            QTRY_VERIFY(!menu->isVisible());
            // The second entry opens a plan: its file question was asked.
            QTRY_COMPARE(asked.size(), 1);
            aptui::FileChooser::setOpenFunction(nullptr);
            return;
        }
        // A screen reader finds its entries as menu items, with their shortcuts.
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(menu);
        QVERIFY(face);
        QCOMPARE(face->role(), QAccessible::PopupMenu);
        QVERIFY(!face->text(QAccessible::Name).isEmpty());
        QAccessibleInterface *first = face->child(0);
        QVERIFY(first);
        QCOMPARE(first->role(), QAccessible::MenuItem);
        QCOMPARE(first->text(QAccessible::Name), menu->actions().constFirst()->text());
        QCOMPARE(first->text(QAccessible::Accelerator),
                 QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText));

        QWidget *panel = window.aboutPanel()->defaultWidget();
        QVERIFY(panel);
        QCOMPARE(panel->objectName(), QStringLiteral("AboutDialog_ID_FX_CANNOT_BE_MULTI"));
        QVERIFY(panel->findChild<QWidget *>(QStringLiteral("aboutbtn1"))->isVisible());
        QVERIFY(!panel->findChild<QWidget *>(QStringLiteral("aboutbtn2"))->isVisible());
        QVERIFY(!panel->findChild<QWidget *>(QStringLiteral("m_conerBtn"))->isVisible());

        // The panel's first button opens the licences and closes the menu.
        QTemporaryDir dir;
        QFile licences(dir.filePath(QStringLiteral("Open Source Software Licenses")));
        QVERIFY(licences.open(QIODevice::WriteOnly));
        licences.close();
        ScopedCurrentDirectory current(dir.path());
        DesktopOpenRecorder desktop;
        panel->findChild<QAbstractButton *>(QStringLiteral("aboutbtn1"))->click();
        QTRY_VERIFY(!window.aboutMenu()->isVisible());
        QCOMPARE(desktop.urls().size(), 1);
        QCOMPARE(desktop.urls().first().toLocalFile(), licences.fileName());
    }

    void missingLicencesHintCoversTheWindow()
    {
        VantorMainPage window;
        showWindow(window);
        QTemporaryDir dir;
        ScopedCurrentDirectory current(dir.path());
        bool covered = false;
        QString text;
        auto answer = DialogAnswerer::answerNext([&](QWidget *dialog) {
            covered = window.isCovered();
            text = labelTextIn(dialog, QStringLiteral("Licenses"));
            DialogAnswerer::close(dialog);
        });
        window.aboutPanel()->onShowLicenses();
        QVERIFY(answer->answered());
        QCOMPARE(answer->dialogObjectName(), QStringLiteral("APP_WARNINGDLG"));
        QCOMPARE(text, QStringLiteral("Open Open Source Software Licenses file failed."));
        QVERIFY(covered);
        QVERIFY(!window.isCovered());
    }

    void maximiseTwiceRestoresTheWindow()
    {
        VantorMainPage window;
        showWindow(window);
        const QRect normal = window.geometry();
        auto *maximise = window.titleBar()->findChild<QAbstractButton *>(QStringLiteral("m_btnMaximize"));
        QVERIFY(maximise);
        window.titleBar()->maxOrRestoreWindow();
        QVERIFY(window.isMaximized());
        QCOMPARE(maximise->objectName(), QStringLiteral("m_btnResore"));
        window.titleBar()->maxOrRestoreWindow();
        QVERIFY(!window.isMaximized());
        QCOMPARE(maximise->objectName(), QStringLiteral("m_btnMaximize"));
        QCOMPARE(window.geometry(), normal);
    }

    // A plan's name of any length, markup or not, is shown as written: shortened
    // to the room the buttons leave, whole in the tool tip, and the window's
    // minimum width does not follow it.
    void titleShowsAnyNameAsWritten_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("drawnWhole");
        QTest::addColumn<bool>("tipWhole");
        QTest::newRow("markup") << QStringLiteral("<h1>BIG</h1><font color=red>x") << true << true;
        QTest::newRow("400 characters") << QString(400, QLatin1Char('W')) << false << true;
        QTest::newRow("1 MB") << QString(1 << 20, QLatin1Char('W')) << false << false;
    }

    void titleShowsAnyNameAsWritten()
    {
        QFETCH(QString, name);
        QFETCH(bool, drawnWhole);
        QFETCH(bool, tipWhole);
        VantorMainPage window;
        showWindow(window);
        const int minimumWidth = window.minimumSizeHint().width();
        window.showPlanTitle(name, false);
        QCoreApplication::processEvents();
        const QString title = name + QStringLiteral(" — TAVO storage calculator");

        QCOMPARE(window.minimumSizeHint().width(), minimumWidth);
        const QWidget *close = window.titleBar()->findChild<QWidget *>(QStringLiteral("m_btnClose"));
        QVERIFY(close->mapTo(&window, QPoint(close->width(), 0)).x() <= window.width());

        const auto *label = window.titleBar()->findChild<aptui::ElidedLabel *>(QStringLiteral("m_labelTitle"));
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(label->fontMetrics().horizontalAdvance(label->shownText()) <= label->contentsRect().width());
        // A tool tip that looks like markup is read as markup.
        const QString tip = label->toolTip();
        const QString tipShown = Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toPlainText() : tip;
        // Shortened in the middle: its start and its end are the title's.
        const auto agrees = [&title](const QString &shown, bool whole) {
            return whole ? shown == title
                         : shown.size() < title.size() && title.startsWith(shown.left(8)) &&
                               title.endsWith(shown.right(8));
        };
        QVERIFY(agrees(label->shownText(), drawnWhole));
        QVERIFY(agrees(tipShown, tipWhole));
    }

    // A recovery copy that cannot be written is said in the window once, not
    // at every change, and said again once a copy was written in between.
    void recoveryWriteFailureIsSaidOnce_data()
    {
        QTest::addColumn<QString>("writes"); // one a write: "+" written, "-" failed
        QTest::addColumn<int>("hints");
        QTest::newRow("written") << "+" << 0;
        QTest::newRow("failed") << "-" << 1;
        QTest::newRow("failed again and again") << "---" << 1;
        QTest::newRow("failed, written, failed") << "-+-" << 2;
    }

    void recoveryWriteFailureIsSaidOnce()
    {
        QFETCH(QString, writes);
        QFETCH(int, hints);
        QWidget window;
        RecoveryWriteHint hint;
        for (const QChar write : std::as_const(writes))
            hint.report(write == QLatin1Char('+'), QStringLiteral("/state/recovery-1.tavoplan"), &window);
        const QList<QWidget *> shown = window.findChildren<QWidget *>(QStringLiteral("recoveryWriteHint"));
        QCOMPARE(shown.size(), hints);
        for (QWidget *dialog : shown) {
            // The user goes on working and saves.
            QVERIFY(dialog->isVisible() && !dialog->isModal());
            QVERIFY(!labelTextIn(dialog, QStringLiteral("recovery-1.tavoplan")).isEmpty());
        }
    }
};

QTEST_MAIN(TestVantorMainPage)
#include "tst_vantormainpage.moc"
