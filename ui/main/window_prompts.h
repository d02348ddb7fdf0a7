// The questions the main window asks around a Solve, and how a long balancing stays visible
// and can be stopped.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "thalmuro/engine.h"

class QProgressDialog;
class QWidget;

namespace thalmuro {

// A single-line question: its text, the window title, the answer offered and the box's
// objectName. The texts are Greek and shown through translated().
struct Prompt {
    std::string_view text;
    std::string_view title;
    std::string_view initial_text;
    std::string_view name;
};

// The ratio x of qc = x Q / N, asked before a Solve in the user flow mode. The answer it offers
// depends on what was answered before: ratioOffer.
inline constexpr Prompt kRatioPrompt{
    QT_TRANSLATE_NOOP("thalmuro::Prompt", " qc=x*qtotal/Ανυψωτήρες    Δώσε το x !!ΠΡΟΣΟΧΗ!! Χ<1"),
    QT_TRANSLATE_NOOP("thalmuro::Prompt", "Εισαγωγή Αναλογίας"), "", "ratioPrompt"};

// The ratio offered when nothing was answered before: qc = 0.90 Q / N.
inline constexpr double kDefaultRatio = 0.90;

// The answer the ratio question offers: `lastAnswer`, the answer given last in this session or
// read from the open problem file, when it holds any text; otherwise kDefaultRatio written in
// `locale` ("0,90" with a decimal comma, "0.90" with a decimal point), so that accepting the
// offer gives 0.90 in every regional format rather than 90 where the comma groups digits.
std::string ratioOffer(const std::optional<std::string>& lastAnswer, const NumberLocale& locale);

// The report's file name, asked once the Solve is over.
inline constexpr Prompt kFileNamePrompt{
    QT_TRANSLATE_NOOP("thalmuro::Prompt", "Δώστε το όνομα της δοκιμής και την κατάληξη"),
    QT_TRANSLATE_NOOP("thalmuro::Prompt", "Εισαγωγή ονόματος αρχείου"),
    QT_TRANSLATE_NOOP("thalmuro::Prompt", "Δοκιμή1.txt"), "fileNamePrompt"};

// A text of a prompt (its question, title or answer offered) in the language shown.
QString translated(std::string_view text);

// A modal single-line input box with the prompt's title, text and initial answer, and the
// buttons OK and "Άκυρο", under the ordinary pointer. Cancel gives nothing; OK gives the text
// as typed.
std::optional<std::string> askLine(QWidget* parent, const Prompt& prompt);

// A button of a single-line question that fills its box, as a file dialog does with the file
// chosen: its caption, its objectName, and what it puts into the box given the box's text
// (nothing leaves the box as it stands).
struct LineFiller {
    QString caption;
    QString name;
    std::function<std::optional<QString>(const QString& text)> fill;
};

// As askLine, offering `initialText` instead of the prompt's answer, with `filler`'s button
// beside OK and "Άκυρο"; the button leaves the box open.
std::optional<std::string> askLine(QWidget* parent, const Prompt& prompt,
                                   const QString& initialText, const LineFiller& filler);

// The busy pointer for as long as it exists.
class BusyPointer {
  public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// Keeps the program alive while the optimised flow mode balances the discharges, for one
// Solve.
//
// The balancing runs on the user-interface thread. A short balancing (the usual case, well
// under a second) runs without a pause. One that lasts longer than `progressAfter` opens a
// modal progress window with a stop button and lets the window system's events through a few
// dozen times a second, so that the windows repaint and the stop button works; being modal,
// the progress window keeps every other control of the program from being used meanwhile.
class BalancingWindow final : public BalancingProgress {
  public:
    static constexpr std::chrono::milliseconds kProgressAfter{400};

    explicit BalancingWindow(QWidget* parent,
                             std::chrono::milliseconds progressAfter = kProgressAfter);
    ~BalancingWindow() override;
    BalancingWindow(const BalancingWindow&) = delete;
    BalancingWindow& operator=(const BalancingWindow&) = delete;

    // False once the user has pressed the stop button of the progress window.
    bool keepBalancing(long passesRun) override;

  private:
    void openProgress();

    QWidget* parent_;
    std::chrono::milliseconds progressAfter_;
    QElapsedTimer balancing_;    // since the first pass of the balancing
    QElapsedTimer sinceEvents_;  // since events were last let through
    std::unique_ptr<QProgressDialog> progress_;
};

}  // namespace thalmuro
