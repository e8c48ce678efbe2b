// SPDX-License-Identifier: GPL-3.0-or-later
#include "procedures/profile_limits.h"

namespace kasnak {

void CheckProfileLimits(Panel& panel) {
  const Single screwSpeed = ReadNumber(panel.Text(Control::ScrewSpeed));
  for (const Profile& profile : kProfiles)
    if (ScrewSpeedTooHigh(profile, screwSpeed.value())) panel.DeselectProfile(profile.id);

  const Single screwPulley = ReadNumber(panel.Text(Control::ScrewPulley));
  for (const Profile& profile : kProfiles)
    if (panel.ProfileSelected(profile.id) && ScrewPulleyTooSmall(profile, screwPulley.value()))
      panel.SetText(Control::ScrewPulley, NumberText(Real(profile.smallestScrewPulley)));
}

}  // namespace kasnak
