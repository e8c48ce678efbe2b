// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that the motor choice and the pulley coupling share: the ratio
// shown as the ratio, and the whole numbers they write into a screw speed or a
// motor pulley.
#pragma once

#include <string>

#include "model/panel.h"

namespace kasnak {

// The largest whole number the coupling and the motor pulley proposal write:
// 32767, the largest 16-bit signed whole number.  A screw speed or motor
// pulley above it is not written, and its box keeps the text it had.
inline constexpr int kLargestWholeNumber = 32767;

// The ratio i = screw speed / motor speed, stored in single precision, as the
// pattern "#.00"; empty when there is no motor speed (0 or less).
std::string RatioText(Single screwSpeed, Single motorSpeed);

// Writes `value` rounded down to a whole number, without a decimal point,
// into a text box or a list's text field; a value above kLargestWholeNumber
// is not written.
void WriteWholeNumber(Panel& panel, Control id, Single value);

// The motor pulley for the screw pulley at the ratio: ratio × screw pulley,
// written as a whole number into the motor pulley.
void ProposeMotorPulley(Panel& panel, Single ratio, Single screwPulley);

}  // namespace kasnak
