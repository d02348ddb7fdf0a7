// Feeds arbitrary bytes to the reader of lists of operating conditions. The text up to the first
// NUL byte is the list; the text after it, when there is one, is the problem's Q (read in the
// English format), so that multiples of odd, negative or unreadable discharges are tried too.
// Besides never crashing, leaking or hanging, the reader must either give a list that can be
// solved or a message fit for one terminal line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "thalmuro/engine.h"
#include "thalmuro/wording.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = text.find('\0');
    const thalmuro::NumberLocale english = thalmuro::NumberLocale::english();
    thalmuro::DiffuserInput problem = thalmuro::workedExample(english);
    if (nul != std::string_view::npos) problem.total_discharge = std::string(text.substr(nul + 1));

    const auto result = thalmuro::parseConditionSpec(text.substr(0, nul), problem, english);
    if (const auto* message = std::get_if<thalmuro::Message>(&result)) {
        for (const thalmuro::Language language :
             {thalmuro::Language::english, thalmuro::Language::greek}) {
            const std::string said = thalmuro::wordMessage(*message, language);
            require(!said.empty());
            require(said.find_first_of("\r\n") == std::string::npos);
            require(said.size() < 400);
        }
        return 0;
    }
    require(
        !thalmuro::checkConditions(std::get<std::vector<thalmuro::OperatingCondition>>(result)));
    return 0;
}
