// SPDX-License-Identifier: GPL-3.0-or-later
// kasnak-script [--window | --parse] [SCRIPT]: plays a scenario script, read
// from the file SCRIPT or from standard input, against a freshly started
// window: the model, or with --window the Qt window through simulated user
// input.  With --parse it only parses the script, for a player outside this
// program, and prints its actions as JSON lines (ParseScript).
//
// kasnak-script --random SEED ACTIONS prints the random script of that seed
// (RandomScript), the same on every platform.
//
// kasnak-script --controls [DPI] prints, for a player outside this program
// that acts with real input, the window and then each control a script may
// act on as a JSON line: its element id, kind (KindName), place in twips,
// with DPI its place in pixels at that logical dpi as the window places it,
// accessible name (its caption where it has none; the window's title) and,
// for a list, its items at start-up:
//   {"id": "Form1", "kind": "window", "place": [0, 0, 6885, 4320], "pixels": [0, 0, 459, 288], "name": " Vidalı ..."}
//   {"id": "Combo1", "kind": "list", "place": [3840, 240, 855, 315], "pixels": [256, 16, 57, 21],
//    "name": "Motor Gücü, kW", "items": ["7.5", "11", ...]}
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

#include "model/controls.h"
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

// A rectangle as a JSON array: [left, top, width, height].
std::string Rectangle(int left, int top, int width, int height) {
  return '[' + std::to_string(left) + ", " + std::to_string(top) + ", " + std::to_string(width) + ", " +
         std::to_string(height) + ']';
}

// The controls as --controls prints them; `dpi` 0 for no places in pixels.
int PrintControls(int dpi) {
  const std::unique_ptr<kasnak::Panel> panel = kasnak::StartUp();
  std::cout << "{\"id\": " << kasnak::Json(kasnak::kPanelName) << ", \"kind\": \"window\", \"place\": "
            << Rectangle(0, 0, kasnak::kClientWidthTwips, kasnak::kClientHeightTwips);
  if (dpi > 0) {
    const kasnak::PixelRect form = kasnak::ClientPlace(dpi, dpi);
    std::cout << ", \"pixels\": " << Rectangle(form.left, form.top, form.width, form.height);
  }
  std::cout << ", \"name\": " << kasnak::Json(kasnak::kWindowTitle) << "}\n";
  for (const kasnak::ControlDef& def : kasnak::kControls) {
    if (def.kind == kasnak::Kind::Label) continue;
    const std::string name = kasnak::AccessibleName(def.id);
    std::cout << "{\"id\": " << kasnak::Json(kasnak::ElementId(def.id)) << ", \"kind\": \""
              << kasnak::KindName(def.kind) << "\", \"place\": " << Rectangle(def.left, def.top, def.width, def.height);
    if (dpi > 0) {
      const kasnak::PixelRect pixels = kasnak::Place(def, dpi, dpi);
      std::cout << ", \"pixels\": " << Rectangle(pixels.left, pixels.top, pixels.width, pixels.height);
    }
    std::cout << ", \"name\": " << kasnak::Json(name.empty() ? def.caption : name);
    if (def.kind == kasnak::Kind::ComboBox) {
      std::cout << ", \"items\": [";
      const char* separator = "";
      for (const std::string& item : panel->Items(def.id))
        std::cout << std::exchange(separator, ", ") << kasnak::Json(item);
      std::cout << ']';
    }
    std::cout << "}\n";
  }
  return kasnak::kScriptPlayed;
}

int Usage() {
  std::cerr << "usage: kasnak-script [--window | --parse] [SCRIPT] | --random SEED ACTIONS | --controls [DPI]\n";
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
    int dpi = 0;
    if (argc > 3 || (argc == 3 && (!ReadWhole(argv[2], dpi) || dpi <= 0))) return Usage();
    return PrintControls(dpi);
  }
  const bool window = argc > 1 && std::strcmp(argv[1], "--window") == 0;
  const bool parse = argc > 1 && std::strcmp(argv[1], "--parse") == 0;
  const int first = window || parse ? 2 : 1;
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
  return kasnak::PlayScript(in, std::cout, std::cerr);
}
