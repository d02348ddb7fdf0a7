#include "checked.h"

namespace thalmuro {

const char* describe(Fault fault) {
    switch (fault) {
        case Fault::none:
            return "no fault";
        case Fault::division_by_zero:
            return "division by zero";
        case Fault::overflow:
            return "overflow";
        case Fault::negative_fractional_power:
            return "fractional power of a negative number";
        case Fault::unreadable_text:
            return "unreadable number";
        case Fault::index_outside:
            return "outside the 101 risers or the 30 sections";
        case Fault::below_precision:
            return "step below the precision of the value";
    }
    return "unknown fault";
}

void Diagnostics::record(const StepName& step, Fault cause, long times) {
    std::string key = step.text;
    key += '\0';
    key += static_cast<char>(cause);
    const auto found = index_.find(key);
    if (found != index_.end()) {
        skips_[found->second].count += times;
        return;
    }
    index_.emplace(std::move(key), skips_.size());
    skips_.push_back({step.text, cause, times, step.kind, step.riser, step.section});
}

std::string describe(const Skip& skip) {
    std::string line = skip.step + ": " + describe(skip.cause);
    if (skip.count > 1) line += " (x" + std::to_string(skip.count) + ")";
    return line;
}

long skippedStepCount(const std::vector<Skip>& skipped) {
    long steps = 0;
    for (const Skip& skip : skipped)
        steps += skip.count;
    return steps;
}

std::vector<Skip> Diagnostics::take() {
    index_.clear();
    std::vector<Skip> out;
    out.swap(skips_);
    return out;
}

}  // namespace thalmuro
