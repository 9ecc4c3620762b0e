// The reference for the start-up figures: an empty Qt main window, shown at
// the size the program chooses on the same screen.
#include <QApplication>
#include <QMainWindow>
#include <QScreen>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize available = screen->availableGeometry().size();
        if (available.height() >= 768)
            window.resize(int(qint64(available.width()) * 768 / available.height()), 768);
    }
    window.show();
    return QApplication::exec();
}
