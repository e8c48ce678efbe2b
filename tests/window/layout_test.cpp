// SPDX-License-Identifier: GPL-3.0-or-later
// The window's widgets as laid down by the control table: kind, caption, tool
// tip, place, the fit of the captions and results in the window's font, the
// start-up state, and tab order.  Run at 96 and at 144 logical dpi.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QToolTip>
#include <cstdlib>

#include "app/application.h"
#include "app/text.h"
#include "app/widgets.h"
#include "procedures/startup.h"
#include "tests/harness/window_input.h"
#include "tests/window/support.h"

namespace kasnak {
namespace {

class LayoutTest : public testing::Test {
 protected:
  TestedWindow window{StartUp()};
};

TEST(TwipsToPixelsTest, ScalesByLogicalDpi) {
  struct Case {
    int twips, dpi, pixels;
  } cases[] = {
      {6885, 96, 459}, {4320, 96, 288}, {1440, 96, 96}, {1440, 120, 120},
      {255, 120, 21},  {7, 96, 0},      {8, 96, 1},     {0, 144, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
}

TEST_F(LayoutTest, ScreenHasTheAskedDpi) {
  if (ExpectedDpi() == 0) GTEST_SKIP() << "no --screen-dpi given";
  EXPECT_EQ(window.logicalDpiX(), ExpectedDpi());
  EXPECT_EQ(window.logicalDpiY(), ExpectedDpi());
}

// The widget class of each kind of control, in the order of Kind.
constexpr const char* kClassOf[] = {"QLabel", "QLineEdit", "QComboBox", "QCheckBox", "QRadioButton", "QPushButton"};

TEST_F(LayoutTest, EveryControlHasItsWidget) {
  for (const ControlDef& def : kControls) {
    SCOPED_TRACE(ElementId(def.id));
    QWidget* w = window.findChild<QWidget*>(ToQString(ElementId(def.id)));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w, window.Widget(def.id));
    EXPECT_STREQ(w->metaObject()->className(), kClassOf[static_cast<int>(def.kind)]);
    auto* button = qobject_cast<QAbstractButton*>(w);
    EXPECT_EQ(button ? button->text() : Shown(w), ToQString(def.caption));
    EXPECT_EQ(w->toolTip(), ToQString(def.toolTip));
    if (button) {
      EXPECT_EQ(button->isChecked(), def.startOn);
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
      QStringList items;
      for (const std::string& item : window.Model().Items(def.id)) items << ToQString(item);
      QStringList shown;
      for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
      EXPECT_EQ(shown, items);
      EXPECT_EQ(combo->currentIndex(), -1);  // no item chosen yet
      EXPECT_EQ(combo->currentText(), QString());
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      EXPECT_EQ(edit->text(), QString());
    }
  }
}

// Places worked out by hand from the control table's twips (a pixel is 15
// twips at 96 dpi, 10 at 144; halves round up): the first caption, boxes
// whose width or height rounds at 144 dpi, a caption whose left edge does,
// the last row, and the window's client area.
TEST_F(LayoutTest, TellingControlsSitOnTheirPixels) {
  const struct {
    Control id;
    QRect at96, at144;
  } cases[] = {
      {Control::MotorSpeedPrompt, {8, 16, 73, 25}, {12, 24, 110, 38}},
      {Control::ScrewSpeed, {80, 48, 49, 19}, {120, 72, 74, 29}},
      {Control::FourPole, {352, 40, 97, 17}, {528, 60, 146, 26}},
      {Control::WrapAnglePrompt, {315, 176, 25, 17}, {473, 264, 38, 26}},
      {Control::WrapAngle, {352, 176, 41, 19}, {528, 264, 62, 29}},
      {Control::Subtitle, {264, 272, 169, 17}, {396, 408, 254, 26}},
  };
  const int dpi = ExpectedDpi();
  if (dpi != 96 && dpi != 144) GTEST_SKIP() << "places are known at 96 and 144 dpi";
  for (const auto& c : cases)
    EXPECT_EQ(window.Widget(c.id)->geometry(), dpi == 96 ? c.at96 : c.at144) << ElementId(c.id);
  // The form; below it the advice strip, one line of the font high; below
  // that the section, its title and six lines.
  EXPECT_EQ(window.size(), dpi == 96 ? QSize(459, 288 + 17 + 102) : QSize(689, 432 + 24 + 144));
}

TEST_F(LayoutTest, OpensCentredWithTheScrewSpeedFocused) {
  ASSERT_TRUE(window.ShowActive());
  // The client area; the frame, which the desktop draws, around it.
  const QPoint offset = window.geometry().center() - window.screen()->availableGeometry().center();
  EXPECT_LE(std::abs(offset.x()), 1) << offset.x();
  EXPECT_LE(std::abs(offset.y()), 1) << offset.y();
  EXPECT_TRUE(window.frameGeometry().contains(window.geometry()));
  EXPECT_EQ(QApplication::focusWidget(), window.Widget(Control::ScrewSpeed));
}

// A hover shows the control's tool tip.
TEST_F(LayoutTest, ToolTipsShowOnHover) {
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  for (const ControlDef& def : kControls) {
    if (def.toolTip.empty()) continue;
    SCOPED_TRACE(ElementId(def.id));
    QWidget* w = window.Widget(def.id);
    const QPoint at = w->rect().center();
    QHelpEvent hover(QEvent::ToolTip, at, w->mapToGlobal(at));
    QApplication::sendEvent(w, &hover);
    EXPECT_EQ(QToolTip::text(), ToQString(def.toolTip));
    QToolTip::hideText();
  }
}

TEST_F(LayoutTest, WindowIsFixedWithCloseBoxOnly) {
  EXPECT_EQ(window.windowTitle(), ToQString(kWindowTitle));
  const QSize form(TwipsToPixels(kClientWidthTwips, window.logicalDpiX()),
                   TwipsToPixels(kClientHeightTwips, window.logicalDpiY()));
  // The window grows by the advice strip, which stands below the form, and
  // the section below the strip, a title and six lines high.
  const QRect strip = window.AdviceStrip()->geometry();
  EXPECT_EQ(strip, QRect(0, form.height(), form.width(), strip.height()));
  EXPECT_LT(strip.height(), 2 * QFontMetrics(window.font()).lineSpacing());
  const QRect section = window.Section()->geometry();
  EXPECT_EQ(section, QRect(0, strip.bottom() + 1, form.width(), section.height()));
  EXPECT_GE(section.height(), 7 * QFontMetrics(window.font()).lineSpacing());
  EXPECT_LT(section.height(), 8 * QFontMetrics(window.font()).lineSpacing());
  const QSize client = form + QSize(0, strip.height() + section.height());
  EXPECT_EQ(window.size(), client);
  EXPECT_EQ(window.minimumSize(), client);
  EXPECT_EQ(window.maximumSize(), client);
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window.windowIcon().availableSizes().contains(QSize(32, 32)));
}

// The captions must not be clipped by their boxes in the window's font.
TEST_F(LayoutTest, EveryCaptionFitsItsBox) {
  // Qt resolves a missing family to another font, which may be wider.
  EXPECT_TRUE(QFontInfo(WindowFont()).family().startsWith(WindowFont().family()))
      << WindowFont().family().toStdString() << " is not installed";
  for (const ControlDef& def : kControls) {
    if (def.caption.empty()) continue;
    SCOPED_TRACE(ElementId(def.id));
    QWidget* w = window.Widget(def.id);
    const QFontMetrics metrics(w->font());
    const int text = metrics.horizontalAdvance(ToQString(def.caption));
    int room = w->contentsRect().width();
    if (def.kind == Kind::CheckBox || def.kind == Kind::OptionButton)
      room = w->width() - (w->sizeHint().width() - text);
    if (def.kind == Kind::CommandButton) room -= 2 * w->style()->pixelMetric(QStyle::PM_ButtonMargin);
    EXPECT_LE(text, room);
    EXPECT_LE(metrics.height(), w->height());
  }
}

// The longest results a user gets in ordinary use fit every result box: a
// motor speed, belt speeds, a wrap angle, a PM pulley width, a negative ratio.
TEST_F(LayoutTest, UsualResultsFitTheirBoxes) {
  const QString results[] = {"2980", "69.93", "163.44", "116.2", "-12.34", "94.25", "1.36"};
  for (const ControlDef& def : kControls) {
    if (!def.output) continue;
    auto* label = qobject_cast<QLabel*>(window.Widget(def.id));
    ASSERT_NE(label, nullptr);
    // The label draws inside its border, its margin and its indent; a
    // bordered label with no indent set indents by half an 'x'.
    const QFontMetrics metrics = label->fontMetrics();
    const int m = label->margin();
    int indent = label->indent();
    if (indent < 0) indent = label->frameWidth() > 0 ? metrics.horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    const QRect room = label->contentsRect().adjusted(m + indent, m, -m, -m);
    for (const QString& result : results) {
      SCOPED_TRACE(ElementId(def.id) + " '" + result.toStdString() + "'");
      EXPECT_LE(metrics.horizontalAdvance(result), room.width());
      // The ink, drawn from the top of the room on the first line.
      const QRect ink = metrics.tightBoundingRect(result).translated(0, metrics.ascent());
      EXPECT_TRUE(QRect(QPoint(), room.size()).contains(ink))
          << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height() << " in " << room.width() << "x"
          << room.height();
    }
  }
}

// Pressing Tab from the screw speed walks the controls in tab order, and
// Shift+Tab walks them back.  The profile buttons form one stop: only the
// selected one takes the focus.
TEST_F(LayoutTest, TabWalksTheTabOrder) {
  ASSERT_TRUE(window.ShowActive());
  std::vector<QWidget*> expected;
  for (Control id : TabOrder())
    if (Def(id).kind != Kind::OptionButton || window.Model().Value(id)) expected.push_back(window.Widget(id));
  expected.push_back(window.Widget(Control::ScrewSpeed));  // round again

  // The control a focus stands for: a list for its text field.
  auto control = [](QWidget* focus) {
    while (focus && focus->focusProxy()) focus = focus->focusProxy();
    if (focus && qobject_cast<QComboBox*>(focus->parentWidget())) focus = focus->parentWidget();
    return focus;
  };
  auto walk = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
    std::vector<QWidget*> walked{control(QApplication::focusWidget())};
    for (std::size_t i = 1; i < expected.size(); ++i) {
      if (!QApplication::focusWidget()) break;
      QTest::keyClick(QApplication::focusWidget(), key, modifiers);
      walked.push_back(control(QApplication::focusWidget()));
    }
    return walked;
  };
  auto names = [](const std::vector<QWidget*>& ws) {
    std::vector<std::string> out;
    for (QWidget* w : ws) out.push_back(w ? w->objectName().toStdString() : "(none)");
    return out;
  };
  EXPECT_EQ(names(walk(Qt::Key_Tab, Qt::NoModifier)), names(expected));
  const std::vector<QWidget*> back(expected.rbegin(), expected.rend());
  EXPECT_EQ(names(walk(Qt::Key_Backtab, Qt::ShiftModifier)), names(back));
}

}  // namespace
}  // namespace kasnak
