#include "device/DeviceEditorForm.h"

#include "aptui/CustomizedIntValidator.h"
#include "aptui/InputTip.h"
#include "aptui/Repolish.h"
#include "aptui/Switch.h"
#include "device/RetentionSection.h"
#include "device/ScenceSelector.h"
#include "host/CComboBox.h"
#include "host/CLineEdit.h"
#include "host/CPushButton.h"
#include "host/CRadioButton.h"
#include "model/DeviceEnums.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QScrollArea>
#include <QStandardItemModel>
#include <QStringList>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
const int kDefaultMotionShare = 30;
// Frame-rate list positions from which the entries stand for fractions of a
// frame per second, whatever their text says.
} // namespace

// Texts are translated in the context of the panel that shows them.
void DeviceEditorForm::setupUi(QWidget *DeviceEditor)
{
    DeviceEditor->setObjectName(QStringLiteral("DeviceEditor"));
    DeviceEditor->setStyleSheet(QStringList{QStringLiteral("QWideget#DeviceEditor{"),
                                            QStringLiteral("background:Transparent"), QStringLiteral("}")}
                                    .join(QLatin1Char('\n')));

    auto *outer = new QHBoxLayout(DeviceEditor);
    outer->setObjectName(QStringLiteral("horizontalLayout"));
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    m_verticalWidgetAddBorder = new QWidget(DeviceEditor);
    m_verticalWidgetAddBorder->setObjectName(QStringLiteral("m_verticalWidgetAddBorder"));
    m_verticalWidgetAddBorder->setAttribute(Qt::WA_StyledBackground);
    outer->addWidget(m_verticalWidgetAddBorder);

    verticalFrame = new QFrame(DeviceEditor);
    verticalFrame->setObjectName(QStringLiteral("verticalFrame"));
    verticalFrame->setFrameShape(QFrame::NoFrame);
    verticalFrame->hide();
    outer->addWidget(verticalFrame);

    auto *border = new QVBoxLayout(m_verticalWidgetAddBorder);
    border->setObjectName(QStringLiteral("verticalLayout"));
    border->setContentsMargins(20, 16, 20, 20);
    border->setSpacing(14);

    auto *titleRow = new QHBoxLayout();
    titleRow->setObjectName(QStringLiteral("horizontalLayoutTitle"));
    // Its text is the mode's, set with the buttons'.
    m_label_AddDevice = new QLabel(m_verticalWidgetAddBorder);
    m_label_AddDevice->setObjectName(QStringLiteral("m_label_AddDevice"));
    titleRow->addWidget(m_label_AddDevice);
    titleRow->addStretch();
    PalNtscSwitch = new aptui::Switch(true, m_verticalWidgetAddBorder);
    PalNtscSwitch->setObjectName(QStringLiteral("PalNtscSwitch"));
    PalNtscSwitch->setAccessibleName(QCoreApplication::translate("DeviceEditor", "Video standard"));
    titleRow->addWidget(PalNtscSwitch);
    border->addLayout(titleRow);

    auto *separator = new QFrame(m_verticalWidgetAddBorder);
    separator->setObjectName(QStringLiteral("m_lineAddDevice"));
    separator->setFrameShape(QFrame::NoFrame);
    separator->setAttribute(Qt::WA_StyledBackground);
    separator->setFixedHeight(1);
    border->addWidget(separator);

    // Below the title everything scrolls, for the retention section opened
    // on a small screen.
    m_scrollAreaFields = new QScrollArea(m_verticalWidgetAddBorder);
    m_scrollAreaFields->setObjectName(QStringLiteral("m_scrollAreaFields"));
    m_scrollAreaFields->setFrameShape(QFrame::NoFrame);
    m_scrollAreaFields->setFocusPolicy(Qt::NoFocus);
    m_scrollAreaFields->setWidgetResizable(true);
    m_scrollAreaFields->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_widgetFields = new QWidget();
    m_widgetFields->setObjectName(QStringLiteral("m_widgetFields"));
    auto *fields = new QVBoxLayout(m_widgetFields);
    fields->setContentsMargins(0, 0, 0, 0);
    fields->setSpacing(14);
    m_scrollAreaFields->setWidget(m_widgetFields);
    border->addWidget(m_scrollAreaFields, 1);

    auto *grid = new QGridLayout();
    grid->setObjectName(QStringLiteral("gridLayout"));
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(12);
    grid->setColumnStretch(1, 1);
    fields->addLayout(grid);

    m_comboBoxDeviceType = new FenwaGUIToolkit::CComboBox(m_widgetFields);
    m_comboBoxDeviceType->setObjectName(QStringLiteral("m_comboBoxDeviceType"));
    m_lableDeviceType = addRow(grid, "m_lableDeviceType", QCoreApplication::translate("DeviceEditor", "Device Type :"),
                               m_comboBoxDeviceType);

    m_lineEditChannelName = new FenwaGUIToolkit::CLineEdit(m_widgetFields);
    m_lineEditChannelName->setObjectName(QStringLiteral("m_lineEditChannelName"));
    m_labelChannelName = addRow(grid, "m_labelChannelName",
                                QCoreApplication::translate("DeviceEditor", "Channel Name :"), m_lineEditChannelName);

    // A layout, not a container widget, so that the row takes no room while
    // both choices are hidden.
    auto *rateModes = new QHBoxLayout();
    rateModes->setObjectName(QStringLiteral("horizontalLayoutRateModes"));
    m_radioButtonFixedRate = new FenwaGUIToolkit::CRadioButton(m_widgetFields);
    m_radioButtonFixedRate->setObjectName(QStringLiteral("m_radioButtonFixedRate"));
    //: Choice of how the bitrate is given: one fixed rate per channel.
    m_radioButtonFixedRate->setText(QCoreApplication::translate("DeviceEditor", "Fixed Rate"));
    rateModes->addWidget(m_radioButtonFixedRate);
    m_radioButtonVarRate = new FenwaGUIToolkit::CRadioButton(m_widgetFields);
    m_radioButtonVarRate->setObjectName(QStringLiteral("m_radioButtonVarRate"));
    //: Choice of how the bitrate is given: a variable rate taken from a recording scene.
    m_radioButtonVarRate->setText(QCoreApplication::translate("DeviceEditor", "VarRate"));
    rateModes->addWidget(m_radioButtonVarRate);
    rateModes->addStretch();
    label = new QLabel(QCoreApplication::translate("DeviceEditor", "Encode Section :"), m_widgetFields);
    label->setObjectName(QStringLiteral("label"));
    label->setBuddy(m_radioButtonFixedRate);
    const int rateModesRow = grid->rowCount();
    grid->addWidget(label, rateModesRow, 0);
    grid->addLayout(rateModes, rateModesRow, 1);

    m_scenceSelector = new ScenceSelector(m_widgetFields);
    m_scenceSelector->setObjectName(QStringLiteral("m_scenceSelector"));
    m_scenceSelector->setMinimumHeight(220);
    grid->addWidget(m_scenceSelector, grid->rowCount(), 0, 1, 2);

    m_comboBoxResolution = new FenwaGUIToolkit::CComboBox(m_widgetFields);
    m_comboBoxResolution->setObjectName(QStringLiteral("m_comboBoxResolution"));
    m_lableResolution =
        addRow(grid, "m_lableResolution", QCoreApplication::translate("DeviceEditor", "Device Resolution :"),
               m_comboBoxResolution);

    m_comboxFrameRate = new FenwaGUIToolkit::CComboBox(m_widgetFields);
    m_comboxFrameRate->setObjectName(QStringLiteral("m_comboxFrameRate"));
    m_labelFrameRate = addRow(grid, "m_labelFrameRate", QCoreApplication::translate("DeviceEditor", "Frame Rate :"),
                              m_comboxFrameRate);

    m_comboxEncodingType = new FenwaGUIToolkit::CComboBox(m_widgetFields);
    m_comboxEncodingType->setObjectName(QStringLiteral("m_comboxEncodingType"));
    m_labelEncodeTypeLabel =
        addRow(grid, "m_labelEncodeTypeLabel", QCoreApplication::translate("DeviceEditor", "Encoding Type :"),
               m_comboxEncodingType);

    m_comboxSceneComplexity = new FenwaGUIToolkit::CComboBox(m_widgetFields);
    m_comboxSceneComplexity->setObjectName(QStringLiteral("m_comboxSceneComplexity"));
    m_labelSceneComplexityLabel =
        addRow(grid, "m_labelSceneComplexityLabel", QCoreApplication::translate("DeviceEditor", "Scene Complexity :"),
               m_comboxSceneComplexity);

    hintEdit = new QTextEdit(m_widgetFields);
    hintEdit->setObjectName(QStringLiteral("hintEdit"));
    grid->addWidget(hintEdit, grid->rowCount(), 0, 1, 2);

    viewOrRecordingCmbx = new FenwaGUIToolkit::CComboBox(m_widgetFields);
    viewOrRecordingCmbx->setObjectName(QStringLiteral("viewOrRecordingCmbx"));
    viewOrRecordingCmbx->addItems({QCoreApplication::translate("DeviceEditor", "Live view & Recording"),
                                   QCoreApplication::translate("DeviceEditor", "Live view"),
                                   //: One of the live-view and recording choices: the group is recorded only (a noun).
                                   QCoreApplication::translate("DeviceEditor", "Recording")});
    viewOrRecordingLabel = addRow(grid, "viewOrRecordingLabel",
                                  QCoreApplication::translate("DeviceEditor", "View/Recording"), viewOrRecordingCmbx);

    m_lineEditScenceRecommandRate = new FenwaGUIToolkit::CLineEdit(m_widgetFields);
    m_lineEditScenceRecommandRate->setObjectName(QStringLiteral("m_lineEditScenceRecommandRate"));
    m_labelScenceRecommandRate =
        addRow(grid, "m_labelScenceRecommandRate", QCoreApplication::translate("DeviceEditor", "Recommend Rate :"),
               m_lineEditScenceRecommandRate);

    m_lineEditChannelCounts = new FenwaGUIToolkit::CLineEdit(m_widgetFields);
    m_lineEditChannelCounts->setObjectName(QStringLiteral("m_lineEditChannelCounts"));
    m_labelChannelCounts =
        addRow(grid, "m_labelChannelCounts", QCoreApplication::translate("DeviceEditor", "Channel Counts :"),
               m_lineEditChannelCounts);

    m_comboxRecordingMode = new FenwaGUIToolkit::CComboBox(m_widgetFields);
    m_comboxRecordingMode->setObjectName(QStringLiteral("m_comboxRecordingMode"));
    //: How the group records: all the time, or only when something moves.
    m_comboxRecordingMode->addItems({QCoreApplication::translate("DeviceEditor", "Continuous"),
                                     QCoreApplication::translate("DeviceEditor", "On motion")});
    //: Screen-reader name of the recording choice (a noun, as the caption beside it).
    m_comboxRecordingMode->setAccessibleName(QCoreApplication::translate("DeviceEditor", "Recording"));
    m_labelRecordingMode = addRow(grid, "m_labelRecordingMode",
                                  QCoreApplication::translate("DeviceEditor", "Recording :"), m_comboxRecordingMode);

    m_lineEditRecordingShare = new FenwaGUIToolkit::CLineEdit(m_widgetFields);
    m_lineEditRecordingShare->setObjectName(QStringLiteral("m_lineEditRecordingShare"));
    m_lineEditRecordingShare->setAccessibleName(
        QCoreApplication::translate("DeviceEditor", "Share of recording time in percent"));
    m_labelRecordingShare =
        addRow(grid, "m_labelRecordingShare", QCoreApplication::translate("DeviceEditor", "Share of time (%) :"),
               m_lineEditRecordingShare);
    // Recording starts continuous.
    m_labelRecordingShare->hide();
    m_lineEditRecordingShare->hide();

    m_retentionSection = new RetentionSection(m_widgetFields);
    fields->addWidget(m_retentionSection);

    auto *actions = new QHBoxLayout();
    actions->setObjectName(QStringLiteral("horizontalLayoutActions"));
    m_checkBoxSpread = new QCheckBox(m_widgetFields);
    m_checkBoxSpread->setObjectName(QStringLiteral("m_checkBoxSpread"));
    m_checkBoxSpread->setAccessibleName(QCoreApplication::translate("DeviceEditor", "Collapse panel"));
    actions->addWidget(m_checkBoxSpread);
    actions->addStretch();
    m_btnCancelEdit = new FenwaGUIToolkit::CPushButton(m_widgetFields);
    m_btnCancelEdit->setObjectName(QStringLiteral("m_btnCancelEdit"));
    //: Button beside "Save changes" while a channel group is edited.
    m_btnCancelEdit->setText(QCoreApplication::translate("DeviceEditor", "Cancel"));
    m_btnCancelEdit->setAccessibleName(QCoreApplication::translate("DeviceEditor", "Cancel editing"));
    m_btnCancelEdit->setToolTip(
        QCoreApplication::translate("DeviceEditor", "Leave the group as it is and go back to adding groups"));
    actions->addWidget(m_btnCancelEdit);
    m_btnAddDevice = new FenwaGUIToolkit::CPushButton(m_widgetFields);
    m_btnAddDevice->setObjectName(QStringLiteral("m_btnAddDevice"));
    actions->addWidget(m_btnAddDevice);
    fields->addSpacing(4);
    fields->addLayout(actions);
    fields->addStretch();
    showEditing(false);

    // The sub-stream is offered and recommended for the group's own stream as
    // it is chosen; Enter in a retention field adds, as in the fields above.
    for (QComboBox *choice :
         {m_comboBoxDeviceType, m_comboBoxResolution, m_comboxFrameRate, m_comboxEncodingType, m_comboxSceneComplexity})
        QObject::connect(choice, &QComboBox::currentIndexChanged, m_retentionSection, &RetentionSection::refreshAdvice);
    for (QLineEdit *field : m_retentionSection->findChildren<QLineEdit *>())
        QObject::connect(field, &QLineEdit::returnPressed, m_btnAddDevice, &QPushButton::click);
    // The section's fields line up with those above, hidden captions counted,
    // so that no row shown later moves them.
    int captions = m_retentionSection->captionWidth();
    for (const QLabel *caption : m_widgetFields->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        if (caption->buddy())
            captions = qMax(captions, caption->sizeHint().width());
    grid->setColumnMinimumWidth(0, captions);
    m_retentionSection->setCaptionWidth(captions);
}

void DeviceEditorForm::showEditing(bool editing)
{
    if (editing) {
        //: Title of the panel while it shows a channel group of the list to change.
        m_label_AddDevice->setText(QCoreApplication::translate("DeviceEditor", "Edit Device"));
        //: Button that puts the edited channel group back into the list, changed.
        m_btnAddDevice->setText(QCoreApplication::translate("DeviceEditor", "Save changes"));
    } else {
        m_label_AddDevice->setText(QCoreApplication::translate("DeviceEditor", "Add Device"));
        //: Button that adds the described channel group to the list (a verb).
        m_btnAddDevice->setText(QCoreApplication::translate("DeviceEditor", "+ Add"));
    }
    m_label_AddDevice->setToolTip(m_label_AddDevice->text());
    m_btnCancelEdit->setVisible(editing);
}

void DeviceEditorForm::prepareStartUp()
{
    // A hint, not a name: a group added without one is named after it, with its number.
    m_lineEditChannelName->setPlaceholderText(defaultChannelName());
    m_lineEditChannelCounts->setText(QStringLiteral("1"));
    m_lineEditRecordingShare->setText(QString::number(kDefaultMotionShare));
    const QList<QWidget *> hidden{m_checkBoxSpread,
                                  m_lableDeviceType,
                                  m_comboBoxDeviceType,
                                  label,
                                  m_radioButtonFixedRate,
                                  m_radioButtonVarRate,
                                  hintEdit,
                                  viewOrRecordingLabel,
                                  viewOrRecordingCmbx};
    for (QWidget *choice : hidden)
        choice->hide();
}

QLabel *DeviceEditorForm::addRow(QGridLayout *grid, const char *labelName, const QString &text, QWidget *field)
{
    auto *caption = new QLabel(text, m_widgetFields);
    caption->setObjectName(QLatin1String(labelName));
    caption->setBuddy(field);
    const int row = grid->rowCount();
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    return caption;
}

void DeviceEditorForm::fillComplexity()
{
    //: Scene complexity: how busy the picture is; Low, Medium and High scale the recommended bitrate.
    const QString names[] = {QCoreApplication::translate("DeviceEditor", "Low"),
                             QCoreApplication::translate("DeviceEditor", "Medium"),
                             QCoreApplication::translate("DeviceEditor", "High")};
    const QString tips[] = {
        QCoreApplication::translate(
            "DeviceEditor",
            "Low: scenarios with limited details, limited movement, e.g. stairway, warehouse, meeting room."),
        QCoreApplication::translate(
            "DeviceEditor",
            "Medium: scenarios with medium details, medium movements, e.g. reception, schoolyard parking lot."),
        QCoreApplication::translate("DeviceEditor",
                                    "High: scenarios with lots of details, lots of movements, or low light, e.g. "
                                    "station, intersection, square."),
    };
    auto *model = new QStandardItemModel(m_comboxSceneComplexity);
    for (int i = 0; i < 3; ++i) {
        auto *item = new QStandardItem(names[i]);
        item->setToolTip(tips[i]);
        model->appendRow(item);
    }
    m_comboxSceneComplexity->setModel(model);
}

void DeviceEditorForm::prepareHintEdit()
{
    hintEdit->setEnabled(false);
    hintEdit->setText(QCoreApplication::translate(
        "DeviceEditor", "Notes: For some extremely complex scenarios with lots of details and movements, "
                        "the bitrate is likely to be far higher than recommended value."));
    hintEdit->adjustSize();
    hintEdit->setStyleSheet(QStringLiteral("QTextEdit{background-color:white; border:none}"));
}

void DeviceEditorForm::setTextsAsToolTips()
{
    QWidget *form = m_widgetFields;
    for (QLabel *caption : form->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        caption->setToolTip(caption->text());
    for (QComboBox *combo : form->findChildren<QComboBox *>(Qt::FindDirectChildrenOnly)) {
        combo->setToolTip(combo->currentText());
        // Screen readers read the tool tip as the description: it must not name an old choice.
        QObject::connect(combo, &QComboBox::currentTextChanged, combo, &QWidget::setToolTip);
    }
    for (QLineEdit *edit : form->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly))
        edit->setToolTip(edit->text().isEmpty() ? edit->placeholderText() : edit->text());
    for (QRadioButton *choice : form->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly))
        choice->setToolTip(choice->text());
}

