// The skipped steps of a Solve told by their causes: one line per thing the user can mend,
// naming the box, the table row or the risers, and explaining every skipped step.
#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "thalmuro/engine.h"
#include "thalmuro/wording.h"

namespace thalmuro {
namespace {

const NumberLocale kGreek = NumberLocale::greek();

std::vector<int> span(int first, int last) {
    std::vector<int> numbers(static_cast<std::size_t>(last - first + 1));
    std::iota(numbers.begin(), numbers.end(), first);
    return numbers;
}

std::string english(const SkippedCause& cause) {
    return wordSkippedCause(cause, Language::english);
}

std::string greek(const SkippedCause& cause) {
    return wordSkippedCause(cause, Language::greek);
}

long stepsOf(const SolveOutcome& outcome) {
    long steps = 0;
    for (const Skip& skip : outcome.skipped)
        steps += skip.count;
    return steps;
}

long stepsOf(const std::vector<SkippedCause>& causes) {
    long steps = 0;
    for (const SkippedCause& cause : causes)
        steps += cause.steps;
    return steps;
}

struct OneCause {
    const char* name;
    std::function<void(DiffuserInput&)> change;  // made to the worked example
    std::string english;                         // how the line begins
    std::string greek;
    std::vector<int> rows;
    std::vector<int> risers;
    bool afterAGoodSolve = false;  // the store holds the worked example's results
};

void PrintTo(const OneCause& c, std::ostream* out) {
    *out << c.name;
}

class SkippedCauses : public ::testing::TestWithParam<OneCause> {};

// The worked example (14 risers: row 3 holds risers 6 to 8) with one fault.
TEST_P(SkippedCauses, OneFaultIsOneLine) {
    const OneCause& c = GetParam();
    SharedState state;
    if (c.afterAGoodSolve) {
        const DiffuserInput good = workedExample(kGreek);
        ASSERT_TRUE(explainSkipped(good, Solve(good, state, kGreek), kGreek).empty());
    }
    DiffuserInput in = workedExample(kGreek);
    c.change(in);
    const SolveOutcome outcome = Solve(in, state, kGreek);
    ASSERT_FALSE(outcome.skipped.empty());

    const std::vector<SkippedCause> causes = explainSkipped(in, outcome, kGreek);
    ASSERT_EQ(causes.size(), 1u) << english(causes.front()) << "\n" << english(causes.back());
    const SkippedCause& cause = causes.front();
    const std::string englishLine = english(cause);
    const std::string greekLine = greek(cause);
    EXPECT_EQ(englishLine.rfind(c.english, 0), 0u) << englishLine;
    EXPECT_EQ(greekLine.rfind(c.greek, 0), 0u) << greekLine;
    EXPECT_EQ(englishLine.find('\n'), std::string::npos);
    EXPECT_EQ(greekLine.find('\n'), std::string::npos);
    EXPECT_EQ(cause.rows, c.rows);
    EXPECT_EQ(cause.risers, c.risers);
    EXPECT_EQ(cause.steps, stepsOf(outcome));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SkippedCauses,
    ::testing::Values(
        OneCause{"UnreadableManning",
                 [](DiffuserInput& in) { in.manning = "0,01x"; },
                 "Manning number (Text6) \"0,01x\": cannot be read; earlier values kept: the "
                 "friction factor of sections 1 to 5",
                 "Αριθμός Manning (Text6) «0,01x»: δεν διαβάζεται· κρατήθηκαν οι προηγούμενες "
                 "τιμές: ο συντελεστής τριβών των τμημάτων 1 έως 5",
                 span(1, 5),
                 {}},
        // A pasted text is quoted on one line, and only its beginning when it is long.
        OneCause{"PastedManning",
                 [](DiffuserInput& in) {
                     in.manning = "0,013\n0,014\n0,015\n0,016\n0,017\n0,018\n0,019";
                 },
                 "Manning number (Text6) \"0,013\\x0A0,014\\x0A0,015\\x0A0,016\\x0A0,017\\x0A0,"
                 "018\\x0A0,01...\": cannot be read",
                 "Αριθμός Manning (Text6) "
                 "«0,013\\x0A0,014\\x0A0,015\\x0A0,016\\x0A0,017\\x0A0,018\\x0A0,01...»",
                 span(1, 5),
                 {}},
        OneCause{"ZeroDensityDifference",
                 [](DiffuserInput& in) { in.drho = "0"; },
                 "Δρ/ρ (Text4) \"0\": is zero; earlier values kept: the Froude number of risers 1 "
                 "to 14",
                 "Δρ/ρ (Text4) «0»: είναι μηδέν",
                 {},
                 span(1, 14)},
        OneCause{"UnreadableDensityDifference",
                 [](DiffuserInput& in) { in.drho = "0,03x"; },
                 "Δρ/ρ (Text4) \"0,03x\": cannot be read; earlier values kept: the figures of "
                 "risers 1 to 14",
                 "Δρ/ρ (Text4) «0,03x»: δεν διαβάζεται",
                 {},
                 span(1, 14)},
        // Q keeps the zero the store starts with, which leaves riser 1 without a discharge.
        OneCause{"UnreadableDischarge",
                 [](DiffuserInput& in) { in.total_discharge = "0,35 m3"; },
                 "total discharge Q (Text5) \"0,35 m3\": cannot be read; earlier values kept: Q, "
                 "the figures of riser 1; 1 report line left out",
                 "Ολική Παροχή (Text5) «0,35 m3»: δεν διαβάζεται",
                 {},
                 {1}},
        // After a good Solve, Q keeps its value and nothing else is skipped.
        OneCause{"UnreadableDischargeAfterAGoodSolve",
                 [](DiffuserInput& in) { in.total_discharge = ""; },
                 "total discharge Q (Text5): is empty; earlier values kept: Q",
                 "Ολική Παροχή (Text5): είναι κενό",
                 {},
                 {},
                 true},
        OneCause{"RisersNoSectionNames",
                 [](DiffuserInput& in) { in.rows[4].last_riser = "12"; },
                 "section table: no row names risers 13, 14 (N = 14 in Text1); earlier values "
                 "kept: the figures of risers 13, 14",
                 "Πίνακας τμημάτων: καμία γραμμή δεν ορίζει τους ανυψωτήρες 13, 14",
                 {},
                 {13, 14}},
        OneCause{"GapInTheTable",
                 [](DiffuserInput& in) { in.rows[2].first_riser = "7"; },
                 "section table: no row names riser 6 (N = 14 in Text1); earlier values kept: "
                 "the figures of risers 6, 7",
                 "Πίνακας τμημάτων: καμία γραμμή δεν ορίζει τον ανυψωτήρα 6",
                 {},
                 {6, 7}},
        // Every pass of the balancing meets the same bad cell.
        OneCause{"BadCellInRow3",
                 [](DiffuserInput& in) {
                     in.rows[2].spacing = "8x";
                     in.flow_mode = FlowMode::optimised;
                 },
                 "section table, row 3: riser spacing (textdxanipsotiror_2) \"8x\" cannot be "
                 "read; earlier values kept: the figures of risers 7 to 9",
                 "Πίνακας τμημάτων, γραμμή 3: απόσταση ανυψωτήρων (textdxanipsotiror_2) «8x»: "
                 "δεν διαβάζεται",
                 {3},
                 {7, 8, 9}},
        OneCause{"UnreadableBoundInRow3",
                 [](DiffuserInput& in) { in.rows[2].first_riser = "6-"; },
                 "section table, row 3: first riser (textfn_2) \"6-\" cannot be read, so no row "
                 "names risers 6 to 8; earlier values kept: the figures of risers 6 to 9",
                 "Πίνακας τμημάτων, γραμμή 3: πρώτος ανυψωτήρας (textfn_2) «6-»: δεν διαβάζεται",
                 {3},
                 span(6, 9)},
        OneCause{"ZeroRiserDiameter",
                 [](DiffuserInput& in) { in.rows[2].riser_diameter = "0"; },
                 "section table, row 3: riser diameter (textdr_anipsotiron_2) \"0\" is zero; "
                 "earlier values kept: the riser velocity and Froude number of risers 6 to 8",
                 "Πίνακας τμημάτων, γραμμή 3: διάμετρος ανυψωτήρων (textdr_anipsotiron_2) «0»: "
                 "μηδενική τιμή",
                 {3},
                 {6, 7, 8}},
        // Riser 1 always takes the diameters of row 1.
        OneCause{"EmptyPipeDiameterInRow1",
                 [](DiffuserInput& in) { in.rows[0].pipe_diameter = ""; },
                 "section table, row 1: pipe diameter (textdr_thalmuro_0) is empty; earlier values "
                 "kept: the friction factor of section 1, the figures of risers 1 to 3",
                 "Πίνακας τμημάτων, γραμμή 1: διάμετρος τμήματος (textdr_thalmuro_0): κενό κελί",
                 {1},
                 {1, 2, 3}},
        OneCause{"TooManyRisers",
                 [](DiffuserInput& in) { in.risers = "120"; },
                 "number of risers (Text1) \"120\": the section table names risers up to 14 only, "
                 "and only risers 1 to 101 are computed, risers 102 to 120 are skipped; earlier "
                 "values kept: the figures of risers 15 to 101; 19 report lines left out: the "
                 "lines of risers 102 to 120",
                 "Πλήθος Ανυψωτήρων (Text1) «120»: ο πίνακας τμημάτων ορίζει ανυψωτήρες μόνο έως "
                 "τον 14, και υπολογίζονται μόνο οι ανυψωτήρες 1 έως 101, οι 102 έως 120 "
                 "παραλείπονται· κρατήθηκαν οι προηγούμενες τιμές: τα μεγέθη των ανυψωτήρων 15 "
                 "έως 101· παραλείφθηκαν 19 γραμμές της αναφοράς: οι γραμμές των ανυψωτήρων 102 "
                 "έως 120",
                 {},
                 span(15, 120)},
        OneCause{"NoRisers",
                 [](DiffuserInput& in) { in.risers = "0"; },
                 "number of risers (Text1) \"0\": is not a positive number of risers; earlier "
                 "values kept: qc, the figures of riser 1; 1 report line left out",
                 "Πλήθος Ανυψωτήρων (Text1) «0»: δεν είναι θετικό πλήθος ανυψωτήρων",
                 {},
                 {1}},
        OneCause{"TooManySections",
                 [](DiffuserInput& in) { in.sections = "31"; },
                 "number of sections (Text2) \"31\": rows 6 to 30 of the section table are empty, "
                 "and the table has 30 rows, section 31 is skipped; earlier values kept: the "
                 "friction factor of sections 6 to 30; 6 report lines left out: the lines of "
                 "section 31",
                 "Τμήματα Διαχυτήρα (Text2) «31»: οι γραμμές 6 έως 30 του πίνακα τμημάτων είναι "
                 "κενές, και ο πίνακας έχει 30 γραμμές, το τμήμα 31 παραλείπεται· κρατήθηκαν οι "
                 "προηγούμενες τιμές: ο συντελεστής τριβών των τμημάτων 6 έως 30· παραλείφθηκαν 6 "
                 "γραμμές της αναφοράς: οι γραμμές του τμήματος 31",
                 span(6, 30),
                 {}},
        OneCause{"RatioCancelled",
                 [](DiffuserInput& in) {
                     in.flow_mode = FlowMode::user;
                     in.ratio.reset();
                 },
                 "ratio x of the user flow mode: the question was cancelled, so x = 0",
                 "Αναλογία x (qc = x Q / N): η ερώτηση ακυρώθηκε, άρα x = 0",
                 {},
                 {1}},
        // A bell-mouthed inlet whose pipe velocity head exceeds the specific energy.
        OneCause{"VelocityHeadAboveTheEnergy",
                 [](DiffuserInput& in) {
                     in.fitting = FittingType::Bell;
                     in.total_discharge = "30";
                 },
                 "the march at risers 1, 2: the fitting's discharge law has no value there: "
                 "the pipe's velocity head exceeds the specific energy (X > 1)",
                 "Υπολογισμός των ανυψωτήρων 1, 2: ο νόμος παροχής της συναρμογής δεν δίνει "
                 "τιμή: το ύψος ταχύτητας στον αγωγό ξεπερνά την ειδική ενέργεια (X > 1)",
                 {},
                 {1, 2}}),
    [](const ::testing::TestParamInfo<OneCause>& info) { return info.param.name; });

// Faults in several boxes are told apart, in the order the Solve met them, and together they
// explain every skipped step.
TEST(SkippedCauses, SeveralFaultsInTheOrderMet) {
    DiffuserInput in = workedExample(kGreek);
    in.drho = "0";
    in.manning = "";
    in.rows[2].riser_diameter = "0";
    in.rows[4].last_riser = "13";
    SharedState state;
    const SolveOutcome outcome = Solve(in, state, kGreek);
    const std::vector<SkippedCause> causes = explainSkipped(in, outcome, kGreek);
    ASSERT_EQ(causes.size(), 4u);
    EXPECT_EQ(english(causes[0]).rfind("Manning number (Text6): is empty", 0), 0u);
    EXPECT_EQ(english(causes[1]).rfind("Δρ/ρ (Text4) \"0\": is zero", 0), 0u);
    EXPECT_EQ(english(causes[2]).rfind("section table, row 3: riser diameter", 0), 0u);
    EXPECT_EQ(english(causes[3]).rfind("section table: no row names riser 14", 0), 0u);
    EXPECT_EQ(causes[3].risers, std::vector<int>{14});
    EXPECT_EQ(stepsOf(causes), stepsOf(outcome));
}

}  // namespace
}  // namespace thalmuro
