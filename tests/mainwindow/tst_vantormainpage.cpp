#include "aptui/AboutDialog.h"
#include "aptui/CoverWidget.h"
#include "aptui/Menu.h"
#include "aptui/WindowTitle.h"
#include "mainwindow/VantorMainPage.h"
#include "support/DesktopOpenRecorder.h"
#include "support/DialogAnswerer.h"
#include "support/ScopedCurrentDirectory.h"

#include <QAbstractButton>
#include <QCursor>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

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

    void systemMenuOpensTheAboutPanelLeftOfTheCursor()
    {
        VantorMainPage window;
        showWindow(window);
        QCursor::setPos(QPoint(600, 300));
        window.titleBar()->findChild<QAbstractButton *>(QStringLiteral("m_btnSystemMenu"))->click();
        QTRY_VERIFY(window.aboutMenu()->isVisible());
        QCOMPARE(window.aboutMenu()->pos(), QCursor::pos() - QPoint(189, 0));
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
};

QTEST_MAIN(TestVantorMainPage)
#include "tst_vantormainpage.moc"
