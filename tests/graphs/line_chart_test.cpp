// The line chart: its grid, the series it draws from it and the scale of its value axis.
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QtTest>
#include <cmath>

#include "line_chart.h"

namespace thalmuro {
namespace {

// Fills `column` from the top row down, as the graph window does: choose a cell, set it.
void fillColumn(LineChart& chart, int column, const std::vector<std::optional<double>>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        chart.setColumn(column);
        chart.setRow(static_cast<int>(i) + 1);
        chart.setData(values[i]);
    }
}

QList<QLineSeries*> lineSeries(const LineChart& chart) {
    QList<QLineSeries*> lines;
    for (QAbstractSeries* series : chart.chart()->series()) {
        lines.append(qobject_cast<QLineSeries*>(series));
    }
    return lines;
}

QCategoryAxis* axis(const LineChart& chart, Qt::Orientation orientation) {
    return qobject_cast<QCategoryAxis*>(chart.chart()->axes(orientation).value(0));
}

}  // namespace

class LineChartTest : public QObject {
    Q_OBJECT
  private slots:
    void valueScale_data();
    void valueScale();
    void gridKeepsCellsAcrossResizes();
    void cellsOutsideTheGridAreIgnored();
    void columnsAreDrawnAsStyledLinesInRowOrder();
    void emptyCellsBreakTheLine();
    void rowLabelsThinOutWhenCrowded();
    void valueMarksInTheRegionalFormat();
};

void LineChartTest::valueScale_data() {
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<bool>("fromZero");  // the scale must start or end at 0, not beyond it
    QTest::newRow("riser discharges") << 0.0231 << 0.0268 << false;
    QTest::newRow("constant mean discharge") << 0.0252 << 0.0252 << false;
    QTest::newRow("constant zero") << 0.0 << 0.0 << false;
    QTest::newRow("constant negative") << -4.0 << -4.0 << false;
    QTest::newRow("across zero") << -3.0 << 7.0 << false;
    QTest::newRow("Froude with its limits") << 0.5 << 20.5 << true;
    QTest::newRow("negative near zero") << -20.5 << -0.5 << true;
    QTest::newRow("large") << 1.0e12 << 3.5e12 << false;
    QTest::newRow("tiny") << 1.5e-7 << 3.2e-7 << false;
}

void LineChartTest::valueScale() {
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(bool, fromZero);
    const ValueScale scale = valueScaleFor(min, max);
    if (fromZero) QCOMPARE(min > 0 ? scale.low : scale.high, 0.0);
    // Every value lies strictly inside, so that neither a constant series nor an extreme value
    // is drawn on the frame of the plot.
    QVERIFY2(scale.low < min && max < scale.high,
             qPrintable(QStringLiteral("%1 .. %2").arg(scale.low).arg(scale.high)));
    // Round marks: the ends are whole multiples of a step of 1, 2, 2.5 or 5 times a power of
    // ten, with a handful of marks in between.
    const double marks = (scale.high - scale.low) / scale.step;
    QVERIFY2(marks >= 3.0 && marks <= 12.0, qPrintable(QString::number(marks)));
    QVERIFY(std::fabs(marks - std::round(marks)) < 1e-6);
    QVERIFY(std::fabs(scale.low / scale.step - std::round(scale.low / scale.step)) < 1e-6);
    const double mantissa = scale.step / std::pow(10.0, std::floor(std::log10(scale.step)));
    const bool nice = std::fabs(mantissa - 1.0) < 1e-9 || std::fabs(mantissa - 2.0) < 1e-9 ||
                      std::fabs(mantissa - 2.5) < 1e-9 || std::fabs(mantissa - 5.0) < 1e-9;
    QVERIFY2(nice, qPrintable(QString::number(scale.step)));
}

void LineChartTest::gridKeepsCellsAcrossResizes() {
    LineChart chart(NumberLocale::greek());
    chart.setColumnCount(2);
    chart.setRowCount(3);
    fillColumn(chart, 1, {1.0, 2.0, 3.0});
    fillColumn(chart, 2, {4.0, std::nullopt, 6.0});
    chart.setRow(2);
    chart.setRowLabel(QStringLiteral("δύο"));

    chart.setRowCount(2);
    chart.setColumnCount(3);
    QCOMPARE(chart.rowCount(), 2);
    QCOMPARE(chart.columnCount(), 3);
    QCOMPARE(chart.data(2, 1), std::optional<double>(2.0));
    QCOMPARE(chart.data(1, 2), std::optional<double>(4.0));
    QCOMPARE(chart.data(2, 2), std::optional<double>());
    QCOMPARE(chart.data(1, 3), std::optional<double>());
    QCOMPARE(chart.rowLabel(2), QStringLiteral("δύο"));

    // Rows that come back after a shrink start empty.
    chart.setRowCount(3);
    QCOMPARE(chart.data(3, 1), std::optional<double>());
    QCOMPARE(chart.rowLabel(3), QString());
}

