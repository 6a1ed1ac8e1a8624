#pragma once

#include <GL/gl.h>

#include <string>
#include <string_view>

namespace plot {

// Draws `utf8` at the current raster position with the glyph lists from `glyph_base`
// (`glyph_count` lists for the codes 32 on), converted to Windows-1252 ('?' for what it
// cannot represent). Codes without a glyph list draw nothing and do not move the raster
// position; an empty text issues no GL call.
void print_text(GLuint glyph_base, int glyph_count, std::string_view utf8);

// The two halves of print_text: the single-byte codes that have a glyph list, and the lists
// called for them.
std::string glyph_codes(int glyph_count, std::string_view utf8);
void call_glyph_lists(GLuint glyph_base, std::string_view codes);

}  // namespace plot
