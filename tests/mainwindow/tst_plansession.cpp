// A plan as a document in the main window: it opens again exactly as it was
// saved, bad files are refused with the plan untouched, unsaved changes are
// asked about, a failed save keeps the earlier file, a crash leaves a copy the
// next start offers back, and the groups travel as CSV.
#include "aptui/AboutDialog.h"
#include "aptui/FileChooser.h"
#include "aptui/Menu.h"
#include "calc/CapacityCalculation.h"
#include "calc/DataCalculatorPage.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceEditor.h"
#include "device/DeviceItemWidget.h"
#include "device/DeviceListModel.h"
#include "device/tst_editor_fixture.h"
#include "mainwindow/PlanFiles.h"
#include "mainwindow/PlanMenu.h"
#include "mainwindow/PlanSession.h"
#include "mainwindow/VantorMainPage.h"
#include "model/GroupLimits.h"
#include "model/ModelMetaTypes.h"
#include "model/PlanRecovery.h"
#include "support/DialogAnswerer.h"
#include "support/FileSizeLimit.h"

#include <QAction>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLoggingCategory>
#include <QProcess>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>

#include <functional>
#include <memory>

using PlanFiles::makeFile;
using PlanFiles::readAll;

namespace {

QString labelsOf(QWidget *dialog)
{
    QString text;
    for (const QLabel *label : dialog->findChildren<QLabel *>())
        text += label->text() + QLatin1Char('\n');
    return text;
}

QByteArray planWithChannels(const QByteArray &channels, int schemaVersion = 1)
{
    return R"({"format": "tavo-storage-plan", "schemaVersion": )" + QByteArray::number(schemaVersion) +
           R"(, "groups": [{"deviceType": "IPC", "channels": )" + channels +
           R"(, "bitrateKbps": 4096, "viewMode": 3}]})";
}

} // namespace

class TestPlanSession : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<EditorDataDir> m_data;
    std::unique_ptr<QTemporaryDir> m_files;
    VantorMainPage *m_window = nullptr;
    // The captions of the file questions asked; each is answered with m_answer (empty cancels).
    QStringList m_asked;
    QString m_answer;

    PlanSession *session() const { return m_window->planSession(); }
    DeviceAddPage *page() const { return m_window->findChild<DeviceAddPage *>(); }
    int rows() const { return page()->model()->rowCount(); }
    QVector<StructDeviceItem> groups() const { return page()->getDeviceData().values(); }
    QString path(const QString &name) const { return m_files->filePath(name); }
    QString title() const { return m_window->windowTitle(); }
    Result result() const
    {
        Result r;
        m_window->getDataCalculatorPage()->fillResult(r);
        return r;
    }
    template <typename T = QAbstractButton>
    T *part(const char *name) const
    {
        return m_window->findChild<T *>(QLatin1String(name));
    }
    void add(const QString &name, int channels)
    {
        part<QLineEdit>("m_lineEditChannelName")->setText(name);
        part<QLineEdit>("m_lineEditChannelCounts")->setText(QString::number(channels));
        part("m_btnAddDevice")->click();
    }
    void newWindow()
    {
        delete m_window;
        m_window = new VantorMainPage;
        m_window->connectSignals();
        m_window->setGeometry(100, 80, 1200, 760);
        m_window->show();
    }
    // The text of the hint the action shows, closed; empty when none came.
    // Runs the action that starts an open and waits until it ended; true when the plan is shown.
    bool opened(const std::function<void()> &start) const
    {
        QSignalSpy finished(session(), &PlanSession::openFinished);
        start();
        return finished.wait(60000) && finished.first().first().toBool();
    }
    static QString hintOf(const std::function<void()> &action)
    {
        QString text;
        auto answer = DialogAnswerer::answerNext([&text](QWidget *dialog) {
            text = labelsOf(dialog);
            DialogAnswerer::close(dialog);
        });
        action();
        answer->stop();
        return text;
    }

