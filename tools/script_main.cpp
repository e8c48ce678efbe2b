// kasnak-script [SCRIPT]: plays a scenario script, read from the file SCRIPT
// or from standard input, against a freshly started window.
#include <fstream>
#include <iostream>

#include "tools/script.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: kasnak-script [SCRIPT]\n";
    return kasnak::kScriptMalformed;
  }
  if (argc == 2) {
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
      std::cerr << "kasnak-script: cannot open " << argv[1] << '\n';
      return kasnak::kScriptMalformed;
    }
    return kasnak::PlayScript(file, std::cout, std::cerr);
  }
  return kasnak::PlayScript(std::cin, std::cout, std::cerr);
}
