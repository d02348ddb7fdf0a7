// Operating conditions: the list and its grammar, the conditions solved on worker threads
// against plain Solves of the same problems, a stop by the host, and the CSV table.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "thalmuro/engine.h"
#include "thalmuro/wording.h"

namespace thalmuro {
namespace {

const NumberLocale kGreek = NumberLocale::greek();
const NumberLocale kEnglish = NumberLocale::english();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The texts a host gives the table of conditions, each its own, so that a test sees which
// column and verdict each one heads or words.
ConditionsCsvWords hostWords() {
    ConditionsCsvWords words{"Q",
                             "drho",
                             "qc",
                             "Qcalc",
                             "e",
                             "E_N",
                             "Fr min",
                             "Fr max",
                             "q max",
                             "q min",
                             {},
                             "skipped",
                             {"ok", "warn", "n/j"}};
    for (const ThresholdInfo& info : checkThresholds())
        words.checks[static_cast<std::size_t>(info.id)] = std::string(info.name);
    return words;
}

using Conditions = std::vector<OperatingCondition>;

DiffuserInput worked(FlowMode mode = FlowMode::standard, const NumberLocale& locale = kGreek) {
    DiffuserInput in = workedExample(locale);
    in.flow_mode = mode;
    return in;
}

// Equal to the bit, a figure that is not a number equal to another.
bool same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

void expectConditions(const Conditions& actual, const Conditions& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].q, expected[i].q) << "condition " << i + 1;
        EXPECT_EQ(actual[i].drho, expected[i].drho) << "condition " << i + 1;
    }
}

void expectSameResult(const ConditionResult& a, const ConditionResult& b) {
    EXPECT_EQ(a.solved, b.solved);
    EXPECT_EQ(a.condition.q, b.condition.q);
    EXPECT_EQ(a.condition.drho, b.condition.drho);
    EXPECT_EQ(a.balance.qc, b.balance.qc);
    EXPECT_EQ(a.balance.qcalc, b.balance.qcalc);
    EXPECT_EQ(a.balance.passes, b.balance.passes);
    EXPECT_EQ(a.balance.stopped_by_host, b.balance.stopped_by_host);
    const double ConditionResult::*figures[] = {
        &ConditionResult::balance_error, &ConditionResult::landward_head,
        &ConditionResult::froude_min,    &ConditionResult::froude_max,
        &ConditionResult::q_max,         &ConditionResult::q_min};
    for (const auto figure : figures)
        EXPECT_TRUE(same(a.*figure, b.*figure)) << a.*figure << " against " << b.*figure;
    EXPECT_EQ(a.skipped_steps, b.skipped_steps);
    ASSERT_EQ(a.checks.size(), b.checks.size());
    for (std::size_t i = 0; i < a.checks.size(); ++i) {
        SCOPED_TRACE(nameOf(a.checks[i].id));
        EXPECT_EQ(a.checks[i].id, b.checks[i].id);
        EXPECT_EQ(a.checks[i].verdict, b.checks[i].verdict);
        EXPECT_EQ(checkValues(a.checks[i]), checkValues(b.checks[i]));
        const NumberLocale plain = NumberLocale::english();
        EXPECT_EQ(checkSummary(a.checks[i], Language::english, plain),
                  checkSummary(b.checks[i], Language::english, plain));
    }
}

// The steps of the computation a Solve skipped, each repeat counted: a condition writes no
// report, so its report lines are not among them.
std::size_t computedStepsSkipped(const SolveOutcome& outcome) {
    long steps = 0;
    for (const Skip& skip : outcome.skipped) {
        if (skip.kind != StepKind::report_line) steps += skip.count;
    }
    return static_cast<std::size_t>(steps);
}

