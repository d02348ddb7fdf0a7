// The engine's public interface: the problem as typed, the results store, the number rules,
// Solve, the report and its safe writer, problem files, the loading-shaft head, the hydraulic
// profile, the design checks, the operating conditions and the riser sizing. The windows, the
// command-line runner, the tests, the benchmarks and the fuzz targets include this header and
// nothing else of the engine; the march, the flow modes and the report's layout are the
// library's own.
//
// The engine runs one way: the host gathers everything first (the typed texts and, in the user
// flow mode, the answer to the ratio question), Solve computes and returns the results, the
// report and the steps it skipped, and the host then decides where the report goes. The only
// call back into the host is progress and stop during a long balancing.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <variant>
#include <vector>

namespace thalmuro {

// ---- Sizes and constants ---------------------------------------------------------------------

// Risers are numbered 1..N from the seaward end (riser 1 is farthest from the loading shaft);
// sections likewise. Riser k is stored at index k - 1, section s at index s - 1.
inline constexpr int kMaxRisers = 101;
inline constexpr int kSectionRows = 30;

// Gravitational acceleration, m/s^2, and the value used for pi in every formula. The program's
// figures have always been computed with pi = 3.1415; keeping it keeps reports comparable.
inline constexpr double kGravity = 9.807;
inline constexpr double kPi = 3.1415;

// ---- Number rules ----------------------------------------------------------------------------
//
// How the program reads typed numbers and writes numbers as text. Every rule is a pure function
// of its arguments: the regional decimal separator and digit-grouping character are passed in as
// a NumberLocale and the C library's locale is never consulted, so the results do not change
// when a GUI toolkit switches the process to a Greek locale with a decimal comma.

// The two regional characters that reading and writing numbers depend on. Both are UTF-8 text so
// that separators outside ASCII (a no-break space as grouping, say) work as well.
struct NumberLocale {
    std::string decimal_separator;
    std::string grouping;

    static NumberLocale greek() { return {",", "."}; }
    static NumberLocale english() { return {".", ","}; }
};

// The leading number of a text, for the counts of risers and sections: blanks, tabs and line
// feeds anywhere are ignored, "." is always the decimal point, an optional sign and an exponent
// ("E" or "D" followed by digits) are accepted, and reading stops at the first character that
// cannot continue the number. An empty or non-numeric text reads 0. Returns nothing when the
// number is too large for a 64-bit float.
std::optional<double> leadingNumber(std::string_view text);

// The leading number rounded to the nearest integer (halves to the even neighbour) as a signed
// 16-bit count; nothing when that integer lies outside -32768..32767 or the text overflows.
std::optional<std::int16_t> leadingCount(std::string_view text);

// Rounds to the nearest integer, halves to the even neighbour (14.5 -> 14, 15.5 -> 16),
// whatever the floating-point rounding mode.
inline double roundHalfEven(double value) {
    // From 2^52 on every double is an integer; NaN and the infinities stay as they are.
    if (!(std::fabs(value) < 4503599627370496.0)) {
        return value;
    }
    // trunc and the subtraction are exact and do not depend on the rounding mode.
    const double whole = std::trunc(value);
    const double part = std::fabs(value - whole);
    const double step = std::signbit(value) ? -1.0 : 1.0;
    // Below 2^52 the integer part fits a 64-bit integer, whose last bit tells odd from even.
    const bool odd = (static_cast<long long>(whole) & 1) != 0;
    if (part > 0.5 || (part == 0.5 && odd)) {
        return whole + step;
    }
    return whole;
}

// Reads a whole text as a number written in the regional format: blanks around it, an optional
// sign, digits with the grouping character allowed (and ignored) between them, the decimal
// separator, an optional exponent. Nothing when the text is empty, is not such a number, or is
// too large for a 64-bit float. This is how every box that holds a quantity is read.
std::optional<double> readLocaleNumber(std::string_view text, const NumberLocale& locale);

// The general number format: 15 significant digits, no grouping, trailing zeros dropped, a 0
// before the separator below 1, exponent form (1E-05, 1,5E+15) below 1E-4 or from 1E15 on.
std::string formatGeneral(double value, const NumberLocale& locale);

// Formats with a pattern of "0" digit placeholders, one "." standing for the decimal separator
// and literal characters copied as they stand ("0.00001" gives four decimals followed by a 1).
// The value is rounded half away from zero to as many decimals as there are "0"s after the ".".
std::string formatPattern(double value, std::string_view pattern, const NumberLocale& locale);

// A count written as plain decimal digits.
std::string formatCount(long value);

// ---- Faults ----------------------------------------------------------------------------------

// Why a step could not be carried out. When several apply, the first in this order is told:
// a missing input explains the arithmetic fault it causes.
enum class Fault : std::uint8_t {
    none,
    unreadable_text,  // a text the number rule cannot read
    index_outside,    // a riser or section beyond the stored arrays
    division_by_zero,
    negative_fractional_power,  // e.g. (1 - X)^0.375 with X > 1
    overflow,                   // a result too large for a 64-bit float
    below_precision,            // a change too small to alter a value that large
};

// A computed value, or the fault met while computing it. A value that overflowed on the way is
// infinite or not a number and counts as an overflow.
class Num {
  public:
    constexpr Num(double value = 0.0) : value_(value) {}
    constexpr Num(double value, unsigned faults)
        : value_(value), faults_(static_cast<std::uint8_t>(faults)) {}
    static constexpr Num failed(Fault fault) { return Num(0.0, bit(fault)); }

    bool ok() const { return faults_ == 0 && std::isfinite(value_); }
    // The first fault met, in the order of Fault: the lowest bit set.
    Fault fault() const {
        for (unsigned f = 0; f < 8; ++f) {
            if ((faults_ >> f) & 1u) return static_cast<Fault>(f);
        }
        return std::isfinite(value_) ? Fault::none : Fault::overflow;
    }
    // Only meaningful when ok().
    constexpr double value() const { return value_; }

    static constexpr unsigned bit(Fault fault) { return 1u << static_cast<unsigned>(fault); }
    constexpr unsigned faults() const { return faults_; }

