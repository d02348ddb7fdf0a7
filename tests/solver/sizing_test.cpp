// Riser sizing: the proposal against an exhaustive search of small designs, designs that fail
// the uniformity check made to hold, a design with no possible answer, the same proposal on one
// thread or several, the host's stop, and what cannot be sized.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

const NumberLocale kEnglish = NumberLocale::english();
const NumberLocale kGreek = NumberLocale::greek();

// One section as typed: first and last riser, D, Δl, Δz, d.
using Row = std::array<const char*, 6>;

DiffuserInput design(int risers, const char* q, const char* drho, const std::vector<Row>& rows,
                     FittingType fitting = FittingType::Sharp) {
    DiffuserInput in;
    in.risers = std::to_string(risers);
    in.sections = std::to_string(rows.size());
    in.total_discharge = q;
    in.drho = drho;
    in.manning = "0.012";
    in.fitting = fitting;
    for (std::size_t s = 0; s < rows.size(); ++s) {
        in.rows[s] = {rows[s][0], rows[s][1], rows[s][2], rows[s][3], rows[s][4], rows[s][5]};
    }
    return in;
}

// Diameters from `first` to `last` mm every 5 mm, in m.
std::vector<double> millimetres(int first, int last) {
    std::vector<double> d;
    for (int mm = first; mm <= last; mm += 5)
        d.push_back(mm / 1000.0);
    return d;
}

const CheckResult& check(const std::vector<CheckResult>& checks, CheckId id) {
    return *std::find_if(checks.begin(), checks.end(),
                         [&](const CheckResult& c) { return c.id == id; });
}

const GoalStatus& goal(const SizedDesign& d, SizingGoal g) {
    return d.goals[static_cast<std::size_t>(g)];
}

// ---- The exhaustive search ----

// A design judged as the test sees it: its own march balanced by the cross-check at the design
// discharge and at the low flow, the Froude numbers of a Solve at the balancing qc, and the area
// ratio from the diameters. Nothing is taken from the sizing.
struct Judged {
    bool meets = false;      // every riser within the tolerance, Froude >= 1 at the low flow,
                             // the area ratio within 1/3..2/3
    bool preferred = false;  // and every Froude number at the design Q at most 10
    double head = 0.0;
};

Judged judgeByHand(const DiffuserInput& in, const std::vector<double>& riserDiameters, double lowQ,
                   double tolerance) {
    Judged j;
    const int n = std::stoi(in.risers);
    const double q = std::stod(in.total_discharge);
    const double pipe =
        std::stod(in.rows[static_cast<std::size_t>(std::stoi(in.sections) - 1)].pipe_diameter);
    double area = 0.0;
    for (const double d : riserDiameters)
        area += d * d;
    const double ratio = area / (pipe * pipe);
    if (ratio < 1.0 / 3.0 || ratio > 2.0 / 3.0) return j;
    const MarchSummary design = crossCheck(in, kEnglish).program;
    if (!design.balanced) return j;
    const double share = q / n;
    const double spread = std::max(design.q_max / share - 1.0, 1.0 - design.q_min / share) * 100.0;
    if (spread > tolerance) return j;
    DiffuserInput low = in;
    low.total_discharge = formatGeneral(lowQ, kEnglish);
    const MarchSummary lowFlow = crossCheck(low, kEnglish).program;
    if (!lowFlow.balanced || lowFlow.froude_min < 1.0) return j;
    j.meets = true;
    j.head = design.landward_head;
    DiffuserInput atQc = in;
    atQc.flow_mode = FlowMode::user;
    atQc.ratio = formatGeneral(design.qc * n / q, kEnglish);
    SharedState state;
    Solve(atQc, state, kEnglish);
    j.preferred = std::all_of(state.results.froude.begin(), state.results.froude.begin() + n,
                              [](double f) { return f <= 10.0; });
    return j;
}

struct ExhaustiveCase {
    const char* name;
    DiffuserInput problem;
    std::vector<double> candidates;
    bool perRiser;  // every riser a row of its own, as far as the sizing may split sections
};

