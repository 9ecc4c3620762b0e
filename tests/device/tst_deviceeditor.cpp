#include "tst_editor_fixture.h"

#include "aptui/InputTip.h"
#include "aptui/Switch.h"
#include "model/ConfigureManager.h"
#include "model/LanaguageManager.h"

#include <QCheckBox>
#include <QLabel>
#include <QLoggingCategory>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>
#include <QTextEdit>
#include <QValidator>

using namespace EditorParts;

class TestDeviceEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startUpValues();
    void startUpForm();
    void fixedRateRecommendation_data();
    void fixedRateRecommendation();
    void standardSwitchRecommendsBeforeAnnouncing();
    void complexityScalesTheShownRate_data();
    void complexityScalesTheShownRate();
    void encodingChangeKeepsOfferedResolution_data();
    void encodingChangeKeepsOfferedResolution();
    void deviceTypeChangeTakesItsResolutions();
    void inputLimits_data();
    void inputLimits();
    void refusedInputShowsTip_data();
    void refusedInputShowsTip();
    void spreadAndFillSlots();
    void emptyDataDirectory();
};

void TestDeviceEditor::initTestCase()
{
    // The table reader traces every header it reads.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    EditorDataDir dir;
    QVERIFY(dir.isReady());
    // The first editor of the process is also the first user of the language
    // manager, before anything created the setup store it reads: this must not
    // hang. No setup is loaded, so the language is English.
    {
        DeviceEditor first;
    }
    QVERIFY(apt::ConfigureManager::instance()->items().isEmpty());
    QCOMPARE(apt::LanaguageManager::instance()->language(), 0);
}

void TestDeviceEditor::startUpValues()
{
    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor editor;

    auto *standard = part<aptui::Switch>(editor, "PalNtscSwitch");
    QCOMPARE(standard->checked(), QStringLiteral("OFF"));
    QVERIFY(!editor.isPalStandard());
    QCOMPARE(standard->size(), QSize(84, 24));
    QCOMPARE(standard->findChild<QPushButton *>(QStringLiteral("m_btnON"))->text(), QStringLiteral("PAL"));
    QCOMPARE(standard->findChild<QPushButton *>(QStringLiteral("m_btnOFF"))->text(), QStringLiteral("NTSC"));

    // The NTSC list at position 1.
    QComboBox *frameRate = combo(editor, "m_comboxFrameRate");
    QCOMPARE(frameRate->count(), 22);
    QCOMPARE(frameRate->itemText(0), QStringLiteral("60"));
    QCOMPARE(frameRate->currentText(), QStringLiteral("30"));

    QCOMPARE(entries(combo(editor, "m_comboxSceneComplexity")), words("Low|Medium|High"));
    QCOMPARE(combo(editor, "m_comboxSceneComplexity")->currentIndex(), 1);
    QCOMPARE(edit(editor, "m_lineEditChannelCounts")->text(), QStringLiteral("1"));
    // The default name is a hint, not a text to delete first.
    QVERIFY(edit(editor, "m_lineEditChannelName")->text().isEmpty());
    QCOMPARE(edit(editor, "m_lineEditChannelName")->placeholderText(), QStringLiteral("Channel Name"));

    // Sorted, with the English name of the smart codec only; the first one chosen.
    QCOMPARE(entries(combo(editor, "m_comboxEncodingType")), words("H.264|H.264+|H.265"));
    QCOMPARE(combo(editor, "m_comboxEncodingType")->currentIndex(), 0);
    QCOMPARE(entries(combo(editor, "m_comboBoxResolution")), words("1080P|720P|D1"));
    QCOMPARE(combo(editor, "m_comboBoxResolution")->currentIndex(), 0);
    // 1080P, H.264, NTSC at 30 fps: the table's top point.
    QCOMPARE(rate(editor), QStringLiteral("4096"));
    QCOMPARE(edit(editor, "m_lineEditScenceRecommandRate")->toolTip(), QStringLiteral("4096"));

    QCOMPARE(entries(combo(editor, "m_comboBoxDeviceType")), words("IPC|DVR"));
    QCOMPARE(combo(editor, "m_comboBoxDeviceType")->currentIndex(), 0);
    QCOMPARE(entries(combo(editor, "viewOrRecordingCmbx")), words("Live view & Recording|Live view|Recording"));
    QCOMPARE(combo(editor, "viewOrRecordingCmbx")->currentIndex(), 0);
    QVERIFY(editor.isFixedRateMode());
    QCOMPARE(selector(editor)->scenceCount(), 3);
}