  private:
    double value_ = 0.0;
    std::uint8_t faults_ = 0;
};

// What a skipped step computes, so that it can be traced back to the box that caused it.
enum class StepKind : std::uint8_t {
    other,
    risers_count,         // N from Text1
    sections_count,       // the number of sections from Text2
    total_discharge,      // Q from Text5
    ratio,                // x of the user flow mode
    first_discharge,      // qc, the discharge of riser 1
    balancing,            // lowering qc by 0.0001 in the optimised flow mode
    riser_diameter_cell,  // the riser diameter of a section row
    friction,             // the friction factor of a section
    section_copy,         // a section's data copied onto the risers it names
    sections_beyond,      // any step of the computation for the sections beyond the 30 rows
    riser,                // a step of the march at a riser (energy, cd, velocities)
    riser_discharge,      // a substitution that fixes the discharge of riser 2 or later
    riser_velocity,       // the velocity in a riser
    froude,               // the densimetric Froude number of a riser
    risers_beyond,        // any step of the computation for the risers beyond 101
    discharge_sum,        // adding a riser's discharge to qcalc
    report_line,          // a line of the report; those of the risers beyond 101 (of the
                          // sections beyond 30) are one step whose `riser` is 102 (`section` 31)
};

// One skipped step: which step, why, and how many times it was skipped (the same step is
// usually skipped in every pass of the balancing). `step` names it as the engine does (array
// elements from 0); `kind`, `riser` and `section` say what it computes in the user's terms.
struct Skip {
    std::string step;
    Fault cause;
    long count;
    StepKind kind = StepKind::other;
    int riser = 0;    // the riser it belongs to, numbered from 1 (the first of a range); 0: none
    int section = 0;  // the section or table row, numbered from 1 (the first of a range); 0: none
};

// How many steps were skipped, each repeat counted: the sum of the skips' counts, which is the
// number the causes of explainSkipped add up to and the figure of the skipped_steps check.
long skippedStepCount(const std::vector<Skip>& skipped);

// ---- The problem -----------------------------------------------------------------------------

// The riser entrance fitting: a sharp-edged or a bell-mouthed riser inlet.
enum class FittingType { Sharp, Bell };

// How the discharge of riser 1 is chosen (the check marks of the menu "Παροχή Υπολογισμού").
enum class FlowMode {
    none,       // no mark: qc = 0.95 Q / N, one pass
    standard,   // paroxi_me_stantar: the same as no mark
    optimised,  // paroxi_beltisti: lower qc in steps of 0.0001 until the risers pass no more than Q
    user,       // paroxi_kathorismeni: qc = x Q / N with x given by the user
};

// The names under which problem files and reports write fittings ("Sharp", "Bell") and flow
// modes ("none", "standard", "optimised", "user"), and the way back.
std::string_view nameOf(FittingType fitting);
std::string_view nameOf(FlowMode mode);
std::optional<FittingType> fittingNamed(std::string_view name);
std::optional<FlowMode> flowModeNamed(std::string_view name);

// One row of the section table, each cell exactly as typed.
struct SectionRow {
    std::string first_riser;     // textfn
    std::string last_riser;      // textln
    std::string pipe_diameter;   // textdr_thalmuro, D in m
    std::string spacing;         // textdxanipsotiror, riser spacing Δl in m
    std::string elevation_step;  // textdz_anipsotiron, elevation step Δz in m
    std::string riser_diameter;  // textdr_anipsotiron, d in m
};

// The cells of a row in the order of the table's columns.
inline constexpr std::array<std::string SectionRow::*, 6> kRowCells{
    &SectionRow::first_riser, &SectionRow::last_riser,     &SectionRow::pipe_diameter,
    &SectionRow::spacing,     &SectionRow::elevation_step, &SectionRow::riser_diameter,
};

// Who and what a design is for, as the engineer wrote it: the project's title, the engineer,
// the client and free notes (any text, line feeds included). Solve and the report do not read
// them; problem files keep them with the design.
struct ProjectDetails {
    std::string title;
    std::string engineer;
    std::string client;
    std::string notes;
};

// The texts of the details in the order of the problem file's keys.
inline constexpr std::array<std::string ProjectDetails::*, 4> kProjectDetailTexts{
    &ProjectDetails::title,
    &ProjectDetails::engineer,
    &ProjectDetails::client,
    &ProjectDetails::notes,
};

bool operator==(const ProjectDetails& a, const ProjectDetails& b);
inline bool operator!=(const ProjectDetails& a, const ProjectDetails& b) {
    return !(a == b);
}

// Everything Solve takes: the texts of the boxes, the fitting, the flow mode and, in the user
// flow mode, the answer to the ratio question; and the project's details, which it does not.
struct DiffuserInput {
    std::string risers;           // Text1, number of risers N
    std::string sections;         // Text2, number of sections
    std::string drho;             // Text4, relative density difference Δρ/ρ
    std::string total_discharge;  // Text5, Q in m^3/s
    std::string manning;          // Text6, Manning number n
    std::array<SectionRow, kSectionRows> rows{};
    FlowMode flow_mode = FlowMode::none;
    FittingType fitting = FittingType::Sharp;
    // The ratio x of qc = x Q / N as typed at the question of the user flow mode; nothing when
    // the question was cancelled. Cancel, an empty or an unreadable answer give x = 0. Other
    // flow modes do not read it.
    std::optional<std::string> ratio;
    // The decimal separator ("," or ".") of the regional format the texts were typed in, when
    // known: a problem file records it so that another program or another system reads the
    // numbers as they were meant. Solve does not read it; the host picks the NumberLocale.
    std::optional<std::string> decimal_separator;
    ProjectDetails details;
};

bool operator==(const SectionRow& a, const SectionRow& b);
bool operator==(const DiffuserInput& a, const DiffuserInput& b);
inline bool operator!=(const SectionRow& a, const SectionRow& b) {
    return !(a == b);
}
inline bool operator!=(const DiffuserInput& a, const DiffuserInput& b) {
    return !(a == b);
}

// The worked example: 14 risers in 5 sections, the numbers written in `locale`'s general format
// (0,0307 with a decimal comma) and the counts as plain digits. Sharp fitting, no flow mark.
DiffuserInput workedExample(const NumberLocale& locale);

// ---- Numbers that read as something else than meant --------------------------------------------
//
// The reading rule of the boxes stays as it is: in a regional format whose grouping character is
// "." (Greek), "0.105" reads 105, and in one whose grouping is "," (English), "0,2" reads 2. The
// program cannot tell from the value alone that this was not meant, but it can tell when the
// grouping character does not stand where a thousands grouping would, and when a value lies far
// outside what the quantity takes in a sea outfall. These findings let the hosts ask before a
// Solve (the windows) or warn (the runner); they change nothing that Solve reads.

// The quantities of the boxes and of the section table's columns.
enum class InputQuantity : std::uint8_t {
    risers,           // Text1, N
    sections,         // Text2
    drho,             // Text4, Δρ/ρ
    total_discharge,  // Text5, Q
    manning,          // Text6, n
    first_riser,      // column textfn
    last_riser,       // column textln
    pipe_diameter,    // column textdr_thalmuro, D
    spacing,          // column textdxanipsotiror, Δl
    elevation_step,   // column textdz_anipsotiron, Δz
    riser_diameter,   // column textdr_anipsotiron, d
};

inline constexpr std::size_t kInputQuantityCount = 11;

// The quantity of the section table's column `column` (0..5, in the order of kRowCells).
inline constexpr InputQuantity columnQuantity(std::size_t column) {
    return static_cast<InputQuantity>(static_cast<std::size_t>(InputQuantity::first_riser) +
                                      column);
}

// The values a quantity plausibly takes in the design of a sea-outfall diffuser, with its unit.
// A value outside [lower, upper] is not refused: it is told, since it is far more often a slip
// of typing than a design. The hosts' catalogues name the quantity and say why the bounds stand
// where they do.
struct PlausibleRange {
    InputQuantity quantity;
    std::string_view name;  // "total_discharge", the key of the runner's JSON
    double lower;
    double upper;
    std::string_view unit;  // "m^3/s", "m", "-" for a pure number or a count
};

// One row per quantity, in the order of InputQuantity.
const std::array<PlausibleRange, kInputQuantityCount>& plausibleRanges();

inline const PlausibleRange& plausibleRange(InputQuantity quantity) {
    return plausibleRanges()[static_cast<std::size_t>(quantity)];
}

enum class NumberFindingKind : std::uint8_t {
    // The text reads with its grouping character where no thousands grouping stands: a group of
    // other than three digits after the first, a first group of more than three digits or one
    // that begins with 0 ("0.105", "1.5" and "12.34" with the grouping "."; "0,2" with ",").
    // "1.234" and "1.234,5" with the grouping "." are real groupings and no slip.
    grouping_slip,
    // The value read lies outside the plausible range of its quantity.
    implausible,
};

// One box or cell whose number may not be the one meant. A text that is a grouping slip gives
// that finding alone, whether or not its value also lies outside the range.
struct NumberFinding {
    NumberFindingKind kind;
    InputQuantity quantity;
    int row = 0;       // the section table's row, numbered from 1; 0 for a general box
    std::string text;  // as typed
    double value = 0;  // what the program reads (a count: the whole number it takes)
    // The value the text reads with the decimal separator and the grouping character exchanged
    // ("0.105" read with a decimal point): for a grouping slip whenever that reading exists, for
    // an implausible value only when that reading exists and lies within the range. Never for the
    // counts of risers and sections, which are read with "." as the decimal point whatever the
    // format.
    std::optional<double> alternative;
};

// The findings of the texts that Solve reads under `locale`: the five general boxes, then rows
// 1..S of the section table (S the number of sections as Solve reads it, at most 30), row by
// row in the order of the columns. Blank texts and texts that cannot be read as numbers give no
// finding (Solve tells of them as skipped steps).
std::vector<NumberFinding> findNumberSlips(const DiffuserInput& input, const NumberLocale& locale);

// The regional format in which a problem typed without a record of its format was evidently
// meant, when it is the other one of `user`'s (decimal point for a decimal comma and the other
// way round): every number of the problem reads without findings and readable in that format,
// while in `user`'s some give findings or cannot be read at all. Nothing otherwise, and nothing
// for a problem that records its format.
std::optional<NumberLocale> meantNumberLocale(const DiffuserInput& input, const NumberLocale& user);

// ---- The results store -----------------------------------------------------------------------

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

// Reads the number of sections from the text of its box into `state.tmimata`, as Solve and the
// table's fill aids do: the leading count, halves to even. A count outside the 16-bit range is
// not stored (tmimata keeps its value) and nothing is returned.
std::optional<std::int16_t> readSectionCount(std::string_view text, SharedState& state);

// The texts of the results table's header line, with their units, in the host's language: the
// wording library gives them (resultsCsvHeader in thalmuro/wording.h).
struct ResultsCsvHeader {
    std::string riser;
    std::string specific_energy;
    std::string cd;
    std::string pipe_velocity;
    std::string riser_velocity;
    std::string discharge;
    std::string froude;
};

// The per-riser results of the store as the content of a CSV file, for spreadsheet programs: the
// header line of `header` (riser, E, Cd, pipe velocity, riser velocity, discharge, Froude), then
// one line for each riser 1..N (none when N lies outside 1..101). A value is written in the
// shortest form that reads back as the same double, with `locale`'s decimal separator, no
// grouping and "E" before an exponent; a value that is not finite leaves its field empty. Fields
// are separated by ";" where the decimal separator is "," (as spreadsheets of such regions
// expect) and by "," otherwise. UTF-8 after a byte-order mark, without which spreadsheet programs
// read the file in the system's code page and garble "³"; line ends CR LF.
std::string resultsCsv(const DiffuserResults& results, const NumberLocale& locale,
                       const ResultsCsvHeader& header);

// ---- Solve -----------------------------------------------------------------------------------

// What a host may see of a long balancing, and how it stops one. Called after every pass of the
// optimised flow mode that would be followed by another.
class BalancingProgress {
  public:
    virtual ~BalancingProgress() = default;
    // False stops the balancing; the results are then those of the pass just run.
    virtual bool keepBalancing(long passesRun) = 0;
};

// The outcome of the balancing: the final qc, the discharge sum of the last pass, and how many
// passes ran.
struct Balance {
    double qc = 0.0;
    double qcalc = 0.0;
    long passes = 0;
    bool stopped_by_host = false;
};

// The results report: a plain-text account of a Solve with CR LF line ends, as UTF-8 and as the
// bytes of the report file (Greek code page Windows-1253, "?" for a character it lacks). The
// bytes are missing when the C library has no Windows-1253 converter.
struct Report {
    std::string text;
    std::optional<std::string> bytes;
    // The same report worded in English, UTF-8 with CR LF line ends: the same lines, with the
    // same numbers and typed texts, for the English windows to show, print and save. It never
    // goes to the report file.
    std::string english_text;
};

struct SolveOutcome {
    Balance balance;
    Report report;
    // Every step that was skipped, with its cause. Solve itself never stops on them.
    std::vector<Skip> skipped;
};

// Runs one whole Solve on `state`, the program's shared variables: every value that a step
// cannot compute keeps what it held. `progress` (optional) follows a long balancing and may
// stop it.
SolveOutcome Solve(const DiffuserInput& input, SharedState& state, const NumberLocale& locale,
                   BalancingProgress* progress = nullptr);

// ---- Design checks ---------------------------------------------------------------------------
//
// Checks of a solved design against the rules of outfall design: they only read the problem as
// typed, the results store and the outcome of the Solve that filled it, and change nothing.
// A check of the computed figures cannot be judged when N lies outside 1..101 or when the Solve
// skipped a step of the computation (a skipped step leaves an earlier Solve's value in the store,
// which later steps may have used); its values are then empty, except that the Froude numbers
// are then estimated without the march (see CheckResult). Skipped report lines do not count.

// The self-cleansing pipe velocity of common sewer design practice, m/s: the default of the
// pipe_velocity check.
inline constexpr double kDefaultSelfCleansingVelocity = 0.6;

// What the user may set for the checks.
struct CheckSettings {
    double min_pipe_velocity = kDefaultSelfCleansingVelocity;  // self-cleansing velocity, m/s
};

enum class Verdict {
    holds,
    warning,
    not_judged,  // the values the check needs could not be computed
};

inline constexpr std::size_t kVerdictCount = 3;

// "holds", "warning", "not_judged".
std::string_view nameOf(Verdict verdict);

// What a verdict rests on: the figures of the march, or an estimate that needs no march.
enum class VerdictBasis {
    march,
    estimate,
};

// "march", "estimate".
std::string_view nameOf(VerdictBasis basis);

// Risers whose discharge the march could not compute. The march fixes the discharge of each
// riser from 2 on by substitutions of q = Cd(X) a (2 g E)^0.5, started from a trial discharge,
// with X = 8 q^2 / (p^2 D^4 g E) the pipe velocity head of q over the specific energy E at the
// riser. A substitution cannot be taken where the bell-mouth's Cd = 0.975 (1 - X)^0.375 meets
// X > 1 (at low flow E is so small that the pipe velocity head of the trial discharge exceeds
// it), or where E is negative; the riser then keeps an earlier value. The figures are those of
// the first riser concerned.
struct DischargeFailure {
    enum class Kind {
        velocity_head_above_energy,  // X > 1 under the bell-mouth law
        negative_energy,             // E < 0
    };
    Kind kind = Kind::velocity_head_above_energy;
    FittingType fitting = FittingType::Bell;
    std::vector<int> risers;       // the risers concerned, numbered from 1
    double specific_energy = 0.0;  // E at the first of them, m
    double pipe_diameter = 0.0;    // D of the section holding it, m
    // The discharge X is formed from in the first substitution at the first riser, m^3/s: the
    // trial discharge the substitutions start from (in the classical march of the cross-check,
    // with the pipe flow seaward of the riser added), and its X, more than 1 for
    // velocity_head_above_energy.
    double trial_discharge = 0.0;
    double x = 0.0;
    double share = 0.0;  // each riser's share Q/N of the total discharge, m^3/s
};

// ---- Messages ----------------------------------------------------------------------------------
//
// What the engine has to tell the user, a failure or a finding, is data: a kind and the figures,
// places and texts it names. The hosts word it in the user's language through the wording
// library (wording/include/thalmuro/wording.h), one catalogue per language; the engine itself
// words nothing for the user.

enum class MessageKind : std::uint8_t {
    // Why a design check cannot be judged.
    risers_outside_range,          // `count`, the number of risers, lies outside 1..101
    discharge_not_computed,        // `discharge_failure` tells which risers and why
    solve_skipped_steps,           // a step of the computation was skipped
    q_not_positive,                // Q is zero or negative
    riser_discharge_not_positive,  // a riser passes no flow
    riser_without_section,         // no section holds `riser`
    diameter_unreadable,           // a riser or pipe diameter cannot be read
    no_sections,                   // the number of sections is below 1
    section_without_riser,         // `section` holds no riser
    qcalc_zero,                    // the risers pass nothing in all
    reach_unreadable,              // the spacing or elevation step of a reach cannot be read

