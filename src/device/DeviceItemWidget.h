#pragma once

#include "model/StructDeviceItem.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QFontMetrics;
class QFrame;
class QHBoxLayout;
class QLabel;
class QToolButton;
class QVBoxLayout;

namespace aptui {
class Label;
}

namespace NM_Vantor {

class RetentionBadges;

// The card of one channel group in the device list: type icon, group name,
// the recording share of a group recorded on motion, the badges of a group
// keeping its own retention, delete button and five value labels, laid out
// on one line from 640 pixels of width and on two lines below.
class DeviceItemWidget : public QWidget
{
    Q_OBJECT

public:
    enum LayoutMode {
        LayoutNone = -1,
        LayoutTwoLines = 0,
        LayoutOneLine = 2,
    };

    DeviceItemWidget(QWidget *parent, const QString &deviceType, const QString &channelName,
                     const QString &extraText = QString());

    // Fills the value labels (fixed-rate or scene display by whether the
    // scene name is empty) and lays the card out for its width.
    void setDeviceData(int channelCount, const QString &resolution, const QString &frameRate, double bitrate,
                       long long id, int channelGroupNumber, const QString &encoding, const QString &scene);
    // After a PAL/NTSC switch: new frame-rate text and bitrate (shown whole).
    void updateFrameRateAndRate(const QString &frameRate, double bitrate);
    // Turns the card into the one of another group, exactly as a card built
    // for it and given setDeviceData shows it, followed by
    // updateFrameRateAndRate with the group's values when rateConverted.
    void showGroup(long long id, const StructDeviceItem &item, bool rateConverted);
    // Lays the card out at size at once, shown or not: a card that is only
    // drawn into another widget gets no resize events.
    void layoutAt(const QSize &size);

    // What the header says after the name of a group that records on motion,
    // "On motion 40 %"; empty for a group that records all the time.
    static QString recordingText(const StructDeviceItem &item);
    // The five value texts in label order for such a card, and their tool
    // tips (empty where a label shows none).
    static QStringList valueTexts(const StructDeviceItem &item, bool rateConverted);
    static QStringList valueToolTips(const StructDeviceItem &item, bool rateConverted);

    long long deviceId() const { return m_id; }
    int channelGroupNumber() const { return m_channelGroupNumber; }
    QString deviceType() const { return m_deviceType; }
    QString channelName() const { return m_channelName; }
    QString extraText() const { return m_extraText; }
    QString sceneName() const { return m_sceneName; }
    QString frameRate() const { return m_frameRate; }
    int layoutMode() const { return m_layoutMode; }
    QToolButton *deleteButton() const { return m_btnDelete; }

    // Bitrates read with up to six significant digits: 2048, 1024.5.
    static QString bitrateText(double bitrate);

    // The text a value label draws at its current width: the whole text when
    // it fits, otherwise its short form ("25 fps" for "Frame Rate : 25",
    // "H.265" for "Encode Type : H.265"), which no word is cut from; only a
    // value too long on its own is cut at its end.
    QString shownValueText(const aptui::Label *label) const;
    // Whether the recording share beside the name reads in its short form, so
    // that the name keeps its room.
    bool recordingIsShort() const { return m_recordingShort; }

signals:
    void signalDeleteClicked(long long id, int channelGroupNumber);

public slots:
    void OnDeleteButtonClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct ValueTexts
    {
        QStringList texts;
        QStringList toolTips;
        // What each reads as where the whole text has no room.
        QStringList shortTexts;
    };

    void setupForm();
    void setHeader(const QString &deviceType, const QString &channelName, const QString &extraText);
    void applyLayout(int width);
    void setValueTexts(const ValueTexts &values);
    static ValueTexts makeValueTexts(const StructDeviceItem &item, bool rateConverted);
    // A value text and its short form.
    struct CaptionedText
    {
        QString text;
        QString shortText;
    };
    static CaptionedText captioned(const QString &pattern, const QString &value, const QString &shortText);
    static CaptionedText frameRateText(const QString &frameRate);
    static CaptionedText rateText(const QString &pattern, const QString &rate);
    // A converted rate reads whole, as the rate field of the editor shows it.
    static CaptionedText convertedRateText(double bitrate);
    void setLabelText(aptui::Label *label, const CaptionedText &text);
    QList<aptui::Label *> valueLabels() const;
    // What shownValueText draws.
    static QString fittedText(const QString &text, const QString &shortText, const QFontMetrics &metrics, int width);
    // The recording share in full or short, by the room the header has.
    void fitHeader(int width);
    // Texts that do not fit are drawn shortened (fittedText); the labels keep
    // the whole text (strText) and show it as their tool tip, also where a
    // label has no tool tip of its own while its whole text shows.
    void refreshToolTips();

    QString m_deviceType;
    QString m_channelName;
    QString m_extraText;
    // The list's ids are 64-bit; keep all of it so a delete always finds its card.
    long long m_id = 0;
    int m_channelGroupNumber = 0;
    QString m_sceneName;
    QString m_frameRate;
    int m_layoutMode = LayoutNone;
    bool m_recordingShort = false;
    QString m_recordingText;
    QString m_recordingShortText;
    // The width the value rows were last arranged for.
    int m_layoutWidth = -1;
    // What the value labels were given, in label order.
    ValueTexts m_values;

    // Form
    QVBoxLayout *m_vlayout = nullptr;
    QHBoxLayout *m_hlayout1 = nullptr;
    QHBoxLayout *m_hlayout2 = nullptr;
    QHBoxLayout *m_hlayout3 = nullptr;
    QLabel *m_labelDeviceTypeIconIPC = nullptr;
    QLabel *m_labelDeviceTypeIconDVR = nullptr;
    aptui::Label *m_labelChannelGroupName = nullptr;
    QLabel *m_labelRecording = nullptr;
    RetentionBadges *m_badges = nullptr;
    QToolButton *m_btnDelete = nullptr;
    aptui::Label *m_labelDeviceCounts = nullptr;
    QFrame *m_line1 = nullptr;
    aptui::Label *m_labelDeviceBitRate = nullptr;
    QFrame *m_line2 = nullptr;
    aptui::Label *m_labelDeviceResolution = nullptr;
    QFrame *m_line3 = nullptr;
    aptui::Label *m_labelEncodeType = nullptr;
    QFrame *m_line4 = nullptr;
    aptui::Label *m_labelScenceName = nullptr;
    QFrame *m_line5 = nullptr;
};

} // namespace NM_Vantor
