// SPDX-License-Identifier: GPL-3.0-or-later
// Ordering and fitting the belt: the section below the advice that names the
// stock belts to order and gives the tension to fit them at, the load on the
// shafts, the tension meter's frequency and the belt's power as a share of
// the motor's.  A pure function of the panel, like the advice: it reads
// controls, writes none, and calculates on a copy of the panel.
//
// It speaks only while the results shown are what "Hesapla" gives now: with
// no results shown it is empty, with results out of date it is one line that
// says so.  Where a figure cannot be computed, a line says why in words.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/panel.h"
#include "procedures/calculate.h"

namespace kasnak {

// The section's title.
inline constexpr std::string_view kSheetTitle = "Sipariş ve montaj";
// The most lines the section shows below its title.
inline constexpr std::size_t kSheetLines = 6;

struct Sheet {
  // What the section shows below its title, one line each, in Turkish, each
  // figure with its unit.
  std::vector<std::string> lines;
  // The figures as the scenario scripts print them: "NAME:VALUE[:VALUE]"
  // separated by blanks, each value as a line shows it; empty while the
  // results are not current.
  std::string figures;
};

Sheet SheetFor(const Panel& panel);
// The same, with the panel as "Hesapla" would leave it shared with another
// reader.
Sheet SheetFor(const Panel& panel, const CalculatedCopy& calculated);

}  // namespace kasnak
