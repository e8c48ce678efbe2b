// SPDX-License-Identifier: GPL-3.0-or-later
// kasnak-script [--window | --parse] [SCRIPT]: plays a scenario script, read
// from the file SCRIPT or from standard input, against a freshly started
// window: the model, or with --window the Qt window through simulated user
// input.  With --parse it only parses the script, for a player outside this
// program, and prints its actions as JSON lines (ParseScript).
#include <cstring>
#include <fstream>
#include <iostream>

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

}  // namespace

int main(int argc, char** argv) {
  const bool window = argc > 1 && std::strcmp(argv[1], "--window") == 0;
  const bool parse = argc > 1 && std::strcmp(argv[1], "--parse") == 0;
  const int first = window || parse ? 2 : 1;
  if (argc > first + 1) {
    std::cerr << "usage: kasnak-script [--window | --parse] [SCRIPT]\n";
    return kasnak::kScriptMalformed;
  }
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
