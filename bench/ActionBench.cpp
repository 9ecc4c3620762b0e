#include "ActionBench.h"

#include "BenchEnvironment.h"
#include "BenchReport.h"
#include "LoopProbe.h"
#include "ModalAnswerer.h"
#include "Watchdog.h"

#include "app/ToolsApplication.h"
#include "aptui/FileChooser.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceEditor.h"
#include "device/DeviceListModel.h"
#include "device/DeviceListView.h"
#include "mainwindow/PlanMenu.h"
#include "mainwindow/PlanSession.h"
#include "mainwindow/VantorMainPage.h"
#include "model/GroupCsv.h"
#include "model/PlanDocument.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

#include <algorithm>

namespace {

const double kLimit = 0.1;
const QString kGoal = QStringLiteral("< 100 ms, gaps <= 100 ms");
// After the state came: deferred layouts and timers the action left behind.
const int kAftermathMs = 150;
// Longer than the program waits before it copies a change for recovery.
const int kPauseMs = 1300;
// A state that has not come by then will not come.
const int kGiveUpMs = 120000;
const int kScrollPages = 20;
// Each calculator input is changed this many times.
const int kInputChanges = 3;

// Varied groups as the editor makes them, on the shipped tables' values; in
// PAL, so that a switch to NTSC converts the 25 and 50 fps ones.
QVector<StructDeviceItem> benchGroups(int count, bool numbered)
{
    const char *const encodings[] = {"H.264", "H.265", "H.264+", "H.265+"};
    const char *const resolutions[] = {"720P", "1080P", "4MP", "8MP"};
    const char *const frameRates[] = {"25", "15", "50", "10", "25"};
    QVector<StructDeviceItem> groups;
    groups.reserve(count);
    for (int i = 1; i <= count; ++i) {
        StructDeviceItem group;
        const bool dvr = i % 7 == 0;
        group.strDeviceType = dvr ? QStringLiteral("DVR") : QStringLiteral("IPC");
        const QString name = QStringLiteral("Camera %1").arg(i);
        group.strChannelName = numbered ? QStringLiteral("%1(%2)").arg(name).arg(i) : name;
        group.iChannelGroupNumber = numbered ? i : 0;
        group.strEncoding = QString::fromLatin1(encodings[i % 4]);
        group.strResolution = QString::fromLatin1(resolutions[dvr ? i % 2 : (i / 4) % 4]);
        group.strFrameRate = QString::fromLatin1(frameRates[i % 5]);
        group.iChannelCount = 1 + i % 32;
        group.dBitrate = 512.0 * (1 + i % 16);
        group.iViewMode = 1 + i % 3;
        group.iRecordingShare = i % 3 == 0 ? 40 : StructDeviceItem::kContinuousShare;
        group.iComplexity = i % 3;
        group.bRateFromTable = i % 2 == 0;
        groups.append(group);
    }
    return groups;
}

aptui::FileChooser::Function answering(const QString &path)
{
    return [path](QWidget *, const QString &, const QString &, const QString &) { return path; };
}

} // namespace

ActionBench::ActionBench(const BenchEnvironment &environment, Watchdog &watchdog)
    : m_environment(environment), m_watchdog(watchdog), m_answerer(std::make_unique<ModalAnswerer>()),
      m_probe(std::make_unique<LoopProbe>())
{}

ActionBench::~ActionBench()
{
    aptui::FileChooser::setOpenFunction({});
    // Before the answerer goes, should the window's clean-up ask anything.
    m_window.reset();
}

void ActionBench::run(int groups)
{
    m_window = std::make_unique<VantorMainPage>();
    m_window->connectSignals();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        const apt::ToolsApplication::WindowPlacement placement =
            apt::ToolsApplication::mainWindowPlacement(available.size());
        m_window->resize(placement.size);
        if (placement.moveToOrigin)
            m_window->move(available.topLeft());
    }
    m_window->show();
    m_probe->runFor(200);

    // Without the plan the others still run, on what the import brings.
    openPlan(groups);
    pause();
    importCsv(groups);
    pause();
    scroll();
    pause();
    deleteGroup();
    pause();
    editGroup();
    pause();
    switchStandard();
    pause();
    changeInputs();
    pause();
    clearAndUndo();
    pause();
    BenchReport::note(QStringLiteral("pauses after actions"), BenchReport::duration(m_pauseGap),
                      QStringLiteral("longest gap, recovery"), QString());
}

