#include "loading_shaft_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "thalmuro/engine.h"
#include "secondary_window.h"
#include "twips.h"
#include "window_controls.h"

namespace thalmuro {
namespace {

// The client area, in twips.
constexpr int kClientWidthTwips = 4620;
constexpr int kClientHeightTwips = 5610;

// The window and its labels are light yellow.
const QColor kLightYellow(255, 255, 192);

// Labels wrap at word boundaries within their width and take no keyboard focus.
QLabel* label(const QString& text, const QString& name, const TwipsRect& rect, QWidget* parent) {
    auto* l = placed(new QLabel(text, parent), name, rect);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

}  // namespace

LoadingShaftWindow::LoadingShaftWindow(const DiffuserResults& results, NumberLocale numberLocale,
                                       QWidget* parent)
    : QWidget(parent), results_(results), numberLocale_(std::move(numberLocale)) {
    setObjectName(QStringLiteral("Form6"));
    setAccessibleDescription(QStringLiteral("Form6"));
    setWindowTitle(utf8("ΦΡΕΑΤΙΟ ΦΟΡΤΙΣΗΣ"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(windowFont());
    // The labels are transparent, so the window's colour is theirs too.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kLightYellow);
    setPalette(colours);
    setAutoFillBackground(true);
    resize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));

    QLabel* title = label(utf8("ΥΠΟΛΟΓΙΣΜΟΣ ΦΡΕΑΤΙΟΥ ΦΟΡΤΙΣΗΣ") + QString(20, QLatin1Char(' ')),
                          QStringLiteral("Label1"), {120, 120, 3975, 495}, this);
    title->setFont(windowFont(9.75, true));
    label(utf8("Εισάγετε τα παρακάτω επιπλέον δεδομένα"), QStringLiteral("Label2"),
          {480, 840, 3375, 375}, this);
    label(utf8("Μήκος Διαχυτήρα (L)"), QStringLiteral("Label3"), {120, 1320, 1695, 255}, this);
    text1_ = placed(new QLineEdit(this), QStringLiteral("Text1"), {2040, 1320, 1215, 375});
    label(utf8("Το βάθος στην έξοδο του τελευταίου (ανάντη) ανυψωτήρα (Ζτ)"),
          QStringLiteral("Label4"), {120, 1920, 1575, 855}, this);
    text2_ = placed(new QLineEdit(this), QStringLiteral("Text2"), {2040, 2040, 1215, 375});
    auto* command1 = placed(new QPushButton(utf8("Υπολογισμός"), this), QStringLiteral("Command1"),
                            {120, 3120, 1215, 495});
    label(utf8("Το αναγκαίο φορτίο για την λειτουργεία του διαχυτήρα είναι (m) :"),
          QStringLiteral("Label5"), {120, 4080, 1455, 1095}, this);
    text3_ = placed(new QLineEdit(this), QStringLiteral("Text3"), {1920, 4320, 1695, 615});

    setTabOrder(text1_, text2_);
    setTabOrder(text2_, command1);
    setTabOrder(command1, text3_);
    text1_->setFocus();

    connect(command1, &QPushButton::clicked, this, &LoadingShaftWindow::calculate);
}

void LoadingShaftWindow::calculate() {
    // The store as the last Solve left it: its N and the Δρ/ρ text it read, whatever the main
    // window shows now. When no head can be computed (no riser N stored, a text that cannot be
    // read, a pipe diameter of zero, an overflow) the box keeps what it showed, silently.
    const Num head = loadingShaftHead(results_, text1_->text().toStdString(),
                                      text2_->text().toStdString(), numberLocale_);
    if (!head.ok()) return;
    text3_->setText(QString::fromStdString(formatPattern(head.value(), "0.000", numberLocale_)));
}

LoadingShaftWindow* showLoadingShaftWindow(QPointer<LoadingShaftWindow>& window,
                                           const DiffuserResults& results,
                                           const NumberLocale& numberLocale) {
    return showSecondaryWindow(window, results, numberLocale);
}

}  // namespace thalmuro
