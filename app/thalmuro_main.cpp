// thalmuro: the desktop program. Opens the main window; the program ends when its last window
// is closed.
//
//   thalmuro [PROBLEM.json]
//   thalmuro --version | -h | --help
//
// A problem file named on the command line is opened at start, as with "Άνοιγμα…".

#include <QApplication>
#include <QCommandLineParser>

#include "bitmaps.h"
#include "number_locale.h"
#include "program.h"
#include "project_files.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // The name and version --version shows; the desktop entry the session matches the windows
    // to, for the taskbar's icon and name.
    QApplication::setApplicationName(QStringLiteral("thalmuro"));
    QApplication::setApplicationVersion(QStringLiteral(THALMURO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(THALMURO_DESKTOP_ID));
    QApplication::setWindowIcon(thalmuro::programIcon());

    QCommandLineParser arguments;
    arguments.setApplicationDescription(
        QStringLiteral("Υδραυλικός υπολογισμός διαχυτήρα: ανοίγει το αρχείο προβλήματος που "
                       "δίνεται."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(QStringLiteral("PROBLEM.json"),
                                    QStringLiteral("αρχείο προβλήματος"),
                                    QStringLiteral("[PROBLEM.json]"));
    arguments.process(application);

    // Numbers are read and written in the user's regional format (LC_ALL, LC_NUMERIC, LANG).
    thalmuro::Program program(thalmuro::systemNumberLocale());
    program.start();
    const QStringList files = arguments.positionalArguments();
    if (!files.isEmpty()) program.mainWindow().projectFiles().openFile(files.constFirst());
    return QApplication::exec();
}
