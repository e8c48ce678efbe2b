// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs that the fuzz targets (tools/fuzz-run) found breaking a rule, each kept
// as a case of the rule it broke.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "numbers/numbers.h"

namespace kasnak {
namespace {

// A text the program writes must read back, as the same text.
TEST(FuzzRegression, WhatNumberTextWritesReadsBack) {
  constexpr double kMax = std::numeric_limits<double>::max();
  const double doubles[] = {
      // Written as '1.79769313486232E+308', beyond the range: read as an
      // overflow.
      kMax,
      -kMax,
      std::nextafter(kMax, 0.0),
      // Written as '1.79769313486231E+308'.
      1.797693134862315e308,
      1.79769313486231e308,
      std::numeric_limits<double>::denorm_min(),
      -std::numeric_limits<double>::min(),
  };
  for (double x : doubles) {
    const std::string text = NumberText(Real(x));
    try {
      EXPECT_EQ(NumberText(ReadNumber(text)), text) << x;
    } catch (const ArithmeticFault& fault) {
      ADD_FAILURE() << "'" << text << "' written for " << x << " reads as " << fault.what();
    }
  }

  constexpr float kMaxSingle = std::numeric_limits<float>::max();
  const float singles[] = {kMaxSingle, -kMaxSingle, std::numeric_limits<float>::denorm_min()};
  for (float x : singles) {
    const std::string text = NumberText(Single::FromFloat(x));
    try {
      EXPECT_EQ(NumberText(Single(ReadNumber(text))), text) << x;
    } catch (const ArithmeticFault& fault) {
      ADD_FAILURE() << "'" << text << "' written for " << x << " reads as " << fault.what();
    }
  }
}

}  // namespace
}  // namespace kasnak
