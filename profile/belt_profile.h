// The belt profile chosen with the four Option1 buttons.
#pragma once

#include <optional>

#include "panel/form.h"

namespace kasnak {

// The index of the profile's Option1 button.
enum class BeltProfile { PJ, PK, PL, PM };

// The first selected button in index order, or none when no button is
// selected.
std::optional<BeltProfile> SelectedProfile(const Form1& form);

}  // namespace kasnak
