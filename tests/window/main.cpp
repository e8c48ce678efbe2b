// The window tests need a QApplication; they run on the offscreen platform
// unless told otherwise.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/window.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setFont(kasnak::WindowFont());
  // A window closed by a test must not end the message boxes of later tests.
  QApplication::setQuitOnLastWindowClosed(false);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
