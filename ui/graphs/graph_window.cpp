#include "graph_window.h"

#include <QChart>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <array>

#include "bitmaps.h"
#include "caption_button.h"
#include "chart_export.h"
#include "clickable_label.h"
#include "line_chart.h"
#include "line_shape.h"
#include "messages.h"
#include "screen_fit.h"
#include "secondary_window.h"
#include "twips.h"
#include "window_controls.h"

namespace thalmuro {
namespace {

// The client area when the window opens, in twips.
constexpr int kClientWidthTwips = 15045;
constexpr int kClientHeightTwips = 8805;

// The sketch of the outfall in Picture1.
constexpr int kSketchBitmap = 111;

// The series colours, the same on both charts: the plotted quantity in red, the references in
// green, blue and yellow (columns 1 to 4).
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);
const QColor kYellow(255, 255, 0);
const QColor kLightGreen(128, 255, 128);
// The light yellow of the Froude legend.
const QColor kLightYellow(255, 255, 192);
// The discharge legend takes the colour of inactive caption texts, which Qt's palette does not
// have; this is its value in the classic Windows scheme, a light grey on which the black texts
// and the coloured swatches read.
const QColor kInactiveCaptionText(212, 208, 200);

// What tells the six plots apart: the quantity, the caption of its button and the title of its
// charts.
struct PlotEntry {
    const RiserArray DiffuserResults::*member;
    const char* caption;
    const char* title;
};

// Indexed by GraphWindow::Plot. The titles begin with a blank.
const std::array<PlotEntry, 6> kPlots = {{
    {&DiffuserResults::specific_energy, QT_TRANSLATE_NOOP("thalmuro::GraphWindow", "Ενέργεια"),
     QT_TRANSLATE_NOOP("thalmuro::GraphWindow", " ΕΙΔΙΚΗ ΕΝΕΡΓΕΙΑ (m) -ΑΝΥΨΩΤΗΡΕΣ")},
    {&DiffuserResults::cd, QT_TRANSLATE_NOOP("thalmuro::GraphWindow", "Cd"),
     QT_TRANSLATE_NOOP("thalmuro::GraphWindow", " ΣΥΝΤΕΛΕΣΤΗΣ ΠΑΡΟΧΗΣ-ΑΝΥΨΩΤΗΡΕΣ")},
    {&DiffuserResults::v_diffuser, QT_TRANSLATE_NOOP("thalmuro::GraphWindow", "Ταχύτητα Διαχυτήρα"),
     QT_TRANSLATE_NOOP("thalmuro::GraphWindow", " ΤΑΧΥΤΗΤΑ ΔΙΑΧΥΤΗΡΑ (m/s) -ΑΝΥΨΩΤΗΡΕΣ")},
    {&DiffuserResults::v_riser, QT_TRANSLATE_NOOP("thalmuro::GraphWindow", "Ταχύτητα Ανυψωτήρα"),
     QT_TRANSLATE_NOOP("thalmuro::GraphWindow", " ΤΑΧΥΤΗΤΑ ΑΝΥΨΩΤΗΡΑ (m/s) -ΑΝΥΨΩΤΗΡΕΣ")},
    {&DiffuserResults::q_riser, QT_TRANSLATE_NOOP("thalmuro::GraphWindow", "Παροχή Ανυψωτήρα"),
     QT_TRANSLATE_NOOP("thalmuro::GraphWindow", " ΠΑΡΟΧΗ ΑΝΥΨΩΤΗΡΑ (m^3/s) -ΑΝΥΨΩΤΗΡΕΣ")},
    {&DiffuserResults::froude, QT_TRANSLATE_NOOP("thalmuro::GraphWindow", "Πυκνομετρικός Froude"),
     QT_TRANSLATE_NOOP("thalmuro::GraphWindow", " ΠΥΚΝΟΜΕΤΡΙΚΟΣ ΑΡΙΘΜΟΣ FROUDE-ΑΝΥΨΩΤΗΡΕΣ")},
}};

using LabelTexts = std::vector<std::pair<QLabel*, const char*>>;

// A label of the window, created without text and recorded in `texts` with its source text, which
// the window's retranslate() sets in the interface language.
template <class Label = QLabel>
Label* translatedLabel(LabelTexts& texts, const char* source, const QString& name,
                       const TwipsRect& rect, QWidget* parent) {
    auto* label = wrappedLabel<Label>(QString(), name, rect, parent);
    texts.emplace_back(label, source);
    return label;
}

// A legend panel drawn as a frame control is: filled with its own colour to the edges, an
// etched border, and the caption on the border's top line. (The toolkit's group box tints its
// inside, which would not match the labels' colour.)
class LegendFrame : public QGroupBox {
  public:
    LegendFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        const QRect border = rect().adjusted(0, metrics.height() / 2, -2, -2);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(border);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(border.translated(1, 1));
        const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
        painter.fillRect(caption, palette().window());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption, Qt::AlignCenter, title());
    }
};

