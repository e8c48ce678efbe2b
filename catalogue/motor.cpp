#include "catalogue/motor.h"

#include <array>
#include <string_view>

#include "coupling/coupling.h"

namespace kasnak {

namespace {

using enum Ctl;

// Rated motor speeds (rpm), as the texts the motor speed shows.
struct MotorSpeeds {
  double power;  // kW
  std::string_view twoPole, twoPoleCompact, fourPole, fourPoleCompact;
};

// clang-format off
constexpr std::array<MotorSpeeds, 14> kMotorSpeedTable = {{
  // kW     2-pole  compact  4-pole  compact
  {7.5,    "2885", "2885",  "1430", "1430"},
  {11,     "2930", "2915",  "1455", "1455"},
  {15,     "2935", "2935",  "1460", "1460"},
  {18.5,   "2935", "2935",  "1460", "1450"},
  {22,     "2940", "2930",  "1455", "1455"},
  {30,     "2940", "2940",  "1455", "1455"},
  {37,     "2955", "2955",  "1465", "1460"},
  {45,     "2960", "2960",  "1465", "1465"},
  {55,     "2970", "2965",  "1470", "1470"},
  {75,     "2975", "2970",  "1475", "1470"},
  {90,     "2970", "2970",  "1480", "1480"},
  {110,    "2980", "2975",  "1480", "1480"},
  {132,    "2980", "2980",  "1480", "1480"},
  {160,    "2980", "2980",  "1485", "1485"},
}};
// clang-format on

// The motor speed text for a power, or empty for a power outside the table.
std::string_view RatedSpeed(Real power, bool fourPole, bool compact) {
  for (const MotorSpeeds& row : kMotorSpeedTable) {
    if (power != Real(row.power)) continue;
    if (fourPole) return compact ? row.fourPoleCompact : row.fourPole;
    return compact ? row.twoPoleCompact : row.twoPole;
  }
  return "";
}

const Real kLargestProposal = Real(32767);

}  // namespace

void RefreshMotor(Form1& form) {
  const Real power = ReadNumber(form.Text(Combo1));
  form.SetCaption(Label31, std::string(RatedSpeed(power, form.Value(chk4kutup), form.Value(chkKompakt))));

  const Single motorSpeed = ReadNumber(form.Caption(Label31));
  const Single screwSpeed = ReadNumber(form.Text(Text2));
  if (motorSpeed > 0) {
    const Single ratio = screwSpeed / motorSpeed;
    form.SetCaption(Label36, TwoDecimalText(ratio));
  } else {
    form.SetCaption(Label36, "");
  }

  CheckProfileLimits(form);

  // The proposal is built from the ratio as shown, not from the quotient.
  const Single screwPulley = ReadNumber(form.Text(Combo3));
  const Single shownRatio = ReadNumber(form.Caption(Label36));
  const Single motorPulley = shownRatio * screwPulley;
  if (motorPulley <= kLargestProposal) form.SetText(Combo2, NumberText(IntPart(motorPulley)));
}

void Combo1_Click(Form1& form) { RefreshMotor(form); }
void chkKompakt_Click(Form1& form) { RefreshMotor(form); }
void chk4kutup_Click(Form1& form) { RefreshMotor(form); }

}  // namespace kasnak
