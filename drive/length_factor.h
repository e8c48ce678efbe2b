// SPDX-License-Identifier: GPL-3.0-or-later
// The belt-length correction factor of each profile.
#pragma once

#include "drive/profiles.h"
#include "numbers/numbers.h"

namespace kasnak {

// The factor of the first row of the profile's table whose limit the belt
// length is strictly below; 1.0 from the last limit on.  0 marks a belt too
// short for the profile.
Single LengthFactor(BeltProfile profile, Single beltLength);

// The shortest belt (mm) the profile's table rates: the limit below which
// its factor is 0.
Single ShortestRatedLength(BeltProfile profile);

}  // namespace kasnak
