#include "aptui/CoverWidget.h"
#include "aptui/CustomizedIntValidator.h"
#include "aptui/DecimalValidator.h"
#include "aptui/InputTip.h"
#include "aptui/Label.h"
#include "aptui/LineEditInterger.h"
#include "aptui/Switch.h"
#include "aptui/Widget.h"
#include "support/SignalRecorder.h"
#include "support/TestUi.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(QValidator::State)

namespace {

// Records the mouse presses that reach it, i.e. that its children let through.
class PressCounter : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

} // namespace

class TestAptuiControls : public QObject
{
    Q_OBJECT

private slots:
    void validatorRules_data();
    void validatorRules();
    void validatorRefusesTypingPastTheTop();
    void spinBoxRules_data();
    void spinBoxRules();
    void spinBoxRefusesTypingPastTheTop();
    void decimalValidatorRules_data();
    void decimalValidatorRules();
    void inputTip_data();
    void inputTip();
    void tipGoesWithAFieldThatIsAWindow();

    void switchOffAnnouncesInOrderOnce();
    void switchPropertyWrite_data();
    void switchPropertyWrite();
    void switchClickOnCheckedButtonKeepsIt();
    void switchClickOnOtherButtonSwitches();
    void switchStartsInGivenState();
    void switchButtonsFollowHeight();

    void labelJoinsTextAndPunctuation();
    void labelWithTextConstructor();
    void mouseSignals_data();
    void mouseSignals();
    void widgetDoesNotConsumePress();
    void widgetPaintsStyleSheetBackground();
    void coverFillsItself();
};

void TestAptuiControls::validatorRules_data()
{
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QValidator::State>("expected");

    const auto A = QValidator::Acceptable;
    const auto I = QValidator::Intermediate;
    const auto X = QValidator::Invalid;

    QTest::newRow("0..1024 zero") << 0 << 1024 << QStringLiteral("0") << A;
    QTest::newRow("0..1024 top") << 0 << 1024 << QStringLiteral("1024") << A;
    QTest::newRow("0..1024 past top") << 0 << 1024 << QStringLiteral("1025") << X;
    QTest::newRow("0..1024 empty") << 0 << 1024 << QString() << I;
    QTest::newRow("0..1024 leading zero") << 0 << 1024 << QStringLiteral("05") << X;
    QTest::newRow("0..1024 double zero") << 0 << 1024 << QStringLiteral("00") << X;
    QTest::newRow("0..1024 inner space") << 0 << 1024 << QStringLiteral("1 2") << X;
    QTest::newRow("0..1024 trailing space") << 0 << 1024 << QStringLiteral("12 ") << X;
    QTest::newRow("0..1024 tab") << 0 << 1024 << QStringLiteral("\t12") << X;
    QTest::newRow("0..1024 plus") << 0 << 1024 << QStringLiteral("+3") << X;
    QTest::newRow("0..1024 lone minus") << 0 << 1024 << QStringLiteral("-") << X;
    QTest::newRow("0..1024 negative") << 0 << 1024 << QStringLiteral("-3") << X;
    QTest::newRow("0..1024 negative zero") << 0 << 1024 << QStringLiteral("-0") << X;
    QTest::newRow("0..1024 negative zeros") << 0 << 1024 << QStringLiteral("-000") << X;
    QTest::newRow("0..1024 letters") << 0 << 1024 << QStringLiteral("1a") << X;
    QTest::newRow("0..1024 exponent") << 0 << 1024 << QStringLiteral("1e3") << X;
    QTest::newRow("0..1024 overflow") << 0 << 1024 << QStringLiteral("99999999999") << X;
    QTest::newRow("0..204800 top") << 0 << 204800 << QStringLiteral("204800") << A;
    QTest::newRow("-10..10 lone minus") << -10 << 10 << QStringLiteral("-") << I;
    QTest::newRow("-10..10 bottom") << -10 << 10 << QStringLiteral("-10") << A;
    QTest::newRow("-10..10 negative five") << -10 << 10 << QStringLiteral("-5") << A;
    QTest::newRow("-10..10 below bottom") << -10 << 10 << QStringLiteral("-11") << X;
    QTest::newRow("-10..10 leading zero allowed") << -10 << 10 << QStringLiteral("05") << A;
    QTest::newRow("-10..10 empty") << -10 << 10 << QString() << I;
    QTest::newRow("5..50 zero") << 5 << 50 << QStringLiteral("0") << X;
    QTest::newRow("5..50 leading zero") << 5 << 50 << QStringLiteral("07") << X;
    QTest::newRow("5..50 below bottom") << 5 << 50 << QStringLiteral("4") << X;
    QTest::newRow("5..50 in range") << 5 << 50 << QStringLiteral("50") << A;
}

