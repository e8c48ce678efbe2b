// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario runner's window mode: a script played on the Qt window through
// simulated user input instead of on the model.
//
//   type       the box takes the focus, End, then one key press per
//              character; a character that no key types (a control
//              character) is pasted on its own
//   edit       select all, then the text pasted as one change
//   backspace  End, then Backspace
//   pick       Alt+Down opens the list's popup, Home and Down reach the
//              item, Return chooses it
//   click      a mouse click on the button, check box or profile button
//   dump       the widgets' own texts, captions and states
//
// A fault's message box is read, printed as "fault=NAME" at the point where
// it opened, and closed with its OK button.  When the window has closed
// ("Çıkış"), "exit" is printed and playing stops.  A script must be UTF-8
// text.
#pragma once

#include <iosfwd>

namespace kasnak {

// Plays the script from `in` on a freshly started window, with the statuses
// and messages of PlayScript (tests/harness/script.h).  Needs a QApplication.
int PlayScriptInWindow(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace kasnak
