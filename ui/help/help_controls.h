// What the four help windows share beyond the controls' names, places and font.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include "window_controls.h"

namespace thalmuro::help {

// Fills `widget`'s background with `colour`.
void setBackground(QWidget* widget, const QColor& colour);

// The colour that picture boxes show where their picture does not reach: the caption-text
// colour of the standard scheme.
inline const QColor kCaptionText(255, 255, 255);

}  // namespace thalmuro::help
