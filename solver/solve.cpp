#include <string>

#include "checked.h"
#include "flow_modes.h"
#include "march.h"
#include "report.h"
#include "solving.h"
#include "thalmuro/engine.h"

namespace thalmuro {

void gather(const DiffuserInput& input, SharedState& state, SolveWork& work,
            const NumberLocale& locale, Diagnostics& diagnostics) {
    DiffuserResults& r = state.results;
    state.g = kGravity;
    state.p = kPi;

    // A count beyond the 16-bit range is not stored: the previous count stays.
    if (!readSectionCount(input.sections, state)) {
        diagnostics.record({"number of sections", StepKind::sections_count}, Fault::overflow);
    }
    if (const std::optional<std::int16_t> count = leadingCount(input.risers)) {
        r.n_risers = *count;
    } else {
        diagnostics.record({"number of risers", StepKind::risers_count}, Fault::overflow);
    }
    r.drho = input.drho;
    diagnostics.assign(r.q_total, readValue(input.total_discharge, locale), [] {
        return StepName{"total discharge Q", StepKind::total_discharge};
    });
    state.manning = input.manning;

    for (long s = 1; s <= state.tmimata; ++s) {
        if (s > kSectionRows) {
            diagnostics.record({namedRange("row", "rows", kSectionRows + 1, state.tmimata) +
                                    " of the section table",
                                StepKind::sections_beyond, 0, kSectionRows + 1},
                               Fault::index_outside);
            break;
        }
        const SectionRow& typed = input.rows[static_cast<std::size_t>(s - 1)];
        RowCopy& row = work.rows[static_cast<std::size_t>(s - 1)];
        row.texts = typed;
        row.first_riser = readValue(typed.first_riser, locale);
        row.last_riser = readValue(typed.last_riser, locale);
        row.pipe_diameter = readValue(typed.pipe_diameter, locale);
        row.spacing = readValue(typed.spacing, locale);
        row.elevation_step = readValue(typed.elevation_step, locale);
        diagnostics.assign(row.riser_diameter, readValue(typed.riser_diameter, locale), [&] {
            return StepName{"riser diameter of row " + std::to_string(s),
                            StepKind::riser_diameter_cell, 0, static_cast<int>(s)};
        });
    }

    // Δρ/ρ and n stay texts in the shared variables; every step that uses them reads the same
    // text, so they are read once here.
    work.drho = readValue(r.drho, locale);
    work.manning = readValue(state.manning, locale);
    work.fitting = input.fitting;
}

SolveOutcome solveDesign(const DiffuserInput& input, SharedState& state, const NumberLocale& locale,
                         BalancingProgress* progress, ReportWanted report) {
    SolveOutcome outcome;
    Diagnostics diagnostics;
    SolveWork work;
    gather(input, state, work, locale, diagnostics);
    computeSectionFriction(state, work, diagnostics);
    outcome.balance =
        balanceDischarge(input.flow_mode, input.ratio, state, work, locale, progress, diagnostics);
    if (report == ReportWanted::yes) {
        const ResultsReport results(state, work, outcome.balance, locale);
        outcome.report.text = results.text(diagnostics);
        outcome.report.bytes = encodeWindows1253(outcome.report.text);
        // The English text leaves out the lines the Greek one did, which are recorded already.
        Diagnostics recordedAlready;
        outcome.report.english_text = results.text(recordedAlready, ReportLanguage::english);
    }
    outcome.skipped = diagnostics.take();
    return outcome;
}

SolveOutcome Solve(const DiffuserInput& input, SharedState& state, const NumberLocale& locale,
                   BalancingProgress* progress) {
    return solveDesign(input, state, locale, progress, ReportWanted::yes);
}

}  // namespace thalmuro
