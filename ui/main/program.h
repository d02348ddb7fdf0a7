// The program as a whole: its shared variables and its windows.
#pragma once

#include <QPointer>

#include "graph_window.h"
#include "help_windows.h"
#include "loading_shaft_window.h"
#include "main_window.h"
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

    MainWindow& mainWindow() { return form1_; }
    SharedState& state() { return state_; }
    // The modeless secondary windows while they are open (null otherwise).
    help::InstructionsWindow* instructionsWindow() const { return form2_; }
    help::GeneralitiesWindow* generalitiesWindow() const { return form3_; }
    GraphWindow* graphWindow() const { return form4_; }
    LoadingShaftWindow* loadingShaftWindow() const { return form6_; }

  private:
    void openGraphWindow();

    SharedState state_;  // declared first: the windows refer to it for their whole life
    const NumberLocale numberLocale_;
    MainWindow form1_;
    // Secondary windows have no owner and destroy themselves when closed, which clears these.
    QPointer<help::InstructionsWindow> form2_;
    QPointer<help::GeneralitiesWindow> form3_;
    QPointer<GraphWindow> form4_;
    QPointer<LoadingShaftWindow> form6_;
};

}  // namespace thalmuro
