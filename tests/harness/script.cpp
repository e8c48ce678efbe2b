// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/harness/script.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "advice/advice.h"
#include "fitting/sheet.h"
#include "model/export.h"
#include "model/faults.h"
#include "model/panel.h"
#include "procedures/startup.h"

namespace kasnak {
namespace {

using Parsed = std::variant<Action, Malformed>;

// ---- parsing

// A line cut at its first blank: what precedes it, and what follows it when
// there is a blank at all.
struct Cut {
  std::string_view head;
  std::optional<std::string_view> rest;
};

Cut CutAtBlank(std::string_view s) {
  std::size_t blank = s.find(' ');
  if (blank == std::string_view::npos) return {s, std::nullopt};
  return {s.substr(0, blank), s.substr(blank + 1)};
}

// Nothing, or blanks alone.
bool AbsentOrBlank(std::optional<std::string_view> s) { return !s || IsBlank(*s); }

// A piece of a line as an error message quotes it: at most 40 characters.
std::string Quoted(std::string_view s) {
  constexpr std::size_t kShown = 40;
  std::string shown = FirstCharacters(s, kShown);
  return "'" + shown + (shown.size() < s.size() ? "...'" : "'");
}

std::optional<Verb> VerbNamed(std::string_view word) {
  for (const VerbDef& def : kVerbs)
    if (def.verb != Verb::Skip && def.name == word) return def.verb;
  return std::nullopt;
}

// A control by its name as the scripts write it ("Text2", "Combo1"); the
// profile buttons are named "Option1" with their index.
std::optional<Control> FindControl(std::string_view name, int index = -1) {
  for (const ControlDef& c : kControls)
    if (c.name == name && c.index == index) return c.id;
  return std::nullopt;
}

bool IsOptionGroup(std::string_view name) { return FindControl(name, 0).has_value(); }

Parsed ParseClick(std::string_view name, std::optional<std::string_view> arg) {
  if (IsOptionGroup(name)) {
    if (AbsentOrBlank(arg)) return Malformed{"missing button index after " + Quoted(name)};
    Cut index = CutAtBlank(*arg);
    const bool digit = index.head.size() == 1 && index.head[0] >= '0' && index.head[0] <= '9';
    const std::optional<Control> button = digit ? FindControl(name, index.head[0] - '0') : std::nullopt;
    if (!button) return Malformed{"button index " + Quoted(index.head) + " is not 0 to 3"};
    if (!AbsentOrBlank(index.rest)) return Malformed{"unexpected " + Quoted(*index.rest) + " after the button index"};
    return Action{Verb::Click, *button, {}};
  }
  std::optional<Control> id = FindControl(name);
  if (!id) return Malformed{"unknown control " + Quoted(name)};
  Kind kind = Def(*id).kind;
  if (kind != Kind::CheckBox && kind != Kind::CommandButton)
    return Malformed{"cannot click " + Quoted(name) + ": not a button or check box"};
  if (!AbsentOrBlank(arg)) return Malformed{"unexpected " + Quoted(*arg) + " after " + Quoted(name)};
  return Action{Verb::Click, *id, {}};
}

// type, edit, backspace and pick: a text box or a list, then the argument.
Parsed ParseTextAction(Verb verb, std::string_view word, std::string_view name, std::optional<std::string_view> arg) {
  std::optional<Control> id = FindControl(name);
  if (!id && !IsOptionGroup(name)) return Malformed{"unknown control " + Quoted(name)};
  bool list = id && Def(*id).kind == Kind::ComboBox;
  bool textBox = id && Def(*id).kind == Kind::TextBox;
  if (verb == Verb::Pick) {
    if (!list) return Malformed{"cannot pick from " + Quoted(name) + ": not a list"};
    if (!arg || arg->empty()) return Malformed{"missing item to pick from " + Quoted(name)};
  } else if (!list && !textBox) {
    return Malformed{"cannot " + std::string(word) + " " + Quoted(name) + ": not a text box or list"};
  }
  if (verb == Verb::Type && (!arg || arg->empty())) return Malformed{"missing characters to type into " + Quoted(name)};
  if (verb == Verb::Backspace && !AbsentOrBlank(arg))
    return Malformed{"unexpected " + Quoted(*arg) + " after " + Quoted(name)};
  return Action{verb, *id, std::string(arg.value_or(""))};
}

}  // namespace

std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> characters;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = start + 1;
    while (end < text.size() && ContinuesCharacter(text[end])) ++end;
    characters.push_back(text.substr(start, end - start));
    start = end;
  }
  return characters;
}

