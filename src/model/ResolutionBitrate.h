#pragma once

#include <QString>

// One row of a single-bitrate XML file.
struct ResolutionBitrate
{
    QString resolution;
    int bitrate = 0;
};
