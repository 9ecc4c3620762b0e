#include "app/ToolsApplication.h"
#include "host/TargetPath.h"
#include "mainwindow/VantorMainPage.h"
#include "model/ModelMetaTypes.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

int main(int argc, char **argv)
{
    // Translated before any translator exists, so in practice the literal.
    //: The program's name, as the key of its single running instance (read before any translation is loaded).
    const QString appId = QCoreApplication::translate("main", "TAVO storage calculator");
    apt::ToolsApplication app(appId, argc, argv);
    registerModelMetaTypes();
    QCoreApplication::setApplicationName(QStringLiteral("TAVO storage calculator"));
    QCoreApplication::addLibraryPath(QDir::toNativeSeparators(FenwaGUIToolkit::GetPluginPath()));

    if (!app.initApplication()) {
        QCoreApplication::exit(0);
        return app.handedOver() ? 0 : -1;
    }

    auto *window = new VantorMainPage;
    window->connectSignals();
    QObject::connect(window, &VantorMainPage::signalRestartRequested, &app, &apt::ToolsApplication::restart);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->setGeometry(apt::ToolsApplication::mainWindowGeometry(screen->availableGeometry()));

    window->show();
    app.attachMainWindow(window);
    const int exitCode = QApplication::exec();
    delete window;
    return exitCode;
}
