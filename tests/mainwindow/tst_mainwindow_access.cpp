// The window a planner meets at the smallest screen the program accepts, in
// every language, by keyboard alone and through a screen reader's eyes.
#include "aptui/Label.h"
#include "calc/CapacityCalculation.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceItemWidget.h"
#include "device/DeviceListModel.h"
#include "host/TargetPath.h"
#include "mainwindow/VantorMainPage.h"
#include "model/LanaguageManager.h"
#include "model/ModelMetaTypes.h"
#include "support/DialogAnswerer.h"
#include "support/SkinStyle.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace {

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        return QString();
    QString name = face->text(QAccessible::Name);
    // Qt names a combo box by its value and its caption by a relation.
    if (qobject_cast<QComboBox *>(widget)) {
        const auto labels = face->relations(QAccessible::Label);
        name = labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    return name;
}

bool isControl(QWidget *widget)
{
    return qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget) ||
           qobject_cast<QComboBox *>(widget) || qobject_cast<QAbstractSpinBox *>(widget) ||
           qobject_cast<QAbstractSlider *>(widget) || qobject_cast<QAbstractItemView *>(widget);
}

} // namespace

class TestMainWindowAccess : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<apt::LanaguageManager> m_language;
    std::unique_ptr<VantorMainPage> m_window;

    template <typename T = QWidget>
    T *part(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }
    CapacityCalculation *panel() const { return m_window->getCapacityCalculation(); }
    DeviceListModel *groups() const
    {
        return qobject_cast<const DeviceAddPage *>(m_window->getDeviceAddPage())->model();
    }

    void open(int language)
    {
        m_window.reset();
        m_language.reset();
        // The shipped data and catalogues, read only.
        FenwaGUIToolkit::SetTargetPath(QStringLiteral(TAVO_RUNTIME_DIR));
        m_language = std::make_unique<apt::LanaguageManager>(language);
        m_window = std::make_unique<VantorMainPage>();
        m_window->connectSignals();
        m_window->setGeometry(0, 0, 1024, 768);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void languages()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 0;
        QTest::newRow("Chinese") << 1;
        QTest::newRow("Russian") << 8;
    }