private slots:
    void initTestCase()
    {
        // The table reader traces every header it reads.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        const auto chooser = [this](QWidget *, const QString &caption, const QString &, const QString &) {
            m_asked.append(caption);
            return m_answer;
        };
        aptui::FileChooser::setSaveFunction(chooser);
        aptui::FileChooser::setOpenFunction(chooser);
    }

    void init()
    {
        m_data = std::make_unique<EditorDataDir>();
        QVERIFY(m_data->isReady());
        m_files = std::make_unique<QTemporaryDir>();
        m_asked.clear();
        m_answer.clear();
        newWindow();
    }

    void cleanup()
    {
        delete m_window;
        m_window = nullptr;
        m_files.reset();
        m_data.reset();
    }

    void roundTrip_data()
    {
        QTest::addColumn<bool>("pal");
        QTest::addColumn<QByteArray>("modeButton");
        QTest::addColumn<bool>("throughLink");
        QTest::newRow("NTSC, the disk a retention needs") << false << QByteArray("calDiskBtn") << false;
        QTest::newRow("PAL, the retention a disk gives") << true << QByteArray("calTimeBtn") << false;
        QTest::newRow("opened through a symbolic link") << true << QByteArray("calTimeBtn") << true;
    }

    void roundTrip()
    {
        QFETCH(bool, pal);
        QFETCH(QByteArray, modeButton);
        QFETCH(bool, throughLink);
        add(QStringLiteral("Gate"), 4);
        add(QStringLiteral("Hall"), 9);
        add(QStringLiteral("Yard"), 2);
        // The plan keeps the numbers 1 and 3.
        page()->OnDeleteDeviceItem(page()->model()->idAt(1), page()->model()->groupAt(1).iChannelGroupNumber);
        if (pal)
            part("m_btnON")->click();
        part<QLineEdit>("m_lineEditGT")->setText(QStringLiteral("12.5"));
        part("m_radioBtnGB")->click();
        part<QSpinBox>("m_spinBoxTime")->setValue(10);
        part<QLineEdit>("m_lineEditSaveTime")->setText(QStringLiteral("3"));
        part("m_radioBtnWeek")->click();
        part<QSpinBox>("m_spinBoxDailyTime")->setValue(8);
        part(modeButton.constData())->click();
        const QVector<StructDeviceItem> cards = groups();
        const Result figures = result();
        const PlanCalculatorInputs inputs = m_window->getDataCalculatorPage()->inputs();
        QCOMPARE(title(), QStringLiteral("Untitled* — TAVO storage calculator"));

        m_answer = path(QStringLiteral("Site A"));
        QVERIFY(session()->save());
        QCOMPARE(m_asked, QStringList{QStringLiteral("Save Plan As")});
        QCOMPARE(title(), QStringLiteral("Site A — TAVO storage calculator"));
        QVERIFY(session()->newPlan());
        QCOMPARE(rows(), 0);
        QVERIFY(part<QWidget>("m_labelNullPic")->isVisible());
        QCOMPARE(title(), QStringLiteral("Untitled — TAVO storage calculator"));

        m_answer = path(QStringLiteral("Site A.tavoplan"));
        if (throughLink) {
            QVERIFY(QDir().mkpath(path(QStringLiteral("links"))));
            QVERIFY(makeFile(path(QStringLiteral("links/Site A.tavoplan")), "<link to " + m_answer.toUtf8() + '>'));
            m_answer = path(QStringLiteral("links/Site A.tavoplan"));
        }
        QVERIFY(opened([this] { session()->open(); }));
        QCOMPARE(groups(), cards);
        QCOMPARE(result(), figures);
        QCOMPARE(m_window->getDataCalculatorPage()->inputs(), inputs);
        QCOMPARE(m_window->getDeviceEditor()->isPalStandard(), pal);
        QVERIFY(part<QWidget>("m_CapacityWidget")->isVisible());
        QCOMPARE(title(), QStringLiteral("Site A — TAVO storage calculator"));
        // The next add takes the number the plan left free.
        add(QStringLiteral("Door"), 1);
        QCOMPARE(groups().last().strChannelName, QStringLiteral("Door(2)"));
        QCOMPARE(title(), QStringLiteral("Site A* — TAVO storage calculator"));
    }

    void badFileLeavesThePlanUntouched_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        const QString notAPlan = QStringLiteral("not a storage plan");
        QTest::newRow("empty") << QByteArray() << notAPlan;
        QTest::newRow("truncated") << planWithChannels("4").left(70) << notAPlan;
        QTest::newRow("binary") << QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200") << notAPlan;
        QTest::newRow("text for a number") << planWithChannels("\"four\"") << QStringLiteral("groups[0].channels");
        QTest::newRow("negative count") << planWithChannels("-3") << QStringLiteral("groups[0].channels");
        QTest::newRow("newer format") << planWithChannels("4", 2) << QStringLiteral("newer version");
        QTest::newRow("65 MB") << QByteArray("<65 MB>") << QStringLiteral("too large");
        // Read whole, and then no plan.
        QTest::newRow("64 MB") << QByteArray("<64 MB>") << notAPlan;
        QTest::newRow("a folder") << QByteArray("<folder>") << QStringLiteral("is a folder");
        // No writer ever comes: a read would wait for good.
        QTest::newRow("a pipe") << QByteArray("<fifo>") << QStringLiteral("is a pipe");
        QTest::newRow("a link to a device") << QByteArray("<link to /dev/zero>") << QStringLiteral("is a device");
    }

    void badFileLeavesThePlanUntouched()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        add(QStringLiteral("Gate"), 4);
        const QVector<StructDeviceItem> before = groups();
        const QString file = path(QStringLiteral("bad.tavoplan"));
        QVERIFY(makeFile(file, content));
        bool opened = true;
        const QString text = hintOf([&] { opened = this->opened([&] { session()->openFile(file); }); });
        QVERIFY(!opened);
        QVERIFY2(text.contains(reason) && text.contains(QDir::toNativeSeparators(file)), qPrintable(text));
        QCOMPARE(groups(), before);
        QVERIFY(session()->isModified());
        QVERIFY(session()->filePath().isEmpty());
    }

    void largePlanOpensWhole()
    {
        // As many groups as a plan holds, but the one added last: opening and saving grow with their number only.
        QVector<StructDeviceItem> many(GroupLimits::kMaxGroups - 1);
        for (int i = 0; i < many.size(); ++i) {
            many[i].strDeviceType = QStringLiteral("IPC");
            many[i].iChannelGroupNumber = i + 1;
            many[i].iChannelCount = 1;
            many[i].dBitrate = 1024;
            many[i].iViewMode = 3;
        }
        PlanDocument plan;
        plan.setGroups(many);
        const QString file = path(QStringLiteral("many.tavoplan"));
        QVERIFY(plan.save(file));
        QVERIFY(opened([&] { session()->openFile(file); }));
        QCOMPARE(result().channelCount, QString::number(many.size()));
        add(QStringLiteral("Door"), 1);
        QCOMPARE(groups().last().iChannelGroupNumber, GroupLimits::kMaxGroups);
        QVERIFY(session()->save());
        QVERIFY(plan.load(file) == PlanDocument::None);
        QCOMPARE(plan.groups().size(), GroupLimits::kMaxGroups);
    }

    void unsavedChangesAreAskedAbout_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("savedBefore");
        QTest::addColumn<bool>("goesOn");
        for (const char *command : {"close", "new", "open"}) {
            const QString c = QLatin1String(command);
            QTest::addRow("%s, Save", command) << c << QStringLiteral("btnConfirm") << true << true;
            QTest::addRow("%s, Discard", command) << c << QStringLiteral("btnDiscard") << true << true;
            QTest::addRow("%s, Cancel", command) << c << QStringLiteral("btnCancel") << true << false;
            QTest::addRow("%s, Save, file question cancelled", command)
                << c << QStringLiteral("btnConfirm") << false << false;
        }
    }

    void unsavedChangesAreAskedAbout()
    {
        QFETCH(QString, command);
        QFETCH(QString, button);
        QFETCH(bool, savedBefore);
        QFETCH(bool, goesOn);
        const QString fileA = path(QStringLiteral("A.tavoplan"));
        const QString fileB = path(QStringLiteral("B.tavoplan"));
        QVERIFY(PlanDocument().save(fileB));
        add(QStringLiteral("Gate"), 4);
        if (savedBefore) {
            m_answer = fileA;
            QVERIFY(session()->save());
        }
        add(QStringLiteral("Hall"), 2);
        m_answer.clear();

        QString question;
        auto answer = DialogAnswerer::answerNext([&](QWidget *dialog) {
            question = labelsOf(dialog);
            QVERIFY(DialogAnswerer::clickButton(dialog, button));
        });
        const bool closing = command == QLatin1String("close");
        const bool wentOn = closing                           ? m_window->close()
                            : command == QLatin1String("new") ? session()->newPlan()
                                                              : opened([&] { session()->openFile(fileB); });
        QVERIFY(answer->answered());
        QCOMPARE(answer->dialogTitle(), QStringLiteral("Save Changes"));
        QVERIFY2(question.contains(QStringLiteral("Save changes to “%1”?")
                                       .arg(savedBefore ? QLatin1String("A") : QLatin1String("Untitled"))),
                 qPrintable(question));
        QCOMPARE(wentOn, goesOn);
        QCOMPARE(rows(), goesOn && !closing ? 0 : 2);
        QCOMPARE(m_window->isVisible(), !(goesOn && closing));
        PlanDocument saved;
        if (savedBefore) {
            QVERIFY(saved.load(fileA) == PlanDocument::None);
            QCOMPARE(saved.groups().size(), button == QLatin1String("btnConfirm") ? 2 : 1);
        }
    }

    void failedSaveKeepsTheEarlierFile()
    {
        const QString file = path(QStringLiteral("A.tavoplan"));
        add(QStringLiteral("Gate"), 4);
        m_answer = file;
        QVERIFY(session()->save());
        const QByteArray before = readAll(file);
        add(QStringLiteral("Hall"), 2);
        // As on a full disk: the plan, larger now, does not fit.
        bool saved = true;
        const QString text =
            hintOf([&] { saved = underFileSizeLimit(rlim_t(before.size()), [&] { return session()->save(); }); });
        QVERIFY(!saved);
        QVERIFY2(text.contains(QDir::toNativeSeparators(file)) && text.contains(QStringLiteral("as it was before")),
                 qPrintable(text));
        QCOMPARE(readAll(file), before);
        QCOMPARE(QDir(m_files->path()).entryList(QDir::Files), QStringList{QStringLiteral("A.tavoplan")});
        QCOMPARE(title(), QStringLiteral("A* — TAVO storage calculator"));
    }

    void restoreAfterAbnormalEnd_data()
    {
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("restored");
        QTest::newRow("ended abnormally, Restore") << QStringLiteral("dead") << QStringLiteral("btnConfirm") << true;
        QTest::newRow("ended abnormally, Discard") << QStringLiteral("dead") << QStringLiteral("btnCancel") << false;
        QTest::newRow("its number now another program's")
            << QStringLiteral("reused") << QStringLiteral("btnConfirm") << true;
        QTest::newRow("still running") << QStringLiteral("running") << QString() << false;
        QTest::newRow("ended normally") << QString() << QString() << false;
    }

    void restoreAfterAbnormalEnd()
    {
        QFETCH(QString, previous);
        QFETCH(QString, button);
        QFETCH(bool, restored);
        // A second after a change the plan is copied, with a marker of this session.
        m_answer = path(QStringLiteral("Site.tavoplan"));
        add(QStringLiteral("Gate"), 4);
        QVERIFY(session()->save());
        add(QStringLiteral("Hall"), 8);
        const QVector<StructDeviceItem> worked = groups();
        QTRY_VERIFY(QFileInfo(PlanRecovery::copyPath()).isFile());
        const QByteArray copy = readAll(PlanRecovery::copyPath());
        QJsonObject marker = QJsonDocument::fromJson(readAll(PlanRecovery::markerPath())).object();
        QCOMPARE(marker.value(QStringLiteral("pid")).toInteger(), QCoreApplication::applicationPid());
        // A normal end leaves nothing.
        newWindow();
        QVERIFY(!QFileInfo::exists(PlanRecovery::copyPath()) && !QFileInfo::exists(PlanRecovery::markerPath()));

        // What the session would have left had it ended in the row's way.
        QVERIFY(makeFile(PlanRecovery::copyPath(), copy));
        QProcess other;
        if (!previous.isEmpty()) {
            const QString sleep = QStandardPaths::findExecutable(QStringLiteral("sleep"));
            other.start(sleep, {previous == QLatin1String("dead") ? QStringLiteral("0") : QStringLiteral("60")});
            QVERIFY(other.waitForStarted());
            marker.insert(QStringLiteral("pid"), other.processId());
            if (previous == QLatin1String("dead"))
                QVERIFY(other.waitForFinished());
            if (previous == QLatin1String("running"))
                marker.insert(QStringLiteral("program"), QFileInfo(sleep).canonicalFilePath());
            QVERIFY(makeFile(PlanRecovery::markerPath(), QJsonDocument(marker).toJson()));
        }
        auto answer = DialogAnswerer::answerNext(DialogAnswerer::clicking(button), button.isEmpty() ? 300 : 10000);
        QSignalSpy finished(session(), &PlanSession::openFinished);
        QCOMPARE(session()->offerRecovery(), restored);
        answer->stop();
        QVERIFY(!restored || finished.wait());
        QCOMPARE(answer->answered(), !button.isEmpty());
        QCOMPARE(answer->dialogTitle(), button.isEmpty() ? QString() : QStringLiteral("Restore Plan"));
        QCOMPARE(groups(), restored ? worked : QVector<StructDeviceItem>());
        QCOMPARE(session()->isModified(), restored);
        QCOMPARE(session()->filePath(), restored ? path(QStringLiteral("Site.tavoplan")) : QString());
        // Discarded, the copy is gone; another session's stays.
        QCOMPARE(QFileInfo::exists(PlanRecovery::copyPath()), button != QLatin1String("btnCancel"));
        other.kill();
        other.waitForFinished();
    }

    void shortcutsWorkWhileTheMenuIsClosed_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("asked");
        QTest::newRow("New") << "m_actionNew" << QKeySequence(Qt::CTRL | Qt::Key_N) << "Save Changes";
        QTest::newRow("Open") << "m_actionOpen" << QKeySequence(Qt::CTRL | Qt::Key_O) << "Open Plan";
        QTest::newRow("Save") << "m_actionSave" << QKeySequence(Qt::CTRL | Qt::Key_S) << "Save Plan As";
        QTest::newRow("Save As") << "m_actionSaveAs" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)
                                 << "Save Plan As";
    }

    void shortcutsWorkWhileTheMenuIsClosed()
    {
        QFETCH(QString, action);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, asked);
        // In the File section, above the about panel.
        const QList<QAction *> entries = m_window->aboutMenu()->actions();
        const QAction *command = m_window->findChild<QAction *>(action);
        QVERIFY(command && entries.indexOf(command) < entries.indexOf(m_window->aboutPanel()));
        add(QStringLiteral("Gate"), 4);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        auto answer = DialogAnswerer::answerNext(DialogAnswerer::clicking(QStringLiteral("btnCancel")), 2000);
        QTest::keySequence(m_window, keys);
        answer->stop();
        if (answer->answered())
            m_asked.append(answer->dialogTitle());
        QCOMPARE(m_asked, QStringList{asked});
    }

    void recentPlansListTheLastFive()
    {
        for (int i = 1; i <= 6; ++i) {
            add(QStringLiteral("Gate"), i);
            m_answer = path(QStringLiteral("plan%1.tavoplan").arg(i));
            QVERIFY(session()->saveAs());
        }
        QVERIFY(QFile::remove(path(QStringLiteral("plan5.tavoplan"))));
        // A later session finds the list in the user's config folder.
        newWindow();
        aptui::Menu *recent = m_window->planMenu()->recentMenu();
        emit recent->aboutToShow();
        QStringList listed;
        QStringList expected;
        for (const QAction *entry : recent->actions())
            listed.append(entry->toolTip() + (entry->isEnabled() ? QString() : QStringLiteral(" (gone)")));
        for (int i = 6; i >= 2; --i)
            expected.append(QDir::toNativeSeparators(path(QStringLiteral("plan%1.tavoplan").arg(i))) +
                            (i == 5 ? QStringLiteral(" (gone)") : QString()));
        QCOMPARE(listed, expected);
        recent->actions().at(3)->trigger();
        QTRY_COMPARE(session()->filePath(), path(QStringLiteral("plan3.tavoplan")));
        QCOMPARE(rows(), 3);
    }

    void groupsTravelAsCsv_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("planEmpty");
        // The button clicked on the Add or Replace question; none when no question is expected.
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("read"); // groups the file gives
        QTest::addColumn<QStringList>("hintHas");
        QTest::addColumn<QString>("hintLacks");
        const QByteArray header = "Name,Channels,Device Type,Encoding,Resolution,Bitrate (kbps),View Mode\r\n";
        const QByteArray spreadsheet = header + "Gate,4,IPC,H.264,1080P,4096,3\r\n,2,DVR,H.265,720P,1024,2\r\n";
        const QByteArray badRow = "Hall,0,IPC,H.264,1080P,4096,3\r\n";
        const QString two = QStringLiteral("2 channel group");
        const QString add = QStringLiteral("btnConfirm");
        QTest::newRow("exported, added") << QByteArray("<exported>") << false << add << 2 << QStringList{two}
                                         << QString();
        QTest::newRow("exported, replacing the plan")
            << QByteArray("<exported>") << false << QStringLiteral("btnReplace") << 2 << QStringList{two} << QString();
        QTest::newRow("exported, cancelled")
            << QByteArray("<exported>") << false << QStringLiteral("btnCancel") << 2 << QStringList() << QString();
        QTest::newRow("into an empty plan, no question")
            << spreadsheet << true << QString() << 2 << QStringList{two} << QString();
        QTest::newRow("from a spreadsheet") << spreadsheet << false << add << 2 << QStringList{two} << QString();
        QTest::newRow("a bad row among good ones")
            << header + "Gate,4,IPC,H.264,1080P,4096,3\r\n" + badRow << false << add << 1
            << QStringList{QStringLiteral("1 channel group"), QStringLiteral("Line 3")} << QString();
        QTest::newRow("many bad rows") << header + badRow + badRow + badRow + badRow + badRow +
                                              spreadsheet.mid(header.size())
                                       << false << add << 2
                                       << QStringList{two, QStringLiteral("Line 2"), QStringLiteral("Line 4"),
                                                      QStringLiteral("2 more")}
                                       << QStringLiteral("Line 5");
        QTest::newRow("only bad rows") << header + badRow << false << QString() << 0
                                       << QStringList{QStringLiteral("No groups"), QStringLiteral("Line 2")}
                                       << QString();
        QTest::newRow("semicolons") << QByteArray("Name;Channels;Device Type;Encoding;Resolution;Bitrate (kbps);View "
                                                  "Mode\r\nGate;4;IPC;H.264;1080P;4096;3\r\n")
                                    << false << QString() << 0 << QStringList{QStringLiteral("semicolons")}
                                    << QString();
        QTest::newRow("no groups") << header << false << QString() << 0
                                   << QStringList{QStringLiteral("no channel groups")} << QString();
        QTest::newRow("binary") << QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200") << false << QString() << 0
                                << QStringList{QStringLiteral("is missing")} << QString();
        QTest::newRow("65 MB") << QByteArray("<65 MB>") << false << QString() << 0
                               << QStringList{QStringLiteral("too large")} << QString();
        // Two groups held and one short of what a plan holds read: adding them would pass it.
        QTest::newRow("more than a plan holds, added")
            << header + QByteArray("Gate,4,IPC,H.264,1080P,4096,3\r\n").repeated(GroupLimits::kMaxGroups - 1) << false
            << add << 0 << QStringList{QStringLiteral("No groups"), QString::number(GroupLimits::kMaxGroups + 1)}
            << QString();
        QTest::newRow("a pipe") << QByteArray("<fifo>") << false << QString() << 0
                                << QStringList{QStringLiteral("is a pipe")} << QString();
    }

    void groupsTravelAsCsv()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, planEmpty);
        QFETCH(QString, button);
        QFETCH(int, read);
        QFETCH(QStringList, hintHas);
        QFETCH(QString, hintLacks);
        if (!planEmpty) {
            add(QStringLiteral("Gate"), 4);
            add(QStringLiteral("Hall"), 9);
        }
        const QString file = path(QStringLiteral("groups.csv"));
        m_answer = path(QStringLiteral("groups"));
        if (content == "<exported>") {
            bool exported = false;
            const QString text = hintOf([&] { exported = session()->exportGroups(); });
            QVERIFY(exported);
            QVERIFY2(text.contains(QStringLiteral("2 channel group")) && text.contains(QDir::toNativeSeparators(file)),
                     qPrintable(text));
        } else {
            QVERIFY(makeFile(file, content));
        }
        const QVector<StructDeviceItem> before = groups();

        // The question is answered by a click, and the hint after it closed.
        QString hint;
        bool asked = false;
        QSharedPointer<DialogAnswerer> hintAnswer;
        const auto closeHint = [&hint](QWidget *dialog) {
            hint = labelsOf(dialog);
            DialogAnswerer::close(dialog);
        };
        auto answer = DialogAnswerer::answerNext([&](QWidget *dialog) {
            if (dialog->objectName() != QLatin1String("importGroupsDialog"))
                return closeHint(dialog);
            asked = true;
            hintAnswer = DialogAnswerer::answerNext(closeHint);
            auto *choice = dialog->findChild<QAbstractButton *>(button);
            QVERIFY(choice);
            QTest::mouseClick(choice, Qt::LeftButton);
        });
        m_answer = file;
        const bool imported = session()->importGroups();
        answer->stop();
        if (hintAnswer)
            hintAnswer->stop();

        const bool cancelled = button == QLatin1String("btnCancel");
        const bool replaced = button == QLatin1String("btnReplace");
        QCOMPARE(asked, !button.isEmpty());
        QCOMPARE(imported, read > 0 && !cancelled);
        QCOMPARE(hint.isEmpty(), hintHas.isEmpty());
        for (const QString &part : std::as_const(hintHas))
            QVERIFY2(hint.contains(part) && hint.contains(QDir::toNativeSeparators(file)), qPrintable(hint));
        QVERIFY2(hintLacks.isEmpty() || !hint.contains(hintLacks), qPrintable(hint));

        const QVector<StructDeviceItem> after = groups();
        const int kept = replaced ? 0 : int(before.size());
        QCOMPARE(after.mid(0, kept), before.mid(0, kept));
        QCOMPARE(after.size(), kept + (imported ? read : 0));
        // Imported groups are numbered on from those kept, and the editor goes on after them.
        for (int i = kept; i < after.size(); ++i)
            QVERIFY(after.at(i).iChannelGroupNumber == i + 1 &&
                    after.at(i).strChannelName.endsWith(QStringLiteral("(%1)").arg(i + 1)));
        if (imported && content == "<exported>")
            QCOMPARE(after.at(kept).strChannelName, QStringLiteral("Gate(%1)").arg(kept + 1));
        add(QStringLiteral("Door"), 1);
        QCOMPARE(groups().last().iChannelGroupNumber, after.size() + 1);

        // Undoing the add and then the import brings the plan back as it was.
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keySequence(m_window, QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(groups(), after);
        if (imported) {
            QTest::keySequence(m_window, QKeySequence(Qt::CTRL | Qt::Key_Z));
            QCOMPARE(groups(), before);
        }
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    registerModelMetaTypes();
    TestPlanSession test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_plansession.moc"
