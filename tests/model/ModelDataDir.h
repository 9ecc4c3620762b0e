#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A private data directory for one test: a copy of a fixture folder from
// tests/data/model, made the toolkit's data directory for as long as it lives.
class ModelDataDir
{
public:
    // An empty fixture name gives an empty directory.
    explicit ModelDataDir(const QString &fixture = QStringLiteral("base"));
    ~ModelDataDir();
    ModelDataDir(const ModelDataDir &) = delete;
    ModelDataDir &operator=(const ModelDataDir &) = delete;

    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &relative) const;

    // Writes a file (creating its folder), replacing any earlier one.
    bool write(const QString &relative, const QByteArray &content) const;
    QByteArray read(const QString &relative) const;
    bool remove(const QString &relative) const;
    bool makeFolder(const QString &relative) const;
    // Copies the files and folders of `folder` in, replacing none.
    bool copyFrom(const QString &folder) const;

private:
    static bool copyTree(const QString &from, const QString &to);

    QTemporaryDir m_dir;
    bool m_valid = false;
};
