// thalmuro-cli: solves one saved problem without the windows and writes its results report,
// or prints the design checks of the solved problem.
//
//   thalmuro-cli [--locale NAME] [--max-passes N] PROBLEM.json REPORT.txt
//   thalmuro-cli --checks [--format text|json] [--locale NAME] [--max-passes N] PROBLEM.json
//   thalmuro-cli --version | -h | --help
//
// The run is the one the main window makes on Solve: the problem's "ratio" is the answer to the
// ratio question of the user flow mode (absent or null: Cancel), and the report goes to
// REPORT.txt, so it holds the same bytes.

#include <unistd.h>

#include <QLocale>
#include <QString>
#include <charconv>
#include <chrono>
#include <exception>
#include <iostream>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "number_locale.h"
#include "thalmuro/engine.h"

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
    "PROBLEM.json\n";

constexpr std::string_view kHelp =
    "Solves the diffuser problem saved in PROBLEM.json and writes its results report to\n"
    "REPORT.txt, as the Solve command of the main window does. With --checks, solves it the\n"
    "same way and prints the design checks of the solved problem instead of writing a report.\n"
    "\n"
    "  --checks       print the design checks: one block per check with its title, rule,\n"
    "                 threshold and source, verdict (holds, warning, not_judged), values and\n"
    "                 the risers or sections concerned\n"
    "  --format NAME  with --checks: text (the default) or json\n"
    "  --locale NAME  read and write numbers in the regional format NAME (el_GR, en_US, C,\n"
    "                 POSIX, ...); by default the format PROBLEM.json records with its key\n"
    "                 \"decimal_separator\", else the user's regional settings (LC_ALL,\n"
    "                 then LC_NUMERIC, then LANG)\n"
    "  --max-passes N stop the balancing of the optimised flow mode after N passes and\n"
    "                 write the report of the last pass (default 1000000)\n"
    "  -h, --help     show this help and exit\n"
    "  --version      show the program's version and exit\n"
    "\n"
    "Every step that could not be computed is listed on standard error as a warning. A long\n"
    "balancing shows its progress on standard error when that is a terminal.\n"
    "Exit status: 0 the report was written (with --checks: the checks were printed), 1 the\n"
    "problem could not be read or the report could not be written, 2 wrong usage,\n"
    "3 the balancing stopped at --max-passes (the report of the last pass was written, or\n"
    "its checks printed).\n";

enum class CheckFormat { text, json };

