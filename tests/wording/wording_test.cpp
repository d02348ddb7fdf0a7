// The catalogues: every kind has a text in English and in Greek, and the texts that hosts show
// are worded with the figures and the number format given.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "thalmuro/engine.h"
#include "thalmuro/wording.h"

namespace thalmuro {
namespace {

constexpr Language kLanguages[] = {Language::english, Language::greek};
const NumberLocale kGreek = NumberLocale::greek();

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
        }
    }
}

// The texts the runner and the windows show: English sentences with a decimal point whatever
// the format, Greek figures in the format given, runs of risers joined as each host joins them.
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
        std::string expected;
    } cases[] = {
        {uniformity, Language::english,
         "Riser discharges from 0.02394 to 0.03000 m^3/s (ratio 1.253) against the band 0.02268 "
         "to 0.02772 m^3/s; outside at risers 9 to 11, 14."},
        {uniformity, Language::greek,
         "Q/N = 0,02520 m³/s, ζώνη 0,02268 έως 0,02772 m³/s· παροχές από 0,02394 έως 0,03000 "
         "m³/s, λόγος 1,253"},
        {[] {
             CheckResult result;
             result.id = CheckId::pipe_velocity;
             Message why;
             why.kind = MessageKind::section_without_riser;
             why.section = 2;
             result.not_judged = why;
             return result;
         }(),
         Language::english, "Cannot be judged: section 2 holds no riser."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(checkSummary(c.result, c.language, kGreek), c.expected);
    }
    EXPECT_EQ(dischargeFailureBrief(bellFailure(), Language::english),
              "the march could not compute the discharge of risers 2 to 5");
    EXPECT_EQ(dischargeFailureBrief(bellFailure(), Language::greek),
              "Δεν υπολογίστηκε η παροχή των ανυψωτήρων 2–5");
}

}  // namespace
}  // namespace thalmuro
