// The report viewer "Προβολή Αναφοράς": the last results report written by a Solve, shown as
// the report file holds it, with printing and saving as UTF-8. The report file is written in
// Windows-1253, which the desktop's text tools show garbled; here its bytes are decoded, so the
// user reads, prints or keeps exactly what went to the file, and the file itself is not touched.
// In English the viewer shows, prints and saves the report's English text instead (the same
// lines and figures), and changes between the two as the language changes.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <string>

#include "thalmuro/engine.h"

class QPagedPaintDevice;
class QPlainTextEdit;
class QPushButton;

namespace thalmuro {

class ReportViewer : public QWidget {
    Q_OBJECT
  public:
    explicit ReportViewer(QWidget* parent = nullptr);

    // Shows `report`, which was written to the file `fileName`: in Greek the bytes of the file
    // decoded from Windows-1253 (a character the code page lacks reads "?", as in the file), in
    // English the report's English text.
    void showReport(const Report& report, const QString& fileName);

    // The report as shown, with the CR LF line ends of the file.
    QString text() const;

    // Prints the report on `device` (a printer or a PDF writer, as set up) in the viewer's
    // fixed-width font, as many pages as it takes; long lines wrap.
    void print(QPagedPaintDevice* device) const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // Sets every text of the window in the interface language, the report's included.
    void retranslate();
    // The report's text in the interface language.
    const std::string& shownText() const;
    void printWithDialog();
    void saveAsUtf8();

    QString fileName_;
    // The decoded report in UTF-8, CR LF line ends as in the file, and its English text: what
    // is shown and saved in each language.
    std::string greekText_;
    std::string englishText_;
    // The report (reportText) and the commands under it (printReport, saveReportUtf8).
    QPlainTextEdit* reportText_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};

// Shows the viewer held in `viewer` with `report`: creates it when there is none or brings the
// open one to the front. The viewer has no owner and destroys itself when closed, which clears
// `viewer`.
ReportViewer* showReportViewer(QPointer<ReportViewer>& viewer, const Report& report,
                               const QString& fileName);

}  // namespace thalmuro
