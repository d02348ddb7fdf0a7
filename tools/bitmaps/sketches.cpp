// The line drawings: the outfall in side view (111) and the two sketches of the text pages.
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "pictures.h"

namespace thalmuro::bitmaps {
namespace {

const QColor kInk(0, 0, 0);
const QColor kSea(214, 234, 248);
const QColor kGround(236, 222, 190);
const QColor kWater(150, 200, 235);

void prepare(QPainter& painter) {
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
}

QPen pen(double width, Qt::PenStyle style = Qt::SolidLine) {
    return QPen(kInk, width, style, Qt::FlatCap, Qt::MiterJoin);
}

// A filled arrowhead at `tip`, pointing away from `from`.
void arrowHead(QPainter& painter, QPointF from, QPointF tip, double length = 8.0) {
    const QPointF d = tip - from;
    const double norm = std::hypot(d.x(), d.y());
    if (norm == 0.0) return;
    const QPointF u = d / norm;
    const QPointF n(-u.y(), u.x());
    const QPointF base = tip - u * length;
    const QPolygonF head{tip, base + n * (length * 0.35), base - n * (length * 0.35)};
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawPolygon(head);
    painter.restore();
}

// A dimension line from a to b with arrowheads at both ends.
void dimension(QPainter& painter, QPointF a, QPointF b) {
    painter.setPen(pen(1.0));
    painter.drawLine(a, b);
    arrowHead(painter, b, a);
    arrowHead(painter, a, b);
}

// Text with its left end of the baseline at `at`.
void label(QPainter& painter, QPointF at, const QString& text, int pixelSize = 13,
           bool italic = false) {
    QFont font = pageFont(pixelSize);
    font.setItalic(italic);
    painter.setFont(font);
    painter.setPen(kInk);
    painter.drawText(at, text);
}

// Text centred on `x`, baseline at `y`.
void centredLabel(QPainter& painter, double x, double y, const QString& text, int pixelSize = 13) {
    const QFont font = pageFont(pixelSize);
    painter.setFont(font);
    painter.setPen(kInk);
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    painter.drawText(QPointF(x - width / 2, y), text);
}

// Short slanted strokes under a ground line, the usual mark of soil in a section.
void hatchBelow(QPainter& painter, const QPolygonF& ground, double spacing, double length) {
    painter.setPen(pen(0.8));
    for (int i = 0; i + 1 < ground.size(); ++i) {
        const QPointF a = ground[i];
        const QPointF b = ground[i + 1];
        const double run = std::hypot(b.x() - a.x(), b.y() - a.y());
        for (double s = spacing / 2; s < run; s += spacing) {
            const QPointF p = a + (b - a) * (s / run);
            painter.drawLine(p, p + QPointF(-length * 0.6, length));
        }
    }
}

// A riser standing on a pipe: a short tube of `width` from `foot` up by `height`, with the
// outlet port as a small cap on top.
void riser(QPainter& painter, QPointF foot, double height, double width, double lineWidth) {
    painter.setPen(pen(lineWidth));
    painter.setBrush(Qt::white);
    const QRectF tube(foot.x() - width / 2, foot.y() - height, width, height);
    painter.drawRect(tube);
    painter.drawLine(QPointF(tube.left() - width * 0.5, tube.top()),
                     QPointF(tube.right() + width * 0.5, tube.top()));
    painter.setBrush(Qt::NoBrush);
}

// A pipe along `axis`, drawn as two parallel walls `diameter` apart with a white bore.
void pipe(QPainter& painter, const QPolygonF& axis, double diameter, double lineWidth) {
    QPainterPath path;
    path.addPolygon(axis);
    QPainterPathStroker stroker;
    stroker.setWidth(diameter);
    stroker.setJoinStyle(Qt::MiterJoin);
    stroker.setCapStyle(Qt::FlatCap);
    const QPainterPath outline = stroker.createStroke(path).simplified();
    painter.setPen(pen(lineWidth));
    painter.setBrush(Qt::white);
    painter.drawPath(outline);
    painter.setBrush(Qt::NoBrush);
}

// The words of a label in the picture's language.
QString words(PictureLanguage language, const char* greek, const char* english) {
    return utf8(language == PictureLanguage::english ? english : greek);
}

// The polyline's height at `x`, for placing things on a sloping line.
double heightAt(const QPolygonF& line, double x) {
    for (int i = 0; i + 1 < line.size(); ++i) {
        const QPointF a = line[i];
        const QPointF b = line[i + 1];
        if (x >= a.x() && x <= b.x())
            return a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x());
    }
    return line.last().y();
}

}  // namespace

