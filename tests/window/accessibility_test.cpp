// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns from the window: every input is named by its
// prompt and unit, every result reads with its prompt and unit, buttons and
// check boxes are named by their captions, a result too wide for its box is
// still readable in full, and the typical use done with the keyboard alone
// reads back in full.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <fstream>
#include <tuple>

#include "advice/advice.h"
#include "app/text.h"
#include "app/widgets.h"
#include "procedures/startup.h"
#include "tests/harness/script.h"
#include "tests/harness/window_input.h"
#include "tests/window/support.h"

namespace kasnak {
namespace {

QString Accessible(QObject* object, QAccessible::Text text) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
  return face ? face->text(text) : QStringLiteral("(no interface)");
}

// The typical use as its scenario script (KASNAK_TYPICAL_USE) has it: its
// actions, without the dumps.
std::vector<Action> TypicalUse() {
  std::ifstream script(KASNAK_TYPICAL_USE);
  std::vector<Action> actions;
  for (std::string line; std::getline(script, line);) {
    const std::variant<Action, Malformed> parsed = ParseLine(line);
    const Action* action = std::get_if<Action>(&parsed);
    EXPECT_NE(action, nullptr) << line;
    if (action && action->verb != Verb::Skip && !Reads(action->verb)) actions.push_back(*action);
  }
  EXPECT_FALSE(actions.empty()) << KASNAK_TYPICAL_USE;
  return actions;
}

class AccessibilityTest : public WindowTest {
 protected:
  // The typical use with the mouse and the keyboard, as the user does it.
  void PlayTypicalUse() {
    for (const Action& action : TypicalUse()) {
      if (action.verb == Verb::Pick) {
        Pick(action.control, QString::fromStdString(action.text));
      } else if (action.verb == Verb::Type) {
        Type(action.control, action.text.c_str());
      } else {
        ASSERT_EQ(action.verb, Verb::Click) << ActionLine(action);
        Click(action.control);
      }
    }
  }
};

// An input is named by its prompt and unit; a result reads as its prompt, its
// value and its unit, and as its prompt alone while empty.
TEST_F(AccessibilityTest, InputsAndResultsAreNamedByPromptAndUnit) {
  const struct {
    Control id;
    const char* name;
  } cases[] = {
      {Control::MotorSpeed, "Motor Deviri: 2940 d/dk"},
      {Control::MotorPower, "Motor Gücü, kW"},
      {Control::ScrewSpeed, "Vida Deviri, d/dk"},
      {Control::Ratio, "Devir Oranı (i): 1.36"},
      {Control::MotorPulley, "Motor Kasnağı Çapı, mm"},
      {Control::ScrewPulley, "Vida Kasnağı Çapı, mm"},
      {Control::RibCount, "Kanal Sayısı"},
      {Control::CenterDistance, "Eksen Mesafesi, mm"},
      {Control::BeltLength, "Kayış Boyu, mm"},
      {Control::WrapAngle, "Açı"},
      {Control::RibPower, "Tek Kanalın Gücü, kW"},
      {Control::PulleyWidth, "Kasnak Genişliği"},
      {Control::BeltPower, "Toplam Kayış Gücü, kW"},
      {Control::BeltSpeed, "Kayış Hızı"},
  };
  std::size_t named = 0;
  for (const ControlDef& def : kControls)
    if (!AccessibleName(def.id).empty()) ++named;
  EXPECT_EQ(named, std::size(cases));

  // A list says its current item and a text box nothing unless named: give
  // them a text first, so that the name cannot come from it.
  Pick(Control::MotorPower, "22");
  Type(Control::ScrewSpeed, "4000");
  for (const auto& c : cases) {
    SCOPED_TRACE(ElementId(c.id));
    QWidget* w = window.Widget(c.id);
    EXPECT_EQ(Accessible(w, QAccessible::Name), QString::fromUtf8(c.name));
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
      EXPECT_EQ(Accessible(combo->lineEdit(), QAccessible::Name), QString::fromUtf8(c.name));
    }
  }
  // The values are still there to read.
  EXPECT_EQ(Accessible(window.Widget(Control::ScrewSpeed), QAccessible::Value), "4000");
  EXPECT_EQ(AccessibleName(Control::WrapAngle, "163.44"), "Açı: 163.44 derece");
}

TEST_F(AccessibilityTest, ButtonsAndCheckBoxesAreNamedByTheirCaptions) {
  for (const ControlDef& def : kControls) {
    if (def.kind != Kind::CheckBox && def.kind != Kind::OptionButton && def.kind != Kind::CommandButton) continue;
    SCOPED_TRACE(ElementId(def.id));
    EXPECT_EQ(AccessibleName(def.id), std::string());
    EXPECT_EQ(Accessible(window.Widget(def.id), QAccessible::Name), ToQString(def.caption));
  }
}

