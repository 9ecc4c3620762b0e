#include "calc/CapacityCalculation.h"
#include "calc/DataCalculatorPage.h"
#include "calc/SizeDisplayPage.h"
#include "host/TargetPath.h"

#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A panel with plain stand-ins for the device list and the empty-list view.
struct Panel
{
    QPointer<QWidget> list = new QWidget;
    QPointer<QWidget> empty = new QWidget;
    CapacityCalculation panel{list, empty};

    QLayout *border() { return panel.findChild<QLayout *>(QStringLiteral("m_borderLayout")); }
    QWidget *normalView() { return panel.findChild<QWidget *>(QStringLiteral("m_CapacityWidget")); }
    QPushButton *button(const char *name) { return panel.findChild<QPushButton *>(QLatin1String(name)); }
    QList<QWidget *> viewsInBorder()
    {
        QList<QWidget *> views;
        for (int i = 0; i < border()->count(); ++i)
            views << border()->itemAt(i)->widget();
        return views;
    }
};

} // namespace

class TestCalcCapacityCalculation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void startsWithEmptyView();
    void switchesBetweenViews();
    void headerButtonsBecomeSignals();
    void embedsListAndCalculator();
    void missingViewsAreReplaced();

private:
    QTemporaryDir m_dataDir;
};

void TestCalcCapacityCalculation::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    QVERIFY(m_dataDir.isValid());
    FenwaGUIToolkit::SetTargetPath(m_dataDir.path());
}

void TestCalcCapacityCalculation::cleanupTestCase()
{
    FenwaGUIToolkit::SetTargetPath(QString());
}

void TestCalcCapacityCalculation::startsWithEmptyView()
{
    Panel p;
    QCOMPARE(p.viewsInBorder(), QList<QWidget *>{p.empty.data()});
    QCOMPARE(p.empty->parentWidget(), &p.panel);
    QVERIFY(p.empty->isVisibleTo(&p.panel));
    QVERIFY(!p.normalView()->isVisibleTo(&p.panel));
    QVERIFY(!p.button("exportBtn")->isVisibleTo(&p.panel));
    QVERIFY(!p.button("m_btnClear")->isVisibleTo(&p.panel));
}

void TestCalcCapacityCalculation::switchesBetweenViews()
{
    Panel p;
    p.panel.showNormalPage();
    p.panel.showNormalPage();
    QCOMPARE(p.viewsInBorder(), QList<QWidget *>{p.normalView()});
    QVERIFY(p.normalView()->isVisibleTo(&p.panel));
    QVERIFY(!p.empty->isVisibleTo(&p.panel));
    QVERIFY(p.button("exportBtn")->isVisibleTo(&p.panel));
    QVERIFY(p.list->isVisibleTo(&p.panel));

    p.panel.showNullPage();
    QCOMPARE(p.viewsInBorder(), QList<QWidget *>{p.empty.data()});
    QVERIFY(!p.normalView()->isVisibleTo(&p.panel));
    // Taking a view out of the layout keeps the view.
    QVERIFY(p.list);
    QVERIFY(p.empty);
    p.panel.showNormalPage();
    QCOMPARE(p.viewsInBorder(), QList<QWidget *>{p.normalView()});
}

void TestCalcCapacityCalculation::headerButtonsBecomeSignals()
{
    Panel p;
    p.panel.showNormalPage();
    QSignalSpy clear(&p.panel, &CapacityCalculation::signalClear);
    QSignalSpy exportSpy(&p.panel, &CapacityCalculation::signalExport);

    p.button("m_btnClear")->click();
    QCOMPARE(clear.count(), 1);
    QCOMPARE(exportSpy.count(), 0);
    p.button("exportBtn")->click();
    QCOMPARE(clear.count(), 1);
    QCOMPARE(exportSpy.count(), 1);

    QCOMPARE(p.button("exportBtn")->text(), QStringLiteral("Export"));
    QCOMPARE(p.button("m_btnClear")->text(), QStringLiteral("Clear"));
    // Reached by Tab like every other button.
    QVERIFY(p.button("m_btnClear")->focusPolicy() & Qt::TabFocus);
    const auto *title = p.panel.findChild<QLabel *>(QStringLiteral("m_labelCapacityCalculationTitle"));
    QCOMPARE(title->text(), QStringLiteral("Capacity Calculation :"));
    for (const QWidget *widget :
         {static_cast<const QWidget *>(title), static_cast<const QWidget *>(p.button("exportBtn")),
          static_cast<const QWidget *>(p.button("m_btnClear"))})
        QCOMPARE(widget->toolTip(), widget->property("text").toString());
    const auto *marker = p.panel.findChild<QLabel *>(QStringLiteral("m_labelCapacityCalculationSection"));
    QVERIFY(marker->maximumWidth() <= 3 && marker->maximumHeight() <= 11);
}

void TestCalcCapacityCalculation::embedsListAndCalculator()
{
    Panel p;
    QCOMPARE(p.panel.getDeviceAddPage(), p.list.data());
    QCOMPARE(p.list->objectName(), QStringLiteral("m_deviceAddPage"));
    QCOMPARE(p.list->parentWidget()->objectName(), QStringLiteral("m_widgetDeviceList"));

    DataCalculatorPage *calculator = p.panel.getDataCalculatorPage();
    QVERIFY(calculator);
    QCOMPARE(calculator->objectName(), QStringLiteral("m_dataCalculatorPage"));
    QCOMPARE(calculator->parentWidget(), p.list->parentWidget());
    QVERIFY(calculator->maximumWidth() <= 380);
    QVERIFY(p.panel.findChild<QFrame *>(QStringLiteral("m_boardVline")));
    QVERIFY(p.panel.findChild<QFrame *>(QStringLiteral("m_boardHline")));

    QCOMPARE(p.panel.getDataDisplayPageSize(), calculator->getDataDisplayPageSize());
    QCOMPARE(p.panel.getDataDisplayPageTime(), calculator->getDataDisplayPageTime());
    QVERIFY(qobject_cast<SizeDisplayPage *>(p.panel.getDataDisplayPageSize()));
    QVERIFY(p.panel.getDataDisplayPageTime() != p.panel.getDataDisplayPageSize());

    // Side by side in this order: list, rule, calculator.
    const QLayout *row = p.list->parentWidget()->layout();
    QCOMPARE(row->count(), 3);
    QCOMPARE(row->itemAt(0)->widget(), p.list.data());
    QCOMPARE(row->itemAt(1)->widget()->objectName(), QStringLiteral("m_boardVline"));
    QCOMPARE(row->itemAt(2)->widget(), calculator);
}

void TestCalcCapacityCalculation::missingViewsAreReplaced()
{
    CapacityCalculation panel(nullptr, nullptr);
    QVERIFY(panel.getDeviceAddPage());
    panel.showNormalPage();
    panel.showNullPage();
    QCOMPARE(panel.findChild<QLayout *>(QStringLiteral("m_borderLayout"))->count(), 1);
}

QTEST_MAIN(TestCalcCapacityCalculation)
#include "tst_calc_capacitycalculation.moc"
