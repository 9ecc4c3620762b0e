// The wired main window: a group added in the editor reaches the list, the
// calculator and the displays; deletes, clears and the standard switch follow.
#include "aptui/Label.h"
#include "calc/CapacityCalculation.h"
#include "calc/DataCalculatorPage.h"
#include "device/DeviceAddPage.h"
#include "device/DeviceCardDelegate.h"
#include "device/DeviceEditor.h"
#include "device/DeviceItemWidget.h"
#include "device/DeviceListModel.h"
#include "mainwindow/VantorMainPage.h"
#include "model/FigureFormat.h"
#include "model/ModelDataDir.h"
#include "model/ModelMetaTypes.h"
#include "model/PlanFigures.h"
#include "support/DialogAnswerer.h"
#include "support/SkinStyle.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTranslator>

Q_DECLARE_METATYPE(PlanCalculatorInputs)

namespace {

// One camera table whose first resolution is 1080P at 4096 kbps for 30 fps.
const char kTable[] = "Resolution,30,25,20,15,10,5,1\n"
                      "1080P,4096,3072,2560,2048,1536,1024,512\n"
                      "720P,2048,1808,1536,1264,960,576,240\n";

QByteArray frameXml()
{
    QByteArray xml = "<?xml version=\"1.0\"?><Frame><PAL>";
    for (const char *f : {"50", "25", "24", "22", "20", "18", "16", "15",  "12",  "10",  "8",
                          "7",  "6",  "5",  "4",  "3",  "2",  "1",  "1/2", "1/4", "1/8", "1/16"})
        xml += QByteArray("<F>") + f + "</F>";
    xml += "</PAL><NTSC>";
    for (const char *f : {"60", "30", "25", "24", "22", "20", "18", "16",  "15",  "12",  "10",
                          "8",  "6",  "5",  "4",  "3",  "2",  "1",  "1/2", "1/4", "1/8", "1/16"})
        xml += QByteArray("<F>") + f + "</F>";
    return xml + "</NTSC></Frame>";
}

StructDeviceItem cameras(const char *name, int count, double kbps, int viewMode = 3)
{
    StructDeviceItem group;
    group.strDeviceType = QStringLiteral("IPC");
    group.strChannelName = QLatin1String(name);
    group.iChannelCount = count;
    group.dBitrate = kbps;
    group.iViewMode = viewMode;
    group.bRateFromTable = true;
    return group;
}

PlanCalculatorInputs calculatorInputs(const char *disk, bool terabytes, int hours, const char *retention, int unit,
                                      int dailyHours)
{
    PlanCalculatorInputs in;
    in.diskSize = QLatin1String(disk);
    in.diskInTerabytes = terabytes;
    in.retentionPageHoursPerDay = hours;
    in.retention = QLatin1String(retention);
    in.retentionUnit = unit;
    in.diskPageHoursPerDay = dailyHours;
    // The array belongs to the record with its page in front.
    in.mode = PlanCalculatorInputs::DiskArrayPage;
    return in;
}

// Every bit of a double: QCOMPARE on doubles forgives the last digits.
QString exact(double value)
{
    return QString::number(value, 'g', 17);
}

QString labelText(const QWidget *root, const char *name)
{
    auto *label = root->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

} // namespace

class TestMainWindowEndToEnd : public QObject
{
    Q_OBJECT

private:
    ModelDataDir *m_data = nullptr;
    VantorMainPage *m_window = nullptr;

