#include "device/DeviceItemWidget.h"

#include "aptui/Label.h"
#include "aptui/PlainToolTip.h"
#include "device/RetentionBadges.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayoutItem>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <initializer_list>
#include <limits>

namespace NM_Vantor {

namespace {

constexpr int kValueLabelWidth = 120;
constexpr int kWideValueLabelWidth = 200;
constexpr int kOneLineWidth = 640;
// The wide rate and fourth value leave the last value of a line room for a
// whole "Encode Type : H.265+" only from this width on.
constexpr int kWideOneLineWidth = 900;
constexpr int kWideTwoLinesWidth = 460;
// Below this the fixed value widths no longer fit: the values share the width.
constexpr int kCompactWidth = 400;
constexpr int kHeaderSpacing = 8;
constexpr int kMinValueLabelWidth = 10;
// A group recording all of the time shows no share.
constexpr int kContinuousShare = StructDeviceItem::kContinuousShare;

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
    label->setMinimumWidth(kMinValueLabelWidth);
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
    m_labelChannelGroupName->setToolTip(aptui::plainToolTip(m_channelName));
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
    // As wide as the name, shortened only where the row has no room for it,
    // so that the recording share stands right after the name.
    m_labelChannelGroupName->setMinimumWidth(kMinValueLabelWidth);
    m_labelChannelGroupName->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    m_hlayout1->addWidget(m_labelChannelGroupName);
    m_labelRecording = new QLabel(this);
    m_labelRecording->setObjectName(QStringLiteral("m_labelRecording"));
    m_labelRecording->setTextFormat(Qt::PlainText);
    m_labelRecording->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    m_labelRecording->hide();
    // Its outline hugs the text rather than filling the row's height.
    m_hlayout1->addWidget(m_labelRecording, 0, Qt::AlignVCenter);
    m_badges = new RetentionBadges(this);
    m_hlayout1->addWidget(m_badges, 0, Qt::AlignVCenter);
    m_hlayout1->addStretch(1);
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

    const int valueCount = int(valueLabels().size());
    m_values = {QStringList(valueCount, QString()), QStringList(valueCount, QString()),
                QStringList(valueCount, QString())};
    //: A card's channel-count caption before its group is set.
    setLabelText(m_labelDeviceCounts, {tr("Counts :"), QString()});
    //: A card's bitrate caption before its group is set.
    setLabelText(m_labelDeviceBitRate, {tr("Bit Rate :"), QString()});
    setLabelText(m_labelDeviceResolution, {tr("Resolution :"), QString()});
    setLabelText(m_labelEncodeType, {tr("Encode Type:"), QString()});
    setLabelText(m_labelScenceName, {tr("Scence Name:"), QString()});
    for (aptui::Label *label : valueLabels()) {
        label->setFixedWidth(kValueLabelWidth);
        label->installEventFilter(this);
    }

