#pragma once

#include "model/DeviceEnums.h"
#include "model/PlanCalculatorInputs.h"
#include "model/PlanVariant.h"
#include "model/StructDeviceItem.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QVector>

// A plan as a file: its channel groups and the calculator's inputs, stored as
// indented UTF-8 JSON, for each variant the plan keeps (one, "A", unless the
// planner made more). Fields this version does not know (written by a newer
// one) are kept and written back, so opening and saving a plan loses nothing.
class PlanDocument
{
    Q_DECLARE_TR_FUNCTIONS(PlanDocument)

public:
    enum Error {
        None,
        Unreadable,
        // Not JSON, not an object, or another format name.
        NotAPlan,
        // A schema version above schemaVersion().
        NewerVersion,
        // A field missing, of the wrong type or out of range, or more groups
        // than a plan holds; errorText() names it.
        Damaged,
        // Larger than kMaxFileBytes: not read at all.
        TooLarge,
    };

    // The largest plan file read; save() writes none larger.
    static constexpr qint64 kMaxFileBytes = qint64(64) * 1024 * 1024;

    // "tavo-storage-plan", the value of the "format" field.
    static QString formatName();
    // The schema this version writes and the newest it reads.
    static int schemaVersion();
    // ".tavoplan"
    static QString fileExtension();

    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    QDateTime created() const { return m_created; }
    void setCreated(const QDateTime &created) { m_created = created; }
    // Nothing sets this but the caller, saving included.
    QDateTime modified() const { return m_modified; }
    void setModified(const QDateTime &modified) { m_modified = modified; }
    // The version of the program that wrote the file, e.g. "4.0.0.50".
    QString programVersion() const { return m_programVersion; }
    void setProgramVersion(const QString &version) { m_programVersion = version; }
    // The variant in front's: FrameStandard, PAL or NTSC.
    int videoStandard() const { return current().videoStandard; }
    void setVideoStandard(int standard) { current().videoStandard = standard; }

    // The variant in front's groups, in list order, every field as the
    // device list holds it.
    const QVector<StructDeviceItem> &groups() const { return current().groups; }
    // A group equal to one already held keeps that group's unknown fields;
    // any other group has none.
    void setGroups(const QVector<StructDeviceItem> &groups) { current().setGroups(groups); }

    const PlanCalculatorInputs &calculator() const { return current().calculator; }
    void setCalculator(const PlanCalculatorInputs &inputs) { current().calculator = inputs; }

    // Every variant, the first the one a plan written before variants holds,
    // and which is in front. At least one, at most PlanVariant::kMaxVariants.
    const QVector<PlanVariant> &variants() const { return m_variants; }
    int currentVariant() const { return m_current; }
    // Too many are cut to the most kept; an index out of range picks the first.
    void setVariants(const QVector<PlanVariant> &variants, int current);

    // Replaces the whole plan with the file's. On any error the plan stays as
    // it was and error() and errorText() tell why.
    Error load(const QString &path);
    Error fromJson(const QByteArray &bytes);
    Error error() const { return m_error; }
    // Translated; empty after a successful load.
    QString errorText() const { return m_errorText; }
    // Translated: what a successful load mended (groups without a number, or
    // with one another group had, numbered anew); empty when nothing.
    QString noticeText() const { return m_noticeText; }

    // Replaces the file atomically; false, with any earlier file left intact,
    // when it cannot be written completely, or would be more than a reader
    // takes (then `refusal`, when given, says why; it stays empty for a
    // failed write).
    bool save(const QString &path, QString *refusal = nullptr) const;
    // Why this plan, written as `json`, would be a file no reader opens;
    // empty when it is fine.
    QString writeRefusal(const QByteArray &json) const;
    // Translated: a plan file of `bytes` is more than a reader takes.
    static QString tooLargeText(qint64 bytes);
    QByteArray toJson() const;

private:
    QString m_name;
    QDateTime m_created;
    QDateTime m_modified;
    QString m_programVersion;
    QVector<PlanVariant> m_variants{PlanVariant()};
    int m_current = 0;
    // Unknown fields of the plan, written back as they were read.
    QJsonObject m_extra;

    const PlanVariant &current() const { return m_variants.at(m_current); }
    PlanVariant &current() { return m_variants[m_current]; }

    Error m_error = None;
    QString m_errorText;
    QString m_noticeText;
};
