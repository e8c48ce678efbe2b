// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/stock_lengths.h"

#include <algorithm>
#include <array>

namespace kasnak {
namespace {

// clang-format off
constexpr int kPJ[] = {
    356, 381, 406, 432, 457, 483, 508, 559, 584, 610, 660, 686, 711, 737, 762, 787, 813, 838, 864, 889, 914, 965,
    991, 1016, 1054, 1092, 1143, 1168, 1194, 1200, 1208, 1219, 1245, 1270, 1295, 1321, 1333, 1372, 1397, 1461,
    1473, 1549, 1600, 1626, 1651, 1702, 1753, 1778, 1854, 1915, 1930, 1956, 1981, 2019, 2083, 2210, 2286, 2337,
    2489};
constexpr int kPK[] = {
    635, 648, 698, 730, 770, 813, 830, 885, 925, 960, 1010, 1035, 1132, 1207, 1246, 1298, 1357, 1420, 1459, 1481,
    1521, 1562, 1607, 1630, 1675, 1725, 1815, 1885, 1982, 2031, 2080, 2171, 2225, 2471, 2551};
constexpr int kPL[] = {
    991, 1041, 1149, 1168, 1194, 1219, 1270, 1295, 1321, 1334, 1346, 1372, 1397, 1422, 1435, 1473, 1499, 1562,
    1613, 1651, 1664, 1715, 1765, 1803, 1841, 1943, 1956, 1981, 2019, 2070, 2096, 2134, 2195, 2235, 2324, 2362,
    2477, 2515, 2705, 2745, 2845, 2895, 2921, 2997, 3085, 3124, 3289, 3327, 3492, 3696, 4051, 4191, 4318, 4470,
    4622, 5029, 5385, 6096, 7055};
constexpr int kPM[] = {
    2286, 2388, 2515, 2693, 2832, 2921, 3010, 3124, 3327, 3531, 3734, 4089, 4191, 4470, 4648, 5029, 5410, 6121,
    6883, 7646, 8408, 9169, 9931, 10693, 12217, 13741, 15266, 16764};
// clang-format on

// In the order of the profiles.
constexpr std::array<std::span<const int>, kProfiles.size()> kStockLengths = {kPJ, kPK, kPL, kPM};
static_assert(
    [] {
      for (std::span<const int> lengths : kStockLengths)
        if (!std::is_sorted(lengths.begin(), lengths.end()) ||
            std::adjacent_find(lengths.begin(), lengths.end()) != lengths.end())
          return false;
      return true;
    }(),
    "each profile's lengths shortest first, each once");

}  // namespace

std::span<const int> StockLengths(BeltProfile profile) { return kStockLengths[static_cast<std::size_t>(profile)]; }

StockNeighbours NearestStock(BeltProfile profile, Real length) {
  const std::span<const int> lengths = StockLengths(profile);
  // The first stock length not shorter than the belt.
  const auto next =
      std::lower_bound(lengths.begin(), lengths.end(), length, [](int stock, Real belt) { return Real(stock) < belt; });
  StockNeighbours near;
  if (next != lengths.begin()) near.shorter = *(next - 1);
  auto after = next;
  if (next != lengths.end() && Real(*next) == length) near.exact = *after++;
  if (after != lengths.end()) near.longer = *after;
  return near;
}

}  // namespace kasnak
