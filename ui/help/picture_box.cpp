#include "picture_box.h"

#include <QPainter>

#include "bitmaps.h"
#include "help_controls.h"

namespace thalmuro::help {

PictureBox::PictureBox(const QString& name, const TwipsRect& rect, QWidget* parent)
    : QWidget(parent), rect_(rect) {
    placed(this, name, rect);
}

void PictureBox::loadBitmap(int id) {
    bitmapId_ = id;
    picture_ = thalmuro::loadBitmap(id);
    update();
}

void PictureBox::setTopTwips(int top) {
    rect_.top = top;
    setGeometry(twipsToPixels(rect_));
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), kCaptionText);
    painter.drawPixmap(0, 0, picture_);
}

}  // namespace thalmuro::help