void LineChartTest::cellsOutsideTheGridAreIgnored() {
    LineChart chart(NumberLocale::greek());
    chart.setColumnCount(1);
    chart.setRowCount(2);
    for (const auto& [row, column] : {std::pair{0, 1}, {3, 1}, {1, 0}, {1, 2}, {-1, -1}}) {
        chart.setRow(row);
        chart.setColumn(column);
        chart.setData(9.0);
        chart.setRowLabel(QStringLiteral("x"));
    }
    QCOMPARE(chart.data(1, 1), std::optional<double>());
    QCOMPARE(chart.data(2, 1), std::optional<double>());
    // A row label belongs to the row whatever the column: row 1 took one, row 2 none.
    QCOMPARE(chart.rowLabel(1), QStringLiteral("x"));
    QCOMPARE(chart.rowLabel(2), QString());

    chart.setRowCount(-5);
    QCOMPARE(chart.rowCount(), 0);
    chart.redraw();
    QVERIFY(chart.chart()->series().isEmpty());
}

void LineChartTest::columnsAreDrawnAsStyledLinesInRowOrder() {
    LineChart chart(NumberLocale::greek());
    chart.resize(600, 400);
    chart.setSeriesStyle(1, QColor(255, 0, 0), 3);
    chart.setSeriesStyle(2, QColor(0, 255, 0), 1.5);
    chart.setColumnCount(2);
    chart.setRowCount(3);
    chart.setShowLegend(false);
    chart.setTitleText(QStringLiteral(" ΤΙΤΛΟΣ"));
    fillColumn(chart, 1, {5.0, 7.0, 6.0});
    fillColumn(chart, 2, {2.0, 2.0, 2.0});
    for (int row = 1; row <= 3; ++row) {
        chart.setRow(row);
        chart.setRowLabel(QString::number(4 - row));
    }
    chart.redraw();

    const QList<QLineSeries*> lines = lineSeries(chart);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0]->points(), (QList<QPointF>{{0, 5.0}, {1, 7.0}, {2, 6.0}}));
    QCOMPARE(lines[1]->points(), (QList<QPointF>{{0, 2.0}, {1, 2.0}, {2, 2.0}}));
    QCOMPARE(lines[0]->pen().color(), QColor(255, 0, 0));
    QCOMPARE(lines[0]->pen().widthF(), 4.0);  // 3 pt at 96 dpi
    QCOMPARE(lines[1]->pen().widthF(), 2.0);
    QCOMPARE(chart.chart()->title(), QStringLiteral(" ΤΙΤΛΟΣ"));
    QVERIFY(!chart.chart()->legend()->isVisible());
    QCOMPARE(axis(chart, Qt::Horizontal)->categoriesLabels(),
             (QStringList{QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("1")}));
    // Every value, the constant column included, lies inside the value axis.
    const QCategoryAxis* values = axis(chart, Qt::Vertical);
    QVERIFY(values->min() < 2.0 && values->max() > 7.0);
}

void LineChartTest::emptyCellsBreakTheLine() {
    LineChart chart(NumberLocale::greek());
    chart.setColumnCount(1);
    chart.setRowCount(6);
    fillColumn(chart, 1, {1.0, 2.0, std::nullopt, 4.0, std::nullopt, std::nan("")});
    chart.redraw();

    // Rows 1-2 make a line, row 4 stands alone and is marked by a dot; rows 3, 5 and the value
    // that is not a number are gaps.
    const QList<QLineSeries*> lines = lineSeries(chart);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0]->points(), (QList<QPointF>{{0, 1.0}, {1, 2.0}}));
    QVERIFY(!lines[0]->pointsVisible());
    QCOMPARE(lines[1]->points(), (QList<QPointF>{{3, 4.0}}));
    QVERIFY(lines[1]->pointsVisible());
    QCOMPARE(chart.data(6, 1), std::optional<double>());
}

void LineChartTest::rowLabelsThinOutWhenCrowded() {
    LineChart chart(NumberLocale::greek());
    chart.resize(320, 330);
    chart.setColumnCount(1);
    chart.setRowCount(101);
    for (int row = 1; row <= 101; ++row) {
        chart.setRow(row);
        chart.setRowLabel(QString::number(102 - row));
        chart.setData(row);
    }
    chart.redraw();

    const QStringList labels = axis(chart, Qt::Horizontal)->categoriesLabels();
    QVERIFY2(labels.size() < 60, qPrintable(labels.join(' ')));
    QCOMPARE(labels.first(), QStringLiteral("101"));
    // Evenly spaced: every k-th row from the first.
    const int every = 101 - labels[1].toInt();
    for (int i = 0; i < labels.size(); ++i)
        QCOMPARE(labels[i].toInt(), 101 - i * every);
}

void LineChartTest::valueMarksInTheRegionalFormat() {
    for (const auto& [locale, separator] : {std::pair{NumberLocale::greek(), QLatin1Char(',')},
                                            {NumberLocale::english(), QLatin1Char('.')}}) {
        LineChart chart(locale);
        chart.setColumnCount(1);
        chart.setRowCount(2);
        fillColumn(chart, 1, {0.0231, 0.0268});
        chart.redraw();
        const QStringList marks = axis(chart, Qt::Vertical)->categoriesLabels();
        QVERIFY(marks.size() >= 3);
        for (const QString& mark : marks) {
            QVERIFY2(mark.startsWith(QStringLiteral("0")) && mark.contains(separator),
                     qPrintable(mark));
        }
    }
}

}  // namespace thalmuro

QTEST_MAIN(thalmuro::LineChartTest)
#include "line_chart_test.moc"
