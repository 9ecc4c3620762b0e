#include "aptui/BaseDialog.h"
#include "aptui/BaseTitle.h"
#include "aptui/Menu.h"
#include "aptui/TipDialog.h"
#include "aptui/WarningDialog.h"
#include "support/DialogAnswerer.h"
#include "support/ProgramLanguage.h"
#include "support/SignalRecorder.h"
#include "support/TestUi.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocumentFragment>
#include <QWindow>

#include <memory>

namespace {

QLabel *defaultLabel(QWidget *dialog)
{
    return dialog->findChild<QLabel *>(QStringLiteral("m_labelNULL"));
}

} // namespace

class TestAptuiDialogs : public QObject
{
    Q_OBJECT

private slots:
    void closeButtonRejectsWithoutBottomButtons();
    void tipDialogAnswers_data();
    void tipDialogAnswers();
    void confirmThatDoesNotCloseStillAnnounces();
    void minimiseConnection_data();
    void minimiseConnection();
    void enablingTwiceConnectsOnce();
    void defaultTextTemplates_data();
    void defaultTextTemplates();
    void defaultTextAfterContentWidget();
    void markupShowsAsWritten_data();
    void markupShowsAsWritten();
    void contentWidgetReplacesPrevious();
    void fixedSizeSizesBody_data();
    void fixedSizeSizesBody();
    void resizedDialogGrowsBodyOnly();

    void titleButtonsShowAndAnnounce_data();
    void titleButtonsShowAndAnnounce();
    void titleCustomButton();

    void warningPictureByKind_data();
    void warningPictureByKind();
    void warningCloseAnnouncesAfterClosing();
    void showWarningAtPoint();
    void titlesInTheReadersLanguage_data();
    void titlesInTheReadersLanguage();
    void menuPopsUpFramelessWithoutShadow();
};

void TestAptuiDialogs::closeButtonRejectsWithoutBottomButtons()
{
    aptui::BaseDialog dialog(false, false, false, false, true, false, false);
    QVERIFY(TestUi::findButton(&dialog, QStringLiteral("btnConfirm"))->isHidden());
    QVERIFY(TestUi::findButton(&dialog, QStringLiteral("btnCancel"))->isHidden());
    QSignalSpy closeClicked(&dialog, &aptui::BaseDialog::signalCloseButtonClicked);

    auto answer = DialogAnswerer::answerNext(DialogAnswerer::clicking(QStringLiteral("btnClose")));
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(answer->answered());
    QCOMPARE(answer->dialogObjectName(), QStringLiteral("BaseDialog"));
    QCOMPARE(closeClicked.count(), 1);
}

void TestAptuiDialogs::tipDialogAnswers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("announced");

    QTest::newRow("confirm") << QStringLiteral("btnConfirm") << int(QDialog::Accepted) << QStringLiteral("confirm");
    QTest::newRow("cancel") << QStringLiteral("btnCancel") << int(QDialog::Rejected) << QStringLiteral("cancel");
    QTest::newRow("title close") << QStringLiteral("btnClose") << int(QDialog::Rejected) << QStringLiteral("close");
}

void TestAptuiDialogs::tipDialogAnswers()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    QFETCH(QString, announced);

    NM_Vantor::TipDialog dialog;
    auto *tip = dialog.findChild<QLabel *>(QStringLiteral("m_labelTip"));
    QVERIFY(tip);
    QCOMPARE(tip->text(), QStringLiteral("sure"));
    dialog.setText(QStringLiteral("Delete all groups?"));
    QCOMPARE(tip->text(), QStringLiteral("Delete all groups?"));

    SignalRecorder recorder;
    recorder.watch(&dialog, &aptui::BaseDialog::signalConfirmButtonClicked, QStringLiteral("confirm"));
    recorder.watch(&dialog, &aptui::BaseDialog::signalCancelButtonClicked, QStringLiteral("cancel"));
    recorder.watch(&dialog, &aptui::BaseDialog::signalCloseButtonClicked, QStringLiteral("close"));

    auto answer = DialogAnswerer::answerNext(DialogAnswerer::clicking(button));
    QCOMPARE(dialog.exec(), result);
    QVERIFY(answer->answered());
    QCOMPARE(recorder.events(), QStringList{announced});
}

