#include "model/RetentionPolicyCsv.h"

#include "model/RetentionPolicy.h"
#include "model/StructDeviceItem.h"

#include <QLocale>

#include <utility>

namespace {

enum Cell {
    Retention,
    Unit,
    HoursPerDay,
    WeekdayHours,
    WeekendHours,
    EventDays,
    EventShare,
    SubStreamDays,
    SubStreamKbps,
    SubStreamResolution,
    SubStreamFrameRate,
    SubStreamFromTable,
    Audio,
    AacKbps,
    kCellCount
};

const char *const kNames[kCellCount] = {"Retention",
                                        "Retention Unit",
                                        "Hours Per Day",
                                        "Weekday Hours",
                                        "Weekend Hours",
                                        "Event Days",
                                        "Event Share (%)",
                                        "Sub-stream Days",
                                        "Sub-stream (kbps)",
                                        "Sub-stream Resolution",
                                        "Sub-stream Frame Rate",
                                        "Audio",
                                        "AAC (kbps)"};
const char *const kUnits[] = {"days", "weeks", "months"};
const char *const kAudio[] = {"none", "G.711", "G.726-16", "G.726-32", "AAC"};

QString number(double value)
{
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

template <size_t N>
int indexIn(const char *const (&names)[N], const QString &text)
{
    for (size_t i = 0; i < N; ++i) {
        if (text.compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

} // namespace

QStringList RetentionPolicyCsv::columnNames()
{
    QStringList names;
    for (const char *name : kNames)
        names.append(QString::fromLatin1(name));
    return names;
}

QStringList RetentionPolicyCsv::cells(const RetentionPolicy &p)
{
    QStringList out(kCellCount);
    if (!p.own)
        return out;
    out[Retention] = QString::number(p.retention);
    out[Unit] = QString::fromLatin1(kUnits[qBound(0, p.retentionUnit, 2)]);
    if (p.splitWeek) {
        out[WeekdayHours] = number(p.weekdayHours);
        out[WeekendHours] = number(p.weekendHours);
    } else {
        out[HoursPerDay] = number(p.hoursPerDay);
    }
    if (p.eventDays > 0) {
        out[EventDays] = QString::number(p.eventDays);
        out[EventShare] = QString::number(p.eventShare);
    }
    if (p.subStreamDays > 0) {
        out[SubStreamDays] = QString::number(p.subStreamDays);
        out[SubStreamKbps] = number(p.subStreamKbps);
        out[SubStreamResolution] = p.subStreamResolution;
        out[SubStreamFrameRate] = p.subStreamFrameRate;
        out[SubStreamFromTable] = QLatin1String(p.subStreamRateTyped ? "no" : "yes");
    }
    out[Audio] = QString::fromLatin1(kAudio[qBound(0, p.audio, int(RetentionPolicy::Aac))]);
    if (p.audio == RetentionPolicy::Aac)
        out[AacKbps] = QString::number(p.aacKbps);
    return out;
}

QString RetentionPolicyCsv::read(const QStringList &cells, StructDeviceItem &group)
{
    const auto cell = [&cells](int c) { return cells.value(c).trimmed(); };
    if (cell(Retention).isEmpty())
        return QString();
    RetentionPolicy &p = group.policy;
    p.own = true;
    //: Why a row of a CSV file of channel groups was refused: %1 is a column name of the file, kept in English.
    const auto notANumber = [](int c) {
        return tr("The column “%1” must hold a number.").arg(QLatin1String(kNames[c]));
    };
    // An empty cell keeps what a new policy has.
    const auto whole = [&cell](int c, int &out) {
        bool ok = true;
        const int value = cell(c).isEmpty() ? out : cell(c).toInt(&ok);
        out = ok ? value : out;
        return ok;
    };
    const auto decimal = [&cell](int c, double &out) {
        bool ok = true;
        const double value = cell(c).isEmpty() ? out : cell(c).toDouble(&ok);
        out = ok ? value : out;
        return ok;
    };
    const std::pair<int, int *> wholes[] = {{Retention, &p.retention},
                                            {EventDays, &p.eventDays},
                                            {EventShare, &p.eventShare},
                                            {SubStreamDays, &p.subStreamDays},
                                            {AacKbps, &p.aacKbps}};
    for (const auto &[c, out] : wholes) {
        if (!whole(c, *out))
            return notANumber(c);
    }
    const std::pair<int, double *> decimals[] = {{HoursPerDay, &p.hoursPerDay},
                                                 {WeekdayHours, &p.weekdayHours},
                                                 {WeekendHours, &p.weekendHours},
                                                 {SubStreamKbps, &p.subStreamKbps}};
    for (const auto &[c, out] : decimals) {
        if (!decimal(c, *out))
            return notANumber(c);
    }
    p.splitWeek = !cell(WeekdayHours).isEmpty() || !cell(WeekendHours).isEmpty();
    p.subStreamResolution = cell(SubStreamResolution);
    p.subStreamFrameRate = cell(SubStreamFrameRate);
    const QString fromTable = cell(SubStreamFromTable);
    if (!fromTable.isEmpty() && fromTable.compare(QLatin1String("yes"), Qt::CaseInsensitive) != 0 &&
        fromTable.compare(QLatin1String("no"), Qt::CaseInsensitive) != 0)
        //: Why a row of a CSV file of channel groups was refused: %1 is a column name of the file and yes and
        //: no the values it may hold, all kept in English.
        return tr("The column “%1” must hold yes or no.").arg(QLatin1String(kNames[SubStreamFromTable]));
    p.subStreamRateTyped = fromTable.compare(QLatin1String("no"), Qt::CaseInsensitive) == 0;

    p.retentionUnit = cell(Unit).isEmpty() ? int(RetentionPolicy::Days) : indexIn(kUnits, cell(Unit));
    if (p.retentionUnit < 0)
        //: Why a row of a CSV file of channel groups was refused: %1 is a column name of the file and days, weeks
        //: and months the values it may hold, all kept in English.
        return tr("The column “%1” must hold days, weeks or months.").arg(QLatin1String(kNames[Unit]));
    p.audio = cell(Audio).isEmpty() ? int(RetentionPolicy::NoAudio) : indexIn(kAudio, cell(Audio));
    if (p.audio < 0)
        //: Why a row of a CSV file of channel groups was refused: %1 is a column name of the file and the
        //: audio names after it the values it may hold, all kept in English.
        return tr("The column “%1” must hold none, G.711, G.726-16, G.726-32 or AAC.")
            .arg(QLatin1String(kNames[Audio]));
    return RetentionPolicy::faultText(p.check(group.dBitrate, group.iRecordingShare));
}
