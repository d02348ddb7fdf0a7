// The loading-shaft window Form6 driven through its boxes and its button. The head itself is
// the engine's (tested there); these tests check what the window reads and where it writes.
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "fixtures.h"
#include "language.h"
#include "loading_shaft_window.h"
#include "shown_texts.h"
#include "thalmuro/engine.h"

Q_DECLARE_METATYPE(thalmuro::Language)

namespace thalmuro {
namespace {

using testing::workedResults;

QLineEdit* box(QWidget* window, int i) {
    return window->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(i));
}

// Types `length` and `depth` into the empty boxes and presses "Υπολογισμός".
void calculate(QWidget* window, const QString& length, const QString& depth) {
    for (auto [i, text] : {std::pair{1, length}, {2, depth}}) {
        box(window, i)->clear();
        QTest::keyClicks(box(window, i), text);
    }
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
}

}  // namespace

class LoadingShaftWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();
    void headIntoText3_data();
    void headIntoText3();
    void readsTheStoreAtEachClick();
    void controlsInTheirOrder();
    void oneWindowThatStartsAfreshWhenReopened();
    void eachLanguageAlone_data();
    void eachLanguageAlone();
    void switchKeepsTypedValuesAndHead();
};

// A test that changes the language leaves the windows in Greek, whatever its outcome.
void LoadingShaftWindowTest::cleanup() {
    setInterfaceLanguage(Language::greek);
}

void LoadingShaftWindowTest::headIntoText3_data() {
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("depth");
    QTest::addColumn<bool>("greek");
    QTest::addColumn<int>("risers");
    QTest::addColumn<double>("pipeDiameter");  // of riser 14; below zero: as solved
    QTest::addColumn<QString>("drho");         // as the last Solve kept it; empty: as solved
    QTest::addColumn<QString>("expected");     // in Text3, which holds "9,999" before

    const QString kept = QStringLiteral("9,999");
    // L = 0 and Zt = 0 leave the specific energy at riser 14, 1.1229950185878257 m.
    QTest::newRow("L and Zt zero") << "0"
                                   << "0" << true << 14 << -1.0 << ""
                                   << "1,123";
    QTest::newRow("L and Zt zero, English") << "0"
                                            << "0" << false << 14 << -1.0 << ""
                                            << "1.123";
    QTest::newRow("friction over L") << "125"
                                     << "2" << true << 14 << -1.0 << ""
                                     << "1,551";
    // The grouping point of a Greek setting is skipped: 12.5 is 125.
    QTest::newRow("Greek 12.5 reads 125") << "12.5"
                                          << "2" << true << 14 << -1.0 << ""
                                          << "1,551";
    QTest::newRow("blanks around") << " 0 "
                                   << "10 " << true << 14 << -1.0 << ""
                                   << "1,430";

    QTest::newRow("Zt empty") << "100"
                              << "" << true << 14 << -1.0 << "" << kept;
    QTest::newRow("L not a number") << "L"
                                    << "2" << true << 14 << -1.0 << "" << kept;
    QTest::newRow("no riser stored") << "100"
                                     << "2" << true << 0 << -1.0 << "" << kept;
    QTest::newRow("more risers than stored") << "100"
                                             << "2" << true << 102 << -1.0 << "" << kept;
    QTest::newRow("pipe diameter zero") << "100"
                                        << "2" << true << 14 << 0.0 << "" << kept;
    QTest::newRow("Δρ/ρ unreadable") << "100"
                                     << "2" << true << 14 << -1.0 << "δρ" << kept;
}

void LoadingShaftWindowTest::headIntoText3() {
    QFETCH(QString, length);
    QFETCH(QString, depth);
    QFETCH(bool, greek);
    QFETCH(int, risers);
    QFETCH(double, pipeDiameter);
    QFETCH(QString, drho);
    QFETCH(QString, expected);
    DiffuserResults store = workedResults();
    store.n_risers = static_cast<std::int16_t>(risers);
    if (pipeDiameter >= 0.0) store.d_pipe[13] = pipeDiameter;
    if (!drho.isEmpty()) store.drho = drho.toStdString();

    LoadingShaftWindow window(store, greek ? NumberLocale::greek() : NumberLocale::english());
    window.show();
    box(&window, 3)->setText(QStringLiteral("9,999"));
    calculate(&window, length, depth);

    QCOMPARE(box(&window, 3)->text(), expected);
    // The typed texts stay as they were typed.
    QCOMPARE(box(&window, 1)->text(), length);
    QCOMPARE(box(&window, 2)->text(), depth);
}

