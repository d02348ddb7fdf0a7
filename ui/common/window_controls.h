// What every window does with its controls: name them, place them in twips, give them the
// window font.
#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

#include "twips.h"

namespace thalmuro {

inline QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// The windows are laid out for "MS Sans Serif", 8.25 pt unless a control says otherwise, which
// the program does not ship. Where it is missing, DejaVu Sans Condensed takes its place: it
// covers Greek and is about as narrow, where the ordinary DejaVu Sans would wrap or cut the
// captions; without either, fontconfig substitutes a font that covers Greek.
QFont windowFont(double points = 8.25, bool bold = false, bool italic = false);

// Gives `widget` its name, also as its accessible description so that assistive technology
// and test drivers find it by the name the program gives it.
template <class Widget>
Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    widget->setAccessibleDescription(name);
    return widget;
}

// Names `widget` and sets its place in twips within its parent.
template <class Widget>
Widget* placed(Widget* widget, const QString& name, const TwipsRect& rect) {
    named(widget, name)->setGeometry(twipsToPixels(rect));
    return widget;
}

}  // namespace thalmuro
