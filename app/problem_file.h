// Problem files: the boxes of the main window saved as JSON, every value the text as typed.
//
//   {
//     "risers": "14", "sections": "5", "drho": "0,0307", "total_discharge": "0,3528",
//     "manning": "0,01", "fitting": "Sharp", "flow_mode": "none", "ratio": "0,90",
//     "rows": [["1", "2", "0,2906", "8", "0,2", "0,1144"], ...]
//   }
//
// "fitting" is "Sharp" or "Bell" (absent: Sharp); "flow_mode" is "none", "standard",
// "optimised" or "user" (absent: none); "ratio" is the answer to the ratio question of the user
// flow mode (absent or null: Cancel). "rows" holds up to 30 section rows of up to six texts in
// the order first riser, last riser, pipe diameter, spacing, elevation step, riser diameter.
// Missing keys, rows and cells are empty texts.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "problem_data.h"

namespace thalmuro {

struct Problem {
    DiffuserInput input;
    // The text typed at the ratio question; nothing stands for Cancel.
    std::optional<std::string> ratio;
};

// The largest problem file read; a real one is a few kilobytes.
inline constexpr std::size_t kMaxProblemFileBytes = 1024 * 1024;

// Reads a problem from the text of a problem file (UTF-8, a leading byte-order mark allowed).
// On failure, a one-line message naming the offending key, row or cell. Never throws.
std::variant<Problem, std::string> parseProblem(std::string_view jsonText);

// Reads and parses the file `fileName`. On failure, a one-line message that names the file and
// gives the system's reason when it could not be read. Never throws.
std::variant<Problem, std::string> readProblemFile(const std::string& fileName);

}  // namespace thalmuro
