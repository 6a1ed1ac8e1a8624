#pragma once

#include <GL/gl.h>

#include "core/text/glyph_raster.h"

namespace plot {

// Makes `count` display lists from `base` on: list base + i draws the glyph of code 32 + i
// and advances the raster position. A code the font lacks gets an empty list, which neither
// draws nor moves. The bitmaps are the process's at the picture scale (rasterised once per
// scale); none when the font step fails.
void compile_glyph_lists(GLuint base, int count, int scale = 1);

// The same from a given set of bitmaps.
void compile_glyph_lists(const GlyphSet& glyphs, GLuint base, int count);

}  // namespace plot
