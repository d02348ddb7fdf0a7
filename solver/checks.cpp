// The design checks: rules of outfall design applied to a solved problem. They read the problem
// as typed, the results store and the Solve's outcome, and never change any of them.

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "checked.h"
#include "discharge_failure.h"
#include "march.h"
#include "thalmuro/engine.h"
#include "wording.h"

namespace thalmuro {
namespace {

enum CheckIndex : std::size_t {
    kFroudeMin,
    kFroudeMax,
    kUniformity,
    kRiserArea,
    kPipeVelocity,
    kBalanceError,
    kLandwardHead,
    kSkippedSteps,
};

constexpr std::array<ThresholdInfo, kCheckCount> kThresholds{{
    {"froude_min", "Ελάχιστος πυκνομετρικός αριθμός Froude",
     "densimetric Froude number of every riser at least 1 (below 1 seawater can enter the port)",
     1.0, std::nullopt, "-",
     "Fischer et al. (1979), Mixing in Inland and Coastal Waters: outfall design"},
    {"froude_max", "Μέγιστος πυκνομετρικός αριθμός Froude",
     "densimetric Froude number of every riser at most 10 (the range of the nomograph)",
     std::nullopt, 10.0, "-", "Abraham's nomograph"},
    {"uniformity", "Ομοιομορφία παροχών ανυψωτήρων",
     "discharge of every riser within Q/N - 10 % and Q/N + 10 %", -10.0, 10.0, "% of Q/N",
     "uniform discharge along the diffuser, as in outfall design practice; the band of the "
     "graph window"},
    {"riser_area", "Εμβαδόν ανυψωτήρων προς εμβαδόν αγωγού",
     "total riser area over the pipe area at riser N between 1/3 and 2/3", 1.0 / 3.0, 2.0 / 3.0,
     "-", "Rawn, Bowerman and Brooks (1961); Fischer et al. (1979)"},
    {"pipe_velocity", "Ταχύτητα αυτοκαθαρισμού στον αγωγό",
     "largest pipe velocity of every section at least the self-cleansing velocity (settable)",
     kDefaultSelfCleansingVelocity, std::nullopt, "m/s", "common sewer design practice"},
    {"balance_error", "Σφάλμα ισοζυγίου παροχών", "e = (Qcalc - Q) / Qcalc within 5 % either way",
     -5.0, 5.0, "%", "the program's own tolerance"},
    {"landward_head", "Ενέργεια στο χερσαίο άκρο",
     "E of riser N = E of riser 1 + friction losses + density terms (informative)", std::nullopt,
     std::nullopt, "m", "the march's energy balance"},
    {"skipped_steps", "Βήματα που παραλείφθηκαν", "every step of the Solve computed", std::nullopt,
     0.0, "steps", "the program's own rule"},
}};

// What the march copies from the section rows onto each riser (the later row wins), as read
// from the typed rows with the locale rule. The store keeps the friction factor and the pipe
// diameter per riser but not the rest.
struct RiserSections {
    std::array<int, kMaxRisers> section{};  // 0: no section names the riser
    std::array<Num, kMaxRisers> spacing{};
    std::array<Num, kMaxRisers> elevation_step{};
    std::array<Num, kMaxRisers> riser_diameter{};
};

RiserSections riserSections(const DiffuserInput& input, long sections, const NumberLocale& locale) {
    RiserSections out;
    out.section = sectionsOfRisers(input, sections, locale).section;
    for (std::size_t i = 0; i < kMaxRisers; ++i) {
        if (out.section[i] == 0) continue;
        const SectionRow& row = input.rows[static_cast<std::size_t>(out.section[i] - 1)];
        out.spacing[i] = readValue(row.spacing, locale);
        out.elevation_step[i] = readValue(row.elevation_step, locale);
        out.riser_diameter[i] = readValue(row.riser_diameter, locale);
    }
    // Riser 1 always discharges through the riser diameter of row 1.
    out.riser_diameter[0] = sections >= 1 ? readValue(input.rows[0].riser_diameter, locale)
                                          : Num::failed(Fault::index_outside);
    return out;
}

const NumberLocale kPlain = NumberLocale::english();

std::string figure(double value, std::string_view pattern = "0.000") {
    return formatPattern(value, pattern, kPlain);
}

CheckResult notJudged(std::size_t check, std::string why) {
    CheckResult result;
    result.name = kThresholds[check].name;
    result.verdict = Verdict::not_judged;
    result.summary = "Cannot be judged: " + why + ".";
    return result;
}

CheckResult judged(std::size_t check, bool holds) {
    CheckResult result;
    result.name = kThresholds[check].name;
    result.verdict = holds ? Verdict::holds : Verdict::warning;
    return result;
}

class Checker {
  public:
    Checker(const DiffuserInput& input, const SharedState& state, const SolveOutcome& outcome,
            const NumberLocale& locale, const CheckSettings& settings)
        : r_(state.results),
          outcome_(outcome),
          settings_(settings),
          n_(state.results.n_risers),
          sectionCount_(state.tmimata),
          drho_(readValue(state.results.drho, locale)),
          risers_(riserSections(input, state.tmimata, locale)),
          causes_(explainSkipped(input, outcome, locale)),
          share_(readValue(input.total_discharge, locale) / Num(static_cast<double>(n_))),
          typedCount_(leadingCount(input.risers) == std::optional<std::int16_t>(n_)) {
        // A skipped step leaves in the store what an earlier Solve put there, and any later step
        // may have used it: the march's figures are only taken when no step of the computation
        // was skipped. A report line left out changes no figure.
        if (n_ < 1 || n_ > kMaxRisers) {
            why_ = "the number of risers " + std::to_string(n_) + " is outside 1 to " +
                   std::to_string(kMaxRisers);
            return;
        }
        std::vector<Skip> computation;
        for (const Skip& skip : outcome.skipped) {
            if (skip.kind != StepKind::report_line) computation.push_back(skip);
        }
        if (computation.empty()) return;
        failure_ = findDischargeFailure(computation, r_, input.fitting);
        why_ = failure_ ? describe(*failure_) : "the Solve skipped steps";
    }

