// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario runner, played against a window whose procedures leave a trace
// in the controls, so that a dump shows what ran and in which order.
#include "tests/harness/script.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "model/panel.h"
#include "numbers/numbers.h"

namespace kasnak {
namespace {

// ScrewSpeed change: one 'c' in BeltSpeed per change.
void CountScrewSpeedChanges(Panel& panel) {
  panel.SetCaption(Control::BeltSpeed, panel.Caption(Control::BeltSpeed) + "c");
}
// RibCount change: echoes the rib count into PulleyWidth, then divides by it.
void InvertRibCount(Panel& panel) {
  panel.SetCaption(Control::PulleyWidth, panel.Text(Control::RibCount));
  panel.SetCaption(Control::WrapAngle, NumberText(Real(1) / ReadNumber(panel.Text(Control::RibCount))));
}
// MotorPulley click: sees the chosen item already in the text field.
void EchoMotorPulley(Panel& panel) {
  panel.SetCaption(Control::MotorSpeed, "picked " + panel.Text(Control::MotorPulley));
}
// HeavyDuty click: sees the new state.
void EchoHeavyDuty(Panel& panel) { panel.SetText(Control::RibPower, panel.Value(Control::HeavyDuty) ? "on" : "off"); }
// CalculateButton click: a fault after a first write.
void OverflowAfterWrite(Panel& panel) {
  panel.SetText(Control::BeltPower, "before");
  ReadNumber("1e400");
  panel.SetText(Control::BeltPower, "after");
}
// Profile click: appends the index to Ratio; profile 3 is an invalid argument.
void TraceProfile(Panel& panel, int index) {
  panel.SetCaption(Control::Ratio, panel.Caption(Control::Ratio) + std::to_string(index));
  if (index == 3) Sqrt(Real(-1));
}
void EndProgram(Panel& panel) { panel.End(); }

EventTable TraceEvents() {
  EventTable events;
  events.change[IndexOf(Control::ScrewSpeed)] = CountScrewSpeedChanges;
  events.change[IndexOf(Control::RibCount)] = InvertRibCount;
  events.click[IndexOf(Control::MotorPulley)] = EchoMotorPulley;
  events.click[IndexOf(Control::HeavyDuty)] = EchoHeavyDuty;
  events.click[IndexOf(Control::CalculateButton)] = OverflowAfterWrite;
  events.click[IndexOf(Control::ExitButton)] = EndProgram;
  events.profileClick = TraceProfile;
  return events;
}

// A window with the tracing procedures and a few items in its lists.
Panel Traced() {
  Panel panel(TraceEvents());
  for (const char* item : {"100", "112", "7 5", "ø125"}) panel.AddItem(Control::MotorPulley, item);
  panel.AddItem(Control::MotorPower, "22");
  return panel;
}

struct Played {
  int status;
  std::string out;
  std::string err;
};

Played PlayOn(Panel& panel, const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  const int status = PlayScript(panel, in, out, err);
  return {status, out.str(), err.str()};
}

// Scripts played one after another on the same window.
class ScriptTest : public ::testing::Test {
 protected:
  Played Play(const std::string& script) { return PlayOn(panel_, script); }

