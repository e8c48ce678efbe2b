// SPDX-License-Identifier: GPL-3.0-or-later
// The motor choice: rated speed by power, pole count and construction, the
// ratio it gives and the motor pulley it proposes.
#pragma once

#include "model/panel.h"

namespace kasnak {

void RefreshMotor(Panel& panel);

void MotorPowerPicked(Panel& panel);
void CompactMotorClicked(Panel& panel);
void FourPoleClicked(Panel& panel);

}  // namespace kasnak
