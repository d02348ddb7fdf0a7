// The texts of the design-check window for the tests of its two languages: what shownTexts reads
// and what it cannot (table cells, heading tooltips, charts), and which of them belong to the
// other language.
#pragma once

#include <QAbstractAxis>
#include <QAbstractSeries>
#include <QChart>
#include <QChartView>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTableWidget>

#include "language.h"
#include "shown_texts.h"

namespace thalmuro::testing {

// The texts of the window that shownTexts does not read: every cell of its tables with its
// tooltip, the tooltips of the table headings (of columns and rows), and the chart's title, axes
// and legend, which are drawn rather than widgets.
inline QStringList drawnTexts(const QWidget& window) {
    QStringList texts;
    const auto add = [&texts](const QObject& owner, const QString& text) {
        if (!text.isEmpty()) texts << owner.objectName() + QStringLiteral(": ") + text;
    };
    for (const QTableWidget* table : window.findChildren<QTableWidget*>()) {
        for (int column = 0; column < table->columnCount(); ++column) {
            add(*table,
                table->model()->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString());
        }
        for (int row = 0; row < table->rowCount(); ++row)
            add(*table, table->model()->headerData(row, Qt::Vertical, Qt::ToolTipRole).toString());
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column) {
                if (const QTableWidgetItem* item = table->item(row, column)) {
                    add(*table, item->text());
                    add(*table, item->toolTip());
                }
            }
        }
    }
    for (const QChartView* view : window.findChildren<QChartView*>()) {
        const QChart* chart = view->chart();
        add(*view, chart->title());
        for (const QAbstractAxis* axis : chart->axes())
            add(*view, axis->titleText());
        for (const QAbstractSeries* series : chart->series())
            add(*view, series->name());
    }
    return texts;
}

// Every text the window shows, as "owner: text" lines.
inline QStringList allTexts(const QWidget& window) {
    return shownTextLines(window) + drawnTexts(window);
}

// Names and symbols that read the same in both languages, beyond those every window has: the
// sources of the rules (authors and a book title), the symbols Fr and ΣQ, and the names of the
// main window's boxes that the causes of skipped steps give ("Text1").
inline const QSet<QString> kNames{QStringLiteral("Fischer"), QStringLiteral("Abraham"),
                                  QStringLiteral("Rawn"),    QStringLiteral("Bowerman"),
                                  QStringLiteral("Brooks"),  QStringLiteral("Fr"),
                                  QStringLiteral("Text")};
inline const QStringList kBothLanguages{QStringLiteral("Mixing in Inland and Coastal Waters"),
                                        QStringLiteral("ΣQ"), QStringLiteral("Δρ/ρ")};

// The lines of `lines` (as allTexts gives them) that belong to the other language than
// `shown`, judged as otherLanguageTexts judges a window's texts. The accessible names of the
// tab bar's scroll buttons are Qt's own texts, which the program's translation of Qt gives.
inline QStringList otherLanguageLines(const QStringList& lines, Language shown) {
    static const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{2,}"));
    QStringList found;
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("ScrollLeftButton: ")) ||
            line.startsWith(QStringLiteral("ScrollRightButton: ")))
            continue;
        QString text = line.mid(line.indexOf(QStringLiteral(": ")) + 2);
        for (const QString& both : kBothLanguages)
            text.remove(both);
        bool other = false;
        if (shown == Language::english) {
            other = hasGreekLetter(text);
        } else {
            for (auto match = latinWord.globalMatch(text); match.hasNext();) {
                const QString word = match.next().captured();
                other |= !wordsOfBothLanguages().contains(word) && !kNames.contains(word);
            }
        }
        if (other) found << line;
    }
    return found;
}

}  // namespace thalmuro::testing
