// What a window shows in words, for the tests of the interface's two languages: every text of
// the window and its children (captions, labels, buttons, menus and their entries, group and tab
// titles, table headings, list entries, tooltips, accessible names), and a test of which of them
// belong to the other language.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTabBar>
#include <QWidget>

#include "language.h"

namespace thalmuro::testing {

// One text a window shows, with the object it belongs to.
struct ShownText {
    QString owner;
    QString text;
};

inline void addShownText(std::vector<ShownText>& texts, const QObject& owner, const QString& text) {
    if (!text.isEmpty()) texts.push_back({owner.objectName(), text});
}

// Every text `window` and its children show, in the order of the children.
inline std::vector<ShownText> shownTexts(const QWidget& window) {
    std::vector<ShownText> texts;
    addShownText(texts, window, window.windowTitle());
    QList<const QWidget*> widgets{&window};
    for (const QWidget* child : window.findChildren<QWidget*>())
        widgets << child;
    for (const QWidget* widget : widgets) {
        if (widget != &window && widget->isWindow() && !widget->isVisible() &&
            !qobject_cast<const QMenu*>(widget))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            addShownText(texts, *widget, label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            addShownText(texts, *widget, button->text());
        if (const auto* menu = qobject_cast<const QMenu*>(widget))
            addShownText(texts, *widget, menu->title());
        if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            addShownText(texts, *widget, group->title());
        if (const auto* box = qobject_cast<const QLineEdit*>(widget))
            addShownText(texts, *widget, box->placeholderText());
        if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                addShownText(texts, *widget, tabs->tabText(i));
                addShownText(texts, *widget, tabs->tabToolTip(i));
            }
        }
        if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                addShownText(texts, *widget, list->itemText(i));
        }
        if (const auto* view = qobject_cast<const QAbstractItemView*>(widget)) {
            if (const QAbstractItemModel* model = view->model()) {
                for (int c = 0; c < model->columnCount(); ++c)
                    addShownText(texts, *widget, model->headerData(c, Qt::Horizontal).toString());
                for (int r = 0; r < model->rowCount(); ++r)
                    addShownText(texts, *widget, model->headerData(r, Qt::Vertical).toString());
            }
        }
        addShownText(texts, *widget, widget->toolTip());
        addShownText(texts, *widget, widget->accessibleName());
        for (const QAction* action : widget->actions()) {
            addShownText(texts, *action, action->text());
            addShownText(texts, *action, action->toolTip());
        }
    }
    return texts;
}

// The same texts as "owner: text" lines, to compare two states of a window.
inline QStringList shownTextLines(const QWidget& window) {
    QStringList lines;
    for (const ShownText& shown : shownTexts(window))
        lines << shown.owner + QStringLiteral(": ") + shown.text;
    return lines;
}

inline bool hasGreekLetter(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x0370 && u <= 0x03FF) || (u >= 0x1F00 && u <= 0x1FFF)) return true;
    }
    return false;
}

// Words that read the same in both languages: names of people and fittings, symbols, units,
// file formats and the program's own name; and the Latin words the Greek windows have always
// had (the menu entry and caption "About", the credit "Author:", the symbol qtotal).
inline const QSet<QString>& wordsOfBothLanguages() {
    static const QSet<QString> words{
        QStringLiteral("Manning"),  QStringLiteral("Sharp"),    QStringLiteral("Bell"),
        QStringLiteral("Froude"),   QStringLiteral("Cd"),       QStringLiteral("Qcalc"),
        QStringLiteral("qc"),       QStringLiteral("mm"),       QStringLiteral("cm"),
        QStringLiteral("km"),       QStringLiteral("CSV"),      QStringLiteral("PNG"),
        QStringLiteral("SVG"),      QStringLiteral("PDF"),      QStringLiteral("JSON"),
        QStringLiteral("UTF"),      QStringLiteral("Windows"),  QStringLiteral("thalmuro"),
        QStringLiteral("Thalmuro"), QStringLiteral("Language"), QStringLiteral("English"),
        QStringLiteral("Ctrl"),     QStringLiteral("Shift"),    QStringLiteral("Alt"),
        QStringLiteral("Qt"),       QStringLiteral("LGPL"),     QStringLiteral("GPL"),
        QStringLiteral("qtotal"),   QStringLiteral("About"),    QStringLiteral("Author")};
    return words;
}

// The texts of `window` that belong to the other language than `shown`: in English, any text
// with a Greek letter; in Greek, any word of two or more Latin letters that is not a name,
// symbol or unit. `kept` lists further texts that stand in both languages (removed from each
// text before it is judged).
inline QStringList otherLanguageTexts(const QWidget& window, Language shown,
                                      const QStringList& kept = {}) {
    static const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{2,}"));
    static const QRegularExpression markup(QStringLiteral("<[^>]*>|&[A-Za-z]+;"));
    QStringList found;
    for (ShownText item : shownTexts(window)) {
        QString text = item.text;
        text.remove(markup);
        text.remove(QStringLiteral("Γλώσσα / Language")).remove(QStringLiteral("Ελληνικά"));
        text.remove(QStringLiteral("Δρ/ρ"));
        for (const QString& both : kept)
            text.remove(both);
        bool other = false;
        if (shown == Language::english) {
            other = hasGreekLetter(text);
        } else {
            for (auto match = latinWord.globalMatch(text); match.hasNext();)
                other |= !wordsOfBothLanguages().contains(match.next().captured());
        }
        if (other) found << item.owner + QStringLiteral(": ") + item.text;
    }
    return found;
}

}  // namespace thalmuro::testing
