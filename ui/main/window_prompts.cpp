#include "window_prompts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>

#include "window_controls.h"

namespace thalmuro {
namespace {

// How often a long balancing lets the window system's events through.
constexpr qint64 kEventIntervalMs = 40;

QString balancingText(long passesRun) {
    return QCoreApplication::translate(
               "thalmuro::Prompt",
               "Η παροχή του πρώτου ανυψωτήρα μειώνεται βήμα προς βήμα,\nώσπου οι ανυψωτήρες "
               "μαζί να μη δίνουν περισσότερο από την ολική.\n\nΕπαναλήψεις: %1")
        .arg(passesRun);
}

void setUpLine(QInputDialog& dialog, const Prompt& prompt, const QString& initialText) {
    dialog.setObjectName(utf8(prompt.name));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(translated(prompt.title));
    dialog.setLabelText(translated(prompt.text));
    dialog.setTextValue(initialText);
    // OK in both languages, whichever translation of Qt's own buttons is installed.
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QCoreApplication::translate("thalmuro::Prompt", "Άκυρο"));
}

// Shows the dialog and gives the text of its box, nothing for Cancel.
std::optional<std::string> runLine(QInputDialog& dialog) {
    // The user is asked, not kept waiting: the ordinary pointer while the box is open.
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = dialog.exec();
    QGuiApplication::restoreOverrideCursor();
    if (answer != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
}

}  // namespace

std::optional<std::string> askLine(QWidget* parent, const Prompt& prompt) {
    QInputDialog dialog(parent);
    setUpLine(dialog, prompt, translated(prompt.initial_text));
    return runLine(dialog);
}

std::optional<std::string> askLine(QWidget* parent, const Prompt& prompt,
                                   const QString& initialText, const LineFiller& filler) {
    QInputDialog dialog(parent);
    setUpLine(dialog, prompt, initialText);
    // The input dialog builds its button box with its texts; the filler's button joins OK and
    // "Άκυρο" there, in the action role, so that it does not close the dialog.
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QPushButton* button = buttons->addButton(filler.caption, QDialogButtonBox::ActionRole);
    button->setObjectName(filler.name);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, &filler] {
        if (const std::optional<QString> text = filler.fill(dialog.textValue()))
            dialog.setTextValue(*text);
        if (auto* box = dialog.findChild<QLineEdit*>()) box->setFocus();
    });
    return runLine(dialog);
}

QString translated(std::string_view text) {
    // An empty text stays empty: Qt would give it no translation anyway.
    if (text.empty()) return QString();
    return QCoreApplication::translate("thalmuro::Prompt", std::string(text).c_str());
}

std::string ratioOffer(const std::optional<std::string>& lastAnswer, const NumberLocale& locale) {
    // A cancelled question, an empty or a blank answer leave nothing worth offering again.
    if (lastAnswer && lastAnswer->find_first_not_of(" \t") != std::string::npos) return *lastAnswer;
    return formatPattern(kDefaultRatio, "0.00", locale);
}

BusyPointer::BusyPointer() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyPointer::~BusyPointer() {
    QGuiApplication::restoreOverrideCursor();
}

BalancingWindow::BalancingWindow(QWidget* parent, std::chrono::milliseconds progressAfter)
    : parent_(parent), progressAfter_(progressAfter) {}

BalancingWindow::~BalancingWindow() {
    if (!progress_) return;
    progress_.reset();
    QGuiApplication::changeOverrideCursor(Qt::WaitCursor);
}

bool BalancingWindow::keepBalancing(long passesRun) {
    if (!balancing_.isValid()) balancing_.start();
    if (!progress_) {
        if (balancing_.elapsed() < progressAfter_.count()) return true;
        openProgress();
    }
    if (sinceEvents_.elapsed() >= kEventIntervalMs) {
        progress_->setLabelText(balancingText(passesRun));
        QCoreApplication::processEvents();
        sinceEvents_.start();
    }
    return !progress_->wasCanceled();
}

void BalancingWindow::openProgress() {
    progress_ = std::make_unique<QProgressDialog>(parent_);
    progress_->setObjectName(QStringLiteral("balancingProgress"));
    progress_->setWindowTitle(
        QCoreApplication::translate("thalmuro::Prompt", "Βελτιστοποίηση της παροχής"));
    progress_->setLabelText(balancingText(0));
    progress_->setCancelButtonText(QCoreApplication::translate("thalmuro::Prompt", "Διακοπή"));
    // The number of passes is not known beforehand: a busy indicator, not a percentage.
    progress_->setRange(0, 0);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setMinimumDuration(0);
    progress_->setWindowModality(Qt::ApplicationModal);
    progress_->show();
    // Busy, yet the stop button can be clicked.
    QGuiApplication::changeOverrideCursor(Qt::BusyCursor);
    QCoreApplication::processEvents();
    sinceEvents_.start();
}

}  // namespace thalmuro
