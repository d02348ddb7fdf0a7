#include "chart_export.h"

#include <QAction>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QtMath>

#include "file_saving.h"
#include "window_controls.h"

namespace thalmuro {
namespace {

// The windows are laid out at 96 pixels per inch; 0.0254 m to the inch.
constexpr double kDotsPerMetre = 96.0 / 0.0254;

// Draws the picture onto `painter`, whose device is the picture's size in logical pixels: a
// white ground, the chart as the screen shows it, and the legend below it.
void drawPicture(const ChartPicture& picture, QPainter& painter) {
    QChartView& chart = *picture.chart;
    const PictureLayout layout =
        pictureLayout(chart.viewport()->size(), picture.legend, chart.font());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(QPoint(0, 0), layout.size), Qt::white);
    chart.render(&painter, layout.chart, chart.viewport()->rect());
    if (!picture.legend.empty()) drawLegend(painter, layout.legend, picture.legend, chart.font());
}

QSize pictureSize(const ChartPicture& picture) {
    return pictureLayout(picture.chart->viewport()->size(), picture.legend, picture.chart->font())
        .size;
}

struct SaveEntry {
    const char* caption;
    const char* name;
    const char* filter;
    const char* suffix;
    int scale;  // 0 for a drawing
};

constexpr SaveEntry kSaveEntries[] = {
    {QT_TRANSLATE_NOOP("thalmuro::ChartExport", "Αποθήκευση γραφήματος ως PNG…"), "apothikefsi_png",
     QT_TRANSLATE_NOOP("thalmuro::ChartExport", "Εικόνες PNG (*.png)"), "png", 1},
    {QT_TRANSLATE_NOOP("thalmuro::ChartExport", "Αποθήκευση γραφήματος ως PNG (2×)…"),
     "apothikefsi_png_2x", QT_TRANSLATE_NOOP("thalmuro::ChartExport", "Εικόνες PNG (*.png)"), "png",
     2},
    {QT_TRANSLATE_NOOP("thalmuro::ChartExport", "Αποθήκευση γραφήματος ως SVG…"), "apothikefsi_svg",
     QT_TRANSLATE_NOOP("thalmuro::ChartExport", "Σχέδια SVG (*.svg)"), "svg", 0},
    {QT_TRANSLATE_NOOP("thalmuro::ChartExport", "Αποθήκευση γραφήματος ως PDF…"), "apothikefsi_pdf",
     QT_TRANSLATE_NOOP("thalmuro::ChartExport", "Έγγραφα PDF (*.pdf)"), "pdf", 0},
};

// A text of the save entries and their dialog in the interface language.
QString translated(const char* source) {
    return QCoreApplication::translate("thalmuro::ChartExport", source);
}

}  // namespace

PictureLayout pictureLayout(QSize chartSize, const std::vector<LegendEntry>& legend,
                            const QFont& font) {
    PictureLayout layout;
    layout.chart = QRectF(QPointF(0.0, 0.0), QSizeF(chartSize));
    const double below = legendHeight(legend, font, chartSize.width());
    if (below > 0.0) layout.legend = QRectF(0.0, chartSize.height(), chartSize.width(), below);
    layout.size = QSize(chartSize.width(), chartSize.height() + qCeil(below));
    return layout;
}

QByteArray chartPng(const ChartPicture& picture, int scale) {
    const QSize size = pictureSize(picture);
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.setDotsPerMeterX(qRound(kDotsPerMetre * scale));
    image.setDotsPerMeterY(qRound(kDotsPerMetre * scale));
    {
        QPainter painter(&image);
        drawPicture(picture, painter);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray chartSvg(const ChartPicture& picture, const QString& title) {
    const QSize size = pictureSize(picture);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(96);
    svg.setTitle(title);
    svg.setDescription(QStringLiteral("Thalmuro"));
    {
        QPainter painter(&svg);
        drawPicture(picture, painter);
    }
    return bytes;
}

QByteArray chartPdf(const ChartPicture& picture, const QString& title) {
    const QSize size = pictureSize(picture);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        // One page the picture's size at 96 dots per inch, without margins: a pixel of the
        // screen is a unit of the painter.
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / 96.0, QPageSize::Point, QString(),
                                  QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Thalmuro"));
        QPainter painter(&pdf);
        drawPicture(picture, painter);
    }
    return bytes;
}

void addSaveEntries(QChartView* chart, PictureSource source) {
    chart->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const SaveEntry& entry : kSaveEntries) {
        auto* action = new QAction(chart);
        action->setObjectName(utf8(entry.name));
        chart->addAction(action);
        QObject::connect(action, &QAction::triggered, chart, [chart, entry, source] {
            const ChartPicture picture = source ? source() : ChartPicture{chart, {}, nullptr};
            // The picture carries the chart's title as it is shown, in the interface language.
            const QString title = picture.chart->chart()->title().trimmed();
            const QString suffix = utf8(entry.suffix);
            const QByteArray bytes = entry.scale != 0 ? chartPng(picture, entry.scale)
                                     : suffix == QLatin1String("svg") ? chartSvg(picture, title)
                                                                      : chartPdf(picture, title);
            QString name = translated(QT_TRANSLATE_NOOP("thalmuro::ChartExport", "Γράφημα"));
            if (entry.scale == 2) name += QStringLiteral("@2x");
            saveFile(
                chart,
                {QStringLiteral("saveChartDialog"), translated(entry.caption).remove(QChar(0x2026)),
                 translated(entry.filter), suffix},
                QDir::current().filePath(name + QLatin1Char('.') + suffix),
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        });
    }
    retranslateSaveEntries(chart);
}

void retranslateSaveEntries(QChartView* chart) {
    for (const SaveEntry& entry : kSaveEntries) {
        auto* action =
            chart->findChild<QAction*>(QLatin1String(entry.name), Qt::FindDirectChildrenOnly);
        if (action != nullptr) action->setText(translated(entry.caption));
    }
}

}  // namespace thalmuro
