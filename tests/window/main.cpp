// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests need a QApplication; they run on the offscreen platform
// unless told otherwise.
//
//   --screen-dpi=N   an offscreen screen of N logical dots per inch, seen by
//                    the widgets as such (no high-dpi scaling)
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <cstring>

#include "app/application.h"
#include "tests/window/support.h"

namespace kasnak {
namespace {
int expectedDpi = 0;
}  // namespace

int ExpectedDpi() { return expectedDpi; }

}  // namespace kasnak

int main(int argc, char** argv) {
  // Taken out before Qt and GoogleTest read the arguments.
  QTemporaryDir config;
  for (int i = 1; i < argc; ++i) {
    constexpr const char* kOption = "--screen-dpi=";
    if (std::strncmp(argv[i], kOption, std::strlen(kOption)) != 0) continue;
    const QByteArray dpi = QByteArray(argv[i] + std::strlen(kOption));
    QFile file(config.filePath(QStringLiteral("screen.json")));
    if (!file.open(QIODevice::WriteOnly)) return 2;
    file.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": )" +
               dpi + R"(, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + file.fileName().toLocal8Bit());
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    kasnak::expectedDpi = dpi.toInt();
    for (int j = i; j < argc; ++j) argv[j] = argv[j + 1];
    --argc;
    break;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  kasnak::SetUpApplication(app);
  // A window closed by a test must not end the message boxes of later tests.
  QApplication::setQuitOnLastWindowClosed(false);
  // A box that no test closes (an unexpected fault) fails the test that
  // opened it and is closed within a second: the test goes on instead of
  // waiting on the box until ctest's timeout.
  QTimer watchdog;
  QPointer<QWidget> open;
  QObject::connect(&watchdog, &QTimer::timeout, [&open] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal == open) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ADD_FAILURE() << "a box no test expected: " << (box ? box->text() : modal->windowTitle()).toStdString();
      if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
      else
        modal->close();
    }
    open = modal;
  });
  watchdog.start(500);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
