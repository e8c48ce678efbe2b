// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/pulley_width.h"

namespace kasnak {

Real PulleyWidth(Real ribs, const Profile& profile) { return (ribs - 1) * profile.ribPitch + profile.edgeAllowance; }

}  // namespace kasnak
