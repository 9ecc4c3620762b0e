#include "model/PlanDocument.h"

#include "host/CFile.h"
#include "host/RegularFile.h"
#include "model/GroupLimits.h"
#include "model/JsonFieldReader.h"
#include "model/RetentionPolicyJson.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMultiHash>
#include <QPair>
#include <QStringList>

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace {

// Version 2 added each group's own retention; a plan that keeps none is
// still written as version 1, which older versions of the program read.
const int kSchemaVersion = 2;
const int kFirstSchemaVersion = 1;
const int kMaxHoursPerDay = 24;
// As long as a file name may be.
const int kMaxPlanNameLength = 255;

// The stored names of the int codes, indexed by code.
const QStringList &standardNames()
{
    static const QStringList names{QStringLiteral("PAL"), QStringLiteral("NTSC")};
    return names;
}

const QStringList &diskUnitNames()
{
    // Indexed by diskInTerabytes.
    static const QStringList names{QStringLiteral("GB"), QStringLiteral("TB")};
    return names;
}

const QStringList &retentionUnitNames()
{
    static const QStringList names{QStringLiteral("days"), QStringLiteral("weeks"), QStringLiteral("months")};
    return names;
}

const QStringList &modeNames()
{
    static const QStringList names{QStringLiteral("retention"), QStringLiteral("disk"), QStringLiteral("bandwidth"),
                                   QStringLiteral("diskArray")};
    return names;
}

const QStringList &arrayLevelNames()
{
    static const QStringList names{QStringLiteral("none"), QStringLiteral("raid1"), QStringLiteral("raid5"),
                                   QStringLiteral("raid6"), QStringLiteral("raid10")};
    return names;
}

const QStringList &deviceTypeNames()
{
    static const QStringList names{QStringLiteral("IPC"), QStringLiteral("DVR")};
    return names;
}

QString nameOf(const QStringList &names, int code)
{
    return names.value(code, names.first());
}

bool readCalculator(JsonFieldReader &r, PlanCalculatorInputs &in)
{
    int terabytes = in.diskInTerabytes ? 1 : 0;
    const bool ok = r.choice("mode", modeNames(), in.mode) && r.text("diskSize", in.diskSize) &&
                    r.choice("diskUnit", diskUnitNames(), terabytes) &&
                    r.integer("retentionPageHoursPerDay", 0, kMaxHoursPerDay, in.retentionPageHoursPerDay) &&
                    r.text("retention", in.retention) &&
                    r.choice("retentionUnit", retentionUnitNames(), in.retentionUnit) &&
                    r.integer("diskPageHoursPerDay", 0, kMaxHoursPerDay, in.diskPageHoursPerDay) &&
                    r.text("arrayDriveTB", in.arrayDriveTB) && r.text("arrayDrives", in.arrayDrives) &&
                    r.choice("arrayLevel", arrayLevelNames(), in.arrayLevel) && r.text("arraySpares", in.arraySpares);
    in.diskInTerabytes = terabytes != 0;
    return ok;
}

// The group's fields as the editor bounds them; a number missing or 0 is
// mended afterwards (GroupLimits::renumber), not refused.
bool readGroup(JsonFieldReader &r, StructDeviceItem &g, QString &reason)
{
    int type = -1;
    const int textLength = GroupLimits::kTextLength;
    const bool ok =
        r.text("name", g.strChannelName) && r.integer("number", 0, INT_MAX, g.iChannelGroupNumber) &&
        r.choice("deviceType", deviceTypeNames(), type, true) && r.text("encoding", g.strEncoding, false, textLength) &&
        r.text("resolution", g.strResolution, false, textLength) &&
        r.text("frameRate", g.strFrameRate, false, textLength) && r.text("scene", g.strScene, false, textLength) &&
        r.integer("channels", 1, INT_MAX, g.iChannelCount, true) &&
        r.number("bitrateKbps", 0, GroupLimits::kMaxBitrate, g.dBitrate, true) &&
        r.integer("viewMode", LiveView, LiveViewAndRecording, g.iViewMode, true) &&
        r.text("extraText", g.strExtraText, false, textLength) && r.boolean("flag", g.bFlag) &&
        r.integer("recordingShare", 1, StructDeviceItem::kContinuousShare, g.iRecordingShare) &&
        r.integer("complexity", Low, High, g.iComplexity) && r.boolean("rateFromTable", g.bRateFromTable);
    if (!ok)
        return false;
    g.strDeviceType = deviceTypeNames().at(type);
    // By GroupLimits::Fault; the texts were bounded as they were read.
    static const char *const faultFields[] = {"", "channels", "bitrateKbps", "recordingShare", "name", ""};
    const GroupLimits::Fault fault = GroupLimits::check(g);
    if (fault != GroupLimits::None) {
        reason = GroupLimits::faultText(fault);
        return r.fail(faultFields[fault], false);
    }
    // After the rates and share it is checked against.
    const QJsonValue policy = r.take("retention");
    return policy.isUndefined() || RetentionPolicyJson::read(policy, r, g, reason);
}

QJsonObject groupObject(const StructDeviceItem &g, QJsonObject object)
{
    object.insert(QStringLiteral("name"), g.strChannelName);
    object.insert(QStringLiteral("number"), g.iChannelGroupNumber);
    object.insert(QStringLiteral("deviceType"), g.strDeviceType);
    object.insert(QStringLiteral("encoding"), g.strEncoding);
    object.insert(QStringLiteral("resolution"), g.strResolution);
    object.insert(QStringLiteral("frameRate"), g.strFrameRate);
    object.insert(QStringLiteral("scene"), g.strScene);
    object.insert(QStringLiteral("channels"), g.iChannelCount);
    object.insert(QStringLiteral("bitrateKbps"), g.dBitrate);
    object.insert(QStringLiteral("viewMode"), g.iViewMode);
    object.insert(QStringLiteral("extraText"), g.strExtraText);
    object.insert(QStringLiteral("flag"), g.bFlag);
    // Written only where they differ from what their absence means, so that a
    // plan of continuous groups with typed rates is the file it always was.
    const StructDeviceItem absent;
    if (g.iRecordingShare != absent.iRecordingShare)
        object.insert(QStringLiteral("recordingShare"), g.iRecordingShare);
    if (g.iComplexity != absent.iComplexity)
        object.insert(QStringLiteral("complexity"), g.iComplexity);
    if (g.bRateFromTable != absent.bRateFromTable)
        object.insert(QStringLiteral("rateFromTable"), g.bRateFromTable);
    // Fields of a retention the program did not know stay with it while the group keeps its own.
    const QJsonObject policyExtra = object.take(QStringLiteral("retention")).toObject();
    if (g.policy.own)
        object.insert(QStringLiteral("retention"), RetentionPolicyJson::object(g.policy, policyExtra));
    return object;
}

QJsonObject calculatorObject(const PlanCalculatorInputs &in, QJsonObject object)
{
    object.insert(QStringLiteral("mode"), nameOf(modeNames(), in.mode));
    object.insert(QStringLiteral("diskSize"), in.diskSize);
    object.insert(QStringLiteral("diskUnit"), nameOf(diskUnitNames(), in.diskInTerabytes ? 1 : 0));
    object.insert(QStringLiteral("retentionPageHoursPerDay"), in.retentionPageHoursPerDay);
    object.insert(QStringLiteral("retention"), in.retention);
    object.insert(QStringLiteral("retentionUnit"), nameOf(retentionUnitNames(), in.retentionUnit));
    object.insert(QStringLiteral("diskPageHoursPerDay"), in.diskPageHoursPerDay);
    // Written only once set, so that a plan that never used the array is the
    // file it always was.
    if (!in.arrayAtDefaults()) {
        object.insert(QStringLiteral("arrayDriveTB"), in.arrayDriveTB);
        object.insert(QStringLiteral("arrayDrives"), in.arrayDrives);
        object.insert(QStringLiteral("arrayLevel"), nameOf(arrayLevelNames(), in.arrayLevel));
        object.insert(QStringLiteral("arraySpares"), in.arraySpares);
    }
    return object;
}

} // namespace

