// Preloaded into the installed program by the install test, which runs the
// program as installed. Once the main window has painted and the event loop
// is idle, prints what the window took from the installed files, triggers the
// action named by TAVO_RUN_HOOK_ACTION when there is one (answering any
// question it asks with its cancel button), and quits. Given TAVO_RUN_HOOK_TITLE,
// it first waits for the window to take that title: a plan given to the program
// is read off the GUI thread and shown when it has arrived.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

namespace {

void print(const char *key, const QString &value)
{
    std::printf("%s=%s\n", key, value.toUtf8().constData());
}

class RunHook : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto *window = qobject_cast<QMainWindow *>(static_cast<QWidget *>(watched)->window());
            if (window) {
                QCoreApplication::instance()->removeEventFilter(this);
                // A zero timer runs once the paint and everything queued before it are done.
                QTimer::singleShot(0, this, [this, window] { report(window); });
            }
        }
        return false;
    }

private:
    void report(QMainWindow *window)
    {
        const QString awaited = qEnvironmentVariable("TAVO_RUN_HOOK_TITLE");
        if (!awaited.isEmpty() && window->windowTitle() != awaited) {
            connect(window, &QWidget::windowTitleChanged, this, [this, window, awaited](const QString &title) {
                if (title != awaited)
                    return;
                disconnect(window, &QWidget::windowTitleChanged, this, nullptr);
                // Out of the title's own change.
                QTimer::singleShot(0, this, [this, window] { report(window); });
            });
            return;
        }
        print("title", window->windowTitle());
        const auto *encodings = window->findChild<QComboBox *>(QStringLiteral("m_comboxEncodingType"));
        print("encodings", QString::number(encodings ? encodings->count() : -1));
        print("styled", QString::number(qApp->styleSheet().isEmpty() ? 0 : 1));
        const QString actionName = qEnvironmentVariable("TAVO_RUN_HOOK_ACTION");
        if (!actionName.isEmpty()) {
            QAction *action = window->findChild<QAction *>(actionName);
            print("action", action ? actionName : QString());
            QTimer answer;
            connect(&answer, &QTimer::timeout, &answer, [] {
                if (QWidget *modal = QApplication::activeModalWidget()) {
                    if (auto *cancel = modal->findChild<QAbstractButton *>(QStringLiteral("btnCancel")))
                        cancel->click();
                }
            });
            answer.start(10);
            if (action)
                action->trigger();
        }
        std::fflush(stdout);
        // exit(), not quit(): quit() asks the windows to close, and the program asks the user first.
        QCoreApplication::exit(0);
    }
};

void installRunHook()
{
    QCoreApplication *app = QCoreApplication::instance();
    app->installEventFilter(new RunHook(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installRunHook)
