// thalmuro-cli: solves one saved problem without the windows and writes its results report,
// prints the design checks of the solved problem and its cross-check by the classical port
// formulation, solves it over a list of operating conditions and prints their table, or
// proposes the riser diameters that make the design hold.
//
//   thalmuro-cli [OPTIONS] PROBLEM.json REPORT.txt
//   thalmuro-cli --checks [--format text|json] [OPTIONS] PROBLEM.json
//   thalmuro-cli --conditions SPEC [OPTIONS] PROBLEM.json
//   thalmuro-cli --size-risers [--tolerance P] [--low-flow SPEC] [--diameters LIST]
//                [--format text|json] [--write NEW.json] [OPTIONS] PROBLEM.json
//   thalmuro-cli --version | -h | --help
//
// OPTIONS: --language el|en (what it writes in words), --locale NAME (how it reads and writes
// numbers), --max-passes N. Its texts come from the wording library in the language chosen; the
// JSON of --checks is for programs and is the same in both.
//
// The run is the one the main window makes on Solve: the problem's "ratio" is the answer to the
// ratio question of the user flow mode (absent or null: Cancel), and the report goes to
// REPORT.txt, so it holds the same bytes.

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
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
// The riser sizing found no choice that meets every goal: the closest is printed.
constexpr int kExitGoalsMissed = 4;

// The optimised flow mode lowers qc by 0.0001 m^3/s a pass. The worst physically meaningful
// design known needs under 30 000 passes; nonsense (a negative Q or riser count, a Q of
// thousands of m^3/s) can need hundreds of millions, so a batch run stops at a bound.
constexpr long kDefaultMaxPasses = 1000000;

using thalmuro::Language;
using thalmuro::RunnerText;

enum class CheckFormat { text, json };

// What --size-risers is given: the goals as typed (a low flow still to be read against the
// problem), the candidates and where to save the proposal.
struct SizingArguments {
    std::optional<double> tolerance;
    std::optional<std::string> low_flow;
    std::vector<double> diameters;
    std::optional<std::string> write;
};

struct Arguments {
    bool checks = false;
    std::optional<std::string> conditions;
    std::optional<SizingArguments> sizing;
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

// A number written with "." as decimal point, as in lists of conditions, whatever the locale.
std::optional<double> listNumber(std::string_view text) {
    return thalmuro::readLocaleNumber(text, thalmuro::NumberLocale{".", ""});
}

// "0.1,0.125,0.15": positive diameters in m; on failure the item at fault.
std::variant<std::vector<double>, std::string> parseDiameters(std::string_view list) {
    std::vector<double> diameters;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        const std::string_view item = list.substr(start, end - start);
        const std::optional<double> d = listNumber(item);
        if (!d || !(*d > 0.0) || !std::isfinite(*d)) return std::string(item);
        diameters.push_back(*d);
        if (end == list.size()) return diameters;
        start = end + 1;
    }
}

