#pragma once

#include "model/DeviceEnums.h"
#include "model/PlanCalculatorInputs.h"
#include "model/StructDeviceItem.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QVector>

// A plan as a file: its channel groups and the calculator's inputs, stored as
// indented UTF-8 JSON. Fields this version does not know (written by a newer
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
    // FrameStandard: PAL or NTSC.
    int videoStandard() const { return m_videoStandard; }
    void setVideoStandard(int standard) { m_videoStandard = standard; }

    // In list order, every field as the device list holds it.
    const QVector<StructDeviceItem> &groups() const { return m_groups; }
    // A group equal to one already held keeps that group's unknown fields;
    // any other group has none.
    void setGroups(const QVector<StructDeviceItem> &groups);

    const PlanCalculatorInputs &calculator() const { return m_calculator; }
    void setCalculator(const PlanCalculatorInputs &inputs) { m_calculator = inputs; }

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
    int m_videoStandard = PAL;
    QVector<StructDeviceItem> m_groups;
    PlanCalculatorInputs m_calculator;

    // Unknown fields, written back as they were read: of the plan, of the
    // calculator and of each group (parallel to m_groups).
    QJsonObject m_extra;
    QJsonObject m_calculatorExtra;
    QVector<QJsonObject> m_groupExtra;

    Error m_error = None;
    QString m_errorText;
    QString m_noticeText;
};
