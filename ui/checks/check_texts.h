// How the design-check window words and shows the checks: the verdicts by symbol and colour,
// the Greek rule, source and short caption of each check, numbers in the regional format.
#pragma once

#include <QColor>
#include <QString>
#include <string_view>
#include <vector>

#include "thalmuro/engine.h"
#include "thalmuro/wording.h"

class QTableWidgetItem;

namespace thalmuro {

// A verdict as the window shows it: a symbol that tells it apart without colour, its Greek
// word and the colours of its cell.
struct VerdictLook {
    QString symbol;  // "✔", "⚠", "–"
    QString word;  // "Ικανοποιείται", "Προειδοποίηση", "Δεν κρίνεται"
    QColor background;
    QColor text;
};
VerdictLook verdictLook(Verdict verdict);

// "✔ Ικανοποιείται" and so on.
QString verdictCaption(Verdict verdict);

// The verdict of `result` as verdictCaption, with " (εκτίμηση)" when it rests on an estimate.
QString resultCaption(const CheckResult& result);

// Colours `item` as its verdict: background and text.
void paintVerdict(QTableWidgetItem* item, Verdict verdict);

// Why the march could not compute the discharge of some risers and what to change, in Greek,
// numbers in the regional format.
QString dischargeFailureText(const DischargeFailure& failure, const NumberLocale& locale);

// The same in a few words, for a check that it left unjudged: "Δεν υπολογίστηκε η παροχή των
// ανυψωτήρων 2–5".
QString dischargeFailureBrief(const DischargeFailure& failure);

// The rule of `check` in Greek with its threshold and unit, the self-cleansing velocity taken
// from `settings`.
QString ruleText(CheckId check, const CheckSettings& settings, const NumberLocale& locale);

// Where the rule comes from, in Greek.
QString sourceText(CheckId check);

// The check's title in Greek.
QString titleText(CheckId check);

// A short caption of the check for a column header ("Fr ≥ 1").
QString shortCaption(CheckId check);

// The figures of `result` in Greek with their units, in the regional format, an estimate said
// to be one; when the check could not be judged, why if the march could not compute the
// discharges, else nothing.
QString valuesText(const CheckResult& result, const NumberLocale& locale);

// The risers and sections a check names: "ανυψωτήρες 1–14", "τμήματα 2, 4"; empty when none.
QString concernedText(const CheckResult& result);

// `value` written with a pattern of the number rules ("0.000") in the regional format.
QString number(double value, std::string_view pattern, const NumberLocale& locale);

}  // namespace thalmuro
