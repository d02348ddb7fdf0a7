#include "profile_chart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <algorithm>
#include <cmath>

#include "line_chart.h"

namespace thalmuro {
namespace {

// The windows are laid out at 96 pixels per inch; a point is 1/72 inch.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

// Marks every `step` from `low` to `high`, written in the general number format.
void markAxis(QCategoryAxis* axis, double low, double high, double step, double from,
              const NumberLocale& locale) {
    for (const QString& label : axis->categoriesLabels())
        axis->remove(label);
    axis->setRange(low, high);
    axis->setStartValue(low);
    const double first = std::ceil(from / step - 1e-9);
    const double last = std::floor(high / step + 1e-9);
    if (!(last - first <= 100.0)) return;
    for (double k = first; k <= last; k += 1.0) {
        // Multiplying, not adding steps up, keeps every mark a round number.
        const double value = k * step + 0.0;
        axis->append(QString::fromStdString(formatGeneral(value, locale)), value);
    }
}

// The head needed at the landward end is marked in dark green, apart from the two lines.
const QColor kLandwardHeadColour(0, 128, 0);

QPen linePen(const QColor& colour, double points) {
    QPen pen(colour);
    pen.setWidthF(points * kPixelsPerPoint);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

}  // namespace

ProfileChart::ProfileChart(NumberLocale locale, QWidget* parent)
    : QChartView(parent), locale_(std::move(locale)) {
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);

    QChart* canvas = chart();
    canvas->setBackgroundRoundness(0);
    canvas->setDropShadowEnabled(false);
    canvas->layout()->setContentsMargins(0, 0, 0, 0);
    // The window's legend panel names the series.
    canvas->legend()->setVisible(false);

    distanceAxis_ = new QCategoryAxis(this);
    distanceAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    distanceAxis_->setLabelsFont(font());
    distanceAxis_->setReverse(true);
    headAxis_ = new QCategoryAxis(this);
    headAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    headAxis_->setLabelsFont(font());
    canvas->addAxis(distanceAxis_, Qt::AlignBottom);
    canvas->addAxis(headAxis_, Qt::AlignLeft);

    energy_ = new QLineSeries(this);
    energy_->setObjectName(QStringLiteral("energyLine"));
    energy_->setPen(linePen(Qt::red, 2.0));
    piezometric_ = new QLineSeries(this);
    piezometric_->setObjectName(QStringLiteral("piezometricLine"));
    piezometric_->setPen(linePen(Qt::blue, 2.0));
    risers_ = new QScatterSeries(this);
    risers_->setObjectName(QStringLiteral("risers"));
    risers_->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    risers_->setMarkerSize(7.0);
    risers_->setColor(Qt::black);
    risers_->setBorderColor(Qt::black);
    landward_ = new QScatterSeries(this);
    landward_->setObjectName(QStringLiteral("landwardHead"));
    landward_->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    landward_->setMarkerSize(12.0);
    landward_->setColor(kLandwardHeadColour);
    landward_->setBorderColor(kLandwardHeadColour.darker(150));
    for (QXYSeries* series :
         std::initializer_list<QXYSeries*>{energy_, piezometric_, risers_, landward_}) {
        canvas->addSeries(series);
        series->attachAxis(distanceAxis_);
        series->attachAxis(headAxis_);
    }
    scaleAxes();
}

void ProfileChart::setProfile(HydraulicProfile profile) {
    profile_ = std::move(profile);
    QList<QPointF> energy;
    QList<QPointF> piezometric;
    for (std::size_t i = 0; i < profile_.distance.size(); ++i) {
        const double x = profile_.distance[i];
        if (!std::isfinite(x)) continue;
        if (std::isfinite(profile_.energy[i])) energy.append({x, profile_.energy[i]});
        if (std::isfinite(profile_.piezometric[i]))
            piezometric.append({x, profile_.piezometric[i]});
    }
    energy_->replace(energy);
    piezometric_->replace(piezometric);
    // The risers stand where the pipe's pressure acts on them, on the piezometric line.
    risers_->replace(piezometric);
    QList<QPointF> landward;
    if (!profile_.distance.empty() && std::isfinite(profile_.distance.back()) &&
        std::isfinite(profile_.landward_head)) {
        landward.append({profile_.distance.back(), profile_.landward_head});
    }
    landward_->replace(landward);
    scaleAxes();
}

void ProfileChart::setTexts(const Texts& texts) {
    chart()->setTitle(texts.title);
    distanceAxis_->setTitleText(texts.distanceAxis);
    headAxis_->setTitleText(texts.headAxis);
    energy_->setName(texts.energyLine);
    piezometric_->setName(texts.piezometricLine);
    risers_->setName(texts.risers);
    landward_->setName(texts.landwardHead);
}

std::vector<LegendEntry> ProfileChart::legendEntries() const {
    return {
        {energy_->name(), energy_->pen().color(), energy_->pen().widthF(), LegendMark::line},
        {piezometric_->name(), piezometric_->pen().color(), piezometric_->pen().widthF(),
         LegendMark::line},
        {risers_->name(), risers_->color(), risers_->markerSize(), LegendMark::dot},
        {landward_->name(), landward_->color(), landward_->markerSize(), LegendMark::square},
    };
}

void ProfileChart::scaleAxes() {
    double farthest = 0.0;
    bool anyHead = false;
    double lowest = 0.0;
    double highest = 0.0;
    for (const QXYSeries* series :
         {static_cast<const QXYSeries*>(energy_), static_cast<const QXYSeries*>(piezometric_),
          static_cast<const QXYSeries*>(landward_)}) {
        for (const QPointF& point : series->points()) {
            farthest = std::max(farthest, point.x());
            lowest = anyHead ? std::min(lowest, point.y()) : point.y();
            highest = anyHead ? std::max(highest, point.y()) : point.y();
            anyHead = true;
        }
    }
    // The distance axis starts half a step before riser 1, so that its mark stands clear of the
    // plot's edge, and marks only distances from 0 on.
    const ValueScale along = valueScaleFor(0.0, farthest);
    markAxis(distanceAxis_, -along.step / 2.0, along.high, along.step, 0.0, locale_);
    const ValueScale head = anyHead ? valueScaleFor(lowest, highest) : ValueScale{0.0, 1.0, 0.2};
    markAxis(headAxis_, head.low, head.high, head.step, head.low, locale_);
}

}  // namespace thalmuro
