#include "program.h"

#include "information_windows.h"
#include "window_controls.h"

namespace thalmuro {

Program::Program(const NumberLocale& numberLocale)
    : numberLocale_(numberLocale), mainWindow_(state_, numberLocale) {
    // Each modeless window opens on its request, or comes to the front when it is open; the
    // About window is modal over the main window.
    QObject::connect(&mainWindow_, &MainWindow::instructionsRequested,
                     [this] { help::showInstructionsWindow(instructionsWindow_); });
    QObject::connect(&mainWindow_, &MainWindow::generalitiesRequested,
                     [this] { help::showGeneralitiesWindow(generalitiesWindow_); });
    QObject::connect(&mainWindow_, &MainWindow::graphsRequested, [this] { openGraphWindow(); });
    QObject::connect(&mainWindow_, &MainWindow::loadingShaftRequested, [this] {
        showLoadingShaftWindow(loadingShaftWindow_, state_.results, numberLocale_);
    });
    QObject::connect(&mainWindow_, &MainWindow::aboutRequested,
                     [this] { help::showAboutWindow(&mainWindow_); });
    // The report viewer shows the last report written, and follows the next one while open.
    QObject::connect(&mainWindow_, &MainWindow::reportViewRequested, [this] {
        showReportViewer(reportViewer_, mainWindow_.lastReport(), mainWindow_.lastReportFile());
    });
    QObject::connect(&mainWindow_, &MainWindow::reportWritten, [this] {
        if (reportViewer_) {
            reportViewer_->showReport(mainWindow_.lastReport(), mainWindow_.lastReportFile());
        }
    });
    // The design checks follow every Solve; their entry waits for the first, as Command2.
    QAction* checksEntry = mainWindow_.addSolvedDesignEntry(utf8("Έλεγχος Σχεδιασμού"),
                                                            QStringLiteral("elegxos_sxediasmou"));
    QObject::connect(checksEntry, &QAction::triggered, [this] { openChecksWindow(); });
    // The status line's link after a Solve that skipped steps opens them there.
    QObject::connect(&mainWindow_, &MainWindow::skippedStepsRequested, [this] {
        if (ChecksWindow* window = openChecksWindow()) window->goToSkippedSteps();
    });
    QObject::connect(
        &mainWindow_, &MainWindow::solved,
        [this](const DiffuserInput& problem, const SolveOutcome& outcome,
               const SharedState& solvedState) { followSolve(problem, outcome, solvedState); });
}

Program::~Program() {
    // Windows still open when the program ends read the store that goes with it.
    delete instructionsWindow_;
    delete generalitiesWindow_;
    delete graphWindow_;
    delete loadingShaftWindow_;
    delete reportViewer_;
    delete checksWindow_;
}

void Program::start() {
    mainWindow_.show();
}

void Program::openGraphWindow() {
    const bool created = graphWindow_.isNull();
    GraphWindow* window = showGraphWindow(graphWindow_, state_.results, numberLocale_);
    if (created) {
        // Its legend label "Μέγιστος Επιτρεπόμενος (10)" opens the nomograph, modal over it.
        QObject::connect(window, &GraphWindow::nomographRequested, window,
                         [window] { help::showNomographWindow(window); });
    }
}

ChecksWindow* Program::openChecksWindow() {
    if (!lastDesign_) return nullptr;
    const bool created = checksWindow_.isNull();
    ChecksWindow* window = showChecksWindow(checksWindow_, numberLocale_);
    if (created) window->showDesign(*lastDesign_);
    return window;
}

void Program::followSolve(const DiffuserInput& problem, const SolveOutcome& outcome,
                          const SharedState& solvedState) {
    lastDesign_ = SolvedDesign{problem, outcome, solvedState};
    if (checksWindow_) checksWindow_->showDesign(*lastDesign_);
}

}  // namespace thalmuro
