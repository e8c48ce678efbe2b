// SPDX-License-Identifier: GPL-3.0-or-later
// Random sequences of user actions (tests/harness/random_script.h) on started
// windows.  Whatever the history:
// no text box holds more than the user may type into it; an action changes
// only the controls its chain writes; a Calculate leaves its working values
// in their ranges and gives the same results as a fresh window with the same
// input controls; a fault raised while a chain reads its inputs leaves every
// control as it was.
//
// Every sequence has its own seed; a failure names the seed and the actions
// so far, written as a scenario script that kasnak-script replays.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "model/panel.h"
#include "numbers/text.h"
#include "procedures/startup.h"
#include "tests/harness/drive_inputs.h"
#include "tests/harness/random_script.h"
#include "tests/harness/script.h"

namespace kasnak {
namespace {

constexpr unsigned kSequences = 5000;
constexpr int kActionsPerSequence = 60;

// --------------------------------------------------------- what is seen

// Every control's text or caption and state.
struct View {
  std::array<std::string, kControlCount> text;
  std::array<bool, kControlCount> on{};
};

View Look(const Panel& panel) {
  View v;
  for (const ControlDef& def : kControls) {
    v.text[IndexOf(def.id)] = panel.Text(def.id);
    v.on[IndexOf(def.id)] = panel.Value(def.id);
  }
  return v;
}

// The controls whose text or state differ between two views.
std::vector<Control> Changed(const View& before, const View& after) {
  std::vector<Control> changed;
  for (const ControlDef& def : kControls) {
    const std::size_t i = IndexOf(def.id);
    if (before.text[i] != after.text[i] || before.on[i] != after.on[i]) changed.push_back(def.id);
  }
  return changed;
}

std::string Names(const std::vector<Control>& ids) {
  std::string s;
  for (Control id : ids) s += ElementId(id) + " ";
  return s;
}

const std::vector<Control> kOptions = {Control::ProfilePJ, Control::ProfilePK, Control::ProfilePL, Control::ProfilePM};
// What Calculate writes, with the nested belt length handler.
const std::vector<Control> kCalculateWrites = {Control::CenterDistance, Control::WrapAngle, Control::BeltLength,
                                               Control::RibPower, Control::BeltPower};
// What Calculate reads as numbers, before it writes anything.
const std::vector<Control> kCalculateReads = {Control::ScrewSpeed, Control::Ratio, Control::CenterDistance,
                                              Control::MotorPulley, Control::ScrewPulley};

std::vector<Control> Joined(std::initializer_list<std::vector<Control>> parts) {
  std::vector<Control> all;
  for (const std::vector<Control>& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// The controls an action's chain may change: the control acted on and what
// the chain's procedures write.
std::vector<Control> MayChange(const Action& a) {
  const std::vector<Control> motor = {Control::MotorSpeed, Control::Ratio, Control::MotorPulley,
                                      Control::ScrewPulley};  // with deselected profiles
  switch (a.control) {
    case Control::MotorPower:
      return a.verb == Verb::Pick ? Joined({{Control::MotorPower}, motor, kOptions})
                                  : std::vector<Control>{Control::MotorPower};
    case Control::CompactMotor:
    case Control::FourPole:
      return Joined({{a.control}, motor, kOptions});
    case Control::MotorPulley:
      return a.verb == Verb::Pick
                 ? std::vector<Control>{Control::MotorPulley, Control::ScrewSpeed, Control::Ratio, Control::BeltSpeed}
                 : std::vector<Control>{Control::MotorPulley};
    case Control::ScrewPulley:
      return a.verb == Verb::Pick ? Joined({{Control::ScrewPulley, Control::ScrewSpeed, Control::Ratio,
                                             Control::MotorPulley, Control::BeltSpeed},
                                            kOptions})
                                  : std::vector<Control>{Control::ScrewPulley};
    case Control::ScrewSpeed:
      return {Control::ScrewSpeed, Control::Ratio, Control::MotorPulley, Control::BeltSpeed};
    case Control::RibCount:
      return {Control::RibCount, Control::PulleyWidth};
    case Control::BeltLength:
      return {Control::BeltLength, Control::CenterDistance};
    case Control::HeavyDuty:
      return Joined({{Control::HeavyDuty}, kCalculateWrites});
    case Control::ProfilePJ:
    case Control::ProfilePK:
    case Control::ProfilePL:
    case Control::ProfilePM:
      return Joined({kOptions, {Control::ScrewPulley, Control::PulleyWidth}, kCalculateWrites});
    case Control::CalculateButton:
      return kCalculateWrites;
    default:
      return {a.control};
  }
}

// Whether reading the text as a stored number faults: beyond the double
// range, or beyond the single range once rounded to single precision.
bool ReadFaults(const std::string& text) {
  try {
    return std::isinf(static_cast<float>(ReadNumber(text).value()));
  } catch (const ArithmeticFault&) {
    return true;
  }
}

bool AnyReadFaults(const View& v, const std::vector<Control>& ids) {
  return std::any_of(ids.begin(), ids.end(), [&](Control id) { return ReadFaults(v.text[IndexOf(id)]); });
}

// The chain of an action, when the first thing it does is read numbers that
// fault: those controls.  Calculate reads its inputs first; the screw speed
// handler the motor speed and the screw speed; the belt length handler the
// two pulleys and the belt length.
std::optional<std::vector<Control>> FirstReads(const Action& a) {
  if (a.control == Control::CalculateButton || a.control == Control::HeavyDuty) return kCalculateReads;
  if (a.control == Control::ScrewSpeed) return std::vector<Control>{Control::MotorSpeed, Control::ScrewSpeed};
  if (a.control == Control::BeltLength)
    return std::vector<Control>{Control::MotorPulley, Control::ScrewPulley, Control::BeltLength};
  return std::nullopt;
}

// ---------------------------------------------------- Calculate's checks

float AsSingle(double v) { return Single(Real(v)).value(); }

bool RatingGateOpen(const Panel& panel) {
  const bool profile = std::any_of(kOptions.begin(), kOptions.end(), [&](Control id) { return panel.Value(id); });
  const Real screwSpeed = Single(ReadNumber(panel.Text(Control::ScrewSpeed)));
  const Real ratio = Single(ReadNumber(panel.Caption(Control::Ratio)));
  return profile && screwSpeed > Real(1450) && ratio >= Real(1);
}

// The working values after a whole Calculate chain.
void ExpectWorkingValuesInRange(const Panel& panel, const std::string& history) {
  const DriveState& d = panel.drive;
  EXPECT_EQ(d.serviceFactor.value(), AsSingle(panel.Value(Control::HeavyDuty) ? 1.2 : 1.1)) << history;
  EXPECT_GE(d.arcFactor.value(), 0.75f) << history;
  EXPECT_LE(d.arcFactor.value(), 1.0f) << history;

  const bool profile = std::any_of(kOptions.begin(), kOptions.end(), [&](Control id) { return panel.Value(id); });
  const double lengthFactors[] = {0, .78, .81, .84, .86, .88, .89, .91, .93, .95, .96, .99, 1};
  if (profile) {
    EXPECT_TRUE(std::any_of(std::begin(lengthFactors), std::end(lengthFactors),
                            [&](double f) { return AsSingle(f) == d.lengthFactor.value(); }))
        << d.lengthFactor.value() << history;
  } else {
    EXPECT_EQ(d.lengthFactor.value(), AsSingle(0.75)) << history;
  }

  if (!RatingGateOpen(panel)) {
    EXPECT_EQ(d.ribRating.value(), 0.0f) << history;
    EXPECT_EQ(panel.Text(Control::RibPower), "0") << history;
    EXPECT_EQ(panel.Text(Control::BeltPower), "0") << history;
  }
}

// The controls Calculate reads and writes; after them, the text boxes that
// run a change procedure when written.
const std::vector<Control> kCalculateControls = {
    Control::ScrewSpeed,  Control::Ratio,      Control::CenterDistance, Control::HeavyDuty, Control::MotorPulley,
    Control::ScrewPulley, Control::ProfilePJ,  Control::ProfilePK,      Control::ProfilePL, Control::ProfilePM,
    Control::RibCount,    Control::BeltLength, Control::WrapAngle,      Control::RibPower,  Control::BeltPower};

// A fresh window whose Calculate controls hold what `v` shows: its drive,
// then the results it shows.
std::unique_ptr<Panel> FreshWindowLike(const View& v) {
  const auto text = [&](Control id) { return v.text[IndexOf(id)]; };
  const auto selected = std::find_if(kOptions.begin(), kOptions.end(), [&](Control id) { return v.on[IndexOf(id)]; });
  std::optional<BeltProfile> profile;
  if (selected != kOptions.end()) profile = static_cast<BeltProfile>(Def(*selected).index);
  std::unique_ptr<Panel> panel =
      StartedWith({text(Control::ScrewSpeed), text(Control::Ratio), text(Control::CenterDistance),
                   v.on[IndexOf(Control::HeavyDuty)], text(Control::MotorPulley), text(Control::ScrewPulley), profile,
                   text(Control::RibCount), text(Control::BeltLength)});
  panel->SetCaption(Control::WrapAngle, text(Control::WrapAngle));
  panel->SetText(Control::RibPower, text(Control::RibPower));
  panel->SetText(Control::BeltPower, text(Control::BeltPower));
  return panel;
}

void ExpectSameDrive(const DriveState& a, const DriveState& b, const std::string& history) {
  const auto fields = [](const DriveState& d) {
    return std::array<float, 12>{d.diaA.value(),          d.diaB.value(),         d.centerDist.value(),
                                 d.wrapAngle.value(),     d.piValue.value(),      d.arcFactor.value(),
                                 d.serviceFactor.value(), d.lengthFactor.value(), d.beltLength.value(),
                                 d.ribRating.value(),     d.screwSpeed.value(),   d.ratio.value()};
  };
  EXPECT_EQ(fields(a), fields(b)) << history;
}

// ------------------------------------------------------------ the test

struct Counts {
  int actions = 0;
  int faults = 0;
  int calculations = 0;
  int ratedCalculations = 0;  // with the rating gate open
  int readFaults = 0;
};

void PlaySequence(unsigned seed, Counts& counts) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  RandomSource random(seed);
  std::unique_ptr<Panel> panel = StartUp();
  std::string history = "\nactions:\n";

  for (int step = 0; step < kActionsPerSequence; ++step) {
    ++counts.actions;
    // A typing of several characters is as many changes: each is checked.
    for (const Action& action : Keystrokes(RandomAction(random))) {
      history += ActionLine(action) + "\n";
      const View before = Look(*panel);

      // A Calculate: the same input controls in a fresh window.
      std::unique_ptr<Panel> fresh;
      if (action.control == Control::CalculateButton) {
        fresh = FreshWindowLike(before);
        for (Control id : kCalculateControls) {
          ASSERT_EQ(fresh->Text(id), panel->Text(id)) << ElementId(id) << history;
          ASSERT_EQ(fresh->Value(id), panel->Value(id)) << ElementId(id) << history;
        }
      }

      ModelPlayer player(*panel);
      std::ostringstream printed;
      ASSERT_EQ(player.Play(action, printed), std::nullopt) << history;
      const Panel::Outcome outcome = player.LastFault();
      const View after = Look(*panel);
      if (outcome) ++counts.faults;

      // No text box holds more than its limit.
      for (const ControlDef& def : kControls) {
        const std::string& text = after.text[IndexOf(def.id)];
        EXPECT_EQ(FirstCharacters(text, Panel::MaxLength(def.id)), text) << ElementId(def.id) << history;
      }
      const std::string& screwSpeed = panel->Text(Control::ScrewSpeed);
      EXPECT_LE(CharacterCount(screwSpeed), 5u) << "characters" << history;

      // Only the chain's controls change; profiles are only ever deselected
      // by a chain, and at most one is selected.
      const std::vector<Control> allowed = MayChange(action);
      for (Control id : Changed(before, after)) {
        EXPECT_NE(std::find(allowed.begin(), allowed.end(), id), allowed.end())
            << ElementId(id) << " changed" << history;
      }
      if (Def(action.control).kind != Kind::OptionButton) {
        for (Control id : kOptions) EXPECT_TRUE(before.on[IndexOf(id)] || !after.on[IndexOf(id)]) << history;
      }
      EXPECT_LE(std::count_if(kOptions.begin(), kOptions.end(), [&](Control id) { return after.on[IndexOf(id)]; }), 1)
          << history;

      // A chain that faults on reading its numbers has written nothing (a
      // text box left as it was runs nothing); nor has a faulting rib count
      // or belt length handler, which writes its one control last: nothing
      // but the edited text has changed.
      const bool ran = Def(action.control).kind != Kind::TextBox ||
                       before.text[IndexOf(action.control)] != after.text[IndexOf(action.control)];
      const std::optional<std::vector<Control>> reads = FirstReads(action);
      const bool readFault = ran && reads && AnyReadFaults(after, *reads);
      if (readFault) {
        ++counts.readFaults;
        EXPECT_EQ(outcome, FaultKind::Overflow) << history;
      }
      if (readFault || (outcome && (action.control == Control::RibCount || action.control == Control::BeltLength))) {
        std::vector<Control> changed = Changed(before, after);
        std::erase(changed, action.control);
        EXPECT_TRUE(changed.empty()) << "changed: " << Names(changed) << history;
      }

      // A whole Calculate chain.
      const bool calculated = action.control == Control::CalculateButton || action.control == Control::HeavyDuty ||
                              Def(action.control).kind == Kind::OptionButton;
      if (calculated && !outcome) {
        ++counts.calculations;
        if (RatingGateOpen(*panel)) ++counts.ratedCalculations;
        ExpectWorkingValuesInRange(*panel, history);
      }

      if (fresh) {
        const Panel::Outcome freshOutcome = fresh->UserClick(Control::CalculateButton);
        EXPECT_EQ(freshOutcome, outcome) << history;
        for (Control id : kCalculateWrites)
          EXPECT_EQ(fresh->Text(id), panel->Text(id)) << ElementId(id) << " differs" << history;
        if (!outcome) ExpectSameDrive(fresh->drive, panel->drive, history);
      }
      if (::testing::Test::HasFailure()) return;
    }
  }
}

TEST(RandomActions, KeepLimitsRangesAndResultsWhateverTheHistory) {
  Counts counts;
  for (unsigned seed = 1; seed <= kSequences && !::testing::Test::HasFailure(); ++seed) PlaySequence(seed, counts);

  // The sequences reach what they are meant to test.
  if (::testing::Test::HasFailure()) return;
  EXPECT_EQ(counts.actions, static_cast<int>(kSequences) * kActionsPerSequence);
  EXPECT_GT(counts.faults, 5000);
  EXPECT_GT(counts.readFaults, 1000);
  EXPECT_GT(counts.calculations, 50000);
  EXPECT_GT(counts.ratedCalculations, 10000);
  RecordProperty("calculations", counts.calculations);
  RecordProperty("rated_calculations", counts.ratedCalculations);
  RecordProperty("faults", counts.faults);
  RecordProperty("read_faults", counts.readFaults);
}

}  // namespace
}  // namespace kasnak
