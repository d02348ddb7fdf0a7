// How the hosts word what the engine tells: the engine returns its failures and findings as data
// (a kind and its parameters, see Message, CheckResult and DischargeFailure in engine.h), and
// this library words them in English or in Greek, one catalogue per language. The windows and
// the runner share it; it is plain C++ and links no Qt.
//
// Numbers are written with the engine's number rules in the NumberLocale given. A wording
// without one writes its figures in its language's own format: English with a decimal point,
// Greek with a decimal comma.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "thalmuro/engine.h"

namespace thalmuro {

enum class Language {
    english,  // the runner's by default, and the windows' in English
    greek,    // the windows' by default
};

// The message on one line, without a closing full stop: "Q is not positive". The Greek words
// of a problem file that cannot be read tell what kind of fault it is, for the windows, which
// give the English line beneath it for whoever mends the file.
std::string wordMessage(const Message& message, Language language);
std::string wordMessage(const Message& message, Language language, const NumberLocale& locale);

// A cause of skipped steps on one line: "Manning number (Text6): is empty; earlier values kept:
// the friction factor of sections 1 to 5".
std::string wordSkippedCause(const SkippedCause& cause, Language language);
std::string wordSkippedCause(const SkippedCause& cause, Language language,
                             const NumberLocale& locale);

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
std::string wordMarchReason(const MarchSummary& march, Language language,
                            const NumberLocale& locale);

// The cross-check's verdict in a sentence with its figures, or why it cannot be judged.
std::string wordCrossCheckSummary(const CrossCheck& check, Language language);
std::string wordCrossCheckSummary(const CrossCheck& check, Language language,
                                  const NumberLocale& locale);

// ---- The design checks ---------------------------------------------------------------------

// The check's title: "Smallest densimetric Froude number", "Ελάχιστος πυκνομετρικός αριθμός
// Froude". The runner's JSON gives the windows' (Greek) title under "title".
std::string checkTitle(CheckId check, Language language);

// The check's rule. The English rule names its bounds in words (the runner prints them apart);
// the Greek gives them, the self-cleansing velocity from `settings`, in `locale`'s format.
std::string checkRule(CheckId check, Language language, const CheckSettings& settings,
                      const NumberLocale& locale);

// Where the rule comes from.
std::string checkSource(CheckId check, Language language);

// A short caption for a column header: "Fr ≥ 1", "Αυτοκαθαρισμός".
std::string checkCaption(CheckId check, Language language);

// The unit of the check's bounds in words: "% of Q/N", "m/s"; empty for a pure number.
std::string checkUnit(CheckId check, Language language);

// The result in words, figures in `locale`'s format. English: a sentence with the figures, or
// "Cannot be judged: ..." with the reason (the runner's summary). Greek: the figures with their
// units in `locale`'s format, an estimate said to be one (the windows' column of values), or "Δεν
// κρίνεται: ..." with the reason.
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

// ---- Tables for spreadsheet programs -------------------------------------------------------

// A verdict as a word within a line of text or a table cell, the runner's and the CSV tables':
// "holds", "ικανοποιείται" (the windows' own captions are verdictWord's).
std::string verdictInText(Verdict verdict, Language language);

// The header of the per-riser results table (resultsCsv), each column with its unit.
ResultsCsvHeader resultsCsvHeader(Language language);

// The header and verdict words of the table of operating conditions (conditionsCsv): the
// columns of the windows' table of conditions, each check under its caption, then the count of
// skipped steps.
ConditionsCsvWords conditionsCsvWords(Language language);

// ---- Riser sizing ---------------------------------------------------------------------------

// The goal with its bound from `goals`, figures in `locale`'s format: "Discharge of every riser
// within Q/N ± 5 %", "Παροχή κάθε ανυψωτήρα εντός Q/N ± 5 %".
std::string sizingGoalTitle(SizingGoal goal, Language language, const SizingGoals& goals,
                            const NumberLocale& locale);

// A short caption for a column header, with its bound from `goals` in `locale`'s format:
// "Q/N ± 5 %", "Fr ≥ 1 at Q = 0.25 m³/s", "1/3 ≤ area ratio ≤ 2/3", "Fr ≤ 10 at the design Q".
std::string sizingGoalCaption(SizingGoal goal, Language language, const SizingGoals& goals,
                              const NumberLocale& locale);

// How a design fares against the goal: the figure against its bound, and when the goal is not
// met by how much ("largest departure 7.2 % of Q/N, 2.2 over the 5 % allowed"); or that the
// flow concerned could not be balanced.
std::string sizingGoalStatus(const GoalStatus& status, Language language,
                             const NumberLocale& locale);

// A setting of the sizing in words: "the tolerance", "η ανοχή".
std::string sizingSettingName(SizingSetting setting, Language language);

// Why a design cannot be sized, on one line without a closing full stop, figures in
// `locale`'s format.
std::string wordSizingBlock(const SizingBlock& block, Language language,
                            const NumberLocale& locale);

// ---- The runner's own texts ------------------------------------------------------------------

// What thalmuro-cli says beside the engine's messages: its usage and help, its faults of usage,
// failures, warnings and progress, and the labels of its checks. A text marked %1, %2, ... takes
// the arguments of runnerText in that order.
enum class RunnerText : std::uint8_t {
    usage,
    help,
    // Wrong usage.
    conditions_needs_list,
    format_needs_name,
    format_unknown,  // %1 the name given
    language_needs_name,
    language_unknown,  // %1 the name given
    locale_needs_name,
    locale_unknown,  // %1 the name given
    max_passes_needs_count,
    max_passes_unknown,  // %1 the largest count, %2 the text given
    option_unknown,      // %1 the option
    format_without_checks,
    checks_with_conditions,
    file_name_missing,
    file_names_too_many,
    report_name_empty,
    conditions_fault,  // %1 why the list of conditions cannot be read
    // Failures.
    cannot_write_report,  // %1 the file name, %2 why
    cannot_write_checks,
    cannot_write_conditions,
    internal_error,  // %1 what
    // Warnings and progress.
    warning,              // %1 what
    balancing_progress,   // %1 passes run
    conditions_progress,  // %1 conditions solved, %2 of how many
    balancing_stopped,    // %1 passes, %2 qc, %3 the risers' discharge, %4 Q
    condition_stopped,    // %1 the condition's number, %2 Q, %3 Δρ/ρ, %4 passes
    conditions_skipping,  // %1 conditions that skipped steps, %2 of how many, %3 the column
    // The checks as text: labels, bounds, the cross-check.
    label_rule,
    label_threshold,
    label_source,
    label_verdict,
    label_basis,
    label_values,
    label_risers,
    label_sections,
    label_why,
    label_change,
    label_program,
    label_classical,
    label_difference,
    basis_estimate,
    bounds_between,   // %1 lower, %2 upper
    bounds_at_least,  // %1 lower
    bounds_at_most,   // %1 upper
    bounds_none,
    cross_check_title,
    cross_check_rule,
    march_balanced,    // %1 marches, %2 qc, %3 the discharge sum, %4 the landward head, %5 the
                       // smallest riser discharge at riser %6, %7 the largest at riser %8, %9 the
                       // lowest Froude number at riser %10
    march_unbalanced,  // %1 marches, %2 why
    // The riser sizing (--size-risers): wrong usage.
    sizing_option_alone,  // %1 the option that goes with --size-risers only
    sizing_with_checks,
    tolerance_needs_value,
    tolerance_unknown,  // %1 the text given
    low_flow_needs_spec,
    low_flow_fault,    // %1 why the condition cannot be read
    low_flow_not_one,  // %1 the number of conditions named
    diameters_needs_list,
    diameters_unknown,  // %1 the item given
    write_needs_name,
    // Its failures and progress.
    cannot_size,  // %1 why
    cannot_write_sizing,
    cannot_write_problem,  // %1 the file name, %2 why
    sizing_progress,       // %1 designs weighed, %2 the share of the search done in %
    problem_written,       // %1 the file name
    // Its text: the heading, the outcome, the labels and the lines of the sections.
    sizing_title,      // %1 designs weighed
    sizing_stopped,    // stopped before the end of the search
    sizing_goals_met,  // the proposal meets the goals and the preference
    sizing_preference_missed,
    sizing_goals_missed,  // no choice meets the goals; the closest is proposed
    label_goals,
    label_current,
    label_proposal,
    label_diameter_now,
    label_spread,
    label_froude_design,
    label_froude_low,
    label_area_ratio,
    label_landward_head,
    label_checks,
    label_cross_check,
    sizing_section,   // %1 the section, %2 its risers, %3 D
    sizing_run,       // %1 d, %2 the risers of the run
    unreadable,       // a diameter that cannot be read
    not_balanced,     // a flow that could not be balanced
    checks_hold,      // every check holds
    checks_warning,   // %1 the checks that warn
    figures_between,  // %1 lowest, %2 highest
};

// The number of texts: figures_between stays the last.
inline constexpr std::size_t kRunnerTextCount =
    static_cast<std::size_t>(RunnerText::figures_between) + 1;

// The runner's text in `language` with %1, %2, ... replaced by `arguments` in order.
std::string runnerText(RunnerText text, Language language,
                       const std::vector<std::string>& arguments = {});

// Why a file could not be written: English gives the system's own words, Greek words the
// common causes (a missing folder, no permission, a full disk, ...).
std::string writeFailureReason(std::error_code error, Language language);

}  // namespace thalmuro
