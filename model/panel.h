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
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drive/profiles.h"
#include "model/controls.h"
#include "model/drive_state.h"
#include "numbers/numbers.h"
#include "numbers/text.h"  // the characters Fitting counts, for the faces too

namespace kasnak {

class Panel;

using Procedure = void (*)(Panel&);
using IndexedProcedure = void (*)(Panel&, int);

struct ControlState {
  std::string text;  // text of a text box or list text field, or a caption
  bool on = false;   // check box ticked, option button selected
  // A list's items, filled at start-up and shared by the copies of the
  // panel that the advice calculates on.
  std::shared_ptr<const std::vector<std::string>> items;
  // The last change of the text, or of an option button's selection, was a
  // procedure's, not the user's: a text the program wrote, a profile it took
  // away.  At start-up no control has been changed.
  bool byProgram = false;
  // The user's own text that a procedure wrote over, until the user gives
  // the control a text again; empty for none.
  std::string replaced;
};

// The procedures bound to the window's events.  An empty slot runs nothing.
struct EventTable {
  Procedure load = nullptr;
  std::array<Procedure, kControlCount> click{};   // by control
  std::array<Procedure, kControlCount> change{};  // by text box
  IndexedProcedure profileClick = nullptr;
};

class Panel {
 public:
  // The window with its controls in their start-up state; nothing has run.
  explicit Panel(EventTable events = {});

  // ---- what procedures use
  const std::string& Text(Control id) const { return state(id).text; }
  // Text box or list text field.  For a text box with a change procedure the
  // procedure runs now, nested.
  void SetText(Control id, std::string text);
  const std::string& Caption(Control id) const { return state(id).text; }
  void SetCaption(Control id, std::string caption);
  // Check box ticked, or option button selected.
  bool Value(Control id) const { return state(id).on; }
  bool ProfileSelected(BeltProfile profile) const { return Value(ProfileButton(profile)); }
  // The profile of the first selected profile button in index order, or
  // none when no button is selected.
  std::optional<BeltProfile> SelectedProfile() const;
  // Deselects an option button; raises nothing.
  void DeselectProfile(BeltProfile profile);
  // Whether the last change of a control's text or selection was a
  // procedure's rather than the user's (ControlState::byProgram).
  bool ByProgram(Control id) const { return state(id).byProgram; }
  // The user's text that a procedure wrote over since the user last changed
  // the control (ControlState::replaced); empty for none.
  const std::string& Replaced(Control id) const { return state(id).replaced; }
  // Selects a profile's button and no other, raising nothing: what a click on
  // it does before its procedure runs, for a calculation on a copy of the
  // panel.
  void SelectProfile(BeltProfile profile);
  void AddItem(Control list, std::string item);
  const std::vector<std::string>& Items(Control list) const;
  // Ends the program ("Çıkış").
  void End() { ended_ = true; }
  bool Ended() const { return ended_; }

  // The window-level working values.
  DriveState drive;

  // ---- the user's actions; each returns the fault that stopped its chain
  using Outcome = std::optional<FaultKind>;
  // Start-up: runs LoadPanel.
  Outcome Load();
  // The user has changed a text box or a list's text field into `text` (one
  // change).  A text box keeps at most its maximum length and runs its change
  // procedure when the text differs; a list's text field runs nothing.
  Outcome UserEdit(Control id, std::string_view text);
  // The user chooses item `item` of a list: the text field takes it, then the
  // list's click procedure runs.
  Outcome UserPick(Control list, std::size_t item);
  // A click on a check box (it toggles first), a command button, or an option
  // button (it becomes the selected one of its group first).
  Outcome UserClick(Control id);

  // The number of characters the user may type into a control (0: no limit).
  static std::size_t MaxLength(Control id) { return static_cast<std::size_t>(Def(id).maxLength); }
  // What a control keeps of a text typed or pasted between `before` and
  // `after`: its first characters that fit with the text around them within
  // the maximum length; all of it without a limit.
  static std::string Fitting(Control id, std::string_view before, std::string_view inserted, std::string_view after);

 private:
  ControlState& state(Control id) { return controls_[IndexOf(id)]; }
  const ControlState& state(Control id) const { return controls_[IndexOf(id)]; }
  template <typename Action>
  Outcome Run(Action action);
  // Stores a text box's or list's text, then runs its change procedure.
  void Write(Control id, std::string text, bool byProgram);

  std::array<ControlState, kControlCount> controls_;
  EventTable events_;
  bool ended_ = false;
};

}  // namespace kasnak
