#include "graph_window.h"

#include <QChart>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <array>

#include "bitmaps.h"
#include "caption_button.h"
#include "line_chart.h"
#include "line_shape.h"
#include "messages.h"
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

// What tells the six plots apart.
struct PlotEntry {
    const RiserArray DiffuserResults::*member;
    const char* title;
};

// Indexed by GraphWindow::Plot. The titles begin with a blank.
const std::array<PlotEntry, 6> kPlots = {{
    {&DiffuserResults::specific_energy, " ΕΙΔΙΚΗ ΕΝΕΡΓΕΙΑ (m) -ΑΝΥΨΩΤΗΡΕΣ"},
    {&DiffuserResults::cd, " ΣΥΝΤΕΛΕΣΤΗΣ ΠΑΡΟΧΗΣ-ΑΝΥΨΩΤΗΡΕΣ"},
    {&DiffuserResults::v_diffuser, " ΤΑΧΥΤΗΤΑ ΔΙΑΧΥΤΗΡΑ (m/s) -ΑΝΥΨΩΤΗΡΕΣ"},
    {&DiffuserResults::v_riser, " ΤΑΧΥΤΗΤΑ ΑΝΥΨΩΤΗΡΑ (m/s) -ΑΝΥΨΩΤΗΡΕΣ"},
    {&DiffuserResults::q_riser, " ΠΑΡΟΧΗ ΑΝΥΨΩΤΗΡΑ (m^3/s) -ΑΝΥΨΩΤΗΡΕΣ"},
    {&DiffuserResults::froude, " ΠΥΚΝΟΜΕΤΡΙΚΟΣ ΑΡΙΘΜΟΣ FROUDE-ΑΝΥΨΩΤΗΡΕΣ"},
}};

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

// Names a control as the rest of the program knows it.

void paintBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A label as the window's labels are: its text wraps at word boundaries within the label. It
// has the colour of whatever holds it, the window or a legend panel, so it is left transparent.
QLabel* label(const char* text, const QString& name, const TwipsRect& rect, QWidget* parent) {
    auto* l = placed(new QLabel(utf8(text), parent), name, rect);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

void line(const QString& name, int x1, int y1, int x2, int y2, const QColor& colour, int width,
          QWidget* parent) {
    named(new LineShape(x1, y1, x2, y2, colour, width, parent), name);
}

}  // namespace

GraphWindow::GraphWindow(const DiffuserResults& results, NumberLocale numberLocale, QWidget* parent)
    : QWidget(parent), results_(results), numberLocale_(std::move(numberLocale)) {
    named(this, QStringLiteral("Form4"));
    setWindowTitle(utf8("ΓΡΑΦΙΚΕΣ ΠΑΡΑΣΤΑΣΕΙΣ"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(windowFont());
    // The window's background is the 3-D highlight colour, white in the usual schemes.
    paintBackground(this, palette().color(QPalette::Light));
    resize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));

    createControls();
    loadForm();
}

void GraphWindow::createControls() {
    // Created bottom first: the sketch (Picture1, from the top 6840) lies on top of the main
    // chart's lowest pixel rows (to 6975), which a wider bottom margin keeps free of text.
    chart1_ =
        placed(new LineChart(numberLocale_, this), QStringLiteral("MSChart1"), {0, 0, 9135, 6975});
    chart1_->chart()->setMargins(QMargins(4, 4, 8, twipsToPixels(6975 - 6840) + 4));
    chart1_->setSeriesStyle(1, kRed, 2);
    chart1_->setTitleFont(windowFont(12, true));
    chart1_->setRowAxisTitle(utf8("ΑΝΥΨΩΤΗΡΕΣ"), windowFont(12, true));

    chart2_ = placed(new LineChart(numberLocale_, this), QStringLiteral("MSChart2"),
                     {10080, 360, 4815, 4935});
    chart2_->setSeriesStyle(1, kRed, 3);
    chart2_->setSeriesStyle(2, kGreen, 2);
    chart2_->setSeriesStyle(3, kBlue, 1);
    chart2_->setSeriesStyle(4, kYellow, 1);
    chart2_->setTitleFont(windowFont(8.25, true));

    for (LineChart* chart : {chart1_, chart2_}) {
        chart->setFocusPolicy(Qt::NoFocus);
        chart->hide();
    }

    createDischargeLegend();
    createFroudeLegend();

    static const std::array<const char*, 6> captions = {
        "Ενέργεια",           "Cd",
        "Ταχύτητα Διαχυτήρα", "Ταχύτητα Ανυψωτήρα",
        "Παροχή Ανυψωτήρα",   "Πυκνομετρικός Froude"};
    QWidget* previous = nullptr;
    for (int i = 0; i < 6; ++i) {
        auto* button =
            placed(new CaptionButton(utf8(captions[static_cast<std::size_t>(i)]), this),
                   QStringLiteral("Command%1").arg(i + 1), {360 + 1560 * i, 8160, 1335, 495});
        const auto which = static_cast<Plot>(i);
        connect(button, &QPushButton::clicked, this, [this, which] { plot(which); });
        if (previous != nullptr) setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, text1_);

    createDirectionStrip();
}

