// Riser sizing: the riser diameters that make a design hold, chosen from a list of candidates.
//
// A design is weighed by the program's march balanced by bisection at the design discharge and
// at the low flow, on states of their own. The search rests on how a riser's discharge follows
// from the head in the pipe: q = Cd (p d^2 / 4) (2 g E)^0.5, E growing from riser 1 landward by
// the friction losses and the density terms. Taken from a weighed design, each riser's
// q / (d^2 E^0.5) and its rise E - E1 change little when the diameters do, so they make a model
// of the design that is balanced again in a few steps of Newton's method on E1 instead of some
// thirty marches.
//
// The candidates lie a step apart (5 mm is some 9 % of a riser's discharge at 0.11 m), so near
// the best design each riser has about one candidate that keeps it within the tolerance, and
// what decides is the overall size of the risers: the head at riser 1. The search scans that
// size on the model of the first design, each run fitted to the size at which its fit balances,
// weighs the fits the model ranks best and some evenly over the sizes, scans again on the models
// of the best designs weighed, then improves the best design a step of one run (or of two) at a
// time, first on its model and at last weighed by the march, until no step betters it.

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <exception>
#include <functional>
#include <limits>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <variant>
#include <vector>

#include "balanced_march.h"
#include "solving.h"
#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// How many overall riser sizes the scan fits the runs to on a model; how many of the fitted
// designs the model ranks best are weighed, and how many more evenly over the sizes, so that
// a poor model cannot hide a good size.
constexpr int kScanLevels = 96;
constexpr std::size_t kWeighedBest = 8;
constexpr std::size_t kWeighedEvenly = 8;
// How many of the best designs weighed have the scan repeated on their own models (the best
// over every level, the others over so many levels on either side of their own), and how many
// fits of each are weighed.
constexpr std::size_t kRescanned = 3;
constexpr int kRescanReach = 12;
constexpr std::size_t kWeighedPerRescan = 4;

// A fit is balanced on the model and fitted again at the head it balances at, at most this
// many times, until it repeats.
constexpr int kMaxRefits = 8;

// How far the scanned sizes reach beyond the diameters a row of equal risers would have at the
// bounds of the area-ratio range.
constexpr double kLevelMargin = 2.0;

// The Froude number at the design discharge that the first design aims at when the design as
// typed cannot be balanced: between the bounds of 1 and 10.
constexpr double kStartFroude = 3.0;

// The steps of one run's candidate index that an improvement round tries; then, when none of
// them betters the design, one run a candidate up and another one down, for runs this close
// or when either is the seaward run, whose riser 1 sets the head.
constexpr std::array<int, 4> kSingleSteps{+1, -1, +2, -2};
constexpr std::size_t kPairReach = 2;

// The most improvement rounds on a model, and the most times the best design is improved on its
// own model and weighed: each round strictly betters the design, so both end anyway; these
// bound the time on the largest designs.
constexpr int kMaxModelRounds = 400;
constexpr int kMaxModelPasses = 12;

// Newton's method on E1 stops when a step changes it by less than this fraction.
constexpr double kHeadTolerance = 1e-12;
constexpr int kMaxNewtonSteps = 60;

// A section of the table as typed.
struct Section {
    int first = 0;  // risers, numbered from 1
    int last = 0;
    double pipe = 0.0;  // D, m
    SectionRow texts;
    std::optional<double> diameter;  // d as typed
    std::vector<double> candidates;  // ascending
};

// The problem as the sizing reads it.
struct Layout {
    int risers = 0;
    double q = 0.0;
    double drho = 0.0;
    std::vector<Section> sections;
    OperatingCondition low;
};

// A run of consecutive risers of one section, with one diameter: a row of the table.
struct Run {
    std::size_t section = 0;
    int first = 0;
    int last = 0;
};

// One candidate index per run.
using Choice = std::vector<int>;

// The figures a design is judged by.
struct Figures {
    bool designBalanced = false;
    bool lowBalanced = false;
    double spread = kNotANumber;     // largest departure from Q/N at the design Q, %
    double froudeMax = kNotANumber;  // at the design Q
    double lowMin = kNotANumber;     // the lowest Froude number at the low flow
    double areaRatio = kNotANumber;
    double head = kNotANumber;  // E of riser N at the design Q, m
};

// How a design is ranked: the shortfalls of the goals that must hold, each over its bound and
// added up; then whether the preferred bound of the Froude numbers is missed; then the
// landward head.
struct Rank {
    double shortfall = kInfinity;
    bool preferenceMissed = true;
    double head = kInfinity;
};

bool better(const Rank& a, const Rank& b) {
    if (a.shortfall != b.shortfall) return a.shortfall < b.shortfall;
    if (a.preferenceMissed != b.preferenceMissed) return !a.preferenceMissed;
    return a.head < b.head;
}

struct Judgement {
    std::array<GoalStatus, kSizingGoalCount> goals{};
    bool met = false;
    Rank rank;
};

