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

namespace thalmuro {
namespace {

constexpr std::array<ThresholdInfo, kCheckCount> kThresholds{{
    {CheckId::froude_min, "froude_min", 1.0, std::nullopt, "-"},
    {CheckId::froude_max, "froude_max", std::nullopt, 10.0, "-"},
    {CheckId::uniformity, "uniformity", -10.0, 10.0, "% of Q/N"},
    {CheckId::riser_area, "riser_area", 1.0 / 3.0, 2.0 / 3.0, "-"},
    {CheckId::pipe_velocity, "pipe_velocity", kDefaultSelfCleansingVelocity, std::nullopt, "m/s"},
    {CheckId::balance_error, "balance_error", -5.0, 5.0, "%"},
    {CheckId::landward_head, "landward_head", std::nullopt, std::nullopt, "m"},
    {CheckId::skipped_steps, "skipped_steps", std::nullopt, 0.0, "steps"},
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

Message because(MessageKind kind) {
    Message message;
    message.kind = kind;
    return message;
}

CheckResult notJudged(CheckId check, Message why) {
    CheckResult result;
    result.id = check;
    result.verdict = Verdict::not_judged;
    result.not_judged = std::move(why);
    return result;
}

CheckResult notJudged(CheckId check, MessageKind why) {
    return notJudged(check, because(why));
}

CheckResult judged(CheckId check, bool holds, CheckFigures figures) {
    CheckResult result;
    result.id = check;
    result.verdict = holds ? Verdict::holds : Verdict::warning;
    result.figures = std::move(figures);
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
            Message why = because(MessageKind::risers_outside_range);
            why.count = n_;
            why_ = std::move(why);
            return;
        }
        std::vector<Skip> computation;
        for (const Skip& skip : outcome.skipped) {
            if (skip.kind != StepKind::report_line) computation.push_back(skip);
        }
        if (computation.empty()) return;
        failure_ = findDischargeFailure(computation, r_, input.fitting);
        Message why = because(failure_ ? MessageKind::discharge_not_computed
                                       : MessageKind::solve_skipped_steps);
        why.discharge_failure = failure_;
        why_ = std::move(why);
    }

    std::vector<CheckResult> run() const {
        return {froude(CheckId::froude_min),
                froude(CheckId::froude_max),
                uniformity(),
                riserArea(),
                pipeVelocity(),
                balanceError(),
                landwardHead(),
                skippedSteps()};
    }

  private:
    bool computed() const { return !why_; }

    // A check that needs the march's figures when the march could not compute them.
    CheckResult notComputed(CheckId check) const {
        CheckResult result = notJudged(check, *why_);
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

    std::size_t riserCount() const { return static_cast<std::size_t>(n_); }

    // A riser on the wrong side of the check's bound: below 1 for froude_min, strictly above
    // 10 for froude_max, as the report lists the risers.
    static bool outside(CheckId check, double froude) {
        const ThresholdInfo& rule = thresholdOf(check);
        return check == CheckId::froude_min ? froude < *rule.lower
                                            : greater(froude, Num(*rule.upper));
    }

    // froude_min or froude_max: from the march's figures, or estimated when they cannot be used.
    CheckResult froude(CheckId check) const {
        CheckFigures figures;
        VerdictBasis basis = VerdictBasis::march;
        if (computed()) {
            figures.froude.assign(r_.froude.begin(), r_.froude.begin() + n_);
        } else {
            std::optional<std::vector<double>> estimates = estimatedFroudeNumbers();
            if (!estimates) return notComputed(check);
            figures.froude = std::move(*estimates);
            figures.share = share_.value();
            basis = VerdictBasis::estimate;
        }
        std::vector<int> risers;
        for (std::size_t i = 0; i < figures.froude.size(); ++i) {
            if (outside(check, figures.froude[i])) risers.push_back(static_cast<int>(i + 1));
        }
        CheckResult result = judged(check, risers.empty(), std::move(figures));
        result.basis = basis;
        result.risers = std::move(risers);
        result.discharge_failure = failure_;
        return result;
    }

    CheckResult uniformity() const {
        if (!computed()) return notComputed(CheckId::uniformity);
        const double q = r_.q_total;
        const double n = static_cast<double>(n_);
        if (!(q > 0.0)) return notJudged(CheckId::uniformity, MessageKind::q_not_positive);
        // The band of the graph window, computed as it is written there.
        CheckFigures figures;
        figures.mean = q / n;
        figures.band_upper = (q * 0.1) / n + q / n;
        figures.band_lower = q / n - (q * 0.1) / n;
        const auto first = r_.q_riser.begin();
        const auto [least, largest] = std::minmax_element(first, first + n_);
        if (!(*least > 0.0)) {
            return notJudged(CheckId::uniformity, MessageKind::riser_discharge_not_positive);
        }
        std::vector<int> outside;
        for (std::size_t i = 0; i < riserCount(); ++i) {
            if (r_.q_riser[i] > figures.band_upper || r_.q_riser[i] < figures.band_lower) {
                outside.push_back(static_cast<int>(i + 1));
            }
        }
        figures.q_largest = *largest;
        figures.q_smallest = *least;
        figures.q_ratio = *largest / *least;
        CheckResult result = judged(CheckId::uniformity, outside.empty(), std::move(figures));
        result.risers = std::move(outside);
        return result;
    }

    CheckResult riserArea() const {
        if (!computed()) return notComputed(CheckId::riser_area);
        Num risers = 0.0;
        for (std::size_t i = 0; i < riserCount(); ++i) {
            if (i > 0 && risers_.section[i] == 0) {
                Message why = because(MessageKind::riser_without_section);
                why.riser = static_cast<int>(i + 1);
                return notJudged(CheckId::riser_area, std::move(why));
            }
            risers = risers + Num(kPi) * sq(risers_.riser_diameter[i]) / Num(4.0);
        }
        const Num pipe = Num(kPi) * sq(Num(r_.d_pipe[riserCount() - 1])) / Num(4.0);
        const Num ratio = risers / pipe;
        if (!ratio.ok()) return notJudged(CheckId::riser_area, MessageKind::diameter_unreadable);
        const ThresholdInfo& rule = thresholdOf(CheckId::riser_area);
        CheckFigures figures;
        figures.risers_area = risers.value();
        figures.pipe_area = pipe.value();
        figures.area_ratio = ratio.value();
        figures.landward_riser = static_cast<int>(n_);
        return judged(CheckId::riser_area,
                      ratio.value() >= *rule.lower && ratio.value() <= *rule.upper,
                      std::move(figures));
    }

    // The pipe velocity at the design discharge: v_diffuser of riser k is the velocity in the
    // pipe just landward of riser k, carrying the discharge of risers 1 to k through the
    // diameter of riser k's section, so the largest of a section's risers is the velocity at
    // its landward end.
    CheckResult pipeVelocity() const {
        if (!computed()) return notComputed(CheckId::pipe_velocity);
        const long sections = std::min<long>(sectionCount_, kSectionRows);
        if (sections < 1) return notJudged(CheckId::pipe_velocity, MessageKind::no_sections);
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
                Message why = because(MessageKind::section_without_riser);
                why.section = static_cast<int>(s + 1);
                return notJudged(CheckId::pipe_velocity, std::move(why));
            }
            if (largest[s] < minimum) slow.push_back(static_cast<int>(s + 1));
        }
        CheckFigures figures;
        figures.section_velocity = std::move(largest);
        figures.min_velocity = minimum;
        CheckResult result = judged(CheckId::pipe_velocity, slow.empty(), std::move(figures));
        result.sections = std::move(slow);
        return result;
    }

