// SPDX-License-Identifier: GPL-3.0-or-later
// The arc-of-contact correction factor for the wrap angle on the screw pulley.
#pragma once

#include "numbers/numbers.h"

namespace kasnak {

// The factor of the first band, tested from the top, that holds the wrap angle
// (degrees); inside a closed band it runs linearly between the factors at its
// limits.  Rounded to single precision.
Single ArcFactor(Single wrapAngle);

}  // namespace kasnak
