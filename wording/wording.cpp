#include "thalmuro/wording.h"

#include "catalogues.h"

namespace thalmuro {

std::string wordMessage(const Message& message, Language language) {
    return language == Language::greek ? greek::message(message) : english::message(message);
}

std::string wordSkippedCause(const SkippedCause& cause, Language language) {
    return language == Language::greek ? greek::cause(cause) : english::cause(cause);
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
    return language == Language::greek ? greek::marchReason(march) : english::marchReason(march);
}

std::string wordCrossCheckSummary(const CrossCheck& check, Language language) {
    return language == Language::greek ? greek::crossCheckSummary(check)
                                       : english::crossCheckSummary(check);
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

}  // namespace thalmuro
