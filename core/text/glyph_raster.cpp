#include "core/text/glyph_raster.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <mutex>
#include <utility>

#include "core/render/picture_scale.h"

#include "core/text/windows1252.h"

namespace plot {
namespace {

// Liberation Sans is metric-compatible with the font the plots were laid out for.
constexpr const char* kFontPatterns[] = {"Arial:bold", "DejaVu Sans:bold"};

std::string match_file(FcConfig* config, const char* pattern_text) {
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(pattern_text));
  if (pattern == nullptr) return {};
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config, pattern, &result);
  std::string file;
  FcChar8* path = nullptr;
  if (match != nullptr && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
    file = reinterpret_cast<const char*>(path);
  if (match != nullptr) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  return file;
}

bool readable(const std::string& file) {
  if (file.empty()) return false;
  std::FILE* f = std::fopen(file.c_str(), "rb");
  if (f == nullptr) return false;
  std::fclose(f);
  return true;
}

GlyphBitmap render(FT_Face face, char32_t code_point) {
  GlyphBitmap out;
  const FT_UInt index = FT_Get_Char_Index(face, code_point);
  if (index == 0) return out;
  if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) != 0)
    return out;
  const FT_GlyphSlot slot = face->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO && bitmap.rows != 0) return out;
  out.present = true;
  out.width = static_cast<int32_t>(bitmap.width);
  out.rows = static_cast<int32_t>(bitmap.rows);
  out.x_origin = static_cast<float>(-slot->bitmap_left);
  out.y_origin = static_cast<float>(out.rows - slot->bitmap_top);
  out.advance = std::round(static_cast<float>(slot->advance.x) / 64.0f);
  const std::size_t row_bytes = (bitmap.width + 7) / 8;
  out.bits.resize(row_bytes * bitmap.rows);
  // FreeType's rows run top to bottom (pitch may be negative for bottom-up bitmaps).
  for (unsigned row = 0; row < bitmap.rows; ++row) {
    const unsigned char* source = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
    if (bitmap.pitch < 0)
      source = bitmap.buffer + static_cast<std::ptrdiff_t>(bitmap.rows - 1 - row) * -bitmap.pitch;
    uint8_t* target = out.bits.data() + (bitmap.rows - 1 - row) * row_bytes;
    std::copy(source, source + row_bytes, target);
  }
  return out;
}

}  // namespace

std::string find_glyph_font() {
  // A configuration of our own, freed at once: the host's fontconfig state stays untouched.
  FcConfig* config = FcInitLoadConfigAndFonts();
  if (config == nullptr) return {};
  std::string found;
  for (const char* pattern : kFontPatterns) {
    std::string file = match_file(config, pattern);
    if (readable(file)) {
      found = std::move(file);
      break;
    }
  }
  FcConfigDestroy(config);
  return found;
}

GlyphSet rasterise_glyphs(const std::string& font_file, int em_pixels) {
  GlyphSet set;
  if (font_file.empty()) return set;
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) return set;
  FT_Face face = nullptr;
  if (FT_New_Face(library, font_file.c_str(), 0, &face) == 0) {
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(em_pixels)) == 0) {
      set.font_file = font_file;
      for (int i = 0; i < kGlyphCodeCount; ++i) {
        const auto code = static_cast<uint8_t>(kFirstGlyphCode + i);
        set.glyphs[static_cast<std::size_t>(i)] = render(face, cp1252_to_unicode(code));
      }
    }
    FT_Done_Face(face);
  }
  FT_Done_FreeType(library);
  return set;
}

const GlyphSet& process_glyphs(int scale) {
  static const std::string font = find_glyph_font();
  static std::array<std::unique_ptr<const GlyphSet>, kLargestPictureScale> sets;
  // Viewers on two threads may ask for a scale's first set at once.
  static std::mutex sets_lock;
  const std::lock_guard<std::mutex> hold(sets_lock);
  const auto at = static_cast<std::size_t>(std::clamp(scale, 1, kLargestPictureScale) - 1);
  if (!sets[at])
    sets[at] = std::make_unique<const GlyphSet>(
        rasterise_glyphs(font, kGlyphEmPixels * static_cast<int>(at + 1)));
  return *sets[at];
}

}  // namespace plot