Parsed ParseLine(std::string_view line) {
  if (IsBlank(line) || line.front() == '#') return Action{};
  Cut action = CutAtBlank(line);
  std::optional<Verb> verb = VerbNamed(action.head);
  if (!verb) return Malformed{"unknown action " + Quoted(action.head)};
  if (Reads(*verb)) {
    if (!AbsentOrBlank(action.rest))
      return Malformed{"unexpected " + Quoted(*action.rest) + " after " + std::string(action.head)};
    return Action{*verb, Control::MotorSpeedPrompt, {}};
  }
  if (!action.rest || action.rest->empty()) return Malformed{"missing control after " + std::string(action.head)};
  Cut control = CutAtBlank(*action.rest);
  if (*verb == Verb::Click) return ParseClick(control.head, control.rest);
  return ParseTextAction(*verb, action.head, control.head, control.rest);
}

std::string NotAnItem(std::string_view item, Control list) {
  return Quoted(item) + " is not an item of " + std::string(Def(list).name);
}

void PrintFault(std::ostream& out, FaultKind kind) { out << "fault=" << FaultName(kind) << '\n'; }

std::string ActionLine(const Action& action) {
  if (action.verb == Verb::Skip) return "";
  std::string line(VerbName(action.verb));
  if (Reads(action.verb)) return line;
  const ControlDef& def = Def(action.control);
  line += " " + std::string(def.name);
  if (action.verb == Verb::Type || action.verb == Verb::Pick || (action.verb == Verb::Edit && !action.text.empty()))
    line += " " + action.text;
  if (action.verb == Verb::Click && def.index >= 0) line += " " + std::to_string(def.index);
  return line;
}

std::optional<std::string> ScriptPlayer::Play(const Action& action, std::ostream& out) {
  if (std::optional<std::string> refused = Refused(action)) return refused;
  switch (action.verb) {
    case Verb::Skip:
      break;
    case Verb::Dump:
      for (Control id : kDumpedControls) out << Def(id).name << '=' << Shown(id) << '\n';
      out << "--\n";
      break;
    case Verb::Advice: {
      const AdviceSeen seen = AdviceShown();
      out << "advice=" << seen.codes << '\n';
      if (!seen.codes.empty()) out << "strip=" << seen.strip << '\n';
      for (const auto& [id, text] : seen.marks) out << "mark " << ElementId(id) << '=' << text << '\n';
      break;
    }
    case Verb::Sheet:
      out << "sheet=" << SheetShown().figures << '\n';
      break;
    case Verb::Section: {
      const SheetSeen seen = SheetShown();
      if (seen.lines.empty()) out << "section=\n";
      for (const std::string& line : seen.lines) out << "section=" << line << '\n';
      break;
    }
    case Verb::Type:
      Type(action.control, action.text, out);
      break;
    case Verb::Edit:
      Edit(action.control, action.text, out);
      break;
    case Verb::Backspace:
      Backspace(action.control, out);
      break;
    case Verb::Pick:
      return Pick(action.control, action.text, out);
    case Verb::Click:
      Click(action.control, out);
      break;
  }
  return std::nullopt;
}

// ---- playing on the model

bool ModelPlayer::Ended() const { return panel_.Ended(); }

void ModelPlayer::Report(std::optional<FaultKind> outcome, std::ostream& out) {
  lastFault_ = outcome;
  if (outcome) PrintFault(out, *outcome);
}

// Each character is one keystroke; a text box refuses one that would take it
// beyond its maximum length.
void ModelPlayer::Type(Control id, std::string_view chars, std::ostream& out) {
  lastFault_.reset();
  for (std::string_view character : Characters(chars)) {
    if (panel_.Ended()) break;
    std::string typed = panel_.Text(id);
    typed.append(character);
    if (FirstCharacters(typed, Panel::MaxLength(id)) != typed) continue;
    Report(panel_.UserEdit(id, typed), out);
  }
}

void ModelPlayer::Edit(Control id, std::string_view text, std::ostream& out) { Report(panel_.UserEdit(id, text), out); }

void ModelPlayer::Backspace(Control id, std::ostream& out) {
  lastFault_.reset();
  std::string text = panel_.Text(id);
  if (text.empty()) return;
  std::size_t end = text.size();
  while (end > 0 && ContinuesCharacter(text[end - 1])) --end;
  text.resize(end > 0 ? end - 1 : 0);
  Report(panel_.UserEdit(id, text), out);
}

std::optional<std::string> ModelPlayer::Pick(Control list, std::string_view item, std::ostream& out) {
  const std::vector<std::string>& items = panel_.Items(list);
  const auto found = std::find(items.begin(), items.end(), item);
  if (found == items.end()) return NotAnItem(item, list);
  Report(panel_.UserPick(list, static_cast<std::size_t>(found - items.begin())), out);
  return std::nullopt;
}

void ModelPlayer::Click(Control id, std::ostream& out) { Report(panel_.UserClick(id), out); }

std::string ModelPlayer::Shown(Control id) const {
  switch (Def(id).kind) {
    case Kind::CheckBox:
      return panel_.Value(id) ? "1" : "0";
    case Kind::OptionButton:
      if (const std::optional<BeltProfile> profile = panel_.SelectedProfile())
        return std::to_string(static_cast<int>(*profile));
      return "none";
    case Kind::Label:
    case Kind::CommandButton:
      return panel_.Caption(id);
    case Kind::TextBox:
    case Kind::ComboBox:
      break;
  }
  return panel_.Text(id);
}

