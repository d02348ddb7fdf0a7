#include "conditions_chart.h"

#include <QChart>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <map>
#include <utility>

namespace thalmuro {
namespace {

// The head's lines in blues, the Froude numbers' in reds, one shade per Δρ/ρ.
const QColor kHeadColours[] = {QColor(0, 70, 160), QColor(60, 130, 210), QColor(0, 130, 130)};
const QColor kFroudeColours[] = {QColor(190, 30, 30), QColor(220, 110, 40), QColor(150, 40, 120)};

QString text(double value, const NumberLocale& locale) {
    return QString::fromStdString(formatGeneral(value, locale));
}

// A value axis whose labels follow the regional format, from 0 to a little above `largest`.
QValueAxis* valueAxis(const QString& title, double largest) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(0.0, largest > 0.0 ? largest * 1.1 : 1.0);
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%.3g"));
    return axis;
}

}  // namespace

ConditionsChart::ConditionsChart(NumberLocale numberLocale, QWidget* parent)
    : QChartView(parent), numberLocale_(std::move(numberLocale)) {
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(260);
    showResults({});
}

void ConditionsChart::showResults(const std::vector<ConditionResult>& results) {
    auto* chart = new QChart;
    chart->setTitle(
        tr("Ενέργεια στο χερσαίο άκρο και ελάχιστος αριθμός Froude ανάλογα με την ολική παροχή"));
    // The axes write their numbers with the decimal separator of the regional format.
    chart->setLocalizeNumbers(true);
    chart->setLocale(numberLocale_.decimal_separator == ","
                         ? QLocale(QLocale::Greek, QLocale::Greece)
                         : QLocale(QLocale::English, QLocale::UnitedStates));

    // The conditions grouped by Δρ/ρ, each group in the order of Q.
    std::map<double, std::vector<const ConditionResult*>> groups;
    double largestQ = 0.0;
    double largestHead = 0.0;
    double largestFroude = 1.0;
    for (const ConditionResult& result : results) {
        groups[result.condition.drho].push_back(&result);
        largestQ = std::max(largestQ, result.condition.q);
        largestHead = std::max(largestHead, result.landward_head);
        largestFroude = std::max(largestFroude, result.froude_min);
    }

    auto* qAxis = valueAxis(tr("Ολική παροχή Q (m³/s)"), largestQ);
    auto* headAxis = valueAxis(tr("E χερσαίου άκρου (m)"), largestHead);
    auto* froudeAxis = valueAxis(tr("Ελάχιστος Froude"), largestFroude);
    chart->addAxis(qAxis, Qt::AlignBottom);
    chart->addAxis(headAxis, Qt::AlignLeft);
    chart->addAxis(froudeAxis, Qt::AlignRight);
    headAxis->setLinePenColor(kHeadColours[0]);
    froudeAxis->setLinePenColor(kFroudeColours[0]);

    const auto add = [&](QLineSeries* series, QValueAxis* valueAxis) {
        chart->addSeries(series);
        series->attachAxis(qAxis);
        series->attachAxis(valueAxis);
    };
    std::size_t shade = 0;
    for (auto& [drho, group] : groups) {
        std::stable_sort(group.begin(), group.end(), [](const auto* a, const auto* b) {
            return a->condition.q < b->condition.q;
        });
        const QString suffix = groups.size() > 1
                                   ? QStringLiteral(", Δρ/ρ = %1").arg(text(drho, numberLocale_))
                                   : QString();
        auto* head = new QLineSeries;
        head->setName(tr("Ενέργεια χερσαίου άκρου (m)") + suffix);
        auto* froude = new QLineSeries;
        froude->setName(tr("Ελάχιστος αριθμός Froude") + suffix);
        for (const ConditionResult* result : group) {
            head->append(result->condition.q, result->landward_head);
            froude->append(result->condition.q, result->froude_min);
        }
        const std::size_t colour = shade++ % std::size(kHeadColours);
        head->setPen(QPen(kHeadColours[colour], 2));
        froude->setPen(QPen(kFroudeColours[colour], 2));
        head->setPointsVisible(true);
        froude->setPointsVisible(true);
        add(head, headAxis);
        add(froude, froudeAxis);
    }

    // Froude = 1 across the whole discharge axis.
    auto* limit = new QLineSeries;
    limit->setName(QStringLiteral("Froude = 1"));
    limit->append(qAxis->min(), 1.0);
    limit->append(qAxis->max(), 1.0);
    limit->setPen(QPen(QColor(60, 60, 60), 1.5, Qt::DashLine));
    add(limit, froudeAxis);

    chart->legend()->setAlignment(Qt::AlignBottom);
    QChart* previous = this->chart();
    setChart(chart);
    delete previous;
}

}  // namespace thalmuro
