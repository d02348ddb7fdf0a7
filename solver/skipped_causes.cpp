// The skipped steps of a Solve in the user's terms.
//
// A fault in one box is usually met many times: an unreadable Manning number fails the friction
// factor of every section, a riser that no section names leaves a zero pipe diameter that fails
// every step of that riser and of the risers landward of it, in every pass of the balancing.
// Each skipped step is traced back here to what the user typed: first to the box or table row
// its step names (a count, Q, the ratio, a section's cells), then to a box whose value fails
// that kind of step wherever it is used (Δρ/ρ for the Froude numbers, a zero riser diameter for
// the riser velocities), then to the inputs that leave riser 1 without a discharge or every
// riser without its energy (an unreadable Δρ/ρ), and last to the nearest row or gap of the
// section table on the seaward side of the riser, since a failed step spoils the steps of the
// risers landward of it. What is left is an arithmetic fault of the march itself and is told
// with the risers where it happened.
#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "checked.h"
#include "march.h"
#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

// How a typed number reads.
enum class Reading { fine, empty, unreadable, zero, negative };

Reading readingOf(std::string_view text, const NumberLocale& locale) {
    const std::optional<double> value = readLocaleNumber(text, locale);
    if (!value) {
        return text.find_first_not_of(" \t\r\n") == std::string_view::npos ? Reading::empty
                                                                           : Reading::unreadable;
    }
    if (*value == 0.0) return Reading::zero;
    return *value < 0.0 ? Reading::negative : Reading::fine;
}

bool unusable(Reading reading) {
    return reading == Reading::empty || reading == Reading::unreadable;
}

std::set<int> span(int first, int last) {
    std::set<int> numbers;
    for (int k = first; k <= last; ++k)
        numbers.insert(k);
    return numbers;
}

std::vector<int> listed(const std::set<int>& numbers) {
    return {numbers.begin(), numbers.end()};
}

Message said(MessageKind kind, std::vector<int> numbers = {}) {
    Message message;
    message.kind = kind;
    message.numbers = std::move(numbers);
    return message;
}

// Why a box's number could not be used; `fine` when it reads but cannot be used all the same.
Message readingWhy(Reading reading, MessageKind fine) {
    switch (reading) {
        case Reading::empty:
            return said(MessageKind::box_empty);
        case Reading::unreadable:
            return said(MessageKind::box_unreadable);
        case Reading::zero:
            return said(MessageKind::box_zero);
        case Reading::negative:
            return said(MessageKind::box_negative);
        case Reading::fine:
            break;
    }
    return said(fine);
}

// Whether a zero or negative value in a column of the section table fails the steps that use it.
constexpr std::array<bool, kRowCells.size()> kDiameterColumn{false, false, true,
                                                             false, false, true};

constexpr std::size_t kFirst = 0;
constexpr std::size_t kLast = 1;
constexpr std::size_t kPipeDiameter = 2;
constexpr std::size_t kSpacing = 3;
constexpr std::size_t kElevationStep = 4;
constexpr std::size_t kRiserDiameter = 5;

// A section row as typed: how each cell reads and which risers it names.
struct RowState {
    std::array<Reading, kRowCells.size()> cells{};
    bool empty = true;
    bool outside = false;  // names risers beyond 1..101
    std::set<int> risers;  // the risers whose data come from this row (a later row wins)

    bool boundsUnusable() const { return unusable(cells[kFirst]) || unusable(cells[kLast]); }
    bool bad(std::size_t cell) const {
        const Reading r = cells[cell];
        return unusable(r) || (kDiameterColumn[cell] && r != Reading::fine);
    }
    // A fault that spoils the march at its risers and landward of them.
    bool spoilsTheMarch() const {
        return bad(kPipeDiameter) || bad(kRiserDiameter) || bad(kSpacing) || bad(kElevationStep);
    }
};

// One cause being gathered: what it is and which steps it explains.
struct Cause {
    SkippedCause told;  // its subject and reasons
    std::set<int> rows;
    std::set<int> risers;
    std::set<int> frictionSections;
    std::set<int> figureRisers;
    std::set<StepKind> riserKinds;
    std::set<StepKind> kinds;
    long reportLines = 0;
    bool risersLinesLeftOut = false;    // the report lines of the risers beyond 101
    bool sectionsLinesLeftOut = false;  // the report lines of the sections beyond 30
    long steps = 0;
};

