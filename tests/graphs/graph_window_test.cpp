// The graph window Form4 driven through its buttons and labels, on the solved worked example.
#include <QAction>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QScatterSeries>
#include <QSignalSpy>
#include <QtTest>
#include <functional>

#include "bitmaps.h"
#include "fixtures.h"
#include "graph_window.h"
#include "line_chart.h"
#include "profile_chart.h"
#include "thalmuro/engine.h"
#include "twips.h"

Q_DECLARE_METATYPE(thalmuro::DiffuserInput)

namespace thalmuro {
namespace {

using Plot = GraphWindow::Plot;

using testing::workedResults;

// The member each plot draws.
const RiserArray& plotted(const DiffuserResults& r, Plot plot) {
    switch (plot) {
        case Plot::energy:
            return r.specific_energy;
        case Plot::cd:
            return r.cd;
        case Plot::diffuser_velocity:
            return r.v_diffuser;
        case Plot::riser_velocity:
            return r.v_riser;
        case Plot::riser_discharge:
            return r.q_riser;
        case Plot::froude:
        case Plot::profile:  // drawn from several members: see profileFollowsTheMarch
            break;
    }
    return r.froude;
}

// The scene rectangle of the title of `chart`'s row axis, drawn as a text item of the chart's
// scene; empty when there is no such item.
QRectF rowAxisTitle(const LineChart& chart) {
    for (const QGraphicsItem* item : chart.scene()->items()) {
        const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
        if (text != nullptr && text->isVisible() && text->toPlainText() == "ΑΝΥΨΩΤΗΡΕΣ")
            return text->sceneBoundingRect();
    }
    return {};
}

// A design and the shared variables its Solve left, on a Greek locale.
struct Design {
    DiffuserInput problem;
    SharedState state;
};

Design solved(DiffuserInput problem) {
    Design design{std::move(problem), {}};
    Solve(design.problem, design.state, NumberLocale::greek());
    return design;
}

// Eight risers in three sections 5 m, 10 m and 2.5 m apart.
DiffuserInput threeSpacings() {
    DiffuserInput problem = workedExample(NumberLocale::greek());
    problem.risers = "8";
    problem.sections = "3";
    struct Section {
        const char* first;
        const char* last;
        const char* spacing;
    };
    const Section sections[] = {{"1", "3", "5"}, {"4", "6", "10"}, {"7", "8", "2,5"}};
    for (std::size_t s = 0; s < problem.rows.size(); ++s) {
        problem.rows[s] = s < std::size(sections) ? SectionRow{sections[s].first,
                                                               sections[s].last,
                                                               problem.rows[0].pipe_diameter,
                                                               sections[s].spacing,
                                                               problem.rows[0].elevation_step,
                                                               problem.rows[0].riser_diameter}
                                                  : SectionRow{};
    }
    return problem;
}

// Answers the next modal window, once it is up, with `answer`.
void whenModal(std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        timer->stop();
        timer->deleteLater();
        answer(modal);
    });
    timer->start(10);
}

// The window, shown, over a store that the test may change between clicks.
struct Harness {
    explicit Harness(const DiffuserResults& solved,
                     const NumberLocale& locale = NumberLocale::greek())
        : store(solved), window(new GraphWindow(store, locale)) {
        window->show();
    }
    ~Harness() { delete window.data(); }

    void click(int command) {
        auto* button = window->findChild<QPushButton*>(QStringLiteral("Command%1").arg(command));
        QVERIFY(button != nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    LineChart* chart(int i) const {
        return window->findChild<LineChart*>(QStringLiteral("MSChart%1").arg(i));
    }
    QGroupBox* frame(int i) const {
        return window->findChild<QGroupBox*>(QStringLiteral("Frame%1").arg(i));
    }
    QLineEdit* text1() const { return window->findChild<QLineEdit*>(QStringLiteral("Text1")); }
    QLabel* label(int i) const {
        return window->findChild<QLabel*>(QStringLiteral("Label%1").arg(i));
    }

    DiffuserResults store;
    QPointer<GraphWindow> window;
};

}  // namespace

class GraphWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void opensWithOnlyButtonsAndSketch();
    void gridsHoldTheRisersFromShaftToSea_data();
    void gridsHoldTheRisersFromShaftToSea();
    void referenceColumns_data();
    void referenceColumns();
    void eachPlotShowsItsChartsAndLegend_data();
    void eachPlotShowsItsChartsAndLegend();
    void replotsOnlyWhenAsked();
    void unplottableRiserCounts_data();
    void unplottableRiserCounts();
    void rowAxisTitleBelowThePlotWithoutRows_data();
    void rowAxisTitleBelowThePlotWithoutRows();
    void meanDischargeShowsItsStart_data();
    void meanDischargeShowsItsStart();
    void minimumFroudeLabelExplains();
    void maximumFroudeLabelAsksForTheNomograph();
    void oneWindowThatStartsAfreshWhenReopened();
    void profileFollowsTheMarch_data();
    void profileFollowsTheMarch();
    void originalControlsStayInPlace();
};

