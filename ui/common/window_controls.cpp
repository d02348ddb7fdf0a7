#include "window_controls.h"

#include <QPainter>
#include <QPalette>

#include "desktop_platform.h"

namespace thalmuro {

QFont windowFont(double points, bool bold, bool italic) {
    QFont font = windowFontFace();
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void place(QWidget* widget, const TwipsRect& rect) {
    widget->setGeometry(twipsToPixels(rect));
}

void setUpWindow(QWidget* window, const QString& name, const QString& caption) {
    named(window, name);
    window->setWindowTitle(caption);
    window->setFont(windowFont());
}

void setBackground(QWidget* widget, const QColor& colour, BackgroundRoles roles) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    if (roles == BackgroundRoles::windowAndButton) palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void paintPicture(QWidget* widget, const QPixmap& picture, const QColor& uncovered) {
    QPainter painter(widget);
    painter.fillRect(widget->rect(), uncovered);
    painter.drawPixmap(0, 0, picture);
}

}  // namespace thalmuro