Judgement judge(const Figures& f, const SizingGoals& goals) {
    const auto status = [](SizingGoal goal, double value, double limit, double beyond) {
        GoalStatus g;
        g.goal = goal;
        g.value = value;
        g.limit = limit;
        g.met = !(beyond > 0.0);
        g.shortfall = g.met ? 0.0 : beyond;
        return g;
    };
    const double lower = goals.area_ratio_lower;
    const double upper = goals.area_ratio_upper;
    const double ratio = f.areaRatio;
    const double areaLimit = std::fabs(ratio - lower) < std::fabs(ratio - upper) ? lower : upper;
    const double areaBeyond = ratio < lower ? lower - ratio : ratio > upper ? ratio - upper : 0.0;
    // A low flow that cannot be balanced leaves riser 1 passing next to nothing (the density
    // terms drive more than the flow through the others), so it counts as Froude 0 there.
    const double lowBeyond = f.lowBalanced ? goals.froude_min - f.lowMin : goals.froude_min;
    Judgement j;
    j.goals = {
        status(SizingGoal::uniformity, f.spread, goals.tolerance,
               f.designBalanced ? f.spread - goals.tolerance : kInfinity),
        status(SizingGoal::froude_low, f.lowMin, goals.froude_min, lowBeyond),
        status(SizingGoal::riser_area, ratio, areaLimit, areaBeyond),
        status(SizingGoal::froude_design, f.froudeMax, goals.froude_max,
               f.designBalanced ? f.froudeMax - goals.froude_max : kInfinity),
    };
    j.met = j.goals[0].met && j.goals[1].met && j.goals[2].met;
    if (!f.designBalanced) return j;
    // Each shortfall over the scale of its bound, so that the goals weigh alike.
    j.rank.shortfall = j.goals[0].shortfall / goals.tolerance +
                       j.goals[1].shortfall / goals.froude_min +
                       j.goals[2].shortfall / (ratio < lower ? lower : upper);
    j.rank.preferenceMissed = !j.goals[3].met;
    j.rank.head = f.head;
    return j;
}

// The densimetric Froude number of a riser of diameter d passing q, as the march computes it.
double froudeOf(double q, double d, double drho) {
    return 4.0 * q / (d * d * kPi) / std::sqrt(d * kGravity * drho);
}

// The risers' total area over the pipe's at riser N, as the riser_area check computes it.
double areaRatioOf(const std::vector<double>& diameters, double pipe) {
    double risers = 0.0;
    for (const double d : diameters)
        risers = risers + kPi * (d * d) / 4.0;
    return risers / (kPi * (pipe * pipe) / 4.0);
}

// One design weighed at both flows.
struct Weighed {
    MarchSummary design;
    MarchSummary low;
    std::vector<double> diameters;  // d of risers 1..N
    // Risers 1..N at each flow whose march was balanced.
    std::vector<double> q;
    std::vector<double> energy;
    std::vector<double> froude;
    std::vector<double> qLow;
    std::vector<double> energyLow;
    std::vector<double> froudeLow;
    Figures figures;
    double froudeMin = kNotANumber;  // at the design Q
    double lowMax = kNotANumber;     // at the low flow
    Judgement judgement;
};

// What a balanced march tells of each riser: q / (d^2 E^0.5), which holds the discharge
// coefficient and the constants, and its rise E - E1, the head the reaches seaward of it add.
struct FlowModel {
    std::vector<double> capacity;
    std::vector<double> rise;
    double head1 = 0.0;  // E1 of the march
};

std::optional<FlowModel> flowModelOf(const std::vector<double>& q,
                                     const std::vector<double>& energy,
                                     const std::vector<double>& diameters) {
    if (q.empty()) return std::nullopt;
    FlowModel model;
    for (std::size_t k = 0; k < q.size(); ++k) {
        const double d = diameters[k];
        if (!(q[k] > 0.0) || !(energy[k] > 0.0)) return std::nullopt;
        model.capacity.push_back(q[k] / (d * d * std::sqrt(energy[k])));
        model.rise.push_back(energy[k] - energy[0]);
    }
    model.head1 = energy[0];
    return model;
}

// The discharges of risers with the model's capacities and rises, and diameters `d`, balanced
// to pass `q`: E1 found by Newton's method on sum a_k (E1 + rise_k)^0.5 = q, a_k the capacity
// times d^2. The sum is concave in E1, so from below the root the steps climb to it without
// passing it. Nothing when no E1 passes q: even with E1 at its least the density terms drive
// more through the risers.
std::optional<std::vector<double>> balancedDischarges(const FlowModel& m,
                                                      const std::vector<double>& d, double q,
                                                      double& head1) {
    const std::size_t n = d.size();
    double least = 0.0;
    for (const double rise : m.rise)
        least = std::max(least, -rise);
    const auto sum = [&](double e, double* slope) {
        double total = 0.0;
        double derivative = 0.0;
        for (std::size_t k = 0; k < n; ++k) {
            const double root = std::sqrt(e + m.rise[k]);
            const double a = m.capacity[k] * d[k] * d[k];
            total += a * root;
            derivative += 0.5 * a / root;
        }
        if (slope) *slope = derivative;
        return total;
    };
    if (sum(least, nullptr) >= q) return std::nullopt;
    double e = std::max(m.head1, least);
    double slope = 0.0;
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        const double excess = sum(e, &slope) - q;
        double next = e - excess / slope;
        // A step from above the root may land below the least E1: halve the way instead.
        if (!(next > least)) next = 0.5 * (e + least);
        const bool done = std::fabs(next - e) <= kHeadTolerance * e;
        e = next;
        if (done) break;
    }
    head1 = e;
    std::vector<double> discharges(n);
    for (std::size_t k = 0; k < n; ++k)
        discharges[k] = m.capacity[k] * d[k] * d[k] * std::sqrt(e + m.rise[k]);
    return discharges;
}

// A weighed design's models at the design discharge and, when it was balanced, at the low flow.
struct RiserModel {
    FlowModel design;
    std::optional<FlowModel> low;
};

std::optional<RiserModel> modelOf(const Weighed& w) {
    std::optional<FlowModel> design = flowModelOf(w.q, w.energy, w.diameters);
    if (!design) return std::nullopt;
    return RiserModel{std::move(*design), flowModelOf(w.qLow, w.energyLow, w.diameters)};
}

SizingBlock block(SizingBlockKind kind) {
    SizingBlock b;
    b.kind = kind;
    return b;
}

SizingBlock settingBlock(SizingSetting setting, double value) {
    SizingBlock b = block(SizingBlockKind::setting_invalid);
    b.setting = setting;
    b.value = value;
    return b;
}

bool positive(double value) {
    return value > 0.0 && std::isfinite(value);
}