    DeviceAddPage *page() const { return m_window->findChild<DeviceAddPage *>(); }
    QAbstractItemView *list() const { return page()->listView(); }
    int rows() const { return page()->model()->rowCount(); }
    Result result() const
    {
        Result r;
        m_window->getDataCalculatorPage()->fillResult(r);
        return r;
    }
    void add() const
    {
        m_window->getDeviceEditor()->findChild<QAbstractButton *>(QStringLiteral("m_btnAddDevice"))->click();
    }
    // The card the row is drawn from.
    const QWidget *card(int row) const { return page()->cardForRow(row); }
    // As wide as the list, but for the little the row keeps around it.
    bool spansTheList(int row) const
    {
        const int width = card(row)->width();
        return width <= list()->viewport()->width() && width >= list()->viewport()->width() - 16;
    }
    QRect deleteButton(int row) const
    {
        return qobject_cast<DeviceCardDelegate *>(list()->itemDelegate())
            ->deleteButtonRect(page()->model()->index(row));
    }

private slots:
    void init()
    {
        m_data = new ModelDataDir(QString());
        QVERIFY(m_data->write(QStringLiteral("IPCBitrate/H.264.csv"), kTable));
        QVERIFY(m_data->write(QStringLiteral("IPCBitrate/H.265.csv"), kTable));
        QVERIFY(m_data->write(QStringLiteral("DVRBitrate/H.264.csv"), kTable));
        QVERIFY(m_data->write(QStringLiteral("DVRBitrate/H.265.csv"), kTable));
        QVERIFY(m_data->write(QStringLiteral("IPCBitrateConfig.xml"), "<ConfigList/>"));
        QVERIFY(m_data->write(QStringLiteral("DVRBitrateConfig.xml"), "<ConfigList/>"));
        QVERIFY(m_data->write(QStringLiteral("Frame.xml"), frameXml()));
        m_window = new VantorMainPage;
        m_window->connectSignals();
        m_window->resize(1400, 800);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void cleanup()
    {
        delete m_window;
        m_window = nullptr;
        delete m_data;
        m_data = nullptr;
    }

    void startShowsTheEmptyView()
    {
        CapacityCalculation *panel = m_window->getCapacityCalculation();
        QVERIFY(!panel->findChild<QWidget *>(QStringLiteral("m_CapacityWidget"))->isVisible());
        QVERIFY(!panel->findChild<QWidget *>(QStringLiteral("exportBtn"))->isVisible());
        QVERIFY(panel->findChild<QWidget *>(QStringLiteral("m_labelNullPic"))->isVisible());
        QCOMPARE(m_window->getDeviceEditor()
                     ->findChild<QLineEdit *>(QStringLiteral("m_lineEditScenceRecommandRate"))
                     ->text(),
                 QStringLiteral("4096"));
    }

    void addShowsACardAndTheFigures()
    {
        add();
        CapacityCalculation *panel = m_window->getCapacityCalculation();
        QVERIFY(panel->findChild<QWidget *>(QStringLiteral("m_CapacityWidget"))->isVisible());
        QVERIFY(!panel->findChild<QWidget *>(QStringLiteral("m_labelNullPic"))->isVisible());
        QCOMPARE(rows(), 1);
        QCOMPARE(labelText(card(0), "m_labelChannelGroupName"), QStringLiteral("Channel Name(1)"));
        const Result r = result();
        QCOMPARE(r.savedDays, QStringLiteral("88 day(s)"));
        QCOMPARE(r.savedWeeks, QStringLiteral("12 week(s)"));
        QCOMPARE(r.savedMonths, QStringLiteral("2 month(s)"));
        QCOMPARE(r.diskSize, QStringLiteral("4 TB"));
        QCOMPARE(r.requiredDiskSpace, QStringLiteral("46 GB"));
        QCOMPARE(r.channelCount, QStringLiteral("1"));
        QCOMPARE(r.bandWidth, QStringLiteral("4.0 Mpbs"));
        QVERIFY(labelText(panel, "bandWidthLabel").contains(QStringLiteral(">4.0<")));
        QVERIFY(labelText(panel, "bandWidthLabel").contains(QStringLiteral("(Mpbs)")));

        // The calculation pages show the same figures once chosen.
        panel->findChild<QAbstractButton *>(QStringLiteral("calTimeBtn"))->click();
        QVERIFY(labelText(panel, "m_labelByDay").contains(QStringLiteral(">88<")));
        panel->findChild<QAbstractButton *>(QStringLiteral("calDiskBtn"))->click();
        QVERIFY(labelText(panel, "m_labelDisplaySize").contains(QStringLiteral(">46<")));
    }

    // Worked by hand: 64 channels at the recommended 4096 kbps recorded 40 %
    // of the time store 104857.6 kbps, 48.464 GB an hour; 30 days at 24 h
    // need 34894 GB, five 8 TB data drives, so RAID 6 with a spare takes 8
    // drives. Busy scenes double the rate (10 data drives: 12), calm ones
    // halve it (3: 6). Eight such drives hold 40 TB: 34.4 days.
    void motionRecordingOnADiskArray()
    {
        DeviceEditor *editor = m_window->getDeviceEditor();
        editor->findChild<QLineEdit *>(QStringLiteral("m_lineEditChannelCounts"))->setText(QStringLiteral("64"));
        editor->findChild<QComboBox *>(QStringLiteral("m_comboxRecordingMode"))->setCurrentIndex(1);
        editor->findChild<QLineEdit *>(QStringLiteral("m_lineEditRecordingShare"))->setText(QStringLiteral("40"));
        add();
        QVERIFY(labelText(card(0), "m_labelRecording").contains(QStringLiteral("40")));

        CapacityCalculation *panel = m_window->getCapacityCalculation();
        panel->findChild<QAbstractButton *>(QStringLiteral("calDiskBtn"))->click();
        panel->findChild<QLineEdit *>(QStringLiteral("m_lineEditSaveTime"))->setText(QStringLiteral("30"));
        QCOMPARE(labelText(panel, "m_labelSizeRange"), QStringLiteral("17.5\u201369.8 TB depending on scene activity"));
        panel->findChild<QAbstractButton *>(QStringLiteral("calArrayBtn"))->click();
        panel->findChild<QLineEdit *>(QStringLiteral("m_lineEditDriveSize"))->setText(QStringLiteral("8"));
        panel->findChild<QLineEdit *>(QStringLiteral("m_lineEditDriveCount"))->setText(QStringLiteral("8"));
        panel->findChild<QComboBox *>(QStringLiteral("m_comboRaidLevel"))->setCurrentIndex(3);
        panel->findChild<QLineEdit *>(QStringLiteral("m_lineEditSpares"))->setText(QStringLiteral("1"));

        const Result r = result();
        QVERIFY(r.arrayShown);
        QCOMPARE(r.arrayFault, QString());
        QCOMPARE(r.arrayUsableTB, 40.0);
        QCOMPARE(r.arrayDrivesNeeded, 8);
        QCOMPARE(r.arrayDrivesNeededCalm, 6);
        QCOMPARE(r.arrayDrivesNeededBusy, 12);
        QVERIFY(qAbs(r.arrayDays - 34.39) < 0.01);
        QVERIFY(qAbs(r.arrayBusyDays - 17.19) < 0.01);
        QVERIFY(qAbs(r.arrayCalmDays - 68.78) < 0.01);
        QVERIFY(labelText(panel, "m_labelArrayNeed").contains(QStringLiteral(": 8 drive")));
        QCOMPARE(labelText(panel, "m_labelArrayNeedRange"),
                 QStringLiteral("6\u201312 drive(s) depending on scene activity"));

        // An array that cannot exist says why instead of figures.
        panel->findChild<QLineEdit *>(QStringLiteral("m_lineEditSpares"))->setText(QStringLiteral("8"));
        QVERIFY(result().arrayFault.contains(QStringLiteral("spares")));
        QVERIFY(panel->findChild<QWidget *>(QStringLiteral("m_labelArrayFault"))->isVisible());
        QVERIFY(!panel->findChild<QWidget *>(QStringLiteral("m_widgetArrayFigures"))->isVisible());
    }

    // Worked by hand: a lobby of 8 × 1024 kbps follows the plan's 30 days at
    // 24 h (2726.09 GB); 4 plate cameras of 4096 kbps with G.711 (64 kbps)
    // keep 90 days: 4 × 4160 = 16640 kbps for 2160 h, 16612.09 GB; together
    // 19338.18 GB. 20 TB holds them with 3.4 % to spare (× 1.03), and leaves
    // the lobby 37.28 days. Four 8 TB drives in RAID 5 (24 TB) hold them
    // with 24.1 % to spare; 19338 GB need 3 data drives, 4 in RAID 5. Both are watched
    // live: 8192 + 16640 kbps = 24.25 Mbps, shown rounded up.
    void groupsKeepingTheirOwnRetention()
    {
        StructDeviceItem lobby;
        lobby.strDeviceType = QStringLiteral("IPC");
        lobby.strChannelName = QStringLiteral("Lobby(1)");
        lobby.iChannelGroupNumber = 1;
        lobby.iChannelCount = 8;
        lobby.dBitrate = 1024;
        lobby.iViewMode = 3;
        StructDeviceItem plates = lobby;
        plates.strChannelName = QStringLiteral("Plates(2)");
        plates.iChannelGroupNumber = 2;
        plates.iChannelCount = 4;
        plates.dBitrate = 4096;
        plates.policy.own = true;
        plates.policy.retention = 90;
        plates.policy.audio = RetentionPolicy::G711;
        page()->setGroups({lobby, plates});

        CapacityCalculation *panel = m_window->getCapacityCalculation();
        panel->findChild<QLineEdit *>(QStringLiteral("m_lineEditSaveTime"))->setText(QStringLiteral("30"));
        panel->findChild<QLineEdit *>(QStringLiteral("m_lineEditGT"))->setText(QStringLiteral("20"));
        Result r = result();
        QVERIFY2(qAbs(r.exactDiskGB - 19338.18) < 0.01, qPrintable(QString::number(r.exactDiskGB)));
        QVERIFY2(qAbs(r.exactDays - 37.28) < 0.01, qPrintable(QString::number(r.exactDays)));
        QVERIFY2(r.retentionAnswer.contains(QStringLiteral("3 %")) &&
                     r.retentionAnswer.contains(QStringLiteral("1.03")),
                 qPrintable(r.retentionAnswer));
        QVERIFY2(r.largestNeeds.contains(QStringLiteral("Plates(2) 86 %")), qPrintable(r.largestNeeds));
        QCOMPARE(r.bandWidth, QStringLiteral("24.3 Mpbs"));
        QCOMPARE(labelText(panel, "m_labelTimeNote"), r.retentionAnswer);

        panel->findChild<QAbstractButton *>(QStringLiteral("calArrayBtn"))->click();
        panel->findChild<QLineEdit *>(QStringLiteral("m_lineEditDriveSize"))->setText(QStringLiteral("8"));
        panel->findChild<QLineEdit *>(QStringLiteral("m_lineEditDriveCount"))->setText(QStringLiteral("4"));
        r = result();
        QCOMPARE(r.arrayDrivesNeeded, 4);
        QVERIFY2(r.arrayAnswer.contains(QStringLiteral("24 %")), qPrintable(r.arrayAnswer));
        QVERIFY(labelText(panel, "m_labelArrayDays").contains(QStringLiteral("days")));
        // Three drives (16 TB) do not hold the plates' 16.6 TB: no days are
        // left for the lobby, and the array says so instead of a day count.
        panel->findChild<QLineEdit *>(QStringLiteral("m_lineEditDriveCount"))->setText(QStringLiteral("3"));
        QCOMPARE(labelText(panel, "m_labelArrayDays"), QString());
        QVERIFY(result().arrayAnswer.contains(QStringLiteral("short")));

        // With no group following the plan, no days are the disk's to give.
        page()->setGroups({plates});
        QCOMPARE(result().savedDays, FigureFormat::none());
        QVERIFY(!result().retentionAnswer.isEmpty());

        // Without a group of its own retention, the notes go.
        plates.policy = RetentionPolicy();
        page()->setGroups({lobby, plates});
        QCOMPARE(result().retentionAnswer, QString());
        QVERIFY(!panel->findChild<QWidget *>(QStringLiteral("m_labelTimeNote"))->parentWidget()->isVisibleTo(panel));
    }

    // A plan's figures worked out without the window are the window's own,
    // to the last bit.
    void planFiguresAreTheCalculators_data()
    {
        QTest::addColumn<QVector<StructDeviceItem>>("groups");
        QTest::addColumn<PlanCalculatorInputs>("inputs");
        using In = PlanCalculatorInputs;

        const StructDeviceItem lobby = cameras("Lobby(1)", 8, 1024);
        StructDeviceItem plates = cameras("Plates(2)", 4, 4096);
        plates.policy.own = true;
        plates.policy.retention = 90;
        plates.policy.audio = RetentionPolicy::G711;
        StructDeviceItem motion = cameras("Yard(3)", 64, 4096);
        motion.iRecordingShare = 40;
        StructDeviceItem typed = cameras("Gate(4)", 3, 3000, 2);
        typed.bRateFromTable = false;
        typed.iComplexity = 2;

        QTest::newRow("plain") << QVector<StructDeviceItem>{lobby}
                               << calculatorInputs("4", true, 24, "30", In::Days, 24);
        In array = calculatorInputs("12.", true, 10, "2", In::Weeks, 12);
        array.arrayDrives = QStringLiteral("8");
        array.arrayLevel = In::Raid6;
        array.arraySpares = QStringLiteral("1");
        QTest::newRow("motion share on an array") << QVector<StructDeviceItem>{motion, lobby} << array;
        // Six months need more 0.1 TB drives than the largest array holds.
        In small = calculatorInputs("750", false, 24, "6", In::Months, 30);
        small.arrayDriveTB = QStringLiteral("0.1");
        small.arrayDrives = QStringLiteral("3");
        QTest::newRow("typed rate, live only, GB and months")
            << QVector<StructDeviceItem>{typed, motion, cameras("Hall(5)", 2, 512, 1)} << small;
        QTest::newRow("own retention") << QVector<StructDeviceItem>{lobby, plates}
                                       << calculatorInputs("20", true, 20, "30", In::Days, 24);
        In raid1 = calculatorInputs("20", true, 24, "30", In::Days, 24);
        raid1.arrayLevel = In::Raid1;
        raid1.arrayDrives = QStringLiteral("2");
        raid1.arrayDriveTB = QStringLiteral("4");
        QTest::newRow("own retention only, RAID 1 too small") << QVector<StructDeviceItem>{plates} << raid1;
        In faulty = calculatorInputs("500", false, 0, "7", In::Days, 0);
        faulty.arraySpares = QStringLiteral("4");
        QTest::newRow("0 hours, array fault") << QVector<StructDeviceItem>{lobby, plates} << faulty;
        QTest::newRow("0 hours") << QVector<StructDeviceItem>{lobby}
                                 << calculatorInputs("4", true, 0, "7", In::Days, 0);
    }

    void planFiguresAreTheCalculators()
    {
        QFETCH(QVector<StructDeviceItem>, groups);
        QFETCH(PlanCalculatorInputs, inputs);
        page()->setGroups(groups);
        m_window->getDataCalculatorPage()->setInputs(inputs);
        const Result r = result();
        const PlanFigures f = PlanFigures::compute(groups, inputs);

        QCOMPARE(r.channelCount, QString::number(f.channels));
        QCOMPARE(r.bandWidth, FigureFormat::bitrateText(f.bandwidthKbps));
        QCOMPARE(exact(f.days), exact(r.exactDays));
        QCOMPARE(exact(f.calmDays), exact(r.calmDays));
        QCOMPARE(exact(f.busyDays), exact(r.busyDays));
        QCOMPARE(exact(f.diskGB), exact(r.exactDiskGB));
        QCOMPARE(exact(f.calmDiskGB), exact(r.calmDiskGB));
        QCOMPARE(exact(f.busyDiskGB), exact(r.busyDiskGB));
        QVERIFY(r.arrayShown);
        QCOMPARE(DiskArray::faultText(f.arrayFault, r.arrayLevel), r.arrayFault);
        QCOMPARE(exact(f.arrayRawTB), exact(r.arrayRawTB));
        QCOMPARE(exact(f.arrayUsableTB), exact(r.arrayUsableTB));
        QCOMPARE(exact(f.arrayDays), exact(r.arrayDays));
        QCOMPARE(exact(f.arrayCalmDays), exact(r.arrayCalmDays));
        QCOMPARE(exact(f.arrayBusyDays), exact(r.arrayBusyDays));
        QCOMPARE(f.drivesNeeded, r.arrayDrivesNeeded);
        QCOMPARE(f.drivesNeededCalm, r.arrayDrivesNeededCalm);
        QCOMPARE(f.drivesNeededBusy, r.arrayDrivesNeededBusy);
        QCOMPARE(DiskArray::faultText(f.drivesNeededFault, r.arrayLevel), r.arrayNeedFault);
    }

    void deletingTheOnlyGroupLeavesZerosAndFreesItsNumber()
    {
        add();
        QCOMPARE(rows(), 1);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, deleteButton(0).center());
        QTRY_COMPARE(rows(), 0);
        // List and calculator stay visible.
        QVERIFY(
            m_window->getCapacityCalculation()->findChild<QWidget *>(QStringLiteral("m_CapacityWidget"))->isVisible());
        const Result r = result();
        QCOMPARE(r.savedDays, QStringLiteral("0 day(s)"));
        QCOMPARE(r.requiredDiskSpace, QStringLiteral("0 GB"));
        QCOMPARE(r.channelCount, QStringLiteral("0"));
        QCOMPARE(r.bandWidth, QStringLiteral("0.0 Kpbs"));
        add();
        QCOMPARE(labelText(card(0), "m_labelChannelGroupName"), QStringLiteral("Channel Name(1)"));
    }

