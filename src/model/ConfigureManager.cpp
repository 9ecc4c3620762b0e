#include "model/ConfigureManager.h"

#include "host/CGenericDS.h"

namespace apt {

ConfigureManager::~ConfigureManager()
{
    clear();
}

void ConfigureManager::clear()
{
    qDeleteAll(m_items);
    m_items.clear();
}

bool ConfigureManager::load(const QString &path)
{
    clear();
    FenwaGUIToolkit::CGenericDS root;
    if (!root.LoadXML(path))
        return false;
    m_path = path;
    for (FenwaGUIToolkit::CGenericDS setting = root.GetFirstChild(); !setting.IsNull();
         setting = setting.GetNextSibling()) {
        auto *item = new Configure;
        item->name = setting.GetName();
        item->value = setting.GetChildByName(QStringLiteral("Value")).GetValue();
        m_items.append(item);
    }
    return true;
}

QString ConfigureManager::keyName(int keyIndex)
{
    static const char *const keys[] = {"Translator", "Languages",  "LogLevel",   "VersionType",
                                       "PingThread", "TaskThread", "LogSaveDay", "Skin"};
    if (keyIndex < 0 || keyIndex >= int(sizeof(keys) / sizeof(keys[0])))
        return QString();
    return QString::fromLatin1(keys[keyIndex]);
}

Configure *ConfigureManager::find(int keyIndex) const
{
    const QString key = keyName(keyIndex);
    for (Configure *item : m_items) {
        if (item->name == key)
            return item;
    }
    return nullptr;
}

unsigned ConfigureManager::translator() const
{
    const Configure *item = find(Translator);
    if (!item)
        return 0;
    bool ok = false;
    const unsigned value = item->value.toUInt(&ok, 10);
    return ok ? value : 0;
}

} // namespace apt
