// The riser-by-riser march from the seaward end, and Solve's own working storage.
//
// Each riser discharges q = Cd a (2 g E)^0.5 into the sea, with E the specific energy in the
// pipe at the riser and Cd depending on the fitting and on the ratio of the pipe's velocity head
// to E. E grows from one riser to the next by the friction loss of the reach between them and by
// the density term Δρ/ρ Δz. One run of the march is a pass.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "checked.h"
#include "thalmuro/engine.h"

namespace thalmuro {

// Solve's copy of one section row, taken when Solve reads its inputs. Cells that hold a
// quantity are also kept as read by the locale rule (an unreadable cell is a failed Num, so
// every step that uses it is skipped). A row that was never read holds empty cells that read
// as zero.
struct RowCopy {
    SectionRow texts;
    Num first_riser;
    Num last_riser;
    Num pipe_diameter;
    Num spacing;
    Num elevation_step;
    double riser_diameter = 0.0;  // zero when the cell could not be read
};

// Solve's own storage, created empty at every Solve and discarded at its end.
struct SolveWork {
    FittingType fitting = FittingType::Sharp;
    Num drho;     // Δρ/ρ read from the results store's text
    Num manning;  // n read from the shared Manning text
    std::array<RowCopy, kSectionRows> rows{};
    // Per-riser spacing, elevation step and riser diameter, copied from the sections in every
    // pass; a riser named by no section keeps zero.
    std::array<Num, kMaxRisers> spacing{};
    std::array<Num, kMaxRisers> elevation_step{};
    RiserArray riser_diameter{};
    // The successive-substitution iterates of riser 1's energy and of the riser discharges.
    // Slot 0 holds the start value; a failed substitution leaves its slot as it was, which for
    // the discharge iterates may be the value the previous riser left.
    std::array<double, 11> energy_iterates{};
    std::array<double, 11> discharge_iterates{};

    SolveWork() {
        energy_iterates[0] = 0.01;
        discharge_iterates[0] = 0.01;
    }
};

// Calls body(index) for the riser indexes a section names: i runs from start to end in steps
// of 1 as a 64-bit float, and an index with a fraction is rounded half to even (a section typed
// as risers 1,5 to 3,5 names indexes 0, 2 and 2). Only indexes that can lie inside
// the riser arrays are visited one by one; the runs of the loop that can only name indexes
// outside them are skipped as a whole and told to `outside()` once, which keeps a section naming
// riser -1E15 or 1E15 from running for ever while leaving every stored value as the full loop
// would.
template <class Outside, class Body>
void forEachRiserIndex(double start, double end, Outside&& outside, Body&& body) {
    if (start > end) return;
    constexpr double kStuck = -9007199254740992.0;  // -2^53: i + 1 == i from here down
    double i = start;
    if (i < -2.0) {
        outside();
        if (i <= kStuck) return;
        // From a negative start every increment up to zero is exact, so i + k equals k
        // increments of 1.
        const double skip = std::floor(-2.0 - i);
        if (end < i + skip) return;
        i += skip;
    }
    for (; i <= end; i += 1.0) {
        if (i > kMaxRisers - 0.5) {  // every further index rounds to 101 or more
            outside();
            return;
        }
        const long index = static_cast<long>(roundHalfEven(i));
        if (index < 0) {
            outside();
            continue;
        }
        body(static_cast<std::size_t>(index));
    }
}

// The walk that finds the section holding each riser, as the march copies the sections onto the
// risers: sections 1 to `sections` (at most the 30 table rows) in order, each over the riser
// indexes from its first riser to its last, so that a riser named by two sections is held by
// the later one. `bounds(s)` gives the first and last riser of section s as read; a section
// whose bounds cannot be read names no riser and is told to `unreadable(s, fault)`, a riser
// outside the arrays to `outside(s)`. body(s, index) is called for every riser index named.
template <class Bounds, class Unreadable, class Outside, class Body>
void walkSections(long sections, Bounds&& bounds, Unreadable&& unreadable, Outside&& outside,
                  Body&& body) {
    for (long s = 1; s <= std::min<long>(sections, kSectionRows); ++s) {
        const std::pair<Num, Num> firstAndLast = bounds(s);
        const Num start = firstAndLast.first - Num(1.0);
        const Num end = firstAndLast.second - Num(1.0);
        if (!start.ok() || !end.ok()) {
            unreadable(s, start.ok() ? end.fault() : start.fault());
            continue;
        }
        forEachRiserIndex(
            start.value(), end.value(), [&] { outside(s); }, [&](std::size_t i) { body(s, i); });
    }
}

// The section holding each riser in the table as typed, rows 1 to `sections` read by `locale`'s
// rule: what the march copies onto the risers, for the checks and the causes of skipped steps.
struct SectionsOfRisers {
    std::array<int, kMaxRisers> section{};     // by riser index; 0: no section names the riser
    std::array<bool, kSectionRows> outside{};  // by row index: the row names risers outside them
};

SectionsOfRisers sectionsOfRisers(const DiffuserInput& input, long sections,
                                  const NumberLocale& locale);

// Darcy friction factor of every section from Manning's n: f = n^2 124.58 / D^0.33333.
void computeSectionFriction(SharedState& state, const SolveWork& work, Diagnostics& diagnostics);

// Copies each section's friction factor, pipe diameter, spacing, elevation step and riser
// diameter onto the risers it holds; a riser named by two sections takes the later one.
void copySectionsToRisers(SharedState& state, SolveWork& work, Diagnostics& diagnostics);

// Reads the general inputs and rows 1 to the section count into the shared variables and
// Solve's own storage, in the order the main window has always been read.
void gather(const DiffuserInput& input, SharedState& state, SolveWork& work,
            const NumberLocale& locale, Diagnostics& diagnostics);

// The discharge the nine substitutions that fix a riser's discharge form X = 8 q^2 /
// (p^2 D^4 g E) from.
enum class DischargeX {
    riser,  // the riser's own discharge: the program's march
    pipe,   // the pipe discharge at the riser, the risers seaward of it plus its own: the
            // classical port-flow method, which the cross-check marches
};

// One pass of the march with riser 1 discharging qc, m^3/s.
void runPass(double qc, SharedState& state, SolveWork& work, Diagnostics& diagnostics,
             DischargeX dischargeX = DischargeX::riser);

}  // namespace thalmuro
