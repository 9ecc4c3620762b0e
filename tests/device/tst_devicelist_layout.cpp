// How the device list lays its cards out: row heights by page width, and
// cards that stay inside the list whatever its width and language.
#include "aptui/Label.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceItemWidget.h"
#include "device/DeviceListGroups.h"
#include "model/ModelDataDir.h"
#include "model/ModelMetaTypes.h"
#include "support/SkinStyle.h"

#include <QLabel>
#include <QListWidget>
#include <QResizeEvent>
#include <QTest>
#include <QTranslator>

#include <memory>

using NM_Vantor::DeviceItemWidget;

namespace {

// Runs the pending layouts and the list's delayed row layout.
void settle()
{
    for (int pass = 0; pass < 3; ++pass) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
}

// A hidden widget gets its resize events only when shown; deliver one now.
void resizeNow(QWidget &widget, const QSize &size)
{
    const QSize old = widget.size();
    widget.resize(size);
    QResizeEvent event(size, old);
    QCoreApplication::sendEvent(&widget, &event);
}

} // namespace

class TestDeviceListLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerModelMetaTypes(); }
    void init()
    {
        m_data = std::make_unique<ModelDataDir>(QStringLiteral("../device/list"));
        QVERIFY(m_data->isValid());
    }
    void cleanup() { m_data.reset(); }

    void rowHeights();
    void cardsFitTheList_data();
    void cardsFitTheList();

private:
    std::unique_ptr<ModelDataDir> m_data;
};

void TestDeviceListLayout::rowHeights()
{
    DeviceAddPage page;
    auto *list = page.findChild<QListWidget *>();

    page.resize(700, 497);
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 1, 100));
    QCOMPARE(list->item(0)->sizeHint(), QSize(50, 84));
    page.resize(800, 497);
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 1, 100));
    QCOMPARE(list->item(1)->sizeHint(), QSize(50, 54));

    // A resize gives every row the height of the card layout for that width.
    resizeNow(page, QSize(640, 497));
    QCOMPARE(list->item(0)->sizeHint(), QSize(50, 60));
    QCOMPARE(list->item(1)->sizeHint(), QSize(50, 60));
    resizeNow(page, QSize(639, 497));
    QCOMPARE(list->item(0)->sizeHint(), QSize(50, 84));
    QCOMPARE(list->item(1)->sizeHint(), QSize(50, 84));
}

void TestDeviceListLayout::cardsFitTheList_data()
{
    QTest::addColumn<int>("pageWidth");
    QTest::addColumn<QString>("language");
    for (const char *language : {"", "zh", "ru"}) {
        for (int width : {400, 459, 460, 520, 560, 600, 639, 640, 700, 740, 741, 900, 1200})
            QTest::addRow("%d px %s", width, language) << width << QString::fromLatin1(language);
    }
}

void TestDeviceListLayout::cardsFitTheList()
{
    // Every card, its delete button included, stays inside the visible list.
    QFETCH(int, pageWidth);
    QFETCH(QString, language);
    QVERIFY(SkinStyle::apply());
    QTranslator translator;
    if (!language.isEmpty()) {
        QVERIFY(
            translator.load(QStringLiteral("vantor_") + language, QStringLiteral(TAVO_RUNTIME_DIR "/translations")));
        QCoreApplication::installTranslator(&translator);
    }
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 8, 2048, 3, QStringLiteral("25"), 1));
    page.addDeviceTypeItem(group(QStringLiteral("DVR"), 2, 1024.5, 3, QString(), 2));
    // Laid out wide first: the cards must follow the list when it narrows.
    page.resize(1300, 497);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    settle();
    page.resize(pageWidth, 497);
    settle();
    auto *list = page.findChild<QListWidget *>(QStringLiteral("m_listWidgetDiskData"));
    const QRect visible = list->viewport()->rect();
    for (DeviceItemWidget *card : page.findChildren<DeviceItemWidget *>()) {
        auto *remove = card->findChild<QWidget *>(QStringLiteral("m_btnDelete"));
        const QRect button(remove->mapTo(list->viewport(), QPoint(0, 0)), remove->size());
        QVERIFY2(visible.contains(button), qPrintable(QStringLiteral("button at %1,%2 %3x%4 outside %5 px")
                                                          .arg(button.x())
                                                          .arg(button.y())
                                                          .arg(button.width())
                                                          .arg(button.height())
                                                          .arg(visible.width())));
        // Texts that do not fit end where the list ends.
        for (QLabel *label : card->findChildren<QLabel *>()) {
            if (!label->isVisible() || label->text().isEmpty())
                continue;
            auto *valueLabel = qobject_cast<aptui::Label *>(label);
            const QString shown = valueLabel ? valueLabel->shownText() : label->text();
            const int textRight = label->mapTo(list->viewport(), label->contentsRect().topLeft()).x() +
                                  label->fontMetrics().horizontalAdvance(shown);
            QVERIFY2(textRight <= visible.right() + 1,
                     qPrintable(label->objectName() + QLatin1Char(' ') + label->text()));
        }
    }
}

QTEST_MAIN(TestDeviceListLayout)
#include "tst_devicelist_layout.moc"
