// SPDX-License-Identifier: GPL-3.0-or-later
// The window model for the page: the control table with every fact the page
// shows of it (ids, places, accessible names), the window's own facts, the
// user's actions and the controls' states after them, bound to JavaScript
// with embind.  The page (web/view.js) builds every control from these facts
// and forwards every user action here; it decides and computes nothing
// itself.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "advice/advice.h"
#include "advice/heard.h"
#include "fitting/report.h"
#include "fitting/sheet.h"
#include "model/controls.h"
#include "model/export.h"
#include "model/faults.h"
#include "model/groups.h"
#include "model/panel.h"
#include "procedures/calculate.h"
#include "procedures/startup.h"

namespace kasnak {
namespace {

using emscripten::val;

// The section's button that copies the whole drive as text (DriveReport),
// and what it says for a moment once it has, or could not.
constexpr char kCopyCaption[] = "Tümünü kopyala";
constexpr char kCopiedCaption[] = "Kopyalandı";
constexpr char kNotCopiedCaption[] = "Kopyalanamadı";
// The name of the list that the advice strip unfolds, every advice in order.
constexpr char kAdviceListName[] = "Öneriler";

// Through std::string, which embind carries as UTF-8 (a C string would be
// read as Latin-1).
val Str(std::string_view s) { return val(std::string(s)); }

// A JSON text handed to the page as one string and parsed there: every
// value carried across to JavaScript on its own costs more than the whole
// text, and the page reads the table at start-up and every control's state
// after each action.
class Json : public JsonWriter {
 public:
  val Parsed() const { return val::global("JSON").call<val>("parse", Written()); }
};

Control At(int place) { return kControls.at(static_cast<std::size_t>(place)).id; }

// The control table (model/export.h) in CSS pixels, as the window places
// its widgets at 96 dpi.
val Controls() {
  Json table;
  WriteControlTable(table, kCssDpi);
  return table.Parsed();
}

// The groups of controls (model/groups.h), in tab order: their members as
// places in the table, the name of the choice they make (or ""), their union
// rectangle in CSS pixels as the window places it at 96 dpi, and their place
// in the window's reading order.  A face that puts the groups in this order
// needs no tab index.
val Groups() {
  Json groups;
  groups.Open('[');
  for (const ControlGroup& group : ControlGroups()) {
    groups.Open('{');
    groups.Key("members").Open('[');
    for (Control id : group.members) groups.Number(static_cast<int>(IndexOf(id)));
    groups.Close(']');
    groups.Key("choiceName").Text(group.choiceName);
    const PixelRect place = GroupPlace(group, kCssDpi);
    groups.Key("left").Number(place.left);
    groups.Key("top").Number(place.top);
    groups.Key("width").Number(place.width);
    groups.Key("height").Number(place.height);
    groups.Key("readingPosition").Number(group.readingPosition);
    groups.Close('}');
  }
  groups.Close(']');
  return groups.Parsed();
}

// The accessible name of a result while it shows `text`.
std::string ResultName(int place, const std::string& text) { return AccessibleName(At(place), text); }

// What a text box keeps of a text typed or pasted between `before` and
// `after`: as much as fits within its limit.
std::string Fitting(int place, const std::string& before, const std::string& inserted, const std::string& after) {
  return Panel::Fitting(At(place), before, inserted, after);
}

// The controls that take the focus, as places in the table, in tab order.
val TabOrderPlaces() {
  val order = val::array();
  for (Control id : TabOrder()) order.call<void>("push", static_cast<int>(IndexOf(id)));
  return order;
}

// The window's facts (model/export.h) in CSS pixels.
val Window() {
  Json window;
  WriteWindow(window, kCssDpi);
  return window.Parsed();
}

// The ordering and fitting section below the advice: its title, the most
// lines it shows, and its copy button's captions; and the name of the list
// of every advice that the strip above it unfolds.
val SheetFacts() {
  val s = val::object();
  s.set("title", Str(kSheetTitle));
  s.set("lines", static_cast<int>(kSheetLines));
  s.set("copyCaption", Str(kCopyCaption));
  s.set("copiedCaption", Str(kCopiedCaption));
  s.set("notCopiedCaption", Str(kNotCopiedCaption));
  s.set("adviceListName", Str(kAdviceListName));
  return s;
}

// The window model of one page: started as the program starts.
class Model {
 public:
  Model() : panel_(StartUp()), heard_(*panel_) {}

  // Each action returns the message of the fault that stopped its chain, or
  // null.
  val Edit(int place, const std::string& text) {
    heard_.Typed(At(place), text);
    return Done(panel_->UserEdit(At(place), text));
  }
  val Pick(int place, int item) { return Done(panel_->UserPick(At(place), static_cast<std::size_t>(item))); }
  val Click(int place) { return Done(panel_->UserClick(At(place))); }

