// SPDX-License-Identifier: GPL-3.0-or-later
// The window model for the page: the control table, the title, the user's
// actions and the controls' states after them, bound to JavaScript with
// embind.  The page (web/view.js) builds every control from this table and
// forwards every user action here; it decides nothing itself.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <memory>
#include <string>

#include "model/controls.h"
#include "model/faults.h"
#include "model/panel.h"
#include "numbers/numbers.h"
#include "procedures/startup.h"

namespace kasnak {
namespace {

using emscripten::val;

const char* KindName(Kind kind) {
  switch (kind) {
    case Kind::Label:
      return "label";
    case Kind::TextBox:
      return "text";
    case Kind::ComboBox:
      return "list";
    case Kind::CheckBox:
      return "check";
    case Kind::OptionButton:
      return "option";
    case Kind::CommandButton:
      return "button";
  }
  return "";
}

// Through std::string, which embind carries as UTF-8 (a C string would be
// read as Latin-1).
val Str(std::string_view s) { return val(std::string(s)); }

// The control table, in its order: one object per control.
val Controls() {
  val table = val::array();
  for (const ControlDef& def : kControls) {
    val c = val::object();
    c.set("name", Str(def.name));
    c.set("index", def.index);
    c.set("kind", Str(KindName(def.kind)));
    c.set("caption", Str(def.caption));
    c.set("toolTip", Str(def.toolTip));
    c.set("left", def.left);
    c.set("top", def.top);
    c.set("width", def.width);
    c.set("height", def.height);
    c.set("tabIndex", def.tabIndex);
    c.set("output", def.output);
    c.set("maxLength", def.maxLength);
    c.set("startOn", def.startOn);
    table.call<void>("push", c);
  }
  return table;
}

// The controls that take the focus, as places in the table, in tab order.
val TabOrderPlaces() {
  val order = val::array();
  for (Control id : TabOrder()) order.call<void>("push", static_cast<int>(IndexOf(id)));
  return order;
}

val Window() {
  val w = val::object();
  w.set("title", Str(kWindowTitle));
  w.set("widthTwips", kClientWidthTwips);
  w.set("heightTwips", kClientHeightTwips);
  w.set("twipsPerInch", kTwipsPerInch);
  return w;
}

// A fault as {name, message}: the name the scenario runner prints, the
// message the window shows.
val FaultObject(FaultKind kind) {
  val f = val::object();
  f.set("name", Str(FaultName(kind)));
  f.set("message", Str(FaultMessage(kind)));
  return f;
}

// Every fault, for the players that read a fault's name from its message.
val Faults() {
  val faults = val::array();
  for (FaultKind kind : {FaultKind::Overflow, FaultKind::DivisionByZero, FaultKind::InvalidArgument})
    faults.call<void>("push", FaultObject(kind));
  return faults;
}

Control At(int place) { return kControls.at(static_cast<std::size_t>(place)).id; }

// The window model of one page: started as the program starts.
class Model {
 public:
  Model() : panel_(StartUp()) {}

  // Each action returns the fault that stopped its chain as
  // {name, message}, or null.
  val Edit(int place, const std::string& text) { return Fault(panel_->UserEdit(At(place), text)); }
  val Pick(int place, int item) { return Fault(panel_->UserPick(At(place), static_cast<std::size_t>(item))); }
  val Click(int place) { return Fault(panel_->UserClick(At(place))); }

  // Every control as {text, on}, in the order of the table: a text box's or
  // a list's text, a caption; a check box ticked or option button selected.
  val States() const {
    val states = val::array();
    for (const ControlDef& def : kControls) {
      val s = val::object();
      s.set("text", Str(panel_->Text(def.id)));
      s.set("on", panel_->Value(def.id));
      states.call<void>("push", s);
    }
    return states;
  }

  val Items(int place) const {
    val items = val::array();
    for (const std::string& item : panel_->Items(At(place))) items.call<void>("push", Str(item));
    return items;
  }

  bool Ended() const { return panel_->Ended(); }

 private:
  static val Fault(Panel::Outcome outcome) { return outcome ? FaultObject(*outcome) : val::null(); }

  std::unique_ptr<Panel> panel_;
};

}  // namespace
}  // namespace kasnak

EMSCRIPTEN_BINDINGS(kasnak) {
  using namespace kasnak;
  emscripten::function("controls", &Controls);
  emscripten::function("tabOrder", &TabOrderPlaces);
  emscripten::function("window", &Window);
  emscripten::function("faults", &Faults);
  emscripten::class_<Model>("Model")
      .constructor<>()
      .function("edit", &Model::Edit)
      .function("pick", &Model::Pick)
      .function("click", &Model::Click)
      .function("states", &Model::States)
      .function("items", &Model::Items)
      .function("ended", &Model::Ended);
}