    // Until the data comes, everything sits on the value row.
    addAll(m_hlayout3, {m_labelDeviceCounts, m_line1, m_labelDeviceBitRate, m_line2, m_labelDeviceResolution, m_line3,
                        m_labelEncodeType, m_line4, m_labelScenceName, m_line5});
    m_hlayout3->addStretch(1);
}

QString DeviceItemWidget::bitrateText(double bitrate)
{
    return QString::number(bitrate, 'g', 6);
}

DeviceItemWidget::CaptionedText DeviceItemWidget::captioned(const QString &pattern, const QString &value,
                                                            const QString &shortText)
{
    return {pattern.arg(value), shortText};
}

QString DeviceItemWidget::fittedText(const QString &text, const QString &shortText, const QFontMetrics &metrics,
                                     int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    if (shortText.isEmpty())
        return metrics.elidedText(text, Qt::ElideRight, width);
    if (metrics.horizontalAdvance(shortText) <= width)
        return shortText;
    return metrics.elidedText(shortText, Qt::ElideRight, width);
}

QString DeviceItemWidget::shownValueText(const aptui::Label *label) const
{
    const int index = valueLabels().indexOf(const_cast<aptui::Label *>(label));
    const QString shortText = index < 0 ? QString() : m_values.shortTexts.value(index);
    return fittedText(label->text(), shortText, label->fontMetrics(), label->contentsRect().width());
}

void DeviceItemWidget::refreshToolTips()
{
    const QList<aptui::Label *> labels = valueLabels();
    for (int i = 0; i < labels.size(); ++i) {
        aptui::Label *label = labels.at(i);
        const QString &own = m_values.toolTips.at(i);
        label->setToolTip(
            aptui::plainToolTip(own.isEmpty() && shownValueText(label) != label->text() ? label->text() : own));
    }
}

bool DeviceItemWidget::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = qobject_cast<aptui::Label *>(watched);
    if (!label || !valueLabels().contains(label))
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::Resize)
        refreshToolTips();
    if (event->type() != QEvent::Paint)
        return false;
    const QString shown = shownValueText(label);
    if (shown == label->text())
        return false; // The label draws itself as always.
    // Drawn as the label draws a shortened text; the labels have no frame.
    QPainter painter(label);
    label->style()->drawItemText(&painter, label->contentsRect(), int(label->alignment()), label->palette(),
                                 label->isEnabled(), shown, label->foregroundRole());
    return true;
}

void DeviceItemWidget::setLabelText(aptui::Label *label, const CaptionedText &text)
{
    label->setStrText(text.text);
    const int index = valueLabels().indexOf(label);
    if (index >= 0) {
        m_values.texts[index] = text.text;
        m_values.toolTips[index] = text.text;
        m_values.shortTexts[index] = text.shortText;
    }
    refreshToolTips();
}

DeviceItemWidget::CaptionedText DeviceItemWidget::frameRateText(const QString &frameRate)
{
    return captioned(tr("Frame Rate : %1"), frameRate,
                     //: Short form of "Frame Rate : %1" on a narrow card: frames per second.
                     tr("%1 fps").arg(frameRate));
}

DeviceItemWidget::CaptionedText DeviceItemWidget::rateText(const QString &pattern, const QString &rate)
{
    //: Short form of a card's bitrate on a narrow card, per channel.
    return captioned(pattern, rate, tr("%1 kbps", "short bitrate").arg(rate));
}

DeviceItemWidget::CaptionedText DeviceItemWidget::convertedRateText(double bitrate)
{
    //: A card's fixed per-channel bitrate (sic: the source text is kept as the program has always used it).
    return rateText(tr("Fixted Rate : %1 kbps"), QString::number(wholeBitrate(bitrate)));
}

