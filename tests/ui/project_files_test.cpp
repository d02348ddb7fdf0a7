// Problem files from the main window: saving and opening them again, the regional format they
// record, the runner solving what the window saved, the project's details kept with them, the
// question before unsaved edits are lost, files that cannot be read or written, the recent files
// and the caption.
#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "main_window.h"
#include "project_details_dialog.h"
#include "project_files.h"
#include "thalmuro/engine.h"
#include "ui_test_support.h"

using thalmuro::DiffuserInput;
using thalmuro::MainWindow;
using thalmuro::NumberLocale;
using thalmuro::ProjectDetails;
using thalmuro::testing::control;
using thalmuro::testing::ModalAnswerer;
using thalmuro::testing::readFile;
using thalmuro::testing::writeFile;

Q_DECLARE_METATYPE(thalmuro::NumberLocale)

namespace {

// Chooses `path` in the program's file dialog, or presses "Άκυρο" when there is none.
ModalAnswerer::Handler chooseFile(std::optional<QString> path, QString* dialogName = nullptr) {
    return [path, dialogName](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr) {
            modal->close();
            return;
        }
        if (dialogName != nullptr) *dialogName = dialog->objectName();
        if (!path) {
            dialog->reject();
            return;
        }
        dialog->selectFile(*path);
        // What the dialog's accept button does.
        QMetaObject::invokeMethod(dialog, "accept");
    };
}

// Records a message box's text and presses the button captioned `button`.
ModalAnswerer::Handler pressButton(const QString& button, QString* text = nullptr,
                                   QString* title = nullptr) {
    return [button, text, title](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            modal->close();
            return;
        }
        if (text != nullptr) *text = box->text();
        if (title != nullptr) *title = box->windowTitle();
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == button) {
                b->click();
                return;
            }
        }
        box->reject();
    };
}

// Answers an input prompt with `answer`.
ModalAnswerer::Handler answerPrompt(const QString& answer) {
    return [answer](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        if (dialog == nullptr) {
            modal->close();
            return;
        }
        dialog->setTextValue(answer);
        dialog->accept();
    };
}

// Details with what a file must keep exactly: Greek, quotes, a backslash, braces, line feeds.
const ProjectDetails kDetails{"Αγωγός διάθεσης \"Λιμάνι\" \\ Β'", "Ι. Παπαδόπουλος",
                              "ΔΕΥΑ {Λιμάνι}", "Γραμμή 1\nΓραμμή 2\n\nτέλος"};

// The details as the dialog's boxes show them.
ProjectDetails detailsShown(const QWidget* dialog) {
    const auto text = [dialog](const char* name) {
        return control<QLineEdit>(dialog, name)->text().toStdString();
    };
    return {text("detailsTitleBox"), text("detailsEngineerBox"), text("detailsClientBox"),
            control<QPlainTextEdit>(dialog, "detailsNotesBox")->toPlainText().toStdString()};
}

// Types `details` into the dialog's boxes (directly: the test keys cannot type Greek).
void typeDetails(QWidget* dialog, const ProjectDetails& details) {
    const auto type = [dialog](const char* name, const std::string& text) {
        control<QLineEdit>(dialog, name)->setText(QString::fromStdString(text));
    };
    type("detailsTitleBox", details.title);
    type("detailsEngineerBox", details.engineer);
    type("detailsClientBox", details.client);
    control<QPlainTextEdit>(dialog, "detailsNotesBox")
        ->setPlainText(QString::fromStdString(details.notes));
}

void pressDialogButton(QWidget* dialog, QDialogButtonBox::StandardButton button) {
    control<QDialogButtonBox>(dialog, "detailsButtons")->button(button)->click();
}

// Every text the form shows, box by box and row by row.
QStringList formTexts(const MainWindow& window) {
    QStringList texts;
    for (QLineEdit* box : window.findChildren<QLineEdit*>())
        texts << box->objectName() + "=" + box->text();
    texts.sort();
    return texts;
}

}  // namespace

class ProjectFilesTest : public QObject {
    Q_OBJECT

