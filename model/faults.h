// SPDX-License-Identifier: GPL-3.0-or-later
// The message the window shows for a fault that stopped a chain.
#pragma once

#include "numbers/numbers.h"

namespace kasnak {

// The Turkish message of the fault's box, from the table of faults (kFaults).
constexpr const char* FaultMessage(FaultKind kind) { return Def(kind).message; }

}  // namespace kasnak
