#include "device/ReportExport.h"

#include "device/DeviceReport.h"

#include <QThread>

ReportExport::ReportExport(QObject *parent) : QObject(parent) {}

ReportExport::~ReportExport()
{
    if (m_thread) {
        disconnect(m_thread, nullptr, this, nullptr);
        m_cancel->store(true);
        m_thread->wait();
        delete m_thread;
    }
}

bool ReportExport::start(const ReportDocument &document, const QString &fileName)
{
    if (m_thread)
        return false;
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    auto outcome = std::make_shared<ReportOutcome>(ReportOutcome::WriteFailed);
    m_cancel = cancel;
    m_fileName = fileName;
    // The destructor waits for the thread, so `this` outlives it.
    m_thread = QThread::create([this, document, fileName, cancel, outcome] {
        int lastPercent = -1;
        *outcome = DeviceReport::writePdf(document, fileName, [&](int done, int total) {
            const int percent = total > 0 ? done * 100 / total : 100;
            if (percent != lastPercent) {
                lastPercent = percent;
                // Queued: the receiver lives on the thread that started the export.
                QMetaObject::invokeMethod(
                    this, [this, done, total] { emit progress(done, total); }, Qt::QueuedConnection);
            }
            return !cancel->load();
        });
    });
    m_thread->setObjectName(QStringLiteral("ReportExport"));
    connect(m_thread, &QThread::finished, this, [this, outcome] {
        QThread *thread = m_thread;
        m_thread = nullptr;
        thread->wait();
        thread->deleteLater();
        emit finished(*outcome);
    });
    m_thread->start(QThread::LowPriority);
    return true;
}

void ReportExport::cancel()
{
    if (m_cancel)
        m_cancel->store(true);
}
