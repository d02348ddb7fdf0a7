// thalmuro-cli: solves one saved problem without the windows and writes its results report,
// prints the design checks of the solved problem and its cross-check by the classical port
// formulation, or solves it over a list of operating conditions and prints their table.
//
//   thalmuro-cli [--locale NAME] [--max-passes N] PROBLEM.json REPORT.txt
//   thalmuro-cli --checks [--format text|json] [--locale NAME] [--max-passes N] PROBLEM.json
//   thalmuro-cli --conditions SPEC [--locale NAME] [--max-passes N] PROBLEM.json
//   thalmuro-cli --version | -h | --help
//
// The run is the one the main window makes on Solve: the problem's "ratio" is the answer to the
// ratio question of the user flow mode (absent or null: Cancel), and the report goes to
// REPORT.txt, so it holds the same bytes.

#include <charconv>
#include <chrono>
#include <exception>
#include <iostream>
#include <limits>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli_platform.h"
#include "thalmuro/engine.h"
#include "thalmuro/wording.h"

namespace {

constexpr int kExitWritten = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitBounded = 3;

// The optimised flow mode lowers qc by 0.0001 m^3/s a pass. The worst physically meaningful
// design known needs under 30 000 passes; nonsense (a negative Q or riser count, a Q of
// thousands of m^3/s) can need hundreds of millions, so a batch run stops at a bound.
constexpr long kDefaultMaxPasses = 1000000;

constexpr std::string_view kUsage =
    "usage: thalmuro-cli [--locale NAME] [--max-passes N] PROBLEM.json REPORT.txt\n"
    "       thalmuro-cli --checks [--format text|json] [--locale NAME] [--max-passes N] "
    "PROBLEM.json\n"
    "       thalmuro-cli --conditions SPEC [--locale NAME] [--max-passes N] PROBLEM.json\n";

constexpr std::string_view kHelp =
    "Solves the diffuser problem saved in PROBLEM.json and writes its results report to\n"
    "REPORT.txt, as the Solve command of the main window does. With --checks, solves it the\n"
    "same way and prints the design checks of the solved problem instead of writing a report.\n"
    "With --conditions, solves it at every operating condition of SPEC and prints their table.\n"
    "\n"
    "  --checks       print the design checks: one block per check with its title, rule,\n"
    "                 threshold and source, verdict (holds, warning, not_judged), values and\n"
    "                 the risers or sections concerned; a Froude check that could not use\n"
    "                 the march's figures is estimated from each riser's share Q/N and says\n"
    "                 \"basis: estimate\". When the march could not compute the discharge\n"
    "                 of some risers (a bell-mouth design at low flow), a block before the\n"
    "                 checks says why and what to change. Then the cross-check: the design\n"
    "                 balanced as the program marches and by the classical port formulation,\n"
    "                 a warning when the classical landward head is more than 5 % higher\n"
    "  --conditions SPEC\n"
    "                 solve the problem with its Q and drho (the relative density difference)\n"
    "                 replaced by every condition of SPEC, on all cores, and print a CSV table\n"
    "                 with one line per condition: Q, drho, qc, Qcalc, e, the landward head,\n"
    "                 the lowest and highest Froude number, the largest and smallest riser\n"
    "                 discharge, the verdict of every design check and the number of\n"
    "                 skipped steps (every repeat counted).\n"
    "                 Fields are separated by \";\" when the decimal separator is a comma,\n"
    "                 else by \",\"; lines end in CR LF.\n"
    "                 SPEC is one or two parts separated by \";\": Q=LIST and drho=LIST.\n"
    "                 LIST is items separated by \",\", each a number (always with \".\" as\n"
    "                 the decimal point), a number followed by x (a multiple of the problem's\n"
    "                 own value), or FROM..TO/COUNT (COUNT evenly spaced values, ends\n"
    "                 included). Every Q goes with every drho; without Q=, Q is\n"
    "                 0.25x,0.5x,0.75x,1x,1.25x; without drho=, drho is 1x. At most 10000\n"
    "                 conditions, every value positive. Example:\n"
    "                 --conditions \"Q=0.1..0.5/5;drho=0.025,0.03\" gives ten conditions\n"
    "  --format NAME  with --checks: text (the default) or json\n"
    "  --locale NAME  read and write numbers in the regional format NAME (el_GR, en_US, C,\n"
    "                 POSIX, ...); by default the format PROBLEM.json records with its key\n"
    "                 \"decimal_separator\", else the user's regional settings (LC_ALL,\n"
    "                 then LC_NUMERIC, then LANG)\n"
    "  --max-passes N stop the balancing of the optimised flow mode after N passes and\n"
    "                 write the report of the last pass (default 1000000); with\n"
    "                 --conditions, the balancing of each condition stops after N passes\n"
    "                 and its line is that of its last pass\n"
    "  -h, --help     show this help and exit\n"
    "  --version      show the program's version and exit\n"
    "\n"
    "Numbers that may not read as meant are told on standard error first, one warning each:\n"
    "a grouping character where no thousands grouping stands (\"0.105\" reads 105 where \".\"\n"
    "groups thousands, \"0,2\" reads 2 where \",\" does), with the value the other separator\n"
    "would give, or a value outside the plausible range of its quantity (a Manning number of\n"
    "15, a Q of 30 m^3/s). The run goes on with the numbers as they read. With --format json\n"
    "they are also printed under the key \"number_findings\".\n"
    "Steps that could not be computed are told on standard error as warnings, one line per\n"
    "cause: the box, the section row or the risers at fault, why, and which figures kept the\n"
    "values of an earlier Solve. With --format json the causes are also printed under the key\n"
    "\"skipped_causes\". With --conditions, one warning counts the conditions that skipped\n"
    "steps. A long balancing, or a long list of conditions, shows its progress on standard\n"
    "error when that is a terminal.\n"
    "Exit status: 0 the report was written (with --checks: the checks were printed; with\n"
    "--conditions: the table was printed), 1 the problem could not be read or the report\n"
    "could not be written, 2 wrong usage (a SPEC that cannot be read included),\n"
    "3 the balancing stopped at --max-passes (the report of the last pass was written, or\n"
    "its checks or the table printed).\n";

enum class CheckFormat { text, json };

struct Arguments {
    bool checks = false;
    std::optional<std::string> conditions;
    std::optional<CheckFormat> format;
    std::optional<std::string> locale;
    long max_passes = kDefaultMaxPasses;
    std::string problem;
    std::string report;
};

struct UsageError {
    std::string reason;
};

struct HelpWanted {};

struct VersionWanted {};

std::variant<Arguments, UsageError, HelpWanted, VersionWanted> parseArguments(
    const std::vector<std::string>& args) {
    Arguments arguments;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& argument = args[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            return HelpWanted{};
        } else if (argument == "--version") {
            return VersionWanted{};
        } else if (argument == "--checks") {
            arguments.checks = true;
        } else if (argument == "--conditions") {
            if (i + 1 == args.size()) return UsageError{"--conditions needs a list of conditions"};
            arguments.conditions = args[++i];
        } else if (argument == "--format") {
            if (i + 1 == args.size()) return UsageError{"--format needs text or json"};
            const std::string& format = args[++i];
            if (format == "text") {
                arguments.format = CheckFormat::text;
            } else if (format == "json") {
                arguments.format = CheckFormat::json;
            } else {
                return UsageError{"--format takes text or json, not \"" + format + "\""};
            }
        } else if (argument == "--locale") {
            if (i + 1 == args.size()) return UsageError{"--locale needs a locale name"};
            arguments.locale = args[++i];
        } else if (argument == "--max-passes") {
            if (i + 1 == args.size()) return UsageError{"--max-passes needs a number of passes"};
            const std::string_view count = args[++i];
            long passes = 0;
            const auto [end, error] =
                std::from_chars(count.data(), count.data() + count.size(), passes);
            if (error != std::errc() || end != count.data() + count.size() || passes < 1) {
                return UsageError{"--max-passes takes a whole number from 1 to " +
                                  std::to_string(std::numeric_limits<long>::max()) + ", not \"" +
                                  std::string(count) + "\""};
            }
            arguments.max_passes = passes;
        } else {
            return UsageError{"unknown option " + argument};
        }
    }
    if (arguments.format && !arguments.checks) return UsageError{"--format goes with --checks"};
    if (arguments.checks && arguments.conditions) {
        return UsageError{"--checks and --conditions do not go together"};
    }
    const bool printed = arguments.checks || arguments.conditions;
    const std::size_t wanted = printed ? 1 : 2;
    if (files.size() != wanted) {
        return UsageError{files.size() < wanted ? "missing file name" : "too many file names"};
    }
    if (printed) {
        arguments.problem = std::move(files[0]);
        return arguments;
    }
    if (files[1].empty()) return UsageError{"the report's file name is empty"};
    arguments.problem = std::move(files[0]);
    arguments.report = std::move(files[1]);
    return arguments;
}

