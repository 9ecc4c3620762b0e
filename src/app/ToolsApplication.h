#pragma once

#include "host/QtSingleApplication.h"

#include <QList>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QStringList>

class ISkinPlugin;
class VantorMainPage;

namespace apt {

// The application object: prepares everything the screens rely on (setup,
// fonts, skin, style sheets, translations), refuses a second instance (which
// hands a plan file it was given to the first) and screens that are too
// small, and filters a few events for the whole program.
class ToolsApplication : public SharedTools::QtSingleApplication
{
    Q_OBJECT

public:
    ToolsApplication(const QString &appId, int &argc, char **argv);

    // Runs the start-up steps in order; false when the program must not go on.
    bool initApplication();
    // The program did not go on because the running instance took its plan.
    bool handedOver() const { return m_handedOver; }

    // The plan files named on the command line, as absolute paths (relative
    // ones from the folder the program was started in).
    QStringList planFiles() const;
    // Once the window is shown: offers the plan a session that did not end
    // normally left, opens the first plan file given, and from now on opens
    // what a later start hands over.
    void attachMainWindow(VantorMainPage *window);
    // What a later start sends the running one to have it open the plan.
    static QString openPlanMessage(const QString &path);

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
    // Starts the program anew (same file, same options, the window's plan
    // file when it has one) and leaves this one; when the new one cannot be
    // started, says so and goes on.
    void restart();

private:
    void loadSetup();
    void loadFont();
    void loadSkin();
    void loadStyle();
    void loadLanguage();
    void showAlreadyRunningHint();
    bool askSmallScreen();
    void onMessage(const QString &message);

    // The folder the program was started in, before the data directory became current.
    QString m_startFolder;
    QPointer<VantorMainPage> m_window;
    // Handed over by later starts before the window was attached.
    QStringList m_handedOverPlans;
    bool m_handedOver = false;
};

} // namespace apt
