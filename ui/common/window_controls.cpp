#include "window_controls.h"

namespace thalmuro {

QFont windowFont(double points, bool bold, bool italic) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans Condensed")});
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace thalmuro
