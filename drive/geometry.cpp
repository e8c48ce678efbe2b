// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/geometry.h"

namespace kasnak {

namespace {

// Millimetres per minute in one metre per second.
constexpr int kMillimetresPerMinutePerMetrePerSecond = 60000;

}  // namespace

const Single kMinimumCenterDist = Real(250);

Single MeanDiameter(Single diaA, Single diaB) { return (diaA + diaB) / Real(2); }

bool RaisedToFloor(Single centerDist, Single diaA, Single diaB) {
  return centerDist < kMinimumCenterDist && MeanDiameter(diaA, diaB) < kMinimumCenterDist;
}

Single FixedCenterDistance(Single centerDist, Single diaA, Single diaB) {
  const Single mean = MeanDiameter(diaA, diaB);
  if (mean > centerDist) centerDist = mean;
  if (centerDist < kMinimumCenterDist) centerDist = kMinimumCenterDist;
  return centerDist;
}

Single BeltLength(Single diaA, Single diaB, Single centerDist, Single pi) {
  const Real difference = diaA - diaB;
  return difference * difference / (Real(4) * centerDist) + (diaA + diaB) * (pi / Real(2)) + Real(2) * centerDist;
}

Single CenterDistance(Single beltLength, Single diaA, Single diaB, Single pi) {
  const Real b = beltLength - (diaB + diaA) / Real(2) * pi;
  const Real difference = diaA - diaB;
  const Real q = b * b - Real(2) * (difference * difference);
  const Real r = Sqrt(q);  // a negative q has no centre distance: invalid argument
  return Real(0.25) * r + Real(0.25) * b;
}

Single ArcCosDeg(Single x, Single pi) {
  // acos x = atan(−x / √(1 − x²)) + π/2, with π/2 as 2 × atan 1 in full
  // double precision, turned into degrees with the window's pi.
  const Real r = Sqrt(Real(1) - x * x);
  const Real t = Atan(-x / r);
  return (t + Real(2) * Atan(Real(1))) * Real(180) / pi;
}

Real BeltSpeed(Single speed, Single pulley, Single pi) {
  return pi * speed * pulley / kMillimetresPerMinutePerMetrePerSecond;
}

}  // namespace kasnak
