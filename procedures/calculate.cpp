// SPDX-License-Identifier: GPL-3.0-or-later
#include "procedures/calculate.h"

#include "drive/arc_factor.h"
#include "drive/geometry.h"
#include "drive/length_factor.h"
#include "drive/rating_table.h"
#include "drive/shown.h"

namespace kasnak {

namespace {

const Single kPresetLengthFactor = Real(0.75);
const Single kHeavyDutyServiceFactor = Real(1.2);
const Single kNormalServiceFactor = Real(1.1);

// Sets lengthFactor from beltLength and the selected profile.
void SetLengthFactor(Panel& panel) {
  const std::optional<BeltProfile> profile = panel.SelectedProfile();
  if (!profile) return;
  panel.drive.lengthFactor = LengthFactor(*profile, panel.drive.beltLength);
}

// Reads the inputs, fixes the centre distance, shows the wrap angle and the
// belt length; writing the belt length recomputes the centre distance from it.
void DriveGeometry(Panel& panel) {
  DriveState& d = panel.drive;

  d.screwSpeed = ReadNumber(panel.Text(Control::ScrewSpeed));
  d.ratio = ReadNumber(panel.Caption(Control::Ratio));
  d.centerDist = ReadNumber(panel.Text(Control::CenterDistance));
  d.lengthFactor = kPresetLengthFactor;
  d.serviceFactor = panel.Value(Control::HeavyDuty) ? kHeavyDutyServiceFactor : kNormalServiceFactor;
  d.diaA = ReadNumber(panel.Text(Control::MotorPulley));
  d.diaB = ReadNumber(panel.Text(Control::ScrewPulley));

  d.centerDist = FixedCenterDistance(d.centerDist, d.diaA, d.diaB);
  panel.SetText(Control::CenterDistance, NumberText(ShownFixedCenterDistance(d.centerDist)));

  // Wrap angle on the screw pulley.
  const Single x = (d.diaA - d.diaB) / (Real(2) * d.centerDist);
  d.wrapAngle = Real(2) * ArcCosDeg(x, d.piValue);
  panel.SetCaption(Control::WrapAngle, NumberText(ShownWrapAngle(d.wrapAngle)));

  d.arcFactor = ArcFactor(d.wrapAngle);

  d.beltLength = BeltLength(d.diaA, d.diaB, d.centerDist, d.piValue);
  SetLengthFactor(panel);

  panel.SetText(Control::BeltLength, NumberText(ShownBeltLength(d.beltLength)));
}

// Looks up the rated power per rib, corrects it and shows the power of one
// rib and of the whole belt.
void BeltRating(Panel& panel) {
  DriveState& d = panel.drive;

  d.ribRating = Real(0);
  if (RatingGateOpen(d.screwSpeed, d.ratio)) {
    if (const std::optional<BeltProfile> profile = panel.SelectedProfile()) {
      d.ribRating = RatedPowerPerRib(*profile, d.diaB, d.screwSpeed, d.ratio);
      d.ribRating = CorrectForDiameter(*profile, d.diaB, d.ribRating);
    }
  }

  const Single powerPerRib = d.arcFactor * d.ribRating * d.lengthFactor / d.serviceFactor;
  panel.SetText(Control::RibPower, NumberText(ShownPower(powerPerRib)));

  const Real ribCount = ReadNumber(panel.Text(Control::RibCount));
  const Real beltPower = BeltPower(d, ribCount);
  panel.SetText(Control::BeltPower, NumberText(ShownPower(beltPower)));
}

}  // namespace

void Calculate(Panel& panel) {
  DriveGeometry(panel);
  BeltRating(panel);
}

void HeavyDutyClicked(Panel& panel) { Calculate(panel); }

const Panel* CalculatedCopy::Get() const {
  if (!copy_) {
    copy_.emplace();
    try {
      Panel copy = panel_;
      Calculate(copy);
      copy_->emplace(std::move(copy));
    } catch (const ArithmeticFault& fault) {
      fault_ = fault.kind();
    }
  }
  return *copy_ ? &**copy_ : nullptr;
}

Real BeltPower(const DriveState& d, Real ribCount) {
  return d.arcFactor * d.ribRating * d.lengthFactor / d.serviceFactor * ribCount;
}

}  // namespace kasnak