QImage drawOutfallSketch() {
    QImage image = canvas(264, 85);
    QPainter painter(&image);
    prepare(painter);
    // Centred in the height of the picture.
    painter.translate(0, 5);

    // The shore at the left falls to a level sea bed; the sea surface is a gentle wave.
    const QPolygonF ground{{0, 22}, {34, 22}, {96, 68}, {264, 68}};
    QPainterPath sea;
    const double surface = 30;
    sea.moveTo(44.8, surface);
    for (double x = 44.8; x <= 264; x += 2)
        sea.lineTo(x, surface + 1.2 * std::sin((x - 44.8) / 4.0));
    painter.setPen(pen(1.0));
    painter.drawPath(sea);
    hatchBelow(painter, ground, 7, 5);
    painter.setPen(pen(1.2));
    painter.drawPolyline(ground);

    // The loading shaft on the shore and the outfall pipe laid on the ground.
    painter.setPen(pen(1.2));
    painter.drawRect(QRectF(6, 4, 12, 18));
    const QPolygonF axis{{18, 18.5}, {34.5, 18.5}, {96.8, 64.5}, {255, 64.5}};
    pipe(painter, axis, 5, 1.0);
    // The diffuser: eight risers on the level part.
    for (int i = 0; i < 8; ++i)
        riser(painter, {124.0 + 18.0 * i, 62.0}, 16, 3, 1.0);
    return image;
}

