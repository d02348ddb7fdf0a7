#include "file_saving.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIdentityProxyModel>
#include <QPushButton>
#include <iterator>

#include "desktop_platform.h"
#include "messages.h"
#include "thalmuro/engine.h"
#include "window_controls.h"

namespace thalmuro {
namespace {

// The column captions of the file dialog's list, which Qt has no Greek translation for.
class GreekColumnCaptions : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        static const char* const kCaptions[] = {"Όνομα", "Μέγεθος", "Τύπος", "Ημερομηνία αλλαγής"};
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < static_cast<int>(std::size(kCaptions))) {
            return utf8(kCaptions[section]);
        }
        return QIdentityProxyModel::headerData(section, orientation, role);
    }
};

// Greek texts for the parts of a file dialog that Qt has no Greek translation for.
void setGreekTexts(QFileDialog& dialog, const QString& acceptText) {
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Φάκελος:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Όνομα αρχείου:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Τύπος αρχείων:"));
    dialog.setLabelText(QFileDialog::Accept, acceptText);
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Άκυρο"));
    dialog.setProxyModel(new GreekColumnCaptions(&dialog));
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
    setGreekTexts(dialog, choice.saving ? QStringLiteral("Αποθήκευση") : QStringLiteral("Άνοιγμα"));
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
    return askQuestion(parent, QStringLiteral("replaceFileQuestion"), title,
                       QStringLiteral("Το αρχείο «%1» υπάρχει ήδη.\nΝα αντικατασταθεί;").arg(name),
                       {{QStringLiteral("Αντικατάσταση"), QMessageBox::AcceptRole},
                        {QStringLiteral("Άκυρο"), QMessageBox::RejectRole}}) ==
           QMessageBox::AcceptRole;
}

QString writeFailureReason(std::error_code error) {
    // The comparisons with std::errc hold whatever category the engine reports the error in.
    if (error == std::errc::no_such_file_or_directory) {
        return QStringLiteral("Ο φάκελος που δόθηκε δεν υπάρχει.");
    }
    if (error == std::errc::not_a_directory) {
        return QStringLiteral("Μέρος της διαδρομής που δόθηκε δεν είναι φάκελος.");
    }
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
        return QStringLiteral("Δεν υπάρχει δικαίωμα εγγραφής στο αρχείο ή στον φάκελό του.");
    }
    if (error == std::errc::is_a_directory) {
        return QStringLiteral("Το όνομα αυτό ανήκει σε φάκελο και όχι σε αρχείο.");
    }
    if (error == std::errc::no_space_on_device) {
        return QStringLiteral("Δεν υπάρχει ελεύθερος χώρος στον δίσκο.");
    }
    if (error == std::errc::read_only_file_system) {
        return QStringLiteral("Ο δίσκος επιτρέπει μόνο ανάγνωση.");
    }
    if (error == std::errc::filename_too_long) {
        return QStringLiteral("Το όνομα του αρχείου είναι πολύ μεγάλο.");
    }
    if (error == std::errc::file_too_large) {
        return QStringLiteral("Το αρχείο ξεπερνά το μέγιστο μέγεθος αρχείου που επιτρέπεται.");
    }
    if (error == std::errc::no_such_device_or_address) {
        return QStringLiteral("Κανένα πρόγραμμα δεν διαβάζει από αυτό το αρχείο.");
    }
    if (error == EngineError::no_converter) {
        return QStringLiteral(
            "Το σύστημα δεν έχει τη μετατροπή κειμένου στην κωδικοσελίδα Windows-1253 των "
            "αποτελεσμάτων.");
    }
    return QStringLiteral("Το αρχείο δεν ήταν δυνατό να δημιουργηθεί ή να γραφτεί.");
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
        showInformation(parent, QStringLiteral("Το αρχείο «%1» δεν γράφτηκε.\n%2")
                                    .arg(QFileInfo(*chosen).fileName(), writeFailureReason(error)));
        return std::nullopt;
    }
    return chosen;
}

}  // namespace thalmuro
