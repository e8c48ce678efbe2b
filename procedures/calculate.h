// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation behind "Hesapla": the drive geometry, then the belt
// rating.
#pragma once

#include <optional>

#include "model/panel.h"

namespace kasnak {

// "Hesapla": fixes the centre distance, shows the wrap angle and the belt
// length, then the power of one rib and of the whole belt.
void Calculate(Panel& panel);
// Heavy duty ticked or cleared: calculates again.
void HeavyDutyClicked(Panel& panel);

// The panel as "Hesapla" would leave it now, calculated on a copy the first
// time it is asked for and kept: none where "Hesapla" faults.  The readers
// of the panel (the advice, the ordering and fitting section) share one.
class CalculatedCopy {
 public:
  explicit CalculatedCopy(const Panel& panel) : panel_(panel) {}
  const Panel* Get() const;
  // The fault that stops "Hesapla" now, if it faults.
  std::optional<FaultKind> Fault() const {
    Get();
    return fault_;
  }

 private:
  const Panel& panel_;
  mutable std::optional<std::optional<Panel>> copy_;
  mutable std::optional<FaultKind> fault_;
};

// The power (kW) of a belt of `ribCount` ribs with the rating, the factors
// and the service factor of the last calculation, as "Hesapla" computes it
// before rounding.
Real BeltPower(const DriveState& drive, Real ribCount);

}  // namespace kasnak
