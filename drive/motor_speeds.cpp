// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/motor_speeds.h"

#include <array>

#include "drive/catalogues.h"

namespace kasnak {

namespace {

struct MotorSpeeds {
  double power;  // kW
  std::string_view twoPole, twoPoleCompact, fourPole, fourPoleCompact;
};

// clang-format off
constexpr std::array<MotorSpeeds, kMotorPowerCatalogue.size()> kMotorSpeedTable = {{
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

}  // namespace

std::string_view RatedSpeed(double power, bool fourPole, bool compact) {
  for (const MotorSpeeds& row : kMotorSpeedTable) {
    if (power != row.power) continue;
    if (fourPole) return compact ? row.fourPoleCompact : row.fourPole;
    return compact ? row.twoPoleCompact : row.twoPole;
  }
  return "";
}

}  // namespace kasnak
