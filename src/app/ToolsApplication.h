#pragma once

#include "host/QtSingleApplication.h"

#include <QList>
#include <QRect>
#include <QSize>

class ISkinPlugin;

namespace apt {

// The application object: prepares everything the screens rely on (setup,
// fonts, skin, style sheets, translations), refuses a second instance and
// screens that are too small, and filters a few events for the whole program.
class ToolsApplication : public SharedTools::QtSingleApplication
{
    Q_OBJECT

public:
    ToolsApplication(const QString &appId, int &argc, char **argv);

    // Runs the start-up steps in order; false when the program must not go on.
    bool initApplication();

    bool notify(QObject *receiver, QEvent *event) override;

    // The first plugin in the folder that offers the named skin, or none.
    static ISkinPlugin *findSkinPlugin(const QString &skinName, const QString &folder);

    // Whether the desktop reaches 1024 x 768: some screen reaches x 1023 and
    // some (possibly other) screen reaches y 767, in desktop coordinates.
    static bool checkScreen(const QList<QRect> &screenGeometries);
    bool checkScreen() const;

    // Size of the main window for the available area of the default screen,
    // and whether it must be moved to the origin.
    struct WindowPlacement
    {
        QSize size;
        bool moveToOrigin = false;
    };
    static WindowPlacement mainWindowPlacement(const QSize &available);
    // Where the main window opens in the available area: sized by the rule
    // above and centred, or at the area's corner when moved to the origin.
    static QRect mainWindowGeometry(const QRect &available);

    static QString skinFolder();
    static QString defaultSkinName();

public slots:
    // Starts the program anew (same file, same arguments) and leaves this one;
    // when the new one cannot be started, says so and goes on.
    void restart();

private:
    void loadSetup();
    void loadFont();
    void loadSkin();
    void loadStyle();
    void loadLanguage();
    void showAlreadyRunningHint();
    bool askSmallScreen();
};

} // namespace apt
