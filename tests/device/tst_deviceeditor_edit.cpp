#include "EditorDriving.h"

#include "aptui/InputTip.h"
#include "model/DeviceEnums.h"
#include "support/SignalRecorder.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLoggingCategory>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace EditorParts;

// Editing a group of the list: loading it into the fields, saving and leaving.
class TestDeviceEditorEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void unchangedSaveGivesTheGroupBack_data();
    void unchangedSaveGivesTheGroupBack();
    void changeIsSavedUnderTheGroupsNumber_data();
    void changeIsSavedUnderTheGroupsNumber();
    void leavingRestoresTheFields_data();
    void leavingRestoresTheFields();
};

void TestDeviceEditorEdit::initTestCase()
{
    // The table reader traces every header it reads.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void TestDeviceEditorEdit::unchangedSaveGivesTheGroupBack_data()
{
    QTest::addColumn<Recipe>("recipe");
    QTest::addColumn<bool>("fromTable");

    QTest::newRow("table rate, medium") << gate() << true;
    Recipe busy = gate();
    busy.resolution = QStringLiteral("1080P");
    busy.complexity = High;
    QTest::newRow("table rate, busy scene") << busy << true;
    Recipe typed = gate();
    typed.complexity = Low;
    typed.rate = QStringLiteral("3000");
    QTest::newRow("typed rate, calm scene") << typed << false;
    // Typed where the tables say the same: made below from the table row.
    QTest::newRow("typed rate the tables also give") << gate() << false;
    Recipe motion = gate();
    motion.share = 45;
    motion.viewChoice = 2;
    QTest::newRow("on motion, recording only") << motion << true;
    Recipe ntsc = gate();
    ntsc.frameRate = QStringLiteral("60");
    ntsc.encoding = QStringLiteral("H.265");
    QTest::newRow("NTSC, 60 fps") << ntsc << true;
    Recipe pal = gate();
    pal.standard = PAL;
    pal.frameRate = QStringLiteral("1/4");
    pal.name = QStringLiteral("Yard(2)");
    QTest::newRow("PAL, a fraction of a frame") << pal << true;
    Recipe dvr = gate();
    dvr.deviceType = 1;
    dvr.resolution = QStringLiteral("D1");
    QTest::newRow("DVR") << dvr << true;
    // The scene list recommends for medium complexity whatever the choice says.
    Recipe scence = gate();
    scence.scence = 1;
    scence.resolution = QStringLiteral("4MP");
    scence.complexity = High;
    QTest::newRow("scene") << scence << true;
    Recipe kept = gate();
    kept.policy = keeping(12, RetentionPolicy::Aac, RetentionPolicy::Weeks);
    kept.policy.aacKbps = 96;
    kept.policy.splitWeek = true;
    kept.policy.weekdayHours = 10.5;
    kept.policy.weekendHours = 0;
    kept.policy.eventDays = 14;
    kept.policy.eventShare = 20;
    kept.policy.subStreamDays = 60;
    kept.policy.subStreamResolution = QStringLiteral("D1");
    kept.policy.subStreamFrameRate = QStringLiteral("15");
    kept.policy.subStreamKbps = 300;
    kept.policy.subStreamRateTyped = true;
    QTest::newRow("own retention, every tier") << kept << true;
    // Recommended when the group was described, not what the tables say now.
    Recipe recommended = gate();
    recommended.policy = keeping(90, RetentionPolicy::G711);
    recommended.policy.subStreamDays = 30;
    recommended.policy.subStreamResolution = QStringLiteral("720P");
    recommended.policy.subStreamFrameRate = QStringLiteral("10");
    recommended.policy.subStreamKbps = 250;
    QTest::newRow("own retention, sub-stream recommended") << recommended << true;
}

void TestDeviceEditorEdit::unchangedSaveGivesTheGroupBack()
{
    QFETCH(Recipe, recipe);
    QFETCH(bool, fromTable);

    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor source;
    StructDeviceItem group = thirdGroup(source, recipe);
    QVERIFY(!QTest::currentTestFailed());
    if (!fromTable && recipe.rate.isNull())
        group.bRateFromTable = false;
    QCOMPARE(group.bRateFromTable, fromTable);
    group.policy = recipe.policy;

    // Other fields prepared for the next add, in the other rate mode.
    DeviceEditor editor;
    Recipe next;
    next.standard = recipe.standard;
    next.scence = recipe.scence >= 0 ? -1 : 0;
    next.encoding = QStringLiteral("H.264");
    next.resolution = QStringLiteral("1080P");
    next.frameRate = QStringLiteral("10");
    next.complexity = recipe.complexity == Low ? High : Low;
    next.rate = QStringLiteral("777");
    next.share = 20;
    next.name = QStringLiteral("Next");
    next.count = QStringLiteral("3");
    describe(editor, next);
    QVERIFY(!QTest::currentTestFailed());
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));

    editor.editGroup(42, group);
    QCOMPARE(rate(editor), QString::number(group.dBitrate));
    QCOMPARE(edit(editor, "m_lineEditChannelName")->text(), recipe.name);
    QSignalSpy saved(&editor, &DeviceEditor::signalEditDevice);
    save(editor);
    QCOMPARE(saved.count(), 1);
    QCOMPARE(saved.at(0).at(0).toLongLong(), 42LL);
    QCOMPARE(saved.at(0).at(1).value<StructDeviceItem>(), group);
}