bool ActionBench::focusList(QWidget *view)
{
    // A question that came and went may have left no window active.
    m_window->activateWindow();
    m_probe->waitUntil([this] { return QApplication::activeWindow() == m_window.get(); }, 1000);
    view->setFocus(Qt::OtherFocusReason);
    m_probe->waitIdle();
    return view->hasFocus();
}

int ActionBench::rowCount() const
{
    const auto *page = m_window->findChild<DeviceAddPage *>();
    return page ? page->model()->rowCount() : -1;
}

ActionBench::Outcome ActionBench::measure(const QString &name, const std::function<void()> &trigger,
                                          const std::function<bool()> &done)
{
    Outcome outcome;
    m_watchdog.arm(name, kGoal);
    QElapsedTimer clock;
    m_probe->start();
    clock.start();
    trigger();
    outcome.done = m_probe->waitUntil(done, kGiveUpMs);
    if (outcome.done) {
        m_probe->waitIdle();
        outcome.seconds = double(clock.nsecsElapsed()) / 1e9;
    }
    m_probe->runFor(kAftermathMs);
    m_probe->stop();
    outcome.gap = m_probe->longestGap();
    m_watchdog.disarm();
    return outcome;
}

void ActionBench::report(const QString &name, const Outcome &outcome, const QString &failure)
{
    if (!outcome.done) {
        BenchReport::missing(name, failure, kGoal);
        return;
    }
    BenchReport::figure(name, BenchReport::duration(outcome.seconds),
                        QStringLiteral("longest gap ") + BenchReport::duration(outcome.gap), QString(), kGoal,
                        outcome.seconds < kLimit && outcome.gap <= kLimit);
}

void ActionBench::pause()
{
    m_probe->start();
    m_probe->runFor(kPauseMs);
    m_probe->stop();
    m_pauseGap = qMax(m_pauseGap, m_probe->longestGap());
}

void ActionBench::openPlan(int groups)
{
    const QString name = QStringLiteral("open plan, %1 groups").arg(BenchReport::count(groups));
    const QString path = m_environment.filePath(QStringLiteral("bench.tavoplan"));
    PlanDocument plan;
    plan.setName(QStringLiteral("Bench plan"));
    plan.setGroups(benchGroups(groups, true));
    QString refusal;
    if (!plan.save(path, &refusal)) {
        BenchReport::missing(name, QStringLiteral("plan not written: %1").arg(refusal), kGoal);
        return;
    }
    PlanSession *session = m_window->planSession();
    bool finished = false;
    bool opened = false;
    const QMetaObject::Connection connection = QObject::connect(session, &PlanSession::openFinished, [&](bool ok) {
        finished = true;
        opened = ok;
    });
    aptui::FileChooser::setOpenFunction(answering(path));
    // Whatever the window held goes without being saved.
    m_answerer->setPreferredButtons({QStringLiteral("btnDiscard")});
    const Outcome outcome = measure(
        name, [this] { m_window->planMenu()->openAction()->trigger(); },
        [&] { return finished && (!opened || rowCount() == groups); });
    QObject::disconnect(connection);
    aptui::FileChooser::setOpenFunction({});
    report(name, opened ? outcome : Outcome{}, QStringLiteral("not opened"));
}

void ActionBench::importCsv(int groups)
{
    const QString name = QStringLiteral("import CSV, %1 groups").arg(BenchReport::count(groups));
    const QString file = QStringLiteral("bench.csv");
    // Other groups than the plan's, so that the import replaces something.
    QVector<StructDeviceItem> sheet = benchGroups(groups, false);
    for (StructDeviceItem &group : sheet)
        group.iChannelCount = 33 - group.iChannelCount;
    if (!m_environment.writeFile(file, GroupCsv::write(sheet))) {
        BenchReport::missing(name, QStringLiteral("CSV not written"), kGoal);
        return;
    }
    aptui::FileChooser::setOpenFunction(answering(m_environment.filePath(file)));
    m_answerer->setPreferredButtons({QStringLiteral("btnReplace")});
    m_answerer->clearAnswered();
    // Over groups the question comes; into an empty plan the groups just go in.
    const bool asks = rowCount() > 0;
    bool returned = false;
    const Outcome outcome = measure(
        name,
        [&] {
            m_window->planMenu()->importAction()->trigger();
            returned = true;
        },
        [&] { return returned && rowCount() == groups; });
    aptui::FileChooser::setOpenFunction({});
    const bool replaced = !asks || m_answerer->answered().contains(QStringLiteral("importGroupsDialog"));
    report(name, replaced ? outcome : Outcome{}, QStringLiteral("no Replace question"));
}

