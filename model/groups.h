// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls in groups, for a face that lays them out in more than
// one way: a box or result with its prompt and unit, the profile buttons with
// their prompt, and every other control alone.  At the window's width a group
// stands where its controls stand; narrower, the groups follow one another in
// one column in the window's reading order.
#pragma once

#include <string>
#include <vector>

#include "model/controls.h"

namespace kasnak {

struct ControlGroup {
  // The controls in the window's reading order: prompt, box or buttons, unit.
  std::vector<Control> members;
  // The group's name when its controls are one choice (the profile buttons:
  // "Poly-V Kayış Tipi"); empty otherwise.
  std::string choiceName;
  // The smallest box around the members, in twips.
  int left, top, width, height;
  // The group's place in the window's reading order: its rows top to bottom,
  // each left to right.
  int readingPosition;
};

// Every control in exactly one group.  The groups come in the window's tab
// order (a group with a control that takes the focus stands where that
// control's tab index puts it), so that a face that follows this order needs
// no tab index of its own.
std::vector<ControlGroup> ControlGroups();

// A group's place in pixels at a dpi, relative to the client area: each of
// its edges in turn, rounded to the nearest pixel.
constexpr PixelRect GroupPlace(const ControlGroup& group, int dpi) {
  const int left = TwipsToPixels(group.left, dpi);
  const int top = TwipsToPixels(group.top, dpi);
  return {left, top, TwipsToPixels(group.left + group.width, dpi) - left,
          TwipsToPixels(group.top + group.height, dpi) - top};
}

}  // namespace kasnak
