// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the scenario runner and every procedure behind it: the
// input is played as a script against a freshly started window.  It must
// play (0) or stop at a malformed line (2); a procedure failing other than by
// an arithmetic fault (3) is a bug.  Afterwards no text box may hold more
// characters than the user may type into it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "model/controls.h"
#include "model/panel.h"
#include "procedures/startup.h"
#include "tests/harness/script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out, err;
  std::unique_ptr<kasnak::Panel> panel = kasnak::StartUp();
  const int status = kasnak::PlayScript(*panel, in, out, err);
  if (status != kasnak::kScriptPlayed && status != kasnak::kScriptMalformed) {
    std::fprintf(stderr, "broken: status %d\n%s", status, err.str().c_str());
    std::abort();
  }
  for (const kasnak::ControlDef& def : kasnak::kControls) {
    const std::size_t limit = kasnak::Panel::MaxLength(def.id);
    const std::string& text = panel->Text(def.id);
    if (def.kind == kasnak::Kind::TextBox && limit > 0 && kasnak::FirstCharacters(text, limit) != text) {
      std::fprintf(stderr, "broken: %.*s holds '%s', longer than %zu characters\n", static_cast<int>(def.name.size()),
                   def.name.data(), text.c_str(), limit);
      std::abort();
    }
  }
  return 0;
}