void DeviceEditorForm::setInputRules()
{
    m_lineEditChannelCounts->setValidator(new CustomizedIntValidator(0, kMaxChannelCount, m_lineEditChannelCounts));
    m_lineEditScenceRecommandRate->setValidator(new CustomizedIntValidator(0, kMaxRate, m_lineEditScenceRecommandRate));
    m_lineEditRecordingShare->setValidator(new CustomizedIntValidator(1, kContinuousShare, m_lineEditRecordingShare));
    m_lineEditChannelName->setMaxLength(kChannelNameLength);
    new aptui::InputTip(
        m_lineEditChannelName,
        //: Shown at the name field when a key would make the name longer than it may be.
        QCoreApplication::translate("DeviceEditor", "A name has at most %n character(s)", nullptr, kChannelNameLength));
    for (QLineEdit *field : numberFields()) {
        new aptui::InputTip(field);
        QObject::connect(field, &QLineEdit::textChanged, field, [field] {
            if (field->property("invalid").toBool())
                clearMissingMark(field);
        });
    }
}

void DeviceEditorForm::showRecordingShare(bool onMotion)
{
    m_labelRecordingShare->setVisible(onMotion);
    m_lineEditRecordingShare->setVisible(onMotion);
    m_retentionSection->setOnMotion(onMotion);
    if (!onMotion)
        clearMissingMark(m_lineEditRecordingShare);
}

