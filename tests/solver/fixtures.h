// Shared fixtures of the engine tests: the worked example and prompts with fixed answers.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "number_rules.h"
#include "problem_data.h"
#include "solve.h"

namespace thalmuro::testing {

// The worked example of the main window (14 risers in 5 sections) typed in `locale`.
inline DiffuserInput workedExample(const NumberLocale& locale) {
    const auto num = [&](double v) { return formatGeneral(v, locale); };
    DiffuserInput in;
    in.risers = "14";
    in.sections = "5";
    in.drho = num(0.0307);
    in.total_discharge = num(0.3528);
    in.manning = num(0.01);
    struct Row {
        const char* first;
        const char* last;
        double pipe;
    };
    const Row rows[] = {{"1", "2", 0.2906},
                        {"3", "5", 0.3276},
                        {"6", "8", 0.4152},
                        {"9", "11", 0.4614},
                        {"12", "14", 0.5814}};
    for (std::size_t s = 0; s < 5; ++s) {
        in.rows[s] = {rows[s].first, rows[s].last, num(rows[s].pipe), "8", num(0.2), num(0.1144)};
    }
    return in;
}

// Answers every prompt from a script; nothing (Cancel) for a prompt that has no answer.
class FixedPrompts : public SolvePrompts {
  public:
    std::optional<std::string> ratio;
    std::optional<std::string> file_name;
    std::vector<Prompt::Kind> asked;

    std::optional<std::string> ask(const Prompt& prompt) override {
        asked.push_back(prompt.kind);
        return prompt.kind == Prompt::Kind::ratio ? ratio : file_name;
    }
};

// The results store after solving the worked example on a Greek locale with every prompt
// cancelled (no report), computed once.
inline const DiffuserResults& workedResults() {
    static const SharedState state = [] {
        SharedState s;
        FixedPrompts prompts;
        Solve(workedExample(NumberLocale::greek()), s, NumberLocale::greek(), prompts);
        return s;
    }();
    return state.results;
}

}  // namespace thalmuro::testing
