#include "phrases.h"

namespace thalmuro::phrases {

std::string figure(double value, std::string_view pattern, const NumberLocale& locale) {
    return formatPattern(value, pattern, locale);
}

std::string numberRange(long first, long last, std::string_view to) {
    std::string out = formatCount(first);
    if (last == first + 1) {
        out += ", " + formatCount(last);
    } else if (last != first) {
        out += ' ';
        out += to;
        out += ' ' + formatCount(last);
    }
    return out;
}

namespace {

// Calls `run(first, last)` for each run of consecutive numbers.
template <class Run>
void eachRun(const std::vector<int>& numbers, Run&& run) {
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1)
            ++j;
        run(numbers[i], numbers[j]);
        i = j + 1;
    }
}

}  // namespace

std::string numberRanges(const std::vector<int>& numbers, std::string_view to) {
    std::string out;
    eachRun(numbers, [&](int first, int last) {
        if (!out.empty()) out += ", ";
        out += numberRange(first, last, to);
    });
    return out;
}

std::string dashedRanges(const std::vector<int>& numbers) {
    std::string out;
    eachRun(numbers, [&](int first, int last) {
        if (!out.empty()) out += ", ";
        out += formatCount(first);
        if (last != first) out += "–" + formatCount(last);
    });
    return out;
}

}  // namespace thalmuro::phrases
