#include "loading_shaft_window.h"

#include <QEvent>
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
    setUpWindow(this, QStringLiteral("Form6"), QString());
    setAttribute(Qt::WA_DeleteOnClose);
    // The labels are transparent, so the window's colour is theirs too.
    setBackground(this, kLightYellow);
    setClientSize(this, kClientWidthTwips, kClientHeightTwips, WindowSizing::resizable);

    titleLabel_ = wrappedLabel(QString(), QStringLiteral("Label1"), {120, 120, 3975, 495}, this);
    titleLabel_->setFont(windowFont(9.75, true));
    requestLabel_ = wrappedLabel(QString(), QStringLiteral("Label2"), {480, 840, 3375, 375}, this);
    pipeLengthLabel_ =
        wrappedLabel(QString(), QStringLiteral("Label3"), {120, 1320, 1695, 255}, this);
    pipeLengthBox_ = placed(new QLineEdit(this), QStringLiteral("Text1"), {2040, 1320, 1215, 375});
    depthLabel_ = wrappedLabel(QString(), QStringLiteral("Label4"), {120, 1920, 1575, 855}, this);
    depthBox_ = placed(new QLineEdit(this), QStringLiteral("Text2"), {2040, 2040, 1215, 375});
    calculateButton_ =
        placed(new QPushButton(this), QStringLiteral("Command1"), {120, 3120, 1215, 495});
    headLabel_ = wrappedLabel(QString(), QStringLiteral("Label5"), {120, 4080, 1455, 1095}, this);
    headBox_ = placed(new QLineEdit(this), QStringLiteral("Text3"), {1920, 4320, 1695, 615});
    retranslate();

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
    setTabOrder(depthBox_, calculateButton_);
    setTabOrder(calculateButton_, headBox_);
    pipeLengthBox_->setFocus();

    connect(calculateButton_, &QPushButton::clicked, this, &LoadingShaftWindow::calculate);
}

void LoadingShaftWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void LoadingShaftWindow::retranslate() {
    setWindowTitle(tr("ΦΡΕΑΤΙΟ ΦΟΡΤΙΣΗΣ"));
    titleLabel_->setText(tr("ΥΠΟΛΟΓΙΣΜΟΣ ΦΡΕΑΤΙΟΥ ΦΟΡΤΙΣΗΣ") + QString(20, QLatin1Char(' ')));
    requestLabel_->setText(tr("Εισάγετε τα παρακάτω επιπλέον δεδομένα"));
    pipeLengthLabel_->setText(tr("Μήκος Διαχυτήρα (L)"));
    depthLabel_->setText(tr("Το βάθος στην έξοδο του τελευταίου (ανάντη) ανυψωτήρα (Ζτ)"));
    calculateButton_->setText(tr("Υπολογισμός"));
    headLabel_->setText(tr("Το αναγκαίο φορτίο για την λειτουργεία του διαχυτήρα είναι (m) :"));
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
