// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the scenario runner and every procedure behind it: the
// input is played as a script against a freshly started window.  It must
// play (0) or stop at a malformed line (2); a procedure failing other than by
// an arithmetic fault (3) is a bug.  After every action the ordering and
// fitting section has at most its lines, and no figure that is not a number
// ("nan", "inf") or below 0.  Afterwards no text box may hold more
// characters than the user may type into it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "fitting/sheet.h"
#include "model/controls.h"
#include "model/panel.h"
#include "procedures/startup.h"
#include "tests/harness/script.h"

namespace {

// The section's figures are numbers above 0, and its lines at most its room.
void CheckSheet(const kasnak::Panel& panel) {
  const kasnak::Sheet sheet = kasnak::SheetFor(panel);
  std::string all = sheet.figures;
  for (const std::string& line : sheet.lines) all += "\n" + line;
  for (const char* wrong : {"nan", "inf", "NaN", "Inf", ":-", " -"})
    if (all.find(wrong) != std::string::npos || sheet.lines.size() > kasnak::kSheetLines) {
      std::fprintf(stderr, "broken: the section reads\n%s\n", all.c_str());
      std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out, err;
  std::unique_ptr<kasnak::Panel> panel = kasnak::StartUp();
  kasnak::ModelPlayer player(*panel);
  const int status = kasnak::ReadScript(
      in, err,
      [&](const kasnak::Action& action, std::size_t) {
        std::optional<std::string> refused = player.Play(action, out);
        CheckSheet(*panel);
        return refused;
      },
      [&] { return player.Ended(); });
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