std::optional<SizingBlock> checkGoals(const SizingGoals& goals,
                                      const std::vector<double>& diameters) {
    if (!(goals.tolerance > 0.0 && goals.tolerance < 100.0)) {
        return settingBlock(SizingSetting::tolerance, goals.tolerance);
    }
    if (goals.low_flow) {
        if (!positive(goals.low_flow->q)) {
            return settingBlock(SizingSetting::low_flow_q, goals.low_flow->q);
        }
        if (!positive(goals.low_flow->drho)) {
            return settingBlock(SizingSetting::low_flow_drho, goals.low_flow->drho);
        }
    }
    if (!positive(goals.froude_min)) {
        return settingBlock(SizingSetting::froude_bounds, goals.froude_min);
    }
    if (!(goals.froude_max > goals.froude_min)) {
        return settingBlock(SizingSetting::froude_bounds, goals.froude_max);
    }
    if (!(goals.area_ratio_lower >= 0.0)) {
        return settingBlock(SizingSetting::area_ratio, goals.area_ratio_lower);
    }
    if (!(goals.area_ratio_upper > goals.area_ratio_lower && goals.area_ratio_upper <= 1.0)) {
        return settingBlock(SizingSetting::area_ratio, goals.area_ratio_upper);
    }
    if (goals.max_rows > kSectionRows) {
        return settingBlock(SizingSetting::max_rows, goals.max_rows);
    }
    for (const double d : diameters) {
        if (!positive(d)) return settingBlock(SizingSetting::diameters, d);
    }
    return std::nullopt;
}

// A box or cell read by the locale rule: its value, or why it cannot be used.
std::variant<double, SizingBlock> readPositive(const std::string& text, InputQuantity quantity,
                                               int row, const NumberLocale& locale,
                                               bool mayBeZeroOrNegative = false) {
    const std::optional<double> value = readLocaleNumber(text, locale);
    SizingBlock b;
    b.quantity = quantity;
    b.row = row;
    b.text = text;
    if (!value || !std::isfinite(*value)) {
        b.kind = SizingBlockKind::value_unreadable;
        return b;
    }
    if (!mayBeZeroOrNegative && !(*value > 0.0)) {
        b.kind = SizingBlockKind::value_not_positive;
        return b;
    }
    return *value;
}

// The candidates of a section: `given` (ascending, without repeats) or the defaults, those that
// fit in its pipe.
std::vector<double> candidatesFor(double pipe, const std::vector<double>& given) {
    if (given.empty()) return defaultRiserDiameters(pipe);
    std::vector<double> fitting;
    for (const double d : given) {
        if (d <= pipe) fitting.push_back(d);
    }
    return fitting;
}

std::variant<Layout, SizingBlock> readLayout(const DiffuserInput& problem, const SizingGoals& goals,
                                             const std::vector<double>& diameters,
                                             const NumberLocale& locale) {
    Layout layout;
    const std::optional<std::int16_t> risers = leadingCount(problem.risers);
    if (!risers || *risers < 1 || *risers > kMaxRisers) {
        SizingBlock b = block(SizingBlockKind::risers_outside_range);
        b.count = risers.value_or(0);
        return b;
    }
    layout.risers = *risers;
    const std::optional<std::int16_t> sections = leadingCount(problem.sections);
    if (!sections || *sections < 1 || *sections > kSectionRows) {
        SizingBlock b = block(SizingBlockKind::sections_outside_range);
        b.count = sections.value_or(0);
        return b;
    }
    if (goals.max_rows < *sections) return settingBlock(SizingSetting::max_rows, goals.max_rows);

    struct Box {
        const std::string& text;
        InputQuantity quantity;
        double* into;
    };
    double manning = 0.0;
    for (const Box& box : {Box{problem.total_discharge, InputQuantity::total_discharge, &layout.q},
                           Box{problem.drho, InputQuantity::drho, &layout.drho},
                           Box{problem.manning, InputQuantity::manning, &manning}}) {
        std::variant<double, SizingBlock> value = readPositive(box.text, box.quantity, 0, locale);
        if (auto* b = std::get_if<SizingBlock>(&value)) return std::move(*b);
        *box.into = std::get<double>(value);
    }

    std::vector<double> given = diameters;
    std::sort(given.begin(), given.end());
    given.erase(std::unique(given.begin(), given.end()), given.end());
    int next = 1;
    for (int s = 1; s <= *sections; ++s) {
        const SectionRow& typed = problem.rows[static_cast<std::size_t>(s - 1)];
        Section section;
        section.texts = typed;
        std::array<double, 5> values{};
        const std::array<InputQuantity, 5> quantities{
            InputQuantity::first_riser, InputQuantity::last_riser, InputQuantity::pipe_diameter,
            InputQuantity::spacing, InputQuantity::elevation_step};
        for (std::size_t c = 0; c < quantities.size(); ++c) {
            const bool anySign = quantities[c] == InputQuantity::elevation_step;
            std::variant<double, SizingBlock> value =
                readPositive(typed.*kRowCells[c], quantities[c], s, locale, anySign);
            if (auto* b = std::get_if<SizingBlock>(&value)) return std::move(*b);
            values[c] = std::get<double>(value);
        }
        // The rows must name risers 1..N in order, each once, as whole numbers.
        if (values[0] != next || values[1] < values[0] || values[1] != std::trunc(values[1]) ||
            values[1] > layout.risers) {
            SizingBlock b = block(SizingBlockKind::rows_not_in_order);
            b.row = s;
            b.count = layout.risers;
            return b;
        }
        section.first = next;
        section.last = static_cast<int>(values[1]);
        next = section.last + 1;
        section.pipe = values[2];
        const std::optional<double> d = readLocaleNumber(typed.riser_diameter, locale);
        if (d && positive(*d)) section.diameter = *d;
        section.candidates = candidatesFor(section.pipe, given);
        if (section.candidates.empty()) {
            SizingBlock b = block(SizingBlockKind::no_candidate);
            b.row = s;
            b.value = section.pipe;
            return b;
        }
        layout.sections.push_back(std::move(section));
    }
    if (next != layout.risers + 1) {
        SizingBlock b = block(SizingBlockKind::rows_not_in_order);
        b.row = *sections;
        b.count = layout.risers;
        return b;
    }

    layout.low = goals.low_flow.value_or(
        OperatingCondition{asWritten(kDefaultLowFlowMultiple * layout.q), layout.drho});
    return layout;
}

