// The reference for startup_bench: a bare QMainWindow with a menu bar, opened at the size of the
// main window of thalmuro (its client area of 13665 x 9675 twips below the menu bar).
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include "twips.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    QMenuBar* bar = window.menuBar();
    bar->addMenu(QStringLiteral("Menu"))->addAction(QStringLiteral("Entry"));
    const int width = thalmuro::twipsToPixels(13665);
    const int height = thalmuro::twipsToPixels(9675);
    window.resize(width, height + bar->heightForWidth(width));
    window.show();
    return QApplication::exec();
}
