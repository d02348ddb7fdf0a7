#include "project_files.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QRadioButton>
#include <QSettings>
#include <QUrl>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "desktop_platform.h"
#include "file_saving.h"
#include "language.h"
#include "main_window.h"
#include "messages.h"
#include "thalmuro/wording.h"
#include "window_controls.h"

namespace thalmuro {
namespace {

// The local file that a drag carries, when it is one problem file.
QString droppedProblemFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile()) return {};
    const QString path = url.toLocalFile();
    return path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive) ? path : QString();
}

QString shownName(const QString& fileName) {
    return QFileInfo(fileName).fileName();
}

// The file's name and the reason in the language shown. In Greek the reader's own message
// follows in English on a last line, the words in which its faults are known beyond the
// program.
QString openFailureText(const QString& fileName, const Message& failure) {
    const QString opened =
        QCoreApplication::translate("thalmuro::ProjectFiles", "Το αρχείο «%1» δεν ανοίχτηκε.")
            .arg(shownName(fileName));
    const QString reason = QString::fromStdString(wordMessage(failure, interfaceLanguage()));
    if (interfaceLanguage() == Language::english) {
        return QStringLiteral("%1\n%2.").arg(opened, reason);
    }
    return QStringLiteral("%1\n%2.\n\n%3")
        .arg(opened, reason, QString::fromStdString(wordMessage(failure, Language::english)));
}

// The reason that the file system gives before the reader is asked, when there is one.
std::optional<QString> fileSystemReason(const QString& fileName) {
    const QFileInfo info(fileName);
    if (!info.exists())
        return QCoreApplication::translate("thalmuro::ProjectFiles", "Το αρχείο δεν υπάρχει.");
    if (info.isDir()) {
        return QCoreApplication::translate("thalmuro::ProjectFiles",
                                           "Το όνομα αυτό ανήκει σε φάκελο και όχι σε αρχείο.");
    }
    if (!info.isReadable()) {
        return QCoreApplication::translate("thalmuro::ProjectFiles",
                                           "Δεν υπάρχει δικαίωμα ανάγνωσης του αρχείου.");
    }
    return std::nullopt;
}

// The program's file dialog for problem files. Nothing when cancelled.
std::optional<QString> askProblemFile(QWidget* parent, bool saving, const QString& folder,
                                      const QString& suggested) {
    const FileChoice choice{
        saving ? QStringLiteral("saveProblemDialog") : QStringLiteral("openProblemDialog"),
        saving ? QCoreApplication::translate("thalmuro::ProjectFiles", "Αποθήκευση ως")
               : QCoreApplication::translate("thalmuro::ProjectFiles", "Άνοιγμα"),
        QCoreApplication::translate("thalmuro::ProjectFiles", "Αρχεία προβλήματος (*.json)"),
        QStringLiteral("json"), saving};
    return askFileName(parent, choice, folder, suggested);
}

}  // namespace

QSettings programSettings() {
    return QSettings(QStringLiteral("thalmuro"), QCoreApplication::applicationName());
}

