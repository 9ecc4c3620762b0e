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
#include <QStringList>

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace {

// Version 2 added each group's own retention, version 3 the variants; a plan
// is written in the oldest version that holds it, so that older versions of
// the program read every plan they can.
const int kSchemaVersion = 3;
const int kFirstSchemaVersion = 1;
const int kRetentionSchemaVersion = 2;
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

// A variant's standard, calculator and groups from `r`: the plan's own fields
// for the first variant, an entry of "variants" for the others. False with
// the fault set (and `reason` for a group's) when a field is wrong.
bool readVariant(JsonFieldReader &r, const QString &prefix, PlanVariant &variant, JsonFieldReader::Fault &fault,
                 QString &reason, bool &tooMany)
{
    if (!r.choice("videoStandard", standardNames(), variant.videoStandard))
        return false;
    const QJsonValue calculator = r.take("calculator");
    if (!calculator.isUndefined()) {
        if (!calculator.isObject())
            return r.fail("calculator", false);
        JsonFieldReader c(calculator.toObject(), prefix + QStringLiteral("calculator."), fault);
        if (!readCalculator(c, variant.calculator))
            return false;
        variant.calculatorExtra = c.rest();
    }
    const QJsonValue groups = r.take("groups");
    if (!groups.isUndefined() && !groups.isArray())
        return r.fail("groups", false);
    const QJsonArray groupArray = groups.toArray();
    // Refused before a single group is built.
    if (groupArray.size() > GroupLimits::kMaxGroups) {
        tooMany = true;
        reason = GroupLimits::tooManyGroupsText(groupArray.size());
        return false;
    }
    for (qsizetype i = 0; i < groupArray.size(); ++i) {
        const QString where = prefix + QStringLiteral("groups[%1]").arg(i);
        const QJsonValue value = groupArray.at(i);
        JsonFieldReader g(value.toObject(), where + QLatin1Char('.'), fault);
        StructDeviceItem group;
        if (!value.isObject()) {
            fault.field = where;
            return false;
        }
        if (!readGroup(g, group, reason))
            return false;
        variant.groups.append(group);
        variant.groupExtra.append(g.rest());
    }
    return true;
}

QJsonObject variantObject(const PlanVariant &variant, QJsonObject object)
{
    object.insert(QStringLiteral("videoStandard"), nameOf(standardNames(), variant.videoStandard));
    object.insert(QStringLiteral("calculator"), calculatorObject(variant.calculator, variant.calculatorExtra));
    QJsonArray groups;
    for (qsizetype i = 0; i < variant.groups.size(); ++i)
        groups.append(groupObject(variant.groups.at(i), variant.groupExtra.value(i)));
    object.insert(QStringLiteral("groups"), groups);
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

void PlanDocument::setVariants(const QVector<PlanVariant> &variants, int current)
{
    m_variants = variants.mid(0, PlanVariant::kMaxVariants);
    if (m_variants.isEmpty())
        m_variants.append(PlanVariant());
    m_current = current >= 0 && current < m_variants.size() ? int(current) : 0;
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
         top.dateTime("modified", plan.m_modified) && top.text("programVersion", plan.m_programVersion);

    // The plan's own fields are its first variant; "variants" holds the others.
    QString reason;
    bool tooMany = false;
    PlanVariant &first = plan.m_variants.first();
    ok = ok && top.text("variantName", first.name, false, PlanVariant::kMaxNameLength) &&
         readVariant(top, QString(), first, fault, reason, tooMany);
    const QJsonValue others = top.take("variants");
    if (ok && !others.isUndefined() && (!others.isArray() || others.toArray().size() >= PlanVariant::kMaxVariants))
        ok = top.fail("variants", false);
    const QJsonArray otherArray = others.toArray();
    for (qsizetype i = 0; ok && i < otherArray.size(); ++i) {
        const QString prefix = QStringLiteral("variants[%1].").arg(i);
        const QJsonValue value = otherArray.at(i);
        PlanVariant variant;
        JsonFieldReader r(value.toObject(), prefix, fault);
        if (!value.isObject()) {
            fault.field = prefix.chopped(1);
            ok = false;
        } else {
            ok = r.text("name", variant.name, true, PlanVariant::kMaxNameLength) &&
                 readVariant(r, prefix, variant, fault, reason, tooMany);
        }
        variant.extra = r.rest();
        plan.m_variants.append(variant);
    }
    ok = ok && top.integer("currentVariant", 0, int(plan.m_variants.size()) - 1, plan.m_current);
    if (tooMany) {
        m_error = Damaged;
        m_errorText = reason;
        return m_error;
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
    int renumbered = 0;
    for (PlanVariant &variant : plan.m_variants)
        renumbered += GroupLimits::renumber(variant.groups);
    if (renumbered > 0)
        //: Said after a plan was opened whose groups had no number, or numbers used twice.
        plan.m_noticeText =
            tr("%n channel group(s) had no number or one used twice, and were numbered anew.", nullptr, renumbered);
    *this = std::move(plan);
    return m_error;
}

QByteArray PlanDocument::toJson() const
{
    const PlanVariant &first = m_variants.first();
    QJsonObject root = variantObject(first, m_extra);
    root.insert(QStringLiteral("format"), formatName());
    const bool variants = m_variants.size() > 1;
    const bool policies = std::any_of(m_variants.cbegin(), m_variants.cend(),
                                      [](const PlanVariant &variant) { return variant.anyOwnRetention(); });
    root.insert(QStringLiteral("schemaVersion"), variants   ? kSchemaVersion
                                                 : policies ? kRetentionSchemaVersion
                                                            : kFirstSchemaVersion);
    root.insert(QStringLiteral("name"), m_name);
    // Stored as UTC, so a plan reads the same in every time zone.
    if (m_created.isValid())
        root.insert(QStringLiteral("created"), m_created.toUTC().toString(Qt::ISODateWithMs));
    if (m_modified.isValid())
        root.insert(QStringLiteral("modified"), m_modified.toUTC().toString(Qt::ISODateWithMs));
    root.insert(QStringLiteral("programVersion"), m_programVersion);
    // A plan of one variant is the file it was before variants.
    if (variants) {
        root.insert(QStringLiteral("variantName"), first.name);
        QJsonArray others;
        for (qsizetype i = 1; i < m_variants.size(); ++i) {
            QJsonObject object = variantObject(m_variants.at(i), m_variants.at(i).extra);
            object.insert(QStringLiteral("name"), m_variants.at(i).name);
            others.append(object);
        }
        root.insert(QStringLiteral("variants"), others);
        root.insert(QStringLiteral("currentVariant"), m_current);
    }
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
    for (const PlanVariant &variant : m_variants) {
        if (variant.groups.size() > GroupLimits::kMaxGroups)
            return GroupLimits::tooManyGroupsText(variant.groups.size());
    }
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