void GraphWindowTest::opensWithOnlyButtonsAndSketch() {
    Harness h(workedResults());
    QCOMPARE(h.window->windowTitle(), QStringLiteral("ΓΡΑΦΙΚΕΣ ΠΑΡΑΣΤΑΣΕΙΣ"));
    QCOMPARE(h.window->size(), QSize(1003, 587));
    QVERIFY(!h.chart(1)->isVisible());
    QVERIFY(!h.chart(2)->isVisible());
    QVERIFY(!h.frame(1)->isVisible());
    QVERIFY(!h.frame(2)->isVisible());
    QCOMPARE(h.text1()->text(), QString());
    for (int i = 1; i <= 6; ++i) {
        QVERIFY(h.window->findChild<QPushButton*>(QStringLiteral("Command%1").arg(i))->isVisible());
    }
    const auto* picture = h.window->findChild<QLabel*>(QStringLiteral("Picture1"));
    QCOMPARE(picture->pixmap().toImage(), loadBitmap(111).toImage());

    // The focus moves through the six plot buttons first, in order.
    QWidget* focus = h.window->findChild<QPushButton*>(QStringLiteral("Command1"));
    for (int i = 2; i <= 6; ++i) {
        focus = focus->nextInFocusChain();
        QCOMPARE(focus->objectName(), QStringLiteral("Command%1").arg(i));
    }
}

void GraphWindowTest::gridsHoldTheRisersFromShaftToSea_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("risers");
    QTest::addColumn<QString>("title");
    const QString titles[] = {
        QStringLiteral(" ΕΙΔΙΚΗ ΕΝΕΡΓΕΙΑ (m) -ΑΝΥΨΩΤΗΡΕΣ"),
        QStringLiteral(" ΣΥΝΤΕΛΕΣΤΗΣ ΠΑΡΟΧΗΣ-ΑΝΥΨΩΤΗΡΕΣ"),
        QStringLiteral(" ΤΑΧΥΤΗΤΑ ΔΙΑΧΥΤΗΡΑ (m/s) -ΑΝΥΨΩΤΗΡΕΣ"),
        QStringLiteral(" ΤΑΧΥΤΗΤΑ ΑΝΥΨΩΤΗΡΑ (m/s) -ΑΝΥΨΩΤΗΡΕΣ"),
        QStringLiteral(" ΠΑΡΟΧΗ ΑΝΥΨΩΤΗΡΑ (m^3/s) -ΑΝΥΨΩΤΗΡΕΣ"),
        QStringLiteral(" ΠΥΚΝΟΜΕΤΡΙΚΟΣ ΑΡΙΘΜΟΣ FROUDE-ΑΝΥΨΩΤΗΡΕΣ"),
    };
    for (int risers : {14, 1}) {
        for (int command = 1; command <= 6; ++command) {
            QTest::addRow("Command%d, N=%d", command, risers)
                << command << risers << titles[command - 1];
        }
    }
}

