#include "chart_legend.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>

namespace thalmuro {
namespace {

// The swatch's width, the gap after it, and the space between entries and around them, in
// pixels.
constexpr double kSwatchWidth = 32.0;
constexpr double kGap = 8.0;
constexpr double kSpacing = 4.0;

// The room the text of an entry has in a legend `width` wide; a line of text at the least.
double textWidth(const QFont& font, double width) {
    return std::max(width - 2.0 * kSpacing - kSwatchWidth - kGap,
                    QFontMetricsF(font).averageCharWidth());
}

// A text wraps between words, and inside a word only when a word alone is wider than the room:
// nothing is cut off at any width.
int wrapping(const QString& text, const QFont& font, double width) {
    const QFontMetricsF metrics(font);
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (metrics.horizontalAdvance(word) > width) return Qt::AlignLeft | Qt::TextWrapAnywhere;
    }
    return Qt::AlignLeft | Qt::TextWordWrap;
}

// The text of `entry` laid out in `width`, its top-left corner at the origin.
QRectF textRect(const LegendEntry& entry, const QFont& font, double width) {
    const QFontMetricsF metrics(font);
    QRectF bounds = metrics.boundingRect(QRectF(0.0, 0.0, width, 1e6),
                                         wrapping(entry.text, font, width), entry.text);
    bounds.moveTopLeft(QPointF(0.0, 0.0));
    bounds.setHeight(std::max(bounds.height(), metrics.height()));
    return bounds;
}

}  // namespace

std::vector<QRectF> legendTextRects(const std::vector<LegendEntry>& entries, const QFont& font,
                                    const QRectF& area) {
    const double width = textWidth(font, area.width());
    const double left = area.left() + kSpacing + kSwatchWidth + kGap;
    double top = area.top() + kSpacing;
    std::vector<QRectF> rects;
    for (const LegendEntry& entry : entries) {
        QRectF text = textRect(entry, font, width);
        text.moveTopLeft(QPointF(left, top));
        rects.push_back(text);
        top = text.bottom() + kSpacing;
    }
    return rects;
}

double legendHeight(const std::vector<LegendEntry>& entries, const QFont& font, double width) {
    if (entries.empty()) return 0.0;
    const std::vector<QRectF> rects = legendTextRects(entries, font, QRectF(0, 0, width, 0));
    return rects.back().bottom() + kSpacing;
}

void drawLegend(QPainter& painter, const QRectF& area, const std::vector<LegendEntry>& entries,
                const QFont& font) {
    const std::vector<QRectF> rects = legendTextRects(entries, font, area);
    const double lineHeight = QFontMetricsF(font).height();
    const double room = textWidth(font, area.width());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const LegendEntry& entry = entries[i];
        const QRectF& text = rects[i];
        // The swatch stands beside the first line of its text.
        const QPointF middle(area.left() + kSpacing + kSwatchWidth / 2.0,
                             text.top() + lineHeight / 2.0);
        if (entry.mark == LegendMark::line) {
            QPen pen(entry.colour);
            pen.setWidthF(entry.widthPixels);
            pen.setCapStyle(Qt::RoundCap);
            painter.setPen(pen);
            painter.drawLine(QPointF(middle.x() - kSwatchWidth / 2.0 + 2.0, middle.y()),
                             QPointF(middle.x() + kSwatchWidth / 2.0 - 2.0, middle.y()));
        } else {
            painter.setPen(QPen(entry.colour.darker(150), 1.0));
            painter.setBrush(entry.colour);
            const double size = entry.widthPixels;
            const QRectF mark(middle.x() - size / 2.0, middle.y() - size / 2.0, size, size);
            if (entry.mark == LegendMark::dot) {
                painter.drawEllipse(mark);
            } else {
                painter.drawRect(mark);
            }
            painter.setBrush(Qt::NoBrush);
        }
        painter.setPen(Qt::black);
        painter.drawText(QRectF(text.topLeft(), QSizeF(room, text.height())),
                         wrapping(entry.text, font, room), entry.text);
    }
    painter.restore();
}

LegendPanel::LegendPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LegendPanel::setEntries(std::vector<LegendEntry> entries) {
    entries_ = std::move(entries);
    // What the panel draws is no text of a widget: a screen reader reads it as the name.
    QStringList texts;
    for (const LegendEntry& entry : entries_)
        texts << entry.text;
    setAccessibleName(texts.join(QStringLiteral("; ")));
    update();
}

void LegendPanel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawLegend(painter, QRectF(rect()), entries_, font());
}

}  // namespace thalmuro