void TestAptuiDialogs::confirmThatDoesNotCloseStillAnnounces()
{
    NM_Vantor::TipDialog dialog;
    dialog.setEnableDefaultConnections(true, true, true, false, true);
    QSignalSpy confirmed(&dialog, &aptui::BaseDialog::signalConfirmButtonClicked);

    bool stayedOpen = false;
    auto answer = DialogAnswerer::answerNext([&](QWidget *shown) {
        DialogAnswerer::clickButton(shown, QStringLiteral("btnConfirm"));
        stayedOpen = shown->isVisible();
        DialogAnswerer::clickButton(shown, QStringLiteral("btnCancel"));
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(answer->answered());
    QVERIFY(stayedOpen);
    QCOMPARE(confirmed.count(), 1);
}

void TestAptuiDialogs::minimiseConnection_data()
{
    QTest::addColumn<bool>("enableMin");

    QTest::newRow("default connections") << true;
    QTest::newRow("minimise disconnected") << false;
}

void TestAptuiDialogs::minimiseConnection()
{
    QFETCH(bool, enableMin);

    aptui::BaseDialog dialog(false, false, true, true, true, true, true);
    dialog.setEnableDefaultConnections(enableMin, true, true, true, true);
    QSignalSpy minClicked(&dialog, &aptui::BaseDialog::signalMinButtonClicked);
    dialog.show();

    TestUi::findButton(&dialog, QStringLiteral("btnMin"))->click();
    QCOMPARE(minClicked.count(), 1);
    QCOMPARE(dialog.isMinimized(), enableMin);
}

void TestAptuiDialogs::enablingTwiceConnectsOnce()
{
    aptui::BaseDialog dialog(false, false, true, true, true, true, true);
    dialog.setEnableDefaultConnections(false, false, false, true, true);
    dialog.setEnableDefaultConnections(true, true, true, true, true);
    dialog.setEnableDefaultConnections(true, true, true, true, true);
    dialog.show();

    // Connected twice, maximise would toggle back at once.
    TestUi::findButton(&dialog, QStringLiteral("btnMax"))->click();
    QVERIFY(dialog.isMaximized());
    TestUi::findButton(&dialog, QStringLiteral("btnMax"))->click();
    QVERIFY(!dialog.isMaximized());
}

void TestAptuiDialogs::defaultTextTemplates_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("expected");

    QTest::newRow("bold") << 3
                          << QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-size:14pt; "
                                            "font-weight:600;\">Disk full</span></p></body></html>");
    QTest::newRow("three arguments not bold") << 2
                                              << QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" "
                                                                "font-size:14pt;\">Disk full</span></p></body></html>");
    QTest::newRow("two arguments") << 1
                                   << QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" "
                                                     "font-size:14pt;\">Disk full</span></p></body></html>");
    QTest::newRow("plain") << 0 << QStringLiteral("Disk full");
}

void TestAptuiDialogs::defaultTextTemplates()
{
    QFETCH(int, form);
    QFETCH(QString, expected);

    aptui::BaseDialog dialog(false, false, false, false, true, true, true);
    const QString text = QStringLiteral("Disk full");
    switch (form) {
    case 3:
        dialog.setDefaultText(text, 14, true);
        break;
    case 2:
        dialog.setDefaultText(text, 14, false);
        break;
    case 1:
        dialog.setDefaultText(text, 14);
        break;
    default:
        dialog.setDefaultText(text);
        break;
    }
    QCOMPARE(defaultLabel(&dialog)->text(), expected);
}

void TestAptuiDialogs::markupShowsAsWritten_data()
{
    QTest::addColumn<int>("place");
    QTest::addColumn<QString>("label");
    QTest::newRow("question") << 0 << QStringLiteral("m_labelTip");
    QTest::newRow("message box") << 1 << QStringLiteral("m_labelWarnText");
    QTest::newRow("hint") << 2 << QStringLiteral("m_labelNULL");
    QTest::newRow("formatted hint") << 3 << QStringLiteral("m_labelNULL");
    QTest::newRow("dialog title") << 4 << QStringLiteral("labelTitle");
}

