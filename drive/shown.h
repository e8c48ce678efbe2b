// SPDX-License-Identifier: GPL-3.0-or-later
// The decimals each figure is shown to.  Every procedure that writes a
// figure rounds it here, and every reader that compares with a figure as the
// window shows it rounds the same way.
#pragma once

#include "numbers/numbers.h"

namespace kasnak {

// kW: the power of one rib and of the whole belt.
template <class Number>
Number ShownPower(Number kw) {
  return RoundTo(kw, 2);
}
// mm: the width of the pulleys.
inline Real ShownPulleyWidth(Real mm) { return RoundTo(mm, 2); }
// Degrees: the wrap angle.
inline Single ShownWrapAngle(Single degrees) { return RoundTo(degrees, 2); }
// mm: the belt length "Hesapla" gives.
inline Single ShownBeltLength(Single mm) { return RoundTo(mm, 1); }
// mm: the centre distance "Hesapla" fixes, whole.
inline Single ShownFixedCenterDistance(Single mm) { return RoundTo(mm, 0); }
// mm: the centre distance at which a belt length fits.
inline Single ShownFittingCenterDistance(Single mm) { return RoundTo(mm, 1); }
// m/s: the belt speed.
inline Real ShownBeltSpeed(Real metresPerSecond) { return RoundTo(metresPerSecond, 2); }
// A speed (rpm) or a pulley (mm) the program proposes: whole.
inline Real ShownWhole(Real x) { return RoundTo(x, 0); }

// A figure the program writes whole by cutting its fraction (a screw speed
// from the pulleys, a motor pulley from the ratio) is within one step of the
// exact one.
inline constexpr double kWholeStep = 1;
// The ratio is shown to two decimals: within half a hundredth of the exact
// one.
inline constexpr double kRatioHalfStep = 0.005;

}  // namespace kasnak
