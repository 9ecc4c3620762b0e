#include "device/DeviceEditor.h"

#include "aptui/Switch.h"
#include "device/DeviceEditorForm.h"
#include "device/RetentionSection.h"
#include "device/ScenceSelector.h"
#include "host/CComboBox.h"
#include "host/CLineEdit.h"
#include "host/CPushButton.h"
#include "host/CRadioButton.h"
#include "model/BitrateCalculator.h"
#include "model/BitrateConfigData.h"
#include "model/BitrateTable.h"
#include "model/DeviceEnums.h"
#include "model/DeviceInfoManager.h"
#include "model/ScenceItem.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>

#include <cmath>

namespace {
const int kPanelWidth = 400;
const int kExpandedWidth = 390;
const int kCollapsedWidth = 60;
const int kOnMotion = DeviceEditorForm::kOnMotion;

} // namespace

DeviceEditor::DeviceEditor(QWidget *parent) : QWidget(parent)
{
    // First: building the calculator converts a recorder bitrate source, which
    // every table read after it then sees.
    m_pBitrateCalculator = std::make_unique<BitrateCalculator>();
    m_pDeviceInfo = new DeviceInfoManager(this);
    m_ui = std::make_unique<DeviceEditorForm>();
    m_ui->setupUi(this);
    // The sub-stream comes from the tables the group's own stream does.
    RetentionSection::Advice advice;
    advice.resolutions = [this] { return m_pDeviceInfo->getResolutions(currentDeviceType()); };
    advice.frameRates = [this] {
        QStringList frameRates;
        m_pDeviceInfo->getFrameRates(frameRates, m_bPal ? PAL : NTSC);
        return frameRates;
    };
    advice.recommendedKbps = [this](const QString &resolution, const QString &frameRate) {
        return double(tableRate(resolution, DeviceEditorForm::framesPerSecond(frameRate)));
    };
    m_ui->m_retentionSection->setAdvice(advice);

    // Until the connections are made below, nothing here runs a slot except the
    // resolution refill of the fixed-rate refresh, which connects itself.
    m_ui->prepareStartUp();
    const QStringList deviceTypes = m_pDeviceInfo->getDeviceTypes();
    for (int i = 0; i < deviceTypes.size(); ++i)
        m_ui->m_comboBoxDeviceType->addItem(deviceTypes.at(i), i + 1);

    m_ui->m_radioButtonFixedRate->setChecked(true);
    // Fixed-rate mode shows no scenes; the selector builds its buttons when it is first shown.
    m_ui->m_scenceSelector->hide();

    const QVector<QString> scenceNames = m_pDeviceInfo->getScenceNames();
    QVector<SCENCE_ITEM> scences;
    for (int i = 0; i < scenceNames.size(); ++i)
        scences.append(SCENCE_ITEM{i, scenceNames.at(i)});
    m_ui->m_scenceSelector->setScenceData(scences);

    m_ui->prepareStandardSwitch();

    refreshFixedRate();
    OnSetFrameByStandard(PAL);
    calculateFixedRate();

    m_ui->fillComplexity();
    m_ui->m_comboxSceneComplexity->setCurrentIndex(Medium);
    m_ui->prepareHintEdit();
    m_iPreviousComplexity = Medium;

    m_ui->viewOrRecordingCmbx->setCurrentIndex(0);

    m_ui->setTextsAsToolTips();
    makeConnections();

    setFixedWidth(kPanelWidth);
    m_ui->setInputRules();

    // Leaves the panel in NTSC; nobody can listen to the announcement yet.
    OnFrametareStandardNTSC();
}

DeviceEditor::~DeviceEditor() = default;

bool DeviceEditor::isFixedRateMode() const
{
    return m_ui->m_radioButtonFixedRate->isChecked();
}

// Runs a refill of the combo box with its currentIndexChanged connection to
// `slot` removed, so the refill does not run the recommendation half-way, and
// restores the connection as it was.
template <typename Slot, typename Refill>
void DeviceEditor::quietly(QComboBox *combo, Slot slot, Refill refill)
{
    const bool connected = disconnect(combo, &QComboBox::currentIndexChanged, this, slot);
    refill();
    if (connected)
        connect(combo, &QComboBox::currentIndexChanged, this, slot, Qt::UniqueConnection);
}

