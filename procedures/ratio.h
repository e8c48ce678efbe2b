// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that the motor choice and the pulley coupling share: the ratio
// shown as the ratio, and the motor pulley proposed at a ratio.
#pragma once

#include <string>

#include "model/panel.h"

namespace kasnak {

// The ratio i = screw speed / motor speed, stored in single precision, as
// TwoDecimalText writes it; empty when there is no motor speed (0 or less).
std::string RatioText(Single screwSpeed, Single motorSpeed);

// The motor pulley for the screw pulley at the ratio: ratio × screw pulley,
// written as a whole number into the motor pulley (WriteWholeNumber).
void ProposeMotorPulley(Panel& panel, Single ratio, Single screwPulley);

}  // namespace kasnak