SheetSeen ModelPlayer::SheetShown() const {
  Sheet sheet = SheetFor(panel_);
  return {std::move(sheet.figures), std::move(sheet.lines)};
}

void AdviceSeen::Mark(Control id, std::string_view description) {
  for (std::size_t at = 0; !description.empty() && at != std::string_view::npos;) {
    const std::size_t end = description.find('\n', at);
    marks.emplace_back(id, std::string(description.substr(at, end == std::string_view::npos ? end : end - at)));
    at = end == std::string_view::npos ? end : end + 1;
  }
}

AdviceSeen ModelPlayer::AdviceShown() const {
  const std::vector<Advice> advice = AdviceFor(panel_);
  const Strip strip = StripOf(advice);
  AdviceSeen seen{AdviceCodes(advice), StripLine(strip.first, strip), {}};
  const std::vector<std::string> about = AdviceAbout(advice);
  for (const ControlDef& def : kControls) seen.Mark(def.id, about[IndexOf(def.id)]);
  return seen;
}

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

int ReadScript(std::istream& in, std::ostream& err, const ActionSink& play, const std::function<bool()>& ended) {
  std::string line;
  std::size_t number = 0;
  try {
    while (!ended() && std::getline(in, line)) {
      ++number;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (number == 1 && line.starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
      Parsed parsed = ParseLine(line);
      std::optional<std::string> problem;
      if (const Malformed* malformed = std::get_if<Malformed>(&parsed))
        problem = malformed->reason;
      else
        problem = play(std::get<Action>(parsed), number);
      if (problem) {
        err << "kasnak-script: line " << number << ": " << *problem << '\n';
        return kScriptMalformed;
      }
    }
  } catch (const std::exception& failure) {
    err << "kasnak-script: line " << number << ": " << failure.what() << '\n';
    return kScriptBroken;
  } catch (...) {
    err << "kasnak-script: line " << number << ": unknown failure\n";
    return kScriptBroken;
  }
  if (in.bad()) {
    err << "kasnak-script: cannot read the script after line " << number << '\n';
    return kScriptMalformed;
  }
  return kScriptPlayed;
}

int PlayScript(ScriptPlayer& player, std::istream& in, std::ostream& out, std::ostream& err) {
  const int status = ReadScript(
      in, err, [&](const Action& action, std::size_t) { return player.Play(action, out); },
      [&] { return player.Ended(); });
  if (status == kScriptPlayed && player.Ended()) out << "exit\n";
  return status;
}

// ---- parsing alone, for the players outside this program

std::string Json(std::string_view s) {
  JsonWriter json;
  json.Text(s);
  return json.Written();
}

int ParseScript(std::istream& in, std::ostream& out, std::ostream& err) {
  out << "{\"dumped\": [";
  for (std::size_t i = 0; i < kDumpedControls.size(); ++i) out << (i ? ", " : "") << Json(Def(kDumpedControls[i]).name);
  out << "], \"played\": " << kScriptPlayed << ", \"malformed\": " << kScriptMalformed
      << ", \"broken\": " << kScriptBroken << ", \"faults\": {";
  for (FaultKind kind : kFaultKinds)
    out << (kind == kFaultKinds.front() ? "" : ", ") << Json(FaultMessage(kind)) << ": " << Json(FaultName(kind));
  out << "}}\n";
  return ReadScript(
      in, err,
      [&](const Action& action, std::size_t line) -> std::optional<std::string> {
        if (action.verb == Verb::Skip) return std::nullopt;
        out << "{\"line\": " << line << ", \"verb\": \"" << VerbName(action.verb) << '"';
        if (!Reads(action.verb)) {
          const bool utf8 = IsUtf8(action.text);
          out << ", \"id\": " << Json(ElementId(action.control)) << ", \"text\": " << Json(action.text)
              << ", \"utf8\": " << (utf8 ? "true" : "false");
          if (!utf8) out << ", \"refused\": " << Json(kNotUtf8);
          if (action.verb == Verb::Pick) out << ", \"notAnItem\": " << Json(NotAnItem(action.text, action.control));
        }
        out << "}\n";
        return std::nullopt;
      },
      [] { return false; });
}

int PlayScript(Panel& panel, std::istream& in, std::ostream& out, std::ostream& err) {
  ModelPlayer player(panel);
  return PlayScript(player, in, out, err);
}

int PlayScript(std::istream& in, std::ostream& out, std::ostream& err) {
  std::unique_ptr<Panel> panel;
  try {
    panel = StartUp();
  } catch (const std::exception& failure) {
    err << "kasnak-script: start-up: " << failure.what() << '\n';
    return kScriptBroken;
  }
  return PlayScript(*panel, in, out, err);
}

}  // namespace kasnak
