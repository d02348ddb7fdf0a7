// The report viewer: the report decoded from its file's bytes, printing, saving as UTF-8; the
// report's English text in the English interface.
#include <QFile>
#include <QFileDialog>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <optional>

#include "language.h"
#include "report_viewer.h"
#include "shown_texts.h"
#include "thalmuro/engine.h"
#include "ui_test_support.h"

using thalmuro::Language;
using thalmuro::Report;
using thalmuro::ReportViewer;
using thalmuro::testing::control;
using thalmuro::testing::ModalAnswerer;
using thalmuro::testing::readFile;

Q_DECLARE_METATYPE(thalmuro::Report)
Q_DECLARE_METATYPE(thalmuro::Language)

namespace {

// A report as Solve gives it for `problem`.
Report solvedReport(const thalmuro::DiffuserInput& problem) {
    thalmuro::SharedState state;
    return thalmuro::Solve(problem, state, thalmuro::NumberLocale::greek()).report;
}

// A report whose text holds characters that Windows-1253 lacks.
Report reportWithMissingCharacters() {
    Report report;
    report.text = "Δρ/ρ ≤ 0,03\r\nΠαροχή → 0,35 m³/s";
    report.bytes = thalmuro::encodeWindows1253(report.text);
    return report;
}

// The pages of a PDF file written by Qt: one page object each.
int pdfPages(const QByteArray& pdf) {
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

}  // namespace

class ReportViewerTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { thalmuro::setInterfaceLanguage(Language::greek); }

    // The text is the file's bytes decoded: the Greek letters as they were written, "?" where
    // the code page has no character, in a fixed-width font that cannot be edited.
    void showsTheDecodedReport_data() {
        QTest::addColumn<Report>("report");
        QTest::addColumn<QString>("shown");
        const Report worked =
            solvedReport(thalmuro::workedExample(thalmuro::NumberLocale::greek()));
        QTest::newRow("worked example") << worked << QString::fromStdString(worked.text);
        QTest::newRow("characters the code page lacks")
            << reportWithMissingCharacters() << QString("Δρ/ρ ? 0,03\r\nΠαροχή ? 0,35 m³/s");
    }
    void showsTheDecodedReport() {
        QFETCH(Report, report);
        QFETCH(QString, shown);
        ReportViewer viewer;
        viewer.showReport(report, "/tmp/Δοκιμή1.txt");
        viewer.show();
        QCOMPARE(viewer.text(), shown);
        auto* text = control<QPlainTextEdit>(&viewer, "reportText");
        QCOMPARE(text->toPlainText(), QString(shown).replace("\r\n", "\n"));
        QVERIFY(text->toPlainText().contains("Δρ/ρ"));
        QVERIFY(text->isReadOnly());
        QVERIFY(QFontInfo(text->font()).fixedPitch());
        QCOMPARE(viewer.windowTitle(), QString("Προβολή Αναφοράς — Δοκιμή1.txt"));
        QCOMPARE(control<QPushButton>(&viewer, "printReport")->text(), QString("Εκτύπωση…"));
        QCOMPARE(control<QPushButton>(&viewer, "saveReportUtf8")->text(),
                 QString("Αποθήκευση ως UTF-8…"));
    }

