// The eleven pictures embedded in the program, and the English edition of those that hold words:
// their sizes and file format, the parts that the windows cut off, which picture each language
// gets, and that they are exactly what the generator draws from the sources.
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <algorithm>
#include <iterator>
#include <utility>

#include "bitmaps.h"
#include "language.h"

Q_DECLARE_METATYPE(thalmuro::Language)

using thalmuro::Language;

namespace {

constexpr int kIds[] = {102, 104, 108, 109, 110, 111, 113, 114, 115, 116, 117};
// The text pages, the pictures with words, which come in English too.
constexpr int kPages[] = {102, 104, 114, 115, 116, 117};

bool isPage(int id) {
    return std::find(std::begin(kPages), std::end(kPages), id) != std::end(kPages);
}

// The file of picture `id` in the output folder of the generator or in the resources.
QString pictureFile(int id, Language language) {
    return QString::fromLatin1(language == Language::english ? "en/%1.bmp" : "%1.bmp").arg(id);
}

QByteArray resourceBytes(int id, Language language = Language::greek) {
    QFile file(QStringLiteral(":/bitmaps/") + pictureFile(id, language));
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
    void picturesOfEachLanguage_data();
    void picturesOfEachLanguage();
    void embeddedPicturesAreWhatTheGeneratorDraws();

    void cleanup() { thalmuro::setInterfaceLanguage(Language::greek); }
};

void BitmapsTest::uncompressed24BitBottomUp_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QSize>("size");
    const QSize sizes[] = {{608, 546},   {586, 359}, {1065, 749}, {640, 480}, {831, 578}, {264, 85},
                           {1280, 1024}, {598, 758}, {604, 1276}, {616, 606}, {590, 1757}};
    // The English pages have the sizes of the Greek ones, which the windows are laid out for.
    for (std::size_t i = 0; i < std::size(kIds); ++i) {
        QTest::addRow("%d", kIds[i]) << kIds[i] << Language::greek << sizes[i];
        if (isPage(kIds[i]))
            QTest::addRow("%d English", kIds[i]) << kIds[i] << Language::english << sizes[i];
    }
}

void BitmapsTest::uncompressed24BitBottomUp() {
    QFETCH(int, id);
    QFETCH(Language, language);
    QFETCH(QSize, size);
    const QPixmap picture = thalmuro::loadBitmap(id, language);
    QCOMPARE(picture.size(), size);

    // The file itself: a BITMAPINFOHEADER, no palette, 24 bits, no compression, a positive
    // height (rows stored bottom-up) and rows padded to four bytes.
    const QByteArray bmp = resourceBytes(id, language);
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
    QTest::addColumn<Language>("language");
    QTest::addColumn<QRect>("margin");
    // The nomograph's picture box shows 753 × 545 of its 831 × 578 pixels.
    QTest::newRow("110 right") << 110 << Language::greek << QRect(753, 0, 78, 578);
    QTest::newRow("110 bottom") << 110 << Language::greek << QRect(0, 545, 831, 33);
    // Page 115 scrolled to the end still leaves its last 42 rows below the window; page 116 is
    // taller than its 569-pixel picture box; page 115 is 3 pixels wider than its box. So in
    // either language.
    for (const auto& [language, tag] :
         {std::pair{Language::greek, ""}, std::pair{Language::english, " English"}}) {
        QTest::addRow("115 bottom%s", tag) << 115 << language << QRect(0, 1276 - 42, 604, 42);
        QTest::addRow("116 bottom%s", tag) << 116 << language << QRect(0, 569, 616, 606 - 569);
        QTest::addRow("115 right%s", tag) << 115 << language << QRect(601, 0, 3, 1276);
    }
}

void BitmapsTest::whiteWhereTheWindowsCutThePictureOff() {
    QFETCH(int, id);
    QFETCH(Language, language);
    QFETCH(QRect, margin);
    const QImage picture = thalmuro::loadBitmap(id, language).toImage();
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

void BitmapsTest::picturesOfEachLanguage_data() {
    QTest::addColumn<int>("id");
    for (int id : kIds)
        QTest::addRow("%d", id) << id;
}

// In English the windows get the English page where there is one, a page in other words than
// the Greek one; a picture without words is the same in both languages. Without a language
// named, the picture is that of the language the windows show.
void BitmapsTest::picturesOfEachLanguage() {
    QFETCH(int, id);
    const QImage greek = thalmuro::loadBitmap(id, Language::greek).toImage();
    const QImage english = thalmuro::loadBitmap(id, Language::english).toImage();
    QCOMPARE(QFile::exists(QStringLiteral(":/bitmaps/en/%1.bmp").arg(id)), isPage(id));
    if (isPage(id)) {
        QCOMPARE(english.size(), greek.size());
        QVERIFY(english != greek);
    } else {
        QCOMPARE(english, greek);
    }
    QCOMPARE(thalmuro::loadBitmap(id).toImage(), greek);
    thalmuro::setInterfaceLanguage(Language::english);
    QCOMPARE(thalmuro::loadBitmap(id).toImage(), english);
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
        for (const Language language : {Language::greek, Language::english}) {
            QFile drawn(dir.filePath(pictureFile(id, language)));
            if (language == Language::english && !isPage(id)) {
                QVERIFY2(!drawn.exists(), qPrintable(drawn.fileName()));
                continue;
            }
            QVERIFY2(drawn.open(QIODevice::ReadOnly), qPrintable(drawn.fileName()));
            QVERIFY2(drawn.readAll() == resourceBytes(id, language), qPrintable(drawn.fileName()));
        }
    }
}

QTEST_MAIN(BitmapsTest)
#include "bitmaps_test.moc"
