// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears as the panel changes, composed once for every
// face that announces it: after the user's actions, each result the program
// wrote, by its whole accessible name ("Açı: 163.44 derece"), and each box or
// list it wrote, as its name and its text ("Vida Deviri, d/dk: 4000"), in
// the table's order, action after action; then each advice that was not
// shown before; joined by "; ".  What the user typed is not said again, nor
// an advice already shown, nor a box or result the program emptied.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "advice/advice.h"
#include "model/panel.h"

namespace kasnak {

class Heard {
 public:
  // The panel and its advice as the face shows them at the start, which are
  // not announced.
  explicit Heard(const Panel& panel);

  // The user typed `text` into a box or a list: the face shows it already.
  void Typed(Control id, std::string_view text);
  // After each action: what the program wrote, to be said.
  void Written(const Panel& panel);
  // What is said once the face shows `advice` too, and nothing after it
  // until the next action; empty when there is nothing to say.
  std::string Said(const std::vector<Advice>& advice);

 private:
  std::vector<std::string> shown_;  // each control's text, by place
  std::vector<std::string> adviceShown_;
  std::vector<std::string> said_;
};

}  // namespace kasnak
