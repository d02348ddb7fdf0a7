// thalmuro-cli: solves one saved problem without the windows and writes its results report,
// prints the design checks of the solved problem and its cross-check by the classical port
// formulation, or solves it over a list of operating conditions and prints their table.
//
//   thalmuro-cli [OPTIONS] PROBLEM.json REPORT.txt
//   thalmuro-cli --checks [--format text|json] [OPTIONS] PROBLEM.json
//   thalmuro-cli --conditions SPEC [OPTIONS] PROBLEM.json
//   thalmuro-cli --version | -h | --help
//
// OPTIONS: --language el|en (what it writes in words), --locale NAME (how it reads and writes
// numbers), --max-passes N. Its texts come from the wording library in the language chosen; the
// JSON of --checks is for programs and is the same in both.
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

using thalmuro::Language;
using thalmuro::RunnerText;

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

// A fault of usage as a text of the runner and its arguments, worded once the language is known.
struct UsageError {
    RunnerText text;
    std::vector<std::string> arguments;
};

struct HelpWanted {};

struct VersionWanted {};

std::optional<Language> languageNamed(std::string_view name) {
    if (name == "en") return Language::english;
    if (name == "el") return Language::greek;
    return std::nullopt;
}

// The language of every text of the run, English unless --language names another. It is looked
// for before the arguments are read, so that a fault of usage anywhere on the line, and the
// help, are told in it.
Language languageOf(const std::vector<std::string>& args) {
    Language language = Language::english;
    for (std::size_t i = 0; i + 1 < args.size() && args[i] != "--"; ++i) {
        if (args[i] != "--language") continue;
        if (const std::optional<Language> named = languageNamed(args[i + 1])) language = *named;
        ++i;
    }
    return language;
}

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
            if (i + 1 == args.size()) return UsageError{RunnerText::conditions_needs_list, {}};
            arguments.conditions = args[++i];
        } else if (argument == "--format") {
            if (i + 1 == args.size()) return UsageError{RunnerText::format_needs_name, {}};
            const std::string& format = args[++i];
            if (format == "text") {
                arguments.format = CheckFormat::text;
            } else if (format == "json") {
                arguments.format = CheckFormat::json;
            } else {
                return UsageError{RunnerText::format_unknown, {format}};
            }
        } else if (argument == "--language") {
            if (i + 1 == args.size()) return UsageError{RunnerText::language_needs_name, {}};
            const std::string& name = args[++i];
            if (!languageNamed(name)) return UsageError{RunnerText::language_unknown, {name}};
        } else if (argument == "--locale") {
            if (i + 1 == args.size()) return UsageError{RunnerText::locale_needs_name, {}};
            arguments.locale = args[++i];
        } else if (argument == "--max-passes") {
            if (i + 1 == args.size()) return UsageError{RunnerText::max_passes_needs_count, {}};
            const std::string_view count = args[++i];
            long passes = 0;
            const auto [end, error] =
                std::from_chars(count.data(), count.data() + count.size(), passes);
            if (error != std::errc() || end != count.data() + count.size() || passes < 1) {
                return UsageError{
                    RunnerText::max_passes_unknown,
                    {thalmuro::formatCount(std::numeric_limits<long>::max()), std::string(count)}};
            }
            arguments.max_passes = passes;
        } else {
            return UsageError{RunnerText::option_unknown, {argument}};
        }
    }
    if (arguments.format && !arguments.checks) {
        return UsageError{RunnerText::format_without_checks, {}};
    }
    if (arguments.checks && arguments.conditions) {
        return UsageError{RunnerText::checks_with_conditions, {}};
    }
    const bool printed = arguments.checks || arguments.conditions;
    const std::size_t wanted = printed ? 1 : 2;
    if (files.size() != wanted) {
        return UsageError{
            files.size() < wanted ? RunnerText::file_name_missing : RunnerText::file_names_too_many,
            {}};
    }
    if (printed) {
        arguments.problem = std::move(files[0]);
        return arguments;
    }
    if (files[1].empty()) return UsageError{RunnerText::report_name_empty, {}};
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

// What the run writes in words: the runner's texts in its language, the numbers in its format.
class Words {
  public:
    Words(Language language, const thalmuro::NumberLocale& locale)
        : language_(language), locale_(locale) {}

    Language language() const { return language_; }
    const thalmuro::NumberLocale& locale() const { return locale_; }