void TestDeviceEditorEdit::changeIsSavedUnderTheGroupsNumber_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("byEnter");

    QTest::newRow("name") << "m_lineEditChannelName"
                          << "Door" << false;
    QTest::newRow("name emptied, Enter") << "m_lineEditChannelName" << QString() << true;
    QTest::newRow("count, Enter") << "m_lineEditChannelCounts"
                                  << "12" << true;
    QTest::newRow("typed rate") << "m_lineEditScenceRecommandRate"
                                << "2500" << false;
    QTest::newRow("complexity of a table rate") << "m_comboxSceneComplexity"
                                                << "High" << false;
    QTest::newRow("resolution") << "m_comboBoxResolution"
                                << "1080P" << false;
    QTest::newRow("frame rate") << "m_comboxFrameRate"
                                << "30" << false;
    QTest::newRow("encoding") << "m_comboxEncodingType"
                              << "H.265" << false;
    QTest::newRow("on motion") << "m_comboxRecordingMode"
                               << "On motion" << false;
    QTest::newRow("live view only") << "viewOrRecordingCmbx"
                                    << "Live view" << false;
}

void TestDeviceEditorEdit::changeIsSavedUnderTheGroupsNumber()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(bool, byEnter);

    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor source;
    const StructDeviceItem group = thirdGroup(source, gate());
    QVERIFY(!QTest::currentTestFailed());
    DeviceEditor editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    editor.editGroup(7, group);

    // The same change by hand, added where the group's number is free again.
    const auto change = [&field, &value](DeviceEditor &target) {
        if (QLineEdit *line = edit(target, qPrintable(field))) {
            line->clear();
            QTest::keyClicks(line, value);
        } else {
            choose(combo(target, qPrintable(field)), value);
        }
    };
    source.OnDeleteChannelGroupNumber(group.iChannelGroupNumber);
    change(source);
    const StructDeviceItem expected = addOnce(source);
    QCOMPARE(expected.iChannelGroupNumber, group.iChannelGroupNumber);
    QVERIFY(expected != group);

    QSignalSpy saved(&editor, &DeviceEditor::signalEditDevice);
    QSignalSpy added(&editor, &DeviceEditor::signalAddDevice);
    change(editor);
    if (byEnter)
        QTest::keyClick(edit(editor, "m_lineEditChannelCounts"), Qt::Key_Return);
    else
        save(editor);
    QCOMPARE(saved.count(), 1);
    QCOMPARE(saved.at(0).at(0).toLongLong(), 7LL);
    QCOMPARE(saved.at(0).at(1).value<StructDeviceItem>(), expected);
    QCOMPARE(added.count(), 0);
    // The save handed out no number.
    QCOMPARE(addOnce(editor).iChannelGroupNumber, 1);
}

void TestDeviceEditorEdit::leavingRestoresTheFields_data()
{
    QTest::addColumn<QString>("draft");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("events");

    const QStringList cancelled{QStringLiteral("editing(true)"), QStringLiteral("editing(false)")};
    QTest::newRow("Cancel clicked") << "typed"
                                    << "cancel" << cancelled;
    QTest::newRow("Escape in a field") << "table"
                                       << "escape field" << cancelled;
    QTest::newRow("Escape on a choice") << "scene"
                                        << "escape choice" << cancelled;
    QTest::newRow("cancelEdit") << "table"
                                << "cancelEdit" << cancelled;
    QTest::newRow("edited group deleted") << "typed"
                                          << "delete 3" << cancelled;
    QTest::newRow("list cleared") << "scene"
                                  << "delete 0" << cancelled;
    QTest::newRow("save refused without a rate") << "table"
                                                 << "refused" << QStringList{QStringLiteral("editing(true)")};
    QTest::newRow("another group deleted") << "typed"
                                           << "delete 2" << QStringList{QStringLiteral("editing(true)")};
    QTest::newRow("saved") << "table"
                           << "save"
                           << QStringList{QStringLiteral("editing(true)"), QStringLiteral("saved(42)"),
                                          QStringLiteral("editing(false)")};
    QTest::newRow("another group edited, then Cancel") << "scene"
                                                       << "second" << cancelled;
    // The draft follows the switch as it would have on screen.
    QTest::newRow("standard switched, then Cancel") << "typed"
                                                    << "pal" << cancelled;
}

