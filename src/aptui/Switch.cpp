#include "aptui/Switch.h"

#include "aptui/Repolish.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>

namespace aptui {

namespace {
const QString kOn = QStringLiteral("ON");
const QString kOff = QStringLiteral("OFF");
} // namespace

Switch::Switch(bool on, QWidget *parent) : QWidget(parent), m_state(on)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("Switcher"));
    resize(150, 23);

    m_layout = new QHBoxLayout(this);
    m_layout->setSpacing(0);
    m_layout->setContentsMargins(0, 0, 0, 0);

    m_btnON = new QPushButton(this);
    m_btnON->setObjectName(QStringLiteral("m_btnON"));
    m_btnON->setCheckable(true);
    m_btnON->setChecked(true);
    m_layout->addWidget(m_btnON);

    m_btnOFF = new QPushButton(this);
    m_btnOFF->setObjectName(QStringLiteral("m_btnOFF"));
    m_btnOFF->setCheckable(true);
    m_layout->addWidget(m_btnOFF);

    //: State text on a toggle switch (on, as opposed to off); keep it very short.
    setOnText(tr("ON"));
    //: State text on a toggle switch (off, as opposed to on); keep it very short.
    setOffText(tr("OFF"));

    connect(m_btnON, &QPushButton::toggled, this, &Switch::onBtnsToggled);
    connect(m_btnOFF, &QPushButton::toggled, this, &Switch::onBtnsToggled);

    // The state is already stored, so this only brings the buttons in line.
    setSwitch(on);
}

QString Switch::checked() const
{
    return m_state ? kOn : kOff;
}

void Switch::setChecked(const QString &text)
{
    const bool on = text.toUpper() == kOn;
    if (on == m_state)
        return;
    m_state = on;
    // A direct write of the property must not leave the buttons showing the old state.
    syncButtons(on);
    repolish();
    emit checkedChanged(checked());
    emit signalSwitch(m_state);
    if (m_state)
        emit signalON();
    else
        emit signalOFF();
}

void Switch::setOnText(const QString &text)
{
    m_btnON->setText(text);
    m_btnON->setToolTip(text);
}

void Switch::setOffText(const QString &text)
{
    m_btnOFF->setText(text);
    m_btnOFF->setToolTip(text);
}

void Switch::setOnIcon(const QIcon &icon, int size)
{
    m_btnON->setIcon(icon);
    m_btnON->setIconSize(QSize(size, size));
}

void Switch::setOffIcon(const QIcon &icon, int size)
{
    m_btnOFF->setIcon(icon);
    m_btnOFF->setIconSize(QSize(size, size));
}

void Switch::setSwitch(bool on)
{
    syncButtons(on);
    setProperty("checked", on ? kOn : kOff);
    repolish();
}

void Switch::onBtnsToggled(bool check)
{
    Q_UNUSED(check);
    if (sender() == m_btnON)
        setSwitch(true);
    else if (sender() == m_btnOFF)
        setSwitch(false);
}

void Switch::resizeEvent(QResizeEvent *event)
{
    m_btnON->setFixedHeight(event->size().height());
    m_btnOFF->setFixedHeight(event->size().height());
    QWidget::resizeEvent(event);
}

void Switch::syncButtons(bool on)
{
    const bool onBlocked = m_btnON->blockSignals(true);
    const bool offBlocked = m_btnOFF->blockSignals(true);
    m_btnON->setChecked(on);
    m_btnOFF->setChecked(!on);
    m_btnON->blockSignals(onBlocked);
    m_btnOFF->blockSignals(offBlocked);
}

void Switch::repolish()
{
    // Style-sheet rules that test the "checked" property are only re-read on polish.
    for (QWidget *widget :
         {static_cast<QWidget *>(this), static_cast<QWidget *>(m_btnON), static_cast<QWidget *>(m_btnOFF)})
        aptui::repolish(widget);
}

} // namespace aptui
