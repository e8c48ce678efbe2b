// The scenario runner: plays a script of user actions against the window
// model and prints the controls.
#pragma once

#include <iosfwd>
#include <string>

namespace kasnak {

// Plays the script read from `in`, printing dump blocks, fault lines and
// "exit" to `out`.  Returns 0, or 2 after reporting a malformed line on `err`
// (nothing after that line is played).
int PlayScript(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace kasnak
