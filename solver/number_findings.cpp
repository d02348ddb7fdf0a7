// Numbers that read as something else than meant: grouping characters that stand where no
// thousands grouping would, and values far outside what their quantity takes in a sea outfall.

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

// The bounds are those an outfall engineer would question at once, wide enough that no real
// design of the program's size meets them; the catalogues say why each stands where it does.
constexpr std::array<PlausibleRange, kInputQuantityCount> kRanges{{
    {InputQuantity::risers, "risers", 1, kMaxRisers, "-"},
    {InputQuantity::sections, "sections", 1, kSectionRows, "-"},
    {InputQuantity::drho, "drho", 0.001, 0.05, "-"},
    {InputQuantity::total_discharge, "total_discharge", 0.001, 20, "m^3/s"},
    {InputQuantity::manning, "manning", 0.008, 0.03, "-"},
    {InputQuantity::first_riser, "first_riser", 1, kMaxRisers, "-"},
    {InputQuantity::last_riser, "last_riser", 1, kMaxRisers, "-"},
    {InputQuantity::pipe_diameter, "pipe_diameter", 0.1, 4, "m"},
    {InputQuantity::spacing, "spacing", 0.5, 50, "m"},
    {InputQuantity::elevation_step, "elevation_step", -5, 5, "m"},
    {InputQuantity::riser_diameter, "riser_diameter", 0.02, 1, "m"},
}};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isBlankText(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// The format with the decimal separator and the grouping character of `locale` exchanged.
NumberLocale exchanged(const NumberLocale& locale) {
    return {locale.grouping, locale.decimal_separator};
}

// Whether the integer part of `text`, as the regional rule reads it, uses the grouping character
// where no thousands grouping stands. The scan follows the rule: after an optional sign, digits
// with the grouping character allowed between two of them, up to the first other character.
bool isGroupingSlip(std::string_view text, const NumberLocale& locale) {
    const std::string_view grouping = locale.grouping;
    if (grouping.empty() || grouping == locale.decimal_separator) return false;
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) return false;
    std::size_t at = begin;
    if (text[at] == '+' || text[at] == '-') ++at;

    std::vector<std::string_view> groups;
    std::size_t groupStart = at;
    while (at < text.size()) {
        if (isDigit(text[at])) {
            ++at;
        } else if (at > groupStart && text.compare(at, grouping.size(), grouping) == 0 &&
                   at + grouping.size() < text.size() && isDigit(text[at + grouping.size()])) {
            groups.push_back(text.substr(groupStart, at - groupStart));
            at += grouping.size();
            groupStart = at;
        } else {
            break;
        }
    }
    if (groups.empty()) return false;
    groups.push_back(text.substr(groupStart, at - groupStart));

    const std::string_view first = groups.front();
    if (first.size() > 3 || first.front() == '0') return true;
    return std::any_of(groups.begin() + 1, groups.end(),
                       [](std::string_view group) { return group.size() != 3; });
}

bool inRange(double value, const PlausibleRange& range) {
    return value >= range.lower && value <= range.upper;
}

// The count of risers or sections as Solve takes it: the leading number rounded to a whole one.
std::optional<double> countValue(std::string_view text) {
    const std::optional<double> number = leadingNumber(text);
    if (!number) return std::nullopt;
    return roundHalfEven(*number);
}

// The finding of a count box, read by the leading-number rule, which knows no grouping.
std::optional<NumberFinding> countFinding(InputQuantity quantity, const std::string& text) {
    if (isBlankText(text)) return std::nullopt;
    const std::optional<double> value = countValue(text);
    if (!value || inRange(*value, plausibleRange(quantity))) return std::nullopt;
    return NumberFinding{NumberFindingKind::implausible, quantity, 0, text, *value, std::nullopt};
}

// The finding of a text read by the regional rule.
std::optional<NumberFinding> localeFinding(InputQuantity quantity, int row, const std::string& text,
                                           const NumberLocale& locale) {
    if (isBlankText(text)) return std::nullopt;
    const std::optional<double> value = readLocaleNumber(text, locale);
    if (!value) return std::nullopt;
    const std::optional<double> other = readLocaleNumber(text, exchanged(locale));
    const PlausibleRange& range = plausibleRange(quantity);
    if (isGroupingSlip(text, locale)) {
        return NumberFinding{NumberFindingKind::grouping_slip, quantity, row, text, *value, other};
    }
    if (inRange(*value, range)) return std::nullopt;
    const bool otherFits = other && *other != *value && inRange(*other, range);
    return NumberFinding{NumberFindingKind::implausible,  quantity, row, text, *value,
                         otherFits ? other : std::nullopt};
}

// Rows 1..S of the section table, S as Solve reads it.
int sectionRows(const DiffuserInput& input) {
    return std::clamp<int>(leadingCount(input.sections).value_or(0), 0, kSectionRows);
}

}  // namespace

const std::array<PlausibleRange, kInputQuantityCount>& plausibleRanges() {
    return kRanges;
}

std::vector<NumberFinding> findNumberSlips(const DiffuserInput& input, const NumberLocale& locale) {
    std::vector<NumberFinding> findings;
    const auto add = [&](std::optional<NumberFinding> finding) {
        if (finding) findings.push_back(std::move(*finding));
    };
    add(countFinding(InputQuantity::risers, input.risers));
    add(countFinding(InputQuantity::sections, input.sections));
    add(localeFinding(InputQuantity::drho, 0, input.drho, locale));
    add(localeFinding(InputQuantity::total_discharge, 0, input.total_discharge, locale));
    add(localeFinding(InputQuantity::manning, 0, input.manning, locale));
    const int rows = sectionRows(input);
    for (int row = 1; row <= rows; ++row) {
        const SectionRow& cells = input.rows[static_cast<std::size_t>(row - 1)];
        for (std::size_t column = 0; column < kRowCells.size(); ++column) {
            add(localeFinding(columnQuantity(column), row, cells.*kRowCells[column], locale));
        }
    }
    return findings;
}

std::optional<NumberLocale> meantNumberLocale(const DiffuserInput& input,
                                              const NumberLocale& user) {
    if (input.decimal_separator) return std::nullopt;
    const NumberLocale other = *numberLocaleFor(user.decimal_separator == "," ? "." : ",");
    // The texts read by the regional rule that hold something.
    std::vector<const std::string*> texts{&input.drho, &input.total_discharge, &input.manning};
    const int rows = sectionRows(input);
    for (int row = 1; row <= rows; ++row) {
        for (const auto cell : kRowCells)
            texts.push_back(&(input.rows[static_cast<std::size_t>(row - 1)].*cell));
    }
    const auto unreadable = [&](const NumberLocale& locale) {
        return std::count_if(texts.begin(), texts.end(), [&](const std::string* text) {
            return !isBlankText(*text) && !readLocaleNumber(*text, locale);
        });
    };
    const bool otherFits = unreadable(other) == 0 && findNumberSlips(input, other).empty();
    const bool userFails = unreadable(user) > 0 || !findNumberSlips(input, user).empty();
    if (otherFits && userFails) return other;
    return std::nullopt;
}

}  // namespace thalmuro
