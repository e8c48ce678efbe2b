// SPDX-License-Identifier: GPL-3.0-or-later
// "Hesapla" (Calculate) on whole drives, and the belt length handler that its
// write of the belt length runs.
#include "procedures/calculate.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "procedures/belt_length.h"
#include "procedures/startup.h"
#include "tests/harness/drive_inputs.h"

namespace kasnak {
namespace {

using enum BeltProfile;

// ------------------------------------------------------------ whole runs

struct WholeRun {
  DriveInputs drive;
  const char* centerDist;  // CenterDistance
  const char* wrapAngle;   // WrapAngle
  const char* beltLength;  // BeltLength
  const char* ribPower;    // RibPower
  const char* beltPower;   // BeltPower
};

TEST(Calculate, ShowsGeometryAndPowersOfWholeRuns) {
  const WholeRun runs[] = {
      {{"4000", "1.35", "400", false, "180", "132", PL, "8"}, "400", "173.12", "1291.5", "3.14", "25.09"},
      {{"4000", "1.35", "400", true, "180", "132", PL, "8"}, "400", "173.12", "1291.5", "2.87", "23"},
      {{"2950", "2.03", "500", true, "250", "125", PK, "6"}, "500", "165.64", "1596.9", "2.38", "14.27"},
      // Geometry alone: no screw speed, so the rating gate stays closed.
      {{"", "", "", true, "250", "125", PJ, ""}, "250", "151.04", "1104.7", "0", "0"},
      {{"", "", "500", true, "250", "125", PJ, ""}, "500", "165.64", "1596.9", "0", "0"},
      {{"", "", "200", true, "400", "300", PJ, ""}, "350", "163.57", "1806.7", "0", "0"},
      {{"", "", "300", true, "200", "200", PJ, ""}, "300", "180", "1228.3", "0", "0"},
      {{"", "", "412.37", true, "250", "125", PJ, ""}, "412.4", "162.56", "1423.3", "0", "0"},
      {{"", "", "400", true, "250", "180", PJ, ""}, "400", "169.96", "1478.5", "0", "0"},
      {{"", "", "", true, "315", "250", PJ, ""}, "282.5", "166.79", "1456.2", "0", "0"},
      // A ratio of exactly 1.00 opens the rating gate: PK on 200 mm at 2940
      // rpm rates 3.19 kW, / 1.2 heavy duty = 2.6583 a rib.  The total comes
      // from the single-precision factors in double precision, not from the
      // shown 2.66 (10.64) nor from a single-precision power per rib.
      {{"2940", "1.00", "500", true, "200", "200", PK, "4"}, "500", "180", "1628.3", "2.66", "10.63"},
      {{"2940", "1.00", "500", true, "200", "200", PK, "1000000"}, "500", "180", "1628.3", "2.66", "2658333.28"},
      // The rating gate closed by a speed not above 1450, by a ratio below
      // 1, or by no profile: no power.
      {{"1450", "1.2", "400", true, "180", "132", PL, "8"}, "400", "173.12", "1291.5", "0", "0"},
      {{"4000", "0.99", "400", true, "180", "132", PL, "8"}, "400", "173.12", "1291.5", "0", "0"},
      {{"4000", "1.35", "400", true, "180", "132", kNoProfile, "8"}, "400", "173.12", "1291.5", "0", "0"},
  };
  for (const WholeRun& run : runs) {
    SCOPED_TRACE(run.drive.screwSpeed + " rpm, i " + run.drive.ratio + ", " + run.drive.motorPulley + "/" +
                 run.drive.screwPulley + " at '" + *run.drive.centerDist + "'");
    auto panel = StartedWith(run.drive);
    ASSERT_EQ(panel->UserClick(Control::CalculateButton), std::nullopt);
    EXPECT_EQ(panel->Text(Control::CenterDistance), run.centerDist);
    EXPECT_EQ(panel->Caption(Control::WrapAngle), run.wrapAngle);
    EXPECT_EQ(panel->Text(Control::BeltLength), run.beltLength);
    EXPECT_EQ(panel->Text(Control::RibPower), run.ribPower);
    EXPECT_EQ(panel->Text(Control::BeltPower), run.beltPower);
    // Every run here that shows no power has its rating gate closed.
    if (std::string_view(run.ribPower) == "0") {
      EXPECT_EQ(panel->drive.ribRating.value(), 0.0f);
    }
    if (!run.drive.profile) {
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
    EnterDrive(panel, {"", "", c.typed, true, c.motorPulley, c.screwPulley, PJ, ""});
    centerDistAtHandler.clear();
    ASSERT_EQ(panel.UserClick(Control::CalculateButton), std::nullopt);
    EXPECT_EQ(centerDistAtHandler, std::vector<std::string>{c.whole}) << c.typed;
    EXPECT_EQ(panel.Text(Control::CenterDistance), c.final) << c.typed;
  }
}

// ---------------------------------------------------------------- faults

struct FaultCase {
  DriveInputs drive;
  FaultKind fault;
  const char* centerDist;  // CenterDistance
  const char* wrapAngle;   // WrapAngle
  const char* ribPower;    // RibPower
  const char* beltPower;   // BeltPower
};

TEST(Calculate, AFaultStopsItAndKeepsWhatWasWritten) {
  const FaultCase cases[] = {
      // |x| = 1: one pulley 0, the other at least 500, centre distance at most half of it.
      {{"", "", "250", true, "0", "500", PJ, ""}, FaultKind::DivisionByZero, "250", "old", "old", "old"},
      {{"", "", "", true, "600", "0", PJ, ""}, FaultKind::DivisionByZero, "300", "old", "old", "old"},
      // A negative diameter makes |x| exceed 1.
      {{"", "", "", true, "-300", "500", PJ, ""}, FaultKind::InvalidArgument, "250", "old", "old", "old"},
      // The total of an absurd rib count overflows after the power of one rib is shown.
      {{"4000", "1.35", "400", false, "180", "132", PL, "1E308"}, FaultKind::Overflow, "400", "173.12", "3.14", "old"},
      // A screw speed beyond the double range fails while the inputs are read.
      {{"1E400", "1.35", "405.5", false, "180", "132", PL, "8"}, FaultKind::Overflow, "405.5", "old", "old", "old"},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(std::string(c.drive.motorPulley) + "/" + c.drive.screwPulley + ", " + c.drive.ribs + " ribs");
    auto panel = StartedWith(c.drive);
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
  EnterDrive(panel, {"4000", "1.35", "400", false, "180", "132", PL, "8"});
  panel.SetText(Control::RibPower, "old");
  panel.SetText(Control::BeltPower, "old");
  EXPECT_EQ(panel.UserClick(Control::CalculateButton), FaultKind::InvalidArgument);
  EXPECT_EQ(panel.Text(Control::BeltLength), "1291.5");
  EXPECT_EQ(panel.Text(Control::RibPower), "old");
  EXPECT_EQ(panel.Text(Control::BeltPower), "old");
}

}  // namespace
}  // namespace kasnak
