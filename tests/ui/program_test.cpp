// The program object: the main window's buttons and menu entries open the other windows,
// one of each.
#include <QAction>
#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "program.h"
#include "ui_test_support.h"

using thalmuro::Program;
using thalmuro::testing::control;
using thalmuro::testing::ModalAnswerer;

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
