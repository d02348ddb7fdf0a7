// A chart of the graph window saved as a picture: PNG at the chart's size on screen or at twice
// that for print, and SVG, chosen from the chart's context menu.
#pragma once

#include <QByteArray>
#include <QString>

class QChartView;

namespace thalmuro {

// The chart drawn as a PNG image of `scale` times its size in pixels. The image records
// 96 x `scale` dots per inch, so that it prints at the size the chart has on the screen.
QByteArray chartPng(QChartView& chart, int scale);

// The chart drawn as an SVG drawing of its size, titled `title`.
QByteArray chartSvg(QChartView& chart, const QString& title);

// Gives `chart` a context menu with its three ways of being saved (apothikefsi_png,
// apothikefsi_png_2x, apothikefsi_svg), each asking for a file name. The entries, the dialog's
// caption and filter and the suggested file name are in the interface language.
void addSaveEntries(QChartView* chart);

// Sets the captions of the save entries of `chart` again, in the interface language now shown.
void retranslateSaveEntries(QChartView* chart);

}  // namespace thalmuro