// The formats of the names that matter most, the same on every system whether or not its locale
// data holds them: Greek and English, and C and POSIX (decimal point, comma grouping).
struct KnownLocale {
    std::string_view name;
    bool greek;
};
constexpr KnownLocale kKnownLocales[] = {
    {"C", false},    {"POSIX", false}, {"el", true},     {"el_GR", true},
    {"el_CY", true}, {"en", false},    {"en_US", false}, {"en_GB", false},
};

// The number format of a locale name, with an optional ".codeset" or "@modifier": one of the
// names above, else whatever the system's locale data says of it.
std::optional<thalmuro::NumberLocale> namedNumberLocale(const std::string& name) {
    const std::string base = name.substr(0, name.find_first_of(".@"));
    for (const KnownLocale& known : kKnownLocales) {
        if (base == known.name) {
            return known.greek ? thalmuro::NumberLocale::greek()
                               : thalmuro::NumberLocale::english();
        }
    }
    return thalmuro::cli::systemNamedNumberLocale(name);
}

// The user's regional format; a name the system does not know reads as the C locale.
thalmuro::NumberLocale userNumberLocale() {
    const auto settings = thalmuro::cli::userRegionalSettings();
    if (const auto* format = std::get_if<thalmuro::NumberLocale>(&settings)) return *format;
    return namedNumberLocale(std::get<std::string>(settings))
        .value_or(thalmuro::NumberLocale::english());
}

