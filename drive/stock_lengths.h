// SPDX-License-Identifier: GPL-3.0-or-later
// The ribbed belts sold from stock: for each profile, the reference lengths
// (mm) of the belt maker whose ratings the rating table holds, shortest
// first.  Plain data, and the stock lengths next to a belt.
#pragma once

#include <optional>
#include <span>

#include "drive/profiles.h"
#include "numbers/numbers.h"

namespace kasnak {

// The profile's stock lengths, mm, shortest first.
std::span<const int> StockLengths(BeltProfile profile);

// The stock lengths next to a belt of `length` mm: the one it is exactly,
// the longest shorter one and the shortest longer one, each where there is
// one.
struct StockNeighbours {
  std::optional<int> exact;
  std::optional<int> shorter;
  std::optional<int> longer;
};
StockNeighbours NearestStock(BeltProfile profile, Real length);

}  // namespace kasnak