// The sizing of one problem: the designs weighed, the search and the result.
class Sizing {
  public:
    Sizing(const DiffuserInput& problem, const SizingGoals& goals, Layout layout,
           const NumberLocale& locale, unsigned threads, SizingProgress* progress)
        : problem_(problem),
          goals_(goals),
          layout_(std::move(layout)),
          locale_(locale),
          threads_(threads != 0 ? threads : std::max(1u, std::thread::hardware_concurrency())),
          progress_(progress),
          share_(layout_.q / layout_.risers) {
        for (std::size_t s = 0; s < layout_.sections.size(); ++s) {
            runs_.push_back({s, layout_.sections[s].first, layout_.sections[s].last});
        }
    }

    SizingResult run() {
        SizingResult result;
        result.goals = goals_;
        result.goals.low_flow = layout_.low;

        std::optional<Weighed> typed;
        if (std::all_of(layout_.sections.begin(), layout_.sections.end(),
                        [](const Section& s) { return s.diameter.has_value(); })) {
            std::vector<double> d;
            for (const Section& s : layout_.sections)
                d.insert(d.end(), static_cast<std::size_t>(s.last - s.first + 1), *s.diameter);
            typed = weigh(problem_, std::move(d));
        }
        search(typed);

        // The merged runs are the same risers with the same diameters: the figures weighed hold.
        const auto [runs, choice] = merged(best_->first);
        result.proposal = describe(designOf(runs, choice), best_->second);
        if (typed) result.current = describe(problem_, *typed);
        result.sections = sectionsOf(runs, choice);
        result.stopped = stopped_.load();
        result.designs = designs_.load();
        return result;
    }

  private:
    // ---- Designs ----

    double candidate(const Run& run, int index) const {
        return layout_.sections[run.section].candidates[static_cast<std::size_t>(index)];
    }

    int candidateCount(const Run& run) const {
        return static_cast<int>(layout_.sections[run.section].candidates.size());
    }

    // The problem with `runs` as its section table, run r with candidate choice[r].
    DiffuserInput designOf(const std::vector<Run>& runs, const Choice& choice) const {
        DiffuserInput in = problem_;
        in.sections = formatCount(static_cast<long>(runs.size()));
        for (SectionRow& row : in.rows)
            row = SectionRow{};
        for (std::size_t r = 0; r < runs.size(); ++r) {
            const Section& s = layout_.sections[runs[r].section];
            in.rows[r] = {
                formatCount(runs[r].first), formatCount(runs[r].last),
                s.texts.pipe_diameter,      s.texts.spacing,
                s.texts.elevation_step,     formatGeneral(candidate(runs[r], choice[r]), locale_)};
        }
        return in;
    }

    // The diameters of risers 1..N.
    std::vector<double> riserDiameters(const Choice& choice) const {
        std::vector<double> d;
        for (std::size_t r = 0; r < runs_.size(); ++r) {
            const std::size_t count = static_cast<std::size_t>(runs_[r].last - runs_[r].first + 1);
            d.insert(d.end(), count, candidate(runs_[r], choice[r]));
        }
        return d;
    }

    // The problem at the low flow: its Q and Δρ/ρ boxes rewritten, a value equal to the
    // problem's own keeping the text typed.
    DiffuserInput atLowFlow(const DiffuserInput& in) const {
        DiffuserInput low = in;
        if (layout_.low.q != layout_.q) low.total_discharge = formatGeneral(layout_.low.q, locale_);
        if (layout_.low.drho != layout_.drho) low.drho = formatGeneral(layout_.low.drho, locale_);
        return low;
    }

    Weighed weigh(const DiffuserInput& in, std::vector<double> diameters) const {
        Weighed w;
        w.diameters = std::move(diameters);
        const auto n = static_cast<std::ptrdiff_t>(layout_.risers);
        Figures& f = w.figures;
        {
            BalancedMarch march(in, locale_, DischargeX::riser);
            w.design = march.balance();
            if (w.design.balanced) {
                const DiffuserResults& r = march.results();
                w.q.assign(r.q_riser.begin(), r.q_riser.begin() + n);
                w.energy.assign(r.specific_energy.begin(), r.specific_energy.begin() + n);
                w.froude.assign(r.froude.begin(), r.froude.begin() + n);
                f.designBalanced = true;
                f.spread = spreadOf(w.q);
                const auto [least, most] = std::minmax_element(w.froude.begin(), w.froude.end());
                w.froudeMin = *least;
                f.froudeMax = *most;
                f.head = w.design.landward_head;
            }
        }
        {
            const DiffuserInput low = atLowFlow(in);
            BalancedMarch march(low, locale_, DischargeX::riser);
            w.low = march.balance();
            if (w.low.balanced) {
                const DiffuserResults& r = march.results();
                w.qLow.assign(r.q_riser.begin(), r.q_riser.begin() + n);
                w.energyLow.assign(r.specific_energy.begin(), r.specific_energy.begin() + n);
                w.froudeLow.assign(r.froude.begin(), r.froude.begin() + n);
                f.lowBalanced = true;
                const auto [least, most] =
                    std::minmax_element(w.froudeLow.begin(), w.froudeLow.end());
                f.lowMin = *least;
                w.lowMax = *most;
            }
        }
        f.areaRatio = areaRatioOf(w.diameters, layout_.sections.back().pipe);
        w.judgement = judge(f, goals_);
        return w;
    }

