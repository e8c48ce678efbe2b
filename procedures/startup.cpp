// SPDX-License-Identifier: GPL-3.0-or-later
#include "procedures/startup.h"

#include "drive/catalogues.h"
#include "procedures/belt_length.h"
#include "procedures/calculate.h"
#include "procedures/coupling.h"
#include "procedures/profile_choice.h"

namespace kasnak {

namespace {

// Pi as the window keeps it: the single-precision value nearest to pi, the
// one value of pi that every angle, length and speed uses.
const Single kPi = Single::FromFloat(3.1415927f);

// Appends the catalogue's texts to a list in their order, then empties the
// list's text field.
template <std::size_t N>
void FillList(Panel& panel, Control list, const std::array<std::string_view, N>& catalogue) {
  for (std::string_view text : catalogue) panel.AddItem(list, std::string(text));
  panel.SetText(list, "");
}

// Fills the lists from the catalogues and sets pi.
void LoadPanel(Panel& panel) {
  FillList(panel, Control::MotorPower, kMotorPowerCatalogue);
  FillList(panel, Control::MotorPulley, kPulleyDiameterCatalogue);
  FillList(panel, Control::ScrewPulley, kPulleyDiameterCatalogue);
  panel.drive.piValue = kPi;
}

// "Çıkış": ends the program.
void ExitClicked(Panel& panel) { panel.End(); }

// Each control's event and the procedure it runs; the profile buttons share
// ProfileClicked, which takes the clicked button's index.
enum class Event { Click, Change };
struct Binding {
  Control control;
  Event event;
  Procedure procedure;
};
// clang-format off
constexpr Binding kBindings[] = {
    {Control::MotorPower,      Event::Click,  MotorPowerPicked},
    {Control::CompactMotor,    Event::Click,  CompactMotorClicked},
    {Control::FourPole,        Event::Click,  FourPoleClicked},
    {Control::ScrewSpeed,      Event::Change, ScrewSpeedChanged},
    {Control::MotorPulley,     Event::Click,  MotorPulleyPicked},
    {Control::ScrewPulley,     Event::Click,  ScrewPulleyPicked},
    {Control::HeavyDuty,       Event::Click,  HeavyDutyClicked},
    {Control::RibCount,        Event::Change, RibCountChanged},
    {Control::BeltLength,      Event::Change, BeltLengthChanged},
    {Control::CalculateButton, Event::Click,  Calculate},
    {Control::ExitButton,      Event::Click,  ExitClicked},
};
// clang-format on

}  // namespace

EventTable WindowEvents() {
  EventTable events;
  events.load = LoadPanel;
  for (const Binding& b : kBindings)
    (b.event == Event::Click ? events.click : events.change)[IndexOf(b.control)] = b.procedure;
  events.profileClick = ProfileClicked;
  return events;
}

std::unique_ptr<Panel> StartUp() {
  auto panel = std::make_unique<Panel>(WindowEvents());
  panel->Load();
  return panel;
}

}  // namespace kasnak