    // The report's columns line up on the screen: the font is fixed-pitch and has the Greek
    // letters of the headings at the width of the digits, so that a heading starts where its
    // column of numbers starts. A proportional font, or Greek letters taken from another font,
    // moves the columns of one line against the other's.
    void columnsLineUp_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("numbers");
        QTest::newRow("first heading line") << Language::greek << "Αριθμός"
                                            << " 1 ";
        QTest::newRow("second heading line") << Language::greek << "Ανυψωτήρα"
                                             << " 1 ";
        QTest::newRow("English first heading line") << Language::english << "Riser "
                                                    << " 1 ";
        QTest::newRow("English second heading line") << Language::english << "number "
                                                     << " 1 ";
    }
    void columnsLineUp() {
        QFETCH(Language, language);
        QFETCH(QString, heading);
        QFETCH(QString, numbers);
        thalmuro::setInterfaceLanguage(language);
        ReportViewer viewer;
        viewer.showReport(solvedReport(thalmuro::workedExample(thalmuro::NumberLocale::greek())),
                          "Δοκιμή1.txt");
        viewer.show();
        const QStringList lines = viewer.text().split("\r\n");
        const auto lineStarting = [&](const QString& start) {
            const auto found = std::find_if(lines.begin(), lines.end(), [&](const QString& line) {
                return line.startsWith(start);
            });
            return found == lines.end() ? QString() : *found;
        };
        const QString headingLine = lineStarting(heading);
        const QString numbersLine = lineStarting(numbers);
        QVERIFY(!headingLine.isEmpty() && !numbersLine.isEmpty());

        const QFont font = control<QPlainTextEdit>(&viewer, "reportText")->font();
        QVERIFY2(QFontInfo(font).fixedPitch(), qPrintable(QFontInfo(font).family()));
        const QFontMetricsF metrics(font);
        const double character = metrics.horizontalAdvance(QLatin1Char('0'));
        QVERIFY(character > 0);
        // Where each column of the heading starts, in characters and on the screen.
        for (int i = 1; i < std::min(headingLine.size(), numbersLine.size()); ++i) {
            if (headingLine[i - 1] != ' ' || headingLine[i] == ' ') continue;
            const double headingStart = metrics.horizontalAdvance(headingLine.left(i));
            const double numbersStart = metrics.horizontalAdvance(numbersLine.left(i));
            QVERIFY2(qAbs(headingStart - i * character) < 0.5 &&
                         qAbs(numbersStart - i * character) < 0.5,
                     qPrintable(QString("column %1: %2 and %3 pixels, %4 expected")
                                    .arg(i)
                                    .arg(headingStart)
                                    .arg(numbersStart)
                                    .arg(i * character)));
        }
    }

    // Each language shows no text of the other, the report's text included: in English the
    // report's English text (no Greek letter but the symbol Δρ/ρ; the report file's name stays as
    // it is), in Greek the report file's text.
    void eachLanguageAlone_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("print");
        QTest::addColumn<QString>("save");
        QTest::newRow("English") << Language::english << "Report Viewer — Δοκιμή1.txt"
                                 << "Print…"
                                 << "Save as UTF-8…";
        QTest::newRow("Greek") << Language::greek << "Προβολή Αναφοράς — Δοκιμή1.txt"
                               << "Εκτύπωση…"
                               << "Αποθήκευση ως UTF-8…";
    }
    void eachLanguageAlone() {
        QFETCH(Language, language);
        QFETCH(QString, caption);
        QFETCH(QString, print);
        QFETCH(QString, save);
        thalmuro::setInterfaceLanguage(language);
        const Report report =
            solvedReport(thalmuro::workedExample(thalmuro::NumberLocale::greek()));
        ReportViewer viewer;
        viewer.showReport(report, "/tmp/Δοκιμή1.txt");
        viewer.show();
        const QStringList other =
            thalmuro::testing::otherLanguageTexts(viewer, language, {"Δοκιμή1.txt"});
        QVERIFY2(other.isEmpty(), qPrintable(other.join(u'\n')));
        QCOMPARE(viewer.windowTitle(), caption);
        QCOMPARE(control<QPushButton>(&viewer, "printReport")->text(), print);
        QCOMPARE(control<QPushButton>(&viewer, "saveReportUtf8")->text(), save);

        const QString shown = control<QPlainTextEdit>(&viewer, "reportText")->toPlainText();
        const bool english = language == Language::english;
        QCOMPARE(viewer.text(),
                 QString::fromStdString(english ? report.english_text : report.text));
        QCOMPARE(shown, viewer.text().replace("\r\n", "\n"));
        QVERIFY(shown.contains(english ? "REMARKS ON THE CALCULATION" : "ΣΧΟΛΙΑ ΥΠΟΛΟΓΙΣΜΟΥ"));
        QCOMPARE(thalmuro::testing::hasGreekLetter(QString(shown).remove("Δρ/ρ")), !english);
    }

    // Switching the language while the viewer shows a report swaps the report's text and the
    // window's texts at once, keeps the place the reader scrolled to, and switching back shows
    // the Greek exactly as before.
    void switchingSwapsTheText() {
        const Report report =
            solvedReport(thalmuro::workedExample(thalmuro::NumberLocale::greek()));
        ReportViewer viewer;
        viewer.showReport(report, "Δοκιμή1.txt");
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        auto* text = control<QPlainTextEdit>(&viewer, "reportText");
        QScrollBar* lines = text->verticalScrollBar();
        QVERIFY(lines->maximum() > 20);
        lines->setValue(20);
        const QStringList greek = thalmuro::testing::shownTextLines(viewer);
        const QString greekText = text->toPlainText();

        thalmuro::setInterfaceLanguage(Language::english);
        QCOMPARE(viewer.text(), QString::fromStdString(report.english_text));
        QCOMPARE(text->toPlainText(), viewer.text().replace("\r\n", "\n"));
        QCOMPARE(viewer.windowTitle(), QString("Report Viewer — Δοκιμή1.txt"));
        QCOMPARE(lines->value(), 20);
        QVERIFY(thalmuro::testing::otherLanguageTexts(viewer, Language::english, {"Δοκιμή1.txt"})
                    .isEmpty());

        thalmuro::setInterfaceLanguage(Language::greek);
        QCOMPARE(text->toPlainText(), greekText);
        QCOMPARE(thalmuro::testing::shownTextLines(viewer), greek);
        QCOMPARE(lines->value(), 20);
    }

    // Saving writes the text shown, in UTF-8 with CR LF line ends: in English the English text,
    // under a suggested name that says so, through a dialog in English.
    void savesTheShownLanguage_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("suggested");
        QTest::newRow("English") << Language::english << "Save report as UTF-8"
                                 << "Text files (*.txt)"
                                 << "Δοκιμή1-en-UTF-8.txt";
        QTest::newRow("Greek") << Language::greek << "Αποθήκευση αναφοράς ως UTF-8"
                               << "Αρχεία κειμένου (*.txt)"
                               << "Δοκιμή1-UTF-8.txt";
    }
    void savesTheShownLanguage() {
        QFETCH(Language, language);
        QFETCH(QString, title);
        QFETCH(QString, filter);
        QFETCH(QString, suggested);
        thalmuro::setInterfaceLanguage(language);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const Report report =
            solvedReport(thalmuro::workedExample(thalmuro::NumberLocale::greek()));
        ReportViewer viewer;
        viewer.showReport(report, folder.filePath("Δοκιμή1.txt"));
        viewer.show();

        QString shownTitle, shownFilter, shownName;
        ModalAnswerer answerer;
        answerer.then([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            shownTitle = dialog->windowTitle();
            shownFilter = dialog->nameFilters().value(0);
            shownName = dialog->selectedFiles().value(0);
            dialog->selectFile(folder.filePath("saved.txt"));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        control<QPushButton>(&viewer, "saveReportUtf8")->click();
        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.unexpected(), 0);
        QCOMPARE(shownTitle, title);
        QCOMPARE(shownFilter, filter);
        QCOMPARE(shownName, folder.filePath(suggested));
        const QByteArray saved = readFile(folder.filePath("saved.txt"));
        QCOMPARE(saved, viewer.text().toUtf8());
        QCOMPARE(saved,
                 QByteArray::fromStdString(language == Language::english
                                               ? report.english_text
                                               : *thalmuro::decodeWindows1253(*report.bytes)));
    }

    // Printed to a PDF file on A4, a report fills pages: its widest line fits across the page
    // (a smaller font, down to a limit), and lines longer than that wrap.
    void printsPages_data() {
        QTest::addColumn<Report>("report");
        QTest::addColumn<int>("fewestPages");
        QTest::addColumn<int>("mostPages");
        const auto lines = [](int count, int length) {
            Report report;
            for (int i = 0; i < count; ++i)
                report.text += std::string(static_cast<std::size_t>(length), 'x') + "\r\n";
            report.bytes = report.text;
            return report;
        };
        thalmuro::DiffuserInput longer = thalmuro::workedExample(thalmuro::NumberLocale::greek());
        longer.risers = "101";
        longer.rows[4].last_riser = "101";
        QTest::newRow("two lines") << reportWithMissingCharacters() << 1 << 1;
        QTest::newRow("80 lines of 125 characters, unwrapped") << lines(80, 125) << 1 << 1;
        QTest::newRow("80 lines of 400 characters, wrapped") << lines(80, 400) << 2 << 5;
        QTest::newRow("worked example")
            << solvedReport(thalmuro::workedExample(thalmuro::NumberLocale::greek())) << 1 << 2;
        QTest::newRow("101 risers") << solvedReport(longer) << 3 << 10;
    }
    void printsPages() {
        QFETCH(Report, report);
        QFETCH(int, fewestPages);
        QFETCH(int, mostPages);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        ReportViewer viewer;
        viewer.showReport(report, "Δοκιμή1.txt");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(folder.filePath("printed.pdf"));
        viewer.print(&printer);
        const QByteArray pdf = readFile(folder.filePath("printed.pdf"));
        QVERIFY(pdf.startsWith("%PDF"));
        const int pages = pdfPages(pdf);
        QVERIFY2(pages >= fewestPages && pages <= mostPages, qPrintable(QString::number(pages)));
    }

    // "Αποθήκευση ως UTF-8…" writes the shown text in UTF-8, CR LF line ends as in the report
    // file; a file that cannot be written is told with its reason.
    void savesAsUtf8_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("failure");
        QTest::newRow("written") << "αναφορά.txt"
                                 << "";
        QTest::newRow("missing folder") << "χωρίς φάκελο/αναφορά.txt"
                                        << "Ο φάκελος που δόθηκε δεν υπάρχει.";
    }
    void savesAsUtf8() {
        QFETCH(QString, name);
        QFETCH(QString, failure);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString reportFile = folder.filePath("Δοκιμή1.txt");
        const Report report = reportWithMissingCharacters();
        ReportViewer viewer;
        viewer.showReport(report, reportFile);
        viewer.show();

        QString dialogName, suggested, message;
        ModalAnswerer answerer;
        answerer.then([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            dialogName = dialog->objectName();
            suggested = dialog->selectedFiles().value(0);
            dialog->selectFile(folder.filePath(name));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        if (!failure.isEmpty()) {
            answerer.then([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                QVERIFY(box);
                message = box->text();
                box->accept();
            });
        }
        control<QPushButton>(&viewer, "saveReportUtf8")->click();
        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.unexpected(), 0);
        QCOMPARE(dialogName, QString("saveReportDialog"));
        QCOMPARE(suggested, folder.filePath("Δοκιμή1-UTF-8.txt"));
        if (failure.isEmpty()) {
            QCOMPARE(readFile(folder.filePath(name)),
                     QByteArray("Δρ/ρ ? 0,03\r\nΠαροχή ? 0,35 m³/s"));
        } else {
            QCOMPARE(message, "Το αρχείο «αναφορά.txt» δεν γράφτηκε.\n" + failure);
        }
    }
};

QTEST_MAIN(ReportViewerTest)
#include "report_viewer_test.moc"