void TestDeviceEditor::startUpForm()
{
    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor editor;
    QCOMPARE(editor.objectName(), QStringLiteral("DeviceEditor"));
    QCOMPARE(editor.minimumWidth(), 400);
    QCOMPARE(editor.maximumWidth(), 400);
    QCOMPARE(editor.styleSheet(), QStringLiteral("QWideget#DeviceEditor{\nbackground:Transparent\n}"));

    const QStringList visible = words("m_label_AddDevice|PalNtscSwitch|m_lineEditChannelName|m_comboBoxResolution|"
                                      "m_comboxFrameRate|m_comboxEncodingType|m_comboxSceneComplexity|"
                                      "m_lineEditScenceRecommandRate|m_lineEditChannelCounts|m_btnAddDevice|"
                                      "m_verticalWidgetAddBorder");
    const QStringList hidden = words("m_lableDeviceType|m_comboBoxDeviceType|label|m_radioButtonFixedRate|"
                                     "m_radioButtonVarRate|m_scenceSelector|hintEdit|viewOrRecordingLabel|"
                                     "viewOrRecordingCmbx|m_checkBoxSpread|verticalFrame");
    for (const QString &name : visible + hidden) {
        auto *widget = editor.findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        QVERIFY2(widget->isVisibleTo(&editor) == visible.contains(name), qPrintable(name));
    }

    // Caption, its buddy, and the caption's text as its tooltip.
    const char *rows[][3] = {
        {"m_lableDeviceType", "Device Type :", "m_comboBoxDeviceType"},
        {"m_labelChannelName", "Channel Name :", "m_lineEditChannelName"},
        {"label", "Encode Section :", "m_radioButtonFixedRate"},
        {"m_lableResolution", "Device Resolution :", "m_comboBoxResolution"},
        {"m_labelFrameRate", "Frame Rate :", "m_comboxFrameRate"},
        {"m_labelEncodeTypeLabel", "Encoding Type :", "m_comboxEncodingType"},
        {"m_labelSceneComplexityLabel", "Scene Complexity :", "m_comboxSceneComplexity"},
        {"viewOrRecordingLabel", "View/Recording", "viewOrRecordingCmbx"},
        {"m_labelScenceRecommandRate", "Recommend Rate :", "m_lineEditScenceRecommandRate"},
        {"m_labelChannelCounts", "Channel Counts :", "m_lineEditChannelCounts"},
    };
    for (const auto &row : rows) {
        auto *caption = part<QLabel>(editor, row[0]);
        QCOMPARE(caption->text(), QLatin1String(row[1]));
        QCOMPARE(caption->toolTip(), QLatin1String(row[1]));
        QCOMPARE(caption->buddy(), part(editor, row[2]));
    }
    QCOMPARE(part<QLabel>(editor, "m_label_AddDevice")->text(), QStringLiteral("Add Device"));
    QCOMPARE(part<QPushButton>(editor, "m_btnAddDevice")->text(), QStringLiteral("+ Add"));
    QCOMPARE(part<QRadioButton>(editor, "m_radioButtonFixedRate")->text(), QStringLiteral("Fixed Rate"));
    QCOMPARE(part<QRadioButton>(editor, "m_radioButtonVarRate")->text(), QStringLiteral("VarRate"));
    QCOMPARE(edit(editor, "m_lineEditChannelName")->toolTip(), QStringLiteral("Channel Name"));
    QCOMPARE(combo(editor, "m_comboxSceneComplexity")->toolTip(), QStringLiteral("Medium"));

    auto *model = qobject_cast<QStandardItemModel *>(combo(editor, "m_comboxSceneComplexity")->model());
    QVERIFY(model);
    QVERIFY(model->item(0)->toolTip().startsWith(QLatin1String("Low: scenarios with limited details")));
    QVERIFY(model->item(2)->toolTip().endsWith(QLatin1String("e.g. station, intersection, square.")));

    auto *hint = part<QTextEdit>(editor, "hintEdit");
    QVERIFY(!hint->isEnabled());
    QVERIFY(hint->toPlainText().startsWith(QLatin1String("Notes: For some extremely complex scenarios")));

    QCOMPARE(edit(editor, "m_lineEditChannelName")->maxLength(), 20);
    auto *counts = qobject_cast<const QIntValidator *>(edit(editor, "m_lineEditChannelCounts")->validator());
    auto *rates = qobject_cast<const QIntValidator *>(edit(editor, "m_lineEditScenceRecommandRate")->validator());
    QVERIFY(counts && rates);
    QCOMPARE(counts->top(), 1024);
    QCOMPARE(rates->top(), 204800);
}

