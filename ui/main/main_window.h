// Form1, the main window: the general inputs of the diffuser, the fitting type, the 30-row
// section table that scrolls inside Frame1, the fill aids, the three command buttons and the
// menu bar with the flow-mode marks.
#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <utility>

#include "thalmuro/engine.h"
#include "thalmuro/wording.h"

class QAction;
class QCheckBox;
class QEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QStatusBar;

namespace thalmuro {

class ProjectFiles;
class ReportFiles;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // The columns of the section table, in the order in which a row is read and written. Their
    // cells are named after the column: "textfn_0" ... "textdr_anipsotiron_29".
    enum class Column {
        firstRiser,     // textfn: the first riser of the section
        lastRiser,      // textln: the last riser of the section
        pipeDiameter,   // textdr_thalmuro: the diameter of the diffuser pipe, m
        spacing,        // textdxanipsotiror: the distance between the risers, m
        elevationStep,  // textdz_anipsotiron: the difference in elevation between risers, m
        riserDiameter   // textdr_anipsotiron: the diameter of the risers, m
    };
    static constexpr int kColumns = 6;

    // `state` is the program's shared variables (results store, section count, Manning text,
    // constants): the window writes tmimata when a fill aid reads Text2, and Solve updates the
    // rest. `numberLocale` is the regional number format in which the worked example is
    // written and Solve reads and writes numbers.
    MainWindow(SharedState& state, NumberLocale numberLocale, QWidget* parent = nullptr);

    // The problem as the window shows it now: the texts of the boxes, the fitting type and
    // the flow mode of the menu marks.
    DiffuserInput input() const;

    // ---- Problem files (the menu "Αρχείο", project_files.h) ----
    // The problem as a file keeps it: input() with, in the user flow mode, the ratio last
    // answered in this session.
    DiffuserInput problem() const;
    // Shows `problem`: every box and row as it holds them, its fitting and flow mark, its ratio
    // as the last answer, the fill aids unticked. The results store is left as it is.
    void showProblem(const DiffuserInput& problem);
    ProjectFiles& projectFiles() { return *projectFiles_; }

    // ---- Riser sizing (the design-check window's proposal) ----
    // Keeps the section count (Text2) and the 30 rows of the section table as they are, then
    // shows those of `problem`: its section count, its rows up to that count and empty rows
    // below. No other box, fitting, mark or menu changes; the form counts as modified.
    void applySectionTable(const DiffuserInput& problem);
    // Shows again the section count and table kept by the last applySectionTable, exactly as
    // they were; false, changing nothing, when none is kept.
    bool restoreSectionTable();

    // The last report a Solve wrote to a file and the file's absolute name; empty until then.
    const Report& lastReport() const { return lastReport_; }
    const QString& lastReportFile() const { return lastReportFile_; }

    // Appends an entry to the menu "Διαχυτήρας" for a window that reads a solved design: like
    // Command2, it is disabled until the first Solve. Whoever owns that window connects to its
    // triggered signal.
    QAction* addSolvedDesignEntry(const QString& caption, const QString& name);

  signals:
    // The buttons and menu entries that open the other windows. The window itself opens
    // none of them: whoever owns the windows connects to these.
    void graphsRequested();        // Command2 "Γραφικές Παραστάσεις"
    void loadingShaftRequested();  // Command3 "Φρεάτιο Φόρτισης"
    void generalitiesRequested();  // genika_Thalmuro
    void instructionsRequested();  // help_general
    void aboutRequested();         // about
    void reportViewRequested();    // provoli_anaforas
    // The link of the status line that tells of skipped steps: the design checks at the
    // skipped steps of the last Solve.
    void skippedStepsRequested();
    // A Solve wrote its report to a file: lastReport() holds it.
    void reportWritten();
    // The answer to the ratio question differs from the last one.
    void ratioAnswered();
    // A Solve has finished: the problem it solved (in the user flow mode with the ratio
    // answered), what it returned and a copy of the shared variables as it left them, which
    // the fill aids may change afterwards.
    void solved(const thalmuro::DiffuserInput& problem, const thalmuro::SolveOutcome& outcome,
                const thalmuro::SharedState& solvedState);

  protected:
    // Sets the texts again when the language of the windows changes.
    void changeEvent(QEvent* event) override;

  private:
    // Sets every text of the window, its menus and its status line in the language shown.
    void retranslate();
    // The menu "Γλώσσα / Language" (glossa) at the end of the menu bar: Greek or English at
    // once, kept in the program's settings for the next start.
    void createLanguageMenu();
    void chooseLanguage(Language language);
    // Marks the entry of the language shown in the menu "Γλώσσα / Language".
    void showLanguageMarks();
    void createControls(QWidget* client);
    void createSectionTable();
    void createMenus();
    void createStatusLine();
    void arrangeFocusOrder();

