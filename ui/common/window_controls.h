// What every window does with itself and its controls: name them, place them in twips, give
// them the window font, colour them, and the labels and picture backgrounds the windows share.
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <string_view>

#include "twips.h"

namespace thalmuro {

// The program's texts are written in the source as UTF-8.
inline QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The windows are laid out for "MS Sans Serif", 8.25 pt unless a control says otherwise, which
// the program does not ship. Where it is missing, a font of about its width that covers Greek
// takes its place (windowFontFace()).
QFont windowFont(double points = 8.25, bool bold = false, bool italic = false);

// Gives `widget` its name, also as its accessible description so that assistive technology
// and test drivers find it by the name the program gives it.
template <class Widget>
Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    widget->setAccessibleDescription(name);
    return widget;
}

// Sets the place of `widget` in twips within its parent.
void place(QWidget* widget, const TwipsRect& rect);

// Names `widget` and sets its place in twips within its parent.
template <class Widget>
Widget* placed(Widget* widget, const QString& name, const TwipsRect& rect) {
    place(named(widget, name), rect);
    return widget;
}

// Gives a window its name, its caption and the window font.
void setUpWindow(QWidget* window, const QString& name, const QString& caption);

// Which palette roles a background colour goes to. Buttons (check boxes and option buttons
// among them) paint their background in the Button role, other widgets in the Window role; a
// widget passes both roles on to its children.
enum class BackgroundRoles { window, windowAndButton };

// Fills `widget`'s background with `colour`.
void setBackground(QWidget* widget, const QColor& colour,
                   BackgroundRoles roles = BackgroundRoles::window);

// Draws `widget`'s text (a label's, a check box's caption) in `colour`.
void setTextColour(QWidget* widget, const QColor& colour);

// A label as the windows' labels are: named, placed, its text from the top-left corner and
// wrapping at word boundaries within its width. `Label` is QLabel or a class derived from it.
template <class Label = QLabel>
Label* wrappedLabel(const QString& text, const QString& name, const TwipsRect& rect,
                    QWidget* parent) {
    auto* label = placed(new Label(text, parent), name, rect);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// Paints a window's or a box's picture background, from its paintEvent: `picture` at its own
// size from the top-left corner, never scaled and cut off where the widget ends, and `uncovered`
// wherever the picture does not reach.
void paintPicture(QWidget* widget, const QPixmap& picture, const QColor& uncovered);

}  // namespace thalmuro
