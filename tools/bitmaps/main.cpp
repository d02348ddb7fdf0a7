// thalmuro_draw_bitmaps PAGES_DIR OUT_DIR
// thalmuro_draw_bitmaps --icons NAME THEME_DIR
// thalmuro_draw_bitmaps --windows-icon FILE.ico
//
// Draws the program's eleven pictures and writes them to OUT_DIR as <id>.bmp: uncompressed
// 24-bit BMP files, rows bottom-up, without palette, each at the exact pixel size its window is
// laid out for. The pictures that hold words (the text pages with their sketches) are drawn
// again in English, at the same sizes, as OUT_DIR/en/<id>.bmp; the others have no words and
// serve both languages. The text pages come from the HTML files in PAGES_DIR (the English ones
// from PAGES_DIR/en); everything else is drawn by the code of this program, as is the program's
// icon (icon.png). The build runs it and embeds the files in the program.
//
// With --icons it draws the icon for the desktop instead, at the usual sizes of an icon theme,
// as THEME_DIR/<size>x<size>/apps/NAME.png: the files installed in the hicolor theme. With
// --windows-icon it writes the same sizes into one Windows icon file, for the program's .exe.
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>
#include <functional>

#include "pictures.h"

namespace {

using namespace thalmuro::bitmaps;

struct Picture {
    int id;
    int width;
    int height;
    std::function<QImage(PictureLanguage language, QString* error)> draw;
    // Whether the picture holds words, and so is drawn in English too.
    bool hasWords;
};

// A text page and how many of its rows, from the top, can be brought into view: page 116 is
// taller than its picture box, page 115 keeps its last rows below the window's edge even when
// scrolled to the end; the other pages are seen whole.
Picture textPage(int id, int width, int height, int usableHeight, const QString& pagesDir) {
    return {id, width, height,
            [=](PictureLanguage language, QString* error) {
                return drawTextPage(id, width, height, usableHeight, pagesDir, language, error);
            },
            true};
}

Picture drawing(int id, int width, int height, QImage (*draw)()) {
    return {id, width, height, [draw](PictureLanguage, QString*) { return draw(); }, false};
}

bool fail(const QString& message) {
    std::fprintf(stderr, "thalmuro_draw_bitmaps: %s\n", qPrintable(message));
    return false;
}

// The pages are laid out for the metrics of the DejaVu faces; another face would wrap the lines
// differently and could overflow a page.
bool fontsPresent() {
    const QStringList families = QFontDatabase::families();
    for (const char* family : {"DejaVu Serif", "DejaVu Sans"}) {
        if (!families.contains(QLatin1String(family)))
            return fail(QStringLiteral("the font \"%1\" is not installed (fonts-dejavu-core)")
                            .arg(QLatin1String(family)));
    }
    return true;
}

// The English pictures' folder within the output folder.
const QString kEnglishFolder = QStringLiteral("en");

bool writePicture(const Picture& picture, PictureLanguage language, const QDir& outDir) {
    QString error;
    const QImage image = picture.draw(language, &error);
    const bool english = language == PictureLanguage::english;
    if (image.isNull())
        return fail(QStringLiteral("picture %1%2: %3")
                        .arg(picture.id)
                        .arg(english ? QStringLiteral(" in English") : QString())
                        .arg(error));
    if (image.size() != QSize(picture.width, picture.height))
        return fail(QStringLiteral("picture %1 is %2 x %3 pixels instead of %4 x %5")
                        .arg(picture.id)
                        .arg(image.width())
                        .arg(image.height())
                        .arg(picture.width)
                        .arg(picture.height));
    // Qt writes an image without alpha channel as a 24-bit BMP with no compression and no
    // palette, bottom-up: the format the program's resources are kept in.
    const QString name = QStringLiteral("%1.bmp").arg(picture.id);
    const QString path = outDir.filePath(english ? kEnglishFolder + QLatin1Char('/') + name : name);
    QImageWriter writer(path, "BMP");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
        return fail(QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()));
    return true;
}

// The sizes an icon theme offers for programs, which Windows also picks from.
constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// Writes the icon at every size an icon theme offers for programs.
int writeThemeIcons(const QString& name, const QDir& themeDir) {
    for (const int size : kIconSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!themeDir.mkpath(folder)) {
            fail(QStringLiteral("cannot create %1").arg(themeDir.filePath(folder)));
            return 1;
        }
        const QString path = themeDir.filePath(folder + QLatin1Char('/') + name + ".png");
        QImageWriter writer(path, "PNG");
        if (!writer.write(drawProgramIcon(size))) {
            fail(QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()));
            return 1;
        }
    }
    return 0;
}

