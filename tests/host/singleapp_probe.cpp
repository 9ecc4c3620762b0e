// Test helper: singleapp_probe <appId> check|hold
//   check: exits 1 when another instance with the id runs, 0 when this one is the first.
//   hold:  becomes the instance, prints "ready" and runs until killed.
#include "host/QtSingleApplication.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    SharedTools::QtSingleApplication app(QString::fromLocal8Bit(argv[1]), argc, argv);
    const bool running = app.isRunning();
    if (qstrcmp(argv[2], "hold") == 0) {
        if (running)
            return 1;
        std::printf("ready\n");
        std::fflush(stdout);
        return app.exec();
    }
    return running ? 1 : 0;
}
