#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace plot {

// One character's bitmap as glBitmap takes it: rows bottom to top, each row padded to whole
// bytes, most significant bit leftmost.
struct GlyphBitmap {
  bool present = false;  // false: the font has no such character
  int32_t width = 0;
  int32_t rows = 0;
  float x_origin = 0;  // from the bitmap's lower left corner to the pen position
  float y_origin = 0;
  float advance = 0;
  std::vector<uint8_t> bits;
};

inline constexpr int kFirstGlyphCode = 32;
inline constexpr int kGlyphEmPixels = 24;    // at picture scale 1
inline constexpr int kGlyphCodeCount = 224;  // codes 32 to 255

struct GlyphSet {
  std::string font_file;                            // empty when no usable font was found
  std::array<GlyphBitmap, kGlyphCodeCount> glyphs;  // code 32 + i at i

  const GlyphBitmap& glyph(uint8_t code) const { return glyphs[code - kFirstGlyphCode]; }
};

// The bold sans font that stands in for bold "arial"; empty when fontconfig has none.
std::string find_glyph_font();

// Rasterises codes 32 to 255 (Windows-1252) from `font_file` in monochrome at an em of
// `em_pixels`. A file that cannot be read gives a set with no glyph present.
GlyphSet rasterise_glyphs(const std::string& font_file, int em_pixels = kGlyphEmPixels);

// The glyphs of find_glyph_font() for a picture scale of 1 to 4 (an em of 24 pixels times the
// scale), rasterised on first use and kept for the process.
const GlyphSet& process_glyphs(int scale = 1);

}  // namespace plot
