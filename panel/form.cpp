// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/form.h"

#include <utility>

namespace kasnak {

Form1::Form1(EventTable events) : events_(events) {
  for (const ControlDef& def : kControls) {
    ControlState& s = state(def.id);
    if (def.kind != Kind::TextBox && def.kind != Kind::ComboBox) s.text = std::string(def.caption);
    s.on = def.startOn;
  }
}

void Form1::SetText(Ctl id, std::string text) {
  state(id).text = std::move(text);
  if (Procedure change = events_.change[IndexOf(id)]) change(*this);
}

void Form1::SetCaption(Ctl id, std::string caption) { state(id).text = std::move(caption); }

void Form1::DeselectOption1(BeltProfile profile) { state(OptionButton(profile)).on = false; }

std::optional<BeltProfile> Form1::SelectedProfile() const {
  for (const Profile& profile : kProfiles)
    if (Value(OptionButton(profile.id))) return profile.id;
  return std::nullopt;
}

void Form1::AddItem(Ctl list, std::string item) { state(list).items.push_back(std::move(item)); }

template <typename Action>
Form1::Outcome Form1::Run(Action action) {
  try {
    action();
  } catch (const ArithmeticFault& fault) {
    return fault.kind();
  }
  return std::nullopt;
}

Form1::Outcome Form1::Load() {
  return Run([this] {
    if (events_.Form_Load) events_.Form_Load(*this);
  });
}

Form1::Outcome Form1::UserEdit(Ctl id, std::string_view text) {
  if (Def(id).kind == Kind::ComboBox) {
    state(id).text = std::string(text);
    return std::nullopt;
  }
  std::string kept = FirstCharacters(text, MaxLength(id));
  if (kept == state(id).text) return std::nullopt;
  return Run([&] { SetText(id, std::move(kept)); });
}

Form1::Outcome Form1::UserPick(Ctl list, std::size_t item) {
  state(list).text = state(list).items.at(item);
  return Run([&] {
    if (Procedure click = events_.click[IndexOf(list)]) click(*this);
  });
}

Form1::Outcome Form1::UserClick(Ctl id) {
  const ControlDef& def = Def(id);
  if (def.kind == Kind::CheckBox) state(id).on = !state(id).on;
  if (def.kind == Kind::OptionButton) {
    for (const Profile& profile : kProfiles) state(OptionButton(profile.id)).on = OptionButton(profile.id) == id;
    return Run([&] {
      if (events_.Option1_Click) events_.Option1_Click(*this, def.index);
    });
  }
  return Run([&] {
    if (Procedure click = events_.click[IndexOf(id)]) click(*this);
  });
}

std::string FirstCharacters(std::string_view text, std::size_t limit) {
  if (limit == 0) return std::string(text);
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A byte that does not continue a UTF-8 sequence starts a character.
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      if (count == limit) return std::string(text.substr(0, i));
      ++count;
    }
  }
  return std::string(text);
}

}  // namespace kasnak