// A result that its box cuts ends in an ellipsis, never in a cut figure,
// shows in full in the tool tip and reads in full with the label's name.  An
// absurd screw speed of 9E37 rpm gives a ratio of 35 digits; the widest
// figure at the catalogue's extremes is a belt speed of 1047.19 m/sn or more
// (99999 rpm, a screw pulley of 200 mm or more), which a box would show as
// "1047.1".
TEST_F(AccessibilityTest, ResultTooWideForItsBoxIsReadableInFull) {
  auto* ratio = qobject_cast<QLabel*>(window.Widget(Control::Ratio));
  Pick(Control::MotorPower, "22");
  Type(Control::ScrewSpeed, "9E37");
  const QString shown = ratio->text();
  EXPECT_EQ(shown, ToQString(window.Model().Caption(Control::Ratio)));
  EXPECT_EQ(shown.size(), 38);  // 35 digits, the point, 2 decimals
  EXPECT_GT(ratio->fontMetrics().horizontalAdvance(shown), ratio->contentsRect().width());
  EXPECT_TRUE(Drawn(ratio).endsWith(QChar(0x2026))) << Drawn(ratio).toStdString();
  EXPECT_EQ(ratio->toolTip(), shown);
  EXPECT_EQ(Accessible(ratio, QAccessible::Name), "Devir Oranı (i): " + shown);

  // A usual ratio fits again: no tool tip.
  Backspace(Control::ScrewSpeed, 3);
  QTest::keyClicks(window.Widget(Control::ScrewSpeed), "000");
  EXPECT_EQ(ratio->text(), "3.06");
  EXPECT_EQ(Drawn(ratio), "3.06");
  EXPECT_EQ(ratio->toolTip(), QString());
  EXPECT_EQ(Accessible(ratio, QAccessible::Name), "Devir Oranı (i): 3.06");

  auto* speed = window.Widget(Control::BeltSpeed);
  QTest::keyClicks(window.Widget(Control::ScrewSpeed), "9");  // 90009 rpm
  Pick(Control::ScrewPulley, "224");
  EXPECT_EQ(Shown(speed), "1055.68");
  EXPECT_TRUE(Drawn(speed).endsWith(QChar(0x2026))) << Drawn(speed).toStdString();
  EXPECT_EQ(speed->toolTip(), "1055.68");
  EXPECT_EQ(Accessible(speed, QAccessible::Name), "Kayış Hızı: 1055.68 m/sn");
}

// A list reads as expanded while its popup shows and no longer once it
// closes: a screen reader would otherwise never say that it opened.
TEST_F(AccessibilityTest, ListReadsAsExpandedWhileItsPopupShows) {
  for (Control id : {Control::MotorPower, Control::MotorPulley, Control::ScrewPulley}) {
    SCOPED_TRACE(ElementId(id));
    auto* list = qobject_cast<QComboBox*>(window.Widget(id));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(list);
    EXPECT_TRUE(face->state().expandable && !face->state().expanded);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(list->view()->isVisible());
    EXPECT_TRUE(face->state().expanded);
    QTest::keyClick(list->view(), Qt::Key_Escape);
    ASSERT_FALSE(list->view()->isVisible());
    EXPECT_FALSE(face->state().expanded);
  }
}

// A double click selects the whole figure, ready to copy: as a word, the
// figure would stop at its point ("1" of "1.36").
TEST_F(AccessibilityTest, DoubleClickSelectsTheWholeResult) {
  Pick(Control::MotorPower, "22");
  Type(Control::ScrewSpeed, "4000");
  auto* ratio = qobject_cast<QLabel*>(window.Widget(Control::Ratio));
  QTest::mouseDClick(ratio, Qt::LeftButton, {}, QPoint(4, ratio->height() / 2));
  EXPECT_EQ(ratio->selectedText(), "1.36");
}

