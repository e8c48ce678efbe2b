// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/text.h"

#include <algorithm>

namespace kasnak {

std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char byte) { return !ContinuesCharacter(byte); }));
}

std::string FirstCharacters(std::string_view text, std::size_t limit) {
  if (limit == 0) return std::string(text);
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (ContinuesCharacter(text[i])) continue;
    if (count == limit) return std::string(text.substr(0, i));
    ++count;
  }
  return std::string(text);
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t length = byte < 0x80           ? 1
                               : (byte >> 5) == 0x6  ? 2
                               : (byte >> 4) == 0xE  ? 3
                               : (byte >> 3) == 0x1E ? 4
                                                     : 0;
    if (length == 0 || i + length > text.size()) return false;
    char32_t code = length == 1 ? byte : byte & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      if (!ContinuesCharacter(text[i + k])) return false;
      code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kShortest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return false;
    i += length;
  }
  return true;
}

bool IsBlank(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return IsBlank(c); });
}

}  // namespace kasnak
