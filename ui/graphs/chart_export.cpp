#include "chart_export.h"

#include <QAction>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "file_saving.h"
#include "window_controls.h"

namespace thalmuro {
namespace {

// The windows are laid out at 96 pixels per inch; 0.0254 m to the inch.
constexpr double kDotsPerMetre = 96.0 / 0.0254;

// Draws the chart as the screen shows it onto `painter`, whose device is the chart's size in
// logical pixels.
void drawChart(QChartView& chart, QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = chart.viewport()->rect();
    painter.fillRect(area, Qt::white);
    chart.render(&painter, QRectF(area), area);
}

struct SaveEntry {
    const char* caption;
    const char* name;
    const char* filter;
    const char* suffix;
    int scale;  // 0 for SVG
};

constexpr SaveEntry kSaveEntries[] = {
    {QT_TRANSLATE_NOOP("thalmuro::ChartExport", "Αποθήκευση γραφήματος ως PNG…"), "apothikefsi_png",
     QT_TRANSLATE_NOOP("thalmuro::ChartExport", "Εικόνες PNG (*.png)"), "png", 1},
    {QT_TRANSLATE_NOOP("thalmuro::ChartExport", "Αποθήκευση γραφήματος ως PNG (2×)…"),
     "apothikefsi_png_2x", QT_TRANSLATE_NOOP("thalmuro::ChartExport", "Εικόνες PNG (*.png)"), "png",
     2},
    {QT_TRANSLATE_NOOP("thalmuro::ChartExport", "Αποθήκευση γραφήματος ως SVG…"), "apothikefsi_svg",
     QT_TRANSLATE_NOOP("thalmuro::ChartExport", "Σχέδια SVG (*.svg)"), "svg", 0},
};

// A text of the save entries and their dialog in the interface language.
QString translated(const char* source) {
    return QCoreApplication::translate("thalmuro::ChartExport", source);
}

}  // namespace

QByteArray chartPng(QChartView& chart, int scale) {
    const QSize size = chart.viewport()->size();
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.setDotsPerMeterX(qRound(kDotsPerMetre * scale));
    image.setDotsPerMeterY(qRound(kDotsPerMetre * scale));
    {
        QPainter painter(&image);
        drawChart(chart, painter);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray chartSvg(QChartView& chart, const QString& title) {
    const QSize size = chart.viewport()->size();
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
        drawChart(chart, painter);
    }
    return bytes;
}

void addSaveEntries(QChartView* chart) {
    chart->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const SaveEntry& entry : kSaveEntries) {
        auto* action = new QAction(chart);
        action->setObjectName(utf8(entry.name));
        chart->addAction(action);
        QObject::connect(action, &QAction::triggered, chart, [chart, entry] {
            // The picture carries the chart's title as it is shown, in the interface language.
            const QString title = chart->chart()->title().trimmed();
            const QByteArray bytes =
                entry.scale == 0 ? chartSvg(*chart, title) : chartPng(*chart, entry.scale);
            QString name = translated(QT_TRANSLATE_NOOP("thalmuro::ChartExport", "Γράφημα"));
            if (entry.scale == 2) name += QStringLiteral("@2x");
            saveFile(
                chart,
                {QStringLiteral("saveChartDialog"), translated(entry.caption).remove(QChar(0x2026)),
                 translated(entry.filter), utf8(entry.suffix)},
                QDir::current().filePath(name + QLatin1Char('.') + utf8(entry.suffix)),
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
