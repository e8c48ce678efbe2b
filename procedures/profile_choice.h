// SPDX-License-Identifier: GPL-3.0-or-later
// The profile buttons and the rib count: the pulley width, the profile limits
// and a new calculation when a profile is chosen.
#pragma once

#include "model/panel.h"

namespace kasnak {

// A profile button became selected.
void ProfileClicked(Panel& panel, int index);
// The rib count text changed.
void RibCountChanged(Panel& panel);

}  // namespace kasnak
