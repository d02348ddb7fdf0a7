#include "loading_shaft_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "accessible_names.h"
#include "screen_fit.h"
#include "secondary_window.h"
#include "thalmuro/engine.h"
#include "twips.h"
#include "window_controls.h"

namespace thalmuro {
namespace {

// The client area, in twips.
constexpr int kClientWidthTwips = 4620;
constexpr int kClientHeightTwips = 5610;

// The window and its labels are light yellow.
const QColor kLightYellow(255, 255, 192);

}  // namespace

LoadingShaftWindow::LoadingShaftWindow(const DiffuserResults& results, NumberLocale numberLocale,
                                       QWidget* parent)
    : QWidget(parent), results_(results), numberLocale_(std::move(numberLocale)) {
    setUpWindow(this, QStringLiteral("Form6"), utf8("ΦΡΕΑΤΙΟ ΦΟΡΤΙΣΗΣ"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The labels are transparent, so the window's colour is theirs too.
    setBackground(this, kLightYellow);
    setClientSize(this, kClientWidthTwips, kClientHeightTwips, WindowSizing::resizable);

    QLabel* title =
        wrappedLabel(utf8("ΥΠΟΛΟΓΙΣΜΟΣ ΦΡΕΑΤΙΟΥ ΦΟΡΤΙΣΗΣ") + QString(20, QLatin1Char(' ')),
                     QStringLiteral("Label1"), {120, 120, 3975, 495}, this);
    title->setFont(windowFont(9.75, true));
    wrappedLabel(utf8("Εισάγετε τα παρακάτω επιπλέον δεδομένα"), QStringLiteral("Label2"),
                 {480, 840, 3375, 375}, this);
    wrappedLabel(utf8("Μήκος Διαχυτήρα (L)"), QStringLiteral("Label3"), {120, 1320, 1695, 255},
                 this);
    pipeLengthBox_ = placed(new QLineEdit(this), QStringLiteral("Text1"), {2040, 1320, 1215, 375});
    wrappedLabel(utf8("Το βάθος στην έξοδο του τελευταίου (ανάντη) ανυψωτήρα (Ζτ)"),
                 QStringLiteral("Label4"), {120, 1920, 1575, 855}, this);
    depthBox_ = placed(new QLineEdit(this), QStringLiteral("Text2"), {2040, 2040, 1215, 375});
    auto* calculateButton = placed(new QPushButton(utf8("Υπολογισμός"), this),
                                   QStringLiteral("Command1"), {120, 3120, 1215, 495});
    wrappedLabel(utf8("Το αναγκαίο φορτίο για την λειτουργεία του διαχυτήρα είναι (m) :"),
                 QStringLiteral("Label5"), {120, 4080, 1455, 1095}, this);
    headBox_ = placed(new QLineEdit(this), QStringLiteral("Text3"), {1920, 4320, 1695, 615});

    // What a screen reader says of the boxes: each one's quantity and unit, with the caption
    // beside it as its buddy.
    nameInEachLanguage(this, [this] {
        nameBox(
            pipeLengthBox_,
            accessibleText(QT_TRANSLATE_NOOP("thalmuro::AccessibleNames", "Μήκος διαχυτήρα L (m)")),
            findChild<QLabel*>(QStringLiteral("Label3")));
        nameBox(depthBox_,
                accessibleText(
                    QT_TRANSLATE_NOOP("thalmuro::AccessibleNames",
                                      "Βάθος στην έξοδο του τελευταίου (ανάντη) ανυψωτήρα Ζτ (m)")),
                findChild<QLabel*>(QStringLiteral("Label4")));
        nameBox(headBox_,
                accessibleText(
                    QT_TRANSLATE_NOOP("thalmuro::AccessibleNames",
                                      "Αναγκαίο φορτίο για τη λειτουργία του διαχυτήρα (m)")),
                findChild<QLabel*>(QStringLiteral("Label5")));
    });

    setTabOrder(pipeLengthBox_, depthBox_);
    setTabOrder(depthBox_, calculateButton);
    setTabOrder(calculateButton, headBox_);
    pipeLengthBox_->setFocus();

    connect(calculateButton, &QPushButton::clicked, this, &LoadingShaftWindow::calculate);
}

void LoadingShaftWindow::calculate() {
    // The store as the last Solve left it: its N and the Δρ/ρ text it read, whatever the main
    // window shows now. When no head can be computed (no riser N stored, a text that cannot be
    // read, a pipe diameter of zero, an overflow) the box keeps what it showed, silently.
    const Num head = loadingShaftHead(results_, pipeLengthBox_->text().toStdString(),
                                      depthBox_->text().toStdString(), numberLocale_);
    if (!head.ok()) return;
    headBox_->setText(QString::fromStdString(formatPattern(head.value(), "0.000", numberLocale_)));
}

LoadingShaftWindow* showLoadingShaftWindow(QPointer<LoadingShaftWindow>& window,
                                           const DiffuserResults& results,
                                           const NumberLocale& numberLocale) {
    return showSecondaryWindow(window, results, numberLocale);
}

}  // namespace thalmuro