void TestDeviceEditorEdit::leavingRestoresTheFields()
{
    QFETCH(QString, draft);
    QFETCH(QString, how);
    QFETCH(QStringList, events);

    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor source;
    const StructDeviceItem group = thirdGroup(source, gate());
    QVERIFY(!QTest::currentTestFailed());

    Recipe next = gate();
    next.resolution = QStringLiteral("1080P");
    next.frameRate = QStringLiteral("15");
    next.name = QStringLiteral("Next");
    next.count = QStringLiteral("5");
    if (draft == QLatin1String("typed")) {
        next.encoding = QStringLiteral("H.265");
        next.complexity = Low;
        next.rate = QStringLiteral("777");
        next.share = 40;
    } else if (draft == QLatin1String("table")) {
        next.standard = PAL;
        next.complexity = High;
    } else {
        next.scence = 1;
        next.resolution = QStringLiteral("4MP");
        next.complexity = Low;
    }
    // The same fields in an editor that edits nothing.
    DeviceEditor reference;
    DeviceEditor editor;
    for (DeviceEditor *target : {&reference, &editor})
        describe(*target, next);
    QVERIFY(!QTest::currentTestFailed());
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QCOMPARE(modeOf(editor), kAdding);

    SignalRecorder recorder;
    recorder.watch(&editor, &DeviceEditor::signalEditingChanged, QStringLiteral("editing"));
    connect(&editor, &DeviceEditor::signalEditDevice, &recorder,
            [&recorder](long long id) { recorder.note(QStringLiteral("saved(%1)").arg(id)); });
    connect(&editor, &DeviceEditor::signalAddDevice, &recorder,
            [&recorder] { recorder.note(QStringLiteral("added")); });

    editor.editGroup(42, group);
    QCOMPARE(editor.editedGroupId(), 42LL);
    QCOMPARE(modeOf(editor), kEditing);
    QVERIFY(fieldsOf(editor) != fieldsOf(reference));

    if (how == QLatin1String("cancel")) {
        QTest::mouseClick(part<QPushButton>(editor, "m_btnCancelEdit"), Qt::LeftButton);
    } else if (how == QLatin1String("escape field")) {
        QTest::keyClick(edit(editor, "m_lineEditChannelName"), Qt::Key_Escape);
    } else if (how == QLatin1String("escape choice")) {
        QTest::keyClick(combo(editor, "m_comboxEncodingType"), Qt::Key_Escape);
    } else if (how == QLatin1String("cancelEdit")) {
        editor.cancelEdit();
    } else if (how.startsWith(QLatin1String("delete"))) {
        editor.OnDeleteChannelGroupNumber(how.mid(7).toInt());
    } else if (how == QLatin1String("refused")) {
        edit(editor, "m_lineEditScenceRecommandRate")->clear();
        save(editor);
    } else if (how == QLatin1String("save")) {
        save(editor);
    } else if (how == QLatin1String("second")) {
        Recipe other = gate();
        other.scence = 0;
        other.resolution = QStringLiteral("720P");
        StructDeviceItem second = thirdGroup(source, other);
        editor.editGroup(43, second);
        QCOMPARE(editor.editedGroupId(), 43LL);
        editor.cancelEdit();
    } else {
        for (DeviceEditor *target : {&reference, &editor})
            target->setFrameStandard(PAL);
        editor.cancelEdit();
    }

    QCOMPARE(recorder.events(), events);
    const bool editing = events.size() == 1;
    QCOMPARE(editor.editedGroupId(), editing ? 42LL : 0LL);
    QCOMPARE(modeOf(editor), editing ? kEditing : kAdding);
    if (editing)
        return;
    QCOMPARE(fieldsOf(editor), fieldsOf(reference));
    // Also what the fields remember of the recommendation.
    QCOMPARE(addOnce(editor), addOnce(reference));
}

QTEST_MAIN(TestDeviceEditorEdit)
#include "tst_deviceeditor_edit.moc"
