#pragma once

#include <QString>

// Makes a directory the current one for the life of the object and returns to
// the previous one afterwards.
class ScopedCurrentDirectory
{
public:
    explicit ScopedCurrentDirectory(const QString &path);
    ~ScopedCurrentDirectory();
    ScopedCurrentDirectory(const ScopedCurrentDirectory &) = delete;
    ScopedCurrentDirectory &operator=(const ScopedCurrentDirectory &) = delete;

    // False when the directory could not be entered.
    bool isValid() const { return m_entered; }

private:
    QString m_previous;
    bool m_entered = false;
};