void TestAptuiDialogs::markupShowsAsWritten()
{
    QFETCH(int, place);
    QFETCH(QString, label);
    const QString name = QStringLiteral("<h1>BIG</h1><font color=red>x.tavoplan");
    std::unique_ptr<QDialog> dialog;
    if (place == 0) {
        auto *question = new NM_Vantor::TipDialog;
        question->setText(name);
        dialog.reset(question);
    } else if (place == 1) {
        dialog = std::make_unique<NM_Vantor::WarningDialog>(1, name);
    } else {
        auto *hint = new aptui::BaseDialog(false, false, false, false, true, true, true);
        if (place == 2)
            hint->setDefaultText(name);
        else if (place == 3)
            hint->setDefaultText(name, 14, true);
        else
            hint->setTitle(name);
        dialog.reset(hint);
    }
    const QLabel *shown = dialog->findChild<QLabel *>(label);
    QVERIFY(shown);
    // What the label draws: its text, read as markup when the label takes it for markup.
    const bool rich = shown->textFormat() == Qt::RichText ||
                      (shown->textFormat() == Qt::AutoText && Qt::mightBeRichText(shown->text()));
    QCOMPARE(rich ? QTextDocumentFragment::fromHtml(shown->text()).toPlainText() : shown->text(), name);
}

void TestAptuiDialogs::defaultTextAfterContentWidget()
{
    aptui::BaseDialog dialog(false, false, false, false, true, true, true);
    auto *content = new QLabel(QStringLiteral("content"));
    dialog.setContentWidget(content);
    QVERIFY(!defaultLabel(&dialog));

    dialog.setDefaultText(QStringLiteral("changed"));
    dialog.setDefaultText(QStringLiteral("changed"), 12);
    dialog.setDefaultText(QStringLiteral("changed"), 12, true);

    QCOMPARE(content->text(), QStringLiteral("content"));
    const QList<QLabel *> labels = dialog.findChildren<QLabel *>();
    for (const QLabel *label : labels)
        QVERIFY2(!label->text().contains(QLatin1String("changed")), qPrintable(label->objectName()));
    QCOMPARE(content->parentWidget(), dialog.findChild<QWidget *>(QStringLiteral("mainBorder")));
}

void TestAptuiDialogs::contentWidgetReplacesPrevious()
{
    aptui::BaseDialog dialog(false, false, false, false, true, true, true);
    QPointer<QWidget> first = new QWidget;
    dialog.setContentWidget(first);
    auto *second = new QWidget;
    dialog.setContentWidget(second);
    QVERIFY(first.isNull());

    // Setting the current content again must not destroy it.
    dialog.setContentWidget(second);
    QCOMPARE(second->parentWidget(), dialog.findChild<QWidget *>(QStringLiteral("mainBorder")));
}

void TestAptuiDialogs::fixedSizeSizesBody_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bottomHeight");
    QTest::addColumn<bool>("bottomVisible");

    QTest::newRow("hint dialog, bottom hidden") << 350 << 220 << -1 << false;
    QTest::newRow("bottom shown") << 350 << 220 << -1 << true;
    QTest::newRow("tall bottom bar") << 400 << 300 << 70 << true;
}

void TestAptuiDialogs::fixedSizeSizesBody()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bottomHeight);
    QFETCH(bool, bottomVisible);

    aptui::BaseDialog dialog(false, false, false, false, true, true, true);
    dialog.setFixedSize(width, height);
    if (bottomHeight > 0)
        dialog.setBottomBarHeight(bottomHeight);
    dialog.setBottomVisible(bottomVisible);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    auto *title = dialog.findChild<aptui::BaseTitle *>();
    auto *body = dialog.findChild<QWidget *>(QStringLiteral("mainBorder"));
    auto *bottom = dialog.findChild<QWidget *>(QStringLiteral("m_BaseDialogBottom"));
    const int bottomTaken = bottomVisible ? bottom->height() : 0;
    if (bottomHeight > 0)
        QCOMPARE(bottomTaken, bottomHeight);

    QCOMPARE(dialog.size(), QSize(width, height));
    // The title bar keeps its own height; the body, not the bars, takes the rest.
    QCOMPARE(title->height(), 32);
    QCOMPARE(body->size(), QSize(width, height - 32 - bottomTaken));
    QCOMPARE(body->minimumSize(), body->maximumSize());
    QCOMPARE(title->height() + body->height() + bottomTaken, height);
}

