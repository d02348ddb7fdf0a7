// The English catalogue: the runner's wording of the engine's messages and checks.

#include <algorithm>
#include <array>
#include <cmath>
#include <nlohmann/json.hpp>

#include "catalogues.h"
#include "phrases.h"
#include "thalmuro/wording.h"

namespace thalmuro {
namespace {

using phrases::bound;
using phrases::dashedRanges;
using phrases::extremeRiser;
using phrases::figure;

// A figure of a sentence in the number format of the text it goes into.
std::string plain(const NumberLocale& locale, double value, std::string_view pattern = "0.000") {
    return figure(value, pattern, locale);
}

std::string ranges(const std::vector<int>& numbers) {
    return phrases::numberRanges(numbers, "to");
}

// "riser 2", "risers 2 to 8", or for risers with gaps between them "7 risers from 2 to 9".
std::string risersSpan(const std::vector<int>& risers) {
    if (risers.size() == 1) return "riser " + formatCount(risers.front());
    const int first = risers.front();
    const int last = risers.back();
    const std::string span = formatCount(first) + " to " + formatCount(last);
    if (last - first + 1 == static_cast<int>(risers.size())) return "risers " + span;
    return formatCount(static_cast<long>(risers.size())) + " risers from " + span;
}

// "riser 2", "risers 2 to 8", "risers 2, 3, 5".
std::string risersList(const std::vector<int>& risers) {
    if (risers.size() == 1) return "riser " + formatCount(risers.front());
    const bool run = risers.back() - risers.front() + 1 == static_cast<int>(risers.size());
    if (run) return "risers " + formatCount(risers.front()) + " to " + formatCount(risers.back());
    std::string text;
    for (const int riser : risers)
        text += (text.empty() ? "risers " : ", ") + formatCount(riser);
    return text;
}

// "riser 5", "risers 5 to 14".
std::string risersNamed(const std::vector<int>& risers) {
    return (risers.size() == 1 ? "riser " : "risers ") + ranges(risers);
}

std::string sectionsNamed(const std::vector<int>& sections) {
    return (sections.size() == 1 ? "section " : "sections ") + ranges(sections);
}

std::vector<int> span(int first, int last) {
    std::vector<int> numbers;
    for (int k = first; k <= last; ++k)
        numbers.push_back(k);
    return numbers;
}

// The columns of the section table, in the order of kRowCells, and their controls.
constexpr std::array<const char*, kRowCells.size()> kColumns{"first riser",    "last riser",
                                                             "pipe diameter",  "riser spacing",
                                                             "elevation step", "riser diameter"};
constexpr std::array<const char*, kRowCells.size()> kCellNames{"textfn",
                                                               "textln",
                                                               "textdr_thalmuro",
                                                               "textdxanipsotiror",
                                                               "textdz_anipsotiron",
                                                               "textdr_anipsotiron"};

// "riser diameter (textdr_anipsotiron_2) "0" is zero".
std::string cellFault(const Message& m, std::string_view why) {
    const auto column = static_cast<std::size_t>(m.cell - 1);
    return std::string(kColumns.at(column)) + " (" + kCellNames.at(column) + "_" +
           formatCount(m.row - 1) + ") " +
           (m.kind == MessageKind::cell_empty ? "" : phrases::quoted(m.text, "\"", "\"") + " ") +
           std::string(why);
}

std::string arithmeticFault(Fault fault) {
    switch (fault) {
        case Fault::overflow:
            return "a figure too large for a 64-bit float";
        case Fault::negative_fractional_power:
            // The bell's discharge law 0.975 (1 - X)^0.375 has no value where the pipe's
            // velocity head exceeds the specific energy (X > 1), and no riser velocity follows
            // from a negative specific energy.
            return "the fitting's discharge law has no value there: the pipe's velocity head "
                   "exceeds the specific energy (X > 1) or the specific energy is negative";
        case Fault::division_by_zero:
            return "division by zero";
        case Fault::none:
            return "no fault";
        case Fault::unreadable_text:
            return "unreadable number";
        case Fault::index_outside:
            return "outside the 101 risers or the 30 sections";
        case Fault::below_precision:
            return "step below the precision of the value";
    }
    return {};
}

// "Q item "0.1..x": what": an item of a list of conditions and what is wrong with it.
std::string conditionItem(const Message& m, const std::string& what) {
    return m.key + " item " + phrases::quoted(m.text, "\"", "\"") + ": " + what;
}

// "number of risers (Text1) "0"": a box, with its text unless blank.
std::string box(std::string_view name, std::string_view control, const std::string& typed) {
    std::string out = std::string(name) + " (" + std::string(control) + ")";
    if (!phrases::blank(typed)) out += " " + phrases::quoted(typed, "\"", "\"");
    return out;
}

std::string subject(const SkippedCause& cause) {
    switch (cause.subject) {
        case CauseSubject::risers_box:
            return box("number of risers", "Text1", cause.typed);
        case CauseSubject::sections_box:
            return box("number of sections", "Text2", cause.typed);
        case CauseSubject::drho_box:
            return box("Δρ/ρ", "Text4", cause.typed);
        case CauseSubject::total_discharge_box:
            return box("total discharge Q", "Text5", cause.typed);
        case CauseSubject::manning_box:
            return box("Manning number", "Text6", cause.typed);
        case CauseSubject::ratio_box:
            return box("ratio x of the user flow mode", "qc = x Q / N", cause.typed);
        case CauseSubject::ratio_question:
            return "ratio x of the user flow mode";
        case CauseSubject::section_row:
            return "section table, row " + formatCount(cause.row);
        case CauseSubject::section_table:
            return "section table";
        case CauseSubject::computation:
            return cause.march_risers.empty() ? "the computation"
                                              : "the march at " + risersNamed(cause.march_risers);
    }
    return {};
}

// "the discharge of risers 2 to 8 could not be computed: at riser 2 the pipe velocity head of
// the trial discharge 0.01 m^3/s exceeds the specific energy E = 0.00047 m (X = 1.714), where
// the bell-mouth's Cd = 0.975 (1 - X)^0.375 cannot be taken".
std::string dischargeReason(const DischargeFailure& failure, const NumberLocale& locale) {
    const std::string first = formatCount(failure.risers.front());
    const std::string text = "the discharge of " + risersSpan(failure.risers) +
                             " could not be computed: at riser " + first;
    switch (failure.kind) {
        case DischargeFailure::Kind::negative_energy:
            return text + " the specific energy E = " +
                   plain(locale, failure.specific_energy, "0.000000") +
                   " m is negative, and q = Cd a (2 g E)^0.5 cannot be taken";
        case DischargeFailure::Kind::velocity_head_above_energy:
            break;
    }
    return text + " the pipe velocity head of the trial discharge " +
           plain(locale, failure.trial_discharge, "0.0000") +
           " m^3/s exceeds the specific energy E = " +
           plain(locale, failure.specific_energy, "0.000000") +
           " m (X = " + plain(locale, failure.x) +
           "), where the bell-mouth's Cd = 0.975 (1 - X)^0.375 cannot be taken";
}

std::string froudeSummary(const CheckResult& result, const NumberLocale& locale) {
    const CheckFigures& f = *result.figures;
    const bool lowest = result.id == CheckId::froude_min;
    const auto [least, largest] = std::minmax_element(f.froude.begin(), f.froude.end());
    const std::string which = lowest ? "smallest" : "largest";
    const std::string extreme = plain(locale, lowest ? *least : *largest);
    const std::string risers =
        result.risers.empty()
            ? (lowest ? "; every riser is at least 1." : "; every riser is at most 10.")
            : std::string(lowest ? "; below 1" : "; above 10") + " at risers " +
                  ranges(result.risers) + ".";
    if (result.basis == VerdictBasis::march) {
        return "The " + which + " densimetric Froude number is " + extreme + risers;
    }
    return "Estimated from each riser's share Q/N = " + plain(locale, f.share, "0.00000") +
           " m^3/s, as the march's figures cannot be used: the " + which +
           " densimetric Froude number is " + extreme + risers;
}

std::string skippedSummary(const CheckFigures& f, const NumberLocale& locale) {
    if (f.skipped_steps == 0) return "Every step was computed.";
    std::string text = "Skipped steps (" + formatCount(f.skipped_steps) + ") from " +
                       formatCount(static_cast<long>(f.causes.size())) +
                       (f.causes.size() == 1 ? " cause:" : " causes:");
    for (std::size_t i = 0; i < f.causes.size(); ++i) {
        text += (i == 0 ? " (" : "; (") + formatCount(static_cast<long>(i + 1)) + ") " +
                english::cause(f.causes[i], locale);
    }
    return text + '.';
}

std::string judgedSummary(const CheckResult& result, const NumberLocale& locale) {
    const CheckFigures& f = *result.figures;
    switch (result.id) {
        case CheckId::froude_min:
        case CheckId::froude_max:
            return froudeSummary(result, locale);
        case CheckId::uniformity:
            return "Riser discharges from " + plain(locale, f.q_smallest, "0.00000") + " to " +
                   plain(locale, f.q_largest, "0.00000") + " m^3/s (ratio " +
                   plain(locale, f.q_ratio) + ") against the band " +
                   plain(locale, f.band_lower, "0.00000") + " to " +
                   plain(locale, f.band_upper, "0.00000") + " m^3/s" +
                   (result.risers.empty() ? "."
                                          : "; outside at risers " + ranges(result.risers) + ".");
        case CheckId::riser_area:
            return "The risers' total area " + plain(locale, f.risers_area, "0.00000") +
                   " m^2 is " + plain(locale, f.area_ratio) + " of the pipe area " +
                   plain(locale, f.pipe_area, "0.00000") + " m^2 at riser " +
                   formatCount(f.landward_riser) + " (1/3 to 2/3 recommended).";
        case CheckId::pipe_velocity:
            return "The slowest section's largest pipe velocity is " +
                   plain(locale,
                         *std::min_element(f.section_velocity.begin(), f.section_velocity.end())) +
                   " m/s against " + plain(locale, f.min_velocity) + " m/s" +
                   (result.sections.empty()
                        ? "."
                        : "; below it in sections " + ranges(result.sections) + ".");
        case CheckId::balance_error:
            return "The risers pass Qcalc = " + plain(locale, f.qcalc, "0.00000") +
                   " m^3/s against Q = " + plain(locale, f.q, "0.00000") +
                   " m^3/s: e = " + plain(locale, f.e) + " %.";
        case CheckId::landward_head:
            return "E of riser " + formatCount(f.landward_riser) + " = " +
                   plain(locale, f.head_landward, "0.00000") +
                   " m: " + plain(locale, f.head_seaward, "0.00000") + " m at riser 1, " +
                   plain(locale, f.friction_losses, "0.00000") + " m of friction losses and " +
                   plain(locale, f.density_terms, "0.00000") + " m of density terms.";
        case CheckId::skipped_steps:
            return skippedSummary(f, locale);
    }
    return {};
}

// A text from a problem file, quoted and escaped as JSON, so that a message stays on one line.
std::string quotedText(std::string_view text) {
    using Json = nlohmann::json;
    return Json(phrases::shortened(text, 40)).dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string describe(JsonValue value) {
    switch (value) {
        case JsonValue::null:
            return "null";
        case JsonValue::boolean:
            return "a boolean";
        case JsonValue::number:
            return "a number";
        case JsonValue::string:
            return "a string";
        case JsonValue::object:
            return "an object";
        case JsonValue::array:
            return "an array";
        case JsonValue::binary:
            return "binary data";
    }
    return "a value";
}

// The names a key of the problem file takes: "\"Sharp\" or \"Bell\"".
std::string allowedNames(const std::string& key) {
    if (key == "fitting") return "\"Sharp\" or \"Bell\"";
    if (key == "flow_mode") return "\"none\", \"standard\", \"optimised\" or \"user\"";
    return "\",\" or \".\"";
}

// What is wrong inside a problem's text, without the file's name.
std::string problemFault(const Message& m) {
    const std::string row = "key \"rows\": row " + formatCount(m.row);
    switch (m.kind) {
        case MessageKind::invalid_utf8:
            return "invalid UTF-8 at line " + formatCount(m.line) + ", column " +
                   formatCount(m.column);
        case MessageKind::nul_byte:
            return "invalid JSON at line " + formatCount(m.line) + ", column " +
                   formatCount(m.column) + ": NUL byte";
        case MessageKind::invalid_json:
            // The parser escapes control characters, but the text it last read may be a part
            // of a character, and a long one need not be shown whole.
            return phrases::shortened("invalid JSON" + m.detail, 200);
        case MessageKind::not_an_object:
            return "the problem must be a JSON object, not " + describe(m.found);
        case MessageKind::unknown_key:
            return "unknown key " + quotedText(m.text);
        case MessageKind::repeated_key:
            return "key " + quotedText(m.text) + " appears more than once";
        case MessageKind::too_many_rows:
            return "key \"rows\" has more than " + formatCount(m.count) + " rows";
        case MessageKind::rows_not_an_array:
            return "key \"rows\" must be an array of rows, not " + describe(m.found);
        case MessageKind::row_not_an_array:
            return row + " must be an array of texts, not " + describe(m.found);
        case MessageKind::cell_not_a_string:
            return row + ", cell " + formatCount(m.cell) + " must be a string, not " +
                   describe(m.found);
        case MessageKind::too_many_cells:
            return row + " has more than " + formatCount(m.count) + " cells";
        case MessageKind::value_not_a_string:
            return "key \"" + m.key + "\" must be a string" + (m.key == "ratio" ? " or null" : "") +
                   ", not " + describe(m.found);
        case MessageKind::unknown_name:
            return "key \"" + m.key + "\" must be " + allowedNames(m.key) + ", not " +
                   quotedText(m.text);
        default:
            return {};
    }
}

}  // namespace

namespace english {

std::string message(const Message& m, const NumberLocale& locale) {
    switch (m.kind) {
        case MessageKind::risers_outside_range:
            return "the number of risers " + formatCount(m.count) + " is outside 1 to " +
                   formatCount(kMaxRisers);
        case MessageKind::discharge_not_computed:
            return m.discharge_failure ? dischargeReason(*m.discharge_failure, locale)
                                       : "the discharge of some risers could not be computed";
        case MessageKind::solve_skipped_steps:
            return "the Solve skipped steps";
        case MessageKind::q_not_positive:
            return "Q is not positive";
        case MessageKind::riser_discharge_not_positive:
            return "a riser's discharge is not positive";
        case MessageKind::riser_without_section:
            return "no section holds riser " + formatCount(m.riser);
        case MessageKind::diameter_unreadable:
            return "a diameter cannot be read";
        case MessageKind::no_sections:
            return "there are no sections";
        case MessageKind::section_without_riser:
            return "section " + formatCount(m.section) + " holds no riser";
        case MessageKind::qcalc_zero:
            return "Qcalc is zero";
        case MessageKind::reach_unreadable:
            return "a reach's data cannot be read";
        case MessageKind::file_cannot_open:
            return "cannot open \"" + m.file + "\": " + m.detail;
        case MessageKind::file_cannot_read:
            return "cannot read \"" + m.file + "\": " + m.detail;
        case MessageKind::file_too_large:
            return "cannot read \"" + m.file + "\": larger than " + formatCount(m.count) +
                   " KiB, not a problem file";
        case MessageKind::invalid_utf8:
        case MessageKind::nul_byte:
        case MessageKind::invalid_json:
        case MessageKind::not_an_object:
        case MessageKind::unknown_key:
        case MessageKind::repeated_key:
        case MessageKind::too_many_rows:
        case MessageKind::rows_not_an_array:
        case MessageKind::row_not_an_array:
        case MessageKind::cell_not_a_string:
        case MessageKind::too_many_cells:
        case MessageKind::value_not_a_string:
        case MessageKind::unknown_name:
            return m.file.empty() ? problemFault(m) : m.file + ": " + problemFault(m);
        case MessageKind::out_of_memory:
            return m.file.empty() ? "out of memory while reading the problem"
                                  : "\"" + m.file + "\": out of memory while reading the problem";
        case MessageKind::reading_failed:
            return (m.file.empty() ? "cannot read the problem: "
                                   : "cannot read \"" + m.file + "\": ") +
                   phrases::shortened(m.detail, 200);
        case MessageKind::count_unreadable:
            return "is not a count from -32768 to 32767";
        case MessageKind::risers_not_positive:
            return "is not a positive number of risers";
        case MessageKind::no_row_names_a_riser:
            return "no row of the section table names a riser";
        case MessageKind::risers_named_up_to:
            return "the section table names risers up to " + formatCount(m.count) + " only";
        case MessageKind::risers_beyond_computed:
            return "only risers 1 to 101 are computed, risers " +
                   phrases::numberRange(kMaxRisers + 1, m.count, "to") + " are skipped";
        case MessageKind::riser_1_without_discharge:
            return "leaves riser 1 without a discharge";
        case MessageKind::rows_empty:
            return m.numbers.size() == 1
                       ? "row " + ranges(m.numbers) + " of the section table is empty"
                       : "rows " + ranges(m.numbers) + " of the section table are empty";
        case MessageKind::sections_beyond_table: {
            const std::string beyond = phrases::numberRange(kSectionRows + 1, m.count, "to");
            return "the table has 30 rows, " + (m.count == kSectionRows + 1
                                                    ? "section " + beyond + " is skipped"
                                                    : "sections " + beyond + " are skipped");
        }
        case MessageKind::box_empty:
        case MessageKind::row_empty:
            return "is empty";
        case MessageKind::box_unreadable:
            return "cannot be read";
        case MessageKind::box_zero:
            return "is zero";
        case MessageKind::box_negative:
            return "is negative";
        case MessageKind::box_unusable:
            return "cannot be used";
        case MessageKind::q_too_large_to_balance:
            return "is so large that lowering qc by 0.0001 m^3/s no longer changes it";
        case MessageKind::manning_too_large:
            return "is too large";
        case MessageKind::question_cancelled:
            return "the question was cancelled";
        case MessageKind::cell_empty:
            return cellFault(m, "is empty");
        case MessageKind::cell_unreadable:
            return cellFault(m, "cannot be read");
        case MessageKind::cell_zero:
            return cellFault(m, "is zero");
        case MessageKind::cell_negative:
            return cellFault(m, "is negative");
        case MessageKind::row_outside_risers:
            return "names risers outside 1 to 101";
        case MessageKind::row_not_computed:
            return "its figures could not be computed";
        case MessageKind::risers_not_named:
            return "no row names " + risersNamed(m.numbers) + " (N = " + formatCount(m.count) +
                   " in Text1)";
        case MessageKind::arithmetic_fault:
            return arithmeticFault(m.fault);
        case MessageKind::x_taken_as_zero:
            return "so x = 0";
        case MessageKind::riser_1_gets_no_discharge:
            return "so riser 1 gets no discharge";
        case MessageKind::leaves_risers_unnamed:
            return "so no row names " + risersNamed(m.numbers);
        case MessageKind::kept_risers_count:
            return "the number of risers";
        case MessageKind::kept_sections_count:
            return "the number of sections";
        case MessageKind::kept_q:
            return "Q";
        case MessageKind::kept_qc:
            return "qc";
        case MessageKind::kept_friction:
            return "the friction factor of " + sectionsNamed(m.numbers);
        case MessageKind::kept_froude:
            return "the Froude number of " + risersNamed(m.numbers);
        case MessageKind::kept_velocity_and_froude:
            return "the riser velocity and Froude number of " + risersNamed(m.numbers);
        case MessageKind::kept_figures:
            return "the figures of " + risersNamed(m.numbers);
        case MessageKind::drho_unreadable:
            return "the relative density difference cannot be read";
        case MessageKind::manning_unreadable:
            return "the Manning number cannot be read";
        case MessageKind::steps_skipped:
            return "steps were skipped";
        case MessageKind::no_qc_passes_q:
            return "no qc up to Q makes the risers pass Q: at qc = Q they pass " +
                   formatGeneral(m.discharge, locale) + " m^3/s";
        case MessageKind::risers_pass_more_than_q:
            return "the risers pass " + formatGeneral(m.discharge, locale) +
                   " m^3/s, more than Q, even at qc = " + formatGeneral(m.qc, locale) + " m^3/s";
        case MessageKind::sum_jumps_across_q:
            return "the risers' discharge sum jumps across Q at qc = " +
                   formatGeneral(m.qc, locale) + " m^3/s";
        case MessageKind::sum_not_monotone:
            return "the risers' discharge sum does not grow with qc";
        case MessageKind::marches_spent:
            return "not balanced within " + formatCount(m.count) + " marches";
        case MessageKind::discharge_not_computed_at_qc:
            return "at qc = " + formatGeneral(m.qc, locale) + " m^3/s " +
                   (m.discharge_failure ? dischargeReason(*m.discharge_failure, locale)
                                        : "the discharge of some risers could not be computed");
        case MessageKind::steps_skipped_at_qc:
            return "at qc = " + formatGeneral(m.qc, locale) + " m^3/s steps were skipped";
        case MessageKind::conditions_empty:
            return "the list of conditions is empty";
        case MessageKind::conditions_too_many:
            return "the list holds more than " + formatCount(kMaxConditions) + " conditions";
        case MessageKind::condition_q_not_positive:
            return "condition " + formatCount(m.row) + ": Q is not a positive number";
        case MessageKind::condition_drho_not_positive:
            return "condition " + formatCount(m.row) + ": drho is not a positive number";
        case MessageKind::condition_part_empty:
            return "part " + formatCount(m.count) + " is empty";
        case MessageKind::condition_part_unknown:
            return "unknown part " + phrases::quoted(m.text, "\"", "\"") +
                   " (the parts are Q=... and drho=...)";
        case MessageKind::condition_part_repeated:
            return m.key + "= is given twice";
        case MessageKind::condition_item_empty:
            return m.key + ": item " + formatCount(m.count) + " is empty";
        case MessageKind::condition_own_unreadable:
            return "no " + m.key + "= part is given and the problem's " + m.key + " cannot be read";
        case MessageKind::condition_defaults_not_positive:
            return "no " + m.key + "= part is given, and its default multiples of the problem's " +
                   m.key + " " + formatGeneral(m.value, phrases::kListNumbers) +
                   " are not all positive numbers";
        case MessageKind::condition_item_unreadable:
            return conditionItem(
                m, "not a number, a multiple such as 0.5x or a range such as 0.1..0.5/5");
        case MessageKind::condition_count_not_whole:
            return conditionItem(m, "the count after \"/\" must be a whole number");
        case MessageKind::condition_count_below_two:
            return conditionItem(m, "a range needs a count of at least 2");
        case MessageKind::condition_values_too_many:
            return conditionItem(
                m, "more than " + formatCount(kMaxConditions) + " values of " + m.key);
        case MessageKind::condition_multiple_unreadable:
            return conditionItem(m,
                                 "a multiple of the problem's " + m.key + ", which cannot be read");
        case MessageKind::condition_value_not_positive:
            return conditionItem(m, m.key + " must be positive, not " +
                                        formatGeneral(m.value, phrases::kListNumbers));
        case MessageKind::conditions_product_too_many:
            return "the " + formatCount(m.numbers.at(0)) + " values of Q and " +
                   formatCount(m.numbers.at(1)) + " of drho give " + formatCount(m.count) +
                   " conditions, more than " + formatCount(kMaxConditions);
        case MessageKind::discharges_overflow:
            return "the risers' discharges overflow at qc = " + formatGeneral(m.qc, locale) +
                   " m^3/s";
    }
    return {};
}

std::string marchReason(const MarchSummary& march, const NumberLocale& locale) {
    std::string text = message(march.reason, locale);
    if (march.skipped_cause) text += ": " + cause(*march.skipped_cause, locale);
    return text;
}

std::string crossCheckSummary(const CrossCheck& check, const NumberLocale& locale) {
    if (!check.program.balanced) {
        return "Cannot be judged: the program's march cannot be balanced: " +
               marchReason(check.program, locale) + ".";
    }
    if (!check.classical.balanced) {
        return "Cannot be judged: the classical march cannot be balanced: " +
               marchReason(check.classical, locale) + ".";
    }
    if (!check.head_difference) return "Cannot be judged: the program's landward head is zero.";
    const double difference = *check.head_difference;
    return "E of riser " + formatCount(check.landward_riser) + " = " +
           plain(locale, check.classical.landward_head, "0.00000") +
           " m by the classical port formulation against " +
           plain(locale, check.program.landward_head, "0.00000") +
           " m as the program marches: " + (difference < 0.0 ? "" : "+") +
           plain(locale, difference, "0.0") + " %, " +
           (difference > kCrossCheckHeadLimit ? "above" : "within") + " the " +
           plain(locale, kCrossCheckHeadLimit, "0") + " % limit.";
}

std::string quantityName(InputQuantity quantity) {
    switch (quantity) {
        case InputQuantity::risers:
            return "number of risers N (Text1)";
        case InputQuantity::sections:
            return "number of sections (Text2)";
        case InputQuantity::drho:
            return "relative density difference drho (Text4)";
        case InputQuantity::total_discharge:
            return "total discharge Q (Text5)";
        case InputQuantity::manning:
            return "Manning number n (Text6)";
        case InputQuantity::first_riser:
            return "first riser";
        case InputQuantity::last_riser:
            return "last riser";
        case InputQuantity::pipe_diameter:
            return "pipe diameter D";
        case InputQuantity::spacing:
            return "riser spacing";
        case InputQuantity::elevation_step:
            return "elevation step";
        case InputQuantity::riser_diameter:
            return "riser diameter d";
    }
    return {};
}

std::string plausibleReason(InputQuantity quantity) {
    switch (quantity) {
        case InputQuantity::risers:
            return "at least one riser; the program holds at most 101 risers";
        case InputQuantity::sections:
            return "at least one section; the section table has 30 rows";
        case InputQuantity::drho:
            return "treated sewage in seawater gives about 0.025 to 0.03; brackish water or a warm "
                   "effluent "
                   "less, never above a few hundredths";
        case InputQuantity::total_discharge:
            return "from a small settlement (1 l/s) to the largest city outfalls; the help pages "
                   "give 30 m³/s "
                   "as a value of the wrong order";
        case InputQuantity::manning:
            return "smooth plastic pipe about 0.009, concrete 0.012 to 0.015, an old fouled pipe "
                   "up to 0.025; "
                   "the help pages give 15 as a value of the wrong order";
        case InputQuantity::first_riser:
            return "risers are numbered from 1; the program holds at most 101 risers";
        case InputQuantity::last_riser:
            return "risers are numbered from 1; the program holds at most 101 risers";
        case InputQuantity::pipe_diameter:
            return "diffuser pipes run from 0.1 m for a small settlement to about 4 m for the "
                   "largest outfalls";
        case InputQuantity::spacing:
            return "risers stand from about a metre apart to a few tens of metres, so that their "
                   "plumes merge "
                   "late";
        case InputQuantity::elevation_step:
            return "the rise of the pipe from one riser to the next: over at most 50 m of spacing "
                   "a sea bed "
                   "seldom climbs more than a few metres";
        case InputQuantity::riser_diameter:
            return "ports and risers run from a few centimetres to about a metre";
    }
    return {};
}

// A value with its quantity's unit, when it has one.
std::string withUnit(double value, const PlausibleRange& range, const NumberLocale& locale) {
    const std::string text = formatGeneral(value, locale);
    return range.unit == "-" ? text : text + " " + std::string(range.unit);
}

std::string rangeText(InputQuantity quantity, const NumberLocale& locale) {
    const PlausibleRange& range = plausibleRange(quantity);
    return formatGeneral(range.lower, locale) + " to " + withUnit(range.upper, range, locale);
}

std::string numberFinding(const NumberFinding& finding, const NumberLocale& locale) {
    const PlausibleRange& range = plausibleRange(finding.quantity);
    const std::string name = quantityName(finding.quantity);
    std::string line = finding.row == 0 ? name : "row " + formatCount(finding.row) + ", " + name;
    line += ": \"" + finding.text + "\" reads " + withUnit(finding.value, range, locale);
    if (finding.kind == NumberFindingKind::grouping_slip) {
        line += ", \"" + locale.grouping + "\" taken as a thousands grouping where none stands";
    }
    if (finding.value < range.lower || finding.value > range.upper) {
        line += ", outside the plausible range " + rangeText(finding.quantity, locale);
    }
    if (finding.alternative) {
        line += "; with \"" + locale.grouping + "\" as the decimal separator it would be " +
                withUnit(*finding.alternative, range, locale);
    }
    return line;
}

std::string cause(const SkippedCause& c, const NumberLocale& locale) {
    std::string line = subject(c) + ": ";
    for (std::size_t i = 0; i < c.reasons.size(); ++i) {
        if (i > 0) line += phrases::followsFromTheLast(c.reasons[i].kind) ? ", " : ", and ";
        line += message(c.reasons[i], locale);
    }
    for (std::size_t i = 0; i < c.kept.size(); ++i)
        line += (i == 0 ? "; earlier values kept: " : ", ") + message(c.kept[i], locale);
    if (c.report_lines > 0) {
        const bool one = c.report_lines == 1;
        line += "; " + formatCount(c.report_lines) + (one ? " report line" : " report lines") +
                " left out";
        std::vector<std::string> beyond;
        const std::string lines = one ? "the line of " : "the lines of ";
        if (c.lines_risers_to > 0) {
            beyond.push_back(lines + risersNamed(span(kMaxRisers + 1, c.lines_risers_to)));
        }
        if (c.lines_sections_to > 0) {
            beyond.push_back(lines + sectionsNamed(span(kSectionRows + 1, c.lines_sections_to)));
        }
        for (std::size_t i = 0; i < beyond.size(); ++i)
            line += (i == 0 ? ": " : ", ") + beyond[i];
    }
    return line;
}

std::string title(CheckId check) {
    switch (check) {
        case CheckId::froude_min:
            return "Smallest densimetric Froude number";
        case CheckId::froude_max:
            return "Largest densimetric Froude number";
        case CheckId::uniformity:
            return "Uniformity of the riser discharges";
        case CheckId::riser_area:
            return "Riser area over pipe area";
        case CheckId::pipe_velocity:
            return "Self-cleansing velocity in the pipe";
        case CheckId::balance_error:
            return "Discharge balance error";
        case CheckId::landward_head:
            return "Energy at the landward end";
        case CheckId::skipped_steps:
            return "Skipped steps";
    }
    return {};
}

std::string rule(CheckId check, const CheckSettings&, const NumberLocale&) {
    switch (check) {
        case CheckId::froude_min:
            return "densimetric Froude number of every riser at least 1 (below 1 seawater can "
                   "enter the port)";
        case CheckId::froude_max:
            return "densimetric Froude number of every riser at most 10 (the range of the "
                   "nomograph)";
        case CheckId::uniformity:
            return "discharge of every riser within Q/N - 10 % and Q/N + 10 %";
        case CheckId::riser_area:
            return "total riser area over the pipe area at riser N between 1/3 and 2/3";
        case CheckId::pipe_velocity:
            return "largest pipe velocity of every section at least the self-cleansing velocity "
                   "(settable)";
        case CheckId::balance_error:
            return "e = (Qcalc - Q) / Qcalc within 5 % either way";
        case CheckId::landward_head:
            return "E of riser N = E of riser 1 + friction losses + density terms (informative)";
        case CheckId::skipped_steps:
            return "every step of the Solve computed";
    }
    return {};
}

std::string source(CheckId check) {
    switch (check) {
        case CheckId::froude_min:
            return "Fischer et al. (1979), Mixing in Inland and Coastal Waters: outfall design";
        case CheckId::froude_max:
            return "Abraham's nomograph";
        case CheckId::uniformity:
            return "uniform discharge along the diffuser, as in outfall design practice; the band "
                   "of the graph window";
        case CheckId::riser_area:
            return "Rawn, Bowerman and Brooks (1961); Fischer et al. (1979)";
        case CheckId::pipe_velocity:
            return "common sewer design practice";
        case CheckId::balance_error:
            return "the program's own tolerance";
        case CheckId::landward_head:
            return "the march's energy balance";
        case CheckId::skipped_steps:
            return "the program's own rule";
    }
    return {};
}

std::string caption(CheckId check) {
    switch (check) {
        case CheckId::froude_min:
            return "Fr ≥ 1";
        case CheckId::froude_max:
            return "Fr ≤ 10";
        case CheckId::uniformity:
            return "q: Q/N ±10 %";
        case CheckId::riser_area:
            return "Areas";
        case CheckId::pipe_velocity:
            return "Self-cleansing";
        case CheckId::balance_error:
            return "|e| ≤ 5 %";
        case CheckId::landward_head:
            return "E balance";
        case CheckId::skipped_steps:
            return "Steps";
    }
    return {};
}

std::string summary(const CheckResult& result, const NumberLocale& locale) {
    if (!result.figures) {
        return "Cannot be judged: " +
               (result.not_judged ? message(*result.not_judged, locale)
                                  : std::string("no figures")) +
               ".";
    }
    return judgedSummary(result, locale);
}

std::string dischargeBrief(const DischargeFailure& failure) {
    return "the march could not compute the discharge of " + risersList(failure.risers);
}

std::string dischargeWhy(const DischargeFailure& failure, const NumberLocale& locale) {
    const auto number = [&](double value, std::string_view pattern) {
        return figure(value, pattern, locale);
    };
    const std::string first = formatCount(failure.risers.front());
    switch (failure.kind) {
        case DischargeFailure::Kind::negative_energy:
            return "the specific energy at riser " + first +
                   " is negative, E = " + number(failure.specific_energy, "0.000000") +
                   " m, so q = Cd a (2 g E)^0.5 has no value there";
        case DischargeFailure::Kind::velocity_head_above_energy:
            break;
    }
    return "the bell-mouth's discharge formula q = 0.975 (1 - X)^0.375 a (2 g E)^0.5 has no "
           "value where X, the pipe velocity head over the specific energy, exceeds 1. Each "
           "riser's discharge is found starting from a trial discharge of " +
           number(failure.trial_discharge, "0.0000") + " m^3/s; at riser " + first +
           " its velocity head in the pipe of D = " + number(failure.pipe_diameter, "0.0000") +
           " m exceeds the specific energy E = " + number(failure.specific_energy, "0.000000") +
           " m (X = " + number(failure.x, "0.00") +
           "). At this flow each riser's share Q/N = " + number(failure.share, "0.00000") +
           " m^3/s builds up too little specific energy";
}

std::string dischargeChange(const DischargeFailure& failure) {
    switch (failure.kind) {
        case DischargeFailure::Kind::negative_energy:
            return "the elevation steps (a riser lower than the one seaward of it lowers E), or a "
                   "higher flow";
        case DischargeFailure::Kind::velocity_head_above_energy:
            break;
    }
    return "fewer risers or smaller riser diameters (more head for the same flow), or a higher "
           "flow";
}

// The windows' English: figures in the regional format, units as the windows write them (m³/s,
// m²), runs of risers joined by a dash, each text a sentence or a caption.

std::string verdict(Verdict verdict, VerdictBasis basis) {
    std::string word;
    switch (verdict) {
        case Verdict::holds:
            word = "Holds";
            break;
        case Verdict::warning:
            word = "Warning";
            break;
        case Verdict::not_judged:
            word = "Not judged";
            break;
    }
    return basis == VerdictBasis::estimate ? word + " (estimate)" : word;
}

std::string boundedRule(CheckId check, const CheckSettings& settings, const NumberLocale& locale) {
    const ThresholdInfo& info = thresholdOf(check);
    const std::string lower = bound(info.lower, locale);
    const std::string upper = bound(info.upper, locale);
    switch (check) {
        case CheckId::froude_min:
            return "Fr ≥ " + lower + " at every riser (dimensionless)";
        case CheckId::froude_max:
            return "Fr ≤ " + upper + " at every riser (dimensionless)";
        case CheckId::uniformity:
            return "Discharge of every riser from Q/N − " +
                   formatGeneral(std::fabs(*info.lower), locale) + " % to Q/N + " + upper + " %";
        case CheckId::riser_area:
            return "Total riser area / pipe area at riser N from " + lower + " to " + upper +
                   " (dimensionless)";
        case CheckId::pipe_velocity:
            return "Largest pipe velocity of every section ≥ " +
                   formatGeneral(settings.min_pipe_velocity, locale) + " m/s";
        case CheckId::balance_error:
            return lower + " % ≤ e ≤ " + upper + " %, where e = (Qcalc − Q) / Qcalc";
        case CheckId::landward_head:
            return "E of riser N = E of riser 1 + friction losses + density terms (informative, m)";
        case CheckId::skipped_steps:
            return "No step of the Solve is skipped";
    }
    return {};
}

std::string verdictInText(Verdict verdict) {
    switch (verdict) {
        case Verdict::holds:
            return "holds";
        case Verdict::warning:
            return "warning";
        case Verdict::not_judged:
            return "not judged";
    }
    return {};
}

ResultsCsvHeader resultsHeader() {
    return {
        "riser", "E (m)", "Cd", "pipe velocity (m/s)", "riser velocity (m/s)", "discharge (m³/s)",
        "Froude"};
}

ConditionsCsvWords conditionsWords() {
    ConditionsCsvWords words;
    words.q = "Q (m³/s)";
    words.drho = "Δρ/ρ";
    words.qc = "qc (m³/s)";
    words.qcalc = "Qcalc (m³/s)";
    words.balance_error = "e (%)";
    words.landward_head = "landward head E_N (m)";
    words.froude_min = "Froude min";
    words.froude_max = "Froude max";
    words.q_max = "q max (m³/s)";
    words.q_min = "q min (m³/s)";
    words.skipped_steps = "skipped steps";
    return words;
}

std::string unit(CheckId check) {
    switch (check) {
        case CheckId::froude_min:
        case CheckId::froude_max:
        case CheckId::riser_area:
            return {};
        case CheckId::uniformity:
            return "% of Q/N";
        case CheckId::pipe_velocity:
            return "m/s";
        case CheckId::balance_error:
            return "%";
        case CheckId::landward_head:
            return "m";
        case CheckId::skipped_steps:
            return "steps";
    }
    return {};
}

std::string figures(const CheckResult& result, const NumberLocale& locale) {
    const CheckFigures& f = *result.figures;
    const auto at = [&](double value, std::string_view pattern) {
        return figure(value, pattern, locale);
    };
    switch (result.id) {
        case CheckId::froude_min:
        case CheckId::froude_max: {
            const bool lowest = result.id == CheckId::froude_min;
            const std::size_t riser = extremeRiser(f.froude, lowest);
            const std::string text = std::string(lowest ? "Smallest" : "Largest") +
                                     " Fr = " + at(f.froude[riser], "0.00") + " (riser " +
                                     formatCount(static_cast<long>(riser + 1)) + ")";
            if (result.basis == VerdictBasis::march) return text;
            return text + ", estimated with the discharge Q/N at every riser, without the march";
        }
        case CheckId::uniformity:
            return "Q/N = " + at(f.mean, "0.00000") + " m³/s, band " + at(f.band_lower, "0.00000") +
                   " to " + at(f.band_upper, "0.00000") + " m³/s; discharges from " +
                   at(f.q_smallest, "0.00000") + " to " + at(f.q_largest, "0.00000") +
                   " m³/s, ratio " + at(f.q_ratio, "0.000");
        case CheckId::riser_area:
            return "Risers " + at(f.risers_area, "0.00000") + " m², pipe " +
                   at(f.pipe_area, "0.00000") + " m², ratio " + at(f.area_ratio, "0.000");
        case CheckId::pipe_velocity: {
            std::string text = "By section (m/s): ";
            for (std::size_t s = 0; s < f.section_velocity.size(); ++s) {
                if (s > 0) text += " · ";
                text += formatCount(static_cast<long>(s + 1)) + ": " +
                        at(f.section_velocity[s], "0.00");
            }
            return text;
        }
        case CheckId::balance_error:
            return "Qcalc = " + at(f.qcalc, "0.00000") + " m³/s, Q = " + at(f.q, "0.00000") +
                   " m³/s, e = " + at(f.e, "0.00") + " %";
        case CheckId::landward_head:
            return at(f.head_seaward, "0.0000") + " m (riser 1) + " +
                   at(f.friction_losses, "0.0000") + " m friction + " +
                   at(f.density_terms, "0.0000") +
                   " m density terms = " + at(f.head_landward, "0.0000") + " m";
        case CheckId::skipped_steps:
            return formatCount(f.skipped_steps) + (f.skipped_steps == 1 ? " step" : " steps");
    }
    return {};
}

std::string dischargeHeading(const DischargeFailure& failure) {
    return "The discharge of " + std::string(failure.risers.size() == 1 ? "riser " : "risers ") +
           dashedRanges(failure.risers) + " was not computed";
}

std::string dischargeNotice(const DischargeFailure& failure, const NumberLocale& locale) {
    const auto at = [&](double value, std::string_view pattern) {
        return figure(value, pattern, locale);
    };
    const std::string first = formatCount(failure.risers.front());
    std::string why;
    std::string change;
    switch (failure.kind) {
        case DischargeFailure::Kind::negative_energy:
            why = "The specific energy at riser " + first +
                  " is negative, E = " + at(failure.specific_energy, "0.000000") +
                  " m, and the formula q = Cd · a · (2 g E)^0.5 has no value.";
            change =
                "the elevation steps (a riser lower than the one seaward of it lowers E), or "
                "raise the discharge.";
            break;
        case DischargeFailure::Kind::velocity_head_above_energy:
            why =
                "The discharge formula of the Bell fitting, q = 0.975 (1 − X)^0.375 · a · "
                "(2 g E)^0.5, has no value when X, the velocity head in the pipe over the "
                "specific energy, exceeds 1. Each riser's discharge is sought from a trial "
                "discharge of " +
                at(failure.trial_discharge, "0.0000") + " m³/s; at riser " + first +
                " its velocity head in the pipe of D = " + at(failure.pipe_diameter, "0.0000") +
                " m exceeds the specific energy E = " + at(failure.specific_energy, "0.000000") +
                " m (X = " + at(failure.x, "0.00") +
                "). At this flow each riser's share, Q/N = " + at(failure.share, "0.00000") +
                " m³/s, builds up too little specific energy.";
            change =
                "fewer risers or smaller riser diameters (more head for the same flow), or a "
                "higher discharge.";
            break;
    }
    return dischargeHeading(failure) + ". " + why + "\nWhat to change: " + change;
}

}  // namespace english
}  // namespace thalmuro