void LoadingShaftWindowTest::readsTheStoreAtEachClick() {
    DiffuserResults store = workedResults();
    LoadingShaftWindow window(store, NumberLocale::greek());
    window.show();
    const double energy = store.specific_energy[13];

    // With L = 0 the head is Zt Δρ/ρ + E, Δρ/ρ being the text the last Solve read.
    calculate(&window, QStringLiteral("0"), QStringLiteral("10"));
    QCOMPARE(box(&window, 3)->text(), QString::fromStdString(formatPattern(
                                          10 * 0.0307 + energy, "0.000", NumberLocale::greek())));

    // A later Solve that read another Δρ/ρ: the next click uses it, with the same boxes.
    store.drho = "0,0407";
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(box(&window, 3)->text(), QString::fromStdString(formatPattern(
                                          10 * 0.0407 + energy, "0.000", NumberLocale::greek())));

    // A later Solve that read no risers: the last head stays.
    store.n_risers = 0;
    const QString before = box(&window, 3)->text();
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(box(&window, 3)->text(), before);
}

void LoadingShaftWindowTest::controlsInTheirOrder() {
    LoadingShaftWindow window(workedResults(), NumberLocale::greek());
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("ΦΡΕΑΤΙΟ ΦΟΡΤΙΣΗΣ"));
    QCOMPARE(window.size(), QSize(308, 374));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(255, 255, 192));
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(box(&window, i)->text(), QString());

    // The Tab key goes Text1, Text2, Command1, Text3 and round again; labels take no focus.
    QStringList order;
    QWidget* widget = box(&window, 1);
    do {
        if (widget->focusPolicy() & Qt::TabFocus) order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != box(&window, 1));
    QCOMPARE(order, (QStringList{QStringLiteral("Text1"), QStringLiteral("Text2"),
                                 QStringLiteral("Command1"), QStringLiteral("Text3")}));
}

void LoadingShaftWindowTest::oneWindowThatStartsAfreshWhenReopened() {
    const DiffuserResults& store = workedResults();
    QPointer<LoadingShaftWindow> slot;
    LoadingShaftWindow* first = showLoadingShaftWindow(slot, store, NumberLocale::greek());
    calculate(first, QStringLiteral("0"), QStringLiteral("0"));

    // A second request brings the same window forward with its texts.
    QCOMPARE(showLoadingShaftWindow(slot, store, NumberLocale::greek()), first);
    QCOMPARE(box(first, 3)->text(), QStringLiteral("1,123"));

    // Closing destroys it; the next one starts with three empty boxes.
    first->close();
    QTRY_VERIFY(slot.isNull());
    LoadingShaftWindow* second = showLoadingShaftWindow(slot, store, NumberLocale::greek());
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(box(second, i)->text(), QString());
    second->close();
    QTRY_VERIFY(slot.isNull());
}

void LoadingShaftWindowTest::eachLanguageAlone_data() {
    QTest::addColumn<Language>("language");
    QTest::newRow("English") << Language::english;
    QTest::newRow("Greek") << Language::greek;
}

// A window opened in either language shows no text of the other.
void LoadingShaftWindowTest::eachLanguageAlone() {
    QFETCH(Language, language);
    setInterfaceLanguage(language);
    LoadingShaftWindow window(workedResults(), NumberLocale::greek());
    window.show();
    calculate(&window, QStringLiteral("100"), QStringLiteral("2"));
    const QStringList other = testing::otherLanguageTexts(window, language);
    QVERIFY2(other.isEmpty(), qPrintable(other.join(u'\n')));
}

// English and back while the window shows a head: every text turns English, the typed L and Zt
// and the head stay, a new calculation in English writes the same head in the same number
// format, and back in Greek every text is as it was.
void LoadingShaftWindowTest::switchKeepsTypedValuesAndHead() {
    LoadingShaftWindow window(workedResults(), NumberLocale::greek());
    window.show();
    calculate(&window, QStringLiteral("125"), QStringLiteral("2"));
    const QStringList typed{QStringLiteral("125"), QStringLiteral("2"), QStringLiteral("1,551")};
    const auto boxTexts = [&window] {
        return QStringList{box(&window, 1)->text(), box(&window, 2)->text(),
                           box(&window, 3)->text()};
    };
    QCOMPARE(boxTexts(), typed);
    const QStringList greek = testing::shownTextLines(window);

    setInterfaceLanguage(Language::english);
    const QStringList other = testing::otherLanguageTexts(window, Language::english);
    QVERIFY2(other.isEmpty(), qPrintable(other.join(u'\n')));
    QCOMPARE(boxTexts(), typed);
    box(&window, 3)->clear();
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(boxTexts(), typed);

    setInterfaceLanguage(Language::greek);
    QCOMPARE(testing::shownTextLines(window), greek);
    QCOMPARE(boxTexts(), typed);
}

}  // namespace thalmuro

QTEST_MAIN(thalmuro::LoadingShaftWindowTest)
#include "loading_shaft_window_test.moc"
