#pragma once

#include "model/RetentionPolicy.h"

#include <QMetaType>
#include <QString>

// One channel group: identical channels of one device type sharing encoding,
// resolution, frame rate and bitrate. Travels by value through signals.
struct StructDeviceItem
{
    QString strDeviceType;
    // The typed name followed by "(n)", n being iChannelGroupNumber.
    QString strChannelName;
    QString strExtraText;
    bool bFlag = false;
    // Set in scene mode only; strFrameRate is set in fixed-rate mode only.
    QString strScene;
    QString strEncoding;
    int iChannelCount = 0;
    QString strResolution;
    QString strFrameRate;
    // Per channel, in kbps.
    double dBitrate = 0.0;
    int iChannelGroupNumber = 0;
    // ViewMode.
    int iViewMode = 0;
    // Share of the time the group records, in percent: kContinuousShare records
    // all the time, less records on motion. The network carries the full
    // bitrate regardless.
    static constexpr int kContinuousShare = 100;
    int iRecordingShare = kContinuousShare;
    // The SceneComplexity the bitrate was worked out for, and whether it is the
    // tables' recommendation rather than a typed rate: what the best and worst
    // case of busier or calmer scenes start from.
    int iComplexity = 1;
    bool bRateFromTable = false;
    // How long the group keeps its video; by default as the plan keeps all.
    RetentionPolicy policy;

    friend bool operator==(const StructDeviceItem &a, const StructDeviceItem &b)
    {
        return a.strDeviceType == b.strDeviceType && a.strChannelName == b.strChannelName &&
               a.strExtraText == b.strExtraText && a.bFlag == b.bFlag && a.strScene == b.strScene &&
               a.strEncoding == b.strEncoding && a.iChannelCount == b.iChannelCount &&
               a.strResolution == b.strResolution && a.strFrameRate == b.strFrameRate && a.dBitrate == b.dBitrate &&
               a.iChannelGroupNumber == b.iChannelGroupNumber && a.iViewMode == b.iViewMode &&
               a.iRecordingShare == b.iRecordingShare && a.iComplexity == b.iComplexity &&
               a.bRateFromTable == b.bRateFromTable && a.policy == b.policy;
    }
    friend bool operator!=(const StructDeviceItem &a, const StructDeviceItem &b) { return !(a == b); }
};

Q_DECLARE_METATYPE(StructDeviceItem)
