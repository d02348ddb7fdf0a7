// What the catalogues share: numbers by the engine's rules and lists of riser and section
// numbers.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "thalmuro/engine.h"

namespace thalmuro::phrases {

// The numbers of a list of conditions are written with "." and no grouping, whatever the
// problem's format.
inline const NumberLocale kListNumbers{".", ""};

// `value` written with a pattern of the number rules ("0.000") in `locale`'s format.
std::string figure(double value, std::string_view pattern, const NumberLocale& locale);

// The numbers `first` to `last` as one run: "5", "5, 6" or "5 to 14". `to` is the word between
// the ends of a run ("to", "έως").
std::string numberRange(long first, long last, std::string_view to);

// Ascending numbers as runs, each as numberRange writes it: "1, 3 to 5, 9".
std::string numberRanges(const std::vector<int>& numbers, std::string_view to);

// Ascending numbers as runs joined by a dash: "1–3, 5, 7–9".
std::string dashedRanges(const std::vector<int>& numbers);

// A bound of a check written as a third when it is one (the riser-area rule's 1/3 and 2/3),
// else in `locale`'s general format; empty when there is none.
std::string bound(const std::optional<double>& value, const NumberLocale& locale);

// The riser with the lowest (or highest) of the per-riser figures, numbered from 0.
std::size_t extremeRiser(const std::vector<double>& values, bool lowest);

// At most `limit` bytes of `text`, cut at a character boundary, with "..." when cut; a byte
// that is not well-formed UTF-8 becomes "?".
std::string shortened(std::string_view text, std::size_t limit);

// A typed text as a line quotes it, between `open` and `close` and on one line: a control
// character (a line feed pasted into a box) is written as the escape \xHH, and a text longer
// than 40 bytes is cut between two UTF-8 characters and ends in "...".
std::string quoted(std::string_view text, std::string_view open, std::string_view close);

// Whether a box holds nothing but blanks.
bool blank(std::string_view text);

// Whether a reason of a skipped step follows from the one before it ("so ..."), rather than
// being another reason (joined by "and").
bool followsFromTheLast(MessageKind kind);

}  // namespace thalmuro::phrases
