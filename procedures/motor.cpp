// SPDX-License-Identifier: GPL-3.0-or-later
#include "procedures/coupling.h"

#include <string>

#include "drive/motor_speeds.h"
#include "procedures/profile_limits.h"
#include "procedures/ratio.h"

namespace kasnak {
namespace {

// Shows the rated speed of the chosen motor, the ratio it gives with the
// screw speed, applies the profile limits and proposes a motor pulley.
void RefreshMotor(Panel& panel) {
  const Real power = ReadNumber(panel.Text(Control::MotorPower));
  panel.SetCaption(Control::MotorSpeed, std::string(RatedSpeed(power.value(), panel.Value(Control::FourPole),
                                                               panel.Value(Control::CompactMotor))));

  const Single motorSpeed = ReadNumber(panel.Caption(Control::MotorSpeed));
  const Single screwSpeed = ReadNumber(panel.Text(Control::ScrewSpeed));
  panel.SetCaption(Control::Ratio, RatioText(screwSpeed, motorSpeed));

  CheckProfileLimits(panel);

  // The proposal is built from the ratio as shown, not from the quotient.
  const Single screwPulley = ReadNumber(panel.Text(Control::ScrewPulley));
  ProposeMotorPulley(panel, ReadNumber(panel.Caption(Control::Ratio)), screwPulley);
}

}  // namespace

void MotorPowerPicked(Panel& panel) { RefreshMotor(panel); }
void CompactMotorClicked(Panel& panel) { RefreshMotor(panel); }
void FourPoleClicked(Panel& panel) { RefreshMotor(panel); }

}  // namespace kasnak
