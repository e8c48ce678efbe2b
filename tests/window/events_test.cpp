// SPDX-License-Identifier: GPL-3.0-or-later
// User actions on the widgets reach the model as the user's actions, the
// model's writes show in the widgets, faults are reported and the exit closes
// the window.  The model runs recording procedures in place of the real ones.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/text.h"
#include "app/window.h"
#include "tests/window/support.h"

namespace kasnak {
namespace {

// The procedures that ran, and the fault that the heavy duty procedure throws.
std::vector<std::string> calls;
FaultKind faultToThrow = FaultKind::Overflow;
void Record(std::string call) { calls.push_back(std::move(call)); }

EventTable RecordingEvents() {
  EventTable events;
  events.click[IndexOf(Control::MotorPower)] = [](Panel& f) { Record("Combo1_Click " + f.Text(Control::MotorPower)); };
  events.click[IndexOf(Control::ScrewPulley)] = [](Panel& f) {
    Record("Combo3_Click " + f.Text(Control::ScrewPulley));
  };
  events.click[IndexOf(Control::CompactMotor)] = [](Panel& f) {
    Record(f.Value(Control::CompactMotor) ? "chkKompakt_Click on" : "chkKompakt_Click off");
  };
  events.change[IndexOf(Control::ScrewSpeed)] = [](Panel& f) { Record("Text2_Change " + f.Text(Control::ScrewSpeed)); };
  events.profileClick = [](Panel& f, int index) {
    Record("Option1_Click " + std::to_string(index));
    if (index == 3) f.DeselectProfile(BeltProfile::PM);  // as the profile limits may
  };
  // Writes of every kind a procedure makes.
  events.click[IndexOf(Control::CalculateButton)] = [](Panel& f) {
    Record("Command1_Click");
    f.SetText(Control::MotorPower, "15");
    f.SetText(Control::ScrewPulley, "180");
    f.SetText(Control::CenterDistance, "412.4");
    f.SetCaption(Control::Ratio, "1.36");
  };
  events.click[IndexOf(Control::ExitButton)] = [](Panel& f) {
    Record("Command3_Click");
    f.End();
  };
  events.click[IndexOf(Control::HeavyDuty)] = [](Panel& f) {
    Record("chkC2_Click");
    f.SetCaption(Control::WrapAngle, "171.3");
    throw ArithmeticFault(faultToThrow);
  };
  return events;
}

std::unique_ptr<Panel> RecordingForm() {
  auto panel = std::make_unique<Panel>(RecordingEvents());
  for (const char* power : {"7.5", "11", "15", "18.5"}) panel->AddItem(Control::MotorPower, power);
  for (const char* diameter : {"160", "170", "180", "190", "200"}) panel->AddItem(Control::ScrewPulley, diameter);
  return panel;
}

class EventsTest : public WindowTest {
 protected:
  EventsTest() : WindowTest(RecordingForm()) {}
  void SetUp() override {
    calls.clear();
    WindowTest::SetUp();
  }
  template <typename T>
  T* Get(Control id) {
    return qobject_cast<T*>(window.Widget(id));
  }
  QString Text(Control id) { return QString::fromStdString(window.Model().Text(id)); }
};

using CallList = std::vector<std::string>;

TEST_F(EventsTest, ScrewSpeedTakesFiveCharactersOneChangeEach) {
  QTest::keyClicks(Get<QLineEdit>(Control::ScrewSpeed), "123456");
  EXPECT_EQ(Get<QLineEdit>(Control::ScrewSpeed)->text(), "12345");
  EXPECT_EQ(Text(Control::ScrewSpeed), "12345");
  EXPECT_EQ(calls, (CallList{"Text2_Change 1", "Text2_Change 12", "Text2_Change 123", "Text2_Change 1234",
                             "Text2_Change 12345"}));
}

// The screw speed holds five characters, counted as the model counts them: a
// key that would add a sixth changes nothing wherever the cursor is, and a
// paste keeps what fits.  A character beyond the first plane (two UTF-16
// units) counts as one and is never cut in two.
TEST_F(EventsTest, ScrewSpeedKeepsFiveCharacters) {
  const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");  // one character, two units
  auto* edit = Get<QLineEdit>(Control::ScrewSpeed);
  const struct {
    const char* name;
    QString before;
    std::function<void()> input;
    QString after;
    int cursor;
  } cases[] = {
      {"key in the middle", "12345",
       [&] {
         edit->setCursorPosition(2);
         QTest::keyClick(edit, '9');
       },
       "12345", 2},
      {"paste over all", "12345",
       [&] {
         edit->selectAll();
         edit->insert("98765432");
       },
       "98765", 5},
      {"paste in the middle", "123",
       [&] {
         edit->setCursorPosition(1);
         edit->insert("abcdef");
       },
       "1ab23", 3},
      {"five wide characters", "",
       [&] {
         edit->selectAll();
         edit->insert(face.repeated(7));
       },
       face.repeated(5), 10},
      {"a key after four wide characters", face.repeated(4),
       [&] {
         edit->end(false);
         QTest::keyClicks(edit, "12");
       },
       face.repeated(4) + "1", 9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    edit->selectAll();
    edit->insert(c.before);
    ASSERT_EQ(edit->text(), c.before);
    calls.clear();
    c.input();
    EXPECT_EQ(edit->text(), c.after);
    EXPECT_EQ(Text(Control::ScrewSpeed), c.after);
    EXPECT_EQ(edit->cursorPosition(), c.cursor);
    const CallList changed = c.after == c.before ? CallList{} : CallList{"Text2_Change " + c.after.toStdString()};
    EXPECT_EQ(calls, changed);
  }
}

// The box being typed in keeps its cursor: the view rewrites only what the
// model changed.
TEST_F(EventsTest, TypingKeepsTheCursor) {
  struct Case {
    Control id;
    QLineEdit* edit;
    const char* typed;
    QString shown;
  } cases[] = {
      {Control::ScrewSpeed, Get<QLineEdit>(Control::ScrewSpeed), "40", "140"},
      // "17" begins the item "170", which must not be completed.
      {Control::ScrewPulley, Get<QComboBox>(Control::ScrewPulley)->lineEdit(), "17", "117"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ElementId(c.id));
    c.edit->setFocus();
    QTest::keyClicks(c.edit, c.typed);
    QTest::keyClick(c.edit, Qt::Key_Home);
    QTest::keyClick(c.edit, Qt::Key_1);
    EXPECT_EQ(c.edit->text(), c.shown);
    EXPECT_EQ(Text(c.id), c.shown);
    EXPECT_EQ(c.edit->cursorPosition(), 1);
  }
}

// A box being typed in draws its own text, scrolled to the cursor as any text
// box, not the start and ellipsis it draws without the focus: two long texts
// that differ only at their end look alike until the box has the focus.
TEST_F(EventsTest, BoxBeingTypedInDrawsItsText) {
  const int flash = QApplication::cursorFlashTime();
  QApplication::setCursorFlashTime(0);  // the cursor stays drawn
  auto* edit = Get<QLineEdit>(Control::CenterDistance);
  auto looks = [&](const char* text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    const QImage focused = edit->grab().toImage();
    Get<QLineEdit>(Control::ScrewSpeed)->setFocus();
    return std::pair(focused, edit->grab().toImage());
  };
  const auto ones = looks("11111111111111111111");
  const auto seven = looks("11111111111111111117");
  QApplication::setCursorFlashTime(flash);
  EXPECT_TRUE(ones.second == seven.second) << "without the focus, the box draws more than its start and an ellipsis";
  EXPECT_TRUE(ones.first != seven.first) << "with the focus, the box draws no end of its text";
}

// A list's click procedure runs only when the user chooses an item, from the
// drop-down or with the arrow keys; typing into its text field, even an
// item's text, runs nothing.
TEST_F(EventsTest, ListClickRunsOnlyOnAChoice) {
  auto* combo = Get<QComboBox>(Control::MotorPower);

  combo->showPopup();
  combo->view()->setCurrentIndex(combo->model()->index(2, 0));
  QTest::keyClick(combo->view(), Qt::Key_Return);
  EXPECT_EQ(calls, CallList{"Combo1_Click 15"});
  EXPECT_EQ(combo->currentText(), "15");
  // The same Return delivered again after the popup closed, as the screen
  // reader bridge does, chooses nothing more.
  QTest::keyClick(combo->view(), Qt::Key_Return);
  EXPECT_EQ(calls, CallList{"Combo1_Click 15"});

  QTest::keyClick(combo, Qt::Key_Down);  // the next item, by keyboard
  EXPECT_EQ(calls, (CallList{"Combo1_Click 15", "Combo1_Click 18.5"}));
  EXPECT_EQ(Text(Control::MotorPower), "18.5");

  calls.clear();
  QSignalSpy finished(combo->lineEdit(), &QLineEdit::editingFinished);
  combo->lineEdit()->selectAll();
  QTest::keyClicks(combo, "11");
  QTest::keyClick(combo, Qt::Key_Return);
  Get<QLineEdit>(Control::ScrewSpeed)->setFocus();
  EXPECT_GE(finished.count(), 1);
  EXPECT_EQ(Text(Control::MotorPower), "11");
  EXPECT_EQ(combo->currentText(), "11");
  EXPECT_EQ(calls, CallList{});
}

// A procedure's writes show at once and run nothing more.
TEST_F(EventsTest, ProcedureWritesShowAtOnce) {
  QTest::mouseClick(Get<QPushButton>(Control::CalculateButton), Qt::LeftButton);
  EXPECT_EQ(Get<QComboBox>(Control::MotorPower)->currentText(), "15");
  EXPECT_EQ(Get<QComboBox>(Control::ScrewPulley)->currentText(), "180");
  EXPECT_EQ(Get<QLineEdit>(Control::CenterDistance)->text(), "412.4");
  EXPECT_EQ(Get<QLabel>(Control::Ratio)->text(), "1.36");
  // The written list text is the current item, so the arrow keys go on from it.
  QTest::keyClick(Get<QComboBox>(Control::ScrewPulley), Qt::Key_Down);
  EXPECT_EQ(calls, (CallList{"Command1_Click", "Combo3_Click 190"}));
}

TEST_F(EventsTest, CheckBoxToggleReachesTheProcedure) {
  auto* box = Get<QCheckBox>(Control::CompactMotor);
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_TRUE(box->isChecked());
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_FALSE(box->isChecked());
  EXPECT_EQ(calls, (CallList{"chkKompakt_Click on", "chkKompakt_Click off"}));
}

// Clicks on profile buttons, and the buttons shown checked afterwards.
TEST_F(EventsTest, ProfileButtons) {
  struct Case {
    int clicked;
    CallList calls;
    int checked;  // -1: none
  } cases[] = {
      {0, {"Option1_Click 0"}, 0},   // already selected: runs again
      {1, {"Option1_Click 1"}, 1},   // newly selected
      {3, {"Option1_Click 3"}, -1},  // the procedure deselects it
      {3, {"Option1_Click 3"}, -1},  // and it can be chosen again
      {2, {"Option1_Click 2"}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clicked);
    calls.clear();
    QTest::mouseClick(window.ProfileGroup()->button(c.clicked), Qt::LeftButton);
    EXPECT_EQ(calls, c.calls);
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(window.ProfileGroup()->button(k)->isChecked(), k == c.checked) << k;
      EXPECT_EQ(window.Model().Value(ProfileButton(k)), k == c.checked) << k;
    }
  }
}

// No button is the default or the cancel button, wherever the focus is.
TEST_F(EventsTest, EnterAndEscapePressNoButton) {
  for (Control focus : TabOrder()) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
      SCOPED_TRACE(ElementId(focus) + " key " + std::to_string(key));
      window.Widget(focus)->setFocus();
      QTest::keyClick(window.Widget(focus), key);
      EXPECT_EQ(calls, CallList{});
      EXPECT_TRUE(window.isVisible());
    }
  }
  QTest::keyClick(Get<QPushButton>(Control::CalculateButton), Qt::Key_Space);  // the keys do arrive
  EXPECT_EQ(calls, CallList{"Command1_Click"});
}

