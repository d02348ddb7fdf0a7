// What a Solve lets leave the program from the menu "Διαχυτήρας": the report viewer, which
// follows the reports written, and the per-riser results as CSV.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QtTest>
#include <memory>
#include <optional>

#include "language.h"
#include "program.h"
#include "project_files.h"
#include "report_files.h"
#include "thalmuro/engine.h"
#include "ui_test_support.h"

using thalmuro::Program;
using thalmuro::testing::control;
using thalmuro::testing::ModalAnswerer;
using thalmuro::testing::readFile;
using thalmuro::testing::TemporaryHome;

Q_DECLARE_METATYPE(thalmuro::NumberLocale)
Q_DECLARE_METATYPE(thalmuro::Language)

namespace {

// Answers the report's file-name prompt with `name`, or cancels it.
ModalAnswerer::Handler nameReport(std::optional<QString> name) {
    return [name](QWidget* modal) {
        auto* prompt = qobject_cast<QInputDialog*>(modal);
        QVERIFY(prompt);
        if (!name) {
            prompt->reject();
            return;
        }
        prompt->setTextValue(*name);
        prompt->accept();
    };
}

// Chooses `path` in the program's file dialog.
ModalAnswerer::Handler chooseFile(const QString& path, QString* suggested = nullptr) {
    return [path, suggested](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        if (suggested != nullptr) *suggested = dialog->selectedFiles().value(0);
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    };
}

}  // namespace

class ReportExportsTest : public QObject {
    Q_OBJECT