void DeviceEditor::clearResolutions()
{
    // Connected again before new entries go in: the first one selects itself and
    // so recommends a rate for it.
    QComboBox *resolutions = m_ui->m_comboBoxResolution;
    disconnect(resolutions, &QComboBox::currentIndexChanged, this, &DeviceEditor::OnResolutionChanged);
    resolutions->clear();
    connect(resolutions, &QComboBox::currentIndexChanged, this, &DeviceEditor::OnResolutionChanged,
            Qt::UniqueConnection);
}

// ---- Construction steps ----------------------------------------------------

void DeviceEditor::makeConnections()
{
    connect(m_ui->m_btnAddDevice, &QPushButton::clicked, this, &DeviceEditor::OnBtnAddDeviceClicked);
    connect(m_ui->m_btnCancelEdit, &QPushButton::clicked, this, &DeviceEditor::cancelEdit);
    // Enter in a field adds the group, as the button does (refusals included).
    for (QLineEdit *field : {m_ui->m_lineEditChannelName, m_ui->m_lineEditScenceRecommandRate,
                             m_ui->m_lineEditChannelCounts, m_ui->m_lineEditRecordingShare})
        connect(field, &QLineEdit::returnPressed, m_ui->m_btnAddDevice, &QPushButton::click);
    m_ui->m_btnAddDevice->setAutoDefault(true);
    connect(m_ui->m_radioButtonFixedRate, &QRadioButton::clicked, this, &DeviceEditor::OnRateSelected);
    connect(m_ui->m_radioButtonVarRate, &QRadioButton::clicked, this, &DeviceEditor::OnRateSelected);
    // The resolution refill of the fixed-rate refresh has connected its combo already.
    connect(m_ui->m_comboBoxDeviceType, &QComboBox::currentIndexChanged, this, &DeviceEditor::OnDeviceTypeChanged,
            Qt::UniqueConnection);
    connect(m_ui->m_comboBoxResolution, &QComboBox::currentIndexChanged, this, &DeviceEditor::OnResolutionChanged,
            Qt::UniqueConnection);
    connect(m_ui->m_comboxFrameRate, &QComboBox::currentIndexChanged, this, &DeviceEditor::OnFixedRateFrameRateChanged,
            Qt::UniqueConnection);
    connect(m_ui->m_comboxEncodingType, &QComboBox::currentIndexChanged, this, &DeviceEditor::OnEncodingTypeChanged,
            Qt::UniqueConnection);
    connect(m_ui->m_scenceSelector, &ScenceSelector::signalScenceChanged, this, &DeviceEditor::OnScenceChanged);
    connect(m_ui->m_checkBoxSpread, &QCheckBox::toggled, this, &DeviceEditor::OnSpreadChanged);
    connect(m_ui->PalNtscSwitch, &aptui::Switch::signalON, this, &DeviceEditor::OnFrametareStandardPAL);
    connect(m_ui->PalNtscSwitch, &aptui::Switch::signalOFF, this, &DeviceEditor::OnFrametareStandardNTSC);
    connect(m_ui->m_comboxSceneComplexity, &QComboBox::currentIndexChanged, this,
            &DeviceEditor::OnCalRecommenderBitrateBySceneComplexity, Qt::UniqueConnection);
    connect(m_ui->m_comboxRecordingMode, &QComboBox::currentIndexChanged, this, &DeviceEditor::OnRecordingModeChanged);
}

// ---- Public slots ----------------------------------------------------------

void DeviceEditor::setDeviceTypes(QVector<StructDeviceType> deviceTypes)
{
    QComboBox *types = m_ui->m_comboBoxDeviceType;
    quietly(types, &DeviceEditor::OnDeviceTypeChanged, [&] {
        types->clear();
        for (const StructDeviceType &type : deviceTypes)
            types->addItem(type.strDeviceTypeName, type.iDeviceType);
    });
}