void PrintTo(const ExhaustiveCase& c, std::ostream* out) {
    *out << c.name;
}

class SizingAgainstExhaustiveSearch : public ::testing::TestWithParam<ExhaustiveCase> {};

// Every choice of the candidates (one per section, or one per riser) judged by hand: whenever
// some choice meets the goals, the proposal does too, with a landward head within 1 % of the
// lowest of those choices (of those that also keep the Froude numbers at most 10, when any
// does).
TEST_P(SizingAgainstExhaustiveSearch, FindsTheLowestHeadThatMeetsTheGoals) {
    const ExhaustiveCase& c = GetParam();
    const DiffuserInput& in = c.problem;
    const int n = std::stoi(in.risers);
    const std::size_t sections = static_cast<std::size_t>(std::stoi(in.sections));
    std::vector<std::size_t> sectionOf;
    for (std::size_t s = 0; s < sections; ++s) {
        for (int k = std::stoi(in.rows[s].first_riser); k <= std::stoi(in.rows[s].last_riser); ++k)
            sectionOf.push_back(s);
    }
    const std::size_t units = c.perRiser ? static_cast<std::size_t>(n) : sections;
    const double lowQ = 0.25 * std::stod(in.total_discharge);

    double lowest = INFINITY;
    double lowestPreferred = INFINITY;
    std::vector<std::size_t> pick(units, 0);
    for (bool more = true; more;) {
        DiffuserInput d = in;
        std::vector<double> riserDiameters;
        if (c.perRiser) {
            d.sections = in.risers;
            for (int k = 0; k < n; ++k) {
                const SectionRow& s = in.rows[sectionOf[static_cast<std::size_t>(k)]];
                const double diameter = c.candidates[pick[static_cast<std::size_t>(k)]];
                d.rows[static_cast<std::size_t>(k)] = {
                    std::to_string(k + 1), std::to_string(k + 1),
                    s.pipe_diameter,       s.spacing,
                    s.elevation_step,      formatGeneral(diameter, kEnglish)};
                riserDiameters.push_back(diameter);
            }
        } else {
            for (int k = 0; k < n; ++k)
                riserDiameters.push_back(
                    c.candidates[pick[sectionOf[static_cast<std::size_t>(k)]]]);
            for (std::size_t s = 0; s < sections; ++s)
                d.rows[s].riser_diameter = formatGeneral(c.candidates[pick[s]], kEnglish);
        }
        const Judged j = judgeByHand(d, riserDiameters, lowQ, kDefaultUniformityTolerance);
        if (j.meets) lowest = std::min(lowest, j.head);
        if (j.meets && j.preferred) lowestPreferred = std::min(lowestPreferred, j.head);
        more = false;
        for (std::size_t u = 0; u < units && !more; ++u) {
            pick[u] = (pick[u] + 1) % c.candidates.size();
            more = pick[u] != 0;
        }
    }
    ASSERT_TRUE(std::isfinite(lowest)) << "no choice meets the goals: a case that tests nothing";

    SizingGoals goals;
    goals.max_rows = c.perRiser ? n : static_cast<int>(sections);
    const SizingResult result = sizeRisers(in, goals, c.candidates, kEnglish, 1);
    ASSERT_FALSE(result.blocked);
    const SizedDesign& p = result.proposal;
    EXPECT_TRUE(p.goals_met);
    const double best = std::isfinite(lowestPreferred) ? lowestPreferred : lowest;
    EXPECT_EQ(goal(p, SizingGoal::froude_design).met, std::isfinite(lowestPreferred));
    EXPECT_LE(p.landward_head, 1.01 * best);
    // The proposal judged by hand as well: it is one of the choices.
    std::vector<double> riserDiameters;
    for (const SectionSizing& s : result.sections) {
        for (const RiserRun& run : s.proposed) {
            EXPECT_NE(std::find(c.candidates.begin(), c.candidates.end(), run.diameter),
                      c.candidates.end());
            riserDiameters.insert(riserDiameters.end(),
                                  static_cast<std::size_t>(run.last_riser - run.first_riser + 1),
                                  run.diameter);
        }
    }
    const Judged j = judgeByHand(p.problem, riserDiameters, lowQ, kDefaultUniformityTolerance);
    EXPECT_TRUE(j.meets);
    EXPECT_NEAR(j.head, p.landward_head, 1e-9 * j.head);
}

