// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/profile.h"

#include "coupling/coupling.h"
#include "drive/calculate.h"
#include "profile/pulley_width.h"

namespace kasnak {

namespace {

using enum Ctl;

// The width of a pulley carrying the ribs typed into the rib count.
void WritePulleyWidth(Form1& form, BeltProfile profile) {
  const Real ribs = ReadNumber(form.Text(Text5));
  form.SetCaption(Label38, NumberText(RoundTo(PulleyWidth(ribs, ProfileOf(profile)), 2)));
}

}  // namespace

void Option1_Click(Form1& form, int index) {
  CheckProfileLimits(form);
  // The clicked profile's width, even when the limits have just taken its
  // selection away again.
  WritePulleyWidth(form, static_cast<BeltProfile>(index));
  Command1_Click(form);
}

void Text5_Change(Form1& form) {
  if (const std::optional<BeltProfile> profile = form.SelectedProfile())
    WritePulleyWidth(form, *profile);
  else
    form.SetCaption(Label38, "");
}

}  // namespace kasnak
