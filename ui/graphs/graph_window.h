// Form4, the graph window "ΓΡΑΦΙΚΕΣ ΠΑΡΑΣΤΑΣΕΙΣ": plots one per-riser result of the last Solve
// at a time against the riser number, the riser discharge with its mean and ±10 % band and the
// densimetric Froude number with its limits 1 and 10 on a second, reference chart. The window's
// context menu adds the hydraulic profile: the energy and piezometric lines along the diffuser.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "chart_legend.h"
#include "thalmuro/engine.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QAction;
class QPushButton;

namespace thalmuro {

class LineChart;
class ProfileChart;
struct ChartPicture;

class GraphWindow : public QWidget {
    Q_OBJECT
  public:
    // The six plots, in the order of their buttons Command1 to Command6, and the hydraulic
    // profile, from the entry ydravliki_mikotomi of the window's context menu.
    enum class Plot {
        energy,
        cd,
        diffuser_velocity,
        riser_velocity,
        riser_discharge,
        froude,
        profile,
    };

    // `results` is the program's results store; each plot reads it at the moment its button is
    // pressed, so the window always plots the last Solve. `numberLocale` is the regional format
    // in which the mean discharge and the chart marks are written.
    GraphWindow(const DiffuserResults& results, NumberLocale numberLocale,
                QWidget* parent = nullptr);

    // What a plot button does: shows the charts and legend of the plot and fills them from the
    // store.
    void plot(Plot which);

    // The design of the last Solve (`solvedState` the shared variables it left): the hydraulic
    // profile places the risers along the pipe by its section table, read with the window's
    // regional format. Until it is given, the profile has no risers to draw.
    void setSolvedDesign(const DiffuserInput& problem, const SharedState& solvedState);

  signals:
    // Label4 "Μέγιστος Επιτρεπόμενος (10)" was clicked: the nomograph window should open.
    void nomographRequested();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // Sets every text of the window in the interface language; the charts keep their plots
    // and take the titles of the new language.
    void retranslate();
    void createControls();
    void createDischargeLegend();
    void createFroudeLegend();
    void createDirectionStrip();
    void createProfile();
    void setStartingState();
    void showMinimumFroudeInformation();
    void plotProfile();
    // The texts of the profile's chart and legend in the interface language.
    void setProfileTexts();
    // What a saved picture of the main or the reference chart shows: the plot with its
    // reference lines and legend, as the window shows it.
    ChartPicture mainPicture() const;
    ChartPicture referencePicture() const;
    // The main chart of a discharge or Froude plot drawn with the reference lines of the
    // reference chart, off the screen.
    std::shared_ptr<LineChart> mainChartWithReferences() const;
    // The legend of the discharge or Froude plot drawn on `drawn`: the texts of the window's
    // legend panel with the series' own colours and widths.
    std::vector<LegendEntry> referenceLegend(Plot which, const LineChart& drawn) const;

    const DiffuserResults& results_;
    const NumberLocale numberLocale_;

    // The plotted quantity (MSChart1) and, for the discharge and the Froude number, the same
    // with its reference lines (MSChart2).
    LineChart* mainChart_ = nullptr;
    LineChart* referenceChart_ = nullptr;
    // The legends of the Froude (Frame1) and the discharge (Frame2) plots.
    QGroupBox* froudeLegend_ = nullptr;
    QGroupBox* dischargeLegend_ = nullptr;
    // The mean discharge Q/N in the discharge legend (Text1).
    QLineEdit* meanDischargeBox_ = nullptr;
    // The hydraulic profile in the place of the main chart, its legend in the column of the
    // reference chart, and the entry of the window's context menu that shows them.
    ProfileChart* profileChart_ = nullptr;
    QGroupBox* profileLegend_ = nullptr;
    LegendPanel* profileLegendPanel_ = nullptr;
    QAction* profileEntry_ = nullptr;
    // The design of the last Solve and its section count, for the profile.
    std::optional<DiffuserInput> solvedProblem_;
    std::int16_t solvedSections_ = 0;
    // The sketch of the outfall below the main chart (Picture1).
    QLabel* outfallSketch_ = nullptr;
    // The six plot buttons (Command1 to Command6), in the order of Plot.
    std::vector<QPushButton*> plotButtons_;
    // The labels of the legends and the direction strip, each with its source text.
    std::vector<std::pair<QLabel*, const char*>> labelTexts_;
    // The plot each chart shows, none before its first plot: the main chart's is the last plot
    // chosen, the reference chart's the last discharge or Froude plot.
    std::optional<Plot> mainPlot_;
    std::optional<Plot> referencePlot_;
};

// Shows the graph window held in `window`: creates it when there is none (it then starts in its
// initial state) or brings the open one to the front, untouched. The window has no owner and
// destroys itself when closed, which clears `window`.
GraphWindow* showGraphWindow(QPointer<GraphWindow>& window, const DiffuserResults& results,
                             const NumberLocale& numberLocale);

}  // namespace thalmuro