void TestAptuiControls::validatorRules()
{
    QFETCH(int, bottom);
    QFETCH(int, top);
    QFETCH(QString, text);
    QFETCH(QValidator::State, expected);

    CustomizedIntValidator validator(bottom, top);
    const QValidator &base = validator;
    QString input = text;
    int pos = int(input.size());
    QCOMPARE(base.validate(input, pos), expected);
    QCOMPARE(input, text);
}

void TestAptuiControls::validatorRefusesTypingPastTheTop()
{
    QLineEdit edit;
    edit.setValidator(new CustomizedIntValidator(0, 1024, &edit));
    QTest::keyClicks(&edit, QStringLiteral("1025"));
    QCOMPARE(edit.text(), QStringLiteral("102"));
}

void TestAptuiControls::spinBoxRules_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QValidator::State>("expected");

    QTest::newRow("zero") << QStringLiteral("0") << QValidator::Acceptable;
    QTest::newRow("nine") << QStringLiteral("9") << QValidator::Acceptable;
    QTest::newRow("top") << QStringLiteral("24") << QValidator::Acceptable;
    QTest::newRow("leading zero") << QStringLiteral("05") << QValidator::Invalid;
    QTest::newRow("past top") << QStringLiteral("25") << QValidator::Invalid;
    QTest::newRow("plus") << QStringLiteral("+3") << QValidator::Invalid;
    QTest::newRow("space") << QStringLiteral("1 2") << QValidator::Invalid;
    QTest::newRow("negative") << QStringLiteral("-1") << QValidator::Invalid;
    QTest::newRow("empty") << QString() << QValidator::Intermediate;
}

void TestAptuiControls::spinBoxRules()
{
    QFETCH(QString, text);
    QFETCH(QValidator::State, expected);

    aptui::LineEditInterger spin;
    spin.setMaximum(24);
    QCOMPARE(spin.minimum(), 0);
    int pos = 0;
    QCOMPARE(spin.validate(text, pos), expected);
}

void TestAptuiControls::spinBoxRefusesTypingPastTheTop()
{
    aptui::LineEditInterger spin;
    spin.setMaximum(24);
    spin.show();
    spin.selectAll();
    QTest::keyClicks(&spin, QStringLiteral("25"));
    QCOMPARE(spin.text(), QStringLiteral("2"));
    QCOMPARE(spin.value(), 2);
}

