// SPDX-License-Identifier: GPL-3.0-or-later
// The program: the window over the model, started and run until "Çıkış" or
// the close box.
#include <QApplication>
#include <cstdio>

#include "app/application.h"
#include "app/window.h"
#include "procedures/startup.h"

int main(int argc, char** argv) {
#if (defined(Q_OS_LINUX) && !defined(Q_OS_ANDROID)) || defined(Q_OS_FREEBSD) || defined(Q_OS_NETBSD) || \
    defined(Q_OS_OPENBSD) || defined(Q_OS_SOLARIS)
  // Here Qt shows windows through X11 or Wayland and, finding neither, would
  // abort with a core dump.
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    std::fputs("kasnak: bir ekran gerekli (no display found; set DISPLAY or WAYLAND_DISPLAY)\n", stderr);
    return 1;
  }
#endif
  QApplication app(argc, argv);
  kasnak::SetUpApplication(app);

  kasnak::Window window(kasnak::StartUp());
  window.show();
  return QApplication::exec();
}
