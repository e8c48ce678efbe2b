// SPDX-License-Identifier: GPL-3.0-or-later
#include "coupling/ratio.h"

namespace kasnak {

std::string RatioText(Single screwSpeed, Single motorSpeed) {
  if (!(motorSpeed > 0)) return "";
  const Single ratio = screwSpeed / motorSpeed;
  return TwoDecimalText(ratio);
}

void WriteWholeNumber(Form1& form, Ctl id, Single value) {
  if (value > kLargestWholeNumber) return;
  form.SetText(id, NumberText(IntPart(value)));
}

void ProposeMotorPulley(Form1& form, Single ratio, Single screwPulley) {
  WriteWholeNumber(form, Ctl::Combo2, ratio * screwPulley);
}

}  // namespace kasnak
