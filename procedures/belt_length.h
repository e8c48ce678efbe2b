// SPDX-License-Identifier: GPL-3.0-or-later
// The belt length entry.
#pragma once

#include "model/panel.h"

namespace kasnak {

// The belt length text changed: the centre distance at which it fits.
void BeltLengthChanged(Panel& panel);

}  // namespace kasnak