INSTANTIATE_TEST_SUITE_P(
    SmallDesigns, SizingAgainstExhaustiveSearch,
    ::testing::Values(
        ExhaustiveCase{"two_sections",
                       design(8, "0.12", "0.025",
                              {{"1", "4", "0.25", "6", "0.15", "0.1"},
                               {"5", "8", "0.35", "6", "0.15", "0.1"}}),
                       millimetres(60, 120), false},
        ExhaustiveCase{"three_sections",
                       design(12, "0.3", "0.028",
                              {{"1", "4", "0.3", "6", "0.25", "0.1"},
                               {"5", "8", "0.4", "6", "0.25", "0.1"},
                               {"9", "12", "0.5", "6", "0.25", "0.1"}}),
                       millimetres(70, 105), false},
        // On a level bed only friction raises the head; the Froude numbers can stay below 10.
        ExhaustiveCase{
            "level_bed_froude_preferred",
            design(10, "0.12", "0.027",
                   {{"1", "5", "0.3", "6", "0.02", "0.1"}, {"6", "10", "0.4", "6", "0.02", "0.1"}}),
            millimetres(60, 120), false},
        ExhaustiveCase{"bell_mouths",
                       design(9, "0.2", "0.03",
                              {{"1", "3", "0.35", "6", "0.2", "0.1"},
                               {"4", "6", "0.4", "6", "0.2", "0.1"},
                               {"7", "9", "0.45", "6", "0.2", "0.1"}},
                              FittingType::Bell),
                       millimetres(80, 115), false},
        // One section split into a run per riser.
        ExhaustiveCase{"tapered_per_riser",
                       design(4, "0.06", "0.025", {{"1", "4", "0.3", "6", "0.3", "0.08"}}),
                       millimetres(60, 90), true},
        ExhaustiveCase{"two_sections_tapered_per_riser",
                       design(5, "0.08", "0.03",
                              {{"1", "2", "0.25", "6", "0.4", "0.08"},
                               {"3", "5", "0.35", "6", "0.4", "0.08"}}),
                       millimetres(70, 95), true}),
    [](const ::testing::TestParamInfo<ExhaustiveCase>& info) { return info.param.name; });

// ---- Designs that fail the checks ----

struct FailingCase {
    const char* name;
    DiffuserInput problem;
    NumberLocale locale;
};

void PrintTo(const FailingCase& c, std::ostream* out) {
    *out << c.name;
}

class SizingOfFailingDesigns : public ::testing::TestWithParam<FailingCase> {};

