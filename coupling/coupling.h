// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping motor speed, screw speed, ratio and the two pulleys consistent, the
// belt speed, the profile limits and the belt length entry.
#pragma once

#include "panel/form.h"

namespace kasnak {

// A motor pulley chosen from its list.
void Combo2_Click(Form1& form);
// A screw pulley chosen from its list.
void Combo3_Click(Form1& form);
// The screw speed text changed.
void Text2_Change(Form1& form);

// Deselects the profiles whose screw-speed limit is exceeded and raises the
// screw pulley to 180 mm for PM.
void CheckProfileLimits(Form1& form);

// The belt length text changed: the centre distance at which it fits.
void Text11_Change(Form1& form);

}  // namespace kasnak
