// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping motor speed, screw speed, ratio and the two pulleys consistent, and
// the belt speed.
#pragma once

#include "model/panel.h"

namespace kasnak {

// A motor pulley chosen from its list.
void MotorPulleyPicked(Panel& panel);
// A screw pulley chosen from its list.
void ScrewPulleyPicked(Panel& panel);
// The screw speed text changed.
void ScrewSpeedChanged(Panel& panel);

}  // namespace kasnak