void TestAptuiControls::decimalValidatorRules_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QValidator::State>("expected");

    const auto A = QValidator::Acceptable;
    const auto I = QValidator::Intermediate;
    const auto X = QValidator::Invalid;

    // 0 to 50000 with two decimals. Signs, blanks, exponents, other scripts'
    // digits and the like are refused at the calculator's disk size field.
    QTest::newRow("zero") << QStringLiteral("0") << A;
    QTest::newRow("top") << QStringLiteral("50000") << A;
    QTest::newRow("top with zero decimals") << QStringLiteral("50000.00") << A;
    QTest::newRow("just past the top") << QStringLiteral("50000.01") << X;
    QTest::newRow("two decimals") << QStringLiteral("12.25") << A;
    QTest::newRow("three decimals") << QStringLiteral("12.255") << X;
    QTest::newRow("zero point") << QStringLiteral("0.5") << A;
    QTest::newRow("trailing point") << QStringLiteral("12.") << I;
    QTest::newRow("top and a point") << QStringLiteral("50000.") << I;
    QTest::newRow("empty") << QString() << I;
    QTest::newRow("leading point") << QStringLiteral(".5") << X;
    QTest::newRow("lone point") << QStringLiteral(".") << X;
    QTest::newRow("two points") << QStringLiteral("1.2.3") << X;
    QTest::newRow("leading zero") << QStringLiteral("05") << X;
    QTest::newRow("double zero") << QStringLiteral("00.5") << X;
    QTest::newRow("minus") << QStringLiteral("-1") << X;
}

void TestAptuiControls::decimalValidatorRules()
{
    QFETCH(QString, text);
    QFETCH(QValidator::State, expected);

    aptui::DecimalValidator validator(0, 50000, 2);
    const QValidator &base = validator;
    QString input = text;
    int pos = int(input.size());
    QCOMPARE(base.validate(input, pos), expected);
    QCOMPARE(input, text);
}

void TestAptuiControls::inputTip_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("atWindowBottom");
    QTest::addColumn<QString>("tipText");

    QTest::newRow("whole numbers") << "whole" << false << "Whole numbers from 0 to 1024";
    QTest::newRow("decimals") << "decimal" << false << "Numbers from 0 to 50000, up to 2 decimal place(s)";
    QTest::newRow("spin box") << "spin" << false << "Whole numbers from 0 to 24";
    QTest::newRow("field at the window's bottom") << "whole" << true << "Whole numbers from 0 to 1024";
}

void TestAptuiControls::inputTip()
{
    QFETCH(QString, kind);
    QFETCH(bool, atWindowBottom);
    QFETCH(QString, tipText);

    QWidget window;
    window.resize(400, 200);
    QWidget *field = nullptr;
    QLineEdit *editor = nullptr;
    if (kind == QLatin1String("spin")) {
        auto *spin = new aptui::LineEditInterger(&window);
        spin->setMaximum(24);
        field = spin;
        editor = spin->findChild<QLineEdit *>();
    } else {
        editor = new QLineEdit(&window);
        if (kind == QLatin1String("decimal"))
            editor->setValidator(new aptui::DecimalValidator(0, 50000, 2, editor));
        else
            editor->setValidator(new CustomizedIntValidator(0, 1024, editor));
        new aptui::InputTip(editor);
        field = editor;
    }
    field->setGeometry(20, atWindowBottom ? 170 : 20, 120, 24);
    field->setAccessibleDescription(QStringLiteral("Disk size"));
    window.show();
    editor->clear();
    QPointer<aptui::InputTip> tip = aptui::InputTip::of(field);
    QVERIFY(tip);

    // A refused paste leaves the field as it was and says what it takes, next
    // to the field the user sees, and to screen readers.
    editor->insert(QStringLiteral("12a5"));
    QVERIFY(editor->text().isEmpty());
    QVERIFY(tip->isShowing() && tip->isVisible());
    QCOMPARE(tip->text(), tipText);
    QCOMPARE(tip->parentWidget(), &window);
    QCOMPARE(tip->x(), field->x());
    if (atWindowBottom)
        QVERIFY(tip->geometry().bottom() < field->y());
    else
        QVERIFY(tip->y() > field->geometry().bottom());
    QVERIFY(window.rect().contains(tip->geometry()));
    QCOMPARE(field->accessibleDescription(), tipText);

    // The next accepted key leaves the refusal up: the field shows what it
    // took, the tip what it would not. Its end gives the description back.
    QTest::keyClicks(field, QStringLiteral("7"));
    QCOMPARE(editor->text(), QStringLiteral("7"));
    QVERIFY(tip->isShowing());
    tip->dismiss();
    QVERIFY(!tip->isVisible());
    QCOMPARE(field->accessibleDescription(), QStringLiteral("Disk size"));

    // A message of the page's own, ended when the field goes out of sight.
    tip->showMessage(QStringLiteral("Enter a number"));
    QCOMPARE(tip->text(), QStringLiteral("Enter a number"));
    QVERIFY(tip->isShowing());
    field->hide();
    QVERIFY(!tip->isShowing());

    delete field;
    QVERIFY(tip.isNull());
}

