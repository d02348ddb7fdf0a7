// The Greek wording of the riser sizing: its goals, how a design fares against them, its
// settings and why a design cannot be sized.

#include <cmath>

#include "catalogues.h"
#include "phrases.h"
#include "thalmuro/wording.h"

namespace thalmuro::greek {
namespace {

std::string general(double value, const NumberLocale& locale) {
    return formatGeneral(value, locale);
}

// "Q = 0,25 m³/s": the low flow of the goals.
std::string lowFlow(const SizingGoals& goals, const NumberLocale& locale) {
    if (!goals.low_flow) return "τη χαμηλή παροχή";
    return "Q = " + general(goals.low_flow->q, locale) + " m³/s";
}

// "Ολική Παροχή", "διάμετρος αγωγού (γραμμή 3 του πίνακα)".
std::string place(const SizingBlock& block) {
    const std::string name = quantityName(block.quantity);
    if (block.row == 0) return name;
    return name + " (γραμμή " + formatCount(block.row) + " του πίνακα τμημάτων)";
}

}  // namespace

std::string sizingGoalTitle(SizingGoal goal, const SizingGoals& goals, const NumberLocale& locale) {
    switch (goal) {
        case SizingGoal::uniformity:
            return "Παροχή κάθε ανυψωτήρα εντός Q/N ± " + general(goals.tolerance, locale) +
                   " % στην παροχή σχεδιασμού";
        case SizingGoal::froude_low:
            return "Πυκνομετρικός αριθμός Froude κάθε ανυψωτήρα τουλάχιστον " +
                   general(goals.froude_min, locale) + " σε " + lowFlow(goals, locale);
        case SizingGoal::riser_area:
            return "Συνολική επιφάνεια ανυψωτήρων από " +
                   phrases::bound(goals.area_ratio_lower, locale) + " έως " +
                   phrases::bound(goals.area_ratio_upper, locale) +
                   " της επιφάνειας του αγωγού στον ανυψωτήρα N";
        case SizingGoal::froude_design:
            return "Πυκνομετρικός αριθμός Froude κάθε ανυψωτήρα το πολύ " +
                   general(goals.froude_max, locale) + " στην παροχή σχεδιασμού (προτίμηση)";
    }
    return {};
}

std::string sizingGoalCaption(SizingGoal goal, const SizingGoals& goals,
                              const NumberLocale& locale) {
    switch (goal) {
        case SizingGoal::uniformity:
            return "Q/N ± " + general(goals.tolerance, locale) + " %";
        case SizingGoal::froude_low:
            return "Fr ≥ " + general(goals.froude_min, locale) + " σε " + lowFlow(goals, locale);
        case SizingGoal::riser_area:
            return phrases::bound(goals.area_ratio_lower, locale) + " ≤ λόγος επιφανειών ≤ " +
                   phrases::bound(goals.area_ratio_upper, locale);
        case SizingGoal::froude_design:
            return "Fr ≤ " + general(goals.froude_max, locale) + " στην παροχή σχεδιασμού";
    }
    return {};
}

std::string sizingGoalStatus(const GoalStatus& status, const NumberLocale& locale) {
    const auto f = [&locale](double value) { return phrases::figure(value, "0.00", locale); };
    std::string line;
    switch (status.goal) {
        case SizingGoal::uniformity:
            if (std::isnan(status.value)) {
                return "δεν ικανοποιείται: η παροχή σχεδιασμού δεν εξισορροπήθηκε";
            }
            line = "μέγιστη απόκλιση από Q/N " + f(status.value) + " %";
            if (!status.met) {
                line += ", " + f(status.shortfall) + " πάνω από το επιτρεπόμενο " +
                        general(status.limit, locale) + " %";
            }
            break;
        case SizingGoal::froude_low:
            if (std::isnan(status.value)) {
                return "δεν ικανοποιείται: η χαμηλή παροχή δεν εξισορροπήθηκε";
            }
            line = "ελάχιστος αριθμός Froude " + f(status.value);
            if (!status.met) {
                line += ", " + f(status.shortfall) + " κάτω από " + general(status.limit, locale);
            }
            break;
        case SizingGoal::riser_area:
            line = "λόγος επιφανειών " + phrases::figure(status.value, "0.000", locale);
            if (!status.met) {
                line += ", " + phrases::figure(status.shortfall, "0.000", locale) +
                        (status.value < status.limit ? " κάτω από " : " πάνω από ") +
                        phrases::bound(status.limit, locale);
            }
            break;
        case SizingGoal::froude_design:
            if (std::isnan(status.value)) {
                return "δεν ικανοποιείται: η παροχή σχεδιασμού δεν εξισορροπήθηκε";
            }
            line = "μέγιστος αριθμός Froude " + f(status.value);
            if (!status.met) {
                line += ", " + f(status.shortfall) + " πάνω από " + general(status.limit, locale);
            }
            break;
    }
    return (status.met ? "ικανοποιείται: " : "δεν ικανοποιείται: ") + line;
}

std::string sizingSettingName(SizingSetting setting) {
    switch (setting) {
        case SizingSetting::tolerance:
            return "η ανοχή των παροχών των ανυψωτήρων (πάνω από 0 και κάτω από 100 %)";
        case SizingSetting::low_flow_q:
            return "η χαμηλή παροχή (θετικός αριθμός)";
        case SizingSetting::low_flow_drho:
            return "το Δρ/ρ της χαμηλής παροχής (θετικός αριθμός)";
        case SizingSetting::froude_bounds:
            return "τα όρια του αριθμού Froude (το κάτω θετικό και μικρότερο από το άνω)";
        case SizingSetting::area_ratio:
            return "το εύρος του λόγου επιφανειών (από 0 έως 1, το κάτω μικρότερο από το άνω)";
        case SizingSetting::max_rows:
            return "το πλήθος γραμμών του πίνακα τμημάτων (από το πλήθος των τμημάτων έως 30)";
        case SizingSetting::diameters:
            return "οι υποψήφιες διάμετροι (θετικοί αριθμοί)";
    }
    return {};
}

std::string sizingBlock(const SizingBlock& block, const NumberLocale& locale) {
    switch (block.kind) {
        case SizingBlockKind::risers_outside_range:
            return "το πλήθος ανυψωτήρων " + formatCount(block.count) + " είναι εκτός 1 έως 101";
        case SizingBlockKind::sections_outside_range:
            return "το πλήθος τμημάτων " + formatCount(block.count) + " είναι εκτός 1 έως 30";
        case SizingBlockKind::value_unreadable:
            return place(block) + " " + phrases::quoted(block.text, "«", "»") +
                   ": δεν διαβάζεται ως αριθμός";
        case SizingBlockKind::value_not_positive:
            return place(block) + " " + phrases::quoted(block.text, "«", "»") +
                   ": δεν είναι θετικός αριθμός";
        case SizingBlockKind::rows_not_in_order:
            return "η γραμμή " + formatCount(block.row) +
                   " του πίνακα τμημάτων δεν συνεχίζει τους ανυψωτήρες των προηγούμενων, από "
                   "τον 1 έως τον " +
                   formatCount(block.count) + " με τη σειρά";
        case SizingBlockKind::no_candidate:
            return "καμία υποψήφια διάμετρος δεν χωρά στον αγωγό της γραμμής " +
                   formatCount(block.row) + " (D = " + general(block.value, locale) + " m)";
        case SizingBlockKind::setting_invalid: {
            std::string name = sizingSettingName(block.setting);
            return name + " δεν μπορεί να είναι " + general(block.value, locale);
        }
    }
    return {};
}

}  // namespace thalmuro::greek
