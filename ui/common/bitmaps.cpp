#include "bitmaps.h"

#include <QByteArray>
#include <QImage>
#include <QResource>
#include <QString>
#include <QtEndian>
#include <cstdint>
#include <utility>

#include "language.h"

namespace thalmuro {
namespace {

// The layout in which the picture generator writes every picture: a 14-byte file header and a
// 40-byte BITMAPINFOHEADER, then the pixels as 24-bit B, G, R triples, rows bottom-up, each
// padded to four bytes; no palette, no compression.
constexpr int kPixelOffset = 54;
constexpr int kInfoHeaderSize = 40;
constexpr int kBitsPerPixel = 24;

template <class T>
T field(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

// The picture when `bytes` are a BMP file in the generator's layout, a null image otherwise.
// Qt's own BMP reader converts pixel by pixel through a general path for every bit depth and
// layout; on the main window's 1280 x 1024 background it spends more than painting the whole
// window does, and the program opens with it, so the program's own layout is read here directly.
QImage readGeneratorBitmap(const QByteArray& bytes) {
    if (bytes.size() < kPixelOffset || !bytes.startsWith("BM") ||
        field<std::uint32_t>(bytes, 10) != kPixelOffset ||
        field<std::uint32_t>(bytes, 14) != kInfoHeaderSize ||
        field<std::uint16_t>(bytes, 26) != 1 || field<std::uint16_t>(bytes, 28) != kBitsPerPixel ||
        field<std::uint32_t>(bytes, 30) != 0) {
        return QImage();
    }
    const std::int32_t width = field<std::int32_t>(bytes, 18);
    const std::int32_t height = field<std::int32_t>(bytes, 22);
    if (width <= 0 || height <= 0) return QImage();
    const qsizetype stride = (qsizetype(width) * 3 + 3) / 4 * 4;
    if ((bytes.size() - kPixelOffset) / stride < height) return QImage();

    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return QImage();
    const auto* pixels = reinterpret_cast<const uchar*>(bytes.constData()) + kPixelOffset;
    for (int y = 0; y < height; ++y) {
        const uchar* source = pixels + stride * (height - 1 - y);
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        // B, G, R read as one little-endian word are 0x..RRGGBB: the byte after them (the next
        // pixel's blue) gives way to the opaque alpha. The row's last pixel is read byte by
        // byte, since the file may end with it.
        const int last = width - 1;
        for (int x = 0; x < last; ++x, source += 3)
            target[x] = qFromLittleEndian<quint32>(source) | 0xff000000u;
        target[last] = qRgb(source[2], source[1], source[0]);
    }
    image.setDotsPerMeterX(field<std::int32_t>(bytes, 38));
    image.setDotsPerMeterY(field<std::int32_t>(bytes, 42));
    return image;
}

}  // namespace

QPixmap loadBitmap(int id, Language language) {
    QString path = QStringLiteral(":/bitmaps/%1.bmp").arg(id);
    if (language == Language::english) {
        const QString english = QStringLiteral(":/bitmaps/en/%1.bmp").arg(id);
        if (QResource(english).isValid()) path = english;
    }
    const QResource resource(path);
    if (!resource.isValid()) return QPixmap();
    const QByteArray bytes = resource.uncompressedData();
    QImage image = readGeneratorBitmap(bytes);
    // Anything else is recognised by its content, so a resource keeps its ".bmp" name whatever
    // format it is stored in.
    if (image.isNull()) image = QImage::fromData(bytes);
    return QPixmap::fromImage(std::move(image));
}

QPixmap loadBitmap(int id) {
    return loadBitmap(id, interfaceLanguage());
}

QIcon programIcon() {
    return QIcon(QStringLiteral(":/bitmaps/icon.png"));
}

}  // namespace thalmuro
