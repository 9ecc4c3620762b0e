#pragma once

#include "device/ReportDocument.h"
#include "device/ReportOutcome.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class QThread;

// Writes a report on a worker thread, so the window stays responsive however
// many groups it lists. Progress and the outcome arrive on the thread that
// started it.
class ReportExport : public QObject
{
    Q_OBJECT

public:
    explicit ReportExport(QObject *parent = nullptr);
    // Stops a running export and waits for its thread; the target is left as it was.
    ~ReportExport() override;

    // False, doing nothing, while an export runs.
    bool start(const ReportDocument &document, const QString &fileName);
    bool isRunning() const { return m_thread != nullptr; }
    // The file the last export was started for.
    QString fileName() const { return m_fileName; }

signals:
    // Data rows drawn so far out of all of them; sent when the share changes by a percent.
    void progress(int done, int total);
    // Saved when the file is complete under its name, Cancelled when stopped on request.
    void finished(ReportOutcome outcome);

public slots:
    // Stops the running export soon; finished() follows with Cancelled.
    void cancel();

private:
    QThread *m_thread = nullptr;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    QString m_fileName;
};
