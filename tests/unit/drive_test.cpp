// SPDX-License-Identifier: GPL-3.0-or-later
// Calculate, its factor and rating tables, and the belt length handler.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drive/arc_factor.h"
#include "drive/geometry.h"
#include "drive/length_factor.h"
#include "drive/rating_table.h"
#include "procedures/belt_length.h"
#include "procedures/calculate.h"
#include "procedures/startup.h"

namespace kasnak {
namespace {

using enum BeltProfile;

constexpr int kNoProfile = -1;

// The contents of the input controls of one drive.
struct Drive {
  const char* screwSpeed;   // ScrewSpeed
  const char* ratio;        // Ratio
  const char* centerDist;   // CenterDistance
  bool heavyDuty;           // HeavyDuty
  const char* motorPulley;  // MotorPulley
  const char* screwPulley;  // ScrewPulley
  int profile;              // profile button, or kNoProfile
  const char* ribs;         // RibCount
};

// Puts the drive into a started window the way a user would leave it.  The
// profile and heavy duty go first (their clicks calculate), then the screw
// speed (its change procedure rewrites the ratio and the motor pulley), then
// the rest.
void Enter(Panel& panel, const Drive& drive) {
  if (drive.profile == kNoProfile) {
    for (int k = 0; k < 4; ++k) panel.DeselectProfile(k);
  } else {
    panel.UserClick(ProfileButton(drive.profile));
  }
  if (panel.Value(Control::HeavyDuty) != drive.heavyDuty) panel.UserClick(Control::HeavyDuty);
  panel.UserEdit(Control::ScrewSpeed, drive.screwSpeed);
  panel.SetCaption(Control::Ratio, drive.ratio);
  panel.SetText(Control::CenterDistance, drive.centerDist);
  panel.SetText(Control::MotorPulley, drive.motorPulley);
  panel.SetText(Control::ScrewPulley, drive.screwPulley);
  panel.UserEdit(Control::RibCount, drive.ribs);
}

std::unique_ptr<Panel> WindowWith(const Drive& drive) {
  std::unique_ptr<Panel> panel = StartUp();
  Enter(*panel, drive);
  return panel;
}

// ------------------------------------------------------------ whole runs

struct WholeRun {
  Drive drive;
  const char* centerDist;  // CenterDistance
  const char* wrapAngle;   // WrapAngle
  const char* beltLength;  // BeltLength
  const char* ribPower;    // RibPower
  const char* beltPower;   // BeltPower
};

TEST(Calculate, ShowsGeometryAndPowersOfWholeRuns) {
  const WholeRun runs[] = {
      {{"4000", "1.35", "400", false, "180", "132", 2, "8"}, "400", "173.12", "1291.5", "3.14", "25.09"},
      {{"4000", "1.35", "400", true, "180", "132", 2, "8"}, "400", "173.12", "1291.5", "2.87", "23"},
      {{"2950", "2.03", "500", true, "250", "125", 1, "6"}, "500", "165.64", "1596.9", "2.38", "14.27"},
      // Geometry alone: no screw speed, so the rating gate stays closed.
      {{"", "", "", true, "250", "125", 0, ""}, "250", "151.04", "1104.7", "0", "0"},
      {{"", "", "500", true, "250", "125", 0, ""}, "500", "165.64", "1596.9", "0", "0"},
      {{"", "", "200", true, "400", "300", 0, ""}, "350", "163.57", "1806.7", "0", "0"},
      {{"", "", "300", true, "200", "200", 0, ""}, "300", "180", "1228.3", "0", "0"},
      {{"", "", "412.37", true, "250", "125", 0, ""}, "412.4", "162.56", "1423.3", "0", "0"},
      {{"", "", "400", true, "250", "180", 0, ""}, "400", "169.96", "1478.5", "0", "0"},
      {{"", "", "", true, "315", "250", 0, ""}, "282.5", "166.79", "1456.2", "0", "0"},
      // A ratio of exactly 1.00 opens the rating gate: PK on 200 mm at 2940
      // rpm rates 3.19 kW, / 1.2 heavy duty = 2.6583 a rib.  The total comes
      // from the single-precision factors in double precision, not from the
      // shown 2.66 (10.64) nor from a single-precision power per rib.
      {{"2940", "1.00", "500", true, "200", "200", 1, "4"}, "500", "180", "1628.3", "2.66", "10.63"},
      {{"2940", "1.00", "500", true, "200", "200", 1, "1000000"}, "500", "180", "1628.3", "2.66", "2658333.28"},
  };
  for (const WholeRun& run : runs) {
    SCOPED_TRACE(std::string(run.drive.motorPulley) + "/" + run.drive.screwPulley + " at '" + run.drive.centerDist +
                 "'");
    auto panel = WindowWith(run.drive);
    ASSERT_EQ(panel->UserClick(Control::CalculateButton), std::nullopt);
    EXPECT_EQ(panel->Text(Control::CenterDistance), run.centerDist);
    EXPECT_EQ(panel->Caption(Control::WrapAngle), run.wrapAngle);
    EXPECT_EQ(panel->Text(Control::BeltLength), run.beltLength);
    EXPECT_EQ(panel->Text(Control::RibPower), run.ribPower);
    EXPECT_EQ(panel->Text(Control::BeltPower), run.beltPower);
  }
}

TEST(Calculate, ClosedGateOrNoProfileGivesNoPower) {
  const Drive drives[] = {
      {"1450", "1.2", "400", true, "180", "132", 2, "8"},   // speed not above 1450
      {"4000", "0.99", "400", true, "180", "132", 2, "8"},  // ratio below 1
      {"4000", "1.35", "400", true, "180", "132", kNoProfile, "8"},
  };
  for (const Drive& drive : drives) {
    SCOPED_TRACE(std::string(drive.screwSpeed) + " rpm, i " + drive.ratio);
    auto panel = WindowWith(drive);
    ASSERT_EQ(panel->UserClick(Control::CalculateButton), std::nullopt);
    EXPECT_EQ(panel->drive.ribRating.value(), 0.0f);
    EXPECT_EQ(panel->Text(Control::RibPower), "0");
    EXPECT_EQ(panel->Text(Control::BeltPower), "0");
    if (drive.profile == kNoProfile) {
      EXPECT_EQ(panel->drive.lengthFactor.value(), 0.75f);  // the preset stays
    }
  }
}

// CenterDistance as the belt length handler finds it when Calculate's write of BeltLength
// starts it.
std::vector<std::string> centerDistAtHandler;
void RecordingText11_Change(Panel& panel) {
  centerDistAtHandler.push_back(panel.Text(Control::CenterDistance));
  BeltLengthChanged(panel);
}

TEST(Calculate, ShowsTheWholeNumberCentreDistanceUntilTheBeltLengthReplacesIt) {
  struct Case {
    const char* typed;
    const char* motorPulley;
    const char* screwPulley;
    const char* whole;  // written by Calculate
    const char* final;  // written back by the belt length handler
  };
  const Case cases[] = {
      {"412.37", "250", "125", "412", "412.4"},
      {"", "315", "250", "282", "282.5"},
      {"200", "400", "300", "350", "350"},
  };
  EventTable events = WindowEvents();
  events.change[IndexOf(Control::BeltLength)] = RecordingText11_Change;
  for (const Case& c : cases) {
    Panel panel(events);
    panel.Load();
    Enter(panel, {"", "", c.typed, true, c.motorPulley, c.screwPulley, 0, ""});
    centerDistAtHandler.clear();
    ASSERT_EQ(panel.UserClick(Control::CalculateButton), std::nullopt);
    EXPECT_EQ(centerDistAtHandler, std::vector<std::string>{c.whole}) << c.typed;
    EXPECT_EQ(panel.Text(Control::CenterDistance), c.final) << c.typed;
  }
}

// ---------------------------------------------------------------- faults

struct FaultCase {
  Drive drive;
  FaultKind fault;
  const char* centerDist;  // CenterDistance
  const char* wrapAngle;   // WrapAngle
  const char* ribPower;    // RibPower
  const char* beltPower;   // BeltPower
};

TEST(Calculate, AFaultStopsItAndKeepsWhatWasWritten) {
  const FaultCase cases[] = {
      // |x| = 1: one pulley 0, the other at least 500, centre distance at most half of it.
      {{"", "", "250", true, "0", "500", 0, ""}, FaultKind::DivisionByZero, "250", "old", "old", "old"},
      {{"", "", "", true, "600", "0", 0, ""}, FaultKind::DivisionByZero, "300", "old", "old", "old"},
      // A negative diameter makes |x| exceed 1.
      {{"", "", "", true, "-300", "500", 0, ""}, FaultKind::InvalidArgument, "250", "old", "old", "old"},
      // The total of an absurd rib count overflows after the power of one rib is shown.
      {{"4000", "1.35", "400", false, "180", "132", 2, "1E308"}, FaultKind::Overflow, "400", "173.12", "3.14", "old"},
      // A screw speed beyond the double range fails while the inputs are read.
      {{"1E400", "1.35", "405.5", false, "180", "132", 2, "8"}, FaultKind::Overflow, "405.5", "old", "old", "old"},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(std::string(c.drive.motorPulley) + "/" + c.drive.screwPulley + ", " + c.drive.ribs + " ribs");
    auto panel = WindowWith(c.drive);
    panel->SetCaption(Control::WrapAngle, "old");
    panel->SetText(Control::RibPower, "old");
    panel->SetText(Control::BeltPower, "old");
    EXPECT_EQ(panel->UserClick(Control::CalculateButton), c.fault);
    EXPECT_EQ(panel->Text(Control::CenterDistance), c.centerDist);
    EXPECT_EQ(panel->Caption(Control::WrapAngle), c.wrapAngle);
    EXPECT_EQ(panel->Text(Control::RibPower), c.ribPower);
    EXPECT_EQ(panel->Text(Control::BeltPower), c.beltPower);
  }
}

void FailingText11_Change(Panel&) { throw ArithmeticFault(FaultKind::InvalidArgument); }

TEST(Calculate, AFaultInTheBeltLengthHandlerEndsCalculateToo) {
  EventTable events = WindowEvents();
  events.change[IndexOf(Control::BeltLength)] = FailingText11_Change;
  Panel panel(events);
  panel.Load();
  Enter(panel, {"4000", "1.35", "400", false, "180", "132", 2, "8"});
  panel.SetText(Control::RibPower, "old");
  panel.SetText(Control::BeltPower, "old");
  EXPECT_EQ(panel.UserClick(Control::CalculateButton), FaultKind::InvalidArgument);
  EXPECT_EQ(panel.Text(Control::BeltLength), "1291.5");
  EXPECT_EQ(panel.Text(Control::RibPower), "old");
  EXPECT_EQ(panel.Text(Control::BeltPower), "old");
}

// --------------------------------------------------------------- tables

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
      {PJ, 112, 6999, 1.2f, 1.8f},
      {PJ, 125, 6500, 1.2f, 1.92f},  // this class has no band from 6000 to 7000
      {PK, 124.9f, 5000, 1.5f, 3.34f},
      {PK, 140, 6500, 1.2f, 4.35f},
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
      {PL, 200, 4600, 1.2f, Corrected(4.99f, {1.04, 1.04, 1.04})},
      {PL, 200, 4601, 1.2f, 0.0f},
      {PL, 170, 4300, 1.2f, 4.99f},
      {PL, 190, 4000, 1.5f, Corrected(5.49f, {1.04, 1.04})},
      {PM, 212, 3000, 1.2f, Corrected(6.67f, {1.1, 1.1})},
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

}  // namespace
}  // namespace kasnak
