// What the four help windows share: the controls' font, their names and their placing in twips.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include "twips.h"

namespace thalmuro::help {

inline QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// The controls are sized for "MS Sans Serif" 8.25 pt. Where that font is not installed,
// DejaVu Sans Condensed takes its place: it covers Greek and is about as narrow.
QFont controlFont();

// Gives `widget` its name (also as its accessible description, for assistive technology and
// test drivers) and its place in twips within its parent.
template <class Widget>
Widget* placed(Widget* widget, const QString& name, const TwipsRect& rect) {
    widget->setObjectName(name);
    widget->setAccessibleDescription(name);
    widget->setGeometry(twipsToPixels(rect));
    return widget;
}

// Fills `widget`'s background with `colour`.
void setBackground(QWidget* widget, const QColor& colour);

// The colour that picture boxes show where their picture does not reach: the caption-text
// colour of the standard scheme.
inline const QColor kCaptionText(255, 255, 255);

}  // namespace thalmuro::help