void TestDeviceEditor::fixedRateRecommendation_data()
{
    QTest::addColumn<bool>("pal");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<int>("framePosition");
    QTest::addColumn<int>("complexity");
    QTest::addColumn<QString>("expected");

    QTest::newRow("NTSC 60 fps, twice the top") << false << "H.264"
                                                << "1080P" << 0 << 1 << "8192";
    QTest::newRow("NTSC 25 fps on the 0 to 2 segment") << false << "H.264"
                                                       << "1080P" << 2 << 1 << "3328";
    QTest::newRow("PAL 25 fps") << true << "H.264"
                                << "1080P" << 1 << 1 << "3072";
    QTest::newRow("PAL 50 fps, twice the second point") << true << "H.264"
                                                        << "1080P" << 0 << 1 << "6144";
    QTest::newRow("position 17 reads its text") << false << "H.264"
                                                << "1080P" << 17 << 1 << "1024";
    QTest::newRow("position 18 is half a frame") << false << "H.264"
                                                 << "1080P" << 18 << 1 << "512";
    QTest::newRow("position 19 is a quarter frame") << false << "H.264"
                                                    << "1080P" << 19 << 1 << "256";
    // With a rate more in the list every position moves; each still reads its own text.
    QTest::newRow("a quarter frame one line further down") << false << "H.264"
                                                           << "1080P" << -19 << 1 << "256";
    QTest::newRow("Low halves 1023") << false << "H.264"
                                     << "D1" << 1 << 0 << "511";
    QTest::newRow("High doubles 1023") << false << "H.264"
                                       << "D1" << 1 << 2 << "2046";
    QTest::newRow("other encoding") << false << "H.265"
                                    << "720P" << 1 << 1 << "1152";
    QTest::newRow("smart codec table") << true << "H.264+"
                                       << "1080P" << 1 << 1 << "1536";
}

void TestDeviceEditor::fixedRateRecommendation()
{
    QFETCH(bool, pal);
    QFETCH(QString, encoding);
    QFETCH(QString, resolution);
    QFETCH(int, framePosition);
    QFETCH(int, complexity);
    QFETCH(QString, expected);

    EditorDataDir dir;
    QVERIFY(dir.isReady());
    if (framePosition < 0) {
        // An extra rate on top of the list: the row stands one further down.
        QFile frames(QStringLiteral(TAVO_TEST_DATA_DIR "/device/editor/Frame.xml"));
        QVERIFY(frames.open(QIODevice::ReadOnly));
        QByteArray xml = frames.readAll();
        xml.replace("<NTSC>", "<NTSC>\n        <Frame>120</Frame>");
        QVERIFY(dir.write(QStringLiteral("Frame.xml"), xml));
        framePosition = -framePosition + 1;
    }
    DeviceEditor editor;
    if (pal)
        part<aptui::Switch>(editor, "PalNtscSwitch")->switchOn();
    QCOMPARE(editor.isPalStandard(), pal);
    // Complexity first: the table lookups that follow must apply it.
    combo(editor, "m_comboxSceneComplexity")->setCurrentIndex(complexity);
    combo(editor, "m_comboxEncodingType")->setCurrentText(encoding);
    combo(editor, "m_comboBoxResolution")->setCurrentText(resolution);
    QCOMPARE(combo(editor, "m_comboBoxResolution")->currentText(), resolution);
    combo(editor, "m_comboxFrameRate")->setCurrentIndex(framePosition);
    QCOMPARE(rate(editor), expected);
    QCOMPARE(edit(editor, "m_lineEditScenceRecommandRate")->toolTip(), expected);
}

