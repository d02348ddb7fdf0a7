// The chart of the riser sizing: the discharge of every riser at the design Q, of the design as
// typed and of the proposal, against the share Q/N and the band Q/N ± the tolerance within which
// every riser is to pass its share.
#pragma once

#include <QChartView>
#include <vector>

#include "thalmuro/engine.h"

namespace thalmuro {

class SizingChart : public QChartView {
    Q_OBJECT
  public:
    explicit SizingChart(NumberLocale numberLocale, QWidget* parent = nullptr);

    // Draws the discharges (m³/s) of risers 1..N of the design as typed (`current`, empty when
    // it was not weighed) and of the proposal, with Q/N and the band of ± `tolerance` % around
    // it; titles in the interface language (the tab draws them again when the language
    // changes). Nothing but the titles when `proposed` is empty.
    void showDischarges(const std::vector<double>& current, const std::vector<double>& proposed,
                        double shareOfRiser, double tolerance);

  private:
    const NumberLocale numberLocale_;
};

}  // namespace thalmuro