void ActionBench::scroll()
{
    const QString name = QStringLiteral("scroll a page (of %1)").arg(kScrollPages);
    auto *view = m_window->findChild<DeviceListView *>();
    if (!view) {
        BenchReport::missing(name, QStringLiteral("no device list"), kGoal);
        return;
    }
    QScrollBar *bar = view->verticalScrollBar();
    bar->setValue(bar->minimum());
    m_probe->waitIdle();
    QList<double> pages;
    const Outcome outcome = measure(
        name,
        [&] {
            for (int i = 0; i < kScrollPages && bar->value() < bar->maximum(); ++i) {
                QElapsedTimer clock;
                clock.start();
                bar->setValue(bar->value() + bar->pageStep());
                view->viewport()->repaint();
                m_probe->waitIdle();
                pages.append(double(clock.nsecsElapsed()) / 1e9);
            }
        },
        [] { return true; });
    if (pages.isEmpty()) {
        BenchReport::missing(name, QStringLiteral("nothing to scroll"), kGoal);
        return;
    }
    // The slowest page is the figure; the gap covers the whole series.
    Outcome slowest = outcome;
    slowest.seconds = *std::max_element(pages.cbegin(), pages.cend());
    report(name, slowest, QString());
}

void ActionBench::deleteGroup()
{
    const QString name = QStringLiteral("delete one group");
    auto *view = m_window->findChild<DeviceListView *>();
    const int before = rowCount();
    if (!view || before < 2) {
        BenchReport::missing(name, QStringLiteral("no groups to delete"), kGoal);
        return;
    }
    view->setCurrentIndex(view->model()->index(before / 2, 0));
    // The Delete key where the list has the keyboard; its command otherwise.
    const bool byKey = focusList(view);
    const Outcome outcome = measure(
        name,
        [&] {
            if (byKey)
                QTest::keyClick(view, Qt::Key_Delete);
            else
                view->deleteAction()->trigger();
        },
        [&] { return rowCount() == before - 1; });
    report(name, outcome, QStringLiteral("no group deleted"));
}

void ActionBench::editGroup()
{
    const QString loadName = QStringLiteral("edit group: load (F2)");
    const QString saveName = QStringLiteral("edit group: save changes");
    auto *view = m_window->findChild<DeviceListView *>();
    DeviceEditor *editor = m_window->getDeviceEditor();
    auto *channels = m_window->findChild<QLineEdit *>(QStringLiteral("m_lineEditChannelCounts"));
    auto *save = m_window->findChild<QAbstractButton *>(QStringLiteral("m_btnAddDevice"));
    if (!view || !editor || !channels || !save || !view->currentIndex().isValid()) {
        BenchReport::missing(loadName, QStringLiteral("no list, editor or current group"), kGoal);
        return;
    }
    const int row = view->currentIndex().row();
    const auto groupAt = [view, row] {
        return view->model()->index(row, 0).data(DeviceListModel::GroupRole).value<StructDeviceItem>();
    };
    const bool byKey = focusList(view);
    const Outcome load = measure(
        loadName,
        [&] {
            if (byKey)
                QTest::keyClick(view, Qt::Key_F2);
            else
                view->editAction()->trigger();
        },
        [editor] { return editor->editedGroupId() != 0; });
    report(loadName, load, QStringLiteral("the group did not load"));
    if (!load.done)
        return;

    const int count = groupAt().iChannelCount == 100 ? 101 : 100;
    channels->setText(QString::number(count));
    m_probe->waitIdle();
    const Outcome saved = measure(
        saveName, [save] { save->click(); },
        [&] { return editor->editedGroupId() == 0 && groupAt().iChannelCount == count; });
    report(saveName, saved, QStringLiteral("the change was not saved"));
}

