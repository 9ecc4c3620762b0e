#include "aptui/BaseTitle.h"

#include "aptui/ElidedLabel.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QPushButton>

namespace aptui {

BaseTitle::BaseTitle(bool appButtonShown, bool optionButtonShown, bool minButtonShown, bool maxButtonShown,
                     bool closeButtonShown, QWidget *parent)
    : CFancyTitle(parent)
{
    setObjectName(QStringLiteral("BaseTitle"));
    resize(428, 32);
    setMinimumHeight(32);

    m_layout = new QHBoxLayout(this);
    m_layout->setObjectName(QStringLiteral("horizontalLayout"));
    m_layout->setSpacing(3);
    m_layout->setContentsMargins(12, 3, 3, 3);

    //: Name and tooltip of the program-icon button at the left of a title bar, which opens the system menu.
    m_btnApp = makeButton(QStringLiteral("btnApp"), tr("Application menu"));
    m_layout->addWidget(m_btnApp);

    m_labelTitle = new ElidedLabel(this);
    m_labelTitle->setObjectName(QStringLiteral("labelTitle"));
    m_layout->addWidget(m_labelTitle);

    m_spacer = new QSpacerItem(243, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    m_layout->addItem(m_spacer);

    m_hlayoutCustomButtons = new QHBoxLayout();
    m_hlayoutCustomButtons->setObjectName(QStringLiteral("m_hlayoutCustomButtons"));
    m_hlayoutCustomButtons->setSpacing(6);
    m_layout->addLayout(m_hlayoutCustomButtons);

    auto *systemButtons = new QHBoxLayout();
    systemButtons->setObjectName(QStringLiteral("horizontalLayoutButtons"));
    systemButtons->setSpacing(3);
    systemButtons->setContentsMargins(0, 0, 0, 0);
    //: Name and tooltip of a title-bar button (an icon) that opens the options.
    m_btnOption = makeButton(QStringLiteral("btnOption"), tr("Options"));
    //: Name and tooltip of a title-bar button (an icon): a verb.
    m_btnMin = makeButton(QStringLiteral("btnMin"), tr("Minimize"));
    //: Name and tooltip of a title-bar button (an icon): a verb.
    m_btnMax = makeButton(QStringLiteral("btnMax"), tr("Maximize"));
    //: Name and tooltip of a title-bar button (an icon): a verb.
    m_btnClose = makeButton(QStringLiteral("btnClose"), tr("Close"));
    for (QPushButton *button : {m_btnOption, m_btnMin, m_btnMax, m_btnClose})
        systemButtons->addWidget(button);
    m_layout->addLayout(systemButtons);

    connect(m_btnApp, &QPushButton::clicked, this, &BaseTitle::signalAppButtonClicked);
    connect(m_btnOption, &QPushButton::clicked, this, &BaseTitle::signalOptionButtonClicked);
    connect(m_btnMin, &QPushButton::clicked, this, &BaseTitle::signalMinButtonClicked);
    connect(m_btnMax, &QPushButton::clicked, this, &BaseTitle::signalMaxButtonClicked);
    connect(m_btnClose, &QPushButton::clicked, this, &BaseTitle::signalCloseButtonClicked);

    setAppButtonShow(appButtonShown);
    setOptionButtonShow(optionButtonShown);
    setMinButtonShow(minButtonShown);
    setMaxButtonShow(maxButtonShown);
    setCloseButtonShow(closeButtonShown);
}

void BaseTitle::setAppButtonShow(bool showIt)
{
    showButton(m_btnApp, showIt);
}

void BaseTitle::setOptionButtonShow(bool showIt)
{
    showButton(m_btnOption, showIt);
}

void BaseTitle::setMinButtonShow(bool showIt)
{
    showButton(m_btnMin, showIt);
}

void BaseTitle::setMaxButtonShow(bool showIt)
{
    showButton(m_btnMax, showIt);
}

void BaseTitle::setCloseButtonShow(bool showIt)
{
    showButton(m_btnClose, showIt);
}

void BaseTitle::addCustomButton(QAbstractButton *button)
{
    if (button)
        m_hlayoutCustomButtons->addWidget(button);
}

void BaseTitle::setTitle(QString title)
{
    m_labelTitle->setWholeText(title);
}

void BaseTitle::setTitleIcon(QIcon icon)
{
    m_btnApp->setIcon(icon);
}

QPushButton *BaseTitle::makeButton(const QString &objectName, const QString &accessibleName)
{
    auto *button = new QPushButton(this);
    button->setObjectName(objectName);
    button->setMinimumSize(24, 24);
    button->setAccessibleName(accessibleName);
    button->setToolTip(accessibleName);
    return button;
}

void BaseTitle::showButton(QPushButton *button, bool showIt)
{
    // A hidden button must not answer its shortcut or keyboard focus either.
    button->setVisible(showIt);
    button->setEnabled(showIt);
}

} // namespace aptui