    // Why a problem file or text cannot be read: `file` names the file (empty for a text).
    file_cannot_open,    // `detail`: the system's reason
    file_cannot_read,    // `detail`: the system's reason
    file_too_large,      // `count`: the largest size read, KiB
    invalid_utf8,        // at `line`, `column` (in bytes, from 1)
    nul_byte,            // at `line`, `column`
    invalid_json,        // `detail`: the JSON parser's words, from " at line ..." on
    not_an_object,       // the document is `found`
    unknown_key,         // `text`: the key ("project.KEY" for a key inside "project")
    repeated_key,        // `text`: the key, named as for unknown_key
    too_many_rows,       // `count`: the most rows a problem has
    rows_not_an_array,   // the value of "rows" is `found`
    row_not_an_array,    // `row` is `found`
    cell_not_a_string,   // `row`, `cell` is `found`
    too_many_cells,      // `row` has more than `count` cells
    value_not_a_string,  // the value of `key` is `found` (null is allowed for "ratio")
    key_not_an_object,   // the value of `key` ("project") is `found`
    unknown_name,        // `key` ("fitting", "flow_mode", "decimal_separator") is `text`
    out_of_memory,       // reading the problem ran out of memory
    reading_failed,      // `detail`: what stopped the reader

    // Why steps of a Solve were skipped, after the box, row or computation the cause names
    // (SkippedCause): "is empty", "cannot be read".
    count_unreadable,           // the box is not a count from -32768 to 32767
    risers_not_positive,        // N is zero or negative
    no_row_names_a_riser,       // no row of the section table names a riser
    risers_named_up_to,         // the section table names risers 1..`count` only
    risers_beyond_computed,     // N = `count` > 101: risers 102..N are not computed
    riser_1_without_discharge,  // the box leaves riser 1 without a discharge
    rows_empty,                 // the section table's rows `numbers` are empty
    sections_beyond_table,      // `count` > 30 sections: sections 31..count are not read
    box_empty,                  // the box is empty
    box_unreadable,             // the box cannot be read
    box_zero,                   // the box is zero
    box_negative,               // the box is negative
    box_unusable,               // the box reads but its value cannot be used
    q_too_large_to_balance,     // lowering qc by 0.0001 m^3/s no longer changes Q's sums
    manning_too_large,          // the Manning number is too large
    question_cancelled,         // the question for the ratio x was cancelled
    row_empty,                  // the row is empty
    cell_empty,                 // `cell` (1..6, the columns of kRowCells) of `row` is empty
    cell_unreadable,            // `cell` of `row`, `text` as typed, cannot be read
    cell_zero,                  // `cell` of `row`, `text`, is zero
    cell_negative,              // `cell` of `row`, `text`, is negative
    row_outside_risers,         // the row names risers outside 1..101
    row_not_computed,           // the row's figures could not be computed
    risers_not_named,           // no row names the risers `numbers` (N = `count` in Text1)
    arithmetic_fault,           // the march met `fault`
    // What follows from the reason before it: "so ...".
    x_taken_as_zero,            // so the ratio x is taken as 0
    riser_1_gets_no_discharge,  // so riser 1 gets no discharge
    leaves_risers_unnamed,      // so no row names the risers `numbers`
    // What kept the value of an earlier Solve.
    kept_risers_count,         // the number of risers
    kept_sections_count,       // the number of sections
    kept_q,                    // Q
    kept_qc,                   // qc
    kept_friction,             // the friction factor of the sections `numbers`
    kept_froude,               // the Froude number of the risers `numbers`
    kept_velocity_and_froude,  // the riser velocity and Froude number of the risers `numbers`
    kept_figures,              // the figures of the risers `numbers`

