#include "picture_box.h"

#include <QEvent>

#include "bitmaps.h"
#include "window_controls.h"

namespace thalmuro::help {
namespace {

// Where the picture does not reach, a box shows the caption-text colour of the standard scheme.
const QColor kCaptionText(255, 255, 255);

}  // namespace

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
    place(this, rect_);
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    paintPicture(this, picture_, kCaptionText);
}

void PictureBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && bitmapId_ != 0) loadBitmap(bitmapId_);
    QWidget::changeEvent(event);
}

}  // namespace thalmuro::help