    std::vector<CheckResult> run() const {
        return {froudeMin(),    froudeMax(),    uniformity(),   riserArea(),
                pipeVelocity(), balanceError(), landwardHead(), skippedSteps()};
    }

  private:
    bool computed() const { return why_.empty(); }

    // A check that needs the march's figures when the march could not compute them.
    CheckResult notComputed(std::size_t check) const {
        CheckResult result = notJudged(check, why_);
        result.discharge_failure = failure_;
        return result;
    }

    // The densimetric Froude number of each riser passing its share Q/N through its riser
    // diameter, v = 4 (Q/N) / (p d^2) and F = v / (d g Δρ/ρ)^0.5 as the march computes it;
    // nothing when a figure it needs cannot be read.
    std::optional<std::vector<double>> estimatedFroudeNumbers() const {
        if (n_ < 1 || n_ > kMaxRisers || !typedCount_) return std::nullopt;
        if (!share_.ok() || !(share_.value() > 0.0)) return std::nullopt;
        std::vector<double> estimates;
        for (std::size_t i = 0; i < riserCount(); ++i) {
            if (i > 0 && risers_.section[i] == 0) return std::nullopt;
            const Num d = risers_.riser_diameter[i];
            const Num v = Num(4.0) * share_ / (sq(d) * Num(kPi));
            const Num froude = v / pow(d * Num(kGravity) * drho_, 0.5);
            if (!froude.ok()) return std::nullopt;
            estimates.push_back(froude.value());
        }
        return estimates;
    }

    // A Froude check on the estimates, when the march's figures cannot be used: the risers
    // on the wrong side of the bound go to `risers`.
    std::optional<CheckResult> estimated(std::size_t check, bool (*outside)(double)) const {
        const std::optional<std::vector<double>> estimates = estimatedFroudeNumbers();
        if (!estimates) return std::nullopt;
        std::vector<int> risers;
        for (std::size_t i = 0; i < estimates->size(); ++i) {
            if (outside((*estimates)[i])) risers.push_back(static_cast<int>(i + 1));
        }
        CheckResult result = judged(check, risers.empty());
        result.basis = VerdictBasis::estimate;
        result.values = *estimates;
        result.risers = std::move(risers);
        result.discharge_failure = failure_;
        return result;
    }

    std::string estimatePreamble() const {
        return "Estimated from each riser's share Q/N = " + figure(share_.value(), "0.00000") +
               " m^3/s, as the march's figures cannot be used: ";
    }

