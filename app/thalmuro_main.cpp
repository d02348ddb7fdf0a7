// thalmuro: the desktop program. Opens the main window; the program ends when its last window
// is closed.
//
//   thalmuro [--language el|en] [PROBLEM.json]
//   thalmuro --version | -h | --help | --help-all
//
// A problem file named on the command line is opened at start, as with "Άνοιγμα…". The windows
// show the language chosen last in the menu "Γλώσσα / Language", Greek at first; --language
// shows Greek (el) or English (en) for this run and leaves the choice kept as it is.

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSettings>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "bitmaps.h"
#include "language.h"
#include "number_locale.h"
#include "program.h"
#include "project_files.h"

namespace {

// The name and version --version shows.
void nameProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("thalmuro"));
    QCoreApplication::setApplicationVersion(QStringLiteral(THALMURO_VERSION));
}

void describeOptions(QCommandLineParser& arguments) {
    arguments.setApplicationDescription(
        QStringLiteral("Υδραυλικός υπολογισμός διαχυτήρα: ανοίγει το αρχείο προβλήματος που "
                       "δίνεται."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addOption({QStringLiteral("language"),
                         QStringLiteral("Γλώσσα των παραθύρων: el (Ελληνικά) ή en (English)."),
                         QStringLiteral("el|en")});
    arguments.addPositionalArgument(QStringLiteral("PROBLEM.json"),
                                    QStringLiteral("αρχείο προβλήματος"),
                                    QStringLiteral("[PROBLEM.json]"));
}

// The language of --language; nothing without the option. Any other value than el or en is a
// usage error that ends the program, worded in English: whoever typed it may not read Greek.
std::optional<thalmuro::Language> languageOption(const QCommandLineParser& arguments) {
    const QString code = arguments.value(QStringLiteral("language"));
    if (code.isEmpty()) return std::nullopt;
    const std::optional<thalmuro::Language> language = thalmuro::languageOfCode(code);
    if (!language) {
        std::fputs(qUtf8Printable(
                       QStringLiteral("thalmuro: --language: el or en, not \"%1\"\n").arg(code)),
                   stderr);
        std::exit(2);
    }
    return language;
}

// The application object of the windows needs a display and ends the program without one (over
// ssh, in a text console). The version and the options need none: they are answered here, on a
// core application object, and the program ends. A command line that this parser cannot read,
// as one with Qt's own options such as -platform NAME, is left to the parser of the windows'
// application object, which knows them and reports errors as before.
void answerWithoutDisplay(int argc, char** argv) {
    const QCoreApplication core(argc, argv);
    nameProgram();
    QCommandLineParser arguments;
    describeOptions(arguments);
    if (!arguments.parse(QCoreApplication::arguments())) return;
    // Both end the program.
    if (arguments.isSet(QStringLiteral("version"))) arguments.showVersion();
    if (arguments.isSet(QStringLiteral("help"))) arguments.showHelp();
    // A wrong language ends the program here, before a display is needed.
    languageOption(arguments);
    // --help-all lists the options of the windows' application object, so that one is created
    // for it; no window opens, and the offscreen platform needs no display.
    if (arguments.isSet(QStringLiteral("help-all")) &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace

int main(int argc, char** argv) {
    answerWithoutDisplay(argc, argv);

    QApplication application(argc, argv);
    nameProgram();
    // The desktop entry the session matches the windows to, for the taskbar's icon and name.
    QApplication::setDesktopFileName(QStringLiteral(THALMURO_DESKTOP_ID));
    QApplication::setWindowIcon(thalmuro::programIcon());

    QCommandLineParser arguments;
    describeOptions(arguments);
    arguments.process(application);

    // The language given on the command line, else the one kept from the menu.
    std::optional<thalmuro::Language> language = languageOption(arguments);
    if (!language) language = thalmuro::savedLanguage(thalmuro::programSettings());
    thalmuro::setInterfaceLanguage(*language);

    // Numbers are read and written in the user's regional format (LC_ALL, LC_NUMERIC, LANG).
    thalmuro::Program program(thalmuro::systemNumberLocale());
    program.start();
    const QStringList files = arguments.positionalArguments();
    if (!files.isEmpty()) program.mainWindow().projectFiles().openFile(files.constFirst());
    return QApplication::exec();
}
