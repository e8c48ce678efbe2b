// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up measurements: an empty Qt window of the program's
// window's size, with nothing in it.
//
//   bare-window --size         prints that size at the screen's logical dpi,
//                              "WIDTH HEIGHT"
//   bare-window WIDTH HEIGHT   shows the empty window
//
// The size takes the window's font, which the empty window does not load:
// tools/measure-startup asks for it once and gives it to every run.
#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/application.h"
#include "app/window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  if (argc == 2 && std::strcmp(argv[1], "--size") == 0) {
    const QSize size = kasnak::Window::SizeAt(kasnak::WindowFont(), window.logicalDpiX(), window.logicalDpiY());
    std::printf("%d %d\n", size.width(), size.height());
    return 0;
  }
  if (argc != 3) {
    std::fputs("usage: bare-window --size | WIDTH HEIGHT\n", stderr);
    return 2;
  }
  window.setWindowTitle(QStringLiteral("bare-window"));
  window.setFixedSize(std::atoi(argv[1]), std::atoi(argv[2]));
  window.show();
  return QApplication::exec();
}
