// The program's information message: a modal message box titled "Πληροφορία" ("Information" in
// English) with one OK button and no icon.
#pragma once

#include <QString>

class QWidget;

namespace thalmuro {

// Shows `text` and waits until the user presses OK; meanwhile no window of the program takes
// input.
void showInformation(QWidget* parent, const QString& text);

}  // namespace thalmuro
