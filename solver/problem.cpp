// The problem's own rules that every host shares: the names of fittings and flow modes, the
// section count, the worked example.
#include <utility>

#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

constexpr std::pair<FittingType, std::string_view> kFittingNames[] = {
    {FittingType::Sharp, "Sharp"},
    {FittingType::Bell, "Bell"},
};

constexpr std::pair<FlowMode, std::string_view> kFlowModeNames[] = {
    {FlowMode::none, "none"},
    {FlowMode::standard, "standard"},
    {FlowMode::optimised, "optimised"},
    {FlowMode::user, "user"},
};

template <class Value, std::size_t N>
std::string_view nameIn(const std::pair<Value, std::string_view> (&names)[N], Value value) {
    for (const auto& [known, name] : names) {
        if (known == value) return name;
    }
    return {};
}

template <class Value, std::size_t N>
std::optional<Value> valueIn(const std::pair<Value, std::string_view> (&names)[N],
                             std::string_view name) {
    for (const auto& [value, known] : names) {
        if (known == name) return value;
    }
    return std::nullopt;
}

// One row of the worked example: risers first..last, pipe diameter D, spacing Δl, elevation
// step Δz and riser diameter d, in m.
struct ExampleRow {
    long first_riser;
    long last_riser;
    double pipe_diameter;
    long spacing;
    double elevation_step;
    double riser_diameter;
};

// A diffuser of 14 risers widening landward in five sections.
constexpr long kExampleRisers = 14;
constexpr double kExampleDrho = 0.0307;
constexpr double kExampleDischarge = 0.3528;  // m^3/s
constexpr double kExampleManning = 0.01;
constexpr ExampleRow kExampleRows[] = {
    {1, 2, 0.2906, 8, 0.2, 0.1144},   {3, 5, 0.3276, 8, 0.2, 0.1144},
    {6, 8, 0.4152, 8, 0.2, 0.1144},   {9, 11, 0.4614, 8, 0.2, 0.1144},
    {12, 14, 0.5814, 8, 0.2, 0.1144},
};

}  // namespace

std::string_view nameOf(FittingType fitting) {
    return nameIn(kFittingNames, fitting);
}

std::string_view nameOf(FlowMode mode) {
    return nameIn(kFlowModeNames, mode);
}

std::optional<FittingType> fittingNamed(std::string_view name) {
    return valueIn(kFittingNames, name);
}

std::optional<FlowMode> flowModeNamed(std::string_view name) {
    return valueIn(kFlowModeNames, name);
}

bool operator==(const SectionRow& a, const SectionRow& b) {
    for (const auto cell : kRowCells) {
        if (a.*cell != b.*cell) return false;
    }
    return true;
}

bool operator==(const ProjectDetails& a, const ProjectDetails& b) {
    for (const auto text : kProjectDetailTexts) {
        if (a.*text != b.*text) return false;
    }
    return true;
}

bool operator==(const DiffuserInput& a, const DiffuserInput& b) {
    return a.risers == b.risers && a.sections == b.sections && a.drho == b.drho &&
           a.total_discharge == b.total_discharge && a.manning == b.manning && a.rows == b.rows &&
           a.flow_mode == b.flow_mode && a.fitting == b.fitting && a.ratio == b.ratio &&
           a.decimal_separator == b.decimal_separator && a.details == b.details;
}

DiffuserInput workedExample(const NumberLocale& locale) {
    const auto number = [&](double value) { return formatGeneral(value, locale); };
    DiffuserInput input;
    input.risers = formatCount(kExampleRisers);
    input.sections = formatCount(static_cast<long>(std::size(kExampleRows)));
    input.drho = number(kExampleDrho);
    input.total_discharge = number(kExampleDischarge);
    input.manning = number(kExampleManning);
    for (std::size_t s = 0; s < std::size(kExampleRows); ++s) {
        const ExampleRow& example = kExampleRows[s];
        input.rows[s] = {formatCount(example.first_riser), formatCount(example.last_riser),
                         number(example.pipe_diameter),    formatCount(example.spacing),
                         number(example.elevation_step),   number(example.riser_diameter)};
    }
    return input;
}

std::optional<std::int16_t> readSectionCount(std::string_view text, SharedState& state) {
    const std::optional<std::int16_t> count = leadingCount(text);
    if (count) state.tmimata = *count;
    return count;
}

}  // namespace thalmuro
