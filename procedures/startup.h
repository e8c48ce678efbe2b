// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the window: the binding of every control event to its
// procedure, the load procedure that fills the lists, and the exit.
#pragma once

#include <memory>

#include "model/panel.h"

namespace kasnak {

// Every event of the window bound to its one procedure.
EventTable WindowEvents();

// Creates the window with its events bound and runs LoadPanel.
std::unique_ptr<Panel> StartUp();

// Fills the lists from the catalogues and sets pi.
void LoadPanel(Panel& panel);
// "Çıkış": ends the program.
void ExitClicked(Panel& panel);

}  // namespace kasnak
