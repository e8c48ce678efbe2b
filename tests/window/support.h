// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests share: the screen they run on, a window shown and
// active with the user's typing, picking and clicking, message boxes closed
// as they open, and readable Qt strings in failure messages.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QString>
#include <QTest>
#include <QTimer>
#include <functional>
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
  void SetUp() override { ASSERT_TRUE(window.ShowActive()); }
  void Type(Control id, const char* keys) {
    window.Widget(id)->setFocus();
    TypeAtEnd(window.Widget(id), QString::fromUtf8(keys));
  }
  void Pick(Control id, const QString& item) {
    auto* combo = qobject_cast<QComboBox*>(window.Widget(id));
    ASSERT_TRUE(PickFromPopup(combo, combo->findText(item))) << item.toStdString();
    EXPECT_FALSE(combo->view()->isVisible());
  }
  void Click(Control id) { QTest::mouseClick(qobject_cast<QAbstractButton*>(window.Widget(id)), Qt::LeftButton); }
  void Backspace(Control id, int times) {
    for (int k = 0; k < times; ++k) QTest::keyClick(window.Widget(id), Qt::Key_Backspace);
  }

  TestedWindow window;
};

// Answers every message box as soon as it shows: `seen` looks at it, then a
// click on its OK button closes it.  Polls, so that a box shown late still
// closes and the test cannot hang.
inline void CloseEveryBox(QTimer& poll, std::function<void(QMessageBox&)> seen) {
  poll.setInterval(0);
  QObject::connect(&poll, &QTimer::timeout, [seen = std::move(seen)] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    seen(*box);
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
  });
  poll.start();
}

}  // namespace kasnak

// GoogleTest prints a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
