// The eleven pictures embedded in the program: their sizes and file format, the parts that the
// windows cut off, and that they are exactly what the generator draws from the sources.
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include "bitmaps.h"

namespace {

constexpr int kIds[] = {102, 104, 108, 109, 110, 111, 113, 114, 115, 116, 117};

QByteArray resourceBytes(int id) {
    QFile file(QStringLiteral(":/bitmaps/%1.bmp").arg(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <class T>
T field(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

}  // namespace

class BitmapsTest : public QObject {
    Q_OBJECT
  private slots:
    void uncompressed24BitBottomUp_data();
    void uncompressed24BitBottomUp();
    void sameAsQtsOwnReader_data();
    void sameAsQtsOwnReader();
    void unknownIdGivesNoPicture();
    void programIconHasTransparentCorners();
    void whiteWhereTheWindowsCutThePictureOff_data();
    void whiteWhereTheWindowsCutThePictureOff();
    void mainWindowBackgroundIsPale();
    void embeddedPicturesAreWhatTheGeneratorDraws();
};

void BitmapsTest::uncompressed24BitBottomUp_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QSize>("size");
    const QSize sizes[] = {{608, 546},   {586, 359}, {1065, 749}, {640, 480}, {831, 578}, {264, 85},
                           {1280, 1024}, {598, 758}, {604, 1276}, {616, 606}, {590, 1757}};
    for (std::size_t i = 0; i < std::size(kIds); ++i)
        QTest::addRow("%d", kIds[i]) << kIds[i] << sizes[i];
}

void BitmapsTest::uncompressed24BitBottomUp() {
    QFETCH(int, id);
    QFETCH(QSize, size);
    const QPixmap picture = thalmuro::loadBitmap(id);
    QCOMPARE(picture.size(), size);

    // The file itself: a BITMAPINFOHEADER, no palette, 24 bits, no compression, a positive
    // height (rows stored bottom-up) and rows padded to four bytes.
    const QByteArray bmp = resourceBytes(id);
    QVERIFY(bmp.startsWith("BM"));
    const int stride = (size.width() * 3 + 3) / 4 * 4;
    QCOMPARE(field<quint32>(bmp, 2), quint32(bmp.size()));
    QCOMPARE(field<quint32>(bmp, 10), 54u);
    QCOMPARE(field<quint32>(bmp, 14), 40u);
    QCOMPARE(field<qint32>(bmp, 18), size.width());
    QCOMPARE(field<qint32>(bmp, 22), size.height());
    QCOMPARE(field<quint16>(bmp, 26), quint16(1));
    QCOMPARE(field<quint16>(bmp, 28), quint16(24));
    QCOMPARE(field<quint32>(bmp, 30), 0u);
    QCOMPARE(bmp.size(), 54 + stride * size.height());
}

void BitmapsTest::sameAsQtsOwnReader_data() {
    QTest::addColumn<int>("id");
    for (int id : kIds)
        QTest::addRow("%d", id) << id;
    // Pictures of this test's own, in layouts that the generator does not write.
    QTest::newRow("top-down BMP") << 998;
    QTest::newRow("PNG") << 999;
}

void BitmapsTest::sameAsQtsOwnReader() {
    QFETCH(int, id);
    const QImage picture = thalmuro::loadBitmap(id).toImage();
    const QImage expected(QStringLiteral(":/bitmaps/%1.bmp").arg(id));
    QVERIFY(!expected.isNull());
    QCOMPARE(picture.convertToFormat(QImage::Format_RGB32),
             expected.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(picture.dotsPerMeterX(), expected.dotsPerMeterX());
    QCOMPARE(picture.dotsPerMeterY(), expected.dotsPerMeterY());
}

void BitmapsTest::unknownIdGivesNoPicture() {
    QVERIFY(thalmuro::loadBitmap(103).isNull());
}

void BitmapsTest::programIconHasTransparentCorners() {
    const QImage icon = thalmuro::programIcon().pixmap(64, 64).toImage();
    QCOMPARE(icon.size(), QSize(64, 64));
    QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(icon.pixelColor(32, 20).alpha(), 255);
}

void BitmapsTest::whiteWhereTheWindowsCutThePictureOff_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QRect>("margin");
    // The nomograph's picture box shows 753 × 545 of its 831 × 578 pixels.
    QTest::newRow("110 right") << 110 << QRect(753, 0, 78, 578);
    QTest::newRow("110 bottom") << 110 << QRect(0, 545, 831, 33);
    // Page 115 scrolled to the end still leaves its last 42 rows below the window.
    QTest::newRow("115 bottom") << 115 << QRect(0, 1276 - 42, 604, 42);
    // Page 116 is taller than its 569-pixel picture box.
    QTest::newRow("116 bottom") << 116 << QRect(0, 569, 616, 606 - 569);
    // Page 115 is 3 pixels wider than its box.
    QTest::newRow("115 right") << 115 << QRect(601, 0, 3, 1276);
}

void BitmapsTest::whiteWhereTheWindowsCutThePictureOff() {
    QFETCH(int, id);
    QFETCH(QRect, margin);
    const QImage picture = thalmuro::loadBitmap(id).toImage();
    for (int y = margin.top(); y <= margin.bottom(); ++y) {
        for (int x = margin.left(); x <= margin.right(); ++x) {
            if (picture.pixel(x, y) != qRgb(255, 255, 255))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is not white").arg(x).arg(y)));
        }
    }
}

void BitmapsTest::mainWindowBackgroundIsPale() {
    // The main window's black captions stand on picture 113 wherever they are.
    const QImage picture = thalmuro::loadBitmap(113).toImage();
    int darkest = 255;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            darkest = qMin(darkest, qGray(picture.pixel(x, y)));
    }
    QVERIFY2(darkest >= 200, qPrintable(QStringLiteral("grey level down to %1").arg(darkest)));
}

void BitmapsTest::embeddedPicturesAreWhatTheGeneratorDraws() {
    // Drawing again gives the same bytes, and the program holds exactly those: the build
    // depends on nothing but the sources.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcess generator;
    generator.start(QStringLiteral(THALMURO_DRAW_BITMAPS),
                    {QStringLiteral(THALMURO_PAGES_DIR), dir.path()});
    QVERIFY(generator.waitForFinished(120000));
    QCOMPARE(generator.exitCode(), 0);
    for (int id : kIds) {
        QFile drawn(dir.filePath(QStringLiteral("%1.bmp").arg(id)));
        QVERIFY(drawn.open(QIODevice::ReadOnly));
        QVERIFY2(drawn.readAll() == resourceBytes(id), qPrintable(QString::number(id)));
    }
}

QTEST_MAIN(BitmapsTest)
#include "bitmaps_test.moc"
