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

// A group's own retention in the editor: the section hands its policy to an
// add or a save, refuses what cannot be kept, and recommends the sub-stream.
class TestDeviceEditorRetention : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void retentionSectionHandsOverItsPolicy_data();
    void retentionSectionHandsOverItsPolicy();
    void subStreamRateFollowsItsChoices_data();
    void subStreamRateFollowsItsChoices();
};

void TestDeviceEditorRetention::initTestCase()
{
    // The table reader traces every header it reads.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

void TestDeviceEditorRetention::retentionSectionHandsOverItsPolicy_data()
{
    QTest::addColumn<QString>("how"); // add; save: the steps edit a group; cancel: the steps, an edit, Cancel
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<RetentionPolicy>("expected");
    QTest::addColumn<QString>("faultAt"); // the field that says why nothing was added; empty: none
    QTest::addColumn<int>("fault");

    const QString toggle = QStringLiteral("m_btnRetentionSection");
    const auto open = [&toggle](const char *steps) {
        QStringList all{toggle};
        if (*steps)
            all += words(steps);
        return all;
    };
    const int none = RetentionPolicy::NoFault;
    QTest::newRow("closed again: the plan's")
        << "add" << (open("m_lineEditRetention=90") << toggle) << RetentionPolicy() << QString() << none;
    QTest::newRow("90 days, G.711") << "add" << open("m_lineEditRetention=90|m_comboAudio=G.711 (64 kbps)")
                                    << keeping(90, RetentionPolicy::G711) << QString() << none;
    RetentionPolicy everyTier = keeping(12, RetentionPolicy::Aac, RetentionPolicy::Weeks);
    everyTier.aacKbps = 96;
    everyTier.splitWeek = true;
    everyTier.weekdayHours = 10;
    everyTier.weekendHours = 4.5;
    everyTier.eventDays = 14;
    everyTier.eventShare = 20;
    everyTier.subStreamDays = 60;
    everyTier.subStreamResolution = QStringLiteral("D1");
    everyTier.subStreamFrameRate = QStringLiteral("15");
    everyTier.subStreamKbps = 300;
    everyTier.subStreamRateTyped = true;
    QTest::newRow("every tier, a typed sub-stream rate")
        << "add"
        << open("m_comboRetentionUnit=weeks|m_lineEditRetention=12|m_checkBoxSplitWeek|m_lineEditWeekdayHours=10|"
                "m_lineEditWeekendHours=4.5|m_lineEditEventDays=14|m_lineEditEventShare=20|"
                "m_lineEditSubStreamDays=60|m_comboSubStreamResolution=D1|m_comboSubStreamFrameRate=15|"
                "m_lineEditSubStreamKbps=300|m_comboAudio=AAC|m_lineEditAacKbps=96")
        << everyTier << QString() << none;

    QTest::newRow("3651 days") << "add" << open("m_lineEditRetention=3651") << RetentionPolicy()
                               << "m_lineEditRetention" << int(RetentionPolicy::RetentionOutOfRange);
    QTest::newRow("no hours") << "add" << open("m_lineEditHoursPerDay=0") << RetentionPolicy()
                              << "m_lineEditHoursPerDay" << int(RetentionPolicy::NoHours);
    QTest::newRow("25 weekday hours") << "add" << open("m_checkBoxSplitWeek|m_lineEditWeekdayHours=25")
                                      << RetentionPolicy() << "m_lineEditWeekdayHours"
                                      << int(RetentionPolicy::HoursOutOfRange);
    QTest::newRow("25 weekend hours") << "add" << open("m_checkBoxSplitWeek|m_lineEditWeekendHours=25")
                                      << RetentionPolicy() << "m_lineEditWeekendHours"
                                      << int(RetentionPolicy::HoursOutOfRange);
    QTest::newRow("sub-stream above the main stream")
        << "add"
        << (QStringList{QStringLiteral("m_lineEditScenceRecommandRate=1000")} +
            open("m_lineEditSubStreamDays=30|m_lineEditSubStreamKbps=1001"))
        << RetentionPolicy() << "m_lineEditSubStreamKbps" << int(RetentionPolicy::SubStreamAboveMain);
    QTest::newRow("events of a group on motion")
        << "add" << open("m_lineEditEventDays=7|m_lineEditEventShare=20|m_comboxRecordingMode=On motion")
        << RetentionPolicy() << "m_lineEditEventDays" << int(RetentionPolicy::EventTierOnMotionGroup);

    // The edited group keeps 90 days with G.711.
    QTest::newRow("edit saved") << "save" << words("m_lineEditRetention=120") << keeping(120, RetentionPolicy::G711)
                                << QString() << none;
    QTest::newRow("edit cancelled, open draft")
        << "cancel" << open("m_lineEditRetention=45|m_comboRetentionUnit=weeks")
        << keeping(45, RetentionPolicy::NoAudio, RetentionPolicy::Weeks) << QString() << none;
    QTest::newRow("edit cancelled, closed draft")
        << "cancel" << QStringList() << RetentionPolicy() << QString() << none;
}

void TestDeviceEditorRetention::retentionSectionHandsOverItsPolicy()
{
    QFETCH(QString, how);
    QFETCH(QStringList, steps);
    QFETCH(RetentionPolicy, expected);
    QFETCH(QString, faultAt);
    QFETCH(int, fault);

    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor source;
    StructDeviceItem group = thirdGroup(source, gate());
    QVERIFY(!QTest::currentTestFailed());
    group.policy = keeping(90, RetentionPolicy::G711);
    DeviceEditor editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    QSignalSpy added(&editor, &DeviceEditor::signalAddDevice);
    QSignalSpy saved(&editor, &DeviceEditor::signalEditDevice);

    if (how == QLatin1String("save"))
        editor.editGroup(42, group);
    drive(editor, steps);
    QVERIFY(!QTest::currentTestFailed());
    if (how == QLatin1String("cancel")) {
        editor.editGroup(42, group);
        QTest::mouseClick(part<QPushButton>(editor, "m_btnCancelEdit"), Qt::LeftButton);
    }
    save(editor);

    if (!faultAt.isEmpty()) {
        QCOMPARE(added.count() + saved.count(), 0);
        QLineEdit *field = edit(editor, qPrintable(faultAt));
        const aptui::InputTip *tip = aptui::InputTip::of(field);
        QVERIFY(tip->isShowing());
        QCOMPARE(tip->text(), RetentionPolicy::faultText(RetentionPolicy::Fault(fault)));
        QVERIFY(field->property("invalid").toBool());
        QVERIFY(field->hasFocus());
        return;
    }
    const QSignalSpy &handed = how == QLatin1String("save") ? saved : added;
    QCOMPARE(added.count() + saved.count(), 1);
    QCOMPARE(handed.count(), 1);
    QVERIFY(handed.at(0).constLast().value<StructDeviceItem>().policy == expected);
}

void TestDeviceEditorRetention::subStreamRateFollowsItsChoices_data()
{
    QTest::addColumn<QStringList>("change");
    QTest::addColumn<QString>("typed"); // typed before the change; empty: the recommendation
    QTest::addColumn<int>("direction"); // the rate after the change against before: 1 more, -1 less

    QTest::newRow("a larger resolution") << words("m_comboSubStreamResolution=1080P") << QString() << 1;
    QTest::newRow("fewer frames") << words("m_comboSubStreamFrameRate=1") << QString() << -1;
    QTest::newRow("the group's busier scene") << words("m_comboxSceneComplexity=High") << QString() << 1;
    QTest::newRow("the group's calmer scene") << words("m_comboxSceneComplexity=Low") << QString() << -1;
    QTest::newRow("a typed rate stays") << words("m_comboSubStreamResolution=1080P") << QStringLiteral("333") << 0;
}

void TestDeviceEditorRetention::subStreamRateFollowsItsChoices()
{
    QFETCH(QStringList, change);
    QFETCH(QString, typed);
    QFETCH(int, direction);

    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    drive(editor, words("m_btnRetentionSection|m_lineEditSubStreamDays=30|m_comboSubStreamResolution=D1|"
                        "m_comboSubStreamFrameRate=15"));
    if (!typed.isEmpty())
        drive(editor, {QStringLiteral("m_lineEditSubStreamKbps=") + typed});
    QLineEdit *rate = edit(editor, "m_lineEditSubStreamKbps");
    const double before = rate->text().toDouble();
    QVERIFY(before > 0);
    drive(editor, change);
    QVERIFY(!QTest::currentTestFailed());
    const double after = rate->text().toDouble();
    QCOMPARE(after > before ? 1 : after < before ? -1 : 0, direction);
    QCOMPARE(addOnce(editor).policy.subStreamRateTyped, !typed.isEmpty());
}

QTEST_MAIN(TestDeviceEditorRetention)
#include "tst_deviceeditor_retention.moc"