    // The figure of the report's line "e=", before it is rounded and made positive.
    CheckResult balanceError() const {
        if (!computed()) return notComputed(CheckId::balance_error);
        const Num qcalc = outcome_.balance.qcalc;
        const Num q = r_.q_total;
        const Num e = (qcalc - q) / qcalc * Num(100.0);
        if (!e.ok()) return notJudged(CheckId::balance_error, MessageKind::qcalc_zero);
        const ThresholdInfo& rule = thresholdOf(CheckId::balance_error);
        CheckFigures figures;
        figures.qcalc = qcalc.value();
        figures.q = q.value();
        figures.e = e.value();
        return judged(CheckId::balance_error, e.value() >= *rule.lower && e.value() <= *rule.upper,
                      std::move(figures));
    }

    // E of riser N taken apart into the terms the march adds from riser 1 on: the friction
    // loss f dl V^2 / (2 g D) and the density term drho dz of each reach, with the data of the
    // section holding the reach's seaward riser.
    CheckResult landwardHead() const {
        if (!computed()) return notComputed(CheckId::landward_head);
        Num friction = 0.0;
        Num density = 0.0;
        for (std::size_t i = 1; i < riserCount(); ++i) {
            friction = friction + Num(r_.f_riser[i - 1]) * risers_.spacing[i - 1] *
                                      sq(Num(r_.v_diffuser[i - 1])) /
                                      (Num(2.0) * Num(kGravity) * Num(r_.d_pipe[i - 1]));
            density = density + drho_ * risers_.elevation_step[i - 1];
        }
        if (!friction.ok() || !density.ok()) {
            return notJudged(CheckId::landward_head, MessageKind::reach_unreadable);
        }
        CheckFigures figures;
        figures.head_seaward = r_.specific_energy[0];
        figures.friction_losses = friction.value();
        figures.density_terms = density.value();
        figures.head_landward = r_.specific_energy[riserCount() - 1];
        figures.landward_riser = static_cast<int>(n_);
        return judged(CheckId::landward_head, true, std::move(figures));
    }