QImage drawCrossSectionSketch(PictureLanguage language) {
    const bool english = language == PictureLanguage::english;
    QImage image = canvas(546, 262);
    QPainter painter(&image);
    prepare(painter);

    // The shore: level ground, a slope down to the sea bed, and the bed falling gently seawards.
    const QPolygonF ground{{0, 82}, {226, 82}, {346, 206}, {546, 214}};
    const double seaLevel = 116;
    const double shoreX = 226 + (seaLevel - 82) * 120 / 124;

    // Sea above the bed, soil below the ground line.
    const QPolygonF seaArea{{shoreX, seaLevel}, {546, seaLevel}, {546, 214}, {346, 206}};
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSea);
    painter.drawPolygon(seaArea);
    QPolygonF soil = ground;
    soil << QPointF(546, 262) << QPointF(0, 262);
    painter.setBrush(kGround);
    painter.drawPolygon(soil);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen(1.5));
    painter.drawPolyline(ground);
    painter.setPen(pen(1.2));
    painter.drawLine(QPointF(shoreX, seaLevel), QPointF(546, seaLevel));
    // The sea-level mark.
    const QPointF mark(526, seaLevel - 2);
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF{mark + QPointF(-6, -9), mark + QPointF(6, -9), mark});
    painter.setBrush(Qt::NoBrush);
    label(painter, {english ? 452.0 : 404.0, seaLevel - 6},
          words(language, "στάθμη θάλασσας", "sea level"), 12);

    // The loading shaft, with its water level above the sea level.
    const QRectF shaft(140, 40, 44, 96);
    const double shaftLevel = 58;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWater);
    painter.drawRect(QRectF(shaft.left(), shaftLevel, shaft.width(), shaft.bottom() - shaftLevel));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pen(2.5));
    painter.drawLine(shaft.topLeft(), shaft.bottomLeft());
    painter.drawLine(shaft.topRight(), shaft.bottomRight());
    painter.drawLine(shaft.bottomLeft(), shaft.bottomRight());
    painter.setPen(pen(1.2));
    painter.drawLine(QPointF(shaft.left(), shaftLevel), QPointF(shaft.right(), shaftLevel));
    centredLabel(painter, shaft.center().x(), 30,
                 words(language, "Φρεάτιο φόρτισης", "Loading shaft"), 12);

    // The head H: the shaft's water level above the sea level.
    painter.setPen(pen(0.8, Qt::DashLine));
    painter.drawLine(QPointF(shaft.right(), shaftLevel), QPointF(222, shaftLevel));
    painter.drawLine(QPointF(204, seaLevel), QPointF(shoreX, seaLevel));
    dimension(painter, {212, shaftLevel}, {212, seaLevel});
    label(painter, {196, 94}, QStringLiteral("H"), 14, true);

    // Inflow from the treatment plant.
    pipe(painter, QPolygonF{{0, 106}, {shaft.left(), 106}}, 8, 1.2);
    painter.setPen(pen(1.0));
    painter.drawLine(QPointF(24, 94), QPointF(100, 94));
    arrowHead(painter, {24, 94}, {108, 94});
    label(painter, {4, 40}, words(language, "από την", "from the"), 12);
    label(painter, {4, 54}, words(language, "εγκατάσταση", "treatment"), 12);
    label(painter, {4, 68}, words(language, "επεξεργασίας", "plant"), 12);

    // The submarine conveyance pipe down the slope and the diffuser on the sea bed.
    const QPolygonF axis{{shaft.right(), 124}, {267, 124}, {344.5, 202}, {544, 210}};
    pipe(painter, axis, 8, 1.2);
    const QPolygonF top{{267, 120}, {344.5, 198}, {544, 206}};
    for (int i = 0; i < 7; ++i) {
        const double x = 426 + 18 * i;
        riser(painter, {x, heightAt(top, x)}, 20, 5, 1.2);
        // The effluent rising from the port.
        painter.setPen(pen(0.8, Qt::DotLine));
        const double y0 = heightAt(top, x) - 24;
        painter.drawLine(QPointF(x, y0), QPointF(x, y0 - 22));
        arrowHead(painter, {x, y0}, {x, y0 - 26}, 5);
    }
    label(painter, {english ? 350.0 : 326.0, 160}, words(language, "ανυψωτήρες", "risers"), 12);
    painter.setPen(pen(0.7));
    painter.drawLine(QPointF(392, 164), QPointF(422, 184));
    label(painter, {214, 236}, words(language, "υποβρύχιος αγωγός", "submarine"), 12);
    label(painter, {214, 251}, words(language, "μεταφοράς", "conveyance pipe"), 12);
    painter.setPen(pen(0.7));
    painter.drawLine(QPointF(300, 225), QPointF(312, 170));
    // The diffuser's extent under the sea bed.
    painter.setPen(pen(1.0));
    painter.drawLine(QPointF(418, 226), QPointF(542, 229));
    painter.drawLine(QPointF(418, 220), QPointF(418, 232));
    painter.drawLine(QPointF(542, 223), QPointF(542, 235));
    centredLabel(painter, 480, 250, words(language, "διαχυτήρας", "diffuser"), 12);
    return image;
}

