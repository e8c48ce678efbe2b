// SPDX-License-Identifier: GPL-3.0-or-later
// The motor choice: rated speed by power, pole count and construction, the
// ratio it gives and the motor pulley it proposes.
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

}  // namespace kasnak