  Panel panel_ = Traced();
};

// The value of NAME in the last dump block of an output.
std::string DumpedValue(const std::string& out, const std::string& name) {
  std::size_t at = out.rfind("\n" + name + "=");
  if (at == std::string::npos) return "<missing>";
  at += name.size() + 2;
  return out.substr(at, out.find('\n', at) - at);
}

TEST_F(ScriptTest, DumpPrintsTheEighteenControlsInOrder) {
  EXPECT_EQ(Play("dump\n").out,
            "Label31=\nLabel36=\nCombo1=\nchkKompakt=0\nchk4kutup=0\nText2=\nCombo2=\nCombo3=\nOption1=0\n"
            "chkC2=1\nText5=\nText10=\nText11=\nLabel35=\nText12=\nText13=\nLabel38=\nLabel40=\n--\n");

  panel_.SetCaption(Control::MotorSpeed, "2940");
  panel_.SetCaption(Control::Ratio, "1.47");
  panel_.DeselectProfile(BeltProfile::PJ);
  const std::string script =
      "edit Combo1 22\nclick chkKompakt\nclick chk4kutup\nedit Text2 4000\nedit Combo2 125\nedit Combo3 200\n"
      "edit Text5 4\nedit Text10 412\nedit Text11 1200.5\nedit Text12 a b\nedit Text13 3.9\ndump\n";
  EXPECT_EQ(Play(script).out,
            "Label31=2940\nLabel36=1.47\nCombo1=22\nchkKompakt=1\nchk4kutup=1\nText2=4000\nCombo2=125\nCombo3=200\n"
            "Option1=none\nchkC2=1\nText5=4\nText10=412\nText11=1200.5\nLabel35=0.25\nText12=a b\nText13=3.9\n"
            "Label38=4\nLabel40=c\n--\n");
  EXPECT_EQ(DumpedValue(Play("click Option1 2\ndump\n").out, "Option1"), "2");
}

TEST_F(ScriptTest, TypingEditingAndBackspaceInTheScrewSpeedBox) {
  const struct {
    const char* script;
    const char* screwSpeed;
    const char* changes;  // one 'c' per change procedure run
  } cases[] = {
      {"type Text2 123456", "12345", "ccccc"},
      {"type Text2 12345\ntype Text2 6", "12345", "ccccc"},
      {"edit Text2 1234567", "12345", "c"},
      {"edit Text2 12345\nedit Text2 123456", "12345", "c"},
      {"edit Text2 4000\nedit Text2 4000", "4000", "c"},
      {"edit Text2 4000\nedit Text2", "", "cc"},
      {"edit Text2 4000\nedit Text2 ", "", "cc"},
      {"backspace Text2", "", ""},
      {"type Text2 12\nbackspace Text2", "1", "ccc"},
      {"type Text2 12345\nbackspace Text2\ntype Text2 ab", "1234a", "ccccccc"},
      {"type Text2  5", " 5", "cc"},
      {"type Text2 4 0 ", "4 0 ", "cccc"},
      {"edit Text2 a b", "a b", "c"},
      {"type Text2 çğüşöı", "çğüşö", "ccccc"},
      {"type Text2 açğ\nbackspace Text2\nbackspace Text2", "a", "ccccc"},
      {"type Text2 12\r\nbackspace Text2\r\n", "1", "ccc"},
      {"\xEF\xBB\xBFtype Text2 7", "7", "c"},
      {"# type Text2 9\n\n   \ntype Text2 8", "8", "c"},
      {"type Text2 \x80\x80", "\x80\x80", "c"},
  };
  for (const auto& c : cases) {
    Panel panel = Traced();
    const Played played = PlayOn(panel, c.script);
    EXPECT_EQ(played.status, kScriptPlayed) << c.script << played.err;
    EXPECT_EQ(panel.Text(Control::ScrewSpeed), c.screwSpeed) << c.script;
    EXPECT_EQ(panel.Caption(Control::BeltSpeed), c.changes) << c.script;
    EXPECT_EQ(played.out, "") << c.script;
  }
}

TEST_F(ScriptTest, ListTextFieldsRunNothingUntilAnItemIsPicked) {
  const struct {
    const char* script;
    const char* motorPulley;
    const char* motorSpeed;  // written by the click procedure of MotorPulley
  } cases[] = {
      {"type Combo2 125", "125", ""},
      {"edit Combo2 125\nbackspace Combo2", "12", ""},
      {"edit Combo2 123456789", "123456789", ""},
      {"pick Combo2 112", "112", "picked 112"},
      {"pick Combo2 7 5", "7 5", "picked 7 5"},
      {"pick Combo2 ø125\r", "ø125", "picked ø125"},
      {"pick Combo2 100\nedit Combo2 x", "x", "picked 100"},
  };
  for (const auto& c : cases) {
    Panel panel = Traced();
    const Played played = PlayOn(panel, c.script);
    EXPECT_EQ(played.status, kScriptPlayed) << c.script << played.err;
    EXPECT_EQ(panel.Text(Control::MotorPulley), c.motorPulley) << c.script;
    EXPECT_EQ(panel.Caption(Control::MotorSpeed), c.motorSpeed) << c.script;
  }
}

TEST_F(ScriptTest, ClicksChangeTheStateBeforeTheirProcedureRuns) {
  Played played = Play("click chkC2\ndump\n");
  EXPECT_EQ(DumpedValue(played.out, "chkC2"), "0");
  EXPECT_EQ(DumpedValue(played.out, "Text12"), "off");
  played = Play("click chkC2\ndump\n");
  EXPECT_EQ(DumpedValue(played.out, "chkC2"), "1");
  EXPECT_EQ(DumpedValue(played.out, "Text12"), "on");

  played = Play("click Option1 1\nclick Option1 1\nclick Option1 0\ndump\n");
  EXPECT_EQ(DumpedValue(played.out, "Label36"), "110");  // a repeated click runs again
  EXPECT_EQ(DumpedValue(played.out, "Option1"), "0");
}

TEST_F(ScriptTest, AFaultIsPrintedWhereItStopsItsChainAndPlayGoesOn) {
  const std::pair<const char*, const char*> cases[] = {
      // Each keystroke is its own event: "0" and "0." read as 0, "0.5" does not.
      {"type Text5 0.5\ndump", "fault=division by zero\nfault=division by zero\n"},
      {"edit Text5 0\nedit Text5 2", "fault=division by zero\n"},
      {"click Command1", "fault=overflow\n"},
      {"click Option1 3\nclick Option1 3", "fault=invalid argument\nfault=invalid argument\n"},
      {"edit Text5 4\nbackspace Text5", "fault=division by zero\n"},
  };
  for (const auto& [script, printed] : cases) {
    Panel panel = Traced();
    const Played played = PlayOn(panel, script);
    EXPECT_EQ(played.status, kScriptPlayed) << script << played.err;
    EXPECT_EQ(played.out.substr(0, played.out.find("Label31=")), printed) << script;
  }

  // What was written before the fault stays, and the selection comes first.
  Played played = Play("type Text5 0.5\nclick Command1\nclick Option1 3\ndump\n");
  EXPECT_EQ(DumpedValue(played.out, "Label38"), "0.5");
  EXPECT_EQ(DumpedValue(played.out, "Label35"), "2");
  EXPECT_EQ(DumpedValue(played.out, "Text13"), "before");
  EXPECT_EQ(DumpedValue(played.out, "Option1"), "3");
  EXPECT_EQ(DumpedValue(played.out, "Label36"), "3");
}

TEST_F(ScriptTest, TheExitButtonEndsThePlay) {
  Played played = Play("dump\nclick Command3\ndump\nedit Text2 9\nnot an action\n");
  EXPECT_EQ(played.status, kScriptPlayed);
  EXPECT_TRUE(played.out.ends_with("--\nexit\n")) << played.out;
  EXPECT_EQ(played.err, "");
  EXPECT_EQ(panel_.Text(Control::ScrewSpeed), "");
  EXPECT_TRUE(panel_.Ended());
}

TEST_F(ScriptTest, AMalformedLineStopsThePlayWithItsNumber) {
  const std::pair<const char*, const char*> cases[] = {
      {"fly Text2", "unknown action 'fly'"},
      {"Dump", "unknown action 'Dump'"},
      {" dump", "unknown action ''"},
      {"dump now", "unexpected 'now' after dump"},
      {"type", "missing control after type"},
      {"type ", "missing control after type"},
      {"type Text9 5", "unknown control 'Text9'"},
      {"type  Text2 5", "unknown control ''"},
      {"type Label31 5", "cannot type 'Label31': not a text box or list"},
      {"edit Option1 5", "cannot edit 'Option1': not a text box or list"},
      {"backspace Command1", "cannot backspace 'Command1': not a text box or list"},
      {"type Text2", "missing characters to type into 'Text2'"},
      {"type Text2 ", "missing characters to type into 'Text2'"},
      {"backspace Text2 2", "unexpected '2' after 'Text2'"},
      {"pick Text2 100", "cannot pick from 'Text2': not a list"},
      {"pick Combo2", "missing item to pick from 'Combo2'"},
      {"pick Combo2 125", "'125' is not an item of Combo2"},
      {"pick Combo2 100 ", "'100 ' is not an item of Combo2"},
      {"pick Combo3 100", "'100' is not an item of Combo3"},
      {"click Text2", "cannot click 'Text2': not a button or check box"},
      {"click Label15", "cannot click 'Label15': not a button or check box"},
      {"click Command2", "unknown control 'Command2'"},
      {"click Command1 twice", "unexpected 'twice' after 'Command1'"},
      {"click Option1", "missing button index after 'Option1'"},
      {"click Option1 4", "button index '4' is not 0 to 3"},
      {"click Option1 -1", "button index '-1' is not 0 to 3"},
      {"click Option1 01", "button index '01' is not 0 to 3"},
      {"click Option1 1 2", "unexpected '2' after the button index"},
      {"click Option1_1", "unknown control 'Option1_1'"},
      {"click xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx",
       "unknown control 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...'"},
  };
  for (const auto& [line, reason] : cases) {
    Panel panel = Traced();
    const Played played = PlayOn(panel, std::string("edit Text2 1\n# comment\n\n") + line + "\nedit Text2 2\ndump\n");
    EXPECT_EQ(played.status, kScriptMalformed) << line;
    EXPECT_EQ(played.err, std::string("kasnak-script: line 4: ") + reason + "\n") << line;
    EXPECT_EQ(played.out, "") << line;
    EXPECT_EQ(panel.Text(Control::ScrewSpeed), "1") << line;
  }
}

TEST_F(ScriptTest, OutputBeforeAMalformedLineStays) {
  Played played = Play("edit Text5 0\ndump\nwait\ndump\n");
  EXPECT_EQ(played.status, kScriptMalformed);
  EXPECT_EQ(played.err, "kasnak-script: line 3: unknown action 'wait'\n");
  EXPECT_TRUE(played.out.starts_with("fault=division by zero\nLabel31="));
  EXPECT_EQ(played.out.find("--"), played.out.rfind("--"));  // one dump only
}

// Scripts stitched from pieces of actions, control names and odd bytes never
// crash, hang or end other than played or malformed.
TEST_F(ScriptTest, ArbitraryScriptsEndCleanly) {
  const std::vector<std::string> pieces = {
      "type ",   "edit ", "pick ",        "click ",   "backspace ",
      "dump",    "Text2", "Text5",        "Combo2",   "Combo1",
      "Option1", "chkC2", "Command1",     "Command3", " ",
      "0",       "3",     "7 5",          "\n",       "\r\n",
      "\x80",    "\xC3",  "\xEF\xBB\xBF", "#",        std::string(1, '\0'),
      "\t",      "ø125",
  };
  std::mt19937 random(20240611);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  for (int run = 0; run < 2000; ++run) {
    std::string script;
    for (int n = 0; n < 24; ++n) script += pieces[pick(random)];
    Panel panel = Traced();
    const Played played = PlayOn(panel, script);
    ASSERT_TRUE(played.status == kScriptPlayed || played.status == kScriptMalformed)
        << played.status << " " << played.err;
    ASSERT_EQ(played.status == kScriptMalformed, !played.err.empty());
  }
}

}  // namespace
}  // namespace kasnak
