#pragma once

// How the editor tests describe a group by hand and read the form back.
#include "tst_editor_fixture.h"

#include "model/DeviceEnums.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace EditorParts;

// What a hand sets in the editor to describe one group.
struct Recipe
{
    int standard = NTSC;
    int deviceType = 0;
    int scence = -1; // -1: fixed rate
    QString encoding;
    QString resolution;
    QString frameRate;
    int complexity = Medium;
    QString rate; // typed after the choices; null: the recommendation
    int share = StructDeviceItem::kContinuousShare;
    int viewChoice = 0;
    QString name = QStringLiteral("Gate");
    QString count = QStringLiteral("16");
    // A retention of the group's own, given to the group directly.
    RetentionPolicy policy;
};
Q_DECLARE_METATYPE(Recipe)

// A failed comparison shows the whole group.
inline char *toString(const StructDeviceItem &item)
{
    const QString text = QStringList{item.strDeviceType,
                                     item.strChannelName,
                                     item.strScene,
                                     item.strEncoding,
                                     QString::number(item.iChannelCount),
                                     item.strResolution,
                                     item.strFrameRate,
                                     QString::number(item.dBitrate),
                                     QString::number(item.iChannelGroupNumber),
                                     QString::number(item.iViewMode),
                                     QString::number(item.iRecordingShare),
                                     QString::number(item.iComplexity),
                                     item.bRateFromTable ? QStringLiteral("table") : QStringLiteral("typed"),
                                     item.strExtraText,
                                     item.bFlag ? QStringLiteral("flag") : QString(),
                                     item.policy.own ? QStringLiteral("own retention") : QString()}
                             .join(QLatin1Char('|'));
    return qstrdup(text.toUtf8().constData());
}

namespace {

inline void choose(QComboBox *box, const QString &text)
{
    box->setCurrentText(text);
    QCOMPARE(box->currentText(), text);
}

inline void describe(DeviceEditor &editor, const Recipe &recipe)
{
    editor.setFrameStandard(recipe.standard);
    // Chosen first, so that a scene's recommendation comes for another complexity.
    combo(editor, "m_comboxSceneComplexity")->setCurrentIndex(recipe.complexity);
    if (recipe.scence >= 0) {
        part<QRadioButton>(editor, "m_radioButtonVarRate")->click();
        selector(editor)->scenceButton(recipe.scence)->click();
        choose(combo(editor, "m_comboBoxResolution"), recipe.resolution);
        choose(combo(editor, "m_comboxEncodingType"), recipe.encoding);
    } else {
        part<QRadioButton>(editor, "m_radioButtonFixedRate")->click();
        combo(editor, "m_comboBoxDeviceType")->setCurrentIndex(recipe.deviceType);
        choose(combo(editor, "m_comboxEncodingType"), recipe.encoding);
        choose(combo(editor, "m_comboBoxResolution"), recipe.resolution);
        choose(combo(editor, "m_comboxFrameRate"), recipe.frameRate);
    }
    if (!recipe.rate.isNull())
        edit(editor, "m_lineEditScenceRecommandRate")->setText(recipe.rate);
    const bool onMotion = recipe.share < StructDeviceItem::kContinuousShare;
    combo(editor, "m_comboxRecordingMode")->setCurrentIndex(onMotion ? 1 : 0);
    if (onMotion)
        edit(editor, "m_lineEditRecordingShare")->setText(QString::number(recipe.share));
    combo(editor, "viewOrRecordingCmbx")->setCurrentIndex(recipe.viewChoice);
    edit(editor, "m_lineEditChannelName")->setText(recipe.name);
    edit(editor, "m_lineEditChannelCounts")->setText(recipe.count);
}

// Everything the form shows that an add reads or the next choice depends on.
inline QStringList fieldsOf(const DeviceEditor &editor)
{
    QStringList fields{editor.isFixedRateMode() ? QStringLiteral("fixed")
                                                : QStringLiteral("scene %1").arg(editor.currentScenceNumber())};
    for (const char *name :
         {"m_comboBoxDeviceType", "m_comboBoxResolution", "m_comboxFrameRate", "m_comboxEncodingType",
          "m_comboxSceneComplexity", "m_comboxRecordingMode", "viewOrRecordingCmbx"})
        fields << combo(editor, name)->currentText();
    for (const char *name : {"m_lineEditScenceRecommandRate", "m_lineEditChannelName", "m_lineEditChannelCounts",
                             "m_lineEditRecordingShare"})
        fields << edit(editor, name)->text();
    fields << (shown(editor, "m_lineEditRecordingShare") ? QStringLiteral("share shown") : QString());
    return fields;
}

// The mode as the panel shows it: title, the main button, Cancel.
inline QString modeOf(const DeviceEditor &editor)
{
    return QStringList{part<QLabel>(editor, "m_label_AddDevice")->text(),
                       part<QPushButton>(editor, "m_btnAddDevice")->text(),
                       shown(editor, "m_btnCancelEdit") ? QStringLiteral("Cancel") : QString()}
        .join(QLatin1Char('|'));
}

const QString kAdding = QStringLiteral("Add Device|+ Add|");
const QString kEditing = QStringLiteral("Edit Device|Save changes|Cancel");

inline Recipe gate()
{
    Recipe recipe;
    recipe.encoding = QStringLiteral("H.264");
    recipe.resolution = QStringLiteral("720P");
    recipe.frameRate = QStringLiteral("25");
    return recipe;
}

// The third group added from the recipe, "(3)" after its name.
inline StructDeviceItem thirdGroup(DeviceEditor &source, const Recipe &recipe)
{
    describe(source, recipe);
    addOnce(source);
    addOnce(source);
    return addOnce(source);
}

inline void save(DeviceEditor &editor)
{
    QTest::mouseClick(part<QPushButton>(editor, "m_btnAddDevice"), Qt::LeftButton);
}

// By hand, each step on a control in sight: "name" clicks it, "name=text"
// types the text over a field's or chooses it in a list.
inline void drive(DeviceEditor &editor, const QStringList &steps)
{
    for (const QString &step : steps) {
        const QString name = step.section(QLatin1Char('='), 0, 0);
        QWidget *control = part(editor, qPrintable(name));
        QVERIFY2(control && control->isVisibleTo(&editor) && control->isEnabled(), qPrintable(step));
        const QString text = step.section(QLatin1Char('='), 1);
        if (auto *line = qobject_cast<QLineEdit *>(control)) {
            QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(line, text);
            QCOMPARE(line->text(), text);
        } else if (auto *box = qobject_cast<QComboBox *>(control)) {
            choose(box, text);
        } else {
            QTest::mouseClick(control, Qt::LeftButton);
        }
    }
}

// A retention of a group's own: `days` days and the audio.
inline RetentionPolicy keeping(int days, int audio = RetentionPolicy::NoAudio, int unit = RetentionPolicy::Days)
{
    RetentionPolicy policy;
    policy.own = true;
    policy.retention = days;
    policy.retentionUnit = unit;
    policy.audio = audio;
    return policy;
}

} // namespace
