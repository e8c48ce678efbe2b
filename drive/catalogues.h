// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed catalogues of the window: motor powers and pulley diameters, as
// the texts the lists show.
#pragma once

#include <array>
#include <string_view>

namespace kasnak {

inline constexpr std::array<std::string_view, 14> kMotorPowerCatalogue = {
    "7.5", "11", "15", "18.5", "22", "30", "37", "45", "55", "75", "90", "110", "132", "160"};

inline constexpr std::array<std::string_view, 27> kPulleyDiameterCatalogue = {
    "100", "112", "118", "125", "132", "140", "150", "160", "170", "180", "190", "200", "212", "224",
    "236", "250", "265", "280", "300", "315", "335", "355", "375", "400", "425", "450", "500"};

}  // namespace kasnak
