// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up measurements: an empty Qt window of the same size,
// with nothing in it.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare-window"));
  window.setFixedSize(459, 305);
  window.show();
  return QApplication::exec();
}
