// SPDX-License-Identifier: GPL-3.0-or-later
#include "coupling/coupling.h"

namespace kasnak {

void CheckProfileLimits(Form1& form) {
  using enum Ctl;
  const Single screwSpeed = ReadNumber(form.Text(Text2));
  for (const Profile& profile : kProfiles)
    if (profile.highestScrewSpeed > 0 && screwSpeed > Real(profile.highestScrewSpeed)) form.DeselectOption1(profile.id);

  const Single screwPulley = ReadNumber(form.Text(Combo3));
  for (const Profile& profile : kProfiles) {
    const Single smallest = Real(profile.smallestScrewPulley);
    if (profile.smallestScrewPulley > 0 && form.Option1(profile.id) && screwPulley < smallest)
      form.SetText(Combo3, NumberText(smallest));
  }
}

}  // namespace kasnak
