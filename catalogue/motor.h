// SPDX-License-Identifier: GPL-3.0-or-later
// The motor choice: rated speed by power, pole count and construction, the
// ratio it gives and the motor pulley it proposes.
#pragma once

#include "panel/form.h"

namespace kasnak {

void RefreshMotor(Form1& form);

void Combo1_Click(Form1& form);
void chkKompakt_Click(Form1& form);
void chk4kutup_Click(Form1& form);

}  // namespace kasnak
