// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/calculate.h"

#include "drive/arc_factor.h"
#include "drive/geometry.h"
#include "drive/length_factor.h"
#include "drive/rating_table.h"

namespace kasnak {
namespace {

using enum Ctl;

const Single kPresetLengthFactor = Real(0.75);
const Single kHeavyDutyServiceFactor = Real(1.2);
const Single kNormalServiceFactor = Real(1.1);
const Single kMinimumCenterDist = Real(250);
// The rating gate opens above this screw speed (rpm) for a ratio of at least 1.
const Single kLowestRatedSpeed = Real(1450);
const Single kLowestRatedRatio = Real(1);

// Reads the inputs, fixes the centre distance, shows the wrap angle and the
// belt length; writing the belt length recomputes the centre distance from it.
void DriveGeometry(Form1& form) {
  DriveState& d = form.drive;

  d.screwSpeed = ReadNumber(form.Text(Text2));
  d.ratio = ReadNumber(form.Caption(Label36));
  d.centerDist = ReadNumber(form.Text(Text10));
  d.lengthFactor = kPresetLengthFactor;
  d.serviceFactor = form.Value(chkC2) ? kHeavyDutyServiceFactor : kNormalServiceFactor;
  d.diaA = ReadNumber(form.Text(Combo2));
  d.diaB = ReadNumber(form.Text(Combo3));

  // Centre-distance floor: the mean of the diameters, then 250 mm.
  const Single meanDiameter = (d.diaA + d.diaB) / Real(2);
  if (meanDiameter > d.centerDist) d.centerDist = meanDiameter;
  if (d.centerDist < kMinimumCenterDist) {
    d.centerDist = kMinimumCenterDist;
    form.SetText(Text10, NumberText(kMinimumCenterDist));
  } else {
    form.SetText(Text10, NumberText(RoundTo(d.centerDist, 0)));
  }

  // Wrap angle on the screw pulley.
  const Single x = (d.diaA - d.diaB) / (Real(2) * d.centerDist);
  d.wrapAngle = Real(2) * ArcCosDeg(x, d.piValue);
  form.SetCaption(Label35, NumberText(RoundTo(d.wrapAngle, 2)));

  d.arcFactor = ArcFactor(d.wrapAngle);

  d.beltLength = BeltLength(d.diaA, d.diaB, d.centerDist, d.piValue);
  SetLengthFactor(form);

  form.SetText(Text11, NumberText(RoundTo(d.beltLength, 1)));
}

// Looks up the rated power per rib, corrects it and shows the power of one
// rib and of the whole belt.
void BeltRating(Form1& form) {
  DriveState& d = form.drive;

  d.ribRating = Real(0);
  if (d.screwSpeed > kLowestRatedSpeed && d.ratio >= kLowestRatedRatio) {
    if (const std::optional<BeltProfile> profile = form.SelectedProfile()) {
      d.ribRating = RatedPowerPerRib(*profile, d.diaB, d.screwSpeed, d.ratio);
      d.ribRating = CorrectForDiameter(*profile, d.diaB, d.ribRating);
    }
  }

  const Single powerPerRib = d.arcFactor * d.ribRating * d.lengthFactor / d.serviceFactor;
  form.SetText(Text12, NumberText(RoundTo(powerPerRib, 2)));

  const Real ribCount = ReadNumber(form.Text(Text5));
  const Real beltPower = d.arcFactor * d.ribRating * d.lengthFactor / d.serviceFactor * ribCount;
  form.SetText(Text13, NumberText(RoundTo(beltPower, 2)));
}

}  // namespace

void Command1_Click(Form1& form) {
  DriveGeometry(form);
  BeltRating(form);
}

void chkC2_Click(Form1& form) { Command1_Click(form); }

void SetLengthFactor(Form1& form) {
  const std::optional<BeltProfile> profile = form.SelectedProfile();
  if (!profile) return;
  form.drive.lengthFactor = LengthFactor(*profile, form.drive.beltLength);
}

}  // namespace kasnak
