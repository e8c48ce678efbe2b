// SPDX-License-Identifier: GPL-3.0-or-later
// The whole drive as plain text, for a report or a mail: the window's title,
// every input and result with its prompt and unit, the advice, and the
// ordering and fitting section, one a line.
#pragma once

#include <string>

#include "model/panel.h"

namespace kasnak {

std::string DriveReport(const Panel& panel);

}  // namespace kasnak
