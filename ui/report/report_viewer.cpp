#include "report_viewer.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include "file_saving.h"
#include "secondary_window.h"
#include "window_controls.h"

namespace thalmuro {
namespace {

// The report is laid out in columns of characters: a fixed-width font keeps them aligned. On
// paper 8 points fit its widest lines across an A4 or Letter page within the margins.
constexpr double kPrintPoints = 8.0;

const char kCaption[] = "Προβολή Αναφοράς";

QFont reportFont() {
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

}  // namespace

ReportViewer::ReportViewer(QWidget* parent) : QWidget(parent) {
    setUpWindow(this, QStringLiteral("reportViewer"), utf8(kCaption));
    setAttribute(Qt::WA_DeleteOnClose);

    reportText_ = named(new QPlainTextEdit(this), QStringLiteral("reportText"));
    reportText_->setReadOnly(true);
    reportText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    reportText_->setFont(reportFont());

    printButton_ = named(new QPushButton(utf8("Εκτύπωση…"), this), QStringLiteral("printReport"));
    saveButton_ = named(new QPushButton(utf8("Αποθήκευση ως UTF-8…"), this),
                        QStringLiteral("saveReportUtf8"));
    connect(printButton_, &QPushButton::clicked, this, &ReportViewer::printWithDialog);
    connect(saveButton_, &QPushButton::clicked, this, &ReportViewer::saveAsUtf8);

    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(printButton_);
    commands->addWidget(saveButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(reportText_);
    layout->addLayout(commands);

    // About 100 columns and 40 lines of the report.
    const QFontMetrics metrics(reportText_->font());
    resize(metrics.horizontalAdvance(QLatin1Char('0')) * 100 + 40, metrics.lineSpacing() * 40);
}

void ReportViewer::showReport(const Report& report, const QString& fileName) {
    fileName_ = fileName;
    setWindowTitle(QStringLiteral("%1 — %2").arg(utf8(kCaption), QFileInfo(fileName).fileName()));
    // A report that reached its file has its bytes, and the converter that made them decodes
    // them; should it fail to open now, the text they were made from is the nearest.
    const std::string bytes = report.bytes.value_or(std::string());
    text_ = decodeWindows1253(bytes).value_or(report.text);
    reportText_->setPlainText(text().replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

QString ReportViewer::text() const {
    return QString::fromStdString(text_);
}

void ReportViewer::print(QPagedPaintDevice* device) const {
    QTextDocument document;
    QFont font = reportFont();
    font.setPointSizeF(kPrintPoints);
    document.setDefaultFont(font);
    document.setPlainText(text().replace(QLatin1String("\r\n"), QLatin1String("\n")));
    QTextOption wrapping = document.defaultTextOption();
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(wrapping);
    document.print(device);
}

void ReportViewer::printWithDialog() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QFileInfo(fileName_).completeBaseName());
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setWindowTitle(utf8("Εκτύπωση"));
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() == QDialog::Accepted) print(&printer);
}

void ReportViewer::saveAsUtf8() {
    const QFileInfo report(fileName_);
    const QString suggested =
        report.absoluteDir().filePath(report.completeBaseName() + QStringLiteral("-UTF-8.txt"));
    // The text as the file holds it, CR LF line ends included, only in UTF-8.
    saveFile(this,
             {QStringLiteral("saveReportDialog"), utf8("Αποθήκευση αναφοράς ως UTF-8"),
              utf8("Αρχεία κειμένου (*.txt)"), QStringLiteral("txt")},
             suggested, text_);
}

ReportViewer* showReportViewer(QPointer<ReportViewer>& viewer, const Report& report,
                               const QString& fileName) {
    ReportViewer* shown = showSecondaryWindow(viewer);
    shown->showReport(report, fileName);
    return shown;
}

}  // namespace thalmuro
