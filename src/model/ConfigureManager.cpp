#include "model/ConfigureManager.h"

#include "model/ModelLogging.h"

#include "host/CGenericDS.h"
#include "host/TargetPath.h"
#include "model/XmlNode.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

namespace apt {

namespace {
const char kSetupFile[] = "Setup.xml";

bool parses(const QString &path)
{
    FenwaGUIToolkit::CGenericDS root;
    return root.LoadXML(path);
}
} // namespace

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

QString ConfigureManager::userSetupFile()
{
    const QString name = QString::fromLatin1(kSetupFile);
    return FenwaGUIToolkit::GetUserDataPath(FenwaGUIToolkit::UserFolderOf(name)) + name;
}

QString ConfigureManager::setupFile()
{
    const QString own = userSetupFile();
    if (QFileInfo::exists(own) && parses(own))
        return own;
    return FenwaGUIToolkit::GetTargetPathFile(QString::fromLatin1(kSetupFile));
}

bool ConfigureManager::loadSetup()
{
    const QString own = userSetupFile();
    const QString file = setupFile();
    if (file != own && QFileInfo::exists(own))
        qCWarning(lcModel).noquote() << "The settings file" << QDir::toNativeSeparators(own)
                                     << "cannot be read; the shipped settings apply";
    return load(file);
}

bool ConfigureManager::saveTranslator(unsigned language)
{
    XmlNode root;
    root.load(setupFile());
    // No settings at all to start from: the language is the only one.
    if (root.isNull() && !root.createRoot(QStringLiteral("Setup")))
        return false;
    const QString key = keyName(Translator);
    XmlNode setting = root.child(key);
    if (setting.isNull())
        setting = root.appendChild(key);
    XmlNode value = setting.child(QStringLiteral("Value"));
    if (value.isNull())
        value = setting.appendChild(QStringLiteral("Value"));
    value.setText(QString::number(language));
    const QString target = FenwaGUIToolkit::GetWritableFile(QString::fromLatin1(kSetupFile));
    if (root.save(target))
        return true;
    qCWarning(lcModel).noquote() << "Cannot write the settings file" << QDir::toNativeSeparators(target);
    return false;
}

} // namespace apt