QString PlanDocument::formatName()
{
    return QStringLiteral("tavo-storage-plan");
}

int PlanDocument::schemaVersion()
{
    return kSchemaVersion;
}

QString PlanDocument::fileExtension()
{
    return QStringLiteral(".tavoplan");
}

void PlanDocument::setGroups(const QVector<StructDeviceItem> &groups)
{
    // Only groups that came with unknown fields need a match; they are found
    // by name and number first, so a plan of any size is handed back at once.
    QMultiHash<QPair<QString, int>, qsizetype> carriers;
    for (qsizetype j = 0; j < m_groups.size(); ++j) {
        if (!m_groupExtra.at(j).isEmpty())
            carriers.insert({m_groups.at(j).strChannelName, m_groups.at(j).iChannelGroupNumber}, j);
    }
    QVector<QJsonObject> extra(groups.size());
    for (qsizetype i = 0; i < groups.size() && !carriers.isEmpty(); ++i) {
        const StructDeviceItem &group = groups.at(i);
        auto it = carriers.find({group.strChannelName, group.iChannelGroupNumber});
        for (; it != carriers.end() && it.key() == qMakePair(group.strChannelName, group.iChannelGroupNumber); ++it) {
            if (m_groups.at(it.value()) == group) {
                extra[i] = m_groupExtra.at(it.value());
                carriers.erase(it);
                break;
            }
        }
    }
    m_groups = groups;
    m_groupExtra = extra;
}

