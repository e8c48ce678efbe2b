// SPDX-License-Identifier: GPL-3.0-or-later
#include "procedures/whole_number.h"

namespace kasnak {

void WriteWholeNumber(Panel& panel, Control id, Single value) {
  constexpr int kLargestWholeNumber = 32767;
  if (value > kLargestWholeNumber) return;
  panel.SetText(id, NumberText(IntPart(value)));
}

}  // namespace kasnak
