#include "aptui/WindowTitle.h"

#include "aptui/ElidedLabel.h"
#include "aptui/Repolish.h"
#include "aptui/SystemMenu.h"
#include "host/CHBoxLayout.h"
#include "host/CWidgetItem.h"
#include "host/WindowHelpers.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace aptui {

namespace {
const QSize kButtonSize(24, 24);
}

WindowTitle::WindowTitle(QWidget *parent) : CFancyTitle(parent)
{
    setObjectName(QStringLiteral("WindowTitle"));
    setFixedHeight(35);
    // Double clicks are handled here so that the maximise button's look follows.
    SetOpenDoubleClickEnable(false);

    m_labelTitle = new ElidedLabel(this);
    m_labelTitle->setObjectName(QStringLiteral("m_labelTitle"));

    m_btnIcon = makeButton(QStringLiteral("m_btnIcon"), Qt::NoFocus);
    m_btnIcon->setAccessibleName(tr("Application icon"));

    // The window's own buttons are stops of Tab like any other control.
    m_btnMinimize = makeButton(QStringLiteral("m_btnMinimize"), Qt::StrongFocus);
    //: Title-bar button that shrinks the window to the taskbar (a verb).
    m_btnMinimize->setAccessibleName(tr("Minimize"));
    //: Tool tip of the same title-bar button (a verb).
    m_btnMinimize->setToolTip(tr("Minimize"));

    m_btnMaximize = makeButton(QStringLiteral("m_btnMaximize"), Qt::StrongFocus);
    describeMaximizeButton(false);

    m_btnClose = makeButton(QStringLiteral("m_btnClose"), Qt::StrongFocus);
    //: Title-bar button that closes the window (a verb).
    m_btnClose->setAccessibleName(tr("Close"));
    //: Tool tip of the same title-bar button (a verb).
    m_btnClose->setToolTip(tr("Close"));
    m_btnClose->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

    m_btnSystemMenu = new QToolButton(this);
    m_btnSystemMenu->setObjectName(QStringLiteral("m_btnSystemMenu"));
    m_btnSystemMenu->setFixedSize(kButtonSize);
    m_btnSystemMenu->setFocusPolicy(Qt::StrongFocus);
    m_btnSystemMenu->setAccessibleName(tr("System menu"));
    m_btnSystemMenu->setToolTip(tr("System menu"));

    m_systemMenu = new SystemMenu(this);

    auto *layout = new FenwaGUIToolkit::CHBoxLayout(this);
    layout->SetLayoutContentsMargins(4, 0, 4, 0);
    layout->SetLayoutSpacing(10);
    layout->AddWidget(m_btnIcon);
    layout->AddItem(new FenwaGUIToolkit::CWidgetItem(m_labelTitle, Qt::AlignLeft));
    layout->AddItem(new QSpacerItem(5, 0, QSizePolicy::Fixed, QSizePolicy::Minimum));

    auto *buttons = new QWidget(this);
    buttons->setObjectName(QStringLiteral("m_widgetButtons"));
    auto *row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addStretch();
    row->addWidget(m_btnSystemMenu);
    row->addSpacerItem(new QSpacerItem(12, 0, QSizePolicy::Fixed, QSizePolicy::Minimum));
    row->addWidget(m_btnMinimize);
    row->addWidget(m_btnMaximize);
    row->addWidget(m_btnClose);
    layout->AddWidget(buttons);

    connect(m_btnMinimize, &QPushButton::clicked, this, &WindowTitle::minimizeWindow);
    // Queued, so the click finishes on the button before the window changes size under it.
    connect(m_btnMaximize, &QPushButton::clicked, this, &WindowTitle::maxOrRestoreWindow, Qt::QueuedConnection);
    connect(m_btnClose, &QPushButton::clicked, this, &WindowTitle::closeWindow);
    connect(m_btnSystemMenu, &QToolButton::clicked, this, &WindowTitle::displaySyetemMenu);
}

void WindowTitle::setTitle(const QString &text)
{
    m_labelTitle->setWholeText(text);
}

QWidget *WindowTitle::systemMenuButton() const
{
    return m_btnSystemMenu;
}

void WindowTitle::setIcon(const QIcon &icon)
{
    m_btnIcon->setIcon(icon);
}

void WindowTitle::minimizeWindow()
{
    if (QWidget *window = FenwaGUIToolkit::GetIndependentWindow(this, 0))
        window->showMinimized();
}

void WindowTitle::maxOrRestoreWindow()
{
    QWidget *window = FenwaGUIToolkit::GetIndependentWindow(this, 0);
    if (!window)
        return;

    if (IsMaximized(window)) {
        ShowNormal(window, QSize());
        m_btnMaximize->setObjectName(QStringLiteral("m_btnMaximize"));
        describeMaximizeButton(false);
    } else {
        ShowMaximized(window);
        m_btnMaximize->setObjectName(QStringLiteral("m_btnResore"));
        describeMaximizeButton(true);
    }
    // The style sheet picks the button's rule by object name.
    repolish(m_btnMaximize);
}

void WindowTitle::closeWindow()
{
    QWidget *window = FenwaGUIToolkit::GetIndependentWindow(this, 0);
    if (!window)
        return;
    window->close();
    emit signalCloseApp();
}

void WindowTitle::displaySyetemMenu()
{
    emit signalSystemMenu();
}

void WindowTitle::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        CFancyTitle::mouseDoubleClickEvent(event);
        return;
    }
    maxOrRestoreWindow();
    emit SignalWndSizeStatusChanged();
    event->accept();
}

QPushButton *WindowTitle::makeButton(const QString &objectName, Qt::FocusPolicy focus)
{
    auto *button = new QPushButton(this);
    button->setObjectName(objectName);
    button->setFixedSize(kButtonSize);
    button->setFocusPolicy(focus);
    return button;
}

void WindowTitle::describeMaximizeButton(bool maximized)
{
    //: Title-bar button: "Restore" brings a maximised window back to its size, "Maximize" fills the screen (verbs).
    const QString text = maximized ? tr("Restore") : tr("Maximize");
    m_btnMaximize->setAccessibleName(text);
    m_btnMaximize->setToolTip(text);
}

} // namespace aptui
