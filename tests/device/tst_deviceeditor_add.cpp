#include "tst_editor_fixture.h"

#include "aptui/InputTip.h"
#include "model/ConfigureManager.h"
#include "model/GroupLimits.h"
#include "support/SignalRecorder.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace EditorParts;

// Adding groups, in fixed-rate and in scene mode.
class TestDeviceEditorAdd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void addBuildsTheRecord();
    void groupNumbersAreReused();
    void numbersAfterAnOpenedPlan_data();
    void numbersAfterAnOpenedPlan();
    void fullPlanRefusesAnAdd_data();
    void fullPlanRefusesAnAdd();
    void appStartOnlyOnFirstAdd();
    void addRefusals_data();
    void addRefusals();
    void recordingShareAndRateOrigin_data();
    void recordingShareAndRateOrigin();
    void scenceMode();
    void scenceWithoutRowLeavesRateEmpty_data();
    void scenceWithoutRowLeavesRateEmpty();
    void backToFixedRate();
};

void TestDeviceEditorAdd::initTestCase()
{
    // The table reader traces every header it reads.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void TestDeviceEditorAdd::addBuildsTheRecord()
{
    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor editor;
    combo(editor, "m_comboBoxResolution")->setCurrentText(QStringLiteral("720P"));
    combo(editor, "m_comboxFrameRate")->setCurrentText(QStringLiteral("25"));
    QLineEdit *counts = edit(editor, "m_lineEditChannelCounts");
    counts->clear();
    QTest::keyClicks(counts, QStringLiteral("16"));
    QLineEdit *name = edit(editor, "m_lineEditChannelName");
    name->setText(QStringLiteral("Gate"));
    // NTSC 25 fps on the 0 to 2 segment of the 720P row.
    QCOMPARE(rate(editor), QStringLiteral("1791"));

    const StructDeviceItem item = addOnce(editor);
    QCOMPARE(item.strDeviceType, QStringLiteral("IPC"));
    QCOMPARE(item.strChannelName, QStringLiteral("Gate(1)"));
    QVERIFY(item.strExtraText.isEmpty());
    QCOMPARE(item.bFlag, false);
    QVERIFY(item.strScene.isEmpty());
    QCOMPARE(item.strEncoding, QStringLiteral("H.264"));
    QCOMPARE(item.iChannelCount, 16);
    QCOMPARE(item.strResolution, QStringLiteral("720P"));
    QCOMPARE(item.strFrameRate, QStringLiteral("25"));
    QCOMPARE(item.dBitrate, 1791.0);
    QCOMPARE(item.iChannelGroupNumber, 1);
    QCOMPARE(item.iViewMode, 3);

    // The form keeps its values; the view choice maps 1 and 2 to live view and recording.
    combo(editor, "viewOrRecordingCmbx")->setCurrentIndex(1);
    QCOMPARE(addOnce(editor).iViewMode, 1);
    combo(editor, "viewOrRecordingCmbx")->setCurrentIndex(2);
    const StructDeviceItem third = addOnce(editor);
    QCOMPARE(third.iViewMode, 2);
    QCOMPARE(third.strChannelName, QStringLiteral("Gate(3)"));
    QCOMPARE(third.iChannelCount, 16);
    name->clear();
    QCOMPARE(addOnce(editor).strChannelName, QStringLiteral("Channel Name(4)"));
}

void TestDeviceEditorAdd::groupNumbersAreReused()
{
    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor editor;
    QStringList names;
    for (int i = 0; i < 3; ++i)
        names.append(addOnce(editor).strChannelName);
    QCOMPARE(names, words("Channel Name(1)|Channel Name(2)|Channel Name(3)"));

    editor.OnDeleteChannelGroupNumber(2);
    QCOMPARE(addOnce(editor).iChannelGroupNumber, 2);
    QCOMPARE(addOnce(editor).iChannelGroupNumber, 4);
    // 0: the list was cleared.
    editor.OnDeleteChannelGroupNumber(0);
    QCOMPARE(addOnce(editor).strChannelName, QStringLiteral("Channel Name(1)"));
}

void TestDeviceEditorAdd::numbersAfterAnOpenedPlan_data()
{
    QTest::addColumn<QList<int>>("used");
    QTest::addColumn<int>("handedBack");
    QTest::addColumn<QList<int>>("added");
    QTest::newRow("none") << QList<int>{} << 0 << QList<int>{1, 2, 3};
    QTest::newRow("from 1 on") << QList<int>{1, 2, 3} << 0 << QList<int>{4, 5, 6};
    QTest::newRow("gaps") << QList<int>{2, 3, 6} << 0 << QList<int>{1, 4, 5, 7};
    QTest::newRow("far apart") << QList<int>{1, 2147483000} << 0 << QList<int>{2, 3, 4};
    QTest::newRow("repeats and numbers below 1") << QList<int>{0, -4, 1, 1} << 0 << QList<int>{2, 3};
    QTest::newRow("one handed back") << QList<int>{1, 2, 3} << 2 << QList<int>{2, 4};
    QTest::newRow("one beyond the next handed back") << QList<int>{1, 3} << 3 << QList<int>{2, 3, 4};
}

void TestDeviceEditorAdd::numbersAfterAnOpenedPlan()
{
    QFETCH(QList<int>, used);
    QFETCH(int, handedBack);
    QFETCH(QList<int>, added);
    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor editor;
    addOnce(editor);
    editor.setUsedChannelGroupNumbers(used);
    if (handedBack != 0)
        editor.OnDeleteChannelGroupNumber(handedBack);
    QList<int> numbers;
    for (int i = 0; i < added.size(); ++i)
        numbers.append(addOnce(editor).iChannelGroupNumber);
    QCOMPARE(numbers, added);
}

void TestDeviceEditorAdd::fullPlanRefusesAnAdd_data()
{
    QTest::addColumn<int>("groups");
    QTest::newRow("room for one more") << GroupLimits::kMaxGroups - 1;
    QTest::newRow("full") << GroupLimits::kMaxGroups;
}

void TestDeviceEditorAdd::fullPlanRefusesAnAdd()
{
    QFETCH(int, groups);
    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor editor;
    editor.show();
    QList<int> used;
    for (int number = 1; number <= groups; ++number)
        used.append(number);
    editor.setUsedChannelGroupNumbers(used);
    QSignalSpy added(&editor, &DeviceEditor::signalAddDevice);
    QTest::mouseClick(part<QPushButton>(editor, "m_btnAddDevice"), Qt::LeftButton);
    const bool full = groups == GroupLimits::kMaxGroups;
    QCOMPARE(added.count(), full ? 0 : 1);
    const aptui::InputTip *tip = aptui::InputTip::of(edit(editor, "m_lineEditChannelCounts"));
    QCOMPARE(tip->isShowing(), full);
    QCOMPARE(tip->text().contains(QString::number(GroupLimits::kMaxGroups + 1)), full);
}

void TestDeviceEditorAdd::appStartOnlyOnFirstAdd()
{
    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor editor;
    SignalRecorder recorder;
    recorder.watch(&editor, &DeviceEditor::signalAppStart, QStringLiteral("start"));
    connect(&editor, &DeviceEditor::signalAddDevice, &recorder,
            [&recorder](const StructDeviceItem &item) { recorder.note(QString::number(item.iChannelGroupNumber)); });

    auto *add = part<QPushButton>(editor, "m_btnAddDevice");
    add->click();
    add->click();
    // A clear of the list does not make the next add a first one.
    editor.OnDeleteChannelGroupNumber(0);
    add->click();
    QCOMPARE(recorder.events(), words("start|1|2|1"));
}

void TestDeviceEditorAdd::addRefusals_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refused");

    const QString counts = QStringLiteral("m_lineEditChannelCounts");
    const QString rates = QStringLiteral("m_lineEditScenceRecommandRate");
    const QString name = QStringLiteral("m_lineEditChannelName");
    QTest::newRow("empty count") << counts << "" << true;
    QTest::newRow("count 0") << counts << "0" << true;
    QTest::newRow("empty rate") << rates << "" << true;
    QTest::newRow("rate 0") << rates << "0" << true;
    // A group without a name takes the name the field starts with.
    QTest::newRow("empty name") << name << "" << false;
    QTest::newRow("blank name") << name << "   " << false;
}

