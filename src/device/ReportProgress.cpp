#include "device/ReportProgress.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

ReportProgress::ReportProgress(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("m_reportProgress"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(8);

    //: Shown under the device list while the PDF report is being written.
    m_label = new QLabel(tr("Writing the report…"), this);
    m_label->setObjectName(QStringLiteral("m_labelReportProgress"));
    layout->addWidget(m_label);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("m_barReportProgress"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    //: What a screen reader says for the progress bar of the report being written.
    m_bar->setAccessibleName(tr("Report progress"));
    m_label->setBuddy(m_bar);
    layout->addWidget(m_bar, 1);
    //: Button: stops writing the report (a verb).
    m_btnCancel = new QPushButton(tr("Cancel"), this);
    m_btnCancel->setObjectName(QStringLiteral("m_btnCancelReport"));
    //: What a screen reader says for the button that stops writing the report.
    m_btnCancel->setAccessibleName(tr("Stop writing the report"));
    layout->addWidget(m_btnCancel);

    connect(m_btnCancel, &QPushButton::clicked, this, &ReportProgress::cancelClicked);
}

void ReportProgress::setProgress(int done, int total)
{
    m_bar->setValue(total > 0 ? int(qint64(done) * 100 / total) : 0);
}