// Designs whose discharges spread beyond the check's ±10 %: the proposal meets every goal, its
// checks say so at both flows, and it is a problem that solves to the figures proposed.
TEST_P(SizingOfFailingDesigns, ProposalMeetsTheGoalsAndItsChecksSaySo) {
    const FailingCase& c = GetParam();
    const SizingResult result = sizeRisers(c.problem, {}, {}, c.locale, 2);
    ASSERT_FALSE(result.blocked);
    ASSERT_TRUE(result.current);
    EXPECT_EQ(check(result.current->checks, CheckId::uniformity).verdict, Verdict::warning);
    EXPECT_FALSE(goal(*result.current, SizingGoal::uniformity).met);

    const SizedDesign& p = result.proposal;
    ASSERT_TRUE(p.goals_met);
    EXPECT_LE(p.spread, kDefaultUniformityTolerance);
    EXPECT_GE(p.low_flow_froude_min, 1.0);
    EXPECT_GE(p.area_ratio, 1.0 / 3.0);
    EXPECT_LE(p.area_ratio, 2.0 / 3.0);
    for (const CheckId id : {CheckId::uniformity, CheckId::riser_area, CheckId::balance_error,
                             CheckId::skipped_steps}) {
        EXPECT_EQ(check(p.checks, id).verdict, Verdict::holds) << nameOf(id);
    }
    EXPECT_EQ(check(p.low_flow_checks, CheckId::froude_min).verdict, Verdict::holds);
    EXPECT_EQ(check(p.checks, CheckId::froude_max).verdict,
              goal(p, SizingGoal::froude_design).met ? Verdict::holds : Verdict::warning);
    ASSERT_TRUE(p.cross_check.program.balanced);
    EXPECT_NEAR(p.cross_check.program.landward_head, p.landward_head, 1e-12 * p.landward_head);

    // The sections keep their risers, pipes and order; their runs cover them and are the rows of
    // the problem proposed, whose other boxes are as typed.
    const int rows = std::stoi(p.problem.sections);
    EXPECT_LE(rows, kSectionRows);
    int row = 0;
    for (const SectionSizing& s : result.sections) {
        const SectionRow& typed = c.problem.rows[static_cast<std::size_t>(s.section - 1)];
        ASSERT_FALSE(s.proposed.empty());
        EXPECT_EQ(s.proposed.front().first_riser, s.first_riser);
        EXPECT_EQ(s.proposed.back().last_riser, s.last_riser);
        for (std::size_t r = 0; r < s.proposed.size(); ++r) {
            const RiserRun& run = s.proposed[r];
            if (r > 0) {
                EXPECT_EQ(run.first_riser, s.proposed[r - 1].last_riser + 1);
                EXPECT_NE(run.diameter, s.proposed[r - 1].diameter);
            }
            EXPECT_LE(run.diameter, s.pipe_diameter);
            const SectionRow& proposed = p.problem.rows[static_cast<std::size_t>(row++)];
            EXPECT_EQ(proposed.first_riser, std::to_string(run.first_riser));
            EXPECT_EQ(proposed.last_riser, std::to_string(run.last_riser));
            EXPECT_EQ(proposed.pipe_diameter, typed.pipe_diameter);
            EXPECT_EQ(proposed.spacing, typed.spacing);
            EXPECT_EQ(proposed.elevation_step, typed.elevation_step);
            EXPECT_EQ(readLocaleNumber(proposed.riser_diameter, c.locale), run.diameter);
        }
    }
    EXPECT_EQ(row, rows);
    EXPECT_EQ(p.problem.total_discharge, c.problem.total_discharge);
    EXPECT_EQ(p.problem.drho, c.problem.drho);
    EXPECT_EQ(p.problem.manning, c.problem.manning);
    EXPECT_EQ(p.problem.flow_mode, c.problem.flow_mode);
    EXPECT_EQ(p.problem.fitting, c.problem.fitting);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, SizingOfFailingDesigns,
    ::testing::Values(FailingCase{"worked_example", workedExample(kGreek), kGreek},
                      FailingCase{"ten_risers",
                                  design(10, "0.2", "0.028",
                                         {{"1", "5", "0.35", "5", "0.25", "0.12"},
                                          {"6", "10", "0.45", "5", "0.25", "0.12"}}),
                                  kEnglish},
                      FailingCase{"thirty_six_risers",
                                  design(36, "1", "0.026",
                                         {{"1", "9", "0.45", "4", "0.1", "0.12"},
                                          {"10", "18", "0.55", "4", "0.1", "0.12"},
                                          {"19", "27", "0.65", "4", "0.1", "0.12"},
                                          {"28", "36", "0.75", "4", "0.1", "0.12"}}),
                                  kEnglish}),
    [](const ::testing::TestParamInfo<FailingCase>& info) { return info.param.name; });

