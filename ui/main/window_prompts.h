// How Solve asks its questions from the main window, and how a long balancing stays visible
// and can be stopped.
#pragma once

#include <QElapsedTimer>
#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "flow_modes.h"

class QProgressDialog;
class QWidget;

namespace thalmuro {

// Answers Solve's prompts with modal input boxes and keeps the program alive while the
// optimised flow mode balances the discharges. Lives for one Solve: while it exists the mouse
// pointer shows that the program is busy.
//
// The balancing runs on the user-interface thread. A short balancing (the usual case, well
// under a second) runs without a pause under the busy pointer. One that lasts longer than
// `progressAfter` opens a modal progress window with a stop button and lets the window
// system's events through a few dozen times a second, so that the windows repaint and the
// stop button works; being modal, the progress window keeps every other control of the
// program from being used meanwhile.
class WindowPrompts final : public SolvePrompts {
  public:
    static constexpr std::chrono::milliseconds kProgressAfter{400};

    explicit WindowPrompts(QWidget* parent,
                           std::chrono::milliseconds progressAfter = kProgressAfter);
    ~WindowPrompts() override;
    WindowPrompts(const WindowPrompts&) = delete;
    WindowPrompts& operator=(const WindowPrompts&) = delete;

    // A modal single-line input box with the prompt's title, text and initial answer, and
    // the buttons OK and "Άκυρο". Cancel gives nothing; OK gives the text as typed.
    std::optional<std::string> ask(const Prompt& prompt) override;

    // False once the user has pressed the stop button of the progress window.
    bool keepBalancing(long passesRun) override;

  private:
    void openProgress();
    void closeProgress();

    QWidget* parent_;
    std::chrono::milliseconds progressAfter_;
    QElapsedTimer balancing_;    // since the first pass of the balancing
    QElapsedTimer sinceEvents_;  // since events were last let through
    std::unique_ptr<QProgressDialog> progress_;
};

}  // namespace thalmuro