void TestDeviceEditorAdd::addRefusals()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, refused);

    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    auto *line = editor.findChild<QLineEdit *>(field);
    line->setText(text);
    QSignalSpy added(&editor, &DeviceEditor::signalAddDevice);
    QSignalSpy started(&editor, &DeviceEditor::signalAppStart);

    if (refused) {
        part<QPushButton>(editor, "m_btnAddDevice")->click();
        QCOMPARE(added.count(), 0);
        QCOMPARE(started.count(), 0);
        QVERIFY(line->property("invalid").toBool());
        const aptui::InputTip *tip = aptui::InputTip::of(line);
        QVERIFY(tip->isShowing() && tip->isVisible());
        QVERIFY(tip->text().startsWith(QLatin1String("Enter the")));
        QCOMPARE(line->accessibleDescription(), tip->text());
        QVERIFY(line->hasFocus());
        const char *other =
            field.endsWith(QLatin1String("Counts")) ? "m_lineEditScenceRecommandRate" : "m_lineEditChannelCounts";
        QVERIFY(!edit(editor, other)->property("invalid").toBool());

        // A value ends the mark and the message.
        line->selectAll();
        QTest::keyClicks(line, QStringLiteral("8"));
        QVERIFY(!line->property("invalid").toBool());
        QVERIFY(!tip->isShowing());
    }
    const StructDeviceItem item = addOnce(editor);
    QCOMPARE(item.iChannelGroupNumber, 1);
    QCOMPARE(item.strChannelName, QStringLiteral("Channel Name(1)"));
}

