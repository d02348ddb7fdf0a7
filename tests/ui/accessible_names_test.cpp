// What a screen reader says of the boxes a person types into: the main window's general boxes,
// fitting buttons and section cells, the loading-shaft window's boxes and the box a condition is
// typed in, each named by its caption or column and its unit in the language shown, read through
// Qt's accessibility interface as assistive technology reads it.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QtTest>
#include <memory>

#include "conditions_tab.h"
#include "language.h"
#include "loading_shaft_window.h"
#include "main_window.h"
#include "shown_texts.h"
#include "ui_test_support.h"

using thalmuro::Language;

Q_DECLARE_METATYPE(thalmuro::Language)

namespace {

Language otherLanguage(Language language) {
    return language == Language::greek ? Language::english : Language::greek;
}

QAccessibleInterface* accessible(QObject* control) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(control);
    if (interface == nullptr)
        qFatal("no accessible interface for %s", qPrintable(control->objectName()));
    return interface;
}

// The labels that assistive technology reads as the label of `control`.
QStringList labelsOf(QObject* control) {
    QStringList labels;
    for (const auto& [label, relation] : accessible(control)->relations(QAccessible::Label)) {
        if (QObject* object = label->object()) labels << object->objectName();
    }
    return labels;
}

// Whether `name` reads in `language` alone: in English no Greek letter but for the symbol
// Δρ/ρ; in Greek a Greek word and no English word but for names and symbols.
bool ofLanguage(QString name, Language language) {
    name.remove(QStringLiteral("Δρ/ρ"));
    if (language == Language::english) return !thalmuro::testing::hasGreekLetter(name);
    static const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{2,}"));
    for (auto match = latinWord.globalMatch(name); match.hasNext();) {
        if (!thalmuro::testing::wordsOfBothLanguages().contains(match.next().captured()))
            return false;
    }
    return thalmuro::testing::hasGreekLetter(name) || name.trimmed().isEmpty();
}

// The unit each kind of main-window box is read in, by its object name or the name of its
// column; empty for counts and pure numbers.
struct BoxUnit {
    const char* name;
    const char* unit;
};
constexpr BoxUnit kBoxUnits[] = {
    {"Text1", ""},
    {"Text2", ""},
    {"Text4", ""},
    {"Text5", "m³/s"},
    {"Text6", ""},
    {"Option1", ""},
    {"Option2", ""},
    {"textfn", ""},
    {"textln", ""},
    {"textdr_thalmuro", "m"},
    {"textdxanipsotiror", "m"},
    {"textdz_anipsotiron", "m"},
    {"textdr_anipsotiron", "m"},
};

