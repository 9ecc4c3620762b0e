#include "aptui/WarningDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace NM_Vantor {

namespace {
const int kPictureSize = 32;
}

WarningDialog::WarningDialog(QWidget *parent) : QDialog(parent)
{
    setupForm();
    connect(m_btnClose, &QPushButton::clicked, this, &WarningDialog::onBtnClose);
}

WarningDialog::WarningDialog(int kind, const QString &text, QWidget *parent) : WarningDialog(parent)
{
    m_labelWarnText->setText(text);
    setKind(kind);
}

void WarningDialog::setupForm()
{
    setObjectName(QStringLiteral("WarningDialog"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    resize(310, 120);
    // The box draws no title bar, but the window system and screen readers
    // name it by its title; a kind names it more closely.
    //: Title of a small message box (read by screen readers and the task bar).
    setWindowTitle(tr("Message"));

    auto *outer = new QVBoxLayout(this);
    outer->setObjectName(QStringLiteral("verticalLayout"));
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    m_borderWidget = new QWidget(this);
    m_borderWidget->setObjectName(QStringLiteral("m_borderWidget"));
    outer->addWidget(m_borderWidget);

    auto *border = new QVBoxLayout(m_borderWidget);
    border->setObjectName(QStringLiteral("verticalLayoutBorder"));
    border->setContentsMargins(9, 4, 4, 9);
    border->setSpacing(0);

    auto *top = new QHBoxLayout();
    top->setObjectName(QStringLiteral("horizontalLayoutTop"));
    top->addStretch();
    m_btnClose = new QPushButton(m_borderWidget);
    m_btnClose->setObjectName(QStringLiteral("m_btnClose"));
    m_btnClose->setFixedSize(24, 24);
    //: Button (an icon) that closes the message box: a verb.
    m_btnClose->setAccessibleName(tr("Close"));
    m_btnClose->setToolTip(tr("Close"));
    top->addWidget(m_btnClose);
    border->addLayout(top);

    auto *message = new QHBoxLayout();
    message->setObjectName(QStringLiteral("horizontalLayoutMessage"));
    message->setSpacing(12);
    message->setContentsMargins(12, 0, 12, 0);
    m_labelWarnPicture = new QLabel(m_borderWidget);
    m_labelWarnPicture->setObjectName(QStringLiteral("m_labelWarnPicture"));
    m_labelWarnPicture->setFixedSize(kPictureSize, kPictureSize);
    message->addWidget(m_labelWarnPicture);
    m_labelWarnText = new QLabel(m_borderWidget);
    m_labelWarnText->setObjectName(QStringLiteral("m_labelWarnText"));
    m_labelWarnText->setWordWrap(true);
    // Messages name files and repeat what a server said: shown as written.
    m_labelWarnText->setTextFormat(Qt::PlainText);
    message->addWidget(m_labelWarnText, 1);
    border->addLayout(message);
    border->addStretch();
}

QString WarningDialog::picturePath(int kind)
{
    switch (kind) {
    case 0:
        return QStringLiteral(":/CommonSkin/KorvitTool/Images/KorvitTool/TipDialog/icon_alert_ok_large.png");
    case 1:
        return QStringLiteral(":/CommonSkin/KorvitTool/Images/KorvitTool/TipDialog/icon_alert_info_large.png");
    case 2:
        return QStringLiteral(":/CommonSkin/KorvitTool/Images/KorvitTool/TipDialog/icon_alert_error_large.png");
    default:
        return QString();
    }
}

void WarningDialog::setKind(int kind)
{
    const QString path = picturePath(kind);
    if (path.isEmpty()) {
        m_labelWarnPicture->hide();
        return;
    }

    // Names of the kinds, as the title of the box and of its picture (nouns).
    static const char *const kinds[] = {//: Title and picture name of a message box that reports a success.
                                        QT_TR_NOOP("Success"),
                                        //: Title and picture name of a message box that informs.
                                        QT_TR_NOOP("Information"),
                                        //: Title and picture name of a message box that reports an error.
                                        QT_TR_NOOP("Error")};
    const QString name = tr(kinds[kind]);
    setWindowTitle(name);
    m_labelWarnPicture->setAccessibleName(name);

    const QPixmap picture(path);
    if (!picture.isNull())
        m_labelWarnPicture->setPixmap(
            picture.scaled(kPictureSize, kPictureSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

int WarningDialog::showWarning(const QPoint &point, int kind, const QString &text)
{
    WarningDialog dialog(kind, text);
    dialog.move(point);
    return dialog.exec();
}

void WarningDialog::onBtnClose()
{
    close();
    emit signalWarnClose();
}

} // namespace NM_Vantor
