#include "program.h"

#include "information_windows.h"

namespace thalmuro {

Program::Program(const NumberLocale& numberLocale)
    : numberLocale_(numberLocale), form1_(state_, numberLocale) {
    // Each modeless window opens on its request, or comes to the front when it is open; the
    // About window is modal over the main window.
    QObject::connect(&form1_, &MainWindow::instructionsRequested,
                     [this] { help::showInstructionsWindow(form2_); });
    QObject::connect(&form1_, &MainWindow::generalitiesRequested,
                     [this] { help::showGeneralitiesWindow(form3_); });
    QObject::connect(&form1_, &MainWindow::graphsRequested, [this] { openGraphWindow(); });
    QObject::connect(&form1_, &MainWindow::loadingShaftRequested,
                     [this] { showLoadingShaftWindow(form6_, state_.results, numberLocale_); });
    QObject::connect(&form1_, &MainWindow::aboutRequested,
                     [this] { help::showAboutWindow(&form1_); });
}

Program::~Program() {
    // Windows still open when the program ends read the store that goes with it.
    delete form2_;
    delete form3_;
    delete form4_;
    delete form6_;
}

void Program::start() {
    form1_.show();
}

void Program::openGraphWindow() {
    const bool created = form4_.isNull();
    GraphWindow* window = showGraphWindow(form4_, state_.results, numberLocale_);
    if (created) {
        // Its legend label "Μέγιστος Επιτρεπόμενος (10)" opens the nomograph, modal over it.
        QObject::connect(window, &GraphWindow::nomographRequested, window,
                         [window] { help::showNomographWindow(window); });
    }
}

}  // namespace thalmuro
