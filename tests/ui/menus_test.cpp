// The menu bar, the flow-mode marks and the column messages of the "?" labels.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "main_window.h"
#include "ui_test_support.h"

using thalmuro::FlowMode;
using thalmuro::MainWindow;
using thalmuro::testing::control;
using thalmuro::testing::ModalAnswerer;

Q_DECLARE_METATYPE(thalmuro::FlowMode)

class MenusTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        state_ = std::make_unique<thalmuro::SharedState>();
        window_ = std::make_unique<MainWindow>(*state_, thalmuro::NumberLocale::greek());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() {
        window_.reset();
        state_.reset();
    }

    void menuBar() {
        const QList<QAction*> top = window_->menuBar()->actions();
        QCOMPARE(top.size(), 6);
        const QStringList titles{"Αρχείο",  "Διαχυτήρας", "Παροχή Υπολογισμού",
                                 "Οδηγίες", "About",      "Γλώσσα / Language"};
        const QStringList menus{"Arxeio", "Thalmuro", "paroxi", "help", "", "glossa"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(top[i]->text(), titles[i]);
            QCOMPARE(top[i]->menu() ? top[i]->menu()->objectName() : QString(), menus[i]);
            QVERIFY(top[i]->shortcut().isEmpty());
        }
        QCOMPARE(top[4]->objectName(), QString("about"));

        const auto entries = [&](const char* menu) {
            QStringList texts;
            for (const QAction* a : control<QMenu>(window_.get(), menu)->actions()) {
                texts << a->objectName() + ": " + a->text();
                if (!a->shortcut().isEmpty()) texts << "shortcut " + a->shortcut().toString();
                if (!a->isEnabled()) texts << "disabled";
            }
            return texts;
        };
        QCOMPARE(entries("Thalmuro"),
                 (QStringList{"genika_Thalmuro: Γενικά για τον διαχυτήρα- Τρόπος Υπολογισμού",
                              "provoli_anaforas: Προβολή Αναφοράς", "disabled",
                              "exagogi_apotelesmaton: Εξαγωγή Αποτελεσμάτων (CSV)…", "disabled"}));
        QCOMPARE(
            entries("paroxi"),
            (QStringList{"paroxi_me_stantar: Υπολογισμος με qc=0.95qtotal",
                         "paroxi_beltisti: Υπολογισμος με βελτιστοποίηση της παροχής",
                         "paroxi_kathorismeni: Υπολογισμός με καθορισμένη απο το χρήστη σχέση qc "
                         "με qtotal"}));
        QCOMPARE(entries("help"),
                 (QStringList{"help_general: Καρτέλες με οδηγίες", "shortcut F1"}));
    }

    // F1 asks for the instructions from anywhere in the window, once, and the entry shows its
    // key when its menu is opened from the menu bar: the entry is wider than without it.
    void instructionsOnF1() {
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QSignalSpy spy(window_.get(), &MainWindow::instructionsRequested);
        for (const char* name : {"Option1", "Text5", "textdz_anipsotiron_3", "VScroll1"}) {
            auto* focus = control<QWidget>(window_.get(), name);
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key_F1);
        }
        QCOMPARE(spy.count(), 4);

        auto* entry = control<QAction>(window_.get(), "help_general");
        auto* menu = control<QMenu>(window_.get(), "help");
        const auto openedWidth = [&] {
            QMenuBar* bar = window_->menuBar();
            QTest::mouseClick(bar, Qt::LeftButton, {},
                              bar->actionGeometry(menu->menuAction()).center());
            [&] { QTRY_VERIFY(menu->isVisible()); }();
            const int width = menu->width();
            menu->close();
            return width;
        };
        const int withKey = openedWidth();
        entry->setShortcut({});
        QVERIFY(openedWidth() < withKey);
    }

    void flowMarks_data() {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QString>("marked");
        QTest::addColumn<FlowMode>("mode");
        QTest::newRow("none at start") << QStringList{} << "" << FlowMode::none;
        QTest::newRow("standard") << QStringList{"paroxi_me_stantar"} << "paroxi_me_stantar"
                                  << FlowMode::standard;
        QTest::newRow("optimised, then standard")
            << QStringList{"paroxi_beltisti", "paroxi_me_stantar"} << "paroxi_me_stantar"
            << FlowMode::standard;
        QTest::newRow("standard, then optimised")
            << QStringList{"paroxi_me_stantar", "paroxi_beltisti"} << "paroxi_beltisti"
            << FlowMode::optimised;
        QTest::newRow("user mode twice")
            << QStringList{"paroxi_kathorismeni", "paroxi_kathorismeni"} << "paroxi_kathorismeni"
            << FlowMode::user;
    }
    void flowMarks() {
        QFETCH(QStringList, chosen);
        QFETCH(QString, marked);
        QFETCH(FlowMode, mode);
        // trigger() is what a click on the entry does: a checkable entry flips its mark and
        // then reports the choice.
        for (const QString& name : chosen)
            control<QAction>(window_.get(), name)->trigger();
        for (const char* name : {"paroxi_me_stantar", "paroxi_beltisti", "paroxi_kathorismeni"}) {
            QCOMPARE(control<QAction>(window_.get(), name)->isChecked(), marked == name);
        }
        QCOMPARE(window_->input().flow_mode, mode);
    }

    void columnMessage_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("message");
        QTest::newRow("Label32")
            << "Label32"
            << "Σε αυτή τη στήλη δίνουμε τον αριθμό του πρώτου ανυψωτήρα κάθε τμήματος";
        QTest::newRow("Label33")
            << "Label33"
            << "Σε αυτή τη στήλη δίνουμε τον αριθμό του τελευταίου ανυψωτήρα κάθε τμήματος";
        QTest::newRow("Label34") << "Label34"
                                 << "Σε αυτή τη στήλη δίνουμε την διάμετρο σε m κάθε τμήματος";
        QTest::newRow("Label35") << "Label35"
                                 << "Σε αυτή τη στήλη δίνουμε την απόσταση μεταξύ των "
                                    "ανυψωτήρων του τμήματος σε m";
        QTest::newRow("Label36") << "Label36"
                                 << "Σε αυτή τη στήλη δίνουμε την υψομετρική διαφορά των "
                                    "ανυψωτήρων του τμήματος σε m";
        QTest::newRow("Label37")
            << "Label37"
            << "Σε αυτή τη στήλη δίνουμε την διαμετρο των ανυψωτήρων του τμήματος σε m";
    }
    void columnMessage() {
        QFETCH(QString, label);
        QFETCH(QString, message);
        auto* mark = control<QLabel>(window_.get(), label);
        QCOMPARE(mark->cursor().shape(), Qt::WhatsThisCursor);

        ModalAnswerer answerer;
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::Warning;
        QStringList buttons;
        Qt::WindowModality modality = Qt::NonModal;
        answerer.then([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            modality = box->windowModality();
            for (const QAbstractButton* b : box->buttons())
                buttons << b->text();
            box->buttons().constFirst()->click();
        });
        QTest::mouseClick(mark, Qt::LeftButton, {}, mark->rect().center());
        QCOMPARE(answerer.answered(), 1);
        QCOMPARE(answerer.unexpected(), 0);
        QCOMPARE(title, QString("Πληροφορία"));
        QCOMPARE(text, message);
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, QStringList{"OK"});
        QCOMPARE(modality, Qt::ApplicationModal);
    }

    // The buttons and entries that open the other windows report the request; the window
    // that is asked for is opened by whoever owns the windows.
    void openingRequests_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QByteArray>("signal");
        QTest::newRow("graphs") << "Command2" << QByteArray(SIGNAL(graphsRequested()));
        QTest::newRow("loading shaft") << "Command3" << QByteArray(SIGNAL(loadingShaftRequested()));
        QTest::newRow("generalities")
            << "genika_Thalmuro" << QByteArray(SIGNAL(generalitiesRequested()));
        QTest::newRow("instructions")
            << "help_general" << QByteArray(SIGNAL(instructionsRequested()));
        QTest::newRow("about") << "about" << QByteArray(SIGNAL(aboutRequested()));
    }
    void openingRequests() {
        QFETCH(QString, control);
        QFETCH(QByteArray, signal);
        QSignalSpy spy(window_.get(), signal.constData());
        if (auto* button = thalmuro::testing::control<QPushButton>(window_.get(), control)) {
            button->setEnabled(true);  // as after the first Solve
            button->click();
        } else {
            thalmuro::testing::control<QAction>(window_.get(), control)->trigger();
        }
        QCOMPARE(spy.count(), 1);
    }

  private:
    std::unique_ptr<thalmuro::SharedState> state_;
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(MenusTest)
#include "menus_test.moc"
