// How the design-check window words and shows the checks: the verdicts by symbol and colour,
// the rule, source and short caption of each check, numbers in the regional format, all in the
// interface language.
#pragma once

#include <QColor>
#include <QString>
#include <string_view>
#include <vector>

#include "thalmuro/engine.h"
#include "thalmuro/wording.h"

class QTableWidgetItem;

namespace thalmuro {

// A verdict as the window shows it: a symbol that tells it apart without colour, its word in
// the interface language and the colours of its cell.
struct VerdictLook {
    QString symbol;  // "✔", "⚠", "–"
    QString word;    // "Ικανοποιείται", "Holds", ...
    QColor background;
    QColor text;
};
VerdictLook verdictLook(Verdict verdict);

// "✔ Ικανοποιείται", "✔ Holds" and so on.
QString verdictCaption(Verdict verdict);

// The verdict of `result` as verdictCaption, with " (εκτίμηση)" / " (estimate)" when it rests
// on an estimate.
QString resultCaption(const CheckResult& result);

// Colours `item` as its verdict: background and text.
void paintVerdict(QTableWidgetItem* item, Verdict verdict);

// Why the march could not compute the discharge of some risers and what to change, numbers in
// the regional format.
QString dischargeFailureText(const DischargeFailure& failure, const NumberLocale& locale);

// The same in a few words, for a check that it left unjudged: "Δεν υπολογίστηκε η παροχή των
// ανυψωτήρων 2–5", "The discharge of risers 2–5 was not computed".
QString dischargeFailureBrief(const DischargeFailure& failure);

// The rule of `check` with its threshold and unit, the self-cleansing velocity taken from
// `settings`.
QString ruleText(CheckId check, const CheckSettings& settings, const NumberLocale& locale);

// Where the rule comes from.
QString sourceText(CheckId check);

// The check's title.
QString titleText(CheckId check);

// A short caption of the check for a column header ("Fr ≥ 1").
QString shortCaption(CheckId check);

// The figures of `result` with their units, in the regional format, an estimate said to be
// one; when the check could not be judged, why if the march could not compute the discharges,
// else nothing.
QString valuesText(const CheckResult& result, const NumberLocale& locale);

// The risers and sections a check names: "Ανυψωτήρες 1–14", "Sections 2, 4"; empty when none.
QString concernedText(const CheckResult& result);

// `value` written with a pattern of the number rules ("0.000") in the regional format.
QString number(double value, std::string_view pattern, const NumberLocale& locale);

}  // namespace thalmuro
