// What the windows share to open and save files: the program's own file dialog and questions,
// the reason a file could not be written, all in the language shown, and the whole round of
// saving a file the user names.
#pragma once

#include <QMessageBox>
#include <QString>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

class QWidget;

namespace thalmuro {

// What a file dialog asks for.
struct FileChoice {
    QString name;    // the dialog's objectName
    QString title;   // its caption
    QString filter;  // the kinds of file it lists, e.g. "Αρχεία CSV (*.csv)"
    QString suffix;  // added to a name typed without one when saving
    bool saving = true;
};

// A modal file dialog of the program's own (not the desktop's), so that it shows the language
// of the windows everywhere and tests can answer it, opened in `folder` with `suggested` as the
// name. It does not ask before a file is replaced (mayReplace does). Nothing when cancelled.
std::optional<QString> askFileName(QWidget* parent, const FileChoice& choice, const QString& folder,
                                   const QString& suggested);

// A modal question named `name` with the buttons given, the first one the default; the role of the
// button pressed (RejectRole for Escape).
QMessageBox::ButtonRole askQuestion(
    QWidget* parent, const QString& name, const QString& title, const QString& text,
    const std::vector<std::pair<QString, QMessageBox::ButtonRole>>& buttons);

// How a question names a file: by its name alone (the user has just seen its folder in a file
// dialog) or with its folder.
enum class ShownName { file, withFolder };

// Asks whether the existing file `fileName` may be replaced (question "replaceFileQuestion");
// true for "Αντικατάσταση".
bool mayReplace(QWidget* parent, const QString& title, const QString& fileName,
                ShownName shown = ShownName::file);

// The reason a file could not be written, one sentence in the language shown, for the usual causes
// (missing folder, no permission, a folder of that name, full or read-only disk, a name too long,
// the file-size limit, a FIFO nobody reads, no Windows-1253 converter), with a general sentence for
// any other.
QString writeFailureReason(std::error_code error);

// Saves `bytes` in a file the user names: asks with `choice`, starting from the folder and name
// of `suggested`, asks before an existing file is replaced, and writes through the engine's safe
// writer. A failure is told in an information message naming the file. The file written, or
// nothing when the user cancelled or the file could not be written.
std::optional<QString> saveFile(QWidget* parent, const FileChoice& choice, const QString& suggested,
                                std::string_view bytes);

}  // namespace thalmuro
