// SPDX-License-Identifier: GPL-3.0-or-later
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
//   advice                 print the advice as the face shows it: its codes
//                          ("advice=CODE[:FIGURE] ..."), then, when there is any,
//                          the strip ("strip=FIRST ADVICE  +N") and each mark
//                          with its advice ("mark ID=TEXT"), by control in the
//                          table's order
//   sheet                  print the ordering and fitting section's figures as
//                          it shows them ("sheet=NAME:VALUE ...", "sheet="
//                          alone while it shows none)
//   section                print each line the section shows below its title
//                          ("section=LINE"; "section=" alone for none)
//
// type, edit and backspace take a text box or a list's text field.  The
// argument of pick, type and edit is everything after the control name and
// its one separating blank.  A fault that stops a chain is printed as
// "fault=NAME"; when the program ends, "exit" is printed and playing stops.
//
// The same script can be played on the Qt window through simulated user
// input (tests/harness/script_window.h); both players share the parser, the reading
// loop and the dump format declared here.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "model/controls.h"
#include "numbers/numbers.h"
#include "numbers/text.h"

namespace kasnak {

class Panel;

// Exit statuses of PlayScript.
inline constexpr int kScriptPlayed = 0;
inline constexpr int kScriptMalformed = 2;  // a line could not be played
inline constexpr int kScriptBroken = 3;     // a procedure failed other than by an arithmetic fault

// Plays the script read from `in` against `form`, line by line, printing dump
// blocks, fault lines and "exit" to `out`.  A malformed line is reported on
// `err` as "kasnak-script: line N: REASON"; nothing after it is played.
int PlayScript(Panel& panel, std::istream& in, std::ostream& out, std::ostream& err);

// The same against a freshly started window.
int PlayScript(std::istream& in, std::ostream& out, std::ostream& err);

// ---- what the players share

enum class Verb { Skip, Dump, Type, Edit, Backspace, Pick, Click, Advice, Sheet, Section };

// Each verb with its name, one row each in the order of Verb: the word that
// starts its line, and its name in a parsed script (ParseScript).  Skip, a
// blank line or a comment, starts no line.
struct VerbDef {
  Verb verb;
  std::string_view name;
};
inline constexpr std::array<VerbDef, 10> kVerbs = {{
    {Verb::Skip, "skip"},
    {Verb::Dump, "dump"},
    {Verb::Type, "type"},
    {Verb::Edit, "edit"},
    {Verb::Backspace, "backspace"},
    {Verb::Pick, "pick"},
    {Verb::Click, "click"},
    {Verb::Advice, "advice"},
    {Verb::Sheet, "sheet"},
    {Verb::Section, "section"},
}};
static_assert(
    [] {
      for (std::size_t i = 0; i < kVerbs.size(); ++i)
        if (static_cast<std::size_t>(kVerbs[i].verb) != i) return false;
      return true;
    }(),
    "each row in the place of its verb");

constexpr std::string_view VerbName(Verb verb) { return kVerbs[static_cast<std::size_t>(verb)].name; }

// Dump, Advice, Sheet and Section read what the window shows and name no
// control.
constexpr bool Reads(Verb verb) {
  return verb == Verb::Dump || verb == Verb::Advice || verb == Verb::Sheet || verb == Verb::Section;
}

// One line of a script.  Skip and the verbs that read name no control.
struct Action {
  Verb verb = Verb::Skip;
  Control control = Control::MotorSpeedPrompt;
  std::string text;  // the characters to type, the new text, or the item to pick
};

struct Malformed {
  std::string reason;
};

// The characters (UTF-8 code points) of a text, as they are typed one at a
// time.
std::vector<std::string_view> Characters(std::string_view text);

// One line, without its line break, as an action or the reason it is not one.
std::variant<Action, Malformed> ParseLine(std::string_view line);

// The action as a script line: the inverse of ParseLine.
std::string ActionLine(const Action& action);

// What a face shows of the advice: the codes of what it shows, as
// AdviceCodes (advice/advice.h) writes them; the strip, its whole first
// advice and "  +N" for the N that follow; and each control's advice as its
// mark and accessible description give it, by control in the table's order.
struct AdviceSeen {
  std::string codes;
  std::string strip;
  std::vector<std::pair<Control, std::string>> marks;
  // A control's description, its advice one a line, as marks.
  void Mark(Control id, std::string_view description);
};

// What a face shows of the ordering and fitting section: its figures as
// SheetFor (fitting/sheet.h) gives them for what it shows, and each line it
// shows below its title.
struct SheetSeen {
  std::string figures;
  std::vector<std::string> lines;
};

// Who plays the parsed actions: the model, or the window.  Play runs the one
// verb switch and calls the player's input of that verb; each input prints
// the fault lines of the changes it makes to `out`.
class ScriptPlayer {
 public:
  virtual ~ScriptPlayer() = default;
  // The program has ended: nothing more is played.
  virtual bool Ended() const = 0;
  // Plays one action, printing dump blocks and fault lines to `out`; the
  // reason when it cannot be played.  Throws std::exception when the program
  // itself fails.
  std::optional<std::string> Play(const Action& action, std::ostream& out);

