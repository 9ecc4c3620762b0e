// Linked into the two start executables. Once a main window has painted and
// the event loop has come back idle, prints the monotonic clock and the peak
// resident memory, then quits. Hooked in from outside main(), so the program's
// own main.cpp is built unchanged.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

// Peak resident set size in kB (VmHWM), 0 when unknown.
long long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

class IdleReporter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget *>(watched)->window()->inherits("QMainWindow")) {
            QCoreApplication::instance()->removeEventFilter(this);
            // A zero timer runs once the paint and everything queued before it are done.
            QTimer::singleShot(0, this, &IdleReporter::report);
        }
        return false;
    }

private:
    void report()
    {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("idle_ns %lld\nvmhwm_kb %lld\n",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                    peakResidentKb());
        std::fflush(stdout);
        // exit(), not quit(): quit() asks the windows to close, and the program asks the user first.
        QCoreApplication::exit(0);
    }
};

void installIdleReporter()
{
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new IdleReporter(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installIdleReporter)
