// Names are kept as single bytes of the Cyrillic code page 1251. One fixed
// table of our own converts them; a character the code page cannot hold
// becomes '?'.
#pragma once

#include <string>
#include <string_view>

namespace quorbals {

// The character of one code-page byte. 0x98, which the code page leaves
// unassigned, gives U+FFFD.
char32_t Cp1251ToUnicode(unsigned char byte);

// The code-page byte of a character, '?' when it has none.
unsigned char UnicodeToCp1251(char32_t ch);

// Code-page bytes to UTF-8 text.
std::string DecodeCp1251(std::string_view bytes);

// UTF-8 text to code-page bytes; a malformed UTF-8 sequence gives one '?'.
std::string EncodeCp1251(std::string_view utf8);

}  // namespace quorbals