  private:
    void open(const NumberLocale& locale) {
        window_ = std::make_unique<MainWindow>(*state_, locale);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    QLineEdit* box(const char* name) const { return control<QLineEdit>(window_.get(), name); }
    void trigger(const char* name) { control<QAction>(window_.get(), name)->trigger(); }
    QString path(const QString& name) const { return folder_.filePath(name); }

    // The worked example with every other row of the table typed as well.
    void fillForm(const char* flowEntry, bool bell) {
        auto* check4 = control<QCheckBox>(window_.get(), "Check4");
        QTest::mouseClick(check4, Qt::LeftButton, {}, check4->rect().center());
        for (int row = 5; row < thalmuro::kSectionRows; ++row) {
            for (const char* column : {"textfn", "textln", "textdr_thalmuro", "textdxanipsotiror",
                                       "textdz_anipsotiron", "textdr_anipsotiron"}) {
                box(QString("%1_%2").arg(column).arg(row).toUtf8())
                    ->setText(QString("%1 %2").arg(column).arg(row));
            }
        }
        if (bell) control<QRadioButton>(window_.get(), "Option2")->click();
        if (flowEntry != nullptr) trigger(flowEntry);
    }

    // Solves with the ratio answer (user mode) and writes the report to `report`.
    QByteArray solve(const QString& report, bool userMode) {
        ModalAnswerer answerer;
        if (userMode) answerer.then(answerPrompt("0,85"));
        answerer.then(answerPrompt(report));
        control<QPushButton>(window_.get(), "Command1")->click();
        [&] {
            QVERIFY(answerer.allAnswered());
            QCOMPARE(answerer.unexpected(), 0);
        }();
        return readFile(report);
    }

    void saveAs(const QString& file) {
        ModalAnswerer answerer;
        QString dialog;
        answerer.then(chooseFile(file, &dialog));
        trigger("arxeio_apothikefsi_os");
        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.unexpected(), 0);
        QCOMPARE(dialog, QString("saveProblemDialog"));
    }

