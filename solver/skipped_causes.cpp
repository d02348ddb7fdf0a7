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
#include "wording.h"

namespace thalmuro {
namespace {

// A phrase in English and in Greek.
struct Phrase {
    std::string english;
    std::string greek;
};

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

// "5", "5 to 14", "1, 3 to 5, 9".
Phrase ranges(const std::set<int>& numbers) {
    return {numberRanges(numbers), numberRanges(numbers, "έως")};
}

std::set<int> span(int first, int last) {
    std::set<int> numbers;
    for (int k = first; k <= last; ++k)
        numbers.insert(k);
    return numbers;
}

// "riser 5" / "risers 5 to 14", in Greek in the genitive ("του ανυψωτήρα 5").
Phrase risersNamed(const std::set<int>& risers) {
    const Phrase list = ranges(risers);
    if (risers.size() == 1) return {"riser " + list.english, "του ανυψωτήρα " + list.greek};
    return {"risers " + list.english, "των ανυψωτήρων " + list.greek};
}

// "no row names riser 5": the same with the Greek in the accusative ("τον ανυψωτήρα 5").
Phrase risersObject(const std::set<int>& risers) {
    const Phrase list = ranges(risers);
    if (risers.size() == 1) return {"riser " + list.english, "τον ανυψωτήρα " + list.greek};
    return {"risers " + list.english, "τους ανυψωτήρες " + list.greek};
}

Phrase sectionsNamed(const std::set<int>& sections) {
    const Phrase list = ranges(sections);
    if (sections.size() == 1) return {"section " + list.english, "του τμήματος " + list.greek};
    return {"sections " + list.english, "των τμημάτων " + list.greek};
}

// "the lines of risers 102 to 120": the report lines of the risers or sections named.
Phrase linesOf(const Phrase& named, bool one) {
    return one ? Phrase{"the line of " + named.english, "η γραμμή " + named.greek}
               : Phrase{"the lines of " + named.english, "οι γραμμές " + named.greek};
}

// A typed text as quoted in a line, in English and in Greek.
Phrase quotedPhrase(const std::string& text) {
    return {quoted(text), quoted(text, "«", "»")};
}

// Why a box's number could not be used, after the box's name and typed text.
Phrase readingWhy(Reading reading, const Phrase& tooLarge) {
    switch (reading) {
        case Reading::empty:
            return {"is empty", "είναι κενό"};
        case Reading::unreadable:
            return {"cannot be read", "δεν διαβάζεται"};
        case Reading::zero:
            return {"is zero", "είναι μηδέν"};
        case Reading::negative:
            return {"is negative", "είναι αρνητικό"};
        case Reading::fine:
            break;
    }
    return tooLarge;
}

// The cells of a section row: what the column holds and the cell's control name.
struct Column {
    const char* english;
    const char* greek;
    const char* name;
    bool diameter;  // zero or negative fails the steps that use it
};

constexpr std::array<Column, kRowCells.size()> kColumns{{
    {"first riser", "πρώτος ανυψωτήρας", "textfn", false},
    {"last riser", "τελευταίος ανυψωτήρας", "textln", false},
    {"pipe diameter", "διάμετρος τμήματος", "textdr_thalmuro", true},
    {"riser spacing", "απόσταση ανυψωτήρων", "textdxanipsotiror", false},
    {"elevation step", "υψομετρική διαφορά", "textdz_anipsotiron", false},
    {"riser diameter", "διάμετρος ανυψωτήρων", "textdr_anipsotiron", true},
}};

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
        return unusable(r) || (kColumns[cell].diameter && r != Reading::fine);
    }
    // A fault that spoils the march at its risers and landward of them.
    bool spoilsTheMarch() const {
        return bad(kPipeDiameter) || bad(kRiserDiameter) || bad(kSpacing) || bad(kElevationStep);
    }
};

// One cause being gathered: what it is and which steps it explains.
struct Cause {
    Phrase subject;
    Phrase why;
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

