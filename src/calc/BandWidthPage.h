#pragma once

#include <QString>
#include <QWidget>

class FigureLabel;
class QLabel;

// Shows the channel count and the total bandwidth. Passive: the calculator
// page passes on the texts the device list announces.
class BandWidthPage : public QWidget
{
    Q_OBJECT

public:
    explicit BandWidthPage(QWidget *parent = nullptr);

    static QString channelTemplate();
    static QString ipcTemplate();
    static QString dvrTemplate();
    static QString bandWidthTemplate();

public slots:
    void onSetAllCount(QString channelCount, QString IPCCount, QString DVRCount, QString bandWidth, QString unit);
    void setChannelCount(QString value);
    void setBandWidthCount(QString value, QString unit);
    // The IPC and DVR figures stay hidden; these accept a value and keep the page as it is.
    void setIPCCount(QString value);
    void setDVRCount(QString value);

private:
    FigureLabel *m_channelLabel = nullptr;
    FigureLabel *m_IPCLabel = nullptr;
    FigureLabel *m_DVRLabel = nullptr;
    FigureLabel *m_bandWidthLabel = nullptr;
    QLabel *m_picLabel = nullptr;
};
