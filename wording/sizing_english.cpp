// The English wording of the riser sizing: its goals, how a design fares against them, its
// settings and why a design cannot be sized.

#include <cmath>

#include "catalogues.h"
#include "phrases.h"
#include "thalmuro/wording.h"

namespace thalmuro::english {
namespace {

std::string general(double value, const NumberLocale& locale) {
    return formatGeneral(value, locale);
}

// "Q = 0.25 m³/s": the low flow of the goals.
std::string lowFlow(const SizingGoals& goals, const NumberLocale& locale) {
    if (!goals.low_flow) return "the low flow";
    return "Q = " + general(goals.low_flow->q, locale) + " m³/s";
}

// "row 3's pipe diameter D", "total discharge Q (Text5)".
std::string place(const SizingBlock& block) {
    const std::string name = quantityName(block.quantity);
    if (block.row == 0) return name;
    return "the " + name + " of section row " + formatCount(block.row);
}

}  // namespace

std::string sizingGoalTitle(SizingGoal goal, const SizingGoals& goals, const NumberLocale& locale) {
    switch (goal) {
        case SizingGoal::uniformity:
            return "Discharge of every riser within Q/N ± " + general(goals.tolerance, locale) +
                   " % at the design Q";
        case SizingGoal::froude_low:
            return "Densimetric Froude number of every riser at least " +
                   general(goals.froude_min, locale) + " at " + lowFlow(goals, locale);
        case SizingGoal::riser_area:
            return "Total riser area between " + phrases::bound(goals.area_ratio_lower, locale) +
                   " and " + phrases::bound(goals.area_ratio_upper, locale) +
                   " of the pipe's area at riser N";
        case SizingGoal::froude_design:
            return "Densimetric Froude number of every riser at most " +
                   general(goals.froude_max, locale) + " at the design Q (preferred)";
    }
    return {};
}

std::string sizingGoalCaption(SizingGoal goal, const SizingGoals& goals,
                              const NumberLocale& locale) {
    switch (goal) {
        case SizingGoal::uniformity:
            return "Q/N ± " + general(goals.tolerance, locale) + " %";
        case SizingGoal::froude_low:
            return "Fr ≥ " + general(goals.froude_min, locale) + " at " + lowFlow(goals, locale);
        case SizingGoal::riser_area:
            return phrases::bound(goals.area_ratio_lower, locale) + " ≤ area ratio ≤ " +
                   phrases::bound(goals.area_ratio_upper, locale);
        case SizingGoal::froude_design:
            return "Fr ≤ " + general(goals.froude_max, locale) + " at the design Q";
    }
    return {};
}

std::string sizingGoalStatus(const GoalStatus& status, const NumberLocale& locale) {
    const auto f = [&locale](double value) { return phrases::figure(value, "0.00", locale); };
    std::string line;
    switch (status.goal) {
        case SizingGoal::uniformity:
            if (std::isnan(status.value)) return "not met: the design Q could not be balanced";
            line = "largest departure from Q/N " + f(status.value) + " %";
            if (!status.met) {
                line += ", " + f(status.shortfall) + " over the " + general(status.limit, locale) +
                        " % allowed";
            }
            break;
        case SizingGoal::froude_low:
            if (std::isnan(status.value)) return "not met: the low flow could not be balanced";
            line = "lowest Froude number " + f(status.value);
            if (!status.met) {
                line += ", " + f(status.shortfall) + " below " + general(status.limit, locale);
            }
            break;
        case SizingGoal::riser_area:
            line = "area ratio " + phrases::figure(status.value, "0.000", locale);
            if (!status.met) {
                line += ", " + phrases::figure(status.shortfall, "0.000", locale) +
                        (status.value < status.limit ? " below " : " above ") +
                        phrases::bound(status.limit, locale);
            }
            break;
        case SizingGoal::froude_design:
            if (std::isnan(status.value)) return "not met: the design Q could not be balanced";
            line = "highest Froude number " + f(status.value);
            if (!status.met) {
                line += ", " + f(status.shortfall) + " above " + general(status.limit, locale);
            }
            break;
    }
    return (status.met ? "met: " : "not met: ") + line;
}

std::string sizingSettingName(SizingSetting setting) {
    switch (setting) {
        case SizingSetting::tolerance:
            return "the tolerance of the riser discharges (above 0 and below 100 %)";
        case SizingSetting::low_flow_q:
            return "the discharge of the low flow (a positive number)";
        case SizingSetting::low_flow_drho:
            return "the Δρ/ρ of the low flow (a positive number)";
        case SizingSetting::froude_bounds:
            return "the Froude bounds (the lower positive and below the upper)";
        case SizingSetting::area_ratio:
            return "the area-ratio range (from 0 to 1, the lower below the upper)";
        case SizingSetting::max_rows:
            return "the most rows of the section table (from the number of sections to 30)";
        case SizingSetting::diameters:
            return "the candidate diameters (positive numbers)";
    }
    return {};
}

std::string sizingBlock(const SizingBlock& block, const NumberLocale& locale) {
    switch (block.kind) {
        case SizingBlockKind::risers_outside_range:
            return "the number of risers " + formatCount(block.count) + " lies outside 1 to 101";
        case SizingBlockKind::sections_outside_range:
            return "the number of sections " + formatCount(block.count) + " lies outside 1 to 30";
        case SizingBlockKind::value_unreadable:
            return place(block) + " " + phrases::quoted(block.text, "\"", "\"") +
                   " cannot be read as a number";
        case SizingBlockKind::value_not_positive:
            return place(block) + " " + phrases::quoted(block.text, "\"", "\"") +
                   " is not positive";
        case SizingBlockKind::rows_not_in_order:
            return "section row " + formatCount(block.row) +
                   " does not continue the risers of the rows before it, from riser 1 to riser " +
                   formatCount(block.count) + " in order";
        case SizingBlockKind::no_candidate:
            return "no candidate diameter fits in the pipe of section row " +
                   formatCount(block.row) + " (D = " + general(block.value, locale) + " m)";
        case SizingBlockKind::setting_invalid:
            return sizingSettingName(block.setting) + " cannot be " + general(block.value, locale);
    }
    return {};
}

}  // namespace thalmuro::english