// Draws a line control named `name` from (x1, y1) to (x2, y2), in twips of `parent`.
void addLine(const QString& name, int x1, int y1, int x2, int y2, const QColor& colour, int width,
             QWidget* parent) {
    named(new LineShape(x1, y1, x2, y2, colour, width, parent), name);
}

}  // namespace

GraphWindow::GraphWindow(const DiffuserResults& results, NumberLocale numberLocale, QWidget* parent)
    : QWidget(parent), results_(results), numberLocale_(std::move(numberLocale)) {
    setUpWindow(this, QStringLiteral("Form4"), QString());
    setAttribute(Qt::WA_DeleteOnClose);
    // The window's background is the 3-D highlight colour, white in the usual schemes.
    setBackground(this, palette().color(QPalette::Light));
    setClientSize(this, kClientWidthTwips, kClientHeightTwips, WindowSizing::resizable);

    createControls();
    retranslate();
    setStartingState();
}

void GraphWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void GraphWindow::retranslate() {
    setWindowTitle(tr("ΓΡΑΦΙΚΕΣ ΠΑΡΑΣΤΑΣΕΙΣ"));
    for (std::size_t i = 0; i < plotButtons_.size(); ++i)
        plotButtons_[i]->setText(tr(kPlots[i].caption));
    dischargeLegend_->setTitle(tr("Υπόμνημα"));
    froudeLegend_->setTitle(tr("Υπόμνημα"));
    for (const auto& [label, source] : labelTexts_)
        label->setText(tr(source));
    mainChart_->setRowAxisTitle(tr("ΑΝΥΨΩΤΗΡΕΣ"), windowFont(12, true));

    // A plotted chart keeps its rows and values, which came from the store when its plot was
    // chosen; only its title follows the language. It is drawn at once, so that a picture saved
    // next carries the new title.
    for (auto [chart, shown] :
         {std::pair{mainChart_, mainPlot_}, {referenceChart_, referencePlot_}}) {
        retranslateSaveEntries(chart);
        if (!shown) continue;
        chart->setTitleText(tr(kPlots[static_cast<std::size_t>(*shown)].title));
        chart->redraw();
    }
}

void GraphWindow::createControls() {
    // Created bottom first: the sketch (Picture1, from the top 6840) lies on top of the main
    // chart's lowest pixel rows (to 6975), which a wider bottom margin keeps free of text.
    mainChart_ =
        placed(new LineChart(numberLocale_, this), QStringLiteral("MSChart1"), {0, 0, 9135, 6975});
    mainChart_->chart()->setMargins(QMargins(4, 4, 8, twipsToPixels(6975 - 6840) + 4));
    mainChart_->setSeriesStyle(1, kRed, 2);
    mainChart_->setTitleFont(windowFont(12, true));

    referenceChart_ = placed(new LineChart(numberLocale_, this), QStringLiteral("MSChart2"),
                             {10080, 360, 4815, 4935});
    referenceChart_->setSeriesStyle(1, kRed, 3);
    referenceChart_->setSeriesStyle(2, kGreen, 2);
    referenceChart_->setSeriesStyle(3, kBlue, 1);
    referenceChart_->setSeriesStyle(4, kYellow, 1);
    referenceChart_->setTitleFont(windowFont(8.25, true));

    for (LineChart* chart : {mainChart_, referenceChart_}) {
        chart->setFocusPolicy(Qt::NoFocus);
        chart->hide();
        // A plotted chart can leave the program as a picture, from its context menu.
        addSaveEntries(chart);
    }

    createDischargeLegend();
    createFroudeLegend();

    QWidget* previous = nullptr;
    for (int i = 0; i < static_cast<int>(kPlots.size()); ++i) {
        auto* button =
            placed(new CaptionButton(QString(), this), QStringLiteral("Command%1").arg(i + 1),
                   {360 + 1560 * i, 8160, 1335, 495});
        const auto which = static_cast<Plot>(i);
        connect(button, &QPushButton::clicked, this, [this, which] { plot(which); });
        if (previous != nullptr) setTabOrder(previous, button);
        previous = button;
        plotButtons_.push_back(button);
    }
    setTabOrder(previous, meanDischargeBox_);

    createDirectionStrip();
}