    std::size_t riserCount() const { return static_cast<std::size_t>(n_); }

    std::vector<double> froudeNumbers() const {
        return {r_.froude.begin(), r_.froude.begin() + n_};
    }

    CheckResult froudeMin() const {
        if (!computed()) {
            std::optional<CheckResult> estimate =
                estimated(kFroudeMin, [](double f) { return f < *kThresholds[kFroudeMin].lower; });
            if (!estimate) return notComputed(kFroudeMin);
            const auto& v = estimate->values;
            estimate->summary =
                estimatePreamble() + "the smallest densimetric Froude number is " +
                figure(*std::min_element(v.begin(), v.end())) +
                (estimate->risers.empty()
                     ? "; every riser is at least 1."
                     : "; below 1 at risers " +
                           numberRanges({estimate->risers.begin(), estimate->risers.end()}) + ".");
            return *estimate;
        }
        const double limit = *kThresholds[kFroudeMin].lower;
        std::vector<int> below;
        for (std::size_t i = 0; i < riserCount(); ++i) {
            if (r_.froude[i] < limit) below.push_back(static_cast<int>(i + 1));
        }
        CheckResult result = judged(kFroudeMin, below.empty());
        result.values = froudeNumbers();
        const double least = *std::min_element(result.values.begin(), result.values.end());
        result.summary = "The smallest densimetric Froude number is " + figure(least) +
                         (below.empty() ? "; every riser is at least 1."
                                        : "; below 1 at risers " +
                                              numberRanges({below.begin(), below.end()}) + ".");
        result.risers = std::move(below);
        return result;
    }

    CheckResult froudeMax() const {
        if (!computed()) {
            std::optional<CheckResult> estimate = estimated(
                kFroudeMax, [](double f) { return greater(f, *kThresholds[kFroudeMax].upper); });
            if (!estimate) return notComputed(kFroudeMax);
            const auto& v = estimate->values;
            estimate->summary =
                estimatePreamble() + "the largest densimetric Froude number is " +
                figure(*std::max_element(v.begin(), v.end())) +
                (estimate->risers.empty()
                     ? "; every riser is at most 10."
                     : "; above 10 at risers " +
                           numberRanges({estimate->risers.begin(), estimate->risers.end()}) + ".");
            return *estimate;
        }
        // Strictly above the limit, as the report lists the risers.
        const Num limit = *kThresholds[kFroudeMax].upper;
        std::vector<int> above;
        for (std::size_t i = 0; i < riserCount(); ++i) {
            if (greater(r_.froude[i], limit)) above.push_back(static_cast<int>(i + 1));
        }
        CheckResult result = judged(kFroudeMax, above.empty());
        result.values = froudeNumbers();
        const double largest = *std::max_element(result.values.begin(), result.values.end());
        result.summary = "The largest densimetric Froude number is " + figure(largest) +
                         (above.empty() ? "; every riser is at most 10."
                                        : "; above 10 at risers " +
                                              numberRanges({above.begin(), above.end()}) + ".");
        result.risers = std::move(above);
        return result;
    }

    CheckResult uniformity() const {
        if (!computed()) return notComputed(kUniformity);
        const double q = r_.q_total;
        const double n = static_cast<double>(n_);
        if (!(q > 0.0)) return notJudged(kUniformity, "Q is not positive");
        // The band of the graph window, computed as it is written there.
        const double mean = q / n;
        const double upper = (q * 0.1) / n + q / n;
        const double lower = q / n - (q * 0.1) / n;
        const auto first = r_.q_riser.begin();
        const auto [least, largest] = std::minmax_element(first, first + n_);
        if (!(*least > 0.0)) return notJudged(kUniformity, "a riser's discharge is not positive");
        std::vector<int> outside;
        for (std::size_t i = 0; i < riserCount(); ++i) {
            if (r_.q_riser[i] > upper || r_.q_riser[i] < lower) {
                outside.push_back(static_cast<int>(i + 1));
            }
        }
        CheckResult result = judged(kUniformity, outside.empty());
        const double ratio = *largest / *least;
        result.values = {mean, upper, lower, *largest, *least, ratio};
        result.summary =
            "Riser discharges from " + figure(*least, "0.00000") + " to " +
            figure(*largest, "0.00000") + " m^3/s (ratio " + figure(ratio) + ") against the band " +
            figure(lower, "0.00000") + " to " + figure(upper, "0.00000") + " m^3/s" +
            (outside.empty()
                 ? "."
                 : "; outside at risers " + numberRanges({outside.begin(), outside.end()}) + ".");
        result.risers = std::move(outside);
        return result;
    }