  // Every control as {text, on}, in the order of the table: a text box's or
  // a list's text, a caption; a check box ticked or option button selected.
  val States() const {
    Json states;
    states.Open('[');
    for (const ControlDef& def : kControls) {
      states.Open('{');
      states.Key("text").Text(panel_->Text(def.id));
      states.Key("on").Flag(panel_->Value(def.id));
      states.Close('}');
    }
    states.Close(']');
    return states.Parsed();
  }

  // A list's items, in one JSON text: one crossing, however many they are.
  val Items(int place) const {
    Json items;
    items.Open('[');
    for (const std::string& item : panel_->Items(At(place))) items.Text(item);
    items.Close(']');
    return items.Parsed();
  }

  bool Ended() const { return panel_->Ended(); }

  // What follows the panel as it stands, read once the page shows the
  // controls after one or more actions: {advice, sheet, said}, the advice
  // and the ordering and fitting section, which share one copy of the panel
  // as "Hesapla" would leave it, and what a screen reader hears of the
  // actions since the last read (advice/heard.h), or "".
  val Shown() {
    const CalculatedCopy calculated(*panel_);
    const std::vector<kasnak::Advice> advice = AdviceFor(*panel_, calculated);
    val shown = val::object();
    shown.set("advice", Advice(advice));
    shown.set("sheet", Sheet(calculated));
    shown.set("said", heard_.Said(advice));
    return shown;
  }

  // The whole drive as plain text, for the clipboard.
  std::string Report() const { return DriveReport(*panel_); }

 private:
  // The advice, most important first: each as {code, figure, place, text},
  // the place of the control it is about; all their codes as the scenario
  // scripts print them; the strip's first advice, its "+N" and the line a
  // screen reader reads of it; every advice one a line; and each control's
  // advice, one a line, by place.
  static val Advice(const std::vector<kasnak::Advice>& advice) {
    Json result;
    result.Open('{').Key("items").Open('[');
    for (const kasnak::Advice& a : advice) {
      result.Open('{');
      result.Key("code").Text(a.code);
      result.Key("figure").Text(a.figure);
      result.Key("place").Number(static_cast<int>(IndexOf(a.control)));
      result.Key("text").Text(a.text);
      result.Close('}');
    }
    result.Close(']').Key("codes").Text(AdviceCodes(advice));
    const Strip strip = StripOf(advice);
    result.Key("first").Text(strip.first).Key("more").Text(strip.more);
    result.Key("line").Text(StripLine(strip.first, strip));
    result.Key("all").Text(AdviceLines(advice));
    result.Key("about").Open('[');
    for (const std::string& about : AdviceAbout(advice)) result.Text(about);
    result.Close(']');
    result.Close('}');
    return result.Parsed();
  }

  // The ordering and fitting section: {lines, figures}, the lines to show
  // below its title (none while it is blank) and its figures as the scenario
  // scripts print them.
  val Sheet(const CalculatedCopy& calculated) const {
    const kasnak::Sheet sheet = SheetFor(*panel_, calculated);
    Json result;
    result.Open('{').Key("lines").Open('[');
    for (const std::string& line : sheet.lines) result.Text(line);
    result.Close(']').Key("figures").Text(sheet.figures);
    result.Close('}');
    return result.Parsed();
  }

  // After an action: what it wrote, to be heard, and its fault's message.
  val Done(Panel::Outcome outcome) {
    heard_.Written(*panel_);
    return outcome ? Str(FaultMessage(*outcome)) : val::null();
  }

  std::unique_ptr<Panel> panel_;
  Heard heard_;
};

}  // namespace
}  // namespace kasnak

EMSCRIPTEN_BINDINGS(kasnak) {
  using namespace kasnak;
  emscripten::function("controls", &Controls);
  emscripten::function("resultName", &ResultName);
  emscripten::function("fitting", &Fitting);
  emscripten::function("tabOrder", &TabOrderPlaces);
  emscripten::function("groups", &Groups);
  emscripten::function("window", &Window);
  emscripten::function("sheetFacts", &SheetFacts);
  emscripten::class_<Model>("Model")
      .constructor<>()
      .function("edit", &Model::Edit)
      .function("pick", &Model::Pick)
      .function("click", &Model::Click)
      .function("states", &Model::States)
      .function("items", &Model::Items)
      .function("ended", &Model::Ended)
      .function("shown", &Model::Shown)
      .function("report", &Model::Report);
}