void GraphWindowTest::gridsHoldTheRisersFromShaftToSea() {
    QFETCH(int, command);
    QFETCH(int, risers);
    QFETCH(QString, title);
    DiffuserResults solved = workedResults();
    solved.n_risers = static_cast<std::int16_t>(risers);
    Harness h(solved);
    h.click(command);

    const RiserArray& values = plotted(h.store, static_cast<Plot>(command - 1));
    const bool reference = command >= 5;
    for (int i : {1, 2}) {
        LineChart* chart = h.chart(i);
        if (i == 2 && !reference) {
            QVERIFY(!chart->isVisible());
            continue;
        }
        QVERIFY(chart->isVisible());
        QCOMPARE(chart->titleText(), title);
        QCOMPARE(chart->showLegend(), false);
        QCOMPARE(chart->rowCount(), risers);
        QCOMPARE(chart->columnCount(), i == 1 ? 1 : (command == 5 ? 4 : 3));
        // Row k holds riser N + 1 - k: labels N ... 1 from the loading-shaft end on the left
        // to riser 1 at the open sea on the right.
        for (int row = 1; row <= risers; ++row) {
            const int riser = risers + 1 - row;
            QCOMPARE(chart->rowLabel(row), QString::number(riser));
            QCOMPARE(chart->data(row, 1), std::optional<double>(values[riser - 1]));
        }
    }
    // The plot is of the solution, not of empty cells.
    QVERIFY(values[risers - 1] != 0.0);
}

void GraphWindowTest::referenceColumns_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("risers");
    QTest::addColumn<bool>("greek");
    QTest::addColumn<QString>("mean");
    QTest::addColumn<QList<double>>("references");
    // Computed as (Q 0.1) / N + Q / N and Q / N - (Q 0.1) / N: 0.02268 exactly, where
    // 0.9 Q / N would give 0.022680000000000002.
    QTest::newRow("discharge, N=14, Greek")
        << 5 << 14 << true << QStringLiteral("0,0252") << QList<double>{0.0252, 0.02772, 0.02268};
    QTest::newRow("discharge, N=14, English")
        << 5 << 14 << false << QStringLiteral("0.0252") << QList<double>{0.0252, 0.02772, 0.02268};
    // 1.1 Q would give 0.38808000000000004.
    QTest::newRow("discharge, N=1")
        << 5 << 1 << true << QStringLiteral("0,3528") << QList<double>{0.3528, 0.38808, 0.31752};
    QTest::newRow("Froude, N=14") << 6 << 14 << true << QString() << QList<double>{10.0, 1.0};
}

void GraphWindowTest::referenceColumns() {
    QFETCH(int, command);
    QFETCH(int, risers);
    QFETCH(bool, greek);
    QFETCH(QString, mean);
    QFETCH(QList<double>, references);
    DiffuserResults solved = workedResults();
    solved.n_risers = static_cast<std::int16_t>(risers);
    Harness h(solved, greek ? NumberLocale::greek() : NumberLocale::english());
    h.click(command);

    QCOMPARE(h.text1()->text(), mean);
    LineChart* chart = h.chart(2);
    QCOMPARE(chart->columnCount(), 1 + references.size());
    for (int column = 2; column <= chart->columnCount(); ++column) {
        for (int row = 1; row <= risers; ++row) {
            QCOMPARE(chart->data(row, column), std::optional<double>(references[column - 2]));
        }
    }
}

void GraphWindowTest::eachPlotShowsItsChartsAndLegend_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<bool>("chart2");
    QTest::addColumn<bool>("frame2");
    QTest::addColumn<bool>("frame1");
    QTest::addColumn<QString>("title");
    const QString energy = QStringLiteral(" ΕΙΔΙΚΗ ΕΝΕΡΓΕΙΑ (m) -ΑΝΥΨΩΤΗΡΕΣ");
    const QString discharge = QStringLiteral(" ΠΑΡΟΧΗ ΑΝΥΨΩΤΗΡΑ (m^3/s) -ΑΝΥΨΩΤΗΡΕΣ");
    const QString froude = QStringLiteral(" ΠΥΚΝΟΜΕΤΡΙΚΟΣ ΑΡΙΘΜΟΣ FROUDE-ΑΝΥΨΩΤΗΡΕΣ");
    QTest::newRow("energy") << QList<int>{1} << false << false << false << energy;
    QTest::newRow("cd") << QList<int>{2} << false << false << false
                        << QStringLiteral(" ΣΥΝΤΕΛΕΣΤΗΣ ΠΑΡΟΧΗΣ-ΑΝΥΨΩΤΗΡΕΣ");
    QTest::newRow("discharge") << QList<int>{5} << true << true << false << discharge;
    QTest::newRow("Froude") << QList<int>{6} << true << false << true << froude;
    QTest::newRow("discharge, then energy")
        << QList<int>{5, 1} << false << false << false << energy;
    QTest::newRow("discharge, then Froude") << QList<int>{5, 6} << true << false << true << froude;
    QTest::newRow("Froude, then discharge")
        << QList<int>{6, 5} << true << true << false << discharge;
    QTest::newRow("Froude, then riser velocity")
        << QList<int>{6, 4} << false << false << false
        << QStringLiteral(" ΤΑΧΥΤΗΤΑ ΑΝΥΨΩΤΗΡΑ (m/s) -ΑΝΥΨΩΤΗΡΕΣ");
    QTest::newRow("discharge twice") << QList<int>{5, 5} << true << true << false << discharge;
}

