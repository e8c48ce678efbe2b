// SPDX-License-Identifier: GPL-3.0-or-later
// A drive put into a started window as a designer leaves it before
// "Hesapla": shared by the unit tests and the benchmarks (tools/bench.cpp), so
// that both work on drives entered the same way.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "drive/profiles.h"
#include "model/panel.h"
#include "procedures/startup.h"

namespace kasnak {

// Every profile button deselected.
inline constexpr std::optional<BeltProfile> kNoProfile;

// What the input controls of one drive hold.  A box given no text keeps
// what the window shows in it.
struct DriveInputs {
  std::string screwSpeed;                      // ScrewSpeed
  std::string ratio;                           // Ratio
  std::optional<std::string> centerDist;       // CenterDistance
  bool heavyDuty = false;                      // HeavyDuty
  std::string motorPulley;                     // MotorPulley
  std::string screwPulley;                     // ScrewPulley
  std::optional<BeltProfile> profile;          // the selected profile button, or kNoProfile
  std::string ribs;                            // RibCount
  std::optional<std::string> beltLength = {};  // BeltLength
};

// Puts the drive into a started window.  The profile and heavy duty go first
// (their clicks calculate), then the screw speed and the belt length (their
// change procedures rewrite the ratio, the motor pulley and the centre
// distance), then the rest.
inline void EnterDrive(Panel& panel, const DriveInputs& drive) {
  if (drive.profile) {
    panel.UserClick(ProfileButton(*drive.profile));
  } else {
    for (const Profile& p : kProfiles) panel.DeselectProfile(p.id);
  }
  if (panel.Value(Control::HeavyDuty) != drive.heavyDuty) panel.UserClick(Control::HeavyDuty);
  panel.UserEdit(Control::ScrewSpeed, drive.screwSpeed);
  if (drive.beltLength) panel.UserEdit(Control::BeltLength, *drive.beltLength);
  panel.SetCaption(Control::Ratio, drive.ratio);
  if (drive.centerDist) panel.SetText(Control::CenterDistance, *drive.centerDist);
  panel.SetText(Control::MotorPulley, drive.motorPulley);
  panel.SetText(Control::ScrewPulley, drive.screwPulley);
  panel.UserEdit(Control::RibCount, drive.ribs);
}

// A started window holding the drive.
inline std::unique_ptr<Panel> StartedWith(const DriveInputs& drive) {
  std::unique_ptr<Panel> panel = StartUp();
  EnterDrive(*panel, drive);
  return panel;
}

}  // namespace kasnak
