// The size of a window whose controls stand at fixed places, and what it does on a screen too
// small for it: its client area scrolls instead of running off the screen's edge.
#pragma once

#include <functional>

class QWidget;

namespace thalmuro {

// Whether the user may change a window's size. A resizable window opens at the size of its
// client area and, made larger, shows more of its background; no control moves or grows.
enum class WindowSizing { fixed, resizable };

// Paints the background of a window's client area on `target`, the widget that stands for the
// client area: for the windows that draw a picture there rather than fill it with a colour.
using BackgroundPainter = std::function<void(QWidget* target)>;

// Gives `window` a client area of `widthTwips` x `heightTwips`: the window itself, or between the
// menu bar and the status bar (where it has one) the central widget of a QMainWindow.
//
// Where the window, with its frame and bars, fits the available area of its screen, it
// opens at that size and nothing else changes. Where it does not, it opens at the largest size
// that fits, and its client area scrolls: the controls, at the same places and sizes, move into
// a frameless scroll area that fills the client area, over a background painted as the client
// area paints it (`paintBackground`, or the client area's own colour), and a control that takes
// the keyboard focus outside the visible part scrolls into view. The window decides again when
// it is shown, when it moves to another screen and when its screen changes size or scale, and
// gives the controls back to the client area, at its own size, once it fits.
void setClientSize(QWidget* window, int widthTwips, int heightTwips, WindowSizing sizing,
                   BackgroundPainter paintBackground = {});

}  // namespace thalmuro
