// The question the main window asks before a Solve when a number may not read as the user meant
// it (a grouping character where no thousands grouping stands, a value far outside what its
// quantity takes), and the tooltips that give every box and column its plausible range.
#pragma once

#include <QString>
#include <vector>

#include "thalmuro/engine.h"

class QWidget;

namespace thalmuro {

// What the user answered to the question about the numbers.
enum class NumberAnswer {
    correct,       // «Διόρθωση»: write the values meant into the boxes, then solve
    solveAsTyped,  // «Επίλυση ως έχει»
    cancel,        // «Άκυρο»: no Solve
};

// One line of the question in the language shown: the place, the text, the value it reads and,
// when there is one, the value the other separator gives, the numbers in `locale`'s format.
QString findingLine(const NumberFinding& finding, const NumberLocale& locale);

// Asks, in the modal question "numberQuestion", what to do about `findings` (not empty).
// «Διόρθωση» is offered only when some finding has a value to correct to.
NumberAnswer askAboutNumbers(QWidget* parent, const std::vector<NumberFinding>& findings,
                             const NumberLocale& locale);

// The tooltip of the boxes of `quantity`: its plausible range with the unit, and why.
QString plausibleRangeTip(InputQuantity quantity, const NumberLocale& locale);

}  // namespace thalmuro
