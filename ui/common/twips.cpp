#include "twips.h"

namespace thalmuro {

int twipsToPixels(int twips) {
    // Integer division truncates towards zero; a negative coordinate must go one pixel further
    // down when it is not a whole number of pixels.
    const int quotient = twips / kTwipsPerPixel;
    return twips % kTwipsPerPixel < 0 ? quotient - 1 : quotient;
}

QRect twipsToPixels(const TwipsRect& rect) {
    const int left = twipsToPixels(rect.left);
    const int top = twipsToPixels(rect.top);
    const int right = twipsToPixels(rect.left + rect.width);
    const int bottom = twipsToPixels(rect.top + rect.height);
    return {left, top, right - left, bottom - top};
}

}  // namespace thalmuro