void TestDeviceEditorAdd::recordingShareAndRateOrigin_data()
{
    QTest::addColumn<int>("mode");      // 0 continuous, 1 on motion
    QTest::addColumn<QString>("share"); // typed over the default; null: untouched
    QTest::addColumn<int>("complexity");
    QTest::addColumn<QString>("rate");      // typed before the complexity is chosen; null: the recommendation
    QTest::addColumn<int>("expectedShare"); // 0: refused
    QTest::addColumn<int>("expectedComplexity");
    QTest::addColumn<bool>("fromTable");

    QTest::newRow("continuous, recommended") << 0 << QString() << 1 << QString() << 100 << 1 << true;
    QTest::newRow("a share out of sight counts not") << 0 << QStringLiteral("0") << 1 << QString() << 100 << 1 << true;
    QTest::newRow("on motion at its default") << 1 << QString() << 1 << QString() << 30 << 1 << true;
    QTest::newRow("on motion, 40 %, busy scene") << 1 << QStringLiteral("40") << 2 << QString() << 40 << 2 << true;
    QTest::newRow("share 0 refused") << 1 << QStringLiteral("0") << 1 << QString() << 0 << 0 << false;
    QTest::newRow("typed rate") << 0 << QString() << 1 << QStringLiteral("3000") << 100 << 1 << false;
    QTest::newRow("typed rate scaled stays typed")
        << 0 << QString() << 0 << QStringLiteral("3000") << 100 << 0 << false;
}

void TestDeviceEditorAdd::recordingShareAndRateOrigin()
{
    QFETCH(int, mode);
    QFETCH(QString, share);
    QFETCH(int, complexity);
    QFETCH(QString, rate);
    QFETCH(int, expectedShare);
    QFETCH(int, expectedComplexity);
    QFETCH(bool, fromTable);

    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor editor;
    combo(editor, "m_comboxRecordingMode")->setCurrentIndex(mode);
    QCOMPARE(edit(editor, "m_lineEditRecordingShare")->isVisibleTo(&editor), mode == 1);
    if (!share.isNull())
        edit(editor, "m_lineEditRecordingShare")->setText(share);
    if (!rate.isNull())
        edit(editor, "m_lineEditScenceRecommandRate")->setText(rate);
    combo(editor, "m_comboxSceneComplexity")->setCurrentIndex(complexity);

    QSignalSpy added(&editor, &DeviceEditor::signalAddDevice);
    const StructDeviceItem item = addOnce(editor);
    QCOMPARE(added.count(), expectedShare > 0 ? 1 : 0);
    if (expectedShare == 0)
        return;
    QCOMPARE(item.iRecordingShare, expectedShare);
    QCOMPARE(item.iComplexity, expectedComplexity);
    QCOMPARE(item.bRateFromTable, fromTable);
}

void TestDeviceEditorAdd::scenceMode()
{
    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor editor;
    ScenceSelector *scences = selector(editor);
    // In scene mode the recommendation is the scene list's, not scaled by the
    // complexity already chosen; only a later change scales it.
    combo(editor, "m_comboxSceneComplexity")->setCurrentIndex(2);
    part<QRadioButton>(editor, "m_radioButtonVarRate")->click();

    QVERIFY(!editor.isFixedRateMode());
    QVERIFY(shown(editor, "m_scenceSelector"));
    QVERIFY(!shown(editor, "m_comboxFrameRate") && !shown(editor, "m_labelFrameRate"));
    QVERIFY(shown(editor, "m_comboxEncodingType"));
    QComboBox *resolutions = combo(editor, "m_comboBoxResolution");
    QComboBox *encodings = combo(editor, "m_comboxEncodingType");
    QCOMPARE(entries(resolutions), words("1080P|720P"));
    QCOMPARE(entries(encodings), words("H.264|H.265"));
    QCOMPARE(rate(editor), QStringLiteral("2176"));
    QCOMPARE(scences->scencePicturePath(), dir.filePath(QStringLiteral("ScenePicture/office_1080.png")));
    combo(editor, "m_comboxSceneComplexity")->setCurrentIndex(1);
    QCOMPARE(rate(editor), QStringLiteral("1088"));

    encodings->setCurrentIndex(1);
    QCOMPARE(rate(editor), QStringLiteral("1216"));
    QCOMPARE(scences->scencePicturePath(), dir.filePath(QStringLiteral("ScenePicture/office_1080_h265.png")));

    resolutions->setCurrentIndex(1);
    QCOMPARE(entries(encodings), words("H.264"));
    QCOMPARE(rate(editor), QStringLiteral("1088"));
    QCOMPARE(edit(editor, "m_lineEditScenceRecommandRate")->toolTip(), QStringLiteral("1088"));
    QCOMPARE(scences->scencePicturePath(), dir.filePath(QStringLiteral("ScenePicture/office_720.png")));

    scences->scenceButton(1)->click();
    QCOMPARE(editor.currentScenceNumber(), 1);
    QCOMPARE(entries(resolutions), words("4MP"));
    QCOMPARE(entries(encodings), words("H.265|H.264"));
    QCOMPARE(rate(editor), QStringLiteral("1856"));
    const StructDeviceItem item = addOnce(editor);
    QCOMPARE(item.strScene, QStringLiteral("Hospital"));
    QVERIFY(item.strFrameRate.isEmpty());
    QCOMPARE(item.strEncoding, QStringLiteral("H.265"));
    QCOMPARE(item.strResolution, QStringLiteral("4MP"));
    QCOMPARE(item.dBitrate, 1856.0);

    // A scene whose picture file is missing still recommends its rate.
    scences->scenceButton(2)->click();
    QCOMPARE(rate(editor), QStringLiteral("6528"));
    QVERIFY(scences->findChild<QLabel *>(QStringLiteral("m_labelScenceImage"))
                ->text()
                .contains(QLatin1String("Get Picture Failure")));
}

