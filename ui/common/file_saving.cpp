#include "file_saving.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>

#include "desktop_platform.h"
#include "messages.h"
#include "thalmuro/engine.h"
#include "window_controls.h"

namespace thalmuro {
namespace {

// The labels of a file dialog in the language shown. The rest of the dialog (its tool buttons,
// list captions, side bar and messages) shows Qt's own texts, which follow the language too.
void setLabelTexts(QFileDialog& dialog, const QString& acceptText) {
    dialog.setLabelText(QFileDialog::LookIn,
                        QCoreApplication::translate("thalmuro::FileSaving", "Φάκελος:"));
    dialog.setLabelText(QFileDialog::FileName,
                        QCoreApplication::translate("thalmuro::FileSaving", "Όνομα αρχείου:"));
    dialog.setLabelText(QFileDialog::FileType,
                        QCoreApplication::translate("thalmuro::FileSaving", "Τύπος αρχείων:"));
    dialog.setLabelText(QFileDialog::Accept, acceptText);
    dialog.setLabelText(QFileDialog::Reject,
                        QCoreApplication::translate("thalmuro::FileSaving", "Άκυρο"));
}

}  // namespace

std::optional<QString> askFileName(QWidget* parent, const FileChoice& choice, const QString& folder,
                                   const QString& suggested) {
    QFileDialog dialog(parent);
    dialog.setObjectName(choice.name);
    dialog.setWindowTitle(choice.title);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAcceptMode(choice.saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(choice.saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(choice.filter);
    if (choice.saving) dialog.setDefaultSuffix(choice.suffix);
    dialog.setDirectory(folder);
    if (!suggested.isEmpty()) dialog.selectFile(suggested);
    setLabelTexts(dialog, choice.saving
                              ? QCoreApplication::translate("thalmuro::FileSaving", "Αποθήκευση")
                              : QCoreApplication::translate("thalmuro::FileSaving", "Άνοιγμα"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

QMessageBox::ButtonRole askQuestion(
    QWidget* parent, const QString& name, const QString& title, const QString& text,
    const std::vector<std::pair<QString, QMessageBox::ButtonRole>>& buttons) {
    QMessageBox box(parent);
    box.setObjectName(name);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    box.setWindowModality(Qt::ApplicationModal);
    for (const auto& [caption, role] : buttons) {
        QPushButton* button = box.addButton(caption, role);
        if (box.defaultButton() == nullptr) box.setDefaultButton(button);
        if (role == QMessageBox::RejectRole) box.setEscapeButton(button);
    }
    box.exec();
    return box.clickedButton() ? box.buttonRole(box.clickedButton()) : QMessageBox::RejectRole;
}

bool mayReplace(QWidget* parent, const QString& title, const QString& fileName, ShownName shown) {
    const QString name = shown == ShownName::file ? QFileInfo(fileName).fileName()
                                                  : QDir::toNativeSeparators(fileName);
    return askQuestion(
               parent, QStringLiteral("replaceFileQuestion"), title,
               QCoreApplication::translate("thalmuro::FileSaving",
                                           "Το αρχείο «%1» υπάρχει ήδη.\nΝα αντικατασταθεί;")
                   .arg(name),
               {{QCoreApplication::translate("thalmuro::FileSaving", "Αντικατάσταση"),
                 QMessageBox::AcceptRole},
                {QCoreApplication::translate("thalmuro::FileSaving", "Άκυρο"),
                 QMessageBox::RejectRole}}) == QMessageBox::AcceptRole;
}

QString writeFailureReason(std::error_code error) {
    // The comparisons with std::errc hold whatever category the engine reports the error in.
    if (error == std::errc::no_such_file_or_directory) {
        return QCoreApplication::translate("thalmuro::FileSaving",
                                           "Ο φάκελος που δόθηκε δεν υπάρχει.");
    }
    if (error == std::errc::not_a_directory) {
        return QCoreApplication::translate("thalmuro::FileSaving",
                                           "Μέρος της διαδρομής που δόθηκε δεν είναι φάκελος.");
    }
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
        return QCoreApplication::translate(
            "thalmuro::FileSaving", "Δεν υπάρχει δικαίωμα εγγραφής στο αρχείο ή στον φάκελό του.");
    }
    if (error == std::errc::is_a_directory) {
        return QCoreApplication::translate("thalmuro::FileSaving",
                                           "Το όνομα αυτό ανήκει σε φάκελο και όχι σε αρχείο.");
    }
    if (error == std::errc::no_space_on_device) {
        return QCoreApplication::translate("thalmuro::FileSaving",
                                           "Δεν υπάρχει ελεύθερος χώρος στον δίσκο.");
    }
    if (error == std::errc::read_only_file_system) {
        return QCoreApplication::translate("thalmuro::FileSaving",
                                           "Ο δίσκος επιτρέπει μόνο ανάγνωση.");
    }
    if (error == std::errc::filename_too_long) {
        return QCoreApplication::translate("thalmuro::FileSaving",
                                           "Το όνομα του αρχείου είναι πολύ μεγάλο.");
    }
    if (error == std::errc::file_too_large) {
        return QCoreApplication::translate(
            "thalmuro::FileSaving",
            "Το αρχείο ξεπερνά το μέγιστο μέγεθος αρχείου που επιτρέπεται.");
    }
    if (error == std::errc::no_such_device_or_address) {
        return QCoreApplication::translate("thalmuro::FileSaving",
                                           "Κανένα πρόγραμμα δεν διαβάζει από αυτό το αρχείο.");
    }
    if (error == EngineError::no_converter) {
        return QCoreApplication::translate(
            "thalmuro::FileSaving",
            "Το σύστημα δεν έχει τη μετατροπή κειμένου στην κωδικοσελίδα Windows-1253 των "
            "αποτελεσμάτων.");
    }
    return QCoreApplication::translate("thalmuro::FileSaving",
                                       "Το αρχείο δεν ήταν δυνατό να δημιουργηθεί ή να γραφτεί.");
}

std::optional<QString> saveFile(QWidget* parent, const FileChoice& choice, const QString& suggested,
                                std::string_view bytes) {
    const QFileInfo start(suggested);
    const std::optional<QString> chosen =
        askFileName(parent, choice, start.absolutePath(), start.fileName());
    if (!chosen) return std::nullopt;
    if (QFileInfo::exists(*chosen) && !mayReplace(parent, choice.title, *chosen)) {
        return std::nullopt;
    }
    if (const std::error_code error = writeFileSafely(engineFileName(*chosen), bytes)) {
        showInformation(parent, QCoreApplication::translate("thalmuro::FileSaving",
                                                            "Το αρχείο «%1» δεν γράφτηκε.\n%2")
                                    .arg(QFileInfo(*chosen).fileName(), writeFailureReason(error)));
        return std::nullopt;
    }
    return chosen;
}

}  // namespace thalmuro