class Explainer {
  public:
    Explainer(const DiffuserInput& input, const SolveOutcome& outcome, const NumberLocale& locale)
        : input_(input), outcome_(outcome), locale_(locale) {
        readTheInput();
    }

    std::vector<SkippedCause> explain() {
        for (const Skip& skip : outcome_.skipped) {
            const std::string key = causeOf(skip);
            Cause& cause = causeFor(key);
            take(cause, skip);
        }
        std::vector<SkippedCause> out;
        for (auto& [key, cause] : causes_)
            out.push_back(finish(key, cause));
        return out;
    }

  private:
    void readTheInput() {
        risers_ = leadingCount(input_.risers);
        sections_ = leadingCount(input_.sections);
        computedRisers_ = risers_ ? std::clamp<int>(*risers_, 0, kMaxRisers) : 0;
        tableRows_ = sections_ ? std::clamp<int>(*sections_, 0, kSectionRows) : 0;
        drho_ = readingOf(input_.drho, locale_);
        q_ = readingOf(input_.total_discharge, locale_);
        manning_ = readingOf(input_.manning, locale_);
        if (input_.flow_mode == FlowMode::user) {
            ratio_ = input_.ratio ? readingOf(*input_.ratio, locale_) : Reading::empty;
        }
        if (!unusable(manning_)) {
            const double n = *readLocaleNumber(input_.manning, locale_);
            manningTooLarge_ = !std::isfinite(n * n * 124.58);
        }

        const SectionsOfRisers held = sectionsOfRisers(input_, tableRows_, locale_);
        for (int s = 1; s <= tableRows_; ++s) {
            const SectionRow& typed = input_.rows[static_cast<std::size_t>(s - 1)];
            RowState& row = rows_[static_cast<std::size_t>(s - 1)];
            for (std::size_t c = 0; c < kRowCells.size(); ++c) {
                const std::string& text = typed.*kRowCells[c];
                row.cells[c] = readingOf(text, locale_);
                if (row.cells[c] != Reading::empty) row.empty = false;
            }
            if (!row.empty) lastFilledRow_ = s;
            row.outside = held.outside[static_cast<std::size_t>(s - 1)];
        }
        for (int k = 1; k <= kMaxRisers; ++k) {
            const int s = held.section[static_cast<std::size_t>(k - 1)];
            if (s != 0) {
                rows_[static_cast<std::size_t>(s - 1)].risers.insert(k);
                lastCoveredRiser_ = k;
            } else if (k <= computedRisers_) {
                uncovered_.insert(k);
            }
            ownerOf_[static_cast<std::size_t>(k - 1)] = s;
        }
        // Risers that no row names: when a row's bounds cannot be read they are that row's risers;
        // else, with N above 101, the count's; else a gap in the table.
        for (int s = 1; s <= lastFilledRow_; ++s) {
            if (rows_[static_cast<std::size_t>(s - 1)].boundsUnusable()) {
                uncoveredKey_ = rowKey(s);
                break;
            }
        }
        if (uncoveredKey_.empty()) uncoveredKey_ = risers_ && *risers_ > kMaxRisers ? kText1 : kGap;

        // The rows and gaps that spoil the march from a riser on, seaward first.
        for (int s = 1; s <= lastFilledRow_; ++s) {
            const RowState& row = rows_[static_cast<std::size_t>(s - 1)];
            if (!row.spoilsTheMarch() || row.risers.empty()) continue;
            // Riser 1 always discharges through the diameters of row 1.
            const bool first = s == 1 && (row.bad(kPipeDiameter) || row.bad(kRiserDiameter));
            spoilers_.emplace(first ? 1 : *row.risers.begin(), rowKey(s));
        }
        if (!uncovered_.empty()) spoilers_.emplace(*uncovered_.begin(), uncoveredKey_);
    }

    // Steps whose step names a box or a row.
    std::string namedCause(const Skip& skip) const {
        switch (skip.kind) {
            case StepKind::risers_count:
            case StepKind::risers_beyond:
                return kText1;
            case StepKind::sections_count:
            case StepKind::sections_beyond:
                return kText2;
            case StepKind::total_discharge:
            case StepKind::balancing:
                return kText5;
            case StepKind::ratio:
                return kRatio;
            case StepKind::report_line:
                if (skip.riser > kMaxRisers) return kText1;
                if (skip.section > kSectionRows) return kText2;
                return {};
            case StepKind::friction:
                if (unusable(manning_) || manningTooLarge_) return kText6;
                return rowKey(skip.section);
            case StepKind::riser_diameter_cell:
            case StepKind::section_copy:
                return rowKey(skip.section);
            default:
                return {};
        }
    }

