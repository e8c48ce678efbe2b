// SPDX-License-Identifier: GPL-3.0-or-later
#include "procedures/belt_length.h"

#include "drive/geometry.h"
#include "drive/shown.h"

namespace kasnak {

// The centre distance at which the typed belt length fits the two pulleys.
void BeltLengthChanged(Panel& panel) {
  DriveState& d = panel.drive;
  d.diaA = ReadNumber(panel.Text(Control::MotorPulley));
  d.diaB = ReadNumber(panel.Text(Control::ScrewPulley));
  d.beltLength = ReadNumber(panel.Text(Control::BeltLength));
  d.centerDist = CenterDistance(d.beltLength, d.diaA, d.diaB, d.piValue);
  panel.SetText(Control::CenterDistance, NumberText(ShownFittingCenterDistance(d.centerDist)));
}

}  // namespace kasnak
