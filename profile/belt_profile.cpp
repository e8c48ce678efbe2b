#include "profile/belt_profile.h"

namespace kasnak {

std::optional<BeltProfile> SelectedProfile(const Form1& form) {
  for (BeltProfile profile : {BeltProfile::PJ, BeltProfile::PK, BeltProfile::PL, BeltProfile::PM})
    if (form.Option1(static_cast<int>(profile))) return profile;
  return std::nullopt;
}

}  // namespace kasnak
