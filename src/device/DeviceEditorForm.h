#pragma once

#include "model/GroupLimits.h"
#include "model/StructDeviceItem.h"

#include <QString>

class QCheckBox;
class QFrame;
class QGridLayout;
class QLabel;
class QLineEdit;
class QScrollArea;
class QTextEdit;
class QWidget;
class RetentionSection;
class ScenceSelector;
namespace aptui {
class Switch;
}
namespace FenwaGUIToolkit {
class CComboBox;
class CLineEdit;
class CPushButton;
class CRadioButton;
} // namespace FenwaGUIToolkit

// The controls of the "Add Device" panel, laid out as a designer form: a title
// row with the video-standard switch, then one labelled row per input. Every
// control carries the object name the style sheet addresses. The panel owns
// the widgets; this builds them, keeps the pointers and fills in the fixed
// texts when the panel asks for them.
class DeviceEditorForm
{
public:
    // What the number fields take.
    static constexpr int kMaxChannelCount = GroupLimits::kMaxChannels;
    static constexpr int kMaxRate = int(GroupLimits::kMaxBitrate);
    // Recording shares in percent; 100 records all the time.
    static constexpr int kContinuousShare = StructDeviceItem::kContinuousShare;
    // The position of "On motion" among the recording choices.
    static constexpr int kOnMotion = 1;
    static constexpr int kChannelNameLength = GroupLimits::kNameLength;

    // What the user has chosen and typed, as the controls hold it; the
    // device type and the choices of views and recording by position.
    struct Entries
    {
        int deviceType = 0;
        QString resolution;
        QString frameRate;
        QString encoding;
        int complexity = 0;
        QString rate;
        QString name;
        QString count;
        int recordingMode = 0;
        QString share;
        int viewChoice = 0;
        // Everything the retention section holds, as its draft.
        RetentionPolicy retention;
    };

    void setupUi(QWidget *DeviceEditor);
    // The starting texts; out of sight after start-up: the device type, the
    // rate modes, the notes, the view choice and the collapse box.
    void prepareStartUp();
    // Validators, a refusal tip on each number field, the name's length; any
    // new value, typed or recommended, ends a field's mark of a missing one.
    void setInputRules();
    // The share row for a group recorded on motion; a share out of sight
    // neither stops an add nor keeps a note about it. The retention section
    // follows the recording mode too.
    void showRecordingShare(bool onMotion);
    // The PAL/NTSC switch's size and words, NTSC on.
    void prepareStandardSwitch();
    // The title and the buttons for adding a group or for editing one.
    void showEditing(bool editing);

    Entries entries() const;
    // The entries that show the group; a continuous group leaves the share
    // prepared for the next one on motion.
    Entries entriesOf(const StructDeviceItem &group) const;
    // Name, count, recording mode with its share, the view choice and the
    // retention; the choices the recommendation depends on are the panel's
    // to set.
    void setTypedEntries(const Entries &entries);
    // What the fields say of a group as they read: rate, count, encoding,
    // resolution, frame rate, device type, recording share, views and the
    // retention section's policy.
    StructDeviceItem describedItem() const;
    // Every mark of a missing value and its message go.
    void clearMissingMarks();
    // Marks each required field without a value, says what the first one
    // misses and gives it the focus; true when none misses anything.
    bool checkRequiredFields();
    // Whether a plan of `groups` would hold more than a plan may; if so it
    // says so at the channel count.
    bool refuseGroupCount(qsizetype groups);
    // Whether the group the fields describe cannot keep the retention
    // section's policy; if so the section says why.
    bool refuseRetention();
    // Frames per second of the frame-rate choice; 0 for none.
    double frameRate() const;
    // The same of a frame-rate choice's text.
    static double framesPerSecond(const QString &choice);
    // The frame-rate row for fixed-rate mode, the scenes for scene mode.
    void showScenceRows(bool scence);

    // The typed name, or the default for none, followed by "(n)"
    // (GroupLimits::typedName takes it off again).
    static QString defaultChannelName();
    static QString numberedName(const QString &typed, int channelGroupNumber);

    // The number fields, in the order of the form, and those of them an add
    // needs a value in: the share only while the group records on motion.
    QList<QLineEdit *> numberFields() const;
    QList<QLineEdit *> requiredFields() const;
    // A positive number; for the share a whole one up to 100.
    bool hasValue(const QLineEdit *field) const;
    // The complexity choices with their explanations as tool tips.
    void fillComplexity();
    // The note under the complexity.
    void prepareHintEdit();
    // Captions, choices and fields show their text as their tool tip.
    void setTextsAsToolTips();

    QWidget *m_verticalWidgetAddBorder = nullptr;
    QFrame *verticalFrame = nullptr;
    QLabel *m_label_AddDevice = nullptr;
    aptui::Switch *PalNtscSwitch = nullptr;
    QLabel *m_lableDeviceType = nullptr;
    FenwaGUIToolkit::CComboBox *m_comboBoxDeviceType = nullptr;
    QLabel *m_labelChannelName = nullptr;
    FenwaGUIToolkit::CLineEdit *m_lineEditChannelName = nullptr;
    QLabel *label = nullptr;
    FenwaGUIToolkit::CRadioButton *m_radioButtonFixedRate = nullptr;
    FenwaGUIToolkit::CRadioButton *m_radioButtonVarRate = nullptr;
    ScenceSelector *m_scenceSelector = nullptr;
    QLabel *m_lableResolution = nullptr;
    FenwaGUIToolkit::CComboBox *m_comboBoxResolution = nullptr;
    QLabel *m_labelFrameRate = nullptr;
    FenwaGUIToolkit::CComboBox *m_comboxFrameRate = nullptr;
    QLabel *m_labelEncodeTypeLabel = nullptr;
    FenwaGUIToolkit::CComboBox *m_comboxEncodingType = nullptr;
    QLabel *m_labelSceneComplexityLabel = nullptr;
    FenwaGUIToolkit::CComboBox *m_comboxSceneComplexity = nullptr;
    QTextEdit *hintEdit = nullptr;
    QLabel *viewOrRecordingLabel = nullptr;
    FenwaGUIToolkit::CComboBox *viewOrRecordingCmbx = nullptr;
    QLabel *m_labelScenceRecommandRate = nullptr;
    FenwaGUIToolkit::CLineEdit *m_lineEditScenceRecommandRate = nullptr;
    QLabel *m_labelChannelCounts = nullptr;
    FenwaGUIToolkit::CLineEdit *m_lineEditChannelCounts = nullptr;
    // Continuous or on motion, and for on motion the share of the time recorded.
    QLabel *m_labelRecordingMode = nullptr;
    FenwaGUIToolkit::CComboBox *m_comboxRecordingMode = nullptr;
    QLabel *m_labelRecordingShare = nullptr;
    FenwaGUIToolkit::CLineEdit *m_lineEditRecordingShare = nullptr;
    FenwaGUIToolkit::CPushButton *m_btnAddDevice = nullptr;
    // Beside "+ Add" while a group is edited: leaves the group as it was.
    FenwaGUIToolkit::CPushButton *m_btnCancelEdit = nullptr;
    QCheckBox *m_checkBoxSpread = nullptr;
    // Under the title, the fields and the buttons scroll together.
    QScrollArea *m_scrollAreaFields = nullptr;
    QWidget *m_widgetFields = nullptr;
    RetentionSection *m_retentionSection = nullptr;

private:
    static void clearMissingMark(QLineEdit *field);
    // A caption with the field as its buddy, as the next row of the grid.
    QLabel *addRow(QGridLayout *grid, const char *labelName, const QString &text, QWidget *field);
};
