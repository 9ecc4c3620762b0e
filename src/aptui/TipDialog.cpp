#include "aptui/TipDialog.h"

#include <QLabel>
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
    m_labelTip->setText(tr("sure"));
    layout->addWidget(m_labelTip);
    layout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));

    setContentWidget(m_body);
    setEnableDefaultConnections(true, true, true, true, true);
}

void TipDialog::setText(const QString &text)
{
    m_labelTip->setText(text);
}

} // namespace NM_Vantor
