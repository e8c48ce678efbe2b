// SPDX-License-Identifier: GPL-3.0-or-later
// Timing of the paths a designer waits for: a whole Calculate chain, alone
// and where the advice tries the other profiles, one keystroke in the belt
// length box, one keystroke in the screw speed box and one motor pick, each
// with the advice that follows it.
#include <benchmark/benchmark.h>

#include <memory>

#include "advice/advice.h"
#include "model/panel.h"
#include "procedures/startup.h"

namespace kasnak {
namespace {

// A started window holding a realistic PL drive, ready for "Hesapla".
std::unique_ptr<Panel> PlDrive() {
  std::unique_ptr<Panel> panel = StartUp();
  panel->UserClick(Control::ProfilePL);
  panel->UserClick(Control::HeavyDuty);
  panel->UserEdit(Control::ScrewSpeed, "4000");
  panel->SetCaption(Control::Ratio, "1.35");
  panel->SetText(Control::MotorPulley, "180");
  panel->SetText(Control::ScrewPulley, "132");
  panel->UserEdit(Control::RibCount, "8");
  return panel;
}

void CalculateChain(benchmark::State& state) {
  std::unique_ptr<Panel> panel = PlDrive();
  for (auto _ : state) {
    panel->SetText(Control::CenterDistance, "400");
    benchmark::DoNotOptimize(panel->UserClick(Control::CalculateButton));
    benchmark::DoNotOptimize(AdviceFor(*panel));
  }
}
BENCHMARK(CalculateChain);

// "Hesapla" on the guide's typical use, where the advice also calculates
// the belt on a copy for each other profile that would carry the motor.
void CalculateWithOtherProfiles(benchmark::State& state) {
  std::unique_ptr<Panel> panel = StartUp();
  panel->UserPick(Control::MotorPower, 4);  // 22 kW
  panel->UserEdit(Control::ScrewSpeed, "4000");
  panel->UserPick(Control::ScrewPulley, 11);  // 200 mm
  panel->UserClick(Control::ProfilePK);
  panel->UserEdit(Control::RibCount, "6");
  for (auto _ : state) {
    benchmark::DoNotOptimize(panel->UserClick(Control::CalculateButton));
    benchmark::DoNotOptimize(AdviceFor(*panel));
  }
}
BENCHMARK(CalculateWithOtherProfiles);

void BeltLengthKeystroke(benchmark::State& state) {
  std::unique_ptr<Panel> panel = PlDrive();
  const char* texts[] = {"1500", "15000"};
  int k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(panel->UserEdit(Control::BeltLength, texts[k]));
    benchmark::DoNotOptimize(AdviceFor(*panel));
    k ^= 1;
  }
}
BENCHMARK(BeltLengthKeystroke);

void ScrewSpeedKeystroke(benchmark::State& state) {
  std::unique_ptr<Panel> panel = PlDrive();
  panel->UserPick(Control::MotorPower, 4);
  const char* texts[] = {"400", "4000"};
  int k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(panel->UserEdit(Control::ScrewSpeed, texts[k]));
    benchmark::DoNotOptimize(AdviceFor(*panel));
    k ^= 1;
  }
}
BENCHMARK(ScrewSpeedKeystroke);

void MotorPick(benchmark::State& state) {
  std::unique_ptr<Panel> panel = PlDrive();
  std::size_t item = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(panel->UserPick(Control::MotorPower, item));
    benchmark::DoNotOptimize(AdviceFor(*panel));
    item = (item + 1) % panel->Items(Control::MotorPower).size();
  }
}
BENCHMARK(MotorPick);

}  // namespace
}  // namespace kasnak

BENCHMARK_MAIN();
