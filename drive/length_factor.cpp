// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/length_factor.h"

#include "drive/interval.h"

namespace kasnak {
namespace {

using enum BeltProfile;

constexpr Interval kAnyLength = kAnyValue;

struct LengthRow {
  BeltProfile profile;
  Interval beltLength;  // mm
  float factor;         // single-precision value of the decimal shown
};

// The rows of a profile are tested from the top.
// clang-format off
constexpr LengthRow kLengthFactors[] = {
    // profile  belt length   factor
    {PJ,        Below(400),   0.0f},
    {PJ,        Below(600),   0.81f},
    {PJ,        Below(800),   0.89f},
    {PJ,        Below(900),   0.95f},
    {PJ,        kAnyLength,   1.0f},

    {PK,        Below(550),   0.0f},
    {PK,        Below(755),   0.78f},
    {PK,        Below(900),   0.84f},
    {PK,        Below(1050),  0.88f},
    {PK,        Below(1150),  0.91f},
    {PK,        Below(1300),  0.93f},
    {PK,        Below(1500),  0.96f},
    {PK,        kAnyLength,   1.0f},

    {PL,        Below(1041),  0.0f},
    {PL,        Below(1397),  0.86f},
    {PL,        Below(1650),  0.91f},
    {PL,        Below(1981),  0.96f},
    {PL,        Below(2096),  0.99f},
    {PL,        kAnyLength,   1.0f},

    {PM,        Below(2285),  0.0f},
    {PM,        Below(2695),  0.88f},
    {PM,        Below(3010),  0.91f},
    {PM,        Below(3630),  0.93f},
    {PM,        Below(4000),  0.96f},
    {PM,        kAnyLength,   1.0f},
};
// clang-format on

}  // namespace

Single LengthFactor(BeltProfile profile, Single beltLength) {
  for (const LengthRow& row : kLengthFactors)
    if (row.profile == profile && row.beltLength.Contains(beltLength)) return Single::FromFloat(row.factor);
  return Single::FromFloat(1.0f);  // not reached: every profile ends with a row for any length
}

Single ShortestRatedLength(BeltProfile profile) {
  for (const LengthRow& row : kLengthFactors)
    if (row.profile == profile && row.factor == 0.0f) return Single::FromFloat(row.beltLength.high.value);
  return Single();  // not reached: every profile starts with its too-short row
}

}  // namespace kasnak
