// SPDX-License-Identifier: GPL-3.0-or-later
#include "coupling/coupling.h"

#include "coupling/ratio.h"
#include "drive/geometry.h"

namespace kasnak {

namespace {

using enum Ctl;

Single NumberIn(const Form1& form, Ctl id) { return ReadNumber(form.Text(id)); }

// With both pulleys known the new screw speed follows from them (and the
// screw speed handler runs inside the write); with one missing, the motor
// pulley follows from the screw pulley and the ratio as shown.
void CouplePulleys(Form1& form) {
  const Single motorPulley = NumberIn(form, Combo2);
  const Single screwPulley = NumberIn(form, Combo3);
  if (motorPulley > 0 && screwPulley > 0) {
    const Single screwSpeed = NumberIn(form, Label31) * motorPulley / screwPulley;
    WriteWholeNumber(form, Text2, screwSpeed);
  } else {
    ProposeMotorPulley(form, NumberIn(form, Label36), screwPulley);
  }
}

// Belt speed in m/s from the screw speed and the screw pulley.
void WriteBeltSpeed(Form1& form) {
  const Single screwPulley = NumberIn(form, Combo3);
  const Single screwSpeed = NumberIn(form, Text2);
  if (screwPulley > 0)
    form.SetCaption(Label40, NumberText(RoundTo(BeltSpeed(screwSpeed, screwPulley, form.drive.piValue), 2)));
  else
    form.SetCaption(Label40, "");
}

}  // namespace

void Combo2_Click(Form1& form) { CouplePulleys(form); }

void Combo3_Click(Form1& form) {
  CheckProfileLimits(form);
  CouplePulleys(form);
  WriteBeltSpeed(form);
}

void Text2_Change(Form1& form) {
  const Single motorSpeed = NumberIn(form, Label31);
  const Single screwSpeed = NumberIn(form, Text2);
  form.SetCaption(Label36, RatioText(screwSpeed, motorSpeed));
  if (motorSpeed > 0) {
    // The motor pulley follows the exact ratio, not the two-decimal one.
    const Real motorPulley = screwSpeed / motorSpeed * ReadNumber(form.Text(Combo3));
    form.SetText(Combo2, NumberText(RoundTo(motorPulley, 0)));
  } else {
    form.SetText(Combo2, "");
  }
  WriteBeltSpeed(form);
}

}  // namespace kasnak
