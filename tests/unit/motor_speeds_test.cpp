// SPDX-License-Identifier: GPL-3.0-or-later
// The motor catalogue as published: a compact motor runs at another speed
// than the standard one only at 11, 22, 55, 75 and 110 kW 2-pole and at
// 18.5, 37 and 75 kW 4-pole, and at these speeds.
#include "drive/motor_speeds.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "drive/catalogues.h"
#include "numbers/numbers.h"

namespace kasnak {
namespace {

TEST(MotorSpeedTable, CompactDiffersOnlyWherePublished) {
  struct Compact {
    double power;
    bool fourPole;
    std::string_view standard, compact;
  };
  const Compact differing[] = {
      {11, false, "2930", "2915"}, {22, false, "2940", "2930"},  {55, false, "2970", "2965"},
      {75, false, "2975", "2970"}, {110, false, "2980", "2975"}, {18.5, true, "1460", "1450"},
      {37, true, "1465", "1460"},  {75, true, "1475", "1470"},
  };
  for (std::string_view text : kMotorPowerCatalogue) {
    const double power = ReadNumber(text).value();
    for (bool fourPole : {false, true}) {
      SCOPED_TRACE(std::string(text) + (fourPole ? " kW 4-pole" : " kW 2-pole"));
      const std::string_view standard = RatedSpeed(power, fourPole, false);
      const std::string_view compact = RatedSpeed(power, fourPole, true);
      EXPECT_EQ(standard.size(), 4u);
      bool listed = false;
      for (const Compact& d : differing) {
        if (d.power != power || d.fourPole != fourPole) continue;
        listed = true;
        EXPECT_EQ(standard, d.standard);
        EXPECT_EQ(compact, d.compact);
      }
      if (!listed) {
        EXPECT_EQ(compact, standard);
      }
    }
  }
  EXPECT_EQ(RatedSpeed(100, false, false), "");
}

}  // namespace
}  // namespace kasnak
