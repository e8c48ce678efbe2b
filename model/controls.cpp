// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/controls.h"

namespace kasnak {

std::optional<Control> FindControl(std::string_view name, int index) {
  for (const ControlDef& c : kControls)
    if (c.name == name && c.index == index) return c.id;
  return std::nullopt;
}

}  // namespace kasnak
