// SPDX-License-Identifier: GPL-3.0-or-later
// Timing of the paths a designer waits for: a whole Calculate chain, one
// keystroke in the belt length box, one keystroke in the screw speed box and
// one motor pick.
#include <benchmark/benchmark.h>

#include <memory>

#include "catalogue/startup.h"
#include "panel/form.h"

namespace kasnak {
namespace {

using enum Ctl;

// A started window holding a realistic PL drive, ready for "Hesapla".
std::unique_ptr<Form1> PlDrive() {
  std::unique_ptr<Form1> form = StartUp();
  form->UserClick(Option1_2);
  form->UserClick(chkC2);
  form->UserEdit(Text2, "4000");
  form->SetCaption(Label36, "1.35");
  form->SetText(Combo2, "180");
  form->SetText(Combo3, "132");
  form->UserEdit(Text5, "8");
  return form;
}

void CalculateChain(benchmark::State& state) {
  std::unique_ptr<Form1> form = PlDrive();
  for (auto _ : state) {
    form->SetText(Text10, "400");
    benchmark::DoNotOptimize(form->UserClick(Command1));
  }
}
BENCHMARK(CalculateChain);

void BeltLengthKeystroke(benchmark::State& state) {
  std::unique_ptr<Form1> form = PlDrive();
  const char* texts[] = {"1500", "15000"};
  int k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(form->UserEdit(Text11, texts[k]));
    k ^= 1;
  }
}
BENCHMARK(BeltLengthKeystroke);

void ScrewSpeedKeystroke(benchmark::State& state) {
  std::unique_ptr<Form1> form = PlDrive();
  form->UserPick(Combo1, 4);
  const char* texts[] = {"400", "4000"};
  int k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(form->UserEdit(Text2, texts[k]));
    k ^= 1;
  }
}
BENCHMARK(ScrewSpeedKeystroke);

void MotorPick(benchmark::State& state) {
  std::unique_ptr<Form1> form = PlDrive();
  std::size_t item = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(form->UserPick(Combo1, item));
    item = (item + 1) % form->Items(Combo1).size();
  }
}
BENCHMARK(MotorPick);

}  // namespace
}  // namespace kasnak

BENCHMARK_MAIN();
