#include "calc/BandWidthPage.h"

#include "calc/FigureHolder.h"
#include "calc/FigureLabel.h"
#include "model/FigureFormat.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QString countTemplate(const QLatin1String &colour)
{
    return QStringLiteral("<html><head/><body style=\" font-family:'Arial';\"><p align=\"center\">"
                          "<span style=\" font-size:30px; font-weight:600; color:%1;\">%2</span><br/>"
                          "<span style=\" font-size:14px; color:#959595;\">%3</span></p></body></html>")
        .arg(colour, QStringLiteral("%1"), QStringLiteral("%2"));
}

// The figure cards draw their box on the holder, which keeps the padding
// inside it; the labels only draw text.
const QMargins kCardMargins(9, 15, 9, 15);

const char kChannelColour[] = "#5e6fec";
const char kIpcColour[] = "#00c8ec";
const char kDvrColour[] = "#a2e4c4";

// The runs the templates below style, drawn without laying the markup out.
const QString kFamily = QStringLiteral("Arial");
const QColor kCaptionColour(0x95, 0x95, 0x95);

FigureLabel::Run run(const QString &text, qreal pixels, bool bold, const QColor &colour)
{
    return FigureLabel::Run{text, pixels, pixels > 0, bold, colour, kFamily};
}

QList<FigureLabel::Line> countLines(const QString &count, const QString &caption, const QColor &colour)
{
    return {{run(count, 30, true, colour)}, {run(caption, 14, false, kCaptionColour)}};
}

FigureLabel *makeLabel(const QString &objectName, QWidget *parent)
{
    auto *label = new FigureLabel(parent);
    label->setObjectName(objectName);
    return label;
}

FigureHolder *makeCard(QLabel *label, const QString &objectName, QWidget *parent)
{
    auto *card = new FigureHolder(label, parent, kCardMargins);
    card->setObjectName(objectName);
    // Paint the style sheet's box on this plain container.
    card->setAttribute(Qt::WA_StyledBackground, true);
    return card;
}

} // namespace

BandWidthPage::BandWidthPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("BandWidthPage"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 16, 0, 0);
    layout->setSpacing(16);

    m_channelLabel = makeLabel(QStringLiteral("channelLabel"), this);
    layout->addWidget(makeCard(m_channelLabel, QStringLiteral("m_widgetChannelBack"), this));

    auto *countRow = new QHBoxLayout;
    countRow->setSpacing(0);
    m_IPCLabel = makeLabel(QStringLiteral("IPCLabel"), this);
    m_DVRLabel = makeLabel(QStringLiteral("DVRLabel"), this);
    countRow->addWidget(m_IPCLabel);
    countRow->addWidget(m_DVRLabel);
    layout->addLayout(countRow);

    m_bandWidthLabel = makeLabel(QStringLiteral("bandWidthLabel"), this);
    layout->addWidget(makeCard(m_bandWidthLabel, QStringLiteral("m_widgetBandWidthBack"), this));

    m_picLabel = new QLabel(this);
    m_picLabel->setObjectName(QStringLiteral("picLabel"));
    layout->addWidget(m_picLabel);
    layout->addStretch(1);

    // The split by device type is not shown in this product.
    m_IPCLabel->hide();
    m_DVRLabel->hide();
    m_picLabel->hide();

    setChannelCount(QStringLiteral("0"));
    // Nothing watched live yet: the list's own words for no bandwidth.
    const FigureFormat::Bitrate none = FigureFormat::bitrate(0.0);
    setBandWidthCount(none.value, none.unit);
}

QString BandWidthPage::channelTemplate()
{
    return countTemplate(QLatin1String(kChannelColour));
}

QString BandWidthPage::ipcTemplate()
{
    return countTemplate(QLatin1String(kIpcColour));
}

QString BandWidthPage::dvrTemplate()
{
    return countTemplate(QLatin1String(kDvrColour));
}

QString BandWidthPage::bandWidthTemplate()
{
    return QStringLiteral("<html><head/><body style=\" font-family:'Arial';\"><p align=\"center\">"
                          "<span style=\" font-size:72px; font-weight:600; color:#0098f8;\">%1</span><br/>"
                          "<span style=\" color:#dedede;\">----</span><br/><br/>"
                          "<span style=\" font-size:14px; color:#959595;\">%2</span></p></body></html>");
}

void BandWidthPage::onSetAllCount(QString channelCount, QString IPCCount, QString DVRCount, QString bandWidth,
                                  QString unit)
{
    setChannelCount(channelCount);
    //: Caption under the number of network-camera (IPC) channels.
    const QString ipcCaption = tr("IPC Counts");
    m_IPCLabel->setFigure(ipcTemplate().arg(IPCCount, ipcCaption),
                          countLines(IPCCount, ipcCaption, QColor(kIpcColour)));
    //: Caption under the number of recorder (DVR) channels.
    const QString dvrCaption = tr("DVR Counts");
    m_DVRLabel->setFigure(dvrTemplate().arg(DVRCount, dvrCaption),
                          countLines(DVRCount, dvrCaption, QColor(kDvrColour)));
    setBandWidthCount(bandWidth, unit);
}

void BandWidthPage::setChannelCount(QString value)
{
    //: Caption under the number of channels watched live.
    const QString caption = tr("Channel Counts");
    m_channelLabel->setFigure(channelTemplate().arg(value, caption),
                              countLines(value, caption, QColor(kChannelColour)));
}

void BandWidthPage::setBandWidthCount(QString value, QString unit)
{
    //: Caption under the big bandwidth figure; %1 is its unit (Kbps, Mbps or Gbps).
    // A figure past the largest shown starts with ">": text, not markup.
    const QString caption = tr("Total Band Width(%1)").arg(unit);
    m_bandWidthLabel->setFigure(bandWidthTemplate().arg(value.toHtmlEscaped(), caption),
                                {{run(value, 72, true, QColor(0x00, 0x98, 0xf8))},
                                 {run(QStringLiteral("----"), 0, false, QColor(0xde, 0xde, 0xde))},
                                 {},
                                 {run(caption, 14, false, kCaptionColour)}});
}

void BandWidthPage::setIPCCount(QString value)
{
    Q_UNUSED(value);
}

void BandWidthPage::setDVRCount(QString value)
{
    Q_UNUSED(value);
}
