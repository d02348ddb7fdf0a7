#include "sizing_chart.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <utility>

namespace thalmuro {
namespace {

const QColor kCurrentColour(120, 120, 120);
const QColor kProposalColour(0, 70, 160);
const QColor kShareColour(20, 110, 20);

// The risers' line: a point per riser, numbered from 1.
QLineSeries* dischargeLine(const QString& name, const std::vector<double>& discharges,
                           const QColor& colour) {
    auto* line = new QLineSeries;
    line->setName(name);
    for (std::size_t i = 0; i < discharges.size(); ++i)
        line->append(static_cast<double>(i + 1), discharges[i]);
    line->setPen(QPen(colour, 2));
    line->setPointsVisible(true);
    return line;
}

// A level line across the risers.
QLineSeries* levelLine(const QString& name, double value, double first, double last,
                       Qt::PenStyle style) {
    auto* line = new QLineSeries;
    line->setName(name);
    line->append(first, value);
    line->append(last, value);
    line->setPen(QPen(kShareColour, 1.5, style));
    return line;
}

}  // namespace

SizingChart::SizingChart(NumberLocale numberLocale, QWidget* parent)
    : QChartView(parent), numberLocale_(std::move(numberLocale)) {
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(260);
    showDischarges({}, {}, 0.0, 0.0);
}

void SizingChart::showDischarges(const std::vector<double>& current,
                                 const std::vector<double>& proposed, double shareOfRiser,
                                 double tolerance) {
    auto* chart = new QChart;
    chart->setTitle(tr("Παροχή κάθε ανυψωτήρα στην παροχή σχεδιασμού Q"));
    // The axes write their numbers with the decimal separator of the regional format.
    chart->setLocalizeNumbers(true);
    chart->setLocale(numberLocale_.decimal_separator == ","
                         ? QLocale(QLocale::Greek, QLocale::Greece)
                         : QLocale(QLocale::English, QLocale::UnitedStates));

    const double risers = static_cast<double>(std::max(proposed.size(), std::size_t{1}));
    auto* riserAxis = new QValueAxis;
    riserAxis->setTitleText(tr("Ανυψωτήρας"));
    riserAxis->setRange(1.0, std::max(risers, 2.0));
    riserAxis->setLabelFormat(QStringLiteral("%.0f"));
    // A whole number of risers between the ticks, about fifteen ticks at most.
    riserAxis->setTickType(QValueAxis::TicksDynamic);
    riserAxis->setTickAnchor(1.0);
    riserAxis->setTickInterval(std::max(1.0, std::ceil(risers / 15.0)));

    const double band = shareOfRiser * tolerance / 100.0;
    double lowest = shareOfRiser - band;
    double highest = shareOfRiser + band;
    for (const std::vector<double>* line : {&current, &proposed}) {
        for (const double q : *line) {
            if (!std::isfinite(q)) continue;
            lowest = std::min(lowest, q);
            highest = std::max(highest, q);
        }
    }
    const double margin = std::max((highest - lowest) * 0.1, 1e-6);
    auto* dischargeAxis = new QValueAxis;
    // The symbol alone: the chart's height leaves little room beside the axis.
    dischargeAxis->setTitleText(QStringLiteral("q (m³/s)"));
    dischargeAxis->setRange(proposed.empty() ? 0.0 : std::max(0.0, lowest - margin),
                            proposed.empty() ? 1.0 : highest + margin);
    dischargeAxis->setLabelFormat(QStringLiteral("%.4f"));
    chart->addAxis(riserAxis, Qt::AlignBottom);
    chart->addAxis(dischargeAxis, Qt::AlignLeft);

    const auto add = [&](QLineSeries* series) {
        chart->addSeries(series);
        series->attachAxis(riserAxis);
        series->attachAxis(dischargeAxis);
    };
    if (!proposed.empty()) {
        const QString percent = QString::fromStdString(formatGeneral(tolerance, numberLocale_));
        add(levelLine(QStringLiteral("Q/N"), shareOfRiser, 1.0, risers, Qt::DashLine));
        auto* upper = levelLine(QStringLiteral("Q/N ± %1 %").arg(percent), shareOfRiser + band, 1.0,
                                risers, Qt::DotLine);
        auto* lower = levelLine(QString(), shareOfRiser - band, 1.0, risers, Qt::DotLine);
        add(upper);
        add(lower);
        // The band's two lines are one entry of the legend.
        for (QLegendMarker* marker : chart->legend()->markers(lower))
            marker->setVisible(false);
        if (!current.empty()) add(dischargeLine(tr("Σχεδιασμός ως έχει"), current, kCurrentColour));
        add(dischargeLine(tr("Πρόταση"), proposed, kProposalColour));
    }

    chart->legend()->setAlignment(Qt::AlignRight);
    QChart* previous = this->chart();
    setChart(chart);
    delete previous;
}

}  // namespace thalmuro
