// SPDX-License-Identifier: GPL-3.0-or-later
// Random sequences of user actions on started windows.  Whatever the history:
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
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/startup.h"
#include "panel/form.h"
#include "tools/script.h"

namespace kasnak {
namespace {

using enum Ctl;

constexpr unsigned kSequences = 5000;
constexpr int kActionsPerSequence = 60;

// ------------------------------------------------------------ the actions

// What a designer types, field by field, and what a careless paste brings.
struct Field {
  Ctl id;
  std::vector<std::string> texts;
};

const std::vector<Field> kFields = {
    {Text2, {"1450", "2950", "3000", "3500", "4000", "4500", "6000", "8000", "9000", "1200", "500", "99999"}},
    {Text5, {"1", "4", "6", "8", "12", "20", "2.5"}},
    {Text10, {"250", "400", "412.37", "500", "800", "1000", "100", "5000"}},
    {Text11, {"1291.5", "1000", "1596.9", "2000", "600", "300", "4000"}},
    {Combo1, {"22", "7.5", "160", "45", "200"}},
    {Combo2, {"180", "125", "250", "100", "500", "0"}},
    {Combo3, {"132", "200", "125", "180", "250", "500"}},
};

const std::vector<std::string> kOddTexts = {
    "", "-5", "1E38", "1E39", "1E400", "1E308", "abc", "12,5", "&H10", "&O777", ".", "-", "123456", " 4 000", "1D3",
};

const std::vector<Ctl> kClickable = {chkC2,     chkKompakt, chk4kutup, Option1_0, Option1_1,
                                     Option1_2, Option1_3,  Command1,  Command1,  Command1};

template <typename T>
const T& OneOf(std::mt19937& rng, const std::vector<T>& v) {
  return v[std::uniform_int_distribution<std::size_t>(0, v.size() - 1)(rng)];
}

// A scenario script's action.
Action RandomAction(std::mt19937& rng, const Form1& form) {
  const int roll = std::uniform_int_distribution<int>(0, 99)(rng);
  const Field& field = OneOf(rng, kFields);
  const bool odd = std::uniform_int_distribution<int>(0, 6)(rng) == 0;
  const std::string& text = odd ? OneOf(rng, kOddTexts) : OneOf(rng, field.texts);
  if (roll < 25) {
    const Ctl list = OneOf(rng, std::vector<Ctl>{Combo1, Combo2, Combo3});
    return {Verb::Pick, list, OneOf(rng, form.Items(list))};
  }
  if (roll < 50) return {Verb::Edit, field.id, text};
  if (roll < 62 && !text.empty()) {
    // One keystroke at the end of what is there.
    const std::size_t at = std::uniform_int_distribution<std::size_t>(0, text.size() - 1)(rng);
    return {Verb::Type, field.id, text.substr(at, 1)};
  }
  if (roll < 68) return {Verb::Backspace, field.id, {}};
  return {Verb::Click, OneOf(rng, kClickable), {}};
}

// --------------------------------------------------------- what is seen

// Every control's text or caption and state.
struct View {
  std::array<std::string, kControlCount> text;
  std::array<bool, kControlCount> on{};
};

View Look(const Form1& form) {
  View v;
  for (const ControlDef& def : kControls) {
    v.text[IndexOf(def.id)] = form.Text(def.id);
    v.on[IndexOf(def.id)] = form.Value(def.id);
  }
  return v;
}

std::string Name(Ctl id) {
  const ControlDef& def = Def(id);
  return std::string(def.name) + (def.index >= 0 ? std::to_string(def.index) : "");
}

// The controls whose text or state differ between two views.
std::vector<Ctl> Changed(const View& before, const View& after) {
  std::vector<Ctl> changed;
  for (const ControlDef& def : kControls) {
    const std::size_t i = IndexOf(def.id);
    if (before.text[i] != after.text[i] || before.on[i] != after.on[i]) changed.push_back(def.id);
  }
  return changed;
}

std::string Names(const std::vector<Ctl>& ids) {
  std::string s;
  for (Ctl id : ids) s += Name(id) + " ";
  return s;
}

const std::vector<Ctl> kOptions = {Option1_0, Option1_1, Option1_2, Option1_3};
// What Calculate writes, with the nested belt length handler.
const std::vector<Ctl> kCalculateWrites = {Text10, Label35, Text11, Text12, Text13};
// What Calculate reads as numbers, before it writes anything.
const std::vector<Ctl> kCalculateReads = {Text2, Label36, Text10, Combo2, Combo3};

std::vector<Ctl> Joined(std::initializer_list<std::vector<Ctl>> parts) {
  std::vector<Ctl> all;
  for (const std::vector<Ctl>& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// The controls an action's chain may change: the control acted on and what
// the chain's procedures write.
std::vector<Ctl> MayChange(const Action& a) {
  const std::vector<Ctl> motor = {Label31, Label36, Combo2, Combo3};  // with deselected profiles
  switch (a.control) {
    case Combo1:
      return a.verb == Verb::Pick ? Joined({{Combo1}, motor, kOptions}) : std::vector<Ctl>{Combo1};
    case chkKompakt:
    case chk4kutup:
      return Joined({{a.control}, motor, kOptions});
    case Combo2:
      return a.verb == Verb::Pick ? std::vector<Ctl>{Combo2, Text2, Label36, Label40} : std::vector<Ctl>{Combo2};
    case Combo3:
      return a.verb == Verb::Pick ? Joined({{Combo3, Text2, Label36, Combo2, Label40}, kOptions})
                                  : std::vector<Ctl>{Combo3};
    case Text2:
      return {Text2, Label36, Combo2, Label40};
    case Text5:
      return {Text5, Label38};
    case Text11:
      return {Text11, Text10};
    case chkC2:
      return Joined({{chkC2}, kCalculateWrites});
    case Option1_0:
    case Option1_1:
    case Option1_2:
    case Option1_3:
      return Joined({kOptions, {Combo3, Label38}, kCalculateWrites});
    case Command1:
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

bool AnyReadFaults(const View& v, const std::vector<Ctl>& ids) {
  return std::any_of(ids.begin(), ids.end(), [&](Ctl id) { return ReadFaults(v.text[IndexOf(id)]); });
}

// The chain of an action, when the first thing it does is read numbers that
// fault: those controls.  Calculate reads its inputs first; the screw speed
// handler the motor speed and the screw speed; the belt length handler the
// two pulleys and the belt length.
std::optional<std::vector<Ctl>> FirstReads(const Action& a) {
  if (a.control == Command1 || a.control == chkC2) return kCalculateReads;
  if (a.control == Text2) return std::vector<Ctl>{Label31, Text2};
  if (a.control == Text11) return std::vector<Ctl>{Combo2, Combo3, Text11};
  return std::nullopt;
}

// ---------------------------------------------------- Calculate's checks

float AsSingle(double v) { return Single(Real(v)).value(); }

bool RatingGateOpen(const Form1& form) {
  const bool profile = std::any_of(kOptions.begin(), kOptions.end(), [&](Ctl id) { return form.Value(id); });
  const Real screwSpeed = Single(ReadNumber(form.Text(Text2)));
  const Real ratio = Single(ReadNumber(form.Caption(Label36)));
  return profile && screwSpeed > Real(1450) && ratio >= Real(1);
}

// The working values after a whole Calculate chain.
void ExpectWorkingValuesInRange(const Form1& form, const std::string& history) {
  const DriveState& d = form.drive;
  EXPECT_EQ(d.serviceFactor.value(), AsSingle(form.Value(chkC2) ? 1.2 : 1.1)) << history;
  EXPECT_GE(d.arcFactor.value(), 0.75f) << history;
  EXPECT_LE(d.arcFactor.value(), 1.0f) << history;

  const bool profile = std::any_of(kOptions.begin(), kOptions.end(), [&](Ctl id) { return form.Value(id); });
  const std::vector<float> lengthFactors = {0,
                                            AsSingle(.78),
                                            AsSingle(.81),
                                            AsSingle(.84),
                                            AsSingle(.86),
                                            AsSingle(.88),
                                            AsSingle(.89),
                                            AsSingle(.91),
                                            AsSingle(.93),
                                            AsSingle(.95),
                                            AsSingle(.96),
                                            AsSingle(.99),
                                            1.0f};
  if (profile) {
    EXPECT_NE(std::find(lengthFactors.begin(), lengthFactors.end(), d.lengthFactor.value()), lengthFactors.end())
        << d.lengthFactor.value() << history;
  } else {
    EXPECT_EQ(d.lengthFactor.value(), AsSingle(0.75)) << history;
  }

  if (!RatingGateOpen(form)) {
    EXPECT_EQ(d.ribRating.value(), 0.0f) << history;
    EXPECT_EQ(form.Text(Text12), "0") << history;
    EXPECT_EQ(form.Text(Text13), "0") << history;
  }
}

// The controls Calculate reads and writes; after them, the text boxes that
// run a change procedure when written.
const std::vector<Ctl> kCalculateControls = {Text2,  Label36,   Text10,    chkC2,     Combo2,
                                             Combo3, Option1_0, Option1_1, Option1_2, Option1_3,
                                             Text5,  Text11,    Label35,   Text12,    Text13};

void SetQuietly(Form1& form, Ctl id, const std::string& text) {
  try {
    form.SetText(id, text);
  } catch (const ArithmeticFault&) {
    // The text stays; only the change procedure it ran was stopped.
  }
}

// A fresh window whose Calculate controls hold what `v` shows.  The clicks go
// first (they calculate), then the texts whose change procedures write other
// controls, then what those wrote.
std::unique_ptr<Form1> FreshWindowLike(const View& v) {
  std::unique_ptr<Form1> form = StartUp();
  const auto text = [&](Ctl id) { return v.text[IndexOf(id)]; };
  const auto selected = std::find_if(kOptions.begin(), kOptions.end(), [&](Ctl id) { return v.on[IndexOf(id)]; });
  if (selected != kOptions.end()) {
    form->UserClick(*selected);
  } else {
    for (int k = 0; k < 4; ++k) form->DeselectOption1(k);
  }
  if (form->Value(chkC2) != v.on[IndexOf(chkC2)]) form->UserClick(chkC2);
  SetQuietly(*form, Text2, text(Text2));
  SetQuietly(*form, Text11, text(Text11));
  SetQuietly(*form, Text5, text(Text5));
  form->SetCaption(Label36, text(Label36));
  form->SetText(Text10, text(Text10));
  form->SetText(Combo2, text(Combo2));
  form->SetText(Combo3, text(Combo3));
  form->SetCaption(Label35, text(Label35));
  form->SetText(Text12, text(Text12));
  form->SetText(Text13, text(Text13));
  return form;
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
  std::mt19937 rng(seed);
  std::unique_ptr<Form1> form = StartUp();
  std::string history = "\nactions:\n";

  for (int step = 0; step < kActionsPerSequence; ++step) {
    const Action action = RandomAction(rng, *form);
    history += ActionLine(action) + "\n";
    const View before = Look(*form);

    // A Calculate: the same input controls in a fresh window.
    std::unique_ptr<Form1> fresh;
    if (action.control == Command1) {
      fresh = FreshWindowLike(before);
      for (Ctl id : kCalculateControls) {
        ASSERT_EQ(fresh->Text(id), form->Text(id)) << Name(id) << history;
        ASSERT_EQ(fresh->Value(id), form->Value(id)) << Name(id) << history;
      }
    }

    ModelPlayer player(*form);
    std::ostringstream printed;
    ASSERT_EQ(player.Play(action, printed), std::nullopt) << history;
    const Form1::Outcome outcome = player.LastFault();
    const View after = Look(*form);
    ++counts.actions;
    if (outcome) ++counts.faults;

    // No text box holds more than its limit.
    for (const ControlDef& def : kControls) {
      const std::string& text = after.text[IndexOf(def.id)];
      EXPECT_EQ(FirstCharacters(text, Form1::MaxLength(def.id)), text) << Name(def.id) << history;
    }
    EXPECT_LE(form->Text(Text2).size(), 5u) << history;

    // Only the chain's controls change; profiles are only ever deselected
    // by a chain, and at most one is selected.
    const std::vector<Ctl> allowed = MayChange(action);
    for (Ctl id : Changed(before, after)) {
      EXPECT_NE(std::find(allowed.begin(), allowed.end(), id), allowed.end()) << Name(id) << " changed" << history;
    }
    if (Def(action.control).kind != Kind::OptionButton) {
      for (Ctl id : kOptions) EXPECT_TRUE(before.on[IndexOf(id)] || !after.on[IndexOf(id)]) << history;
    }
    EXPECT_LE(std::count_if(kOptions.begin(), kOptions.end(), [&](Ctl id) { return after.on[IndexOf(id)]; }), 1)
        << history;

    // A chain that faults on reading its numbers has written nothing.  (A
    // text box left as it was runs nothing.)
    const bool ran = Def(action.control).kind != Kind::TextBox ||
                     before.text[IndexOf(action.control)] != after.text[IndexOf(action.control)];
    const std::optional<std::vector<Ctl>> reads = FirstReads(action);
    if (ran && reads && AnyReadFaults(after, *reads)) {
      ++counts.readFaults;
      EXPECT_EQ(outcome, FaultKind::Overflow) << history;
      std::vector<Ctl> changed = Changed(before, after);
      std::erase(changed, action.control);
      EXPECT_TRUE(changed.empty()) << "changed: " << Names(changed) << history;
    }
    // The rib count and belt length handlers write their one control last:
    // when they fault, nothing but the edited text has changed.
    if (outcome && (action.control == Text5 || action.control == Text11)) {
      std::vector<Ctl> changed = Changed(before, after);
      std::erase(changed, action.control);
      EXPECT_TRUE(changed.empty()) << "changed: " << Names(changed) << history;
    }

    // A whole Calculate chain.
    const bool calculated =
        action.control == Command1 || action.control == chkC2 || Def(action.control).kind == Kind::OptionButton;
    if (calculated && !outcome) {
      ++counts.calculations;
      if (RatingGateOpen(*form)) ++counts.ratedCalculations;
      ExpectWorkingValuesInRange(*form, history);
    }

    if (fresh) {
      const Form1::Outcome freshOutcome = fresh->UserClick(Command1);
      EXPECT_EQ(freshOutcome, outcome) << history;
      for (Ctl id : kCalculateWrites) EXPECT_EQ(fresh->Text(id), form->Text(id)) << Name(id) << " differs" << history;
      if (!outcome) ExpectSameDrive(fresh->drive, form->drive, history);
    }
    if (::testing::Test::HasFailure()) return;
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
