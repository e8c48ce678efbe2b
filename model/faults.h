// SPDX-License-Identifier: GPL-3.0-or-later
// The message the window shows for a fault that stopped a chain.
#pragma once

#include "numbers/numbers.h"

namespace kasnak {

// The Turkish message of the fault's box.
const char* FaultMessage(FaultKind kind);

}  // namespace kasnak
