#pragma once

#include <QPushButton>
#include <QString>

// One scene of the scene selector's column, known to the selector as
// ScenceSelector::ScenceQRaidoButton. Only the selected button is checkable, so
// a click on another one does not toggle it but only reports its number.
class ScenceQRaidoButton : public QPushButton
{
    Q_OBJECT

public:
    ScenceQRaidoButton(QWidget *parent, int scenceType, const QString &scenceName);

    int scenceType() const { return m_scenceType; }

signals:
    void signalScenceButtonClick(int scenceType);

public slots:
    void OnScenceButtonClicked();

private:
    int m_scenceType;
};