    // The line of a cause: the box, why, and what kept the value of an earlier Solve.
    SkippedCause finish(const std::string& key, Cause& cause) const {
        describe(key, cause);
        std::vector<Phrase> kept;
        if (cause.kinds.count(StepKind::risers_count) != 0) {
            kept.push_back({"the number of risers", "το πλήθος ανυψωτήρων"});
        }
        if (cause.kinds.count(StepKind::sections_count) != 0) {
            kept.push_back({"the number of sections", "το πλήθος τμημάτων"});
        }
        if (cause.kinds.count(StepKind::total_discharge) != 0) kept.push_back({"Q", "η Q"});
        if (cause.kinds.count(StepKind::first_discharge) != 0) kept.push_back({"qc", "η qc"});
        if (!cause.frictionSections.empty()) {
            const Phrase of = sectionsNamed(cause.frictionSections);
            kept.push_back(
                {"the friction factor of " + of.english, "ο συντελεστής τριβών " + of.greek});
        }
        if (!cause.figureRisers.empty()) {
            const Phrase of = risersNamed(cause.figureRisers);
            const std::set<StepKind> velocities{StepKind::riser_velocity, StepKind::froude};
            if (cause.riserKinds == std::set<StepKind>{StepKind::froude}) {
                kept.push_back(
                    {"the Froude number of " + of.english, "ο αριθμός Froude " + of.greek});
            } else if (cause.riserKinds == velocities) {
                kept.push_back({"the riser velocity and Froude number of " + of.english,
                                "η ταχύτητα ανυψωτήρα και ο αριθμός Froude " + of.greek});
            } else {
                kept.push_back({"the figures of " + of.english, "τα μεγέθη " + of.greek});
            }
        }

        SkippedCause out;
        out.english = cause.subject.english + ": " + cause.why.english;
        out.greek = cause.subject.greek + ": " + cause.why.greek;
        for (std::size_t i = 0; i < kept.size(); ++i) {
            out.english += (i == 0 ? "; earlier values kept: " : ", ") + kept[i].english;
            out.greek += (i == 0 ? "· κρατήθηκαν οι προηγούμενες τιμές: " : ", ") + kept[i].greek;
        }
        if (cause.reportLines > 0) {
            const std::string count = std::to_string(cause.reportLines);
            const bool one = cause.reportLines == 1;
            out.english += "; " + count + (one ? " report line" : " report lines") + " left out";
            out.greek += one ? "· παραλείφθηκε 1 γραμμή της αναφοράς"
                             : "· παραλείφθηκαν " + count + " γραμμές της αναφοράς";
            // The risers and sections beyond the stored arrays are named, since their lines
            // cannot be told by a riser or a row of the table.
            std::vector<Phrase> beyond;
            if (cause.risersLinesLeftOut && risers_) {
                beyond.push_back(linesOf(risersNamed(span(kMaxRisers + 1, *risers_)), one));
            }
            if (cause.sectionsLinesLeftOut && sections_) {
                beyond.push_back(linesOf(sectionsNamed(span(kSectionRows + 1, *sections_)), one));
            }
            for (std::size_t i = 0; i < beyond.size(); ++i) {
                out.english += (i == 0 ? ": " : ", ") + beyond[i].english;
                out.greek += (i == 0 ? ": " : ", ") + beyond[i].greek;
            }
        }
        out.rows.assign(cause.rows.begin(), cause.rows.end());
        out.risers.assign(cause.risers.begin(), cause.risers.end());
        out.steps = cause.steps;
        return out;
    }