// Stops the balancing at the pass bound and, when standard error is a terminal, shows the
// passes run about once a second.
class PassBound final : public thalmuro::BalancingProgress {
  public:
    PassBound(long maxPasses, bool showProgress)
        : maxPasses_(maxPasses), showProgress_(showProgress) {}
    ~PassBound() override {
        if (shown_) std::cerr << '\n';
    }
    PassBound(const PassBound&) = delete;
    PassBound& operator=(const PassBound&) = delete;

    bool keepBalancing(long passesRun) override {
        if (showProgress_) {
            const auto now = std::chrono::steady_clock::now();
            if (now - lastShown_ >= std::chrono::seconds(1)) {
                if (shown_) std::cerr << '\r';
                std::cerr << "thalmuro-cli: balancing, " << passesRun << " passes" << std::flush;
                shown_ = true;
                lastShown_ = now;
            }
        }
        return passesRun < maxPasses_;
    }

  private:
    long maxPasses_;
    bool showProgress_;
    bool shown_ = false;
    // The first line comes after a second of balancing, not at the first pass.
    std::chrono::steady_clock::time_point lastShown_ = std::chrono::steady_clock::now();
};

// Bounds the balancing of every condition at the pass bound and, when standard error is a
// terminal, shows how many conditions are solved about once a second. The engine calls it from
// its worker threads.
class ConditionsBound final : public thalmuro::ConditionsProgress {
  public:
    ConditionsBound(long maxPasses, bool showProgress)
        : maxPasses_(maxPasses), showProgress_(showProgress) {}
    ~ConditionsBound() override {
        if (shown_) std::cerr << '\n';
    }
    ConditionsBound(const ConditionsBound&) = delete;
    ConditionsBound& operator=(const ConditionsBound&) = delete;

    bool keepGoing(std::size_t conditionsDone, std::size_t conditionsTotal) override {
        if (!showProgress_) return true;
        const std::lock_guard<std::mutex> lock(mutex_);
        const auto now = std::chrono::steady_clock::now();
        if (now - lastShown_ >= std::chrono::seconds(1)) {
            if (shown_) std::cerr << '\r';
            std::cerr << "thalmuro-cli: conditions, " << conditionsDone << " of " << conditionsTotal
                      << " solved" << std::flush;
            shown_ = true;
            lastShown_ = now;
        }
        return true;
    }

    bool keepBalancing(std::size_t, long passesRun) override { return passesRun < maxPasses_; }

  private:
    const long maxPasses_;
    const bool showProgress_;
    std::mutex mutex_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point lastShown_ = std::chrono::steady_clock::now();
};

std::string plainNumber(double value) {
    return thalmuro::formatGeneral(value, thalmuro::NumberLocale::english());
}

