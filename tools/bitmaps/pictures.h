// The drawing functions of the picture generator, one per picture or sketch. Every function
// draws the same pixels on every run: no randomness, no clock, fixed fonts and sizes.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

namespace thalmuro::bitmaps {

inline QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

// The language of the words in a picture: the Greek of the program's own windows, or English.
// The pictures without words are the same in both.
enum class PictureLanguage { greek, english };

// A canvas of `width` × `height` pixels filled with `fill`, at 96 dots per inch (the pixel
// density that the windows are laid out for, also written into the BMP header).
QImage canvas(int width, int height, const QColor& fill = Qt::white);

// DejaVu Serif (or DejaVu Sans when `sans`) at a size in pixels, so that the pictures do not
// depend on the dots per inch of the machine that draws them.
QFont pageFont(int pixelSize, bool sans = false);

// 111: the outfall in side view for the graph window, 264 × 85.
QImage drawOutfallSketch();

// The cross-section of a submarine outfall on the page about the system (114), labelled in
// `language`.
QImage drawCrossSectionSketch(PictureLanguage language);

// The sloping diffuser pipe with Δl and Δz on the page about filling in the data (117), labelled
// in `language`.
QImage drawRiserSpacingSketch(PictureLanguage language);

// The program's icon, `size` × `size` pixels with transparent corners: the diffuser on the sea
// bed, drawn on a 64 × 64 grid scaled to the size (64 for the windows, the icon theme's sizes
// for the desktop).
QImage drawProgramIcon(int size);

// 110: the Abraham nomograph, 831 × 578.
QImage drawNomograph();

// 108: greens and reds, 1065 × 749.
QImage drawGreenRedFractal();

// 109: gold and silver spheres on black, 640 × 480.
QImage drawSphereFractal();

// 113: a pale pastel pattern for the main window, 1280 × 1024.
QImage drawPastelFractal();

// A text page drawn with the style sheet `<pagesDir>/page.css` from `<pagesDir>/<id>.html` in
// Greek, from `<pagesDir>/en/<id>.html` in English, with the sketches of that language.
// `usableHeight` is how many rows from the top the window shows of the page at some scroll
// position; the text must end above it. On failure (a missing file, text that does not fit)
// returns a null image and says why in `error`.
QImage drawTextPage(int id, int width, int height, int usableHeight, const QString& pagesDir,
                    PictureLanguage language, QString* error);

}  // namespace thalmuro::bitmaps