void DeviceEditor::setDeviceResolutions(QMap<int, QString> resolutions)
{
    clearResolutions();
    for (auto it = resolutions.cbegin(); it != resolutions.cend(); ++it)
        m_ui->m_comboBoxResolution->addItem(it.value(), it.key());
}

void DeviceEditor::setScenceRecommandRateText(QString rate)
{
    m_ui->m_lineEditScenceRecommandRate->setText(rate);
    m_ui->m_lineEditScenceRecommandRate->setToolTip(rate);
}

QObject *DeviceEditor::getScenceSelector()
{
    return m_ui->m_scenceSelector;
}

void DeviceEditor::OnSpreadChanged(bool spread)
{
    m_ui->m_verticalWidgetAddBorder->setVisible(!spread);
    m_ui->verticalFrame->setVisible(spread);
    setFixedWidth(spread ? kCollapsedWidth : kExpandedWidth);
}

void DeviceEditor::OnDeleteChannelGroupNumber(int iChannelGroupNumber)
{
    // The edited group is gone, alone or with every other.
    if (m_llEditedId != 0 && (iChannelGroupNumber == 0 || iChannelGroupNumber == m_iEditedNumber))
        cancelEdit();
    m_pDeviceInfo->releaseChannelGroupNumber(iChannelGroupNumber);
}

void DeviceEditor::OnSetFrameByStandard(int index)
{
    refillFrameRates(index);
}

void DeviceEditor::setFrameStandard(int standard)
{
    if (standard != PAL && standard != NTSC)
        return;
    if ((standard == PAL) != m_ui->PalNtscSwitch->isOn())
        m_ui->PalNtscSwitch->setSwitch(standard == PAL);
    // The switch was turned without a word, or already showed the standard.
    if ((standard == PAL) != m_bPal)
        switchFrameStandard(standard);
}

void DeviceEditor::setUsedChannelGroupNumbers(const QList<int> &numbers)
{
    m_pDeviceInfo->setUsedChannelGroupNumbers(numbers);
}

QVector<StructDeviceItem> DeviceEditor::numberedGroups(QVector<StructDeviceItem> groups)
{
    for (StructDeviceItem &group : groups) {
        group.iChannelGroupNumber = m_pDeviceInfo->allocChannelGroupNumber();
        group.strChannelName = DeviceEditorForm::numberedName(group.strChannelName, group.iChannelGroupNumber);
    }
    return groups;
}

bool DeviceEditor::refuseWhenFull(int adding)
{
    return m_ui->refuseGroupCount(qsizetype(m_pDeviceInfo->channelGroupNumbersInUse()) + adding);
}

// ---- Fixed-rate mode -------------------------------------------------------

void DeviceEditor::refreshFixedRate()
{
    emit signalGetFrameStandard();

    m_ui->showScenceRows(false);
    m_ui->m_labelScenceRecommandRate->setText(tr("Recommend Rate :"));

    refillEncodings(m_pDeviceInfo->offeredEncodings());

    const QStringList resolutions = m_pDeviceInfo->getResolutions(currentDeviceType());
    clearResolutions();
    m_ui->m_comboBoxResolution->addItems(resolutions);
}

void DeviceEditor::calculateFixedRate()
{
    if (!isFixedRateMode())
        return;
    const int complexity = m_ui->m_comboxSceneComplexity->currentIndex();
    // 0 or less: the table has no recommendation, and the field stays empty.
    const int bitrate = tableRate(m_ui->m_comboBoxResolution->currentText(), m_ui->frameRate());
    // Before the complexities are filled in, the table value stands unscaled.
    recommend(bitrate > 0 ? QString::number(bitrate) : QString(),
              complexity == Low || complexity == High ? complexity : Medium);
}

int DeviceEditor::tableRate(const QString &resolution, double frameRate) const
{
    BitrateTable &table = m_pBitrateCalculator->table();
    table.setEncodeType(m_ui->m_comboxEncodingType->currentText());
    table.setFrameStandard(m_bPal ? PAL : NTSC);
    const int complexity = m_ui->m_comboxSceneComplexity->currentIndex();
    return table.recommendedBitrate(resolution, currentDeviceType(), frameRate, complexity);
}

