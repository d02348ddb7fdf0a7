// Form8, the design-check window "ΕΛΕΓΧΟΣ ΣΧΕΔΙΑΣΜΟΥ": the design checks of the last Solve under
// their overall verdict, with a settable self-cleansing velocity and the remedies of those that
// warn, the steps it skipped and the cross-check by the classical port formulation (tab
// "Έλεγχοι"), the design solved over a list of operating conditions (tab "Συνθήκες
// Λειτουργίας"), and its riser diameters sized to goals (tab "Διαστασιολόγηση Ανυψωτήρων").
#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>
#include <vector>

#include "thalmuro/engine.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTableWidget;

namespace thalmuro {

class ConditionsTab;
class SizingTab;

// What a Solve leaves for the checks: the problem it solved (in the user flow mode with the
// ratio answered), what it returned and the shared variables as it left them.
struct SolvedDesign {
    DiffuserInput problem;
    SolveOutcome outcome;
    SharedState state;
};

class ChecksWindow : public QWidget {
    Q_OBJECT
  public:
    // `numberLocale` is the regional format of the figures shown and typed, and the one the
    // design was solved in.
    explicit ChecksWindow(NumberLocale numberLocale, QWidget* parent = nullptr);

    // Shows the checks of `design` and makes it the design whose operating conditions are
    // solved and whose risers are sized. The window keeps its own copy: later changes to the
    // program's store do not reach it.
    void showDesign(const SolvedDesign& design);

    ConditionsTab* conditionsTab() const { return conditionsTab_; }
    SizingTab* sizingTab() const { return sizingTab_; }

    // Brings the tab of the checks forward with the list of skipped steps in view and the
    // keyboard focus on it, for whoever is sent to the skipped steps of the last Solve.
    void goToSkippedSteps();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QWidget* createChecksTab();
    // Sets every text of the window in the interface language: its captions, and the checks,
    // skipped steps and cross-check it shows, worded again from the results it holds.
    void retranslate();
    // Reads the self-cleansing velocity box; a readable positive velocity re-runs the checks.
    void velocityEdited();
    void showVelocityHint();
    void showChecks();
    // The overall verdict above the velocity box and the remedies of the checks that warn
    // under the table.
    void showOverallVerdict();
    void showSkippedSteps();
    void showCrossCheck();

    const NumberLocale numberLocale_;
    CheckSettings settings_;
    std::optional<SolvedDesign> design_;
    // What the window shows of the design, kept so that a change of language words it again
    // without computing it again.
    std::vector<CheckResult> checks_;
    std::vector<SkippedCause> skippedCauses_;
    std::optional<CrossCheck> crossCheck_;
    // The velocity box holds no readable positive velocity.
    bool velocityUnreadable_ = false;

    // The tabs (karteles): the checks (elegxoi), the operating conditions and the riser sizing.
    QTabWidget* tabs_ = nullptr;
    QWidget* checksTab_ = nullptr;
    // Whether the design holds, on one line at the top of the tab (synoliki_krisi), coloured
    // as its verdict.
    QLabel* verdictLine_ = nullptr;
    // The self-cleansing velocity, m/s (taxytita_aftokatharismou), its caption, and what is
    // wrong with it.
    QLabel* velocityCaption_ = nullptr;
    QLineEdit* velocityBox_ = nullptr;
    QLabel* velocityHint_ = nullptr;
    // Why the march could not compute the discharge of some risers and what to change
    // (paroxi_anypologisti); hidden when it computed them all.
    QLabel* dischargeFailure_ = nullptr;
    // One row per check (pinakas_elegxon).
    QTableWidget* checksTable_ = nullptr;
    // The usual remedy of each check that warns (antimetopisi); hidden when none warns.
    QLabel* remedies_ = nullptr;
    // The skipped steps in the user's terms (paraleifthenta_vimata) and their frame.
    QGroupBox* skippedBox_ = nullptr;
    QLabel* skippedSteps_ = nullptr;
    // Program against classical figures (diastavrosi), the head difference and the verdict
    // (diastavrosi_diafora, diastavrosi_apotelesma), in a frame with what the cross-check does.
    QGroupBox* crossCheckBox_ = nullptr;
    QLabel* crossCheckExplanation_ = nullptr;
    QTableWidget* crossCheckTable_ = nullptr;
    // The two landward heads, each labelled by the march that computed it
    // (diastavrosi_energeies); hidden when neither march balanced.
    QLabel* crossCheckHeads_ = nullptr;
    QLabel* crossCheckDifference_ = nullptr;
    QLabel* crossCheckVerdict_ = nullptr;
    ConditionsTab* conditionsTab_ = nullptr;
    SizingTab* sizingTab_ = nullptr;
};

// Shows the check window held in `window`: creates it when there is none or brings the open
// one to the front. The window has no owner and destroys itself when closed, which clears
// `window`.
ChecksWindow* showChecksWindow(QPointer<ChecksWindow>& window, const NumberLocale& numberLocale);

}  // namespace thalmuro