// Twenty-four risers a metre apart on a level bed passing 3.6 l/s: at a quarter of it not even
// the smallest riser reaches Froude 1. The closest choice is every riser at the smallest candidate,
// and the Froude goal fails by the figure's distance from 1; the other goals hold.
TEST(SizingWithoutAnswer, ReportsTheClosestChoiceAndTheFailedGoal) {
    const DiffuserInput in = design(24, "0.0036", "0.028", {{"1", "24", "0.2", "1", "0", "0.05"}});
    const SizingResult result = sizeRisers(in, {}, {}, kEnglish, 2);
    ASSERT_FALSE(result.blocked);
    const SizedDesign& p = result.proposal;
    EXPECT_FALSE(p.goals_met);
    const GoalStatus& froude = goal(p, SizingGoal::froude_low);
    EXPECT_FALSE(froude.met);
    EXPECT_LT(froude.value, 1.0);
    EXPECT_EQ(froude.limit, 1.0);
    EXPECT_DOUBLE_EQ(froude.shortfall, 1.0 - froude.value);
    EXPECT_EQ(froude.value, p.low_flow_froude_min);
    for (const SizingGoal g : {SizingGoal::uniformity, SizingGoal::riser_area}) {
        EXPECT_TRUE(goal(p, g).met) << nameOf(g);
        EXPECT_EQ(goal(p, g).shortfall, 0.0);
    }
    ASSERT_EQ(result.sections.size(), 1u);
    ASSERT_EQ(result.sections[0].proposed.size(), 1u);
    EXPECT_EQ(result.sections[0].proposed[0].diameter, kSmallestDefaultRiser);
    EXPECT_EQ(check(p.low_flow_checks, CheckId::froude_min).verdict, Verdict::warning);
}

// ---- Threads, progress and stop ----

const DiffuserInput& thirtySix() {
    static const DiffuserInput in = design(36, "1", "0.026",
                                           {{"1", "9", "0.45", "4", "0.1", "0.12"},
                                            {"10", "18", "0.55", "4", "0.1", "0.12"},
                                            {"19", "27", "0.65", "4", "0.1", "0.12"},
                                            {"28", "36", "0.75", "4", "0.1", "0.12"}});
    return in;
}

// The designs are weighed in batches on the threads and taken in a fixed order: one thread and
// several weigh the same designs and propose the same, to the bit.
TEST(SizingThreads, SameProposalOnOneThreadOrSeveral) {
    const SizingResult one = sizeRisers(thirtySix(), {}, {}, kEnglish, 1);
    for (const unsigned threads : {2u, 5u}) {
        SCOPED_TRACE(threads);
        const SizingResult many = sizeRisers(thirtySix(), {}, {}, kEnglish, threads);
        EXPECT_EQ(many.designs, one.designs);
        EXPECT_EQ(many.proposal.problem, one.proposal.problem);
        EXPECT_EQ(many.proposal.landward_head, one.proposal.landward_head);
        EXPECT_EQ(many.proposal.discharges, one.proposal.discharges);
    }
}

// Stops after `limit` designs and keeps what it was told, from any thread.
class StopAfter final : public SizingProgress {
  public:
    explicit StopAfter(long limit) : limit_(limit) {}
    bool keepGoing(long designs, double fraction) override {
        calls_.fetch_add(1);
        if (fraction < 0.0 || fraction > 1.0) outOfRange_.store(true);
        return designs < limit_;
    }
    long calls() const { return calls_.load(); }
    bool outOfRange() const { return outOfRange_.load(); }

  private:
    long limit_;
    std::atomic<long> calls_{0};
    std::atomic<bool> outOfRange_{false};
};

// A stop ends the search within the designs being weighed at the time, and the best design
// weighed until then is proposed, weighed and checked as always. A host that stops at once still
// gets the first design. Without a stop every design weighed is told, with a fraction that never
// goes back.
TEST(SizingProgress, TheHostStopsTheSearch) {
    for (const unsigned threads : {1u, 3u}) {
        for (const long limit : {1L, 20L}) {
            SCOPED_TRACE(std::to_string(threads) + " threads, stop at " + std::to_string(limit));
            StopAfter stop(limit);
            const SizingResult result = sizeRisers(thirtySix(), {}, {}, kEnglish, threads, &stop);
            EXPECT_TRUE(result.stopped);
            EXPECT_GE(result.designs, limit);
            EXPECT_LE(result.designs, limit + static_cast<long>(threads) - 1);
            EXPECT_EQ(stop.calls(), result.designs);
            EXPECT_FALSE(stop.outOfRange());
            EXPECT_TRUE(result.proposal.design_flow.balanced);
            EXPECT_FALSE(result.proposal.checks.empty());
        }
    }

    class Follow final : public SizingProgress {
      public:
        bool keepGoing(long designs, double fraction) override {
            if (designs != last_ + 1 || fraction < fraction_ || fraction > 1.0) wrong_ = true;
            last_ = designs;
            fraction_ = fraction;
            return true;
        }
        long last_ = 0;
        double fraction_ = 0.0;
        bool wrong_ = false;
    } follow;
    const SizingResult result = sizeRisers(thirtySix(), {}, {}, kEnglish, 1, &follow);
    EXPECT_FALSE(result.stopped);
    EXPECT_FALSE(follow.wrong_);
    EXPECT_EQ(follow.last_, result.designs);
}

