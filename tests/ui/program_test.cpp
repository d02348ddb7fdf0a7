// The program object: the main window's buttons and menu entries open the other windows,
// one of each, and the status line after a Solve that skipped steps leads to them.
#include <QAction>
#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QtTest>

#include "program.h"
#include "ui_test_support.h"

using thalmuro::Program;
using thalmuro::testing::control;
using thalmuro::testing::ModalAnswerer;

Q_DECLARE_METATYPE(thalmuro::DiffuserInput)

namespace {

// The worked example with 10 bell-mouthed risers at Q = `discharge`.
thalmuro::DiffuserInput bellExample(const char* discharge) {
    thalmuro::DiffuserInput problem = thalmuro::workedExample(thalmuro::NumberLocale::greek());
    problem.risers = "10";
    problem.total_discharge = discharge;
    problem.fitting = thalmuro::FittingType::Bell;
    return problem;
}

// Solves `problem` in the main window, asking for no report.
void solve(thalmuro::MainWindow& form1, const thalmuro::DiffuserInput& problem) {
    form1.showProblem(problem);
    ModalAnswerer answers;
    answers.then([](QWidget* prompt) { static_cast<QInputDialog*>(prompt)->reject(); });
    control<QPushButton>(&form1, "Command1")->click();
    QVERIFY(answers.allAnswered());
    QCOMPARE(answers.unexpected(), 0);
}

}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT

  private slots:
    void secondaryWindowsOpenOnceEach() {
        Program program(thalmuro::NumberLocale::greek());
        program.start();
        thalmuro::MainWindow& form1 = program.mainWindow();
        auto* check4 = control<QCheckBox>(&form1, "Check4");
        QTest::mouseClick(check4, Qt::LeftButton, {}, check4->rect().center());

        // Solve, cancelling the file name: the buttons come alive.
        ModalAnswerer answers;
        answers.then([](QWidget* prompt) { static_cast<QInputDialog*>(prompt)->reject(); });
        control<QPushButton>(&form1, "Command1")->click();
        QVERIFY(answers.allAnswered());

        control<QPushButton>(&form1, "Command2")->click();
        control<QPushButton>(&form1, "Command3")->click();
        QPointer<thalmuro::GraphWindow> graphs = program.graphWindow();
        QPointer<thalmuro::LoadingShaftWindow> shaft = program.loadingShaftWindow();
        QVERIFY(graphs && graphs->isVisible() && graphs->objectName() == "Form4");
        QVERIFY(shaft && shaft->isVisible() && shaft->objectName() == "Form6");
        QVERIFY(graphs->parent() == nullptr);  // modeless, no owner

        // A second click brings the open window forward instead of opening another.
        control<QPushButton>(&form1, "Command2")->click();
        QCOMPARE(program.graphWindow(), graphs.data());

        // Closing destroys it; the next click creates a new one.
        graphs->close();
        QTRY_VERIFY(graphs.isNull());
        QVERIFY(program.graphWindow() == nullptr);
        control<QPushButton>(&form1, "Command2")->click();
        QVERIFY(program.graphWindow() != nullptr);
        QVERIFY(shaft);

        // The graph window's legend label "Μέγιστος Επιτρεπόμενος (10)" opens the nomograph.
        QString modalName;
        answers.then([&](QWidget* modal) {
            modalName = modal->objectName();
            modal->close();
        });
        auto* label4 = control<QLabel>(program.graphWindow(), "Label4");
        QTest::mouseClick(label4, Qt::LeftButton, {}, label4->rect().center());
        QCOMPARE(modalName, QString("Form7"));
    }

    // After a Solve that skipped steps a status line below the client area tells how many
    // causes there are, and its link opens the design checks at the skipped steps; after one
    // that skipped none it is gone. The client area and its controls neither move nor change
    // size: the window grows by the line's height, and shrinks back.
    void skippedStepsLine_data() {
        QTest::addColumn<thalmuro::DiffuserInput>("problem");
        QTest::addColumn<QString>("causes");  // empty: no line
        QTest::newRow("worked example")
            << thalmuro::workedExample(thalmuro::NumberLocale::greek()) << QString();
        QTest::newRow("bell, 10 risers, Q = 0,05") << bellExample("0,05") << QString();
        // The bell's discharge coefficient has no value at the first risers: X > 1.
        QTest::newRow("bell, 10 risers, Q = 0,5") << bellExample("0,5") << "(1 αιτία)";
        thalmuro::DiffuserInput unreadableManning = bellExample("0,5");
        unreadableManning.manning = "0,0l";
        QTest::newRow("and an unreadable Manning number") << unreadableManning << "(2 αιτίες)";
    }
    void skippedStepsLine() {
        QFETCH(thalmuro::DiffuserInput, problem);
        QFETCH(QString, causes);
        Program program(thalmuro::NumberLocale::greek());
        program.start();
        thalmuro::MainWindow& form1 = program.mainWindow();
        auto* line = control<QStatusBar>(&form1, "grammi_katastasis");
        auto* text = control<QLabel>(&form1, "paraleifthenta_vimata");
        QVERIFY(line != nullptr && text != nullptr);
        const QSize windowSize = form1.size();
        const QRect clientArea = form1.centralWidget()->geometry();
        const auto* text1 = control<QLineEdit>(&form1, "Text1");
        const QPoint text1At = text1->mapTo(&form1, QPoint(0, 0));

        solve(form1, problem);
        QTRY_COMPARE(form1.centralWidget()->geometry(), clientArea);
        QCOMPARE(text1->mapTo(&form1, QPoint(0, 0)), text1At);
        if (causes.isEmpty()) {
            QVERIFY(!line->isVisible());
            QCOMPARE(form1.size(), windowSize);
            return;
        }
        QVERIFY(line->isVisible());
        QVERIFY2(text->text().contains(causes), qPrintable(text->text()));
        QCOMPARE(form1.size(), windowSize + QSize(0, line->height()));
        QVERIFY(line->geometry().top() > clientArea.bottom());

        QVERIFY(program.checksWindow() == nullptr);
        emit text->linkActivated(QStringLiteral("#paraleifthenta_vimata"));
        thalmuro::ChecksWindow* checks = program.checksWindow();
        QVERIFY(checks != nullptr && checks->isVisible());
        auto* tabs = control<QTabWidget>(checks, "karteles");
        auto* skipped = control<QLabel>(checks, "paraleifthenta_vimata");
        QCOMPARE(tabs->currentWidget()->objectName(), QString("elegxoi"));
        QCOMPARE(checks->focusWidget(), skipped);
        QVERIFY2(skipped->text().startsWith("• "), qPrintable(skipped->text()));
        // Open already, on the other tab, the window comes back to the skipped steps.
        tabs->setCurrentIndex(1);
        emit text->linkActivated(QStringLiteral("#paraleifthenta_vimata"));
        QCOMPARE(program.checksWindow(), checks);
        QCOMPARE(tabs->currentWidget()->objectName(), QString("elegxoi"));

        solve(form1, thalmuro::workedExample(thalmuro::NumberLocale::greek()));
        QVERIFY(!line->isVisible());
        QCOMPARE(form1.size(), windowSize);
        QTRY_COMPARE(form1.centralWidget()->geometry(), clientArea);
    }

    void menuEntriesOpenTheHelpWindows() {
        Program program(thalmuro::NumberLocale::greek());
        program.start();
        thalmuro::MainWindow& form1 = program.mainWindow();
        control<QAction>(&form1, "help_general")->trigger();
        control<QAction>(&form1, "genika_Thalmuro")->trigger();
        QPointer<thalmuro::help::InstructionsWindow> instructions = program.instructionsWindow();
        QVERIFY(instructions && instructions->isVisible());
        QCOMPARE(instructions->objectName(), QString("Form2"));
        QVERIFY(program.generalitiesWindow() && program.generalitiesWindow()->isVisible());
        control<QAction>(&form1, "help_general")->trigger();
        QCOMPARE(program.instructionsWindow(), instructions.data());

        ModalAnswerer answers;
        QString modalName;
        answers.then([&](QWidget* modal) {
            modalName = modal->objectName();
            modal->close();
        });
        control<QAction>(&form1, "about")->trigger();
        QCOMPARE(modalName, QString("Form5"));
    }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
