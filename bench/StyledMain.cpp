// The second reference for the start-up figures: a main window at the bare
// window's size that draws text under an application style sheet, so it pays
// for the font database and the style-sheet engine as any skinned program
// must. What the program costs beyond this is its own.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    qApp->setStyleSheet(QStringLiteral(
        "QMainWindow, QWidget#central { background-color: #f4f6f8; }"
        "QLabel#caption { color: #4a5563; font-size: 13px; }"
        "QLineEdit { background-color: #ffffff; border: 1px solid #c4cbd4; border-radius: 3px; font-size: 14px; }"
        "QPushButton { background-color: #2f6fdb; color: #ffffff; border-radius: 4px; padding: 6px 18px; "
        "font-size: 14px; }"
        "QPushButton:hover { background-color: #2a63c4; }"
        "QLabel#figure { color: #1d2733; }"));

    QMainWindow window;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize available = screen->availableGeometry().size();
        if (available.height() >= 768)
            window.resize(int(qint64(available.width()) * 768 / available.height()), 768);
    }

    auto *central = new QWidget(&window);
    central->setObjectName(QStringLiteral("central"));
    auto *layout = new QVBoxLayout(central);
    auto *caption = new QLabel(QStringLiteral("Disk size:"), central);
    caption->setObjectName(QStringLiteral("caption"));
    auto *field = new QLineEdit(QStringLiteral("4"), central);
    auto *button = new QPushButton(QStringLiteral("Calculate"), central);
    auto *figure = new QLabel(QStringLiteral("1,234.5 TB"), central);
    figure->setObjectName(QStringLiteral("figure"));
    // Set on the widget, as a figure display would, rather than in the sheet.
    QFont figureFont = figure->font();
    figureFont.setPointSize(36);
    figureFont.setBold(true);
    figure->setFont(figureFont);
    layout->addWidget(caption);
    layout->addWidget(field);
    layout->addWidget(button);
    layout->addWidget(figure);
    layout->addStretch();
    window.setCentralWidget(central);

    window.show();
    return QApplication::exec();
}
