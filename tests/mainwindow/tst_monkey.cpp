// A monkey on the real window: thousands of random but valid input events
// (pointer moves, presses, releases, clicks, wheel turns and keys) over the
// visible, enabled widgets of the main window as the program's main builds it,
// and of whatever menu or question opens over it, checking after every batch
// that the window is still whole. How the events are made is told in Monkey.h.
//
// The run is chosen by a seed, printed at the start. TAVO_MONKEY_SEED=<n>
// replays a run exactly, TAVO_MONKEY_EVENTS=<n> sets how many events it makes
// and TAVO_MONKEY_TRACE=<file> writes every action to the file.
//
// File questions name files in a temporary folder only; nothing the program
// asks the desktop to open is launched.

// As in Monkey.cpp, so that every unit of the suite has the same QTest mouse functions.
#define QTEST_QPA_MOUSE_HANDLING

#include "aptui/FileChooser.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceListModel.h"
#include "device/tst_editor_fixture.h"
#include "mainwindow/Monkey.h"
#include "mainwindow/PlanSession.h"
#include "mainwindow/VantorMainPage.h"
#include "model/ModelMetaTypes.h"
#include "model/PlanDocument.h"
#include "support/DesktopOpenRecorder.h"
#include "support/SkinStyle.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr int kDefaultEvents = 3000;

// The plan the run starts from: groups of both kinds and several sizes.
QVector<StructDeviceItem> startGroups()
{
    QVector<StructDeviceItem> groups(6);
    for (int i = 0; i < groups.size(); ++i) {
        groups[i].strChannelName = QStringLiteral("Site %1(%2)").arg(QChar(u'A' + i)).arg(i + 1);
        groups[i].strDeviceType = i % 3 == 2 ? QStringLiteral("DVR") : QStringLiteral("IPC");
        groups[i].iChannelGroupNumber = i + 1;
        groups[i].iChannelCount = 1 + 3 * i;
        groups[i].dBitrate = 1024 * (1 + i % 4);
        groups[i].iViewMode = 3;
    }
    return groups;
}

// The offscreen platform says so for every menu and question raised: the
// thousands of lines would hide the run's own.
QtMessageHandler s_messages = nullptr;
void dropPlatformNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        s_messages(type, context, message);
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<EditorDataDir> m_data;
    std::unique_ptr<QTemporaryDir> m_files;
    std::unique_ptr<DesktopOpenRecorder> m_desktop;
    Monkey *m_monkey = nullptr;

private slots:
    void initTestCase()
    {
        // The table reader traces every header it reads.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        s_messages = qInstallMessageHandler(dropPlatformNotes);
        // The window as the program shows it, with its style sheets.
        QVERIFY(SkinStyle::apply());
        // Nothing is launched: reports, folders, licences, download pages.
        m_desktop = std::make_unique<DesktopOpenRecorder>(
            QStringList{QStringLiteral("file"), QStringLiteral("http"), QStringLiteral("https")});
        const auto ask = [this](bool save) {
            return [this, save](QWidget *parent, const QString &caption, const QString &, const QString &filter) {
                if (!m_monkey)
                    return QString();
                return m_monkey->answerFileQuestion(parent, caption, filter, save);
            };
        };
        aptui::FileChooser::setSaveFunction(ask(true));
        aptui::FileChooser::setOpenFunction(ask(false));
    }

    void cleanupTestCase()
    {
        aptui::FileChooser::setSaveFunction(nullptr);
        aptui::FileChooser::setOpenFunction(nullptr);
        m_desktop.reset();
        qInstallMessageHandler(s_messages);
    }

    void randomEventsLeaveTheWindowWhole()
    {
        bool ok = false;
        quint32 seed = qEnvironmentVariable("TAVO_MONKEY_SEED").toUInt(&ok);
        if (!ok)
            seed = QRandomGenerator::global()->generate();
        int events = qEnvironmentVariableIntValue("TAVO_MONKEY_EVENTS", &ok);
        if (!ok || events <= 0)
            events = kDefaultEvents;
        qInfo("Monkey seed %u, %d events (replay with TAVO_MONKEY_SEED=%u)", seed, events, seed);

        m_data = std::make_unique<EditorDataDir>();
        QVERIFY(m_data->isReady());
        m_files = std::make_unique<QTemporaryDir>();
        QVERIFY(m_files->isValid());
        PlanDocument plan;
        plan.setGroups(startGroups());
        const QString start = m_files->filePath(QStringLiteral("start.tavoplan"));
        QVERIFY(plan.save(start));

        // The pointer rests beside the window; as the program's main builds it.
        QCursor::setPos(5, 5);
        auto *window = new VantorMainPage;
        window->connectSignals();
        window->setGeometry(40, 40, 1024, 768);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QSignalSpy opened(window->planSession(), &PlanSession::openFinished);
        window->planSession()->openFile(start);
        QVERIFY(opened.wait() && opened.first().first().toBool());
        QCOMPARE(window->findChild<DeviceAddPage *>()->model()->rowCount(), 6);

        QString failure;
        {
            Monkey monkey(window, seed, events, m_files->path());
            m_monkey = &monkey;
            monkey.run();
            m_monkey = nullptr;
            failure = monkey.failure();
            qInfo("Monkey made %d events, %d of them in the %d questions and menus that opened (%d file questions); "
                  "%d desktop opens recorded; the plan ends with %d groups",
                  monkey.done(), monkey.eventsInLevels(), monkey.levelsOpened(), monkey.questionsAsked(),
                  int(m_desktop->urls().size()), int(window->findChild<DeviceAddPage *>()->model()->rowCount()));
        }
        // Deleted without further questions, as the program ends.
        delete window;
        m_data.reset();
        m_files.reset();
        QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("seed %1 %2").arg(seed).arg(failure)));
    }
};

int main(int argc, char **argv)
{
    // Offscreen, one screen larger than the window, as on a desktop.
    QTemporaryDir screens;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && screens.isValid()) {
        QFile config(screens.filePath(QStringLiteral("screens.json")));
        if (config.open(QIODevice::WriteOnly)) {
            config.write(R"({"screens": [{"name": "monkey", "x": 0, "y": 0, "width": 1280, "height": 1024,
                             "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
            config.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
        }
    }
    QApplication app(argc, argv);
    registerModelMetaTypes();
    TestMonkey test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_monkey.moc"
