// SPDX-License-Identifier: GPL-3.0-or-later
// The profile limits: the highest screw speed and the smallest screw pulley
// of each profile.
#pragma once

#include "model/panel.h"

namespace kasnak {

// Deselects the profiles whose screw-speed limit is exceeded, and raises the
// screw pulley to the smallest that the selected profile runs on.
void CheckProfileLimits(Panel& panel);

}  // namespace kasnak
