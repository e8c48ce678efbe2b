// SPDX-License-Identifier: GPL-3.0-or-later
// The window with the real procedures, driven by user input on its widgets:
// faults after which the window shows what the model holds and goes on, and
// presses anywhere in a check box's box.  (The typical use step by step is
// script-window.typical-use, which also checks after every step that each
// widget shows what the model holds.)
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/text.h"
#include "app/widgets.h"
#include "fitting/report.h"
#include "fitting/sheet.h"
#include "model/faults.h"
#include "tests/harness/window_input.h"
#include "tests/window/support.h"

namespace kasnak {
namespace {

class UseTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    // A fault's message box keeps its text; it is a warning with one button,
    // wide enough for a title bar to show its title beside its icon and
    // buttons: two and a half inches at least.
    CloseEveryBox(closer, [this](QMessageBox& box) {
      messages.push_back(box.text());
      EXPECT_EQ(box.windowTitle(), "kasnak");
      EXPECT_EQ(box.icon(), QMessageBox::Warning);
      EXPECT_EQ(box.buttons().size(), 1);
      EXPECT_GE(2 * box.width(), 5 * box.logicalDpiX());
    });
  }

  QString Shown(Control id) { return kasnak::Shown(window.Widget(id)); }

  QTimer closer;
  std::vector<QString> messages;
};

using Texts = std::vector<std::pair<Control, QString>>;

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
       [&] { Backspace(Control::RibCount, 2); },
       {{Control::RibCount, "1E3"}, {Control::PulleyWidth, "2341.26"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    messages.clear();
    c.before();
    EXPECT_EQ(messages, std::vector<QString>{QString::fromUtf8(FaultMessage(c.fault))});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(Differences(window), std::vector<std::string>{});
    for (const auto& [id, text] : c.kept) EXPECT_EQ(Shown(id), text) << ElementId(id);

    messages.clear();
    c.after();
    EXPECT_EQ(messages, std::vector<QString>{});
    EXPECT_EQ(Differences(window), std::vector<std::string>{});
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
    QWidget* w = window.Widget(id);
    const QString before = Shown(id);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(w->width() - 2, w->height() / 2));
    EXPECT_NE(Shown(id), before) << ElementId(id);
    EXPECT_EQ(Differences(window), std::vector<std::string>{});
  }
}

// After the typical use with nine ribs a click at the section's first line,
// Shift+End and Ctrl+C copy the line; the section's menu, and Ctrl+Shift+C
// in a text box, copy the whole drive.
TEST_F(UseTest, SectionIsCopiedAndSoIsTheDrive) {
  Pick(Control::MotorPower, "22");
  Type(Control::ScrewSpeed, "4000");
  Pick(Control::ScrewPulley, "200");
  Click(Control::ProfilePK);
  Type(Control::RibCount, "9");
  Click(Control::CalculateButton);
  QLabel* lines = window.Section()->Lines();
  QClipboard* clipboard = QGuiApplication::clipboard();
  const QPoint start = lines->contentsRect().topLeft() + QPoint(0, lines->fontMetrics().height() / 2);
  QTest::mouseClick(lines, Qt::LeftButton, Qt::NoModifier, start);
  QTest::keyClick(lines, Qt::Key_End, Qt::ShiftModifier);
  QTest::keyClick(lines, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard->text(), ToQString(SheetFor(window.Model()).lines.at(0)));

  const QString report = ToQString(DriveReport(window.Model()));
  QStringList items;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions())
      if (action->isEnabled() && !action->isSeparator()) items << action->text();
    menu->actions().constLast()->trigger();
    menu->close();
  });
  QContextMenuEvent press(QContextMenuEvent::Mouse, start, lines->mapToGlobal(start));
  QApplication::sendEvent(lines, &press);
  EXPECT_EQ(items, (QStringList{"Kopyala", "Tümünü Seç", "Hesabın tamamını kopyala"}));
  EXPECT_EQ(clipboard->text(), report);

  clipboard->clear();
  ASSERT_TRUE(window.ShowActive());
  window.Widget(Control::ScrewSpeed)->setFocus();
  QTest::keyClick(window.Widget(Control::ScrewSpeed), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(clipboard->text(), report);
}

}  // namespace
}  // namespace kasnak
