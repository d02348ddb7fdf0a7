// The one skip-on-failure mechanism of the engine.
//
// A computation never stops with an error: a step that cannot be carried out is skipped, the
// value it would have set keeps what it held, and the computation goes on with the next step.
// To make that a single mechanism rather than checks scattered over the formulas, every value
// that a step computes is a Num: a 64-bit float that also carries the first fault met while
// computing it. Arithmetic on Nums propagates a fault, so a whole formula (intermediates
// included) either yields a value or a fault, and Diagnostics::assign is the single place where
// a step's result is either stored or recorded as skipped.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace thalmuro {

enum class Fault : std::uint8_t {
    none,
    division_by_zero,
    overflow,                   // a result too large for a 64-bit float
    negative_fractional_power,  // e.g. (1 - X)^0.375 with X > 1
    unreadable_text,            // a text the number rule cannot read
    index_outside,              // a riser or section beyond the stored arrays
    below_precision,            // a change too small to alter a value that large
};

const char* describe(Fault fault);

class Num {
  public:
    constexpr Num(double value = 0.0) : value_(value) {}
    static constexpr Num failed(Fault fault) {
        Num n;
        n.fault_ = fault;
        return n;
    }

    constexpr bool ok() const { return fault_ == Fault::none; }
    constexpr Fault fault() const { return fault_; }
    // Only meaningful when ok().
    constexpr double value() const { return value_; }

  private:
    double value_ = 0.0;
    Fault fault_ = Fault::none;
};

namespace detail {
inline Num finite(double r) {
    return std::isfinite(r) ? Num(r) : Num::failed(Fault::overflow);
}
}  // namespace detail

inline Num operator+(Num a, Num b) {
    if (!a.ok())
        return a;
    if (!b.ok())
        return b;
    return detail::finite(a.value() + b.value());
}
inline Num operator-(Num a, Num b) {
    if (!a.ok())
        return a;
    if (!b.ok())
        return b;
    return detail::finite(a.value() - b.value());
}
inline Num operator*(Num a, Num b) {
    if (!a.ok())
        return a;
    if (!b.ok())
        return b;
    return detail::finite(a.value() * b.value());
}
inline Num operator/(Num a, Num b) {
    if (!a.ok())
        return a;
    if (!b.ok())
        return b;
    if (b.value() == 0.0)
        return Num::failed(Fault::division_by_zero);
    return detail::finite(a.value() / b.value());
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
    if (!base.ok())
        return base;
    const double b = base.value();
    if (b < 0.0 && std::trunc(exponent) != exponent) {
        return Num::failed(Fault::negative_fractional_power);
    }
    if (b == 0.0 && exponent < 0.0)
        return Num::failed(Fault::division_by_zero);
    return detail::finite(std::pow(b, exponent));
}

// A comparison with a value that cannot be computed is false.
inline bool greater(Num a, Num b) {
    return a.ok() && b.ok() && a.value() > b.value();
}

// Element `index` of a stored array; a fault when the index lies outside it.
template <class T, std::size_t N>
Num at(const std::array<T, N>& values, long index) {
    if (index < 0 || index >= static_cast<long>(N))
        return Num::failed(Fault::index_outside);
    return Num(values[static_cast<std::size_t>(index)]);
}

// One skipped step: which step, why, and how many times it was skipped (the same step is
// usually skipped in every pass of the balancing).
struct Skip {
    std::string step;
    Fault cause;
    long count;
};

class Diagnostics {
  public:
    // Stores `value` into `target`, or records the step as skipped and leaves `target` as it
    // was. `name` is called only for a skipped step, so naming costs nothing on success.
    template <class Target, class Name>
    bool assign(Target& target, Num value, Name&& name) {
        if (value.ok()) {
            target = value.value();
            return true;
        }
        record(name(), value.fault());
        return false;
    }

    // The same for element `index` of an array: an index outside it skips the step.
    template <class T, std::size_t N, class Name>
    bool assignAt(std::array<T, N>& values, long index, Num value, Name&& name) {
        if (index < 0 || index >= static_cast<long>(N)) {
            record(name(), Fault::index_outside);
            return false;
        }
        return assign(values[static_cast<std::size_t>(index)], value, name);
    }

    void record(const std::string& step, Fault cause, long times = 1);

    const std::vector<Skip>& skips() const { return skips_; }
    bool empty() const { return skips_.empty(); }
    // One line per skipped step: "<step>: <cause>" with " (xN)" when repeated.
    std::vector<std::string> lines() const;

  private:
    std::vector<Skip> skips_;
    std::unordered_map<std::string, std::size_t> index_;
};

}  // namespace thalmuro
