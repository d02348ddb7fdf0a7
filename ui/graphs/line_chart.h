// The chart of the graph window: a grid of rows by columns of numbers drawn as line series.
//
// The graph window drives a chart the way a grid chart is driven: it sets the size of the data
// grid, chooses a cell with setRow and setColumn and gives it a value with setData, and labels
// the current row with setRowLabel. The grid is kept here as plain data (readable back through
// data() and rowLabel()) and drawn with Qt Charts: each column is one line series across the
// rows in row order, the rows are the categories of the horizontal axis, marked with their
// labels, and the vertical axis follows the values.
#pragma once

#include <QChartView>
#include <QColor>
#include <QFont>
#include <QString>
#include <QTimer>
#include <optional>
#include <vector>

#include "thalmuro/engine.h"

QT_BEGIN_NAMESPACE
class QCategoryAxis;
QT_END_NAMESPACE

namespace thalmuro {

// A value axis from `low` to `high` with a mark every `step`; `low` and `high` are whole
// multiples of `step`, so every mark falls on a round number.
struct ValueScale {
    double low;
    double high;
    double step;
};

// The scale of a value axis that shows every value from `min` to `max` (min <= max) with a
// margin on both sides: steps of 1, 2, 2.5 or 5 times a power of ten, about five of them. A
// constant series (min == max) gets a band around its value so that it is drawn inside the
// plot and not on its edge.
ValueScale valueScaleFor(double min, double max);

class LineChart : public QChartView {
    Q_OBJECT
  public:
    // `locale` is the regional number format in which the marks of the value axis are written.
    explicit LineChart(NumberLocale locale, QWidget* parent = nullptr);

    // The grid operations (the chart is shown and hidden as any widget is). Counts are 16-bit:
    // below zero they count as zero, above 32767 as 32767. Rows and columns are numbered from 1; a
    // cell outside the grid cannot be set, so setData there does nothing, and setRowLabel does
    // nothing on a row outside it. Changing a count keeps the cells that remain inside the grid;
    // new cells are empty.
    void setColumnCount(int count);
    void setRowCount(int count);
    void setShowLegend(bool show);
    void setTitleText(const QString& title);
    void setColumn(int column);
    void setRow(int row);
    // The value of the current cell; an empty value (or one that is not finite) leaves a gap
    // in the column's line.
    void setData(std::optional<double> value);
    void setRowLabel(const QString& label);

    int columnCount() const { return static_cast<int>(cells_.size()); }
    int rowCount() const { return rowCount_; }
    bool showLegend() const { return showLegend_; }
    QString titleText() const { return title_; }
    int column() const { return column_; }
    int row() const { return row_; }
    // Empty for an empty cell or one outside the grid.
    std::optional<double> data(int row, int column) const;
    QString rowLabel(int row) const;

    // How the series of `column` is drawn: its colour and line width in points.
    void setSeriesStyle(int column, const QColor& colour, double widthPoints);
    QColor seriesColour(int column) const;
    // The line width of the series of `column` in points and in pixels.
    double seriesWidthPoints(int column) const;
    double seriesWidthPixels(int column) const;

    void setTitleFont(const QFont& font);
    // The title of the horizontal (row) axis; an empty text draws none.
    void setRowAxisTitle(const QString& title, const QFont& font);
    QString rowAxisTitle() const;
    QFont rowAxisTitleFont() const;

    // The drawing follows the grid on its own: changes are collected and drawn together once
    // the program is back in its event loop, or when the chart is shown, whichever comes
    // first. redraw() brings it up to date at once.
    void redraw();
    // Draws the grid and lays the chart out at once, at the chart's size, even when the chart
    // is not on the screen: for a picture drawn straight after.
    void layOutNow();

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct SeriesStyle {
        QColor colour;
        double widthPoints;
    };

    void scheduleRedraw();
    void drawSeries();
    void scaleRowAxis();
    void scaleValueAxis();
    bool inGrid(int row, int column) const;

    const NumberLocale locale_;
    // cells_[column - 1][row - 1]
    std::vector<std::vector<std::optional<double>>> cells_;
    std::vector<QString> labels_;
    std::vector<SeriesStyle> styles_;
    int rowCount_ = 0;
    int row_ = 1;
    int column_ = 1;
    bool showLegend_ = true;
    QString title_;

    QCategoryAxis* rowAxis_ = nullptr;
    QCategoryAxis* valueAxis_ = nullptr;
    QTimer redrawTimer_;
    bool stale_ = false;
};

}  // namespace thalmuro
