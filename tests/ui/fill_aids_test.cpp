// The fill aids Check1 to Check3 and the worked example Check4.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "main_window.h"
#include "ui_test_support.h"

using thalmuro::MainWindow;
using thalmuro::testing::control;

Q_DECLARE_METATYPE(thalmuro::NumberLocale)

class FillAidsTest : public QObject {
    Q_OBJECT

  private:
    QLineEdit* box(const QString& name) const { return control<QLineEdit>(window_.get(), name); }
    QLineEdit* cell(const QString& column, int row) const {
        return box(QString("%1_%2").arg(column).arg(row - 1));
    }
    void click(const char* name) {
        auto* check = control<QCheckBox>(window_.get(), name);
        QTest::mouseClick(check, Qt::LeftButton, {}, check->rect().center());
    }
    void open(const thalmuro::NumberLocale& locale) {
        window_ = std::make_unique<MainWindow>(*state_, locale);
        window_->show();
    }

    const QStringList columns_{"textfn",
                               "textln",
                               "textdr_thalmuro",
                               "textdxanipsotiror",
                               "textdz_anipsotiron",
                               "textdr_anipsotiron"};

  private slots:
    void init() {
        state_ = std::make_unique<thalmuro::SharedState>();
        state_->tmimata = 7;
        open(thalmuro::NumberLocale::greek());
    }
    void cleanup() {
        window_.reset();
        state_.reset();
    }

    // Ticking copies row 1 down to row N, unticking empties rows 2 to N; row 1, the rows after
    // N and the other columns stay as they were.
    void fillAid_data() {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("sections");  // Text2
        QTest::addColumn<QString>("first");     // row 1 of the column
        QTest::addColumn<int>("rows");          // rows the aid reaches
        QTest::addColumn<int>("tmimata");
        QTest::newRow("five sections") << "Check1"
                                       << "textdxanipsotiror"
                                       << "5"
                                       << "8" << 5 << 5;
        QTest::newRow("2.5 reads 2") << "Check2"
                                     << "textdz_anipsotiron"
                                     << "2.5"
                                     << "0,2" << 2 << 2;
        QTest::newRow("3.5 reads 4") << "Check3"
                                     << "textdr_anipsotiron"
                                     << "3.5"
                                     << "0,1" << 4 << 4;
        QTest::newRow("3.6 reads 4") << "Check1"
                                     << "textdxanipsotiror"
                                     << "3.6"
                                     << "7" << 4 << 4;
        QTest::newRow("2,5 reads 2") << "Check3"
                                     << "textdr_anipsotiron"
                                     << "2,5"
                                     << "1" << 2 << 2;
        QTest::newRow("empty row 1") << "Check2"
                                     << "textdz_anipsotiron"
                                     << "4"
                                     << "" << 4 << 4;
        QTest::newRow("one section") << "Check1"
                                     << "textdxanipsotiror"
                                     << "1"
                                     << "8" << 1 << 1;
        QTest::newRow("empty Text2") << "Check1"
                                     << "textdxanipsotiror"
                                     << ""
                                     << "8" << 0 << 0;
        QTest::newRow("negative") << "Check2"
                                  << "textdz_anipsotiron"
                                  << "-3"
                                  << "8" << 0 << -3;
        // The table has 30 rows: a larger count reaches all of them.
        QTest::newRow("40 sections") << "Check3"
                                     << "textdr_anipsotiron"
                                     << "40"
                                     << "9" << 30 << 40;
        QTest::newRow("16-bit maximum") << "Check1"
                                        << "textdxanipsotiror"
                                        << "32767"
                                        << "9" << 30 << 32767;
        // Outside the 16-bit range the count is not stored and no row is touched.
        QTest::newRow("beyond 16 bits") << "Check1"
                                        << "textdxanipsotiror"
                                        << "40000"
                                        << "9" << 0 << 7;
    }
    void fillAid() {
        QFETCH(QString, check);
        QFETCH(QString, column);
        QFETCH(QString, sections);
        QFETCH(QString, first);
        QFETCH(int, rows);
        QFETCH(int, tmimata);
        box("Text2")->setText(sections);
        for (const QString& c : columns_) {
            for (int row = 1; row <= 30; ++row)
                cell(c, row)->setText(QString("old %1").arg(row));
        }
        cell(column, 1)->setText(first);

        click(qPrintable(check));
        QVERIFY(control<QCheckBox>(window_.get(), qPrintable(check))->isChecked());
        QCOMPARE(state_->tmimata, tmimata);
        QCOMPARE(cell(column, 1)->text(), first);
        for (int row = 2; row <= 30; ++row) {
            QCOMPARE(cell(column, row)->text(), row <= rows ? first : QString("old %1").arg(row));
        }

        click(qPrintable(check));
        QVERIFY(!control<QCheckBox>(window_.get(), qPrintable(check))->isChecked());
        QCOMPARE(cell(column, 1)->text(), first);
        for (int row = 2; row <= 30; ++row) {
            QCOMPARE(cell(column, row)->text(),
                     row <= rows ? QString() : QString("old %1").arg(row));
        }
        for (const QString& other : columns_) {
            if (other == column) continue;
            for (int row = 1; row <= 30; ++row) {
                QCOMPARE(cell(other, row)->text(), QString("old %1").arg(row));
            }
        }
        QCOMPARE(box("Text2")->text(), sections);
    }

