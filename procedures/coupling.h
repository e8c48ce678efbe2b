// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping motor speed, screw speed, ratio and the two pulleys consistent, the
// belt speed, the profile limits and the belt length entry.
#pragma once

#include "model/panel.h"

namespace kasnak {

// A motor pulley chosen from its list.
void MotorPulleyPicked(Panel& panel);
// A screw pulley chosen from its list.
void ScrewPulleyPicked(Panel& panel);
// The screw speed text changed.
void ScrewSpeedChanged(Panel& panel);

// Deselects the profiles whose screw-speed limit is exceeded and raises the
// screw pulley to 180 mm for PM.
void CheckProfileLimits(Panel& panel);

// The belt length text changed: the centre distance at which it fits.
void BeltLengthChanged(Panel& panel);

}  // namespace kasnak