std::variant<Arguments, UsageError, HelpWanted, VersionWanted> parseArguments(
    const std::vector<std::string>& args) {
    Arguments arguments;
    SizingArguments sizing;
    bool sizeRisers = false;
    // The first option that goes with --size-risers alone, to be told when it is missing.
    std::optional<std::string> sizingOption;
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
        } else if (argument == "--size-risers") {
            sizeRisers = true;
        } else if (argument == "--tolerance") {
            if (i + 1 == args.size()) return UsageError{RunnerText::tolerance_needs_value, {}};
            const std::string& text = args[++i];
            const std::optional<double> tolerance = listNumber(text);
            if (!tolerance || !(*tolerance > 0.0 && *tolerance < 100.0)) {
                return UsageError{RunnerText::tolerance_unknown, {text}};
            }
            sizing.tolerance = *tolerance;
            sizingOption = sizingOption.value_or(argument);
        } else if (argument == "--low-flow") {
            if (i + 1 == args.size()) return UsageError{RunnerText::low_flow_needs_spec, {}};
            sizing.low_flow = args[++i];
            sizingOption = sizingOption.value_or(argument);
        } else if (argument == "--diameters") {
            if (i + 1 == args.size()) return UsageError{RunnerText::diameters_needs_list, {}};
            auto diameters = parseDiameters(args[++i]);
            if (auto* item = std::get_if<std::string>(&diameters)) {
                return UsageError{RunnerText::diameters_unknown, {*item}};
            }
            sizing.diameters = std::get<std::vector<double>>(std::move(diameters));
            sizingOption = sizingOption.value_or(argument);
        } else if (argument == "--write") {
            if (i + 1 == args.size() || args[i + 1].empty()) {
                return UsageError{RunnerText::write_needs_name, {}};
            }
            sizing.write = args[++i];
            sizingOption = sizingOption.value_or(argument);
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
    if (sizingOption && !sizeRisers) {
        return UsageError{RunnerText::sizing_option_alone, {*sizingOption}};
    }
    if (sizeRisers && (arguments.checks || arguments.conditions)) {
        return UsageError{RunnerText::sizing_with_checks, {}};
    }
    if (sizeRisers) arguments.sizing = std::move(sizing);
    if (arguments.format && !arguments.checks && !arguments.sizing) {
        return UsageError{RunnerText::format_without_checks, {}};
    }
    if (arguments.checks && arguments.conditions) {
        return UsageError{RunnerText::checks_with_conditions, {}};
    }
    const bool printed = arguments.checks || arguments.conditions || arguments.sizing;
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

// A line of progress on standard error, rewritten in place about once a second while a long
// run goes on, when standard error is a terminal. The first line comes after a second, not at
// the start. It may be told from several worker threads at once.
class ProgressLine {
  public:
    explicit ProgressLine(bool shown) : wanted_(shown) {}
    ~ProgressLine() {
        if (shown_) std::cerr << '\n';
    }
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // Shows the line that `words` makes, when a second has passed since the last one.
    template <class Words>
    void tell(Words&& words) {
        if (!wanted_) return;
        const std::lock_guard<std::mutex> lock(mutex_);
        const auto now = std::chrono::steady_clock::now();
        if (now - lastShown_ < std::chrono::seconds(1)) return;
        if (shown_) std::cerr << '\r';
        std::cerr << "thalmuro-cli: " << words() << std::flush;
        shown_ = true;
        lastShown_ = now;
    }

  private:
    const bool wanted_;
    std::mutex mutex_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point lastShown_ = std::chrono::steady_clock::now();
};

// Stops the balancing at the pass bound and shows the passes run.
class PassBound final : public thalmuro::BalancingProgress {
  public:
    PassBound(long maxPasses, bool showProgress, const Words& say)
        : maxPasses_(maxPasses), line_(showProgress), say_(say) {}

    bool keepBalancing(long passesRun) override {
        line_.tell([&] { return say_(RunnerText::balancing_progress, {count(passesRun)}); });
        return passesRun < maxPasses_;
    }

  private:
    const long maxPasses_;
    ProgressLine line_;
    const Words& say_;
};

// Bounds the balancing of every condition at the pass bound and shows how many conditions are
// solved. The engine calls it from its worker threads.
class ConditionsBound final : public thalmuro::ConditionsProgress {
  public:
    ConditionsBound(long maxPasses, bool showProgress, const Words& say)
        : maxPasses_(maxPasses), line_(showProgress), say_(say) {}

    bool keepGoing(std::size_t conditionsDone, std::size_t conditionsTotal) override {
        line_.tell([&] {
            return say_(RunnerText::conditions_progress,
                        {count(static_cast<long>(conditionsDone)),
                         count(static_cast<long>(conditionsTotal))});
        });
        return true;
    }

    bool keepBalancing(std::size_t, long passesRun) override { return passesRun < maxPasses_; }

  private:
    const long maxPasses_;
    ProgressLine line_;
    const Words& say_;
};

// Shows how many designs the sizing has weighed. The engine calls it from its worker threads.
class SizingShown final : public thalmuro::SizingProgress {
  public:
    SizingShown(bool showProgress, const Words& say) : line_(showProgress), say_(say) {}

    bool keepGoing(long designsWeighed, double fraction) override {
        line_.tell([&] {
            return say_(RunnerText::sizing_progress,
                        {count(designsWeighed),
                         count(std::lround(std::clamp(fraction, 0.0, 1.0) * 100.0))});
        });
        return true;
    }

  private:
    ProgressLine line_;
    const Words& say_;
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

// The remedy of a check that warns; empty when it does not warn or has none.
std::string remedyOf(const thalmuro::CheckResult& check, Language language) {
    if (check.verdict != thalmuro::Verdict::warning) return {};
    return thalmuro::checkRemedy(check.id, language);
}

// One block per check, headed by the check's name and title; the values separated by "; "
// since the decimal separator may be a comma; a check that warns ends with its remedy. The
// block of a failed discharge comes first.
std::string checksText(const std::vector<thalmuro::CheckResult>& checks, const Words& say) {
    const Block block(
        say, {RunnerText::label_rule, RunnerText::label_threshold, RunnerText::label_source,
              RunnerText::label_verdict, RunnerText::label_basis, RunnerText::label_values,
              RunnerText::label_risers, RunnerText::label_sections, RunnerText::label_remedy});
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
        const std::string remedy = remedyOf(check, language);
        if (!remedy.empty()) text += block.line(RunnerText::label_remedy, remedy);
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

// ---- The riser sizing as text -----------------------------------------------------------------

constexpr std::array<thalmuro::SizingGoal, thalmuro::kSizingGoalCount> kSizingGoals{
    thalmuro::SizingGoal::uniformity, thalmuro::SizingGoal::froude_low,
    thalmuro::SizingGoal::riser_area, thalmuro::SizingGoal::froude_design};

// "5", "1–10": the risers of a section or run, the same in both languages.
std::string risersText(int first, int last) {
    return first == last ? count(first) : count(first) + "–" + count(last);
}

// The goals' names, lined up one column after the longest: "  uniformity:    ".
std::string goalLabel(thalmuro::SizingGoal goal) {
    std::size_t width = 0;
    for (const thalmuro::SizingGoal each : kSizingGoals)
        width = std::max(width, thalmuro::nameOf(each).size());
    const std::string_view name = thalmuro::nameOf(goal);
    return "  " + std::string(name) + ':' + std::string(width + 1 - name.size(), ' ');
}

// The lines of one design: each goal, its figures at both flows, its checks and cross-check.
// The figures are rounded for reading, as the goals' lines round them; the JSON gives them
// whole.
std::string sizedDesignText(const thalmuro::SizedDesign& design, const Words& say) {
    const Block block(say, {RunnerText::label_spread, RunnerText::label_froude_design,
                            RunnerText::label_froude_low, RunnerText::label_area_ratio,
                            RunnerText::label_landward_head, RunnerText::label_checks,
                            RunnerText::label_cross_check});
    std::string text;
    for (const thalmuro::GoalStatus& status : design.goals) {
        text += goalLabel(status.goal) +
                thalmuro::sizingGoalStatus(status, say.language(), say.locale()) + '\n';
    }
    const auto rounded = [&](double value, std::string_view pattern) {
        return thalmuro::formatPattern(value, pattern, say.locale());
    };
    const auto between = [&](const thalmuro::MarchSummary& march, double lowest, double highest) {
        if (!march.balanced) return say(RunnerText::not_balanced);
        return say(RunnerText::figures_between,
                   {rounded(lowest, "0.00"), rounded(highest, "0.00")});
    };
    const bool balanced = design.design_flow.balanced;
    text += block.line(RunnerText::label_spread, balanced ? rounded(design.spread, "0.00") + " %"
                                                          : say(RunnerText::not_balanced));
    text += block.line(RunnerText::label_froude_design,
                       between(design.design_flow, design.froude_min, design.froude_max));
    text += block.line(
        RunnerText::label_froude_low,
        between(design.low_flow, design.low_flow_froude_min, design.low_flow_froude_max));
    text += block.line(RunnerText::label_area_ratio, rounded(design.area_ratio, "0.000"));
    text += block.line(
        RunnerText::label_landward_head,
        balanced ? rounded(design.landward_head, "0.00000") + " m" : say(RunnerText::not_balanced));
    std::vector<std::string> warning;
    for (const thalmuro::CheckResult& check : design.checks) {
        if (check.verdict == thalmuro::Verdict::warning) {
            warning.emplace_back(thalmuro::nameOf(check.id));
        }
    }
    text += block.line(RunnerText::label_checks,
                       design.checks.empty() ? say(RunnerText::not_balanced)
                       : warning.empty()
                           ? say(RunnerText::checks_hold)
                           : say(RunnerText::checks_warning,
                                 {joined(warning, [](const std::string& name) { return name; })}));
    text += block.line(
        RunnerText::label_cross_check,
        thalmuro::wordCrossCheckSummary(design.cross_check, say.language(), say.locale()));
    return text;
}

std::string sizingText(const thalmuro::SizingResult& result, const Words& say) {
    const Language language = say.language();
    std::string text = say(RunnerText::sizing_title, {count(result.designs)}) + '\n';
    if (result.stopped) text += say(RunnerText::sizing_stopped) + '\n';
    const thalmuro::SizedDesign& proposal = result.proposal;
    text += say(!proposal.goals_met     ? RunnerText::sizing_goals_missed
                : proposal.goals[3].met ? RunnerText::sizing_goals_met
                                        : RunnerText::sizing_preference_missed) +
            "\n\n";

    text += say(RunnerText::label_goals) + ":\n";
    for (const thalmuro::SizingGoal goal : kSizingGoals) {
        text += goalLabel(goal) +
                thalmuro::sizingGoalTitle(goal, language, result.goals, say.locale()) + '\n';
    }

    text += '\n' + say(RunnerText::label_sections) + ":\n";
    const Block block(say, {RunnerText::label_diameter_now, RunnerText::label_proposal});
    for (const thalmuro::SectionSizing& section : result.sections) {
        text += "  " +
                say(RunnerText::sizing_section,
                    {count(section.section), risersText(section.first_riser, section.last_riser),
                     say.number(section.pipe_diameter)}) +
                '\n';
        // The section's lines indented under its heading.
        text += "  " + block.line(RunnerText::label_diameter_now,
                                  section.current_diameter
                                      ? say.number(*section.current_diameter) + " m"
                                      : say(RunnerText::unreadable));
        text += "  " + block.line(RunnerText::label_proposal,
                                  joined(section.proposed, [&](const thalmuro::RiserRun& run) {
                                      return say(RunnerText::sizing_run,
                                                 {say.number(run.diameter),
                                                  risersText(run.first_riser, run.last_riser)});
                                  }));
    }

    if (result.current) {
        text +=
            '\n' + say(RunnerText::label_current) + ":\n" + sizedDesignText(*result.current, say);
    }
    text += '\n' + say(RunnerText::label_proposal) + ":\n" + sizedDesignText(proposal, say);
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

// The overall verdict: the checks' keys, and the English line, which names the cross-check
// when it warns.
nlohmann::ordered_json verdictJson(const thalmuro::ChecksVerdict& verdict) {
    const auto names = [](const std::vector<thalmuro::CheckId>& checks) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const thalmuro::CheckId check : checks)
            list.push_back(thalmuro::nameOf(check));
        return list;
    };
    return {{"overall", thalmuro::nameOf(verdict.overall)},
            {"warnings", names(verdict.warnings)},
            {"not_judged", names(verdict.not_judged)},
            {"summary", thalmuro::checksVerdictLine(verdict, kEnglish)}};
}

std::string checksJson(const std::vector<thalmuro::CheckResult>& checks,
                       const thalmuro::NumberLocale& locale,
                       const std::vector<thalmuro::SkippedCause>& causes,
                       const thalmuro::CrossCheck& crossCheck,
                       const nlohmann::ordered_json& numberFindings) {
    const auto optional = [](const std::optional<double>& value) {
        return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
    };
    const auto text = [](const std::string& value) {
        return value.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(value);
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
                        {"discharge_failure", dischargeFailureJson(check.discharge_failure)},
                        {"remedy", text(remedyOf(check, kEnglish))}});
    }
    nlohmann::ordered_json skipped = nlohmann::ordered_json::array();
    for (const thalmuro::SkippedCause& cause : causes) {
        skipped.push_back({{"english", thalmuro::wordSkippedCause(cause, kEnglish)},
                           {"greek", thalmuro::wordSkippedCause(cause, Language::greek)},
                           {"rows", cause.rows},
                           {"risers", cause.risers},
                           {"steps", cause.steps}});
    }
    return nlohmann::ordered_json{
               {"verdict", verdictJson(thalmuro::overallVerdict(checks, crossCheck))},
               {"checks", list},
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

// ---- The riser sizing as JSON ------------------------------------------------------------------

nlohmann::ordered_json sizedDesignJson(const thalmuro::SizedDesign& design) {
    nlohmann::ordered_json goals = nlohmann::ordered_json::array();
    for (const thalmuro::GoalStatus& status : design.goals) {
        goals.push_back(
            {{"goal", thalmuro::nameOf(status.goal)},
             {"met", status.met},
             {"value", status.value},
             {"limit", status.limit},
             {"shortfall", status.shortfall},
             {"summary", thalmuro::sizingGoalStatus(status, kEnglish, kJsonSentences)}});
    }
    nlohmann::ordered_json checks = nlohmann::ordered_json::array();
    for (const thalmuro::CheckResult& check : design.checks) {
        checks.push_back({{"name", thalmuro::nameOf(check.id)},
                          {"verdict", thalmuro::nameOf(check.verdict)},
                          {"summary", thalmuro::checkSummary(check, kEnglish, kJsonSentences)}});
    }
    nlohmann::ordered_json sections = nlohmann::ordered_json::array();
    const int rows = std::max<int>(0, thalmuro::leadingCount(design.problem.sections).value_or(0));
    for (std::size_t row = 0;
         row < static_cast<std::size_t>(rows) && row < design.problem.rows.size(); ++row) {
        const thalmuro::SectionRow& cells = design.problem.rows[row];
        sections.push_back({{"first_riser", cells.first_riser},
                            {"last_riser", cells.last_riser},
                            {"riser_diameter", cells.riser_diameter}});
    }
    return {{"goals_met", design.goals_met},
            {"goals", goals},
            {"spread", design.spread},
            {"froude_min", design.froude_min},
            {"froude_max", design.froude_max},
            {"low_flow_froude_min", design.low_flow_froude_min},
            {"low_flow_froude_max", design.low_flow_froude_max},
            {"area_ratio", design.area_ratio},
            {"landward_head", design.landward_head},
            {"discharges", design.discharges},
            {"froude", design.froude},
            {"low_flow_discharges", design.low_flow_discharges},
            {"low_flow_froude", design.low_flow_froude},
            {"design_flow", marchJson(design.design_flow)},
            {"low_flow", marchJson(design.low_flow)},
            {"checks", checks},
            {"cross_check", crossCheckJson(design.cross_check)},
            {"rows", sections}};
}

std::string sizingJson(const thalmuro::SizingResult& result) {
    const thalmuro::SizingGoals& goals = result.goals;
    nlohmann::ordered_json lowFlow = nullptr;
    if (goals.low_flow) lowFlow = {{"q", goals.low_flow->q}, {"drho", goals.low_flow->drho}};
    nlohmann::ordered_json sections = nlohmann::ordered_json::array();
    for (const thalmuro::SectionSizing& section : result.sections) {
        nlohmann::ordered_json runs = nlohmann::ordered_json::array();
        for (const thalmuro::RiserRun& run : section.proposed) {
            runs.push_back({{"first_riser", run.first_riser},
                            {"last_riser", run.last_riser},
                            {"diameter", run.diameter}});
        }
        sections.push_back(
            {{"section", section.section},
             {"first_riser", section.first_riser},
             {"last_riser", section.last_riser},
             {"pipe_diameter", section.pipe_diameter},
             {"current_diameter", section.current_diameter
                                      ? nlohmann::ordered_json(*section.current_diameter)
                                      : nlohmann::ordered_json(nullptr)},
             {"proposed", runs}});
    }
    return nlohmann::ordered_json{{"designs", result.designs},
                                  {"stopped", result.stopped},
                                  {"goals_met", result.proposal.goals_met},
                                  {"goals",
                                   {{"tolerance", goals.tolerance},
                                    {"low_flow", lowFlow},
                                    {"froude_min", goals.froude_min},
                                    {"froude_max", goals.froude_max},
                                    {"area_ratio_lower", goals.area_ratio_lower},
                                    {"area_ratio_upper", goals.area_ratio_upper},
                                    {"max_rows", goals.max_rows}}},
                                  {"sections", sections},
                                  {"current", result.current ? sizedDesignJson(*result.current)
                                                             : nlohmann::ordered_json(nullptr)},
                                  {"proposal", sizedDesignJson(result.proposal)}}
               .dump(2) +
           '\n';
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

// The low flow of --low-flow: one condition as --conditions reads it, "Q=" understood when no
// part is named. Nothing when none was given; a usage fault when it names other than one.
std::variant<std::optional<thalmuro::OperatingCondition>, UsageError> lowFlowOf(
    const thalmuro::DiffuserInput& input, const std::optional<std::string>& spec,
    const Words& say) {
    if (!spec) return std::nullopt;
    const std::string full = spec->find('=') == std::string::npos ? "Q=" + *spec : *spec;
    auto parsed = thalmuro::parseConditionSpec(full, input, say.locale());
    if (const auto* error = std::get_if<thalmuro::Message>(&parsed)) {
        return UsageError{RunnerText::low_flow_fault,
                          {thalmuro::wordMessage(*error, say.language(), say.locale())}};
    }
    const auto& conditions = std::get<std::vector<thalmuro::OperatingCondition>>(parsed);
    if (conditions.size() != 1) {
        return UsageError{RunnerText::low_flow_not_one,
                          {count(static_cast<long>(conditions.size()))}};
    }
    return conditions.front();
}

// Sizes the risers of the problem and prints the proposal on standard output; with --write,
// saves the problem with the proposed section table.
int printSizing(const thalmuro::DiffuserInput& input, const SizingArguments& sizing,
                std::optional<CheckFormat> format, const Words& say) {
    thalmuro::SizingGoals goals;
    if (sizing.tolerance) goals.tolerance = *sizing.tolerance;
    auto lowFlow = lowFlowOf(input, sizing.low_flow, say);
    if (const auto* error = std::get_if<UsageError>(&lowFlow)) {
        return usageError(say(error->text, error->arguments), say.language());
    }
    goals.low_flow = std::get<std::optional<thalmuro::OperatingCondition>>(lowFlow);
    thalmuro::SizingResult result;
    {
        SizingShown shown(thalmuro::cli::standardErrorIsTerminal(), say);
        result = thalmuro::sizeRisers(input, goals, sizing.diameters, say.locale(), 0, &shown);
    }
    if (result.blocked) {
        return failure(
            say(RunnerText::cannot_size,
                {thalmuro::wordSizingBlock(*result.blocked, say.language(), say.locale())}));
    }
    std::cout << (format == CheckFormat::json ? sizingJson(result) : sizingText(result, say));
    if (!std::cout.flush()) return failure(say(RunnerText::cannot_write_sizing));
    if (sizing.write) {
        if (const std::error_code error =
                thalmuro::writeProblemFile(*sizing.write, result.proposal.problem)) {
            return failure(
                say(RunnerText::cannot_write_problem,
                    {*sizing.write, thalmuro::writeFailureReason(error, say.language())}));
        }
        tell(say(RunnerText::problem_written, {*sizing.write}));
    }
    return result.proposal.goals_met ? kExitWritten : kExitGoalsMissed;
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
    if (arguments.sizing) return printSizing(input, *arguments.sizing, arguments.format, say);

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
                          : thalmuro::checksVerdictLine(
                                thalmuro::overallVerdict(checks, crossCheck), language) +
                                "\n\n" + checksText(checks, say) + '\n' +
                                crossCheckText(crossCheck, say));
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