    void confirmedClearLeavesZeros()
    {
        add();
        add();
        QCOMPARE(rows(), 2);
        bool covered = false;
        auto answer = DialogAnswerer::answerNext([&](QWidget *dialog) {
            covered = m_window->isCovered();
            DialogAnswerer::clickButton(dialog, QStringLiteral("btnConfirm"));
        });
        m_window->getCapacityCalculation()->findChild<QAbstractButton *>(QStringLiteral("m_btnClear"))->click();
        QVERIFY(answer->answered());
        QCOMPARE(answer->dialogTitle(), QStringLiteral("Clear"));
        QVERIFY(covered);
        QVERIFY(!m_window->isCovered());
        QCOMPARE(rows(), 0);
        const Result r = result();
        QCOMPARE(r.savedDays, QStringLiteral("0 day(s)"));
        QCOMPARE(r.bandWidth, QStringLiteral("0.0 Kpbs"));
        // Numbering starts again after a clear.
        add();
        QCOMPARE(labelText(card(0), "m_labelChannelGroupName"), QStringLiteral("Channel Name(1)"));
    }

    void cardsStayClearOfTheCalculator_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        QTest::newRow("Chinese") << QStringLiteral("zh");
        QTest::newRow("Russian") << QStringLiteral("ru");
    }