void GraphWindow::createDischargeLegend() {
    frame2_ = placed(new LegendFrame(utf8("Υπόμνημα"), this), QStringLiteral("Frame2"),
                     {10200, 5520, 4815, 2775});
    paintBackground(frame2_, kInactiveCaptionText);

    label("Παροχή ίση με Qολ/Ανυψωτήρες", QStringLiteral("Label6"), {720, 480, 2655, 375}, frame2_);
    text1_ = placed(new QLineEdit(frame2_), QStringLiteral("Text1"), {3360, 480, 735, 375});
    label("m^3/s", QStringLiteral("Label7"), {4200, 480, 495, 255}, frame2_);
    label("10% αυξημένη", QStringLiteral("Label8"), {960, 1080, 1335, 255}, frame2_);
    label("10% μειωμένη", QStringLiteral("Label9"), {960, 1680, 1095, 255}, frame2_);
    label("Παροχή εκροής απο ανυψωτήρες", QStringLiteral("Label10"), {1080, 2160, 2655, 255},
          frame2_);

    line(QStringLiteral("Line10"), 120, 600, 600, 600, kLightGreen, 2, frame2_);
    line(QStringLiteral("Line11"), 120, 1200, 720, 1200, kBlue, 2, frame2_);
    line(QStringLiteral("Line12"), 120, 1800, 720, 1800, kYellow, 2, frame2_);
    line(QStringLiteral("Line13"), 120, 2280, 840, 2280, kRed, 3, frame2_);
}

void GraphWindow::createFroudeLegend() {
    frame1_ = placed(new LegendFrame(utf8("Υπόμνημα"), this), QStringLiteral("Frame1"),
                     {10440, 5640, 3975, 1455});
    paintBackground(frame1_, kLightYellow);

    label("Πυκνομετρικός FROUDE", QStringLiteral("Label3"), {1200, 240, 1935, 255}, frame1_);
    label4_ = label("Μέγιστος Επιτρεπόμενος (10)", QStringLiteral("Label4"), {1200, 600, 2535, 255},
                    frame1_);
    label5_ = label("Ελάχιστος Επιτρεπόμενος (1)", QStringLiteral("Label5"), {1200, 960, 2415, 255},
                    frame1_);
    // The two limits are explained on a click; the pointer says so.
    for (QLabel* l : {label4_, label5_}) {
        l->setCursor(Qt::WhatsThisCursor);
        l->installEventFilter(this);
    }

    line(QStringLiteral("Line7"), 240, 360, 960, 360, kRed, 2, frame1_);
    line(QStringLiteral("Line8"), 240, 720, 960, 720, kGreen, 2, frame1_);
    line(QStringLiteral("Line9"), 240, 1080, 960, 1080, palette().color(QPalette::Highlight), 2,
         frame1_);
    frame1_->hide();
}