void GraphWindowTest::eachPlotShowsItsChartsAndLegend() {
    QFETCH(QList<int>, clicks);
    QFETCH(bool, chart2);
    QFETCH(bool, frame2);
    QFETCH(bool, frame1);
    QFETCH(QString, title);
    Harness h(workedResults());
    for (int command : clicks)
        h.click(command);

    QVERIFY(h.chart(1)->isVisible());
    QCOMPARE(h.chart(1)->titleText(), title);
    QCOMPARE(h.chart(1)->columnCount(), 1);
    QCOMPARE(h.chart(2)->isVisible(), chart2);
    QCOMPARE(h.frame(2)->isVisible(), frame2);
    QCOMPARE(h.frame(1)->isVisible(), frame1);
    if (chart2) QCOMPARE(h.chart(2)->columnCount(), frame2 ? 4 : 3);
    // Text1 keeps the mean of the last discharge plot.
    QCOMPARE(h.text1()->text(), clicks.contains(5) ? QStringLiteral("0,0252") : QString());
}

void GraphWindowTest::replotsOnlyWhenAsked() {
    Harness h(workedResults());
    h.click(5);

    // A new Solve with fewer risers and another discharge changes nothing on the open window...
    h.store.n_risers = 10;
    h.store.q_total = 0.5;
    QCOMPARE(h.chart(1)->rowCount(), 14);
    QCOMPARE(h.chart(2)->data(1, 2), std::optional<double>(0.0252));
    QCOMPARE(h.text1()->text(), QStringLiteral("0,0252"));

    // ...until a plot button is pressed; a hidden chart keeps its last content.
    h.click(1);
    QCOMPARE(h.chart(1)->rowCount(), 10);
    QCOMPARE(h.chart(1)->rowLabel(1), QStringLiteral("10"));
    QCOMPARE(h.chart(2)->rowCount(), 14);
    QCOMPARE(h.text1()->text(), QStringLiteral("0,0252"));
    h.click(5);
    QCOMPARE(h.chart(2)->rowCount(), 10);
    QCOMPARE(h.text1()->text(), QStringLiteral("0,05"));
}

void GraphWindowTest::unplottableRiserCounts_data() {
    QTest::addColumn<int>("risers");
    QTest::newRow("no risers") << 0;
    QTest::newRow("more than the store holds") << 150;
    QTest::newRow("negative") << -3;
}

void GraphWindowTest::unplottableRiserCounts() {
    QFETCH(int, risers);
    Harness h(workedResults());
    h.click(5);  // a valid plot first: its rows and mean must not survive
    h.store.n_risers = static_cast<std::int16_t>(risers);

    // A stored N outside 1..101 gives charts without rows and a blank mean, whatever the plot.
    for (int command = 1; command <= 6; ++command) {
        h.click(command);
        QVERIFY(h.chart(1)->isVisible());
        QCOMPARE(h.chart(1)->rowCount(), 0);
        if (command >= 5) QCOMPARE(h.chart(2)->rowCount(), 0);
        QCOMPARE(h.frame(2)->isVisible(), command == 5);
        QCOMPARE(h.frame(1)->isVisible(), command == 6);
    }
    QCOMPARE(h.text1()->text(), QString());
}

void GraphWindowTest::rowAxisTitleBelowThePlotWithoutRows_data() {
    QTest::addColumn<int>("risers");
    QTest::newRow("no risers") << 0;
    QTest::newRow("more than the store holds") << 150;
    QTest::newRow("negative") << -3;
}

