#include "aptui/BaseDialog.h"

#include "aptui/BaseTitle.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace aptui {

namespace {

// The height a box layout gives the widget when it has no room to spare.
int layoutHeight(const QWidget *widget)
{
    if (!widget || widget->isHidden())
        return 0;
    return widget->sizeHint()
        .expandedTo(widget->minimumSizeHint())
        .boundedTo(widget->maximumSize())
        .expandedTo(widget->minimumSize())
        .height();
}

} // namespace

BaseDialog::BaseDialog(bool appButtonShown, bool optionButtonShown, bool minButtonShown, bool maxButtonShown,
                       bool closeButtonShown, bool confirmButtonShown, bool cancelButtonShown, QWidget *parent)
    : QDialog(parent)
{
    setupForm();

    m_title = new BaseTitle(appButtonShown, optionButtonShown, minButtonShown, maxButtonShown, closeButtonShown, this);
    m_titleLayout->addWidget(m_title);

    m_btnConfirm->setVisible(confirmButtonShown);
    m_btnConfirm->setEnabled(confirmButtonShown);
    m_btnCancel->setVisible(cancelButtonShown);
    m_btnCancel->setEnabled(cancelButtonShown);

    connect(m_title, &BaseTitle::signalAppButtonClicked, this, &BaseDialog::signalAppButtonClicked);
    connect(m_title, &BaseTitle::signalOptionButtonClicked, this, &BaseDialog::signalOptionButtonClicked);
    connect(m_title, &BaseTitle::signalMinButtonClicked, this, &BaseDialog::signalMinButtonClicked);
    connect(m_title, &BaseTitle::signalMaxButtonClicked, this, &BaseDialog::signalMaxButtonClicked);
    connect(m_title, &BaseTitle::signalCloseButtonClicked, this, &BaseDialog::signalCloseButtonClicked);

    connect(m_btnConfirm, &QPushButton::clicked, this, &BaseDialog::onConfirmBtnClicked);
    connect(m_btnCancel, &QPushButton::clicked, this, &BaseDialog::onCancelBtnClicked);

    setEnableDefaultConnections(true, true, true, true, true);

    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
}

void BaseDialog::setupForm()
{
    setObjectName(QStringLiteral("BaseDialog"));
    resize(400, 475);

    m_verticalLayout = new QVBoxLayout(this);
    m_verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    m_verticalLayout->setSpacing(0);
    m_verticalLayout->setContentsMargins(0, 0, 0, 0);

    m_titleLayout = new QHBoxLayout();
    m_titleLayout->setObjectName(QStringLiteral("titleLayout"));
    m_titleLayout->setSpacing(6);
    m_titleLayout->setContentsMargins(0, 0, 0, 0);
    m_verticalLayout->addLayout(m_titleLayout);

    m_mainBorder = new QWidget(this);
    m_mainBorder->setObjectName(QStringLiteral("mainBorder"));
    // Room to spare goes to the body; the bars keep their heights.
    m_mainBorder->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    m_borderLayout = new QVBoxLayout(m_mainBorder);
    m_borderLayout->setObjectName(QStringLiteral("BorderLayout"));
    m_borderLayout->setSpacing(0);
    m_borderLayout->setContentsMargins(0, 0, 0, 0);
    m_labelNULL = new QLabel(m_mainBorder);
    m_labelNULL->setObjectName(QStringLiteral("m_labelNULL"));
    //: Placeholder of a dialog's text until its caller sets one; hardly ever seen.
    m_labelNULL->setText(tr("null content"));
    m_labelNULL->setAlignment(Qt::AlignCenter);
    m_labelNULL->setWordWrap(true);
    m_borderLayout->addWidget(m_labelNULL);
    m_verticalLayout->addWidget(m_mainBorder);

    m_bottom = new QWidget(this);
    m_bottom->setObjectName(QStringLiteral("m_BaseDialogBottom"));
    m_bottom->setMinimumHeight(50);
    m_bottomLayout = new QHBoxLayout(m_bottom);
    m_bottomLayout->setObjectName(QStringLiteral("horizontalLayout"));
    m_bottomLayout->setSpacing(6);
    m_bottomLayout->setContentsMargins(11, 11, 11, 11);
    m_bottomLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));

    m_layoutMyBtns = new QHBoxLayout();
    m_layoutMyBtns->setObjectName(QStringLiteral("layoutMyBtns"));
    m_layoutMyBtns->setSpacing(6);
    m_bottomLayout->addLayout(m_layoutMyBtns);

    m_btnLayout = new QHBoxLayout();
    m_btnLayout->setObjectName(QStringLiteral("btnLayout"));
    m_btnLayout->setSpacing(6);
    m_btnConfirm = new QPushButton(m_bottom);
    m_btnConfirm->setObjectName(QStringLiteral("btnConfirm"));
    m_btnConfirm->setMinimumSize(72, 30);
    //: Button of a dialog: accepts (a verb).
    m_btnConfirm->setText(tr("Confirm"));
    m_btnLayout->addWidget(m_btnConfirm);
    m_btnCancel = new QPushButton(m_bottom);
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));
    m_btnCancel->setMinimumSize(72, 30);
    //: Button of a dialog: closes it without doing anything (a verb).
    m_btnCancel->setText(tr("Cancel"));
    m_btnLayout->addWidget(m_btnCancel);
    m_bottomLayout->addLayout(m_btnLayout);

    m_verticalLayout->addWidget(m_bottom);
}

