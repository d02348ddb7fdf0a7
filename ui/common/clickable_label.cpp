#include "clickable_label.h"

#include <QMouseEvent>

namespace thalmuro {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    // The label holds the mouse from the press on, so the release tells where the click ended.
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit clicked();
}

}  // namespace thalmuro
