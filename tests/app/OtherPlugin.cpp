// A plugin of another interface, for the skin search to pass over.
#include <QObject>
#include <QtPlugin>

class IOtherInterface
{
public:
    virtual ~IOtherInterface() = default;
    virtual QStringList skinNames() const = 0;
};
#define IOtherInterface_iid "com.example.IOtherInterface/1.0"
Q_DECLARE_INTERFACE(IOtherInterface, IOtherInterface_iid)

class OtherPlugin : public QObject, public IOtherInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IOtherInterface_iid)
    Q_INTERFACES(IOtherInterface)

public:
    // Claims the default skin's name: only the interface check keeps it out.
    QStringList skinNames() const override { return {QStringLiteral("CommonSkin")}; }
};

#include "OtherPlugin.moc"
