// Where the main window writes the report of a Solve: beside the open problem file, else in the
// folder of the last report, else in the documents folder; the question before a file the last
// Solve did not write is replaced; the file dialog behind «Αναζήτηση…»; the status-bar line that
// names the file written.
#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <optional>

#include "main_window.h"
#include "project_files.h"
#include "report_files.h"
#include "thalmuro/engine.h"
#include "ui_test_support.h"

using thalmuro::MainWindow;
using thalmuro::ReportFiles;
using thalmuro::testing::control;
using thalmuro::testing::ModalAnswerer;
using thalmuro::testing::readFile;
using thalmuro::testing::TemporaryHome;
using thalmuro::testing::writeFile;

namespace {

constexpr char kOther[] = "ένα άλλο αρχείο\n";

// Answers the file-name prompt with `name`, or presses "Άκυρο"; `offered` receives the name
// the box held.
ModalAnswerer::Handler namePrompt(std::optional<QString> name, QString* offered = nullptr) {
    return [name, offered](QWidget* modal) {
        auto* prompt = qobject_cast<QInputDialog*>(modal);
        QVERIFY(prompt);
        QCOMPARE(prompt->objectName(), QString("fileNamePrompt"));
        if (offered != nullptr) *offered = prompt->textValue();
        if (!name) {
            prompt->reject();
            return;
        }
        prompt->setTextValue(*name);
        prompt->accept();
    };
}

// Answers the question before a file is replaced: «Αντικατάσταση» or «Άκυρο»; `text` receives
// its text.
ModalAnswerer::Handler replaceQuestion(bool replace, QString* text = nullptr) {
    return [replace, text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        QCOMPARE(box->objectName(), QString("replaceFileQuestion"));
        if (text != nullptr) *text = box->text();
        const QString wanted = replace ? "Αντικατάσταση" : "Άκυρο";
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == wanted) {
                button->click();
                return;
            }
        }
        QFAIL("no such button");
    };
}

}  // namespace

class ReportFilesTest : public QObject {
    Q_OBJECT

