// SPDX-License-Identifier: GPL-3.0-or-later
// The drive's tables and geometry as plain functions of numbers: the angle of
// a cosine, the centre distance and the belt length, the arc and length
// factors, the rating table with its diameter correction, the stock belts
// and the fitting figures.
#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "drive/arc_factor.h"
#include "drive/geometry.h"
#include "drive/length_factor.h"
#include "drive/rating_table.h"
#include "drive/stock_lengths.h"
#include "drive/tension.h"
#include "numbers/numbers.h"

namespace kasnak {
namespace {

using enum BeltProfile;

const Single kPi = Single::FromFloat(3.1415927f);

// A figure as the window shows it: to one decimal (a length) or two (an
// angle).  Compared as shown, a figure one step of the last decimal off fails.
std::string Shown(Single x, int decimals) { return NumberText(RoundTo(x, decimals)); }

TEST(ArcCosDeg, GivesTheAngleOfACosine) {
  EXPECT_EQ(ArcCosDeg(Single(Real(0)), kPi).value(), 90.0f);
  const std::pair<double, const char*> cases[] = {
      {0.5, "60"}, {-0.5, "120"}, {0.8660254, "30"}, {-0.9848078, "170"}, {0.1, "84.26"}};
  for (const auto& [x, degrees] : cases) EXPECT_EQ(Shown(ArcCosDeg(Single(Real(x)), kPi), 2), degrees) << x;
  // The sine is 0 at ±1: a division by zero.
  for (double x : {1.0, -1.0}) EXPECT_THROW(ArcCosDeg(Single(Real(x)), kPi), ArithmeticFault) << x;
}

// A belt length turned into a centre distance and back shows the length
// again; and the centre distance for the published 1500 mm belt on 250 and
// 180 mm pulleys shows 410.8 mm.
TEST(Geometry, CentreDistanceAndBeltLengthAreInverse) {
  EXPECT_EQ(Shown(CenterDistance(Single(Real(1500)), Single(Real(250)), Single(Real(180)), kPi), 1), "410.8");
  for (double diaA : {100.0, 180.0, 500.0})
    for (double diaB : {100.0, 250.0, 450.0})
      for (double centerDist : {250.0, 412.37, 1000.0, 3000.0}) {
        const Single a = Real(diaA), b = Real(diaB);
        const Single length = BeltLength(a, b, Real(centerDist), kPi);
        const Single back = CenterDistance(length, a, b, kPi);
        EXPECT_EQ(Shown(back, 1), Shown(Real(centerDist), 1)) << diaA << " " << diaB << " " << centerDist;
        EXPECT_EQ(Shown(BeltLength(a, b, back, kPi), 1), Shown(length, 1));
      }
}

TEST(ArcFactor, FollowsItsBandsWithTheirLimits) {
  const std::pair<float, double> cases[] = {
      {180.0f, 1.0},          {170.0f, 0.975}, {160.0f, 0.95}, {142.0f, 0.9}, {127.0f, 0.85}, {113.0f, 0.78},
      {113.5f, 0.7921428571}, {106.5f, 0.78},  {106.0f, 0.75}, {90.0f, 0.75}, {180.5f, 0.78}, {200.0f, 0.78},
  };
  for (const auto& [angle, factor] : cases)
    EXPECT_EQ(ArcFactor(Single::FromFloat(angle)).value(), static_cast<float>(factor)) << angle;
}

TEST(LengthFactor, ALengthOnALimitTakesTheNextRow) {
  struct Case {
    BeltProfile profile;
    float length;
    float factor;
  };
  const Case cases[] = {
      {PJ, 399.9f, 0.0f},   {PJ, 400, 0.81f},     {PJ, 899.9f, 0.95f},  {PJ, 900, 1.0f},  {PK, 549.9f, 0.0f},
      {PK, 550, 0.78f},     {PK, 755, 0.84f},     {PK, 1499.9f, 0.96f}, {PK, 1500, 1.0f}, {PL, 1040, 0.0f},
      {PL, 1041, 0.86f},    {PL, 1291.5f, 0.86f}, {PL, 2095.9f, 0.99f}, {PL, 2096, 1.0f}, {PM, 2284.9f, 0.0f},
      {PM, 3629.9f, 0.93f}, {PM, 3999.9f, 0.96f}, {PM, 4000, 1.0f},
  };
  for (const Case& c : cases)
    EXPECT_EQ(LengthFactor(c.profile, Single::FromFloat(c.length)).value(), c.factor)
        << static_cast<int>(c.profile) << " " << c.length;
}

// A rating after each multiplier, rounded to single precision at every step.
float Corrected(float rating, std::initializer_list<double> multipliers) {
  for (double m : multipliers) rating = static_cast<float>(rating * m);
  return rating;
}

TEST(RatingTable, GivesTheCellOfTheFirstBandThatHoldsTheSpeed) {
  struct Case {
    BeltProfile profile;
    float screwPulley;
    float screwSpeed;
    float ratio;
    float rating;  // after the diameter corrections
  };
  const Case cases[] = {
      {PJ, 100, 2700, 1.2f, 0.0f},  // below the first band: no rating
      {PJ, 100, 2701, 1.2f, 0.97f},
      {PJ, 100, 3500, 1.2f, 1.14f},
      {PJ, 100, 7000, 1.2f, 1.78f},  // a speed in no band above the first takes the last column
      {PJ, 100, 2701, 1.5f, 0.99f},  // ratio 1.5 takes the second value
      {PJ, 100, 2701, 1.49f, 0.97f},
      {PJ, 100, 5000, 1.2f, 1.49f},
      {PJ, 112, 6999, 1.2f, 1.8f},
      {PJ, 125, 6500, 1.2f, 1.92f},  // this class has no band from 6000 to 7000
      {PK, 124.9f, 5000, 1.5f, 3.34f},
      {PK, 140, 6500, 1.2f, 4.35f},
      {PK, 130, 7500, 1.2f, 3.98f},  // from 7000 the last column, in each ratio
      {PK, 130, 7500, 1.5f, 4.34f},
      {PK, 140, 7000, 1.2f, 3.98f},
      {PL, 118, 4000, 1.2f, Corrected(3.43f, {1.07})},
      {PL, 112, 4000, 1.2f, 3.43f},  // no correction at 112
      {PL, 106, 4000, 1.2f, Corrected(3.43f, {0.935})},
      {PL, 105, 4000, 1.2f, Corrected(3.43f, {0.75})},
      {PL, 118, 2700, 1.2f, 0.0f},
      {PL, 125, 4600, 1.5f, 4.5f},
      {PL, 160, 5200, 1.2f, Corrected(4.16f, {1.05, 1.05})},
      {PL, 150, 5200, 1.2f, Corrected(4.16f, {1.05})},
      {PL, 160, 5500, 1.2f, Corrected(4.16f, {1.05, 1.05})},
      {PL, 160, 5600, 1.2f, 0.0f},
      {PL, 169.5f, 3500, 1.5f, Corrected(4.46f, {1.05, 1.05})},
      {PL, 200, 4600, 1.2f, Corrected(4.99f, {1.04, 1.04, 1.04})},
      {PL, 200, 4601, 1.2f, 0.0f},
      {PL, 170, 4300, 1.2f, 4.99f},
      {PL, 190, 4000, 1.5f, Corrected(5.49f, {1.04, 1.04})},
      {PM, 212, 3000, 1.2f, Corrected(6.67f, {1.1, 1.1})},
      {PM, 180, 1451, 1.5f, 6.38f},
      {PM, 190, 3999, 1.2f, Corrected(4.98f, {1.1})},
      {PM, 224, 3000, 1.2f, 11.9f},
      {PM, 250, 3000, 1.5f, Corrected(13.6f, {1.1})},
      {PM, 250, 3600, 1.2f, 0.0f},
      {PM, 224, 3500, 1.5f, 12.99f},
      {PM, 236, 3599, 1.5f, Corrected(12.99f, {1.1})},
  };
  for (const Case& c : cases) {
    const Single d = Single::FromFloat(c.screwPulley);
    const Single rated = RatedPowerPerRib(c.profile, d, Single::FromFloat(c.screwSpeed), Single::FromFloat(c.ratio));
    EXPECT_EQ(CorrectForDiameter(c.profile, d, rated).value(), c.rating)
        << static_cast<int>(c.profile) << " d " << c.screwPulley << " s " << c.screwSpeed << " i " << c.ratio;
  }
}

// The fitting method's own worked example: a drive of 8 belts, P·c2 171.6
// kW, c1 1.0, v 21.76 m/s, 0.19 kg/m a belt: about 593 N a belt run in, 771
// N new.  A ribbed belt is the sum of its ribs, so eight ribs of that mass
// give the same.  Then the typical use with 9 PK ribs, by hand from the
// figures the window shows (22 kW, c2 1.2, c1 0.9586, 41.89 m/s, 163.44°,
// 272/200 mm at 250 mm): 680.6 N, a shaft load of 1347 N, a span of 247.4
// mm sounding at 121.3 Hz.
TEST(Fitting, FollowsTheWorkedExamples) {
  const Real perBelt = RunInTension(171.6, 1.0, 1.0, 21.76, 0.19, 8) / Real(8);
  EXPECT_EQ(NumberText(RoundTo(perBelt, 0)), "593");
  EXPECT_EQ(NumberText(RoundTo(perBelt * Real(kNewBeltTension), 0)), "771");

  const Real tension = RunInTension(22, 1.2, 0.9586, 41.89, 0.021, 9);
  EXPECT_EQ(NumberText(RoundTo(tension, 1)), "680.6");
  EXPECT_EQ(NumberText(RoundTo(ShaftLoad(tension, 163.44), 0)), "1347");
  EXPECT_EQ(NumberText(RoundTo(ShaftLoad(tension, 180), 1)), NumberText(RoundTo(Real(2) * tension, 1)));
  const Real span = FreeSpan(250, 272, 200);
  EXPECT_EQ(NumberText(RoundTo(span, 1)), "247.4");
  EXPECT_EQ(NumberText(RoundTo(FreeSpan(250, 200, 272), 1)), "247.4");
  EXPECT_EQ(NumberText(RoundTo(SpanFrequency(tension, 0.021, 9, span), 1)), "121.3");
}

// With no power to carry, a rib's tension is its mass times v²: at 10 m/s
// the published masses of PJ, PK, PL and PM, 0.009, 0.021, 0.040 and 0.120
// kg/m, give 0.9, 2.1, 4 and 12 N.
TEST(Fitting, EachProfileWeighsAsPublished) {
  const std::pair<BeltProfile, const char*> cases[] = {{PJ, "0.9"}, {PK, "2.1"}, {PL, "4"}, {PM, "12"}};
  for (const auto& [profile, newtons] : cases)
    EXPECT_EQ(NumberText(RoundTo(RunInTension(0, 1, 1, 10, ProfileOf(profile).massPerRib, 1), 2)), newtons)
        << ProfileOf(profile).name;
}

// The stock lengths next to a belt at each end of each profile's published
// list: the shortest and the longest are stock belts themselves; a belt a
// millimetre shorter than the shortest has only a longer one, a millimetre
// longer than the longest only a shorter one.
TEST(StockLengths, EndAtThePublishedShortestAndLongest) {
  struct Case {
    BeltProfile profile;
    int shortest, second, longest, beforeLongest;
  };
  const Case cases[] = {{PJ, 356, 381, 2489, 2337},
                        {PK, 635, 648, 2551, 2471},
                        {PL, 991, 1041, 7055, 6096},
                        {PM, 2286, 2388, 16764, 15266}};
  for (const Case& c : cases) {
    const StockNeighbours first = NearestStock(c.profile, c.shortest);
    EXPECT_EQ(first.exact, c.shortest);
    EXPECT_EQ(first.shorter, std::nullopt);
    EXPECT_EQ(first.longer, c.second);
    const StockNeighbours below = NearestStock(c.profile, c.shortest - 1);
    EXPECT_EQ(below.exact, std::nullopt);
    EXPECT_EQ(below.shorter, std::nullopt);
    EXPECT_EQ(below.longer, c.shortest);
    const StockNeighbours between = NearestStock(c.profile, Real(c.longest) - Real(0.1));
    EXPECT_EQ(between.shorter, c.beforeLongest);
    EXPECT_EQ(between.longer, c.longest);
    const StockNeighbours above = NearestStock(c.profile, c.longest + 1);
    EXPECT_EQ(above.shorter, c.longest);
    EXPECT_EQ(above.longer, std::nullopt);
  }
}

// Every stock length as the guide lists it for the designer to order: a
// length mistyped in the program's table, or in the guide, differs.
TEST(StockLengths, AreTheGuides) {
  std::ifstream guide(KASNAK_GUIDE);
  std::string line;
  while (std::getline(guide, line) && line.rfind("## Ek C", 0) != 0) {
  }
  int rows = 0;
  while (std::getline(guide, line)) {
    for (const Profile& p : kProfiles) {
      const std::string head = "| " + std::string(p.name) + " | ";
      if (line.rfind(head, 0) != 0) continue;
      std::istringstream lengths(line.substr(head.size()));
      std::vector<int> listed;
      for (int length; lengths >> length;) listed.push_back(length);
      const std::span<const int> table = StockLengths(p.id);
      EXPECT_EQ(listed, std::vector<int>(table.begin(), table.end())) << p.name;
      ++rows;
    }
  }
  EXPECT_EQ(rows, 4);
}

}  // namespace
}  // namespace kasnak
