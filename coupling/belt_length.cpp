#include "coupling/coupling.h"

namespace kasnak {

using enum Ctl;

// The centre distance C at which the belt length L fits the pulleys D1, D2:
// the larger root of 2C² − B·C + (D1 − D2)² / 4 = 0 with B = L − (D1 + D2) / 2 × pi.
void Text11_Change(Form1& form) {
  DriveState& d = form.drive;

  d.diaA = ReadNumber(form.Text(Combo2));
  d.diaB = ReadNumber(form.Text(Combo3));
  d.beltLength = ReadNumber(form.Text(Text11));

  const Real b = d.beltLength - (d.diaB + d.diaA) / Real(2) * d.piValue;
  const Real difference = d.diaA - d.diaB;
  const Real q = b * b - Real(2) * (difference * difference);
  const Real r = Sqrt(q);  // a negative q has no centre distance: invalid argument
  d.centerDist = Real(0.25) * r + Real(0.25) * b;

  form.SetText(Text10, NumberText(RoundTo(d.centerDist, 1)));
}

}  // namespace kasnak
