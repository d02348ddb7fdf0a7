#include "thalmuro/wording.h"

#include "catalogues.h"

namespace thalmuro {
namespace {

// The number format of a wording that names none: its language's own.
NumberLocale ownNumbers(Language language) {
    return language == Language::greek ? NumberLocale::greek() : NumberLocale::english();
}

}  // namespace

std::string wordMessage(const Message& message, Language language) {
    return wordMessage(message, language, ownNumbers(language));
}

std::string wordMessage(const Message& message, Language language, const NumberLocale& locale) {
    return language == Language::greek ? greek::message(message, locale)
                                       : english::message(message, locale);
}

std::string wordSkippedCause(const SkippedCause& cause, Language language) {
    return wordSkippedCause(cause, language, ownNumbers(language));
}

std::string wordSkippedCause(const SkippedCause& cause, Language language,
                             const NumberLocale& locale) {
    return language == Language::greek ? greek::cause(cause, locale)
                                       : english::cause(cause, locale);
}

std::string quantityName(InputQuantity quantity, Language language) {
    return language == Language::greek ? greek::quantityName(quantity)
                                       : english::quantityName(quantity);
}

std::string plausibleReason(InputQuantity quantity, Language language) {
    return language == Language::greek ? greek::plausibleReason(quantity)
                                       : english::plausibleReason(quantity);
}

std::string plausibleRangeText(InputQuantity quantity, Language language,
                               const NumberLocale& locale) {
    return language == Language::greek ? greek::rangeText(quantity, locale)
                                       : english::rangeText(quantity, locale);
}

std::string wordNumberFinding(const NumberFinding& finding, Language language,
                              const NumberLocale& locale) {
    return language == Language::greek ? greek::numberFinding(finding, locale)
                                       : english::numberFinding(finding, locale);
}

std::string wordMarchReason(const MarchSummary& march, Language language) {
    return wordMarchReason(march, language, ownNumbers(language));
}

std::string wordMarchReason(const MarchSummary& march, Language language,
                            const NumberLocale& locale) {
    return language == Language::greek ? greek::marchReason(march, locale)
                                       : english::marchReason(march, locale);
}

std::string wordCrossCheckSummary(const CrossCheck& check, Language language) {
    return wordCrossCheckSummary(check, language, ownNumbers(language));
}

std::string wordCrossCheckSummary(const CrossCheck& check, Language language,
                                  const NumberLocale& locale) {
    return language == Language::greek ? greek::crossCheckSummary(check, locale)
                                       : english::crossCheckSummary(check, locale);
}

std::string checkTitle(CheckId check, Language language) {
    return language == Language::greek ? greek::title(check) : english::title(check);
}

std::string checkRule(CheckId check, Language language, const CheckSettings& settings,
                      const NumberLocale& locale) {
    return language == Language::greek ? greek::rule(check, settings, locale)
                                       : english::rule(check, settings, locale);
}

std::string checkSource(CheckId check, Language language) {
    return language == Language::greek ? greek::source(check) : english::source(check);
}

std::string checkCaption(CheckId check, Language language) {
    return language == Language::greek ? greek::caption(check) : english::caption(check);
}

std::string checkUnit(CheckId check, Language language) {
    return language == Language::greek ? greek::unit(check) : english::unit(check);
}

std::string checkSummary(const CheckResult& result, Language language, const NumberLocale& locale) {
    return language == Language::greek ? greek::summary(result, locale)
                                       : english::summary(result, locale);
}

std::string dischargeFailureBrief(const DischargeFailure& failure, Language language) {
    return language == Language::greek ? greek::dischargeBrief(failure)
                                       : english::dischargeBrief(failure);
}

std::string dischargeFailureWhy(const DischargeFailure& failure, Language language,
                                const NumberLocale& locale) {
    return language == Language::greek ? greek::dischargeWhy(failure, locale)
                                       : english::dischargeWhy(failure, locale);
}

std::string dischargeFailureChange(const DischargeFailure& failure, Language language) {
    return language == Language::greek ? greek::dischargeChange(failure)
                                       : english::dischargeChange(failure);
}

std::string verdictWord(Verdict verdict, Language language, VerdictBasis basis) {
    return language == Language::greek ? greek::verdict(verdict, basis)
                                       : english::verdict(verdict, basis);
}

std::string checkRuleWithBounds(CheckId check, Language language, const CheckSettings& settings,
                                const NumberLocale& locale) {
    return language == Language::greek ? greek::boundedRule(check, settings, locale)
                                       : english::boundedRule(check, settings, locale);
}

std::string checkFigures(const CheckResult& result, Language language, const NumberLocale& locale) {
    if (!result.figures) return {};
    return language == Language::greek ? greek::figures(result, locale)
                                       : english::figures(result, locale);
}

std::string dischargeFailureHeading(const DischargeFailure& failure, Language language) {
    return language == Language::greek ? greek::dischargeHeading(failure)
                                       : english::dischargeHeading(failure);
}

std::string dischargeFailureNotice(const DischargeFailure& failure, Language language,
                                   const NumberLocale& locale) {
    return language == Language::greek ? greek::dischargeNotice(failure, locale)
                                       : english::dischargeNotice(failure, locale);
}

std::string verdictInText(Verdict verdict, Language language) {
    return language == Language::greek ? greek::verdictInText(verdict)
                                       : english::verdictInText(verdict);
}

ResultsCsvHeader resultsCsvHeader(Language language) {
    return language == Language::greek ? greek::resultsHeader() : english::resultsHeader();
}

ConditionsCsvWords conditionsCsvWords(Language language) {
    ConditionsCsvWords words =
        language == Language::greek ? greek::conditionsWords() : english::conditionsWords();
    for (const ThresholdInfo& check : checkThresholds())
        words.checks[static_cast<std::size_t>(check.id)] = checkCaption(check.id, language);
    for (const Verdict verdict : {Verdict::holds, Verdict::warning, Verdict::not_judged})
        words.verdicts[static_cast<std::size_t>(verdict)] = verdictInText(verdict, language);
    return words;
}

std::string runnerText(RunnerText text, Language language,
                       const std::vector<std::string>& arguments) {
    const std::string_view pattern =
        language == Language::greek ? greek::runnerText(text) : english::runnerText(text);
    // "%" and a number stand for that argument; the number is read whole, so that %10 is
    // the tenth.
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        std::size_t end = i + 1;
        std::size_t number = 0;
        while (pattern[i] == '%' && end < pattern.size() && pattern[end] >= '0' &&
               pattern[end] <= '9') {
            number = number * 10 + static_cast<std::size_t>(pattern[end] - '0');
            ++end;
        }
        if (number >= 1 && number <= arguments.size()) {
            out += arguments[number - 1];
            i = end - 1;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string sizingGoalTitle(SizingGoal goal, Language language, const SizingGoals& goals,
                            const NumberLocale& locale) {
    return language == Language::greek ? greek::sizingGoalTitle(goal, goals, locale)
                                       : english::sizingGoalTitle(goal, goals, locale);
}

std::string sizingGoalCaption(SizingGoal goal, Language language, const SizingGoals& goals,
                              const NumberLocale& locale) {
    return language == Language::greek ? greek::sizingGoalCaption(goal, goals, locale)
                                       : english::sizingGoalCaption(goal, goals, locale);
}

std::string sizingGoalStatus(const GoalStatus& status, Language language,
                             const NumberLocale& locale) {
    return language == Language::greek ? greek::sizingGoalStatus(status, locale)
                                       : english::sizingGoalStatus(status, locale);
}

std::string sizingSettingName(SizingSetting setting, Language language) {
    return language == Language::greek ? greek::sizingSettingName(setting)
                                       : english::sizingSettingName(setting);
}

std::string wordSizingBlock(const SizingBlock& block, Language language,
                            const NumberLocale& locale) {
    return language == Language::greek ? greek::sizingBlock(block, locale)
                                       : english::sizingBlock(block, locale);
}

std::string writeFailureReason(std::error_code error, Language language) {
    return language == Language::greek ? greek::writeFailure(error) : error.message();
}

}  // namespace thalmuro
