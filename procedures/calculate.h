// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation behind "Hesapla": the drive geometry, then the belt
// rating.
#pragma once

#include "model/panel.h"

namespace kasnak {

// "Hesapla": fixes the centre distance, shows the wrap angle and the belt
// length, then the power of one rib and of the whole belt.
void Calculate(Panel& panel);
// Heavy duty ticked or cleared: calculates again.
void HeavyDutyClicked(Panel& panel);

}  // namespace kasnak
