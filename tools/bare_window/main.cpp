// The floor of a start-up: a bare Qt Widgets window of the game window's
// size, with a menu bar and a status bar and nothing else. scripts/perf.sh
// starts it and the game in turn and compares the times to their windows;
// whatever the game takes above this is its own work.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Zaviko"));
    for (const char* menu : { "&Igra", "&Opcije", "&Pomoc" })
        window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("-"));
    window.statusBar()->showMessage(QStringLiteral(" "));
    auto* table = new QWidget;
    // The game's client area.
    table->setFixedSize(772, 554);
    table->setAutoFillBackground(true);
    window.setCentralWidget(table);
    window.show();
    return app.exec();
}
