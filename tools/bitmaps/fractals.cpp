// The decorative pictures: escape-time fractals computed per pixel and a recursive cluster of
// shaded spheres. Pure arithmetic on fixed parameters, so every run gives the same pixels.
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <complex>

#include "pictures.h"

namespace thalmuro::bitmaps {
namespace {

using Complex = std::complex<double>;

struct Stop {
    double at;
    QColor colour;
};

// The colour at `t` (taken modulo 1) along a closed ring of colour stops.
template <std::size_t N>
QColor ring(const std::array<Stop, N>& stops, double t) {
    t -= std::floor(t);
    for (std::size_t i = 0; i + 1 < N; ++i) {
        if (t <= stops[i + 1].at) {
            const double f = (t - stops[i].at) / (stops[i + 1].at - stops[i].at);
            const QColor& a = stops[i].colour;
            const QColor& b = stops[i + 1].colour;
            return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * f),
                                    static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * f),
                                    static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * f));
        }
    }
    return stops[N - 1].colour;
}

// The pixel (x, y) of a `width` × `height` picture as a point of the complex plane, the picture
// showing `span` horizontally around `centre`.
Complex planePoint(int x, int y, int width, int height, Complex centre, double span) {
    const double scale = span / width;
    return centre + Complex((x - width / 2.0) * scale, (y - height / 2.0) * scale);
}

// A filled Julia set's escape time for z ↦ z² + c, smoothed so that the colour bands have no
// steps; a negative value for points that do not escape.
double juliaEscape(Complex z, Complex c, int maxIterations) {
    // In real arithmetic: std::complex multiplication guards against infinities and NaNs at a
    // cost that the escape radius makes pointless here.
    double x = z.real();
    double y = z.imag();
    for (int i = 0; i < maxIterations; ++i) {
        const double x2 = x * x;
        const double y2 = y * y;
        if (x2 + y2 > 256.0) return i + 1.0 - std::log2(std::log2(x2 + y2) / 2.0);
        y = 2.0 * x * y + c.imag();
        x = x2 - y2 + c.real();
    }
    return -1.0;
}

// The sphere of the cluster at depth `depth`: gold at even depths, silver at odd ones, lit from
// the upper left.
void shadedSphere(QPainter& painter, QPointF centre, double radius, int depth) {
    const bool gold = depth % 2 == 0;
    QRadialGradient light(centre, radius, centre + QPointF(-radius * 0.38, -radius * 0.42));
    if (gold) {
        light.setColorAt(0.0, QColor(255, 250, 215));
        light.setColorAt(0.25, QColor(245, 205, 70));
        light.setColorAt(0.7, QColor(190, 130, 20));
        light.setColorAt(1.0, QColor(70, 40, 0));
    } else {
        light.setColorAt(0.0, QColor(255, 255, 255));
        light.setColorAt(0.3, QColor(205, 210, 220));
        light.setColorAt(0.75, QColor(125, 130, 142));
        light.setColorAt(1.0, QColor(35, 38, 45));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawEllipse(centre, radius, radius);
}

// A sphere with smaller spheres around it, each of them with its own ring, and so on: each
// generation a third of the size of its parent, pointing away from the grandparent.
void sphereCluster(QPainter& painter, QPointF centre, double radius, double direction, int depth,
                   int maxDepth) {
    if (depth == maxDepth) {
        shadedSphere(painter, centre, radius, depth);
        return;
    }
    // Six children around the first sphere, five around the others (none where the parent is).
    // Children in the upper half stand behind their parent and are drawn before it.
    const int children = depth == 0 ? 6 : 5;
    const double step = 2.0 * M_PI / 6.0;
    const double childRadius = radius / 3.0;
    for (const bool behind : {true, false}) {
        if (!behind) shadedSphere(painter, centre, radius, depth);
        for (int k = 0; k < children; ++k) {
            const double angle = direction + (depth == 0 ? k : k - 2) * step;
            if ((std::sin(angle) < 0.0) != behind) continue;
            const QPointF child =
                centre + QPointF(std::cos(angle), std::sin(angle)) * (radius + childRadius);
            sphereCluster(painter, child, childRadius, angle, depth + 1, maxDepth);
        }
    }
}

}  // namespace

