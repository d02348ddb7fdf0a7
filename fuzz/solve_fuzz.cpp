// Runs a whole Solve, report included, on arbitrary texts typed into every box.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "thalmuro/engine.h"
#include "thalmuro/wording.h"

namespace {

class FewPasses final : public thalmuro::BalancingProgress {
  public:
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
    if (fdp.ConsumeBool()) in.ratio = fdp.ConsumeRandomLengthString(16);

    // Two Solves on one store: the second one sees the first one's stale values.
    thalmuro::SharedState state;
    FewPasses progress;
    thalmuro::Solve(in, state, locale, &progress);
    in.risers = fdp.ConsumeRandomLengthString(8);
    const thalmuro::SolveOutcome outcome = thalmuro::Solve(in, state, locale, &progress);
    if (thalmuro::writeReport("/dev/null", outcome.report)) std::abort();
    // The design checks read whatever the Solve left in the store, stale values included.
    const std::vector<thalmuro::CheckResult> checks =
        thalmuro::checkDesign(in, state, outcome, locale);
    if (checks.size() != thalmuro::checkThresholds().size()) std::abort();
    // The cross-check marches on states of its own and bounds its marches whatever the texts.
    const thalmuro::CrossCheck cross = thalmuro::crossCheck(in, locale);
    if (cross.head_difference.has_value() == (cross.verdict == thalmuro::Verdict::not_judged)) {
        std::abort();
    }
    // Both catalogues word the cross-check whatever the texts.
    for (const thalmuro::Language language :
         {thalmuro::Language::english, thalmuro::Language::greek}) {
        if (thalmuro::wordCrossCheckSummary(cross, language).empty()) std::abort();
    }
    // Every skipped step is told by one cause, and every cause is one line in both languages.
    long skipped = 0;
    for (const thalmuro::Skip& skip : outcome.skipped)
        skipped += skip.count;
    long explained = 0;
    for (const thalmuro::SkippedCause& cause : thalmuro::explainSkipped(in, outcome, locale)) {
        if (cause.steps <= 0) std::abort();
        for (const thalmuro::Language language :
             {thalmuro::Language::english, thalmuro::Language::greek}) {
            if (thalmuro::wordSkippedCause(cause, language).find('\n') != std::string::npos) {
                std::abort();
            }
        }
        explained += cause.steps;
    }
    if (explained != skipped) std::abort();
    return 0;
}
