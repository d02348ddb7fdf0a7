// The program's file dialogs: Qt's own dialog rather than the desktop's, in Greek throughout.
#pragma once

#include <QString>

class QFileDialog;

namespace thalmuro {

// Greek texts for the parts of a file dialog that Qt has no Greek translation for: the labels,
// the two buttons (`acceptText` and "Άκυρο") and the column captions of the file list.
void setGreekTexts(QFileDialog& dialog, const QString& acceptText);

}  // namespace thalmuro
