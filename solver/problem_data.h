// The problem as the main window holds it, and the results store that outlives every Solve.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace thalmuro {

// Risers are numbered 1..N from the seaward end (riser 1 is farthest from the loading shaft);
// sections likewise. Riser k is stored at index k - 1, section s at index s - 1.
inline constexpr int kMaxRisers = 101;
inline constexpr int kSectionRows = 30;

// Gravitational acceleration, m/s^2, and the value used for pi in every formula. The program's
// figures have always been computed with pi = 3.1415; keeping it keeps reports comparable.
inline constexpr double kGravity = 9.807;
inline constexpr double kPi = 3.1415;

// The riser entrance fitting: a sharp-edged or a bell-mouthed riser inlet.
enum class FittingType { Sharp, Bell };

// How the discharge of riser 1 is chosen (the check marks of the menu "Παροχή Υπολογισμού").
enum class FlowMode {
    none,       // no mark: qc = 0.95 Q / N, one pass
    standard,   // paroxi_me_stantar: the same as no mark
    optimised,  // paroxi_beltisti: lower qc in steps of 0.0001 until the risers pass no more than Q
    user,       // paroxi_kathorismeni: qc = x Q / N with x asked from the user
};

// One row of the section table, each cell exactly as typed.
struct SectionRow {
    std::string first_riser;     // textfn
    std::string last_riser;      // textln
    std::string pipe_diameter;   // textdr_thalmuro, D in m
    std::string spacing;         // textdxanipsotiror, riser spacing Δl in m
    std::string elevation_step;  // textdz_anipsotiron, elevation step Δz in m
    std::string riser_diameter;  // textdr_anipsotiron, d in m
};

// What Solve takes from the main window: the texts of the boxes, the fitting and the flow mode.
struct DiffuserInput {
    std::string risers;           // Text1, number of risers N
    std::string sections;         // Text2, number of sections
    std::string drho;             // Text4, relative density difference Δρ/ρ
    std::string total_discharge;  // Text5, Q in m^3/s
    std::string manning;          // Text6, Manning number n
    std::array<SectionRow, kSectionRows> rows{};
    FlowMode flow_mode = FlowMode::none;
    FittingType fitting = FittingType::Sharp;
};

using RiserArray = std::array<double, kMaxRisers>;

// The shared results store. Created with every number zero and never cleared: a value that a
// Solve does not write (a failed step, a riser beyond N, a section beyond the count) keeps what
// an earlier Solve left, and readers use only risers 1..n_risers.
struct DiffuserResults {
    RiserArray specific_energy{};                  // E at riser k, m
    RiserArray cd{};                               // discharge coefficient of riser k
    RiserArray v_diffuser{};                       // pipe velocity just landward of riser k, m/s
    RiserArray v_riser{};                          // velocity in riser k, m/s
    RiserArray froude{};                           // densimetric Froude number of riser k
    std::array<double, kSectionRows> f_section{};  // Darcy friction factor of section s
    RiserArray f_riser{};                          // friction factor of the section holding riser k
    std::int16_t n_risers = 0;                     // N
    std::string drho;                              // Δρ/ρ as the text of Text4 at the last Solve
    double q_total = 0.0;                          // Q, m^3/s
    RiserArray q_riser{};                          // discharge of riser k, m^3/s
    RiserArray q_pipe{};  // index j: pipe flow just landward of riser j + 2, m^3/s
    RiserArray d_pipe{};  // pipe diameter of the section holding riser k, m
};

// The program's shared variables: the results store, the section count, the Manning text and
// the two constants. One instance lives as long as the program; every Solve updates it.
struct SharedState {
    DiffuserResults results;
    std::int16_t tmimata = 0;  // number of sections
    std::string manning;       // Manning number as the text of Text6 at the last Solve
    double g = 0.0;
    double p = 0.0;
};

}  // namespace thalmuro
