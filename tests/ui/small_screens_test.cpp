// The windows whose controls stand at fixed places, on screens too small for them: each fits
// the screen's available area and scrolls its client area, every control can be reached and
// used, and on a large screen everything is as it always was. The screens are those of
// tests/data/screens.json: "desk" (1600 x 1200 at 100 %, where the other window tests run),
// "laptop" (1366 x 768 at 125 %), "hidpi" (1600 x 1200 at 200 %) and "tiny" (320 x 240).
#include <QCheckBox>
#include <QFrame>
#include <QInputDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>
#include <QtTest>
#include <algorithm>
#include <vector>

#include "graph_window.h"
#include "help_windows.h"
#include "information_windows.h"
#include "loading_shaft_window.h"
#include "main_window.h"
#include "thalmuro/engine.h"
#include "twips.h"
#include "ui_test_support.h"

using thalmuro::testing::control;
using thalmuro::testing::ModalAnswerer;

namespace {

QScreen* screenNamed(const QString& name) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == name) return screen;
    }
    return nullptr;
}

// The window called `name` ("Form1" ... "Form7"), as the program makes it.
QWidget* makeWindow(const QString& name, thalmuro::SharedState& state) {
    const thalmuro::NumberLocale greek = thalmuro::NumberLocale::greek();
    if (name == "Form1") return new thalmuro::MainWindow(state, greek);
    if (name == "Form2") return new thalmuro::help::InstructionsWindow;
    if (name == "Form3") return new thalmuro::help::GeneralitiesWindow;
    if (name == "Form4") return new thalmuro::GraphWindow(state.results, greek);
    if (name == "Form5") return new thalmuro::help::AboutWindow;
    if (name == "Form6") return new thalmuro::LoadingShaftWindow(state.results, greek);
    return new thalmuro::help::NomographWindow;
}

// The widget whose area holds the controls: a main window's central widget, or the window.
QWidget* clientOf(QWidget* window) {
    auto* main = qobject_cast<QMainWindow*>(window);
    return main != nullptr ? main->centralWidget() : window;
}

QScrollArea* scrollArea(const QWidget* window) {
    return window->findChild<QScrollArea*>("clientScrollArea");
}

// Whether `area` shows `widget`: the part of it that the client area holds, or where that is
// larger than the visible part, as much of it as fits there.
bool shows(const QScrollArea* area, const QWidget* widget) {
    const QWidget* client = area->widget();
    const QRect held = QRect(widget->mapTo(client, QPoint(0, 0)), widget->size()) & client->rect();
    const QRect view(-client->pos(), area->viewport()->size());
    const QRect shown = held & view;
    return shown.width() == std::min(held.width(), view.width()) &&
           shown.height() == std::min(held.height(), view.height());
}

// The controls that the Tab key reaches now.
QList<QWidget*> tabStops(const QWidget* window) {
    QList<QWidget*> stops;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() &&
            widget->isVisibleTo(window) && widget->focusProxy() == nullptr)
            stops.append(widget);
    }
    return stops;
}

// What must come back when a window returns to a screen it fits: every widget with its parent,
// visibility, place and size, and the focus chain.
struct Snapshot {
    struct Entry {
        const QWidget* widget;
        const QObject* parent;
        QRect geometry;
        bool hidden;
        bool operator==(const Entry& other) const {
            return widget == other.widget && parent == other.parent && geometry == other.geometry &&
                   hidden == other.hidden;
        }
    };
    std::vector<Entry> widgets;
    std::vector<const QWidget*> focusChain;

    explicit Snapshot(QWidget* window) {
        // Hidden widgets are laid out when they show, so only the places of those that show
        // count.
        for (const QWidget* widget : window->findChildren<QWidget*>()) {
            widgets.push_back({widget, widget->parent(),
                               widget->isVisibleTo(window) ? widget->geometry() : QRect(),
                               widget->isHidden()});
        }
        QWidget* next = window;
        do {
            focusChain.push_back(next);
            next = next->nextInFocusChain();
        } while (next != window);
    }
};

}  // namespace

class SmallScreensTest : public QObject {
    Q_OBJECT

