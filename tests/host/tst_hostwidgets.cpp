#include "host/CComboBox.h"
#include "host/CFancyTitle.h"
#include "host/CHBoxLayout.h"
#include "host/CSlider.h"
#include "host/CWidgetItem.h"
#include "host/WindowHelpers.h"

#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

using namespace FenwaGUIToolkit;

class TestHostWidgets : public QObject
{
    Q_OBJECT

private:
    struct TitledWindow
    {
        QWidget window;
        CFancyTitle *title;
        TitledWindow()
        {
            window.setWindowFlags(Qt::FramelessWindowHint);
            auto *layout = new QVBoxLayout(&window);
            title = new CFancyTitle(&window);
            title->setFixedHeight(30);
            layout->addWidget(title);
            layout->addStretch();
            window.setGeometry(100, 100, 400, 300);
            window.show();
        }
    };

private slots:
    void independentWindow()
    {
        QWidget top;
        auto *child = new QWidget(&top);
        auto *grandChild = new QWidget(child);
        QCOMPARE(GetIndependentWindow(grandChild, 0), &top);
        QCOMPARE(GetIndependentWindow(&top, 0), &top);
        QCOMPARE(GetIndependentWindow(nullptr, 0), nullptr);
    }

    void maximiseAndRestoreKeepNormalGeometry()
    {
        TitledWindow w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QRect normal = w.window.geometry();
        CWidgetSizeFactory sizes;
        QVERIFY(!sizes.IsMaximized(&w.window));
        sizes.ShowMaximized(&w.window);
        QVERIFY(sizes.IsMaximized(&w.window));
        QCOMPARE(w.window.geometry(), w.window.screen()->availableGeometry());
        sizes.ShowNormal(&w.window, QSize());
        QVERIFY(!sizes.IsMaximized(&w.window));
        QCOMPARE(w.window.geometry(), normal);
        QVERIFY(!sizes.IsFullScreen(&w.window));
    }

    void dragMovesTheWindow()
    {
        TitledWindow w;
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QPoint start = w.window.pos();
        QTest::mousePress(w.title, Qt::LeftButton, Qt::NoModifier, QPoint(50, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(90, 40), w.title->mapToGlobal(QPointF(90, 40)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.title, &move);
        QTest::mouseRelease(w.title, Qt::LeftButton, Qt::NoModifier, QPoint(90, 40));
        QCOMPARE(w.window.pos(), start + QPoint(40, 30));
    }

    void doubleClickTogglesMaximise_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("maximised");
        QTest::newRow("left button") << true << Qt::LeftButton << true;
        QTest::newRow("right button") << true << Qt::RightButton << false;
        QTest::newRow("switched off") << false << Qt::LeftButton << false;
    }

    void doubleClickTogglesMaximise()
    {
        QFETCH(bool, enabled);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, maximised);
        TitledWindow w;
        w.title->SetOpenDoubleClickEnable(enabled);
        QSignalSpy changed(w.title, &CFancyTitle::SignalWndSizeStatusChanged);
        QTest::mouseDClick(w.title, button, Qt::NoModifier, QPoint(20, 10));
        QCOMPARE(w.window.isMaximized(), maximised);
        QCOMPARE(changed.count(), maximised ? 1 : 0);
    }

    void widgetItemKeepsAlignment()
    {
        QWidget host;
        auto *layout = new CHBoxLayout(&host);
        layout->SetLayoutContentsMargins(4, 0, 4, 0);
        layout->SetLayoutSpacing(10);
        auto *label = new QWidget;
        label->setFixedSize(20, 10);
        layout->AddItem(new CWidgetItem(label, Qt::AlignLeft | Qt::AlignVCenter), 1);
        auto *button = new QWidget;
        layout->AddWidget(button);
        QCOMPARE(label->parentWidget(), &host);
        QCOMPARE(layout->count(), 2);
        QCOMPARE(layout->itemAt(0)->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(layout->stretch(0), 1);
        QCOMPARE(layout->spacing(), 10);
        QCOMPARE(layout->contentsMargins(), QMargins(4, 0, 4, 0));
    }

    void comboIgnoresWheelWithoutFocus()
    {
        QWidget host;
        auto *combo = new CComboBox(&host);
        combo->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        host.show();
        QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
        QCOMPARE(combo->currentIndex(), 0);
    }

    void sliderJumpsToClick()
    {
        CSlider slider(Qt::Horizontal);
        slider.setRange(0, 24);
        slider.resize(250, 20);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        QTest::mouseClick(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(240, 10));
        QVERIFY2(slider.value() >= 22, qPrintable(QString::number(slider.value())));
    }
};

QTEST_MAIN(TestHostWidgets)
#include "tst_hostwidgets.moc"
