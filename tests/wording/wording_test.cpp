// The catalogues: every kind has a text in English and in Greek, and the texts that hosts show
// are worded with the figures and the number format given.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "thalmuro/engine.h"
#include "thalmuro/wording.h"

namespace thalmuro {
namespace {

constexpr Language kLanguages[] = {Language::english, Language::greek};
const NumberLocale kGreek = NumberLocale::greek();
const NumberLocale kEnglish = NumberLocale::english();

// Whether `text` holds a Greek letter (UTF-8: the Greek and Coptic block, U+0370 to U+03FF).
bool hasGreekLetter(const std::string& text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead == 0xCD || lead == 0xCE || lead == 0xCF) return true;
    }
    return false;
}

DischargeFailure bellFailure() {
    DischargeFailure failure;
    failure.risers = {2, 3, 4, 5};
    failure.specific_energy = 0.000471;
    failure.pipe_diameter = 0.2906;
    failure.trial_discharge = 0.01;
    failure.x = 2.46;
    failure.share = 0.001;
    return failure;
}

// Every kind with every parameter set, so that no text is left with a hole in it.
Message sample(MessageKind kind) {
    Message message;
    message.kind = kind;
    message.count = 150;
    message.riser = 3;
    message.section = 2;
    message.discharge_failure = bellFailure();
    message.row = 2;
    message.cell = 3;
    message.text = "0,2";
    message.numbers = {4, 5, 6};
    message.fault = Fault::overflow;
    return message;
}

TEST(Catalogues, WordEveryMessageKindInBothLanguages) {
    for (std::size_t k = 0; k < kMessageKindCount; ++k) {
        const Message message = sample(static_cast<MessageKind>(k));
        SCOPED_TRACE(k);
        const std::string english = wordMessage(message, Language::english);
        const std::string greek = wordMessage(message, Language::greek);
        EXPECT_FALSE(english.empty());
        EXPECT_FALSE(greek.empty());
        EXPECT_NE(english, greek);
    }
}

TEST(Catalogues, NameEveryQuantityAndItsRangeInBothLanguages) {
    for (const PlausibleRange& range : plausibleRanges()) {
        SCOPED_TRACE(range.name);
        EXPECT_NE(quantityName(range.quantity, Language::english),
                  quantityName(range.quantity, Language::greek));
        EXPECT_NE(plausibleReason(range.quantity, Language::english),
                  plausibleReason(range.quantity, Language::greek));
        for (const Language language : kLanguages) {
            EXPECT_FALSE(quantityName(range.quantity, language).empty());
            EXPECT_FALSE(plausibleReason(range.quantity, language).empty());
        }
    }
}

TEST(Catalogues, WordEveryCheckInBothLanguages) {
    for (const ThresholdInfo& info : checkThresholds()) {
        SCOPED_TRACE(info.name);
        CheckResult judged;
        judged.id = info.id;
        judged.verdict = Verdict::holds;
        judged.figures = CheckFigures{};
        judged.figures->froude = {1.5, 2.5};
        judged.figures->section_velocity = {0.7};
        CheckResult notJudged;
        notJudged.id = info.id;
        notJudged.not_judged = sample(MessageKind::q_not_positive);
        for (const Language language : kLanguages) {
            EXPECT_FALSE(checkTitle(info.id, language).empty());
            EXPECT_FALSE(checkRule(info.id, language, {}, kGreek).empty());
            EXPECT_FALSE(checkSource(info.id, language).empty());
            EXPECT_FALSE(checkCaption(info.id, language).empty());
            EXPECT_FALSE(checkSummary(judged, language, kGreek).empty());
            EXPECT_FALSE(checkSummary(notJudged, language, kGreek).empty());
            EXPECT_FALSE(checkRuleWithBounds(info.id, language, {}, kGreek).empty());
            EXPECT_FALSE(checkFigures(judged, language, kGreek).empty());
            EXPECT_TRUE(checkFigures(notJudged, language, kGreek).empty());
        }
        // The English window shows no Greek word, the Greek window reads its own rule.
        EXPECT_FALSE(hasGreekLetter(checkRuleWithBounds(info.id, Language::english, {}, kGreek)));
        EXPECT_FALSE(hasGreekLetter(checkFigures(judged, Language::english, kGreek)));
        EXPECT_EQ(checkRuleWithBounds(info.id, Language::greek, {}, kGreek),
                  checkRule(info.id, Language::greek, {}, kGreek));
    }
    for (const Verdict verdict : {Verdict::holds, Verdict::warning, Verdict::not_judged}) {
        for (const VerdictBasis basis : {VerdictBasis::march, VerdictBasis::estimate}) {
            EXPECT_FALSE(hasGreekLetter(verdictWord(verdict, Language::english, basis)));
            EXPECT_TRUE(hasGreekLetter(verdictWord(verdict, Language::greek, basis)));
        }
    }
}

