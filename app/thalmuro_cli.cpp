// thalmuro-cli: solves one saved problem without the windows and writes its results report.
//
//   thalmuro-cli [--locale NAME] PROBLEM.json REPORT.txt
//
// The run is the one the main window makes on Solve: the ratio question of the user flow mode
// is answered with the problem's "ratio" (absent or null: Cancel) and the question for the
// report's file name with REPORT.txt, so the report holds the same bytes.

#include <QLocale>
#include <QString>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "number_locale.h"
#include "problem_file.h"
#include "solve.h"

namespace {

constexpr int kExitWritten = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

constexpr std::string_view kUsage = "usage: thalmuro-cli [--locale NAME] PROBLEM.json REPORT.txt\n";

constexpr std::string_view kHelp =
    "Solves the diffuser problem saved in PROBLEM.json and writes its results report to\n"
    "REPORT.txt, as the Solve command of the main window does.\n"
    "\n"
    "  --locale NAME  read and write numbers in the regional format NAME (el_GR, en_US, C,\n"
    "                 POSIX, ...); by default the user's regional settings (LC_ALL, then\n"
    "                 LC_NUMERIC, then LANG)\n"
    "  --help         show this help and exit\n"
    "\n"
    "Every step that could not be computed is listed on standard error as a warning.\n"
    "Exit status: 0 the report was written, 1 the problem could not be read or the report\n"
    "could not be written, 2 wrong usage.\n";

struct Arguments {
    std::optional<std::string> locale;
    std::string problem;
    std::string report;
};

struct UsageError {
    std::string reason;
};

struct HelpWanted {};

std::variant<Arguments, UsageError, HelpWanted> parseArguments(int argc, char** argv) {
    Arguments arguments;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help") {
            return HelpWanted{};
        } else if (argument == "--locale") {
            if (i + 1 == argc) return UsageError{"--locale needs a locale name"};
            arguments.locale = argv[++i];
        } else {
            return UsageError{"unknown option " + argument};
        }
    }
    if (files.size() != 2) {
        return UsageError{files.size() < 2 ? "missing file name" : "too many file names"};
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

// Answers Solve's questions as the saved problem and the command line say.
class FixedAnswers final : public thalmuro::SolvePrompts {
  public:
    FixedAnswers(std::optional<std::string> ratio, std::string reportName)
        : ratio_(std::move(ratio)), reportName_(std::move(reportName)) {}

    std::optional<std::string> ask(const thalmuro::Prompt& prompt) override {
        switch (prompt.kind) {
            case thalmuro::Prompt::Kind::ratio:
                return ratio_;
            case thalmuro::Prompt::Kind::file_name:
                return reportName_;
        }
        return std::nullopt;
    }

  private:
    std::optional<std::string> ratio_;
    std::string reportName_;
};

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
    if (const auto* error = std::get_if<UsageError>(&parsed)) return usageError(error->reason);
    const Arguments arguments = std::get<Arguments>(std::move(parsed));

    thalmuro::NumberLocale numberLocale;
    if (arguments.locale) {
        const auto named = namedNumberLocale(*arguments.locale);
        if (!named) return usageError("unknown locale \"" + *arguments.locale + "\"");
        numberLocale = *named;
    } else {
        numberLocale = thalmuro::systemNumberLocale();
    }

    auto read = thalmuro::readProblemFile(arguments.problem);
    if (const auto* error = std::get_if<std::string>(&read)) return failure(*error);
    thalmuro::Problem problem = std::get<thalmuro::Problem>(std::move(read));

    // The program's shared variables, as they stand when the main window opens.
    thalmuro::SharedState state;
    FixedAnswers answers(std::move(problem.ratio), arguments.report);
    const thalmuro::SolveOutcome outcome =
        thalmuro::Solve(problem.input, state, numberLocale, answers);

    for (const std::string& line : outcome.diagnostics.lines()) {
        std::cerr << "warning: " << line << '\n';
    }
    switch (outcome.report.status) {
        case thalmuro::ReportOutcome::Status::written:
            return kExitWritten;
        case thalmuro::ReportOutcome::Status::failed:
            return failure("cannot write the report \"" + outcome.report.file_name +
                           "\": " + outcome.report.error.message());
        case thalmuro::ReportOutcome::Status::not_requested:
            break;
    }
    return failure("the report \"" + arguments.report + "\" was not written");
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {
        return failure(std::string("internal error: ") + error.what());
    }
}
