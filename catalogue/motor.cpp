// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/motor.h"

#include <string>

#include "catalogue/motor_speeds.h"
#include "coupling/coupling.h"
#include "coupling/ratio.h"

namespace kasnak {

void RefreshMotor(Form1& form) {
  using enum Ctl;
  const Real power = ReadNumber(form.Text(Combo1));
  form.SetCaption(Label31, std::string(RatedSpeed(power.value(), form.Value(chk4kutup), form.Value(chkKompakt))));

  const Single motorSpeed = ReadNumber(form.Caption(Label31));
  const Single screwSpeed = ReadNumber(form.Text(Text2));
  form.SetCaption(Label36, RatioText(screwSpeed, motorSpeed));

  CheckProfileLimits(form);

  // The proposal is built from the ratio as shown, not from the quotient.
  const Single screwPulley = ReadNumber(form.Text(Combo3));
  ProposeMotorPulley(form, ReadNumber(form.Caption(Label36)), screwPulley);
}

void Combo1_Click(Form1& form) { RefreshMotor(form); }
void chkKompakt_Click(Form1& form) { RefreshMotor(form); }
void chk4kutup_Click(Form1& form) { RefreshMotor(form); }

}  // namespace kasnak