// The texts the runner and the windows show: figures in the format given, in either language,
// runs of risers joined as each host joins them.
TEST(Catalogues, WordTheFiguresOfAResult) {
    CheckResult uniformity;
    uniformity.id = CheckId::uniformity;
    uniformity.verdict = Verdict::warning;
    uniformity.figures = CheckFigures{};
    CheckFigures& f = *uniformity.figures;
    f.mean = 0.0252;
    f.band_upper = 0.02772;
    f.band_lower = 0.02268;
    f.q_largest = 0.03;
    f.q_smallest = 0.02394;
    f.q_ratio = 0.03 / 0.02394;
    uniformity.risers = {9, 10, 11, 14};

    const struct {
        CheckResult result;
        Language language;
        NumberLocale locale;
        std::string expected;
    } cases[] = {
        {uniformity, Language::english, kEnglish,
         "Riser discharges from 0.02394 to 0.03000 m^3/s (ratio 1.253) against the band 0.02268 "
         "to 0.02772 m^3/s; outside at risers 9 to 11, 14."},
        {uniformity, Language::english, kGreek,
         "Riser discharges from 0,02394 to 0,03000 m^3/s (ratio 1,253) against the band 0,02268 "
         "to 0,02772 m^3/s; outside at risers 9 to 11, 14."},
        {uniformity, Language::greek, kGreek,
         "Q/N = 0,02520 m³/s, ζώνη 0,02268 έως 0,02772 m³/s· παροχές από 0,02394 έως 0,03000 "
         "m³/s, λόγος 1,253"},
        {uniformity, Language::greek, kEnglish,
         "Q/N = 0.02520 m³/s, ζώνη 0.02268 έως 0.02772 m³/s· παροχές από 0.02394 έως 0.03000 "
         "m³/s, λόγος 1.253"},
        {[] {
             CheckResult result;
             result.id = CheckId::pipe_velocity;
             Message why;
             why.kind = MessageKind::section_without_riser;
             why.section = 2;
             result.not_judged = why;
             return result;
         }(),
         Language::english, kGreek, "Cannot be judged: section 2 holds no riser."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(checkSummary(c.result, c.language, c.locale), c.expected);
    }
    EXPECT_EQ(dischargeFailureBrief(bellFailure(), Language::english),
              "the march could not compute the discharge of risers 2 to 5");
    EXPECT_EQ(dischargeFailureBrief(bellFailure(), Language::greek),
              "Δεν υπολογίστηκε η παροχή των ανυψωτήρων 2–5");
}

// What the design-check window shows, in each language: figures in the regional format given
// (not the runner's decimal point), the self-cleansing velocity as set, estimates said to be
// estimates, the low-flow notice with its heading, why and what to change.
TEST(Catalogues, WordTheChecksAsTheWindowsShowThem) {
    const NumberLocale english = NumberLocale::english();
    CheckResult estimate;
    estimate.id = CheckId::froude_min;
    estimate.verdict = Verdict::warning;
    estimate.basis = VerdictBasis::estimate;
    estimate.figures = CheckFigures{};
    estimate.figures->froude = {0.61, 0.52, 0.7};
    CheckResult balance;
    balance.id = CheckId::balance_error;
    balance.figures = CheckFigures{};
    balance.figures->qcalc = 0.35281;
    balance.figures->q = 0.3528;
    balance.figures->e = 0.0028;
    CheckSettings slow;
    slow.min_pipe_velocity = 0.8;
    DischargeFailure negative = bellFailure();
    negative.kind = DischargeFailure::Kind::negative_energy;
    negative.risers = {7};
    negative.specific_energy = -0.0004;

    const struct {
        const char* name;
        std::string shown;
        std::string expected;
    } cases[] = {
        {"estimate, English", checkFigures(estimate, Language::english, kGreek),
         "Smallest Fr = 0,52 (riser 2), estimated with the discharge Q/N at every riser, without "
         "the march"},
        {"estimate, Greek", checkFigures(estimate, Language::greek, kGreek),
         "Ελάχιστος Fr = 0,52 (ανυψωτήρας 2), εκτίμηση με παροχή Q/N σε κάθε ανυψωτήρα, χωρίς "
         "την επίλυση"},
        {"balance, English format", checkFigures(balance, Language::english, english),
         "Qcalc = 0.35281 m³/s, Q = 0.35280 m³/s, e = 0.00 %"},
        {"verdict of an estimate",
         verdictWord(Verdict::warning, Language::english, VerdictBasis::estimate),
         "Warning (estimate)"},
        {"velocity as set, English",
         checkRuleWithBounds(CheckId::pipe_velocity, Language::english, slow, kGreek),
         "Largest pipe velocity of every section ≥ 0,8 m/s"},
        {"area bounds in thirds",
         checkRuleWithBounds(CheckId::riser_area, Language::english, {}, english),
         "Total riser area / pipe area at riser N from 1/3 to 2/3 (dimensionless)"},
        {"uniformity band",
         checkRuleWithBounds(CheckId::uniformity, Language::english, {}, english),
         "Discharge of every riser from Q/N − 10 % to Q/N + 10 %"},
        {"low-flow notice, English",
         dischargeFailureNotice(bellFailure(), Language::english, kGreek),
         "The discharge of risers 2–5 was not computed. The discharge formula of the Bell "
         "fitting, q = 0.975 (1 − X)^0.375 · a · (2 g E)^0.5, has no value when X, the velocity "
         "head in the pipe over the specific energy, exceeds 1. Each riser's discharge is sought "
         "from a trial discharge of 0,0100 m³/s; at riser 2 its velocity head in the pipe of D = "
         "0,2906 m exceeds the specific energy E = 0,000471 m (X = 2,46). At this flow each "
         "riser's share, Q/N = 0,00100 m³/s, builds up too little specific energy.\nWhat to "
         "change: fewer risers or smaller riser diameters (more head for the same flow), or a "
         "higher discharge."},
        {"low-flow notice, Greek", dischargeFailureNotice(bellFailure(), Language::greek, kGreek),
         dischargeFailureBrief(bellFailure(), Language::greek) + ". " +
             dischargeFailureWhy(bellFailure(), Language::greek, kGreek) +
             "\nΤι να αλλάξετε: " + dischargeFailureChange(bellFailure(), Language::greek)},
        {"negative energy, one riser", dischargeFailureNotice(negative, Language::english, english),
         "The discharge of riser 7 was not computed. The specific energy at riser 7 is negative, "
         "E = -0.000400 m, and the formula q = Cd · a · (2 g E)^0.5 has no value.\nWhat to "
         "change: the elevation steps (a riser lower than the one seaward of it lowers E), or "
         "raise the discharge."},
        {"heading, Greek", dischargeFailureHeading(bellFailure(), Language::greek),
         "Δεν υπολογίστηκε η παροχή των ανυψωτήρων 2–5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.shown, c.expected) << c.name;
    }
}

// A message, a cause of skipped steps and the cross-check write their figures in the format
// given, and without one in their language's own.
TEST(Catalogues, WordMessagesInTheNumberFormatGiven) {
    Message passMore = sample(MessageKind::risers_pass_more_than_q);
    passMore.discharge = 0.4125;
    passMore.qc = 0.0125;
    CrossCheck cross;
    cross.program.balanced = false;
    cross.program.reason = passMore;
    const struct {
        Language language;
        std::optional<NumberLocale> locale;
        std::string message;
    } cases[] = {
        {Language::english, std::nullopt,
         "the risers pass 0.4125 m^3/s, more than Q, even at qc = 0.0125 m^3/s"},
        {Language::english, kGreek,
         "the risers pass 0,4125 m^3/s, more than Q, even at qc = 0,0125 m^3/s"},
        {Language::greek, std::nullopt,
         "οι ανυψωτήρες δίνουν 0,4125 m^3/s, περισσότερα από την Q, ακόμη και με qc = 0,0125 "
         "m^3/s"},
        {Language::greek, kEnglish,
         "οι ανυψωτήρες δίνουν 0.4125 m^3/s, περισσότερα από την Q, ακόμη και με qc = 0.0125 "
         "m^3/s"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        if (!c.locale) {
            EXPECT_EQ(wordMessage(passMore, c.language), c.message);
            EXPECT_NE(wordCrossCheckSummary(cross, c.language).find(c.message), std::string::npos);
            continue;
        }
        EXPECT_EQ(wordMessage(passMore, c.language, *c.locale), c.message);
        EXPECT_EQ(wordMarchReason(cross.program, c.language, *c.locale), c.message);
        EXPECT_NE(wordCrossCheckSummary(cross, c.language, *c.locale).find(c.message),
                  std::string::npos);
        SkippedCause cause;
        cause.reasons = {passMore};
        EXPECT_NE(wordSkippedCause(cause, c.language, *c.locale).find(c.message),
                  std::string::npos);
    }
}

// The tables for spreadsheet programs: every column and verdict worded in the language, units
// in one notation, and no text that would split a field.
TEST(Catalogues, WordTheTablesHeaders) {
    const struct {
        Language language;
        std::vector<std::string> results;
        std::vector<std::string> conditions;  // the columns before the checks'
        std::string skipped;
        std::vector<std::string> verdicts;
    } cases[] = {
        {Language::english,
         {"riser", "E (m)", "Cd", "pipe velocity (m/s)", "riser velocity (m/s)", "discharge (m³/s)",
          "Froude"},
         {"Q (m³/s)", "Δρ/ρ", "qc (m³/s)", "Qcalc (m³/s)", "e (%)", "landward head E_N (m)",
          "Froude min", "Froude max", "q max (m³/s)", "q min (m³/s)"},
         "skipped steps",
         {"holds", "warning", "not judged"}},
        {Language::greek,
         {"ανυψωτήρας", "E (m)", "Cd", "ταχύτητα αγωγού (m/s)", "ταχύτητα ανυψωτήρα (m/s)",
          "παροχή (m³/s)", "Froude"},
         {"Q (m³/s)", "Δρ/ρ", "qc (m³/s)", "ΣQ (m³/s)", "e (%)", "E χερσαίου (m)", "Fr ελάχ.",
          "Fr μέγ.", "q μέγ. (m³/s)", "q ελάχ. (m³/s)"},
         "βήματα που παραλείφθηκαν",
         {"ικανοποιείται", "προειδοποίηση", "δεν κρίνεται"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.skipped);
        const ResultsCsvHeader results = resultsCsvHeader(c.language);
        EXPECT_EQ((std::vector<std::string>{results.riser, results.specific_energy, results.cd,
                                            results.pipe_velocity, results.riser_velocity,
                                            results.discharge, results.froude}),
                  c.results);
        const ConditionsCsvWords words = conditionsCsvWords(c.language);
        EXPECT_EQ(
            (std::vector<std::string>{words.q, words.drho, words.qc, words.qcalc,
                                      words.balance_error, words.landward_head, words.froude_min,
                                      words.froude_max, words.q_max, words.q_min}),
            c.conditions);
        EXPECT_EQ(words.skipped_steps, c.skipped);
        EXPECT_EQ(std::vector<std::string>(words.verdicts.begin(), words.verdicts.end()),
                  c.verdicts);
        std::vector<std::string> all(words.checks.begin(), words.checks.end());
        all.insert(all.end(), c.conditions.begin(), c.conditions.end());
        all.insert(all.end(), c.results.begin(), c.results.end());
        all.push_back(c.skipped);
        for (const ThresholdInfo& info : checkThresholds()) {
            EXPECT_EQ(words.checks[static_cast<std::size_t>(info.id)],
                      checkCaption(info.id, c.language));
            // Each column of the count of skipped steps and of the check on them its own.
            EXPECT_NE(words.checks[static_cast<std::size_t>(info.id)], words.skipped_steps);
        }
        for (const std::string& text : all) {
            EXPECT_EQ(text.find_first_of(",;\"\r\n"), std::string::npos) << text;
            EXPECT_EQ(text.find("m^3"), std::string::npos) << text;
        }
    }
}

// The runner's texts: each in both languages, each language taking the same arguments, every
// argument put in its place (%10 as the tenth, not the first and a 0).
TEST(Catalogues, WordTheRunnersTexts) {
    const auto placeholders = [](std::string_view text) {
        std::vector<int> found;
        for (std::size_t i = 0; i + 1 < text.size(); ++i) {
            int number = 0;
            std::size_t end = i + 1;
            while (text[i] == '%' && end < text.size() && text[end] >= '0' && text[end] <= '9')
                number = number * 10 + (text[end++] - '0');
            if (number > 0) found.push_back(number);
        }
        std::sort(found.begin(), found.end());
        return found;
    };
    for (std::size_t k = 0; k < kRunnerTextCount; ++k) {
        SCOPED_TRACE(k);
        const auto text = static_cast<RunnerText>(k);
        const std::string english = runnerText(text, Language::english);
        const std::string greek = runnerText(text, Language::greek);
        EXPECT_FALSE(english.empty());
        EXPECT_FALSE(greek.empty());
        const std::vector<int> wanted = placeholders(english);
        EXPECT_EQ(placeholders(greek), wanted);
        std::vector<std::string> arguments;
        for (std::size_t i = 0; i < wanted.size(); ++i)
            arguments.push_back("<" + std::to_string(i + 1) + ">");
        for (const Language language : kLanguages) {
            const std::string filled = runnerText(text, language, arguments);
            EXPECT_TRUE(placeholders(filled).empty()) << filled;
            for (const std::string& argument : arguments)
                EXPECT_NE(filled.find(argument), std::string::npos) << filled;
        }
    }
    EXPECT_EQ(runnerText(RunnerText::bounds_between, Language::greek, {"0,5", "1 %"}),
              "από 0,5 έως 1 %");
}

}  // namespace
}  // namespace thalmuro
