// SPDX-License-Identifier: GPL-3.0-or-later
// The whole numbers the coupling and the motor pulley proposal write into a
// screw speed or a motor pulley.
#pragma once

#include "model/panel.h"

namespace kasnak {

// Writes `value` rounded down to a whole number, without a decimal point,
// into a text box or a list's text field; a value above the largest 16-bit
// signed whole number is not written, and the box keeps the text it had.
void WriteWholeNumber(Panel& panel, Control id, Single value);

}  // namespace kasnak
