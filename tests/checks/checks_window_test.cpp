// The design-check window as the program opens it: its menu entry, one window that follows
// every Solve, the checks of the worked example, and the operating conditions: bad lists, a run
// stopped or cut short by closing, the CSV export; the window in English and in Greek.
#include <QAbstractAxis>
#include <QAbstractSeries>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "check_texts.h"
#include "checks_window.h"
#include "conditions_tab.h"
#include "language.h"
#include "program.h"
#include "shown_texts.h"
#include "ui_test_support.h"
#include "window_texts.h"

using thalmuro::ChecksWindow;
using thalmuro::ConditionsTab;
using thalmuro::Language;
using thalmuro::Program;
using thalmuro::SharedState;
using thalmuro::testing::allTexts;
using thalmuro::testing::control;
using thalmuro::testing::ModalAnswerer;
using thalmuro::testing::otherLanguageLines;

Q_DECLARE_METATYPE(thalmuro::Language)

namespace {

// The columns of the table of checks that the tests read.
constexpr int kVerdictColumn = 3;
constexpr int kValuesColumn = 4;
constexpr int kConcernedColumn = 5;

bool sameState(const SharedState& a, const SharedState& b) {
    const thalmuro::DiffuserResults& x = a.results;
    const thalmuro::DiffuserResults& y = b.results;
    return x.specific_energy == y.specific_energy && x.cd == y.cd && x.v_diffuser == y.v_diffuser &&
           x.v_riser == y.v_riser && x.froude == y.froude && x.f_section == y.f_section &&
           x.f_riser == y.f_riser && x.n_risers == y.n_risers && x.drho == y.drho &&
           x.q_total == y.q_total && x.q_riser == y.q_riser && x.q_pipe == y.q_pipe &&
           x.d_pipe == y.d_pipe && a.tmimata == b.tmimata && a.manning == b.manning && a.g == b.g &&
           a.p == b.p;
}

// Records a message box's text and presses its first button.
ModalAnswerer::Handler readMessage(QString* text) {
    return [text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) return modal->close(), void();
        *text = box->text();
        box->buttons().constFirst()->click();
    };
}

// Fills the list of conditions with `rows` ("Q|Δρ/ρ"), the whole list `repeat` times.
void setConditions(ConditionsTab* tab, const QStringList& rows, int repeat = 1) {
    auto* table = control<QTableWidget>(tab, "pinakas_synthikon");
    table->setRowCount(0);
    table->setRowCount(static_cast<int>(rows.size()) * repeat);
    for (int copy = 0; copy < repeat; ++copy) {
        for (int i = 0; i < rows.size(); ++i) {
            const QStringList cells = rows[i].split('|');
            const int row = copy * static_cast<int>(rows.size()) + i;
            for (int column = 0; column < 2; ++column)
                table->setItem(row, column, new QTableWidgetItem(cells.value(column)));
        }
    }
}

// The designs the window is tried with, each showing a different part of it.
enum class Design {
    workedExample,  // every check judged, nothing skipped, both marches balanced
    lowFlow,        // discharges the march could not compute: the notice and the estimates
    withoutRisers,  // skipped steps, nothing judged, neither march balanced
};

}  // namespace

Q_DECLARE_METATYPE(Design)
Q_DECLARE_METATYPE(thalmuro::Verdict)

class ChecksWindowTest : public QObject {
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

