// SPDX-License-Identifier: GPL-3.0-or-later
#include "procedures/ratio.h"

namespace kasnak {

std::string RatioText(Single screwSpeed, Single motorSpeed) {
  if (!(motorSpeed > 0)) return "";
  const Single ratio = screwSpeed / motorSpeed;
  return TwoDecimalText(ratio);
}

void WriteWholeNumber(Panel& panel, Control id, Single value) {
  if (value > kLargestWholeNumber) return;
  panel.SetText(id, NumberText(IntPart(value)));
}

void ProposeMotorPulley(Panel& panel, Single ratio, Single screwPulley) {
  WriteWholeNumber(panel, Control::MotorPulley, ratio * screwPulley);
}

}  // namespace kasnak
