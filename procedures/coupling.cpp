// SPDX-License-Identifier: GPL-3.0-or-later
#include "procedures/coupling.h"

#include "drive/geometry.h"
#include "drive/shown.h"
#include "procedures/profile_limits.h"
#include "procedures/ratio.h"
#include "procedures/whole_number.h"

namespace kasnak {

namespace {

Single NumberIn(const Panel& panel, Control id) { return ReadNumber(panel.Text(id)); }

// With both pulleys known the new screw speed follows from them (and the
// screw speed handler runs inside the write); with one missing, the motor
// pulley follows from the screw pulley and the ratio as shown.
void CouplePulleys(Panel& panel) {
  const Single motorPulley = NumberIn(panel, Control::MotorPulley);
  const Single screwPulley = NumberIn(panel, Control::ScrewPulley);
  if (motorPulley > 0 && screwPulley > 0) {
    const Single screwSpeed = NumberIn(panel, Control::MotorSpeed) * motorPulley / screwPulley;
    WriteWholeNumber(panel, Control::ScrewSpeed, screwSpeed);
  } else {
    ProposeMotorPulley(panel, NumberIn(panel, Control::Ratio), screwPulley);
  }
}

// Belt speed in m/s from the screw speed and the screw pulley.
void WriteBeltSpeed(Panel& panel) {
  const Single screwPulley = NumberIn(panel, Control::ScrewPulley);
  const Single screwSpeed = NumberIn(panel, Control::ScrewSpeed);
  if (screwPulley > 0)
    panel.SetCaption(Control::BeltSpeed,
                     NumberText(ShownBeltSpeed(BeltSpeed(screwSpeed, screwPulley, panel.drive.piValue))));
  else
    panel.SetCaption(Control::BeltSpeed, "");
}

}  // namespace

void MotorPulleyPicked(Panel& panel) { CouplePulleys(panel); }

void ScrewPulleyPicked(Panel& panel) {
  CheckProfileLimits(panel);
  CouplePulleys(panel);
  WriteBeltSpeed(panel);
}

void ScrewSpeedChanged(Panel& panel) {
  const Single motorSpeed = NumberIn(panel, Control::MotorSpeed);
  const Single screwSpeed = NumberIn(panel, Control::ScrewSpeed);
  panel.SetCaption(Control::Ratio, RatioText(screwSpeed, motorSpeed));
  if (motorSpeed > 0) {
    // The motor pulley follows the exact ratio, not the two-decimal one.
    const Real motorPulley = screwSpeed / motorSpeed * ReadNumber(panel.Text(Control::ScrewPulley));
    panel.SetText(Control::MotorPulley, NumberText(ShownWhole(motorPulley)));
  } else {
    panel.SetText(Control::MotorPulley, "");
  }
  WriteBeltSpeed(panel);
}

}  // namespace kasnak
