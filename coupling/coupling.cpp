#include "coupling/coupling.h"

namespace kasnak {

namespace {

using enum Ctl;

// The largest value the pulley coupling writes; above it a text stays as it
// was.
const Real kLargestWritten = Real(32767);

Single NumberIn(const Form1& form, Ctl id) { return ReadNumber(form.Text(id)); }

// The whole-number text of a stored value: rounded down, no decimal point.
std::string WholeNumberText(Single x) { return NumberText(IntPart(x)); }

// With both pulleys known the new screw speed follows from them (and the
// screw speed handler runs inside the write); with one missing, the motor
// pulley follows from the screw pulley and the ratio as shown.
void CouplePulleys(Form1& form) {
  const Single motorPulley = NumberIn(form, Combo2);
  const Single screwPulley = NumberIn(form, Combo3);
  if (motorPulley > 0 && screwPulley > 0) {
    const Single screwSpeed = NumberIn(form, Label31) * motorPulley / screwPulley;
    if (screwSpeed > kLargestWritten) return;
    form.SetText(Text2, WholeNumberText(screwSpeed));
  } else {
    const Single ratio = NumberIn(form, Label36);
    const Single proposed = screwPulley * ratio;
    if (proposed > kLargestWritten) return;
    form.SetText(Combo2, WholeNumberText(proposed));
  }
}

// Belt speed in m/s from the screw speed and the screw pulley.
void WriteBeltSpeed(Form1& form) {
  const Single screwPulley = NumberIn(form, Combo3);
  const Single screwSpeed = NumberIn(form, Text2);
  if (screwPulley > 0) {
    const Real speed = form.drive.piValue * screwSpeed * screwPulley / 60000;
    form.SetCaption(Label40, NumberText(RoundTo(speed, 2)));
  } else {
    form.SetCaption(Label40, "");
  }
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
  if (motorSpeed > 0) {
    const Single ratio = screwSpeed / motorSpeed;
    form.SetCaption(Label36, TwoDecimalText(ratio));
    // The motor pulley follows the exact ratio, not the two-decimal one.
    const Real motorPulley = screwSpeed / motorSpeed * ReadNumber(form.Text(Combo3));
    form.SetText(Combo2, NumberText(RoundTo(motorPulley, 0)));
  } else {
    form.SetCaption(Label36, "");
    form.SetText(Combo2, "");
  }
  WriteBeltSpeed(form);
}

}  // namespace kasnak
