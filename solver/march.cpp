#include "march.h"

#include <algorithm>
#include <string>

#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

// Discharge coefficient of a riser inlet, with X the ratio of the pipe's velocity head to the
// specific energy. 0.975 (1 - X)^0.375 cannot be taken for X > 1: the step is skipped.
template <FittingType fitting>
Num cdLaw(Num x) {
    if constexpr (fitting == FittingType::Sharp) {
        return Num(0.63) - Num(0.58) * x;
    } else {
        return Num(0.975) * pow(Num(1.0) - x, 0.375);
    }
}

// Element `index` of a per-riser array, which belongs to riser index + 1.
StepName element(const char* member, long index, StepKind kind = StepKind::riser) {
    return {std::string(member) + "(" + std::to_string(index) + ")", kind,
            static_cast<int>(index + 1)};
}

StepName perRiser(const char* what, long riser, int substitution, StepKind kind) {
    return {std::string(what) + " of riser " + std::to_string(riser) + ", substitution " +
                std::to_string(substitution),
            kind, static_cast<int>(riser)};
}

}  // namespace

void computeSectionFriction(SharedState& state, const SolveWork& work, Diagnostics& diagnostics) {
    DiffuserResults& r = state.results;
    for (long s = 1; s <= state.tmimata; ++s) {
        if (s > kSectionRows) {
            diagnostics.record({"friction factor of " + namedRange("section", "sections",
                                                                   kSectionRows + 1, state.tmimata),
                                StepKind::sections_beyond, 0, kSectionRows + 1},
                               Fault::index_outside);
            return;
        }
        const RowCopy& row = work.rows[static_cast<std::size_t>(s - 1)];
        const Num f = work.manning * work.manning * Num(124.58) / pow(row.pipe_diameter, 0.33333);
        diagnostics.assign(r.f_section[static_cast<std::size_t>(s - 1)], f, [&] {
            return StepName{element("f_section", s - 1).text, StepKind::friction, 0,
                            static_cast<int>(s)};
        });
    }
}

void copySectionsToRisers(SharedState& state, SolveWork& work, Diagnostics& diagnostics) {
    DiffuserResults& r = state.results;
    const auto section = [](long s) {
        return StepName{"copy of section " + std::to_string(s) + " onto its risers",
                        StepKind::section_copy, 0, static_cast<int>(s)};
    };
    walkSections(
        state.tmimata,
        [&](long s) {
            const RowCopy& row = work.rows[static_cast<std::size_t>(s - 1)];
            return std::pair{row.first_riser, row.last_riser};
        },
        [&](long s, Fault fault) { diagnostics.record(section(s), fault); },
        [&](long s) { diagnostics.record(section(s), Fault::index_outside); },
        [&](long s, std::size_t i) {
            const RowCopy& row = work.rows[static_cast<std::size_t>(s - 1)];
            r.f_riser[i] = r.f_section[static_cast<std::size_t>(s - 1)];
            diagnostics.assign(r.d_pipe[i], row.pipe_diameter, [&] {
                StepName name = element("d_pipe", static_cast<long>(i));
                name.section = static_cast<int>(s);
                return name;
            });
            work.spacing[i] = row.spacing;
            work.elevation_step[i] = row.elevation_step;
            work.riser_diameter[i] = row.riser_diameter;
        });
    if (state.tmimata > kSectionRows) {
        diagnostics.record(
            {"copy of " + namedRange("section", "sections", kSectionRows + 1, state.tmimata) +
                 " onto the risers",
             StepKind::sections_beyond, 0, kSectionRows + 1},
            Fault::index_outside);
    }
}

SectionsOfRisers sectionsOfRisers(const DiffuserInput& input, long sections,
                                  const NumberLocale& locale) {
    SectionsOfRisers out;
    walkSections(
        sections,
        [&](long s) {
            const SectionRow& row = input.rows[static_cast<std::size_t>(s - 1)];
            return std::pair{readValue(row.first_riser, locale), readValue(row.last_riser, locale)};
        },
        [](long, Fault) {}, [&](long s) { out.outside[static_cast<std::size_t>(s - 1)] = true; },
        [&](long s, std::size_t i) { out.section[i] = static_cast<int>(s); });
    return out;
}

