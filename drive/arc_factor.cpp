// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/arc_factor.h"

#include "drive/interval.h"

namespace kasnak {
namespace {

constexpr Interval kAnyAngle = kAnyValue;

// A band of wrap angles w, degrees.  A band with two limits interpolates from
// the factor at its lower limit to the factor at its upper limit; an open
// band has one factor.  The factors are double-precision constants.
struct ArcBand {
  Interval wrapAngle;
  double atLower;
  double atUpper;
};

// clang-format off
constexpr ArcBand kArcFactors[] = {
    // wrap angle w             factor at lower limit   at upper limit
    {Above(160) & UpTo(180),    0.95,                   1.0},
    {Above(142) & UpTo(160),    0.9,                    0.95},
    {Above(127) & UpTo(142),    0.85,                   0.9},
    {Above(113) & UpTo(127),    0.79,                   0.85},
    {Above(106),                0.78,                   0.78},  // also every angle above 180
    {kAnyAngle,                 0.75,                   0.75},
};
// clang-format on

// ((upper − w) × atLower + (w − lower) × atUpper) / (upper − lower)
Real Interpolate(const ArcBand& band, Real w) {
  const Real lower = Real(double{band.wrapAngle.low.value});
  const Real upper = Real(double{band.wrapAngle.high.value});
  return ((upper - w) * band.atLower + (w - lower) * band.atUpper) / (upper - lower);
}

}  // namespace

Single ArcFactor(Single wrapAngle) {
  for (const ArcBand& band : kArcFactors) {
    if (!band.wrapAngle.Contains(wrapAngle)) continue;
    return band.wrapAngle.Bounded() ? Interpolate(band, wrapAngle) : Real(band.atLower);
  }
  return Single::FromFloat(0.75f);  // not reached: the last band holds every angle
}

}  // namespace kasnak