// What a condition must give: the problem solved by itself on fresh shared variables with the
// texts of the condition's Q and Δρ/ρ, and checked.
ConditionResult solvedAlone(const DiffuserInput& input, const OperatingCondition& condition,
                            const NumberLocale& locale, const CheckSettings& settings = {},
                            BalancingProgress* progress = nullptr) {
    SharedState state;
    const SolveOutcome outcome = Solve(input, state, locale, progress);
    const DiffuserResults& r = state.results;
    ConditionResult result;
    result.condition = condition;
    result.balance = outcome.balance;
    const double qcalc = outcome.balance.qcalc;
    result.balance_error = qcalc != 0.0 ? (qcalc - r.q_total) / qcalc * 100.0 : kNaN;
    const auto n = static_cast<std::size_t>(r.n_risers);
    result.landward_head = r.specific_energy[n - 1];
    result.froude_min = *std::min_element(r.froude.begin(), r.froude.begin() + n);
    result.froude_max = *std::max_element(r.froude.begin(), r.froude.begin() + n);
    result.q_min = *std::min_element(r.q_riser.begin(), r.q_riser.begin() + n);
    result.q_max = *std::max_element(r.q_riser.begin(), r.q_riser.begin() + n);
    result.checks = checkDesign(input, state, outcome, locale, settings);
    result.skipped_steps = computedStepsSkipped(outcome);
    result.solved = true;
    return result;
}

DiffuserInput withTexts(DiffuserInput in, std::string q, std::string drho) {
    in.total_discharge = std::move(q);
    in.drho = std::move(drho);
    return in;
}