 protected:
  // Why the player cannot play this action at all, if it cannot.
  virtual std::optional<std::string> Refused(const Action&) const { return std::nullopt; }
  virtual void Type(Control id, std::string_view chars, std::ostream& out) = 0;
  virtual void Edit(Control id, std::string_view text, std::ostream& out) = 0;
  virtual void Backspace(Control id, std::ostream& out) = 0;
  // The reason when the item is not one of the list's.
  virtual std::optional<std::string> Pick(Control list, std::string_view item, std::ostream& out) = 0;
  virtual void Click(Control id, std::ostream& out) = 0;
  // What a dump prints for a control: a text, a caption, "1"/"0" for a
  // check box, and the selected profile index or "none" for the PJ button.
  virtual std::string Shown(Control id) const = 0;
  // The advice the face shows, once its strip and marks agree.
  virtual AdviceSeen AdviceShown() const = 0;
  // The ordering and fitting section as the face shows it.
  virtual SheetSeen SheetShown() const = 0;
};

// Plays on the model.
class ModelPlayer : public ScriptPlayer {
 public:
  explicit ModelPlayer(Panel& panel) : panel_(panel) {}
  bool Ended() const override;
  // The fault of the last change played, if it faulted.
  std::optional<FaultKind> LastFault() const { return lastFault_; }

 protected:
  void Type(Control id, std::string_view chars, std::ostream& out) override;
  void Edit(Control id, std::string_view text, std::ostream& out) override;
  void Backspace(Control id, std::ostream& out) override;
  std::optional<std::string> Pick(Control list, std::string_view item, std::ostream& out) override;
  void Click(Control id, std::ostream& out) override;
  std::string Shown(Control id) const override;
  AdviceSeen AdviceShown() const override;
  SheetSeen SheetShown() const override;

 private:
  void Report(std::optional<FaultKind> outcome, std::ostream& out);

  Panel& panel_;
  std::optional<FaultKind> lastFault_;
};

// Reads the script line by line and plays it, with the statuses and messages
// of PlayScript.
int PlayScript(ScriptPlayer& player, std::istream& in, std::ostream& out, std::ostream& err);

// Hands each action of a script, with its line number, to a player; the
// reason when it cannot be played.
using ActionSink = std::function<std::optional<std::string>(const Action&, std::size_t line)>;

// Reads the script line by line, a byte order mark and a trailing '\r' left
// out, and hands each action to `play` until `ended` says the program has
// ended: the statuses and messages of PlayScript, without its output.
int ReadScript(std::istream& in, std::ostream& err, const ActionSink& play, const std::function<bool()>& ended);

// Parses the script without playing it, for a player outside this program
// (tools/script-web): one JSON object a line, first the dumped controls'
// names, the exit statuses and each fault's name by the message a face shows
// ({"dumped": [...], "played": 0, "malformed": 2, "broken": 3, "faults":
// {"Taşma: ...": "overflow", ...}}), then each action with its line number, verb, element id
// and text ({"line": 4, "verb": "type", "id": "Text2", "text": "4000",
// "utf8": true}; a verb that reads has only line and verb).  A text that is not UTF-8,
// which no user can type, also has the reason a player that types gives for
// refusing it ("refused": "the text is not UTF-8"); a pick has the reason
// when its item is not one of the list's ("notAnItem": "'7' is not an item
// of Combo1").  A malformed line is reported on `err` as PlayScript reports
// it, and ends the output.
int ParseScript(std::istream& in, std::ostream& out, std::ostream& err);

// Why a player that types refuses a text that is not UTF-8 (IsUtf8).
inline constexpr std::string_view kNotUtf8 = "the text is not UTF-8";

// A text as a JSON string; a text that is not UTF-8 keeps its ASCII bytes and
// shows each other byte as U+FFFD.
std::string Json(std::string_view s);

// The controls a dump prints, in order; the PJ button stands for the group.
inline constexpr std::array kDumpedControls = {
    Control::MotorSpeed, Control::Ratio,          Control::MotorPower,  Control::CompactMotor, Control::FourPole,
    Control::ScrewSpeed, Control::MotorPulley,    Control::ScrewPulley, Control::ProfilePJ,    Control::HeavyDuty,
    Control::RibCount,   Control::CenterDistance, Control::BeltLength,  Control::WrapAngle,    Control::RibPower,
    Control::BeltPower,  Control::PulleyWidth,    Control::BeltSpeed,
};

// "fault=NAME".
void PrintFault(std::ostream& out, FaultKind kind);

// Why a pick cannot be played: ITEM is not an item of the list.
std::string NotAnItem(std::string_view item, Control list);

}  // namespace kasnak