void TestAptuiControls::tipGoesWithAFieldThatIsAWindow()
{
    // The tip is the field's own child then: it goes while the field is half
    // destroyed, no line edit any more (the sanitizer build tells).
    auto *field = new QLineEdit;
    field->setAccessibleDescription(QStringLiteral("Disk size"));
    QPointer<aptui::InputTip> tip = new aptui::InputTip(field, QStringLiteral("Whole numbers"));
    QCOMPARE(tip->parentWidget(), field);
    tip->showMessage();
    QCOMPARE(field->accessibleDescription(), QStringLiteral("Whole numbers"));
    delete field;
    QVERIFY(tip.isNull());
}

void TestAptuiControls::switchOffAnnouncesInOrderOnce()
{
    aptui::Switch sw(true);
    SignalRecorder recorder;
    recorder.watch(&sw, &aptui::Switch::checkedChanged, QStringLiteral("checkedChanged"));
    recorder.watch(&sw, &aptui::Switch::signalSwitch, QStringLiteral("signalSwitch"));
    recorder.watch(&sw, &aptui::Switch::signalON, QStringLiteral("signalON"));
    recorder.watch(&sw, &aptui::Switch::signalOFF, QStringLiteral("signalOFF"));

    sw.switchOff();
    QCOMPARE(recorder.events(), (QStringList{QStringLiteral("checkedChanged(OFF)"),
                                             QStringLiteral("signalSwitch(false)"), QStringLiteral("signalOFF")}));
    QCOMPARE(sw.property("checked").toString(), QStringLiteral("OFF"));
    QVERIFY(!TestUi::findButton(&sw, QStringLiteral("m_btnON"))->isChecked());
    QVERIFY(TestUi::findButton(&sw, QStringLiteral("m_btnOFF"))->isChecked());

    recorder.clear();
    sw.switchOff();
    QVERIFY(recorder.events().isEmpty());

    sw.switchOn();
    QCOMPARE(recorder.events(), (QStringList{QStringLiteral("checkedChanged(ON)"), QStringLiteral("signalSwitch(true)"),
                                             QStringLiteral("signalON")}));
}

void TestAptuiControls::switchPropertyWrite_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("expectOn");

    QTest::newRow("lower case on") << QStringLiteral("on") << true;
    QTest::newRow("upper case ON") << QStringLiteral("ON") << true;
    QTest::newRow("mixed case oN") << QStringLiteral("oN") << true;
    QTest::newRow("OFF") << QStringLiteral("OFF") << false;
    QTest::newRow("other word") << QStringLiteral("yes") << false;
    QTest::newRow("padded on") << QStringLiteral(" on") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestAptuiControls::switchPropertyWrite()
{
    QFETCH(QString, written);
    QFETCH(bool, expectOn);

    aptui::Switch sw(!expectOn);
    QSignalSpy switched(&sw, &aptui::Switch::signalSwitch);
    QVERIFY(sw.setProperty("checked", written));

    QCOMPARE(sw.isOn(), expectOn);
    QCOMPARE(sw.property("checked").toString(), expectOn ? QStringLiteral("ON") : QStringLiteral("OFF"));
    QCOMPARE(switched.count(), 1);
    QCOMPARE(switched.first().first().toBool(), expectOn);
    QCOMPARE(TestUi::findButton(&sw, QStringLiteral("m_btnON"))->isChecked(), expectOn);
    QCOMPARE(TestUi::findButton(&sw, QStringLiteral("m_btnOFF"))->isChecked(), !expectOn);
}