// A chart without rows has the title of its riser axis where a chart with rows has it: centred
// below the plot, at the same height, with a plot area of the same height. Both the first plot
// of a window and a plot after one with rows are checked.
void GraphWindowTest::rowAxisTitleBelowThePlotWithoutRows() {
    QFETCH(int, risers);
    Harness withRows(workedResults());
    withRows.click(1);
    QCoreApplication::processEvents();
    const LineChart* reference = withRows.chart(1);
    const QRectF title = rowAxisTitle(*reference);
    const QRectF plot = reference->chart()->plotArea();
    QVERIFY(!title.isEmpty());
    QVERIFY(title.top() >= plot.bottom());

    DiffuserResults unplottable = workedResults();
    unplottable.n_risers = static_cast<std::int16_t>(risers);
    Harness h(unplottable);
    for (int round = 0; round < 2; ++round) {
        h.click(1);
        QCoreApplication::processEvents();
        const LineChart* chart = h.chart(1);
        QCOMPARE(chart->rowCount(), 0);
        const QRectF titleWithoutRows = rowAxisTitle(*chart);
        const QRectF plotWithoutRows = chart->chart()->plotArea();
        QCOMPARE(titleWithoutRows.top(), title.top());
        QCOMPARE(titleWithoutRows.size(), title.size());
        QVERIFY(std::abs(titleWithoutRows.center().x() - plotWithoutRows.center().x()) <= 1.0);
        QCOMPARE(plotWithoutRows.top(), plot.top());
        QCOMPARE(plotWithoutRows.bottom(), plot.bottom());

        // Rows in between, then none again.
        h.store.n_risers = workedResults().n_risers;
        h.click(1);
        QCoreApplication::processEvents();
        QCOMPARE(rowAxisTitle(*chart), title);
        QCOMPARE(chart->chart()->plotArea(), plot);
        h.store.n_risers = static_cast<std::int16_t>(risers);
    }
}

void GraphWindowTest::meanDischargeShowsItsStart_data() {
    QTest::addColumn<double>("total");
    QTest::addColumn<int>("risers");
    QTest::addColumn<QString>("mean");
    QTest::newRow("about as wide as the box") << 1.0 << 64 << "0,015625";
    QTest::newRow("much wider than the box") << 1.0 << 3 << "0,333333333333333";
    QTest::newRow("fits the box") << 0.3528 << 14 << "0,0252";
}

// The mean discharge is shown from its first character, not scrolled to its end.
void GraphWindowTest::meanDischargeShowsItsStart() {
    QFETCH(double, total);
    QFETCH(int, risers);
    QFETCH(QString, mean);
    DiffuserResults store = workedResults();
    store.q_total = total;
    store.n_risers = static_cast<std::int16_t>(risers);
    Harness h(store);
    for (int round = 0; round < 2; ++round) {
        h.click(5);
        QLineEdit* box = h.text1();
        QCOMPARE(box->text(), mean);
        QCOMPARE(box->cursorPosition(), 0);
        // Painting lays the text out; the left edge of the box then shows the first character,
        // which it does only when the text is not scrolled.
        box->grab();
        QCOMPARE(box->cursorPositionAt(QPoint(1, box->height() / 2)), 0);
        // The user moves the cursor to the end; the next plot shows the start again.
        box->end(false);
    }
}

