// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/tension.h"

#include <numbers>

namespace kasnak {
namespace {

// The method's constants: half the watts in a kilowatt, as the power is
// shared between the strands, and the arc term's constant.
constexpr double kHalfWattsPerKilowatt = 500;
constexpr double kArcConstant = 2.02;
constexpr double kMillimetresPerMetre = 1000;

}  // namespace

Real RunInTension(Real power, Real serviceFactor, Real arcFactor, Real beltSpeed, Real massPerRib, Real ribs) {
  const Real pull =
      Real(kHalfWattsPerKilowatt) * (Real(kArcConstant) - arcFactor) * power * serviceFactor / (arcFactor * beltSpeed);
  return pull + massPerRib * ribs * beltSpeed * beltSpeed;
}

Real ShaftLoad(Real tension, Real wrapAngle) {
  return Real(2) * tension * Sin(wrapAngle / Real(2) * Real(std::numbers::pi) / Real(180));
}

Real FreeSpan(Real centerDist, Real diaA, Real diaB) {
  const Real offset = (diaA - diaB) / Real(2);
  return Sqrt(centerDist * centerDist - offset * offset);
}

Real SpanFrequency(Real tension, Real massPerRib, Real ribs, Real span) {
  return Sqrt(tension / (massPerRib * ribs)) / (Real(2) * span / Real(kMillimetresPerMetre));
}

}  // namespace kasnak
