#pragma once

#include <QByteArray>
#include <QString>

class PlanDocument;

// What a running program keeps in the user's state folder so that a crash
// loses no work: a copy of the plan being worked on and a marker naming the
// process and the plan's own file. Every running program keeps its own pair,
// named by the instance. A normal end removes that pair; a pair found at
// start-up with its process gone means that session did not end normally.
class PlanRecovery
{
public:
    // The name of this program's pair: its process id and a token of this
    // start, so that a later process given the same number (after a restart)
    // never takes an earlier one's pair for its own.
    static QString instanceName();

    // The pair of an instance, this one's unless named, in the per-user state folder.
    static QString copyPath(const QString &instance = instanceName());
    static QString markerPath(const QString &instance = instanceName());

    // The marker of this process working on the plan of that file (empty for
    // a plan never saved).
    static QByteArray marker(const QString &planPath);
    // Writes the marker, then the copy; false when either could not be
    // written completely. Safe on any thread.
    static bool write(const PlanDocument &plan, const QByteArray &marker, const QString &instance = instanceName());
    // Nothing left to recover (the plan was saved); the marker stays.
    static void removeCopy();
    // The session ends normally: its own pair goes, no other instance's.
    static void clear(const QString &instance = instanceName());

    // Whether a session that did not end normally left a copy, looking at
    // every pair, also the one an older version wrote under a single name: its
    // marker names a process that is no running instance of this program, and
    // the copy exists. The newest such pair becomes this session's (clear()
    // discards it, a write replaces it); the others wait for the next start.
    // `planPath` is the file its plan came from, empty for a plan never saved.
    // Markers without a copy whose process is gone are removed on the way.
    static bool takeAbandoned(QString *planPath = nullptr);

    // Whether the process runs the program at `program` (any program when the
    // system cannot tell which).
    static bool isLiveInstance(qint64 pid, const QString &program);
};