// ---- Candidates and rows ----

// The defaults run every 5 mm from 25 mm up to the pipe, each as its box writes it; a pipe
// narrower than 25 mm has none.
TEST(DefaultRiserDiameters, EveryFiveMillimetresUpToThePipe) {
    struct Case {
        double pipe;
        std::size_t count;
        double last;
    };
    for (const Case& c : {Case{0.2, 36, 0.2}, Case{0.2049, 36, 0.2}, Case{0.025, 1, 0.025},
                          Case{1.5, 296, 1.5}, Case{0.0249, 0, 0.0}}) {
        SCOPED_TRACE(c.pipe);
        const std::vector<double> d = defaultRiserDiameters(c.pipe);
        ASSERT_EQ(d.size(), c.count);
        if (d.empty()) continue;
        EXPECT_EQ(d.back(), c.last);
        for (std::size_t i = 0; i < d.size(); ++i) {
            const double mm = 25.0 + 5.0 * static_cast<double>(i);
            EXPECT_EQ(formatGeneral(d[i], kEnglish), formatGeneral(mm / 1000.0, kEnglish));
            EXPECT_EQ(readLocaleNumber(formatGeneral(d[i], kEnglish), kEnglish), d[i]);
        }
    }
}

// The rows the proposal may use: the sections kept whole, or split within the table's rows.
// A list of standard sizes is taken in any order, each section taking those that fit its pipe.
TEST(SizingRows, SectionsKeptWholeOrSplitWithinTheRowsAllowed) {
    struct Case {
        int maxRows;
        std::vector<double> diameters;
    };
    const std::vector<double> standard{0.15, 0.08, 0.1, 0.125, 0.09, 0.11, 0.1, 0.6};
    for (const Case& c : {Case{5, {}}, Case{8, {}}, Case{30, standard}}) {
        SCOPED_TRACE(c.maxRows);
        SizingGoals goals;
        goals.max_rows = c.maxRows;
        const SizingResult result =
            sizeRisers(workedExample(kGreek), goals, c.diameters, kGreek, 2);
        ASSERT_FALSE(result.blocked);
        EXPECT_LE(std::stoi(result.proposal.problem.sections), c.maxRows);
        for (const SectionSizing& s : result.sections) {
            if (c.maxRows == 5) {
                EXPECT_EQ(s.proposed.size(), 1u);
            }
            for (const RiserRun& run : s.proposed) {
                EXPECT_LE(run.diameter, s.pipe_diameter);
                if (!c.diameters.empty()) {
                    EXPECT_NE(std::find(c.diameters.begin(), c.diameters.end(), run.diameter),
                              c.diameters.end());
                }
            }
        }
    }
}

// ---- What cannot be sized ----