private slots:
    void initTestCase()
    {
        registerModelMetaTypes();
        QVERIFY(SkinStyle::apply());
    }

    void cleanup()
    {
        m_window.reset();
        m_language.reset();
        FenwaGUIToolkit::SetTargetPath(QString());
    }

    void everythingFitsTheSmallestScreen_data() { languages(); }

    void everythingFitsTheSmallestScreen()
    {
        QFETCH(int, language);
        open(language);
        part<QAbstractButton>("m_btnAddDevice")->click();
        for (const char *mode : {"calTimeBtn", "calDiskBtn", "calBandWithBtn", "calArrayBtn"}) {
            part<QAbstractButton>(mode)->click();
            QApplication::processEvents();
            QVERIFY(!part<QScrollArea>("scrollArea")->horizontalScrollBar()->isVisible());
            const QRect window = m_window->rect();
            for (QWidget *widget : m_window->findChildren<QWidget *>()) {
                if (widget->objectName().isEmpty() || !widget->isVisible() || widget->isWindow())
                    continue;
                const QRect shown(widget->mapTo(m_window.get(), QPoint(0, 0)), widget->size());
                QVERIFY2(window.contains(shown), qPrintable(QStringLiteral("%1 in %2 mode at %3,%4 %5x%6")
                                                                .arg(widget->objectName(), QLatin1String(mode))
                                                                .arg(shown.x())
                                                                .arg(shown.y())
                                                                .arg(shown.width())
                                                                .arg(shown.height())));
            }
        }
    }

    void noTextIsCutAtTheSmallestScreen_data() { languages(); }

    // Every caption, value and button reads whole at 1024 x 768, cards
    // included: a text that has no room takes a short form, never a cut word.
    void noTextIsCutAtTheSmallestScreen()
    {
        QFETCH(int, language);
        open(language);
        auto *name = part<QLineEdit>("m_lineEditChannelName");
        name->setText(QStringLiteral("North gate camera 1"));
        part<QComboBox>("m_comboxRecordingMode")->setCurrentIndex(1);
        part<QAbstractButton>("m_btnAddDevice")->click();
        QApplication::processEvents();
        QStringList cut;
        for (const char *mode : {"calTimeBtn", "calDiskBtn", "calBandWithBtn", "calArrayBtn"}) {
            part<QAbstractButton>(mode)->click();
            QApplication::processEvents();
            for (QWidget *widget : m_window->findChildren<QWidget *>()) {
                if (!widget->isVisible())
                    continue;
                auto *label = qobject_cast<QLabel *>(widget);
                auto *button = qobject_cast<QAbstractButton *>(widget);
                const bool plainLabel = label && !label->text().isEmpty() && !label->wordWrap() &&
                                        label->textFormat() != Qt::RichText && !Qt::mightBeRichText(label->text()) &&
                                        label->pixmap().isNull();
                if (auto *elided = qobject_cast<aptui::Label *>(widget);
                    elided && elided->elideMode() != Qt::ElideNone) {
                    if (elided->shownText() != elided->text())
                        cut << widget->objectName() + QLatin1String(": ") + elided->text();
                } else if ((plainLabel || (button && !button->text().isEmpty())) &&
                           widget->sizeHint().width() > widget->width()) {
                    cut << QStringLiteral("%1: %2 (%3 of %4 px)")
                               .arg(widget->objectName(), widget->property("text").toString())
                               .arg(widget->width())
                               .arg(widget->sizeHint().width());
                }
            }
        }
        auto *groups = qobject_cast<const DeviceAddPage *>(m_window->getDeviceAddPage());
        const NM_Vantor::DeviceItemWidget *card = groups->cardForRow(0);
        for (aptui::Label *label : card->findChildren<aptui::Label *>()) {
            if (!label->isVisibleTo(card))
                continue;
            const QString shown = label->objectName() == QLatin1String("m_labelChannelGroupName")
                                      ? label->shownText()
                                      : card->shownValueText(label);
            if (shown.contains(QChar(0x2026)))
                cut << QStringLiteral("card ") + label->objectName() + QLatin1String(": ") + shown;
        }
        cut.removeDuplicates();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String("\n"))));
    }

    void screenReaderNamesEveryControl_data() { languages(); }

    void screenReaderNamesEveryControl()
    {
        QFETCH(int, language);
        open(language);
        part<QAbstractButton>("m_btnAddDevice")->click();
        // The share field shows for a group recorded on motion.
        part<QComboBox>("m_comboxRecordingMode")->setCurrentIndex(1);
        for (const char *mode : {"calTimeBtn", "calDiskBtn", "calArrayBtn"}) {
            part<QAbstractButton>(mode)->click();
            QApplication::processEvents();
            for (QWidget *widget : m_window->findChildren<QWidget *>()) {
                if (!widget->isVisible() || !isControl(widget))
                    continue;
                const QString name = accessibleName(widget);
                QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
                // Never the program's inner words.
                for (const char *word : {"CalTime", "CalDisk", "CalBandWith", "Fixted", "Kpbs", "Mpbs"})
                    QVERIFY2(!name.contains(QLatin1String(word)), qPrintable(name));
            }
        }
        // A card reads as its whole text: name and every value.
        auto *list = part<QAbstractItemView>("m_listWidgetDiskData");
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(list);
        QVERIFY(face && face->childCount() >= 1);
        const QString card = face->child(0)->text(QAccessible::Name);
        const auto item = groups()->groupAt(0);
        for (const QString &part : {item.strChannelName, item.strResolution, item.strEncoding, item.strFrameRate})
            QVERIFY2(card.contains(part), qPrintable(card));
    }

    void screenReaderReadsTheState_data()
    {
        QTest::addColumn<QString>("control");
        // A mode button to click, or a combo box to choose its second entry in.
        QTest::newRow("Retention mode") << QStringLiteral("calTimeBtn");
        QTest::newRow("Disk mode") << QStringLiteral("calDiskBtn");
        QTest::newRow("Array mode") << QStringLiteral("calArrayBtn");
        QTest::newRow("the mode in front, clicked again") << QStringLiteral("calBandWithBtn");
        QTest::newRow("frame rate") << QStringLiteral("m_comboxFrameRate");
        QTest::newRow("resolution") << QStringLiteral("m_comboBoxResolution");
    }

    void screenReaderReadsTheState()
    {
        QFETCH(QString, control);
        open(0);
        auto *combo = m_window->findChild<QComboBox *>(control);
        if (combo) {
            const int next = combo->currentIndex() + 1;
            QTest::keyClick(combo, Qt::Key_Down);
            QCOMPARE(combo->currentIndex(), next);
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(combo);
            // Described by what it shows now, not by what it showed at start.
            QCOMPARE(face->text(QAccessible::Description), combo->currentText());
            return;
        }
        QTest::mouseClick(m_window->findChild<QAbstractButton *>(control), Qt::LeftButton);
        for (const char *mode : {"calTimeBtn", "calDiskBtn", "calBandWithBtn", "calArrayBtn"}) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(part(mode));
            QVERIFY(face->state().checkable);
            QCOMPARE(bool(face->state().checked), control == QLatin1String(mode));
        }
    }

    void keyboardAlone_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("Tab order") << QStringLiteral("tab");
        QTest::newRow("Enter adds") << QStringLiteral("enter");
        QTest::newRow("Delete on a card") << QStringLiteral("delete");
        QTest::newRow("Clear brings back the empty view") << QStringLiteral("clear");
    }

    void keyboardAlone()
    {
        QFETCH(QString, path);
        open(0);
        auto *count = part<QLineEdit>("m_lineEditChannelCounts");
        count->setFocus(Qt::TabFocusReason);
        QTest::keyClick(count, Qt::Key_Return);
        QCOMPARE(groups()->rowCount(), 1);
        // The list takes Tab once its first card is made.
        QTRY_VERIFY(part<QWidget>("m_listWidgetDiskData")->focusPolicy() & Qt::TabFocus);

        if (path == QLatin1String("tab")) {
            QStringList seen;
            part<QWidget>("m_btnAddDevice")->setFocus(Qt::TabFocusReason);
            for (int i = 0; i < 5; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                seen << QApplication::focusWidget()->objectName();
            }
            QCOMPARE(seen, (QStringList{QStringLiteral("m_listWidgetDiskData"), QStringLiteral("m_btnClear"),
                                        QStringLiteral("exportBtn"), QStringLiteral("calTimeBtn"),
                                        QStringLiteral("calDiskBtn")}));
        } else if (path == QLatin1String("enter")) {
            QTest::keyClick(count, Qt::Key_Enter);
            QCOMPARE(groups()->rowCount(), 2);
        } else if (path == QLatin1String("delete")) {
            auto *list = part<QWidget>("m_listWidgetDiskData");
            list->setFocus(Qt::TabFocusReason);
            QTest::keyClick(list, Qt::Key_Delete);
            QCOMPARE(groups()->rowCount(), 0);
            // The focus stays where the cards were, not on some control of the window.
            QCOMPARE(QApplication::focusWidget(), list);
        } else {
            auto answer = DialogAnswerer::answerNext(DialogAnswerer::clicking(QStringLiteral("btnConfirm")));
            QTest::keyClick(part<QWidget>("m_btnClear"), Qt::Key_Space);
            QVERIFY(answer->answered());
            QCOMPARE(groups()->rowCount(), 0);
            QVERIFY(part<QWidget>("m_labelNullPic")->isVisible());
            QVERIFY(!part<QWidget>("m_CapacityWidget")->isVisible());
        }
    }
};

QTEST_MAIN(TestMainWindowAccess)
#include "tst_mainwindow_access.moc"