// The typical use with the keyboard alone, read back as a screen reader
// reads it: through the accessible interfaces only, which would miss a
// result shown but not read, a control out of the tab order, a list that the
// keyboard cannot open, or a window that does not read as a window.  (The
// offscreen platform has no accessibility bridge, so the events that announce
// a changed result are heard by tools/read-window.py instead.)
TEST_F(AccessibilityTest, TypicalUseWithTheKeyboardReadsBack) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&window);
  EXPECT_EQ(face->role(), QAccessible::Window);
  EXPECT_EQ(face->text(QAccessible::Name), ToQString(kWindowTitle).trimmed());

  // The name of the focused control, as a screen reader announces it.
  auto focused = [] { return Accessible(QApplication::focusWidget(), QAccessible::Name); };
  auto press = [](Qt::Key key, int times = 1) {
    for (int k = 0; k < times; ++k) QTest::keyClick(QApplication::focusWidget(), key);
  };
  EXPECT_EQ(focused(), "Vida Deviri, d/dk");
  // Each action: Tab to its control, once round the window at most (a
  // profile button: Tab to the group, then Right or Left to it, which selects
  // it), then its keys at the end of the box, or Space.
  const QList<QAbstractButton*> profiles = window.ProfileGroup()->buttons();
  for (const Action& action : TypicalUse()) {
    SCOPED_TRACE(ActionLine(action));
    QWidget* target = window.Widget(action.control);
    const bool option = qobject_cast<QRadioButton*>(target) != nullptr;
    const QString name = Accessible(target, QAccessible::Name);
    for (std::size_t k = 0; k <= kControls.size(); ++k) {
      if (option ? qobject_cast<QRadioButton*>(QApplication::focusWidget()) != nullptr : focused() == name) break;
      press(Qt::Key_Tab);
    }
    if (option) {
      const auto steps = profiles.indexOf(target) - profiles.indexOf(QApplication::focusWidget());
      press(steps > 0 ? Qt::Key_Right : Qt::Key_Left, static_cast<int>(std::abs(steps)));
    }
    ASSERT_EQ(focused(), name);
    if (action.verb == Verb::Type) {
      press(Qt::Key_End);
      QTest::keyClicks(QApplication::focusWidget(), QString::fromStdString(action.text));
    } else if (action.verb == Verb::Pick) {
      Pick(action.control, QString::fromStdString(action.text));
    } else if (!option) {
      press(Qt::Key_Space);
    }
  }

  // Figures of the model on the same actions (kasnak-script), checked by
  // hand: 4000/2940, 200 × 1.36, π·0.2 m·4000/60 s, 5 × 3.56 + 2 × 2.5,
  // 2·250 + π·472/2 + 72²/1000, 2·acos(72/500).
  const struct {
    Control id;
    QAccessible::Text text;
    const char* reads;
  } cases[] = {
      {Control::MotorSpeed, QAccessible::Name, "Motor Deviri: 2940 d/dk"},
      {Control::MotorPower, QAccessible::Value, "22"},
      {Control::ScrewSpeed, QAccessible::Value, "4000"},
      {Control::Ratio, QAccessible::Name, "Devir Oranı (i): 1.36"},
      {Control::MotorPulley, QAccessible::Value, "272"},
      {Control::ScrewPulley, QAccessible::Value, "200"},
      {Control::RibCount, QAccessible::Value, "6"},
      {Control::CenterDistance, QAccessible::Value, "250"},
      {Control::BeltLength, QAccessible::Value, "1246.6"},
      {Control::WrapAngle, QAccessible::Name, "Açı: 163.44 derece"},
      {Control::RibPower, QAccessible::Value, "2.72"},
      {Control::PulleyWidth, QAccessible::Name, "Kasnak Genişliği: 22.8 mm"},
      {Control::BeltPower, QAccessible::Value, "16.31"},
      {Control::BeltSpeed, QAccessible::Name, "Kayış Hızı: 41.89 m/sn"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ElementId(c.id));
    EXPECT_EQ(Accessible(window.Widget(c.id), c.text), QString::fromUtf8(c.reads));
  }
  for (Control id : {Control::ProfilePK, Control::HeavyDuty})
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(window.Widget(id))->state().checked) << ElementId(id);
}

// After the typical use (one advice), and with a 300 mm motor pulley typed
// after it (four), Tab from the last control reaches the strip, a collapsed
// button; Enter, or Space, unfolds it on the screen into every advice in
// order, heard item by item; Escape, or Space, folds it, the focus on it
// again and the window at its size.
TEST_F(AccessibilityTest, AdviceStripUnfoldsFromTheKeyboard) {
  PlayTypicalUse();
  const QSize size = window.size();
  FoldingStrip* strip = window.AdviceStrip();
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(strip);
  for (const auto& [typed, unfold, fold] :
       {std::tuple("", Qt::Key_Return, Qt::Key_Escape), std::tuple("300", Qt::Key_Space, Qt::Key_Space)}) {
    if (*typed) {
      QLineEdit* pulley = qobject_cast<QComboBox*>(window.Widget(Control::MotorPulley))->lineEdit();
      pulley->setFocus();
      pulley->selectAll();
      QTest::keyClicks(pulley, typed);
    }
    const std::vector<Advice> advice = AdviceFor(window.Model());
    SCOPED_TRACE(advice.size());
    EXPECT_EQ(advice.size(), *typed ? 4u : 1u);
    window.Widget(TabOrder().back())->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), strip);
    EXPECT_EQ(face->role(), QAccessible::Button);
    EXPECT_TRUE(face->state().collapsed && !face->state().expanded);
    QTest::keyClick(strip, unfold);
    ASSERT_TRUE(strip->Unfolded());
    EXPECT_TRUE(face->state().expanded);
    EXPECT_TRUE(strip->screen()->availableGeometry().contains(strip->List()->window()->geometry()));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(strip->List());
    ASSERT_EQ(list->childCount(), static_cast<int>(advice.size()));
    for (std::size_t i = 0; i < advice.size(); ++i)
      EXPECT_EQ(list->child(static_cast<int>(i))->text(QAccessible::Name), ToQString(advice[i].text));
    QTest::keyClick(QApplication::focusWidget(), fold);
    EXPECT_FALSE(strip->Unfolded());
    EXPECT_EQ(QApplication::focusWidget(), strip);
    EXPECT_EQ(window.size(), size);
  }
}

}  // namespace
}  // namespace kasnak
