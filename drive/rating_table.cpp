// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/rating_table.h"

#include "drive/interval.h"

namespace kasnak {
namespace {

using enum BeltProfile;

constexpr Interval kAnySpeed = kAnyValue;

// One cell of the rating table: power per rib in kW, single-precision values
// of the decimals shown.
struct RatingCell {
  BeltProfile profile;
  Interval screwPulley;   // the diameter class d, mm
  Interval screwSpeed;    // the speed band s, rpm
  float belowOneAndHalf;  // ratio below 1.5
  float oneAndHalfUp;     // ratio 1.5 or more
};

// The bands of a class are tested from the top; its last row, any speed,
// takes the speeds that fall in none of them above its first band.  A speed
// below the first band has no rating: the last row holds the power at the
// highest speeds, which a slower belt does not carry.
// clang-format off
constexpr RatingCell kRatingTable[] = {
    // profile  screw pulley d               screw speed s               i < 1.5  i ≥ 1.5
    {PJ,        Below(112),                  Above(2700) & Below(3500),   0.97f,   0.99f},
    {PJ,        Below(112),                  From(3500)  & Below(5000),   1.14f,   1.17f},
    {PJ,        Below(112),                  From(5000)  & Below(6000),   1.49f,   1.52f},
    {PJ,        Below(112),                  From(6000)  & Below(7000),   1.66f,   1.7f},
    {PJ,        Below(112),                  kAnySpeed,                   1.78f,   1.83f},

    {PJ,        From(112) & Below(125),      Above(2700) & Below(3500),   1.08f,   1.1f},
    {PJ,        From(112) & Below(125),      From(3500)  & Below(5000),   1.27f,   1.3f},
    {PJ,        From(112) & Below(125),      From(5000)  & Below(6000),   1.63f,   1.67f},
    {PJ,        From(112) & Below(125),      From(6000)  & Below(7000),   1.8f,    1.84f},
    {PJ,        From(112) & Below(125),      kAnySpeed,                   1.89f,   1.94f},

    {PJ,        From(125),                   Above(2700) & Below(3500),   1.2f,    1.22f},
    {PJ,        From(125),                   From(3500)  & Below(5000),   1.41f,   1.43f},
    {PJ,        From(125),                   From(5000)  & Below(6000),   1.77f,   1.81f},
    {PJ,        From(125),                   kAnySpeed,                   1.92f,   1.96f},

    {PK,        Below(125),                  Above(2700) & Below(3500),   2.14f,   2.26f},
    {PK,        Below(125),                  From(3500)  & Below(5000),   2.5f,    2.64f},
    {PK,        Below(125),                  From(5000)  & Below(6000),   3.14f,   3.34f},
    {PK,        Below(125),                  From(6000)  & Below(7000),   3.4f,    3.64f},
    {PK,        Below(125),                  kAnySpeed,                   3.5f,    3.79f},

    {PK,        From(125) & Below(140),      Above(2700) & Below(3500),   2.81f,   2.96f},
    {PK,        From(125) & Below(140),      From(3500)  & Below(5000),   3.25f,   3.43f},
    {PK,        From(125) & Below(140),      From(5000)  & Below(6000),   3.94f,   4.2f},
    {PK,        From(125) & Below(140),      From(6000)  & Below(7000),   4.11f,   4.41f},
    {PK,        From(125) & Below(140),      kAnySpeed,                   3.98f,   4.34f},

    {PK,        From(140),                   Above(2700) & Below(3500),   3.19f,   3.33f},
    {PK,        From(140),                   From(3500)  & Below(5000),   3.66f,   3.84f},
    {PK,        From(140),                   From(5000)  & Below(6000),   4.32f,   4.57f},
    {PK,        From(140),                   From(6000)  & Below(7000),   4.35f,   4.65f},
    {PK,        From(140),                   kAnySpeed,                   3.98f,   4.34f},

    {PL,        Below(125),                  Above(2700) & Below(3200),   2.76f,   3.01f},
    {PL,        Below(125),                  From(3200)  & Below(3800),   3.13f,   3.43f},
    {PL,        Below(125),                  From(3800)  & Below(4600),   3.43f,   3.8f},
    {PL,        Below(125),                  From(4600)  & Below(6000),   3.53f,   3.97f},
    {PL,        Below(125),                  kAnySpeed,                   0.0f,    0.0f},

    {PL,        From(125) & Below(140),      Above(2700) & Below(3200),   3.23f,   3.47f},
    {PL,        From(125) & Below(140),      From(3200)  & Below(3800),   3.63f,   3.93f},
    {PL,        From(125) & Below(140),      From(3800)  & Below(4600),   3.85f,   4.19f},
    {PL,        From(125) & Below(140),      From(4600)  & Below(6000),   3.95f,   4.5f},
    {PL,        From(125) & Below(140),      kAnySpeed,                   0.0f,    0.0f},

    {PL,        From(140) & Below(170),      Above(2700) & Below(3200),   3.73f,   3.97f},
    {PL,        From(140) & Below(170),      From(3200)  & Below(3800),   4.16f,   4.46f},
    {PL,        From(140) & Below(170),      From(3800)  & Below(4600),   4.37f,   4.71f},
    {PL,        From(140) & Below(170),      From(4600)  & Below(5000),   4.45f,   4.82f},
    {PL,        From(140) & Below(170),      Above(5500),                 0.0f,    0.0f},
    {PL,        From(140) & Below(170),      kAnySpeed,                   4.16f,   4.66f},

    {PL,        From(170),                   Above(2700) & Below(3200),   4.64f,   4.88f},
    {PL,        From(170),                   From(3200)  & Below(3800),   5.05f,   5.35f},
    {PL,        From(170),                   From(3800)  & Below(4300),   5.15f,   5.49f},
    {PL,        From(170),                   Above(4600),                 0.0f,    0.0f},
    {PL,        From(170),                   kAnySpeed,                   4.99f,   5.38f},

    {PM,        Below(224),                  Above(1450) & Below(2000),   5.62f,   6.38f},
    {PM,        Below(224),                  From(2000)  & Below(2400),   6.34f,   7.29f},
    {PM,        Below(224),                  From(2400)  & Below(3400),   6.67f,   8.19f},
    {PM,        Below(224),                  From(3400)  & Below(3800),   6.04f,   7.75f},
    {PM,        Below(224),                  From(3800)  & Below(4000),   4.98f,   6.88f},
    {PM,        Below(224),                  kAnySpeed,                   0.0f,    0.0f},

    {PM,        From(224),                   Above(1450) & Below(2000),  10.19f,  11.15f},
    {PM,        From(224),                   From(2000)  & Below(2400),  11.43f,  12.62f},
    {PM,        From(224),                   From(2400)  & Below(3400),  11.9f,   13.6f},
    {PM,        From(224),                   From(3400)  & Below(3600),  11.09f,  12.99f},
    {PM,        From(224),                   kAnySpeed,                   0.0f,    0.0f},
};
// clang-format on

// A multiplier of the rated power for an intermediate screw pulley diameter
// (double precision); PJ and PK have none.
struct DiameterCorrection {
  BeltProfile profile;
  Interval screwPulley;  // the diameter class
  Interval when;         // the condition on d within the class
  double multiplier;
};

// Applied in the order of the rows; all that hold apply, one after another.
// clang-format off
constexpr DiameterCorrection kDiameterCorrections[] = {
    // profile  class                        condition on d              multiplier
    {PL,        Below(125),                  Below(106),                 0.75},
    {PL,        Below(125),                  From(106) & Below(112),     0.935},
    {PL,        Below(125),                  Above(112),                 1.07},
    {PL,        From(125) & Below(140),      Above(125),                 1.06},
    {PL,        From(140) & Below(170),      Above(140),                 1.05},
    {PL,        From(140) & Below(170),      Above(150),                 1.05},
    {PL,        From(170),                   From(180),                  1.04},
    {PL,        From(170),                   From(190),                  1.04},
    {PL,        From(170),                   From(200),                  1.04},
    {PM,        Below(224),                  From(190),                  1.1},
    {PM,        Below(224),                  From(200),                  1.1},
    {PM,        From(224),                   Above(224),                 1.1},
};
// clang-format on

// The first row of the profile's diameter class that holds the screw pulley:
// its lowest speed band.
const RatingCell& FirstBand(BeltProfile profile, Single screwPulley) {
  for (const RatingCell& cell : kRatingTable)
    if (cell.profile == profile && cell.screwPulley.Contains(screwPulley)) return cell;
  return kRatingTable[0];  // not reached: the classes of a profile cover every diameter
}

}  // namespace

const Single kLowestRatedSpeed = Real(1450);
const Single kLowestRatedRatio = Real(1);

bool FastEnoughToRate(Single screwSpeed) { return screwSpeed > kLowestRatedSpeed; }
bool RatioEnoughToRate(Single ratio) { return ratio >= kLowestRatedRatio; }
bool RatingGateOpen(Single screwSpeed, Single ratio) {
  return FastEnoughToRate(screwSpeed) && RatioEnoughToRate(ratio);
}

bool BelowRatedSpeeds(BeltProfile profile, Single screwPulley, Single screwSpeed) {
  return !FirstBand(profile, screwPulley).screwSpeed.ReachedBy(screwSpeed);
}

Single RatedPowerPerRib(BeltProfile profile, Single screwPulley, Single screwSpeed, Single ratio) {
  if (BelowRatedSpeeds(profile, screwPulley, screwSpeed)) return Single();
  const bool oneAndHalfUp = ratio >= Real(1.5);
  for (const RatingCell& cell : kRatingTable) {
    if (cell.profile == profile && cell.screwPulley.Contains(screwPulley) && cell.screwSpeed.Contains(screwSpeed))
      return Single::FromFloat(oneAndHalfUp ? cell.oneAndHalfUp : cell.belowOneAndHalf);
  }
  return Single();  // not reached: every class ends with a row for any speed
}

Single LowestRatedScrewSpeed(BeltProfile profile, Single screwPulley) {
  return Single::FromFloat(FirstBand(profile, screwPulley).screwSpeed.low.value);
}

Single CorrectForDiameter(BeltProfile profile, Single screwPulley, Single rating) {
  for (const DiameterCorrection& correction : kDiameterCorrections) {
    if (correction.profile == profile && correction.screwPulley.Contains(screwPulley) &&
        correction.when.Contains(screwPulley))
      rating = rating * Real(correction.multiplier);
  }
  return rating;
}

}  // namespace kasnak
