// The belt profiles and the pulley width.
#pragma once

#include "panel/form.h"

namespace kasnak {

// A profile button became selected.
void Option1_Click(Form1& form, int index);
// The rib count text changed.
void Text5_Change(Form1& form);

}  // namespace kasnak