QImage drawGreenRedFractal() {
    constexpr int kWidth = 1065;
    constexpr int kHeight = 749;
    static const std::array<Stop, 7> kStops = {{
        {0.00, QColor(10, 60, 20)},
        {0.18, QColor(40, 150, 60)},
        {0.34, QColor(170, 225, 110)},
        {0.50, QColor(215, 60, 40)},
        {0.68, QColor(130, 10, 20)},
        {0.84, QColor(30, 90, 35)},
        {1.00, QColor(10, 60, 20)},
    }};
    const QRgb inside = qRgb(90, 0, 10);
    // The colour ring, sampled finely enough that no step shows.
    constexpr std::size_t kPaletteSize = 1024;
    std::array<QRgb, kPaletteSize> palette{};
    for (std::size_t i = 0; i < kPaletteSize; ++i)
        palette[i] = ring(kStops, static_cast<double>(i) / kPaletteSize).rgb();
    const Complex c(-0.7269, 0.1889);
    // Each pixel is the mean of 2 × 2 samples: the set's finest filaments would otherwise turn
    // into speckle.
    constexpr int kSamples = 2;
    QImage image = canvas(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            double r = 0.0;
            double g = 0.0;
            double b = 0.0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Complex z =
                        planePoint(kSamples * x + sx, kSamples * y + sy, kSamples * kWidth,
                                   kSamples * kHeight, Complex(0.05, 0.0), 3.1);
                    const double escape = juliaEscape(z, c, 150);
                    const QRgb colour = escape < 0.0
                                            ? inside
                                            : palette[static_cast<std::size_t>(
                                                  std::fmod(escape / 22.0, 1.0) * kPaletteSize)];
                    r += qRed(colour);
                    g += qGreen(colour);
                    b += qBlue(colour);
                }
            }
            constexpr double kScale = 1.0 / (kSamples * kSamples);
            line[x] = qRgb(static_cast<int>(std::lround(r * kScale)),
                           static_cast<int>(std::lround(g * kScale)),
                           static_cast<int>(std::lround(b * kScale)));
        }
    }
    return image;
}

QImage drawSphereFractal() {
    QImage image = canvas(640, 480, Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The window shows the upper left 556 × 338 pixels, with its texts on the left: the main
    // cluster stands right of centre in that part, two small ones fill the rest of the picture.
    sphereCluster(painter, {404, 168}, 66, -M_PI / 2, 0, 4);
    sphereCluster(painter, {585, 405}, 36, -M_PI / 2, 1, 4);
    sphereCluster(painter, {150, 400}, 30, -M_PI / 2, 1, 4);
    return image;
}

QImage drawPastelFractal() {
    constexpr int kWidth = 1280;
    constexpr int kHeight = 1024;
    // Newton's method on z³ = 1: each pixel takes the colour of the root it converges to, paler
    // the faster it gets there. The colours are mixed with much white so that black text stays
    // readable on every part of the picture.
    const Complex roots[3] = {Complex(1.0, 0.0), Complex(-0.5, std::sqrt(3.0) / 2.0),
                              Complex(-0.5, -std::sqrt(3.0) / 2.0)};
    const QColor tints[3] = {QColor(250, 200, 215), QColor(195, 235, 205), QColor(205, 205, 245)};
    QImage image = canvas(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            Complex z = planePoint(x, y, kWidth, kHeight, Complex(-0.2, 0.0), 3.4);
            int root = -1;
            int steps = 0;
            for (; steps < 40 && root < 0; ++steps) {
                const Complex z2 = z * z;
                if (std::norm(z2) == 0.0) break;
                z -= (z2 * z - 1.0) / (3.0 * z2);
                for (int r = 0; r < 3; ++r)
                    if (std::norm(z - roots[r]) < 1e-6) root = r;
            }
            if (root < 0) {
                line[x] = qRgb(250, 250, 240);
                continue;
            }
            // Bands of slow convergence near the basin borders are a little deeper in tone.
            const double band = 0.5 + 0.5 * std::cos(steps * 0.55);
            const double white = 0.35 + 0.45 * band;
            const QColor& tint = tints[root];
            const auto mix = [white](int channel) {
                return static_cast<int>(std::lround(channel + (255 - channel) * white));
            };
            line[x] = qRgb(mix(tint.red()), mix(tint.green()), mix(tint.blue()));
        }
    }
    return image;
}

}  // namespace thalmuro::bitmaps