    // The largest departure of a riser's discharge from Q/N, % of Q/N.
    double spreadOf(const std::vector<double>& q) const {
        double spread = 0.0;
        for (const double discharge : q)
            spread = std::max(spread, std::fabs(discharge - share_) / share_ * 100.0);
        return spread;
    }

    // The rank of `choice` by the model of a weighed design.
    Rank predicted(const RiserModel& model, const Choice& choice) const {
        const std::vector<double> d = riserDiameters(choice);
        Figures f;
        double head1 = 0.0;
        if (const auto q = balancedDischarges(model.design, d, layout_.q, head1)) {
            f.designBalanced = true;
            f.spread = spreadOf(*q);
            f.froudeMax = 0.0;
            for (std::size_t k = 0; k < d.size(); ++k)
                f.froudeMax = std::max(f.froudeMax, froudeOf((*q)[k], d[k], layout_.drho));
            f.head = head1 + model.design.rise.back();
        }
        if (model.low) {
            if (const auto q = balancedDischarges(*model.low, d, layout_.low.q, head1)) {
                f.lowBalanced = true;
                f.lowMin = kInfinity;
                for (std::size_t k = 0; k < d.size(); ++k)
                    f.lowMin = std::min(f.lowMin, froudeOf((*q)[k], d[k], layout_.low.drho));
            }
        }
        f.areaRatio = areaRatioOf(d, layout_.sections.back().pipe);
        return judge(f, goals_).rank;
    }

    // ---- Work on the worker threads ----

    // Runs task(i) for i = 0..count-1 on the worker threads; a task whose `stoppable` run the
    // host has stopped is not begun. An exception (memory running out) stops the run and is
    // passed on.
    void parallel(std::size_t count, const std::function<void(std::size_t)>& task) {
        std::atomic<std::size_t> next{0};
        std::mutex errorMutex;
        std::exception_ptr error;
        const auto work = [&]() noexcept {
            try {
                for (;;) {
                    if (stopped_.load()) return;
                    const std::size_t i = next.fetch_add(1);
                    if (i >= count) return;
                    task(i);
                }
            } catch (...) {
                const std::lock_guard<std::mutex> lock(errorMutex);
                if (!error) error = std::current_exception();
                stopped_.store(true);
            }
        };
        const std::size_t workers =
            std::clamp<std::size_t>(threads_, 1, std::max<std::size_t>(count, 1));
        // The calling thread is one of the workers; a thread the system cannot start leaves its
        // share to the others.
        std::vector<std::thread> helpers;
        for (std::size_t i = 1; i < workers; ++i) {
            try {
                helpers.emplace_back(work);
            } catch (const std::system_error&) {
                break;
            }
        }
        work();
        for (std::thread& helper : helpers)
            helper.join();
        if (error) std::rethrow_exception(error);
    }

    // Weighs every choice of `choices` not weighed before and keeps the best design, the
    // choices taken in their order whatever the order the threads finish in. The fraction of
    // the search done goes from `from` to `to` over the batch.
    void weighAll(const std::vector<Choice>& choices, double from, double to) {
        std::vector<const Choice*> todo;
        for (const Choice& c : choices) {
            if (weighed_.count(c) != 0) continue;
            if (std::none_of(todo.begin(), todo.end(), [&](const Choice* t) { return *t == c; })) {
                todo.push_back(&c);
            }
        }
        std::vector<std::optional<Weighed>> results(todo.size());
        std::atomic<std::size_t> done{0};
        parallel(todo.size(), [&](std::size_t i) {
            results[i] = weigh(designOf(runs_, *todo[i]), riserDiameters(*todo[i]));
            const long designs = designs_.fetch_add(1) + 1;
            const double share =
                static_cast<double>(done.fetch_add(1) + 1) / static_cast<double>(todo.size());
            if (progress_ && !progress_->keepGoing(designs, from + (to - from) * share)) {
                stopped_.store(true);
            }
        });
        for (std::size_t i = 0; i < todo.size(); ++i) {
            if (results[i]) weighed_.emplace(*todo[i], std::move(*results[i]));
        }
        for (const Choice& c : choices) {
            const auto found = weighed_.find(c);
            if (found != weighed_.end()) keepIfBest(*found);
        }
    }

    // Weighs `c` on the calling thread whether or not the host has stopped the search, so that
    // there is always a best design.
    const Weighed& weighFirst(const Choice& c) {
        auto [at, added] = weighed_.try_emplace(c);
        if (!added) return at->second;
        at->second = weigh(designOf(runs_, c), riserDiameters(c));
        keepIfBest(*at);
        const long designs = designs_.fetch_add(1) + 1;
        if (progress_ && !progress_->keepGoing(designs, 0.02)) stopped_.store(true);
        return at->second;
    }

    void keepIfBest(const std::pair<const Choice, Weighed>& entry) {
        if (!best_ || better(entry.second.judgement.rank, best_->second.judgement.rank)) {
            best_ = &entry;
        }
    }

    const Weighed& weighedOf(const Choice& c) const { return weighed_.at(c); }

    // ---- The search ----

    // The index of the candidate of `run` nearest to `d` on a logarithmic scale, as a riser's
    // discharge goes with d^2.
    int nearest(const Run& run, double d) const {
        const std::vector<double>& c = layout_.sections[run.section].candidates;
        const auto above = std::lower_bound(c.begin(), c.end(), d);
        if (above == c.begin()) return 0;
        if (above == c.end()) return static_cast<int>(c.size()) - 1;
        const auto below = above - 1;
        const bool lower = std::log(d / *below) <= std::log(*above / d);
        return static_cast<int>((lower ? below : above) - c.begin());
    }

    // The choice that repeats the diameters `d` of risers 1..N as nearly as the candidates
    // allow, each run taking its first riser's.
    Choice choiceOf(const std::vector<double>& d) const {
        Choice c;
        for (const Run& run : runs_)
            c.push_back(nearest(run, d[static_cast<std::size_t>(run.first - 1)]));
        return c;
    }

