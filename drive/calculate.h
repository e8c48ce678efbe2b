// SPDX-License-Identifier: GPL-3.0-or-later
// Calculate, the procedure behind "Hesapla": drive geometry, then the belt
// rating.
#pragma once

#include "panel/form.h"

namespace kasnak {

// Calculate.
void Command1_Click(Form1& form);
// Heavy duty ticked or cleared: calculates again.
void chkC2_Click(Form1& form);

// Sets lengthFactor from beltLength and the selected profile.
void SetLengthFactor(Form1& form);

}  // namespace kasnak