    // The subject and the reason of a cause, from the input as typed.
    void describe(const std::string& key, Cause& cause) const {
        const auto joined = [](const std::vector<Phrase>& parts) {
            Phrase out;
            for (const Phrase& part : parts) {
                if (!out.english.empty()) {
                    out.english += ", and ";
                    out.greek += ", και ";
                }
                out.english += part.english;
                out.greek += part.greek;
            }
            return out;
        };
        const auto box = [](const char* english, const char* greek, const char* name,
                            const std::string& text) {
            const std::string tag = std::string(" (") + name + ")";
            if (readingOf(text, NumberLocale::english()) == Reading::empty) {
                return Phrase{english + tag, greek + tag};
            }
            const Phrase q = quotedPhrase(text);
            return Phrase{english + tag + " " + q.english, greek + tag + " " + q.greek};
        };
        const Phrase count{"is not a count from -32768 to 32767",
                           "δεν είναι πλήθος από -32768 έως 32767"};
        if (key == kText1) {
            cause.subject = box("number of risers", "Πλήθος Ανυψωτήρων", "Text1", input_.risers);
            std::vector<Phrase> parts;
            if (!risers_) {
                parts.push_back(count);
            } else if (*risers_ <= 0) {
                parts.push_back(
                    {"is not a positive number of risers", "δεν είναι θετικό πλήθος ανυψωτήρων"});
            } else {
                if (uncoveredKey_ == kText1 && !uncovered_.empty()) {
                    parts.push_back(
                        lastCoveredRiser_ == 0
                            ? Phrase{"no row of the section table names a riser",
                                     "καμία γραμμή του πίνακα τμημάτων δεν ορίζει ανυψωτήρα"}
                            : Phrase{"the section table names risers up to " +
                                         std::to_string(lastCoveredRiser_) + " only",
                                     "ο πίνακας τμημάτων ορίζει ανυψωτήρες μόνο έως τον " +
                                         std::to_string(lastCoveredRiser_)});
                    cause.risers.insert(uncovered_.begin(), uncovered_.end());
                }
                if (*risers_ > kMaxRisers) {
                    const Phrase beyond = ranges(span(kMaxRisers + 1, *risers_));
                    parts.push_back({"only risers 1 to 101 are computed, risers " + beyond.english +
                                         " are skipped",
                                     "υπολογίζονται μόνο οι ανυψωτήρες 1 έως 101, οι " +
                                         beyond.greek + " παραλείπονται"});
                    const std::set<int> skipped = span(kMaxRisers + 1, *risers_);
                    cause.risers.insert(skipped.begin(), skipped.end());
                }
            }
            cause.why = parts.empty() ? Phrase{"leaves riser 1 without a discharge",
                                               "αφήνει τον ανυψωτήρα 1 χωρίς παροχή"}
                                      : joined(parts);
        } else if (key == kText2) {
            cause.subject =
                box("number of sections", "Τμήματα Διαχυτήρα", "Text2", input_.sections);
            std::vector<Phrase> parts;
            if (!sections_) parts.push_back(count);
            if (lastFilledRow_ < tableRows_) {
                const std::set<int> empty = span(lastFilledRow_ + 1, tableRows_);
                const Phrase list = ranges(empty);
                parts.push_back(
                    empty.size() == 1
                        ? Phrase{"row " + list.english + " of the section table is empty",
                                 "η γραμμή " + list.greek + " του πίνακα τμημάτων είναι κενή"}
                        : Phrase{"rows " + list.english + " of the section table are empty",
                                 "οι γραμμές " + list.greek + " του πίνακα τμημάτων είναι κενές"});
                cause.rows.insert(empty.begin(), empty.end());
            }
            if (sections_ && *sections_ > kSectionRows) {
                const Phrase beyond = ranges(span(kSectionRows + 1, *sections_));
                const bool one = *sections_ == kSectionRows + 1;
                parts.push_back({"the table has 30 rows, " +
                                     (one ? "section " + beyond.english + " is skipped"
                                          : "sections " + beyond.english + " are skipped"),
                                 "ο πίνακας έχει 30 γραμμές, " +
                                     (one ? "το τμήμα " + beyond.greek + " παραλείπεται"
                                          : "τα τμήματα " + beyond.greek + " παραλείπονται")});
            }
            cause.why = joined(parts);
        } else if (key == kText4) {
            cause.subject = box("Δρ/ρ", "Δρ/ρ", "Text4", input_.drho);
            cause.why = readingWhy(drho_, {"cannot be used", "δεν χρησιμοποιείται"});
        } else if (key == kText5) {
            cause.subject =
                box("total discharge Q", "Ολική Παροχή", "Text5", input_.total_discharge);
            cause.why = readingWhy(
                q_, {"is so large that lowering qc by 0.0001 m^3/s no longer changes it",
                     "είναι τόσο μεγάλη που η μείωση της qc κατά 0,0001 m^3/s δεν την αλλάζει"});
        } else if (key == kText6) {
            cause.subject = box("Manning number", "Αριθμός Manning", "Text6", input_.manning);
            cause.why = readingWhy(manning_, {"is too large", "είναι πολύ μεγάλος"});
        } else if (key == kRatio) {
            if (!input_.ratio) {
                cause.subject = {"ratio x of the user flow mode", "Αναλογία x (qc = x Q / N)"};
                cause.why = {"the question was cancelled, so x = 0",
                             "η ερώτηση ακυρώθηκε, άρα x = 0"};
            } else {
                cause.subject = box("ratio x of the user flow mode", "Αναλογία x", "qc = x Q / N",
                                    *input_.ratio);
                const Reading r = ratio_.value_or(Reading::fine);
                cause.why = r == Reading::zero
                                ? Phrase{"is zero, so riser 1 gets no discharge",
                                         "είναι μηδέν, άρα ο ανυψωτήρας 1 δεν παίρνει παροχή"}
                                : readingWhy(r, {"cannot be used", "δεν χρησιμοποιείται"});
                if (unusable(r)) {
                    cause.why.english += ", so x = 0";
                    cause.why.greek += ", άρα x = 0";
                }
            }
        } else if (key.rfind(kRow, 0) == 0) {
            describeRow(std::stoi(key.substr(kRow.size())), cause, joined);
        } else if (key == kGap) {
            cause.subject = {"section table", "Πίνακας τμημάτων"};
            const Phrase of = risersObject(uncovered_);
            const std::string n = std::to_string(computedRisers_);
            cause.why = {"no row names " + of.english + " (N = " + n + " in Text1)",
                         "καμία γραμμή δεν ορίζει " + of.greek + " (Πλήθος Ανυψωτήρων " + n + ")"};
            cause.risers.insert(uncovered_.begin(), uncovered_.end());
        } else {
            const Fault fault = static_cast<Fault>(std::stoi(key.substr(kFault.size())));
            const Phrase of = risersNamed(cause.figureRisers);
            cause.subject = cause.figureRisers.empty()
                                ? Phrase{"the computation", "Υπολογισμός"}
                                : Phrase{"the march at " + of.english, "Υπολογισμός " + of.greek};
            switch (fault) {
                case Fault::overflow:
                    cause.why = {"a figure too large for a 64-bit float",
                                 "αριθμός πολύ μεγάλος για τον υπολογισμό"};
                    break;
                case Fault::negative_fractional_power:
                    // The bell's discharge law 0.975 (1 - X)^0.375 has no value where the
                    // pipe's velocity head exceeds the specific energy (X > 1), and no riser
                    // velocity follows from a negative specific energy.
                    cause.why = {
                        "the fitting's discharge law has no value there: the pipe's velocity "
                        "head exceeds the specific energy (X > 1) or the specific energy is "
                        "negative",
                        "ο νόμος παροχής της συναρμογής δεν δίνει τιμή: το ύψος ταχύτητας στον "
                        "αγωγό ξεπερνά την ειδική ενέργεια (X > 1) ή η ειδική ενέργεια είναι "
                        "αρνητική"};
                    break;
                case Fault::division_by_zero:
                    cause.why = {"division by zero", "διαίρεση με το μηδέν"};
                    break;
                default:
                    cause.why = {thalmuro::describe(fault), "αδύνατος υπολογισμός"};
                    break;
            }
        }
    }

