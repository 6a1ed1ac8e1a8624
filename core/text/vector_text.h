#pragma once

#include <string>
#include <string_view>

namespace plot {

// A text the glyph lists draw (single-byte Windows-1252 codes) as a vector file writes it. The
// file's writer copies it as it is, so each is escaped for its place in the file.

// UTF-8 with the XML escapes of character data.
std::string svg_text(std::string_view codes);

// Inside a PostScript or PDF string's parentheses: the PDF fonts' MacRoman bytes, or the
// Latin-1 bytes of the re-encoded EPS font; a character the encoding lacks is '?', bytes
// above 127 are octal escapes so the file stays plain ASCII.
std::string pdf_text(std::string_view codes);
std::string eps_text(std::string_view codes);

}  // namespace plot
