// The chart of the operating conditions: the landward head and the lowest densimetric Froude
// number of each solved condition against its total discharge Q, on two value axes, with the
// line Froude = 1 below which seawater can enter the risers.
#pragma once

#include <QChartView>
#include <vector>

#include "thalmuro/engine.h"

namespace thalmuro {

class ConditionsChart : public QChartView {
    Q_OBJECT
  public:
    explicit ConditionsChart(NumberLocale numberLocale, QWidget* parent = nullptr);

    // Draws `results`: one pair of lines per Δρ/ρ, the points in the order of Q, with titles in
    // the interface language (the tab draws them again when the language changes).
    void showResults(const std::vector<ConditionResult>& results);

  private:
    const NumberLocale numberLocale_;
};

}  // namespace thalmuro
