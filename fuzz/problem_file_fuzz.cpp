// Feeds arbitrary bytes to the problem-file parser. Besides never crashing, leaking or hanging,
// the parser must either give a problem or a message fit for one terminal line, and a problem it
// gives must come back unchanged, field for field with the recorded decimal separator, when
// written out by the writer and read once more (so every text it accepts is well-formed UTF-8:
// the writer would replace anything else).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "thalmuro/engine.h"
#include "thalmuro/wording.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto result = thalmuro::parseProblem(text);
    if (const auto* error = std::get_if<thalmuro::Message>(&result)) {
        const std::string message = thalmuro::wordMessage(*error, thalmuro::Language::english);
        require(!message.empty());
        require(message.find_first_of("\r\n") == std::string::npos);
        require(message.size() < 400);
        return 0;
    }
    const thalmuro::DiffuserInput& problem = std::get<thalmuro::DiffuserInput>(result);
    const auto again = thalmuro::parseProblem(thalmuro::problemText(problem));
    require(std::holds_alternative<thalmuro::DiffuserInput>(again) &&
            std::get<thalmuro::DiffuserInput>(again) == problem);
    return 0;
}
