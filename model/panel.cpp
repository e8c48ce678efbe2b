// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/panel.h"

#include <utility>

namespace kasnak {

Panel::Panel(EventTable events) : events_(events) {
  for (const ControlDef& def : kControls) {
    ControlState& s = state(def.id);
    if (def.kind != Kind::TextBox && def.kind != Kind::ComboBox) s.text = std::string(def.caption);
    s.on = def.startOn;
  }
}

void Panel::SetText(Control id, std::string text) { Write(id, std::move(text), true); }

void Panel::Write(Control id, std::string text, bool byProgram) {
  ControlState& s = state(id);
  if (!byProgram)
    s.replaced.clear();
  else if (!s.byProgram && !IsBlank(s.text))
    s.replaced = s.text;
  s.text = std::move(text);
  s.byProgram = byProgram;
  if (Procedure change = events_.change[IndexOf(id)]) change(*this);
}

void Panel::SetCaption(Control id, std::string caption) { state(id).text = std::move(caption); }

void Panel::DeselectProfile(BeltProfile profile) {
  ControlState& button = state(ProfileButton(profile));
  if (button.on) button.byProgram = true;
  button.on = false;
}

void Panel::SelectProfile(BeltProfile profile) {
  for (const Profile& p : kProfiles) {
    ControlState& button = state(ProfileButton(p.id));
    button.on = p.id == profile;
    button.byProgram = false;
  }
}

std::optional<BeltProfile> Panel::SelectedProfile() const {
  for (const Profile& profile : kProfiles)
    if (Value(ProfileButton(profile.id))) return profile.id;
  return std::nullopt;
}

void Panel::AddItem(Control list, std::string item) {
  auto items = std::make_shared<std::vector<std::string>>(Items(list));
  items->push_back(std::move(item));
  state(list).items = std::move(items);
}

const std::vector<std::string>& Panel::Items(Control list) const {
  static const std::vector<std::string> kNone;
  return state(list).items ? *state(list).items : kNone;
}

template <typename Action>
Panel::Outcome Panel::Run(Action action) {
  try {
    action();
  } catch (const ArithmeticFault& fault) {
    return fault.kind();
  }
  return std::nullopt;
}

Panel::Outcome Panel::Load() {
  return Run([this] {
    if (events_.load) events_.load(*this);
  });
}

Panel::Outcome Panel::UserEdit(Control id, std::string_view text) {
  if (Def(id).kind == Kind::ComboBox) {
    state(id).text = std::string(text);
    state(id).byProgram = false;
    state(id).replaced.clear();
    return std::nullopt;
  }
  std::string kept = FirstCharacters(text, MaxLength(id));
  if (kept == state(id).text) return std::nullopt;
  return Run([&] { Write(id, std::move(kept), false); });
}

Panel::Outcome Panel::UserPick(Control list, std::size_t item) {
  state(list).text = Items(list).at(item);
  state(list).byProgram = false;
  state(list).replaced.clear();
  return Run([&] {
    if (Procedure click = events_.click[IndexOf(list)]) click(*this);
  });
}

Panel::Outcome Panel::UserClick(Control id) {
  const ControlDef& def = Def(id);
  if (def.kind == Kind::CheckBox) state(id).on = !state(id).on;
  if (def.kind == Kind::OptionButton) {
    SelectProfile(static_cast<BeltProfile>(def.index));
    return Run([&] {
      if (events_.profileClick) events_.profileClick(*this, def.index);
    });
  }
  return Run([&] {
    if (Procedure click = events_.click[IndexOf(id)]) click(*this);
  });
}

std::string Panel::Fitting(Control id, std::string_view before, std::string_view inserted, std::string_view after) {
  const std::size_t limit = MaxLength(id);
  if (limit == 0) return std::string(inserted);
  const std::size_t around = CharacterCount(before) + CharacterCount(after);
  return around >= limit ? std::string() : FirstCharacters(inserted, limit - around);
}

}  // namespace kasnak