    void workedExample_data() {
        QTest::addColumn<thalmuro::NumberLocale>("locale");
        QTest::addColumn<QStringList>("general");  // Text1, Text2, Text4, Text5, Text6
        QTest::addColumn<QStringList>("pipes");    // textdr_thalmuro, rows 1 to 5
        QTest::addColumn<QString>("dz");
        QTest::addColumn<QString>("riser");
        QTest::newRow("Greek") << thalmuro::NumberLocale::greek()
                               << QStringList{"14", "5", "0,0307", "0,3528", "0,01"}
                               << QStringList{"0,2906", "0,3276", "0,4152", "0,4614", "0,5814"}
                               << "0,2"
                               << "0,1144";
        QTest::newRow("English") << thalmuro::NumberLocale::english()
                                 << QStringList{"14", "5", "0.0307", "0.3528", "0.01"}
                                 << QStringList{"0.2906", "0.3276", "0.4152", "0.4614", "0.5814"}
                                 << "0.2"
                                 << "0.1144";
    }
    void workedExample() {
        QFETCH(thalmuro::NumberLocale, locale);
        QFETCH(QStringList, general);
        QFETCH(QStringList, pipes);
        QFETCH(QString, dz);
        QFETCH(QString, riser);
        open(locale);
        // Text2 is empty before the click: the example is written whatever N was.
        click("Check4");

        const QStringList generalBoxes{"Text1", "Text2", "Text4", "Text5", "Text6"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(box(generalBoxes[i])->text(), general[i]);
        const QStringList first{"1", "3", "6", "9", "12"};
        const QStringList last{"2", "5", "8", "11", "14"};
        for (int row = 1; row <= 5; ++row) {
            const QStringList expected{first[row - 1], last[row - 1], pipes[row - 1], "8", dz,
                                       riser};
            for (int c = 0; c < 6; ++c)
                QCOMPARE(cell(columns_[c], row)->text(), expected[c]);
        }
        for (int row = 6; row <= 30; ++row) {
            for (const QString& c : columns_)
                QVERIFY(cell(c, row)->text().isEmpty());
        }
        // Nothing else changes: the fitting, the other aids, the flow marks.
        QVERIFY(control<QRadioButton>(window_.get(), "Option1")->isChecked());
        for (const char* name : {"Check1", "Check2", "Check3"}) {
            QVERIFY(!control<QCheckBox>(window_.get(), name)->isChecked());
        }
        QCOMPARE(window_->input().flow_mode, thalmuro::FlowMode::none);
    }

    // Unticking empties rows 1 to N, N read from Text2 before it is emptied, then the five
    // general boxes.
    void untickExample_data() {
        QTest::addColumn<QString>("sections");  // Text2 when Check4 is unticked
        QTest::addColumn<int>("rows");
        QTest::newRow("as loaded") << "5" << 5;
        QTest::newRow("Text2 edited to 3") << "3" << 3;
        QTest::newRow("Text2 emptied") << "" << 0;
        QTest::newRow("40 sections") << "40" << 30;
        QTest::newRow("beyond 16 bits") << "1e6" << 0;
    }
    void untickExample() {
        QFETCH(QString, sections);
        QFETCH(int, rows);
        click("Check4");
        for (const QString& c : columns_) {
            for (int row = 6; row <= 30; ++row)
                cell(c, row)->setText("kept");
        }
        box("Text2")->setText(sections);
        const QString exampleRow4 = cell("textdr_thalmuro", 4)->text();

        click("Check4");
        for (const char* name : {"Text1", "Text2", "Text4", "Text5", "Text6"}) {
            QVERIFY2(box(name)->text().isEmpty(), name);
        }
        for (int row = 1; row <= 30; ++row) {
            for (const QString& c : columns_) {
                if (row <= rows) {
                    QVERIFY(cell(c, row)->text().isEmpty());
                } else if (row > 5) {
                    QCOMPARE(cell(c, row)->text(), QString("kept"));
                } else {
                    QVERIFY(!cell(c, row)->text().isEmpty());
                }
            }
        }
        if (rows < 4) QCOMPARE(cell("textdr_thalmuro", 4)->text(), exampleRow4);
    }

    // Assistive technology ticks and unticks a box through its toggle action; the form changes
    // exactly as it does for mouse clicks, and each toggle is one click.
    void accessibleToggle_data() {
        QTest::addColumn<QString>("check");
        QTest::addColumn<QString>("changed");  // a box that the tick fills and the untick empties
        QTest::addColumn<QString>("filled");
        QTest::newRow("same spacing") << "Check1"
                                      << "textdxanipsotiror_3"
                                      << "0,5";
        QTest::newRow("same elevation step") << "Check2"
                                             << "textdz_anipsotiron_3"
                                             << "0,5";
        QTest::newRow("same riser diameter") << "Check3"
                                             << "textdr_anipsotiron_3"
                                             << "0,5";
        QTest::newRow("worked example") << "Check4"
                                        << "Text1"
                                        << "14";
    }
    void accessibleToggle() {
        QFETCH(QString, check);
        QFETCH(QString, changed);
        QFETCH(QString, filled);
        thalmuro::SharedState mouseState;
        mouseState.tmimata = 7;
        MainWindow mouseWindow(mouseState, thalmuro::NumberLocale::greek());
        mouseWindow.show();
        const auto allTexts = [](const MainWindow& window) {
            QStringList texts;
            for (const QLineEdit* text : window.findChildren<QLineEdit*>())
                texts << text->objectName() + "=" + text->text();
            return texts;
        };
        for (MainWindow* window : {window_.get(), &mouseWindow}) {
            control<QLineEdit>(window, "Text2")->setText("4");
            for (const QString& c : columns_)
                control<QLineEdit>(window, c + "_0")->setText("0,5");
        }
        auto* toggled = control<QCheckBox>(window_.get(), check);
        auto* clicked = control<QCheckBox>(&mouseWindow, check);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(toggled);
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->role(), QAccessible::CheckBox);
        QCOMPARE(accessible->text(QAccessible::Name), toggled->text());
        QAccessibleActionInterface* actions = accessible->actionInterface();
        QVERIFY(actions != nullptr);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));

        QSignalSpy toggleClicks(toggled, &QCheckBox::clicked);
        QSignalSpy mouseClicks(clicked, &QCheckBox::clicked);
        for (const bool ticked : {true, false}) {
            actions->doAction(QAccessibleActionInterface::toggleAction());
            QTest::mouseClick(clicked, Qt::LeftButton, {}, clicked->rect().center());
            QCOMPARE(toggled->isChecked(), ticked);
            QCOMPARE(clicked->isChecked(), ticked);
            QCOMPARE(accessible->state().checked, ticked);
            QCOMPARE(box(changed)->text(), ticked ? filled : QString());
            QCOMPARE(allTexts(*window_), allTexts(mouseWindow));
            QCOMPARE(state_->tmimata, mouseState.tmimata);
        }
        QCOMPARE(toggleClicks.count(), 2);
        QCOMPARE(mouseClicks.count(), 2);
    }

  private:
    std::unique_ptr<thalmuro::SharedState> state_;
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(FillAidsTest)
#include "fill_aids_test.moc"
