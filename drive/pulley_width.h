// SPDX-License-Identifier: GPL-3.0-or-later
// The width of a pulley for a rib count: a plain function of numbers.
#pragma once

#include "drive/profiles.h"
#include "numbers/numbers.h"

namespace kasnak {

// (ribs − 1) × e + 2f, mm, in double precision; ribs is used as it reads,
// whole or not.
Real PulleyWidth(Real ribs, const Profile& profile);

}  // namespace kasnak
