// The belt profiles and the pulley width.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "panel/form.h"
#include "profile/belt_profile.h"

namespace kasnak {

struct Profile {
  std::string_view name;
  double ribPitch;       // e, mm
  double edgeAllowance;  // 2f, both edges together, mm
};

// By the index of its option button.
inline constexpr std::array<Profile, 4> kProfiles = {{
    {"PJ", 2.34, 3.6},
    {"PK", 3.56, 5.0},
    {"PL", 4.7, 6.6},
    {"PM", 9.4, 12.8},
}};

// A profile button became selected.
void Option1_Click(Form1& form, int index);
// The rib count text changed.
void Text5_Change(Form1& form);

}  // namespace kasnak