void DeviceEditorForm::clearMissingMark(QLineEdit *field)
{
    aptui::markInvalid(field, false);
    aptui::InputTip::of(field)->dismiss();
}

void DeviceEditorForm::prepareStandardSwitch()
{
    PalNtscSwitch->setFixedSize(84, 24);
    //: The two video standards of the switch; names, usually left as they are.
    PalNtscSwitch->setOnText(QCoreApplication::translate("DeviceEditor", "PAL"));
    PalNtscSwitch->setOffText(QCoreApplication::translate("DeviceEditor", "NTSC"));
    PalNtscSwitch->switchOff();
}

QList<QLineEdit *> DeviceEditorForm::numberFields() const
{
    return {m_lineEditScenceRecommandRate, m_lineEditChannelCounts, m_lineEditRecordingShare};
}

QList<QLineEdit *> DeviceEditorForm::requiredFields() const
{
    QList<QLineEdit *> fields = numberFields();
    if (m_comboxRecordingMode->currentIndex() != kOnMotion)
        fields.removeOne(m_lineEditRecordingShare);
    return fields;
}

bool DeviceEditorForm::hasValue(const QLineEdit *field) const
{
    if (field != m_lineEditRecordingShare)
        return field->text().toDouble() > 0;
    bool ok = false;
    const int share = field->text().toInt(&ok, 10);
    return ok && share >= 1 && share <= kContinuousShare;
}

