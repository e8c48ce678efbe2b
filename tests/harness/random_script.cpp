// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/harness/random_script.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "drive/catalogues.h"
#include "model/controls.h"

namespace kasnak {

std::size_t RandomSource::Below(std::size_t n) {
  // The top of the 64-bit product of a 32-bit draw and n: every result from
  // 0 to n - 1, each as often as the next within one part in 2^32 / n.
  return static_cast<std::size_t>((static_cast<std::uint64_t>(engine_() & 0xFFFFFFFFu) * n) >> 32);
}

namespace {

// What a designer types, field by field, a careless paste among it.
struct Field {
  Control id;
  std::vector<std::string_view> texts;
};

const std::array<Field, 9> kFields = {{
    {Control::ScrewSpeed,
     {"1450", "2950", "3000", "3500", "4000", "4500", "6000", "8000", "9000", "1200", "500", "99999"}},
    {Control::RibCount, {"1", "4", "6", "8", "12", "20", "2.5"}},
    {Control::CenterDistance, {"250", "400", "412.37", "500", "800", "1000", "100", "5000"}},
    {Control::BeltLength, {"1291.5", "1000", "1596.9", "2000", "600", "300", "4000"}},
    {Control::RibPower, {"3.14", "0"}},
    {Control::BeltPower, {"25.09"}},
    {Control::MotorPower, {"22", "7.5", "160", "45", "200", "7.50", "11 kW"}},
    {Control::MotorPulley, {"180", "125", "250", "100", "500", "0", "9999"}},
    {Control::ScrewPulley, {"132", "200", "125", "180", "250", "500", "10"}},
}};

// Texts no field expects: beyond the single or the double range, not a
// number, another notation, blanks, letters outside ASCII.
const std::array<std::string_view, 17> kOddTexts = {
    "-5", "1E38", "1E39",   "1E400",  "1E308", "abc", "12,5",  "&H10",   "&O777",
    ".",  "-",    "123456", " 4 000", "1D3",   "-.5", "2.5e1", "ğüşıöç",
};

// Each list and the catalogue it shows.
struct List {
  Control id;
  std::span<const std::string_view> items;
};

const std::array<List, 3> kLists = {{
    {Control::MotorPower, kMotorPowerCatalogue},
    {Control::MotorPulley, kPulleyDiameterCatalogue},
    {Control::ScrewPulley, kPulleyDiameterCatalogue},
}};

// What a click may hit: every check box and profile button of the control
// table, and "Hesapla" thrice as often; not "Çıkış", which would end the
// script.
std::vector<Control> Clickable() {
  std::vector<Control> clickable;
  for (const ControlDef& def : kControls) {
    if (def.kind == Kind::CheckBox || def.kind == Kind::OptionButton) clickable.push_back(def.id);
    if (def.id == Control::CalculateButton) clickable.insert(clickable.end(), 3, def.id);
  }
  return clickable;
}

template <typename Range>
const auto& OneOf(RandomSource& random, const Range& range) {
  return range[random.Below(std::size(range))];
}

}  // namespace

Action RandomAction(RandomSource& random) {
  static const std::vector<Control> kClickable = Clickable();
  const std::size_t roll = random.Below(100);
  const Field& field = OneOf(random, kFields);
  const bool odd = random.Below(7) == 0;
  const std::string text(odd ? OneOf(random, kOddTexts) : OneOf(random, field.texts));
  if (roll < 25) {
    const List& list = OneOf(random, kLists);
    return {Verb::Pick, list.id, std::string(OneOf(random, list.items))};
  }
  if (roll < 48) return {Verb::Edit, field.id, text};
  if (roll < 52) return {Verb::Edit, field.id, {}};
  if (roll < 58) return {Verb::Type, field.id, text};
  // One keystroke at the end of what is there.
  if (roll < 64) return {Verb::Type, field.id, std::string(OneOf(random, Characters(text)))};
  if (roll < 70) return {Verb::Backspace, field.id, {}};
  return {Verb::Click, OneOf(random, kClickable), {}};
}

std::vector<Action> Keystrokes(const Action& action) {
  if (action.verb != Verb::Type) return {action};
  std::vector<Action> keystrokes;
  for (std::string_view character : Characters(action.text))
    keystrokes.push_back({Verb::Type, action.control, std::string(character)});
  return keystrokes;
}

std::string RandomScript(std::uint32_t seed, std::size_t actions) {
  RandomSource random(seed);
  std::string script = "# random script, seed " + std::to_string(seed) + "\n";
  for (std::size_t i = 0; i < actions; ++i) script += ActionLine(RandomAction(random)) + "\ndump\n";
  return script;
}

}  // namespace kasnak