DeviceItemWidget::ValueTexts DeviceItemWidget::makeValueTexts(const StructDeviceItem &item, bool rateConverted)
{
    // Resolution, encoding and scene need no caption where room is short: the value says what it is.
    QList<CaptionedText> texts{captioned(tr("Counts : %1"), QString::number(item.iChannelCount),
                                         //: Short form of "Counts : %n" on a narrow card: the number of channels.
                                         tr("%n ch.", "short channel count", item.iChannelCount))};
    if (item.strScene.isEmpty()) {
        //: A card's fixed per-channel bitrate.
        texts.append(rateText(tr("Fixted Rate : %1 kbps"), bitrateText(item.dBitrate)));
        texts.append(frameRateText(item.strFrameRate));
        texts.append(captioned(tr("Resolution : %1"), item.strResolution, item.strResolution));
        texts.append(captioned(tr("Encode Type : %1"), item.strEncoding, item.strEncoding));
    } else {
        texts.append(rateText(tr("Variable Rate : %1 kbps"), bitrateText(item.dBitrate)));
        texts.append(captioned(tr("Resolution : %1"), item.strResolution, item.strResolution));
        texts.append(captioned(tr("Encode Type : %1"), item.strEncoding, item.strEncoding));
        texts.append(captioned(tr("Scene Type : %1"), item.strScene, item.strScene));
    }
    if (rateConverted) {
        texts[1] = convertedRateText(item.dBitrate);
        texts[2] = frameRateText(item.strFrameRate);
    }

    ValueTexts values;
    for (const CaptionedText &text : texts) {
        values.texts.append(text.text);
        values.shortTexts.append(text.shortText);
    }
    values.toolTips = values.texts;
    // The scene display's resolution has never had a tool tip.
    if (!item.strScene.isEmpty() && !rateConverted)
        values.toolTips[2].clear();
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
    for (int i = 0; i < labels.size(); ++i)
        labels.at(i)->setStrText(values.texts.at(i));
    m_values = values;
    refreshToolTips();
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

QString DeviceItemWidget::recordingText(const StructDeviceItem &item)
{
    //: Beside a group's name: it records only on motion, %1 percent of the time.
    return item.iRecordingShare >= kContinuousShare ? QString() : tr("On motion %1 %").arg(item.iRecordingShare);
}

void DeviceItemWidget::showGroup(long long id, const StructDeviceItem &item, bool rateConverted)
{
    setHeader(item.strDeviceType, item.strChannelName, item.strExtraText);
    m_recordingText = recordingText(item);
    m_recordingShortText = m_recordingText.isEmpty() ? QString()
                                                     //: Short form of "On motion %1 %" beside a long group name.
                                                     : tr("%1 %", "short recording share").arg(item.iRecordingShare);
    m_labelRecording->setText(m_recordingText);
    m_recordingShort = false;
    m_labelRecording->setToolTip(
        m_recordingText.isEmpty() ? QString() : tr("Records on motion, %1 % of the time").arg(item.iRecordingShare));
    m_labelRecording->setVisible(!m_recordingText.isEmpty());
    m_badges->setPolicy(item.policy);
    setDeviceData(item.iChannelCount, item.strResolution, item.strFrameRate, item.dBitrate, id,
                  item.iChannelGroupNumber, item.strEncoding, item.strScene);
    if (rateConverted)
        updateFrameRateAndRate(item.strFrameRate, item.dBitrate);
    fitHeader(width());
}

void DeviceItemWidget::fitHeader(int width)
{
    const bool isDvr = m_deviceType.toUpper() == QLatin1String("DVR");
    const auto apply = [this, isDvr](bool iconShown, bool shortShare, int badges) {
        m_labelDeviceTypeIconDVR->setVisible(iconShown && isDvr);
        m_labelDeviceTypeIconIPC->setVisible(iconShown && !isDvr);
        // Without the icon the header's gaps close up a little too.
        m_hlayout1->setSpacing(!iconShown ? kHeaderSpacing / 2 : isDvr ? kHeaderSpacing + 1 : kHeaderSpacing);
        m_recordingShort = shortShare && !m_recordingText.isEmpty();
        m_labelRecording->setText(m_recordingShort ? m_recordingShortText : m_recordingText);
        m_badges->showFirst(badges);
    };
    const int badges = m_badges->count();
    apply(true, false, badges);
    if ((m_recordingText.isEmpty() && badges == 0) || width <= 0)
        return;
    // The name comes first: then the share, which can read short, then the
    // retention badges from the last (each tells the whole policy in its tool
    // tip), then the type icon, which the groups of a plan mostly share
    // anyway, and the retention's own badge last of all. Each step is tried
    // in the header's real layout.
    const int nameWidth = m_labelChannelGroupName->sizeHint().width();
    const auto nameFits = [this, nameWidth] {
        m_vlayout->activate();
        return m_labelChannelGroupName->width() >= nameWidth;
    };
    if (nameFits())
        return;
    for (int shown = badges; shown >= qMin(badges, 1); --shown) {
        apply(true, true, shown);
        if (nameFits())
            return;
    }
    apply(false, true, qMin(badges, 1));
    if (nameFits() || badges == 0)
        return;
    apply(false, true, 0);
    m_vlayout->activate();
}

void DeviceItemWidget::layoutAt(const QSize &size)
{
    // The style sheet's sizes first, or the layout works with the defaults.
    ensurePolished();
    resize(size);
    applyLayout(size.width());
    fitHeader(size.width());
    m_vlayout->invalidate();
    m_vlayout->activate();
    // The labels of a card that is not shown get no resize events.
    refreshToolTips();
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
    fitHeader(event->size().width());
}

void DeviceItemWidget::applyLayout(int width)
{
    if (m_layoutMode != LayoutNone && width == m_layoutWidth)
        return;
    m_layoutWidth = width;
    takeAll(m_hlayout2);
    takeAll(m_hlayout3);

    // A compact card shares its width out; the wider layouts give fixed widths
    // again, and a fixed width only holds in a layout for a widget whose size
    // policy is not Ignored.
    for (aptui::Label *label : {m_labelDeviceCounts, m_labelDeviceBitRate, m_labelDeviceResolution, m_labelEncodeType})
        label->setSizePolicy(QSizePolicy::Fixed, label->sizePolicy().verticalPolicy());
    for (aptui::Label *label : {m_labelDeviceCounts, m_labelDeviceResolution})
        label->setFixedWidth(kValueLabelWidth);

    if (width >= kOneLineWidth) {
        const bool narrow = width < kWideOneLineWidth;
        m_layoutMode = LayoutOneLine;
        addAll(m_hlayout3, {m_labelDeviceCounts, m_line1, m_labelDeviceBitRate, m_line2, m_labelDeviceResolution,
                            m_line3, m_labelEncodeType, m_line4, m_labelScenceName});
        m_line1->show();
        m_line2->show();
        m_labelDeviceBitRate->setFixedWidth(narrow ? kValueLabelWidth : kWideValueLabelWidth);
        m_labelEncodeType->setFixedWidth(narrow ? kValueLabelWidth : kWideValueLabelWidth);
    } else if (width < kCompactWidth) {
        m_layoutMode = LayoutTwoLines;
        addAll(m_hlayout2, {m_labelDeviceCounts, m_line1, m_labelDeviceBitRate, m_line2});
        addAll(m_hlayout3, {m_labelDeviceResolution, m_line3, m_labelEncodeType, m_line4, m_labelScenceName});
        m_line1->show();
        m_line2->hide();
        for (aptui::Label *label :
             {m_labelDeviceCounts, m_labelDeviceBitRate, m_labelDeviceResolution, m_labelEncodeType}) {
            label->setMinimumWidth(kMinValueLabelWidth);
            label->setMaximumWidth(QWIDGETSIZE_MAX);
            label->setSizePolicy(QSizePolicy::Ignored, label->sizePolicy().verticalPolicy());
        }
        m_hlayout2->setStretchFactor(m_labelDeviceCounts, 2);
        m_hlayout2->setStretchFactor(m_labelDeviceBitRate, 3);
        m_hlayout3->setStretchFactor(m_labelDeviceResolution, 1);
        m_hlayout3->setStretchFactor(m_labelEncodeType, 1);
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
    }
    // The last value takes what the others leave of the card, however wide,
    // and shortens its text to that.
    m_labelScenceName->setMinimumWidth(kMinValueLabelWidth);
    m_labelScenceName->setMaximumWidth(QWIDGETSIZE_MAX);
    m_labelScenceName->setSizePolicy(QSizePolicy::Ignored, m_labelScenceName->sizePolicy().verticalPolicy());
    m_hlayout3->setStretchFactor(m_labelScenceName, 1);
    m_hlayout3->addStretch(0);
    m_hlayout3->addWidget(m_line5);
}

} // namespace NM_Vantor