void appendLittleEndian(QByteArray& bytes, quint32 value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

// Writes the icon at every size into one Windows icon file: a directory of the images, each
// stored as PNG (which Windows reads in icon files since Vista), with its size and its offset.
int writeWindowsIcon(const QString& path) {
    QList<QByteArray> images;
    for (const int size : kIconSizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!drawProgramIcon(size).save(&buffer, "PNG")) {
            fail(QStringLiteral("cannot draw the icon at %1 pixels").arg(size));
            return 1;
        }
        images.append(png);
    }
    constexpr int kHeaderSize = 6;
    constexpr int kEntrySize = 16;
    QByteArray icon;
    appendLittleEndian(icon, 0, 2);  // reserved
    appendLittleEndian(icon, 1, 2);  // an icon, not a cursor
    appendLittleEndian(icon, images.size(), 2);
    quint32 offset = kHeaderSize + kEntrySize * images.size();
    for (int i = 0; i < images.size(); ++i) {
        const int size = kIconSizes[i];
        icon.append(static_cast<char>(size % 256));  // 256 pixels are written as 0
        icon.append(static_cast<char>(size % 256));
        icon.append('\0');                // no palette
        icon.append('\0');                // reserved
        appendLittleEndian(icon, 1, 2);   // colour planes
        appendLittleEndian(icon, 32, 2);  // bits per pixel
        appendLittleEndian(icon, images[i].size(), 4);
        appendLittleEndian(icon, offset, 4);
        offset += images[i].size();
    }
    for (const QByteArray& png : images)
        icon.append(png);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(icon) != icon.size() || !file.flush()) {
        fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Drawing needs fonts but no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("--icons"))
        return writeThemeIcons(args.at(2), QDir(args.at(3)));
    if (args.size() == 3 && args.at(1) == QLatin1String("--windows-icon"))
        return writeWindowsIcon(args.at(2));
    if (args.size() != 3) {
        std::fprintf(stderr,
                     "usage: thalmuro_draw_bitmaps PAGES_DIR OUT_DIR\n"
                     "       thalmuro_draw_bitmaps --icons NAME THEME_DIR\n"
                     "       thalmuro_draw_bitmaps --windows-icon FILE.ico\n");
        return 2;
    }
    const QString pagesDir = args.at(1);
    const QDir outDir(args.at(2));
    if (!QDir().mkpath(outDir.filePath(kEnglishFolder))) {
        fail(QStringLiteral("cannot create %1").arg(outDir.filePath(kEnglishFolder)));
        return 1;
    }
    if (!fontsPresent()) return 1;

    const Picture pictures[] = {
        textPage(102, 608, 546, 546, pagesDir),        textPage(104, 586, 359, 359, pagesDir),
        drawing(108, 1065, 749, drawGreenRedFractal),  drawing(109, 640, 480, drawSphereFractal),
        drawing(110, 831, 578, drawNomograph),         drawing(111, 264, 85, drawOutfallSketch),
        drawing(113, 1280, 1024, drawPastelFractal),   textPage(114, 598, 758, 758, pagesDir),
        textPage(115, 604, 1276, 1276 - 42, pagesDir), textPage(116, 616, 606, 569, pagesDir),
        textPage(117, 590, 1757, 1757, pagesDir),
    };
    // THALMURO_BITMAPS_VERBOSE=1 reports how long each picture takes and, for the text pages,
    // how much room is left below the text.
    const bool verbose = qEnvironmentVariableIsSet("THALMURO_BITMAPS_VERBOSE");
    for (const Picture& picture : pictures) {
        QElapsedTimer timer;
        timer.start();
        if (!writePicture(picture, PictureLanguage::greek, outDir)) return 1;
        if (picture.hasWords && !writePicture(picture, PictureLanguage::english, outDir)) return 1;
        if (verbose) std::fprintf(stderr, "%d: %lld ms\n", picture.id, timer.elapsed());
    }
    // The icon keeps its transparent corners, so it is written as PNG.
    const QString iconPath = outDir.filePath(QStringLiteral("icon.png"));
    QImageWriter iconWriter(iconPath, "PNG");
    if (!iconWriter.write(drawProgramIcon(64))) {
        fail(QStringLiteral("cannot write %1: %2").arg(iconPath, iconWriter.errorString()));
        return 1;
    }
    return 0;
}
