// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/controls.h"

namespace kasnak {

namespace {

// A caption belongs to a control's row when its middle lies within the
// control's height.
bool OnRowOf(const ControlDef& caption, const ControlDef& control) {
  const int middle = caption.top + caption.height / 2;
  return middle >= control.top && middle < control.top + control.height;
}

}  // namespace

std::string ElementId(Control id) {
  const ControlDef& def = Def(id);
  std::string name(def.name);
  if (def.index >= 0) name += "_" + std::to_string(def.index);
  return name;
}

Captions CaptionsOf(Control id) {
  const ControlDef& def = Def(id);
  // The nearest captions on the same row: the prompt to the left, the unit
  // to the right.
  const ControlDef* prompt = nullptr;
  const ControlDef* unit = nullptr;
  for (const ControlDef& other : kControls) {
    if (other.kind != Kind::Label || other.output || !OnRowOf(other, def)) continue;
    if (other.left < def.left && (!prompt || other.left > prompt->left)) prompt = &other;
    if (other.left > def.left && (!unit || other.left < unit->left)) unit = &other;
  }
  Captions captions;
  if (!prompt || !prompt->caption.ends_with('=')) return captions;
  captions.prompt = prompt->id;
  // A prompt to the right belongs to the next control: this one has no unit.
  if (unit && !unit->caption.ends_with('=')) captions.unit = unit->id;
  return captions;
}

std::string PromptName(Control id) {
  const std::optional<Control> prompt = CaptionsOf(id).prompt;
  if (!prompt) return {};
  std::string_view text = Def(*prompt).caption;
  text.remove_suffix(1);  // the "="
  while (text.ends_with(' ')) text.remove_suffix(1);
  return std::string(text);
}

std::string AccessibleName(Control id, std::string_view result) {
  const ControlDef& def = Def(id);
  if (def.kind != Kind::TextBox && def.kind != Kind::ComboBox && !def.output) return {};
  std::string name = PromptName(id);
  if (name.empty()) return {};
  const std::optional<Control> unit = CaptionsOf(id).unit;
  const std::string unitName = unit ? std::string(Def(*unit).caption) : std::string();
  if (!def.output) return unitName.empty() ? name : name + ", " + unitName;
  if (result.empty()) return name;
  name += ": " + std::string(result);
  return unitName.empty() ? name : name + " " + unitName;
}

}  // namespace kasnak
