#include "solve.h"

#include <string>

#include "march.h"
#include "report.h"

namespace thalmuro {
namespace {

Num readCell(const std::string& text, const NumberLocale& locale) {
    const std::optional<double> value = readLocaleNumber(text, locale);
    return value ? Num(*value) : Num::failed(Fault::unreadable_text);
}

// Reads the general inputs and rows 1 to the section count into the shared variables and
// Solve's own storage, in the order the main window has always been read.
void gather(const DiffuserInput& input, SharedState& state, SolveWork& work,
            const NumberLocale& locale, Diagnostics& diagnostics) {
    DiffuserResults& r = state.results;
    state.g = kGravity;
    state.p = kPi;

    // A count beyond the 16-bit range is not stored: the previous count stays.
    if (const std::optional<std::int16_t> count = leadingCount(input.sections)) {
        state.tmimata = *count;
    } else {
        diagnostics.record("number of sections", Fault::overflow);
    }
    if (const std::optional<std::int16_t> count = leadingCount(input.risers)) {
        r.n_risers = *count;
    } else {
        diagnostics.record("number of risers", Fault::overflow);
    }
    r.drho = input.drho;
    diagnostics.assign(r.q_total, readCell(input.total_discharge, locale),
                       [] { return std::string("total discharge Q"); });
    state.manning = input.manning;

    for (long s = 1; s <= state.tmimata; ++s) {
        if (s > kSectionRows) {
            diagnostics.record("rows " + std::to_string(kSectionRows + 1) + " to " +
                                   std::to_string(state.tmimata) + " of the section table",
                               Fault::index_outside);
            break;
        }
        const SectionRow& typed = input.rows[static_cast<std::size_t>(s - 1)];
        RowCopy& row = work.rows[static_cast<std::size_t>(s - 1)];
        row.texts = typed;
        row.first_riser = readCell(typed.first_riser, locale);
        row.last_riser = readCell(typed.last_riser, locale);
        row.pipe_diameter = readCell(typed.pipe_diameter, locale);
        row.spacing = readCell(typed.spacing, locale);
        row.elevation_step = readCell(typed.elevation_step, locale);
        diagnostics.assign(row.riser_diameter, readCell(typed.riser_diameter, locale),
                           [&] { return "riser diameter of row " + std::to_string(s); });
    }

    // Δρ/ρ and n stay texts in the shared variables; every step that uses them reads the same
    // text, so they are read once here.
    work.drho = readCell(r.drho, locale);
    work.manning = readCell(state.manning, locale);
    work.fitting = input.fitting;
}

}  // namespace

SolveOutcome Solve(const DiffuserInput& input, SharedState& state, const NumberLocale& locale,
                   SolvePrompts& prompts) {
    SolveOutcome outcome;
    Diagnostics& diagnostics = outcome.diagnostics;
    SolveWork work;
    gather(input, state, work, locale, diagnostics);
    computeSectionFriction(state, work, diagnostics);
    outcome.balance = balanceDischarge(input.flow_mode, state, work, locale, prompts, diagnostics);

    ReportOutcome& report = outcome.report;
    const std::optional<std::string> fileName = prompts.ask(kFileNamePrompt);
    if (!fileName || fileName->empty()) return outcome;
    report.file_name = *fileName;
    const std::string text = ResultsReport(state, work, outcome.balance, locale).text(diagnostics);
    report.error = writeReportFile(report.file_name, toWindows1253(text));
    report.status = report.error ? ReportOutcome::Status::failed : ReportOutcome::Status::written;
    return outcome;
}

}  // namespace thalmuro
