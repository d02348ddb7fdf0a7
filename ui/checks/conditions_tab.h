// The tab "Συνθήκες Λειτουργίας" (operating conditions) of the design-check window: a list of
// operating conditions (total discharge Q and Δρ/ρ) that the solved design is solved over in a
// worker thread, with the results as a table, a chart and a CSV file.
#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "thalmuro/engine.h"

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QThread;
class QTimer;

namespace thalmuro {

class ConditionsChart;
struct ConditionsRun;

class ConditionsTab : public QWidget {
    Q_OBJECT
  public:
    explicit ConditionsTab(NumberLocale numberLocale, QWidget* parent = nullptr);
    // A run still going is stopped, and waited for, before the tab goes.
    ~ConditionsTab() override;

    // The design whose conditions are solved from now on: `problem` as the last Solve took
    // it, checked with `settings`. The list is filled with the problem's default conditions
    // unless the user has changed it; results already shown stay and are marked as those of
    // an earlier design.
    void setDesign(const DiffuserInput& problem, const CheckSettings& settings);
    // The checks that the next run applies.
    void setSettings(const CheckSettings& settings);

    bool running() const { return worker_ != nullptr; }
    // The conditions solved by the last run whose results are shown, in the list's order.
    const std::vector<ConditionResult>& results() const { return results_; }
    // Whether the results shown belong to an earlier design than the current one.
    bool resultsOutdated() const;

  signals:
    // A run has ended, completed or stopped, and its results are shown.
    void runFinished();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // What the line beside the progress bar tells.
    enum class RunState {
        none,
        noDefaults,  // the problem gives no default conditions
        running,
        stopping,
        stopped,
        finished,
    };

    QWidget* createListPanel();
    QWidget* createResultsPanel();
    QLayout* createRunRow();
    // Sets every text of the tab in the interface language; the list, the results and the
    // state of the run stay as they are.
    void retranslate();
    void showRunState(RunState state);

    void fillDefaults();
    void addRow();
    void removeRows();
    void listEdited();
    // The list as conditions, or nothing after telling the user which row is wrong.
    std::optional<std::vector<OperatingCondition>> readConditions();
    void calculate();
    void stop();
    void showProgress();
    void finishRun();
    void showResults();
    void showOutdatedMark();
    void exportCsv();

    const NumberLocale numberLocale_;
    std::optional<DiffuserInput> problem_;
    CheckSettings settings_;
    // Each new design gets the next number; the results remember the design they were solved
    // for.
    int design_ = 0;
    int resultsDesign_ = 0;
    // The list holds the defaults of the current design, untouched by the user.
    bool listIsDefault_ = true;
    bool filling_ = false;

    std::shared_ptr<ConditionsRun> run_;
    QThread* worker_ = nullptr;
    QTimer* progressTimer_ = nullptr;
    std::vector<ConditionResult> results_;
    RunState runStateShown_ = RunState::none;
    // The conditions of the last run started, and how many of them it solved.
    std::size_t runTotal_ = 0;
    std::size_t runSolved_ = 0;

    // The list of conditions (pinakas_synthikon) and its buttons (prosthiki_grammis,
    // afairesi_grammis, proepiloges), in their frame.
    QGroupBox* listBox_ = nullptr;
    QTableWidget* conditionsTable_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QPushButton* defaultsButton_ = nullptr;
    // Υπολογισμός (ypologismos), Διακοπή (diakopi), the progress bar (proodos) and the state of
    // the run (katastasi).
    QPushButton* calculateButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QLabel* runState_ = nullptr;
    // The results (apotelesmata_synthikon), the mark that they belong to an earlier design
    // (palaia_apotelesmata), the chart (diagramma_synthikon) and Εξαγωγή CSV… (exagogi_csv).
    QGroupBox* resultsBox_ = nullptr;
    QTableWidget* resultsTable_ = nullptr;
    QLabel* outdatedMark_ = nullptr;
    ConditionsChart* chart_ = nullptr;
    QPushButton* exportButton_ = nullptr;
};

}  // namespace thalmuro