    std::string causeOf(const Skip& skip) {
        if (std::string key = namedCause(skip); !key.empty()) return key;
        const int k = skip.riser;
        const bool stored = k >= 1 && k <= kMaxRisers;
        if (skip.kind == StepKind::froude && drho_ != Reading::fine) return kText4;
        if ((skip.kind == StepKind::froude || skip.kind == StepKind::riser_velocity) && stored) {
            const int s = k == 1 ? 1 : ownerOf_[static_cast<std::size_t>(k - 1)];
            if (s >= 1 && s <= tableRows_ &&
                rows_[static_cast<std::size_t>(s - 1)].bad(kRiserDiameter)) {
                return rowKey(s);
            }
        }
        if (skip.section >= 1 && skip.section <= tableRows_ &&
            rows_[static_cast<std::size_t>(skip.section - 1)].bad(kPipeDiameter)) {
            return rowKey(skip.section);
        }
        // Riser 1 without a discharge fails every step of the march.
        if (outcome_.balance.qc == 0.0) {
            if (!risers_ || *risers_ <= 0) return kText1;
            if (q_ != Reading::fine && q_ != Reading::negative) return kText5;
            if (ratio_ && *ratio_ != Reading::fine && *ratio_ != Reading::negative) return kRatio;
        }
        if (unusable(drho_)) return kText4;
        if (!spoilers_.empty()) {
            if (!stored) return spoilers_.begin()->second;
            auto after = spoilers_.upper_bound(k);
            if (after != spoilers_.begin()) return std::prev(after)->second;
        }
        // An arithmetic fault of the march; the divisions by zero it leaves behind are its own.
        const std::string key = kFault + std::to_string(static_cast<int>(skip.cause));
        if (skip.cause == Fault::overflow || skip.cause == Fault::negative_fractional_power) {
            if (firstFault_.empty()) firstFault_ = key;
            return key;
        }
        return firstFault_.empty() ? key : firstFault_;
    }

    std::string rowKey(int s) const {
        if (s > lastFilledRow_ && s <= tableRows_) return kText2;
        return kRow + std::to_string(s);
    }

    Cause& causeFor(const std::string& key) {
        const auto found = std::find_if(causes_.begin(), causes_.end(),
                                        [&](const auto& entry) { return entry.first == key; });
        if (found != causes_.end()) return found->second;
        causes_.emplace_back(key, Cause{});
        return causes_.back().second;
    }

    static void take(Cause& cause, const Skip& skip) {
        cause.steps += skip.count;
        cause.kinds.insert(skip.kind);
        const bool stored = skip.riser >= 1 && skip.riser <= kMaxRisers;
        switch (skip.kind) {
            case StepKind::friction:
                cause.frictionSections.insert(skip.section);
                cause.rows.insert(skip.section);
                break;
            case StepKind::riser_diameter_cell:
            case StepKind::section_copy:
                cause.rows.insert(skip.section);
                break;
            case StepKind::riser:
            case StepKind::riser_discharge:
            case StepKind::riser_velocity:
            case StepKind::froude:
            case StepKind::discharge_sum:
                if (stored) {
                    cause.figureRisers.insert(skip.riser);
                    cause.risers.insert(skip.riser);
                    cause.riserKinds.insert(skip.kind);
                }
                break;
            case StepKind::report_line:
                cause.reportLines += skip.count;
                if (stored) cause.risers.insert(skip.riser);
                if (skip.riser > kMaxRisers) cause.risersLinesLeftOut = true;
                if (skip.section > kSectionRows) cause.sectionsLinesLeftOut = true;
                break;
            default:
                break;
        }
    }

