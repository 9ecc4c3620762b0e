#include "mainwindow/PlanReader.h"

#include <QDir>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QLabel>
#include <QPromise>
#include <QWidget>

#include <thread>
#include <utility>

using FenwaGUIToolkit::RegularFile;

namespace {

// Quicker reads pass without a word.
const int kBusyDelayMs = 300;
// The file name in the hint takes at most this share of the window's width.
const double kBusyNameShare = 0.6;

} // namespace

PlanReader::PlanReader(qint64 maxSize, QWidget *window) : QObject(window), m_maxSize(maxSize), m_window(window)
{
    m_busyDelay.setSingleShot(true);
    m_busyDelay.setInterval(kBusyDelayMs);
    connect(&m_busyDelay, &QTimer::timeout, this, &PlanReader::showBusy);
}

PlanReader::~PlanReader()
{
    // The thread of a pending read goes on alone and its outcome is dropped.
    cancel();
}

PlanReader::Reading PlanReader::read(const QString &path, qint64 maxSize)
{
    Reading reading;
    reading.path = path;
    const RegularFile::Reading file = RegularFile::read(path, maxSize);
    reading.file = file.status;
    reading.size = file.size;
    if (file.status == RegularFile::Read)
        reading.plan.fromJson(file.bytes);
    return reading;
}

void PlanReader::start(const QString &path)
{
    cancel();
    m_path = path;
    QPromise<Reading> promise;
    m_watcher = new QFutureWatcher<Reading>(this);
    connect(m_watcher, &QFutureWatcherBase::finished, this, [this] {
        const Reading reading = m_watcher->result();
        cancel();
        emit finished(reading);
    });
    m_watcher->setFuture(promise.future());
    // Not a pool thread: the application waits for its pool at exit, and a
    // read that never answers would keep the program from ending.
    std::thread([promise = std::move(promise), path, maxSize = m_maxSize]() mutable {
        promise.start();
        promise.addResult(read(path, maxSize));
        promise.finish();
    }).detach();
    m_busyDelay.start();
}

void PlanReader::cancel()
{
    m_busyDelay.stop();
    hideBusy();
    if (!m_watcher)
        return;
    m_watcher->disconnect(this);
    // Perhaps inside its own signal.
    m_watcher->deleteLater();
    m_watcher = nullptr;
}

void PlanReader::showBusy()
{
    if (!m_busy) {
        m_busy = new QLabel(m_window);
        m_busy->setObjectName(QStringLiteral("openingHint"));
        // A file name is no markup.
        m_busy->setTextFormat(Qt::PlainText);
        m_busy->setAlignment(Qt::AlignCenter);
        m_busy->setFrameShape(QFrame::StyledPanel);
        m_busy->setAutoFillBackground(true);
        m_busy->setMargin(12);
    }
    const QString name = m_busy->fontMetrics().elidedText(QDir::toNativeSeparators(QFileInfo(m_path).fileName()),
                                                          Qt::ElideMiddle, int(m_window->width() * kBusyNameShare));
    //: Shown in the main window while a plan file is still being read; %1 is the file's name.
    m_busy->setText(tr("Opening %1 …").arg(name));
    m_busy->adjustSize();
    m_busy->move((m_window->width() - m_busy->width()) / 2, (m_window->height() - m_busy->height()) / 2);
    m_busy->raise();
    m_busy->show();
}

void PlanReader::hideBusy()
{
    if (m_busy)
        m_busy->hide();
}
