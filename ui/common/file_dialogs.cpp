#include "file_dialogs.h"

#include <QFileDialog>
#include <QIdentityProxyModel>
#include <iterator>

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

}  // namespace

void setGreekTexts(QFileDialog& dialog, const QString& acceptText) {
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Φάκελος:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Όνομα αρχείου:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Τύπος αρχείων:"));
    dialog.setLabelText(QFileDialog::Accept, acceptText);
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Άκυρο"));
    dialog.setProxyModel(new GreekColumnCaptions(&dialog));
}

}  // namespace thalmuro