    void scrollTable(int value);
    // Keeps the box that takes the keyboard focus in view: a focused box of a row that is not
    // wholly visible scrolls the table, through its scroll bar, just enough to show the row.
    void followFocusInTable();
    void showTableRow(int row);
    void fillColumn(const QCheckBox* box, Column column);
    void loadWorkedExample();
    void chooseFlowMode(QAction* chosen);
    FlowMode flowMode() const;
    void solve();
    // Before a Solve: asks about the numbers of `problem` that may not read as meant, and
    // writes the values meant into their boxes (and into `problem`) when the user wants them
    // corrected. False when the user cancelled the Solve.
    bool confirmNumbers(DiffuserInput& problem);
    // The box of a general quantity (row 0) or the cell of a table column in row 1..30.
    QLineEdit* boxOf(InputQuantity quantity, int row) const;
    // Gives every general box and table cell its plausible range as a tooltip.
    void showPlausibleRanges();
    // Gives every general box, fitting button and table cell its name for assistive technology:
    // its caption, or its row and column, with its unit, in the language shown. The captions
    // beside the general boxes become their buddies.
    void nameBoxes();
    // Saves the per-riser results of the last Solve as CSV in a file the user names.
    void exportResults();
    // After a Solve that skipped steps, shows the status line with the number of their causes;
    // after one that skipped none, hides it.
    void showStatusLine(const DiffuserInput& problem, const SolveOutcome& outcome);
    // The notice's text and link for the causes counted by the last Solve.
    void showSkippedStepsText();

    // Reads the section count N from Text2 into tmimata and returns how many rows of the
    // table the fill aids may touch.
    int rowsOfSections();

    // The general boxes (Text1, Text2, Text4, Text5, Text6), each with the text of the problem
    // it holds.
    std::array<std::pair<QLineEdit*, std::string DiffuserInput::*>, 5> generalBoxes() const;
    // Shows the texts of `problem` in the general boxes and in rows 1 to `rows` of the table.
    void showTexts(const DiffuserInput& problem, int rows);
    // Shows the texts of `problem` in rows 1 to `rows` of the section table.
    void showSectionRows(const DiffuserInput& problem, int rows);

    QLineEdit* cell(Column column, int row) const {
        return cells_[static_cast<std::size_t>(column)][static_cast<std::size_t>(row - 1)];
    }

    SharedState& state_;
    const NumberLocale numberLocale_;
    bool solving_ = false;

    // The captions of the general inputs and of the fitting type (Label1_0 ... Label1_6).
    std::array<QLabel*, 6> captionLabels_{};
    // The general inputs (Text1, Text2, Text4, Text5, Text6).
    QLineEdit* risersBox_ = nullptr;
    QLineEdit* sectionsBox_ = nullptr;
    QLineEdit* drhoBox_ = nullptr;
    QLineEdit* totalDischargeBox_ = nullptr;
    QLineEdit* manningBox_ = nullptr;
    // The fitting type (Option1, Option2).
    QRadioButton* sharpFittingButton_ = nullptr;
    QRadioButton* bellFittingButton_ = nullptr;
    // The fill aids (Check1, Check2, Check3) and the worked example (Check4).
    QCheckBox* sameSpacingBox_ = nullptr;
    QCheckBox* sameElevationStepBox_ = nullptr;
    QCheckBox* sameRiserDiameterBox_ = nullptr;
    QCheckBox* workedExampleBox_ = nullptr;
    // The section table (Frame1) and the scroll bar that moves it (VScroll1).
    QFrame* tableFrame_ = nullptr;
    QScrollBar* tableScrollBar_ = nullptr;
    // Command1, Command2, Command3.
    QPushButton* solveButton_ = nullptr;
    QPushButton* graphsButton_ = nullptr;
    QPushButton* loadingShaftButton_ = nullptr;
    std::array<std::array<QLineEdit*, kSectionRows>, kColumns> cells_{};

    // The menu "Διαχυτήρας" (Thalmuro) and its entry genika_Thalmuro.
    QMenu* diffuserMenu_ = nullptr;
    QAction* generalitiesEntry_ = nullptr;
    // The menu "Παροχή Υπολογισμού" (paroxi).
    QMenu* flowMenu_ = nullptr;
    // The menu "Οδηγίες" (help) and its entry help_general.
    QMenu* helpMenu_ = nullptr;
    QAction* instructionsEntry_ = nullptr;
    // The entries of the menu "Γλώσσα / Language" (glossa_ellinika, glossa_english).
    QAction* greekEntry_ = nullptr;
    QAction* englishEntry_ = nullptr;
    // The flow-mode entries of the menu "Παροχή Υπολογισμού" (paroxi_me_stantar,
    // paroxi_beltisti, paroxi_kathorismeni).
    QAction* standardFlowEntry_ = nullptr;
    QAction* optimisedFlowEntry_ = nullptr;
    QAction* userFlowEntry_ = nullptr;
    // The entries of the menu "Διαχυτήρας" that wait for a Solve: the report viewer
    // (provoli_anaforas), enabled once a report was written, and the results as CSV
    // (exagogi_apotelesmaton), enabled by the first Solve.
    QAction* reportViewEntry_ = nullptr;
    QAction* resultsExportEntry_ = nullptr;
    // The status bar (grammi_katastasis), shown only while it tells something of the last
    // Solve: that it skipped steps (the notice, with its text and the link to the design checks,
    // paraleifthenta_vimata) or where its report went (a line of ReportFiles).
    QStatusBar* statusLine_ = nullptr;
    QWidget* skippedStepsNotice_ = nullptr;
    QLabel* skippedStepsText_ = nullptr;
    // How many causes of skipped steps the notice tells of.
    std::size_t skippedCauses_ = 0;

    // The section count and table that the last applySectionTable replaced, until restored.
    struct SectionTable {
        std::string sections;
        std::array<SectionRow, kSectionRows> rows;
    };
    std::optional<SectionTable> replacedSectionTable_;

    // The answer to the ratio question last given in this session or read from a file.
    std::optional<std::string> lastRatio_;
    ProjectFiles* projectFiles_ = nullptr;
    ReportFiles* reportFiles_ = nullptr;
    Report lastReport_;
    QString lastReportFile_;
};

}  // namespace thalmuro