std::string inRegionalFormat(const std::string& text, const NumberLocale& from,
                             const NumberLocale& to) {
    if (from.decimal_separator == to.decimal_separator || !readLocaleNumber(text, from)) {
        return text;
    }
    std::string out;
    std::size_t i = 0;
    const auto at = [&](const std::string& part) {
        return !part.empty() && text.compare(i, part.size(), part) == 0;
    };
    while (i < text.size()) {
        if (at(from.decimal_separator)) {
            out += to.decimal_separator;
            i += from.decimal_separator.size();
        } else if (at(from.grouping)) {
            i += from.grouping.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

DiffuserInput inRegionalFormat(DiffuserInput problem, const NumberLocale& to) {
    const std::optional<NumberLocale> from =
        problem.decimal_separator ? numberLocaleFor(*problem.decimal_separator) : std::nullopt;
    if (!from) return problem;
    // The counts of risers and sections are read by the leading-number rule, which takes "." as
    // the decimal point in every regional format: they stay as typed.
    for (std::string* text : {&problem.drho, &problem.total_discharge, &problem.manning}) {
        *text = inRegionalFormat(*text, *from, to);
    }
    for (SectionRow& row : problem.rows) {
        for (const auto cell : kRowCells)
            row.*cell = inRegionalFormat(row.*cell, *from, to);
    }
    if (problem.ratio) problem.ratio = inRegionalFormat(*problem.ratio, *from, to);
    return problem;
}

ProjectFiles::ProjectFiles(MainWindow& window, NumberLocale numberLocale)
    : QObject(&window),
      window_(window),
      numberLocale_(std::move(numberLocale)),
      caption_(window.windowTitle()) {
    setObjectName(QStringLiteral("projectFiles"));
    createMenu();
    retranslate(caption_);
    followEdits();
    window_.setAcceptDrops(true);
    window_.installEventFilter(this);
    updateCaption();
}

void ProjectFiles::createMenu() {
    QMenuBar* bar = window_.menuBar();
    menu_ = named(new QMenu(bar), QStringLiteral("Arxeio"));
    QMenu* menu = menu_;
    bar->insertMenu(bar->actions().value(0), menu);

    const auto entry = [&](const char* caption, const char* name, const QKeySequence& keys,
                           auto act) {
        QAction* action = menu->addAction(QString());
        entries_.emplace_back(action, caption);
        action->setObjectName(utf8(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this, act] { (this->*act)(); });
    };
    entry(QT_TR_NOOP("Νέο"), "arxeio_neo", QKeySequence(Qt::CTRL | Qt::Key_N),
          &ProjectFiles::newProblem);
    entry(QT_TR_NOOP("Άνοιγμα…"), "arxeio_anoigma", QKeySequence(Qt::CTRL | Qt::Key_O),
          &ProjectFiles::openChosen);
    entry(QT_TR_NOOP("Αποθήκευση"), "arxeio_apothikefsi", QKeySequence(Qt::CTRL | Qt::Key_S),
          &ProjectFiles::save);
    entry(QT_TR_NOOP("Αποθήκευση ως…"), "arxeio_apothikefsi_os",
          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &ProjectFiles::saveAs);

    recentSeparator_ = menu->addSeparator();
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        QAction* recent = menu->addAction(QString());
        recent->setObjectName(QStringLiteral("arxeio_prosfato_%1").arg(i + 1));
        connect(recent, &QAction::triggered, this, [this, i] { openRecent(i); });
        recentEntries_[static_cast<std::size_t>(i)] = recent;
    }
    menu->addSeparator();
    entry(QT_TR_NOOP("Έξοδος"), "arxeio_exodos", QKeySequence(Qt::CTRL | Qt::Key_Q),
          &ProjectFiles::exitProgram);
    updateRecentEntries();
}

void ProjectFiles::retranslate(const QString& caption) {
    menu_->setTitle(tr("Αρχείο"));
    for (const auto& [action, text] : entries_)
        action->setText(tr(text));
    caption_ = caption;
    updateCaption();
}

void ProjectFiles::followEdits() {
    for (QLineEdit* box : window_.findChildren<QLineEdit*>()) {
        connect(box, &QLineEdit::textChanged, this, &ProjectFiles::markModified);
        // A file dragged over a box opens, rather than dropping its name into the box.
        box->installEventFilter(this);
    }
    for (QRadioButton* fitting : window_.findChildren<QRadioButton*>())
        connect(fitting, &QRadioButton::toggled, this, &ProjectFiles::markModified);
    for (QCheckBox* aid : window_.findChildren<QCheckBox*>())
        connect(aid, &QCheckBox::clicked, this, &ProjectFiles::markModified);
    for (const char* name : {"paroxi_me_stantar", "paroxi_beltisti", "paroxi_kathorismeni"}) {
        connect(window_.findChild<QAction*>(utf8(name)), &QAction::triggered, this,
                &ProjectFiles::markModified);
    }
    connect(&window_, &MainWindow::ratioAnswered, this, &ProjectFiles::markModified);
}

void ProjectFiles::markModified() {
    window_.setWindowModified(true);
}

bool ProjectFiles::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Close:
            if (watched == &window_ && !exiting_ && !maySwitchAway()) {
                event->ignore();
                return true;
            }
            return false;
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (droppedProblemFile(drag->mimeData()).isEmpty()) return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString file = droppedProblemFile(drop->mimeData());
            if (file.isEmpty()) return false;
            drop->acceptProposedAction();
            // The question and the messages wait until the drag is over.
            QMetaObject::invokeMethod(
                this, [this, file] { openFile(file); }, Qt::QueuedConnection);
            return true;
        }
        default:
            return false;
    }
}