    // Solves the form, naming the report `reportName` or cancelling; `failureTold` when the
    // report cannot be written there and a message says so.
    void solve(Program& program, std::optional<QString> reportName, bool failureTold = false) {
        ModalAnswerer answerer;
        answerer.then(nameReport(reportName));
        if (failureTold) answerer.then([](QWidget* message) { message->close(); });
        control<QPushButton>(&program.mainWindow(), "Command1")->click();
        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.unexpected(), 0);
    }
    void loadExample(Program& program) {
        auto* check4 = control<QCheckBox>(&program.mainWindow(), "Check4");
        QTest::mouseClick(check4, Qt::LeftButton, {}, check4->rect().center());
    }

  private slots:
    void init() {
        // Reports named without a folder go to the documents folder.
        home_ = std::make_unique<TemporaryHome>();
        QVERIFY(home_->isValid());
        thalmuro::programSettings().remove(thalmuro::ReportFiles::kReportFolderKey);
    }
    void cleanup() {
        thalmuro::setInterfaceLanguage(thalmuro::Language::greek);
        home_.reset();
    }
    QString documents(const QString& name) const { return home_->documents() + "/" + name; }

    // Both entries are disabled at start; the first Solve enables the CSV export, and the
    // viewer waits for a Solve that writes its report.
    void entriesWaitForTheirSolve() {
        Program program(thalmuro::NumberLocale::greek());
        program.start();
        thalmuro::MainWindow& form1 = program.mainWindow();
        auto* view = control<QAction>(&form1, "provoli_anaforas");
        auto* csv = control<QAction>(&form1, "exagogi_apotelesmaton");
        QVERIFY(!view->isEnabled() && !csv->isEnabled());

        loadExample(program);
        solve(program, std::nullopt);
        QVERIFY(!view->isEnabled() && csv->isEnabled());
        solve(program, QString("χωρίς φάκελο/Δοκιμή1.txt"), true);
        QVERIFY(!view->isEnabled());
        solve(program, QString("Δοκιμή1.txt"));
        QVERIFY(view->isEnabled() && csv->isEnabled());
        solve(program, std::nullopt);
        QVERIFY(view->isEnabled());
    }

    // One viewer shows the last report written and follows the next; the report file stays
    // as the Solve wrote it.
    void viewerFollowsTheReports() {
        Program program(thalmuro::NumberLocale::greek());
        program.start();
        thalmuro::MainWindow& form1 = program.mainWindow();
        loadExample(program);
        solve(program, QString("Δοκιμή1.txt"));
        const QByteArray written = readFile(documents("Δοκιμή1.txt"));
        QVERIFY(!written.isEmpty());

        control<QAction>(&form1, "provoli_anaforas")->trigger();
        QPointer<thalmuro::ReportViewer> viewer = program.reportViewer();
        QVERIFY(viewer && viewer->isVisible() && viewer->parent() == nullptr);
        QCOMPARE(viewer->text(), QString::fromStdString(form1.lastReport().text));
        QVERIFY(viewer->text().contains("ΑΠΟΤΕΛΕΣΜΑΤΑ ΥΠΟΛΟΓΙΣΜΟΥ"));
        control<QAction>(&form1, "provoli_anaforas")->trigger();
        QCOMPARE(program.reportViewer(), viewer.data());

        // A Solve that writes no report leaves the viewer as it is; the next report shows.
        control<QLineEdit>(&form1, "Text5")->setText("0,5");
        const QString first = viewer->text();
        solve(program, std::nullopt);
        QCOMPARE(viewer->text(), first);
        solve(program, QString("Δοκιμή2.txt"));
        QVERIFY(viewer->text() != first);
        QVERIFY(viewer->text().contains("0,5"));
        QCOMPARE(viewer->windowTitle(), QString("Προβολή Αναφοράς — Δοκιμή2.txt"));
        QCOMPARE(readFile(documents("Δοκιμή1.txt")), written);
    }

    // The CSV written is the engine's table of the store, in the window's number format under
    // a header in the windows' language, suggested beside the last report under its name.
    void exportsTheResults_data() {
        QTest::addColumn<thalmuro::NumberLocale>("locale");
        QTest::addColumn<QString>("fieldSeparator");
        QTest::addColumn<thalmuro::Language>("language");
        QTest::addColumn<QString>("header");
        const QString greek =
            "ανυψωτήρας;E (m);Cd;ταχύτητα αγωγού (m/s);"
            "ταχύτητα ανυψωτήρα (m/s);παροχή (m³/s);Froude";
        const QString english =
            "riser;E (m);Cd;pipe velocity (m/s);riser velocity (m/s);discharge (m³/s);Froude";
        QTest::newRow("Greek") << thalmuro::NumberLocale::greek() << ";"
                               << thalmuro::Language::greek << greek;
        QTest::newRow("English") << thalmuro::NumberLocale::english() << ","
                                 << thalmuro::Language::english
                                 << QString(english).replace(';', ',');
        QTest::newRow("Greek numbers, English windows")
            << thalmuro::NumberLocale::greek() << ";" << thalmuro::Language::english << english;
    }
    void exportsTheResults() {
        QFETCH(thalmuro::NumberLocale, locale);
        QFETCH(QString, fieldSeparator);
        QFETCH(thalmuro::Language, language);
        QFETCH(QString, header);
        Program program(locale);
        thalmuro::setInterfaceLanguage(language);
        program.start();
        loadExample(program);
        solve(program, QString("Δοκιμή1.txt"));

        QString suggested;
        ModalAnswerer answerer;
        const QString name = QString("ανυψωτήρες ") + QTest::currentDataTag();
        answerer.then(chooseFile(documents(name), &suggested));
        control<QAction>(&program.mainWindow(), "exagogi_apotelesmaton")->trigger();
        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.unexpected(), 0);
        QCOMPARE(suggested, documents("Δοκιμή1.csv"));

        const QByteArray csv = readFile(documents(name + ".csv"));
        QCOMPARE(csv, QByteArray::fromStdString(thalmuro::resultsCsv(
                          program.state().results, locale, thalmuro::resultsCsvHeader(language))));
        const QList<QByteArray> lines = csv.split('\n');
        QCOMPARE(QString::fromUtf8(lines[0]), "\uFEFF" + header + "\r");
        QCOMPARE(lines.size(), 16);  // the header, risers 1..14 and the end of the last line
        QCOMPARE(lines[1].split(fieldSeparator.toLatin1()[0]).size(), 7);
        QVERIFY(lines[1].startsWith("1" + fieldSeparator.toUtf8()));
    }

  private:
    std::unique_ptr<TemporaryHome> home_;
};

QTEST_MAIN(ReportExportsTest)
#include "report_exports_test.moc"