    // The cause as data: the box, why, and what kept the value of an earlier Solve.
    SkippedCause finish(const std::string& key, Cause& cause) const {
        describe(key, cause);
        SkippedCause out = std::move(cause.told);
        const auto kept = [&](MessageKind kind, std::vector<int> numbers = {}) {
            out.kept.push_back(said(kind, std::move(numbers)));
        };
        if (cause.kinds.count(StepKind::risers_count) != 0) kept(MessageKind::kept_risers_count);
        if (cause.kinds.count(StepKind::sections_count) != 0) {
            kept(MessageKind::kept_sections_count);
        }
        if (cause.kinds.count(StepKind::total_discharge) != 0) kept(MessageKind::kept_q);
        if (cause.kinds.count(StepKind::first_discharge) != 0) kept(MessageKind::kept_qc);
        if (!cause.frictionSections.empty()) {
            kept(MessageKind::kept_friction, listed(cause.frictionSections));
        }
        if (!cause.figureRisers.empty()) {
            const std::set<StepKind> velocities{StepKind::riser_velocity, StepKind::froude};
            const MessageKind kind =
                cause.riserKinds == std::set<StepKind>{StepKind::froude} ? MessageKind::kept_froude
                : cause.riserKinds == velocities ? MessageKind::kept_velocity_and_froude
                                                 : MessageKind::kept_figures;
            kept(kind, listed(cause.figureRisers));
        }
        out.report_lines = cause.reportLines;
        if (cause.reportLines > 0) {
            // The risers and sections beyond the stored arrays are named, since their lines
            // cannot be told by a riser or a row of the table.
            if (cause.risersLinesLeftOut && risers_) out.lines_risers_to = *risers_;
            if (cause.sectionsLinesLeftOut && sections_) out.lines_sections_to = *sections_;
        }
        out.rows.assign(cause.rows.begin(), cause.rows.end());
        out.risers.assign(cause.risers.begin(), cause.risers.end());
        out.steps = cause.steps;
        return out;
    }

    // The subject and the reasons of a cause, from the input as typed.
    void describe(const std::string& key, Cause& cause) const {
        SkippedCause& told = cause.told;
        std::vector<Message>& why = told.reasons;
        const auto box = [&](CauseSubject subject, const std::string& text) {
            told.subject = subject;
            told.typed = text;
        };
        if (key == kText1) {
            box(CauseSubject::risers_box, input_.risers);
            if (!risers_) {
                why.push_back(said(MessageKind::count_unreadable));
            } else if (*risers_ <= 0) {
                why.push_back(said(MessageKind::risers_not_positive));
            } else {
                if (uncoveredKey_ == kText1 && !uncovered_.empty()) {
                    if (lastCoveredRiser_ == 0) {
                        why.push_back(said(MessageKind::no_row_names_a_riser));
                    } else {
                        Message upTo = said(MessageKind::risers_named_up_to);
                        upTo.count = lastCoveredRiser_;
                        why.push_back(upTo);
                    }
                    cause.risers.insert(uncovered_.begin(), uncovered_.end());
                }
                if (*risers_ > kMaxRisers) {
                    Message beyond = said(MessageKind::risers_beyond_computed);
                    beyond.count = *risers_;
                    why.push_back(beyond);
                    const std::set<int> skipped = span(kMaxRisers + 1, *risers_);
                    cause.risers.insert(skipped.begin(), skipped.end());
                }
            }
            if (why.empty()) why.push_back(said(MessageKind::riser_1_without_discharge));
        } else if (key == kText2) {
            box(CauseSubject::sections_box, input_.sections);
            if (!sections_) why.push_back(said(MessageKind::count_unreadable));
            if (lastFilledRow_ < tableRows_) {
                const std::set<int> empty = span(lastFilledRow_ + 1, tableRows_);
                why.push_back(said(MessageKind::rows_empty, listed(empty)));
                cause.rows.insert(empty.begin(), empty.end());
            }
            if (sections_ && *sections_ > kSectionRows) {
                Message beyond = said(MessageKind::sections_beyond_table);
                beyond.count = *sections_;
                why.push_back(beyond);
            }
        } else if (key == kText4) {
            box(CauseSubject::drho_box, input_.drho);
            why.push_back(readingWhy(drho_, MessageKind::box_unusable));
        } else if (key == kText5) {
            box(CauseSubject::total_discharge_box, input_.total_discharge);
            why.push_back(readingWhy(q_, MessageKind::q_too_large_to_balance));
        } else if (key == kText6) {
            box(CauseSubject::manning_box, input_.manning);
            why.push_back(readingWhy(manning_, MessageKind::manning_too_large));
        } else if (key == kRatio) {
            if (!input_.ratio) {
                told.subject = CauseSubject::ratio_question;
                why.push_back(said(MessageKind::question_cancelled));
                why.push_back(said(MessageKind::x_taken_as_zero));
            } else {
                box(CauseSubject::ratio_box, *input_.ratio);
                const Reading r = ratio_.value_or(Reading::fine);
                why.push_back(readingWhy(r, MessageKind::box_unusable));
                if (r == Reading::zero) why.push_back(said(MessageKind::riser_1_gets_no_discharge));
                if (unusable(r)) why.push_back(said(MessageKind::x_taken_as_zero));
            }
        } else if (key.rfind(kRow, 0) == 0) {
            describeRow(std::stoi(key.substr(kRow.size())), cause);
        } else if (key == kGap) {
            told.subject = CauseSubject::section_table;
            Message unnamed = said(MessageKind::risers_not_named, listed(uncovered_));
            unnamed.count = computedRisers_;
            why.push_back(unnamed);
            cause.risers.insert(uncovered_.begin(), uncovered_.end());
        } else {
            told.subject = CauseSubject::computation;
            told.march_risers = listed(cause.figureRisers);
            Message fault = said(MessageKind::arithmetic_fault);
            fault.fault = static_cast<Fault>(std::stoi(key.substr(kFault.size())));
            why.push_back(fault);
        }
    }