namespace {

// One pass for one fitting: the Cd law is fixed for the whole pass, so each fitting gets its
// own copy of the march with the law inlined, and so does each rule for X.
template <FittingType fitting, DischargeX dischargeX>
void march(double qcValue, SharedState& state, SolveWork& work, Diagnostics& diagnostics) {
    DiffuserResults& r = state.results;
    const Num g = state.g;
    const Num p = state.p;
    const Num p2 = sq(p);
    const Num qc = qcValue;
    const Num qc2 = sq(qc);

    // Riser 1 always takes its diameters from row 1 of the table.
    const RowCopy& row1 = work.rows[0];
    const Num pipeD1 = row1.pipe_diameter;
    const Num riserD1 = row1.riser_diameter;
    const Num pipeD1Pow4 = pow4(pipeD1);
    const Num riserD1Pow4 = pow4(riserD1);

    // Energy of riser 1: nine substitutions of E = 8 qc^2 / (p^2 d1^4 g Cd^2), the head that
    // drives qc through riser 1, with Cd evaluated at the previous iterate.
    auto& e = work.energy_iterates;
    const Num xNumerator = Num(8.0) * qc2;
    const Num xDenominator1 = p2 * pipeD1Pow4 * g;
    const Num bellDenominator = riserD1Pow4 * p2 * g * Num(0.95062);
    for (int j = 0; j < 9; ++j) {
        const Num x = xNumerator / (xDenominator1 * Num(e[j]));
        const Num next =
            fitting == FittingType::Sharp
                ? qc2 / (sq(Num(0.63) - Num(0.58) * x) * p2 * riserD1Pow4 * g / Num(8.0))
                : xNumerator / (bellDenominator * pow(Num(1.0) - x, 0.75));
        diagnostics.assign(e[static_cast<std::size_t>(j + 1)], next,
                           [&] { return perRiser("energy", 1, j + 1, StepKind::riser); });
    }
    r.specific_energy[0] = e[9];

    const Num energy1 = r.specific_energy[0];
    diagnostics.assign(r.cd[0], cdLaw<fitting>(xNumerator / (xDenominator1 * energy1)),
                       [] { return element("cd", 0); });
    diagnostics.assign(r.v_diffuser[0], Num(4.0) * qc / (p * sq(pipeD1)),
                       [] { return element("v_diffuser", 0); });
    diagnostics.assign(r.v_riser[0], Num(4.0) * qc / (sq(riserD1) * p),
                       [] { return element("v_riser", 0, StepKind::riser_velocity); });
    r.q_riser[0] = qcValue;
    diagnostics.assign(r.froude[0], Num(r.v_riser[0]) / pow(riserD1 * g * work.drho, 0.5),
                       [] { return element("froude", 0, StepKind::froude); });

    copySectionsToRisers(state, work, diagnostics);

    const long n = r.n_risers;
    const long last = std::min<long>(n - 1, kMaxRisers - 1);
    auto& q = work.discharge_iterates;
    for (long i = 1; i <= last; ++i) {
        const auto k = static_cast<std::size_t>(i);
        // The reach from the previous riser to this one loses f Δl V^2 / (2 g D) to friction
        // with the data of the section holding the previous (seaward) riser, and gains the
        // density term Δρ/ρ Δz.
        const Num energy = Num(r.specific_energy[k - 1]) +
                           Num(r.f_riser[k - 1]) * work.spacing[k - 1] *
                               sq(Num(r.v_diffuser[k - 1])) /
                               (Num(2.0) * g * Num(r.d_pipe[k - 1])) +
                           work.drho * work.elevation_step[k - 1];
        diagnostics.assign(r.specific_energy[k], energy,
                           [&] { return element("specific_energy", i); });

        const Num energyI = r.specific_energy[k];
        const Num pipeD = r.d_pipe[k];
        const Num riserD = work.riser_diameter[k];
        const Num xDenominator = pow4(pipeD) * p2 * g * energyI;
        const Num area = sq(riserD) * p / Num(4.0);
        const Num velocityHead = pow(Num(2.0) * g * energyI, 0.5);
        // Discharge of the riser: nine substitutions of q = Cd(X(q)) a (2 g E)^0.5, where the
        // riser's own discharge enters X, or in the classical march the pipe discharge at the
        // riser: the flow of the risers seaward of it with the iterate added.
        const Num seaward = dischargeX == DischargeX::riser ? Num(0.0)
                            : i == 1                        ? Num(r.q_riser[0])
                                                            : Num(r.q_pipe[k - 2]);
        // The iterate is carried in a local as well, so that the next substitution does not
        // wait for it to come back from the array.
        double iterate = q[0];
        for (std::size_t j = 0; j < 9; ++j) {
            const Num flow =
                dischargeX == DischargeX::riser ? Num(iterate) : seaward + Num(iterate);
            const Num x = Num(8.0) * sq(flow) / xDenominator;
            const Num next = cdLaw<fitting>(x) * area * velocityHead;
            iterate =
                diagnostics.assign(q[j + 1], next,
                                   [&] {
                                       return perRiser("discharge", i + 1, static_cast<int>(j) + 1,
                                                       StepKind::riser_discharge);
                                   })
                    ? next.value()
                    : q[j + 1];
        }
        r.q_riser[k] = q[9];

        // Pipe flow just landward of this riser: the discharges of risers 1 to i + 1.
        const Num pipeFlow = i == 1 ? Num(r.q_riser[1]) + Num(r.q_riser[0])
                                    : Num(r.q_riser[k]) + Num(r.q_pipe[k - 2]);
        diagnostics.assign(r.q_pipe[k - 1], pipeFlow, [&] { return element("q_pipe", i - 1); });

        const Num qPipe = r.q_pipe[k - 1];
        diagnostics.assign(r.cd[k], cdLaw<fitting>(Num(8.0) * sq(qPipe) / xDenominator),
                           [&] { return element("cd", i); });
        diagnostics.assign(r.v_diffuser[k], Num(4.0) * qPipe / (sq(pipeD) * p),
                           [&] { return element("v_diffuser", i); });
        diagnostics.assign(r.v_riser[k], Num(4.0) * Num(r.q_riser[k]) / (sq(riserD) * p),
                           [&] { return element("v_riser", i, StepKind::riser_velocity); });
        diagnostics.assign(r.froude[k], Num(r.v_riser[k]) / pow(riserD * g * work.drho, 0.5),
                           [&] { return element("froude", i, StepKind::froude); });
    }
    if (n - 1 > last && last == kMaxRisers - 1) {
        diagnostics.record({"every step of " + namedRange("riser", "risers", kMaxRisers + 1, n),
                            StepKind::risers_beyond, kMaxRisers + 1},
                           Fault::index_outside);
    }
}

}  // namespace

void runPass(double qc, SharedState& state, SolveWork& work, Diagnostics& diagnostics,
             DischargeX dischargeX) {
    // The fitting and the rule for X are examined once per pass.
    const bool sharp = work.fitting == FittingType::Sharp;
    if (dischargeX == DischargeX::riser) {
        if (sharp) {
            march<FittingType::Sharp, DischargeX::riser>(qc, state, work, diagnostics);
        } else {
            march<FittingType::Bell, DischargeX::riser>(qc, state, work, diagnostics);
        }
    } else if (sharp) {
        march<FittingType::Sharp, DischargeX::pipe>(qc, state, work, diagnostics);
    } else {
        march<FittingType::Bell, DischargeX::pipe>(qc, state, work, diagnostics);
    }
}

}  // namespace thalmuro