    // Like Command2, the entry waits for the first Solve; it comes last in its menu, and
    // every request afterwards brings up the one window until it is closed.
    void entryAndOneWindow() {
        auto* entry = control<QAction>(&form1(), "elegxos_sxediasmou");
        QVERIFY(entry != nullptr);
        QCOMPARE(entry->text(), QString("Έλεγχος Σχεδιασμού"));
        const QList<QAction*> entries = control<QMenu>(&form1(), "Thalmuro")->actions();
        QCOMPARE(entries.size(), 4);
        QCOMPARE(entries[0]->objectName(), QString("genika_Thalmuro"));
        QCOMPARE(entries.back(), entry);
        QVERIFY(!entry->isEnabled());
        entry->trigger();
        QVERIFY(program_->checksWindow() == nullptr);

        solveWorkedExample();
        QVERIFY(entry->isEnabled());
        entry->trigger();
        QPointer<ChecksWindow> window = program_->checksWindow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->objectName(), QString("Form8"));
        QVERIFY(window->parent() == nullptr);
        entry->trigger();
        QCOMPARE(program_->checksWindow(), window.data());

        window->close();
        QTRY_VERIFY(window.isNull());
        QVERIFY(program_->checksWindow() == nullptr);
        entry->trigger();
        QVERIFY(program_->checksWindow() != nullptr);
    }

    // Froude above 10 at all 14 risers of the worked example: a warning, by its symbol as
    // well as its colour, naming the risers.
    void workedExampleFroudeWarning() {
        ChecksWindow* window = openAfterWorkedExample();
        const int row = checkRow("froude_max");
        auto* table = control<QTableWidget>(window, "pinakas_elegxon");
        const QTableWidgetItem* verdict = table->item(row, kVerdictColumn);
        QCOMPARE(verdict->text(), QString("⚠ Προειδοποίηση"));
        QCOMPARE(verdict->background().color(),
                 thalmuro::verdictLook(thalmuro::Verdict::warning).background);
        QCOMPARE(table->item(row, kConcernedColumn)->text(), QString("Ανυψωτήρες 1–14"));
        QVERIFY(table->item(row, kValuesColumn)->text().startsWith("Μέγιστος Fr = "));
        QCOMPARE(table->item(checkRow("froude_min"), kVerdictColumn)->text(),
                 QString("✔ Ικανοποιείται"));
        QCOMPARE(control<QLabel>(window, "paraleifthenta_vimata")->text(),
                 QString("Κανένα βήμα δεν παραλείφθηκε."));
    }

    // Without risers nothing can be judged: the checks say so, the skipped steps are listed,
    // and the cross-check gives no figure but says in Greek that the marches did not balance.
    void designThatCannotBeJudged() {
        ChecksWindow* window = openAfter(Design::withoutRisers);

        auto* table = control<QTableWidget>(window, "pinakas_elegxon");
        QCOMPARE(table->item(checkRow("froude_max"), kVerdictColumn)->text(),
                 QString("– Δεν κρίνεται"));
        QCOMPARE(table->item(checkRow("froude_max"), kValuesColumn)->text(), QString("—"));
        QVERIFY(control<QLabel>(window, "paraleifthenta_vimata")->text().startsWith("• "));
        QVERIFY(control<QLabel>(window, "diastavrosi_diafora")
                    ->text()
                    .startsWith("Η διαφορά δεν υπολογίζεται: "));
        QVERIFY(
            control<QLabel>(window, "diastavrosi_apotelesma")->text().startsWith("– Δεν κρίνεται"));
    }

    // Ten bell-mouthed risers on a level bed at start-up flow: the march cannot compute the
    // discharges of risers 2 to 5. The window says why and what to change above the table,
    // answers the Froude questions with estimates marked as such, and says in the other rows
    // and in the cross-check which risers were left without a discharge. The worked example
    // shows no such notice.
    void lowFlowBellMouth() {
        ChecksWindow* window = openAfterWorkedExample();
        auto* notice = control<QLabel>(window, "paroxi_anypologisti");
        QVERIFY(notice->isHidden());

        solveLowFlow();

        QVERIFY(!notice->isHidden());
        QVERIFY2(notice->text().startsWith("Δεν υπολογίστηκε η παροχή των ανυψωτήρων 2–5. "),
                 qPrintable(notice->text()));
        QVERIFY(notice->text().contains("συναρμογής Bell"));
        QVERIFY(notice->text().contains("Q/N = 0,00100 m³/s"));
        QVERIFY(notice->text().contains("\nΤι να αλλάξετε: λιγότερους ανυψωτήρες"));
        auto* table = control<QTableWidget>(window, "pinakas_elegxon");
        const int froude = checkRow("froude_min");
        QCOMPARE(table->item(froude, kVerdictColumn)->text(),
                 QString("⚠ Προειδοποίηση (εκτίμηση)"));
        QVERIFY(table->item(froude, kValuesColumn)->text().startsWith("Ελάχιστος Fr = 0,52 "));
        QVERIFY(table->item(froude, kValuesColumn)->text().contains("εκτίμηση"));
        QCOMPARE(table->item(froude, kConcernedColumn)->text(), QString("Ανυψωτήρες 1–10"));
        QCOMPARE(table->item(checkRow("uniformity"), kVerdictColumn)->text(),
                 QString("– Δεν κρίνεται"));
        QCOMPARE(table->item(checkRow("uniformity"), kValuesColumn)->text(),
                 QString("Δεν υπολογίστηκε η παροχή των ανυψωτήρων 2–5"));
        const QString crossCheck = control<QLabel>(window, "diastavrosi_diafora")->text();
        QVERIFY2(crossCheck.contains("\nΠρόγραμμα: Δεν υπολογίστηκε η παροχή των ανυψωτήρων 2–5 "
                                     "με παροχή ανυψωτήρα 1 qc = 0,00100 m³/s (X = "),
                 qPrintable(crossCheck));

        form1().showProblem(thalmuro::workedExample(thalmuro::NumberLocale::greek()));
        solveWorkedExample(false);
        QVERIFY(notice->isHidden());
    }

    // The window shows each new Solve; what it shows is the store as that Solve left it,
    // whatever a fill aid writes afterwards. Results of operating conditions stay, marked as
    // those of the earlier design, while the untouched list takes the new defaults.
    void followsEverySolve() {
        ChecksWindow* window = openAfterWorkedExample();
        ConditionsTab* tab = window->conditionsTab();
        QSignalSpy finished(tab, &ConditionsTab::runFinished);
        control<QPushButton>(tab, "ypologismos")->click();
        QVERIFY(finished.wait(60000));
        QCOMPARE(tab->results().size(), std::size_t{5});
        QVERIFY(!tab->resultsOutdated());

        control<QLineEdit>(&form1(), "Text5")->setText("0,2");
        solveWorkedExample(false);
        auto* table = control<QTableWidget>(window, "pinakas_elegxon");
        QVERIFY(table->item(checkRow("balance_error"), kValuesColumn)
                    ->text()
                    .contains("Q = 0,20000 m³/s"));
        QCOMPARE(control<QTableWidget>(tab, "pinakas_synthikon")->item(0, 0)->text(),
                 QString("0,05"));
        QCOMPARE(tab->results().size(), std::size_t{5});
        QVERIFY(tab->resultsOutdated());
        QVERIFY(!control<QLabel>(tab, "palaia_apotelesmata")->isHidden());

        // A fill aid reads Text2 into tmimata; the checks, run again for a new velocity,
        // still see the five sections of the Solve.
        control<QLineEdit>(&form1(), "Text2")->setText("2");
        control<QCheckBox>(&form1(), "Check1")->click();
        QCOMPARE(program_->state().tmimata, std::int16_t{2});
        auto* velocity = control<QLineEdit>(window, "taxytita_aftokatharismou");
        velocity->setText("0,8");
        emit velocity->textEdited(velocity->text());
        const QString speeds = table->item(checkRow("pipe_velocity"), kValuesColumn)->text();
        QVERIFY2(speeds.contains(" · 5: "), qPrintable(speeds));
        QVERIFY(table->item(checkRow("pipe_velocity"), 1)->text().contains("0,8 m/s"));
    }

    // A list that cannot be solved is named to the user, row by row, and nothing is solved.
    void badConditionLists_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("repeat");
        QTest::addColumn<QString>("message");
        const Language greek = Language::greek;
        const Language english = Language::english;
        QTest::newRow("empty list")
            << greek << QStringList{} << 1 << "Ο κατάλογος των συνθηκών είναι κενός.";
        QTest::newRow("unreadable Q")
            << greek << QStringList{"0,1|0,03", "abc|0,03"} << 1
            << "Γραμμή 2: η ολική παροχή Q «abc» δεν διαβάζεται ως αριθμός";
        QTest::newRow("missing Δρ/ρ")
            << greek << QStringList{"0,1|"} << 1 << "Γραμμή 1: δεν δόθηκε το Δρ/ρ.";
        QTest::newRow("zero Q") << greek << QStringList{"0,1|0,03", "0,2|0,03", "0|0,03"} << 1
                                << "Γραμμή 3: η ολική παροχή Q πρέπει να είναι θετικός αριθμός.";
        QTest::newRow("negative Δρ/ρ") << greek << QStringList{"0,1|-0,03"} << 1
                                       << "Γραμμή 1: το Δρ/ρ πρέπει να είναι θετικός αριθμός.";
        QTest::newRow("too many") << greek << QStringList{"0,1|0,03"}
                                  << static_cast<int>(thalmuro::kMaxConditions) + 1
                                  << "Ο κατάλογος έχει 10001 συνθήκες";
        QTest::newRow("English: empty list")
            << english << QStringList{} << 1 << "The list of conditions is empty.";
        QTest::newRow("English: unreadable Q")
            << english << QStringList{"0,1|0,03", "abc|0,03"} << 1
            << "Row 2: the total discharge Q “abc” does not read as a number (write e.g. 0,35).";
        QTest::newRow("English: missing Δρ/ρ")
            << english << QStringList{"0,1|"} << 1 << "Row 1: Δρ/ρ is not given.";
        QTest::newRow("English: zero Q") << english << QStringList{"0,1|0,03", "0|0,03"} << 1
                                         << "Condition 2: Q is not a positive number.";
    }
    void badConditionLists() {
        QFETCH(Language, language);
        QFETCH(QStringList, rows);
        QFETCH(int, repeat);
        QFETCH(QString, message);
        thalmuro::setInterfaceLanguage(language);
        ConditionsTab* tab = openAfterWorkedExample()->conditionsTab();
        const SharedState before = program_->state();
        setConditions(tab, rows, repeat);

        ModalAnswerer answers;
        QString shown;
        answers.then(readMessage(&shown));
        control<QPushButton>(tab, "ypologismos")->click();
        QCOMPARE(answers.answered(), 1);
        QVERIFY2(shown.startsWith(message), qPrintable(shown));
        QVERIFY(!tab->running());
        QVERIFY(tab->results().empty());
        QVERIFY(sameState(before, program_->state()));
    }

    // Διακοπή, or closing the window, ends a long run early; the program's store is not
    // touched either way.
    void runCanBeStopped_data() {
        QTest::addColumn<bool>("closeWindow");
        QTest::newRow("stop button") << false;
        QTest::newRow("closing the window") << true;
    }
    void runCanBeStopped() {
        QFETCH(bool, closeWindow);
        QPointer<ChecksWindow> window = openAfterWorkedExample();
        ConditionsTab* tab = window->conditionsTab();
        const SharedState before = program_->state();
        setConditions(tab, {"0,3528|0,0307", "0,1764|0,0307"},
                      static_cast<int>(thalmuro::kMaxConditions) / 2);
        QSignalSpy finished(tab, &ConditionsTab::runFinished);
        control<QPushButton>(tab, "ypologismos")->click();
        QVERIFY(tab->running());
        QVERIFY(!control<QPushButton>(tab, "ypologismos")->isEnabled());

        if (closeWindow) {
            window->close();
            QTRY_VERIFY(window.isNull());
        } else {
            control<QPushButton>(tab, "diakopi")->click();
            QVERIFY(finished.wait(60000));
            QVERIFY(tab->results().size() < thalmuro::kMaxConditions);
            QVERIFY(
                control<QLabel>(tab, "katastasi")->text().startsWith("Ο υπολογισμός διακόπηκε"));
            QVERIFY(control<QPushButton>(tab, "ypologismos")->isEnabled());
        }
        QVERIFY(sameState(before, program_->state()));
    }

    // Εξαγωγή CSV… writes the engine's CSV of the results shown, through the safe writer, and
    // says in Greek why it could not.
    void csvExport_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("existing");
        QTest::addColumn<QString>("failure");
        QTest::newRow("new file") << "synthikes.csv" << false << QString();
        QTest::newRow("replacing a file") << "old.csv" << true << QString();
        QTest::newRow("missing folder") << "missing/synthikes.csv" << false
                                        << "Το αρχείο «synthikes.csv» δεν γράφτηκε.\n"
                                           "Ο φάκελος που δόθηκε δεν υπάρχει.";
    }
    void csvExport() {
        QFETCH(QString, name);
        QFETCH(bool, existing);
        QFETCH(QString, failure);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (existing) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        ConditionsTab* tab = openAfterWorkedExample()->conditionsTab();
        QSignalSpy finished(tab, &ConditionsTab::runFinished);
        control<QPushButton>(tab, "ypologismos")->click();
        QVERIFY(finished.wait(60000));

        ModalAnswerer answers;
        answers.then([path](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (dialog == nullptr) return modal->close(), void();
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        QString question;
        if (existing) {
            answers.then([&question](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                if (box == nullptr) return modal->close(), void();
                question = box->text();
                for (QAbstractButton* button : box->buttons()) {
                    if (button->text() == "Αντικατάσταση") button->click();
                }
            });
        }
        QString shown;
        if (!failure.isEmpty()) answers.then(readMessage(&shown));
        control<QPushButton>(tab, "exagogi_csv")->click();
        QVERIFY(answers.allAnswered());
        QCOMPARE(answers.unexpected(), 0);

        QFile written(path);
        if (!failure.isEmpty()) {
            QCOMPARE(shown, failure);
            QVERIFY(!written.exists());
            return;
        }
        if (existing)
            QCOMPARE(question, QString("Το αρχείο «old.csv» υπάρχει ήδη.\nΝα αντικατασταθεί;"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const std::string csv = written.readAll().toStdString();
        QCOMPARE(csv,
                 "\xEF\xBB\xBF" + thalmuro::conditionsCsv(
                                      tab->results(), thalmuro::NumberLocale::greek(),
                                      thalmuro::conditionsCsvWords(thalmuro::Language::greek)));
        // The windows' language heads the columns, as the table of the tab does.
        QCOMPARE(csv.substr(0, csv.find(";Fr ≥ 1;")),
                 std::string("\xEF\xBB\xBFQ (m³/s);Δρ/ρ;qc (m³/s);ΣQ (m³/s);e (%);E χερσαίου (m);"
                             "Fr ελάχ.;Fr μέγ.;q μέγ. (m³/s);q ελάχ. (m³/s)"));
    }

    // The line at the top says at a glance whether the design holds, in the colours of its
    // verdict; under the table each warning comes with its remedy; the cross-check labels each
    // landward head by the march that computed it.
    void overallVerdictAndRemedies_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<Design>("design");
        QTest::addColumn<thalmuro::Verdict>("overall");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("remedies");   // the first two lines; empty: hidden
        QTest::addColumn<QStringList>("heads");  // the labels of the heads; none: hidden
        using thalmuro::Verdict;
        QTest::newRow("Greek, worked example")
            << Language::greek << Design::workedExample << Verdict::warning
            << QString(
                   "⚠ 3 προειδοποιήσεις: Μέγιστος πυκνομετρικός αριθμός Froude, Ομοιομορφία "
                   "παροχών ανυψωτήρων, Σφάλμα ισοζυγίου παροχών · Διασταύρωση: "
                   "προειδοποίηση, η κλασική μέθοδος στομίων δίνει ενέργεια χερσαίου άκρου "
                   "μεγαλύτερη κατά περισσότερο από 5 %")
            << QString(
                   "Αντιμετώπιση:\n• Μέγιστος πυκνομετρικός αριθμός Froude: Μεγαλύτερες "
                   "διάμετροι ανυψωτήρων ή περισσότεροι ανυψωτήρες φέρνουν τον αριθμό Froude "
                   "μέσα στο νομογράφημα· αλλιώς η αραίωση εκτιμάται με άλλη μέθοδο "
                   "(νομογράφημα του Abraham).")
            << QStringList{"Ενέργεια χερσαίου άκρου — μέθοδος προγράμματος",
                           "Ενέργεια χερσαίου άκρου — κλασική μέθοδος στομίων"};
        QTest::newRow("English, worked example")
            << Language::english << Design::workedExample << Verdict::warning
            << QString(
                   "⚠ 3 warnings: Largest densimetric Froude number, Uniformity of the riser "
                   "discharges, Discharge balance error · Cross-check: warning, the classical "
                   "port formulation gives a landward head more than 5 % higher")
            << QString(
                   "Remedy:\n• Largest densimetric Froude number: Larger riser diameters or "
                   "more risers bring the Froude number back within the nomograph; otherwise "
                   "estimate the dilution by another method (Abraham's nomograph).")
            << QStringList{"Landward head, program's march",
                           "Landward head, classical port formulation"};
        QTest::newRow("Greek, without risers")
            << Language::greek << Design::withoutRisers << Verdict::warning
            << QString("⚠ 1 προειδοποίηση: Βήματα που παραλείφθηκαν · Δεν κρίνονται: ")
            << QString(
                   "Αντιμετώπιση:\n• Βήματα που παραλείφθηκαν: Διορθώστε τα πλαίσια και τις "
                   "γραμμές που ονομάζουν τα βήματα που παραλείφθηκαν και επιλύστε ξανά "
                   "(κανόνας του προγράμματος).")
            << QStringList{};
    }
    void overallVerdictAndRemedies() {
        QFETCH(Language, language);
        QFETCH(Design, design);
        QFETCH(thalmuro::Verdict, overall);
        QFETCH(QString, line);
        QFETCH(QString, remedies);
        QFETCH(QStringList, heads);
        thalmuro::setInterfaceLanguage(language);
        ChecksWindow* window = openAfter(design);

        auto* verdict = control<QLabel>(window, "synoliki_krisi");
        QVERIFY(!verdict->isHidden());
        QVERIFY2(verdict->text().startsWith(line), qPrintable(verdict->text()));
        const thalmuro::VerdictLook look = thalmuro::verdictLook(overall);
        QVERIFY(verdict->styleSheet().contains(look.background.name()));
        QVERIFY(verdict->styleSheet().contains(look.text.name()));
        QVERIFY(verdict->styleSheet().contains("font-weight: bold"));

        auto* remedy = control<QLabel>(window, "antimetopisi");
        QCOMPARE(remedy->isHidden(), remedies.isEmpty());
        if (!remedies.isEmpty()) {
            const QStringList lines = remedy->text().split(u'\n');
            QCOMPARE(lines.mid(0, 2).join(u'\n'), remedies);
        }

        auto* crossHeads = control<QLabel>(window, "diastavrosi_energeies");
        QCOMPARE(crossHeads->isHidden(), heads.isEmpty());
        if (!heads.isEmpty()) {
            const QRegularExpression labelled(
                QStringLiteral("^%1: [0-9,.]+ m   ·   %2: [0-9,.]+ m$")
                    .arg(QRegularExpression::escape(heads[0]),
                         QRegularExpression::escape(heads[1])));
            QVERIFY2(labelled.match(crossHeads->text()).hasMatch(), qPrintable(crossHeads->text()));
        }
    }

    // In each language the window shows no text of the other, whatever it shows: the checks,
    // the low-flow notice and the estimates, skipped steps, a cross-check that balanced or not,
    // and operating conditions solved, with their table and chart.
    void eachLanguageAlone_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<Design>("design");
        const struct {
            const char* name;
            Design design;
        } designs[] = {{"worked example", Design::workedExample},
                       {"low flow", Design::lowFlow},
                       {"without risers", Design::withoutRisers}};
        for (const Language language : {Language::english, Language::greek}) {
            for (const auto& design : designs) {
                QTest::addRow("%s, %s", language == Language::english ? "English" : "Greek",
                              design.name)
                    << language << design.design;
            }
        }
    }
    void eachLanguageAlone() {
        QFETCH(Language, language);
        QFETCH(Design, design);
        thalmuro::setInterfaceLanguage(language);
        ChecksWindow* window = openAfter(design);
        calculate(window->conditionsTab());
        QVERIFY(!window->conditionsTab()->results().empty());
        const QStringList other = otherLanguageLines(allTexts(*window), language);
        QVERIFY2(other.isEmpty(), qPrintable(other.join(u'\n')));
    }

    // Switching the language of an open window words again all it shows and keeps it: the
    // checks with the velocity typed (and a later unreadable one), the low-flow notice, the
    // cross-check, the list of conditions typed and their results. Back in Greek every text is
    // as it was.
    void switchingKeepsResults() {
        ChecksWindow* window = openAfter(Design::lowFlow);
        ConditionsTab* tab = window->conditionsTab();
        setConditions(tab, {"0,01|0,0307", "0,02|0,0307", "0,005|0,025"});
        calculate(tab);
        auto* velocity = control<QLineEdit>(window, "taxytita_aftokatharismou");
        for (const char* typed : {"0,8", "0,8 m/s"}) {
            velocity->setText(typed);
            emit velocity->textEdited(velocity->text());
        }
        const QStringList results = resultFigures(*tab);
        QCOMPARE(results.size(), 3);
        const QStringList greek = allTexts(*window);

        thalmuro::setInterfaceLanguage(Language::english);
        const QStringList english = allTexts(*window);
        QVERIFY2(otherLanguageLines(english, Language::english).isEmpty(),
                 qPrintable(otherLanguageLines(english, Language::english).join(u'\n')));
        QCOMPARE(resultFigures(*tab), results);
        QCOMPARE(velocity->text(), QString("0,8 m/s"));
        QCOMPARE(window->windowTitle(), QString("DESIGN CHECK"));
        QCOMPARE(control<QLabel>(window, "taxytita_ypodeixi")->text(),
                 QString("Enter a positive number, e.g. 0,6"));
        QVERIFY(control<QLabel>(window, "paroxi_anypologisti")
                    ->text()
                    .startsWith("The discharge of risers 2–5 was not computed. "));
        auto* table = control<QTableWidget>(window, "pinakas_elegxon");
        const int froude = checkRow("froude_min");
        QCOMPARE(table->item(froude, kVerdictColumn)->text(), QString("⚠ Warning (estimate)"));
        QVERIFY(table->item(froude, kValuesColumn)->text().startsWith("Smallest Fr = 0,52 "));
        QCOMPARE(table->item(froude, kConcernedColumn)->text(), QString("Risers 1–10"));
        QCOMPARE(table->item(checkRow("pipe_velocity"), 1)->text(),
                 QString("Largest pipe velocity of every section ≥ 0,8 m/s"));
        QVERIFY(control<QLabel>(window, "diastavrosi_diafora")
                    ->text()
                    .contains("\nProgram: The discharge of risers 2–5 was not computed with the "
                              "riser 1 discharge qc = 0,00100 m³/s (X = "));
        QCOMPARE(control<QLabel>(tab, "katastasi")->text(), QString("All 3 conditions solved."));

        thalmuro::setInterfaceLanguage(Language::greek);
        QCOMPARE(allTexts(*window), greek);
        QCOMPARE(resultFigures(*tab), results);
    }

  private:
    thalmuro::MainWindow& form1() { return program_->mainWindow(); }

    // Ten bell-mouthed risers on a level bed at start-up flow, solved from the worked example
    // in the main window: the march cannot compute the discharges of risers 2 to 5.
    void solveLowFlow() {
        thalmuro::DiffuserInput design = form1().input();
        design.risers = "10";
        design.sections = "4";
        design.total_discharge = "0,01";
        design.fitting = thalmuro::FittingType::Bell;
        design.rows[4] = {};
        for (std::size_t s = 0; s < 4; ++s)
            design.rows[s].elevation_step = "0";
        form1().showProblem(design);
        solveWorkedExample(false);
    }

    // Solves `design` in the main window and opens the check window on it.
    ChecksWindow* openAfter(Design design) {
        solveWorkedExample();
        switch (design) {
            case Design::workedExample:
                break;
            case Design::lowFlow:
                solveLowFlow();
                break;
            case Design::withoutRisers:
                control<QLineEdit>(&form1(), "Text1")->setText("");
                solveWorkedExample(false);
                break;
        }
        control<QAction>(&form1(), "elegxos_sxediasmou")->trigger();
        return program_->checksWindow();
    }

    // Solves the tab's list of conditions and waits for the results.
    static void calculate(ConditionsTab* tab) {
        QSignalSpy finished(tab, &ConditionsTab::runFinished);
        control<QPushButton>(tab, "ypologismos")->click();
        QVERIFY(finished.wait(60000));
    }

    // The conditions solved and what came of them, one line each.
    static QStringList resultFigures(const ConditionsTab& tab) {
        QStringList lines;
        for (const thalmuro::ConditionResult& result : tab.results()) {
            QString line = QStringLiteral("%1 %2 %3 %4")
                               .arg(result.condition.q)
                               .arg(result.condition.drho)
                               .arg(result.landward_head)
                               .arg(result.froude_min);
            for (const thalmuro::CheckResult& check : result.checks)
                line += QLatin1Char(' ') + QString::number(static_cast<int>(check.verdict));
            lines << line;
        }
        return lines;
    }

    // Solves what the main window holds (the worked example, ticked first when asked),
    // cancelling the report's file name.
    void solveWorkedExample(bool tick = true) {
        if (tick) {
            auto* check4 = control<QCheckBox>(&form1(), "Check4");
            QTest::mouseClick(check4, Qt::LeftButton, {}, check4->rect().center());
        }
        ModalAnswerer answers;
        answers.then([](QWidget* prompt) { static_cast<QInputDialog*>(prompt)->reject(); });
        control<QPushButton>(&form1(), "Command1")->click();
        QVERIFY(answers.allAnswered());
    }

    ChecksWindow* openAfterWorkedExample() {
        solveWorkedExample();
        control<QAction>(&form1(), "elegxos_sxediasmou")->trigger();
        return program_->checksWindow();
    }

    // The row of the check called `name` in the table of checks.
    static int checkRow(std::string_view name) {
        const auto& thresholds = thalmuro::checkThresholds();
        for (std::size_t i = 0; i < thresholds.size(); ++i) {
            if (thresholds[i].name == name) return static_cast<int>(i);
        }
        return -1;
    }

    std::unique_ptr<Program> program_;
};

QTEST_MAIN(ChecksWindowTest)
#include "checks_window_test.moc"
