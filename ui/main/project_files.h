// The menu "Αρχείο" of the main window: problem files in the runner's format, opened and saved
// through the engine, the project's details kept with them, the recently opened files, the file
// name and modified mark in the caption, the question before unsaved edits are lost, and files
// dropped on the window.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "thalmuro/engine.h"

class QAction;
class QEvent;
class QMenu;
class QSettings;

namespace thalmuro {

class MainWindow;

// `text` typed in the regional format `from`, shown in the format `to`: a text that `from` reads
// as a number keeps its characters, with the decimal separator of `to` in place of that of
// `from` and the grouping characters of `from` left out ("0.0307" becomes "0,0307", never
// "0,031"); any other text, and every text when both formats have the same decimal separator,
// stays as it stands.
std::string inRegionalFormat(const std::string& text, const NumberLocale& from,
                             const NumberLocale& to);

// The problem read from a file, shown in the format `to`: every text read by the regional
// format's rule (Δρ/ρ, Q, n, the table's cells, the ratio) through inRegionalFormat from the
// format the file records; the counts of risers and sections, read by the leading-number rule
// whatever the format, and every text of a file that records no format, are kept as typed.
DiffuserInput inRegionalFormat(DiffuserInput problem, const NumberLocale& to);

// The program's settings, kept between runs in the system's own place for a user's settings
// (native format): on Windows the registry key HKEY_CURRENT_USER\Software\thalmuro\thalmuro,
// elsewhere the file thalmuro/thalmuro.conf of the user's configuration folder. The program's
// name (QCoreApplication::applicationName, "thalmuro") names them under the organisation
// "thalmuro": a test program, named after itself, keeps settings of its own beside them and
// never reads or changes the program's, nor another test's, also in a registry that they share.
QSettings programSettings();

class ProjectFiles : public QObject {
    Q_OBJECT
  public:
    static constexpr int kMaxRecentFiles = 8;
    // Where the recently opened files are kept (programSettings()), most recent first.
    static constexpr char kRecentFilesKey[] = "recentFiles";

    // Adds the menu "Αρχείο" in front of the window's menus and follows every edit of its form.
    // `numberLocale` is the user's regional format, recorded in saved files.
    ProjectFiles(MainWindow& window, NumberLocale numberLocale);

    // The problem file shown, empty for a new problem.
    const QString& fileName() const { return fileName_; }

    // The project's details: those of the file opened, as edited since; none for a new problem.
    const ProjectDetails& details() const { return details_; }

    // Opens `fileName`: reads it, asks about unsaved edits, and shows it. False when the file
    // could not be read or the question was cancelled; the form is then as it was.
    bool openFile(const QString& fileName);

    // Sets the menu's texts in the language shown and the window's caption, before the file
    // name, to `caption`.
    void retranslate(const QString& caption);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createMenu();
    void followEdits();
    void markModified();

    void newProblem();
    void openChosen();
    bool save();
    bool saveAs();
    void editDetails();
    void openRecent(int index);
    void exitProgram();

    // Asks what to do with unsaved edits; true when the action may go on.
    bool maySwitchAway();
    bool saveTo(const QString& fileName);
    // Reads `fileName`, or says why it cannot and gives nothing.
    std::optional<DiffuserInput> load(const QString& fileName);
    void show(const DiffuserInput& problem, const QString& fileName);
    void setFileName(const QString& fileName);
    void updateCaption();

    QStringList recentFiles() const;
    void storeRecent(const QStringList& files);
    void rememberRecent(const QString& fileName);
    void forgetRecent(const QString& fileName);
    void updateRecentEntries();
    QString startFolder() const;

    MainWindow& window_;
    const NumberLocale numberLocale_;
    // The window's own caption, before the file name; also the title of the questions.
    QString caption_;
    QString fileName_;
    ProjectDetails details_;
    bool exiting_ = false;
    std::array<QAction*, kMaxRecentFiles> recentEntries_{};
    QAction* recentSeparator_ = nullptr;
    // The menu "Αρχείο" (Arxeio) and its entries with their Greek captions.
    QMenu* menu_ = nullptr;
    std::vector<std::pair<QAction*, const char*>> entries_;
};

}  // namespace thalmuro