struct Arguments {
    bool checks = false;
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

std::variant<Arguments, UsageError, HelpWanted, VersionWanted> parseArguments(int argc,
                                                                              char** argv) {
    Arguments arguments;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
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
        } else if (argument == "--format") {
            if (i + 1 == argc) return UsageError{"--format needs text or json"};
            const std::string format = argv[++i];
            if (format == "text") {
                arguments.format = CheckFormat::text;
            } else if (format == "json") {
                arguments.format = CheckFormat::json;
            } else {
                return UsageError{"--format takes text or json, not \"" + format + "\""};
            }
        } else if (argument == "--locale") {
            if (i + 1 == argc) return UsageError{"--locale needs a locale name"};
            arguments.locale = argv[++i];
        } else if (argument == "--max-passes") {
            if (i + 1 == argc) return UsageError{"--max-passes needs a number of passes"};
            const std::string_view count = argv[++i];
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
    const std::size_t wanted = arguments.checks ? 1 : 2;
    if (files.size() != wanted) {
        return UsageError{files.size() < wanted ? "missing file name" : "too many file names"};
    }
    if (arguments.checks) {
        arguments.problem = std::move(files[0]);
        return arguments;
    }
    if (files[1].empty()) return UsageError{"the report's file name is empty"};
    arguments.problem = std::move(files[0]);
    arguments.report = std::move(files[1]);
    return arguments;
}

// The number format of a locale name: "C" and "POSIX" (with an optional ".codeset" or
// "@modifier"), or any name whose language QLocale knows, such as el_GR, en_US or el_GR.UTF-8.
std::optional<thalmuro::NumberLocale> namedNumberLocale(const std::string& name) {
    const std::string base = name.substr(0, name.find_first_of(".@"));
    if (base == "C" || base == "POSIX") return thalmuro::numberLocaleOf(QLocale::c());
    const QLocale locale(QString::fromStdString(name));
    if (locale.language() == QLocale::C) return std::nullopt;
    return thalmuro::numberLocaleOf(locale);
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

const thalmuro::ThresholdInfo& infoOf(const thalmuro::CheckResult& check) {
    for (const thalmuro::ThresholdInfo& info : thalmuro::checkThresholds()) {
        if (info.name == check.name) return info;
    }
    return thalmuro::checkThresholds().front();
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

// One block per check; the values in the problem's number format, separated by "; " since the
// decimal separator may be a comma.
std::string checksText(const std::vector<thalmuro::CheckResult>& checks,
                       const thalmuro::NumberLocale& locale) {
    const auto count = [](int number) { return std::to_string(number); };
    std::string text;
    for (const thalmuro::CheckResult& check : checks) {
        const thalmuro::ThresholdInfo& info = infoOf(check);
        if (!text.empty()) text += '\n';
        text += std::string(check.name) + ": " + std::string(info.title) + '\n';
        text += "  rule:      " + std::string(info.rule) + '\n';
        text += "  threshold: " + bounds(info) + '\n';
        text += "  source:    " + std::string(info.source) + '\n';
        text += "  verdict:   " + std::string(thalmuro::nameOf(check.verdict)) + '\n';
        text += "  values:    " +
                joined(check.values,
                       [&](double value) { return thalmuro::formatGeneral(value, locale); }) +
                '\n';
        text += "  risers:    " + joined(check.risers, count) + '\n';
        text += "  sections:  " + joined(check.sections, count) + '\n';
        text += "  " + check.summary + '\n';
    }
    return text;
}

std::string checksJson(const std::vector<thalmuro::CheckResult>& checks) {
    const auto optional = [](const std::optional<double>& value) {
        return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
    };
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const thalmuro::CheckResult& check : checks) {
        const thalmuro::ThresholdInfo& info = infoOf(check);
        list.push_back({{"name", check.name},
                        {"title", info.title},
                        {"rule", info.rule},
                        {"lower", optional(info.lower)},
                        {"upper", optional(info.upper)},
                        {"unit", info.unit},
                        {"source", info.source},
                        {"verdict", thalmuro::nameOf(check.verdict)},
                        {"values", check.values},
                        {"risers", check.risers},
                        {"sections", check.sections},
                        {"summary", check.summary}});
    }
    return nlohmann::ordered_json{{"checks", list}}.dump(2) + '\n';
}

int usageError(const std::string& reason) {
    std::cerr << "thalmuro-cli: " << reason << '\n' << kUsage;
    return kExitUsage;
}

int failure(const std::string& reason) {
    std::cerr << "thalmuro-cli: " << reason << '\n';
    return kExitFailed;
}

int run(int argc, char** argv) {
    auto parsed = parseArguments(argc, argv);
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
    if (const auto* error = std::get_if<std::string>(&read)) return failure(*error);
    const thalmuro::DiffuserInput input = std::get<thalmuro::DiffuserInput>(std::move(read));
    // Without --locale, the format the file records it was typed in, else the user's.
    if (!numberLocale && input.decimal_separator) {
        numberLocale = thalmuro::numberLocaleFor(*input.decimal_separator);
    }
    if (!numberLocale) numberLocale = thalmuro::systemNumberLocale();

    // The program's shared variables, as they stand when the main window opens.
    thalmuro::SharedState state;
    thalmuro::SolveOutcome outcome;
    {
        PassBound bound(arguments.max_passes, isatty(STDERR_FILENO) == 1);
        outcome = thalmuro::Solve(input, state, *numberLocale, &bound);
    }

    for (const thalmuro::Skip& skip : outcome.skipped) {
        std::cerr << "warning: " << thalmuro::describe(skip) << '\n';
    }
    const thalmuro::Balance& balance = outcome.balance;
    if (balance.stopped_by_host) {
        std::cerr << "warning: the balancing stopped at the bound of " << balance.passes
                  << " passes: qc = " << plainNumber(balance.qc) << " m^3/s, the risers pass "
                  << plainNumber(balance.qcalc)
                  << " m^3/s against Q = " << plainNumber(state.results.q_total)
                  << " m^3/s; the report is that of the last pass\n";
    }
    if (arguments.checks) {
        const std::vector<thalmuro::CheckResult> checks =
            thalmuro::checkDesign(input, state, outcome, *numberLocale);
        std::cout << (arguments.format == CheckFormat::json ? checksJson(checks)
                                                            : checksText(checks, *numberLocale));
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
        return run(argc, argv);
    } catch (const std::exception& error) {
        return failure(std::string("internal error: ") + error.what());
    }
}