    // Why a march of the cross-check could not be balanced.
    drho_unreadable,               // Δρ/ρ cannot be read
    manning_unreadable,            // the Manning number cannot be read
    steps_skipped,                 // steps were skipped (MarchSummary::skipped_cause says why)
    no_qc_passes_q,                // even at qc = Q the risers pass only `discharge`
    risers_pass_more_than_q,       // the risers pass `discharge` > Q even at `qc`
    sum_jumps_across_q,            // the discharge sum jumps across Q at `qc`
    sum_not_monotone,              // the discharge sum does not grow with qc
    marches_spent,                 // not balanced within `count` marches
    discharge_not_computed_at_qc,  // at `qc`, `discharge_failure`
    steps_skipped_at_qc,           // at `qc`, steps were skipped (skipped_cause says why)
    discharges_overflow,           // the risers' discharges overflow at `qc`
    // What is wrong with a list of operating conditions: `key` names its quantity ("Q", "drho"),
    // `text` an item as typed.
    conditions_empty,                 // the list holds no condition
    conditions_too_many,              // it holds more than kMaxConditions
    condition_q_not_positive,         // condition `row`'s Q is zero, negative or not finite
    condition_drho_not_positive,      // the same for its Δρ/ρ
    condition_part_empty,             // part `count` of the list is empty
    condition_part_unknown,           // `text` is neither Q=... nor drho=...
    condition_part_repeated,          // `key`= is given twice
    condition_item_empty,             // item `count` of `key` is empty
    condition_own_unreadable,         // no `key`= part and the problem's own cannot be read
    condition_defaults_not_positive,  // no `key`= part and multiples of `value` are not all > 0
    condition_item_unreadable,        // `text` is not a number, a multiple or a range
    condition_count_not_whole,        // the count after "/" in `text` is not a whole number
    condition_count_below_two,        // the range `text` has a count below 2
    condition_values_too_many,        // `text` brings more than kMaxConditions values of `key`
    condition_multiple_unreadable,    // `text` is a multiple of the problem's unreadable `key`
    condition_value_not_positive,     // `text` gives `value`, which is not positive
    conditions_product_too_many,      // `numbers` {Q's values, drho's} give `count` conditions
};

// How many kinds there are: the last kind above plus one.
inline constexpr std::size_t kMessageKindCount =
    static_cast<std::size_t>(MessageKind::conditions_product_too_many) + 1;

// What a JSON value is, for the messages of problem files.
enum class JsonValue : std::uint8_t { null, boolean, number, string, object, array, binary };

// One message: its kind and what it names. A parameter that the kind does not name is left at
// its default.
struct Message {
    MessageKind kind = MessageKind::solve_skipped_steps;
    long count = 0;
    int riser = 0;    // numbered from 1
    int section = 0;  // numbered from 1
    std::optional<DischargeFailure> discharge_failure;
    std::string file;    // a file name as given
    std::string key;     // a key of a problem file
    std::string text;    // a text of the user's, whole (the wording shortens it)
    std::string detail;  // words of the system or of a library, passed on as they are
    long line = 0;       // a place in a text, numbered from 1
    long column = 0;
    int row = 0;  // a row and a cell of the section table, numbered from 1
    int cell = 0;
    JsonValue found = JsonValue::null;
    std::vector<int> numbers;  // risers, sections or rows, ascending, numbered from 1
    Fault fault = Fault::none;
    double qc = 0.0;         // a discharge of riser 1, m^3/s
    double discharge = 0.0;  // the risers' discharges added up, m^3/s
    double value = 0.0;      // a value typed or computed
};

// ---- The checks --------------------------------------------------------------------------------

// The checks, in the order checkDesign returns them.
enum class CheckId : std::uint8_t {
    froude_min,
    froude_max,
    uniformity,
    riser_area,
    pipe_velocity,
    balance_error,
    landward_head,
    skipped_steps,
};

inline constexpr std::size_t kCheckCount = 8;

// "froude_min", "uniformity", ...: the check's key in the runner's output and the table of
// conditions.
std::string_view nameOf(CheckId check);

// One row of the table of checks: the check, its key, the bounds it holds the values to (none
// for an informative check) and their unit. The pipe velocity's lower bound is the default of
// CheckSettings. Titles, rules and sources are worded by the hosts' catalogues.
struct ThresholdInfo {
    CheckId id;
    std::string_view name;  // nameOf(id)
    std::optional<double> lower;
    std::optional<double> upper;
    std::string_view unit;
};

// The table of checks, in the order of CheckId.
const std::array<ThresholdInfo, kCheckCount>& checkThresholds();

inline const ThresholdInfo& thresholdOf(CheckId check) {
    return checkThresholds()[static_cast<std::size_t>(check)];
}

// What a cause of skipped steps names first: a box, with the text typed in it; a row of the
// section table; the table as a whole; or the computation itself.
enum class CauseSubject : std::uint8_t {
    risers_box,           // Text1
    sections_box,         // Text2
    drho_box,             // Text4
    total_discharge_box,  // Text5
    manning_box,          // Text6
    ratio_box,            // the ratio x of the user flow mode
    ratio_question,       // the question for x, cancelled
    section_row,          // `row` of the section table
    section_table,
    computation,  // the march, at `march_risers` (none: the computation as a whole)
};

// One cause of skipped steps: what the user can mend, why, what kept the value of an earlier
// Solve, the rows and risers it names and how many skipped steps it explains (see
// explainSkipped). The hosts word it on one line (wording.h: wordSkippedCause).
struct SkippedCause {
    CauseSubject subject = CauseSubject::computation;
    std::string typed;              // the box's text as typed, for a box
    int row = 0;                    // section_row: the row, numbered from 1
    std::vector<int> march_risers;  // computation: the risers where the march failed
    std::vector<Message> reasons;   // why, in order
    std::vector<Message> kept;      // the values an earlier Solve left, in order
    long report_lines = 0;          // how many report lines were left out
    int lines_risers_to = 0;        // N when those lines include those of risers 102..N, else 0
    int lines_sections_to = 0;      // the same for sections 31..S
    std::vector<int> rows;          // section rows concerned, numbered from 1
    std::vector<int> risers;        // risers concerned, numbered from 1
    long steps = 0;                 // how many skipped steps (counting repeats) this cause explains
};

// The figures of a judged check, by name; each check fills those of its own.
struct CheckFigures {
    // froude_min, froude_max: the densimetric Froude number of risers 1..N, and each riser's
    // share Q/N (m^3/s) when they are estimated without the march.
    std::vector<double> froude;
    double share = 0.0;
    // uniformity: Q/N, the band Q/N - 10 % to Q/N + 10 %, the largest and the smallest riser
    // discharge (m^3/s) and their ratio.
    double mean = 0.0;
    double band_lower = 0.0;
    double band_upper = 0.0;
    double q_largest = 0.0;
    double q_smallest = 0.0;
    double q_ratio = 0.0;
    // riser_area: the risers' total area, the pipe's area at riser N (m^2) and their ratio.
    double risers_area = 0.0;
    double pipe_area = 0.0;
    double area_ratio = 0.0;
    // riser_area, landward_head: N, the landward riser.
    int landward_riser = 0;
    // pipe_velocity: the largest pipe velocity of each section 1..S and the self-cleansing
    // velocity they are held to (m/s).
    std::vector<double> section_velocity;
    double min_velocity = 0.0;
    // balance_error: Qcalc, Q (m^3/s) and e = (Qcalc - Q) / Qcalc in %, with its sign (the
    // report prints it rounded and without it).
    double qcalc = 0.0;
    double q = 0.0;
    double e = 0.0;
    // landward_head: E of riser 1, the friction losses, the density terms and E of riser N (m).
    double head_seaward = 0.0;
    double friction_losses = 0.0;
    double density_terms = 0.0;
    double head_landward = 0.0;
    // skipped_steps: the number of skipped steps, each repeat counted (skippedStepCount), and
    // their causes (explainSkipped).
    long skipped_steps = 0;
    std::vector<SkippedCause> causes;
};

// The outcome of one check. `figures` are its figures (none when it could not be judged);
// `risers` the risers concerned, numbered from 1; `sections` the sections concerned, numbered
// from 1: the Froude numbers' risers below 1 (above 10), the uniformity's risers outside the
// band, the pipe velocity's sections below the minimum, the rows and risers that the causes of
// skipped steps name.
//
// When the march could not compute the discharges (a skipped step), the densimetric Froude
// numbers are estimated instead, without the march: each riser passes its share Q/N through its
// riser diameter d, v = 4 (Q/N) / (p d^2) and F = v / (d g Δρ/ρ)^0.5 as the march defines it.
// Such a result's basis is `estimate`, its figures the estimates of risers 1..N and its verdict
// follows the same bounds. Risers that pass Q in all cannot all pass more than Q/N (nor all
// less), so a Froude number estimated below 1 at every riser of one diameter means a riser
// below 1, and one above 10 at every riser a riser above 10.
struct CheckResult {
    CheckId id = CheckId::froude_min;
    Verdict verdict = Verdict::not_judged;
    VerdictBasis basis = VerdictBasis::march;
    std::optional<CheckFigures> figures;
    std::vector<int> risers;
    std::vector<int> sections;
    // Why the check could not be judged, when its verdict is not_judged.
    std::optional<Message> not_judged;
    // Why the march's figures could not be used, when the march could not compute the
    // discharge of some risers: the verdict is then not_judged or, for the Froude numbers, an
    // estimate.
    std::optional<DischargeFailure> discharge_failure;
};

// The figures of `result` as one list, in the order the runner's output gives them: the Froude
// numbers; Q/N, Q/N + 10 %, Q/N - 10 %, the largest and smallest discharge and their ratio; the
// areas and their ratio; the sections' velocities; Qcalc, Q and e; E of riser 1, the friction
// losses, the density terms and E of riser N; the number of skipped steps. Empty when the check
// could not be judged.
std::vector<double> checkValues(const CheckResult& result);

// Runs every check of the table on a solved design: `input` and `locale` as given to Solve,
// `solvedState` the shared variables after it and `outcome` what it returned.
std::vector<CheckResult> checkDesign(const DiffuserInput& input, const SharedState& solvedState,
                                     const SolveOutcome& outcome, const NumberLocale& locale,
                                     const CheckSettings& settings = {});

// ---- Skipped steps in the user's terms ---------------------------------------------------------
//
// The skipped steps of a Solve grouped by what the user can mend: one entry per cause, naming
// the box, the section row or the risers at fault, why the steps could not be computed and what
// kept the value of an earlier Solve. An unreadable Manning number is one cause (not one
// skipped friction factor per section), a riser that no section names is one cause for all its
// steps, and one bad cell is one cause however many passes and risers it touched.

// The causes of `outcome.skipped`, in the order their first step was met. `input` and `locale`
// as given to the Solve that returned `outcome`. Empty when nothing was skipped.
std::vector<SkippedCause> explainSkipped(const DiffuserInput& input, const SolveOutcome& outcome,
                                         const NumberLocale& locale);

// ---- Cross-check by the classical port formulation ---------------------------------------------
//
// The design marched twice on states of their own (the program's shared variables are not
// touched), with the flow mode set aside: once as the program marches, where the nine
// substitutions that fix a riser's discharge form X = 8 q^2 / (p^2 D^4 g E) from the riser's own
// discharge q, and once as the classical port-flow method does, with X formed from the pipe
// discharge at the riser (the discharges of the risers seaward of it plus the riser's own
// iterate, the flow the reported Cd already uses). Each march is balanced by bisection on qc
// until the riser discharges add up to Q within 1e-9 relative.

// Above this difference between the classical and the program's landward head, in %, the
// cross-check warns.
inline constexpr double kCrossCheckHeadLimit = 5.0;

// One balanced march. When it could not be balanced, `balanced` is false, `reason` says why
// and the figures are those of the last march tried, or zero.
struct MarchSummary {
    bool balanced = false;
    Message reason;
    // The first cause of the skipped steps, when the reason is that steps were skipped.
    std::optional<SkippedCause> skipped_cause;
    // Set when the march could not be balanced because it could not compute the discharge of
    // some risers at the last qc tried.
    std::optional<DischargeFailure> discharge_failure;
    double qc = 0.0;             // discharge of riser 1, m^3/s
    double q_sum = 0.0;          // the risers' discharges added up, m^3/s
    double landward_head = 0.0;  // E of riser N, m
    double q_max = 0.0;          // the largest riser discharge, m^3/s
    double q_min = 0.0;          // the smallest riser discharge, m^3/s
    int riser_q_max = 0;         // which risers, numbered from 1
    int riser_q_min = 0;
    double froude_min = 0.0;  // the lowest densimetric Froude number
    int riser_froude_min = 0;
    long marches = 0;  // how many marches the bisection ran
};

struct CrossCheck {
    MarchSummary program;
    MarchSummary classical;
    // (classical - program) / program x 100 of the landward head, when both were balanced.
    std::optional<double> head_difference;
    // warning: the classical head exceeds the program's by more than kCrossCheckHeadLimit %;
    // not_judged: either march could not be balanced.
    Verdict verdict = Verdict::not_judged;
    int landward_riser = 0;  // N, when both marches were balanced
};

CrossCheck crossCheck(const DiffuserInput& input, const NumberLocale& locale);

// ---- The overall verdict of the checks ---------------------------------------------------------
//
// Whether the design holds, in one verdict over its checks: a warning when any check warns (a
// finding about the design outweighs what could not be judged), else not judged when any check
// could not be judged, else holds. An empty list judges nothing. A Froude check that rests on
// an estimate counts with its verdict. The cross-check tests the march's method, not the design:
// it never changes the overall verdict, and is carried beside it so that a host can say when it
// warns.
struct ChecksVerdict {
    Verdict overall = Verdict::not_judged;
    std::vector<CheckId> warnings;       // the checks that warn, in the order given
    std::vector<CheckId> not_judged;     // the checks that could not be judged, in the order given
    std::optional<Verdict> cross_check;  // the cross-check's own verdict, when one was given
};

ChecksVerdict overallVerdict(const std::vector<CheckResult>& checks);
ChecksVerdict overallVerdict(const std::vector<CheckResult>& checks, const CrossCheck& crossCheck);

// ---- Operating conditions ----------------------------------------------------------------------
//
// The design solved over a range of total discharges and density differences: each condition is
// the problem with Q and Δρ/ρ replaced, solved with the problem's design, fitting and flow mode
// (the user flow mode with the problem's ratio) on a state of its own, without a report file,
// and checked.

struct OperatingCondition {
    double q = 0.0;     // total discharge Q, m^3/s
    double drho = 0.0;  // relative density difference Δρ/ρ
};

// The longest list of conditions solved at once.
inline constexpr std::size_t kMaxConditions = 10000;

// The default list: 0.25, 0.5, 0.75, 1.0 and 1.25 x the problem's Q, each at its Δρ/ρ. Nothing
// when the problem's Q or Δρ/ρ cannot be read by `locale`'s rule. A multiple other than 1 x is
// rounded to the 15 significant digits its box is written with, so that the condition's Q is
// the Q that is solved.
std::optional<std::vector<OperatingCondition>> defaultConditions(const DiffuserInput& problem,
                                                                 const NumberLocale& locale);

// The first fault of `conditions` (conditions_empty, conditions_too_many or a condition whose
// Q or Δρ/ρ is not positive, `row` numbering the conditions from 1), or nothing when they can
// be solved.
std::optional<Message> checkConditions(const std::vector<OperatingCondition>& conditions);

// A list of conditions as the runner takes it, numbers always with "." as decimal point
// whatever the locale:
//
//   SPEC   := PART (";" PART)*               at most one PART of each name
//   PART   := "Q=" LIST | "drho=" LIST
//   LIST   := ITEM ("," ITEM)*
//   ITEM   := VALUE | VALUE ".." VALUE "/" COUNT   (COUNT >= 2 evenly spaced values, ends
//                                                   included)
//   VALUE  := NUMBER | NUMBER "x"               (a multiple of the problem's own Q or Δρ/ρ)
//   NUMBER := ["+" | "-"] DIGITS ["." DIGITS] [("e" | "E") ["+" | "-"] DIGITS]
//   COUNT  := DIGITS
//
// Blanks around a PART, its name and an ITEM are ignored. Every Q is combined with every Δρ/ρ,
// all the Q at the first Δρ/ρ, then all at the second and so on; a missing PART is the default
// (Q: 0.25x,0.5x,0.75x,1x,1.25x; drho: 1x). "Q=0.1..0.5/5;drho=0.02,0.03" gives ten
// conditions. A value that is computed (a multiple other than 1x, a point inside a range) is
// rounded to 15 significant digits, as its box is written. Every value must be positive, and
// the list at most kMaxConditions long. On failure the message names the offending part or
// item.
std::variant<std::vector<OperatingCondition>, Message> parseConditionSpec(
    std::string_view spec, const DiffuserInput& problem, const NumberLocale& locale);

// The outcome of one condition.
struct ConditionResult {
    OperatingCondition condition;
    Balance balance;  // qc, the discharge sum and the passes of the balancing
    // The figures of risers 1..N in the results store; not a number when N lies outside
    // 1..101 (or, for e, when Qcalc is zero).
    double balance_error = 0.0;  // e = (Qcalc - Q) / Qcalc, %
    double landward_head = 0.0;  // E of riser N, m
    double froude_min = 0.0;     // lowest and highest densimetric Froude number
    double froude_max = 0.0;
    double q_max = 0.0;  // largest and smallest riser discharge, m^3/s
    double q_min = 0.0;
    std::vector<CheckResult> checks;  // in the order of checkThresholds()
    // The steps its Solve skipped, each repeat counted (skippedStepCount); no report is
    // written, so no report line is among them.
    std::size_t skipped_steps = 0;
    // false: the host stopped the run before this condition's Solve ended (a condition whose
    // balancing the stop cut short is not solved either).
    bool solved = false;
};

// Follows a run of conditions and may stop it. Called from the worker threads, so an
// implementation must be thread-safe.
class ConditionsProgress {
  public:
    virtual ~ConditionsProgress() = default;
    // Asked after every condition solved and after every pass of an optimised balancing that
    // would be followed by another; `conditionsDone` counts the conditions solved so far. False
    // stops the run: conditions not yet begun stay unsolved, a balancing in progress stops after
    // its pass.
    virtual bool keepGoing(std::size_t conditionsDone, std::size_t conditionsTotal) = 0;
    // Asked after every such pass of the balancing of condition `condition` (its index in the
    // list) once keepGoing has let the run go on. False stops that balancing alone, as
    // BalancingProgress does: the condition is solved with the results of the pass just run and
    // its Balance says stopped_by_host. Bounds each balancing, as the runner's --max-passes.
    virtual bool keepBalancing(std::size_t /*condition*/, long /*passesRun*/) { return true; }
};

// Solves every condition on `threads` worker threads (0: one per core), each with a state of
// its own; the results come in the order of `conditions`. `conditions` must have passed
// checkConditions. The problem's Q and Δρ/ρ texts are replaced by the condition's values
// written in `locale`'s general format, except that a value equal to the problem's own keeps
// the typed text: the condition 1 x Q is exactly the design's Solve.
std::vector<ConditionResult> solveConditions(const DiffuserInput& problem,
                                             const std::vector<OperatingCondition>& conditions,
                                             const NumberLocale& locale,
                                             const CheckSettings& settings = {},
                                             unsigned threads = 0,
                                             ConditionsProgress* progress = nullptr);

// The texts of the table of conditions in the host's language: its header line, with the
// units, and the words of the verdicts. The wording library gives them (conditionsCsvWords in
// thalmuro/wording.h).
struct ConditionsCsvWords {
    std::string q;
    std::string drho;
    std::string qc;
    std::string qcalc;
    std::string balance_error;
    std::string landward_head;
    std::string froude_min;
    std::string froude_max;
    std::string q_max;
    std::string q_min;
    std::array<std::string, kCheckCount> checks;  // the checks' columns, in the order of CheckId
    std::string skipped_steps;                    // the count of skipped steps
    std::array<std::string, kVerdictCount> verdicts;  // in the order of Verdict
};

// The table of conditions as CSV text in UTF-8, one line per solved condition after the header
// line of `words`: Q, Δρ/ρ, qc, Qcalc, e, the landward head, the lowest and highest Froude
// number, the largest and smallest riser discharge, the verdict of every check in `words`'
// terms and the number of skipped steps. Numbers in `locale`'s general format (a figure that is
// not a number is an empty field), ";" between fields where the decimal separator is ","
// (else ","). Line ends CR LF.
std::string conditionsCsv(const std::vector<ConditionResult>& results, const NumberLocale& locale,
                          const ConditionsCsvWords& words);

// ---- Riser sizing ------------------------------------------------------------------------------
//
// The riser diameters that make a design hold, proposed by the program: one diameter per section
// from a list of candidates, a section being split into runs of consecutive risers with their
// own diameter (tapering) where the table's rows allow, such that
//   - at the design discharge every riser passes its share Q/N within a tolerance,
//   - at the low flow every riser's densimetric Froude number reaches the lower bound, so that
//     no riser draws sea water in,
//   - the risers' total area lies within the area-ratio range of the pipe's area at riser N,
// and, as a preference, no Froude number exceeds the upper bound at the design discharge. Of the
// choices that meet the goals (and the preference, when any of them meets it) the proposal is
// one with the lowest landward head, the head the loading shaft must provide.
//
// Every design weighed is marched as the program marches, on a state of its own, and balanced by
// bisection on qc until the risers pass Q, as the cross-check does; the pipe diameters, spacings,
// elevation steps, fitting, Δρ/ρ and Manning number stay as typed. The search is ordered by the
// hydraulics: smaller risers raise the head, the Froude numbers and the evenness of the
// discharges, larger ones lower them, so it scans the overall size of the risers with each run
// fitted to pass Q/N, then improves the best choice one run (or two) at a time. It is the same on
// one thread or many: designs are weighed in batches whose results are taken in a fixed order.

// The defaults of the goals: the discharge of every riser within Q/N ± 5 %, the low flow 0.25 Q.
inline constexpr double kDefaultUniformityTolerance = 5.0;
inline constexpr double kDefaultLowFlowMultiple = 0.25;

// The default candidates: every 5 mm from 25 mm up to the section's pipe diameter, m.
inline constexpr double kSmallestDefaultRiser = 0.025;
inline constexpr double kDefaultRiserStep = 0.005;

// What a proposal is held to, in the order they are ranked.
enum class SizingGoal : std::uint8_t {
    uniformity,     // every riser's discharge at the design Q within Q/N ± the tolerance
    froude_low,     // every riser's Froude number at the low flow at least froude_min
    riser_area,     // the risers' total area over the pipe's at riser N within the range
    froude_design,  // every riser's Froude number at the design Q at most froude_max: preferred
};

inline constexpr std::size_t kSizingGoalCount = 4;

// "uniformity", "froude_low", "riser_area", "froude_design".
std::string_view nameOf(SizingGoal goal);

struct SizingGoals {
    double tolerance = kDefaultUniformityTolerance;  // % of Q/N, above 0 and below 100
    // The lowest operating condition; nothing: kDefaultLowFlowMultiple x the problem's Q at its
    // Δρ/ρ (the multiple rounded to the 15 digits its box is written with).
    std::optional<OperatingCondition> low_flow;
    double froude_min = 1.0;
    double froude_max = 10.0;
    double area_ratio_lower = 1.0 / 3.0;
    double area_ratio_upper = 2.0 / 3.0;
    // The most rows of the section table the proposal may use, from the number of sections (the
    // sections kept whole) to kSectionRows.
    int max_rows = kSectionRows;
    // The settings of the checks each design proposed is checked with.
    CheckSettings check_settings;
};

// The default candidate diameters of a section whose pipe diameter is `pipeDiameter` (m):
// kSmallestDefaultRiser, then every kDefaultRiserStep up to `pipeDiameter`, each as its box
// writes it (15 significant digits). Empty when the pipe is narrower than the smallest.
std::vector<double> defaultRiserDiameters(double pipeDiameter);

// What the host may set that the sizing cannot use.
enum class SizingSetting : std::uint8_t {
    tolerance,
    low_flow_q,
    low_flow_drho,
    froude_bounds,  // froude_min not positive, or not below froude_max
    area_ratio,     // the range not within 0..1, or empty
    max_rows,       // below the number of sections or above kSectionRows
    diameters,      // a candidate diameter is not a positive number
};

// Why a design cannot be sized, before any design is weighed.
enum class SizingBlockKind : std::uint8_t {
    risers_outside_range,    // `count`, the number of risers, lies outside 1..101
    sections_outside_range,  // `count`, the number of sections, lies outside 1..30
    value_unreadable,        // `quantity` (of table row `row`) `text` cannot be read
    value_not_positive,      // `quantity` (of table row `row`) `text` is zero or negative
    rows_not_in_order,       // row `row` does not name the risers after the previous row's (from
                             // riser 1), or the last row does not end at riser N (`count`)
    no_candidate,            // no candidate fits in the pipe of row `row`, D = `value` m
    setting_invalid,         // `setting` cannot be used; `value` is the figure at fault
};

struct SizingBlock {
    SizingBlockKind kind = SizingBlockKind::risers_outside_range;
    InputQuantity quantity = InputQuantity::risers;
    int row = 0;  // the section table's row, numbered from 1; 0 for a general box
    std::string text;
    long count = 0;
    double value = 0.0;
    SizingSetting setting = SizingSetting::tolerance;
};

// How a design fares against one goal.
struct GoalStatus {
    SizingGoal goal = SizingGoal::uniformity;
    bool met = false;
    // The design's figure: uniformity, the largest departure of a riser's discharge from Q/N in
    // % of Q/N; froude_low, the lowest Froude number at the low flow; riser_area, the ratio;
    // froude_design, the highest Froude number at the design Q. Not a number when the design
    // could not be balanced at the flow concerned.
    double value = 0.0;
    // The bound the figure is held to: the tolerance, froude_min, the bound of the area-ratio
    // range the ratio lies nearer to (the one it breaks), froude_max.
    double limit = 0.0;
    // How far the figure lies beyond the bound, in its own unit; 0 when met.
    double shortfall = 0.0;
};

// A run of consecutive risers with one riser diameter: one row of the section table.
struct RiserRun {
    int first_riser = 0;  // numbered from 1
    int last_riser = 0;
    double diameter = 0.0;  // d, m
};

// A section of the table as typed and what the proposal makes of it: one run holding all its
// risers, or several when the section is split.
struct SectionSizing {
    int section = 0;  // the row, numbered from 1
    int first_riser = 0;
    int last_riser = 0;
    double pipe_diameter = 0.0;              // D, m
    std::optional<double> current_diameter;  // d as typed; nothing when it cannot be read
    std::vector<RiserRun> proposed;
};

// One design weighed at both flows.
struct SizedDesign {
    // The problem with this design's section table: the rows of the runs, their count in the
    // sections box, the other boxes, the fitting and the flow mode as typed. What «Εφαρμογή»
    // writes into the form and the runner into a problem file.
    DiffuserInput problem;
    MarchSummary design_flow;  // the balanced march at the design Q
    MarchSummary low_flow;     // at the low flow
    // Risers 1..N at each flow when its march was balanced (else empty): discharges, m^3/s, and
    // densimetric Froude numbers.
    std::vector<double> discharges;
    std::vector<double> froude;
    std::vector<double> low_flow_discharges;
    std::vector<double> low_flow_froude;
    double spread = 0.0;      // the largest departure from Q/N at the design Q, % of Q/N
    double froude_min = 0.0;  // lowest and highest Froude number at the design Q
    double froude_max = 0.0;
    double low_flow_froude_min = 0.0;  // at the low flow
    double low_flow_froude_max = 0.0;
    double area_ratio = 0.0;
    double landward_head = 0.0;                        // E of riser N at the design Q, m
    std::array<GoalStatus, kSizingGoalCount> goals{};  // in the order of SizingGoal
    bool goals_met = false;  // uniformity, froude_low and riser_area all met
    // The design solved at each flow with the qc of its balanced march (the user flow mode with
    // x = qc N / Q), checked as the design-check window checks a Solve; and cross-checked at the
    // design Q. Empty when the flow's march could not be balanced.
    std::vector<CheckResult> checks;
    std::vector<CheckResult> low_flow_checks;
    CrossCheck cross_check;
};

struct SizingResult {
    // Why nothing was weighed; the rest is then empty.
    std::optional<SizingBlock> blocked;
    SizingGoals goals;  // as applied: the low flow filled in
    // The design as typed; nothing when a riser diameter of it cannot be read.
    std::optional<SizedDesign> current;
    // The choice that meets the goals with the lowest landward head or, when none was found
    // that does, the one that comes closest: the least sum of the goals' shortfalls, each
    // over its bound.
    SizedDesign proposal;
    std::vector<SectionSizing> sections;  // the table's sections, in order
    bool stopped = false;  // the host stopped the search: the best choice found until then
    long designs = 0;      // designs the search weighed (the design as typed not counted)
};

// Follows a sizing and may stop it. Called from the worker threads, so an implementation must be
// thread-safe.
class SizingProgress {
  public:
    virtual ~SizingProgress() = default;
    // Asked after every design weighed; `fraction` estimates the share of the search done (0 to
    // 1, never decreasing). False stops the search: the designs being weighed are finished and
    // dropped, and the result is the best choice found so far, weighed and checked as always.
    virtual bool keepGoing(long designsWeighed, double fraction) = 0;
};

// Sizes the risers of `problem` (read by `locale`'s rule) on `threads` worker threads (0: one per
// core). `diameters` are the candidates in m, every section taking those that fit in its pipe;
// empty: defaultRiserDiameters of each section. The first design (the one typed, when its
// diameters can be read) is weighed even if the host stops at once.
SizingResult sizeRisers(const DiffuserInput& problem, const SizingGoals& goals,
                        const std::vector<double>& diameters, const NumberLocale& locale,
                        unsigned threads = 0, SizingProgress* progress = nullptr);

// ---- Files -----------------------------------------------------------------------------------

// Errors of the engine's own, beside the system's (std::generic_category).
enum class EngineError {
    no_converter = 1,  // the C library has no Windows-1253 converter
};
const std::error_category& engineCategory();
std::error_code make_error_code(EngineError error);

// Makes `bytes` the whole content of the file `path`; the error says why it could not. The
// program's one way to write a whole file (the results report, problem files).
//
// A regular file, existing or new, is replaced and never emptied first: the bytes go to a hidden
// temporary file ".NAME.XXXXXX" in the same folder, which is flushed to disk, given the
// permissions and owner of the file it replaces (a new file gets 0666 less the umask, as any
// newly created file), renamed over NAME, and the folder is flushed. On any failure the
// temporary file is removed and the old file is left as it was. A symbolic link is followed:
// its final target is replaced and the link stays. Other names of a file with several hard
// links keep the old bytes.
//
// Anything else is written in place, without a temporary file: a device such as /dev/null, a
// named pipe, and every name reached through /dev or /proc (so /dev/stdout writes into the
// standard output as the shell set it up, even when that is a redirect to a regular file). A
// named pipe that no program is reading from fails at once instead of waiting for a reader.
//
// A file-size limit (ulimit -f) makes the write fail with EFBIG instead of ending the process.
//
// The error is an errno value in std::generic_category, except for the named pipe without a
// reader, whose error says so and still compares equal to std::errc::no_such_device_or_address.
//
// On Windows the names are UTF-8 too and the same promises hold: the temporary file is flushed
// (FlushFileBuffers) and moved over NAME in one step that replaces it; a read-only NAME is not
// replaced. A link's final target is replaced; a device (NUL, CON) or a pipe is written in place.
// The Windows errors are given as their errno values.
std::error_code writeFileSafely(const std::string& path, std::string_view bytes);

// Writes the report's bytes to `path` (an existing file is replaced without asking); the error
// says why it could not, EngineError::no_converter when the report has no bytes.
std::error_code writeReport(const std::string& path, const Report& report);

// UTF-8 to Windows-1253 through the system's converter (the C library's iconv; on Windows the
// code page 1253 of the system); a character the code page lacks (or a byte that is not UTF-8)
// becomes "?". Nothing when the converter is missing.
std::optional<std::string> encodeWindows1253(std::string_view utf8);

// Windows-1253 to UTF-8 through the system's converter, as encodeWindows1253, to show a report's
// bytes as text: a byte to which the code page gives no character becomes U+FFFD, the
// replacement character. Nothing when the converter is missing.
std::optional<std::string> decodeWindows1253(std::string_view bytes);

// Problem files: the boxes of the main window as JSON, every value the text as typed.
//
//   {
//     "project": {"title": "Outfall A", "engineer": "...", "client": "...", "notes": "..."},
//     "risers": "14", "sections": "5", "drho": "0,0307", "total_discharge": "0,3528",
//     "manning": "0,01", "fitting": "Sharp", "flow_mode": "none", "ratio": "0,90",
//     "decimal_separator": ",",
//     "rows": [["1", "2", "0,2906", "8", "0,2", "0,1144"], ...]
//   }
//
// "fitting" and "flow_mode" take the names of nameOf (absent: Sharp, none); "ratio" is the answer
// to the ratio question of the user flow mode (absent or null: cancelled). "decimal_separator"
// is "," or "." (absent: not recorded), the decimal separator of the regional format in which
// the texts were typed; numberLocaleFor gives the format to read them with. "rows" holds up to
// 30 section rows of up to six texts in the order of kRowCells. "project" holds the project's
// details under the keys "title", "engineer", "client" and "notes", each a string; the writer
// writes it first, with all four keys, and only when some detail is not empty, so that a design
// without details is written as it was before details were kept. Missing keys, rows and cells
// are empty texts; an unknown or repeated key, inside "project" too ("project.author"), is
// refused.

// The regional format that goes with a recorded decimal separator: "," gives
// NumberLocale::greek() (grouping "."), "." gives NumberLocale::english() (grouping ","),
// anything else nothing.
std::optional<NumberLocale> numberLocaleFor(std::string_view decimalSeparator);

// The largest problem file read; a real one is a few kilobytes.
inline constexpr std::size_t kMaxProblemFileBytes = 1024 * 1024;

// The length of the well-formed UTF-8 sequence that starts at `text[at]`, or 0 when none does
// (a stray continuation byte, an overlong form, a surrogate, a code point above U+10FFFF, or a
// sequence cut short). Problem files must be UTF-8; hosts shorten texts by whole characters.
std::size_t utf8SequenceAt(std::string_view text, std::size_t at);

// Reads a problem from the text of a problem file (UTF-8, a leading byte-order mark allowed).
// On failure, the message (kinds file_too_large to reading_failed) names the offending key, row
// or cell. Never throws.
std::variant<DiffuserInput, Message> parseProblem(std::string_view jsonText);

// Reads and parses the file `fileName`. On failure, the message names the file and gives the
// system's reason when it could not be read. Never throws.
std::variant<DiffuserInput, Message> readProblemFile(const std::string& fileName);

// The text of a problem file holding `input`: parseProblem gives `input` back, field for field.
std::string problemText(const DiffuserInput& input);

// Writes `input` as a problem file through the safe writer.
std::error_code writeProblemFile(const std::string& fileName, const DiffuserInput& input);

// ---- The loading shaft -----------------------------------------------------------------------

// H = 1.1 V^2 (L f) / (19.614 D) + (Zt Δρ/ρ + E) at riser N, the riser nearest the shaft, from
// the last Solve: the specific energy there, the buoyancy head over the depth Zt and the
// Darcy-Weisbach friction loss over the length L of the pipe to the shaft, increased by 10 %.
// `length` (L, m) and `depth` (Zt, m) are texts read by the locale rule, as is the Δρ/ρ text the
// last Solve kept. A failed Num when no riser N is stored, a text cannot be read, D is zero or
// the arithmetic overflows.
Num loadingShaftHead(const DiffuserResults& results, std::string_view length,
                     std::string_view depth, const NumberLocale& locale);

// ---- The hydraulic profile ---------------------------------------------------------------------
//
// The energy line and the piezometric line along the diffuser after a Solve, riser by riser from
// the seaward end: the figures the march left in the results store, placed at the risers'
// distances along the pipe.

struct HydraulicProfile {
    // Risers 1..N in order, riser k at index k - 1; empty when N lies outside 1..101.
    //
    // Distance of riser k from riser 1, the seaward end, m: the spacings of the reaches between
    // risers 1 and k added up, each reach with the spacing of the section that holds its seaward
    // riser, as the march takes its friction loss. Not a number from the first riser whose reach
    // has no spacing (no section names the seaward riser, or its spacing cannot be read).
    std::vector<double> distance;
    // Energy line: the specific energy E at riser k, m of head, as the store holds it.
    std::vector<double> energy;
    // Piezometric line: E less the velocity head V^2 / (2 g) of the pipe flow just landward of
    // riser k (V the store's pipe velocity at the riser), m of head.
    std::vector<double> piezometric;
    // The head the diffuser needs at its landward end, where the pipe from the loading shaft
    // joins it: E of riser N, m. The loading shaft adds to it the buoyancy head over its depth
    // and the friction loss of the pipe to the shaft, from two more figures that only the
    // loading-shaft window asks for. Not a number when N lies outside 1..101.
    double landward_head = std::nan("");
    int landward_riser = 0;  // N, when N lies within 1..101
};

// The profile of the design `problem` solved into `solvedState` (its results store and section
// count), the spacings of the section table read by `locale`'s rule as Solve read them.
HydraulicProfile hydraulicProfile(const DiffuserInput& problem, const SharedState& solvedState,
                                  const NumberLocale& locale);

}  // namespace thalmuro

namespace std {
template <>
struct is_error_code_enum<thalmuro::EngineError> : true_type {};
}  // namespace std
