// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping motor speed, screw speed, ratio and the two pulleys consistent, and
// the belt speed: the motor choice (motor.cpp) and the pulleys and the screw
// speed (coupling.cpp).
#pragma once

#include "model/panel.h"

namespace kasnak {

// A motor power chosen from its list, or the compact or four-pole box
// clicked: each shows the rated speed of the chosen motor, the ratio it gives
// with the screw speed, applies the profile limits and proposes a motor
// pulley.
void MotorPowerPicked(Panel& panel);
void CompactMotorClicked(Panel& panel);
void FourPoleClicked(Panel& panel);

// A motor pulley chosen from its list.
void MotorPulleyPicked(Panel& panel);
// A screw pulley chosen from its list.
void ScrewPulleyPicked(Panel& panel);
// The screw speed text changed.
void ScrewSpeedChanged(Panel& panel);

}  // namespace kasnak
