#include "device/ScenceQRaidoButton.h"

ScenceQRaidoButton::ScenceQRaidoButton(QWidget *parent, int scenceType, const QString &scenceName)
    : QPushButton(parent), m_scenceType(scenceType)
{
    setObjectName(QStringLiteral("ScenceQRaidoButton"));
    setText(scenceName);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QPushButton::clicked, this, &ScenceQRaidoButton::OnScenceButtonClicked);
}

void ScenceQRaidoButton::OnScenceButtonClicked()
{
    emit signalScenceButtonClick(m_scenceType);
}
