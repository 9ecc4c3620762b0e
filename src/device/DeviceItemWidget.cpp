#include "device/DeviceItemWidget.h"

#include "aptui/Label.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayoutItem>
#include <QResizeEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <initializer_list>
#include <limits>

namespace NM_Vantor {

namespace {

constexpr int kValueLabelWidth = 120;
constexpr int kWideValueLabelWidth = 200;
constexpr int kOneLineWidth = 640;
constexpr int kWideOneLineWidth = 740;
constexpr int kWideTwoLinesWidth = 460;
constexpr int kHeaderSpacing = 8;

QFrame *makeSeparator(QWidget *parent, const QString &name, int maximumHeight)
{
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    if (maximumHeight > 0)
        line->setMaximumHeight(maximumHeight);
    return line;
}

aptui::Label *makeValueLabel(QWidget *parent, const QString &name)
{
    auto *label = new aptui::Label(parent);
    label->setObjectName(name);
    label->setMinimumWidth(10);
    // Names and values come from users and data files: never markup.
    label->setTextFormat(Qt::PlainText);
    label->setElideMode(Qt::ElideRight);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

void addAll(QHBoxLayout *row, std::initializer_list<QWidget *> widgets)
{
    for (QWidget *widget : widgets)
        row->addWidget(widget);
}

// Empties a row; its widgets stay with the card, only the layout items go.
void takeAll(QHBoxLayout *row)
{
    while (QLayoutItem *item = row->takeAt(0))
        delete item;
}

// The bitrate as a whole number, as the rate field of the editor shows it.
long long wholeBitrate(double bitrate)
{
    constexpr double limit = double(std::numeric_limits<long long>::max());
    if (!(bitrate > -limit && bitrate < limit))
        return 0;
    return static_cast<long long>(bitrate);
}

} // namespace

DeviceItemWidget::DeviceItemWidget(QWidget *parent, const QString &deviceType, const QString &channelName,
                                   const QString &extraText)
    : QWidget(parent)
{
    setupForm();
    connect(m_btnDelete, &QToolButton::clicked, this, &DeviceItemWidget::OnDeleteButtonClicked);
    setHeader(deviceType, channelName, extraText);
}

void DeviceItemWidget::setHeader(const QString &deviceType, const QString &channelName, const QString &extraText)
{
    m_deviceType = deviceType;
    m_channelName = channelName;
    m_extraText = extraText;

    const bool isDvr = m_deviceType.toUpper() == QLatin1String("DVR");
    m_labelDeviceTypeIconDVR->setVisible(isDvr);
    m_labelDeviceTypeIconIPC->setVisible(!isDvr);
    // The DVR icon is two pixels narrower: centre it in the IPC icon's
    // column so that the names of all cards line up.
    m_hlayout1->setContentsMargins(isDvr ? 1 : 0, 0, 0, 0);
    m_hlayout1->setSpacing(isDvr ? kHeaderSpacing + 1 : kHeaderSpacing);

    m_labelChannelGroupName->setText(m_channelName);
    m_labelChannelGroupName->setToolTip(m_channelName);
}

QList<aptui::Label *> DeviceItemWidget::valueLabels() const
{
    return {m_labelDeviceCounts, m_labelDeviceBitRate, m_labelDeviceResolution, m_labelEncodeType, m_labelScenceName};
}

void DeviceItemWidget::setupForm()
{
    setObjectName(QStringLiteral("DeviceItemWidget"));
    resize(325, 122);

    m_vlayout = new QVBoxLayout(this);
    m_vlayout->setObjectName(QStringLiteral("m_vlayout"));
    m_vlayout->setSpacing(2);
    // The value widths below add up to the card's width exactly; the list's
    // padding keeps the cards off its edges.
    m_vlayout->setContentsMargins(0, 2, 0, 4);
    // A card is never a window of its own; it must not grow to its labels.
    m_vlayout->setSizeConstraint(QLayout::SetNoConstraint);

    m_hlayout1 = new QHBoxLayout();
    m_hlayout1->setObjectName(QStringLiteral("m_hlayout1"));
    m_hlayout1->setSpacing(kHeaderSpacing);
    m_labelDeviceTypeIconIPC = new QLabel(this);
    m_labelDeviceTypeIconIPC->setObjectName(QStringLiteral("m_labelDeviceTypeIconIPC"));
    m_labelDeviceTypeIconIPC->setFixedSize(28, 28);
    m_hlayout1->addWidget(m_labelDeviceTypeIconIPC);
    m_labelDeviceTypeIconDVR = new QLabel(this);
    m_labelDeviceTypeIconDVR->setObjectName(QStringLiteral("m_labelDeviceTypeIconDVR"));
    m_labelDeviceTypeIconDVR->setFixedSize(26, 26);
    m_hlayout1->addWidget(m_labelDeviceTypeIconDVR);
    m_labelChannelGroupName = new aptui::Label(this);
    m_labelChannelGroupName->setObjectName(QStringLiteral("m_labelChannelGroupName"));
    m_labelChannelGroupName->setTextFormat(Qt::PlainText);
    m_labelChannelGroupName->setElideMode(Qt::ElideRight);
    m_labelChannelGroupName->setMinimumHeight(28);
    m_labelChannelGroupName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_hlayout1->addWidget(m_labelChannelGroupName, 1);
    m_btnDelete = new QToolButton(this);
    m_btnDelete->setObjectName(QStringLiteral("m_btnDelete"));
    m_btnDelete->setFixedSize(24, 24);
    m_btnDelete->setFocusPolicy(Qt::TabFocus);
    m_btnDelete->setAccessibleName(tr("Delete group"));
    m_btnDelete->setToolTip(tr("Delete group"));
    m_hlayout1->addWidget(m_btnDelete);
    m_vlayout->addLayout(m_hlayout1);

    m_hlayout2 = new QHBoxLayout();
    m_hlayout2->setObjectName(QStringLiteral("m_hlayout2"));
    m_hlayout2->setSpacing(6);
    m_vlayout->addLayout(m_hlayout2);
    m_hlayout3 = new QHBoxLayout();
    m_hlayout3->setObjectName(QStringLiteral("m_hlayout3"));
    m_hlayout3->setSpacing(6);
    m_vlayout->addLayout(m_hlayout3);

    m_labelDeviceCounts = makeValueLabel(this, QStringLiteral("m_labelDeviceCounts"));
    m_line1 = makeSeparator(this, QStringLiteral("line1"), 16);
    m_labelDeviceBitRate = makeValueLabel(this, QStringLiteral("m_labelDeviceBitRate"));
    m_line2 = makeSeparator(this, QStringLiteral("line2"), 16);
    m_labelDeviceResolution = makeValueLabel(this, QStringLiteral("m_labelDeviceResolution"));
    m_line3 = makeSeparator(this, QStringLiteral("line3"), 0);
    m_labelEncodeType = makeValueLabel(this, QStringLiteral("m_labelEncodeType"));
    m_line4 = makeSeparator(this, QStringLiteral("line4"), 0);
    m_labelScenceName = makeValueLabel(this, QStringLiteral("m_labelScenceName"));
    m_line5 = makeSeparator(this, QStringLiteral("line5"), 0);
    // Nothing follows the last value, so its separator stays out of sight.
    m_line5->hide();

    setLabelText(m_labelDeviceCounts, tr("Counts :"));
    setLabelText(m_labelDeviceBitRate, tr("Bit Rate :"));
    setLabelText(m_labelDeviceResolution, tr("Resolution :"));
    setLabelText(m_labelEncodeType, tr("Encode Type:"));
    setLabelText(m_labelScenceName, tr("Scence Name:"));
    for (aptui::Label *label : valueLabels())
        label->setFixedWidth(kValueLabelWidth);

    // Until the data comes, everything sits on the value row.
    addAll(m_hlayout3, {m_labelDeviceCounts, m_line1, m_labelDeviceBitRate, m_line2, m_labelDeviceResolution, m_line3,
                        m_labelEncodeType, m_line4, m_labelScenceName, m_line5});
    m_hlayout3->addStretch(1);
}

QString DeviceItemWidget::bitrateText(double bitrate)
{
    return QString::number(bitrate, 'g', 6);
}

void DeviceItemWidget::setLabelText(aptui::Label *label, const QString &text, bool withToolTip)
{
    label->setStrText(text);
    label->setToolTip(withToolTip ? text : QString());
}

QString DeviceItemWidget::frameRateText(const QString &frameRate)
{
    return tr("Frame Rate : %1").arg(frameRate);
}

QString DeviceItemWidget::convertedRateText(double bitrate)
{
    return tr("Fixted Rate : %1 kbps").arg(wholeBitrate(bitrate));
}

DeviceItemWidget::ValueTexts DeviceItemWidget::makeValueTexts(const StructDeviceItem &item, bool rateConverted)
{
    ValueTexts values;
    values.texts.append(tr("Counts : %1").arg(item.iChannelCount));
    if (item.strScene.isEmpty()) {
        values.texts.append(tr("Fixted Rate : %1 kbps").arg(bitrateText(item.dBitrate)));
        values.texts.append(frameRateText(item.strFrameRate));
        values.texts.append(tr("Resolution : %1").arg(item.strResolution));
        values.texts.append(tr("Encode Type : %1").arg(item.strEncoding));
    } else {
        values.texts.append(tr("Variable Rate : %1 kbps").arg(bitrateText(item.dBitrate)));
        values.texts.append(tr("Resolution : %1").arg(item.strResolution));
        values.texts.append(tr("Encode Type : %1").arg(item.strEncoding));
        values.texts.append(tr("Scene Type : %1").arg(item.strScene));
    }
    values.toolTips = values.texts;
    // The scene display's resolution has never had a tool tip.
    if (!item.strScene.isEmpty())
        values.toolTips[2].clear();

    if (rateConverted) {
        values.texts[1] = convertedRateText(item.dBitrate);
        values.texts[2] = frameRateText(item.strFrameRate);
        values.toolTips[1] = values.texts.at(1);
        values.toolTips[2] = values.texts.at(2);
    }
    return values;
}

QStringList DeviceItemWidget::valueTexts(const StructDeviceItem &item, bool rateConverted)
{
    return makeValueTexts(item, rateConverted).texts;
}

QStringList DeviceItemWidget::valueToolTips(const StructDeviceItem &item, bool rateConverted)
{
    return makeValueTexts(item, rateConverted).toolTips;
}

void DeviceItemWidget::setValueTexts(const ValueTexts &values)
{
    const QList<aptui::Label *> labels = valueLabels();
    for (int i = 0; i < labels.size(); ++i) {
        labels.at(i)->setStrText(values.texts.at(i));
        labels.at(i)->setToolTip(values.toolTips.at(i));
    }
}

void DeviceItemWidget::setDeviceData(int channelCount, const QString &resolution, const QString &frameRate,
                                     double bitrate, long long id, int channelGroupNumber, const QString &encoding,
                                     const QString &scene)
{
    StructDeviceItem item;
    item.iChannelCount = channelCount;
    item.strResolution = resolution;
    item.strFrameRate = frameRate;
    item.dBitrate = bitrate;
    item.strEncoding = encoding;
    item.strScene = scene;
    setValueTexts(makeValueTexts(item, false));
    m_labelScenceName->setVisible(true);
    m_line4->setVisible(true);

    m_id = id;
    m_channelGroupNumber = channelGroupNumber;
    m_sceneName = scene;
    m_frameRate = frameRate;
    applyLayout(width());
}

void DeviceItemWidget::updateFrameRateAndRate(const QString &frameRate, double bitrate)
{
    m_frameRate = frameRate;
    setLabelText(m_labelDeviceResolution, frameRateText(frameRate));
    setLabelText(m_labelDeviceBitRate, convertedRateText(bitrate));
}

void DeviceItemWidget::showGroup(long long id, const StructDeviceItem &item, bool rateConverted)
{
    setHeader(item.strDeviceType, item.strChannelName, item.strExtraText);
    setDeviceData(item.iChannelCount, item.strResolution, item.strFrameRate, item.dBitrate, id,
                  item.iChannelGroupNumber, item.strEncoding, item.strScene);
    if (rateConverted)
        updateFrameRateAndRate(item.strFrameRate, item.dBitrate);
}

void DeviceItemWidget::layoutAt(const QSize &size)
{
    // The style sheet's sizes first, or the layout works with the defaults.
    ensurePolished();
    resize(size);
    applyLayout(size.width());
    m_vlayout->invalidate();
    m_vlayout->activate();
}

void DeviceItemWidget::OnDeleteButtonClicked()
{
    setFocus();
    emit signalDeleteClicked(m_id, m_channelGroupNumber);
}

void DeviceItemWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applyLayout(event->size().width());
}

void DeviceItemWidget::applyLayout(int width)
{
    if (m_layoutMode != LayoutNone && width == m_layoutWidth)
        return;
    m_layoutWidth = width;
    takeAll(m_hlayout2);
    takeAll(m_hlayout3);

    if (width >= kOneLineWidth) {
        const bool narrow = width <= kWideOneLineWidth;
        m_layoutMode = LayoutOneLine;
        addAll(m_hlayout3, {m_labelDeviceCounts, m_line1, m_labelDeviceBitRate, m_line2, m_labelDeviceResolution,
                            m_line3, m_labelEncodeType, m_line4, m_labelScenceName});
        m_line1->show();
        m_line2->show();
        m_labelDeviceBitRate->setFixedWidth(narrow ? kValueLabelWidth : kWideValueLabelWidth);
        m_labelEncodeType->setFixedWidth(narrow ? kValueLabelWidth : kWideValueLabelWidth);
        m_labelScenceName->setFixedWidth(qMax(10, narrow ? width - 266 : width - 426));
    } else {
        const bool narrow = width < kWideTwoLinesWidth;
        m_layoutMode = LayoutTwoLines;
        addAll(m_hlayout2, {m_labelDeviceCounts, m_line1, m_labelDeviceBitRate, m_line2});
        m_hlayout2->addStretch(1);
        addAll(m_hlayout3, {m_labelDeviceResolution, m_line3, m_labelEncodeType, m_line4, m_labelScenceName});
        m_line1->show();
        m_line2->hide();
        m_labelDeviceBitRate->setFixedWidth(kWideValueLabelWidth);
        m_labelEncodeType->setFixedWidth(narrow ? kValueLabelWidth : kWideValueLabelWidth);
        m_labelScenceName->setFixedWidth(qMax(10, narrow ? width - 266 : width - 346));
    }
    m_hlayout3->addStretch(1);
    m_hlayout3->addWidget(m_line5);
}

} // namespace NM_Vantor