    void openThroughDialog(const QString& file) {
        ModalAnswerer answerer;
        QString dialog;
        answerer.then(chooseFile(file, &dialog));
        trigger("arxeio_anoigma");
        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.unexpected(), 0);
        QCOMPARE(dialog, QString("openProblemDialog"));
    }

    // Opens «Ιδιότητες Έργου…», records what the dialog shows and lets `answer` close it.
    ProjectDetails editDetails(const std::function<void(QWidget*)>& answer) {
        ModalAnswerer answerer;
        ProjectDetails shown;
        QString dialog;
        answerer.then([&](QWidget* modal) {
            dialog = modal->objectName();
            shown = detailsShown(modal);
            answer(modal);
        });
        trigger("arxeio_idiotites_ergou");
        [&] {
            QVERIFY(answerer.allAnswered());
            QCOMPARE(answerer.unexpected(), 0);
            QCOMPARE(dialog, QString("projectDetailsDialog"));
        }();
        return shown;
    }
    ProjectDetails detailsInDialog() {
        return editDetails(
            [](QWidget* modal) { pressDialogButton(modal, QDialogButtonBox::Cancel); });
    }

    QStringList recentFiles() const {
        return thalmuro::programSettings().value("recentFiles").toStringList();
    }

    // Where the settings of `program` are kept: on Windows its key of the registry, elsewhere
    // its file in the user's configuration folder (Qt's test folder for it here).
    static QString usersSettings(const QString& program) {
#ifdef Q_OS_WIN
        return "\\HKEY_CURRENT_USER\\Software\\thalmuro\\" + program;
#else
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               "/thalmuro/" + program + ".conf";
#endif
    }
    // The name that opens the settings at `place` on their own: a key of the registry is opened
    // without the "\\" of QSettings::fileName.
    static QString openedPlace(const QString& place) {
        return place.startsWith("\\") ? place.mid(1) : place;
    }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() {
        QVERIFY(folder_.isValid());
        thalmuro::programSettings().remove("recentFiles");
        state_ = std::make_unique<thalmuro::SharedState>();
        open(NumberLocale::greek());
    }
    void cleanup() {
        window_.reset();
        state_.reset();
        QDir(folder_.path()).removeRecursively();
        QDir().mkpath(folder_.path());
    }

    // Save, New and Open give back every text, the fitting and the flow mode; Solve then writes
    // the report it wrote before saving, and so does the runner from the saved file on a system
    // of the other regional format.
    void saveNewOpen_data() {
        QTest::addColumn<NumberLocale>("locale");
        QTest::addColumn<QString>("flowEntry");
        QTest::addColumn<bool>("bell");
        QTest::newRow("no mark, Greek") << NumberLocale::greek() << QString() << false;
        QTest::newRow("standard, Bell, English")
            << NumberLocale::english() << "paroxi_me_stantar" << true;
        QTest::newRow("optimised, Greek") << NumberLocale::greek() << "paroxi_beltisti" << false;
        QTest::newRow("user, Bell, Greek")
            << NumberLocale::greek() << "paroxi_kathorismeni" << true;
    }
    void saveNewOpen() {
        QFETCH(NumberLocale, locale);
        QFETCH(QString, flowEntry);
        QFETCH(bool, bell);
        const bool userMode = flowEntry == "paroxi_kathorismeni";
        open(locale);
        fillForm(flowEntry.isEmpty() ? nullptr : flowEntry.toUtf8().constData(), bell);
        QVERIFY(window_->isWindowModified());
        const QByteArray before = solve(path("before.txt"), userMode);
        QVERIFY(!before.isEmpty());
        const QStringList texts = formTexts(*window_);
        const DiffuserInput shown = window_->problem();

        saveAs(path("design.json"));
        QCOMPARE(window_->windowTitle(),
                 QString("ΥΔΡΑΥΛΙΚΟΣ ΥΠΟΛΟΓΙΣΜΟΣ ΔΙΑΧΥΤΗΡΑ — design.json[*]"));
        QVERIFY(!window_->isWindowModified());

        trigger("arxeio_neo");
        QCOMPARE(window_->windowTitle(), QString("ΥΔΡΑΥΛΙΚΟΣ ΥΠΟΛΟΓΙΣΜΟΣ ΔΙΑΧΥΤΗΡΑ[*]"));
        QVERIFY(window_->problem() == DiffuserInput{});
        // The results of the Solve stay, and with them the buttons.
        QVERIFY(control<QPushButton>(window_.get(), "Command2")->isEnabled());

        openThroughDialog(path("design.json"));
        QCOMPARE(formTexts(*window_), texts);
        QVERIFY(window_->problem() == shown);
        QVERIFY(!window_->isWindowModified());
        QCOMPARE(solve(path("after.txt"), userMode), before);

        // The runner reads the file in the format it records, whatever the system's.
        const bool greek = locale.decimal_separator == ",";
        QProcess runner;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("LC_ALL");
        env.remove("LC_NUMERIC");
        env.insert("LANG", greek ? "en_US.UTF-8" : "el_GR.UTF-8");
        runner.setProcessEnvironment(env);
        runner.start(THALMURO_CLI, {path("design.json"), path("runner.txt")});
        QVERIFY(runner.waitForFinished(60000));
        QCOMPARE(runner.exitCode(), 0);
        QCOMPARE(readFile(path("runner.txt")), before);
    }

    // A file saved in one regional format opens in the other with its numbers in that format,
    // digit for digit, and solves to the same numbers.
    void otherRegionalFormat_data() {
        QTest::addColumn<NumberLocale>("saved");
        QTest::addColumn<NumberLocale>("opened");
        QTest::addColumn<QString>("drho");
        QTest::addColumn<QString>("golden");
        QTest::newRow("commas opened with points")
            << NumberLocale::greek() << NumberLocale::english() << "0.0307"
            << "cases/worked_example_en.txt";
        QTest::newRow("points opened with commas")
            << NumberLocale::english() << NumberLocale::greek() << "0,0307"
            << "cases/worked_example_el.txt";
    }
    void otherRegionalFormat() {
        QFETCH(NumberLocale, saved);
        QFETCH(NumberLocale, opened);
        QFETCH(QString, drho);
        QFETCH(QString, golden);
        open(saved);
        fillForm("paroxi_me_stantar", false);
        saveAs(path("p.json"));
        open(opened);
        openThroughDialog(path("p.json"));
        QCOMPARE(box("Text4")->text(), drho);
        QCOMPARE(box("textfn_5")->text(), QString("textfn 5"));  // not a number: as typed
        QCOMPARE(solve(path("report.txt"), false),
                 readFile(QString(THALMURO_TEST_DATA "/") + golden));
    }

    // A file that records no format opens in the other one when only that one reads its
    // numbers sensibly: converted to the user's, with a message saying so, and it solves with no
    // question about its numbers. Otherwise it opens as typed, silently.
    void unrecordedFormat_data() {
        QTest::addColumn<NumberLocale>("typed");
        QTest::addColumn<NumberLocale>("opened");
        QTest::addColumn<bool>("converted");
        QTest::addColumn<QString>("drho");
        QTest::addColumn<QString>("golden");
        const NumberLocale greek = NumberLocale::greek();
        const NumberLocale english = NumberLocale::english();
        QTest::newRow("points on a Greek system") << english << greek << true << "0,0307"
                                                  << "cases/worked_example_el.txt";
        QTest::newRow("commas on an English system") << greek << english << true << "0.0307"
                                                     << "cases/worked_example_en.txt";
        QTest::newRow("commas on a Greek system") << greek << greek << false << "0,0307"
                                                  << "cases/worked_example_el.txt";
    }
    void unrecordedFormat() {
        QFETCH(NumberLocale, typed);
        QFETCH(NumberLocale, opened);
        QFETCH(bool, converted);
        QFETCH(QString, drho);
        QFETCH(QString, golden);
        DiffuserInput problem = thalmuro::workedExample(typed);
        problem.flow_mode = thalmuro::FlowMode::standard;
        writeFile(path("p.json"), QByteArray::fromStdString(thalmuro::problemText(problem)));
        open(opened);

        QString text;
        {
            ModalAnswerer answerer;
            if (converted) answerer.then(pressButton("OK", &text));
            QVERIFY(window_->projectFiles().openFile(path("p.json")));
            QVERIFY(answerer.allAnswered());
            QCOMPARE(answerer.unexpected(), 0);
        }
        QCOMPARE(box("Text4")->text(), drho);
        QCOMPARE(box("textdr_anipsotiron_4")->text(), QString(drho).replace("0307", "1144"));
        if (converted) {
            QVERIFY2(text.contains("«p.json»"), qPrintable(text));
            QVERIFY2(text.contains(QString("με το «%1» ως υποδιαστολή")
                                       .arg(QString::fromStdString(typed.decimal_separator))),
                     qPrintable(text));
        }
        QCOMPARE(solve(path("report.txt"), false),
                 readFile(QString(THALMURO_TEST_DATA "/") + golden));
    }

    void regionalFormatOfATextAlone_data() {
        QTest::addColumn<NumberLocale>("from");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        const NumberLocale greek = NumberLocale::greek();
        const NumberLocale english = NumberLocale::english();
        QTest::newRow("trailing zeros kept") << greek << "0,0300"
                                             << "0.0300";
        QTest::newRow("grouping left out") << greek << "1.234,5"
                                           << "1234.5";
        QTest::newRow("exponent") << english << "-1.5E-05"
                                  << "-1,5E-05";
        QTest::newRow("blanks kept") << english << " 2.5 "
                                     << " 2,5 ";
        QTest::newRow("count") << greek << "14"
                               << "14";
        QTest::newRow("not a number") << greek << "0,3 m"
                                      << "0,3 m";
        QTest::newRow("empty") << english << ""
                               << "";
    }
    void regionalFormatOfATextAlone() {
        QFETCH(NumberLocale, from);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        const NumberLocale to =
            from.decimal_separator == "," ? NumberLocale::english() : NumberLocale::greek();
        QCOMPARE(QString::fromStdString(thalmuro::inRegionalFormat(text.toStdString(), from, to)),
                 shown);
        const auto value = thalmuro::readLocaleNumber(text.toStdString(), from);
        QCOMPARE(thalmuro::readLocaleNumber(shown.toStdString(), to), value);
        // The same format leaves every text as typed.
        QCOMPARE(QString::fromStdString(thalmuro::inRegionalFormat(text.toStdString(), from, from)),
                 text);
    }

    // The counts are read by the leading-number rule ("." is the decimal point in every format):
    // a Greek file's "2.5" sections is 2 on any system and must not become "25" on an English
    // one; the quantities are converted.
    void countsKeepTheirText() {
        DiffuserInput problem = thalmuro::workedExample(NumberLocale::greek());
        problem.decimal_separator = ",";
        problem.risers = "1.4E1";
        problem.sections = "2.5";
        const DiffuserInput shown = thalmuro::inRegionalFormat(problem, NumberLocale::english());
        QCOMPARE(QString::fromStdString(shown.risers), QString("1.4E1"));
        QCOMPARE(QString::fromStdString(shown.sections), QString("2.5"));
        QCOMPARE(QString::fromStdString(shown.drho), QString("0.0307"));
        QCOMPARE(QString::fromStdString(shown.rows[0].pipe_diameter), QString("0.2906"));
    }

    // Closing, New, Open and Ctrl+Q after an edit ask first: Save writes the edit and goes on,
    // Discard goes on without writing, Cancel stops.
    void unsavedChanges_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("answer");
        for (const char* action : {"close", "new", "open", "Ctrl+Q"}) {
            for (const char* answer : {"Αποθήκευση", "Απόρριψη", "Άκυρο"}) {
                QTest::newRow(QString("%1, %2").arg(action, answer).toUtf8()) << action << answer;
            }
        }
    }
    void unsavedChanges() {
        QFETCH(QString, action);
        QFETCH(QString, answer);
        fillForm(nullptr, false);
        saveAs(path("p.json"));
        const QByteArray saved = readFile(path("p.json"));
        box("Text1")->setText("15");
        QVERIFY(window_->isWindowModified());

        ModalAnswerer answerer;
        QString question, title;
        answerer.then(pressButton(answer, &question, &title));
        // Open goes on to its dialog, which is cancelled.
        if (action == "open" && answer != "Άκυρο") answerer.then(chooseFile(std::nullopt));
        if (action == "close") {
            window_->close();
        } else if (action == "new") {
            trigger("arxeio_neo");
        } else if (action == "open") {
            trigger("arxeio_anoigma");
        } else {
            window_->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window_.get()));
            QTest::keyClick(window_.get(), Qt::Key_Q, Qt::ControlModifier);
        }
        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.unexpected(), 0);
        QCOMPARE(
            question,
            QString("Οι αλλαγές στο αρχείο «p.json» δεν έχουν αποθηκευτεί.\nΝα αποθηκευτούν;"));
        QCOMPARE(title, QString("ΥΔΡΑΥΛΙΚΟΣ ΥΠΟΛΟΓΙΣΜΟΣ ΔΙΑΧΥΤΗΡΑ"));

        const bool goesOn = answer != "Άκυρο";
        const QByteArray written = readFile(path("p.json"));
        if (answer == "Αποθήκευση") {
            QVERIFY(written.contains("\"risers\": \"15\""));
        } else {
            QCOMPARE(written, saved);
        }
        const bool closing = action == "close" || action == "Ctrl+Q";
        if (closing) QCOMPARE(window_->isVisible(), !goesOn);
        if (action == "new") QCOMPARE(box("Text1")->text(), goesOn ? QString() : QString("15"));
        if (!goesOn) {
            QCOMPARE(box("Text1")->text(), QString("15"));
            QVERIFY(window_->isWindowModified());
        }
    }

    // A file that cannot be read leaves the form as it is and says why, naming the file.
    void unreadableFile_data() {
        QTest::addColumn<QByteArray>("bytes");  // nothing: no such file
        QTest::addColumn<QString>("reason");
        QTest::newRow("malformed") << QByteArray("{\"risers\": \"14\",}")
                                   << "Το αρχείο δεν έχει τη μορφή αρχείου προβλήματος (JSON).";
        QTest::newRow("unknown key")
            << QByteArray("{\"pipes\": \"3\"}")
            << "Το αρχείο περιέχει στοιχείο που δεν ανήκει σε αρχείο προβλήματος.";
        // The reason follows the fault, not words that the file's own texts happen to hold.
        QTest::newRow("unknown key that reads like another fault")
            << QByteArray("{\"larger than\": \"must be\"}")
            << "Το αρχείο περιέχει στοιχείο που δεν ανήκει σε αρχείο προβλήματος.";
        QTest::newRow("too large")
            << QByteArray("{" + QByteArray(thalmuro::kMaxProblemFileBytes, ' ') + "}")
            << "Το αρχείο είναι πολύ μεγάλο για πρόβλημα.";
        QTest::newRow("not UTF-8") << QByteArray("{\"drho\": \"0,03\xB0\"}")
                                   << "Το αρχείο δεν είναι κείμενο με κωδικοποίηση UTF-8.";
        QTest::newRow("wrong separator")
            << QByteArray("{\"decimal_separator\": \";\"}")
            << "Μια τιμή του αρχείου δεν έχει τη μορφή που περιμένει το πρόγραμμα.";
        QTest::newRow("missing") << QByteArray() << "Το αρχείο δεν υπάρχει.";
    }
    void unreadableFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString file = path("bad.json");
        if (!bytes.isEmpty()) writeFile(file, bytes);
        fillForm("paroxi_beltisti", true);
        const QStringList texts = formTexts(*window_);
        const DiffuserInput before = window_->problem();
        const QString caption = window_->windowTitle();

        ModalAnswerer answerer;
        QString message, title;
        answerer.then(pressButton("OK", &message, &title));
        QVERIFY(!window_->projectFiles().openFile(file));
        QVERIFY(answerer.allAnswered());
        QCOMPARE(title, QString("Πληροφορία"));
        const QStringList lines = message.split('\n');
        QCOMPARE(lines.value(0), QString("Το αρχείο «bad.json» δεν ανοίχτηκε."));
        QCOMPARE(lines.value(1), reason);
        QCOMPARE(formTexts(*window_), texts);
        QVERIFY(window_->problem() == before);
        QCOMPARE(window_->windowTitle(), caption);
        QVERIFY(window_->isWindowModified());
        QVERIFY(recentFiles().isEmpty());
    }

    // A save that fails leaves the file as it was, says why and keeps the edits unsaved.
    void failedSave() {
        QVERIFY(QDir(folder_.path()).mkpath("sub"));
        fillForm(nullptr, false);
        saveAs(path("sub/p.json"));
        const QByteArray saved = readFile(path("sub/p.json"));
        // The folder goes away under the program: the old file now lives elsewhere.
        QVERIFY(QDir(folder_.path()).rename("sub", "moved"));
        box("Text1")->setText("15");

        QString message;
        {
            ModalAnswerer answerer;
            answerer.then(pressButton("OK", &message));
            trigger("arxeio_apothikefsi");
            QVERIFY(answerer.allAnswered());
        }
        QCOMPARE(message, QString("Το πρόβλημα δεν αποθηκεύτηκε στο αρχείο «p.json».\n"
                                  "Ο φάκελος που δόθηκε δεν υπάρχει."));
        QCOMPARE(readFile(path("moved/p.json")), saved);
        QVERIFY(!QFile::exists(path("sub")));
        QVERIFY(window_->isWindowModified());

        // In the question before closing, a failed save cancels the close.
        ModalAnswerer closing;
        closing.then(pressButton("Αποθήκευση"));
        closing.then(pressButton("OK"));
        window_->close();
        QVERIFY(closing.allAnswered());
        QCOMPARE(closing.unexpected(), 0);
        QVERIFY(window_->isVisible());
    }

    // The eight files last opened or saved, most recent first; a file that has gone is taken
    // out of the list when chosen.
    void recentFilesList() {
        fillForm(nullptr, false);
        for (int i = 1; i <= 10; ++i)
            saveAs(path(QString("f%1.json").arg(i)));
        openThroughDialog(path("f4.json"));
        const QStringList expected{"f4", "f10", "f9", "f8", "f7", "f6", "f5", "f3"};
        QStringList names;
        for (const QString& file : recentFiles())
            names << QFileInfo(file).completeBaseName();
        QCOMPARE(names, expected);
        for (int i = 1; i <= 8; ++i) {
            auto* entry = control<QAction>(window_.get(), QString("arxeio_prosfato_%1").arg(i));
            QVERIFY(entry->isVisible());
            QCOMPARE(entry->text(), QString("&%1 %2.json").arg(i).arg(expected[i - 1]));
        }

        QVERIFY(QFile::remove(path("f9.json")));
        ModalAnswerer answerer;
        QString message;
        answerer.then(pressButton("OK", &message));
        trigger("arxeio_prosfato_3");
        QVERIFY(answerer.allAnswered());
        QVERIFY(message.startsWith("Το αρχείο «f9.json» δεν υπάρχει πια"));
        QCOMPARE(recentFiles().size(), 7);
        QVERIFY(!control<QAction>(window_.get(), "arxeio_prosfato_8")->isVisible());
        QCOMPARE(window_->windowTitle(), QString("ΥΔΡΑΥΛΙΚΟΣ ΥΠΟΛΟΓΙΣΜΟΣ ΔΙΑΧΥΤΗΡΑ — f4.json[*]"));

        trigger("arxeio_prosfato_2");  // f10
        QCOMPARE(window_->windowTitle(), QString("ΥΔΡΑΥΛΙΚΟΣ ΥΠΟΛΟΓΙΣΜΟΣ ΔΙΑΧΥΤΗΡΑ — f10.json[*]"));
        QCOMPARE(QFileInfo(recentFiles().value(0)).fileName(), QString("f10.json"));
    }

    // The recent files are kept where the system keeps a user's settings, under the
    // organisation "thalmuro" and the program's name: the program's as "thalmuro", this test's
    // under its own name, where the program never looks.
    void recentFilesInTheUsersSettings() {
        fillForm(nullptr, false);
        saveAs(path("design.json"));
        const QString testName = QCoreApplication::applicationName();
        QCOMPARE(testName, QString("project_files_test"));
        const QString place = thalmuro::programSettings().fileName();
        QCOMPARE(place, usersSettings(testName));
        QCOMPARE(QSettings(openedPlace(place), QSettings::NativeFormat).value("recentFiles"),
                 QVariant(QStringList{path("design.json")}));

        QCoreApplication::setApplicationName("thalmuro");
        const QString programPlace = thalmuro::programSettings().fileName();
        QCoreApplication::setApplicationName(testName);
        QCOMPARE(programPlace, usersSettings("thalmuro"));
    }

    // The menu, its order, its shortcuts; every kind of edit marks the problem modified.
    void menuAndModifiedMark() {
        const QList<QAction*> entries = control<QMenu>(window_.get(), "Arxeio")->actions();
        QStringList shown;
        for (const QAction* a : entries) {
            if (!a->isSeparator() && a->isVisible())
                shown << a->objectName() + ": " + a->text() + " " + a->shortcut().toString();
        }
        QCOMPARE(shown, (QStringList{"arxeio_neo: Νέο Ctrl+N", "arxeio_anoigma: Άνοιγμα… Ctrl+O",
                                     "arxeio_apothikefsi: Αποθήκευση Ctrl+S",
                                     "arxeio_apothikefsi_os: Αποθήκευση ως… Ctrl+Shift+S",
                                     "arxeio_idiotites_ergou: Ιδιότητες Έργου… ",
                                     "arxeio_exodos: Έξοδος Ctrl+Q"}));

        const std::function<void()> edits[] = {
            [&] { QTest::keyClick(box("textdr_anipsotiron_29"), Qt::Key_5); },
            [&] { control<QRadioButton>(window_.get(), "Option2")->click(); },
            [&] { trigger("paroxi_beltisti"); },
            [&] { control<QCheckBox>(window_.get(), "Check1")->click(); },
        };
        for (const auto& edit : edits) {
            trigger("arxeio_neo");
            QVERIFY(!window_->isWindowModified());
            edit();
            QVERIFY(window_->isWindowModified());
            ModalAnswerer answerer;
            answerer.then(pressButton("Απόρριψη"));
            trigger("arxeio_neo");
            QVERIFY(answerer.allAnswered());
        }
    }

    // OK with changed details marks the problem modified, and the question before New then asks
    // about them; OK without a change, Cancel and Escape leave the details and the mark alone.
    void detailsDialogAnswers_data() {
        QTest::addColumn<bool>("edit");
        QTest::addColumn<int>("button");  // a QDialogButtonBox::StandardButton, or 0 for Escape
        QTest::addColumn<bool>("kept");
        QTest::newRow("edit, OK") << true << static_cast<int>(QDialogButtonBox::Ok) << true;
        QTest::newRow("edit, Άκυρο") << true << static_cast<int>(QDialogButtonBox::Cancel) << false;
        QTest::newRow("edit, Escape") << true << 0 << false;
        QTest::newRow("no edit, OK") << false << static_cast<int>(QDialogButtonBox::Ok) << false;
    }
    void detailsDialogAnswers() {
        QFETCH(bool, edit);
        QFETCH(int, button);
        QFETCH(bool, kept);
        QVERIFY(!window_->isWindowModified());
        const ProjectDetails before = editDetails([&](QWidget* modal) {
            if (edit) typeDetails(modal, kDetails);
            if (button == 0) {
                QTest::keyClick(modal, Qt::Key_Escape);
            } else {
                pressDialogButton(modal, QDialogButtonBox::StandardButton(button));
            }
        });
        QVERIFY(before == ProjectDetails{});
        const ProjectDetails expected = kept ? kDetails : ProjectDetails{};
        QVERIFY(window_->projectFiles().details() == expected);
        QVERIFY(detailsInDialog() == expected);
        QCOMPARE(window_->isWindowModified(), kept);

        ModalAnswerer answerer;
        QString question;
        if (kept) answerer.then(pressButton("Απόρριψη", &question));
        trigger("arxeio_neo");
        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.unexpected(), 0);
        if (kept) QVERIFY(question.startsWith("Οι αλλαγές στο νέο πρόβλημα"));
    }

    // The details are saved with the design and come back when it is opened; New and a file
    // without details clear them. The runner solves the saved file as the design alone.
    void detailsKeptWithTheFile() {
        fillForm("paroxi_me_stantar", false);
        const QByteArray report = solve(path("before.txt"), false);
        editDetails([](QWidget* modal) {
            typeDetails(modal, kDetails);
            pressDialogButton(modal, QDialogButtonBox::Ok);
        });
        saveAs(path("detailed.json"));
        QVERIFY(!window_->isWindowModified());
        const auto read = thalmuro::readProblemFile(path("detailed.json").toStdString());
        QVERIFY(std::holds_alternative<DiffuserInput>(read));
        QVERIFY(std::get<DiffuserInput>(read).details == kDetails);

        trigger("arxeio_neo");
        QVERIFY(window_->projectFiles().details() == ProjectDetails{});
        QVERIFY(detailsInDialog() == ProjectDetails{});

        openThroughDialog(path("detailed.json"));
        QVERIFY(window_->projectFiles().details() == kDetails);
        QVERIFY(detailsInDialog() == kDetails);
        QVERIFY(!window_->isWindowModified());

        QProcess runner;
        runner.start(THALMURO_CLI,
                     {"--locale", "el_GR", path("detailed.json"), path("runner.txt")});
        QVERIFY(runner.waitForFinished(60000));
        QCOMPARE(runner.exitCode(), 0);
        QCOMPARE(readFile(path("runner.txt")), report);

        QVERIFY(window_->projectFiles().openFile(QString(THALMURO_TEST_DATA) +
                                                 "/cases/worked_example_el.json"));
        QVERIFY(window_->projectFiles().details() == ProjectDetails{});
        QVERIFY(detailsInDialog() == ProjectDetails{});
    }

    // Notes typed or pasted beyond the limit are cut to it, between whole characters, so that
    // the file saved can always be opened again.
    void notesWithinLimit_data() {
        constexpr int limit = thalmuro::ProjectDetailsDialog::kMaxNotesLength;
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        const QString full(limit, QChar('a'));
        QTest::newRow("at the limit") << full << full;
        QTest::newRow("beyond it") << full + "bcd" << full;
        QTest::newRow("a character of two units across it")
            << QString(limit - 1, QChar('a')) + "\U0001F30A" << QString(limit - 1, QChar('a'));
        QTest::newRow("line feeds count")
            << QString(limit, QChar('\n')) + "x" << QString(limit, QChar('\n'));
    }
    void notesWithinLimit() {
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        thalmuro::ProjectDetailsDialog dialog(ProjectDetails{}, window_.get());
        auto* notes = control<QPlainTextEdit>(&dialog, "detailsNotesBox");
        notes->insertPlainText(pasted);
        QCOMPARE(notes->toPlainText(), kept);
        QCOMPARE(QString::fromStdString(dialog.details().notes), kept);
    }

    // A problem file dropped on the window, even over a box, opens.
    void droppedFile() {
        fillForm("paroxi_me_stantar", false);
        saveAs(path("dropped.json"));
        trigger("arxeio_neo");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path("dropped.json"))});
        QLineEdit* target = box("Text5");
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QVERIFY(drop.isAccepted());
        QTRY_COMPARE(box("Text5")->text(), QString("0,3528"));
        QCOMPARE(window_->windowTitle(),
                 QString("ΥΔΡΑΥΛΙΚΟΣ ΥΠΟΛΟΓΙΣΜΟΣ ΔΙΑΧΥΤΗΡΑ — dropped.json[*]"));
    }

  private:
    QTemporaryDir folder_;
    std::unique_ptr<thalmuro::SharedState> state_;
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(ProjectFilesTest)
#include "project_files_test.moc"
