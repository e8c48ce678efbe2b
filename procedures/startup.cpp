// SPDX-License-Identifier: GPL-3.0-or-later
#include "procedures/startup.h"

#include "drive/catalogues.h"
#include "procedures/belt_length.h"
#include "procedures/calculate.h"
#include "procedures/coupling.h"
#include "procedures/motor.h"
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

}  // namespace

EventTable WindowEvents() {
  EventTable events;
  auto click = [&events](Control id, Procedure p) { events.click[IndexOf(id)] = p; };
  auto change = [&events](Control id, Procedure p) { events.change[IndexOf(id)] = p; };
  events.load = LoadPanel;
  click(Control::MotorPower, MotorPowerPicked);
  click(Control::CompactMotor, CompactMotorClicked);
  click(Control::FourPole, FourPoleClicked);
  change(Control::ScrewSpeed, ScrewSpeedChanged);
  click(Control::MotorPulley, MotorPulleyPicked);
  click(Control::ScrewPulley, ScrewPulleyPicked);
  events.profileClick = ProfileClicked;
  click(Control::HeavyDuty, HeavyDutyClicked);
  change(Control::RibCount, RibCountChanged);
  change(Control::BeltLength, BeltLengthChanged);
  click(Control::CalculateButton, Calculate);
  click(Control::ExitButton, ExitClicked);
  return events;
}

std::unique_ptr<Panel> StartUp() {
  auto panel = std::make_unique<Panel>(WindowEvents());
  panel->Load();
  return panel;
}

}  // namespace kasnak
