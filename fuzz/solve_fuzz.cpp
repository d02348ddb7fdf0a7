// Runs a whole Solve, report included, on arbitrary texts typed into every box.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "solve.h"

namespace {

class Prompts : public thalmuro::SolvePrompts {
  public:
    std::optional<std::string> ratio;
    std::optional<std::string> ask(const thalmuro::Prompt& prompt) override {
        if (prompt.kind == thalmuro::Prompt::Kind::ratio) return ratio;
        return std::string("/dev/null");
    }
    // Arbitrary data can ask for billions of balancing passes; a few dozen show the same.
    bool keepBalancing(long passesRun) override { return passesRun < 30; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider fdp(data, size);
    thalmuro::DiffuserInput in;
    in.flow_mode = static_cast<thalmuro::FlowMode>(fdp.ConsumeIntegralInRange<int>(0, 3));
    in.fitting = fdp.ConsumeBool() ? thalmuro::FittingType::Sharp : thalmuro::FittingType::Bell;
    const thalmuro::NumberLocale locale =
        fdp.ConsumeBool() ? thalmuro::NumberLocale::greek() : thalmuro::NumberLocale::english();
    for (std::string* text :
         {&in.risers, &in.sections, &in.drho, &in.total_discharge, &in.manning}) {
        *text = fdp.ConsumeRandomLengthString(24);
    }
    const int rows = fdp.ConsumeIntegralInRange<int>(0, thalmuro::kSectionRows);
    for (int s = 0; s < rows; ++s) {
        thalmuro::SectionRow& row = in.rows[static_cast<std::size_t>(s)];
        for (std::string* cell : {&row.first_riser, &row.last_riser, &row.pipe_diameter,
                                  &row.spacing, &row.elevation_step, &row.riser_diameter}) {
            *cell = fdp.ConsumeRandomLengthString(16);
        }
    }
    Prompts prompts;
    if (fdp.ConsumeBool()) prompts.ratio = fdp.ConsumeRandomLengthString(16);

    // Two Solves on one store: the second one sees the first one's stale values.
    thalmuro::SharedState state;
    thalmuro::Solve(in, state, locale, prompts);
    in.risers = fdp.ConsumeRandomLengthString(8);
    thalmuro::Solve(in, state, locale, prompts);
    return 0;
}
