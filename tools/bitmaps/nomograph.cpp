// 110: the Abraham nomograph. Log–log axes, the depth over the outlet diameter h/D against the
// densimetric Froude number, and six curves of constant dilution S0. For a given dilution the
// depth needed grows with the Froude number as long as the outflow behaves as a plume; beyond
// about 10 the jet's momentum takes over and the curves turn down, which is why the program
// warns about outlets with a Froude number above 10 (the red line).
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "pictures.h"

namespace thalmuro::bitmaps {
namespace {

// The plot area. The picture box shows 753 × 545 of the 831 × 578 pixels; the rest is margin.
constexpr double kLeft = 84;
constexpr double kRight = 722;
constexpr double kTop = 24;
constexpr double kBottom = 468;
// Decades shown: x from 1 to 100, h/D from 10 to 200.
const double kMinW = 1.0;
const double kMaxW = std::log10(200.0);

double px(double x) {
    return kLeft + (kRight - kLeft) * std::log10(x) / 2.0;
}

double py(double hOverD) {
    return kBottom - (kBottom - kTop) * (std::log10(hOverD) - kMinW) / (kMaxW - kMinW);
}

// One dilution curve in logarithmic coordinates u = log10 x, w = log10 h/D: a rise to a peak
// at (peakX, peakH) and a fall beyond it, each side a parabola in (u, w) so that the curve is
// smooth at its top. `leftH` and `rightH` are the curve's h/D at x = 1 and x = 100.
struct DilutionCurve {
    int dilution;
    double peakX;
    double peakH;
    double leftH;
    double rightH;

    double hOverD(double x) const {
        const double u = std::log10(x);
        const double up = std::log10(peakX);
        const double wp = std::log10(peakH);
        const double end = u < up ? 0.0 : 2.0;
        const double wEnd = std::log10(u < up ? leftH : rightH);
        const double t = (u - up) / (end - up);
        return std::pow(10.0, wp - (wp - wEnd) * t * t);
    }
};

// The largest dilution has no maximum in the chart: it keeps rising, ever more slowly.
double topCurve(double x) {
    const double t = std::log10(x) / 2.0;
    const double w0 = std::log10(60.0);
    const double w1 = std::log10(195.0);
    return std::pow(10.0, w0 + (w1 - w0) * (1.0 - (1.0 - t) * (1.0 - t)));
}

const DilutionCurve kCurves[] = {
    {10, 6.0, 20.0, 8.0, 2.4},  // back down to h/D 10 near x = 30
    {20, 9.0, 38.0, 15.0, 13.0},   {40, 13.0, 70.0, 25.0, 28.0},
    {60, 17.0, 100.0, 33.0, 45.0}, {80, 22.0, 135.0, 40.0, 68.0},
};

template <class Function>
QPainterPath curvePath(Function hOverD) {
    QPainterPath path;
    for (int i = 0; i <= 400; ++i) {
        const double x = std::pow(10.0, 2.0 * i / 400.0);
        const QPointF point(px(x), py(hOverD(x)));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    return path;
}

// A run of text in which the parts marked `lowered` are subscripts: a smaller size, below the
// baseline. Returns the width; draws only when `painter` is given.
struct Part {
    QString text;
    bool lowered;
};

double drawParts(QPainter* painter, QPointF at, const QFont& font, const QList<Part>& parts) {
    QFont small = font;
    small.setPixelSize(font.pixelSize() * 2 / 3);
    double x = at.x();
    for (const Part& part : parts) {
        const QFont& face = part.lowered ? small : font;
        const double shift = part.lowered ? font.pixelSize() * 0.25 : 0.0;
        if (painter) {
            painter->setFont(face);
            painter->drawText(QPointF(x, at.y() + shift), part.text);
        }
        x += QFontMetricsF(face).horizontalAdvance(part.text);
    }
    return x - at.x();
}

// "S0 = n" centred on the curve at x, on a white patch that interrupts the curve's line.
void curveLabel(QPainter& painter, double x, double hOverD, int dilution) {
    const QFont font = pageFont(15);
    const QList<Part> parts = {{QStringLiteral("S"), false},
                               {QStringLiteral("0"), true},
                               {QStringLiteral(" = %1").arg(dilution), false}};
    const double width = drawParts(nullptr, {}, font, parts);
    const QPointF centre(px(x), py(hOverD));
    painter.fillRect(QRectF(centre.x() - width / 2 - 4, centre.y() - 10, width + 8, 20), Qt::white);
    painter.setPen(Qt::black);
    drawParts(&painter, centre + QPointF(-width / 2, 5), font, parts);
}

}  // namespace

QImage drawNomograph() {
    QImage image = canvas(831, 578);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QRectF plot(QPointF(kLeft, kTop), QPointF(kRight, kBottom));

    // Grid: the labelled values and the minor steps between them.
    const double xMajor[] = {1, 2, 3, 4, 6, 8, 10, 20, 30, 40, 60, 80, 100};
    const double xMinor[] = {5, 7, 9, 50, 70, 90};
    const double yMajor[] = {10, 20, 30, 40, 60, 80, 100, 200};
    const double yMinor[] = {50, 70, 90, 150};
    painter.setPen(QPen(QColor(200, 200, 200), 0.8));
    for (double x : xMinor)
        painter.drawLine(QPointF(px(x), kTop), QPointF(px(x), kBottom));
    for (double h : yMinor)
        painter.drawLine(QPointF(kLeft, py(h)), QPointF(kRight, py(h)));
    painter.setPen(QPen(QColor(150, 150, 150), 1.0));
    for (double x : xMajor)
        painter.drawLine(QPointF(px(x), kTop), QPointF(px(x), kBottom));
    for (double h : yMajor)
        painter.drawLine(QPointF(kLeft, py(h)), QPointF(kRight, py(h)));

    // The curves, clipped to the plot.
    painter.save();
    painter.setClipRect(plot);
    painter.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const DilutionCurve& curve : kCurves)
        painter.drawPath(curvePath([&curve](double x) { return curve.hOverD(x); }));
    painter.drawPath(curvePath(topCurve));
    painter.restore();