void TestAptuiControls::switchClickOnCheckedButtonKeepsIt()
{
    aptui::Switch sw(true);
    SignalRecorder recorder;
    recorder.watch(&sw, &aptui::Switch::checkedChanged, QStringLiteral("checkedChanged"));
    recorder.watch(&sw, &aptui::Switch::signalSwitch, QStringLiteral("signalSwitch"));
    recorder.watch(&sw, &aptui::Switch::signalON, QStringLiteral("signalON"));
    recorder.watch(&sw, &aptui::Switch::signalOFF, QStringLiteral("signalOFF"));

    QAbstractButton *on = TestUi::findButton(&sw, QStringLiteral("m_btnON"));
    on->click();
    QVERIFY(recorder.events().isEmpty());
    QVERIFY(on->isChecked());
    QVERIFY(!TestUi::findButton(&sw, QStringLiteral("m_btnOFF"))->isChecked());
    QVERIFY(sw.isOn());
}

void TestAptuiControls::switchClickOnOtherButtonSwitches()
{
    aptui::Switch sw(true);
    QSignalSpy off(&sw, &aptui::Switch::signalOFF);
    QAbstractButton *onButton = TestUi::findButton(&sw, QStringLiteral("m_btnON"));
    QAbstractButton *offButton = TestUi::findButton(&sw, QStringLiteral("m_btnOFF"));

    offButton->click();
    QCOMPARE(off.count(), 1);
    QVERIFY(!sw.isOn());
    QVERIFY(offButton->isChecked());
    QVERIFY(!onButton->isChecked());

    offButton->click();
    QCOMPARE(off.count(), 1);
    QVERIFY(offButton->isChecked());
}

void TestAptuiControls::switchStartsInGivenState()
{
    aptui::Switch sw(false);
    QCOMPARE(sw.objectName(), QStringLiteral("Switcher"));
    QCOMPARE(sw.property("checked").toString(), QStringLiteral("OFF"));
    QVERIFY(TestUi::findButton(&sw, QStringLiteral("m_btnOFF"))->isChecked());
    QVERIFY(!TestUi::findButton(&sw, QStringLiteral("m_btnON"))->isChecked());
}

void TestAptuiControls::switchButtonsFollowHeight()
{
    aptui::Switch sw(true);
    sw.show();
    sw.resize(150, 41);
    QCoreApplication::processEvents();
    QCOMPARE(TestUi::findButton(&sw, QStringLiteral("m_btnON"))->height(), 41);
    QCOMPARE(TestUi::findButton(&sw, QStringLiteral("m_btnOFF"))->height(), 41);
}

void TestAptuiControls::labelJoinsTextAndPunctuation()
{
    aptui::Label label;
    label.setStrText(QStringLiteral("Count"));
    label.setStrPunctuation(QStringLiteral(":"));
    QCOMPARE(label.text(), QStringLiteral("Count:"));

    label.setStrText(QStringLiteral("Bitrate"));
    QCOMPARE(label.text(), QStringLiteral("Bitrate:"));
    QVERIFY(label.setProperty("strPunctuation", QStringLiteral("!")));
    QCOMPARE(label.text(), QStringLiteral("Bitrate!"));
}

void TestAptuiControls::labelWithTextConstructor()
{
    aptui::Label label(QStringLiteral("Total"), nullptr, Qt::WindowFlags());
    QCOMPARE(label.strText(), QStringLiteral("Total"));
    QVERIFY(label.strPunctuation().isEmpty());
    QCOMPARE(label.text(), QStringLiteral("Total"));
    label.setStrPunctuation(QStringLiteral(":"));
    QCOMPARE(label.text(), QStringLiteral("Total:"));
}

