#include "line_chart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QEvent>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QSet>
#include <algorithm>
#include <cmath>

namespace thalmuro {
namespace {

// The windows are laid out at 96 pixels per inch (15 twips to the pixel); a point is 1/72 inch.
// Qt's device-pixel ratio scales pixels further on screens with more of them.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

// Qt Charts gives each label of a category axis an equal share of the axis width (one share
// more than there are labels) less a padding of this many pixels on each side, and cuts a
// label that is wider down to "...".
constexpr double kLabelPaddingPixels = 5.0;

// The counts of rows and columns are 16-bit numbers.
constexpr int kMaxCount = 32767;

// A series whose colour and width nobody has set.
constexpr double kDefaultWidthPoints = 1.0;

QString seriesName(int column) {
    return QStringLiteral("C%1").arg(column);
}

}  // namespace

ValueScale valueScaleFor(double min, double max) {
    if (!std::isfinite(min) || !std::isfinite(max) || min > max) return {0.0, 1.0, 0.2};
    // Values so close to the largest double that no margin can be added are shown as they are.
    const ValueScale plain = std::isfinite(max - min) && max > min ? ValueScale{min, max, max - min}
                                                                   : ValueScale{0.0, 1.0, 0.2};
    const double lowest = min;
    const double highest = max;
    if (min == max) {
        // A band of 10 % of the value on each side (1 around zero) keeps a constant series in
        // the middle of the plot, where it reads as a line and not as the plot's frame.
        const double pad = min == 0.0 ? 1.0 : std::fabs(min) * 0.1;
        min -= pad;
        max += pad;
    } else {
        const double margin = (max - min) * 0.05;
        min -= margin;
        max += margin;
    }
    const double raw = (max - min) / 5.0;
    if (!std::isfinite(raw) || raw <= 0.0) return plain;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / magnitude;
    double step = 10.0 * magnitude;
    for (const double nice : {1.0, 2.0, 2.5, 5.0}) {
        if (fraction <= nice) {
            step = nice * magnitude;
            break;
        }
    }
    // Marks are whole multiples of the step, so a scale that crosses zero marks 0 exactly. The
    // margin does not carry values of one sign across zero: a plot of positive discharges or
    // Froude numbers starts at 0 at the lowest.
    double low = std::floor(min / step) * step;
    double high = std::ceil(max / step) * step;
    if (lowest > 0.0 && low < 0.0) low = 0.0;
    if (highest < 0.0 && high > 0.0) high = 0.0;
    if (!std::isfinite(low) || !std::isfinite(high) || !(step > 0.0)) return plain;
    return {low + 0.0, high + 0.0, step};
}

LineChart::LineChart(NumberLocale locale, QWidget* parent)
    : QChartView(parent), locale_(std::move(locale)) {
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);

    QChart* canvas = chart();
    canvas->setBackgroundRoundness(0);
    canvas->setDropShadowEnabled(false);
    canvas->setMargins(QMargins(4, 4, 8, 4));
    canvas->layout()->setContentsMargins(0, 0, 0, 0);
    canvas->legend()->setAlignment(Qt::AlignRight);

    rowAxis_ = new QCategoryAxis(this);
    rowAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    rowAxis_->setLabelsFont(font());
    valueAxis_ = new QCategoryAxis(this);
    valueAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    valueAxis_->setLabelsFont(font());
    canvas->addAxis(rowAxis_, Qt::AlignBottom);
    canvas->addAxis(valueAxis_, Qt::AlignLeft);

    redrawTimer_.setSingleShot(true);
    redrawTimer_.setInterval(0);
    connect(&redrawTimer_, &QTimer::timeout, this, &LineChart::redraw);
    scheduleRedraw();
}

void LineChart::setColumnCount(int count) {
    cells_.resize(static_cast<std::size_t>(std::clamp(count, 0, kMaxCount)),
                  std::vector<std::optional<double>>(static_cast<std::size_t>(rowCount_)));
    scheduleRedraw();
}

void LineChart::setRowCount(int count) {
    rowCount_ = std::clamp(count, 0, kMaxCount);
    for (auto& column : cells_)
        column.resize(static_cast<std::size_t>(rowCount_));
    labels_.resize(static_cast<std::size_t>(rowCount_));
    scheduleRedraw();
}

void LineChart::setShowLegend(bool show) {
    showLegend_ = show;
    scheduleRedraw();
}

