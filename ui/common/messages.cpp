#include "messages.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>

namespace thalmuro {

void showInformation(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon,
                    QCoreApplication::translate("thalmuro::Messages", "Πληροφορία"), text,
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("information"));
    // OK in both languages, whichever translation of Qt's own buttons is installed.
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

}  // namespace thalmuro
