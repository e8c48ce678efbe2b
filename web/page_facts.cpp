// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what the page shows before its model has loaded, as the binding
// gives it to the page (web/binding.cpp): the window's client area in CSS
// pixels, "WIDTH HEIGHT", on the first line, and its title on the second.
// tools/build-web writes them into the page, so that the window stands at its
// size and under its title at once, and nothing moves when the model comes,
// and the title into the manifest, as the installed app's name.
#include <iostream>

#include "model/controls.h"

int main() {
  std::cout << kasnak::TwipsToPixels(kasnak::kClientWidthTwips, kasnak::kCssDpi) << ' '
            << kasnak::TwipsToPixels(kasnak::kClientHeightTwips, kasnak::kCssDpi) << '\n'
            << kasnak::kWindowTitle << '\n';
  return 0;
}
