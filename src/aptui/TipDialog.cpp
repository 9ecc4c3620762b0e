#include "aptui/TipDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace NM_Vantor {

TipDialog::TipDialog(QWidget *parent) : BaseDialog(false, false, false, false, true, true, true, parent)
{
    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("TipDialog"));
    m_body->resize(323, 150);

    auto *layout = new QVBoxLayout(m_body);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    layout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
    m_labelTip = new QLabel(m_body);
    m_labelTip->setObjectName(QStringLiteral("m_labelTip"));
    m_labelTip->setAlignment(Qt::AlignCenter);
    m_labelTip->setWordWrap(true);
    // Questions name plans and files: shown as written, never as markup.
    m_labelTip->setTextFormat(Qt::PlainText);
    //: Placeholder of a question dialog's text until its caller sets the question ("Are you sure?").
    m_labelTip->setText(tr("sure"));
    layout->addWidget(m_labelTip);
    layout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));

    setContentWidget(m_body);
    setEnableDefaultConnections(true, true, true, true, true);
    // Named until the caller gives the question its own title.
    //: Title of a dialog that asks the user to confirm or cancel (a noun).
    setTitle(tr("Question"));
}

void TipDialog::setText(const QString &text)
{
    m_labelTip->setText(text);
}

QPushButton *TipDialog::addAnswerButton(const QString &text, const QString &objectName, int answer)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(objectName);
    button->setMinimumSize(72, 30);
    button->setAutoDefault(false);
    addBottomWidget(button);
    connect(button, &QPushButton::clicked, this, [this, answer] { done(answer); });
    return button;
}

} // namespace NM_Vantor
