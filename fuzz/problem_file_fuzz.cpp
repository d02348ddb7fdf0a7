// Feeds arbitrary bytes to the problem-file parser. Besides never crashing, leaking or hanging,
// the parser must either give a problem or a message fit for one terminal line, and a problem it
// gives must come back unchanged when written out again and read once more.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <variant>

#include "problem_file.h"

namespace {

using thalmuro::Problem;

void require(bool condition) {
    if (!condition) std::abort();
}

// The problem as a problem file, from a plain DOM: an independent way to write one.
std::string written(const Problem& problem) {
    static const char* const kModes[] = {"none", "standard", "optimised", "user"};
    const thalmuro::DiffuserInput& in = problem.input;
    nlohmann::json doc = {
        {"risers", in.risers},
        {"sections", in.sections},
        {"drho", in.drho},
        {"total_discharge", in.total_discharge},
        {"manning", in.manning},
        {"fitting", in.fitting == thalmuro::FittingType::Bell ? "Bell" : "Sharp"},
        {"flow_mode", kModes[static_cast<int>(in.flow_mode)]},
        {"ratio", problem.ratio ? nlohmann::json(*problem.ratio) : nlohmann::json(nullptr)},
    };
    nlohmann::json rows = nlohmann::json::array();
    for (const thalmuro::SectionRow& r : in.rows) {
        rows.push_back({r.first_riser, r.last_riser, r.pipe_diameter, r.spacing, r.elevation_step,
                        r.riser_diameter});
    }
    doc["rows"] = rows;
    return doc.dump();
}

bool same(const Problem& a, const Problem& b) {
    const auto sameRow = [](const thalmuro::SectionRow& x, const thalmuro::SectionRow& y) {
        return x.first_riser == y.first_riser && x.last_riser == y.last_riser &&
               x.pipe_diameter == y.pipe_diameter && x.spacing == y.spacing &&
               x.elevation_step == y.elevation_step && x.riser_diameter == y.riser_diameter;
    };
    const thalmuro::DiffuserInput& x = a.input;
    const thalmuro::DiffuserInput& y = b.input;
    for (std::size_t s = 0; s < x.rows.size(); ++s) {
        if (!sameRow(x.rows[s], y.rows[s])) return false;
    }
    return x.risers == y.risers && x.sections == y.sections && x.drho == y.drho &&
           x.total_discharge == y.total_discharge && x.manning == y.manning &&
           x.fitting == y.fitting && x.flow_mode == y.flow_mode && a.ratio == b.ratio;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto result = thalmuro::parseProblem(text);
    if (const auto* message = std::get_if<std::string>(&result)) {
        require(!message->empty());
        require(message->find_first_of("\r\n") == std::string::npos);
        require(message->size() < 400);
        return 0;
    }
    // Every text of an accepted problem is well-formed UTF-8 (the strict serializer would throw
    // otherwise, and nothing catches it here).
    const Problem& problem = std::get<Problem>(result);
    const auto again = thalmuro::parseProblem(written(problem));
    require(std::holds_alternative<Problem>(again) && same(std::get<Problem>(again), problem));
    return 0;
}
