#include "messages.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "window_controls.h"

namespace thalmuro {

void showInformation(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, utf8(kInformationTitle), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("information"));
    // Qt has no Greek translation of its own buttons: the text is set so that it does not
    // depend on which translations happen to be installed.
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

}  // namespace thalmuro