    // The limit of the program: Froude number 10.
    painter.setPen(QPen(QColor(220, 0, 0), 5.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(px(10), kTop), QPointF(px(10), kBottom));

    // Labels of the curves, on their falling side.
    curveLabel(painter, 17, kCurves[0].hOverD(17), 10);
    for (int i = 1; i < 5; ++i)
        curveLabel(painter, 40, kCurves[i].hOverD(40), kCurves[i].dilution);
    curveLabel(painter, 40, topCurve(40), 120);

    // Frame and scales.
    painter.setPen(QPen(Qt::black, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    const QFont tickFont = pageFont(14);
    painter.setFont(tickFont);
    const QFontMetricsF metrics(tickFont);
    for (double x : xMajor) {
        painter.drawLine(QPointF(px(x), kBottom), QPointF(px(x), kBottom + 6));
        const QString text = QString::number(x);
        painter.drawText(QPointF(px(x) - metrics.horizontalAdvance(text) / 2, kBottom + 22), text);
    }
    for (double h : yMajor) {
        painter.drawLine(QPointF(kLeft - 6, py(h)), QPointF(kLeft, py(h)));
        const QString text = QString::number(h);
        painter.drawText(QPointF(kLeft - 10 - metrics.horizontalAdvance(text), py(h) + 5), text);
    }

    // Axis names.
    QFont axisFont = pageFont(17);
    axisFont.setItalic(true);
    painter.setFont(axisFont);
    painter.drawText(QPointF(8, (py(40) + py(60)) / 2 + 6), QStringLiteral("h/D"));
    const QList<Part> caption = {{utf8("V/√g′D = V/√(g (ρ"), false},
                                 {QStringLiteral("0"), true},
                                 {utf8("−ρ)/ρ · D)"), false}};
    const double width = drawParts(nullptr, {}, axisFont, caption);
    drawParts(&painter, {(kLeft + kRight - width) / 2, kBottom + 54}, axisFont, caption);
    return image;
}

}  // namespace thalmuro::bitmaps