  private:
    // Opens the window `name` on `screen`, at the top-left corner of its available area.
    QWidget* open(const QString& name, QScreen* screen) {
        window_ = makeWindow(name, state_);
        window_->setScreen(screen);
        window_->move(screen->availableGeometry().topLeft());
        window_->show();
        if (!QTest::qWaitForWindowExposed(window_)) return nullptr;
        return window_;
    }

    // Moves the shown window to `screen`, as dragging it there does.
    void moveTo(QScreen* screen) {
        window_->windowHandle()->setScreen(screen);
        window_->move(screen->availableGeometry().topLeft());
    }

    // The window, frame included, lies within the available area of `screen`; in a direction
    // in which its whole client area does not fit, it takes all of it.
    static void checkFits(const QWidget* window, const QScreen* screen, QSize whole) {
        const QRect available = screen->availableGeometry();
        const QRect frame = window->frameGeometry();
        QVERIFY2(available.contains(frame), qPrintable(QString("%1 x %2 at %3, %4")
                                                           .arg(frame.width())
                                                           .arg(frame.height())
                                                           .arg(frame.x())
                                                           .arg(frame.y())));
        const QSize margins = frame.size() - window->size();
        if (whole.width() + margins.width() > available.width())
            QCOMPARE(frame.width(), available.width());
        if (whole.height() + margins.height() > available.height())
            QCOMPARE(frame.height(), available.height());
    }

  private slots:
    void initTestCase() {
        for (const char* name : {"desk", "laptop", "hidpi", "tiny"})
            QVERIFY2(screenNamed(name) != nullptr, name);
        QCOMPARE(QGuiApplication::primaryScreen()->name(), QString("desk"));
        QCOMPARE(screenNamed("laptop")->availableGeometry().size(), QSize(1093, 614));
        QCOMPARE(screenNamed("hidpi")->devicePixelRatio(), 2.0);
        // A steady text cursor, so that pictures of a window taken apart are alike.
        QApplication::setCursorFlashTime(0);
    }
    void cleanup() {
        delete window_.data();
        state_ = thalmuro::SharedState();
    }

