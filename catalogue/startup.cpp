// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/startup.h"

#include "catalogue/catalogues.h"
#include "catalogue/motor.h"
#include "coupling/coupling.h"
#include "drive/calculate.h"
#include "profile/profile.h"

namespace kasnak {

namespace {

// Pi as the window keeps it: the single-precision value nearest to pi, the
// one value of pi that every angle, length and speed uses.
const Single kPi = Single::FromFloat(3.1415927f);

}  // namespace

EventTable WindowEvents() {
  EventTable events;
  auto click = [&events](Ctl id, Procedure p) { events.click[IndexOf(id)] = p; };
  auto change = [&events](Ctl id, Procedure p) { events.change[IndexOf(id)] = p; };
  events.Form_Load = Form_Load;
  click(Ctl::Combo1, Combo1_Click);
  click(Ctl::chkKompakt, chkKompakt_Click);
  click(Ctl::chk4kutup, chk4kutup_Click);
  change(Ctl::Text2, Text2_Change);
  click(Ctl::Combo2, Combo2_Click);
  click(Ctl::Combo3, Combo3_Click);
  events.Option1_Click = Option1_Click;
  click(Ctl::chkC2, chkC2_Click);
  change(Ctl::Text5, Text5_Change);
  change(Ctl::Text11, Text11_Change);
  click(Ctl::Command1, Command1_Click);
  click(Ctl::Command3, Command3_Click);
  return events;
}

std::unique_ptr<Form1> StartUp() {
  auto form = std::make_unique<Form1>(WindowEvents());
  form->Load();
  return form;
}

namespace {

// Appends the catalogue's texts to a list in their order, then empties the
// list's text field.
template <std::size_t N>
void FillList(Form1& form, Ctl list, const std::array<std::string_view, N>& catalogue) {
  for (std::string_view text : catalogue) form.AddItem(list, std::string(text));
  form.SetText(list, "");
}

}  // namespace

void Form_Load(Form1& form) {
  FillList(form, Ctl::Combo1, kMotorPowerCatalogue);
  FillList(form, Ctl::Combo2, kPulleyDiameterCatalogue);
  FillList(form, Ctl::Combo3, kPulleyDiameterCatalogue);
  form.drive.piValue = kPi;
}

void Command3_Click(Form1& form) { form.End(); }

}  // namespace kasnak
