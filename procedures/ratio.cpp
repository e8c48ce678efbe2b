// SPDX-License-Identifier: GPL-3.0-or-later
#include "procedures/ratio.h"

#include "procedures/whole_number.h"

namespace kasnak {

std::string RatioText(Single screwSpeed, Single motorSpeed) {
  if (!(motorSpeed > 0)) return "";
  const Single ratio = screwSpeed / motorSpeed;
  return TwoDecimalText(ratio);
}

void ProposeMotorPulley(Panel& panel, Single ratio, Single screwPulley) {
  WriteWholeNumber(panel, Control::MotorPulley, ratio * screwPulley);
}

}  // namespace kasnak