// A fault is reported, in words a designer reads, after the writes made
// before it are shown; the window then goes on.
TEST_F(EventsTest, FaultShowsItsMessage) {
  const std::pair<FaultKind, const char*> faults[] = {
      {FaultKind::Overflow, "Taşma: bir değer hesaplanamayacak kadar büyük."},
      {FaultKind::DivisionByZero, "Sıfıra bölme: bir değer 0 olduğu için hesap yapılamıyor."},
      {FaultKind::InvalidArgument, "Geçersiz işlem: bu değerlerle hesap yapılamıyor."},
  };
  for (const auto& [kind, message] : faults) {
    SCOPED_TRACE(FaultName(kind));
    faultToThrow = kind;
    calls.clear();
    // What each message box showed: its title, its text and the wrap angle
    // in the window behind it.
    std::vector<std::array<QString, 3>> boxes;
    QTimer closer;
    CloseEveryBox(closer, [&](QMessageBox& box) {
      boxes.push_back({box.windowTitle(), box.text(), Get<QLabel>(Control::WrapAngle)->text()});
    });
    QTest::mouseClick(Get<QCheckBox>(Control::HeavyDuty), Qt::LeftButton);
    const std::array<QString, 3> expected{ToQString(kProgramName), QString::fromUtf8(message), "171.3"};
    EXPECT_EQ(boxes, (std::vector{expected}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(calls, CallList{"chkC2_Click"});
  }
  EXPECT_TRUE(window.isVisible());
  QTest::mouseClick(Get<QPushButton>(Control::CalculateButton), Qt::LeftButton);
  EXPECT_EQ(calls, (CallList{"chkC2_Click", "Command1_Click"}));
}

// Qt's own texts are Turkish: the fault box's button and a text box's
// context menu.
TEST_F(EventsTest, QtTextsAreTurkish) {
  if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_tr.qm")))
    GTEST_SKIP() << "Qt's Turkish translation is not installed (qt6-translations-l10n)";
  QStringList buttons;
  QTimer closer;
  CloseEveryBox(closer, [&](QMessageBox& box) { buttons << box.button(QMessageBox::Ok)->text(); });
  QTest::mouseClick(Get<QCheckBox>(Control::HeavyDuty), Qt::LeftButton);
  EXPECT_EQ(buttons, QStringList{"Tamam"});
  const std::unique_ptr<QMenu> menu(Get<QLineEdit>(Control::ScrewSpeed)->createStandardContextMenu());
  QStringList entries;  // without their shortcuts
  for (const QAction* action : menu->actions()) entries << action->text().section(QLatin1Char('\t'), 0, 0);
  EXPECT_EQ(entries,
            (QStringList{"&Geri al", "&Yinele", "", "Ke&s", "&Kopyala", "Ya&pıştır", "Sil", "", "Tümünü Seç"}));
}

TEST_F(EventsTest, ExitClosesTheWindow) {
  QTest::mouseClick(Get<QPushButton>(Control::ExitButton), Qt::LeftButton);
  EXPECT_EQ(calls, CallList{"Command3_Click"});
  EXPECT_TRUE(window.Model().Ended());
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace kasnak
