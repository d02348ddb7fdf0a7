#include "report_failure.h"

#include <QCoreApplication>

namespace thalmuro {

QString reportFailureText(const std::string& fileName, std::error_code error) {
    return QCoreApplication::translate("thalmuro::FileSaving",
                                       "Τα αποτελέσματα δεν γράφτηκαν στο αρχείο «%1».\n%2")
        .arg(QString::fromStdString(fileName), writeFailureReason(error));
}

}  // namespace thalmuro
