#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace plot {

// The single-byte code page of the glyph lists and of exchange files that are not UTF-8.

// Unicode code point of a Windows-1252 byte; the five undefined bytes map to themselves.
char32_t cp1252_to_unicode(uint8_t code);

// Windows-1252 byte of a code point, or '?' when the code page cannot represent it.
uint8_t unicode_to_cp1252(char32_t code_point);

bool is_valid_utf8(std::string_view text);

// UTF-8 to single-byte codes; every character the code page lacks, and every malformed
// sequence, becomes '?'.
std::string utf8_to_cp1252(std::string_view utf8);

std::string cp1252_to_utf8(std::string_view bytes);

}  // namespace plot
