#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A private copy of the runtime folder (data files, translations, skin plugin
// and the named executables), so that no measurement touches the build tree
// and each one starts from the shipped files.
class BenchEnvironment
{
public:
    // The offscreen platform with one 1920 x 1080 screen, its configuration
    // written into `folder`: on the default 800 x 600 screen start-up would
    // stop to ask about a small display.
    static QByteArray offscreenPlatform(const QString &folder);

    // Copies `runtimeDir`, leaving out every executable not named in `programs`.
    explicit BenchEnvironment(const QString &runtimeDir, const QStringList &programs = {});

    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    bool writeFile(const QString &name, const QByteArray &data) const;

    // Makes the copy the data directory and current folder, and loads the skin
    // and its style sheets the way start-up does. False without the skin.
    bool install() const;

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};