DeviceEditorForm::Entries DeviceEditorForm::entries() const
{
    Entries entries;
    entries.deviceType = m_comboBoxDeviceType->currentIndex();
    entries.resolution = m_comboBoxResolution->currentText();
    entries.frameRate = m_comboxFrameRate->currentText();
    entries.encoding = m_comboxEncodingType->currentText();
    entries.complexity = m_comboxSceneComplexity->currentIndex();
    entries.rate = m_lineEditScenceRecommandRate->text();
    entries.name = m_lineEditChannelName->text();
    entries.count = m_lineEditChannelCounts->text();
    entries.recordingMode = m_comboxRecordingMode->currentIndex();
    entries.share = m_lineEditRecordingShare->text();
    entries.viewChoice = viewOrRecordingCmbx->currentIndex();
    entries.retention = m_retentionSection->draft();
    return entries;
}

void DeviceEditorForm::setTypedEntries(const Entries &entries)
{
    m_lineEditChannelName->setText(entries.name);
    m_lineEditChannelCounts->setText(entries.count);
    m_lineEditRecordingShare->setText(entries.share);
    m_comboxRecordingMode->setCurrentIndex(entries.recordingMode);
    viewOrRecordingCmbx->setCurrentIndex(entries.viewChoice);
    m_retentionSection->setPolicy(entries.retention);
}