// The bounds of a check as a phrase: "at least 1", "from -10 to 10 % of Q/N", "none".
std::string bounds(const thalmuro::ThresholdInfo& info) {
    const std::string unit = info.unit == "-" ? "" : " " + std::string(info.unit);
    if (info.lower && info.upper) {
        return "from " + plainNumber(*info.lower) + " to " + plainNumber(*info.upper) + unit;
    }
    if (info.lower) return "at least " + plainNumber(*info.lower) + unit;
    if (info.upper) return "at most " + plainNumber(*info.upper) + unit;
    return "none (informative)";
}

constexpr auto kEnglish = thalmuro::Language::english;

// A check's title: the runner gives the windows' (Greek) title, as it always has.
std::string title(thalmuro::CheckId check) {
    return thalmuro::checkTitle(check, thalmuro::Language::greek);
}

// A check's rule in English; its bounds are printed apart.
std::string rule(thalmuro::CheckId check, const thalmuro::NumberLocale& locale) {
    return thalmuro::checkRule(check, kEnglish, {}, locale);
}

template <class T, class Write>
std::string joined(const std::vector<T>& items, Write&& write) {
    std::string text;
    for (const T& item : items) {
        if (!text.empty()) text += "; ";
        text += write(item);
    }
    return text.empty() ? "-" : text;
}

// Why the march could not compute the discharge of some risers and what would let it, as a
// block of lines; numbers in the problem's number format.
std::string dischargeFailureText(const thalmuro::DischargeFailure& failure,
                                 const thalmuro::NumberLocale& locale) {
    constexpr auto kEnglish = thalmuro::Language::english;
    return "discharge_failure: " + thalmuro::dischargeFailureBrief(failure, kEnglish) +
           "\n  why:    " + thalmuro::dischargeFailureWhy(failure, kEnglish, locale) +
           "\n  change: " + thalmuro::dischargeFailureChange(failure, kEnglish) + '\n';
}

// One block per check; the values in the problem's number format, separated by "; " since the
// decimal separator may be a comma. The block of a failed discharge comes first.
std::string checksText(const std::vector<thalmuro::CheckResult>& checks,
                       const thalmuro::NumberLocale& locale) {
    const auto count = [](int number) { return std::to_string(number); };
    std::string text;
    for (const thalmuro::CheckResult& check : checks) {
        if (check.discharge_failure) {
            text = dischargeFailureText(*check.discharge_failure, locale);
            break;
        }
    }
    for (const thalmuro::CheckResult& check : checks) {
        if (!text.empty()) text += '\n';
        text += std::string(thalmuro::nameOf(check.id)) + ": " + title(check.id) + '\n';
        text += "  rule:      " + rule(check.id, locale) + '\n';
        text += "  threshold: " + bounds(thalmuro::thresholdOf(check.id)) + '\n';
        text += "  source:    " + thalmuro::checkSource(check.id, kEnglish) + '\n';
        text += "  verdict:   " + std::string(thalmuro::nameOf(check.verdict)) + '\n';
        if (check.basis == thalmuro::VerdictBasis::estimate) {
            text += "  basis:     estimate: each riser's share Q/N, without the march\n";
        }
        text += "  values:    " +
                joined(thalmuro::checkValues(check),
                       [&](double value) { return thalmuro::formatGeneral(value, locale); }) +
                '\n';
        text += "  risers:    " + joined(check.risers, count) + '\n';
        text += "  sections:  " + joined(check.sections, count) + '\n';
        text += "  " + thalmuro::checkSummary(check, kEnglish, locale) + '\n';
    }
    return text;
}

constexpr std::string_view kCrossCheckTitle = "landward head by the classical port formulation";
constexpr std::string_view kCrossCheckRule =
    "landward head with X formed from the pipe discharge at each riser (the classical port-flow "
    "method) at most the threshold above the landward head as the program marches, with X "
    "formed from each riser's own discharge; both marches balanced by bisection on qc until the "
    "risers pass Q within 1e-9";

