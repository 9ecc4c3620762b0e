#pragma once

#include "host/RegularFile.h"
#include "model/PlanDocument.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QLabel;
class QWidget;
template <typename T>
class QFutureWatcher;

// Reads and parses plan files on threads of their own, so that a path which
// never answers (a hung network mount, a device) leaves the window working.
// The program never waits for such a thread: it owns everything it touches and
// is left behind at exit. One read is pending at most; a newer one drops the
// outcome of the one before. A read that takes a while says so in the window.
class PlanReader : public QObject
{
    Q_OBJECT

public:
    struct Reading
    {
        QString path;
        FenwaGUIToolkit::RegularFile::Status file = FenwaGUIToolkit::RegularFile::Unreadable;
        // The size found when the file is too large.
        qint64 size = 0;
        // When the file was read: its plan, or the error why it is none.
        PlanDocument plan;
    };

    // Files above maxSize are refused unread; the hint shows over `window`.
    PlanReader(qint64 maxSize, QWidget *window);
    ~PlanReader() override;

    void start(const QString &path);
    // The pending read's outcome will not be delivered.
    void cancel();
    bool isPending() const { return m_watcher != nullptr; }

signals:
    // On the GUI thread, once for every read neither cancelled nor superseded.
    void finished(const PlanReader::Reading &reading);

private:
    static Reading read(const QString &path, qint64 maxSize);
    void showBusy();
    void hideBusy();

    qint64 m_maxSize = 0;
    QWidget *m_window = nullptr;
    QFutureWatcher<Reading> *m_watcher = nullptr;
    QString m_path;
    QTimer m_busyDelay;
    QPointer<QLabel> m_busy;
};
