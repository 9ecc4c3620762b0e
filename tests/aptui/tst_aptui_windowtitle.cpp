#include "aptui/WindowTitle.h"
#include "support/SignalRecorder.h"
#include "support/TestUi.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A frameless top-level window with the title bar on top, as the main window has.
struct TitledWindow
{
    TitledWindow()
    {
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        title = new aptui::WindowTitle(&window);
        layout->addWidget(title);
        layout->addStretch();
        window.setGeometry(50, 60, 420, 260);
    }

    QAbstractButton *button(const QString &name) const { return TestUi::findButton(title, name); }

    QWidget window;
    aptui::WindowTitle *title = nullptr;
};

} // namespace

class TestAptuiWindowTitle : public QObject
{
    Q_OBJECT

private slots:
    void maximiseButtonTwiceRestores();
    void buttonRestyledByName();
    void doubleClick_data();
    void doubleClick();
    void minimiseAndSystemMenu();
    void closeAnnouncesAfterClosing();
    void iconButtonsHaveNames();
};

void TestAptuiWindowTitle::maximiseButtonTwiceRestores()
{
    TitledWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    const QRect normal = w.window.geometry();

    QAbstractButton *maximize = w.button(QStringLiteral("m_btnMaximize"));
    QVERIFY(maximize);
    maximize->click();
    // Queued: nothing happens before the event loop runs.
    QVERIFY(!w.window.isMaximized());
    QTRY_VERIFY(w.window.isMaximized());
    QCOMPARE(maximize->objectName(), QStringLiteral("m_btnResore"));
    QCOMPARE(maximize->accessibleName(), QStringLiteral("Restore"));
    QVERIFY(w.window.geometry() != normal);

    w.title->maxOrRestoreWindow();
    QVERIFY(!w.window.isMaximized());
    QCOMPARE(w.window.geometry(), normal);
    QCOMPARE(maximize->objectName(), QStringLiteral("m_btnMaximize"));
    QCOMPARE(maximize->accessibleName(), QStringLiteral("Maximize"));
}

void TestAptuiWindowTitle::buttonRestyledByName()
{
    TitledWindow w;
    w.window.setStyleSheet(QStringLiteral("#m_btnMaximize { background: rgb(0, 0, 250); border: none; }"
                                          "#m_btnResore { background: rgb(0, 250, 0); border: none; }"));
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QAbstractButton *maximize = w.button(QStringLiteral("m_btnMaximize"));
    QCOMPARE(maximize->grab().toImage().pixelColor(12, 12), QColor(0, 0, 250));

    w.title->maxOrRestoreWindow();
    QCOMPARE(maximize->grab().toImage().pixelColor(12, 12), QColor(0, 250, 0));
}

void TestAptuiWindowTitle::doubleClick_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("maximises");

    QTest::newRow("left") << Qt::LeftButton << true;
    QTest::newRow("right") << Qt::RightButton << false;
    QTest::newRow("middle") << Qt::MiddleButton << false;
}

void TestAptuiWindowTitle::doubleClick()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, maximises);

    TitledWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QSignalSpy sizeChanged(w.title, &aptui::WindowTitle::SignalWndSizeStatusChanged);

    TestUi::sendDoubleClick(w.title, button);
    QCOMPARE(w.window.isMaximized(), maximises);
    QCOMPARE(sizeChanged.count(), maximises ? 1 : 0);
    QCOMPARE(w.button(maximises ? QStringLiteral("m_btnResore") : QStringLiteral("m_btnMaximize")) != nullptr, true);
}

void TestAptuiWindowTitle::minimiseAndSystemMenu()
{
    TitledWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QSignalSpy systemMenu(w.title, &aptui::WindowTitle::signalSystemMenu);

    w.button(QStringLiteral("m_btnSystemMenu"))->click();
    QCOMPARE(systemMenu.count(), 1);
    QVERIFY(!w.window.isMinimized());

    w.button(QStringLiteral("m_btnMinimize"))->click();
    QVERIFY(w.window.isMinimized());
}

void TestAptuiWindowTitle::closeAnnouncesAfterClosing()
{
    TitledWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    bool visibleWhenAnnounced = true;
    int announced = 0;
    connect(w.title, &aptui::WindowTitle::signalCloseApp, this, [&] {
        visibleWhenAnnounced = w.window.isVisible();
        ++announced;
    });

    w.button(QStringLiteral("m_btnClose"))->click();
    QCOMPARE(announced, 1);
    QVERIFY(!visibleWhenAnnounced);
}

void TestAptuiWindowTitle::iconButtonsHaveNames()
{
    TitledWindow w;
    const QList<QAbstractButton *> buttons = w.title->findChildren<QAbstractButton *>();
    QCOMPARE(buttons.size(), 5);
    for (const QAbstractButton *button : buttons) {
        QVERIFY2(button->text().isEmpty(), qPrintable(button->objectName()));
        QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->objectName()));
    }
    QCOMPARE(w.button(QStringLiteral("m_btnClose"))->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
}

QTEST_MAIN(TestAptuiWindowTitle)
#include "tst_aptui_windowtitle.moc"