PlanDocument::Error PlanDocument::load(const QString &path)
{
    // Only a file on a disk: a device or pipe might never answer.
    FenwaGUIToolkit::RegularFile::Reading reading = FenwaGUIToolkit::RegularFile::read(path, kMaxFileBytes);
    if (reading.status == FenwaGUIToolkit::RegularFile::TooLarge) {
        m_error = TooLarge;
        m_errorText = tooLargeText(reading.size);
        return m_error;
    }
    if (reading.status != FenwaGUIToolkit::RegularFile::Read) {
        m_error = Unreadable;
        m_errorText = tr("The plan %1 cannot be read.").arg(QDir::toNativeSeparators(path));
        return m_error;
    }
    return fromJson(reading.bytes);
}

PlanDocument::Error PlanDocument::fromJson(const QByteArray &bytes)
{
    m_error = None;
    m_errorText.clear();
    m_noticeText.clear();
    if (bytes.size() > kMaxFileBytes) {
        m_error = TooLarge;
        m_errorText = tooLargeText(bytes.size());
        return m_error;
    }

    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &parseError);
    const QJsonObject root = json.object();
    if (parseError.error != QJsonParseError::NoError || !json.isObject() ||
        root.value(QStringLiteral("format")) != QJsonValue(formatName())) {
        m_error = NotAPlan;
        m_errorText = tr("The file is not a storage plan.");
        return m_error;
    }

    JsonFieldReader::Fault fault;
    PlanDocument plan;
    JsonFieldReader top(root, QString(), fault);
    top.take("format");
    const QJsonValue version = top.take("schemaVersion");
    bool ok = true;
    if (version.isUndefined() || !JsonFieldReader::isWholeNumber(version) || version.toDouble() < 1) {
        ok = top.fail("schemaVersion", version.isUndefined());
    } else if (version.toDouble() > kSchemaVersion) {
        m_error = NewerVersion;
        m_errorText = tr("This plan was saved in format version %1 by a newer version of the program; this version "
                         "reads format version %2 and older. Please update the program to open it.")
                          .arg(QString::number(version.toDouble(), 'g', 17))
                          .arg(kSchemaVersion);
        return m_error;
    }

    ok = ok && top.text("name", plan.m_name, false, kMaxPlanNameLength) && top.dateTime("created", plan.m_created) &&
         top.dateTime("modified", plan.m_modified) && top.text("programVersion", plan.m_programVersion) &&
         top.choice("videoStandard", standardNames(), plan.m_videoStandard);

    const QJsonValue calculator = top.take("calculator");
    if (ok && !calculator.isUndefined()) {
        JsonFieldReader r(calculator.toObject(), QStringLiteral("calculator."), fault);
        ok = calculator.isObject() ? readCalculator(r, plan.m_calculator) : top.fail("calculator", false);
        plan.m_calculatorExtra = r.rest();
    }

    const QJsonValue groups = top.take("groups");
    if (ok && !groups.isUndefined() && !groups.isArray())
        ok = top.fail("groups", false);
    const QJsonArray groupArray = groups.toArray();
    // Refused before a single group is built.
    if (groupArray.size() > GroupLimits::kMaxGroups) {
        m_error = Damaged;
        m_errorText = GroupLimits::tooManyGroupsText(groupArray.size());
        return m_error;
    }
    QString reason;
    for (qsizetype i = 0; ok && i < groupArray.size(); ++i) {
        const QString prefix = QStringLiteral("groups[%1]").arg(i);
        const QJsonValue value = groupArray.at(i);
        JsonFieldReader r(value.toObject(), prefix + QLatin1Char('.'), fault);
        StructDeviceItem group;
        if (!value.isObject()) {
            fault.field = prefix;
            ok = false;
        } else {
            ok = readGroup(r, group, reason);
        }
        plan.m_groups.append(group);
        plan.m_groupExtra.append(r.rest());
    }

    if (!ok) {
        m_error = Damaged;
        m_errorText = fault.missing ? tr("The plan is damaged: the field “%1” is missing.").arg(fault.field)
                                    : tr("The plan is damaged: the field “%1” has an invalid value.").arg(fault.field);
        if (!reason.isEmpty())
            m_errorText += QLatin1Char(' ') + reason;
        return m_error;
    }
    plan.m_extra = top.rest();
    const int renumbered = GroupLimits::renumber(plan.m_groups);
    if (renumbered > 0)
        //: Said after a plan was opened whose groups had no number, or numbers used twice.
        plan.m_noticeText =
            tr("%n channel group(s) had no number or one used twice, and were numbered anew.", nullptr, renumbered);
    *this = std::move(plan);
    return m_error;
}

