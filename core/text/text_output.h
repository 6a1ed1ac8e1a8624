#pragma once

#include <GL/gl.h>

#include <string>
#include <string_view>

#include "core/text/glyph_raster.h"

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

// `utf8` with '?' for each character the glyph lists cannot draw (one the code page lacks, a
// code past `glyph_count` lists, one the font has no glyph for), so that a host's text never
// loses a character silently.
std::string drawable_text(std::string_view utf8, int glyph_count, const GlyphSet& glyphs);

}  // namespace plot