void DeviceEditor::recommend(const QString &rate, int complexity)
{
    setScenceRecommandRateText(rate);
    m_strRecommendedRate = rate;
    m_iRecommendedComplexity = complexity;
}

bool DeviceEditor::isRateFromTable() const
{
    return !m_strRecommendedRate.isEmpty() && m_ui->m_lineEditScenceRecommandRate->text() == m_strRecommendedRate &&
           m_iRecommendedComplexity >= Low && m_iRecommendedComplexity <= High;
}

int DeviceEditor::currentDeviceType() const
{
    return m_ui->m_comboBoxDeviceType->currentIndex() == 0 ? IPC : DVR;
}

void DeviceEditor::OnFrametareStandardPAL()
{
    switchFrameStandard(PAL);
}

void DeviceEditor::OnFrametareStandardNTSC()
{
    switchFrameStandard(NTSC);
}

void DeviceEditor::switchFrameStandard(int standard)
{
    m_bPal = standard == PAL;
    refillFrameRates(standard);
    m_pDeviceInfo->setFrameStandard(standard);
    emit signalCurrentFrameStandard(standard);
}

void DeviceEditor::refillFrameRates(int standard)
{
    QStringList frameRates;
    m_pDeviceInfo->getFrameRates(frameRates, standard);
    QComboBox *combo = m_ui->m_comboxFrameRate;
    quietly(combo, &DeviceEditor::OnFixedRateFrameRateChanged, [&] {
        combo->clear();
        combo->addItems(frameRates);
    });
    // Once connected, this selection recommends the rate for the new standard.
    combo->setCurrentIndex(1);
}

void DeviceEditor::refillResolutions(const QStringList &resolutions)
{
    QComboBox *combo = m_ui->m_comboBoxResolution;
    quietly(combo, &DeviceEditor::OnResolutionChanged, [&] {
        combo->clear();
        combo->addItems(resolutions);
    });
}

void DeviceEditor::refillEncodings(const QStringList &encodings)
{
    QComboBox *combo = m_ui->m_comboxEncodingType;
    quietly(combo, &DeviceEditor::OnEncodingTypeChanged, [&] {
        combo->clear();
        combo->addItems(encodings);
    });
}

void DeviceEditor::OnCalRecommenderBitrateBySceneComplexity(int index)
{
    // A typed rate is scaled too. An empty field has no rate to scale and stays
    // empty rather than turning into a recommendation of 0.
    const QString text = m_ui->m_lineEditScenceRecommandRate->text();
    // A recommendation scaled is the one for the new complexity; a typed rate
    // scaled is still typed, and the old recommendation no longer applies.
    const bool recommended = !text.isEmpty() && text == m_strRecommendedRate;
    const int recommendedComplexity = m_iRecommendedComplexity + index - m_iPreviousComplexity;
    m_strRecommendedRate.clear();
    if (!text.isEmpty()) {
        const double scaled = text.toDouble() * std::pow(2.0, index - m_iPreviousComplexity);
        const QString scaledText = QString::number(static_cast<long long>(std::trunc(scaled)));
        if (recommended)
            recommend(scaledText, recommendedComplexity);
        else
            setScenceRecommandRateText(scaledText);
    }
    m_iPreviousComplexity = index;
}

void DeviceEditor::OnRecordingModeChanged(int index)
{
    m_ui->showRecordingShare(index == kOnMotion);
}

void DeviceEditor::OnEncodingTypeChanged(int index)
{
    Q_UNUSED(index);
    if (!isFixedRateMode()) {
        refreshScenceRate();
        return;
    }

    const QString encoding = m_ui->m_comboxEncodingType->currentText();
    const QStringList resolutions = m_pDeviceInfo->getResolutionsByEncode(currentDeviceType(), encoding);
    const QString kept = m_ui->m_comboBoxResolution->currentText();
    refillResolutions(resolutions);
    // A resolution the new encoding still offers stays chosen.
    const int position = resolutions.indexOf(kept);
    if (position >= 0)
        m_ui->m_comboBoxResolution->setCurrentIndex(position);
    calculateFixedRate();
}

