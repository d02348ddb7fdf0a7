// The one skip-on-failure mechanism of the engine.
//
// A computation never stops with an error: a step that cannot be carried out is skipped, the
// value it would have set keeps what it held, and the computation goes on with the next step.
// To make that a single mechanism rather than checks scattered over the formulas, every value
// that a step computes is a Num: a 64-bit float that also carries the faults met while
// computing it. Arithmetic on Nums propagates a fault, so a whole formula (intermediates
// included) either yields a value or a fault, and Diagnostics::assign is the single place where
// a step's result is either stored or recorded as skipped.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "thalmuro/engine.h"

namespace thalmuro {

// How an overflow is found without a test after every operation: once a result is infinite
// or not a number, adding, subtracting, multiplying, dividing it by a finite number and
// raising it to a positive power keep it so. Only a division by such a value (x / inf = 0)
// or a non-positive power of it would hide it, and those two are marked where they happen.
// So a formula overflowed somewhere exactly when its result is not finite, and the
// operations only carry their operands' fault bits and add the faults an overflow cannot
// show: a zero divisor and a fractional power of a negative number.
namespace detail {
inline unsigned faultIf(bool condition, Fault fault) {
    return static_cast<unsigned>(condition) << static_cast<unsigned>(fault);
}
}  // namespace detail

inline Num operator+(Num a, Num b) {
    return Num(a.value() + b.value(), a.faults() | b.faults());
}
inline Num operator-(Num a, Num b) {
    return Num(a.value() - b.value(), a.faults() | b.faults());
}
inline Num operator*(Num a, Num b) {
    return Num(a.value() * b.value(), a.faults() | b.faults());
}
inline Num operator/(Num a, Num b) {
    const double d = b.value();
    const bool zero = d == 0.0;
    return Num(a.value() / (zero ? 1.0 : d),
               a.faults() | b.faults() | detail::faultIf(zero, Fault::division_by_zero) |
                   detail::faultIf(!std::isfinite(d), Fault::overflow));
}
inline Num sq(Num a) {
    return a * a;
}
inline Num pow4(Num a) {
    return sq(a) * sq(a);
}

// base^exponent as the formulas write it: a fractional power of a negative number and a
// negative power of zero cannot be taken.
inline Num pow(Num base, double exponent) {
    const double b = base.value();
    const bool fractional = std::trunc(exponent) != exponent;
    return Num(std::pow(b, exponent),
               base.faults() |
                   detail::faultIf(b < 0.0 && fractional, Fault::negative_fractional_power) |
                   detail::faultIf(b == 0.0 && exponent < 0.0, Fault::division_by_zero) |
                   detail::faultIf(!std::isfinite(b) && exponent <= 0.0, Fault::overflow));
}

// A comparison with a value that cannot be computed is false.
inline bool greater(Num a, Num b) {
    return a.ok() && b.ok() && a.value() > b.value();
}

// A box's text as the quantity it holds, by the regional format's rule; an unreadable text
// fails the steps that use it.
inline Num readValue(std::string_view text, const NumberLocale& locale) {
    const std::optional<double> value = readLocaleNumber(text, locale);
    return value ? Num(*value) : Num::failed(Fault::unreadable_text);
}

// Element `index` of a stored array; a fault when the index lies outside it.
template <class T, std::size_t N>
Num at(const std::array<T, N>& values, long index) {
    if (index < 0 || index >= static_cast<long>(N)) return Num::failed(Fault::index_outside);
    return Num(values[static_cast<std::size_t>(index)]);
}

// How a skipped step is named: the engine's own text and what it computes in the user's terms
// (see Skip). Built only for a skipped step.
struct StepName {
    std::string text;
    StepKind kind = StepKind::other;
    int riser = 0;
    int section = 0;
};

// "sections 31 to 40", "section 31": the things numbered `first` to `last` in a step's name,
// `one` and `many` naming one of them and several.
std::string namedRange(std::string_view one, std::string_view many, long first, long last);

class Diagnostics {
  public:
    // Stores `value` into `target`, or records the step as skipped and leaves `target` as it
    // was. `name` is called only for a skipped step, so naming costs nothing on success.
    template <class Target, class Name>
    bool assign(Target& target, Num value, Name&& name) {
        // A select rather than a branch around the store keeps the new value in a register
        // for the next step that reads it.
        const bool ok = value.ok();
        target = ok ? value.value() : target;
        if (__builtin_expect(!ok, 0)) record(name(), value.fault());
        return ok;
    }

    void record(const StepName& step, Fault cause, long times = 1);

    // The skipped steps in the order they were first met; the record is left empty.
    std::vector<Skip> take();

  private:
    std::vector<Skip> skips_;
    std::unordered_map<std::string, std::size_t> index_;
};

}  // namespace thalmuro