// One march of the cross-check on a line, in the problem's number format.
std::string marchText(const thalmuro::MarchSummary& march, const thalmuro::NumberLocale& locale) {
    const auto number = [&](double value) { return thalmuro::formatGeneral(value, locale); };
    const std::string marches = std::to_string(march.marches) + " marches";
    if (!march.balanced)
        return "not balanced after " + marches + ": " + thalmuro::wordMarchReason(march, kEnglish);
    return "balanced in " + marches + ": qc " + number(march.qc) + " m^3/s; discharge sum " +
           number(march.q_sum) + " m^3/s; landward head " + number(march.landward_head) +
           " m; riser discharges " + number(march.q_min) + " (riser " +
           std::to_string(march.riser_q_min) + ") to " + number(march.q_max) + " (riser " +
           std::to_string(march.riser_q_max) + ") m^3/s; lowest Froude number " +
           number(march.froude_min) + " (riser " + std::to_string(march.riser_froude_min) + ")";
}

std::string crossCheckText(const thalmuro::CrossCheck& check,
                           const thalmuro::NumberLocale& locale) {
    std::string text = "cross_check: " + std::string(kCrossCheckTitle) + '\n';
    text += "  rule:       " + std::string(kCrossCheckRule) + '\n';
    text += "  threshold:  at most " + plainNumber(thalmuro::kCrossCheckHeadLimit) + " %\n";
    text += "  verdict:    " + std::string(thalmuro::nameOf(check.verdict)) + '\n';
    text += "  program:    " + marchText(check.program, locale) + '\n';
    text += "  classical:  " + marchText(check.classical, locale) + '\n';
    text += "  difference: " +
            (check.head_difference ? thalmuro::formatGeneral(*check.head_difference, locale) + " %"
                                   : std::string("-")) +
            '\n';
    text += "  " + thalmuro::wordCrossCheckSummary(check, kEnglish) + '\n';
    return text;
}

nlohmann::ordered_json dischargeFailureJson(
    const std::optional<thalmuro::DischargeFailure>& failure) {
    if (!failure) return nullptr;
    using Kind = thalmuro::DischargeFailure::Kind;
    return {{"kind", failure->kind == Kind::negative_energy ? "negative_energy"
                                                            : "velocity_head_above_energy"},
            {"fitting", thalmuro::nameOf(failure->fitting)},
            {"risers", failure->risers},
            {"specific_energy", failure->specific_energy},
            {"pipe_diameter", failure->pipe_diameter},
            {"trial_discharge", failure->trial_discharge},
            {"x", failure->x},
            {"share", failure->share}};
}

nlohmann::ordered_json marchJson(const thalmuro::MarchSummary& march) {
    return {{"balanced", march.balanced},
            {"reason", march.balanced
                           ? nlohmann::ordered_json(nullptr)
                           : nlohmann::ordered_json(thalmuro::wordMarchReason(march, kEnglish))},
            {"discharge_failure", dischargeFailureJson(march.discharge_failure)},
            {"qc", march.qc},
            {"q_sum", march.q_sum},
            {"landward_head", march.landward_head},
            {"q_max", march.q_max},
            {"riser_q_max", march.riser_q_max},
            {"q_min", march.q_min},
            {"riser_q_min", march.riser_q_min},
            {"froude_min", march.froude_min},
            {"riser_froude_min", march.riser_froude_min},
            {"marches", march.marches}};
}

nlohmann::ordered_json crossCheckJson(const thalmuro::CrossCheck& check) {
    return {
        {"name", "cross_check"},
        {"title", kCrossCheckTitle},
        {"rule", kCrossCheckRule},
        {"upper", thalmuro::kCrossCheckHeadLimit},
        {"unit", "%"},
        {"verdict", thalmuro::nameOf(check.verdict)},
        {"head_difference", check.head_difference ? nlohmann::ordered_json(*check.head_difference)
                                                  : nlohmann::ordered_json(nullptr)},
        {"program", marchJson(check.program)},
        {"classical", marchJson(check.classical)},
        {"summary", thalmuro::wordCrossCheckSummary(check, kEnglish)}};
}

