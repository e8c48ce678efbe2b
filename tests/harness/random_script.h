// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded random user actions: what a designer types and picks, careless
// pastes and odd texts among them, with every verb.  The property test plays
// them on the model; kasnak-script --random writes them as scenario scripts,
// a dump after every action, so that the outputs of the model, the Qt window
// and the page can be kept and compared.
//
// The same seed gives the same actions on every platform and C++ library:
// std::mt19937's sequence is fixed by the C++ standard, and it is mapped to
// ranges here rather than by the library's distributions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "tests/harness/script.h"

namespace kasnak {

class RandomSource {
 public:
  explicit RandomSource(std::uint32_t seed) : engine_(seed) {}
  // A whole number from 0 to n - 1 (n from 1 to 2^32).
  std::size_t Below(std::size_t n);

 private:
  std::mt19937 engine_;
};

// One action: a pick from a list's catalogue, an edit, a typing, a backspace
// or a click (never a dump, never "Çıkış").
Action RandomAction(RandomSource& random);

// The keystrokes of a typing, each a Type of one character (the model plays
// each as its own change, with its own chain); any other action alone.
std::vector<Action> Keystrokes(const Action& action);

// A scenario script of `actions` random actions from the seed, each followed
// by a dump, after a comment line naming the seed.
std::string RandomScript(std::uint32_t seed, std::size_t actions);

}  // namespace kasnak
