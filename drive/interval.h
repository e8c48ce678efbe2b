// SPDX-License-Identifier: GPL-3.0-or-later
// Intervals as the published tables of the drive calculation write them:
// "2700 < s < 3500", "3500 ≤ s < 5000", "d ≥ 125", "w ≤ 106".  Their limits are
// single-precision numbers; a value is tested against them in double
// precision.
#pragma once

#include <cmath>
#include <limits>

#include "numbers/numbers.h"

namespace kasnak {

// One end of an interval: its limit and whether the interval includes it.
struct Limit {
  float value;
  bool included;
};

struct Interval {
  Limit low{-std::numeric_limits<float>::infinity(), false};
  Limit high{std::numeric_limits<float>::infinity(), false};

  bool Contains(Real v) const { return ReachedBy(v) && !PassedBy(v); }
  // v is not below the interval: at or above its lower end.
  bool ReachedBy(Real v) const {
    const Real lo = Real(double{low.value});
    return low.included ? v >= lo : v > lo;
  }
  // v is above the interval.
  bool PassedBy(Real v) const {
    const Real hi = Real(double{high.value});
    return high.included ? v > hi : v >= hi;
  }
  // Both ends are finite numbers.
  bool Bounded() const { return std::isfinite(low.value) && std::isfinite(high.value); }
};

// x < v
constexpr Interval Above(float x) { return {.low = {x, false}}; }
// x ≤ v
constexpr Interval From(float x) { return {.low = {x, true}}; }
// v < x
constexpr Interval Below(float x) { return {.high = {x, false}}; }
// v ≤ x
constexpr Interval UpTo(float x) { return {.high = {x, true}}; }
// Every value: the "any other" row that closes a table.
inline constexpr Interval kAnyValue{};

// A lower limit and an upper limit together: Above(2700) & Below(3500).
constexpr Interval operator&(Interval lower, Interval upper) { return {lower.low, upper.high}; }

}  // namespace kasnak
