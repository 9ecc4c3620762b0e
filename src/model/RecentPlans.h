#pragma once

#include <QString>
#include <QStringList>

// The plans opened or saved last, newest first, at most maxCount(), kept as a
// small JSON file in the user's config folder. A file that cannot be read
// gives an empty list.
class RecentPlans
{
public:
    static int maxCount() { return 5; }
    // RecentPlans.json in the per-user config folder.
    static QString defaultFile();

    explicit RecentPlans(const QString &file = defaultFile());

    // Absolute paths; files gone since are still listed.
    QStringList paths() const { return m_paths; }
    // Puts the plan first (once); false when the list could not be written.
    bool add(const QString &path);
    bool remove(const QString &path);

private:
    bool save() const;

    QString m_file;
    QStringList m_paths;
};
