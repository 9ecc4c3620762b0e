#include "model/BitrateTable.h"

#include "model/BitrateKnowledge.h"
#include "model/BitrateTableFile.h"
#include "model/DeviceEnums.h"
#include "model/SaturatingCast.h"

#include <cmath>
#include <limits>

namespace {

const int kPointCount = BitrateTableFile::kPointCount;
// Above the highest point the bitrate grows linearly to twice its base at these rates.
const double kPalDoubleRate = 50.0;
const double kNtscDoubleRate = 60.0;

} // namespace

BitrateTable::BitrateTable()
    : m_knowledge(BitrateKnowledge::current()), m_encoding(QStringLiteral("H.264")), m_frameStandard(PAL)
{
    selectCurrentRows();
    m_loaded = true;
}

BitrateTable::~BitrateTable() = default;

QStringList BitrateTable::encodeTypes() const
{
    return m_knowledge->encodings();
}

QList<double> BitrateTable::frameRatePoints() const
{
    return m_knowledge->frameRatePoints();
}

void BitrateTable::selectCurrentRows()
{
    m_currentCameraRows = m_knowledge->cameraTables().value(m_encoding);
    m_currentRecorderRows = m_knowledge->recorderTables().value(m_encoding);
}

bool BitrateTable::getResolutions(QStringList &out, int deviceType, const QString &encoding)
{
    m_encoding = encoding;
    selectCurrentRows();
    return getResolutions(out, deviceType);
}

bool BitrateTable::getResolutions(QStringList &out, int deviceType) const
{
    if (!m_loaded)
        return false;
    const QList<BitrateRow> &rows = deviceType == IPC ? m_currentCameraRows : m_currentRecorderRows;
    for (const BitrateRow &row : rows)
        out.append(row.resolution);
    return true;
}

void BitrateTable::setEncodeType(const QString &encoding)
{
    m_encoding = encoding;
}

void BitrateTable::setFrameStandard(int standard)
{
    m_frameStandard = standard;
}

int BitrateTable::getBitrate(const QString &resolution, int deviceType, double frameRate) const
{
    const QList<double> &points = m_knowledge->frameRatePoints();
    if (points.size() != kPointCount)
        return 0;
    const QMap<QString, QList<BitrateRow>> &tables =
        deviceType == IPC ? m_knowledge->cameraTables() : m_knowledge->recorderTables();
    const auto table = tables.constFind(m_encoding);
    if (table == tables.constEnd())
        return 0;
    for (const BitrateRow &row : *table) {
        if (row.resolution == resolution)
            return interpolate(points, row, frameRate, m_frameStandard);
    }
    return 0;
}

int BitrateTable::recommendedBitrate(const QString &resolution, int deviceType, double frameRate, int complexity) const
{
    const int bitrate = getBitrate(resolution, deviceType, frameRate);
    switch (complexity) {
    case Low:
        return bitrate / 2;
    case High:
        // Doubling the largest table values must not overflow.
        return int(qMin<qint64>(qint64(bitrate) * 2, std::numeric_limits<int>::max()));
    default:
        return bitrate;
    }
}

int BitrateTable::interpolate(const QList<double> &p, const BitrateRow &row, double f, int standard)
{
    double b[kPointCount];
    // A value the file gave that is not a bitrate spoils every answer drawn from it;
    // a point the row has no column for counts as 0.
    bool usable[kPointCount];
    for (int i = 0; i < kPointCount; ++i) {
        const auto cell = row.bitrates.constFind(p.at(i));
        const bool given = cell != row.bitrates.cend();
        b[i] = given ? *cell : 0;
        usable[i] = !given || BitrateRow::isUsable(*cell);
    }

    // Only reached with p(j) < f <= p(i), so the points differ.
    const auto segment = [&](int i, int j) {
        if (!usable[i] || !usable[j])
            return 0;
        return saturatingCast<int>(((f - p.at(j)) * ((b[i] - b[j]) / (p.at(i) - p.at(j)))) + b[j]);
    };
    const bool pal = standard == PAL;

    if (f > p.at(0)) {
        // PAL grows from the second point's bitrate, NTSC from the first's.
        const double top = pal ? kPalDoubleRate : kNtscDoubleRate;
        const int from = pal ? 1 : 0;
        const double base = b[from];
        // A table whose highest point reaches the doubling rate has no answer above it.
        if (top <= p.at(0) || !usable[from])
            return 0;
        return saturatingCast<int>(((f - p.at(0)) * (base / (top - p.at(0)))) + base);
    }
    if (f > p.at(1))
        return segment(0, 1);
    if (f > p.at(2))
        return pal ? segment(1, 2) : segment(0, 2);
    for (int i = 2; i < kPointCount - 1; ++i) {
        if (f > p.at(i + 1))
            return segment(i, i + 1);
    }
    if (f <= p.at(kPointCount - 1))
        return usable[kPointCount - 1] ? saturatingCast<int>(b[kPointCount - 1]) : 0;
    return 0; // not a number
}