std::string checksJson(const std::vector<thalmuro::CheckResult>& checks,
                       const thalmuro::NumberLocale& locale,
                       const std::vector<thalmuro::SkippedCause>& causes,
                       const thalmuro::CrossCheck& crossCheck,
                       const nlohmann::ordered_json& numberFindings) {
    const auto optional = [](const std::optional<double>& value) {
        return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
    };
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const thalmuro::CheckResult& check : checks) {
        const thalmuro::ThresholdInfo& info = thalmuro::thresholdOf(check.id);
        list.push_back({{"name", info.name},
                        {"title", title(check.id)},
                        {"rule", rule(check.id, locale)},
                        {"lower", optional(info.lower)},
                        {"upper", optional(info.upper)},
                        {"unit", info.unit},
                        {"source", thalmuro::checkSource(check.id, kEnglish)},
                        {"verdict", thalmuro::nameOf(check.verdict)},
                        {"basis", thalmuro::nameOf(check.basis)},
                        {"values", thalmuro::checkValues(check)},
                        {"risers", check.risers},
                        {"sections", check.sections},
                        {"summary", thalmuro::checkSummary(check, kEnglish, locale)},
                        {"discharge_failure", dischargeFailureJson(check.discharge_failure)}});
    }
    nlohmann::ordered_json skipped = nlohmann::ordered_json::array();
    for (const thalmuro::SkippedCause& cause : causes) {
        skipped.push_back({{"english", thalmuro::wordSkippedCause(cause, kEnglish)},
                           {"greek", thalmuro::wordSkippedCause(cause, thalmuro::Language::greek)},
                           {"rows", cause.rows},
                           {"risers", cause.risers},
                           {"steps", cause.steps}});
    }
    return nlohmann::ordered_json{{"checks", list},
                                  {"number_findings", numberFindings},
                                  {"skipped_causes", skipped},
                                  {"cross_check", crossCheckJson(crossCheck)}}
               .dump(2) +
           '\n';
}

nlohmann::ordered_json numberFindingsJson(const std::vector<thalmuro::NumberFinding>& findings,
                                          const thalmuro::NumberLocale& locale) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const thalmuro::NumberFinding& finding : findings) {
        const thalmuro::PlausibleRange& range = thalmuro::plausibleRange(finding.quantity);
        list.push_back(
            {{"kind", finding.kind == thalmuro::NumberFindingKind::grouping_slip ? "grouping_slip"
                                                                                 : "implausible"},
             {"quantity", range.name},
             {"row", finding.row == 0 ? nlohmann::ordered_json(nullptr)
                                      : nlohmann::ordered_json(finding.row)},
             {"text", finding.text},
             {"value", finding.value},
             {"alternative", finding.alternative ? nlohmann::ordered_json(*finding.alternative)
                                                 : nlohmann::ordered_json(nullptr)},
             {"lower", range.lower},
             {"upper", range.upper},
             {"unit", range.unit},
             {"message", thalmuro::wordNumberFinding(finding, kEnglish, locale)}});
    }
    return list;
}

int usageError(const std::string& reason) {
    std::cerr << "thalmuro-cli: " << reason << '\n' << kUsage;
    return kExitUsage;
}

int failure(const std::string& reason) {
    std::cerr << "thalmuro-cli: " << reason << '\n';
    return kExitFailed;
}

// Solves the problem at every condition of `spec` and prints their table on standard output.
int printConditions(const thalmuro::DiffuserInput& input, const std::string& spec,
                    const thalmuro::NumberLocale& locale, long maxPasses) {
    auto parsed = thalmuro::parseConditionSpec(spec, input, locale);
    if (const auto* error = std::get_if<thalmuro::Message>(&parsed)) {
        return usageError("--conditions: " + thalmuro::wordMessage(*error, kEnglish));
    }
    const auto conditions = std::get<std::vector<thalmuro::OperatingCondition>>(std::move(parsed));
    std::vector<thalmuro::ConditionResult> results;
    {
        ConditionsBound bound(maxPasses, thalmuro::cli::standardErrorIsTerminal());
        results = thalmuro::solveConditions(input, conditions, locale, {}, 0, &bound);
    }

    bool bounded = false;
    std::size_t skipping = 0;
    for (std::size_t i = 0; i < results.size(); ++i) {
        const thalmuro::ConditionResult& result = results[i];
        if (result.skipped_steps > 0) ++skipping;
        if (!result.balance.stopped_by_host) continue;
        bounded = true;
        std::cerr << "thalmuro-cli: warning: condition " << i + 1
                  << " (Q = " << plainNumber(result.condition.q)
                  << " m^3/s, drho = " << plainNumber(result.condition.drho)
                  << "): the balancing stopped at the bound of " << result.balance.passes
                  << " passes; its line is that of the last pass\n";
    }
    if (skipping > 0) {
        std::cerr << "thalmuro-cli: warning: steps were skipped at " << skipping << " of the "
                  << results.size() << " conditions (column \"skipped steps\")\n";
    }
    std::cout << thalmuro::conditionsCsv(results, locale);
    if (!std::cout.flush()) return failure("cannot write the table of conditions");
    return bounded ? kExitBounded : kExitWritten;
}

