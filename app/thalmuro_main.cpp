// thalmuro: the desktop program. Opens the main window; the program ends when its last window
// is closed.

#include <QApplication>

#include "bitmaps.h"
#include "number_locale.h"
#include "program.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(thalmuro::programIcon());
    // Numbers are read and written in the user's regional format (LC_ALL, LC_NUMERIC, LANG).
    thalmuro::Program program(thalmuro::systemNumberLocale());
    program.start();
    return QApplication::exec();
}
