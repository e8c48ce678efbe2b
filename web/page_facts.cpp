// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what the page shows before its model has loaded, as the binding
// gives it to the page (web/binding.cpp): the window's client area in CSS
// pixels, the most lines of the ordering and fitting section and the indent
// of the strip's and the section's text in CSS pixels, "WIDTH HEIGHT LINES
// INDENT", on the first line, and its title on the second.
// tools/build-web writes them into the page, so that the window stands at its
// size, with the section's room, and under its title at once, and nothing
// moves when the model comes, and the title into the manifest, as the
// installed app's name.
#include <iostream>

#include "fitting/sheet.h"
#include "model/controls.h"

int main() {
  const kasnak::PixelRect form = kasnak::ClientPlace(kasnak::kCssDpi, kasnak::kCssDpi);
  std::cout << form.width << ' ' << form.height << ' ' << kasnak::kSheetLines << ' '
            << kasnak::TextIndent(kasnak::kCssDpi) << '\n'
            << kasnak::kWindowTitle << '\n';
  return 0;
}
