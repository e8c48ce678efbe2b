// SPDX-License-Identifier: GPL-3.0-or-later
// Timing of the paths a designer waits for: a whole Calculate chain, alone
// and where the advice tries the other profiles, one keystroke in the belt
// length box, one keystroke in the screw speed box and one motor pick, each
// with the advice and the ordering and fitting section that follow it, as a
// face shows them.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <utility>

#include "advice/advice.h"
#include "fitting/sheet.h"
#include "model/panel.h"
#include "procedures/startup.h"
#include "tests/harness/drive_inputs.h"
#include "tests/harness/script.h"

namespace kasnak {
namespace {

// What a face reads after an action: the advice and the section, sharing the
// panel as "Hesapla" would leave it.
void Shown(const Panel& panel) {
  const CalculatedCopy calculated(panel);
  benchmark::DoNotOptimize(AdviceFor(panel, calculated));
  benchmark::DoNotOptimize(SheetFor(panel, calculated));
}

// A realistic PL drive, ready for "Hesapla".
const DriveInputs kPlDrive = {"4000", "1.35", std::nullopt, false, "180", "132", BeltProfile::PL, "8"};

void CalculateChain(benchmark::State& state) {
  std::unique_ptr<Panel> panel = StartedWith(kPlDrive);
  for (auto _ : state) {
    panel->SetText(Control::CenterDistance, "400");
    benchmark::DoNotOptimize(panel->UserClick(Control::CalculateButton));
    Shown(*panel);
  }
}
BENCHMARK(CalculateChain);

// "Hesapla" again after the typical use (KASNAK_TYPICAL_USE, the scenario
// script), where the advice also calculates the belt on a copy for each other
// profile that would carry the motor.
void CalculateWithOtherProfiles(benchmark::State& state) {
  std::unique_ptr<Panel> panel = StartUp();
  std::ifstream script(KASNAK_TYPICAL_USE);
  std::ostringstream shown;
  if (PlayScript(*panel, script, shown, shown) != kScriptPlayed) {
    const std::string why = "the typical use does not play: " + shown.str();
    state.SkipWithError(why.c_str());
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(panel->UserClick(Control::CalculateButton));
    Shown(*panel);
  }
}
BENCHMARK(CalculateWithOtherProfiles);

// A keystroke in a box of the PL drive, which takes one text and the other
// in turn; with motor, the motor picked first.
void Keystrokes(benchmark::State& state, Control box, const char* one, const char* other,
                std::optional<std::size_t> motor = std::nullopt) {
  std::unique_ptr<Panel> panel = StartedWith(kPlDrive);
  if (motor) panel->UserPick(Control::MotorPower, *motor);
  for (auto _ : state) {
    benchmark::DoNotOptimize(panel->UserEdit(box, one));
    Shown(*panel);
    std::swap(one, other);
  }
}
void BeltLengthKeystroke(benchmark::State& state) { Keystrokes(state, Control::BeltLength, "1500", "15000"); }
BENCHMARK(BeltLengthKeystroke);
void ScrewSpeedKeystroke(benchmark::State& state) { Keystrokes(state, Control::ScrewSpeed, "400", "4000", 4); }
BENCHMARK(ScrewSpeedKeystroke);

void MotorPick(benchmark::State& state) {
  std::unique_ptr<Panel> panel = StartedWith(kPlDrive);
  std::size_t item = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(panel->UserPick(Control::MotorPower, item));
    Shown(*panel);
    item = (item + 1) % panel->Items(Control::MotorPower).size();
  }
}
BENCHMARK(MotorPick);

}  // namespace
}  // namespace kasnak

BENCHMARK_MAIN();