void DeviceEditor::OnDeviceTypeChanged(int index)
{
    if (!isFixedRateMode())
        return;
    const QStringList resolutions = m_pDeviceInfo->getResolutions(index == 0 ? IPC : DVR);
    clearResolutions();
    m_ui->m_comboBoxResolution->addItems(resolutions);
    calculateFixedRate();
}

void DeviceEditor::OnResolutionChanged(int index)
{
    Q_UNUSED(index);
    if (isFixedRateMode())
        calculateFixedRate();
    else
        refreshScenceEncodings();
}

void DeviceEditor::OnFixedRateFrameRateChanged(int index)
{
    Q_UNUSED(index);
    calculateFixedRate();
}

// ---- Scene mode ------------------------------------------------------------

void DeviceEditor::OnRateSelected()
{
    if (isFixedRateMode()) {
        refreshFixedRate();
        calculateFixedRate();
    } else {
        enterScenceMode();
    }
}

void DeviceEditor::enterScenceMode()
{
    m_ui->showScenceRows(true);
    OnScenceChanged(0);
}

void DeviceEditor::OnScenceChanged(int scenceType)
{
    m_iCurrentScence = scenceType;
    const QString scence = m_pDeviceInfo->getScenceName(scenceType);
    QStringList resolutions;
    (void)m_pDeviceInfo->bitrateConfig().getScenceResolutions(scence, resolutions);
    refillResolutions(resolutions);
    refreshScenceEncodings();
}

void DeviceEditor::refreshScenceEncodings()
{
    const QString scence = m_pDeviceInfo->getScenceName(m_iCurrentScence);
    QStringList encodings;
    (void)m_pDeviceInfo->bitrateConfig().getScenceEncodings(scence, m_ui->m_comboBoxResolution->currentText(),
                                                            encodings);
    refillEncodings(encodings);
    refreshScenceRate();
}

void DeviceEditor::refreshScenceRate()
{
    const QString scence = m_pDeviceInfo->getScenceName(m_iCurrentScence);
    const QString encoding = m_ui->m_comboxEncodingType->currentText();
    const QString resolution = m_ui->m_comboBoxResolution->currentText();
    m_ui->m_scenceSelector->setScencePicture(m_pDeviceInfo->getScencePicture(scence, encoding, resolution));
    // -1 means that the scene list has no row for this combination; neither it
    // nor 0 is a recommendation, and the field stays empty.
    const int bitrate = m_pDeviceInfo->getScenceBitrate(scence, encoding, resolution);
    // The scene list recommends for a scene of medium complexity.
    recommend(bitrate > 0 ? QString::number(bitrate) : QString(), Medium);
}

// ---- Adding ----------------------------------------------------------------

void DeviceEditor::OnBtnAddDeviceClicked()
{
    // A group without channels or without a rate, or with a retention of its
    // own it cannot keep, is not added, and uses up no channel-group number.
    if (!m_ui->checkRequiredFields() || m_ui->refuseRetention())
        return;

    if (m_llEditedId != 0) {
        const long long id = m_llEditedId;
        emit signalEditDevice(id, itemFromFields(m_iEditedNumber));
        // Unless a receiver has moved on to another group or ended the edit.
        if (m_llEditedId == id)
            cancelEdit();
        return;
    }

    if (refuseWhenFull(1))
        return;
    const StructDeviceItem item = itemFromFields(m_pDeviceInfo->allocChannelGroupNumber());
    if (!m_bAppStarted) {
        emit signalAppStart();
        m_bAppStarted = true;
    }
    emit signalAddDevice(item);
}

StructDeviceItem DeviceEditor::itemFromFields(int channelGroupNumber) const
{
    StructDeviceItem item = m_ui->describedItem();
    item.iChannelGroupNumber = channelGroupNumber;
    item.strChannelName = DeviceEditorForm::numberedName(m_ui->m_lineEditChannelName->text(), channelGroupNumber);
    if (!isFixedRateMode()) {
        item.strFrameRate.clear();
        item.strScene = m_pDeviceInfo->getScenceName(m_iCurrentScence);
    }
    item.bRateFromTable = isRateFromTable();
    item.iComplexity =
        item.bRateFromTable ? m_iRecommendedComplexity : qMax(int(Low), m_ui->m_comboxSceneComplexity->currentIndex());
    return item;
}

