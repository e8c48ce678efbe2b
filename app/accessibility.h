// SPDX-License-Identifier: GPL-3.0-or-later
// How the window reads to a screen reader where Qt's own accessible faces
// fall short: the window as a window named by its title, each list named by
// its accessible name, with its item as its value, and the advice strip as a
// button that unfolds, collapsed or expanded.
#pragma once

namespace kasnak {

// Installs the faces with Qt's accessibility; once is enough, later calls do
// nothing.
void InstallAccessibleFaces();

}  // namespace kasnak