QByteArray PlanDocument::toJson() const
{
    QJsonObject root = m_extra;
    root.insert(QStringLiteral("format"), formatName());
    const bool policies =
        std::any_of(m_groups.cbegin(), m_groups.cend(), [](const StructDeviceItem &group) { return group.policy.own; });
    root.insert(QStringLiteral("schemaVersion"), policies ? kSchemaVersion : kFirstSchemaVersion);
    root.insert(QStringLiteral("name"), m_name);
    // Stored as UTC, so a plan reads the same in every time zone.
    if (m_created.isValid())
        root.insert(QStringLiteral("created"), m_created.toUTC().toString(Qt::ISODateWithMs));
    if (m_modified.isValid())
        root.insert(QStringLiteral("modified"), m_modified.toUTC().toString(Qt::ISODateWithMs));
    root.insert(QStringLiteral("programVersion"), m_programVersion);
    root.insert(QStringLiteral("videoStandard"), nameOf(standardNames(), m_videoStandard));
    root.insert(QStringLiteral("calculator"), calculatorObject(m_calculator, m_calculatorExtra));

    QJsonArray groups;
    for (qsizetype i = 0; i < m_groups.size(); ++i)
        groups.append(groupObject(m_groups.at(i), m_groupExtra.value(i)));
    root.insert(QStringLiteral("groups"), groups);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString PlanDocument::tooLargeText(qint64 bytes)
{
    //: Why a plan file was not read or written: %1 is its size and %2 the largest size read, both in MB.
    return tr("The plan is too large (%1 MB; at most %2 MB).")
        .arg(qMax<qint64>(1, bytes / (1024 * 1024)))
        .arg(kMaxFileBytes / (1024 * 1024));
}

QString PlanDocument::writeRefusal(const QByteArray &json) const
{
    if (m_groups.size() > GroupLimits::kMaxGroups)
        return GroupLimits::tooManyGroupsText(m_groups.size());
    if (json.size() > kMaxFileBytes)
        return tooLargeText(json.size());
    return QString();
}

bool PlanDocument::save(const QString &path, QString *refusal) const
{
    const QByteArray json = toJson();
    const QString why = writeRefusal(json);
    if (refusal)
        *refusal = why;
    return why.isEmpty() && FenwaGUIToolkit::CFile::WriteAll(path, json);
}
