// SPDX-License-Identifier: GPL-3.0-or-later
// The rules for texts as characters: what counts as a character (a UTF-8
// code point), as a blank, and as well-formed UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kasnak {

// Whether a byte continues a UTF-8 sequence rather than starting a character.
constexpr bool ContinuesCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The number of characters (UTF-8 code points) of a text.
std::size_t CharacterCount(std::string_view text);

// The first `limit` characters (UTF-8 code points) of a text; all of it when
// limit is 0.
std::string FirstCharacters(std::string_view text, std::size_t limit);

// Whether a text is well-formed UTF-8: each character in its shortest form,
// no surrogate, none beyond U+10FFFF.
bool IsUtf8(std::string_view text);

// The blanks: a space, a tab or a line break.  They count nowhere in a
// number, and a text of blanks alone is as good as empty.
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsBlank(std::string_view text);

}  // namespace kasnak
