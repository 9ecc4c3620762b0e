#pragma once

#include <QString>
#include <QTemporaryDir>

// Gives the test process folders of its own before its application object
// exists: the temporary folder, the runtime folder and the per-user config,
// data, state and cache folders all lie in one temporary folder, so that parallel
// runs never meet and the real user's files are never read or written. Child
// processes inherit them.
class PrivateSession
{
public:
    PrivateSession();

    bool isValid() const { return m_valid; }
    // A folder of the session: "tmp", "runtime", "config", "data", "state" or "cache".
    QString folder(const QString &name) const;

private:
    QTemporaryDir m_root;
    bool m_valid = false;
};
