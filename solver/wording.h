// How the engine's messages write what the user typed and lists of risers and sections.
#pragma once

#include <set>
#include <string>
#include <string_view>

namespace thalmuro {

// A typed text as a message quotes it, between `open` and `close` and on one line: a control
// character (a line feed pasted into a box) is written as the escape \xHH, and a text longer
// than 40 bytes is cut between two UTF-8 characters and ends in "...".
std::string quoted(std::string_view text, std::string_view open = "\"",
                   std::string_view close = "\"");

// The numbers `first` to `last` as one run: "5", "5, 6" or "5 to 14". `to` is the word between
// the ends of a run ("to", "έως").
std::string numberRange(long first, long last, std::string_view to = "to");

// "sections 31 to 40", "section 31": the things numbered `first` to `last`, `one` and `many`
// naming one of them and several.
std::string namedRange(std::string_view one, std::string_view many, long first, long last);

// Riser or section numbers as runs in ascending order, each as numberRange writes it: "5",
// "5 to 14", "1, 3 to 5, 9".
std::string numberRanges(const std::set<int>& numbers, std::string_view to = "to");

}  // namespace thalmuro