DeviceEditorForm::Entries DeviceEditorForm::entriesOf(const StructDeviceItem &group) const
{
    Entries shown = entries();
    const int type = m_comboBoxDeviceType->findText(group.strDeviceType);
    if (type >= 0)
        shown.deviceType = type;
    shown.resolution = group.strResolution;
    shown.frameRate = group.strFrameRate;
    shown.encoding = group.strEncoding;
    shown.complexity = qBound(int(Low), group.iComplexity, int(High));
    shown.rate = QString::number(group.dBitrate, 'f', QLocale::FloatingPointShortest);
    shown.name = GroupLimits::typedName(group);
    shown.count = QString::number(group.iChannelCount);
    const bool onMotion = group.iRecordingShare < kContinuousShare;
    shown.recordingMode = onMotion ? kOnMotion : 0;
    if (onMotion)
        shown.share = QString::number(group.iRecordingShare);
    shown.viewChoice = group.iViewMode == LiveView ? 1 : group.iViewMode == Recording ? 2 : 0;
    shown.retention = group.policy;
    return shown;
}

StructDeviceItem DeviceEditorForm::describedItem() const
{
    StructDeviceItem item;
    item.dBitrate = m_lineEditScenceRecommandRate->text().toDouble();
    item.iChannelCount = m_lineEditChannelCounts->text().toInt(nullptr, 10);
    item.strEncoding = m_comboxEncodingType->currentText();
    item.strResolution = m_comboBoxResolution->currentText();
    item.strFrameRate = m_comboxFrameRate->currentText();
    item.strDeviceType = m_comboBoxDeviceType->currentText();
    item.iRecordingShare = m_comboxRecordingMode->currentIndex() == kOnMotion
                               ? m_lineEditRecordingShare->text().toInt(nullptr, 10)
                               : kContinuousShare;
    const int views[] = {LiveViewAndRecording, LiveView, Recording};
    const int choice = viewOrRecordingCmbx->currentIndex();
    item.iViewMode = choice >= 1 && choice <= 2 ? views[choice] : LiveViewAndRecording;
    item.policy = m_retentionSection->policy();
    return item;
}

