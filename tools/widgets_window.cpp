// SPDX-License-Identifier: GPL-3.0-or-later
// The second floor for start-up measurements: a window of the program's
// window's size holding one widget of each kind the program's window uses (a
// label, a text box, an editable list, a check box, a radio button, a push
// button), set up as the program is (its font, Qt's Turkish texts), without
// the model.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWidget>

#include "app/application.h"
#include "app/window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kasnak::SetUpApplication(app);
  QWidget window;
  window.setWindowTitle(QStringLiteral("widgets-window"));
  window.setFixedSize(kasnak::Window::SizeAt(window.font(), window.logicalDpiX(), window.logicalDpiY()));
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(new QLabel(QStringLiteral("Vida Deviri =")));
  layout->addWidget(new QLineEdit(QStringLiteral("4000")));
  auto* list = new QComboBox;
  list->setEditable(true);
  list->addItems({QStringLiteral("15"), QStringLiteral("18.5"), QStringLiteral("22")});
  layout->addWidget(list);
  layout->addWidget(new QCheckBox(QStringLiteral("Kompakt Motor")));
  layout->addWidget(new QRadioButton(QStringLiteral("PK")));
  layout->addWidget(new QPushButton(QStringLiteral("Hesapla")));
  window.show();
  return QApplication::exec();
}
