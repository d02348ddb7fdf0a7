// The language of the windows: the menu "Γλώσσα / Language" shows the main window in English
// or Greek at once, keeps every typed text and the choice for the next start.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QtTest>
#include <memory>

#include "language.h"
#include "main_window.h"
#include "project_files.h"
#include "shown_texts.h"
#include "ui_test_support.h"

using thalmuro::Language;
using thalmuro::MainWindow;

Q_DECLARE_METATYPE(thalmuro::Language)
using thalmuro::testing::control;
using thalmuro::testing::shownTextLines;

namespace {

// The texts typed into the boxes and cells, by box.
QStringList typedTexts(const MainWindow& window) {
    QStringList texts;
    for (const QLineEdit* box : window.findChildren<QLineEdit*>())
        texts << box->objectName() + QStringLiteral(": ") + box->text();
    return texts;
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        state_ = std::make_unique<thalmuro::SharedState>();
        window_ = std::make_unique<MainWindow>(*state_, thalmuro::NumberLocale::greek());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() {
        thalmuro::setInterfaceLanguage(Language::greek);
        window_.reset();
        state_.reset();
    }

    // English through the menu and back: the typed design, the fitting, the flow mark and the
    // mark of unsaved edits stay as they are, every text returns to its Greek exactly, and the
    // choice is kept.
    void switchKeepsDesign() {
        thalmuro::DiffuserInput problem = thalmuro::workedExample(thalmuro::NumberLocale::greek());
        problem.rows[7].first_riser = "κ12";  // a Greek letter typed into a cell stays too
        problem.fitting = thalmuro::FittingType::Bell;
        problem.flow_mode = thalmuro::FlowMode::optimised;
        window_->showProblem(problem);
        const QStringList typed = typedTexts(*window_);
        const bool modified = window_->isWindowModified();
        const QStringList greek = shownTextLines(*window_);
        auto* english = control<QAction>(window_.get(), "glossa_english");
        auto* ellinika = control<QAction>(window_.get(), "glossa_ellinika");
        QVERIFY(ellinika->isChecked());
        QVERIFY(!english->isChecked());

        english->trigger();
        QCOMPARE(thalmuro::interfaceLanguage(), Language::english);
        QVERIFY(english->isChecked());
        QVERIFY(!ellinika->isChecked());
        QCOMPARE(thalmuro::savedLanguage(thalmuro::programSettings()), Language::english);
        QCOMPARE(typedTexts(*window_), typed);
        QVERIFY(shownTextLines(*window_) != greek);
        QCOMPARE(window_->isWindowModified(), modified);

        ellinika->trigger();
        QCOMPARE(thalmuro::interfaceLanguage(), Language::greek);
        QVERIFY(ellinika->isChecked());
        QCOMPARE(thalmuro::savedLanguage(thalmuro::programSettings()), Language::greek);
        QCOMPARE(typedTexts(*window_), typed);
        QCOMPARE(shownTextLines(*window_), greek);
        QCOMPARE(window_->input(), problem);
        QCOMPARE(window_->isWindowModified(), modified);
    }

    // Each language shows no text of the other: in English no Greek letter but for the symbol
    // Δρ/ρ and the language menu, which reads in both; in Greek no English word but for names,
    // symbols and units.
    void eachLanguageAlone_data() {
        QTest::addColumn<Language>("language");
        QTest::newRow("English") << Language::english;
        QTest::newRow("Greek") << Language::greek;
    }
    void eachLanguageAlone() {
        QFETCH(Language, language);
        thalmuro::setInterfaceLanguage(language);
        const QStringList other = thalmuro::testing::otherLanguageTexts(*window_, language);
        QVERIFY2(other.isEmpty(), qPrintable(other.join(u'\n')));
    }

    // The English of the controls an outfall engineer reads first, each on its own control.
    void englishTexts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("english");
        QTest::newRow("risers") << "Label1_0"
                                << "Number of risers";
        QTest::newRow("sections") << "Label1_1"
                                  << "Diffuser sections";
        QTest::newRow("drho") << "Label1_3"
                              << "Δρ/ρ";
        QTest::newRow("discharge") << "Label1_4"
                                   << "Total discharge";
        QTest::newRow("manning") << "Label1_5"
                                 << "Manning number";
        QTest::newRow("fitting") << "Label1_6"
                                 << "Fitting type";
        QTest::newRow("same spacing") << "Check1"
                                      << "Same riser spacing in every section";
        QTest::newRow("solve") << "Command1"
                               << "Solve";
        QTest::newRow("graphs") << "Command2"
                                << "Graphs";
        QTest::newRow("loading shaft") << "Command3"
                                       << "Loading shaft";
        QTest::newRow("file menu") << "Arxeio"
                                   << "File";
        QTest::newRow("diffuser menu") << "Thalmuro"
                                       << "Diffuser";
        QTest::newRow("save as") << "arxeio_apothikefsi_os"
                                 << "Save As…";
        QTest::newRow("project properties") << "arxeio_idiotites_ergou"
                                            << "Project Properties…";
        QTest::newRow("flow mode") << "paroxi_beltisti"
                                   << "Calculate with the optimised discharge";
        QTest::newRow("language menu") << "glossa"
                                       << "Γλώσσα / Language";
    }
    void englishTexts() {
        QFETCH(QString, name);
        QFETCH(QString, english);
        thalmuro::setInterfaceLanguage(Language::english);
        QObject* shown = control<QObject>(window_.get(), name);
        QVERIFY(shown != nullptr);
        QString text;
        if (const auto* label = qobject_cast<QLabel*>(shown)) text = label->text();
        if (const auto* button = qobject_cast<QAbstractButton*>(shown)) text = button->text();
        if (const auto* menu = qobject_cast<QMenu*>(shown)) text = menu->title();
        if (const auto* action = qobject_cast<QAction*>(shown)) text = action->text();
        QCOMPARE(text, english);
    }

  private:
    std::unique_ptr<thalmuro::SharedState> state_;
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
