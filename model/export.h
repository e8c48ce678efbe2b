// SPDX-License-Identifier: GPL-3.0-or-later
// The control table and the window's facts as one JSON text, for a face or a
// tool outside this program: the page's binding reads it at start-up, and
// kasnak-script --controls prints it for the tools that drive the window.
#pragma once

#include <string>
#include <string_view>

#include "model/panel.h"

namespace kasnak {

// A JSON text written value by value.  Texts stay UTF-8; a quote, a
// backslash and every control character are escaped, and each byte of a
// text that is not well-formed UTF-8 above ASCII stands as U+FFFD.
class JsonWriter {
 public:
  JsonWriter& Open(char bracket);
  JsonWriter& Close(char bracket);
  JsonWriter& Key(std::string_view key);
  JsonWriter& Text(std::string_view text);
  JsonWriter& Number(int number);
  JsonWriter& Number(double number);
  JsonWriter& Flag(bool flag);
  const std::string& Written() const { return out_; }

 private:
  void Separate();
  void Quote(std::string_view text);

  std::string out_;
  bool first_ = true;
};

// The name of a list's button after the list's prompt: "Motor Gücü listesini
// aç".
inline constexpr std::string_view kOpenListSuffix = " listesini aç";

// The window: its title, its client area in pixels at `dpi`, the indent of
// the strip's and the section's text, the font size of every caption and box
// in points, the program's name (the title of a fault's box) and the caption
// of the box's button, and the place in the table of the control that has
// the focus when the window opens.
void WriteWindow(JsonWriter& json, int dpi);

// The control table, in its order: one object per control.  Its element id;
// for an option button the group its buttons share; its kind, caption and
// tool tip; its place in pixels at `dpi`, as the window places its widget;
// its accessible name (a result's without a result) and the name a person
// hears (that one, or else its caption); whether it shows a result; the
// characters a user may type (0: no limit); whether it starts ticked or
// selected; whether it ends the program; for a list, the name of the button
// that opens it and, where `lists` is given, its items there.
void WriteControlTable(JsonWriter& json, int dpi, const Panel* lists = nullptr);

}  // namespace kasnak
