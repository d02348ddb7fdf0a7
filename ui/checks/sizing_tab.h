// The tab "Διαστασιολόγηση Ανυψωτήρων" (riser sizing) of the design-check window: the goals a
// design is held to, the candidate riser diameters, the sizing of the solved design in a worker
// thread, and its proposal beside the design as typed, as tables and a chart of the risers'
// discharges. «Εφαρμογή» hands the proposal's section table to the main window, «Αναίρεση» asks
// for the table it replaced.
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "thalmuro/engine.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QThread;
class QTimer;

namespace thalmuro {

class SizingChart;
struct SizingRun;

class SizingTab : public QWidget {
    Q_OBJECT
  public:
    explicit SizingTab(NumberLocale numberLocale, QWidget* parent = nullptr);
    // A sizing still going is stopped, and waited for, before the tab goes.
    ~SizingTab() override;

    // The tab's title in the interface language.
    static QString title();

    // The design sized from now on: `problem` as the last Solve took it, its proposals checked
    // with `settings`. The low flow takes the problem's defaults unless the user has changed
    // it; results already shown stay and are marked as those of an earlier design.
    void setDesign(const DiffuserInput& problem, const CheckSettings& settings);
    // The checks that the next sizing applies.
    void setSettings(const CheckSettings& settings);

    bool running() const { return worker_ != nullptr; }
    // What the last sizing whose results are shown found; nothing before the first.
    const std::optional<SizingResult>& result() const { return result_; }
    // Whether the results shown belong to an earlier design than the current one.
    bool resultsOutdated() const;

  signals:
    // A sizing has ended, completed, stopped or refused, and its results are shown.
    void runFinished();
    // «Εφαρμογή»: the proposal, whose section count and section table are to replace the main
    // window's.
    void applyRequested(const thalmuro::DiffuserInput& proposal);
    // «Αναίρεση»: the main window's section count and table as they were before «Εφαρμογή».
    void undoRequested();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The boxes of the goals, in the order of the panel.
    enum GoalBox {
        kTolerance,
        kLowFlowQ,
        kLowFlowDrho,
        kFroudeMin,
        kFroudeMax,
        kAreaRatioLower,
        kAreaRatioUpper,
        kMaxRows,
        kCandidates,
        kGoalBoxes
    };
    // What the line beside the progress bar tells.
    enum class RunState { none, running, stopping, stopped, finished, blocked };
    // What the note under the results tells of «Εφαρμογή» and «Αναίρεση».
    enum class TableState { untouched, applied, restored };

    QWidget* createGoalsPanel();
    QWidget* createResultsPanel();
    QWidget* createSectionsTable();
    QLayout* createRunRow();
    // Sets every text of the tab in the interface language; the goals typed, the results and
    // the state of the sizing stay as they are.
    void retranslate();
    void showRunState(RunState state);
    void showTableState(TableState state);

    void fillDefaults();
    void fillLowFlowDefaults();
    // Tells beside each box whether it cannot be read, and allows «Υπολογισμός» only when all
    // can.
    void showHints();
    // Why `box` cannot be read, or an empty text when it can.
    QString hintFor(GoalBox box) const;
    // The goals and candidates as the boxes give them; nothing when a box cannot be read.
    std::optional<SizingGoals> readGoals() const;
    std::optional<std::vector<double>> readCandidates() const;
    void calculate();
    void stop();
    void showProgress();
    void finishRun();
    void apply();
    void undo();
    void updateButtons();

    void showResults();
    void showSections();
    void showComparison();
    void showOutcome();
    void showChart();
    void showOutdatedMark();

    const NumberLocale numberLocale_;
    std::optional<DiffuserInput> problem_;
    CheckSettings settings_;
    // Each new design gets the next number; the results remember the design they were found
    // for.
    int design_ = 0;
    int resultsDesign_ = 0;
    // The low-flow boxes hold the defaults of the current design, untouched by the user.
    bool lowFlowIsDefault_ = true;

    std::shared_ptr<SizingRun> run_;
    QThread* worker_ = nullptr;
    QTimer* progressTimer_ = nullptr;
    std::optional<SizingResult> result_;
    RunState runStateShown_ = RunState::none;
    TableState tableState_ = TableState::untouched;
    // «Εφαρμογή» wrote a proposal into the main window that «Αναίρεση» has not taken back.
    bool undoable_ = false;
    // Designs weighed by the last sizing, or by the one going, so far.
    long designsWeighed_ = 0;

    // The goals (stoxoi): a caption, a box and what is wrong with it per goal (anochi,
    // xamili_paroxi, xamili_paroxi_drho, froude_elaxisto, froude_megisto, logos_epifaneion_apo,
    // logos_epifaneion_eos, megistes_grammes, ypopsifies_diametroi, each with "_ypodeixi"),
    // and Προεπιλογές (proepiloges).
    QGroupBox* goalsBox_ = nullptr;
    std::array<QLabel*, kGoalBoxes> goalCaptions_{};
    std::array<QLineEdit*, kGoalBoxes> goalBoxes_{};
    std::array<QLabel*, kGoalBoxes> goalHints_{};
    QLabel* candidatesNote_ = nullptr;
    QPushButton* defaultsButton_ = nullptr;
    // Υπολογισμός (ypologismos), Διακοπή (diakopi), the progress bar (proodos), the state of
    // the sizing (katastasi), Εφαρμογή (efarmogi) and Αναίρεση (anairesi).
    QPushButton* calculateButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QLabel* runState_ = nullptr;
    QPushButton* applyButton_ = nullptr;
    QPushButton* undoButton_ = nullptr;
    // The results (apotelesmata_diastasiologisis): the mark that they belong to an earlier
    // design (palaia_apotelesmata), the outcome (ekvasi), the sections (pinakas_tmimaton), the
    // comparison of the design as typed and the proposal (sygkrisi), how the figures are found
    // (methodos), what «Εφαρμογή» did (efarmogi_simeiosi), and the chart
    // (diagramma_diastasiologisis).
    QGroupBox* resultsBox_ = nullptr;
    QLabel* outdatedMark_ = nullptr;
    QLabel* outcome_ = nullptr;
    QTableWidget* sectionsTable_ = nullptr;
    QTableWidget* comparisonTable_ = nullptr;
    QLabel* methodNote_ = nullptr;
    QLabel* tableNote_ = nullptr;
    SizingChart* chart_ = nullptr;
};

}  // namespace thalmuro
