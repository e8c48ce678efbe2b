// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what the page shows before its model has loaded, as the binding
// gives it to the page (web/binding.cpp): the window's client area in CSS
// pixels and the most lines of the ordering and fitting section, "WIDTH
// HEIGHT LINES", on the first line, and its title on the second.
// tools/build-web writes them into the page, so that the window stands at its
// size, with the section's room, and under its title at once, and nothing
// moves when the model comes, and the title into the manifest, as the
// installed app's name.
#include <iostream>

#include "fitting/sheet.h"
#include "model/controls.h"

int main() {
  std::cout << kasnak::TwipsToPixels(kasnak::kClientWidthTwips, kasnak::kCssDpi) << ' '
            << kasnak::TwipsToPixels(kasnak::kClientHeightTwips, kasnak::kCssDpi) << ' ' << kasnak::kSheetLines << '\n'
            << kasnak::kWindowTitle << '\n';
  return 0;
}