void TestDeviceEditorAdd::scenceWithoutRowLeavesRateEmpty_data()
{
    QTest::addColumn<QByteArray>("scenceFile");
    QTest::addColumn<bool>("replaceAfterStart");
    QTest::addColumn<int>("scence");
    QTest::addColumn<QString>("firstRate");

    const QByteArray header = "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n";
    // An imported scene list without a scene the running editor still offers.
    QTest::newRow("scene dropped by a newer list")
        << QByteArray(header + "Office,H.264,1080P,2176,office_1080.png\n") << true << 1 << "2176";
    // A short line spoils every rate, also that of a row before it; only the name
    // list reads past it.
    QTest::newRow("scene after a short line")
        << QByteArray(header + "Office,H.264,1080P,2176,office_1080.png\nbroken,line\nLobby,H.264,1080P,900,x.png\n")
        << false << 2 << "";
}

void TestDeviceEditorAdd::scenceWithoutRowLeavesRateEmpty()
{
    QFETCH(QByteArray, scenceFile);
    QFETCH(bool, replaceAfterStart);
    QFETCH(int, scence);
    QFETCH(QString, firstRate);

    EditorDataDir dir;
    QVERIFY(dir.isReady());
    if (!replaceAfterStart)
        QVERIFY(dir.write(QStringLiteral("Scene.csv"), scenceFile));
    DeviceEditor editor;
    if (replaceAfterStart)
        QVERIFY(dir.write(QStringLiteral("Scene.csv"), scenceFile));
    part<QRadioButton>(editor, "m_radioButtonVarRate")->click();
    QCOMPARE(rate(editor), firstRate);

    selector(editor)->scenceButton(scence)->click();
    QCOMPARE(rate(editor), QString());
    QVERIFY(edit(editor, "m_lineEditScenceRecommandRate")->toolTip().isEmpty());
    // Without a rate there is nothing to add.
    QSignalSpy added(&editor, &DeviceEditor::signalAddDevice);
    part<QPushButton>(editor, "m_btnAddDevice")->click();
    QCOMPARE(added.count(), 0);
    QVERIFY(edit(editor, "m_lineEditScenceRecommandRate")->property("invalid").toBool());
}

void TestDeviceEditorAdd::backToFixedRate()
{
    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor editor;
    part<QRadioButton>(editor, "m_radioButtonVarRate")->click();
    selector(editor)->scenceButton(1)->click();
    QSignalSpy asked(&editor, &DeviceEditor::signalGetFrameStandard);

    part<QRadioButton>(editor, "m_radioButtonFixedRate")->click();
    QCOMPARE(asked.size(), 1);
    QVERIFY(!shown(editor, "m_scenceSelector"));
    QVERIFY(shown(editor, "m_comboxFrameRate"));
    QCOMPARE(entries(combo(editor, "m_comboxEncodingType")), words("H.264|H.264+|H.265"));
    QCOMPARE(entries(combo(editor, "m_comboBoxResolution")), words("1080P|720P|D1"));
    QCOMPARE(rate(editor), QStringLiteral("4096"));
    const StructDeviceItem item = addOnce(editor);
    QVERIFY(item.strScene.isEmpty());
    QCOMPARE(item.strFrameRate, QStringLiteral("30"));
}

QTEST_MAIN(TestDeviceEditorAdd)
#include "tst_deviceeditor_add.moc"
