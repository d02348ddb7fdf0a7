// The riser-sizing tab of the design-check window: the worked example sized to the goals typed,
// boxes that cannot be read, a setting the sizing refuses, a sizing stopped, the proposal written
// into the main window's section table and taken back, and the tab in English and in Greek.
#include <QAction>
#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>
#include <memory>

#include "checks_window.h"
#include "language.h"
#include "program.h"
#include "sizing_tab.h"
#include "ui_test_support.h"
#include "window_texts.h"

using thalmuro::ChecksWindow;
using thalmuro::DiffuserInput;
using thalmuro::Language;
using thalmuro::Program;
using thalmuro::SizingGoal;
using thalmuro::SizingTab;
using thalmuro::testing::allTexts;
using thalmuro::testing::control;
using thalmuro::testing::ModalAnswerer;
using thalmuro::testing::otherLanguageLines;

Q_DECLARE_METATYPE(thalmuro::Language)

namespace {

// A few candidates, which size the worked example quickly where the search itself is not
// what is tried.
const QString kFewCandidates = QStringLiteral("0,08; 0,1 0,12; 0,15");

// Boxes of the goals and what is typed into them, as "name=text" pairs.
using Typed = QList<QPair<QString, QString>>;

void type(SizingTab* tab, const Typed& typed) {
    for (const auto& [name, text] : typed)
        control<QLineEdit>(tab, name)->setText(text);
}

const thalmuro::GoalStatus& goal(const thalmuro::SizedDesign& design, SizingGoal which) {
    return design.goals[static_cast<std::size_t>(which)];
}

// The section count and section table of a problem, as one list of texts.
QStringList sectionTable(const DiffuserInput& problem) {
    QStringList texts{QString::fromStdString(problem.sections)};
    for (const thalmuro::SectionRow& row : problem.rows) {
        for (const auto cell : thalmuro::kRowCells)
            texts << QString::fromStdString(row.*cell);
    }
    return texts;
}

// What the design is, apart from its section count and table.
DiffuserInput withoutSectionTable(DiffuserInput problem) {
    problem.sections.clear();
    problem.rows = {};
    return problem;
}

}  // namespace

class SizingTabTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        program_ = std::make_unique<Program>(thalmuro::NumberLocale::greek());
        program_->start();
    }
    void cleanup() {
        thalmuro::setInterfaceLanguage(Language::greek);
        program_.reset();
    }

    // The worked example, whose risers do not pass Q/N within 5 %, sized with the goals
    // typed (the defaults, or others): the proposal meets them, is judged against the goals
    // applied, and takes its diameters from the candidates typed. The design as typed is
    // shown beside it failing uniformity.
    void sizesTheWorkedExample_data() {
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<double>("tolerance");
        QTest::addColumn<double>("lowFlow");
        QTest::addColumn<double>("lowerRatio");
        QTest::addColumn<QList<double>>("candidates");
        QTest::newRow("defaults") << Typed{} << 5.0 << 0.0882 << 1.0 / 3.0 << QList<double>{};
        QTest::newRow("goals and candidates typed")
            << Typed{{"anochi", "8"},
                     {"xamili_paroxi", "0,1"},
                     {"logos_epifaneion_apo", "0,3"},
                     {"ypopsifies_diametroi", kFewCandidates}}
            << 8.0 << 0.1 << 0.3 << QList<double>{0.08, 0.1, 0.12, 0.15};
    }
    void sizesTheWorkedExample() {
        QFETCH(Typed, typed);
        QFETCH(double, tolerance);
        QFETCH(double, lowFlow);
        QFETCH(double, lowerRatio);
        QFETCH(QList<double>, candidates);
        SizingTab* tab = openTab();
        QCOMPARE(control<QLineEdit>(tab, "xamili_paroxi")->text(), QString("0,0882"));
        QCOMPARE(control<QLineEdit>(tab, "xamili_paroxi_drho")->text(), QString("0,0307"));
        QVERIFY(!control<QPushButton>(tab, "efarmogi")->isEnabled());
        type(tab, typed);
        calculate(tab);

        const thalmuro::SizingResult& result = *tab->result();
        QVERIFY(!result.blocked);
        QCOMPARE(result.goals.tolerance, tolerance);
        QCOMPARE(result.goals.low_flow->q, lowFlow);
        QCOMPARE(result.goals.low_flow->drho, 0.0307);
        QCOMPARE(result.goals.area_ratio_lower, lowerRatio);
        QVERIFY(result.proposal.goals_met);
        QVERIFY(!goal(*result.current, SizingGoal::uniformity).met);
        for (const thalmuro::SectionSizing& section : result.sections) {
            for (const thalmuro::RiserRun& run : section.proposed)
                QVERIFY(candidates.isEmpty() || candidates.contains(run.diameter));
        }

        QVERIFY2(control<QLabel>(tab, "ekvasi")->text().startsWith("✔ Η πρόταση ικανοποιεί"),
                 qPrintable(control<QLabel>(tab, "ekvasi")->text()));
        QCOMPARE(control<QLabel>(tab, "katastasi")->text(),
                 QString("%1 σχέδια εξετάστηκαν.").arg(result.designs));
        auto* sections = control<QTableWidget>(tab, "pinakas_tmimaton");
        QCOMPARE(sections->rowCount(), 5);
        QCOMPARE(sections->item(1, 1)->text(), QString("3–5"));
        auto* comparison = control<QTableWidget>(tab, "sygkrisi");
        for (const SizingGoal met :
             {SizingGoal::uniformity, SizingGoal::froude_low, SizingGoal::riser_area})
            QVERIFY(comparison->item(static_cast<int>(met), 1)->text().startsWith("✔ "));
        QVERIFY(
            comparison->item(static_cast<int>(SizingGoal::uniformity), 0)->text().startsWith("⚠ "));
        QVERIFY(control<QPushButton>(tab, "efarmogi")->isEnabled());
        QVERIFY(!control<QPushButton>(tab, "anairesi")->isEnabled());
    }

    // A box that cannot be read is told beside it and blocks Υπολογισμός until it reads
    // again; the other boxes say nothing. Both low-flow boxes empty mean the default low flow.
    void unreadableBoxes_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("hint");
        const Language greek = Language::greek;
        QTest::newRow("tolerance") << greek << Typed{{"anochi", "5 %"}} << "anochi"
                                   << "Δεν διαβάζεται ως αριθμός· γράψτε π.χ. 5";
        QTest::newRow("low flow without Q")
            << greek << Typed{{"xamili_paroxi", ""}} << "xamili_paroxi"
            << "Δεν δόθηκε τιμή.";
        QTest::newRow("area ratio over zero")
            << greek << Typed{{"logos_epifaneion_eos", "2/0"}} << "logos_epifaneion_eos"
            << "Δεν διαβάζεται ως αριθμός ή κλάσμα· γράψτε π.χ. 0,7 ή 1/3";
        QTest::newRow("rows not whole")
            << greek << Typed{{"megistes_grammes", "12,5"}} << "megistes_grammes"
            << "Δώστε ακέραιο αριθμό, π.χ. 30";
        QTest::newRow("a candidate")
            << greek << Typed{{"ypopsifies_diametroi", "0,1; 0,12,3"}} << "ypopsifies_diametroi"
            << "Η διάμετρος «0,12,3» δεν διαβάζεται ως αριθμός· γράψτε π.χ. 0,15; 0,2";
        QTest::newRow("English: Froude")
            << Language::english << Typed{{"froude_elaxisto", "one"}} << "froude_elaxisto"
            << "Does not read as a number; write e.g. 1";
    }
    void unreadableBoxes() {
        QFETCH(Language, language);
        QFETCH(Typed, typed);
        QFETCH(QString, box);
        QFETCH(QString, hint);
        thalmuro::setInterfaceLanguage(language);
        SizingTab* tab = openTab();
        auto* calculateButton = control<QPushButton>(tab, "ypologismos");
        QVERIFY(calculateButton->isEnabled());
        const QString before = control<QLineEdit>(tab, box)->text();
        type(tab, typed);

        for (QLabel* shown : tab->findChildren<QLabel*>(QRegularExpression("_ypodeixi$"))) {
            QCOMPARE(shown->text(), shown->objectName() == box + "_ypodeixi" ? hint : QString());
        }
        QVERIFY(!calculateButton->isEnabled());
        calculateButton->click();
        QVERIFY(!tab->running());

        control<QLineEdit>(tab, box)->setText(before);
        QVERIFY(calculateButton->isEnabled());
        type(tab, {{"xamili_paroxi", ""}, {"xamili_paroxi_drho", ""}});
        QVERIFY(calculateButton->isEnabled());
    }

    // A setting the boxes read but the sizing cannot use is refused by the sizing, which says
    // why; nothing is proposed and there is nothing to apply.
    void refusedSetting() {
        SizingTab* tab = openTab();
        type(tab, {{"froude_elaxisto", "12"}});
        calculate(tab);
        QVERIFY(tab->result()->blocked);
        QVERIFY2(control<QLabel>(tab, "ekvasi")
                     ->text()
                     .startsWith("– Ο σχεδιασμός δεν διαστασιολογείται: "),
                 qPrintable(control<QLabel>(tab, "ekvasi")->text()));
        QCOMPARE(control<QLabel>(tab, "katastasi")->text(),
                 QString("Η διαστασιολόγηση δεν έγινε."));
        QCOMPARE(control<QTableWidget>(tab, "pinakas_tmimaton")->rowCount(), 0);
        QVERIFY(!control<QPushButton>(tab, "efarmogi")->isEnabled());
    }

    // Διακοπή ends the search with the best choice found until then, shown as such; the
    // window may then size again. It is pressed before the worker starts (the click on
    // Υπολογισμός starts it from the event loop), so the search stops at its first design
    // however fast the machine.
    void stoppedSizing() {
        SizingTab* tab = openTab();
        QSignalSpy finished(tab, &SizingTab::runFinished);
        control<QPushButton>(tab, "ypologismos")->click();
        QVERIFY(tab->running());
        QVERIFY(!control<QPushButton>(tab, "ypologismos")->isEnabled());
        control<QPushButton>(tab, "diakopi")->click();
        QVERIFY(!control<QPushButton>(tab, "diakopi")->isEnabled());
        QVERIFY(finished.wait(120000));

        QVERIFY(tab->result()->stopped);
        QVERIFY2(
            control<QLabel>(tab, "katastasi")->text().startsWith("Η διαστασιολόγηση διακόπηκε: "),
            qPrintable(control<QLabel>(tab, "katastasi")->text()));
        QVERIFY(control<QPushButton>(tab, "ypologismos")->isEnabled());
        QVERIFY(control<QPushButton>(tab, "efarmogi")->isEnabled());
        QCOMPARE(control<QTableWidget>(tab, "pinakas_tmimaton")->rowCount(), 5);
    }

    // Εφαρμογή writes the proposal's section count and rows into the main window, empties the
    // rows below them and marks the form modified, touching no other box; Αναίρεση brings back
    // every text of the table exactly, rows beyond the old count included.
    void applyAndUndo() {
        SizingTab* tab = openTab();
        type(tab, {{"ypopsifies_diametroi", kFewCandidates}});
        calculate(tab);
        thalmuro::MainWindow& form = program_->mainWindow();
        // Texts left below the section count, which the proposal's table must not keep.
        control<QLineEdit>(&form, "textfn_29")->setText("99");
        control<QLineEdit>(&form, "textdr_anipsotiron_29")->setText("0,3");
        form.setWindowModified(false);
        const DiffuserInput before = form.input();

        control<QPushButton>(tab, "efarmogi")->click();
        const DiffuserInput& proposal = tab->result()->proposal.problem;
        const DiffuserInput applied = form.input();
        QCOMPARE(sectionTable(applied), sectionTable(proposal));
        QVERIFY(applied.rows[29].first_riser.empty());
        QVERIFY(withoutSectionTable(applied) == withoutSectionTable(before));
        QVERIFY(form.isWindowModified());
        QVERIFY(control<QLabel>(tab, "efarmogi_simeiosi")
                    ->text()
                    .contains("Πατήστε «Επίλυση» για την αναφορά και τους ελέγχους"));
        QVERIFY(control<QPushButton>(tab, "anairesi")->isEnabled());

        control<QPushButton>(tab, "anairesi")->click();
        QCOMPARE(sectionTable(form.input()), sectionTable(before));
        QVERIFY(form.input() == before);
        QVERIFY(!control<QPushButton>(tab, "anairesi")->isEnabled());

        // A Solve of the proposal makes the results those of an earlier design: nothing left
        // to apply until the tab sizes the new one.
        control<QPushButton>(tab, "efarmogi")->click();
        solve(false);
        QVERIFY(tab->resultsOutdated());
        QVERIFY(!control<QLabel>(tab, "palaia_apotelesmata")->isHidden());
        QVERIFY(!control<QPushButton>(tab, "efarmogi")->isEnabled());
        QVERIFY(control<QPushButton>(tab, "anairesi")->isEnabled());
    }

    // In each language the tab shows no text of the other: empty, with boxes that cannot be
    // read, refused, and with a proposal applied, its tables and chart.
    void eachLanguageAlone_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<bool>("size");
        const struct {
            const char* name;
            Typed typed;
            bool size;
        } states[] = {
            {"before sizing", {}, false},
            {"unreadable boxes",
             {{"anochi", "x"},
              {"xamili_paroxi", ""},
              {"logos_epifaneion_apo", "1/"},
              {"megistes_grammes", "a"},
              {"ypopsifies_diametroi", "b"}},
             false},
            {"refused", {{"megistes_grammes", "2"}}, true},
            {"applied", {{"ypopsifies_diametroi", kFewCandidates}}, true},
        };
        for (const Language language : {Language::english, Language::greek}) {
            for (const auto& state : states) {
                QTest::addRow("%s, %s", language == Language::english ? "English" : "Greek",
                              state.name)
                    << language << state.typed << state.size;
            }
        }
    }
    void eachLanguageAlone() {
        QFETCH(Language, language);
        QFETCH(Typed, typed);
        QFETCH(bool, size);
        thalmuro::setInterfaceLanguage(language);
        SizingTab* tab = openTab();
        type(tab, typed);
        if (size) {
            calculate(tab);
            control<QPushButton>(tab, "efarmogi")->click();
        }
        const QStringList other = otherLanguageLines(allTexts(*program_->checksWindow()), language);
        QVERIFY2(other.isEmpty(), qPrintable(other.join(u'\n')));
    }

    // Switching the language words again all the tab shows and keeps the goals typed and the
    // proposal (one that the few candidates leave short of the area ratio); back in Greek every
    // text is as it was.
    void switchingKeepsResults() {
        SizingTab* tab = openTab();
        type(tab, {{"anochi", "6"}, {"ypopsifies_diametroi", kFewCandidates}});
        calculate(tab);
        control<QPushButton>(tab, "efarmogi")->click();
        type(tab, {{"froude_megisto", "x"}});
        const QStringList greek = allTexts(*tab);
        const long designs = tab->result()->designs;

        thalmuro::setInterfaceLanguage(Language::english);
        const QStringList english = allTexts(*tab);
        QVERIFY2(otherLanguageLines(english, Language::english).isEmpty(),
                 qPrintable(otherLanguageLines(english, Language::english).join(u'\n')));
        QCOMPARE(control<QLineEdit>(tab, "anochi")->text(), QString("6"));
        QCOMPARE(control<QLineEdit>(tab, "ypopsifies_diametroi")->text(), kFewCandidates);
        QCOMPARE(tab->result()->designs, designs);
        QCOMPARE(control<QLabel>(tab, "katastasi")->text(),
                 QString("%1 designs weighed.").arg(designs));
        QVERIFY2(control<QLabel>(tab, "ekvasi")->text().startsWith("⚠ No design meets every goal"),
                 qPrintable(control<QLabel>(tab, "ekvasi")->text()));
        QCOMPARE(control<QTableWidget>(tab, "pinakas_tmimaton")->rowCount(), 5);
        QVERIFY(!control<QLabel>(tab, "froude_megisto_ypodeixi")->text().isEmpty());
        QVERIFY(control<QPushButton>(tab, "anairesi")->isEnabled());

        thalmuro::setInterfaceLanguage(Language::greek);
        QCOMPARE(allTexts(*tab), greek);
    }

  private:
    // Solves what the main window holds (the worked example, ticked first when asked),
    // cancelling the report's file name.
    void solve(bool tick = true) {
        thalmuro::MainWindow& form = program_->mainWindow();
        if (tick) {
            auto* check4 = control<QCheckBox>(&form, "Check4");
            QTest::mouseClick(check4, Qt::LeftButton, {}, check4->rect().center());
        }
        ModalAnswerer answers;
        answers.then([](QWidget* prompt) { static_cast<QInputDialog*>(prompt)->reject(); });
        control<QPushButton>(&form, "Command1")->click();
        QVERIFY(answers.allAnswered());
    }

    // The sizing tab of the check window opened on the worked example, in front.
    SizingTab* openTab() {
        solve();
        control<QAction>(&program_->mainWindow(), "elegxos_sxediasmou")->trigger();
        ChecksWindow* window = program_->checksWindow();
        control<QTabWidget>(window, "karteles")->setCurrentWidget(window->sizingTab());
        return window->sizingTab();
    }

    // Sizes with the goals typed and waits for the proposal.
    static void calculate(SizingTab* tab) {
        QSignalSpy finished(tab, &SizingTab::runFinished);
        control<QPushButton>(tab, "ypologismos")->click();
        QVERIFY(finished.wait(120000));
    }

    std::unique_ptr<Program> program_;
};

QTEST_MAIN(SizingTabTest)
#include "sizing_tab_test.moc"
