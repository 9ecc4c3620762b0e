#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The strip under the device list while a report is written: what is being
// done, how far it is, and a way to stop it. The window stays usable meanwhile.
class ReportProgress : public QWidget
{
    Q_OBJECT

public:
    explicit ReportProgress(QWidget *parent = nullptr);

public slots:
    void setProgress(int done, int total);

signals:
    void cancelClicked();

private:
    QLabel *m_label = nullptr;
    QProgressBar *m_bar = nullptr;
    QPushButton *m_btnCancel = nullptr;
};