    template <class Joined>
    void describeRow(int s, Cause& cause, const Joined& joined) const {
        const RowState& row = rows_[static_cast<std::size_t>(s - 1)];
        const SectionRow& typed = input_.rows[static_cast<std::size_t>(s - 1)];
        cause.subject = {"section table, row " + std::to_string(s),
                         "Πίνακας τμημάτων, γραμμή " + std::to_string(s)};
        cause.rows.insert(s);
        std::vector<Phrase> parts;
        if (row.empty) {
            parts.push_back({"is empty", "είναι κενή"});
        } else {
            for (std::size_t c = 0; c < kRowCells.size(); ++c) {
                const Reading r = row.cells[c];
                if (!row.bad(c)) continue;
                const Column& column = kColumns[c];
                const std::string cell = std::string(column.name) + "_" + std::to_string(s - 1);
                const Phrase q = quotedPhrase(typed.*kRowCells[c]);
                const Phrase why = r == Reading::empty ? Phrase{"is empty", "κενό κελί"}
                                   : r == Reading::unreadable
                                       ? Phrase{"cannot be read", "δεν διαβάζεται"}
                                   : r == Reading::zero ? Phrase{"is zero", "μηδενική τιμή"}
                                                        : Phrase{"is negative", "αρνητική τιμή"};
                parts.push_back({std::string(column.english) + " (" + cell + ") " +
                                     (r == Reading::empty ? "" : q.english + " ") + why.english,
                                 std::string(column.greek) + " (" + cell + ")" +
                                     (r == Reading::empty ? "" : " " + q.greek) + ": " +
                                     why.greek});
            }
            if (row.outside) {
                parts.push_back(
                    {"names risers outside 1 to 101", "ορίζει ανυψωτήρες εκτός των 1 έως 101"});
            }
        }
        cause.why = parts.empty() ? Phrase{"its figures could not be computed",
                                           "τα μεγέθη της δεν υπολογίζονται"}
                                  : joined(parts);
        if (uncoveredKey_ == rowKey(s) && !uncovered_.empty()) {
            const Phrase of = risersObject(uncovered_);
            cause.why.english += ", so no row names " + of.english;
            cause.why.greek += ", άρα καμία γραμμή δεν ορίζει " + of.greek;
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
