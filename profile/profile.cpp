#include "profile/profile.h"

#include "coupling/coupling.h"
#include "drive/calculate.h"

namespace kasnak {

namespace {

using enum Ctl;

// The width of a pulley carrying the ribs typed into the rib count.
void WritePulleyWidth(Form1& form, const Profile& profile) {
  const Real ribs = ReadNumber(form.Text(Text5));
  const Real width = (ribs - 1) * profile.ribPitch + profile.edgeAllowance;
  form.SetCaption(Label38, NumberText(RoundTo(width, 2)));
}

}  // namespace

void Option1_Click(Form1& form, int index) {
  CheckProfileLimits(form);
  // The clicked profile's width, even when the limits have just taken its
  // selection away again.
  WritePulleyWidth(form, kProfiles.at(static_cast<std::size_t>(index)));
  Command1_Click(form);
}

void Text5_Change(Form1& form) {
  if (const std::optional<BeltProfile> profile = SelectedProfile(form))
    WritePulleyWidth(form, kProfiles[static_cast<std::size_t>(*profile)]);
  else
    form.SetCaption(Label38, "");
}

}  // namespace kasnak
