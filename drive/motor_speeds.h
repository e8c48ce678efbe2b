// SPDX-License-Identifier: GPL-3.0-or-later
// The rated speeds of the catalogue motors, as the texts the window shows:
// a plain table, nothing of the window model.
#pragma once

#include <string_view>

namespace kasnak {

// The rated speed (rpm) of the motor of `power` kW, 2-pole or 4-pole,
// standard or compact, matched by number; empty for a power that is not in
// the catalogue.
std::string_view RatedSpeed(double power, bool fourPole, bool compact);

}  // namespace kasnak
