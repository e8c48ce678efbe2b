// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what the page shows before its model has loaded, as the binding
// gives it to the page (web/binding.cpp): the window's client area in CSS
// pixels, "WIDTH HEIGHT", on the first line, and its title as HTML text on
// the second.
// tools/build-web writes them into the page, so that the window stands at its
// size and under its title at once, and nothing moves when the model comes.
#include <iostream>
#include <string>

#include "model/controls.h"

namespace {

std::string HtmlText(std::string_view text) {
  std::string html;
  for (char c : text) {
    if (c == '&')
      html += "&amp;";
    else if (c == '<')
      html += "&lt;";
    else
      html += c;
  }
  return html;
}

}  // namespace

int main() {
  constexpr int kCssDpi = 96;  // CSS pixels: 96 to the inch, as in the binding
  std::cout << kasnak::TwipsToPixels(kasnak::kClientWidthTwips, kCssDpi) << ' '
            << kasnak::TwipsToPixels(kasnak::kClientHeightTwips, kCssDpi) << '\n'
            << HtmlText(kasnak::kWindowTitle) << '\n';
  return 0;
}
