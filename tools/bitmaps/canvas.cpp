#include "pictures.h"

namespace thalmuro::bitmaps {

QImage canvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    // 96 dots per inch, in dots per metre.
    constexpr int kDotsPerMetre = 3780;
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    image.fill(fill);
    return image;
}

QFont pageFont(int pixelSize, bool sans) {
    QFont font(sans ? QStringLiteral("DejaVu Sans") : QStringLiteral("DejaVu Serif"));
    font.setPixelSize(pixelSize);
    // Full hinting would make the glyph shapes depend on the rasteriser's settings.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace thalmuro::bitmaps
