#include "line_shape.h"

#include <QPainter>
#include <QPen>

#include "twips.h"

namespace thalmuro {

LineShape::LineShape(int x1, int y1, int x2, int y2, const QColor& colour, int widthPixels,
                     QWidget* parent)
    : QWidget(parent),
      line_(twipsToPixels(x1), twipsToPixels(y1), twipsToPixels(x2), twipsToPixels(y2)),
      colour_(colour),
      width_(widthPixels) {
    // The widget is only the box around the line: it takes no clicks and draws nothing else.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    const int reach = width_;
    const QRect box = QRect(line_.p1(), line_.p2()).normalized();
    setGeometry(box.adjusted(-reach, -reach, reach, reach));
}

void LineShape::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QPen pen(colour_);
    pen.setWidth(width_);
    // A wide line ends round, so that the two strokes of an arrow head meet its shaft cleanly;
    // a sloping line is smoothed, a straight one stays on whole pixels.
    pen.setCapStyle(width_ > 1 ? Qt::RoundCap : Qt::SquareCap);
    painter.setPen(pen);
    const bool sloping = line_.dx() != 0 && line_.dy() != 0;
    painter.setRenderHint(QPainter::Antialiasing, sloping);
    painter.drawLine(line_.translated(-pos()));
}

}  // namespace thalmuro