    // The diameter of equal risers whose Froude number at the design discharge, each passing
    // Q/N, would be kStartFroude.
    double startDiameter() const {
        return std::pow(4.0 * share_ / (kPi * kStartFroude * std::sqrt(kGravity * layout_.drho)),
                        0.4);
    }

    // The head E1 at riser 1 at which it passes Q/N through the diameter `level`, by a model.
    double headAtLevel(const FlowModel& model, double level) const {
        return std::pow(share_ / (model.capacity[0] * level * level), 2.0);
    }

    // The choice that fits every run to the head E1 at riser 1: each riser's diameter that would
    // pass Q/N at E1 + its rise, and for each run the candidate nearest to the geometric middle
    // of its risers' diameters, which evens the largest departures above and below Q/N.
    Choice fittedAt(const FlowModel& model, double head1) const {
        Choice c;
        for (const Run& run : runs_) {
            double smallest = kInfinity;
            double largest = 0.0;
            for (int k = run.first; k <= run.last; ++k) {
                const auto i = static_cast<std::size_t>(k - 1);
                const double head = head1 + model.rise[i];
                if (!(head > 0.0)) continue;
                const double d = std::sqrt(share_ / (model.capacity[i] * std::sqrt(head)));
                smallest = std::min(smallest, d);
                largest = std::max(largest, d);
            }
            c.push_back(largest > 0.0 ? nearest(run, std::sqrt(smallest * largest))
                                      : candidateCount(run) - 1);
        }
        return c;
    }

    // A fit that holds at its own balance: the runs fitted to E1, the fit balanced on the model,
    // fitted again to the E1 it balances at, until the fit repeats. The candidates lie a step
    // apart, so the risers pass Q/N only on the whole, and the balance settles where they do.
    Choice balancedFit(const FlowModel& model, double head1) const {
        Choice c = fittedAt(model, head1);
        for (int refit = 0; refit < kMaxRefits; ++refit) {
            double balanced = 0.0;
            if (!balancedDischarges(model, riserDiameters(c), layout_.q, balanced)) break;
            Choice next = fittedAt(model, balanced);
            if (next == c) break;
            c = std::move(next);
        }
        return c;
    }

    // The balanced fits of `levels` (indexes from..to of them) ranked by a model, best first,
    // without repeats.
    std::vector<std::pair<Choice, Rank>> scanned(const RiserModel& model,
                                                 const std::vector<double>& levels, int from,
                                                 int to) const {
        std::vector<std::pair<Choice, Rank>> fits;
        for (int i = std::max(from, 0); i <= std::min(to, static_cast<int>(levels.size()) - 1);
             ++i) {
            Choice c = balancedFit(model.design,
                                   headAtLevel(model.design, levels[static_cast<std::size_t>(i)]));
            if (std::any_of(fits.begin(), fits.end(),
                            [&](const auto& f) { return f.first == c; })) {
                continue;
            }
            const Rank rank = predicted(model, c);
            fits.emplace_back(std::move(c), rank);
        }
        std::stable_sort(fits.begin(), fits.end(),
                         [](const auto& a, const auto& b) { return better(a.second, b.second); });
        return fits;
    }

    // Splits the sections into runs within the rows allowed. Each further run goes to the
    // section whose risers' discharges at one diameter differ the most for its number of runs
    // (m runs of a section cover about the m-th root of its ratio each); a section's runs hold
    // equal numbers of risers.
    void split(const FlowModel& model) {
        const std::size_t sections = layout_.sections.size();
        std::vector<double> spread(sections, 0.0);
        std::vector<int> pieces(sections, 1);
        for (std::size_t s = 0; s < sections; ++s) {
            const Section& section = layout_.sections[s];
            double least = kInfinity;
            double most = 0.0;
            for (int k = section.first; k <= section.last; ++k) {
                const auto i = static_cast<std::size_t>(k - 1);
                // The discharge per d^2 the riser passes at the head of the design weighed.
                const double unit = model.capacity[i] * std::sqrt(model.head1 + model.rise[i]);
                least = std::min(least, unit);
                most = std::max(most, unit);
            }
            spread[s] = std::log(most / least);
        }
        for (int spare = goals_.max_rows - static_cast<int>(sections); spare > 0; --spare) {
            std::optional<std::size_t> widest;
            for (std::size_t s = 0; s < sections; ++s) {
                const Section& section = layout_.sections[s];
                if (pieces[s] > section.last - section.first || !(spread[s] > 0.0)) continue;
                if (!widest || spread[s] / pieces[s] > spread[*widest] / pieces[*widest]) {
                    widest = s;
                }
            }
            if (!widest) break;
            ++pieces[*widest];
        }
        runs_.clear();
        for (std::size_t s = 0; s < sections; ++s) {
            const Section& section = layout_.sections[s];
            const int count = section.last - section.first + 1;
            int first = section.first;
            for (int p = 0; p < pieces[s]; ++p) {
                const int size = count / pieces[s] + (p < count % pieces[s] ? 1 : 0);
                runs_.push_back({s, first, first + size - 1});
                first += size;
            }
        }
    }

    // The levels of the scan: from the smallest to the largest candidate of riser 1's run,
    // within kLevelMargin of the diameters of equal risers at the bounds of the area ratio,
    // evenly on a logarithmic scale.
    std::vector<double> scanLevels() const {
        const std::vector<double>& c = layout_.sections.front().candidates;
        const double pipe = layout_.sections.back().pipe;
        const double n = layout_.risers;
        double from =
            std::max(c.front(), pipe * std::sqrt(goals_.area_ratio_lower / n) / kLevelMargin);
        double to =
            std::min(c.back(), pipe * std::sqrt(goals_.area_ratio_upper / n) * kLevelMargin);
        if (!(from < to)) {
            from = c.front();
            to = c.back();
        }
        std::vector<double> levels;
        for (int i = 0; i < kScanLevels; ++i)
            levels.push_back(from * std::pow(to / from, i / (kScanLevels - 1.0)));
        return levels;
    }

