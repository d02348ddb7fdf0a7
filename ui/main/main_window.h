// Form1, the main window: the general inputs of the diffuser, the fitting type, the 30-row
// section table that scrolls inside Frame1, the fill aids, the three command buttons and the
// menu bar with the flow-mode marks.
#pragma once

#include <QMainWindow>
#include <array>

#include "thalmuro/engine.h"

class QAction;
class QCheckBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace thalmuro {

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // The columns of the section table, in the order in which a row is read and written.
    enum Column {
        textfn,
        textln,
        textdr_thalmuro,
        textdxanipsotiror,
        textdz_anipsotiron,
        textdr_anipsotiron
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

  signals:
    // The buttons and menu entries that open the other windows. The window itself opens
    // none of them: whoever owns the windows connects to these.
    void graphsRequested();        // Command2 "Γραφικές Παραστάσεις"
    void loadingShaftRequested();  // Command3 "Φρεάτιο Φόρτισης"
    void generalitiesRequested();  // genika_Thalmuro
    void instructionsRequested();  // help_general
    void aboutRequested();         // about

  private:
    void createControls(QWidget* client);
    void createSectionTable();
    void createMenus();
    void arrangeFocusOrder();

    void scrollTable(int value);
    void fillColumn(const QCheckBox* box, Column column);
    void loadWorkedExample();
    void chooseFlowMode(QAction* chosen);
    FlowMode flowMode() const;
    void solve();

    // Reads the section count N from Text2 into tmimata and returns how many rows of the
    // table the fill aids may touch.
    int rowsOfSections();

    QLineEdit* cell(Column column, int row) const { return cells_[column][row - 1]; }

    SharedState& state_;
    const NumberLocale numberLocale_;
    bool solving_ = false;

    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QLineEdit* text4_ = nullptr;
    QLineEdit* text5_ = nullptr;
    QLineEdit* text6_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QCheckBox* check3_ = nullptr;
    QCheckBox* check4_ = nullptr;
    QFrame* frame1_ = nullptr;
    QScrollBar* vscroll1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command3_ = nullptr;
    std::array<std::array<QLineEdit*, kSectionRows>, kColumns> cells_{};

    QAction* paroxiMeStantar_ = nullptr;
    QAction* paroxiBeltisti_ = nullptr;
    QAction* paroxiKathorismeni_ = nullptr;
};

}  // namespace thalmuro
