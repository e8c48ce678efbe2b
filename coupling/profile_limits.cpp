#include "coupling/coupling.h"

namespace kasnak {

namespace {

// Screw speeds (rpm) above which a profile may not run.
struct SpeedLimit {
  int profile;
  int limit;
};
constexpr SpeedLimit kSpeedLimits[] = {
    {3, 4000},  // PM
    {2, 6000},  // PL
    {1, 8000},  // PK
};

constexpr int kPM = 3;
constexpr int kSmallestPMPulley = 180;

}  // namespace

void CheckProfileLimits(Form1& form) {
  using enum Ctl;
  const Single screwSpeed = ReadNumber(form.Text(Text2));
  for (const SpeedLimit& s : kSpeedLimits)
    if (screwSpeed > Real(s.limit)) form.DeselectOption1(s.profile);

  const Single screwPulley = ReadNumber(form.Text(Combo3));
  if (form.Option1(kPM) && screwPulley < Real(kSmallestPMPulley)) form.SetText(Combo3, "180");
}

}  // namespace kasnak
