// Form4, the graph window "ΓΡΑΦΙΚΕΣ ΠΑΡΑΣΤΑΣΕΙΣ": plots one per-riser result of the last Solve
// at a time against the riser number, the riser discharge with its mean and ±10 % band and the
// densimetric Froude number with its limits 1 and 10 on a second, reference chart.
#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

#include "thalmuro/engine.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace thalmuro {

class LineChart;

class GraphWindow : public QWidget {
    Q_OBJECT
  public:
    // The six plots, in the order of their buttons Command1 to Command6.
    enum class Plot { energy, cd, diffuser_velocity, riser_velocity, riser_discharge, froude };

    // `results` is the program's results store; each plot reads it at the moment its button is
    // pressed, so the window always plots the last Solve. `numberLocale` is the regional format
    // in which the mean discharge and the chart marks are written.
    GraphWindow(const DiffuserResults& results, NumberLocale numberLocale,
                QWidget* parent = nullptr);

    // What a plot button does: shows the charts and legend of the plot and fills them from the
    // store.
    void plot(Plot which);

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
    void setStartingState();
    void showMinimumFroudeInformation();

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