int run(const std::vector<std::string>& args) {
    auto parsed = parseArguments(args);
    if (std::holds_alternative<HelpWanted>(parsed)) {
        std::cout << kUsage << '\n' << kHelp;
        return std::cout.flush() ? kExitWritten : kExitFailed;
    }
    if (std::holds_alternative<VersionWanted>(parsed)) {
        std::cout << "thalmuro-cli " THALMURO_VERSION "\n";
        return std::cout.flush() ? kExitWritten : kExitFailed;
    }
    if (const auto* error = std::get_if<UsageError>(&parsed)) return usageError(error->reason);
    const Arguments arguments = std::get<Arguments>(std::move(parsed));

    std::optional<thalmuro::NumberLocale> numberLocale;
    if (arguments.locale) {
        numberLocale = namedNumberLocale(*arguments.locale);
        if (!numberLocale) return usageError("unknown locale \"" + *arguments.locale + "\"");
    }

    auto read = thalmuro::readProblemFile(arguments.problem);
    if (const auto* error = std::get_if<thalmuro::Message>(&read)) {
        return failure(thalmuro::wordMessage(*error, kEnglish));
    }
    const thalmuro::DiffuserInput input = std::get<thalmuro::DiffuserInput>(std::move(read));
    // Without --locale, the format the file records it was typed in, else the user's.
    if (!numberLocale && input.decimal_separator) {
        numberLocale = thalmuro::numberLocaleFor(*input.decimal_separator);
    }
    if (!numberLocale) numberLocale = userNumberLocale();
    // Numbers that may not read as meant are told, never asked about: the run goes on with
    // them as they read.
    const std::vector<thalmuro::NumberFinding> findings =
        thalmuro::findNumberSlips(input, *numberLocale);
    for (const thalmuro::NumberFinding& finding : findings) {
        std::cerr << "thalmuro-cli: warning: "
                  << thalmuro::wordNumberFinding(finding, kEnglish, *numberLocale) << '\n';
    }
    if (arguments.conditions) {
        return printConditions(input, *arguments.conditions, *numberLocale, arguments.max_passes);
    }

    // The program's shared variables, as they stand when the main window opens.
    thalmuro::SharedState state;
    thalmuro::SolveOutcome outcome;
    {
        PassBound bound(arguments.max_passes, thalmuro::cli::standardErrorIsTerminal());
        outcome = thalmuro::Solve(input, state, *numberLocale, &bound);
    }

    const std::vector<thalmuro::SkippedCause> causes =
        thalmuro::explainSkipped(input, outcome, *numberLocale);
    for (const thalmuro::SkippedCause& cause : causes) {
        std::cerr << "thalmuro-cli: warning: " << thalmuro::wordSkippedCause(cause, kEnglish)
                  << '\n';
    }
    const thalmuro::Balance& balance = outcome.balance;
    if (balance.stopped_by_host) {
        std::cerr << "thalmuro-cli: warning: the balancing stopped at the bound of "
                  << balance.passes << " passes: qc = " << plainNumber(balance.qc)
                  << " m^3/s, the risers pass " << plainNumber(balance.qcalc)
                  << " m^3/s against Q = " << plainNumber(state.results.q_total)
                  << " m^3/s; the report is that of the last pass\n";
    }
    if (arguments.checks) {
        const std::vector<thalmuro::CheckResult> checks =
            thalmuro::checkDesign(input, state, outcome, *numberLocale);
        const thalmuro::CrossCheck crossCheck = thalmuro::crossCheck(input, *numberLocale);
        std::cout << (arguments.format == CheckFormat::json
                          ? checksJson(checks, *numberLocale, causes, crossCheck,
                                       numberFindingsJson(findings, *numberLocale))
                          : checksText(checks, *numberLocale) + '\n' +
                                crossCheckText(crossCheck, *numberLocale));
        if (!std::cout.flush()) return failure("cannot write the checks");
    } else if (const std::error_code error =
                   thalmuro::writeReport(arguments.report, outcome.report)) {
        return failure("cannot write the report \"" + arguments.report + "\": " + error.message());
    }
    return balance.stopped_by_host ? kExitBounded : kExitWritten;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        thalmuro::cli::prepareStandardStreams();
        return run(thalmuro::cli::arguments(argc, argv));
    } catch (const std::exception& error) {
        return failure(std::string("internal error: ") + error.what());
    }
}
