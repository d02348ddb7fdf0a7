// Where the main window writes the report of a Solve: the name asked for in the file-name
// prompt (typed, or chosen through "Αναζήτηση…"), the folder a name without one goes to, the
// question before another file is replaced, and the line of the status bar that names the file
// written.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <optional>
#include <system_error>

#include "thalmuro/engine.h"

class QEvent;
class QLabel;

namespace thalmuro {

class MainWindow;

class ReportFiles : public QObject {
    Q_OBJECT
  public:
    // Where the folder of the last report written is kept (programSettings()), so that the next
    // run starts there.
    static constexpr char kReportFolderKey[] = "reportFolder";

    // What became of the report of one Solve.
    struct Outcome {
        QString file;           // the absolute name; empty when no report was asked for
        std::error_code error;  // why the file could not be written
        bool written() const { return !file.isEmpty() && !error; }
    };

    // Adds the status-bar line "reportFileLine" to the window's status bar.
    explicit ReportFiles(MainWindow& window);

    // Asks for the report's name and writes `report` there through the engine's writer. A name
    // without a folder, or with a relative one, is taken from reportFolder(). An existing file
    // other than the one the window's last Solve wrote is replaced only when the user agrees;
    // "Άκυρο" asks for the name again. The status-bar line names the file written, and is
    // empty when nothing was written.
    Outcome save(const Report& report);

    // The folder a report named without one goes to: that of the open problem file; without
    // one, the folder of the last report written (in this or an earlier run); else the user's
    // documents folder, or the home folder where there is none.
    QString reportFolder() const;

    // True when the status-bar line names the report of the last Solve.
    bool namesReport() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // `typed` as an absolute, clean file name; empty for an empty text.
    QString resolve(const QString& typed) const;
    // The file chosen in the program's file dialog, starting from what the box holds.
    std::optional<QString> browse(const QString& typed) const;
    // True when `file` may be written: it is not an existing file, or it is the file the last
    // Solve wrote and nobody has changed since, or the user agrees to replace it.
    bool mayWrite(const QString& file);
    void remember(const QString& file);
    // The status-bar line naming the last report written, in the language shown.
    void showFileLine();

    MainWindow& window_;
    // The status-bar line naming the report written.
    QLabel* fileLine_ = nullptr;
    QString lastFolder_;
    // The file the last Solve wrote and its time of change just after; empty when that Solve
    // wrote none.
    QString lastWritten_;
    QDateTime lastWrittenChange_;
};

}  // namespace thalmuro
