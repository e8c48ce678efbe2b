// SPDX-License-Identifier: GPL-3.0-or-later
// The belt profiles, one to each profile button: the button's caption and
// tool tip, and every fact of the profile that the window's procedures use.
// Plain data; nothing of the window model.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kasnak {

// The index of the profile's button.
enum class BeltProfile { PJ, PK, PL, PM };

struct Profile {
  BeltProfile id;
  std::string_view name;     // the button's caption
  std::string_view toolTip;  // the button's tool tip: the highest belt speed
  double ribPitch;           // e, mm
  double edgeAllowance;      // 2f, both edges of the pulley together, mm
  // The belt speed (m/s) the profile may run at, at most: the tool tip's.
  int highestBeltSpeed;
  // The screw speed (rpm) above which the profile may not run; 0 for none.
  int highestScrewSpeed;
  // The smallest screw pulley (mm) the profile runs on; 0 for none.
  int smallestScrewPulley;
  // The belt's mass per rib and metre (kg/m), for its tension.
  double massPerRib;
};

// clang-format off
inline constexpr std::array<Profile, 4> kProfiles = {{
    // profile          caption tool tip                         e     2f    belt speed screw speed  screw pulley  mass/rib
    {BeltProfile::PJ,   "PJ",   "En yüksek kayış hızı 60 m/sn",  2.34, 3.6,  60,        0,           0,            0.009},
    {BeltProfile::PK,   "PK",   "En yüksek kayış hızı 50 m/sn",  3.56, 5.0,  50,        8000,        0,            0.021},
    {BeltProfile::PL,   "PL",   "En yüksek kayış hızı 40 m/sn",  4.7,  6.6,  40,        6000,        0,            0.040},
    {BeltProfile::PM,   "PM",   "En yüksek kayış hızı 35 m/sn",  9.4,  12.8, 35,        4000,        180,          0.120},
}};
// clang-format on

constexpr const Profile& ProfileOf(BeltProfile p) { return kProfiles[static_cast<std::size_t>(p)]; }

// The limits a profile runs within: a screw speed (rpm) no higher than its
// highest, a screw pulley (mm) no smaller than its smallest, where it has
// one, and a belt speed (m/s) no higher than its highest.
constexpr bool ScrewSpeedTooHigh(const Profile& p, double screwSpeed) {
  return p.highestScrewSpeed > 0 && screwSpeed > p.highestScrewSpeed;
}
constexpr bool ScrewPulleyTooSmall(const Profile& p, double screwPulley) {
  return p.smallestScrewPulley > 0 && screwPulley < p.smallestScrewPulley;
}
constexpr bool BeltSpeedTooHigh(const Profile& p, double beltSpeed) { return beltSpeed > p.highestBeltSpeed; }

// The table is indexed by its profiles, and each tool tip names the
// profile's highest belt speed: the one whole number it holds.
static_assert([] {
  for (std::size_t i = 0; i < kProfiles.size(); ++i) {
    int speed = 0;
    for (char c : kProfiles[i].toolTip)
      if (c >= '0' && c <= '9') speed = speed * 10 + (c - '0');
    if (static_cast<std::size_t>(kProfiles[i].id) != i || speed != kProfiles[i].highestBeltSpeed) return false;
  }
  return true;
}());

}  // namespace kasnak