QImage drawRiserSpacingSketch(PictureLanguage language) {
    const bool english = language == PictureLanguage::english;
    QImage image = canvas(540, 230);
    QPainter painter(&image);
    prepare(painter);

    // The diffuser pipe falls towards the open sea on the right.
    const QPointF start(20, 112);
    const QPointF end(520, 182);
    const double slope = (end.y() - start.y()) / (end.x() - start.x());
    auto axisY = [&](double x) { return start.y() + slope * (x - start.x()); };
    const double diameter = 18;

    const QPolygonF bed{{0, axisY(0) + diameter / 2 + 1}, {540, axisY(540) + diameter / 2 + 1}};
    hatchBelow(painter, bed, 9, 6);
    painter.setPen(pen(1.0));
    painter.drawPolyline(bed);

    const double risers[] = {110, 260, 410};
    const double riserHeight = 46;
    for (double x : risers)
        riser(painter, {x, axisY(x) - diameter / 2 + 1}, riserHeight, 9, 1.4);
    pipe(painter, QPolygonF{start, end}, diameter, 1.6);
    // The axis of the pipe.
    painter.setPen(pen(0.7, Qt::DashDotLine));
    painter.drawLine(start, end);

    // Δl: the horizontal distance between two risers, above their tops.
    const double a = risers[1];
    const double b = risers[2];
    const double dimY = axisY(a) - diameter / 2 - riserHeight - 26;
    painter.setPen(pen(0.7));
    painter.drawLine(QPointF(a, axisY(a) - diameter / 2 - riserHeight - 4), QPointF(a, dimY - 6));
    painter.drawLine(QPointF(b, axisY(b) - diameter / 2 - riserHeight - 4), QPointF(b, dimY - 6));
    dimension(painter, {a, dimY}, {b, dimY});
    label(painter, {(a + b) / 2 - 10, dimY - 7}, utf8("Δl"), 16, true);

    // Δz: the vertical drop of the pipe axis from one riser to the next.
    const double dimX = b + 58;
    painter.setPen(pen(0.7, Qt::DashLine));
    painter.drawLine(QPointF(a, axisY(a)), QPointF(dimX + 8, axisY(a)));
    painter.drawLine(QPointF(b, axisY(b)), QPointF(dimX + 8, axisY(b)));
    dimension(painter, {dimX, axisY(a)}, {dimX, axisY(b)});
    label(painter, {dimX + 8, (axisY(a) + axisY(b)) / 2 + 6}, utf8("Δz"), 16, true);

    // The diameters: D of the pipe, d of a riser.
    const double dx = 180;
    dimension(painter, {dx, axisY(dx) - diameter / 2}, {dx, axisY(dx) + diameter / 2});
    label(painter, {dx + 5, axisY(dx) + 30}, QStringLiteral("D"), 15, true);
    const double rx = risers[0];
    const double ry = axisY(rx) - diameter / 2 - riserHeight / 2;
    painter.setPen(pen(0.7));
    painter.drawLine(QPointF(rx - 4.5, ry), QPointF(rx - 22, ry));
    painter.drawLine(QPointF(rx + 4.5, ry), QPointF(rx + 22, ry));
    arrowHead(painter, {rx - 22, ry}, {rx - 4.5, ry}, 6);
    arrowHead(painter, {rx + 22, ry}, {rx + 4.5, ry}, 6);
    label(painter, {rx + 14, ry - 5}, QStringLiteral("d"), 15, true);

    // Names and directions.
    label(painter, {english ? 44.0 : 24.0, 40}, words(language, "ανυψωτήρας", "riser"), 13);
    painter.setPen(pen(0.7));
    painter.drawLine(QPointF(80, 45), QPointF(rx - 6, ry - 12));
    label(painter, {300, 222}, words(language, "αγωγός του διαχυτήρα", "diffuser pipe"), 13);
    label(painter, {4, 222},
          words(language, "← προς το φρεάτιο φόρτισης", "← to the loading shaft"), 13);
    label(painter, {english ? 450.0 : 410.0, 40},
          words(language, "ανοιχτή θάλασσα →", "open sea →"), 13);
    return image;
}

QImage drawProgramIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    prepare(painter);
    painter.scale(size / 64.0, size / 64.0);
    // A rounded tile of sea over a sandy bed, with the diffuser lying on the bed and three
    // risers sending their plumes up towards the surface.
    QPainterPath tile;
    tile.addRoundedRect(QRectF(1, 1, 62, 62), 10, 10);
    painter.setClipPath(tile);
    painter.fillRect(QRectF(0, 0, 64, 48), kWater);
    painter.fillRect(QRectF(0, 48, 64, 16), kGround);
    painter.setPen(QPen(Qt::white, 2.0));
    for (const double x : {17.0, 33.0, 49.0}) {
        QPainterPath plume;
        plume.moveTo(x, 38);
        plume.cubicTo(x - 3, 28, x + 5, 20, x + 1, 8);
        painter.drawPath(plume);
    }
    painter.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(4, 46), QPointF(60, 46));
    for (const double x : {17.0, 33.0, 49.0})
        painter.drawLine(QPointF(x, 46), QPointF(x, 38));
    painter.setClipping(false);
    painter.setPen(QPen(kInk, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tile);
    return image;
}

}  // namespace thalmuro::bitmaps
