// The two catalogues, each wording every kind in its language; wording.cpp picks one. See
// thalmuro/wording.h for what each entry words. The runner's own texts are in runner_english.cpp
// and runner_greek.cpp, the riser sizing's in sizing_english.cpp and sizing_greek.cpp.
#pragma once

#include <string>
#include <string_view>
#include <system_error>

#include "thalmuro/engine.h"
#include "thalmuro/wording.h"

namespace thalmuro {

namespace english {
std::string message(const Message& message, const NumberLocale& locale);
std::string title(CheckId check);
std::string rule(CheckId check, const CheckSettings& settings, const NumberLocale& locale);
std::string source(CheckId check);
std::string caption(CheckId check);
std::string unit(CheckId check);
std::string summary(const CheckResult& result, const NumberLocale& locale);
std::string dischargeBrief(const DischargeFailure& failure);
std::string dischargeWhy(const DischargeFailure& failure, const NumberLocale& locale);
std::string dischargeChange(const DischargeFailure& failure);
std::string cause(const SkippedCause& cause, const NumberLocale& locale);
std::string marchReason(const MarchSummary& march, const NumberLocale& locale);
std::string crossCheckSummary(const CrossCheck& check, const NumberLocale& locale);
std::string quantityName(InputQuantity quantity);
std::string plausibleReason(InputQuantity quantity);
std::string rangeText(InputQuantity quantity, const NumberLocale& locale);
std::string numberFinding(const NumberFinding& finding, const NumberLocale& locale);
std::string verdict(Verdict verdict, VerdictBasis basis);
std::string boundedRule(CheckId check, const CheckSettings& settings, const NumberLocale& locale);
std::string figures(const CheckResult& result, const NumberLocale& locale);
std::string dischargeHeading(const DischargeFailure& failure);
std::string dischargeNotice(const DischargeFailure& failure, const NumberLocale& locale);
std::string verdictInText(Verdict verdict);
ResultsCsvHeader resultsHeader();
// The figures' columns and the count of skipped steps; wording.cpp adds the checks' captions
// and the verdicts.
ConditionsCsvWords conditionsWords();
std::string_view runnerText(RunnerText text);
std::string sizingGoalTitle(SizingGoal goal, const SizingGoals& goals, const NumberLocale& locale);
std::string sizingGoalCaption(SizingGoal goal, const SizingGoals& goals,
                              const NumberLocale& locale);
std::string sizingGoalStatus(const GoalStatus& status, const NumberLocale& locale);
std::string sizingSettingName(SizingSetting setting);
std::string sizingBlock(const SizingBlock& block, const NumberLocale& locale);
}  // namespace english

namespace greek {
std::string message(const Message& message, const NumberLocale& locale);
std::string title(CheckId check);
std::string rule(CheckId check, const CheckSettings& settings, const NumberLocale& locale);
std::string source(CheckId check);
std::string caption(CheckId check);
std::string unit(CheckId check);
std::string summary(const CheckResult& result, const NumberLocale& locale);
std::string dischargeBrief(const DischargeFailure& failure);
std::string dischargeWhy(const DischargeFailure& failure, const NumberLocale& locale);
std::string dischargeChange(const DischargeFailure& failure);
std::string cause(const SkippedCause& cause, const NumberLocale& locale);
std::string marchReason(const MarchSummary& march, const NumberLocale& locale);
std::string crossCheckSummary(const CrossCheck& check, const NumberLocale& locale);
std::string quantityName(InputQuantity quantity);
std::string plausibleReason(InputQuantity quantity);
std::string rangeText(InputQuantity quantity, const NumberLocale& locale);
std::string numberFinding(const NumberFinding& finding, const NumberLocale& locale);
std::string verdict(Verdict verdict, VerdictBasis basis);
std::string boundedRule(CheckId check, const CheckSettings& settings, const NumberLocale& locale);
std::string figures(const CheckResult& result, const NumberLocale& locale);
std::string dischargeHeading(const DischargeFailure& failure);
std::string dischargeNotice(const DischargeFailure& failure, const NumberLocale& locale);
std::string verdictInText(Verdict verdict);
ResultsCsvHeader resultsHeader();
// The figures' columns and the count of skipped steps; wording.cpp adds the checks' captions
// and the verdicts.
ConditionsCsvWords conditionsWords();
std::string_view runnerText(RunnerText text);
// Why a file could not be written, for the common causes.
std::string writeFailure(std::error_code error);
std::string sizingGoalTitle(SizingGoal goal, const SizingGoals& goals, const NumberLocale& locale);
std::string sizingGoalCaption(SizingGoal goal, const SizingGoals& goals,
                              const NumberLocale& locale);
std::string sizingGoalStatus(const GoalStatus& status, const NumberLocale& locale);
std::string sizingSettingName(SizingSetting setting);
std::string sizingBlock(const SizingBlock& block, const NumberLocale& locale);
}  // namespace greek

}  // namespace thalmuro
