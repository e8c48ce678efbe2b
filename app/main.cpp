// SPDX-License-Identifier: GPL-3.0-or-later
// The program: the window over the model, started and run until "Çıkış" or
// the close box.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/application.h"
#include "app/window.h"
#include "procedures/startup.h"

#ifdef KASNAK_X11_CHECK
#include <xcb/xcb.h>
#endif

namespace {

#ifdef KASNAK_X11_CHECK
// Whether the X11 display that Qt's X11 platform is about to open answers.
// It is the X11 platform when no Wayland display is set and QT_QPA_PLATFORM
// names no other.
bool X11DisplayAnswers() {
  if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return true;
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (!platform.isEmpty() && platform != "xcb") return true;
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool answers = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return answers;
}
#endif

}  // namespace

int main(int argc, char** argv) {
#if (defined(Q_OS_LINUX) && !defined(Q_OS_ANDROID)) || defined(Q_OS_FREEBSD) || defined(Q_OS_NETBSD) || \
    defined(Q_OS_OPENBSD) || defined(Q_OS_SOLARIS)
  // Here Qt shows windows through X11 or Wayland and, finding neither or a
  // display that does not answer, would abort with a core dump.
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    std::fputs("kasnak: bir ekran gerekli (no display found; set DISPLAY or WAYLAND_DISPLAY)\n", stderr);
    return 1;
  }
#ifdef KASNAK_X11_CHECK
  if (!qEnvironmentVariableIsEmpty("DISPLAY") && !X11DisplayAnswers()) {
    std::fprintf(stderr, "kasnak: ekran yanıt vermiyor (the display %s does not answer; check DISPLAY)\n",
                 std::getenv("DISPLAY"));
    return 1;
  }
#endif
#endif
  QApplication app(argc, argv);
  kasnak::SetUpApplication(app);

  kasnak::Window window(kasnak::StartUp());
  window.show();
  return QApplication::exec();
}
