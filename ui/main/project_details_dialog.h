// The dialog «Ιδιότητες Έργου» of the menu «Αρχείο»: the project's title, engineer and client
// and free notes, kept with the design in its problem file.
#pragma once

#include <QDialog>

#include "thalmuro/engine.h"

class QDialogButtonBox;
class QEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace thalmuro {

class ProjectDetailsDialog : public QDialog {
    Q_OBJECT
  public:
    // The notes hold at most as many characters (UTF-16 units) as a box of the form, so that a
    // long text pasted in cannot make a problem file too large to open again.
    static constexpr int kMaxNotesLength = 32767;

    // A modal dialog "projectDetailsDialog" that shows `details` for editing.
    ProjectDetailsDialog(const ProjectDetails& details, QWidget* parent);

    // The details as they stand in the boxes.
    ProjectDetails details() const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void retranslate();
    void keepNotesWithinLimit();

    QLabel* titleLabel_ = nullptr;         // detailsTitleLabel
    QLineEdit* titleBox_ = nullptr;        // detailsTitleBox
    QLabel* engineerLabel_ = nullptr;      // detailsEngineerLabel
    QLineEdit* engineerBox_ = nullptr;     // detailsEngineerBox
    QLabel* clientLabel_ = nullptr;        // detailsClientLabel
    QLineEdit* clientBox_ = nullptr;       // detailsClientBox
    QLabel* notesLabel_ = nullptr;         // detailsNotesLabel
    QPlainTextEdit* notesBox_ = nullptr;   // detailsNotesBox
    QDialogButtonBox* buttons_ = nullptr;  // detailsButtons
};

}  // namespace thalmuro