void GraphWindowTest::minimumFroudeLabelExplains() {
    Harness h(workedResults());
    h.click(6);
    QCOMPARE(h.label(5)->cursor().shape(), Qt::WhatsThisCursor);

    QString title;
    QString text;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::Warning;
    whenModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            buttons << button->text();
        box->buttons().first()->click();
    });
    QTest::mouseClick(h.label(5), Qt::LeftButton);

    QCOMPARE(title, QStringLiteral("Πληροφορία"));
    QCOMPARE(text, QStringLiteral("Για την αποφυγή εισροής θαλασσινού νερού στο διαχυτήρα ο "
                                  "FROUDE πρέπει να είναι μεγαλύτερος από 1"));
    QCOMPARE(buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(icon, QMessageBox::NoIcon);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void GraphWindowTest::maximumFroudeLabelAsksForTheNomograph() {
    Harness h(workedResults());
    h.click(6);
    QSignalSpy nomograph(h.window.data(), &GraphWindow::nomographRequested);
    QCOMPARE(h.label(4)->cursor().shape(), Qt::WhatsThisCursor);

    QTest::mouseClick(h.label(4), Qt::LeftButton);
    QCOMPARE(nomograph.count(), 1);

    // The other texts do nothing: no signal, no message.
    QTest::mouseClick(h.label(3), Qt::LeftButton);
    h.click(5);
    for (int other : {1, 2, 6, 7, 8, 9, 10})
        QTest::mouseClick(h.label(other), Qt::LeftButton);
    QCOMPARE(nomograph.count(), 1);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void GraphWindowTest::oneWindowThatStartsAfreshWhenReopened() {
    const DiffuserResults& store = workedResults();
    QPointer<GraphWindow> slot;
    GraphWindow* first = showGraphWindow(slot, store, NumberLocale::greek());
    QVERIFY(QTest::qWaitForWindowExposed(first));
    QTest::mouseClick(first->findChild<QPushButton*>(QStringLiteral("Command5")), Qt::LeftButton);

    // A second request brings the same window forward, plot and all.
    QCOMPARE(showGraphWindow(slot, store, NumberLocale::greek()), first);
    QVERIFY(first->findChild<LineChart*>(QStringLiteral("MSChart1"))->isVisible());
    QCOMPARE(first->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(),
             QStringLiteral("0,0252"));

    // Closing destroys it; the next request creates a new one in the initial state.
    first->close();
    QTRY_VERIFY(slot.isNull());
    GraphWindow* second = showGraphWindow(slot, store, NumberLocale::greek());
    QVERIFY(QTest::qWaitForWindowExposed(second));
    QVERIFY(!second->findChild<LineChart*>(QStringLiteral("MSChart1"))->isVisible());
    QVERIFY(!second->findChild<QGroupBox*>(QStringLiteral("Frame2"))->isVisible());
    QCOMPARE(second->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), QString());
    second->close();
    QTRY_VERIFY(slot.isNull());
}

void GraphWindowTest::profileFollowsTheMarch_data() {
    QTest::addColumn<bool>("given");
    QTest::addColumn<DiffuserInput>("problem");
    QTest::addColumn<QList<double>>("distances");
    QTest::newRow("worked example")
        << true << workedExample(NumberLocale::greek())
        << QList<double>{0, 8, 16, 24, 32, 40, 48, 56, 64, 72, 80, 88, 96, 104};
    // A reach takes the spacing of the section of its seaward riser.
    QTest::newRow("three sections of different spacings")
        << true << threeSpacings() << QList<double>{0, 5, 10, 15, 25, 35, 45, 47.5};
    QTest::newRow("no design given yet")
        << false << workedExample(NumberLocale::greek()) << QList<double>{};
}

// The profile, from the window's context menu, draws the march's own figures at the risers'
// distances from the seaward end, in the main chart's place; a plot button gives the place back.
void GraphWindowTest::profileFollowsTheMarch() {
    QFETCH(bool, given);
    QFETCH(DiffuserInput, problem);
    QFETCH(QList<double>, distances);
    const Design design = solved(problem);
    Harness h(design.state.results);
    if (given) h.window->setSolvedDesign(design.problem, design.state);
    h.click(5);

    QCOMPARE(h.window->contextMenuPolicy(), Qt::ActionsContextMenu);
    auto* entry = h.window->findChild<QAction*>(QStringLiteral("ydravliki_mikotomi"));
    QVERIFY(h.window->actions().contains(entry));
    QCOMPARE(entry->text(), QStringLiteral("Υδραυλική Μηκοτομή"));
    entry->trigger();

    auto* profile = h.window->findChild<ProfileChart*>(QStringLiteral("profileChart"));
    auto* legend = h.window->findChild<QGroupBox*>(QStringLiteral("profileLegend"));
    QVERIFY(profile->isVisible());
    QVERIFY(legend->isVisible());
    for (int i : {1, 2}) {
        QVERIFY(!h.chart(i)->isVisible());
        QVERIFY(!h.frame(i)->isVisible());
    }

    const DiffuserResults& r = h.store;
    const QList<QPointF> energy = profile->energyLine()->points();
    const QList<QPointF> piezometric = profile->piezometricLine()->points();
    QCOMPARE(energy.size(), distances.size());
    QCOMPARE(piezometric.size(), distances.size());
    QCOMPARE(profile->risers()->points(), piezometric);
    for (int k = 0; k < distances.size(); ++k) {
        QCOMPARE(energy[k].x(), distances[k]);
        QCOMPARE(piezometric[k].x(), distances[k]);
        // Exactly the store's figures, not near them.
        const double e = r.specific_energy[static_cast<std::size_t>(k)];
        const double v = r.v_diffuser[static_cast<std::size_t>(k)];
        QVERIFY(energy[k].y() == e);
        QVERIFY(piezometric[k].y() == e - v * v / (2 * 9.807));
    }
    const QList<QPointF> landward = profile->landwardHead()->points();
    if (distances.isEmpty()) {
        QVERIFY(landward.isEmpty());
    } else {
        QCOMPARE(landward.size(), 1);
        QCOMPARE(landward[0].x(), distances.back());
        QVERIFY(landward[0].y() == r.specific_energy[static_cast<std::size_t>(r.n_risers - 1)]);
    }

    h.click(1);
    QVERIFY(!profile->isVisible());
    QVERIFY(!legend->isVisible());
    QVERIFY(h.chart(1)->isVisible());
}

// The window's own controls keep their places, sizes and captions whatever is shown, the
// profile included, and the focus still begins with the six plot buttons.
void GraphWindowTest::originalControlsStayInPlace() {
    struct Control {
        const char* name;
        TwipsRect place;
        const char* caption;
    };
    const Control controls[] = {
        {"MSChart1", {0, 0, 9135, 6975}, nullptr},
        {"MSChart2", {10080, 360, 4815, 4935}, nullptr},
        {"Frame2", {10200, 5520, 4815, 2775}, nullptr},
        {"Frame1", {10440, 5640, 3975, 1455}, nullptr},
        {"Command1", {360, 8160, 1335, 495}, "Ενέργεια"},
        {"Command2", {1920, 8160, 1335, 495}, "Cd"},
        {"Command3", {3480, 8160, 1335, 495}, "Ταχύτητα Διαχυτήρα"},
        {"Command4", {5040, 8160, 1335, 495}, "Ταχύτητα Ανυψωτήρα"},
        {"Command5", {6600, 8160, 1335, 495}, "Παροχή Ανυψωτήρα"},
        {"Command6", {8160, 8160, 1335, 495}, "Πυκνομετρικός Froude"},
        {"Picture1", {3480, 6840, 3975, 1215}, nullptr},
        {"Label1", {1560, 7560, 1935, 255}, "Πρός φρεάτιο φόρτισης"},
        {"Label2", {7560, 7560, 1815, 255}, "Πρός ανοχτή θάλασσα"},
    };
    const Design design = solved(workedExample(NumberLocale::greek()));
    Harness h(design.state.results);
    h.window->setSolvedDesign(design.problem, design.state);
    const std::function<void()> steps[] = {
        [] {},
        [&] { h.window->findChild<QAction*>(QStringLiteral("ydravliki_mikotomi"))->trigger(); },
        [&] { h.click(6); },
    };
    for (const auto& step : steps) {
        step();
        for (const Control& c : controls) {
            auto* widget = h.window->findChild<QWidget*>(QLatin1String(c.name));
            QVERIFY2(widget != nullptr, c.name);
            QCOMPARE(widget->geometry(), twipsToPixels(c.place));
            if (c.caption != nullptr) {
                const auto* button = qobject_cast<QPushButton*>(widget);
                const auto* label = qobject_cast<QLabel*>(widget);
                QCOMPARE(button != nullptr ? button->text() : label->text(),
                         QString::fromUtf8(c.caption));
            }
        }
        QWidget* focus = h.window->findChild<QPushButton*>(QStringLiteral("Command1"));
        for (int i = 2; i <= 6; ++i) {
            focus = focus->nextInFocusChain();
            QCOMPARE(focus->objectName(), QStringLiteral("Command%1").arg(i));
        }
    }
}

}  // namespace thalmuro

QTEST_MAIN(thalmuro::GraphWindowTest)
#include "graph_window_test.moc"