    CheckResult riserArea() const {
        if (!computed()) return notComputed(kRiserArea);
        Num risers = 0.0;
        for (std::size_t i = 0; i < riserCount(); ++i) {
            if (i > 0 && risers_.section[i] == 0) {
                return notJudged(kRiserArea, "no section holds riser " + std::to_string(i + 1));
            }
            risers = risers + Num(kPi) * sq(risers_.riser_diameter[i]) / Num(4.0);
        }
        const Num pipe = Num(kPi) * sq(Num(r_.d_pipe[riserCount() - 1])) / Num(4.0);
        const Num ratio = risers / pipe;
        if (!ratio.ok()) return notJudged(kRiserArea, "a diameter cannot be read");
        const ThresholdInfo& rule = kThresholds[kRiserArea];
        CheckResult result =
            judged(kRiserArea, ratio.value() >= *rule.lower && ratio.value() <= *rule.upper);
        result.values = {risers.value(), pipe.value(), ratio.value()};
        result.summary = "The risers' total area " + figure(risers.value(), "0.00000") +
                         " m^2 is " + figure(ratio.value()) + " of the pipe area " +
                         figure(pipe.value(), "0.00000") + " m^2 at riser " + std::to_string(n_) +
                         " (1/3 to 2/3 recommended).";
        return result;
    }

    // The pipe velocity at the design discharge: v_diffuser of riser k is the velocity in the
    // pipe just landward of riser k, carrying the discharge of risers 1 to k through the
    // diameter of riser k's section, so the largest of a section's risers is the velocity at
    // its landward end.
    CheckResult pipeVelocity() const {
        if (!computed()) return notComputed(kPipeVelocity);
        const long sections = std::min<long>(sectionCount_, kSectionRows);
        if (sections < 1) return notJudged(kPipeVelocity, "there are no sections");
        std::vector<double> largest(static_cast<std::size_t>(sections));
        std::vector<bool> held(static_cast<std::size_t>(sections));
        for (std::size_t i = 0; i < riserCount(); ++i) {
            const int s = risers_.section[i];
            if (s == 0) continue;
            const auto at = static_cast<std::size_t>(s - 1);
            largest[at] = held[at] ? std::max(largest[at], r_.v_diffuser[i]) : r_.v_diffuser[i];
            held[at] = true;
        }
        const double minimum = settings_.min_pipe_velocity;
        std::vector<int> slow;
        for (std::size_t s = 0; s < largest.size(); ++s) {
            if (!held[s]) {
                return notJudged(kPipeVelocity,
                                 "section " + std::to_string(s + 1) + " holds no riser");
            }
            if (largest[s] < minimum) slow.push_back(static_cast<int>(s + 1));
        }
        CheckResult result = judged(kPipeVelocity, slow.empty());
        const double least = *std::min_element(largest.begin(), largest.end());
        result.values = std::move(largest);
        result.summary = "The slowest section's largest pipe velocity is " + figure(least) +
                         " m/s against " + figure(minimum) + " m/s" +
                         (slow.empty() ? "."
                                       : "; below it in sections " +
                                             numberRanges({slow.begin(), slow.end()}) + ".");
        result.sections = std::move(slow);
        return result;
    }

    // The figure of the report's line "e=", before it is rounded and made positive.
    CheckResult balanceError() const {
        if (!computed()) return notComputed(kBalanceError);
        const Num qcalc = outcome_.balance.qcalc;
        const Num q = r_.q_total;
        const Num e = (qcalc - q) / qcalc * Num(100.0);
        if (!e.ok()) return notJudged(kBalanceError, "Qcalc is zero");
        const ThresholdInfo& rule = kThresholds[kBalanceError];
        CheckResult result =
            judged(kBalanceError, e.value() >= *rule.lower && e.value() <= *rule.upper);
        result.values = {qcalc.value(), q.value(), e.value()};
        result.summary = "The risers pass Qcalc = " + figure(qcalc.value(), "0.00000") +
                         " m^3/s against Q = " + figure(q.value(), "0.00000") +
                         " m^3/s: e = " + figure(e.value()) + " %.";
        return result;
    }