    // The window with the worked example, from the problem file `problem` (under the home
    // folder) when there is one.
    void open(const QString& problem = QString()) {
        state_ = std::make_unique<thalmuro::SharedState>();
        window_ = std::make_unique<MainWindow>(*state_, thalmuro::NumberLocale::greek());
        window_->show();
        const thalmuro::DiffuserInput example =
            thalmuro::workedExample(thalmuro::NumberLocale::greek());
        if (problem.isEmpty()) {
            window_->showProblem(example);
            return;
        }
        writeFile(home(problem), QByteArray::fromStdString(thalmuro::problemText(example)));
        QVERIFY(window_->projectFiles().openFile(home(problem)));
    }
    // Solves, with the modal windows answered in order by `answers`.
    void solve(std::initializer_list<ModalAnswerer::Handler> answers) {
        ModalAnswerer answerer;
        for (const ModalAnswerer::Handler& answer : answers)
            answerer.then(answer);
        control<QPushButton>(window_.get(), "Command1")->click();
        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.unexpected(), 0);
    }
    QString home(const QString& name) const { return QDir::cleanPath(home_->path() + "/" + name); }
    QString statusLine() const { return control<QLabel>(window_.get(), "reportFileLine")->text(); }
    QByteArray lastReportBytes() const {
        return QByteArray::fromStdString(window_->lastReport().bytes.value_or(std::string()));
    }

  private slots:
    void init() {
        home_ = std::make_unique<TemporaryHome>();
        QVERIFY(home_->isValid());
        thalmuro::programSettings().remove(ReportFiles::kReportFolderKey);
        // The working folder is never where a report goes.
        QVERIFY(workingFolder_.isValid());
        previousFolder_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(workingFolder_.path()));
    }
    void cleanup() {
        window_.reset();
        state_.reset();
        QVERIFY(QDir(workingFolder_.path()).isEmpty());
        QDir::setCurrent(previousFolder_);
        home_.reset();
    }

    // The names typed in successive Solves, each written where it belongs; folders, the problem
    // file and the remembered report folder are given under the home folder, and a typed name
    // starting with "~/" stands there too.
    void whereTheReportGoes_data() {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<bool>("documents");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("expected");
        QTest::newRow("beside the problem file")
            << QStringList{"έργο"} << true << "έργο/πρόβλημα.json" << QString()
            << QStringList{"Δοκιμή1.txt"} << "έργο/Δοκιμή1.txt";
        QTest::newRow("a relative folder from the problem file's")
            << QStringList{"έργο", "έργο/αναφορές"} << true << "έργο/πρόβλημα.json" << QString()
            << QStringList{"αναφορές/Δοκιμή1.txt"} << "έργο/αναφορές/Δοκιμή1.txt";
        QTest::newRow("the problem file's folder before the remembered one")
            << QStringList{"έργο", "παλιός"} << true << "έργο/πρόβλημα.json"
            << "παλιός" << QStringList{"Δοκιμή1.txt"} << "έργο/Δοκιμή1.txt";
        QTest::newRow("no problem file: the documents folder")
            << QStringList() << true << QString() << QString() << QStringList{"Δοκιμή1.txt"}
            << "Documents/Δοκιμή1.txt";
        QTest::newRow("no documents folder: the home folder")
            << QStringList() << false << QString() << QString() << QStringList{"Δοκιμή1.txt"}
            << "Δοκιμή1.txt";
        QTest::newRow("the folder of the last report")
            << QStringList{"αλλού"} << true << QString() << QString()
            << QStringList{"~/αλλού/Α.txt", "Β.txt"} << "αλλού/Β.txt";
        QTest::newRow("the folder remembered from an earlier run")
            << QStringList{"παλιός"} << true << QString() << "παλιός" << QStringList{"Δοκιμή1.txt"}
            << "παλιός/Δοκιμή1.txt";
        QTest::newRow("a remembered folder that is gone")
            << QStringList() << true << QString() << "χαμένος" << QStringList{"Δοκιμή1.txt"}
            << "Documents/Δοκιμή1.txt";
    }
    void whereTheReportGoes() {
        QFETCH(QStringList, folders);
        QFETCH(bool, documents);
        QFETCH(QString, problem);
        QFETCH(QString, remembered);
        QFETCH(QStringList, names);
        QFETCH(QString, expected);
        for (const QString& folder : folders)
            QVERIFY(QDir().mkpath(home(folder)));
        if (!remembered.isEmpty()) {
            thalmuro::programSettings().setValue(ReportFiles::kReportFolderKey, home(remembered));
        }
        if (!documents) QVERIFY(QDir(home_->documents()).removeRecursively());
        open(problem);
        for (QString name : names) {
            if (name.startsWith("~/")) name = home(name.mid(2));
            solve({namePrompt(name)});
        }

        const QString file = home(expected);
        QCOMPARE(window_->lastReportFile(), file);
        QVERIFY(!lastReportBytes().isEmpty());
        QCOMPARE(readFile(file), lastReportBytes());
        QCOMPARE(statusLine(), "Αναφορά: " + QDir::toNativeSeparators(file));
        // The folder is remembered for the next run.
        QCOMPARE(thalmuro::programSettings().value(ReportFiles::kReportFolderKey).toString(),
                 QFileInfo(file).absolutePath());
    }

    // A file that the window did not write is replaced only after «Αντικατάσταση»; «Άκυρο»
    // asks for the name again, offering the one typed, and leaves the file as it was.
    void replacingAnotherFile_data() {
        QTest::addColumn<bool>("replace");
        QTest::addColumn<std::optional<QString>>("nameAgain");
        QTest::addColumn<QString>("written");
        QTest::newRow("Αντικατάσταση") << true << std::optional<QString>() << "Δοκιμή1.txt";
        QTest::newRow("Άκυρο, then no report") << false << std::optional<QString>() << QString();
        QTest::newRow("Άκυρο, then another name")
            << false << std::optional<QString>("Δοκιμή2.txt") << "Δοκιμή2.txt";
    }
    void replacingAnotherFile() {
        QFETCH(bool, replace);
        QFETCH(std::optional<QString>, nameAgain);
        QFETCH(QString, written);
        const QString existing = home_->documents() + "/Δοκιμή1.txt";
        writeFile(existing, kOther);
        open();
        QString question, offeredAgain;
        if (replace) {
            solve({namePrompt("Δοκιμή1.txt"), replaceQuestion(true, &question)});
        } else {
            solve({namePrompt("Δοκιμή1.txt"), replaceQuestion(false, &question),
                   namePrompt(nameAgain, &offeredAgain)});
            QCOMPARE(offeredAgain, QString("Δοκιμή1.txt"));
        }
        QCOMPARE(question, "Το αρχείο «" + QDir::toNativeSeparators(existing) +
                               "» υπάρχει ήδη.\nΝα αντικατασταθεί;");

        if (!written.isEmpty()) {
            QCOMPARE(readFile(home_->documents() + "/" + written), lastReportBytes());
            QCOMPARE(window_->lastReportFile(), home_->documents() + "/" + written);
        } else {
            QVERIFY(window_->lastReportFile().isEmpty());
            QVERIFY(statusLine().isEmpty());
            QVERIFY(!control<QAction>(window_.get(), "provoli_anaforas")->isEnabled());
        }
        if (written != "Δοκιμή1.txt") QCOMPARE(readFile(existing), QByteArray(kOther));
        const QStringList files = QDir(home_->documents()).entryList(QDir::Files);
        QCOMPARE(files.size(), written.isEmpty() || written == "Δοκιμή1.txt" ? 1 : 2);
    }

    // Solving again to the file the last Solve wrote replaces it without a question, whatever
    // the name it is given by; after anything else that happened to the file, or a Solve that
    // wrote elsewhere or nothing, the question comes.
    void solvingAgain_data() {
        QTest::addColumn<QString>("between");
        QTest::addColumn<QString>("nameAgain");
        QTest::addColumn<bool>("asks");
        QTest::newRow("the same name") << "nothing"
                                       << "Δοκιμή1.txt" << false;
        QTest::newRow("the same file by its full name") << "nothing"
                                                        << "~/Documents/./Δοκιμή1.txt" << false;
        QTest::newRow("changed by another program since") << "changed"
                                                          << "Δοκιμή1.txt" << true;
        QTest::newRow("after a Solve without a report") << "no report"
                                                        << "Δοκιμή1.txt" << true;
        QTest::newRow("after a report to another file") << "another file"
                                                        << "Δοκιμή1.txt" << true;
    }
    void solvingAgain() {
        QFETCH(QString, between);
        QFETCH(QString, nameAgain);
        QFETCH(bool, asks);
        const QString file = home_->documents() + "/Δοκιμή1.txt";
        open();
        solve({namePrompt("Δοκιμή1.txt")});
        const QByteArray first = readFile(file);
        QVERIFY(!first.isEmpty());
        QByteArray before = first;
        if (between == "changed") {
            before = "το ίδιο μέγεθος αλλά άλλο περιεχόμενο";
            writeFile(file, before);
            QFile changed(file);
            QVERIFY(changed.open(QIODevice::ReadWrite));
            QVERIFY(changed.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                        QFileDevice::FileModificationTime));
        } else if (between == "no report") {
            solve({namePrompt(std::nullopt)});
        } else if (between == "another file") {
            solve({namePrompt("Δοκιμή2.txt")});
        }

        // Another total discharge gives another report.
        control<QLineEdit>(window_.get(), "Text5")->setText("0,5");
        if (nameAgain.startsWith("~/")) nameAgain = home_->path() + nameAgain.mid(1);
        if (asks) {
            solve({namePrompt(nameAgain), replaceQuestion(false), namePrompt(std::nullopt)});
            QCOMPARE(readFile(file), before);
        } else {
            solve({namePrompt(nameAgain)});
            QVERIFY(readFile(file) != first);
            QCOMPARE(readFile(file), lastReportBytes());
            QCOMPARE(statusLine(), "Αναφορά: " + QDir::toNativeSeparators(file));
        }
    }

    // «Αναζήτηση…» opens the program's file dialog in the folder of the name in the box (the
    // report folder when that folder does not exist), suggesting its file name; the file
    // chosen fills the box, and OK writes the report there. «Άκυρο» in the dialog leaves the box
    // as it was.
    void browseFillsTheBox_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("suggested");
        QTest::addColumn<std::optional<QString>>("chosen");
        QTest::addColumn<QString>("filled");
        QTest::newRow("the offered name")
            << "Δοκιμή1.txt"
            << "Documents"
            << "Δοκιμή1.txt" << std::optional<QString>("αλλού/Α.txt") << "~/αλλού/Α.txt";
        QTest::newRow("a folder of its own")
            << "../αλλού/Β.txt"
            << "αλλού"
            << "Β.txt" << std::optional<QString>("αλλού/Γ") << "~/αλλού/Γ.txt";
        QTest::newRow("a folder that does not exist")
            << "χωρίς φάκελο/Β.txt"
            << "Documents"
            << "Β.txt" << std::optional<QString>("Documents/Β.txt") << "~/Documents/Β.txt";
        QTest::newRow("an empty box")
            << ""
            << "Documents"
            << "Δοκιμή1.txt" << std::optional<QString>("αλλού/Α.txt") << "~/αλλού/Α.txt";
        QTest::newRow("Άκυρο in the dialog")
            << "../αλλού/Β.txt"
            << "αλλού"
            << "Β.txt" << std::optional<QString>() << "../αλλού/Β.txt";
    }
    void browseFillsTheBox() {
        QFETCH(QString, typed);
        QFETCH(QString, folder);
        QFETCH(QString, suggested);
        QFETCH(std::optional<QString>, chosen);
        QFETCH(QString, filled);
        QVERIFY(QDir().mkpath(home("αλλού")));
        if (filled.startsWith("~/")) filled = QDir::toNativeSeparators(home(filled.mid(2)));
        open();

        QString buttonText, dialogName, dialogFolder, dialogFile, boxText;
        ModalAnswerer answerer;
        answerer.then([&](QWidget* modal) {
            auto* prompt = qobject_cast<QInputDialog*>(modal);
            QVERIFY(prompt);
            prompt->setTextValue(typed);
            auto* browse = control<QPushButton>(prompt, "reportBrowseButton");
            QVERIFY(browse);
            buttonText = browse->text();
            // The file dialog opens within this answer, while the prompt stays open below it:
            // a timer of its own answers it once it shows.
            bool answered = false;
            QTimer inDialog;
            inDialog.setInterval(0);
            connect(&inDialog, &QTimer::timeout, [&] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                if (dialog == nullptr || !dialog->isVisible() || answered) return;
                answered = true;
                dialogName = dialog->objectName();
                dialogFolder = dialog->directory().absolutePath();
                dialogFile = dialog->selectedFiles().value(0);
                if (!chosen) {
                    dialog->reject();
                    return;
                }
                dialog->selectFile(home(*chosen));
                QMetaObject::invokeMethod(dialog, "accept");
            });
            inDialog.start();
            browse->click();
            QVERIFY(answered);
            boxText = prompt->textValue();
            prompt->accept();
        });
        control<QPushButton>(window_.get(), "Command1")->click();
        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.unexpected(), 0);

        QCOMPARE(buttonText, QString("Αναζήτηση…"));
        QCOMPARE(dialogName, QString("reportFileDialog"));
        QCOMPARE(dialogFolder, home(folder));
        QCOMPARE(dialogFile, home(folder + "/" + suggested));
        QCOMPARE(boxText, filled);
        const QString file = QDir::cleanPath(QDir(home_->documents()).filePath(filled));
        QCOMPARE(window_->lastReportFile(), file);
        QCOMPARE(readFile(file), lastReportBytes());
    }

  private:
    std::unique_ptr<TemporaryHome> home_;
    QTemporaryDir workingFolder_;
    QString previousFolder_;
    std::unique_ptr<thalmuro::SharedState> state_;
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(ReportFilesTest)
#include "report_files_test.moc"
