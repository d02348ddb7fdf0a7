// The graph window, its charts and the pictures saved from them in Greek and in English: every
// text in the interface language, and a change of language that keeps the plot on show.
#include <QAbstractAxis>
#include <QCategoryAxis>
#include <QChart>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "fixtures.h"
#include "graph_window.h"
#include "language.h"
#include "line_chart.h"
#include "shown_texts.h"
#include "thalmuro/engine.h"
#include "ui_test_support.h"

using thalmuro::GraphWindow;
using thalmuro::Language;
using thalmuro::LineChart;
using Plot = thalmuro::GraphWindow::Plot;

Q_DECLARE_METATYPE(thalmuro::Language)
Q_DECLARE_METATYPE(thalmuro::GraphWindow::Plot)

namespace {

// The Greek texts write the Froude number in capitals.
const QStringList kGreekKept{QStringLiteral("FROUDE")};

// Whether `text` belongs to the other language than `shown`, by the rule the window texts are
// judged by.
bool ofOtherLanguage(QString text, Language shown, const QStringList& kept) {
    for (const QString& both : kept)
        text.remove(both);
    if (shown == Language::english) return thalmuro::testing::hasGreekLetter(text);
    static const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{2,}"));
    for (auto match = latinWord.globalMatch(text); match.hasNext();) {
        if (!thalmuro::testing::wordsOfBothLanguages().contains(match.next().captured()))
            return true;
    }
    return false;
}

QStringList otherLanguage(const QStringList& texts, Language shown, const QStringList& kept) {
    QStringList found;
    for (const QString& text : texts) {
        if (ofOtherLanguage(text, shown, kept)) found << text;
    }
    return found;
}

// What a chart draws in words, which are items of its scene and not widgets: its title, the
// titles and marks of its axes and the names in its legend.
QStringList chartTexts(const LineChart& chart) {
    QStringList texts{chart.chart()->title()};
    for (QAbstractAxis* axis : chart.chart()->axes()) {
        texts << axis->titleText();
        if (auto* categories = qobject_cast<QCategoryAxis*>(axis))
            texts << categories->categoriesLabels();
    }
    if (chart.chart()->legend()->isVisible()) {
        for (const QLegendMarker* marker : chart.chart()->legend()->markers())
            texts << marker->label();
    }
    return texts;
}

// What a plot put on the window: the grids of both charts, which controls show, and the mean.
QStringList plottedState(const GraphWindow& window) {
    QStringList state;
    for (const char* name : {"MSChart1", "MSChart2"}) {
        const auto* chart = window.findChild<LineChart*>(name);
        state << QStringLiteral("%1 shown %2, %3 x %4")
                     .arg(name)
                     .arg(chart->isVisible())
                     .arg(chart->rowCount())
                     .arg(chart->columnCount());
        for (int row = 1; row <= chart->rowCount(); ++row) {
            QString line = chart->rowLabel(row) + QLatin1Char(':');
            for (int column = 1; column <= chart->columnCount(); ++column) {
                const std::optional<double> value = chart->data(row, column);
                line += QLatin1Char(' ') +
                        (value ? QString::number(*value, 'g', 17) : QStringLiteral("-"));
            }
            state << line;
        }
    }
    for (const char* name : {"Frame1", "Frame2"})
        state << QStringLiteral("%1 shown %2")
                     .arg(name)
                     .arg(window.findChild<QGroupBox*>(name)->isVisible());
    state << window.findChild<QLineEdit*>(QStringLiteral("Text1"))->text();
    return state;
}

void click(GraphWindow& window, Plot plot) {
    QTest::mouseClick(
        window.findChild<QPushButton*>(QStringLiteral("Command%1").arg(static_cast<int>(plot) + 1)),
        Qt::LeftButton);
}

}  // namespace

class GraphLanguagesTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { thalmuro::setInterfaceLanguage(Language::greek); }

    // A window opened in either language, showing any plot, has no text of the other: its
    // controls, its charts' context menus, and the titles, axes and legends of both charts.
    void eachLanguageAlone_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<Plot>("plot");
        for (const auto& [name, language] :
             {std::pair{"English", Language::english}, {"Greek", Language::greek}}) {
            for (const Plot plot : {Plot::energy, Plot::cd, Plot::diffuser_velocity,
                                    Plot::riser_velocity, Plot::riser_discharge, Plot::froude})
                QTest::addRow("%s, Command%d", name, static_cast<int>(plot) + 1)
                    << language << plot;
        }
    }
    void eachLanguageAlone() {
        QFETCH(Language, language);
        QFETCH(Plot, plot);
        thalmuro::setInterfaceLanguage(language);
        QCOMPARE(thalmuro::interfaceLanguage(), language);
        GraphWindow window(thalmuro::testing::workedResults(), thalmuro::NumberLocale::greek());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        click(window, plot);

        const QStringList kept = language == Language::greek ? kGreekKept : QStringList();
        QStringList other = thalmuro::testing::otherLanguageTexts(window, language, kept);
        for (const char* name : {"MSChart1", "MSChart2"})
            other << otherLanguage(chartTexts(*window.findChild<LineChart*>(name)), language, kept);
        QVERIFY2(other.isEmpty(), qPrintable(other.join(u'\n')));
        QVERIFY(!window.findChild<LineChart*>("MSChart1")->chart()->title().trimmed().isEmpty());
    }

    // A change of language while a plot is shown keeps the plot: the same charts, rows, values
    // and mean, although the store has changed since (a new Solve shows only when a plot button
    // is pressed). The charts take the titles of the new language at once, the hidden reference
    // chart too, and back in Greek every text is as it was.
    void switchKeepsThePlot_data() {
        QTest::addColumn<QList<Plot>>("plots");
        QTest::newRow("no plot yet") << QList<Plot>{};
        QTest::newRow("energy") << QList<Plot>{Plot::energy};
        QTest::newRow("discharge") << QList<Plot>{Plot::riser_discharge};
        QTest::newRow("Froude") << QList<Plot>{Plot::froude};
        QTest::newRow("discharge, then Cd") << QList<Plot>{Plot::riser_discharge, Plot::cd};
    }
    void switchKeepsThePlot() {
        QFETCH(QList<Plot>, plots);
        thalmuro::DiffuserResults store = thalmuro::testing::workedResults();
        GraphWindow window(store, thalmuro::NumberLocale::greek());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const Plot plot : plots)
            click(window, plot);
        store.n_risers = 10;
        store.q_total = 0.5;
        const QStringList plotted = plottedState(window);
        const QStringList greek = thalmuro::testing::shownTextLines(window);
        std::vector<QStringList> greekCharts;
        std::vector<LineChart*> charts;
        for (const char* name : {"MSChart1", "MSChart2"}) {
            charts.push_back(window.findChild<LineChart*>(name));
            greekCharts.push_back(chartTexts(*charts.back()));
        }

        thalmuro::setInterfaceLanguage(Language::english);
        QCOMPARE(plottedState(window), plotted);
        QStringList other = thalmuro::testing::otherLanguageTexts(window, Language::english);
        for (std::size_t i = 0; i < charts.size(); ++i) {
            const LineChart& chart = *charts[i];
            // Drawn already, not only due at the next turn of the event loop.
            QCOMPARE(chart.chart()->title(), chart.titleText());
            other << otherLanguage(chartTexts(chart), Language::english, {});
            if (!chart.titleText().isEmpty()) QVERIFY(chartTexts(chart) != greekCharts[i]);
        }
        QVERIFY2(other.isEmpty(), qPrintable(other.join(u'\n')));

        thalmuro::setInterfaceLanguage(Language::greek);
        QCOMPARE(plottedState(window), plotted);
        QCOMPARE(thalmuro::testing::shownTextLines(window), greek);
        for (std::size_t i = 0; i < charts.size(); ++i)
            QCOMPARE(chartTexts(*charts[i]), greekCharts[i]);
    }

    // A chart saved after a change of language: the save dialog's caption, its filter and the
    // name it suggests are in the new language, and so is the title the SVG drawing carries.
    void savedChartInTheLanguage_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("suggested");
        QTest::addColumn<QString>("title");  // of the SVG drawing; none for a PNG image
        QTest::newRow("English, SVG") << Language::english << "apothikefsi_svg"
                                      << "Save chart as SVG"
                                      << "SVG drawings (*.svg)"
                                      << "Chart.svg"
                                      << "DENSIMETRIC FROUDE NUMBER BY RISER";
        QTest::newRow("English, PNG 2x") << Language::english << "apothikefsi_png_2x"
                                         << "Save chart as PNG (2×)"
                                         << "PNG images (*.png)"
                                         << "Chart@2x.png" << QString();
        QTest::newRow("Greek, SVG") << Language::greek << "apothikefsi_svg"
                                    << "Αποθήκευση γραφήματος ως SVG"
                                    << "Σχέδια SVG (*.svg)"
                                    << "Γράφημα.svg"
                                    << "ΠΥΚΝΟΜΕΤΡΙΚΟΣ ΑΡΙΘΜΟΣ FROUDE-ΑΝΥΨΩΤΗΡΕΣ";
        QTest::newRow("Greek, PNG") << Language::greek << "apothikefsi_png"
                                    << "Αποθήκευση γραφήματος ως PNG"
                                    << "Εικόνες PNG (*.png)"
                                    << "Γράφημα.png" << QString();
    }
    void savedChartInTheLanguage() {
        QFETCH(Language, language);
        QFETCH(QString, entry);
        QFETCH(QString, caption);
        QFETCH(QString, filter);
        QFETCH(QString, suggested);
        QFETCH(QString, title);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        // Opened in the other language, switched while the plot is shown.
        thalmuro::setInterfaceLanguage(language == Language::english ? Language::greek
                                                                     : Language::english);
        GraphWindow window(thalmuro::testing::workedResults(), thalmuro::NumberLocale::greek());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.plot(Plot::froude);
        thalmuro::setInterfaceLanguage(language);

        auto* chart = window.findChild<LineChart*>("MSChart1");
        auto* action = chart->findChild<QAction*>(entry);
        QVERIFY(!ofOtherLanguage(action->text(), language, {}));
        QString shownCaption;
        QStringList filters;
        QString shownName;
        thalmuro::testing::ModalAnswerer answerer;
        answerer.then([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            shownCaption = dialog->windowTitle();
            filters = dialog->nameFilters();
            shownName = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->selectFile(folder.filePath(QStringLiteral("saved")));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        action->trigger();
        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.unexpected(), 0);
        QCOMPARE(shownCaption, caption);
        QCOMPARE(filters, QStringList{filter});
        QCOMPARE(shownName, suggested);

        QFile saved(folder.filePath(QStringLiteral("saved.") + QFileInfo(suggested).suffix()));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QString content = QString::fromUtf8(saved.readAll());
        if (!title.isEmpty()) {
            QVERIFY2(
                content.contains(QStringLiteral("<title>") + title + QStringLiteral("</title>")),
                qPrintable(content.left(600)));
        }
    }

    // The explanation of the lower Froude limit, on a click of its legend line, in either
    // language.
    void minimumFroudeExplainedInTheLanguage_data() {
        QTest::addColumn<Language>("language");
        QTest::newRow("English") << Language::english;
        QTest::newRow("Greek") << Language::greek;
    }
    void minimumFroudeExplainedInTheLanguage() {
        QFETCH(Language, language);
        thalmuro::setInterfaceLanguage(language);
        GraphWindow window(thalmuro::testing::workedResults(), thalmuro::NumberLocale::greek());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.plot(Plot::froude);

        QString text;
        thalmuro::testing::ModalAnswerer answerer;
        answerer.then([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            text = box->text();
            box->buttons().constFirst()->click();
        });
        QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("Label5")), Qt::LeftButton);
        QVERIFY(answerer.allAnswered());
        QVERIFY(text.contains(QStringLiteral("1")));
        QVERIFY2(!ofOtherLanguage(text, language, kGreekKept), qPrintable(text));
    }
};

QTEST_MAIN(GraphLanguagesTest)
#include "graph_languages_test.moc"
