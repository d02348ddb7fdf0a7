#include "program.h"

#include <QCoreApplication>
#include <QEvent>
#include <functional>
#include <utility>

#include "information_windows.h"
#include "sizing_tab.h"

namespace thalmuro {
namespace {

// Sets the texts of something that is no widget of its own (a menu entry) in the language of
// `window`: at once and again on every change of the language, for as long as it lives.
class LanguageFollower : public QObject {
  public:
    LanguageFollower(QObject* owner, QWidget* window, std::function<void()> setTexts)
        : QObject(owner), setTexts_(std::move(setTexts)) {
        setTexts_();
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) setTexts_();
        return false;
    }

  private:
    std::function<void()> setTexts_;
};

}  // namespace

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
    QAction* checksEntry =
        mainWindow_.addSolvedDesignEntry(QString(), QStringLiteral("elegxos_sxediasmou"));
    new LanguageFollower(checksEntry, &mainWindow_, [checksEntry] {
        checksEntry->setText(
            QCoreApplication::translate("thalmuro::Program", "Έλεγχος Σχεδιασμού"));
    });
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
        if (lastDesign_) window->setSolvedDesign(lastDesign_->problem, lastDesign_->state);
    }
}

ChecksWindow* Program::openChecksWindow() {
    if (!lastDesign_) return nullptr;
    const bool created = checksWindow_.isNull();
    ChecksWindow* window = showChecksWindow(checksWindow_, numberLocale_);
    if (created) {
        window->showDesign(*lastDesign_);
        // The sizing's proposal goes into the main window's section table, and back out.
        QObject::connect(window->sizingTab(), &SizingTab::applyRequested, &mainWindow_,
                         &MainWindow::applySectionTable);
        QObject::connect(window->sizingTab(), &SizingTab::undoRequested, &mainWindow_,
                         &MainWindow::restoreSectionTable);
    }
    return window;
}

void Program::followSolve(const DiffuserInput& problem, const SolveOutcome& outcome,
                          const SharedState& solvedState) {
    lastDesign_ = SolvedDesign{problem, outcome, solvedState};
    if (checksWindow_) checksWindow_->showDesign(*lastDesign_);
    // The graph window's hydraulic profile places the risers by this Solve's section table.
    if (graphWindow_) graphWindow_->setSolvedDesign(problem, solvedState);
}

}  // namespace thalmuro