void TestDeviceEditor::standardSwitchRecommendsBeforeAnnouncing()
{
    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor editor;
    QStringList seen;
    connect(&editor, &DeviceEditor::signalCurrentFrameStandard, this, [&](int standard) {
        seen.append(QString::number(standard) + QLatin1Char(':') + combo(editor, "m_comboxFrameRate")->currentText() +
                    QLatin1Char(':') + rate(editor));
    });

    auto *standard = part<aptui::Switch>(editor, "PalNtscSwitch");
    standard->findChild<QPushButton *>(QStringLiteral("m_btnON"))->click();
    QVERIFY(editor.isPalStandard());
    QCOMPARE(combo(editor, "m_comboxFrameRate")->itemText(0), QStringLiteral("50"));
    standard->findChild<QPushButton *>(QStringLiteral("m_btnOFF"))->click();
    QCOMPARE(seen, words("0:25:3072|1:30:4096"));
}

void TestDeviceEditor::complexityScalesTheShownRate_data()
{
    QTest::addColumn<bool>("typeIn");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("table value to Low") << false << QString() << QList<int>{0} << words("2048");
    QTest::newRow("typed rate up and down") << true << "3000" << QList<int>{2, 0} << words("6000|1500");
    QTest::newRow("odd rate to Low truncates") << true << "1023" << QList<int>{0, 2} << words("511|2044");
    QTest::newRow("typed 1023 to High") << true << "1023" << QList<int>{2} << words("2046");
    QTest::newRow("emptied field stays empty") << true << QString() << QList<int>{2, 0} << words("|");
}

void TestDeviceEditor::complexityScalesTheShownRate()
{
    QFETCH(bool, typeIn);
    QFETCH(QString, typed);
    QFETCH(QList<int>, steps);
    QFETCH(QStringList, shown);

    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor editor;
    QLineEdit *field = edit(editor, "m_lineEditScenceRecommandRate");
    if (typeIn) {
        field->clear();
        QTest::keyClicks(field, typed);
        QCOMPARE(field->text(), typed);
    }
    for (int i = 0; i < steps.size(); ++i) {
        combo(editor, "m_comboxSceneComplexity")->setCurrentIndex(steps.at(i));
        QCOMPARE(field->text(), shown.at(i));
    }
}

void TestDeviceEditor::encodingChangeKeepsOfferedResolution_data()
{
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("expectedRate");

    // H.265 lists 720P before 1080P and has no D1.
    QTest::newRow("1080P moves to its new place") << "1080P"
                                                  << "1080P"
                                                  << "2304";
    QTest::newRow("720P stays first") << "720P"
                                      << "720P"
                                      << "1152";
    QTest::newRow("D1 is not offered") << "D1"
                                       << "720P"
                                       << "1152";
}

void TestDeviceEditor::encodingChangeKeepsOfferedResolution()
{
    QFETCH(QString, resolution);
    QFETCH(QString, kept);
    QFETCH(QString, expectedRate);

    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor editor;
    QComboBox *resolutions = combo(editor, "m_comboBoxResolution");
    resolutions->setCurrentText(resolution);
    combo(editor, "m_comboxEncodingType")->setCurrentText(QStringLiteral("H.265"));
    QCOMPARE(entries(resolutions), words("720P|1080P"));
    QCOMPARE(resolutions->currentText(), kept);
    QCOMPARE(rate(editor), expectedRate);

    // And back: the H.264 list returns with the kept resolution.
    combo(editor, "m_comboxEncodingType")->setCurrentText(QStringLiteral("H.264"));
    QCOMPARE(entries(resolutions), words("1080P|720P|D1"));
    QCOMPARE(resolutions->currentText(), kept);
}

