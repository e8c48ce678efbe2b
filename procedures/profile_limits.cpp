// SPDX-License-Identifier: GPL-3.0-or-later
#include "procedures/profile_limits.h"

namespace kasnak {

void CheckProfileLimits(Panel& panel) {
  const Single screwSpeed = ReadNumber(panel.Text(Control::ScrewSpeed));
  for (const Profile& profile : kProfiles)
    if (profile.highestScrewSpeed > 0 && screwSpeed > Real(profile.highestScrewSpeed))
      panel.DeselectProfile(profile.id);

  const Single screwPulley = ReadNumber(panel.Text(Control::ScrewPulley));
  for (const Profile& profile : kProfiles) {
    const Single smallest = Real(profile.smallestScrewPulley);
    if (profile.smallestScrewPulley > 0 && panel.ProfileSelected(profile.id) && screwPulley < smallest)
      panel.SetText(Control::ScrewPulley, NumberText(smallest));
  }
}

}  // namespace kasnak
