// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the window: the binding of every control event to its
// procedure, with the load procedure that fills the lists and the exit.
#pragma once

#include <memory>

#include "model/panel.h"

namespace kasnak {

// Every event of the window bound to its one procedure.
EventTable WindowEvents();

// Creates the window with its events bound and runs LoadPanel.
std::unique_ptr<Panel> StartUp();

}  // namespace kasnak