// ---- Editing a group -------------------------------------------------------

void DeviceEditor::editGroup(long long id, const StructDeviceItem &item)
{
    if (id == 0)
        return;
    const bool starting = m_llEditedId == 0;
    if (starting) {
        m_draft.entries = m_ui->entries();
        m_draft.fixedRate = isFixedRateMode();
        m_draft.scence = m_iCurrentScence;
        m_draft.pal = m_bPal;
        m_draft.recommendedRate = m_strRecommendedRate;
        m_draft.recommendedComplexity = m_iRecommendedComplexity;
    }
    m_llEditedId = id;
    m_iEditedNumber = item.iChannelGroupNumber;

    const DeviceEditorForm::Entries entries = m_ui->entriesOf(item);
    // A scene this editor does not know is shown as fixed-rate as far as it goes.
    const int scence = item.strScene.isEmpty() ? -1 : m_pDeviceInfo->getScenceNames().indexOf(item.strScene);
    applyEntries(entries, scence < 0, qMax(0, scence));

    const QString &rate = entries.rate;
    if (item.bRateFromTable) {
        recommend(rate, item.iComplexity);
    } else {
        setScenceRecommandRateText(rate);
        // Typed stays typed, also where the tables say the same.
        if (m_strRecommendedRate == rate)
            m_strRecommendedRate.clear();
    }

    m_ui->showEditing(true);
    // Enter saves and Escape cancels from here.
    m_ui->m_lineEditChannelName->setFocus(Qt::OtherFocusReason);
    if (starting)
        emit signalEditingChanged(true);
}

void DeviceEditor::cancelEdit()
{
    if (m_llEditedId == 0)
        return;
    m_llEditedId = 0;
    m_iEditedNumber = 0;
    restoreDraft();
    m_ui->showEditing(false);
    emit signalEditingChanged(false);
}

void DeviceEditor::keyPressEvent(QKeyEvent *event)
{
    // Delivered accepted; the base class would ignore it.
    if (event->key() == Qt::Key_Escape && m_llEditedId != 0)
        cancelEdit();
    else
        QWidget::keyPressEvent(event);
}

void DeviceEditor::applyEntries(const DeviceEditorForm::Entries &entries, bool fixedRate, int scence)
{
    if (fixedRate != isFixedRateMode()) {
        (fixedRate ? m_ui->m_radioButtonFixedRate : m_ui->m_radioButtonVarRate)->setChecked(true);
        OnRateSelected();
    }
    m_ui->m_comboBoxDeviceType->setCurrentIndex(entries.deviceType);
    if (fixedRate) {
        // The encoding decides the resolutions offered.
        m_ui->m_comboxEncodingType->setCurrentText(entries.encoding);
        m_ui->m_comboBoxResolution->setCurrentText(entries.resolution);
    } else {
        // The scene decides the resolutions offered, the resolution the encodings.
        m_ui->m_scenceSelector->OnScenceSelected(scence);
        m_ui->m_comboBoxResolution->setCurrentText(entries.resolution);
        m_ui->m_comboxEncodingType->setCurrentText(entries.encoding);
    }
    // Kept out of sight in scene mode, for a return to fixed rate.
    m_ui->m_comboxFrameRate->setCurrentText(entries.frameRate);
    m_ui->m_comboxSceneComplexity->setCurrentIndex(entries.complexity);
    // Scaling a recommendation for another complexity would lose its halves;
    // the tables answer for this one directly.
    calculateFixedRate();
    m_ui->setTypedEntries(entries);
    m_ui->clearMissingMarks();
}

void DeviceEditor::restoreDraft()
{
    applyEntries(m_draft.entries, m_draft.fixedRate, m_draft.scence);
    setScenceRecommandRateText(m_draft.entries.rate);
    m_strRecommendedRate = m_draft.recommendedRate;
    m_iRecommendedComplexity = m_draft.recommendedComplexity;
    // The standard was switched meanwhile: the fields follow as they would
    // have had they been on screen.
    if (m_draft.pal != m_bPal)
        refillFrameRates(m_bPal ? PAL : NTSC);
}