const BoxUnit* unitOf(const QString& objectName) {
    static const QRegularExpression cell(QStringLiteral("^(.*)_(\\d+)$"));
    const QRegularExpressionMatch match = cell.match(objectName);
    const QString kind = match.hasMatch() ? match.captured(1) : objectName;
    for (const BoxUnit& box : kBoxUnits) {
        if (kind == QLatin1String(box.name)) return &box;
    }
    return nullptr;
}

}  // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { thalmuro::setInterfaceLanguage(Language::greek); }

    // The names of chosen boxes word for word, with the caption that labels them, after the
    // window was opened in the other language and switched.
    void namesOfBoxes_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");  // the caption read as the box's label; empty: none

        const Language el = Language::greek;
        const Language en = Language::english;
        const auto row = [](const char* window, Language language, const char* box,
                            const char* name, const char* label) {
            QTest::addRow("%s %s %s", window, language == el ? "el" : "en", box)
                << QString::fromUtf8(window) << language << QString::fromUtf8(box)
                << QString::fromUtf8(name) << QString::fromUtf8(label);
        };
        row("Form1", el, "Text1", "Πλήθος Ανυψωτήρων", "Label1_0");
        row("Form1", en, "Text2", "Diffuser sections", "Label1_1");
        row("Form1", el, "Text4", "Δρ/ρ", "Label1_3");
        row("Form1", el, "Text5", "Ολική Παροχή (m³/s)", "Label1_4");
        row("Form1", en, "Text5", "Total discharge (m³/s)", "Label1_4");
        row("Form1", en, "Text6", "Manning number", "Label1_5");
        row("Form1", el, "Option1", "Τύπος Συναρμογής: Sharp", "");
        row("Form1", en, "Option2", "Fitting type: Bell", "");
        row("Form1", en, "textfn_0", "Section 1, first riser", "");
        row("Form1", el, "textln_29", "Τμήμα 30, τελευταίος ανυψωτήρας", "");
        row("Form1", el, "textdr_thalmuro_2", "Τμήμα 3, διάμετρος αγωγού D (m)", "");
        row("Form1", en, "textdr_thalmuro_2", "Section 3, pipe diameter D (m)", "");
        row("Form1", en, "textdxanipsotiror_4", "Section 5, riser spacing (m)", "");
        row("Form1", el, "textdz_anipsotiron_9", "Τμήμα 10, υψομετρική διαφορά ανυψωτήρων (m)", "");
        row("Form1", en, "textdr_anipsotiron_0", "Section 1, riser diameter d (m)", "");
        row("Form6", el, "Text1", "Μήκος διαχυτήρα L (m)", "Label3");
        row("Form6", en, "Text2", "Depth at the outlet of the last (landward) riser Zt (m)",
            "Label4");
        row("Form6", el, "Text2", "Βάθος στην έξοδο του τελευταίου (ανάντη) ανυψωτήρα Ζτ (m)",
            "Label4");
        row("Form6", en, "Text3", "Head required to operate the diffuser (m)", "Label5");
    }
    void namesOfBoxes() {
        QFETCH(QString, window);
        QFETCH(Language, language);
        QFETCH(QString, box);
        QFETCH(QString, name);
        QFETCH(QString, label);

        thalmuro::setInterfaceLanguage(otherLanguage(language));
        thalmuro::SharedState state;
        std::unique_ptr<QWidget> shown;
        if (window == QLatin1String("Form1"))
            shown = std::make_unique<thalmuro::MainWindow>(state, thalmuro::NumberLocale::greek());
        else
            shown = std::make_unique<thalmuro::LoadingShaftWindow>(state.results,
                                                                   thalmuro::NumberLocale::greek());
        shown->show();
        thalmuro::setInterfaceLanguage(language);

        auto* control = thalmuro::testing::control<QWidget>(shown.get(), box);
        QVERIFY(control != nullptr);
        QCOMPARE(accessible(control)->text(QAccessible::Name), name);
        QCOMPARE(accessible(control)->text(QAccessible::Description), box);
        const QStringList expectedLabels = label.isEmpty() ? QStringList() : QStringList{label};
        QCOMPARE(labelsOf(control), expectedLabels);
    }

    // Every box, fitting button and cell of the main window has a name in the language shown,
    // with its unit and, in the table, its section; its description stays its object name.
    void everyBoxOfTheMainWindow_data() {
        QTest::addColumn<Language>("language");
        QTest::newRow("Greek") << Language::greek;
        QTest::newRow("English") << Language::english;
    }
    void everyBoxOfTheMainWindow() {
        QFETCH(Language, language);
        thalmuro::setInterfaceLanguage(language);
        thalmuro::SharedState state;
        thalmuro::MainWindow window(state, thalmuro::NumberLocale::greek());
        window.show();

        QList<QWidget*> boxes;
        for (QLineEdit* box : window.findChildren<QLineEdit*>())
            boxes << box;
        for (QRadioButton* button : window.findChildren<QRadioButton*>())
            boxes << button;
        QCOMPARE(boxes.size(), 5 + 2 + 30 * thalmuro::MainWindow::kColumns);
        static const QRegularExpression cell(QStringLiteral("_(\\d+)$"));
        for (QWidget* box : boxes) {
            const QString object = box->objectName();
            const QString name = accessible(box)->text(QAccessible::Name);
            const BoxUnit* unit = unitOf(object);
            QVERIFY2(unit != nullptr, qPrintable(object));
            QVERIFY2(!name.isEmpty(), qPrintable(object));
            QVERIFY2(ofLanguage(name, language), qPrintable(object + QStringLiteral(": ") + name));
            QCOMPARE(accessible(box)->text(QAccessible::Description), object);
            if (*unit->unit != '\0') {
                QVERIFY2(name.endsWith(QStringLiteral(" (%1)").arg(QString::fromUtf8(unit->unit))),
                         qPrintable(object + QStringLiteral(": ") + name));
            } else {
                QVERIFY2(!name.contains(u'('), qPrintable(object + QStringLiteral(": ") + name));
            }
            const QRegularExpressionMatch row = cell.match(object);
            if (row.hasMatch()) {
                const QString section = QString::number(row.captured(1).toInt() + 1);
                QVERIFY2(name.contains(QRegularExpression(QStringLiteral("\\b%1,").arg(section))),
                         qPrintable(object + QStringLiteral(": ") + name));
            }
        }
    }

    // The box a condition is typed in is named by its row and its column's heading, which
    // carries the unit; the list itself has a name in the language shown.
    void conditionEditor_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("start");
        QTest::newRow("Greek, Q") << Language::greek << 1 << 0 << QStringLiteral("Γραμμή 2, ");
        QTest::newRow("English, drho") << Language::english << 0 << 1 << QStringLiteral("Row 1, ");
    }
    void conditionEditor() {
        QFETCH(Language, language);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, start);

        thalmuro::setInterfaceLanguage(otherLanguage(language));
        thalmuro::ConditionsTab tab(thalmuro::NumberLocale::greek());
        tab.setDesign(thalmuro::workedExample(thalmuro::NumberLocale::greek()),
                      thalmuro::CheckSettings{});
        tab.show();
        thalmuro::setInterfaceLanguage(language);

        auto* list = thalmuro::testing::control<QTableWidget>(&tab, "pinakas_synthikon");
        QVERIFY(list != nullptr && list->rowCount() > row);
        const QString listName = accessible(list)->text(QAccessible::Name);
        QVERIFY(!listName.isEmpty());
        QVERIFY2(ofLanguage(listName, language), qPrintable(listName));
        QCOMPARE(accessible(list)->text(QAccessible::Description), list->objectName());

        list->setCurrentCell(row, column);
        list->editItem(list->item(row, column));
        auto* editor = list->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor != nullptr);
        const QString heading = list->horizontalHeaderItem(column)->text();
        QCOMPARE(accessible(editor)->text(QAccessible::Name), start + heading);
        if (column == 0) QVERIFY(heading.contains(QStringLiteral("m³/s")));
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
