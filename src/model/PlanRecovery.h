#pragma once

#include <QByteArray>
#include <QString>

class PlanDocument;

// What a running program keeps in the user's state folder so that a crash
// loses no work: a copy of the plan being worked on and a marker naming the
// process and the plan's own file. A normal end removes both; finding them at
// start-up with their process gone means that session did not end normally.
class PlanRecovery
{
public:
    // Both in the per-user state folder.
    static QString copyPath();
    static QString markerPath();

    // The marker of this process working on the plan of that file (empty for
    // a plan never saved).
    static QByteArray marker(const QString &planPath);
    // Writes the marker, then the copy; false when either could not be
    // written completely. Safe on any thread.
    static bool write(const PlanDocument &plan, const QByteArray &marker);
    // Nothing left to recover (the plan was saved); the marker stays.
    static void removeCopy();
    // The session ends normally.
    static void clear();

    // Whether a session that did not end normally left a copy: the marker is
    // there, names another process that is no running instance of this
    // program, and the copy exists. `planPath` is the file its plan came from,
    // empty for a plan never saved.
    static bool findAbandoned(QString *planPath = nullptr);

    // Whether the process runs the program at `program` (any program when the
    // system cannot tell which).
    static bool isLiveInstance(qint64 pid, const QString &program);
};
