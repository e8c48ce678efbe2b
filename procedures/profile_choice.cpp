// SPDX-License-Identifier: GPL-3.0-or-later
#include "procedures/profile_choice.h"

#include "drive/pulley_width.h"
#include "drive/shown.h"
#include "procedures/calculate.h"
#include "procedures/profile_limits.h"

namespace kasnak {

namespace {

// The width of a pulley carrying the ribs typed into the rib count.
void WritePulleyWidth(Panel& panel, BeltProfile profile) {
  const Real ribs = ReadNumber(panel.Text(Control::RibCount));
  panel.SetCaption(Control::PulleyWidth, NumberText(ShownPulleyWidth(PulleyWidth(ribs, ProfileOf(profile)))));
}

}  // namespace

void ProfileClicked(Panel& panel, int index) {
  CheckProfileLimits(panel);
  // The clicked profile's width, even when the limits have just taken its
  // selection away again.
  WritePulleyWidth(panel, static_cast<BeltProfile>(index));
  Calculate(panel);
}

void RibCountChanged(Panel& panel) {
  if (const std::optional<BeltProfile> profile = panel.SelectedProfile())
    WritePulleyWidth(panel, *profile);
  else
    panel.SetCaption(Control::PulleyWidth, "");
}

}  // namespace kasnak
