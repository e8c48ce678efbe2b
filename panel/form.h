// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the data model of the system: every control's text, caption,
// state and list items, the drive state, and the binding of control events to
// procedures.
//
// A program write to the text of a text box that has a change procedure runs
// that procedure at once, nested inside the write, even when the text does
// not change.  Writing a list's text field, a caption, or deselecting an
// option button runs nothing.  An arithmetic fault thrown by a procedure
// unwinds its whole chain; the user action that started it reports the fault,
// and every write made before it stays.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "panel/controls.h"
#include "panel/drive_state.h"
#include "panel/numbers.h"
#include "panel/profiles.h"

namespace kasnak {

class Form1;

using Procedure = void (*)(Form1&);
using IndexedProcedure = void (*)(Form1&, int);

struct ControlState {
  std::string text;                // text of a text box or list text field, or a caption
  bool on = false;                 // check box ticked, option button selected
  std::vector<std::string> items;  // list items
};

// The procedures bound to the window's events.  An empty slot runs nothing.
struct EventTable {
  Procedure Form_Load = nullptr;
  std::array<Procedure, kControlCount> click{};   // by control
  std::array<Procedure, kControlCount> change{};  // by text box
  IndexedProcedure Option1_Click = nullptr;
};

class Form1 {
 public:
  // The window with its controls in their start-up state; nothing has run.
  explicit Form1(EventTable events = {});

  // ---- what procedures use
  const std::string& Text(Ctl id) const { return state(id).text; }
  // Text box or list text field.  For a text box with a change procedure the
  // procedure runs now, nested.
  void SetText(Ctl id, std::string text);
  const std::string& Caption(Ctl id) const { return state(id).text; }
  void SetCaption(Ctl id, std::string caption);
  // Check box ticked, or option button selected.
  bool Value(Ctl id) const { return state(id).on; }
  bool Option1(int index) const { return Value(OptionButton(index)); }
  bool Option1(BeltProfile profile) const { return Value(OptionButton(profile)); }
  // The profile of the first selected Option1 button in index order, or
  // none when no button is selected.
  std::optional<BeltProfile> SelectedProfile() const;
  // Deselects an option button; raises nothing.
  void DeselectOption1(int index) { DeselectOption1(static_cast<BeltProfile>(index)); }
  void DeselectOption1(BeltProfile profile);
  void AddItem(Ctl list, std::string item);
  const std::vector<std::string>& Items(Ctl list) const { return state(list).items; }
  // Ends the program ("Çıkış").
  void End() { ended_ = true; }
  bool Ended() const { return ended_; }

  // The window-level working values.
  DriveState drive;

  // ---- the user's actions; each returns the fault that stopped its chain
  using Outcome = std::optional<FaultKind>;
  // Start-up: runs Form_Load.
  Outcome Load();
  // The user has changed a text box or a list's text field into `text` (one
  // change).  A text box keeps at most its maximum length and runs its change
  // procedure when the text differs; a list's text field runs nothing.
  Outcome UserEdit(Ctl id, std::string_view text);
  // The user chooses item `item` of a list: the text field takes it, then the
  // list's click procedure runs.
  Outcome UserPick(Ctl list, std::size_t item);
  // A click on a check box (it toggles first), a command button, or an option
  // button (it becomes the selected one of its group first).
  Outcome UserClick(Ctl id);

  // The number of characters the user may type into a control (0: no limit).
  static std::size_t MaxLength(Ctl id) { return static_cast<std::size_t>(Def(id).maxLength); }

 private:
  ControlState& state(Ctl id) { return controls_[IndexOf(id)]; }
  const ControlState& state(Ctl id) const { return controls_[IndexOf(id)]; }
  template <typename Action>
  Outcome Run(Action action);

  std::array<ControlState, kControlCount> controls_;
  EventTable events_;
  bool ended_ = false;
};

// The first `limit` characters (UTF-8 code points) of a text; all of it when
// limit is 0.
std::string FirstCharacters(std::string_view text, std::size_t limit);

}  // namespace kasnak