void TestAptuiControls::mouseSignals_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("expected");

    QTest::newRow("press") << QStringLiteral("press") << QStringLiteral("clicked");
    QTest::newRow("double click") << QStringLiteral("double") << QStringLiteral("double");
    QTest::newRow("enter") << QStringLiteral("enter") << QStringLiteral("enter");
    QTest::newRow("leave") << QStringLiteral("leave") << QStringLiteral("leave");
    QTest::newRow("release alone") << QStringLiteral("release") << QString();
}

void TestAptuiControls::mouseSignals()
{
    QFETCH(QString, action);
    QFETCH(QString, expected);

    aptui::Widget widget;
    aptui::Label label;
    widget.resize(40, 20);
    label.resize(40, 20);

    SignalRecorder recorder;
    recorder.watch(&widget, &aptui::Widget::signalMouseClicked, QStringLiteral("widget:clicked"));
    recorder.watch(&widget, &aptui::Widget::signalDoubleClicked, QStringLiteral("widget:double"));
    recorder.watch(&widget, &aptui::Widget::signalMouseEnter, QStringLiteral("widget:enter"));
    recorder.watch(&widget, &aptui::Widget::signalMouseLeave, QStringLiteral("widget:leave"));
    recorder.watch(&label, &aptui::Label::SignalMouseClicked, QStringLiteral("label:clicked"));
    recorder.watch(&label, &aptui::Label::SignalDoubleClicked, QStringLiteral("label:double"));
    recorder.watch(&label, &aptui::Label::SignalMouseEnter, QStringLiteral("label:enter"));
    recorder.watch(&label, &aptui::Label::SignalMouseLeave, QStringLiteral("label:leave"));

    for (QWidget *target : {static_cast<QWidget *>(&widget), static_cast<QWidget *>(&label)}) {
        if (action == QLatin1String("press"))
            TestUi::sendMousePress(target);
        else if (action == QLatin1String("release"))
            TestUi::sendMouseRelease(target);
        else if (action == QLatin1String("double")) {
            QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &event);
        } else if (action == QLatin1String("enter"))
            TestUi::sendEnter(target);
        else
            TestUi::sendLeave(target);
    }

    const QStringList want =
        expected.isEmpty() ? QStringList()
                           : QStringList{QStringLiteral("widget:") + expected, QStringLiteral("label:") + expected};
    QCOMPARE(recorder.events(), want);
}

void TestAptuiControls::widgetDoesNotConsumePress()
{
    PressCounter parent;
    parent.resize(100, 100);
    auto *child = new aptui::Widget(&parent);
    child->setGeometry(10, 10, 40, 40);
    auto *label = new aptui::Label(&parent);
    label->setGeometry(50, 50, 40, 40);
    QSignalSpy clicked(child, &aptui::Widget::signalMouseClicked);

    TestUi::sendMousePress(child);
    TestUi::sendMousePress(label);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(parent.presses, 2);
}

void TestAptuiControls::widgetPaintsStyleSheetBackground()
{
    aptui::Widget widget;
    widget.setObjectName(QStringLiteral("panel"));
    widget.setStyleSheet(QStringLiteral("#panel { background: rgb(10, 200, 30); }"));
    widget.resize(20, 20);
    const QImage image = widget.grab().toImage();
    QCOMPARE(image.pixelColor(10, 10), QColor(10, 200, 30));
}

void TestAptuiControls::coverFillsItself()
{
    aptui::CoverWidget cover;
    cover.resize(200, 120);
    cover.show();
    QCoreApplication::processEvents();
    auto *inner = cover.findChild<QWidget *>(QStringLiteral("m_cover"));
    QVERIFY(inner);
    QCOMPARE(inner->geometry(), cover.rect());
    QVERIFY(cover.testAttribute(Qt::WA_TranslucentBackground));
}

QTEST_MAIN(TestAptuiControls)
#include "tst_aptui_controls.moc"