    void cardsStayClearOfTheCalculator()
    {
        QFETCH(QString, language);
        QTranslator translator;
        if (!language.isEmpty()) {
            QVERIFY(translator.load(QStringLiteral("vantor_") + language,
                                    QStringLiteral(TAVO_RUNTIME_DIR "/translations")));
            QCoreApplication::installTranslator(&translator);
        }
        QVERIFY(SkinStyle::apply());
        // The program's base font.
        QFont font(QStringLiteral("Microsoft YaHei"), 9);
        font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
        const QFont previousFont = QApplication::font();
        QApplication::setFont(font);
        // A fresh window, built with the language and the skin in place.
        delete m_window;
        m_window = new VantorMainPage;
        m_window->connectSignals();
        m_window->resize(1365, 768);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        // 2 x 512 kbps: the second add shows the widest bandwidth figure, "1024.0", which widens the
        // calculator and narrows the list after the first card was laid out.
        m_window->getDeviceEditor()
            ->findChild<QLineEdit *>(QStringLiteral("m_lineEditScenceRecommandRate"))
            ->setText(QStringLiteral("512"));
        add();
        QTRY_VERIFY(spansTheList(0));
        add();
        // Let the window's layouts settle: the wider figure narrows the list.
        for (int pass = 0; pass < 3; ++pass) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QCoreApplication::processEvents();
        }
        // The new card is laid out at the list's final width; the first must follow it.
        QTRY_VERIFY(spansTheList(1));
        QVERIFY(spansTheList(0));
        auto *rule = m_window->findChild<QWidget *>(QStringLiteral("m_boardVline"));
        QVERIFY(rule);
        const int ruleX = rule->mapToGlobal(QPoint(0, 0)).x();
        const int viewportRight = list()->viewport()->mapToGlobal(QPoint(list()->viewport()->width(), 0)).x();
        QVERIFY2(viewportRight <= ruleX,
                 qPrintable(QStringLiteral("list ends at %1, rule at %2").arg(viewportRight).arg(ruleX)));
        for (int row = 0; row < rows(); ++row) {
            const int right = list()->viewport()->mapToGlobal(deleteButton(row).topRight()).x() + 1;
            QVERIFY2(right <= viewportRight,
                     qPrintable(QStringLiteral("delete button ends at %1, list at %2").arg(right).arg(viewportRight)));
        }
        QCoreApplication::removeTranslator(&translator);
        qApp->setStyleSheet(QString());
        QApplication::setFont(previousFont);
    }

    void palSwitchConvertsTheList()
    {
        add();
        QVERIFY(labelText(card(0), "m_labelDeviceBitRate").contains(QStringLiteral("4096")));
        auto *pal = m_window->getDeviceEditor()->findChild<QAbstractButton *>(QStringLiteral("m_btnON"));
        QVERIFY(pal);
        pal->click();
        QCOMPARE(labelText(card(0), "m_labelDeviceBitRate"), QStringLiteral("Fixted Rate : 3072 kbps"));
        QCOMPARE(labelText(card(0), "m_labelDeviceResolution"), QStringLiteral("Frame Rate : 25"));
        QCOMPARE(result().bandWidth, QStringLiteral("3.0 Mpbs"));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    registerModelMetaTypes();
    TestMainWindowEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow_endtoend.moc"
