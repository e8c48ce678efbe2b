// SPDX-License-Identifier: GPL-3.0-or-later
#include "coupling/coupling.h"
#include "drive/geometry.h"

namespace kasnak {

// The centre distance at which the typed belt length fits the two pulleys.
void Text11_Change(Form1& form) {
  using enum Ctl;
  DriveState& d = form.drive;
  d.diaA = ReadNumber(form.Text(Combo2));
  d.diaB = ReadNumber(form.Text(Combo3));
  d.beltLength = ReadNumber(form.Text(Text11));
  d.centerDist = CenterDistance(d.beltLength, d.diaA, d.diaB, d.piValue);
  form.SetText(Text10, NumberText(RoundTo(d.centerDist, 1)));
}

}  // namespace kasnak
