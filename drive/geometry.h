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

// The centre-distance floor (mm) that "Hesapla" raises a smaller centre
// distance to, where the pulleys' mean diameter is smaller still.
extern const Single kMinimumCenterDist;
// The pulleys' mean diameter, mm: the sum of their radii.
Single MeanDiameter(Single diaA, Single diaB);
// "Hesapla" raises `centerDist` to the floor: it and the pulleys' mean
// diameter are both under it.
bool RaisedToFloor(Single centerDist, Single diaA, Single diaB);
// The centre distance "Hesapla" fixes: at least the pulleys' mean diameter,
// then at least the floor.
Single FixedCenterDistance(Single centerDist, Single diaA, Single diaB);

// The belt speed (m/s) on a pulley of `pulley` mm turning at `speed` rpm.
Real BeltSpeed(Single speed, Single pulley, Single pi);

}  // namespace kasnak