bool ProjectFiles::maySwitchAway() {
    if (!window_.isWindowModified()) return true;
    // Whole sentences, so that each language words the place of the changes its own way.
    const QString question =
        fileName_.isEmpty()
            ? tr("Οι αλλαγές στο νέο πρόβλημα δεν έχουν αποθηκευτεί.\nΝα αποθηκευτούν;")
            : tr("Οι αλλαγές στο αρχείο «%1» δεν έχουν αποθηκευτεί.\nΝα αποθηκευτούν;")
                  .arg(shownName(fileName_));
    const QMessageBox::ButtonRole answer =
        askQuestion(&window_, QStringLiteral("unsavedChangesQuestion"), caption_, question,
                    {{tr("Αποθήκευση"), QMessageBox::AcceptRole},
                     {tr("Απόρριψη"), QMessageBox::DestructiveRole},
                     {tr("Άκυρο"), QMessageBox::RejectRole}});
    if (answer == QMessageBox::AcceptRole) return save();
    return answer == QMessageBox::DestructiveRole;
}

void ProjectFiles::newProblem() {
    if (!maySwitchAway()) return;
    window_.showProblem(DiffuserInput{});
    setFileName(QString());
}

void ProjectFiles::openChosen() {
    if (!maySwitchAway()) return;
    const std::optional<QString> chosen = askProblemFile(&window_, false, startFolder(), QString());
    if (!chosen) return;
    if (const std::optional<DiffuserInput> problem = load(*chosen)) show(*problem, *chosen);
}

bool ProjectFiles::openFile(const QString& fileName) {
    // A file that cannot be read is told at once, without asking about the edits first.
    const std::optional<DiffuserInput> problem = load(fileName);
    if (!problem || !maySwitchAway()) return false;
    show(*problem, fileName);
    return true;
}

void ProjectFiles::openRecent(int index) {
    const QString fileName = recentFiles().value(index);
    if (fileName.isEmpty()) return;
    if (!QFileInfo::exists(fileName)) {
        forgetRecent(fileName);
        showInformation(&window_,
                        tr("Το αρχείο «%1» δεν υπάρχει πια και βγήκε από "
                           "τα πρόσφατα αρχεία.\n%2")
                            .arg(shownName(fileName), QDir::toNativeSeparators(fileName)));
        return;
    }
    openFile(fileName);
}

std::optional<DiffuserInput> ProjectFiles::load(const QString& fileName) {
    if (const std::optional<QString> reason = fileSystemReason(fileName)) {
        showInformation(&window_,
                        tr("Το αρχείο «%1» δεν ανοίχτηκε.\n%2").arg(shownName(fileName), *reason));
        return std::nullopt;
    }
    std::variant<DiffuserInput, Message> read = readProblemFile(engineFileName(fileName));
    if (const auto* error = std::get_if<Message>(&read)) {
        showInformation(&window_, openFailureText(fileName, *error));
        return std::nullopt;
    }
    return std::get<DiffuserInput>(std::move(read));
}

void ProjectFiles::show(const DiffuserInput& problem, const QString& fileName) {
    // A file that does not record its format is read in the user's, unless its numbers read
    // sensibly only in the other one: then it was typed there, and is shown converted.
    DiffuserInput typed = problem;
    const std::optional<NumberLocale> meant = meantNumberLocale(problem, numberLocale_);
    if (meant) typed.decimal_separator = meant->decimal_separator;
    window_.showProblem(inRegionalFormat(typed, numberLocale_));
    setFileName(QFileInfo(fileName).absoluteFilePath());
    rememberRecent(fileName_);
    if (meant) {
        showInformation(
            &window_,
            tr("Οι αριθμοί του αρχείου «%1» είναι γραμμένοι με το «%2» ως "
               "υποδιαστολή, ενώ ο υπολογιστής χρησιμοποιεί το «%3»· με τις ρυθμίσεις "
               "του υπολογιστή θα διαβάζονταν λάθος.\nΤο αρχείο δεν σημειώνει σε ποια "
               "μορφή γράφτηκε· οι αριθμοί μετατράπηκαν ώστε να έχουν το «%3» ως "
               "υποδιαστολή.")
                .arg(shownName(fileName), QString::fromStdString(meant->decimal_separator),
                     QString::fromStdString(numberLocale_.decimal_separator)));
    }
}

