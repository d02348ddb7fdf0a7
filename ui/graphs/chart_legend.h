// The legend of a plot drawn as a list of entries, each a swatch of the series it names and its
// text: the same drawing on the window's legend panel of the hydraulic profile and under a
// saved chart. The texts wrap to the width they are given and are never cut off.
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <vector>

class QPainter;

namespace thalmuro {

// How an entry's swatch is drawn: a stretch of the series' line, or the mark of its points.
enum class LegendMark { line, dot, square };

struct LegendEntry {
    QString text;
    QColor colour;
    double widthPixels = 1.0;  // a line's width, or a mark's size
    LegendMark mark = LegendMark::line;
};

// The height the entries take when drawn `width` pixels wide in `font`, one below the other.
double legendHeight(const std::vector<LegendEntry>& entries, const QFont& font, double width);

// Where each entry's text lies when the entries are drawn into `area` in `font`.
std::vector<QRectF> legendTextRects(const std::vector<LegendEntry>& entries, const QFont& font,
                                    const QRectF& area);

// Draws the entries into `area` (as tall as legendHeight gives for its width), in `font`.
void drawLegend(QPainter& painter, const QRectF& area, const std::vector<LegendEntry>& entries,
                const QFont& font);

// A panel of the window that shows a legend on the window's background colour.
class LegendPanel : public QWidget {
    Q_OBJECT
  public:
    explicit LegendPanel(QWidget* parent = nullptr);

    void setEntries(std::vector<LegendEntry> entries);
    const std::vector<LegendEntry>& entries() const { return entries_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<LegendEntry> entries_;
};

}  // namespace thalmuro