bool DeviceEditorForm::checkRequiredFields()
{
    QLineEdit *firstMissing = nullptr;
    for (QLineEdit *field : requiredFields()) {
        const bool missing = !hasValue(field);
        aptui::markInvalid(field, missing);
        if (missing && !firstMissing)
            firstMissing = field;
    }
    if (!firstMissing)
        return true;

    QString message = QCoreApplication::translate("DeviceEditor", "Enter the bitrate, 1 to %1 kbps").arg(kMaxRate);
    if (firstMissing == m_lineEditChannelCounts)
        message =
            QCoreApplication::translate("DeviceEditor", "Enter the number of channels, 1 to %1").arg(kMaxChannelCount);
    else if (firstMissing == m_lineEditRecordingShare)
        message =
            QCoreApplication::translate("DeviceEditor", "Enter the share of time, 1 to %1 %").arg(kContinuousShare);
    m_scrollAreaFields->ensureWidgetVisible(firstMissing);
    firstMissing->setFocus(Qt::OtherFocusReason);
    aptui::InputTip::of(firstMissing)->showMessage(message);
    return false;
}

bool DeviceEditorForm::refuseRetention()
{
    const StructDeviceItem group = describedItem();
    return m_retentionSection->refuse(group.dBitrate, group.iRecordingShare);
}

