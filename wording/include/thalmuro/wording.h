// How the hosts word what the engine tells: the engine returns its failures and findings as data
// (a kind and its parameters, see Message, CheckResult and DischargeFailure in engine.h), and
// this library words them in English or in Greek, one catalogue per language. The windows and
// the runner share it; it is plain C++ and links no Qt.
//
// Numbers are written with the engine's number rules in the NumberLocale given, except where a
// text says otherwise: the runner's English sentences (a check's summary, the one-line reason of
// a discharge that could not be computed) have always written their figures with a decimal
// point, whatever the problem's format.
#pragma once

#include <string>
#include <vector>

#include "thalmuro/engine.h"

namespace thalmuro {

enum class Language {
    english,  // the runner's, and the windows' in English
    greek,    // the windows'
};

// The message on one line, without a closing full stop: "Q is not positive". The Greek words
// of a problem file that cannot be read tell what kind of fault it is, for the windows, which
// give the English line beneath it for whoever mends the file.
std::string wordMessage(const Message& message, Language language);

// A cause of skipped steps on one line: "Manning number (Text6): is empty; earlier values kept:
// the friction factor of sections 1 to 5".
std::string wordSkippedCause(const SkippedCause& cause, Language language);

// ---- Numbers that may not read as meant --------------------------------------------------------

// The box or column of a quantity: "total discharge Q (Text5)", "Ολική Παροχή".
std::string quantityName(InputQuantity quantity, Language language);

// Why the plausible range of a quantity stands where it does.
std::string plausibleReason(InputQuantity quantity, Language language);

// The plausible range with its unit in `locale`'s format: "0.001 to 20 m^3/s", "0,001 έως
// 20 m³/s" (a no-break space before the Greek unit).
std::string plausibleRangeText(InputQuantity quantity, Language language,
                               const NumberLocale& locale);

// One finding on a line, without a closing full stop: the place, the text, the value it reads
// in `locale`'s format, the range it falls outside and what the other separator would give.
std::string wordNumberFinding(const NumberFinding& finding, Language language,
                              const NumberLocale& locale);

// ---- The cross-check ------------------------------------------------------------------------

// Why a march could not be balanced, with the first cause of its skipped steps when that is
// why: "at qc = 0.001 m^3/s steps were skipped: Manning number (Text6): is empty".
std::string wordMarchReason(const MarchSummary& march, Language language);

// The cross-check's verdict in a sentence with its figures, or why it cannot be judged. The
// English sentence writes its figures with a decimal point, the Greek with a comma.
std::string wordCrossCheckSummary(const CrossCheck& check, Language language);

// ---- The design checks ---------------------------------------------------------------------

// The check's title: "Smallest densimetric Froude number", "Ελάχιστος πυκνομετρικός αριθμός
// Froude". The runner's output gives the windows' (Greek) title under "title".
std::string checkTitle(CheckId check, Language language);

// The check's rule. The English rule names its bounds in words (the runner prints them apart);
// the Greek gives them, the self-cleansing velocity from `settings`, in `locale`'s format.
std::string checkRule(CheckId check, Language language, const CheckSettings& settings,
                      const NumberLocale& locale);

// Where the rule comes from.
std::string checkSource(CheckId check, Language language);

// A short caption for a column header: "Fr ≥ 1", "Αυτοκαθαρισμός".
std::string checkCaption(CheckId check, Language language);

// The result in words. English: a sentence with the figures, or "Cannot be judged: ..." with
// the reason (the runner's summary). Greek: the figures with their units in `locale`'s format,
// an estimate said to be one (the windows' column of values), or "Δεν κρίνεται: ..." with the
// reason.
std::string checkSummary(const CheckResult& result, Language language, const NumberLocale& locale);

// ---- The design checks as the windows show them ---------------------------------------------

// A verdict in a word: "Holds", "Warning", "Not judged"; with " (estimate)" when it rests on an
// estimate.
std::string verdictWord(Verdict verdict, Language language,
                        VerdictBasis basis = VerdictBasis::march);

// The check's rule with its bounds and unit, the self-cleansing velocity taken from `settings`,
// in `locale`'s format: "Fr ≥ 1 at every riser (dimensionless)". (The Greek is checkRule's.)
std::string checkRuleWithBounds(CheckId check, Language language, const CheckSettings& settings,
                                const NumberLocale& locale);

// The figures of a judged result with their units in `locale`'s format, an estimate said to be
// one: "Smallest Fr = 0.52 (riser 3), estimated ...". Empty when the check has no figures.
std::string checkFigures(const CheckResult& result, Language language, const NumberLocale& locale);

// ---- A discharge the march could not compute --------------------------------------------------

// Which risers: "the march could not compute the discharge of risers 2 to 8", "Δεν υπολογίστηκε
// η παροχή των ανυψωτήρων 2–8".
std::string dischargeFailureBrief(const DischargeFailure& failure, Language language);

// Why, with the figures of the first riser concerned in `locale`'s format.
std::string dischargeFailureWhy(const DischargeFailure& failure, Language language,
                                const NumberLocale& locale);

// What to change so that the march can compute it.
std::string dischargeFailureChange(const DischargeFailure& failure, Language language);

// Which risers, as a heading of its own: "The discharge of risers 2–5 was not computed",
// "Δεν υπολογίστηκε η παροχή των ανυψωτήρων 2–5".
std::string dischargeFailureHeading(const DischargeFailure& failure, Language language);

// The whole notice as the windows show it: the heading, why, and on a line of its own what to
// change, figures in `locale`'s format.
std::string dischargeFailureNotice(const DischargeFailure& failure, Language language,
                                   const NumberLocale& locale);

}  // namespace thalmuro
