#include "checked.h"

namespace thalmuro {

std::string namedRange(std::string_view one, std::string_view many, long first, long last) {
    std::string out(first == last ? one : many);
    out += ' ' + formatCount(first);
    if (last == first + 1) {
        out += ", " + formatCount(last);
    } else if (last != first) {
        out += " to " + formatCount(last);
    }
    return out;
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
