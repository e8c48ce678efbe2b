// SPDX-License-Identifier: GPL-3.0-or-later
// Advice beside the figures: what a careful drive designer would say of the
// window as it stands, drawn from the same tables and limits the figures
// come from.  A pure function of the panel: it reads controls, writes none,
// raises no event and keeps no state.  Where it needs the figures that
// "Hesapla" would give now, it calculates on a copy of the panel; a fault in
// that copy gives no advice from it but that the results are out of date.
//
// Advice about a box speaks of a value the user typed or picked, never of a
// 0 or an empty text that the program wrote for a missing input; it quotes
// only figures on the screen, and says what "Hesapla" would give as what it
// would give.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/controls.h"
#include "model/panel.h"
#include "procedures/calculate.h"

namespace kasnak {

struct Advice {
  // Stable, for scripts and tests: "thousands-dot", "zero-power-ratio",
  // "belt-below-motor"...
  std::string code;
  // The figure that goes with the code ("9" ribs, "PL:5"), or empty.
  std::string figure;
  // The control the advice is about, which the faces mark.
  Control control;
  // What the faces show, in Turkish.
  std::string text;
};

// The advice for the panel as it stands, most important first: the rules in
// their order (results out of date; a number that reads other than it looks,
// a value that is not positive or whole, a motor not in the list; an input
// missing for "Hesapla"; a profile the program took away; speeds and pulleys
// that disagree; a belt too fast; pulleys that touch, a centre distance
// under the floor; why the powers are 0; a belt that carries less than the
// motor, and another profile that carries it), and within a rule the
// controls in the table's order.  A fault in reading one control skips that
// control alone.
std::vector<Advice> AdviceFor(const Panel& panel);
// The same, with the panel as "Hesapla" would leave it shared with another
// reader.
std::vector<Advice> AdviceFor(const Panel& panel, const CalculatedCopy& calculated);

// The results shown (the wrap angle, the power of one rib and of the belt)
// are those that `calculated`, the panel as "Hesapla" leaves it now, shows.
bool ResultsCurrent(const Panel& panel, const Panel& calculated);

// How the faces show the advice, composed here once.
//
// The strip below the form: the first advice and, where more follow, "+N".
struct Strip {
  std::string first;
  std::string more;
};
Strip StripOf(const std::vector<Advice>& advice);
// The strip as one line, as a screen reader reads it: the first advice (or
// as much of it as fits), two spaces, "+N".
std::string StripLine(std::string_view first, const Strip& strip);
// Every advice, one a line: the strip's tool tip and the list it unfolds.
std::string AdviceLines(const std::vector<Advice>& advice);
// Each control's advice, one a line, at the control's index in the table:
// what its mark tells and a screen reader reads as its description.
std::vector<std::string> AdviceAbout(const std::vector<Advice>& advice);

// "CODE[:FIGURE]" for each advice, separated by blanks, as the scenario
// scripts print them.  No code holds the ':' (nor a blank).
std::string AdviceCodes(const std::vector<Advice>& advice);

}  // namespace kasnak
