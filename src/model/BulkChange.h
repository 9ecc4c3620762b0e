#pragma once

#include "model/PlanCalculatorInputs.h"
#include "model/StructDeviceItem.h"

#include <QCoreApplication>
#include <QList>
#include <QMetaType>
#include <QString>

#include <optional>

class BitrateTable;

// One change made to many channel groups at once, and to the calculator's
// inputs, as a planner asks "what if" of a plan: every field left unset keeps
// what the groups and the calculator have.
//
// Resolutions compare by their row in the group's table (the new encoding's,
// for its device type): the tables list them from the smallest up, so a later
// row is the larger resolution.
struct BulkChange
{
    Q_DECLARE_TR_FUNCTIONS(BulkChange)

public:
    enum ResolutionMode : int {
        // Groups above the resolution come down to it; the others stay.
        CapAt = 0,
        SetTo = 1,
    };
    struct ResolutionChange
    {
        int mode = CapAt;
        QString resolution;
    };
    struct RecordingChange
    {
        bool onMotion = false;
        // The share of the time with motion, in percent; only on motion.
        int motionShare = 0;
    };
    struct RetentionChange
    {
        int count = 1;
        int unit = PlanCalculatorInputs::Days;
    };
    struct DiskSizeChange
    {
        QString size;
        bool terabytes = true;
    };
    struct DiskArrayChange
    {
        QString driveTB;
        QString drives;
        int level = PlanCalculatorInputs::Raid5;
        QString spares;
    };

    enum Fault {
        NoFault,
        FrameRateOutOfRange,
        MotionShareOutOfRange,
        HoursOutOfRange,
        RetentionOutOfRange,
    };

    static constexpr int kMinMotionShare = 1;
    static constexpr int kMaxMotionShare = StructDeviceItem::kContinuousShare - 1;

    // A table name such as "H.265".
    std::optional<QString> encoding;
    // A frame rate as groups hold it, such as "15".
    std::optional<QString> frameRate;
    std::optional<ResolutionChange> resolution;
    // A SceneComplexity.
    std::optional<int> complexity;
    std::optional<RecordingChange> recording;

    // The calculator's; the hours are a day's on both the retention and the disk page.
    std::optional<int> hoursPerDay;
    std::optional<RetentionChange> retention;
    std::optional<DiskSizeChange> diskSize;
    std::optional<DiskArrayChange> diskArray;

    // A group the change passes over or keeps something of, by its row and name.
    struct Note
    {
        int row = -1;
        QString name;
        // Why it was left as it was; empty where nothing needs saying.
        QString reason;
    };
    struct Outcome
    {
        // Every group, in order, the changed ones as changed.
        QList<StructDeviceItem> groups;
        QList<int> changedRows;
        // Rates typed by the planner stay typed, whatever their group became.
        QList<Note> typedKept;
        // Groups the change could not be made to, left whole as they were.
        QList<Note> unchanged;
        // Groups gone on motion whose own retention lost its event tier.
        QList<Note> eventTiersDropped;
    };

    // True when no field is set.
    bool isEmpty() const;
    // Why the change cannot be made; NoFault when it can.
    Fault check() const;
    // The reason in words with the range, translated; empty for NoFault.
    static QString faultText(Fault fault);

    // Applies the group fields to every group, or to the given rows, working out
    // recommended rates anew from `table` under the FrameStandard.
    Outcome apply(const QList<StructDeviceItem> &groups, BitrateTable &table, int standard) const;
    Outcome apply(const QList<StructDeviceItem> &groups, const QList<int> &rows, BitrateTable &table,
                  int standard) const;
    // Applies the calculator fields.
    void applyInputs(PlanCalculatorInputs &inputs) const;

private:
    bool changesVideo() const;
    // Changes the encoding, resolution, frame rate and complexity of `item`
    // and works out its recommended rate anew; the reason when it cannot.
    QString changeVideo(StructDeviceItem &item, BitrateTable &table, int standard) const;
};

Q_DECLARE_METATYPE(BulkChange)
