#include "report_failure.h"

namespace thalmuro {

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

QString reportFailureText(const std::string& fileName, std::error_code error) {
    return QStringLiteral("Τα αποτελέσματα δεν γράφτηκαν στο αρχείο «%1».\n%2")
        .arg(QString::fromStdString(fileName), writeFailureReason(error));
}

}  // namespace thalmuro
