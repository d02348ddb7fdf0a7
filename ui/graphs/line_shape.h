// A straight line drawn on a window, as a line control is: two end points in twips of the
// parent's client area, a colour and a width in pixels.
#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

namespace thalmuro {

class LineShape : public QWidget {
  public:
    // The line from (x1, y1) to (x2, y2), in twips from the top-left corner of `parent`.
    LineShape(int x1, int y1, int x2, int y2, const QColor& colour, int widthPixels,
              QWidget* parent);

    // The end points in pixels of the parent.
    QLine line() const { return line_; }
    QColor colour() const { return colour_; }
    int widthPixels() const { return width_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QLine line_;
    QColor colour_;
    int width_;
};

}  // namespace thalmuro