    void describeRow(int s, Cause& cause) const {
        const RowState& row = rows_[static_cast<std::size_t>(s - 1)];
        const SectionRow& typed = input_.rows[static_cast<std::size_t>(s - 1)];
        SkippedCause& told = cause.told;
        told.subject = CauseSubject::section_row;
        told.row = s;
        cause.rows.insert(s);
        std::vector<Message>& why = told.reasons;
        if (row.empty) {
            why.push_back(said(MessageKind::row_empty));
        } else {
            for (std::size_t c = 0; c < kRowCells.size(); ++c) {
                const Reading r = row.cells[c];
                if (!row.bad(c)) continue;
                Message cell = said(r == Reading::empty        ? MessageKind::cell_empty
                                    : r == Reading::unreadable ? MessageKind::cell_unreadable
                                    : r == Reading::zero       ? MessageKind::cell_zero
                                                               : MessageKind::cell_negative);
                cell.row = s;
                cell.cell = static_cast<int>(c) + 1;
                cell.text = typed.*kRowCells[c];
                why.push_back(cell);
            }
            if (row.outside) why.push_back(said(MessageKind::row_outside_risers));
        }
        if (why.empty()) why.push_back(said(MessageKind::row_not_computed));
        if (uncoveredKey_ == rowKey(s) && !uncovered_.empty()) {
            why.push_back(said(MessageKind::leaves_risers_unnamed, listed(uncovered_)));
            cause.risers.insert(uncovered_.begin(), uncovered_.end());
        }
    }

    inline static const std::string kText1 = "Text1";
    inline static const std::string kText2 = "Text2";
    inline static const std::string kText4 = "Text4";
    inline static const std::string kText5 = "Text5";
    inline static const std::string kText6 = "Text6";
    inline static const std::string kRatio = "ratio";
    inline static const std::string kRow = "row ";
    inline static const std::string kGap = "gap";
    inline static const std::string kFault = "fault ";

    const DiffuserInput& input_;
    const SolveOutcome& outcome_;
    const NumberLocale& locale_;

    std::optional<std::int16_t> risers_;
    std::optional<std::int16_t> sections_;
    int computedRisers_ = 0;  // risers 1..this are marched
    int tableRows_ = 0;       // rows 1..this are read
    Reading drho_ = Reading::fine;
    Reading q_ = Reading::fine;
    Reading manning_ = Reading::fine;
    bool manningTooLarge_ = false;
    std::optional<Reading> ratio_;  // in the user flow mode
    std::array<RowState, kSectionRows> rows_{};
    int lastFilledRow_ = 0;
    int lastCoveredRiser_ = 0;
    std::array<int, kMaxRisers> ownerOf_{};  // the row whose data riser k takes, 0: none
    std::set<int> uncovered_;                // marched risers that no row names
    std::string uncoveredKey_;
    std::map<int, std::string> spoilers_;  // first riser spoiled -> cause
    std::string firstFault_;
    std::vector<std::pair<std::string, Cause>> causes_;  // in the order first met
};

}  // namespace

std::vector<SkippedCause> explainSkipped(const DiffuserInput& input, const SolveOutcome& outcome,
                                         const NumberLocale& locale) {
    return Explainer(input, outcome, locale).explain();
}

}  // namespace thalmuro