void TestDeviceEditor::deviceTypeChangeTakesItsResolutions()
{
    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor editor;
    combo(editor, "m_comboBoxDeviceType")->setCurrentIndex(1);
    QCOMPARE(entries(combo(editor, "m_comboBoxResolution")), words("D1|1080P"));
    QCOMPARE(rate(editor), QStringLiteral("1536"));
    QCOMPARE(addOnce(editor).strDeviceType, QStringLiteral("DVR"));

    combo(editor, "m_comboBoxDeviceType")->setCurrentIndex(0);
    QCOMPARE(combo(editor, "m_comboBoxResolution")->currentText(), QStringLiteral("1080P"));
    QCOMPARE(rate(editor), QStringLiteral("4096"));
}

void TestDeviceEditor::inputLimits_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    const QString counts = QStringLiteral("m_lineEditChannelCounts");
    const QString rates = QStringLiteral("m_lineEditScenceRecommandRate");
    QTest::newRow("count 0") << counts << "0"
                             << "0";
    QTest::newRow("count 1024") << counts << "1024"
                                << "1024";
    QTest::newRow("count 1025 refused at its last digit") << counts << "1025"
                                                          << "102";
    QTest::newRow("count leading zero") << counts << "07"
                                        << "0";
    QTest::newRow("count minus sign") << counts << "-5"
                                      << "5";
    QTest::newRow("count plus sign") << counts << "+5"
                                     << "5";
    QTest::newRow("count blank") << counts << "1 2"
                                 << "12";
    QTest::newRow("count letters") << counts << "1a2"
                                   << "12";
    QTest::newRow("rate top") << rates << "204800"
                              << "204800";
    QTest::newRow("rate past the top") << rates << "2048009"
                                       << "204800";
    QTest::newRow("rate double zero") << rates << "00"
                                      << "0";
    QTest::newRow("name of 21 characters") << QStringLiteral("m_lineEditChannelName") << "abcdefghijklmnopqrstu"
                                           << "abcdefghijklmnopqrst";
}

void TestDeviceEditor::inputLimits()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);

    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor editor;
    auto *line = editor.findChild<QLineEdit *>(field);
    QVERIFY(line);
    line->clear();
    QTest::keyClicks(line, typed);
    QCOMPARE(line->text(), kept);
}

void TestDeviceEditor::refusedInputShowsTip_data()
{
    // Over the whole of the field's first value (4096 kbps, 1 channel).
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("tip");

    const QString rates = QStringLiteral("m_lineEditScenceRecommandRate");
    const QString counts = QStringLiteral("m_lineEditChannelCounts");
    const QString rateTip = QStringLiteral("Whole numbers from 0 to 204800");
    const QString countTip = QStringLiteral("Whole numbers from 0 to 1024");
    // Typed, the point is refused and the digits around it stay.
    QTest::newRow("rate typed 4.5") << rates << false << "4.5"
                                    << "45" << rateTip;
    QTest::newRow("rate pasted 4.5") << rates << true << "4.5"
                                     << "4096" << rateTip;
    QTest::newRow("rate pasted nan") << rates << true << "nan"
                                     << "4096" << rateTip;
    QTest::newRow("rate pasted past the top") << rates << true << "204801"
                                              << "4096" << rateTip;
    QTest::newRow("count pasted exponent") << counts << true << "1e3"
                                           << "1" << countTip;
    QTest::newRow("count pasted 10000 digits") << counts << true << QString(10000, QLatin1Char('2')) << "1" << countTip;
    QTest::newRow("count typed minus") << counts << false << "-"
                                       << "1" << countTip;
    QTest::newRow("count typed full-width digits") << counts << false << QStringLiteral("１２") << "1" << countTip;
    QTest::newRow("count typed Arabic-Indic digits") << counts << false << QStringLiteral("١٢") << "1" << countTip;
    // A name stops at its limit, and says so.
    QTest::newRow("name typed one past the limit") << QStringLiteral("m_lineEditChannelName") << false
                                                   << QStringLiteral("North gate camera 12X") << "North gate camera 12"
                                                   << "A name has at most 20 character(s)";
}

