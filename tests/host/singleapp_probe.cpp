// Test helper: singleapp_probe <appId> check|hold|send
//   check: exits 1 when another instance with the id runs, 0 when this one is the first.
//   hold:  becomes the instance, prints "ready", then every message it gets on a line, and runs until killed.
//   send:  hands the running instance the message "hello" and exits 0 once it confirmed it, 1 otherwise.
#include "host/QtSingleApplication.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    SharedTools::QtSingleApplication app(QString::fromLocal8Bit(argv[1]), argc, argv);
    const bool running = app.isRunning();
    if (qstrcmp(argv[2], "send") == 0)
        return app.sendMessage(QStringLiteral("hello"), 10000) ? 0 : 1;
    if (qstrcmp(argv[2], "hold") == 0) {
        if (running)
            return 1;
        QObject::connect(&app, &SharedTools::QtSingleApplication::messageReceived, [](const QString &message) {
            std::printf("%s\n", message.toUtf8().constData());
            std::fflush(stdout);
        });
        std::printf("ready\n");
        std::fflush(stdout);
        return app.exec();
    }
    return running ? 1 : 0;
}
