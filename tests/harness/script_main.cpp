// SPDX-License-Identifier: GPL-3.0-or-later
// kasnak-script [--window | --parse | --report] [SCRIPT]: plays a scenario
// script, read from the file SCRIPT or from standard input, against a freshly
// started window: the model, or with --window the Qt window through simulated
// user input.  --parse only parses it, for a player outside this program, and
// prints its actions as JSON lines (ParseScript); --report prints only the
// whole drive once it is played, as the faces copy it (fitting/report.h).
//
// kasnak-script --random SEED ACTIONS prints the random script of that seed
// (RandomScript), the same on every platform.
//
// kasnak-script --controls [DPI] prints, for a player outside this program
// that acts with real input, the window's facts and the control table
// (model/export.h) with the places in pixels at that logical dpi (96 by
// default) as the window places them, and each list's items at start-up, as
// one JSON text: {"window": {"title": ..., "width": 459, ...}, "controls":
// [{"id": "Label31", "kind": "label", "left": 8, ...}, ...]}.
#include <charconv>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include "fitting/report.h"
#include "model/controls.h"
#include "model/export.h"
#include "model/panel.h"
#include "procedures/startup.h"
#include "tests/harness/random_script.h"
#include "tests/harness/script.h"

#ifdef KASNAK_SCRIPT_WINDOW
#include <QApplication>

#include "app/application.h"
#include "tests/harness/script_window.h"
#endif

namespace {

int PlayInWindow([[maybe_unused]] char* program, [[maybe_unused]] std::istream& in) {
#ifdef KASNAK_SCRIPT_WINDOW
  // No display needed: the window can be played on the offscreen platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char* argv[] = {program, nullptr};
  QApplication app(argc, argv);
  kasnak::SetUpApplication(app);
  return kasnak::PlayScriptInWindow(in, std::cout, std::cerr);
#else
  std::cerr << "kasnak-script: --window: the window is not built (configure with -DKASNAK_WINDOW=ON)\n";
  return kasnak::kScriptMalformed;
#endif
}

template <typename Number>
bool ReadWhole(const char* text, Number& n) {
  const std::string_view s(text);
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
  return ec == std::errc() && end == s.data() + s.size();
}

// The window and the control table as --controls prints them.
int PrintControls(int dpi) {
  const std::unique_ptr<kasnak::Panel> panel = kasnak::StartUp();
  kasnak::JsonWriter json;
  json.Open('{').Key("window");
  kasnak::WriteWindow(json, dpi);
  json.Key("controls");
  kasnak::WriteControlTable(json, dpi, panel.get());
  json.Close('}');
  std::cout << json.Written() << '\n';
  return kasnak::kScriptPlayed;
}

int Usage() {
  std::cerr
      << "usage: kasnak-script [--window | --parse | --report] [SCRIPT] | --random SEED ACTIONS | --controls [DPI]\n";
  return kasnak::kScriptMalformed;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--random") == 0) {
    std::uint32_t seed = 0;
    std::size_t actions = 0;
    if (argc != 4 || !ReadWhole(argv[2], seed) || !ReadWhole(argv[3], actions)) return Usage();
    std::cout << kasnak::RandomScript(seed, actions);
    return kasnak::kScriptPlayed;
  }
  if (argc > 1 && std::strcmp(argv[1], "--controls") == 0) {
    int dpi = kasnak::kCssDpi;
    if (argc > 3 || (argc == 3 && (!ReadWhole(argv[2], dpi) || dpi <= 0))) return Usage();
    return PrintControls(dpi);
  }
  const bool window = argc > 1 && std::strcmp(argv[1], "--window") == 0;
  const bool parse = argc > 1 && std::strcmp(argv[1], "--parse") == 0;
  const bool report = argc > 1 && std::strcmp(argv[1], "--report") == 0;
  const int first = window || parse || report ? 2 : 1;
  if (argc > first + 1) return Usage();
  std::ifstream file;
  if (argc == first + 1) {
    file.open(argv[first], std::ios::binary);
    if (!file) {
      std::cerr << "kasnak-script: cannot open " << argv[first] << '\n';
      return kasnak::kScriptMalformed;
    }
  }
  std::istream& in = file.is_open() ? static_cast<std::istream&>(file) : std::cin;
  if (window) return PlayInWindow(argv[0], in);
  if (parse) return kasnak::ParseScript(in, std::cout, std::cerr);
  if (report) {
    const std::unique_ptr<kasnak::Panel> panel = kasnak::StartUp();
    std::ostream played(nullptr);  // not printed
    const int status = kasnak::PlayScript(*panel, in, played, std::cerr);
    std::cout << kasnak::DriveReport(*panel);
    return status;
  }
  return kasnak::PlayScript(in, std::cout, std::cerr);
}
