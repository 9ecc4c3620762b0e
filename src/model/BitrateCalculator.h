#pragma once

#include "model/BitrateTable.h"

#include <QString>

#include <memory>

// Holds a frame standard, an encoding and a bitrate table for the capacity
// figures. Building one first converts the optional recorder bitrate source
// (conversionSourcePath()) into DVRBitrateConfig.xml when that source exists.
class BitrateCalculator
{
public:
    BitrateCalculator();
    ~BitrateCalculator();
    BitrateCalculator(const BitrateCalculator &) = delete;
    BitrateCalculator &operator=(const BitrateCalculator &) = delete;

    // "C:/DVRBitrateConfig.csv", looked up as written on every platform.
    static QString conversionSourcePath();

    void setEncodeType(const QString &encoding) { m_encoding = encoding; }
    QString encodeType() const { return m_encoding; }
    // FrameStandard: 0 PAL, non-zero NTSC.
    void setFrameStandard(int standard) { m_frameStandard = standard; }
    int frameStandard() const { return m_frameStandard; }

    // Recording hours a disk of diskGB gigabytes holds at totalKbps.
    static double hoursForDiskSize(double totalKbps, double diskGB);
    // Gigabytes needed to record `hours` hours at totalKbps.
    static double diskSizeForHours(double totalKbps, int hours);

    BitrateTable &table() { return *m_table; }
    const BitrateTable &table() const { return *m_table; }

private:
    int m_frameStandard;
    QString m_encoding;
    std::unique_ptr<BitrateTable> m_table;
};