void TestAptuiDialogs::resizedDialogGrowsBodyOnly()
{
    NM_Vantor::TipDialog dialog;
    dialog.resize(420, 360);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    auto *title = dialog.findChild<aptui::BaseTitle *>();
    auto *body = dialog.findChild<QWidget *>(QStringLiteral("mainBorder"));
    auto *bottom = dialog.findChild<QWidget *>(QStringLiteral("m_BaseDialogBottom"));
    QCOMPARE(title->height(), 32);
    QCOMPARE(bottom->height(), qMax(bottom->minimumHeight(), bottom->sizeHint().height()));
    QCOMPARE(body->height(), 360 - title->height() - bottom->height());
}

void TestAptuiDialogs::titleButtonsShowAndAnnounce_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("showSlot");
    QTest::addColumn<QByteArray>("signal");

    QTest::newRow("app") << QStringLiteral("btnApp") << QByteArray("setAppButtonShow")
                         << QByteArray(SIGNAL(signalAppButtonClicked()));
    QTest::newRow("option") << QStringLiteral("btnOption") << QByteArray("setOptionButtonShow")
                            << QByteArray(SIGNAL(signalOptionButtonClicked()));
    QTest::newRow("min") << QStringLiteral("btnMin") << QByteArray("setMinButtonShow")
                         << QByteArray(SIGNAL(signalMinButtonClicked()));
    QTest::newRow("max") << QStringLiteral("btnMax") << QByteArray("setMaxButtonShow")
                         << QByteArray(SIGNAL(signalMaxButtonClicked()));
    QTest::newRow("close") << QStringLiteral("btnClose") << QByteArray("setCloseButtonShow")
                           << QByteArray(SIGNAL(signalCloseButtonClicked()));
}

void TestAptuiDialogs::titleButtonsShowAndAnnounce()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, showSlot);
    QFETCH(QByteArray, signal);

    // The dialog forwards every title signal under the same name.
    aptui::BaseDialog dialog(false, false, false, false, false, true, true);
    dialog.setEnableDefaultConnections(false, false, false, true, true);
    auto *title = dialog.findChild<aptui::BaseTitle *>();
    QAbstractButton *target = TestUi::findButton(title, button);
    QVERIFY(target->isHidden());
    QVERIFY(!target->isEnabled());
    QVERIFY2(!target->accessibleName().isEmpty(), "icon-only buttons need a name in words");
    QVERIFY(!target->toolTip().isEmpty());

    QVERIFY(QMetaObject::invokeMethod(title, showSlot.constData(), Q_ARG(bool, true)));
    QVERIFY(!target->isHidden());
    QVERIFY(target->isEnabled());

    QSignalSpy fromTitle(title, signal.constData());
    QSignalSpy fromDialog(&dialog, signal.constData());
    target->click();
    QCOMPARE(fromTitle.count(), 1);
    QCOMPARE(fromDialog.count(), 1);
}

void TestAptuiDialogs::titleCustomButton()
{
    aptui::BaseDialog dialog(true, true, true, true, true, true, true);
    auto *extra = new QPushButton(QStringLiteral("Help"));
    dialog.addTitleButton(extra);
    auto *title = dialog.findChild<aptui::BaseTitle *>();
    QCOMPARE(extra->parentWidget(), static_cast<QWidget *>(title));

    auto *bottomExtra = new QPushButton(QStringLiteral("Reset"));
    dialog.addBottomWidget(bottomExtra);
    QCOMPARE(bottomExtra->parentWidget(), dialog.findChild<QWidget *>(QStringLiteral("m_BaseDialogBottom")));
}

void TestAptuiDialogs::warningPictureByKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("ok") << 0 << QColor(0, 200, 0);
    QTest::newRow("info") << 1 << QColor(0, 0, 200);
    QTest::newRow("error") << 2 << QColor(200, 0, 0);
    QTest::newRow("kind 3 without picture") << 3 << QColor();
    QTest::newRow("negative kind without picture") << -1 << QColor();
}

