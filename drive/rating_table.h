// SPDX-License-Identifier: GPL-3.0-or-later
// The rated power that one rib of a Poly-V belt transmits on the screw pulley,
// and its correction for intermediate screw pulley diameters.
#pragma once

#include "drive/profiles.h"
#include "numbers/numbers.h"

namespace kasnak {

// The rating gate: the table is read only for a screw speed (rpm) above
// kLowestRatedSpeed and a ratio of at least kLowestRatedRatio; otherwise the
// rating is 0.
extern const Single kLowestRatedSpeed;
extern const Single kLowestRatedRatio;
bool FastEnoughToRate(Single screwSpeed);
bool RatioEnoughToRate(Single ratio);
bool RatingGateOpen(Single screwSpeed, Single ratio);

// The nominal power per rib, kW: the cell of the profile's diameter class that
// holds the screw speed, in the ratio's column.  A speed below the class's
// first band has none: 0.
Single RatedPowerPerRib(BeltProfile profile, Single screwPulley, Single screwSpeed, Single ratio);

// The lower end of the first speed band of the profile's diameter class that
// holds the screw pulley (rpm): the class rates only speeds above it.
Single LowestRatedScrewSpeed(BeltProfile profile, Single screwPulley);
// The screw speed is at or below that lower end: no rating.
bool BelowRatedSpeeds(BeltProfile profile, Single screwPulley, Single screwSpeed);

// `rating` times each multiplier that applies to the screw pulley, in the
// order of the table, each product rounded to single precision.
Single CorrectForDiameter(BeltProfile profile, Single screwPulley, Single rating);

}  // namespace kasnak
