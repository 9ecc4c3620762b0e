#pragma once

#include "device/ReportTable.h"

#include <QList>
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
    bool start(const QList<ReportTable> &tables, const QString &fileName);
    bool isRunning() const { return m_thread != nullptr; }

signals:
    // Data rows drawn so far out of all of them; sent when the share changes by a percent.
    void progress(int done, int total);
    // saved: the file is complete under its name. cancelled: stopped on request.
    void finished(bool saved, bool cancelled);

public slots:
    // Stops the running export soon; finished() follows with cancelled set.
    void cancel();

private:
    QThread *m_thread = nullptr;
    std::shared_ptr<std::atomic<bool>> m_cancel;
};