    std::string operator()(RunnerText text, const std::vector<std::string>& arguments = {}) const {
        return thalmuro::runnerText(text, language_, arguments);
    }
    std::string number(double value) const { return thalmuro::formatGeneral(value, locale_); }

  private:
    Language language_;
    thalmuro::NumberLocale locale_;
};

std::string count(long value) {
    return thalmuro::formatCount(value);
}

// A line of standard error, after the program's name.
void tell(const std::string& line) {
    std::cerr << "thalmuro-cli: " << line << '\n';
}

void warn(const Words& say, const std::string& what) {
    tell(say(RunnerText::warning, {what}));
}

// Stops the balancing at the pass bound and, when standard error is a terminal, shows the
// passes run about once a second.
class PassBound final : public thalmuro::BalancingProgress {
  public:
    PassBound(long maxPasses, bool showProgress, const Words& say)
        : maxPasses_(maxPasses), showProgress_(showProgress), say_(say) {}
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
                std::cerr << "thalmuro-cli: "
                          << say_(RunnerText::balancing_progress, {count(passesRun)}) << std::flush;
                shown_ = true;
                lastShown_ = now;
            }
        }
        return passesRun < maxPasses_;
    }

  private:
    long maxPasses_;
    bool showProgress_;
    const Words& say_;
    bool shown_ = false;
    // The first line comes after a second of balancing, not at the first pass.
    std::chrono::steady_clock::time_point lastShown_ = std::chrono::steady_clock::now();
};

// Bounds the balancing of every condition at the pass bound and, when standard error is a
// terminal, shows how many conditions are solved about once a second. The engine calls it from
// its worker threads.
class ConditionsBound final : public thalmuro::ConditionsProgress {
  public:
    ConditionsBound(long maxPasses, bool showProgress, const Words& say)
        : maxPasses_(maxPasses), showProgress_(showProgress), say_(say) {}
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
            std::cerr << "thalmuro-cli: "
                      << say_(RunnerText::conditions_progress,
                              {count(static_cast<long>(conditionsDone)),
                               count(static_cast<long>(conditionsTotal))})
                      << std::flush;
            shown_ = true;
            lastShown_ = now;
        }
        return true;
    }

    bool keepBalancing(std::size_t, long passesRun) override { return passesRun < maxPasses_; }

  private:
    const long maxPasses_;
    const bool showProgress_;
    const Words& say_;
    std::mutex mutex_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point lastShown_ = std::chrono::steady_clock::now();
};

// The bounds of a check as a phrase: "at least 1", "from -10 to 10 % of Q/N", "none
// (informative)".
std::string bounds(const thalmuro::ThresholdInfo& info, const Words& say) {
    const std::string unit = thalmuro::checkUnit(info.id, say.language());
    const auto withUnit = [&](double value) {
        return unit.empty() ? say.number(value) : say.number(value) + ' ' + unit;
    };
    if (info.lower && info.upper) {
        return say(RunnerText::bounds_between, {say.number(*info.lower), withUnit(*info.upper)});
    }
    if (info.lower) return say(RunnerText::bounds_at_least, {withUnit(*info.lower)});
    if (info.upper) return say(RunnerText::bounds_at_most, {withUnit(*info.upper)});
    return say(RunnerText::bounds_none);
}

// The width of a text as a terminal shows it: one column per UTF-8 character.
std::size_t columns(std::string_view text) {
    std::size_t width = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++width;
    }
    return width;
}

// The labelled lines of a block, their values lined up one column after the longest label:
// "  rule:      ...".
class Block {
  public:
    Block(const Words& say, std::initializer_list<RunnerText> labels) : say_(say) {
        for (const RunnerText label : labels)
            width_ = std::max(width_, columns(say(label)));
    }

    std::string line(RunnerText label, const std::string& value) const {
        const std::string text = say_(label);
        return "  " + text + ':' + std::string(width_ + 1 - columns(text), ' ') + value + '\n';
    }

  private:
    const Words& say_;
    std::size_t width_ = 0;
};

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
// block of lines.
std::string dischargeFailureText(const thalmuro::DischargeFailure& failure, const Words& say) {
    const Block block(say, {RunnerText::label_why, RunnerText::label_change});
    return "discharge_failure: " + thalmuro::dischargeFailureBrief(failure, say.language()) + '\n' +
           block.line(RunnerText::label_why,
                      thalmuro::dischargeFailureWhy(failure, say.language(), say.locale())) +
           block.line(RunnerText::label_change,
                      thalmuro::dischargeFailureChange(failure, say.language()));
}

