// A plan's files as the main window meets them: a plan opens again exactly as
// it was saved, bad files are refused with the plan untouched, a plan as large
// as allowed opens whole, a failed save keeps the earlier file, and the groups
// travel as CSV. What the session asks and keeps around its files is in
// tst_plansession.
#include "calc/DataCalculatorPage.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceEditor.h"
#include "device/DeviceListModel.h"
#include "mainwindow/PlanFiles.h"
#include "mainwindow/PlanSession.h"
#include "mainwindow/PlanSessionFixture.h"
#include "model/GroupLimits.h"
#include "model/ModelMetaTypes.h"
#include "support/DialogAnswerer.h"
#include "support/FileSizeLimit.h"

#include <QSpinBox>
#include <QTest>

using PlanFiles::makeFile;
using PlanFiles::readAll;

namespace {

QByteArray planWithChannels(const QByteArray &channels, int schemaVersion = 1)
{
    return R"({"format": "tavo-storage-plan", "schemaVersion": )" + QByteArray::number(schemaVersion) +
           R"(, "groups": [{"deviceType": "IPC", "channels": )" + channels +
           R"(, "bitrateKbps": 4096, "viewMode": 3}]})";
}

} // namespace

class TestPlanSessionFiles : public PlanSessionFixture
{
    Q_OBJECT

private slots:
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

    // The window shows the variant in front; saving after an edit changes it
    // and keeps every other variant as it was.
    void otherVariantsSurviveAnEdit()
    {
        const QByteArray json = R"plan({"format": "tavo-storage-plan", "schemaVersion": 3, "variantName": "A",
            "groups": [{"name": "Gate(1)", "number": 1, "deviceType": "IPC", "channels": 4, "bitrateKbps": 2048,
                        "viewMode": 3, "encoding": "H.264", "resolution": "1080P"}],
            "variants": [{"name": "B: H.265", "videoStandard": "NTSC", "groups": [{"name": "Gate(1)", "number": 1,
                          "deviceType": "IPC", "channels": 4, "bitrateKbps": 1024, "viewMode": 3,
                          "encoding": "H.265", "resolution": "1080P"}]}],
            "currentVariant": 1})plan";
        m_answer = path(QStringLiteral("Variants.tavoplan"));
        QVERIFY(makeFile(m_answer, json));
        QVERIFY(opened([this] { session()->open(); }));
        QCOMPARE(rows(), 1);
        QCOMPARE(groups().first().dBitrate, 1024.0);
        QVERIFY(!m_window->getDeviceEditor()->isPalStandard());
        add(QStringLiteral("Door"), 2);
        QVERIFY(session()->save());

        PlanDocument saved;
        QCOMPARE(saved.load(m_answer), PlanDocument::None);
        QCOMPARE(saved.variants().size(), 2);
        QCOMPARE(saved.currentVariant(), 1);
        QCOMPARE(saved.variants().at(0).groups.size(), 1);
        QCOMPARE(saved.variants().at(0).groups.first().dBitrate, 2048.0);
        QCOMPARE(saved.variants().at(1).name, QStringLiteral("B: H.265"));
        QCOMPARE(saved.variants().at(1).groups.size(), 2);
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
        QTest::newRow("newer format") << planWithChannels("4", 4) << QStringLiteral("newer version");
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
    TestPlanSessionFiles test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_plansession_files.moc"
