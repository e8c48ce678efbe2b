// SPDX-License-Identifier: GPL-3.0-or-later
// The window with the real procedures, driven by user input on its widgets:
// the typical use step by step, and faults after which the window shows what
// the model holds and goes on.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/text.h"
#include "app/window.h"
#include "model/faults.h"
#include "procedures/startup.h"
#include "tests/harness/window_input.h"
#include "tests/window/support.h"

namespace kasnak {
namespace {

class UseTest : public testing::Test {
 protected:
  void SetUp() override {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // A fault's message box is closed with its OK button as soon as it
    // opens; its text is kept.
    closer.setInterval(0);
    QObject::connect(&closer, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      messages.push_back(box->text());
      // A warning with one button, wide enough for a title bar to show its
      // title beside its icon and buttons: two and a half inches at least.
      EXPECT_EQ(box->windowTitle(), "kasnak");
      EXPECT_EQ(box->icon(), QMessageBox::Warning);
      EXPECT_EQ(box->buttons().size(), 1);
      EXPECT_GE(2 * box->width(), 5 * box->logicalDpiX());
      QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    closer.start();
  }

  // ---- the user's input
  void Pick(Control id, const QString& item) {
    auto* combo = qobject_cast<QComboBox*>(window.widget(id));
    ASSERT_TRUE(PickFromPopup(combo, combo->findText(item))) << item.toStdString();
    EXPECT_FALSE(combo->view()->isVisible());
  }
  void Type(Control id, const char* keys) {
    window.widget(id)->setFocus();
    TypeAtEnd(window.widget(id), QString::fromUtf8(keys));
  }
  void Click(Control id) { QTest::mouseClick(qobject_cast<QAbstractButton*>(window.widget(id)), Qt::LeftButton); }
  QString Shown(Control id) { return kasnak::Shown(window.widget(id)); }

  // The controls whose widget differs from the model, with both values.
  std::vector<std::string> Differences() {
    std::vector<std::string> out;
    const Panel& panel = window.panel();
    for (const ControlDef& def : kControls) {
      QString model;
      switch (def.kind) {
        case Kind::Label:
        case Kind::CommandButton:
          model = def.kind == Kind::Label ? ToQString(panel.Caption(def.id)) : Shown(def.id);
          break;
        case Kind::TextBox:
        case Kind::ComboBox:
          model = ToQString(panel.Text(def.id));
          break;
        case Kind::CheckBox:
        case Kind::OptionButton:
          model = panel.Value(def.id) ? "1" : "0";
          break;
      }
      if (Shown(def.id) != model)
        out.push_back(ElementId(def.id) + ": shows '" + Shown(def.id).toStdString() + "', model '" +
                      model.toStdString() + "'");
    }
    return out;
  }

  Window window{StartUp()};
  QTimer closer;
  std::vector<QString> messages;
};

using Texts = std::vector<std::pair<Control, QString>>;

// A typical use, each step as the user does it, with what the
// window shows after it.
TEST_F(UseTest, TypicalUse) {
  const struct {
    const char* step;
    std::function<void()> input;
    Texts shown;
  } steps[] = {
      {"start-up",
       [] {},
       {{Control::MotorSpeed, ""},
        {Control::Ratio, ""},
        {Control::ScrewSpeed, ""},
        {Control::MotorPower, ""},
        {Control::ProfilePJ, "1"},
        {Control::HeavyDuty, "1"}}},
      {"22 kW",
       [&] { Pick(Control::MotorPower, "22"); },
       {{Control::MotorSpeed, "2940"}, {Control::Ratio, ".00"}, {Control::MotorPulley, "0"}}},
      {"4000 rpm",
       [&] { Type(Control::ScrewSpeed, "4000"); },
       {{Control::ScrewSpeed, "4000"},
        {Control::Ratio, "1.36"},
        {Control::MotorPulley, "0"},
        {Control::BeltSpeed, ""}}},
      {"screw pulley 200",
       [&] { Pick(Control::ScrewPulley, "200"); },
       {{Control::ScrewPulley, "200"}, {Control::MotorPulley, "272"}, {Control::BeltSpeed, "41.89"}}},
      {"PK",
       [&] { Click(Control::ProfilePK); },
       {{Control::ProfilePJ, "0"},
        {Control::ProfilePK, "1"},
        {Control::PulleyWidth, "1.44"},
        {Control::CenterDistance, "250"},
        {Control::WrapAngle, "163.44"},
        {Control::BeltLength, "1246.6"},
        {Control::RibPower, "2.72"},
        {Control::BeltPower, "0"}}},
      {"6 ribs", [&] { Type(Control::RibCount, "6"); }, {{Control::PulleyWidth, "22.8"}, {Control::BeltPower, "0"}}},
      {"Hesapla",
       [&] { Click(Control::CalculateButton); },
       {{Control::BeltPower, "16.31"}, {Control::RibPower, "2.72"}}},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.step);
    s.input();
    for (const auto& [id, text] : s.shown) EXPECT_EQ(Shown(id), text) << ElementId(id);
    EXPECT_EQ(Differences(), std::vector<std::string>{});
  }
  EXPECT_EQ(messages, std::vector<QString>{});
  EXPECT_TRUE(window.isVisible());
}

// After a fault's message box is closed the window shows what the model
// holds, the writes made before the fault included, and the next input works.
TEST_F(UseTest, WindowGoesOnAfterAFault) {
  const struct {
    const char* name;
    std::function<void()> before;  // ends with the input that faults
    FaultKind fault;
    Texts kept;                   // shown after the fault
    std::function<void()> after;  // a further input
    Texts then;                   // shown after it
  } cases[] = {
      // No centre distance belongs to a belt length of 500 on pulleys of 100
      // and 200 typed into the lists; the distance for 50 stays.
      {"belt length",
       [&] {
         Type(Control::MotorPulley, "100");
         Type(Control::ScrewPulley, "200");
         Type(Control::BeltLength, "500");
       },
       FaultKind::InvalidArgument,
       {{Control::BeltLength, "500"}, {Control::CenterDistance, "-6.1"}},
       [&] { Type(Control::BeltLength, "0"); },
       {{Control::BeltLength, "5000"}}},
      // An absurd rib count: the width of 1E30 ribs stays; 1000 ribs work.
      {"rib count",
       [&] { Type(Control::RibCount, "1E308"); },
       FaultKind::Overflow,
       {{Control::RibCount, "1E308"}},
       [&] {
         QTest::keyClick(window.widget(Control::RibCount), Qt::Key_Backspace);
         QTest::keyClick(window.widget(Control::RibCount), Qt::Key_Backspace);
       },
       {{Control::RibCount, "1E3"}, {Control::PulleyWidth, "2341.26"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    messages.clear();
    c.before();
    EXPECT_EQ(messages, std::vector<QString>{QString::fromUtf8(FaultMessage(c.fault))});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(Differences(), std::vector<std::string>{});
    for (const auto& [id, text] : c.kept) EXPECT_EQ(Shown(id), text) << ElementId(id);

    messages.clear();
    c.after();
    EXPECT_EQ(messages, std::vector<QString>{});
    EXPECT_EQ(Differences(), std::vector<std::string>{});
    for (const auto& [id, text] : c.then) EXPECT_EQ(Shown(id), text) << ElementId(id);
    EXPECT_TRUE(window.isVisible());
  }
}

// A press anywhere in a check box's or profile button's box counts as a
// press on its caption: here near the right edge, beyond the caption, where
// Qt's own check box and option button would ignore it.
TEST_F(UseTest, WholeBoxAnswersAPress) {
  for (Control id : {Control::CompactMotor, Control::FourPole, Control::HeavyDuty, Control::ProfilePM,
                     Control::ProfilePL, Control::ProfilePK, Control::ProfilePJ}) {
    QWidget* w = window.widget(id);
    const QString before = Shown(id);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(w->width() - 2, w->height() / 2));
    EXPECT_NE(Shown(id), before) << ElementId(id);
    EXPECT_EQ(Differences(), std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace kasnak