void TestAptuiDialogs::warningPictureByKind()
{
    QFETCH(int, kind);
    QFETCH(QColor, colour);

    NM_Vantor::WarningDialog dialog(kind, QStringLiteral("Export finished."));
    auto *text = dialog.findChild<QLabel *>(QStringLiteral("m_labelWarnText"));
    auto *picture = dialog.findChild<QLabel *>(QStringLiteral("m_labelWarnPicture"));
    QCOMPARE(text->text(), QStringLiteral("Export finished."));

    const QPixmap shown = picture->pixmap();
    if (!colour.isValid()) {
        QVERIFY(shown.isNull());
        return;
    }
    QCOMPARE(shown.size(), QSize(32, 32));
    QCOMPARE(shown.toImage().pixelColor(16, 16), colour);
}

void TestAptuiDialogs::warningCloseAnnouncesAfterClosing()
{
    NM_Vantor::WarningDialog dialog(1, QStringLiteral("Saved."));
    bool visibleWhenAnnounced = true;
    connect(&dialog, &NM_Vantor::WarningDialog::signalWarnClose, this,
            [&] { visibleWhenAnnounced = dialog.isVisible(); });

    auto answer = DialogAnswerer::answerNext(DialogAnswerer::clicking(QStringLiteral("m_btnClose")));
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(answer->answered());
    QVERIFY(!visibleWhenAnnounced);
}

void TestAptuiDialogs::showWarningAtPoint()
{
    QPoint shownAt;
    QString shownText;
    auto answer = DialogAnswerer::answerNext([&](QWidget *dialog) {
        shownAt = dialog->pos();
        shownText = dialog->findChild<QLabel *>(QStringLiteral("m_labelWarnText"))->text();
        DialogAnswerer::clickButton(dialog, QStringLiteral("m_btnClose"));
    });
    NM_Vantor::WarningDialog::showWarning(QPoint(40, 60), 2, QStringLiteral("Export failed."));
    QVERIFY(answer->answered());
    QCOMPARE(answer->dialogObjectName(), QStringLiteral("WarningDialog"));
    QCOMPARE(shownAt, QPoint(40, 60));
    QCOMPARE(shownText, QStringLiteral("Export failed."));
}

void TestAptuiDialogs::menuPopsUpFramelessWithoutShadow()
{
    aptui::Menu menu;
    menu.addAction(QStringLiteral("About"));
    menu.popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QCOMPARE(menu.objectName(), QStringLiteral("Menu"));
    const Qt::WindowFlags flags = menu.windowHandle()->flags();
    QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Popup);
#ifndef Q_OS_WIN
    QVERIFY(flags.testFlag(Qt::NoDropShadowWindowHint));
#endif
    QVERIFY(menu.testAttribute(Qt::WA_TranslucentBackground));
    menu.close();
}

void TestAptuiDialogs::titlesInTheReadersLanguage_data()
{
    QTest::addColumn<int>("kind"); // a message box's kind; -1 a question, -2 a hint
    QTest::addColumn<QString>("title");
    QTest::newRow("success") << 0 << QStringLiteral("Успешно");
    QTest::newRow("information") << 1 << QStringLiteral("Информация");
    QTest::newRow("error") << 2 << QStringLiteral("Ошибка");
    QTest::newRow("message of no kind") << 7 << QStringLiteral("Сообщение");
    QTest::newRow("question") << -1 << QStringLiteral("Подтверждение");
    QTest::newRow("hint") << -2 << QStringLiteral("Сообщение");
}

// What the window system and screen readers name a dialog by, in Russian.
void TestAptuiDialogs::titlesInTheReadersLanguage()
{
    QFETCH(int, kind);
    const ProgramLanguage russian(8);
    QString title;
    if (kind == -2) {
        auto answer = DialogAnswerer::answerNext(DialogAnswerer::closing());
        aptui::BaseDialog::showHint(QStringLiteral("text"), QSize(350, 220));
        QVERIFY(answer->answered());
        title = answer->dialogTitle();
    } else if (kind == -1) {
        title = NM_Vantor::TipDialog().windowTitle();
    } else {
        title = NM_Vantor::WarningDialog(kind, QStringLiteral("text")).windowTitle();
    }
    QTEST(title, "title");
}

QTEST_MAIN(TestAptuiDialogs)
#include "tst_aptui_dialogs.moc"