void GraphWindow::createDischargeLegend() {
    dischargeLegend_ = placed(new LegendFrame(QString(), this), QStringLiteral("Frame2"),
                              {10200, 5520, 4815, 2775});
    setBackground(dischargeLegend_, kInactiveCaptionText);

    // The labels of the window and its legends are transparent: each takes the colour of what
    // holds it.
    translatedLabel(labelTexts_, QT_TR_NOOP("Παροχή ίση με Qολ/Ανυψωτήρες"),
                    QStringLiteral("Label6"), {720, 480, 2655, 375}, dischargeLegend_);
    meanDischargeBox_ =
        placed(new QLineEdit(dischargeLegend_), QStringLiteral("Text1"), {3360, 480, 735, 375});
    wrappedLabel(utf8("m^3/s"), QStringLiteral("Label7"), {4200, 480, 495, 255}, dischargeLegend_);
    translatedLabel(labelTexts_, QT_TR_NOOP("10% αυξημένη"), QStringLiteral("Label8"),
                    {960, 1080, 1335, 255}, dischargeLegend_);
    translatedLabel(labelTexts_, QT_TR_NOOP("10% μειωμένη"), QStringLiteral("Label9"),
                    {960, 1680, 1095, 255}, dischargeLegend_);
    translatedLabel(labelTexts_, QT_TR_NOOP("Παροχή εκροής απο ανυψωτήρες"),
                    QStringLiteral("Label10"), {1080, 2160, 2655, 255}, dischargeLegend_);

    addLine(QStringLiteral("Line10"), 120, 600, 600, 600, kLightGreen, 2, dischargeLegend_);
    addLine(QStringLiteral("Line11"), 120, 1200, 720, 1200, kBlue, 2, dischargeLegend_);
    addLine(QStringLiteral("Line12"), 120, 1800, 720, 1800, kYellow, 2, dischargeLegend_);
    addLine(QStringLiteral("Line13"), 120, 2280, 840, 2280, kRed, 3, dischargeLegend_);
}

void GraphWindow::createFroudeLegend() {
    froudeLegend_ = placed(new LegendFrame(QString(), this), QStringLiteral("Frame1"),
                           {10440, 5640, 3975, 1455});
    setBackground(froudeLegend_, kLightYellow);

    translatedLabel(labelTexts_, QT_TR_NOOP("Πυκνομετρικός FROUDE"), QStringLiteral("Label3"),
                    {1200, 240, 1935, 255}, froudeLegend_);
    auto* maximumLimit = translatedLabel<ClickableLabel>(
        labelTexts_, QT_TR_NOOP("Μέγιστος Επιτρεπόμενος (10)"), QStringLiteral("Label4"),
        {1200, 600, 2535, 255}, froudeLegend_);
    auto* minimumLimit = translatedLabel<ClickableLabel>(
        labelTexts_, QT_TR_NOOP("Ελάχιστος Επιτρεπόμενος (1)"), QStringLiteral("Label5"),
        {1200, 960, 2415, 255}, froudeLegend_);
    // The two limits are explained on a click; the pointer says so.
    for (QLabel* limit : {maximumLimit, minimumLimit})
        limit->setCursor(Qt::WhatsThisCursor);
    connect(maximumLimit, &ClickableLabel::clicked, this, &GraphWindow::nomographRequested);
    connect(minimumLimit, &ClickableLabel::clicked, this,
            &GraphWindow::showMinimumFroudeInformation);

    addLine(QStringLiteral("Line7"), 240, 360, 960, 360, kRed, 2, froudeLegend_);
    addLine(QStringLiteral("Line8"), 240, 720, 960, 720, kGreen, 2, froudeLegend_);
    addLine(QStringLiteral("Line9"), 240, 1080, 960, 1080, palette().color(QPalette::Highlight), 2,
            froudeLegend_);
    froudeLegend_->hide();
}