    // Each window opens within the available area; where its client area does not fit, it
    // scrolls, and every control that the Tab key reaches comes into view when it takes the
    // focus, however it takes it.
    void fitsAndReachesEveryControl_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("scrolls");
        const struct {
            const char* name;
            bool laptop, hidpi;  // scrolls there; on "tiny" every window scrolls
        } windows[] = {
            {"Form1", true, true},  {"Form2", true, true},   {"Form3", true, true},
            {"Form4", false, true}, {"Form5", false, false}, {"Form6", false, false},
            {"Form7", false, true},
        };
        for (const auto& window : windows) {
            QTest::addRow("%s laptop", window.name) << window.name << "laptop" << window.laptop;
            QTest::addRow("%s hidpi", window.name) << window.name << "hidpi" << window.hidpi;
            QTest::addRow("%s tiny", window.name) << window.name << "tiny" << true;
        }
    }
    void fitsAndReachesEveryControl() {
        QFETCH(QString, name);
        QFETCH(QString, screen);
        QFETCH(bool, scrolls);
        // The size of the window where it fits, as it opens on the large screen.
        QWidget* reference = open(name, screenNamed("desk"));
        QVERIFY(reference);
        const QSize whole = reference->size();
        const QSize wholeClient = clientOf(reference)->size();
        QCOMPARE(scrollArea(reference), nullptr);
        delete reference;

        QWidget* window = open(name, screenNamed(screen));
        QVERIFY(window);
        QScrollArea* area = scrollArea(window);
        QCOMPARE(area != nullptr, scrolls);
        checkFits(window, screenNamed(screen), whole);
        if (!scrolls) {
            QCOMPARE(window->size(), whole);
            return;
        }
        QCOMPARE(area->frameShape(), QFrame::NoFrame);
        // The scroll bars reach every part of the client area, which keeps at least its size.
        const QWidget* client = area->widget();
        QVERIFY(client->width() >= wholeClient.width() && client->height() >= wholeClient.height());
        QCOMPARE(area->horizontalScrollBar()->maximum(),
                 std::max(0, client->width() - area->viewport()->width()));
        QCOMPARE(area->verticalScrollBar()->maximum(),
                 std::max(0, client->height() - area->viewport()->height()));

        const QList<QWidget*> stops = tabStops(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        for (QWidget* stop : stops) {
            QVERIFY2(client->isAncestorOf(stop), qPrintable(stop->objectName()));
            stop->setFocus(Qt::OtherFocusReason);
            QTRY_VERIFY2(shows(area, stop), qPrintable(stop->objectName()));
        }
        // And with the keyboard, once round the whole focus order.
        for (qsizetype i = 0; i < stops.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(stops.contains(focus));
            QTRY_VERIFY2(shows(area, focus), qPrintable(focus->objectName()));
        }
    }

    // On the smallest screen the worked example is loaded and solved with clicks where the
    // controls show once the focus has brought them into view.
    void mainWindowSolvesAfterScrolling() {
        QWidget* window = open("Form1", screenNamed("tiny"));
        QVERIFY(window);
        QScrollArea* area = scrollArea(window);
        QVERIFY(area);
        const auto clickInView = [&](const char* name) {
            auto* widget = control<QWidget>(window, name);
            widget->setFocus(Qt::OtherFocusReason);
            QTRY_VERIFY2(shows(area, widget), name);
            // The click lands on the control where it shows in the window.
            const QPoint at = widget->mapTo(window, widget->rect().center());
            QCOMPARE(window->childAt(at), widget);
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
        };
        clickInView("Check4");
        QTRY_VERIFY(control<QCheckBox>(window, "Check4")->isChecked());
        QCOMPARE(control<QLineEdit>(window, "textdr_anipsotiron_0")->text(), QString("0,1144"));

        ModalAnswerer answerer;
        bool prompted = false;
        answerer.then([&](QWidget* modal) {
            prompted = qobject_cast<QInputDialog*>(modal) != nullptr;
            modal->close();
        });
        clickInView("Command1");
        QTRY_VERIFY(prompted);
        QTRY_VERIFY(control<QPushButton>(window, "Command2")->isEnabled());
        QCOMPARE(answerer.unexpected(), 0);
    }

    // After a Solve that skipped steps, the main window's status line shows below the client
    // area and the window stays within its screen, the scroll area giving up the line's height;
    // after a Solve that skipped none, the line is gone and the window has its size back.
    void statusLineStaysOnTheScreen_data() {
        QTest::addColumn<QString>("screen");
        QTest::newRow("laptop") << "laptop";
        QTest::newRow("tiny") << "tiny";
    }
    void statusLineStaysOnTheScreen() {
        QFETCH(QString, screen);
        QWidget* reference = open("Form1", screenNamed("desk"));
        QVERIFY(reference);
        const QSize whole = reference->size();
        delete reference;

        auto* window = static_cast<thalmuro::MainWindow*>(open("Form1", screenNamed(screen)));
        QVERIFY(window);
        QVERIFY(scrollArea(window));
        const QSize before = window->size();
        const auto solve = [&](const thalmuro::DiffuserInput& problem) {
            window->showProblem(problem);
            ModalAnswerer answerer;
            answerer.then([](QWidget* modal) { modal->close(); });
            control<QPushButton>(window, "Command1")->click();
            QVERIFY(answerer.allAnswered());
        };
        // Bell-mouthed risers at a discharge for which their inlet formula has no value.
        thalmuro::DiffuserInput skipping = thalmuro::workedExample(thalmuro::NumberLocale::greek());
        skipping.total_discharge = "0,5";
        skipping.fitting = thalmuro::FittingType::Bell;
        solve(skipping);
        auto* line = control<QWidget>(window, "grammi_katastasis");
        QVERIFY(line->isVisible());
        checkFits(window, screenNamed(screen), whole + QSize(0, line->height()));
        QVERIFY(window->rect().contains(line->geometry()));
        const QScrollArea* area = scrollArea(window);
        QTRY_VERIFY(area->mapTo(window, QPoint(0, area->height())).y() <=
                    line->mapTo(window, QPoint(0, 0)).y());

        solve(thalmuro::workedExample(thalmuro::NumberLocale::greek()));
        QVERIFY(!line->isVisible());
        QCOMPARE(window->size(), before);
    }

    // In the scrolled main window the section table keeps scrolling its rows as it does on a
    // large screen (the same scroll-bar values), and the scroll area then shows the row.
    void tableAndWindowFollowFocus_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("startValue");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("value");
        for (const char* screen : {"laptop", "tiny"}) {
            QTest::addRow("%s: Tab from row 25 into row 26", screen)
                << screen << 1 << "textdr_anipsotiron_24" << false << "textfn_25" << 350;
            QTest::addRow("%s: Shift+Tab from row 2 up into row 1", screen)
                << screen << 1100 << "textfn_1" << true << "textdr_anipsotiron_0" << 740;
            QTest::addRow("%s: Shift+Tab from Command1 into row 30", screen)
                << screen << 1 << "Command1" << true << "textdr_anipsotiron_29" << 1790;
            QTest::addRow("%s: Tab from Check4 into row 1 at the maximum", screen)
                << screen << 11935 << "Check4" << false << "textfn_0" << 740;
        }
    }
    void tableAndWindowFollowFocus() {
        QFETCH(QString, screen);
        QFETCH(int, startValue);
        QFETCH(QString, start);
        QFETCH(bool, backwards);
        QFETCH(QString, target);
        QFETCH(int, value);
        QWidget* window = open("Form1", screenNamed(screen));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QScrollArea* area = scrollArea(window);
        QVERIFY(area);
        auto* table = control<QScrollBar>(window, "VScroll1");
        auto* box = control<QLineEdit>(window, target);
        table->setValue(startValue);
        auto* first = control<QWidget>(window, start);
        first->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), first);
        QCOMPARE(table->value(), startValue);

        if (backwards) {
            QTest::keyClick(first, Qt::Key_Backtab, Qt::ShiftModifier);
        } else {
            QTest::keyClick(first, Qt::Key_Tab);
        }
        QTRY_COMPARE(QApplication::focusWidget(), box);
        QCOMPARE(table->value(), value);
        QCOMPARE(control<QFrame>(window, "Frame1")->y(), thalmuro::twipsToPixels(500 - value));
        const QWidget* client = area->widget();
        QVERIFY(client->rect().contains(QRect(box->mapTo(client, QPoint(0, 0)), box->size())));
        QTRY_VERIFY(shows(area, box));
    }

    // A window moved to a smaller screen or one of another scale fits it and scrolls; moved
    // back to the large screen it is as it was when it opened there, to the pixel.
    void adaptsWhenMovedBetweenScreens_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7"})
            QTest::newRow(name) << name;
    }
    void adaptsWhenMovedBetweenScreens() {
        QFETCH(QString, name);
        QWidget* window = open(name, screenNamed("desk"));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QSize whole = window->size();
        const Snapshot before(window);
        const QImage picture = window->grab().toImage();
        QWidget* focus = window->focusWidget();

        for (const char* screen : {"tiny", "hidpi", "laptop", "tiny"}) {
            moveTo(screenNamed(screen));
            QTRY_COMPARE(window->screen()->name(), QString(screen));
            QCOMPARE(scrollArea(window) != nullptr, window->size() != whole);
            checkFits(window, screenNamed(screen), whole);
            QCOMPARE(window->focusWidget(), focus);
        }
        QVERIFY(scrollArea(window));

        moveTo(screenNamed("desk"));
        QTRY_COMPARE(scrollArea(window), nullptr);
        QCOMPARE(window->size(), whole);
        const Snapshot after(window);
        QVERIFY(after.widgets == before.widgets);
        QVERIFY(after.focusChain == before.focusChain);
        QCOMPARE(window->focusWidget(), focus);
        QCOMPARE(window->grab().toImage(), picture);
    }

  private:
    thalmuro::SharedState state_;
    QPointer<QWidget> window_;
};

QTEST_MAIN(SmallScreensTest)
#include "small_screens_test.moc"
