#include "report_viewer.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QPagedPaintDevice>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

#include "desktop_platform.h"
#include "file_saving.h"
#include "language.h"
#include "secondary_window.h"
#include "window_controls.h"

namespace thalmuro {
namespace {

// The report is laid out in columns of characters: a fixed-width font keeps them aligned. On
// paper the font is as large as lets the widest line fit across the page, at most 8 points and
// at least 6; a line too long for 6 points (a long list of Froude numbers) wraps.
constexpr double kLargestPrintPoints = 8.0;
constexpr double kSmallestPrintPoints = 6.0;

// QTextDocument prints with margins of 2 cm, in points.
constexpr double kPrintMarginPoints = 2.0 / 2.54 * 72.0;

// The first of the system's fixed-width families that it has, that is fixed-pitch and that covers
// Greek: a family the system lacks is replaced by another, which may be proportional and would
// lose the columns, and Greek letters taken from another font would be of another width. The
// system's own fixed-width font when none is.
QFont reportFont() {
    const QFont systemFixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (const QString& family : fixedWidthFontFamilies()) {
        QFont font = systemFixed;
        font.setFamilies({family});
        const QFontInfo shown(font);
        if (shown.fixedPitch() &&
            QFontDatabase::writingSystems(shown.family()).contains(QFontDatabase::Greek)) {
            return font;
        }
    }
    return systemFixed;
}

}  // namespace

ReportViewer::ReportViewer(QWidget* parent) : QWidget(parent) {
    setUpWindow(this, QStringLiteral("reportViewer"), QString());
    setAttribute(Qt::WA_DeleteOnClose);

    reportText_ = named(new QPlainTextEdit(this), QStringLiteral("reportText"));
    reportText_->setReadOnly(true);
    reportText_->setLineWrapMode(QPlainTextEdit::NoWrap);
    reportText_->setFont(reportFont());

    printButton_ = named(new QPushButton(this), QStringLiteral("printReport"));
    saveButton_ = named(new QPushButton(this), QStringLiteral("saveReportUtf8"));
    connect(printButton_, &QPushButton::clicked, this, &ReportViewer::printWithDialog);
    connect(saveButton_, &QPushButton::clicked, this, &ReportViewer::saveAsUtf8);

    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(printButton_);
    commands->addWidget(saveButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(reportText_);
    layout->addLayout(commands);

    // The report's riser lines (about 105 columns) and 40 lines of it.
    const QFontMetrics metrics(reportText_->font());
    resize(metrics.horizontalAdvance(QLatin1Char('0')) * 110 + 60, metrics.lineSpacing() * 40);
    retranslate();
}

void ReportViewer::showReport(const Report& report, const QString& fileName) {
    fileName_ = fileName;
    // A report that reached its file has its bytes, and the converter that made them decodes
    // them; should it fail to open now, the text they were made from is the nearest.
    const std::string bytes = report.bytes.value_or(std::string());
    greekText_ = decodeWindows1253(bytes).value_or(report.text);
    englishText_ = report.english_text;
    retranslate();
    reportText_->verticalScrollBar()->setValue(0);
    reportText_->horizontalScrollBar()->setValue(0);
}

QString ReportViewer::text() const {
    return QString::fromStdString(shownText());
}

const std::string& ReportViewer::shownText() const {
    return interfaceLanguage() == Language::english ? englishText_ : greekText_;
}

void ReportViewer::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void ReportViewer::retranslate() {
    const QString caption = tr("Προβολή Αναφοράς");
    setWindowTitle(fileName_.isEmpty()
                       ? caption
                       : QStringLiteral("%1 — %2").arg(caption, QFileInfo(fileName_).fileName()));
    printButton_->setText(tr("Εκτύπωση…"));
    saveButton_->setText(tr("Αποθήκευση ως UTF-8…"));
    // Both texts have the same lines in the same places: the reader stays where they were.
    const int line = reportText_->verticalScrollBar()->value();
    const int column = reportText_->horizontalScrollBar()->value();
    reportText_->setPlainText(text().replace(QLatin1String("\r\n"), QLatin1String("\n")));
    reportText_->verticalScrollBar()->setValue(line);
    reportText_->horizontalScrollBar()->setValue(column);
}

void ReportViewer::print(QPagedPaintDevice* device) const {
    const QString shown = text().replace(QLatin1String("\r\n"), QLatin1String("\n"));
    qsizetype widest = 1;
    for (const QStringView line : QStringView(shown).split(QLatin1Char('\n')))
        widest = std::max(widest, line.size());

    QFont font = reportFont();
    font.setPointSizeF(kLargestPrintPoints);
    const double characterPoints = QFontMetricsF(font, device).horizontalAdvance(QLatin1Char('0')) *
                                   72.0 / device->logicalDpiX();
    // A little room to spare keeps the rounding of the layout from wrapping the widest line.
    const double linePoints = 0.97 * (device->pageLayout().paintRect(QPageLayout::Point).width() -
                                      2.0 * kPrintMarginPoints);
    font.setPointSizeF(std::clamp(kLargestPrintPoints * linePoints / (widest * characterPoints),
                                  kSmallestPrintPoints, kLargestPrintPoints));

    QTextDocument document;
    document.setDefaultFont(font);
    document.setPlainText(shown);
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
    dialog.setWindowTitle(tr("Εκτύπωση"));
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() == QDialog::Accepted) print(&printer);
}

void ReportViewer::saveAsUtf8() {
    const QFileInfo report(fileName_);
    // The English text is not the report file's: its suggested name says so.
    const QString ending = interfaceLanguage() == Language::english
                               ? QStringLiteral("-en-UTF-8.txt")
                               : QStringLiteral("-UTF-8.txt");
    const QString suggested = report.absoluteDir().filePath(report.completeBaseName() + ending);
    // The text as shown, CR LF line ends included as in the file, in UTF-8.
    saveFile(this,
             {QStringLiteral("saveReportDialog"), tr("Αποθήκευση αναφοράς ως UTF-8"),
              tr("Αρχεία κειμένου (*.txt)"), QStringLiteral("txt")},
             suggested, shownText());
}

ReportViewer* showReportViewer(QPointer<ReportViewer>& viewer, const Report& report,
                               const QString& fileName) {
    ReportViewer* shown = showSecondaryWindow(viewer);
    shown->showReport(report, fileName);
    return shown;
}

}  // namespace thalmuro
