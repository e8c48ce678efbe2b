// SPDX-License-Identifier: GPL-3.0-or-later
// The single-precision working values the window keeps at window level: the
// registers of Calculate, borrowed as scratch (diaA, diaB) by other
// procedures.
#pragma once

#include "numbers/numbers.h"

namespace kasnak {

struct DriveState {
  Single diaA;           // motor pulley diameter, mm
  Single diaB;           // screw pulley diameter, mm
  Single centerDist;     // centre distance, mm
  Single wrapAngle;      // wrap angle on the screw pulley, degrees
  Single piValue;        // pi, set once at start-up
  Single arcFactor;      // arc-of-contact correction
  Single serviceFactor;  // heavy duty's when ticked, else normal duty's
  Single lengthFactor;   // belt-length correction
  Single beltLength;     // mm
  Single ribRating;      // nominal power per rib, kW
  Single screwSpeed;     // rpm
  Single ratio;          // speed ratio i as shown
};

}  // namespace kasnak
