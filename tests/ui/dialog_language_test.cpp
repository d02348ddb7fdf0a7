// The questions, messages and dialogs of the main window in the language of the windows: each,
// opened in Greek and in English, shows no text of the other language, Qt's own texts (the file
// dialog's tool buttons, side bar and list captions, the context menu of a box) included; and
// the texts that name a file written follow a switch of language.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>
#include <variant>

#include "language.h"
#include "program.h"
#include "project_files.h"
#include "shown_texts.h"
#include "thalmuro/engine.h"
#include "thalmuro/wording.h"
#include "ui_test_support.h"

using thalmuro::Language;
using thalmuro::MainWindow;
using thalmuro::Program;
using thalmuro::testing::control;
using thalmuro::testing::ModalAnswerer;
using thalmuro::testing::otherLanguageTexts;

Q_DECLARE_METATYPE(thalmuro::Language)

namespace {

// What a test of one dialog needs: the main window, a folder of the test's own, and the texts
// that read the same in both languages there (names of folders and endings of files, OK, a
// message quoted as it is).
struct Scene {
    MainWindow& window;
    QString folder;
    QStringList kept;
};

// Opens a dialog (or a chain of them) from the main window; each dialog that opens is checked by
// the answerer's handlers, in order.
using Opening = std::function<void(Scene& scene, ModalAnswerer& answerer,
                                   const std::function<void(QWidget*)>& check)>;

// The names of the folders of `path`, which read the same in both languages.
QStringList folderNames(const QString& path) {
    return QDir::fromNativeSeparators(path).split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

void loadExample(MainWindow& window) {
    auto* check4 = control<QCheckBox>(&window, "Check4");
    QTest::mouseClick(check4, Qt::LeftButton, {}, check4->rect().center());
}

void solve(MainWindow& window) {
    control<QPushButton>(&window, "Command1")->click();
}

// Closes a dialog as Escape would.
void dismiss(QWidget* modal) {
    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
}

// Types `name` into the file-name prompt and presses OK.
void typeFileName(QWidget* modal, const QString& name) {
    auto* prompt = qobject_cast<QInputDialog*>(modal);
    QVERIFY(prompt != nullptr);
    prompt->setTextValue(name);
    prompt->accept();
}

}  // namespace

Q_DECLARE_METATYPE(Opening)

class DialogLanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        home_ = std::make_unique<thalmuro::testing::TemporaryHome>();
        QVERIFY(home_->isValid());
        thalmuro::programSettings().clear();
    }
    void cleanup() {
        thalmuro::setInterfaceLanguage(Language::greek);
        home_.reset();
    }

    // Each dialog in each language; `dialogs` names the dialogs expected to open, in order.
    void dialogShowsOneLanguage_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<Opening>("opening");

        const Opening numberQuestion = [](Scene& scene, ModalAnswerer& answerer, auto check) {
            loadExample(scene.window);
            control<QLineEdit>(&scene.window, "Text5")->setText("0.105");
            answerer.then([check](QWidget* modal) {
                check(modal);
                dismiss(modal);
            });
            solve(scene.window);
        };
        const Opening reportPrompt = [](Scene& scene, ModalAnswerer& answerer, auto check) {
            loadExample(scene.window);
            answerer.then([check](QWidget* modal) {
                check(modal);
                dismiss(modal);
            });
            solve(scene.window);
        };
        // "Αναζήτηση…" of the file-name prompt opens the program's file dialog over it.
        const Opening reportFileDialog = [](Scene& scene, ModalAnswerer& answerer, auto check) {
            loadExample(scene.window);
            // Clicked once the answerer has returned, so that it answers the file dialog too.
            answerer.then([](QWidget* modal) {
                QMetaObject::invokeMethod(control<QPushButton>(modal, "reportBrowseButton"),
                                          &QPushButton::click, Qt::QueuedConnection);
            });
            answerer.then([check](QWidget* modal) {
                check(modal);
                dismiss(modal);
            });
            answerer.then(dismiss);
            solve(scene.window);
        };
        const Opening openProblemDialog = [](Scene& scene, ModalAnswerer& answerer, auto check) {
            answerer.then([check](QWidget* modal) {
                check(modal);
                dismiss(modal);
            });
            control<QAction>(&scene.window, "arxeio_anoigma")->trigger();
        };
        const Opening unsavedChanges = [](Scene& scene, ModalAnswerer& answerer, auto check) {
            control<QLineEdit>(&scene.window, "Text5")->setText("1");
            answerer.then([check](QWidget* modal) {
                check(modal);
                dismiss(modal);
            });
            control<QAction>(&scene.window, "arxeio_neo")->trigger();
        };
        // A report named after an existing file: the question before it is replaced, then the
        // prompt again.
        const Opening replaceFile = [](Scene& scene, ModalAnswerer& answerer, auto check) {
            const QString existing = QDir(scene.folder).filePath("1.txt");
            thalmuro::testing::writeFile(existing, "1");
            loadExample(scene.window);
            answerer.then([existing](QWidget* modal) { typeFileName(modal, existing); });
            answerer.then([check](QWidget* modal) {
                check(modal);
                dismiss(modal);
            });
            answerer.then(dismiss);
            solve(scene.window);
        };
        const Opening missingFile = [](Scene& scene, ModalAnswerer& answerer, auto check) {
            answerer.then([check](QWidget* modal) {
                check(modal);
                dismiss(modal);
            });
            scene.window.projectFiles().openFile(QDir(scene.folder).filePath("404.json"));
        };
        const Opening malformedFile = [](Scene& scene, ModalAnswerer& answerer, auto check) {
            const QString file = QDir(scene.folder).filePath("1.json");
            thalmuro::testing::writeFile(file, "{\"risers\": 14}");
            // In Greek the reader's own English message follows the reason.
            const auto read = thalmuro::readProblemFile(file.toStdString());
            const auto* failure = std::get_if<thalmuro::Message>(&read);
            QVERIFY(failure != nullptr);
            scene.kept.prepend(
                QString::fromStdString(thalmuro::wordMessage(*failure, Language::english)));
            answerer.then([check](QWidget* modal) {
                check(modal);
                dismiss(modal);
            });
            scene.window.projectFiles().openFile(file);
        };
        const Opening reportNotWritten = [](Scene& scene, ModalAnswerer& answerer, auto check) {
            loadExample(scene.window);
            const QString file = QDir(scene.folder).filePath("404/1.txt");
            answerer.then([file](QWidget* modal) { typeFileName(modal, file); });
            answerer.then([check](QWidget* modal) {
                check(modal);
                dismiss(modal);
            });
            solve(scene.window);
        };

        const struct {
            const char* name;
            QStringList dialogs;
            Opening opening;
        } cases[] = {
            {"number question", {"numberQuestion"}, numberQuestion},
            {"report file prompt", {"fileNamePrompt"}, reportPrompt},
            {"report file dialog", {"reportFileDialog"}, reportFileDialog},
            {"problem file dialog", {"openProblemDialog"}, openProblemDialog},
            {"unsaved changes", {"unsavedChangesQuestion"}, unsavedChanges},
            {"replace a file", {"replaceFileQuestion"}, replaceFile},
            {"missing problem file", {"information"}, missingFile},
            {"malformed problem file", {"information"}, malformedFile},
            {"report not written", {"information"}, reportNotWritten},
        };
        for (const Language language : {Language::greek, Language::english}) {
            for (const auto& c : cases) {
                QTest::addRow("%s, %s", c.name, language == Language::greek ? "Greek" : "English")
                    << language << c.dialogs << c.opening;
            }
        }
    }
    void dialogShowsOneLanguage() {
        QFETCH(Language, language);
        QFETCH(QStringList, dialogs);
        QFETCH(Opening, opening);
        thalmuro::setInterfaceLanguage(language);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        Program program(thalmuro::NumberLocale::greek());
        program.start();
        Scene scene{program.mainWindow(), folder.path(),
                    folderNames(folder.path()) + folderNames(home_->documents())};
        scene.kept << QStringLiteral("json") << QStringLiteral("txt") << QStringLiteral("OK");

        QStringList seen, found;
        ModalAnswerer answerer;
        opening(scene, answerer, [&](QWidget* modal) {
            seen << modal->objectName();
            found << otherLanguageTexts(*modal, language, scene.kept);
        });
        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.unexpected(), 0);
        QCOMPARE(seen, dialogs);
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
    }

    // The context menu of a box: Qt's own texts, Greek with the Greek windows.
    void boxContextMenu_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("Greek") << Language::greek
                               << QStringList{"&Αναίρεση",   "&Επανάληψη",  "Απο&κοπή",
                                              "Αντι&γραφή",  "Επι&κόλληση", "Διαγραφή",
                                              "Επιλογή όλων"};
        QTest::newRow("English") << Language::english
                                 << QStringList{"&Undo",  "&Redo",  "Cu&t",      "&Copy",
                                                "&Paste", "Delete", "Select All"};
    }
    void boxContextMenu() {
        QFETCH(Language, language);
        QFETCH(QStringList, entries);
        thalmuro::setInterfaceLanguage(language);
        Program program(thalmuro::NumberLocale::greek());
        auto* box = control<QLineEdit>(&program.mainWindow(), "Text5");
        box->setText("0,3528");
        const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
        QStringList shown;
        for (const QAction* action : menu->actions()) {
            // The shortcut follows a tab: "&Copy\tCtrl+C".
            if (!action->isSeparator()) shown << action->text().section(QLatin1Char('\t'), 0, 0);
        }
        QCOMPARE(shown, entries);
        QVERIFY2(otherLanguageTexts(*menu, language).isEmpty(),
                 qPrintable(otherLanguageTexts(*menu, language).join('\n')));
    }

    // A switch of language while the window names the report written and offers the design
    // checks: both follow, and the file named stays.
    void switchKeepsReportLine() {
        Program program(thalmuro::NumberLocale::greek());
        program.start();
        MainWindow& window = program.mainWindow();
        loadExample(window);
        const QString file = QDir(home_->documents()).filePath("1.txt");
        ModalAnswerer answerer;
        answerer.then([](QWidget* modal) { typeFileName(modal, "1.txt"); });
        solve(window);
        QVERIFY(answerer.allAnswered());
        auto* line = control<QLabel>(&window, "reportFileLine");
        auto* checks = control<QAction>(&window, "elegxos_sxediasmou");
        const QString native = QDir::toNativeSeparators(file);

        const struct {
            Language language;
            QString line;
            QString checks;
        } steps[] = {
            {Language::greek, "Αναφορά: " + native, "Έλεγχος Σχεδιασμού"},
            {Language::english, "Report: " + native, "Design Checks"},
            {Language::greek, "Αναφορά: " + native, "Έλεγχος Σχεδιασμού"},
        };
        for (const auto& step : steps) {
            thalmuro::setInterfaceLanguage(step.language);
            QCOMPARE(line->text(), step.line);
            QCOMPARE(line->toolTip(), native);
            QCOMPARE(checks->text(), step.checks);
            QVERIFY(checks->isEnabled());
        }
    }

  private:
    std::unique_ptr<thalmuro::testing::TemporaryHome> home_;
};

QTEST_MAIN(DialogLanguageTest)
#include "dialog_language_test.moc"