void GraphWindow::createDirectionStrip() {
    outfallSketch_ = placed(new QLabel(this), QStringLiteral("Picture1"), {3480, 6840, 3975, 1215});
    // At its own size from the top-left corner; what does not fit in the box is cut off.
    outfallSketch_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    outfallSketch_->setScaledContents(false);

    // The left end of the riser axis is the loading-shaft end, the right end the open sea.
    translatedLabel(labelTexts_, QT_TR_NOOP("Πρός φρεάτιο φόρτισης"), QStringLiteral("Label1"),
                    {1560, 7560, 1935, 255}, this);
    translatedLabel(labelTexts_, QT_TR_NOOP("Πρός ανοχτή θάλασσα"), QStringLiteral("Label2"),
                    {7560, 7560, 1815, 255}, this);

    const QColor ink = palette().color(QPalette::WindowText);
    addLine(QStringLiteral("Line2"), 3120, 7440, 1080, 7440, ink, 2, this);
    addLine(QStringLiteral("Line1_0"), 1080, 7440, 1440, 7200, ink, 2, this);
    addLine(QStringLiteral("Line1_1"), 1440, 7680, 1080, 7440, ink, 2, this);
    addLine(QStringLiteral("Line3"), 7680, 7440, 9720, 7440, ink, 2, this);
    addLine(QStringLiteral("Line5"), 9360, 7200, 9720, 7440, ink, 2, this);
    addLine(QStringLiteral("Line4"), 9360, 7680, 9720, 7440, ink, 2, this);

    // The separator between the main chart and the column of the reference chart.
    addLine(QStringLiteral("Line6"), 9960, 0, 9960, 8760, ink, 1, this);
}

void GraphWindow::setStartingState() {
    dischargeLegend_->hide();
    outfallSketch_->setPixmap(loadBitmap(kSketchBitmap));
}

void GraphWindow::plot(Plot which) {
    const PlotEntry& entry = kPlots[static_cast<std::size_t>(which)];
    const bool discharge = which == Plot::riser_discharge;
    const bool froude = which == Plot::froude;

    mainChart_->setVisible(true);
    referenceChart_->setVisible(discharge || froude);
    dischargeLegend_->setVisible(discharge);
    froudeLegend_->setVisible(froude);

    // The store holds risers 1 to 101. A stored N outside 1..101 (a Solve that read no risers
    // or more than the arrays hold) is no solution that can be plotted: the charts get no rows
    // and the mean discharge is left blank.
    const int n = results_.n_risers;
    const bool plottable = n >= 1 && n <= kMaxRisers;
    const int rows = plottable ? n : 0;
    const double q = results_.q_total;

    if (discharge) {
        meanDischargeBox_->setText(
            plottable ? QString::fromStdString(formatGeneral(q / n, numberLocale_)) : QString());
        // The box is narrower than some means: show the text from its start, where the
        // cursor is, rather than scrolled to its end.
        meanDischargeBox_->setCursorPosition(0);
    }

    // Row k shows riser N + 1 - k: the labels read N ... 1 from the left, the loading-shaft
    // end, to the right, riser 1 at the open sea.
    const RiserArray& values = results_.*entry.member;
    const QString title = tr(entry.title);
    mainPlot_ = which;
    mainChart_->setColumnCount(1);
    mainChart_->setShowLegend(false);
    mainChart_->setRowCount(rows);
    mainChart_->setTitleText(title);
    for (int r = 1; r <= rows; ++r) {
        mainChart_->setColumn(1);
        mainChart_->setRow(rows + 1 - r);
        mainChart_->setData(values[static_cast<std::size_t>(r - 1)]);
        mainChart_->setRowLabel(QString::number(r));
    }
    mainChart_->redraw();

    if (!discharge && !froude) return;
    referencePlot_ = which;

    // The reference lines, constant along the diffuser: the mean discharge m = Q/N and m ± 10 %
    // (computed as written here, so that they agree with the report to the last bit), or the
    // densimetric Froude limits 10 and 1.
    std::array<double, 4> references{};
    int columns = 3;
    if (discharge) {
        columns = 4;
        references = {0.0, q / n, (q * 0.1) / n + q / n, q / n - (q * 0.1) / n};
    } else {
        references = {0.0, 10.0, 1.0, 0.0};
    }
    referenceChart_->setColumnCount(columns);
    referenceChart_->setShowLegend(false);
    referenceChart_->setRowCount(rows);
    referenceChart_->setTitleText(title);
    for (int j = 1; j <= columns; ++j) {
        for (int r = 1; r <= rows; ++r) {
            referenceChart_->setColumn(j);
            referenceChart_->setRow(rows + 1 - r);
            referenceChart_->setRowLabel(QString::number(r));
            referenceChart_->setData(j == 1 ? values[static_cast<std::size_t>(r - 1)]
                                            : references[static_cast<std::size_t>(j - 1)]);
        }
    }
    referenceChart_->redraw();
}

void GraphWindow::showMinimumFroudeInformation() {
    showInformation(this, tr("Για την αποφυγή εισροής θαλασσινού νερού στο διαχυτήρα ο FROUDE "
                             "πρέπει να είναι μεγαλύτερος από 1"));
}

GraphWindow* showGraphWindow(QPointer<GraphWindow>& window, const DiffuserResults& results,
                             const NumberLocale& numberLocale) {
    return showSecondaryWindow(window, results, numberLocale);
}

}  // namespace thalmuro