// One block per check, headed by the check's name and title; the values separated by "; "
// since the decimal separator may be a comma. The block of a failed discharge comes first.
std::string checksText(const std::vector<thalmuro::CheckResult>& checks, const Words& say) {
    const Block block(
        say, {RunnerText::label_rule, RunnerText::label_threshold, RunnerText::label_source,
              RunnerText::label_verdict, RunnerText::label_basis, RunnerText::label_values,
              RunnerText::label_risers, RunnerText::label_sections});
    const Language language = say.language();
    const auto number = [&](int value) { return count(value); };
    std::string text;
    for (const thalmuro::CheckResult& check : checks) {
        if (check.discharge_failure) {
            text = dischargeFailureText(*check.discharge_failure, say);
            break;
        }
    }
    for (const thalmuro::CheckResult& check : checks) {
        if (!text.empty()) text += '\n';
        text += std::string(thalmuro::nameOf(check.id)) + ": " +
                thalmuro::checkTitle(check.id, language) + '\n';
        text += block.line(RunnerText::label_rule,
                           thalmuro::checkRule(check.id, language, {}, say.locale()));
        text +=
            block.line(RunnerText::label_threshold, bounds(thalmuro::thresholdOf(check.id), say));
        text += block.line(RunnerText::label_source, thalmuro::checkSource(check.id, language));
        text +=
            block.line(RunnerText::label_verdict, thalmuro::verdictInText(check.verdict, language));
        if (check.basis == thalmuro::VerdictBasis::estimate) {
            text += block.line(RunnerText::label_basis, say(RunnerText::basis_estimate));
        }
        text += block.line(
            RunnerText::label_values,
            joined(thalmuro::checkValues(check), [&](double value) { return say.number(value); }));
        text += block.line(RunnerText::label_risers, joined(check.risers, number));
        text += block.line(RunnerText::label_sections, joined(check.sections, number));
        text += "  " + thalmuro::checkSummary(check, language, say.locale()) + '\n';
    }
    return text;
}

// One march of the cross-check on a line.
std::string marchText(const thalmuro::MarchSummary& march, const Words& say) {
    const std::string marches = count(march.marches);
    if (!march.balanced) {
        return say(RunnerText::march_unbalanced,
                   {marches, thalmuro::wordMarchReason(march, say.language(), say.locale())});
    }
    return say(
        RunnerText::march_balanced,
        {marches, say.number(march.qc), say.number(march.q_sum), say.number(march.landward_head),
         say.number(march.q_min), count(march.riser_q_min), say.number(march.q_max),
         count(march.riser_q_max), say.number(march.froude_min), count(march.riser_froude_min)});
}

std::string crossCheckText(const thalmuro::CrossCheck& check, const Words& say) {
    const Block block(say, {RunnerText::label_rule, RunnerText::label_threshold,
                            RunnerText::label_verdict, RunnerText::label_program,
                            RunnerText::label_classical, RunnerText::label_difference});
    std::string text = "cross_check: " + say(RunnerText::cross_check_title) + '\n';
    text += block.line(RunnerText::label_rule, say(RunnerText::cross_check_rule));
    text += block.line(
        RunnerText::label_threshold,
        say(RunnerText::bounds_at_most, {say.number(thalmuro::kCrossCheckHeadLimit) + " %"}));
    text += block.line(RunnerText::label_verdict,
                       thalmuro::verdictInText(check.verdict, say.language()));
    text += block.line(RunnerText::label_program, marchText(check.program, say));
    text += block.line(RunnerText::label_classical, marchText(check.classical, say));
    text += block.line(RunnerText::label_difference, check.head_difference
                                                         ? say.number(*check.head_difference) + " %"
                                                         : std::string("-"));
    text += "  " + thalmuro::wordCrossCheckSummary(check, say.language(), say.locale()) + '\n';
    return text;
}

// ---- The checks as JSON: for programs, the same whatever the language ------------------------

