// The chart of the hydraulic profile: the energy line and the piezometric line of the last Solve
// along the diffuser, against the distance from the seaward end, with the risers' positions and
// the head needed at the landward end marked. The distance axis runs from right to left, so
// that the seaward end lies on the right as on the window's direction strip.
#pragma once

#include <QChartView>
#include <QString>

#include <vector>

#include "chart_legend.h"
#include "thalmuro/engine.h"

QT_BEGIN_NAMESPACE
class QCategoryAxis;
class QLineSeries;
class QScatterSeries;
QT_END_NAMESPACE

namespace thalmuro {

class ProfileChart : public QChartView {
    Q_OBJECT
  public:
    // `locale` is the regional number format of the axes' marks.
    explicit ProfileChart(NumberLocale locale, QWidget* parent = nullptr);

    // Draws `profile`; a riser whose distance is unknown is left out of the lines and marks.
    void setProfile(HydraulicProfile profile);
    const HydraulicProfile& profile() const { return profile_; }

    // The texts in the interface language: the title, the axes' titles (with their units) and
    // the names of the series.
    struct Texts {
        QString title;
        QString distanceAxis;
        QString headAxis;
        QString energyLine;
        QString piezometricLine;
        QString risers;
        QString landwardHead;
    };
    void setTexts(const Texts& texts);

    // The legend of the chart: each series with its name, colour and line or mark.
    std::vector<LegendEntry> legendEntries() const;

    // The series, named "energyLine", "piezometricLine", "risers" and "landwardHead".
    QLineSeries* energyLine() const { return energy_; }
    QLineSeries* piezometricLine() const { return piezometric_; }
    QScatterSeries* risers() const { return risers_; }
    QScatterSeries* landwardHead() const { return landward_; }
    QCategoryAxis* distanceAxis() const { return distanceAxis_; }
    QCategoryAxis* headAxis() const { return headAxis_; }

  private:
    void scaleAxes();

    const NumberLocale locale_;
    HydraulicProfile profile_;
    QLineSeries* energy_ = nullptr;
    QLineSeries* piezometric_ = nullptr;
    QScatterSeries* risers_ = nullptr;
    QScatterSeries* landward_ = nullptr;
    QCategoryAxis* distanceAxis_ = nullptr;
    QCategoryAxis* headAxis_ = nullptr;
};

}  // namespace thalmuro