bool ProjectFiles::save() {
    return fileName_.isEmpty() ? saveAs() : saveTo(fileName_);
}

bool ProjectFiles::saveAs() {
    const QString suggested = fileName_.isEmpty() ? tr("Πρόβλημα.json") : shownName(fileName_);
    const std::optional<QString> chosen = askProblemFile(&window_, true, startFolder(), suggested);
    if (!chosen) return false;
    if (*chosen != fileName_ && QFileInfo::exists(*chosen) &&
        !mayReplace(&window_, caption_, *chosen)) {
        return false;
    }
    return saveTo(*chosen);
}

bool ProjectFiles::saveTo(const QString& fileName) {
    DiffuserInput problem = window_.problem();
    // A separator the reader does not know is not recorded: the file is then read in the
    // regional format of whoever opens it.
    if (numberLocaleFor(numberLocale_.decimal_separator)) {
        problem.decimal_separator = numberLocale_.decimal_separator;
    }
    if (const std::error_code error = writeProblemFile(engineFileName(fileName), problem)) {
        showInformation(&window_, tr("Το πρόβλημα δεν αποθηκεύτηκε στο αρχείο «%1».\n%2")
                                      .arg(shownName(fileName), writeFailureReason(error)));
        return false;
    }
    setFileName(QFileInfo(fileName).absoluteFilePath());
    rememberRecent(fileName_);
    return true;
}

void ProjectFiles::exitProgram() {
    if (!maySwitchAway()) return;
    exiting_ = true;
    QApplication::closeAllWindows();
    exiting_ = false;
}

void ProjectFiles::setFileName(const QString& fileName) {
    fileName_ = fileName;
    updateCaption();
    window_.setWindowModified(false);
}

void ProjectFiles::updateCaption() {
    QString caption = caption_;
    if (!fileName_.isEmpty()) caption += QStringLiteral(" — ") + shownName(fileName_);
    window_.setWindowTitle(caption + QStringLiteral("[*]"));
}

QStringList ProjectFiles::recentFiles() const {
    return programSettings().value(QLatin1String(kRecentFilesKey)).toStringList();
}

void ProjectFiles::storeRecent(const QStringList& files) {
    programSettings().setValue(QLatin1String(kRecentFilesKey), files);
    updateRecentEntries();
}

void ProjectFiles::rememberRecent(const QString& fileName) {
    QStringList files = recentFiles();
    files.removeAll(fileName);
    files.prepend(fileName);
    while (files.size() > kMaxRecentFiles)
        files.removeLast();
    storeRecent(files);
}

void ProjectFiles::forgetRecent(const QString& fileName) {
    QStringList files = recentFiles();
    files.removeAll(fileName);
    storeRecent(files);
}

void ProjectFiles::updateRecentEntries() {
    const QStringList files = recentFiles();
    for (int i = 0; i < kMaxRecentFiles; ++i) {
        QAction* entry = recentEntries_[static_cast<std::size_t>(i)];
        const bool used = i < files.size();
        entry->setVisible(used);
        if (!used) continue;
        // "&1 design.json": the digit chooses the entry from the keyboard; a "&" of the name
        // is doubled so that it shows as itself.
        entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(
            shownName(files[i]).replace(QLatin1Char('&'), QStringLiteral("&&"))));
        entry->setStatusTip(QDir::toNativeSeparators(files[i]));
        entry->setToolTip(QDir::toNativeSeparators(files[i]));
    }
    recentSeparator_->setVisible(!files.isEmpty());
}

QString ProjectFiles::startFolder() const {
    const QString last = fileName_.isEmpty() ? recentFiles().value(0) : fileName_;
    if (!last.isEmpty()) return QFileInfo(last).absolutePath();
    return homeFolder();
}

}  // namespace thalmuro
