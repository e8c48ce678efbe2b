// SPDX-License-Identifier: GPL-3.0-or-later
// The application's set-up, the same for the program, the scenario runner's
// window mode and the window tests, and the program's one font.
#pragma once

#include <QFont>

class QApplication;

namespace kasnak {

// Names the application (its name and its desktop entry), gives every
// widget the window's font (message boxes too), and makes Qt's own texts
// Turkish ("Tamam", the text boxes' context menus) when Qt's Turkish
// translation is installed; without it Qt's texts stay English.
void SetUpApplication(QApplication& app);

// The one font of the program, chosen so that every caption fits its box at
// 96 and 144 dpi; the first call registers it with Qt's font database.
QFont WindowFont();

}  // namespace kasnak
