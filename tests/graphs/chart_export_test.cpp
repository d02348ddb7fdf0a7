// The charts of the graph window saved as pictures from their context menu.
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include "fixtures.h"
#include "graph_window.h"
#include "line_chart.h"
#include "thalmuro/engine.h"
#include "ui_test_support.h"

using thalmuro::GraphWindow;
using thalmuro::LineChart;
using thalmuro::testing::ModalAnswerer;

namespace {

// How many pixels of `image` are the pure red of the plotted quantity's line.
int redPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60) ++count;
        }
    }
    return count;
}

}  // namespace

class ChartExportTest : public QObject {
    Q_OBJECT

  private slots:
    void entries() {
        GraphWindow window(thalmuro::testing::workedResults(), thalmuro::NumberLocale::greek());
        for (const char* name : {"MSChart1", "MSChart2"}) {
            auto* chart = window.findChild<LineChart*>(name);
            QCOMPARE(chart->contextMenuPolicy(), Qt::ActionsContextMenu);
            QStringList entries;
            for (const QAction* entry : chart->actions())
                entries << entry->objectName() + ": " + entry->text();
            QCOMPARE(entries, (QStringList{"apothikefsi_png: Αποθήκευση γραφήματος ως PNG…",
                                           "apothikefsi_png_2x: Αποθήκευση γραφήματος ως PNG (2×)…",
                                           "apothikefsi_svg: Αποθήκευση γραφήματος ως SVG…"}));
        }
    }

    // The picture has the chart's size on screen (twice it for print) and shows its red line.
    void savesThePlottedChart_data() {
        QTest::addColumn<QString>("chart");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("scale");
        QTest::newRow("PNG") << "MSChart1"
                             << "apothikefsi_png"
                             << "γράφημα.png" << 1;
        QTest::newRow("PNG 2x") << "MSChart1"
                                << "apothikefsi_png_2x"
                                << "γράφημα.png" << 2;
        QTest::newRow("SVG") << "MSChart1"
                             << "apothikefsi_svg"
                             << "γράφημα.svg" << 1;
        QTest::newRow("reference chart, PNG 2x") << "MSChart2"
                                                 << "apothikefsi_png_2x"
                                                 << "γράφημα.png" << 2;
        QTest::newRow("reference chart, SVG") << "MSChart2"
                                              << "apothikefsi_svg"
                                              << "γράφημα.svg" << 1;
    }
    void savesThePlottedChart() {
        QFETCH(QString, chart);
        QFETCH(QString, entry);
        QFETCH(QString, file);
        QFETCH(int, scale);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        GraphWindow window(thalmuro::testing::workedResults(), thalmuro::NumberLocale::greek());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.plot(GraphWindow::Plot::froude);
        auto* plotted = window.findChild<LineChart*>(chart);
        QVERIFY(plotted->isVisible());
        const QSize size = plotted->viewport()->size();

        QString dialogName;
        ModalAnswerer answerer;
        answerer.then([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            dialogName = dialog->objectName();
            // Without its suffix, which the dialog adds.
            dialog->selectFile(folder.filePath("γράφημα"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        plotted->findChild<QAction*>(entry)->trigger();
        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.unexpected(), 0);
        QCOMPARE(dialogName, QString("saveChartDialog"));

        QFile saved(folder.filePath(file));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QImage image;
        if (file.endsWith(".svg")) {
            QSvgRenderer svg(bytes);
            QVERIFY(svg.isValid());
            QCOMPARE(svg.viewBox(), QRect(QPoint(0, 0), size));
            image = QImage(size, QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            svg.render(&painter);
        } else {
            QVERIFY(image.loadFromData(bytes, "PNG"));
            QCOMPARE(image.size(), size * scale);
            QCOMPARE(image.dotsPerMeterX(), qRound(96.0 / 0.0254 * scale));
        }
        QVERIFY(redPixels(image) > 0);
    }
};

QTEST_MAIN(ChartExportTest)
#include "chart_export_test.moc"
