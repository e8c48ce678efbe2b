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

// A text the program writes must read back, as the same text: `x` written as
// a Number (Real or Single), read, and stored as one again.
template <typename Number, typename T>
void ExpectReadsBack(T x, Number written) {
  const std::string text = NumberText(written);
  try {
    EXPECT_EQ(NumberText(Number(ReadNumber(text))), text) << x;
  } catch (const ArithmeticFault& fault) {
    ADD_FAILURE() << "'" << text << "' written for " << x << " reads as " << fault.what();
  }
}

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
  for (double x : doubles) ExpectReadsBack(x, Real(x));
  constexpr float kMaxSingle = std::numeric_limits<float>::max();
  for (float x : {kMaxSingle, -kMaxSingle, std::numeric_limits<float>::denorm_min()})
    ExpectReadsBack(x, Single::FromFloat(x));
}

}  // namespace
}  // namespace kasnak