    // The steps told by their causes, with the rows and risers the causes name.
    CheckResult skippedSteps() const {
        CheckFigures figures;
        figures.skipped_steps = skippedStepCount(outcome_.skipped);
        figures.causes = causes_;
        std::set<int> sections;
        std::set<int> risers;
        for (const SkippedCause& cause : causes_) {
            sections.insert(cause.rows.begin(), cause.rows.end());
            risers.insert(cause.risers.begin(), cause.risers.end());
        }
        CheckResult result =
            judged(CheckId::skipped_steps, outcome_.skipped.empty(), std::move(figures));
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
    std::optional<Message> why_;  // why the march's figures cannot be used
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

std::string_view nameOf(CheckId check) {
    return kThresholds[static_cast<std::size_t>(check)].name;
}

const std::array<ThresholdInfo, kCheckCount>& checkThresholds() {
    return kThresholds;
}

std::vector<double> checkValues(const CheckResult& result) {
    if (!result.figures) return {};
    const CheckFigures& f = *result.figures;
    switch (result.id) {
        case CheckId::froude_min:
        case CheckId::froude_max:
            return f.froude;
        case CheckId::uniformity:
            return {f.mean, f.band_upper, f.band_lower, f.q_largest, f.q_smallest, f.q_ratio};
        case CheckId::riser_area:
            return {f.risers_area, f.pipe_area, f.area_ratio};
        case CheckId::pipe_velocity:
            return f.section_velocity;
        case CheckId::balance_error:
            return {f.qcalc, f.q, f.e};
        case CheckId::landward_head:
            return {f.head_seaward, f.friction_losses, f.density_terms, f.head_landward};
        case CheckId::skipped_steps:
            return {static_cast<double>(f.skipped_steps)};
    }
    return {};
}

std::vector<CheckResult> checkDesign(const DiffuserInput& input, const SharedState& solvedState,
                                     const SolveOutcome& outcome, const NumberLocale& locale,
                                     const CheckSettings& settings) {
    return Checker(input, solvedState, outcome, locale, settings).run();
}

ChecksVerdict overallVerdict(const std::vector<CheckResult>& checks) {
    ChecksVerdict verdict;
    for (const CheckResult& check : checks) {
        if (check.verdict == Verdict::warning) verdict.warnings.push_back(check.id);
        if (check.verdict == Verdict::not_judged) verdict.not_judged.push_back(check.id);
    }
    if (!verdict.warnings.empty()) {
        verdict.overall = Verdict::warning;
    } else if (verdict.not_judged.empty() && !checks.empty()) {
        verdict.overall = Verdict::holds;
    }
    return verdict;
}

ChecksVerdict overallVerdict(const std::vector<CheckResult>& checks, const CrossCheck& crossCheck) {
    ChecksVerdict verdict = overallVerdict(checks);
    verdict.cross_check = crossCheck.verdict;
    return verdict;
}

}  // namespace thalmuro
