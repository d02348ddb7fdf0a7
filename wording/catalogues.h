// The two catalogues, each wording every kind in its language; wording.cpp picks one. See
// thalmuro/wording.h for what each entry words.
#pragma once

#include <string>

#include "thalmuro/engine.h"

namespace thalmuro {

namespace english {
std::string message(const Message& message);
std::string title(CheckId check);
std::string rule(CheckId check, const CheckSettings& settings, const NumberLocale& locale);
std::string source(CheckId check);
std::string caption(CheckId check);
std::string summary(const CheckResult& result, const NumberLocale& locale);
std::string dischargeBrief(const DischargeFailure& failure);
std::string dischargeWhy(const DischargeFailure& failure, const NumberLocale& locale);
std::string dischargeChange(const DischargeFailure& failure);
std::string cause(const SkippedCause& cause);
std::string marchReason(const MarchSummary& march);
std::string crossCheckSummary(const CrossCheck& check);
std::string quantityName(InputQuantity quantity);
std::string plausibleReason(InputQuantity quantity);
std::string rangeText(InputQuantity quantity, const NumberLocale& locale);
std::string numberFinding(const NumberFinding& finding, const NumberLocale& locale);
std::string verdict(Verdict verdict, VerdictBasis basis);
std::string boundedRule(CheckId check, const CheckSettings& settings, const NumberLocale& locale);
std::string figures(const CheckResult& result, const NumberLocale& locale);
std::string dischargeHeading(const DischargeFailure& failure);
std::string dischargeNotice(const DischargeFailure& failure, const NumberLocale& locale);
}  // namespace english

namespace greek {
std::string message(const Message& message);
std::string title(CheckId check);
std::string rule(CheckId check, const CheckSettings& settings, const NumberLocale& locale);
std::string source(CheckId check);
std::string caption(CheckId check);
std::string summary(const CheckResult& result, const NumberLocale& locale);
std::string dischargeBrief(const DischargeFailure& failure);
std::string dischargeWhy(const DischargeFailure& failure, const NumberLocale& locale);
std::string dischargeChange(const DischargeFailure& failure);
std::string cause(const SkippedCause& cause);
std::string marchReason(const MarchSummary& march);
std::string crossCheckSummary(const CrossCheck& check);
std::string quantityName(InputQuantity quantity);
std::string plausibleReason(InputQuantity quantity);
std::string rangeText(InputQuantity quantity, const NumberLocale& locale);
std::string numberFinding(const NumberFinding& finding, const NumberLocale& locale);
std::string verdict(Verdict verdict, VerdictBasis basis);
std::string boundedRule(CheckId check, const CheckSettings& settings, const NumberLocale& locale);
std::string figures(const CheckResult& result, const NumberLocale& locale);
std::string dischargeHeading(const DischargeFailure& failure);
std::string dischargeNotice(const DischargeFailure& failure, const NumberLocale& locale);
}  // namespace greek

}  // namespace thalmuro