void LineChart::setTitleText(const QString& title) {
    title_ = title;
    scheduleRedraw();
}

void LineChart::setColumn(int column) {
    column_ = column;
}

void LineChart::setRow(int row) {
    row_ = row;
}

void LineChart::setData(std::optional<double> value) {
    if (!inGrid(row_, column_)) return;
    // Qt Charts cannot place a point at an infinite or undefined value: such a cell is a gap.
    if (value && !std::isfinite(*value)) value.reset();
    cells_[static_cast<std::size_t>(column_ - 1)][static_cast<std::size_t>(row_ - 1)] = value;
    scheduleRedraw();
}

void LineChart::setRowLabel(const QString& label) {
    if (row_ < 1 || row_ > rowCount_) return;
    labels_[static_cast<std::size_t>(row_ - 1)] = label;
    scheduleRedraw();
}

std::optional<double> LineChart::data(int row, int column) const {
    if (!inGrid(row, column)) return std::nullopt;
    return cells_[static_cast<std::size_t>(column - 1)][static_cast<std::size_t>(row - 1)];
}

QString LineChart::rowLabel(int row) const {
    if (row < 1 || row > rowCount_) return {};
    return labels_[static_cast<std::size_t>(row - 1)];
}

void LineChart::setSeriesStyle(int column, const QColor& colour, double widthPoints) {
    if (column < 1) return;
    if (styles_.size() < static_cast<std::size_t>(column)) {
        styles_.resize(static_cast<std::size_t>(column), {QColor(Qt::black), kDefaultWidthPoints});
    }
    styles_[static_cast<std::size_t>(column - 1)] = {colour, widthPoints};
    scheduleRedraw();
}

QColor LineChart::seriesColour(int column) const {
    if (column < 1 || static_cast<std::size_t>(column) > styles_.size()) return Qt::black;
    return styles_[static_cast<std::size_t>(column - 1)].colour;
}

double LineChart::seriesWidthPoints(int column) const {
    if (column < 1 || static_cast<std::size_t>(column) > styles_.size()) {
        return kDefaultWidthPoints;
    }
    return styles_[static_cast<std::size_t>(column - 1)].widthPoints;
}

double LineChart::seriesWidthPixels(int column) const {
    return seriesWidthPoints(column) * kPixelsPerPoint;
}

void LineChart::setTitleFont(const QFont& font) {
    chart()->setTitleFont(font);
}

void LineChart::setRowAxisTitle(const QString& title, const QFont& font) {
    rowAxis_->setTitleText(title);
    rowAxis_->setTitleFont(font);
    rowAxis_->setTitleVisible(!title.isEmpty());
}

QString LineChart::rowAxisTitle() const {
    return rowAxis_->titleText();
}

QFont LineChart::rowAxisTitleFont() const {
    return rowAxis_->titleFont();
}

void LineChart::layOutNow() {
    // How many row labels fit depends on the plot's width, which the layout gives: draw, lay
    // out, and draw the labels again for the width found.
    redraw();
    chart()->layout()->activate();
    redraw();
    chart()->layout()->activate();
}

void LineChart::redraw() {
    redrawTimer_.stop();
    stale_ = false;
    chart()->setTitle(title_);
    chart()->legend()->setVisible(showLegend_);
    drawSeries();
    scaleRowAxis();
    scaleValueAxis();
}

void LineChart::changeEvent(QEvent* event) {
    // The axes' marks are written in the chart's font, which it takes from its window.
    if (event->type() == QEvent::FontChange) {
        rowAxis_->setLabelsFont(font());
        valueAxis_->setLabelsFont(font());
        scheduleRedraw();
    }
    QChartView::changeEvent(event);
}

void LineChart::showEvent(QShowEvent* event) {
    // Draw before the first paint, so that a chart filled while hidden never shows old content.
    if (stale_) redraw();
    QChartView::showEvent(event);
}

void LineChart::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    // How many row labels fit depends on the width.
    scheduleRedraw();
}

void LineChart::scheduleRedraw() {
    stale_ = true;
    redrawTimer_.start();
}