    // E of riser N taken apart into the terms the march adds from riser 1 on: the friction
    // loss f dl V^2 / (2 g D) and the density term drho dz of each reach, with the data of the
    // section holding the reach's seaward riser.
    CheckResult landwardHead() const {
        if (!computed()) return notComputed(kLandwardHead);
        Num friction = 0.0;
        Num density = 0.0;
        for (std::size_t i = 1; i < riserCount(); ++i) {
            friction = friction + Num(r_.f_riser[i - 1]) * risers_.spacing[i - 1] *
                                      sq(Num(r_.v_diffuser[i - 1])) /
                                      (Num(2.0) * Num(kGravity) * Num(r_.d_pipe[i - 1]));
            density = density + drho_ * risers_.elevation_step[i - 1];
        }
        if (!friction.ok() || !density.ok()) {
            return notJudged(kLandwardHead, "a reach's data cannot be read");
        }
        CheckResult result = judged(kLandwardHead, true);
        const double first = r_.specific_energy[0];
        const double last = r_.specific_energy[riserCount() - 1];
        result.values = {first, friction.value(), density.value(), last};
        result.summary = "E of riser " + std::to_string(n_) + " = " + figure(last, "0.00000") +
                         " m: " + figure(first, "0.00000") + " m at riser 1, " +
                         figure(friction.value(), "0.00000") + " m of friction losses and " +
                         figure(density.value(), "0.00000") + " m of density terms.";
        return result;
    }

    CheckResult skippedSteps() const {
        CheckResult result = judged(kSkippedSteps, outcome_.skipped.empty());
        const long steps = skippedStepCount(outcome_.skipped);
        result.values = {static_cast<double>(steps)};
        if (outcome_.skipped.empty()) {
            result.summary = "Every step was computed.";
            return result;
        }
        // The steps told by their causes, with the rows and risers the causes name.
        std::set<int> sections;
        std::set<int> risers;
        result.summary = "Skipped steps (" + std::to_string(steps) + ") from " +
                         std::to_string(causes_.size()) +
                         (causes_.size() == 1 ? " cause:" : " causes:");
        for (std::size_t i = 0; i < causes_.size(); ++i) {
            const SkippedCause& cause = causes_[i];
            result.summary +=
                (i == 0 ? " (" : "; (") + std::to_string(i + 1) + ") " + cause.english;
            sections.insert(cause.rows.begin(), cause.rows.end());
            risers.insert(cause.risers.begin(), cause.risers.end());
        }
        result.summary += '.';
        result.sections.assign(sections.begin(), sections.end());
        result.risers.assign(risers.begin(), risers.end());
        return result;
    }

    const DiffuserResults& r_;
    const SolveOutcome& outcome_;
    const CheckSettings& settings_;
    long n_;
    long sectionCount_;
    Num drho_;
    RiserSections risers_;
    std::vector<SkippedCause> causes_;
    Num share_;        // Q/N read from the typed Q
    bool typedCount_;  // the store's N is the count typed, not one an earlier Solve left
    std::optional<DischargeFailure> failure_;
    std::string why_;
};

}  // namespace

std::string_view nameOf(VerdictBasis basis) {
    switch (basis) {
        case VerdictBasis::march:
            return "march";
        case VerdictBasis::estimate:
            return "estimate";
    }
    return {};
}

std::string_view nameOf(Verdict verdict) {
    switch (verdict) {
        case Verdict::holds:
            return "holds";
        case Verdict::warning:
            return "warning";
        case Verdict::not_judged:
            return "not_judged";
    }
    return {};
}

const std::array<ThresholdInfo, kCheckCount>& checkThresholds() {
    return kThresholds;
}

std::vector<CheckResult> checkDesign(const DiffuserInput& input, const SharedState& solvedState,
                                     const SolveOutcome& outcome, const NumberLocale& locale,
                                     const CheckSettings& settings) {
    return Checker(input, solvedState, outcome, locale, settings).run();
}

}  // namespace thalmuro
