// SPDX-License-Identifier: GPL-3.0-or-later
// The geometry of an open belt drive as plain functions of numbers: the belt
// length for a centre distance, the centre distance for a belt length, the
// wrap angle and the belt speed.  Every step is checked (a fault throws) and
// runs in double precision; a result is stored in single precision where a
// Single is returned.  Pi is the window's single-precision value.
#pragma once

#include "numbers/numbers.h"

namespace kasnak {

// The belt length (mm) around pulleys of diameters diaA and diaB (mm) at the
// centre distance centerDist (mm):
// (diaA − diaB)² / (4 × centerDist) + (diaA + diaB) × pi / 2 + 2 × centerDist.
Single BeltLength(Single diaA, Single diaB, Single centerDist, Single pi);

// The centre distance (mm) at which a belt of length beltLength fits pulleys
// diaA and diaB: the larger root of 2C² − B·C + (diaA − diaB)² / 4 = 0 with
// B = beltLength − (diaA + diaB) / 2 × pi.  A length for which no centre
// distance exists is an invalid argument.
Single CenterDistance(Single beltLength, Single diaA, Single diaB, Single pi);

// The angle in degrees whose cosine is x.  An argument of 0 gives exactly 90.
Single ArcCosDeg(Single x, Single pi);

// The belt speed (m/s) on a pulley of `pulley` mm turning at `speed` rpm.
Real BeltSpeed(Single speed, Single pulley, Single pi);

}  // namespace kasnak