void LineChart::drawSeries() {
    QChart* canvas = chart();
    canvas->removeAllSeries();
    for (int column = 1; column <= columnCount(); ++column) {
        QPen pen(seriesColour(column));
        pen.setWidthF(seriesWidthPixels(column));
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);

        // An empty cell breaks the line: each run of filled cells is a series of its own, all
        // in the column's pen, and the legend names the column once.
        std::vector<QLineSeries*> runs;
        QLineSeries* run = nullptr;
        const auto& cells = cells_[static_cast<std::size_t>(column - 1)];
        for (int row = 0; row < rowCount_; ++row) {
            const std::optional<double>& value = cells[static_cast<std::size_t>(row)];
            if (!value) {
                run = nullptr;
                continue;
            }
            if (run == nullptr) {
                run = new QLineSeries;
                run->setName(seriesName(column));
                run->setPen(pen);
                runs.push_back(run);
            }
            run->append(row, *value);
        }
        for (QLineSeries* series : runs) {
            // A line through one point is not drawn: a lone value is marked by a dot instead.
            if (series->count() == 1) {
                series->setPointsVisible(true);
                series->setMarkerSize(std::max(3.0 * pen.widthF(), 6.0));
                series->setBrush(pen.color());
            }
            canvas->addSeries(series);
            series->attachAxis(rowAxis_);
            series->attachAxis(valueAxis_);
            if (series != runs.front()) {
                for (QLegendMarker* marker : canvas->legend()->markers(series)) {
                    marker->setVisible(false);
                }
            }
        }
    }
}

void LineChart::scaleRowAxis() {
    for (const QString& label : rowAxis_->categoriesLabels())
        rowAxis_->remove(label);
    // Row k (from 1) stands at x = k - 1, in the middle of a category one unit wide.
    rowAxis_->setRange(-0.5, std::max(rowCount_, 1) - 0.5);
    rowAxis_->setStartValue(-0.5);
    if (rowCount_ == 0) {
        // Qt Charts lays out no part of a category axis that has no categories, so its title
        // would stay at the chart's top-left corner and its labels would take no height. One
        // empty category at the start value, labelled with a zero-width space that draws
        // nothing, gives the axis its marks and keeps the title and the plot where a chart
        // with rows has them.
        rowAxis_->append(QString(QChar(0x200B)), -0.5);
        return;
    }

    // Label as many rows as fit whole side by side: every row when there is room, else every
    // second, third... row from the first on.
    const QFontMetrics metrics(rowAxis_->labelsFont());
    int widest = 1;
    for (const QString& label : labels_)
        widest = std::max(widest, metrics.horizontalAdvance(label));
    const QRectF plot = chart()->plotArea();
    const double room = plot.width() > 0.0 ? plot.width() : std::max(width() - 60, 1);
    const double share = widest + 2.0 * kLabelPaddingPixels + 2.0;
    int every = 1;
    while (every < rowCount_ && room / ((rowCount_ + every - 1) / every + 1) < share)
        ++every;

    // The axis takes each label text once; a repeated label is told apart by zero-width
    // spaces, which draw nothing.
    QSet<QString> used;
    for (int row = 0; row < rowCount_; row += every) {
        QString label = labels_[static_cast<std::size_t>(row)];
        while (used.contains(label))
            label += QChar(0x200B);
        used.insert(label);
        rowAxis_->append(label, row);
    }
}

void LineChart::scaleValueAxis() {
    bool any = false;
    double min = 0.0;
    double max = 0.0;
    for (const auto& column : cells_) {
        for (const std::optional<double>& value : column) {
            if (!value) continue;
            min = any ? std::min(min, *value) : *value;
            max = any ? std::max(max, *value) : *value;
            any = true;
        }
    }
    const ValueScale scale = any ? valueScaleFor(min, max) : ValueScale{0.0, 1.0, 0.2};

    for (const QString& label : valueAxis_->categoriesLabels())
        valueAxis_->remove(label);
    valueAxis_->setRange(scale.low, scale.high);
    valueAxis_->setStartValue(scale.low);
    // Each mark is a whole multiple of the step, written in the general number format of the
    // user's regional settings; multiplying (not adding steps up) keeps 0 exact.
    const double first = std::round(scale.low / scale.step);
    const double last = std::round(scale.high / scale.step);
    if (!(last - first <= 100.0)) {
        valueAxis_->append(QString::fromStdString(formatGeneral(scale.high, locale_)), scale.high);
        return;
    }
    for (double k = first; k <= last; k += 1.0) {
        const double value = k * scale.step;
        valueAxis_->append(QString::fromStdString(formatGeneral(value, locale_)), value);
    }
}

bool LineChart::inGrid(int row, int column) const {
    return row >= 1 && row <= rowCount_ && column >= 1 && column <= columnCount();
}

}  // namespace thalmuro
