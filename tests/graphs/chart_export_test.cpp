// The charts of the graph window saved as pictures from their context menu.
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "chart_export.h"
#include "fixtures.h"
#include "graph_window.h"
#include "line_chart.h"
#include "thalmuro/engine.h"
#include "ui_test_support.h"

using thalmuro::GraphWindow;
using thalmuro::LegendEntry;
using thalmuro::LegendMark;
using thalmuro::LineChart;
using thalmuro::testing::ModalAnswerer;

Q_DECLARE_METATYPE(thalmuro::GraphWindow::Plot)

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

// How many pixels of `image` are near `colour`.
int pixelsNear(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) < 40 &&
                std::abs(c.green() - colour.green()) < 40 &&
                std::abs(c.blue() - colour.blue()) < 40)
                ++count;
        }
    }
    return count;
}

// The SVG drawing as an image of its own size.
QImage rendered(const QByteArray& svgBytes) {
    QSvgRenderer svg(svgBytes);
    QImage image(svg.viewBox().size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

// Saves `chart` of `window` through its save entry `entry` into `folder` as "saved" and gives the
// file's bytes.
QByteArray save(GraphWindow& window, const QString& chart, const QString& entry,
                const QTemporaryDir& folder, QString* fileName = nullptr) {
    ModalAnswerer answerer;
    answerer.then([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        dialog->selectFile(folder.filePath("saved"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    auto* view = window.findChild<QChartView*>(chart);
    view->findChild<QAction*>(entry)->trigger();
    const QString suffix = entry.section(u'_', 1, 1);
    QFile saved(folder.filePath("saved." + suffix));
    if (fileName != nullptr) *fileName = saved.fileName();
    if (!saved.open(QIODevice::ReadOnly)) return {};
    return saved.readAll();
}

// A window on the solved worked example, its profile ready, shown.
struct ShownWindow {
    ShownWindow() {
        const thalmuro::DiffuserInput problem =
            thalmuro::workedExample(thalmuro::NumberLocale::greek());
        thalmuro::Solve(problem, state, thalmuro::NumberLocale::greek());
        window = std::make_unique<GraphWindow>(state.results, thalmuro::NumberLocale::greek());
        window->setSolvedDesign(problem, state);
        window->show();
    }
    thalmuro::SharedState state;
    std::unique_ptr<GraphWindow> window;
};

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
                                           "apothikefsi_svg: Αποθήκευση γραφήματος ως SVG…",
                                           "apothikefsi_pdf: Αποθήκευση γραφήματος ως PDF…"}));
        }
    }

    // The picture has the chart's width on screen (twice it for print), the Froude plot's legend
    // below the chart, and shows its red line.
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
            QCOMPARE(svg.viewBox().width(), size.width());
            QVERIFY(svg.viewBox().height() > size.height());
            image = QImage(svg.viewBox().size(), QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            svg.render(&painter);
        } else {
            QVERIFY(image.loadFromData(bytes, "PNG"));
            QCOMPARE(image.width(), size.width() * scale);
            QVERIFY(image.height() > size.height() * scale);
            QCOMPARE(image.dotsPerMeterX(), qRound(96.0 / 0.0254 * scale));
        }
        QVERIFY(redPixels(image) > 0);
    }

    // A saved chart shows the plot as the window does: a discharge or Froude plot its reference
    // lines, on the main chart too, and the texts of its legend; the profile its two lines, the
    // landward head and its legend. A drawing keeps its texts as text.
    void savedPictureShowsThePlot_data() {
        QTest::addColumn<GraphWindow::Plot>("plot");
        QTest::addColumn<QString>("chart");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<QColor>>("colours");
        const QStringList discharge{"Παροχή εκροής απο ανυψωτήρες", "10% αυξημένη", "10% μειωμένη",
                                    "0,0252"};
        const QList<QColor> band{QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 255, 0)};
        const QStringList froude{"Πυκνομετρικός FROUDE", "Μέγιστος Επιτρεπόμενος (10)",
                                 "Ελάχιστος Επιτρεπόμενος (1)"};
        const QList<QColor> limits{QColor(0, 255, 0), QColor(0, 0, 255)};
        const QStringList profile{"Γραμμή ενέργειας (E)", "Θέσεις ανυψωτήρων", "1,123 m"};
        const QList<QColor> lines{QColor(255, 0, 0), QColor(0, 0, 255), QColor(0, 128, 0)};
        using Plot = GraphWindow::Plot;
        QTest::newRow("main chart, discharge, SVG") << Plot::riser_discharge << "MSChart1"
                                                    << "apothikefsi_svg" << discharge << band;
        QTest::newRow("main chart, discharge, PDF") << Plot::riser_discharge << "MSChart1"
                                                    << "apothikefsi_pdf" << discharge << band;
        QTest::newRow("main chart, Froude, PNG") << Plot::froude << "MSChart1"
                                                 << "apothikefsi_png" << QStringList() << limits;
        QTest::newRow("main chart, Froude, SVG") << Plot::froude << "MSChart1"
                                                 << "apothikefsi_svg" << froude << limits;
        QTest::newRow("reference chart, Froude, PDF") << Plot::froude << "MSChart2"
                                                      << "apothikefsi_pdf" << froude << limits;
        QTest::newRow("profile, SVG") << Plot::profile << "profileChart"
                                      << "apothikefsi_svg" << profile << lines;
        QTest::newRow("profile, PDF") << Plot::profile << "profileChart"
                                      << "apothikefsi_pdf" << profile << lines;
    }
    void savedPictureShowsThePlot() {
        QFETCH(GraphWindow::Plot, plot);
        QFETCH(QString, chart);
        QFETCH(QString, entry);
        QFETCH(QStringList, texts);
        QFETCH(QList<QColor>, colours);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        ShownWindow shown;
        QVERIFY(QTest::qWaitForWindowExposed(shown.window.get()));
        shown.window->plot(plot);
        QString fileName;
        const QByteArray bytes = save(*shown.window, chart, entry, folder, &fileName);
        QVERIFY(!bytes.isEmpty());

        QImage image;
        QString words;
        if (entry.endsWith("pdf")) {
            QVERIFY(bytes.startsWith("%PDF"));
            const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
            if (pdftotext.isEmpty())
                QSKIP("pdftotext is not installed; the SVG rows check the texts");
            QProcess process;
            process.start(pdftotext, {fileName, "-"});
            QVERIFY(process.waitForFinished(30000));
            words = QString::fromUtf8(process.readAllStandardOutput());
        } else if (entry.endsWith("svg")) {
            // A drawing writes a line of text in runs of one font each (the Greek and the Latin
            // letters may come from different fonts): the runs put together give the line.
            static const QRegularExpression run(QStringLiteral(">([^<]*)</text>"));
            for (auto match = run.globalMatch(QString::fromUtf8(bytes)); match.hasNext();)
                words += match.next().captured(1);
            image = rendered(bytes);
        } else {
            QVERIFY(image.loadFromData(bytes, "PNG"));
        }
        for (const QString& text : texts)
            QVERIFY2(words.contains(text), qPrintable(text + "\n" + words.left(400)));
        if (!image.isNull()) {
            for (const QColor& colour : colours)
                QVERIFY2(pixelsNear(image, colour) > 10, qPrintable(colour.name()));
        }
    }

    // The saved legend is whole at any window size: the chart keeps its size when the window is
    // narrowed or widened, so the picture is the same, and its legend ends inside it, with a
    // white margin to the right and below.
    void legendIsWholeAtAnyWindowSize() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QList<QImage> pictures;
        for (const QSize size : {QSize(420, 300), QSize(1500, 950)}) {
            ShownWindow shown;
            shown.window->resize(size);
            QVERIFY(QTest::qWaitForWindowExposed(shown.window.get()));
            shown.window->plot(GraphWindow::Plot::riser_discharge);
            QImage image;
            QVERIFY(image.loadFromData(save(*shown.window, "MSChart2", "apothikefsi_png", folder),
                                       "PNG"));
            const int chartHeight =
                shown.window->findChild<LineChart*>("MSChart2")->viewport()->height();
            QVERIFY(image.height() > chartHeight);
            const QImage legend =
                image.copy(0, chartHeight, image.width(), image.height() - chartHeight);
            int ink = 0;
            for (int y = 0; y < legend.height(); ++y) {
                for (int x = 0; x < legend.width(); ++x) {
                    if (legend.pixelColor(x, y).lightness() < 100) ++ink;
                }
            }
            QVERIFY(ink > 100);
            for (int y = 0; y < legend.height(); ++y)
                QCOMPARE(legend.pixelColor(legend.width() - 1, y), QColor(Qt::white));
            for (int x = 0; x < legend.width(); ++x)
                QCOMPARE(legend.pixelColor(x, legend.height() - 1), QColor(Qt::white));
            pictures << image;
        }
        QCOMPARE(pictures[0], pictures[1]);
    }

    // However narrow or wide the chart, the legend lies below it inside the picture and every
    // text inside the legend, wrapped (a long word broken) rather than cut.
    void legendLayoutInsideThePicture_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("narrower than a word") << 90;
        QTest::newRow("reference chart") << 321;
        QTest::newRow("main chart") << 609;
        QTest::newRow("wide") << 1500;
    }
    void legendLayoutInsideThePicture() {
        QFETCH(int, width);
        const std::vector<LegendEntry> entries{
            {"Παροχή εκροής απο ανυψωτήρες", Qt::red, 4.0, LegendMark::line},
            {"Παροχή ίση με Qολ/Ανυψωτήρες 0,333333333333333 m^3/s", Qt::green, 2.7,
             LegendMark::line},
            {"Φορτίο στο ανάντη άκρο (ανυψωτήρας 14): 1,123 m", Qt::darkGreen, 12.0,
             LegendMark::square},
            {"Θέσεις ανυψωτήρων", Qt::black, 7.0, LegendMark::dot},
        };
        const QFont font;
        const QSize chart(width, 300);
        const thalmuro::PictureLayout layout = thalmuro::pictureLayout(chart, entries, font);
        const QRectF picture(QPointF(0, 0), QSizeF(layout.size));
        QCOMPARE(layout.size.width(), width);
        QCOMPARE(layout.chart, QRectF(QPointF(0, 0), QSizeF(chart)));
        QVERIFY(layout.legend.top() >= layout.chart.bottom());
        QVERIFY(picture.contains(layout.legend));
        const std::vector<QRectF> texts = thalmuro::legendTextRects(entries, font, layout.legend);
        QCOMPARE(texts.size(), entries.size());
        for (const QRectF& text : texts)
            QVERIFY2(layout.legend.contains(text), qPrintable(QString("%1,%2 %3x%4")
                                                                  .arg(text.x())
                                                                  .arg(text.y())
                                                                  .arg(text.width())
                                                                  .arg(text.height())));
    }
};

QTEST_MAIN(ChartExportTest)
#include "chart_export_test.moc"
