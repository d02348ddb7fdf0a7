// Window geometry in twips, the unit in which every position and size of the windows is given:
// 1/1440 inch, so 15 twips make one pixel at 96 dots per inch. Qt's device-pixel ratio takes
// care of screens with more pixels per inch, so the conversion is fixed here.
#pragma once

#include <QRect>

namespace thalmuro {

inline constexpr int kTwipsPerPixel = 15;

// Left, Top, Width and Height of a control, in twips, from the top-left corner of its parent.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// A coordinate in twips as a pixel coordinate, rounded down (towards minus infinity, also for
// the negative tops of a table scrolled upwards). Rounding down keeps every overlap that the
// twips describe: a control whose top lies even one twip above another control's bottom edge
// covers that control's last pixel row.
int twipsToPixels(int twips);

// The pixel rectangle of a control: each of its four edges converted by twipsToPixels, so that
// controls that touch in twips touch in pixels and none grows beyond its extent in twips.
QRect twipsToPixels(const TwipsRect& rect);

}  // namespace thalmuro