TEST(SizingBlocked, SaysWhatCannotBeSized) {
    struct Case {
        const char* name;
        void (*change)(DiffuserInput&, SizingGoals&, std::vector<double>&);
        SizingBlockKind kind;
        int row;
        InputQuantity quantity;
        SizingSetting setting;
    };
    using K = SizingBlockKind;
    using Q = InputQuantity;
    using S = SizingSetting;
    const Case cases[] = {
        {"no risers", [](DiffuserInput& in, SizingGoals&, auto&) { in.risers = "0"; },
         K::risers_outside_range, 0, Q::risers, S::tolerance},
        {"102 risers", [](DiffuserInput& in, SizingGoals&, auto&) { in.risers = "102"; },
         K::risers_outside_range, 0, Q::risers, S::tolerance},
        {"31 sections", [](DiffuserInput& in, SizingGoals&, auto&) { in.sections = "31"; },
         K::sections_outside_range, 0, Q::risers, S::tolerance},
        {"Q unreadable", [](DiffuserInput& in, SizingGoals&, auto&) { in.total_discharge = "x"; },
         K::value_unreadable, 0, Q::total_discharge, S::tolerance},
        {"drho zero", [](DiffuserInput& in, SizingGoals&, auto&) { in.drho = "0"; },
         K::value_not_positive, 0, Q::drho, S::tolerance},
        {"pipe unreadable",
         [](DiffuserInput& in, SizingGoals&, auto&) { in.rows[2].pipe_diameter = "D"; },
         K::value_unreadable, 3, Q::pipe_diameter, S::tolerance},
        {"spacing negative",
         [](DiffuserInput& in, SizingGoals&, auto&) { in.rows[1].spacing = "-8"; },
         K::value_not_positive, 2, Q::spacing, S::tolerance},
        {"gap between rows",
         [](DiffuserInput& in, SizingGoals&, auto&) { in.rows[1].first_riser = "4"; },
         K::rows_not_in_order, 2, Q::risers, S::tolerance},
        {"last row short of N",
         [](DiffuserInput& in, SizingGoals&, auto&) { in.rows[4].last_riser = "13"; },
         K::rows_not_in_order, 5, Q::risers, S::tolerance},
        {"riser in half",
         [](DiffuserInput& in, SizingGoals&, auto&) { in.rows[0].last_riser = "2,5"; },
         K::rows_not_in_order, 1, Q::risers, S::tolerance},
        {"no size fits the pipe",
         [](DiffuserInput&, SizingGoals&, std::vector<double>& d) {
             d = {0.3, 0.35};
         },
         K::no_candidate, 1, Q::risers, S::tolerance},
        {"tolerance zero", [](DiffuserInput&, SizingGoals& g, auto&) { g.tolerance = 0; },
         K::setting_invalid, 0, Q::risers, S::tolerance},
        {"low flow negative",
         [](DiffuserInput&, SizingGoals& g, auto&) {
             g.low_flow = OperatingCondition{-1, 0.03};
         },
         K::setting_invalid, 0, Q::risers, S::low_flow_q},
        {"Froude bounds crossed", [](DiffuserInput&, SizingGoals& g, auto&) { g.froude_max = 0.5; },
         K::setting_invalid, 0, Q::risers, S::froude_bounds},
        {"area range empty",
         [](DiffuserInput&, SizingGoals& g, auto&) { g.area_ratio_upper = 0.2; },
         K::setting_invalid, 0, Q::risers, S::area_ratio},
        {"fewer rows than sections", [](DiffuserInput&, SizingGoals& g, auto&) { g.max_rows = 4; },
         K::setting_invalid, 0, Q::risers, S::max_rows},
        {"diameter not positive",
         [](DiffuserInput&, SizingGoals&, std::vector<double>& d) {
             d = {0.1, 0.0};
         },
         K::setting_invalid, 0, Q::risers, S::diameters},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DiffuserInput in = workedExample(kGreek);
        SizingGoals goals;
        std::vector<double> diameters;
        c.change(in, goals, diameters);
        const SizingResult result = sizeRisers(in, goals, diameters, kGreek, 1);
        ASSERT_TRUE(result.blocked);
        EXPECT_EQ(result.blocked->kind, c.kind);
        EXPECT_EQ(result.blocked->row, c.row);
        EXPECT_EQ(result.designs, 0);
        if (c.kind == K::value_unreadable || c.kind == K::value_not_positive) {
            EXPECT_EQ(result.blocked->quantity, c.quantity);
        }
        if (c.kind == K::setting_invalid) {
            EXPECT_EQ(result.blocked->setting, c.setting);
        }
    }
}

}  // namespace
}  // namespace thalmuro