bool DeviceEditorForm::refuseGroupCount(qsizetype groups)
{
    if (groups <= GroupLimits::kMaxGroups)
        return false;
    m_scrollAreaFields->ensureWidgetVisible(m_lineEditChannelCounts);
    aptui::InputTip::of(m_lineEditChannelCounts)->showMessage(GroupLimits::tooManyGroupsText(groups));
    return true;
}

double DeviceEditorForm::frameRate() const
{
    return framesPerSecond(m_comboxFrameRate->currentText());
}

double DeviceEditorForm::framesPerSecond(const QString &choice)
{
    // Read by what it says, "25" or "1/4": a frame list with a line more or
    // less must not shift every rate.
    const QString text = choice.trimmed();
    const int slash = int(text.indexOf(QLatin1Char('/')));
    bool ok = false;
    if (slash < 0) {
        const double rate = text.toDouble(&ok);
        return ok && rate > 0.0 ? rate : 0.0;
    }
    const double frames = text.left(slash).toDouble(&ok);
    bool okSeconds = false;
    const double seconds = text.mid(slash + 1).toDouble(&okSeconds);
    return ok && okSeconds && frames > 0.0 && seconds > 0.0 ? frames / seconds : 0.0;
}

void DeviceEditorForm::showScenceRows(bool scence)
{
    m_scenceSelector->setVisible(scence);
    m_labelFrameRate->setVisible(!scence);
    m_comboxFrameRate->setVisible(!scence);
    m_labelEncodeTypeLabel->show();
    m_comboxEncodingType->show();
}

QString DeviceEditorForm::defaultChannelName()
{
    return QCoreApplication::translate("DeviceEditor", "Channel Name");
}

QString DeviceEditorForm::numberedName(const QString &typed, int channelGroupNumber)
{
    const QString name = typed.trimmed().isEmpty() ? defaultChannelName() : typed;
    return name + QLatin1Char('(') + QString::number(channelGroupNumber) + QLatin1Char(')');
}

void DeviceEditorForm::clearMissingMarks()
{
    for (QLineEdit *field : numberFields())
        clearMissingMark(field);
}
