// The program: the window over the model, started and run until "Çıkış" or
// the close box.
#include <QApplication>
#include <cstdio>

#include "app/window.h"
#include "catalogue/startup.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    std::fputs("kasnak: bir ekran gerekli (no display found; set DISPLAY)\n", stderr);
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(kasnak::kProgramName));
  // The desktop entry the program is installed with (KASNAK_APP_ID.desktop).
  QGuiApplication::setDesktopFileName(QStringLiteral(KASNAK_APP_ID));
  QApplication::setFont(kasnak::WindowFont());

  kasnak::Window window(kasnak::StartUp());
  window.show();
  return QApplication::exec();
}
