// The program as a whole: its shared variables and its windows.
#pragma once

#include <QPointer>

#include <optional>

#include "checks_window.h"
#include "graph_window.h"
#include "help_windows.h"
#include "loading_shaft_window.h"
#include "main_window.h"
#include "report_viewer.h"
#include "thalmuro/engine.h"

namespace thalmuro {

// Owns the one SharedState of the run (the results store, the section count, the Manning
// text and the constants) and the main window, which receives it by reference; the windows
// that read the results are handed the same store. Create it after the QApplication.
class Program {
  public:
    explicit Program(const NumberLocale& numberLocale);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the main window. The program ends when its last window is closed; the main
    // window has no closing logic of its own.
    void start();

    MainWindow& mainWindow() { return mainWindow_; }
    SharedState& state() { return state_; }
    // The modeless secondary windows while they are open (null otherwise).
    help::InstructionsWindow* instructionsWindow() const { return instructionsWindow_; }
    help::GeneralitiesWindow* generalitiesWindow() const { return generalitiesWindow_; }
    GraphWindow* graphWindow() const { return graphWindow_; }
    LoadingShaftWindow* loadingShaftWindow() const { return loadingShaftWindow_; }
    ReportViewer* reportViewer() const { return reportViewer_; }
    ChecksWindow* checksWindow() const { return checksWindow_; }

  private:
    void openGraphWindow();
    // Opens the design-check window on the last Solve's design, or brings it to the front;
    // nothing before the first Solve.
    ChecksWindow* openChecksWindow();
    // Keeps what the last Solve left for the design-check window and shows it there; gives the
    // graph window the design solved.
    void followSolve(const DiffuserInput& problem, const SolveOutcome& outcome,
                     const SharedState& solvedState);

    SharedState state_;  // declared first: the windows refer to it for their whole life
    const NumberLocale numberLocale_;
    MainWindow mainWindow_;
    // The last Solve's design, for the design-check window and the graph window's hydraulic
    // profile; nothing before the first Solve.
    std::optional<SolvedDesign> lastDesign_;
    // Secondary windows have no owner and destroy themselves when closed, which clears these.
    QPointer<help::InstructionsWindow> instructionsWindow_;
    QPointer<help::GeneralitiesWindow> generalitiesWindow_;
    QPointer<GraphWindow> graphWindow_;
    QPointer<LoadingShaftWindow> loadingShaftWindow_;
    QPointer<ReportViewer> reportViewer_;
    QPointer<ChecksWindow> checksWindow_;
};

}  // namespace thalmuro
