#include "help_controls.h"

#include <QPalette>

namespace thalmuro::help {

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace thalmuro::help
