#include "aptui/CDlgAbout.h"

#include "aptui/Widget.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace aptui {

CDlgAbout::CDlgAbout(QObject *parent) : QWidgetAction(parent)
{
    m_panel = new Widget();
    setupForm();
    //: Title of the about panel (the program's name, version and licences).
    m_panel->setWindowTitle(tr("About"));
    m_panel->setFixedSize(288, 134);
    m_panel->setObjectName(QStringLiteral("AboutDialog_ID_FX_CANNOT_BE_MULTI"));
    // The action owns the panel from here on.
    setDefaultWidget(m_panel);

    //: The about panel's version line until the program sets its own: %1 the version number, %2 the build
    //: date as yyyymmdd.
    setVersion(
        tr("Version %1, build %2").arg(QStringLiteral("2.0.0.3")).arg(buildDateNumber(QString::fromLatin1(__DATE__))));

    connect(m_aboutbtn1, &QPushButton::clicked, this, &CDlgAbout::siganlBtn1Clicked);
    connect(m_aboutbtn2, &QPushButton::clicked, this, &CDlgAbout::siganlBtn2Clicked);
    connect(m_conerBtn, &QPushButton::clicked, this, &CDlgAbout::signalConerBtnClicked);
}

void CDlgAbout::setupForm()
{
    auto *layout = new QVBoxLayout(m_panel);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    layout->setContentsMargins(12, 4, 4, 4);
    layout->setSpacing(2);

    auto *top = new QHBoxLayout();
    top->setObjectName(QStringLiteral("topLayout"));
    top->addStretch();
    m_conerBtn = new QPushButton(m_panel);
    m_conerBtn->setObjectName(QStringLiteral("m_conerBtn"));
    top->addWidget(m_conerBtn);
    layout->addLayout(top);

    auto *info = new QHBoxLayout();
    info->setObjectName(QStringLiteral("infoLayout"));
    info->setSpacing(8);
    m_softIcon = new QLabel(m_panel);
    m_softIcon->setObjectName(QStringLiteral("SoftIcon"));
    m_softIcon->setFixedSize(32, 32);
    //: What a screen reader says for the program's icon in the about panel.
    m_softIcon->setAccessibleName(tr("Program icon"));
    if (const QIcon icon = QApplication::windowIcon(); !icon.isNull())
        m_softIcon->setPixmap(icon.pixmap(32, 32));
    info->addWidget(m_softIcon);
    auto *texts = new QVBoxLayout();
    texts->setObjectName(QStringLiteral("textLayout"));
    texts->setSpacing(0);
    m_labNameValue = new QLabel(m_panel);
    m_labNameValue->setObjectName(QStringLiteral("m_labNameValue"));
    texts->addWidget(m_labNameValue);
    m_labVersionValue = new QLabel(m_panel);
    m_labVersionValue->setObjectName(QStringLiteral("m_labVersionValue"));
    texts->addWidget(m_labVersionValue);
    info->addLayout(texts, 1);
    layout->addLayout(info);

    m_aboutLine1 = new QFrame(m_panel);
    m_aboutLine1->setObjectName(QStringLiteral("aboutLine1"));
    m_aboutLine1->setFrameShape(QFrame::HLine);
    layout->addWidget(m_aboutLine1);
    m_aboutbtn1 = new QPushButton(m_panel);
    m_aboutbtn1->setObjectName(QStringLiteral("aboutbtn1"));
    layout->addWidget(m_aboutbtn1);

    m_aboutLine2 = new QFrame(m_panel);
    m_aboutLine2->setObjectName(QStringLiteral("aboutLine2"));
    m_aboutLine2->setFrameShape(QFrame::HLine);
    layout->addWidget(m_aboutLine2);
    m_aboutbtn2 = new QPushButton(m_panel);
    m_aboutbtn2->setObjectName(QStringLiteral("aboutbtn2"));
    layout->addWidget(m_aboutbtn2);
}

void CDlgAbout::setName(const QString &text)
{
    m_labNameValue->setText(text);
    // The name may be cut off in the narrow panel.
    m_labNameValue->setToolTip(text);
}

void CDlgAbout::setVersion(const QString &text)
{
    m_labVersionValue->setText(text);
}

QString CDlgAbout::version() const
{
    return m_labVersionValue->text();
}

void CDlgAbout::setButton1Text(const QString &text)
{
    m_aboutbtn1->setText(text);
}

void CDlgAbout::setButton2Text(const QString &text)
{
    m_aboutbtn2->setText(text);
}

void CDlgAbout::setCornerButtonText(const QString &text)
{
    m_conerBtn->setText(text);
}

void CDlgAbout::setButton1Visible(bool visible)
{
    setButtonVisible(m_aboutbtn1, visible);
}

void CDlgAbout::setButton2Visible(bool visible)
{
    setButtonVisible(m_aboutbtn2, visible);
}

void CDlgAbout::setButtonVisible(QPushButton *button, bool visible)
{
    // Visible on screen: while the panel is not shown yet, no button counts as
    // visible, so a panel set up before it is shown gets no trailing separator.
    const bool wasVisible = button->isVisible();
    m_aboutLine1->setVisible(wasVisible || visible);
    m_aboutLine2->setVisible(wasVisible && visible);
    button->setVisible(visible);
}

void CDlgAbout::setCornerButtonVisible(bool visible)
{
    m_conerBtn->setVisible(visible);
}

void CDlgAbout::setButtonsVisible(bool visible)
{
    m_aboutLine1->setVisible(visible);
    m_aboutbtn1->setVisible(visible);
    m_aboutLine2->setVisible(visible);
    m_aboutbtn2->setVisible(visible);
}

int CDlgAbout::buildDateNumber(const QString &buildDate)
{
    static const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QStringList parts = buildDate.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 3)
        return 0;

    int month = 0;
    for (int i = 0; i < 12; ++i) {
        if (parts.at(0) == QLatin1String(months[i])) {
            month = i + 1;
            break;
        }
    }
    bool dayOk = false;
    bool yearOk = false;
    const int day = parts.at(1).toInt(&dayOk);
    const int year = parts.at(2).toInt(&yearOk);
    if (month == 0 || !dayOk || day < 1 || day > 31 || !yearOk || year < 1000 || year > 9999)
        return 0;

    const QString joined = QString::number(year) + QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')) +
                           QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
    return joined.toInt();
}

} // namespace aptui