void BaseDialog::setFixedDialogSize(int width, int height)
{
    m_fixedSize = QSize(width, height);
    QDialog::setFixedSize(width, height);
    applyBodyHeight();
}

void BaseDialog::showEvent(QShowEvent *event)
{
    // A dialog its caller did not place opens over the window it answers to,
    // not in the middle of the screen.
    if (!parentWidget() && !testAttribute(Qt::WA_Moved)) {
        const QWidget *anchor = QApplication::activeWindow();
        if (anchor && anchor != this && !event->spontaneous())
            move(anchor->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    // The style sheet, applied on the first show, may change the bars' heights.
    applyBodyHeight();
    QDialog::showEvent(event);
}

void BaseDialog::applyBodyHeight()
{
    if (!m_fixedSize.isValid())
        return;
    const int body = qMax(0, m_fixedSize.height() - titleBarHeight() - bottomBarHeight());
    m_mainBorder->setFixedSize(m_fixedSize.width(), body);
}

int BaseDialog::titleBarHeight() const
{
    return layoutHeight(m_title);
}

int BaseDialog::bottomBarHeight() const
{
    // A hidden bottom bar takes no room, so the body gets it.
    return layoutHeight(m_bottom);
}

void BaseDialog::setContentWidget(QWidget *widget)
{
    while (QLayoutItem *item = m_borderLayout->takeAt(0)) {
        QWidget *old = item->widget();
        delete item;
        if (!old || old == widget)
            continue;
        if (old == m_labelNULL)
            m_labelNULL = nullptr;
        delete old;
    }
    // The default label is gone for good; the text setters check for it.
    delete m_labelNULL;
    m_labelNULL = nullptr;

    if (widget)
        m_borderLayout->addWidget(widget);
}

void BaseDialog::addBottomWidget(QWidget *widget)
{
    if (widget)
        m_layoutMyBtns->addWidget(widget);
}

void BaseDialog::setConfirmEnabled(bool enabled)
{
    m_btnConfirm->setEnabled(enabled);
}

void BaseDialog::addTitleButton(QAbstractButton *button)
{
    m_title->addCustomButton(button);
}

void BaseDialog::setEnableDefaultConnections(bool enableMin, bool enableMax, bool enableClose, bool enableConfirm,
                                             bool enableCancel)
{
    if (!enableMin && m_minConnected)
        disconnect(m_minConnection);
    else if (enableMin && !m_minConnected)
        m_minConnection = connect(m_title, &BaseTitle::signalMinButtonClicked, this, &QWidget::showMinimized);
    m_minConnected = enableMin;

    if (!enableMax && m_maxConnected)
        disconnect(m_maxConnection);
    else if (enableMax && !m_maxConnected)
        m_maxConnection = connect(m_title, &BaseTitle::signalMaxButtonClicked, this, &BaseDialog::restoreWindow);
    m_maxConnected = enableMax;

    if (!enableClose && m_closeConnected)
        disconnect(m_closeConnection);
    else if (enableClose && !m_closeConnected)
        m_closeConnection = connect(m_title, &BaseTitle::signalCloseButtonClicked, this, &QWidget::close);
    m_closeConnected = enableClose;

    m_confirmCloses = enableConfirm;
    m_cancelCloses = enableCancel;
}

void BaseDialog::setTitle(QString title)
{
    m_title->setTitle(title);
    // Also the name the window system and screen readers announce.
    setWindowTitle(title);
}

void BaseDialog::setDefaultText(QString text, int fontSize, bool blod)
{
    if (!m_labelNULL)
        return;
    const QString html = blod ? QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-size:%2pt; "
                                               "font-weight:600;\">%1</span></p></body></html>")
                              : QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" "
                                               "font-size:%2pt;\">%1</span></p></body></html>");
    // The pattern is markup, the text is not: a name in it reads as written.
    m_labelNULL->setTextFormat(Qt::RichText);
    m_labelNULL->setText(html.arg(text.toHtmlEscaped(), QString::number(fontSize)));
}

void BaseDialog::setDefaultText(QString text, int fontSize)
{
    setDefaultText(text, fontSize, false);
}

void BaseDialog::setDefaultText(QString text)
{
    if (!m_labelNULL)
        return;
    m_labelNULL->setTextFormat(Qt::PlainText);
    m_labelNULL->setText(text);
}

void BaseDialog::setConfirmButtonText(QString text)
{
    m_btnConfirm->setText(text);
}

void BaseDialog::setCancelButtonText(QString text)
{
    m_btnCancel->setText(text);
}

void BaseDialog::setBottomBarHeight(int height)
{
    m_bottom->setFixedHeight(height);
    applyBodyHeight();
}

void BaseDialog::setBottomVisible(bool value)
{
    m_bottom->setVisible(value);
    applyBodyHeight();
}

void BaseDialog::onConfirmBtnClicked()
{
    if (m_confirmCloses)
        accept();
    emit signalConfirmButtonClicked();
}

void BaseDialog::onCancelBtnClicked()
{
    if (m_cancelCloses)
        close();
    emit signalCancelButtonClicked();
}

void BaseDialog::restoreWindow()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void BaseDialog::showHint(const QString &text, const QSize &size)
{
    BaseDialog dialog(false, false, false, false, true, false, false);
    dialog.setFixedSize(size);
    //: Title of a short message with a close button only.
    dialog.setTitle(tr("Hint"));
    dialog.setBottomVisible(false);
    dialog.setObjectName(QStringLiteral("APP_WARNINGDLG"));
    dialog.setDefaultText(text);
    dialog.exec();
}

} // namespace aptui
