#include "GroupBench.h"

#include "BenchReport.h"
#include "Watchdog.h"

#include "app/ToolsApplication.h"
#include "aptui/FileChooser.h"
#include "device/DeviceReport.h"
#include "mainwindow/VantorMainPage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>

#include <malloc.h>

#include <memory>

namespace {

// A report counts as responsive when no tick of a 10 ms timer waited longer.
const double kResponsiveGap = 0.1;
// How many single adds the early and the late figure take the median of.
const int kSingleAdds = 9;

// Heap in use; large blocks are mapped separately, so those count too.
double heapBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks) + double(info.hblkhd);
}

void processEventsFor(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

GroupBench::GroupBench(Watchdog &watchdog) : m_watchdog(watchdog) {}

void GroupBench::run(int groups, const QString &reportPath)
{
    auto window = std::make_unique<VantorMainPage>();
    window->connectSignals();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        const apt::ToolsApplication::WindowPlacement placement =
            apt::ToolsApplication::mainWindowPlacement(available.size());
        window->resize(placement.size);
        if (placement.moveToOrigin)
            window->move(available.topLeft());
    }
    window->show();
    processEventsFor(200);

    auto *add = window->findChild<QAbstractButton *>(QStringLiteral("m_btnAddDevice"));
    auto *exportButton = window->findChild<QAbstractButton *>(QStringLiteral("exportBtn"));
    if (!add || !exportButton) {
        BenchReport::missing(QStringLiteral("add groups"), QStringLiteral("no \"+ Add\" or Export button"), QString());
        return;
    }
    addGroups(add, groups);
    recalculate(window.get(), groups);
    exportReport(exportButton, groups, reportPath);
}

void GroupBench::addGroups(QAbstractButton *add, int groups)
{
    const QString name = QStringLiteral("add %1 groups").arg(BenchReport::count(groups));
    const double limit = groups <= 1000 ? 0.5 : 3.0;
    const QString goal = QStringLiteral("< %1 s").arg(limit);

    QList<double> singleAdds;
    singleAdds.reserve(groups);
    const double heapBefore = heapBytes();
    m_watchdog.arm(name, goal);
    QElapsedTimer total;
    total.start();
    for (int i = 0; i < groups; ++i) {
        QElapsedTimer one;
        one.start();
        add->click();
        // What follows a user's click: layout, paint and whatever was queued.
        QCoreApplication::processEvents();
        singleAdds.append(double(one.nsecsElapsed()) / 1e9);
    }
    const double seconds = double(total.nsecsElapsed()) / 1e9;
    m_watchdog.disarm();
    const double heapAfter = heapBytes();

    BenchReport::figure(name, BenchReport::duration(seconds), QString(), QString(), goal, seconds < limit);
    if (groups >= 2 * kSingleAdds + 10) {
        // The adds made with 10 to 18 groups in the list, and the last ones.
        const double early = BenchReport::median(singleAdds.mid(10, kSingleAdds));
        const double late = BenchReport::median(singleAdds.mid(groups - kSingleAdds));
        BenchReport::figure(QStringLiteral("one add at 10 / at %1").arg(BenchReport::count(groups)),
                            BenchReport::duration(late), QStringLiteral("at 10: ") + BenchReport::duration(early),
                            BenchReport::ratio(late / early), QStringLiteral("<= 1.5x"), late <= 1.5 * early);
    }
    const double perGroupKb = (heapAfter - heapBefore) / groups / 1024.0;
    BenchReport::figure(QStringLiteral("memory per group"), QString::number(perGroupKb, 'f', 2) + QStringLiteral(" kB"),
                        QStringLiteral("over %1 adds").arg(BenchReport::count(groups)), QString(),
                        QStringLiteral("<= 5 kB"), perGroupKb <= 5.0);
}

void GroupBench::recalculate(VantorMainPage *window, int groups)
{
    const QString name = QStringLiteral("recalculation, %1 groups").arg(BenchReport::count(groups));
    const QString goal = QStringLiteral("< 1 ms");
    auto *retention = window->findChild<QLineEdit *>(QStringLiteral("m_lineEditSaveTime"));
    auto *drives = window->findChild<QLineEdit *>(QStringLiteral("m_lineEditDriveCount"));
    if (!retention || !drives) {
        BenchReport::missing(name, QStringLiteral("no retention or drive count field"), goal);
        return;
    }
    QList<double> changes;
    m_watchdog.arm(name, goal);
    for (int i = 0; i < 2 * kSingleAdds; ++i) {
        QLineEdit *field = i % 2 ? drives : retention;
        const QString text = QString::number(10 + i);
        QElapsedTimer clock;
        clock.start();
        field->setText(text);
        changes.append(double(clock.nsecsElapsed()) / 1e9);
    }
    m_watchdog.disarm();
    const double median = BenchReport::median(changes);
    // Far under a millisecond: in microseconds.
    BenchReport::figure(name, QString::number(median * 1e6, 'f', 0) + QStringLiteral(" µs"),
                        QStringLiteral("median of %1").arg(changes.size()), QString(), goal, median < 0.001);
}

void GroupBench::exportReport(QAbstractButton *exportButton, int groups, const QString &reportPath)
{
    const QString name = QStringLiteral("PDF report, %1 groups").arg(BenchReport::count(groups));
    const double limit = groups <= 1000 ? 1.0 : 5.0;
    const QString goal = QStringLiteral("< %1 s, gaps <= %2 ms").arg(limit).arg(kResponsiveGap * 1000.0);

    QFile::remove(reportPath);
    aptui::FileChooser::setSaveFunction(
        [reportPath](QWidget *, const QString &, const QString &, const QString &) { return reportPath; });

    QEventLoop loop;
    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    qint64 hintAt = -1;
    qint64 doneAt = -1;
    bool finished = false;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longestGap = qMax(longestGap, now - lastTick);
        lastTick = now;
        // Only the closing hint is answered; any other dialog (a progress dialog) runs its course.
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (dialog && dialog->objectName() == QLatin1String("Hint")) {
            if (hintAt < 0)
                hintAt = now;
            dialog->accept();
        }
        if (hintAt >= 0 && DeviceReport::isPdfFile(reportPath))
            doneAt = now;
        // A hint without a complete file is the failure message.
        finished = doneAt >= 0 || (hintAt >= 0 && now - hintAt > 2000000000LL);
        if (finished) {
            ticker.stop();
            loop.quit();
        }
    });

    m_watchdog.arm(name, goal);
    clock.start();
    ticker.start();
    // A report written inside the click is done when it returns; one written in
    // the background is waited for here.
    exportButton->click();
    if (!finished)
        loop.exec();
    m_watchdog.disarm();
    aptui::FileChooser::setSaveFunction({});

    if (doneAt < 0) {
        BenchReport::missing(name, QStringLiteral("no complete PDF"), goal);
        return;
    }
    const double seconds = double(doneAt) / 1e9;
    const double gap = double(longestGap) / 1e9;
    BenchReport::figure(name, BenchReport::duration(seconds),
                        QStringLiteral("longest gap ") + BenchReport::duration(gap), QString(), goal,
                        seconds < limit && gap <= kResponsiveGap);
}
