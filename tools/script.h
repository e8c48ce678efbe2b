// The scenario runner: plays a script of user actions against the window
// model and prints the controls.
//
// One action per line; blank lines and lines starting with '#' are skipped,
// a trailing '\r' is dropped.
//
//   pick COMBO ITEM        choose the item ITEM of Combo1, Combo2 or Combo3
//   type CONTROL CHARS     type CHARS one character at a time at the end
//   edit CONTROL [TEXT]    replace the whole text at once (none: empty it)
//   backspace CONTROL      delete the last character
//   click NAME             Command1, Command3, chkC2, chkKompakt, chk4kutup
//   click Option1 K        select profile button K (0 to 3)
//   dump                   print the controls, then "--"
//
// type, edit and backspace take a text box or a list's text field.  The
// argument of pick, type and edit is everything after the control name and
// its one separating blank.  A fault that stops a chain is printed as
// "fault=NAME"; when the program ends, "exit" is printed and playing stops.
#pragma once

#include <iosfwd>

namespace kasnak {

class Form1;

// Exit statuses of PlayScript.
inline constexpr int kScriptPlayed = 0;
inline constexpr int kScriptMalformed = 2;  // a line could not be played
inline constexpr int kScriptBroken = 3;     // a procedure failed other than by an arithmetic fault

// Plays the script read from `in` against `form`, line by line, printing dump
// blocks, fault lines and "exit" to `out`.  A malformed line is reported on
// `err` as "kasnak-script: line N: REASON"; nothing after it is played.
int PlayScript(Form1& form, std::istream& in, std::ostream& out, std::ostream& err);

// The same against a freshly started window.
int PlayScript(std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace kasnak