void GraphWindow::createDirectionStrip() {
    picture1_ = placed(new QLabel(this), QStringLiteral("Picture1"), {3480, 6840, 3975, 1215});
    // At its own size from the top-left corner; what does not fit in the box is cut off.
    picture1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture1_->setScaledContents(false);

    // The left end of the riser axis is the loading-shaft end, the right end the open sea.
    label("Πρός φρεάτιο φόρτισης", QStringLiteral("Label1"), {1560, 7560, 1935, 255}, this);
    label("Πρός ανοχτή θάλασσα", QStringLiteral("Label2"), {7560, 7560, 1815, 255}, this);

    const QColor ink = palette().color(QPalette::WindowText);
    line(QStringLiteral("Line2"), 3120, 7440, 1080, 7440, ink, 2, this);
    line(QStringLiteral("Line1_0"), 1080, 7440, 1440, 7200, ink, 2, this);
    line(QStringLiteral("Line1_1"), 1440, 7680, 1080, 7440, ink, 2, this);
    line(QStringLiteral("Line3"), 7680, 7440, 9720, 7440, ink, 2, this);
    line(QStringLiteral("Line5"), 9360, 7200, 9720, 7440, ink, 2, this);
    line(QStringLiteral("Line4"), 9360, 7680, 9720, 7440, ink, 2, this);

    // The separator between the main chart and the column of the reference chart.
    line(QStringLiteral("Line6"), 9960, 0, 9960, 8760, ink, 1, this);
}

void GraphWindow::loadForm() {
    frame2_->hide();
    picture1_->setPixmap(loadBitmap(kSketchBitmap));
}

void GraphWindow::plot(Plot which) {
    const PlotEntry& entry = kPlots[static_cast<std::size_t>(which)];
    const bool discharge = which == Plot::riser_discharge;
    const bool froude = which == Plot::froude;

    chart1_->setVisible(true);
    chart2_->setVisible(discharge || froude);
    frame2_->setVisible(discharge);
    frame1_->setVisible(froude);

    // The store holds risers 1 to 101. A stored N outside 1..101 (a Solve that read no risers
    // or more than the arrays hold) is no solution that can be plotted: the charts get no rows
    // and the mean discharge is left blank.
    const int n = results_.n_risers;
    const bool plottable = n >= 1 && n <= kMaxRisers;
    const int rows = plottable ? n : 0;
    const double q = results_.q_total;

    if (discharge) {
        text1_->setText(plottable ? QString::fromStdString(formatGeneral(q / n, numberLocale_))
                                  : QString());
    }

    // Row k shows riser N + 1 - k: the labels read N ... 1 from the left, the loading-shaft
    // end, to the right, riser 1 at the open sea.
    const RiserArray& values = results_.*entry.member;
    const QString title = utf8(entry.title);
    chart1_->setColumnCount(1);
    chart1_->setShowLegend(false);
    chart1_->setRowCount(rows);
    chart1_->setTitleText(title);
    for (int r = 1; r <= rows; ++r) {
        chart1_->setColumn(1);
        chart1_->setRow(rows + 1 - r);
        chart1_->setData(values[static_cast<std::size_t>(r - 1)]);
        chart1_->setRowLabel(QString::number(r));
    }
    chart1_->redraw();

    if (!discharge && !froude) return;

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
    chart2_->setColumnCount(columns);
    chart2_->setShowLegend(false);
    chart2_->setRowCount(rows);
    chart2_->setTitleText(title);
    for (int j = 1; j <= columns; ++j) {
        for (int r = 1; r <= rows; ++r) {
            chart2_->setColumn(j);
            chart2_->setRow(rows + 1 - r);
            chart2_->setRowLabel(QString::number(r));
            chart2_->setData(j == 1 ? values[static_cast<std::size_t>(r - 1)]
                                    : references[static_cast<std::size_t>(j - 1)]);
        }
    }
    chart2_->redraw();
}

bool GraphWindow::eventFilter(QObject* watched, QEvent* event) {
    // A click is a press and a release of the left button on the label; the label holds the
    // mouse between the two, so the release tells where it ended.
    if (event->type() == QEvent::MouseButtonRelease && (watched == label4_ || watched == label5_)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* target = static_cast<QLabel*>(watched);
        if (mouse->button() == Qt::LeftButton &&
            target->rect().contains(mouse->position().toPoint())) {
            if (watched == label4_) {
                emit nomographRequested();
            } else {
                showMinimumFroudeInformation();
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void GraphWindow::showMinimumFroudeInformation() {
    showInformation(this, utf8("Για την αποφυγή εισροής θαλασσινού νερού στο διαχυτήρα ο FROUDE "
                               "πρέπει να είναι μεγαλύτερος από 1"));
}

GraphWindow* showGraphWindow(QPointer<GraphWindow>& window, const DiffuserResults& results,
                             const NumberLocale& numberLocale) {
    return showSecondaryWindow(window, results, numberLocale);
}

}  // namespace thalmuro