void TestDeviceEditor::refusedInputShowsTip()
{
    QFETCH(QString, field);
    QFETCH(bool, paste);
    QFETCH(QString, input);
    QFETCH(QString, kept);
    QFETCH(QString, tip);

    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor editor;
    auto *line = editor.findChild<QLineEdit *>(field);
    aptui::InputTip *inputTip = aptui::InputTip::of(line);
    QVERIFY(inputTip);
    QSignalSpy shown(inputTip, &aptui::InputTip::shown);

    line->selectAll();
    if (paste)
        line->insert(input);
    else
        typeText(line, input);
    QCOMPARE(line->text(), kept);
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown.last().first().toString(), tip);
}

void TestDeviceEditor::spreadAndFillSlots()
{
    EditorDataDir dir;
    QVERIFY(dir.isReady());
    DeviceEditor editor;
    part<QCheckBox>(editor, "m_checkBoxSpread")->setChecked(true);
    QVERIFY(!shown(editor, "m_verticalWidgetAddBorder") && shown(editor, "verticalFrame"));
    QCOMPARE(editor.maximumWidth(), 60);
    editor.OnSpreadChanged(false);
    QVERIFY(shown(editor, "m_verticalWidgetAddBorder") && !shown(editor, "verticalFrame"));
    QCOMPARE(editor.maximumWidth(), 390);

    editor.setDeviceTypes({{2, QStringLiteral("Recorder")}, {1, QStringLiteral("Camera")}});
    QCOMPARE(entries(combo(editor, "m_comboBoxDeviceType")), words("Recorder|Camera"));
    QCOMPARE(combo(editor, "m_comboBoxDeviceType")->itemData(0, Qt::UserRole).toInt(), 2);
    const QMap<int, QString> resolutions{{9, QStringLiteral("D1")}, {3, QStringLiteral("720P")}};
    editor.setDeviceResolutions(resolutions);
    QCOMPARE(entries(combo(editor, "m_comboBoxResolution")), words("720P|D1"));
    QCOMPARE(combo(editor, "m_comboBoxResolution")->itemData(1, Qt::UserRole).toInt(), 9);
    // The first entry is recommended for as it goes in.
    QCOMPARE(rate(editor), QStringLiteral("2046"));
    editor.setDeviceTypes({});
    editor.setDeviceResolutions({});
    QCOMPARE(combo(editor, "m_comboBoxDeviceType")->count(), 0);
    QCOMPARE(combo(editor, "m_comboBoxResolution")->count(), 0);
}

void TestDeviceEditor::emptyDataDirectory()
{
    ModelDataDir dir{QString()};
    QVERIFY(dir.isValid());
    DeviceEditor editor;
    QCOMPARE(combo(editor, "m_comboxEncodingType")->count(), 0);
    QCOMPARE(combo(editor, "m_comboBoxResolution")->count(), 0);
    QCOMPARE(combo(editor, "m_comboxFrameRate")->count(), 0);
    QCOMPARE(selector(editor)->scenceCount(), 0);
    // No table, no recommendation: the field stays empty, and so an add asks for a rate.
    QCOMPARE(rate(editor), QString());

    part<aptui::Switch>(editor, "PalNtscSwitch")->switchOn();
    combo(editor, "m_comboxSceneComplexity")->setCurrentIndex(2);
    QCOMPARE(rate(editor), QString());
    QSignalSpy added(&editor, &DeviceEditor::signalAddDevice);
    part<QPushButton>(editor, "m_btnAddDevice")->click();
    QCOMPARE(added.count(), 0);
    edit(editor, "m_lineEditScenceRecommandRate")->setText(QStringLiteral("512"));
    const StructDeviceItem item = addOnce(editor);
    QCOMPARE(item.iChannelGroupNumber, 1);
    QVERIFY(item.strResolution.isEmpty() && item.strFrameRate.isEmpty());
    QCOMPARE(item.dBitrate, 512.0);
}

QTEST_MAIN(TestDeviceEditor)
#include "tst_deviceeditor.moc"
