// A chart of the graph window saved as a picture: PNG at the chart's size on screen or at twice
// that for print, SVG and PDF drawings, chosen from the chart's context menu. The picture shows
// the plot as the window shows it: the chart with the reference lines of its plot, and the
// plot's legend below it.
#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "chart_legend.h"

class QChartView;
class QFont;

namespace thalmuro {

// What a saved picture shows.
struct ChartPicture {
    // The chart drawn, at its size.
    QChartView* chart = nullptr;
    // The legend drawn below the chart; none when the plot needs no legend.
    std::vector<LegendEntry> legend;
    // A chart prepared for the picture alone (the one on screen with the reference lines added),
    // kept while the picture is drawn.
    std::shared_ptr<QChartView> prepared;
};

// Where the parts of a picture of a chart of `chartSize` pixels lie: the chart at its size at
// the top, the legend, as wide as the chart and as tall as its texts need, below it.
struct PictureLayout {
    QSize size;
    QRectF chart;
    QRectF legend;  // empty without a legend
};
PictureLayout pictureLayout(QSize chartSize, const std::vector<LegendEntry>& legend,
                            const QFont& font);

// The picture as a PNG image of `scale` times its size in pixels. The image records 96 x `scale`
// dots per inch, so that it prints at the size the chart has on the screen.
QByteArray chartPng(const ChartPicture& picture, int scale);

// The picture as an SVG drawing of its size, titled `title`.
QByteArray chartSvg(const ChartPicture& picture, const QString& title);

// The picture as a one-page PDF document of its size at 96 dots per inch, titled `title`; the
// lines and texts stay vector drawing.
QByteArray chartPdf(const ChartPicture& picture, const QString& title);

// What `chart`'s picture shows when it is saved, asked at the moment of saving.
using PictureSource = std::function<ChartPicture()>;

// Gives `chart` a context menu with its four ways of being saved (apothikefsi_png,
// apothikefsi_png_2x, apothikefsi_svg, apothikefsi_pdf), each asking for a file name. `source`
// gives what the picture shows; without it, the chart alone. The entries, the dialog's caption
// and filter and the suggested file name are in the interface language.
void addSaveEntries(QChartView* chart, PictureSource source = {});

// Sets the captions of the save entries of `chart` again, in the interface language now shown.
void retranslateSaveEntries(QChartView* chart);

}  // namespace thalmuro
