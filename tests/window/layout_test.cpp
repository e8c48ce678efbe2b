// The window's widgets as laid down by the control table: kind, caption, tool
// tip, place, the fit of the captions in the window's font, and tab order.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QTest>

#include "app/window.h"
#include "catalogue/startup.h"

namespace kasnak {
namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

class LayoutTest : public testing::Test {
 protected:
  Window window{StartUp()};
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

// The caption a widget shows: a label's text or a button's.
QString Caption(QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
  return {};
}

// The widget class of each kind of control, in the order of Kind.
constexpr const char* kClassOf[] = {"QLabel", "QLineEdit", "QComboBox", "QCheckBox", "QRadioButton", "QPushButton"};

TEST_F(LayoutTest, EveryControlHasItsWidget) {
  const int dpiX = window.logicalDpiX();
  const int dpiY = window.logicalDpiY();
  for (const ControlSpec& spec : kControls) {
    SCOPED_TRACE(WidgetName(spec.id).toStdString());
    QWidget* w = window.findChild<QWidget*>(WidgetName(spec.id));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w, window.widget(spec.id));
    EXPECT_STREQ(w->metaObject()->className(), kClassOf[static_cast<int>(spec.kind)]);
    EXPECT_EQ(Caption(w), Q(spec.caption));
    EXPECT_EQ(w->toolTip(), Q(spec.toolTip));
    EXPECT_EQ(w->geometry(), QRect(TwipsToPixels(spec.left, dpiX), TwipsToPixels(spec.top, dpiY),
                                   TwipsToPixels(spec.width, dpiX), TwipsToPixels(spec.height, dpiY)));
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      EXPECT_EQ(button->isChecked(), spec.startOn);
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
      EXPECT_EQ(combo->count(), static_cast<int>(window.form().Items(spec.id).size()));
      EXPECT_EQ(combo->currentText(), QString());
    }
  }
}

TEST_F(LayoutTest, WindowIsFixedWithCloseBoxOnly) {
  EXPECT_EQ(window.windowTitle(), Q(kFormTitle));
  const QSize client(TwipsToPixels(kClientWidthTwips, window.logicalDpiX()),
                     TwipsToPixels(kClientHeightTwips, window.logicalDpiY()));
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
  for (const ControlSpec& spec : kControls) {
    if (spec.caption.empty()) continue;
    SCOPED_TRACE(WidgetName(spec.id).toStdString());
    QWidget* w = window.widget(spec.id);
    const QFontMetrics metrics(w->font());
    const int text = metrics.horizontalAdvance(Q(spec.caption));
    int room = w->contentsRect().width();
    if (spec.kind == Kind::CheckBox || spec.kind == Kind::OptionButton)
      room = w->width() - (w->sizeHint().width() - text);
    if (spec.kind == Kind::CommandButton) room -= 2 * w->style()->pixelMetric(QStyle::PM_ButtonMargin);
    EXPECT_LE(text, room);
    EXPECT_LE(metrics.height(), w->height());
  }
}

// Pressing Tab from the screw speed walks the controls in tab order.  The
// profile buttons form one stop: only the selected one takes the focus.
TEST_F(LayoutTest, TabWalksTheTabOrder) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_EQ(QApplication::focusWidget(), window.widget(Ctl::Text2));

  std::vector<QWidget*> expected;
  for (Ctl id : TabOrder())
    if (Spec(id).kind != Kind::OptionButton || window.form().Value(id)) expected.push_back(window.widget(id));
  expected.push_back(window.widget(Ctl::Text2));  // round again

  std::vector<QWidget*> walked{QApplication::focusWidget()};
  for (std::size_t i = 1; i < expected.size(); ++i) {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    // The text field of a list passes its focus on to the list.
    while (focus && focus->focusProxy()) focus = focus->focusProxy();
    if (focus && qobject_cast<QComboBox*>(focus->parentWidget())) focus = focus->parentWidget();
    walked.push_back(focus);
  }
  auto names = [](const std::vector<QWidget*>& ws) {
    std::vector<std::string> out;
    for (QWidget* w : ws) out.push_back(w ? w->objectName().toStdString() : "(none)");
    return out;
  };
  EXPECT_EQ(names(walked), names(expected));
}

}  // namespace
}  // namespace kasnak
