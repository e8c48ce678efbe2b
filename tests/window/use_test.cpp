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
#include "catalogue/startup.h"
#include "tests/window/support.h"
#include "tools/window_input.h"

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
  void Pick(Ctl id, const QString& item) {
    auto* combo = qobject_cast<QComboBox*>(window.widget(id));
    ASSERT_TRUE(PickFromPopup(combo, combo->findText(item))) << item.toStdString();
    EXPECT_FALSE(combo->view()->isVisible());
  }
  void Type(Ctl id, const char* keys) {
    window.widget(id)->setFocus();
    TypeAtEnd(window.widget(id), QString::fromUtf8(keys));
  }
  void Click(Ctl id) { QTest::mouseClick(qobject_cast<QAbstractButton*>(window.widget(id)), Qt::LeftButton); }
  QString Shown(Ctl id) { return kasnak::Shown(window.widget(id)); }

  // The controls whose widget differs from the model, with both values.
  std::vector<std::string> Differences() {
    std::vector<std::string> out;
    const Form1& form = window.form();
    for (const ControlDef& def : kControls) {
      QString model;
      switch (def.kind) {
        case Kind::Label:
        case Kind::CommandButton:
          model = def.kind == Kind::Label ? ToQString(form.Caption(def.id)) : Shown(def.id);
          break;
        case Kind::TextBox:
        case Kind::ComboBox:
          model = ToQString(form.Text(def.id));
          break;
        case Kind::CheckBox:
        case Kind::OptionButton:
          model = form.Value(def.id) ? "1" : "0";
          break;
      }
      if (Shown(def.id) != model)
        out.push_back(WidgetName(def.id).toStdString() + ": shows '" + Shown(def.id).toStdString() + "', model '" +
                      model.toStdString() + "'");
    }
    return out;
  }

  Window window{StartUp()};
  QTimer closer;
  std::vector<QString> messages;
};

using Texts = std::vector<std::pair<Ctl, QString>>;

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
       {{Ctl::Label31, ""},
        {Ctl::Label36, ""},
        {Ctl::Text2, ""},
        {Ctl::Combo1, ""},
        {Ctl::Option1_0, "1"},
        {Ctl::chkC2, "1"}}},
      {"22 kW", [&] { Pick(Ctl::Combo1, "22"); }, {{Ctl::Label31, "2940"}, {Ctl::Label36, ".00"}, {Ctl::Combo2, "0"}}},
      {"4000 rpm",
       [&] { Type(Ctl::Text2, "4000"); },
       {{Ctl::Text2, "4000"}, {Ctl::Label36, "1.36"}, {Ctl::Combo2, "0"}, {Ctl::Label40, ""}}},
      {"screw pulley 200",
       [&] { Pick(Ctl::Combo3, "200"); },
       {{Ctl::Combo3, "200"}, {Ctl::Combo2, "272"}, {Ctl::Label40, "41.89"}}},
      {"PK",
       [&] { Click(Ctl::Option1_1); },
       {{Ctl::Option1_0, "0"},
        {Ctl::Option1_1, "1"},
        {Ctl::Label38, "1.44"},
        {Ctl::Text10, "250"},
        {Ctl::Label35, "163.44"},
        {Ctl::Text11, "1246.6"},
        {Ctl::Text12, "2.72"},
        {Ctl::Text13, "0"}}},
      {"6 ribs", [&] { Type(Ctl::Text5, "6"); }, {{Ctl::Label38, "22.8"}, {Ctl::Text13, "0"}}},
      {"Hesapla", [&] { Click(Ctl::Command1); }, {{Ctl::Text13, "16.31"}, {Ctl::Text12, "2.72"}}},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.step);
    s.input();
    for (const auto& [id, text] : s.shown) EXPECT_EQ(Shown(id), text) << WidgetName(id).toStdString();
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
         Type(Ctl::Combo2, "100");
         Type(Ctl::Combo3, "200");
         Type(Ctl::Text11, "500");
       },
       FaultKind::InvalidArgument,
       {{Ctl::Text11, "500"}, {Ctl::Text10, "-6.1"}},
       [&] { Type(Ctl::Text11, "0"); },
       {{Ctl::Text11, "5000"}}},
      // An absurd rib count: the width of 1E30 ribs stays; 1000 ribs work.
      {"rib count",
       [&] { Type(Ctl::Text5, "1E308"); },
       FaultKind::Overflow,
       {{Ctl::Text5, "1E308"}},
       [&] {
         QTest::keyClick(window.widget(Ctl::Text5), Qt::Key_Backspace);
         QTest::keyClick(window.widget(Ctl::Text5), Qt::Key_Backspace);
       },
       {{Ctl::Text5, "1E3"}, {Ctl::Label38, "2341.26"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    messages.clear();
    c.before();
    EXPECT_EQ(messages, std::vector<QString>{QString::fromUtf8(FaultMessage(c.fault))});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(Differences(), std::vector<std::string>{});
    for (const auto& [id, text] : c.kept) EXPECT_EQ(Shown(id), text) << WidgetName(id).toStdString();

    messages.clear();
    c.after();
    EXPECT_EQ(messages, std::vector<QString>{});
    EXPECT_EQ(Differences(), std::vector<std::string>{});
    for (const auto& [id, text] : c.then) EXPECT_EQ(Shown(id), text) << WidgetName(id).toStdString();
    EXPECT_TRUE(window.isVisible());
  }
}

// A press anywhere in a check box's or profile button's box counts as a
// press on its caption: here near the right edge, beyond the caption, where
// Qt's own check box and option button would ignore it.
TEST_F(UseTest, WholeBoxAnswersAPress) {
  for (Ctl id :
       {Ctl::chkKompakt, Ctl::chk4kutup, Ctl::chkC2, Ctl::Option1_3, Ctl::Option1_2, Ctl::Option1_1, Ctl::Option1_0}) {
    QWidget* w = window.widget(id);
    const QString before = Shown(id);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(w->width() - 2, w->height() / 2));
    EXPECT_NE(Shown(id), before) << WidgetName(id).toStdString();
    EXPECT_EQ(Differences(), std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace kasnak
