// What a screen reader says of the boxes a person types into: the caption of the box, or the
// heading of its column, with the unit the number is read in, in the language the windows show.
// The object name stays the accessible description, where test drivers look a control up.
#pragma once

#include <QString>
#include <functional>

#include "thalmuro/engine.h"

class QAbstractItemView;
class QLabel;
class QModelIndex;
class QWidget;

namespace thalmuro {

// The unit in which a quantity's box is read, as a person reads it: "m³/s", "m"; empty for a
// pure number or a count.
QString unitOf(InputQuantity quantity);

// A box's name: its caption, without the colon a caption may end with, and where there is a
// unit, the unit in brackets: "Ολική Παροχή (m³/s)", "Πλήθος Ανυψωτήρων".
QString nameWithUnit(const QString& caption, const QString& unit);

// `text` of the accessible names' own table in the language shown (context
// "thalmuro::AccessibleNames").
QString accessibleText(const char* text);

// "Τμήμα 3, διάμετρος αγωγού D (m)": the name of a cell in row `row` of the section table, whose
// column is named `column` (with its unit) in the language shown.
QString sectionCellName(int row, const QString& column);

// Gives `box` its name, and makes `label`, the caption beside it, its buddy, which assistive
// technology reads as the label of the box. Neither control moves nor changes.
void nameBox(QWidget* box, const QString& name, QLabel* label = nullptr);

// Calls `name` now and again whenever `window` (or the part of a window) receives
// QEvent::LanguageChange, before its own handler runs: for windows whose accessible names are
// set apart from their other texts.
void nameInEachLanguage(QWidget* window, std::function<void()> name);

// Names the box in which a cell of `view` is typed, while it is typed in, with `name` of the
// cell's index: a screen reader then says which cell the typing goes to.
void nameCellEditors(QAbstractItemView* view, std::function<QString(const QModelIndex&)> name);

}  // namespace thalmuro
