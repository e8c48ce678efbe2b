// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests share: the screen they run on, a window shown and
// active with the user's typing and picking, and readable Qt strings in
// failure messages.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QString>
#include <QTest>
#include <memory>
#include <ostream>
#include <utility>

#include "procedures/startup.h"
#include "tests/harness/window_input.h"

namespace kasnak {

// The logical dpi the tests were started for (--screen-dpi=N), 0 when none
// was asked for.
int ExpectedDpi();

// The window on a model, by default the started program's, shown and active.
class WindowTest : public testing::Test {
 protected:
  explicit WindowTest(std::unique_ptr<Panel> panel = StartUp()) : window(std::move(panel)) {}
  void SetUp() override {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  void Type(Control id, const char* keys) {
    window.Widget(id)->setFocus();
    TypeAtEnd(window.Widget(id), QString::fromUtf8(keys));
  }
  void Pick(Control id, const QString& item) {
    auto* combo = qobject_cast<QComboBox*>(window.Widget(id));
    ASSERT_TRUE(PickFromPopup(combo, combo->findText(item))) << item.toStdString();
    EXPECT_FALSE(combo->view()->isVisible());
  }

  TestedWindow window;
};

}  // namespace kasnak

// GoogleTest prints a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