    // The steps of one run from `centre`.
    std::vector<Choice> singleSteps(const Choice& centre) const {
        std::vector<Choice> steps;
        for (std::size_t r = 0; r < runs_.size(); ++r) {
            for (const int step : kSingleSteps) {
                const int index = centre[r] + step;
                if (index < 0 || index >= candidateCount(runs_[r])) continue;
                Choice c = centre;
                c[r] = index;
                steps.push_back(std::move(c));
            }
        }
        return steps;
    }

    // The steps of two runs from `centre`, one a candidate up and the other one down.
    std::vector<Choice> pairSteps(const Choice& centre) const {
        std::vector<Choice> steps;
        for (std::size_t up = 0; up < runs_.size(); ++up) {
            for (std::size_t down = 0; down < runs_.size(); ++down) {
                const std::size_t apart = up > down ? up - down : down - up;
                if (apart == 0 || (apart > kPairReach && up != 0 && down != 0)) continue;
                if (centre[up] + 1 >= candidateCount(runs_[up]) || centre[down] == 0) continue;
                Choice c = centre;
                ++c[up];
                --c[down];
                steps.push_back(std::move(c));
            }
        }
        return steps;
    }

    // The choice a model of the risers leads to from `start`: the best step of one run, or
    // else of two, taken while it betters the design as the model ranks it.
    Choice improvedOnModel(const RiserModel& model, Choice start) const {
        Rank rank = predicted(model, start);
        for (int round = 0; round < kMaxModelRounds; ++round) {
            bool moved = false;
            for (const auto& steps : {singleSteps(start), pairSteps(start)}) {
                for (const Choice& c : steps) {
                    const Rank r = predicted(model, c);
                    if (better(r, rank)) {
                        rank = r;
                        start = c;
                        moved = true;
                    }
                }
                if (moved) break;
            }
            if (!moved) break;
        }
        return start;
    }

    void search(const std::optional<Weighed>& typed) {
        // The first design: the one typed when it can be balanced, else equal risers of a
        // moderate Froude number, else the smallest candidates, which give the most head. Its
        // model of the risers guides the scan.
        std::optional<RiserModel> model;
        std::vector<double> modelDiameters;
        if (typed && (model = modelOf(*typed))) {
            modelDiameters = typed->diameters;
            weighFirst(choiceOf(modelDiameters));
        } else {
            for (const Choice& c : {choiceOf(std::vector<double>(
                                        static_cast<std::size_t>(layout_.risers), startDiameter())),
                                    Choice(runs_.size(), 0)}) {
                const Weighed& w = weighFirst(c);
                model = modelOf(w);
                modelDiameters = w.diameters;
                if (model || stopped_.load()) break;
            }
        }
        if (!model || stopped_.load()) return;

        if (goals_.max_rows > static_cast<int>(layout_.sections.size())) {
            split(model->design);
            weighed_.clear();
            best_ = nullptr;
            weighFirst(choiceOf(modelDiameters));
            if (stopped_.load()) return;
        }

        // The scan on the first design's model: the fits it ranks best and fits evenly over
        // the sizes are weighed.
        const std::vector<double> levels = scanLevels();
        std::vector<Choice> chosen;
        const std::vector<std::pair<Choice, Rank>> fits =
            scanned(*model, levels, 0, kScanLevels - 1);
        for (std::size_t i = 0; i < std::min(kWeighedBest, fits.size()); ++i)
            chosen.push_back(fits[i].first);
        for (std::size_t i = 0; i < kWeighedEvenly; ++i) {
            const double at = (kScanLevels - 1.0) * (i + 0.5) / kWeighedEvenly;
            chosen.push_back(balancedFit(
                model->design, headAtLevel(model->design, levels[static_cast<std::size_t>(at)])));
        }
        weighAll(chosen, 0.02, 0.3);
        if (stopped_.load()) return;
        // The scan repeated near each of the best designs weighed, on its own model, which
        // holds the heads of risers of that size.
        std::vector<const std::pair<const Choice, Weighed>*> ranked;
        for (const auto& entry : weighed_)
            ranked.push_back(&entry);
        std::stable_sort(ranked.begin(), ranked.end(), [](const auto* a, const auto* b) {
            return better(a->second.judgement.rank, b->second.judgement.rank);
        });
        std::vector<std::vector<std::pair<Choice, Rank>>> rescans(
            std::min(kRescanned, ranked.size()));
        parallel(rescans.size(), [&](std::size_t i) {
            const std::optional<RiserModel> own = modelOf(ranked[i]->second);
            if (!own) return;
            // The level of that design: the diameter through which riser 1 passes Q/N at its E1.
            const double level =
                std::sqrt(share_ / (own->design.capacity[0] * std::sqrt(own->design.head1)));
            const auto at = std::lower_bound(levels.begin(), levels.end(), level) - levels.begin();
            // The best one's model is the nearest to an even design: it scans every size again.
            const int reach = i == 0 ? kScanLevels : kRescanReach;
            rescans[i] =
                scanned(*own, levels, static_cast<int>(at) - reach, static_cast<int>(at) + reach);
        });
        chosen.clear();
        for (const auto& rescan : rescans) {
            for (std::size_t i = 0; i < std::min(kWeighedPerRescan, rescan.size()); ++i)
                chosen.push_back(rescan[i].first);
        }
        weighAll(chosen, 0.3, 0.5);
        if (stopped_.load()) return;

        // The best design improved on its own model while what the model proposes betters it.
        for (int pass = 0; pass < kMaxModelPasses && !stopped_.load(); ++pass) {
            const Choice centre = best_->first;
            const std::optional<RiserModel> own = modelOf(best_->second);
            if (!own) break;
            const Choice proposed = improvedOnModel(*own, centre);
            if (weighed_.count(proposed) != 0) break;
            weighAll({proposed}, 0.6 + 0.02 * pass, 0.62 + 0.02 * pass);
            if (best_->first == centre) break;
        }
        improve();
    }