TEST(DefaultConditions, AreMultiplesOfTheProblemsDischarge) {
    const Conditions multiples{
        {0.0882, 0.0307}, {0.1764, 0.0307}, {0.2646, 0.0307}, {0.3528, 0.0307}, {0.441, 0.0307}};
    const struct {
        const char* name;
        DiffuserInput problem;
        NumberLocale locale;
        std::optional<Conditions> expected;
    } cases[] = {
        {"Greek", worked(), kGreek, multiples},
        {"English", worked(FlowMode::standard, kEnglish), kEnglish, multiples},
        {"unreadable Q", withTexts(worked(), "", "0,0307"), kGreek, std::nullopt},
        {"unreadable drho", withTexts(worked(), "0,3528", "x"), kGreek, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto conditions = defaultConditions(c.problem, c.locale);
        ASSERT_EQ(conditions.has_value(), c.expected.has_value());
        if (conditions) expectConditions(*conditions, *c.expected);
    }
}

TEST(CheckConditions, FindsTheFirstFault) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Fault {
        MessageKind kind;
        int row;  // the condition, from 1; 0: the list as a whole
    };
    const struct {
        const char* name;
        Conditions conditions;
        std::optional<Fault> fault;
    } cases[] = {
        {"good", {{0.1, 0.03}, {0.2, 0.02}}, std::nullopt},
        {"as many as allowed", Conditions(kMaxConditions, {0.1, 0.03}), std::nullopt},
        {"empty", {}, Fault{MessageKind::conditions_empty, 0}},
        {"too many", Conditions(kMaxConditions + 1, {0.1, 0.03}),
         Fault{MessageKind::conditions_too_many, 0}},
        {"zero Q", {{0.1, 0.03}, {0.0, 0.03}}, Fault{MessageKind::condition_q_not_positive, 2}},
        {"NaN Q", {{0.1, 0.03}, {kNaN, 0.03}}, Fault{MessageKind::condition_q_not_positive, 2}},
        {"infinite Q", {{inf, 0.03}}, Fault{MessageKind::condition_q_not_positive, 1}},
        {"negative drho",
         {{0.1, 0.03}, {0.1, -0.01}},
         Fault{MessageKind::condition_drho_not_positive, 2}},
        {"Q before drho", {{-1.0, -1.0}}, Fault{MessageKind::condition_q_not_positive, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<Message> fault = checkConditions(c.conditions);
        ASSERT_EQ(fault.has_value(), c.fault.has_value());
        if (!fault) continue;
        EXPECT_EQ(fault->kind, c.fault->kind);
        EXPECT_EQ(fault->row, c.fault->row);
    }
}

// The problem is the worked example typed with decimal commas: the list's numbers are read
// with "." all the same, and its multiples are of 0,3528 m^3/s and 0,0307.
TEST(ParseConditionSpec, ReadsGoodLists) {
    const struct {
        const char* spec;
        Conditions expected;
    } cases[] = {
        {"Q=0.1..0.5/5;drho=0.02,0.03",
         {{0.1, 0.02},
          {0.2, 0.02},
          {0.3, 0.02},
          {0.4, 0.02},
          {0.5, 0.02},
          {0.1, 0.03},
          {0.2, 0.03},
          {0.3, 0.03},
          {0.4, 0.03},
          {0.5, 0.03}}},
        {"drho=0.02",
         {{0.0882, 0.02}, {0.1764, 0.02}, {0.2646, 0.02}, {0.3528, 0.02}, {0.441, 0.02}}},
        {"Q=0.2", {{0.2, 0.0307}}},
        {" Q = 0.5x..1.5x/3 ; drho=1x ", {{0.1764, 0.0307}, {0.3528, 0.0307}, {0.5292, 0.0307}}},
        {"drho=0.01..0.03/3;Q=1x", {{0.3528, 0.01}, {0.3528, 0.02}, {0.3528, 0.03}}},
        {"Q=1e-1,2.5E-1,+0.3,0.3", {{0.1, 0.0307}, {0.25, 0.0307}, {0.3, 0.0307}, {0.3, 0.0307}}},
        {"Q=0.3..0.1/3", {{0.3, 0.0307}, {0.2, 0.0307}, {0.1, 0.0307}}},
        {"Q=0.1x..0.2/2", {{0.03528, 0.0307}, {0.2, 0.0307}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.spec);
        const auto parsed = parseConditionSpec(c.spec, worked(), kGreek);
        if (const auto* error = std::get_if<Message>(&parsed)) {
            ADD_FAILURE() << wordMessage(*error, Language::english);
            continue;
        }
        expectConditions(std::get<Conditions>(parsed), c.expected);
    }
}

TEST(ParseConditionSpec, NamesWhatIsWrong) {
    const struct {
        const char* spec;
        const char* says;
        const char* problemQ = "0,3528";
    } cases[] = {
        {"", "the list of conditions is empty"},
        {" ", "the list of conditions is empty"},
        {"Q=0.1;", "part 2 is empty"},
        {";Q=0.1", "part 1 is empty"},
        {"Q=", "Q: item 1 is empty"},
        {"Q=0.1,,0.2", "Q: item 2 is empty"},
        {"Q=0.1;Q=0.2", "Q= is given twice"},
        {"drho=1x; drho=0.02", "drho= is given twice"},
        {"flow=1", "unknown part \"flow=1\""},
        {"Q 0.1", "unknown part \"Q 0.1\""},
        {"Q=abc", "Q item \"abc\": not a number"},
        {"Q=1...2/3", "Q item \"1...2/3\": not a number"},
        {"Q=0.1..0.5", "Q item \"0.1..0.5\": not a number"},
        {"Q=0.5X", "Q item \"0.5X\": not a number"},
        // Quoted on one line: a control character as an escape, a long item cut.
        {"Q=0.1\t2", "Q item \"0.1\\x092\": not a number"},
        {"Q=0.1abcdefghijklmnopqrstuvwxyzabcdefghijklmnopq",
         "Q item \"0.1abcdefghijklmnopqrstuvwxyzabcdefghijk...\": not a number"},
        {"Q=1e999", "Q item \"1e999\": not a number"},
        {"Q=0.1..0.5/x", "the count after \"/\" must be a whole number"},
        {"Q=0.1..0.5/1", "a range needs a count of at least 2"},
        // A decimal comma separates two items, the first of them zero.
        {"Q=0,1", "Q item \"0\": Q must be positive, not 0"},
        {"Q=-0.1..0.5/3", "Q item \"-0.1..0.5/3\": Q must be positive, not -0.1"},
        {"drho=-1x", "drho item \"-1x\": drho must be positive, not -0.0307"},
        {"Q=0.1..1/20000", "Q item \"0.1..1/20000\": more than 10000 values of Q"},
        {"Q=0.1..1/99999999999999999999999", "more than 10000 values of Q"},
        {"Q=0.1..1/5000,0.1..1/5001", "Q item \"0.1..1/5001\": more than 10000 values of Q"},
        {"Q=0.1..1/200;drho=0.01..0.02/51",
         "the 200 values of Q and 51 of drho give 10200 conditions, more than 10000"},
        {"Q=0.5x", "Q item \"0.5x\": a multiple of the problem's Q, which cannot be read", ""},
        {"drho=0.02", "no Q= part is given and the problem's Q cannot be read", ""},
        {"drho=0.02",
         "no Q= part is given, and its default multiples of the problem's Q -0.5 are not all "
         "positive numbers",
         "-0,5"},
        {"Q=1x..1.25x/2", "Q item \"1x..1.25x/2\": Q must be positive, not Inf", "1,5E308"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.spec);
        const auto parsed =
            parseConditionSpec(c.spec, withTexts(worked(), c.problemQ, "0,0307"), kGreek);
        const auto* error = std::get_if<Message>(&parsed);
        ASSERT_NE(error, nullptr);
        const std::string said = wordMessage(*error, Language::english);
        EXPECT_NE(said.find(c.says), std::string::npos) << said;
        EXPECT_EQ(said.find('\n'), std::string::npos) << said;
    }
}

struct DesignCase {
    const char* name;
    DiffuserInput problem;
    NumberLocale locale;
};

void PrintTo(const DesignCase& c, std::ostream* out) {
    *out << c.name;
}

DiffuserInput userRatio(std::optional<std::string> ratio) {
    DiffuserInput in = worked(FlowMode::user);
    in.fitting = FittingType::Bell;
    in.ratio = std::move(ratio);
    return in;
}

class SolveConditions : public ::testing::TestWithParam<DesignCase> {};

// Every condition is the problem solved by itself with the condition's texts; the condition
// 1 x Q keeps the typed texts and is exactly the design's Solve. The check settings are used.
TEST_P(SolveConditions, EachConditionIsThatProblemSolvedByItself) {
    const DesignCase& c = GetParam();
    const CheckSettings settings{0.9};
    const Conditions conditions = *defaultConditions(c.problem, c.locale);
    const std::vector<ConditionResult> results =
        solveConditions(c.problem, conditions, c.locale, settings, 2);
    ASSERT_EQ(results.size(), conditions.size());
    for (std::size_t i = 0; i < results.size(); ++i) {
        SCOPED_TRACE("condition " + std::to_string(i + 1));
        const DiffuserInput input =
            conditions[i].q == *readLocaleNumber(c.problem.total_discharge, c.locale)
                ? c.problem
                : withTexts(c.problem, formatGeneral(conditions[i].q, c.locale), c.problem.drho);
        expectSameResult(results[i], solvedAlone(input, conditions[i], c.locale, settings));
    }
    EXPECT_EQ(results[3].condition.q, *readLocaleNumber(c.problem.total_discharge, c.locale));
    expectSameResult(results[3], solvedAlone(c.problem, results[3].condition, c.locale, settings));
}

INSTANTIATE_TEST_SUITE_P(
    Designs, SolveConditions,
    ::testing::Values(DesignCase{"Standard", worked(), kGreek},
                      DesignCase{"Optimised", worked(FlowMode::optimised, kEnglish), kEnglish},
                      DesignCase{"UserRatio", userRatio("0,85"), kGreek},
                      DesignCase{"UserRatioCancelled", userRatio(std::nullopt), kGreek}),
    [](const ::testing::TestParamInfo<DesignCase>& info) { return info.param.name; });

// Conditions whose balancings take different numbers of passes finish out of order on four
// threads; the results still come in the order of the list, the same as on one thread.
TEST(SolveConditionsThreads, SameResultsInTheListsOrderOnOneAndFourThreads) {
    const DiffuserInput problem = worked(FlowMode::optimised);
    const auto parsed = parseConditionSpec("Q=0.6..0.05/12;drho=0.02,0.03", problem, kGreek);
    const Conditions& conditions = std::get<Conditions>(parsed);
    const std::vector<ConditionResult> one = solveConditions(problem, conditions, kGreek, {}, 1);
    const std::vector<ConditionResult> four = solveConditions(problem, conditions, kGreek, {}, 4);
    ASSERT_EQ(one.size(), conditions.size());
    ASSERT_EQ(four.size(), conditions.size());
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        SCOPED_TRACE("condition " + std::to_string(i + 1));
        EXPECT_TRUE(one[i].solved);
        EXPECT_EQ(one[i].condition.q, conditions[i].q);
        EXPECT_EQ(one[i].condition.drho, conditions[i].drho);
        expectSameResult(four[i], one[i]);
    }
    EXPECT_NE(one.front().balance.passes, one.back().balance.passes);
}

// At Q = 1E+200 m^3/s the specific energies overflow and keep the values they held: solved
// after the design's Q on the same shared variables, the condition would keep the design's.
// Each condition, even the second one of a single worker, starts from shared variables of its
// own.
TEST(SolveConditionsThreads, EachConditionStartsFromFreshSharedVariables) {
    const DiffuserInput problem = worked();
    const OperatingCondition flood{1e200, 0.0307};
    const DiffuserInput floodInput = withTexts(problem, "1E+200", problem.drho);
    const ConditionResult alone = solvedAlone(floodInput, flood, kGreek);
    ASSERT_GT(alone.skipped_steps, 0u);
    SharedState afterDesign;
    Solve(problem, afterDesign, kGreek);
    Solve(floodInput, afterDesign, kGreek);
    ASSERT_NE(afterDesign.results.specific_energy[13], alone.landward_head);

    const std::vector<ConditionResult> results =
        solveConditions(problem, {{0.3528, 0.0307}, flood}, kGreek, {}, 1);
    ASSERT_EQ(results.size(), 2u);
    expectSameResult(results[1], alone);
}

// Counts the host's calls, stops the run at a chosen call and keeps the largest number of
// conditions done that the run reported.
class StopAt final : public ConditionsProgress {
  public:
    explicit StopAt(long call) : stopAt_(call) {}
    bool keepGoing(std::size_t conditionsDone, std::size_t) override {
        std::size_t reported = reportedDone_.load();
        while (conditionsDone > reported &&
               !reportedDone_.compare_exchange_weak(reported, conditionsDone)) {
        }
        const long call = ++calls_;
        if (call > stopAt_) ++callsAfterStop_;
        return call < stopAt_;
    }
    long callsAfterStop() const { return callsAfterStop_.load(); }
    std::size_t reportedDone() const { return reportedDone_.load(); }

  private:
    const long stopAt_;
    std::atomic<long> calls_{0};
    std::atomic<long> callsAfterStop_{0};
    std::atomic<std::size_t> reportedDone_{0};
};

// A stop between conditions leaves the later ones unsolved; a stop during balancings of some
// 680 000 passes (seconds each) ends them after their pass, and their conditions are neither
// solved nor counted as done. A worker asks no more once told to stop; each of the others may
// have begun one call before it saw the stop, whatever the order the threads run in.
TEST(SolveConditionsThreads, AStopLeavesTheLaterConditionsUnsolved) {
    DiffuserInput endless;
    endless.risers = "14";
    endless.sections = "1";
    endless.drho = "1";
    endless.total_discharge = "1000";
    endless.manning = "0.01";
    endless.rows[0] = {"1", "14", "5", "8", "1000", "5"};
    endless.flow_mode = FlowMode::optimised;
    const struct {
        const char* name;
        DiffuserInput problem;
        Conditions conditions;
        unsigned threads;
        long stopAtCall;
        std::size_t solved;  // the first `solved` conditions are solved, no others
    } cases[] = {
        {"between conditions", worked(), Conditions(10, {0.3528, 0.0307}), 1, 3, 3},
        {"in a balancing", endless, Conditions(3, {1000.0, 1.0}), 1, 5, 0},
        {"in the balancings", endless, Conditions(8, {1000.0, 1.0}), 4, 1000, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StopAt stop(c.stopAtCall);
        const std::vector<ConditionResult> results =
            solveConditions(c.problem, c.conditions, NumberLocale::english(), {}, c.threads, &stop);
        ASSERT_EQ(results.size(), c.conditions.size());
        for (std::size_t i = 0; i < results.size(); ++i)
            EXPECT_EQ(results[i].solved, i < c.solved) << "condition " << i + 1;
        EXPECT_LE(stop.callsAfterStop(), static_cast<long>(c.threads) - 1);
        EXPECT_EQ(stop.reportedDone(), c.solved);
    }
}

// The host's bound of each balancing: every condition is solved with the results of its last
// pass, as a Solve whose host stops it after as many passes.
TEST(SolveConditionsThreads, TheHostBoundsEachBalancing) {
    class Bound final : public ConditionsProgress {
      public:
        bool keepGoing(std::size_t, std::size_t) override { return true; }
        bool keepBalancing(std::size_t, long passesRun) override { return passesRun < 10; }
    } bound;
    class StopAfterTen final : public BalancingProgress {
      public:
        bool keepBalancing(long passesRun) override { return passesRun < 10; }
    } stopAfterTen;
    const DiffuserInput problem = worked(FlowMode::optimised);
    const Conditions conditions = *defaultConditions(problem, kGreek);
    const std::vector<ConditionResult> results =
        solveConditions(problem, conditions, kGreek, {}, 2, &bound);
    ASSERT_EQ(results.size(), conditions.size());
    // The design's own Q needs 19 passes.
    EXPECT_TRUE(results[3].balance.stopped_by_host);
    for (std::size_t i = 0; i < results.size(); ++i) {
        SCOPED_TRACE("condition " + std::to_string(i + 1));
        EXPECT_LE(results[i].balance.passes, 10);
        const DiffuserInput input =
            i == 3 ? problem
                   : withTexts(problem, formatGeneral(conditions[i].q, kGreek), problem.drho);
        expectSameResult(results[i], solvedAlone(input, conditions[i], kGreek, {}, &stopAfterTen));
    }
}

// Designs whose steps fail: every condition is solved, counts its skipped steps (each repeat,
// as the Solve of the condition skips them) and has a line in the table; figures of risers
// outside 1..101 are not numbers and leave their fields empty.
TEST(SolveConditionsThreads, DesignsWhoseStepsFail) {
    const auto changed = [](auto change) {
        DiffuserInput in = worked();
        change(in);
        return in;
    };
    const struct {
        const char* name;
        DiffuserInput problem;
        bool figures;  // N within 1..101
    } cases[] = {
        {"unreadable Manning number", changed([](DiffuserInput& in) { in.manning = "n"; }), true},
        {"riser beyond every section", changed([](DiffuserInput& in) { in.risers = "15"; }), true},
        {"riser beyond every section in every pass", changed([](DiffuserInput& in) {
             in.risers = "15";
             in.flow_mode = FlowMode::optimised;
         }),
         true},
        {"no risers", changed([](DiffuserInput& in) { in.risers = "0"; }), false},
        {"risers beyond the store", changed([](DiffuserInput& in) { in.risers = "120"; }), false},
        {"sections beyond the table", changed([](DiffuserInput& in) { in.sections = "40"; }), true},
        {"empty form", DiffuserInput{}, false},
    };
    const Conditions conditions{{0.1, 0.0307}, {100.0, 0.02}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<ConditionResult> results =
            solveConditions(c.problem, conditions, kGreek, {}, 2);
        ASSERT_EQ(results.size(), 2u);
        for (const ConditionResult& result : results) {
            EXPECT_TRUE(result.solved);
            EXPECT_GT(result.skipped_steps, 0u);
            // Q differs from every problem's own; Δρ/ρ keeps the typed text where it is the
            // problem's own.
            const std::optional<double> ownDrho = readLocaleNumber(c.problem.drho, kGreek);
            const DiffuserInput input = withTexts(
                c.problem, formatGeneral(result.condition.q, kGreek),
                ownDrho == result.condition.drho ? c.problem.drho
                                                 : formatGeneral(result.condition.drho, kGreek));
            SharedState state;
            EXPECT_EQ(result.skipped_steps, computedStepsSkipped(Solve(input, state, kGreek)));
            EXPECT_EQ(result.checks.size(), kCheckCount);
            EXPECT_EQ(std::isnan(result.landward_head), !c.figures);
        }
        const std::string csv = conditionsCsv(results, kGreek, hostWords());
        EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 3) << csv;
        if (!c.figures) {
            EXPECT_NE(csv.find(";;;;;"), std::string::npos) << csv;
        }
    }
}

// The host's header and verdict words, the figures in the locale's format.
TEST(ConditionsCsv, WritesTheSolvedConditionsInTheLocalesFormat) {
    ConditionResult first;
    first.condition = {0.25, 0.0307};
    first.balance = {0.0125, 0.2625, 3, false};
    first.balance_error = 4.76190476190476;
    first.landward_head = 1.5;
    first.froude_min = 1.25;
    first.froude_max = 12;
    first.q_max = 0.02;
    first.q_min = 0.0125;
    for (const ThresholdInfo& info : checkThresholds()) {
        CheckResult check;
        check.id = info.id;
        check.verdict = info.id == CheckId::froude_max ? Verdict::warning : Verdict::holds;
        first.checks.push_back(check);
    }
    first.solved = true;
    ConditionResult unsolved = first;
    unsolved.solved = false;
    ConditionResult failed;
    failed.condition = {1e-5, 0.02};
    failed.balance = {0.0, 0.0, 1, false};
    failed.balance_error = failed.landward_head = failed.froude_min = kNaN;
    failed.froude_max = failed.q_max = failed.q_min = kNaN;
    for (const ThresholdInfo& info : checkThresholds()) {
        CheckResult check;
        check.id = info.id;
        check.verdict = info.id == CheckId::skipped_steps ? Verdict::warning : Verdict::not_judged;
        failed.checks.push_back(check);
    }
    failed.skipped_steps = 12;
    failed.solved = true;
    const std::vector<ConditionResult> results{first, unsolved, failed};

    const struct {
        NumberLocale locale;
        std::string expected;
    } cases[] = {
        {kGreek,
         "Q;drho;qc;Qcalc;e;E_N;Fr min;Fr max;q max;q min;froude_min;froude_max;uniformity;"
         "riser_area;pipe_velocity;balance_error;landward_head;skipped_steps;skipped\r\n"
         "0,25;0,0307;0,0125;0,2625;4,76190476190476;1,5;1,25;12;0,02;0,0125;ok;warn;ok;ok;ok;"
         "ok;ok;ok;0\r\n"
         "1E-05;0,02;0;0;;;;;;;n/j;n/j;n/j;n/j;n/j;n/j;n/j;warn;12\r\n"},
        {kEnglish,
         "Q,drho,qc,Qcalc,e,E_N,Fr min,Fr max,q max,q min,froude_min,froude_max,uniformity,"
         "riser_area,pipe_velocity,balance_error,landward_head,skipped_steps,skipped\r\n"
         "0.25,0.0307,0.0125,0.2625,4.76190476190476,1.5,1.25,12,0.02,0.0125,ok,warn,ok,ok,ok,"
         "ok,ok,ok,0\r\n"
         "1E-05,0.02,0,0,,,,,,,n/j,n/j,n/j,n/j,n/j,n/j,n/j,warn,12\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale.decimal_separator);
        EXPECT_EQ(conditionsCsv(results, c.locale, hostWords()), c.expected);
    }
}

}  // namespace
}  // namespace thalmuro