constexpr auto kEnglish = Language::english;
// The sentences of the JSON output write their figures with a decimal point.
const thalmuro::NumberLocale kJsonSentences = thalmuro::NumberLocale::english();

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
            {"reason", march.balanced ? nlohmann::ordered_json(nullptr)
                                      : nlohmann::ordered_json(thalmuro::wordMarchReason(
                                            march, kEnglish, kJsonSentences))},
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
        {"title", thalmuro::runnerText(RunnerText::cross_check_title, kEnglish)},
        {"rule", thalmuro::runnerText(RunnerText::cross_check_rule, kEnglish)},
        {"upper", thalmuro::kCrossCheckHeadLimit},
        {"unit", "%"},
        {"verdict", thalmuro::nameOf(check.verdict)},
        {"head_difference", check.head_difference ? nlohmann::ordered_json(*check.head_difference)
                                                  : nlohmann::ordered_json(nullptr)},
        {"program", marchJson(check.program)},
        {"classical", marchJson(check.classical)},
        {"summary", thalmuro::wordCrossCheckSummary(check, kEnglish, kJsonSentences)}};
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
        // The title is the windows' (Greek), as it has always been.
        list.push_back({{"name", info.name},
                        {"title", thalmuro::checkTitle(check.id, Language::greek)},
                        {"rule", thalmuro::checkRule(check.id, kEnglish, {}, locale)},
                        {"lower", optional(info.lower)},
                        {"upper", optional(info.upper)},
                        {"unit", info.unit},
                        {"source", thalmuro::checkSource(check.id, kEnglish)},
                        {"verdict", thalmuro::nameOf(check.verdict)},
                        {"basis", thalmuro::nameOf(check.basis)},
                        {"values", thalmuro::checkValues(check)},
                        {"risers", check.risers},
                        {"sections", check.sections},
                        {"summary", thalmuro::checkSummary(check, kEnglish, kJsonSentences)},
                        {"discharge_failure", dischargeFailureJson(check.discharge_failure)}});
    }
    nlohmann::ordered_json skipped = nlohmann::ordered_json::array();
    for (const thalmuro::SkippedCause& cause : causes) {
        skipped.push_back({{"english", thalmuro::wordSkippedCause(cause, kEnglish)},
                           {"greek", thalmuro::wordSkippedCause(cause, Language::greek)},
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

// ---- The run ----------------------------------------------------------------------------------

int usageError(const std::string& reason, Language language) {
    tell(reason);
    std::cerr << thalmuro::runnerText(RunnerText::usage, language);
    return kExitUsage;
}

int failure(const std::string& reason) {
    tell(reason);
    return kExitFailed;
}

// Solves the problem at every condition of `spec` and prints their table on standard output.
int printConditions(const thalmuro::DiffuserInput& input, const std::string& spec, long maxPasses,
                    const Words& say) {
    auto parsed = thalmuro::parseConditionSpec(spec, input, say.locale());
    if (const auto* error = std::get_if<thalmuro::Message>(&parsed)) {
        return usageError(say(RunnerText::conditions_fault,
                              {thalmuro::wordMessage(*error, say.language(), say.locale())}),
                          say.language());
    }
    const auto conditions = std::get<std::vector<thalmuro::OperatingCondition>>(std::move(parsed));
    std::vector<thalmuro::ConditionResult> results;
    {
        ConditionsBound bound(maxPasses, thalmuro::cli::standardErrorIsTerminal(), say);
        results = thalmuro::solveConditions(input, conditions, say.locale(), {}, 0, &bound);
    }

    const thalmuro::ConditionsCsvWords words = thalmuro::conditionsCsvWords(say.language());
    bool bounded = false;
    long skipping = 0;
    for (std::size_t i = 0; i < results.size(); ++i) {
        const thalmuro::ConditionResult& result = results[i];
        if (result.skipped_steps > 0) ++skipping;
        if (!result.balance.stopped_by_host) continue;
        bounded = true;
        warn(say, say(RunnerText::condition_stopped,
                      {count(static_cast<long>(i + 1)), say.number(result.condition.q),
                       say.number(result.condition.drho), count(result.balance.passes)}));
    }
    if (skipping > 0) {
        warn(say,
             say(RunnerText::conditions_skipping,
                 {count(skipping), count(static_cast<long>(results.size())), words.skipped_steps}));
    }
    std::cout << thalmuro::conditionsCsv(results, say.locale(), words);
    if (!std::cout.flush()) return failure(say(RunnerText::cannot_write_conditions));
    return bounded ? kExitBounded : kExitWritten;
}

int run(const std::vector<std::string>& args, Language language) {
    auto parsed = parseArguments(args);
    if (std::holds_alternative<HelpWanted>(parsed)) {
        std::cout << thalmuro::runnerText(RunnerText::usage, language) << '\n'
                  << thalmuro::runnerText(RunnerText::help, language);
        return std::cout.flush() ? kExitWritten : kExitFailed;
    }
    if (std::holds_alternative<VersionWanted>(parsed)) {
        std::cout << "thalmuro-cli " THALMURO_VERSION "\n";
        return std::cout.flush() ? kExitWritten : kExitFailed;
    }
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        return usageError(thalmuro::runnerText(error->text, language, error->arguments), language);
    }
    const Arguments arguments = std::get<Arguments>(std::move(parsed));

    std::optional<thalmuro::NumberLocale> numberLocale;
    if (arguments.locale) {
        numberLocale = namedNumberLocale(*arguments.locale);
        if (!numberLocale) {
            return usageError(
                thalmuro::runnerText(RunnerText::locale_unknown, language, {*arguments.locale}),
                language);
        }
    }

    auto read = thalmuro::readProblemFile(arguments.problem);
    if (const auto* error = std::get_if<thalmuro::Message>(&read)) {
        // The Greek words tell what kind of fault it is; as in the windows, the English line
        // beneath it names the file and the place for whoever mends it.
        if (language == Language::greek) tell(thalmuro::wordMessage(*error, language));
        return failure(thalmuro::wordMessage(*error, Language::english));
    }
    const thalmuro::DiffuserInput input = std::get<thalmuro::DiffuserInput>(std::move(read));
    // Without --locale, the format the file records it was typed in, else the user's.
    if (!numberLocale && input.decimal_separator) {
        numberLocale = thalmuro::numberLocaleFor(*input.decimal_separator);
    }
    if (!numberLocale) numberLocale = userNumberLocale();
    const Words say(language, *numberLocale);
    // Numbers that may not read as meant are told, never asked about: the run goes on with
    // them as they read.
    const std::vector<thalmuro::NumberFinding> findings =
        thalmuro::findNumberSlips(input, say.locale());
    for (const thalmuro::NumberFinding& finding : findings) {
        warn(say, thalmuro::wordNumberFinding(finding, language, say.locale()));
    }
    if (arguments.conditions) {
        return printConditions(input, *arguments.conditions, arguments.max_passes, say);
    }

    // The program's shared variables, as they stand when the main window opens.
    thalmuro::SharedState state;
    thalmuro::SolveOutcome outcome;
    {
        PassBound bound(arguments.max_passes, thalmuro::cli::standardErrorIsTerminal(), say);
        outcome = thalmuro::Solve(input, state, say.locale(), &bound);
    }

    const std::vector<thalmuro::SkippedCause> causes =
        thalmuro::explainSkipped(input, outcome, say.locale());
    for (const thalmuro::SkippedCause& cause : causes) {
        warn(say, thalmuro::wordSkippedCause(cause, language, say.locale()));
    }
    const thalmuro::Balance& balance = outcome.balance;
    if (balance.stopped_by_host) {
        warn(say, say(RunnerText::balancing_stopped,
                      {count(balance.passes), say.number(balance.qc), say.number(balance.qcalc),
                       say.number(state.results.q_total)}));
    }
    if (arguments.checks) {
        const std::vector<thalmuro::CheckResult> checks =
            thalmuro::checkDesign(input, state, outcome, say.locale());
        const thalmuro::CrossCheck crossCheck = thalmuro::crossCheck(input, say.locale());
        std::cout << (arguments.format == CheckFormat::json
                          ? checksJson(checks, say.locale(), causes, crossCheck,
                                       numberFindingsJson(findings, say.locale()))
                          : checksText(checks, say) + '\n' + crossCheckText(crossCheck, say));
        if (!std::cout.flush()) return failure(say(RunnerText::cannot_write_checks));
    } else if (const std::error_code error =
                   thalmuro::writeReport(arguments.report, outcome.report)) {
        return failure(say(RunnerText::cannot_write_report,
                           {arguments.report, thalmuro::writeFailureReason(error, language)}));
    }
    return balance.stopped_by_host ? kExitBounded : kExitWritten;
}

}  // namespace

int main(int argc, char** argv) {
    Language language = Language::english;
    try {
        thalmuro::cli::prepareStandardStreams();
        const std::vector<std::string> args = thalmuro::cli::arguments(argc, argv);
        language = languageOf(args);
        return run(args, language);
    } catch (const std::exception& error) {
        return failure(thalmuro::runnerText(RunnerText::internal_error, language, {error.what()}));
    }
}
