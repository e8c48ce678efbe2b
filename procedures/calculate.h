// SPDX-License-Identifier: GPL-3.0-or-later
// Calculate, the procedure behind "Hesapla": drive geometry, then the belt
// rating.
#pragma once

#include "model/panel.h"

namespace kasnak {

// Calculate.
void Calculate(Panel& panel);
// Heavy duty ticked or cleared: calculates again.
void HeavyDutyClicked(Panel& panel);

// Sets lengthFactor from beltLength and the selected profile.
void SetLengthFactor(Panel& panel);

}  // namespace kasnak