    // The best design stepped one run or two at a time, each step weighed, while a step betters
    // it.
    void improve() {
        for (int round = 0; !stopped_.load(); ++round) {
            const double from = 1.0 - 0.16 * std::pow(0.85, round);
            const double to = 1.0 - 0.16 * std::pow(0.85, round + 1);
            const Choice centre = best_->first;
            weighAll(singleSteps(centre), from, 0.5 * (from + to));
            if (best_->first != centre) continue;
            weighAll(pairSteps(centre), 0.5 * (from + to), to);
            if (best_->first == centre) return;
        }
    }

    // ---- The result ----

    // The runs of `choice` with neighbouring runs of one section and one diameter made one, and
    // the choice of those runs.
    std::pair<std::vector<Run>, Choice> merged(const Choice& choice) const {
        std::vector<Run> runs;
        Choice indexes;
        for (std::size_t r = 0; r < runs_.size(); ++r) {
            if (!runs.empty() && runs.back().section == runs_[r].section &&
                indexes.back() == choice[r]) {
                runs.back().last = runs_[r].last;
                continue;
            }
            runs.push_back(runs_[r]);
            indexes.push_back(choice[r]);
        }
        return {runs, indexes};
    }

    std::vector<SectionSizing> sectionsOf(const std::vector<Run>& runs,
                                          const Choice& choice) const {
        std::vector<SectionSizing> out;
        for (std::size_t s = 0; s < layout_.sections.size(); ++s) {
            const Section& section = layout_.sections[s];
            SectionSizing sizing;
            sizing.section = static_cast<int>(s + 1);
            sizing.first_riser = section.first;
            sizing.last_riser = section.last;
            sizing.pipe_diameter = section.pipe;
            sizing.current_diameter = section.diameter;
            for (std::size_t r = 0; r < runs.size(); ++r) {
                if (runs[r].section != s) continue;
                sizing.proposed.push_back(
                    {runs[r].first, runs[r].last, candidate(runs[r], choice[r])});
            }
            out.push_back(std::move(sizing));
        }
        return out;
    }

    // The checks of `in` solved at `qc`: the user flow mode with x = qc N / Q.
    std::vector<CheckResult> checksAt(const DiffuserInput& in, double qc, double q) const {
        DiffuserInput at = in;
        at.flow_mode = FlowMode::user;
        at.ratio = formatGeneral(qc * layout_.risers / q, locale_);
        SharedState state;
        const SolveOutcome outcome = solveDesign(at, state, locale_, nullptr, ReportWanted::no);
        return checkDesign(at, state, outcome, locale_, goals_.check_settings);
    }

    SizedDesign describe(const DiffuserInput& in, const Weighed& w) const {
        SizedDesign d;
        d.problem = in;
        d.design_flow = w.design;
        d.low_flow = w.low;
        d.discharges = w.q;
        d.froude = w.froude;
        d.low_flow_discharges = w.qLow;
        d.low_flow_froude = w.froudeLow;
        d.spread = w.figures.spread;
        d.froude_min = w.froudeMin;
        d.froude_max = w.figures.froudeMax;
        d.low_flow_froude_min = w.figures.lowMin;
        d.low_flow_froude_max = w.lowMax;
        d.area_ratio = w.figures.areaRatio;
        d.landward_head = w.figures.head;
        d.goals = w.judgement.goals;
        d.goals_met = w.judgement.met;
        if (w.design.balanced) d.checks = checksAt(in, w.design.qc, layout_.q);
        if (w.low.balanced) d.low_flow_checks = checksAt(atLowFlow(in), w.low.qc, layout_.low.q);
        d.cross_check = crossCheck(in, locale_);
        return d;
    }

    const DiffuserInput& problem_;
    const SizingGoals& goals_;
    Layout layout_;
    const NumberLocale& locale_;
    unsigned threads_;
    SizingProgress* progress_;
    double share_;  // Q/N, m^3/s
    std::vector<Run> runs_;
    std::map<Choice, Weighed> weighed_;
    const std::pair<const Choice, Weighed>* best_ = nullptr;
    std::atomic<long> designs_{0};
    std::atomic<bool> stopped_{false};
};

}  // namespace

std::string_view nameOf(SizingGoal goal) {
    switch (goal) {
        case SizingGoal::uniformity:
            return "uniformity";
        case SizingGoal::froude_low:
            return "froude_low";
        case SizingGoal::riser_area:
            return "riser_area";
        case SizingGoal::froude_design:
            return "froude_design";
    }
    return {};
}

std::vector<double> defaultRiserDiameters(double pipeDiameter) {
    std::vector<double> diameters;
    // Whole steps counted from 25 mm, each written as its box would write it.
    const double steps =
        std::floor((pipeDiameter - kSmallestDefaultRiser) / kDefaultRiserStep + 1e-9);
    for (double k = 0; k <= steps; ++k) {
        const double d = asWritten(kSmallestDefaultRiser + k * kDefaultRiserStep);
        if (d <= pipeDiameter) diameters.push_back(d);
    }
    return diameters;
}

SizingResult sizeRisers(const DiffuserInput& problem, const SizingGoals& goals,
                        const std::vector<double>& diameters, const NumberLocale& locale,
                        unsigned threads, SizingProgress* progress) {
    SizingResult result;
    result.goals = goals;
    if (std::optional<SizingBlock> wrong = checkGoals(goals, diameters)) {
        result.blocked = std::move(wrong);
        return result;
    }
    std::variant<Layout, SizingBlock> layout = readLayout(problem, goals, diameters, locale);
    if (auto* b = std::get_if<SizingBlock>(&layout)) {
        result.blocked = std::move(*b);
        return result;
    }
    return Sizing(problem, goals, std::get<Layout>(std::move(layout)), locale, threads, progress)
        .run();
}

}  // namespace thalmuro
