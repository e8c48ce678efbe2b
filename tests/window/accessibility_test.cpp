// What a screen reader learns from the window: every input and result is
// named by its prompt and unit, buttons and check boxes by their captions, and
// a result too wide for its box is still readable in full.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/text.h"
#include "app/window.h"
#include "catalogue/startup.h"
#include "tests/window/support.h"
#include "tools/window_input.h"

namespace kasnak {
namespace {

QString Accessible(QObject* object, QAccessible::Text text) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
  return face ? face->text(text) : QStringLiteral("(no interface)");
}

class AccessibilityTest : public testing::Test {
 protected:
  void SetUp() override {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  void Type(Ctl id, const char* keys) {
    window.widget(id)->setFocus();
    TypeAtEnd(window.widget(id), QString::fromUtf8(keys));
  }
  void Pick(Ctl id, const QString& item) {
    auto* combo = qobject_cast<QComboBox*>(window.widget(id));
    ASSERT_TRUE(PickFromPopup(combo, combo->findText(item))) << item.toStdString();
  }

  Window window{StartUp()};
};

TEST_F(AccessibilityTest, InputsAndResultsAreNamedByPromptAndUnit) {
  const struct {
    Ctl id;
    const char* name;
  } cases[] = {
      {Ctl::Label31, "Motor Deviri, d/dk"},
      {Ctl::Combo1, "Motor Gücü, kW"},
      {Ctl::Text2, "Vida Deviri, d/dk"},
      {Ctl::Label36, "Devir Oranı (i)"},
      {Ctl::Combo2, "Motor Kasnağı Çapı, mm"},
      {Ctl::Combo3, "Vida Kasnağı Çapı, mm"},
      {Ctl::Text5, "Kanal Sayısı"},
      {Ctl::Text10, "Eksen Mesafesi, mm"},
      {Ctl::Text11, "Kayış Boyu, mm"},
      {Ctl::Label35, "Açı, derece"},
      {Ctl::Text12, "Tek Kanalın Gücü, kW"},
      {Ctl::Label38, "Kasnak Genişliği, mm"},
      {Ctl::Text13, "Toplam Kayış Gücü, kW"},
      {Ctl::Label40, "Kayış Hızı, m/sn"},
  };
  std::size_t named = 0;
  for (const ControlDef& def : kControls)
    if (!AccessibleName(def.id).isEmpty()) ++named;
  EXPECT_EQ(named, std::size(cases));

  // A list says its current item and a text box nothing unless named: give
  // them a text first, so that the name cannot come from it.
  Pick(Ctl::Combo1, "22");
  Type(Ctl::Text2, "4000");
  for (const auto& c : cases) {
    SCOPED_TRACE(WidgetName(c.id).toStdString());
    EXPECT_EQ(AccessibleName(c.id), QString::fromUtf8(c.name));
    QWidget* w = window.widget(c.id);
    EXPECT_EQ(Accessible(w, QAccessible::Name), QString::fromUtf8(c.name));
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
      EXPECT_EQ(Accessible(combo->lineEdit(), QAccessible::Name), QString::fromUtf8(c.name));
    }
  }
  // The values are still there to read.
  EXPECT_EQ(Accessible(window.widget(Ctl::Text2), QAccessible::Value), "4000");
  EXPECT_EQ(Accessible(window.widget(Ctl::Label31), QAccessible::Description), "2940");
}

TEST_F(AccessibilityTest, ButtonsAndCheckBoxesAreNamedByTheirCaptions) {
  for (const ControlDef& def : kControls) {
    if (def.kind != Kind::CheckBox && def.kind != Kind::OptionButton && def.kind != Kind::CommandButton) continue;
    SCOPED_TRACE(WidgetName(def.id).toStdString());
    EXPECT_EQ(AccessibleName(def.id), QString());
    EXPECT_EQ(Accessible(window.widget(def.id), QAccessible::Name), ToQString(def.caption));
  }
}

// A result that its box cuts shows in full in the tool tip; every result is
// the label's accessible description.  An absurd screw speed of 9E37 rpm
// gives a ratio of 35 digits.
TEST_F(AccessibilityTest, ResultTooWideForItsBoxIsReadableInFull) {
  auto* ratio = qobject_cast<QLabel*>(window.widget(Ctl::Label36));
  Pick(Ctl::Combo1, "22");
  Type(Ctl::Text2, "9E37");
  const QString shown = ratio->text();
  EXPECT_EQ(shown, ToQString(window.form().Caption(Ctl::Label36)));
  EXPECT_EQ(shown.size(), 38);  // 35 digits, the point, 2 decimals
  EXPECT_GT(ratio->fontMetrics().horizontalAdvance(shown), ratio->contentsRect().width());
  EXPECT_EQ(ratio->toolTip(), shown);
  EXPECT_EQ(Accessible(ratio, QAccessible::Description), shown);

  // A usual ratio fits again: no tool tip.
  QTest::keyClick(window.widget(Ctl::Text2), Qt::Key_Backspace);
  QTest::keyClick(window.widget(Ctl::Text2), Qt::Key_Backspace);
  QTest::keyClick(window.widget(Ctl::Text2), Qt::Key_Backspace);
  QTest::keyClicks(window.widget(Ctl::Text2), "000");
  EXPECT_EQ(ratio->text(), "3.06");
  EXPECT_EQ(ratio->toolTip(), QString());
  EXPECT_EQ(Accessible(ratio, QAccessible::Description), "3.06");
}

}  // namespace
}  // namespace kasnak