void ActionBench::switchStandard()
{
    const QString name = QStringLiteral("PAL/NTSC switch");
    DeviceEditor *editor = m_window->getDeviceEditor();
    auto *toggle = m_window->findChild<QWidget *>(QStringLiteral("PalNtscSwitch"));
    auto *pal = toggle ? toggle->findChild<QAbstractButton *>(QStringLiteral("m_btnON")) : nullptr;
    auto *ntsc = toggle ? toggle->findChild<QAbstractButton *>(QStringLiteral("m_btnOFF")) : nullptr;
    if (!editor || !pal || !ntsc) {
        BenchReport::missing(name, QStringLiteral("no PalNtscSwitch"), kGoal);
        return;
    }
    // There and back: the slower direction is the figure.
    Outcome slower;
    slower.done = true;
    const bool startedPal = editor->isPalStandard();
    for (const bool toPal : {!startedPal, startedPal}) {
        if (toPal == startedPal)
            pause();
        const Outcome one = measure(
            name, [&] { (toPal ? pal : ntsc)->click(); }, [&] { return editor->isPalStandard() == toPal; });
        slower.done = slower.done && one.done;
        slower.seconds = qMax(slower.seconds, one.seconds);
        slower.gap = qMax(slower.gap, one.gap);
    }
    report(name, slower, QStringLiteral("the standard did not change"));
}

void ActionBench::changeInputs()
{
    const QString name = QStringLiteral("calculator input change");
    struct Input
    {
        const char *page;
        const char *field;
    };
    // Each field on the calculator page that shows it, as a user would see the figures follow.
    const Input inputs[] = {{"calTimeBtn", "m_lineEditGT"},          {"calTimeBtn", "m_spinBoxTime"},
                            {"calDiskBtn", "m_lineEditSaveTime"},    {"calDiskBtn", "m_spinBoxDailyTime"},
                            {"calArrayBtn", "m_lineEditDriveCount"}, {"calArrayBtn", "m_comboRaidLevel"}};
    QList<double> times;
    double gap = 0.0;
    QStringList absent;
    for (const Input &input : inputs) {
        auto *page = m_window->findChild<QAbstractButton *>(QLatin1String(input.page));
        auto *field = m_window->findChild<QWidget *>(QLatin1String(input.field));
        if (!page || !field) {
            absent.append(QLatin1String(input.field));
            continue;
        }
        page->click();
        m_probe->waitIdle();
        for (int i = 0; i < kInputChanges; ++i) {
            const auto change = [field, i] {
                if (auto *line = qobject_cast<QLineEdit *>(field)) {
                    // Values every one of these fields takes: disk TB, days, drives.
                    line->setText(QString::number(6 + i));
                } else if (auto *spin = qobject_cast<QSpinBox *>(field)) {
                    spin->setValue(spin->value() > 12 ? spin->value() - 1 - i : spin->value() + 1 + i);
                } else if (auto *combo = qobject_cast<QComboBox *>(field)) {
                    combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
                }
            };
            const Outcome one = measure(name, change, [] { return true; });
            times.append(one.seconds);
            gap = qMax(gap, one.gap);
        }
    }
    if (times.isEmpty()) {
        BenchReport::missing(name, QStringLiteral("no calculator inputs"), kGoal);
        return;
    }
    Outcome slowest;
    slowest.done = true;
    slowest.seconds = *std::max_element(times.cbegin(), times.cend());
    slowest.gap = gap;
    report(name, slowest, QString());
    BenchReport::note(QStringLiteral("calculator input, median"), BenchReport::duration(BenchReport::median(times)),
                      QStringLiteral("of %1 changes").arg(times.size()), QString());
    if (!absent.isEmpty())
        BenchReport::missing(name, QStringLiteral("no ") + absent.join(QStringLiteral(", ")), kGoal);
}

void ActionBench::clearAndUndo()
{
    const QString clearName = QStringLiteral("Clear");
    const QString undoName = QStringLiteral("Undo of Clear");
    auto *clear = m_window->findChild<QAbstractButton *>(QStringLiteral("m_btnClear"));
    const int before = rowCount();
    if (!clear || before < 1) {
        BenchReport::missing(clearName, QStringLiteral("no Clear button or no groups"), kGoal);
        return;
    }
    // "Clear all the channels?" is confirmed.
    m_answerer->setPreferredButtons({QStringLiteral("btnConfirm")});
    const Outcome cleared = measure(
        clearName, [clear] { clear->click(); }, [this] { return rowCount() == 0; });
    report(clearName, cleared, QStringLiteral("the list was not cleared"));
    if (!cleared.done)
        return;
    pause();
    // What Ctrl+Z and the menu's Undo run; the key would go to a focused field's own undo.
    QAction *undo = m_window->planMenu()->undoAction();
    const Outcome undone = measure(
        undoName, [undo] { undo->trigger(); }, [this, before] { return rowCount() == before; });
    report(undoName, undone, QStringLiteral("the groups did not come back"));
}
