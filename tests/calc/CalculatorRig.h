#pragma once

// The calculator page wired as the main window wires it, for the calculator suites.
#include "aptui/CustomizedIntValidator.h"
#include "aptui/DecimalValidator.h"
#include "aptui/InputTip.h"
#include "calc/DataCalculatorPage.h"
#include "calc/DataDisplayPage.h"
#include "calc/SizeDisplayPage.h"
#include "host/TargetPath.h"

#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

namespace CalculatorRig {

inline const QString kSelected = QStringLiteral("border-bottom: 2px solid red; color:#666666;");
inline const QString kUnselected = QStringLiteral("border-bottom: 1px solid #DADADA; color:#BABABA;");

// The page as the main window wires it: both displays follow its signals.
struct Rig
{
    DataCalculatorPage page;
    QSignalSpy time{&page, &DataCalculatorPage::setTime};
    QSignalSpy size{&page, &DataCalculatorPage::setDiskSize};
    QSignalSpy exactTime{&page, &DataCalculatorPage::setExactTime};
    QSignalSpy exactSize{&page, &DataCalculatorPage::setExactDiskSize};

    Rig()
    {
        QObject::connect(&page, &DataCalculatorPage::setTime, timeDisplay(), &DataDisplayPage::displayTime,
                         Qt::DirectConnection);
        QObject::connect(&page, &DataCalculatorPage::setDiskSize, sizeDisplay(), &SizeDisplayPage::displaySize,
                         Qt::DirectConnection);
        // On screen, as in the window: the stack holds its pages once shown.
        page.show();
    }
    DataDisplayPage *timeDisplay() { return qobject_cast<DataDisplayPage *>(page.getDataDisplayPageTime()); }
    SizeDisplayPage *sizeDisplay() { return qobject_cast<SizeDisplayPage *>(page.getDataDisplayPageSize()); }

    template <typename T>
    T *child(const char *name)
    {
        return page.findChild<T *>(QLatin1String(name));
    }
    QLineEdit *diskSize() { return child<QLineEdit>("m_lineEditGT"); }
    QLineEdit *saveTime() { return child<QLineEdit>("m_lineEditSaveTime"); }
    QSpinBox *hours() { return child<QSpinBox>("m_spinBoxTime"); }
    QSpinBox *dailyHours() { return child<QSpinBox>("m_spinBoxDailyTime"); }
    QStackedWidget *stack() { return child<QStackedWidget>("m_tabWidgetSections"); }
    void click(const char *button) { child<QPushButton>(button)->click(); }

    Result result() const
    {
        Result r;
        page.fillResult(r);
        return r;
    }
    QStringList lastTime() const { return argsOf(time); }
    QStringList lastSize() const { return argsOf(size); }
    static QStringList argsOf(const QSignalSpy &spy)
    {
        QStringList out;
        if (!spy.isEmpty()) {
            for (const QVariant &arg : spy.last())
                out << arg.toString();
        }
        return out;
    }
    QStringList displayTexts()
    {
        QStringList out;
        for (QWidget *display :
             {static_cast<QWidget *>(timeDisplay()), static_cast<QWidget *>(sizeDisplay()), child<QWidget>("widget")}) {
            for (const QLabel *label : display->findChildren<QLabel *>())
                out << label->text();
        }
        return out;
    }
    QString labelText(QWidget *display, const char *name)
    {
        return display->findChild<QLabel *>(QLatin1String(name))->text();
    }
};

// Types text key by key; characters beyond ASCII come as the text of a key
// without a code, as a keyboard layout of their script sends them.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(widget, char(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// What an input method hands over when the user confirms a composition.
void commitText(QWidget *widget, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(widget, &event);
}

PlanCalculatorInputs planInputs(const char *diskSize, bool terabytes, int hours, const char *retention, int unit,
                                int dailyHours, int mode)
{
    PlanCalculatorInputs in;
    in.diskSize = QLatin1String(diskSize);
    in.diskInTerabytes = terabytes;
    in.retentionPageHoursPerDay = hours;
    in.retention = QLatin1String(retention);
    in.retentionUnit = unit;
    in.diskPageHoursPerDay = dailyHours;
    in.mode = mode;
    return in;
}

inline QString dayFigure(const QString &value)
{
    return DataDisplayPage::dayTemplate().arg(value);
}

} // namespace CalculatorRig

Q_DECLARE_METATYPE(PlanCalculatorInputs)
