#include "PrivateSession.h"

#include <QDir>
#include <QFile>

namespace {
// Short, so that socket paths inside stay within the system's limit.
const char kRootTemplate[] = "/ps-XXXXXX";
} // namespace

PrivateSession::PrivateSession() : m_root(QDir::tempPath() + QLatin1String(kRootTemplate))
{
    if (!m_root.isValid())
        return;
    const std::pair<const char *, const char *> variables[] = {
        {"TMPDIR", "tmp"},         {"XDG_RUNTIME_DIR", "runtime"}, {"XDG_CONFIG_HOME", "config"},
        {"XDG_DATA_HOME", "data"}, {"XDG_STATE_HOME", "state"},    {"XDG_CACHE_HOME", "cache"}};
    m_valid = true;
    for (const auto &[variable, name] : variables) {
        const QString path = folder(QLatin1String(name));
        // The runtime folder must be private, or it is passed over.
        m_valid = QDir().mkdir(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) && m_valid;
        qputenv(variable, QFile::encodeName(path));
    }
}

QString PrivateSession::folder(const QString &name) const
{
    return m_root.filePath(name);
}
