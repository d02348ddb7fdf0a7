#include "report_files.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QSettings>
#include <QStatusBar>
#include <optional>
#include <string>

#include "desktop_platform.h"
#include "file_saving.h"
#include "main_window.h"
#include "project_files.h"
#include "window_controls.h"
#include "window_prompts.h"

namespace thalmuro {
namespace {

// A line that shows as much of its text as its width holds, leaving out the middle: a long
// folder path keeps its start and the file's name. Its width follows the window's, never the
// other way round.
class ElidedLine : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        const QRect area = contentsRect();
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width()));
    }
};

// The folder of the last report written, kept from earlier runs; empty when there is none.
QString storedReportFolder() {
    return programSettings().value(QLatin1String(ReportFiles::kReportFolderKey)).toString();
}

bool isFolder(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

}  // namespace

ReportFiles::ReportFiles(MainWindow& window)
    : QObject(&window), window_(window), lastFolder_(storedReportFolder()) {
    setObjectName(QStringLiteral("reportFiles"));
    fileLine_ = named(new ElidedLine(window_.statusBar()), QStringLiteral("reportFileLine"));
    fileLine_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    window_.statusBar()->addWidget(fileLine_, 1);
    // The line names the report in the language shown, also after a switch.
    fileLine_->installEventFilter(this);
}

QString ReportFiles::reportFolder() const {
    const QString problem = window_.projectFiles().fileName();
    if (!problem.isEmpty()) return QFileInfo(problem).absolutePath();
    if (isFolder(lastFolder_)) return lastFolder_;
    const QString documents = documentsFolder();
    return isFolder(documents) ? documents : homeFolder();
}

QString ReportFiles::resolve(const QString& typed) const {
    if (typed.isEmpty()) return {};
    // QDir::filePath keeps an absolute name as it is. A name that ends in a separator names a
    // folder, and keeps its separator so that the writer says so rather than make a file of it.
    const QString file = QDir::cleanPath(QDir(reportFolder()).filePath(typed));
    const bool folder = typed.endsWith(QLatin1Char('/')) || typed.endsWith(QDir::separator());
    return folder && !file.endsWith(QLatin1Char('/')) ? file + QLatin1Char('/') : file;
}

std::optional<QString> ReportFiles::browse(const QString& typed) const {
    const QFileInfo start(
        typed.isEmpty() ? QDir(reportFolder()).filePath(translated(kFileNamePrompt.initial_text))
                        : resolve(typed));
    const QString folder = isFolder(start.absolutePath()) ? start.absolutePath() : reportFolder();
    const std::optional<QString> chosen =
        askFileName(&window_,
                    {QStringLiteral("reportFileDialog"), tr("Αρχείο αποτελεσμάτων"),
                     tr("Αρχεία κειμένου (*.txt);;Όλα τα αρχεία (*)"), QStringLiteral("txt")},
                    folder, start.fileName());
    if (!chosen) return std::nullopt;
    return QDir::toNativeSeparators(*chosen);
}

bool ReportFiles::mayWrite(const QString& file) {
    const QFileInfo info(file);
    // A folder, a device or a pipe is not replaced by writing: the writer says what it can.
    if (!info.isFile()) return true;
    if (!lastWritten_.isEmpty() &&
        info.canonicalFilePath() == QFileInfo(lastWritten_).canonicalFilePath() &&
        info.lastModified() == lastWrittenChange_) {
        return true;
    }
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    // The folder is named too: a name typed without one does not show where it goes.
    const bool replace =
        mayReplace(&window_, translated(kFileNamePrompt.title), file, ShownName::withFolder);
    QGuiApplication::restoreOverrideCursor();
    return replace;
}

ReportFiles::Outcome ReportFiles::save(const Report& report) {
    const LineFiller browseButton{tr("Αναζήτηση…"), QStringLiteral("reportBrowseButton"),
                                  [this](const QString& typed) { return browse(typed); }};
    Outcome outcome;
    QString offered = translated(kFileNamePrompt.initial_text);
    for (;;) {
        // Cancel or an empty name asks for no report.
        const std::optional<std::string> typed =
            askLine(&window_, kFileNamePrompt, offered, browseButton);
        if (!typed || typed->empty()) break;
        offered = QString::fromStdString(*typed);
        const QString file = resolve(offered);
        if (!mayWrite(file)) continue;
        outcome.file = file;
        outcome.error = writeReport(engineFileName(file), report);
        break;
    }
    remember(outcome.written() ? outcome.file : QString());
    return outcome;
}

void ReportFiles::showFileLine() {
    fileLine_->setText(lastWritten_.isEmpty()
                           ? QString()
                           : tr("Αναφορά: %1").arg(QDir::toNativeSeparators(lastWritten_)));
    fileLine_->setToolTip(QDir::toNativeSeparators(lastWritten_));
}

bool ReportFiles::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fileLine_ && event->type() == QEvent::LanguageChange) showFileLine();
    return false;
}

bool ReportFiles::namesReport() const {
    return !lastWritten_.isEmpty();
}

void ReportFiles::remember(const QString& file) {
    lastWritten_ = file;
    lastWrittenChange_ = file.isEmpty() ? QDateTime() : QFileInfo(file).lastModified();
    showFileLine();
    if (file.isEmpty()) return;
    lastFolder_ = QFileInfo(file).absolutePath();
    programSettings().setValue(QLatin1String(kReportFolderKey), lastFolder_);
}

}  // namespace thalmuro
