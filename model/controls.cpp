// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/controls.h"

namespace kasnak {

std::optional<Control> FindControl(std::string_view name, int index) {
  for (const ControlDef& c : kControls)
    if (c.name == name && c.index == index) return c.id;
  return std::nullopt;
}

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

std::string AccessibleName(Control id, std::string_view result) {
  const ControlDef& def = Def(id);
  if (def.kind != Kind::TextBox && def.kind != Kind::ComboBox && !def.output) return {};
  // The nearest captions on the same row: the prompt to the left, the unit
  // to the right.
  const ControlDef* prompt = nullptr;
  const ControlDef* unit = nullptr;
  for (const ControlDef& other : kControls) {
    if (other.kind != Kind::Label || other.output || !OnRowOf(other, def)) continue;
    if (other.left < def.left && (!prompt || other.left > prompt->left)) prompt = &other;
    if (other.left > def.left && (!unit || other.left < unit->left)) unit = &other;
  }
  if (!prompt || !prompt->caption.ends_with('=')) return {};
  std::string_view promptText = prompt->caption.substr(0, prompt->caption.size() - 1);
  while (promptText.ends_with(' ')) promptText.remove_suffix(1);
  std::string name(promptText);
  // A prompt to the right belongs to the next control: this one has no unit.
  const std::string_view unitName = unit && !unit->caption.ends_with('=') ? unit->caption : std::string_view();
  if (!def.output) return unitName.empty() ? name : name + ", " + std::string(unitName);
  if (result.empty()) return name;
  name += ": " + std::string(result);
  return unitName.empty() ? name : name + " " + std::string(unitName);
}

}  // namespace kasnak
