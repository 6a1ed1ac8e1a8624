#include "core/text/text_output.h"

#include "core/text/windows1252.h"

namespace plot {

std::string glyph_codes(int glyph_count, std::string_view utf8) {
  // Codes without a glyph list are left out: past the glyphs lie the marker and world lists.
  const int end_code = 32 + glyph_count;
  std::string codes;
  codes.reserve(utf8.size());
  for (const char c : utf8_to_cp1252(utf8)) {
    const int code = static_cast<uint8_t>(c);
    if (code >= 32 && code < end_code) codes += c;
  }
  return codes;
}

void call_glyph_lists(GLuint glyph_base, std::string_view codes) {
  if (codes.empty()) return;
  glPushAttrib(GL_LIST_BIT);
  glListBase(glyph_base - 32);
  glCallLists(static_cast<GLsizei>(codes.size()), GL_UNSIGNED_BYTE, codes.data());
  glPopAttrib();
}

std::string drawable_text(std::string_view utf8, int glyph_count, const GlyphSet& glyphs) {
  const int end_code = kFirstGlyphCode + glyph_count;
  std::string codes = utf8_to_cp1252(utf8);
  for (char& c : codes) {
    const int code = static_cast<uint8_t>(c);
    if (code < kFirstGlyphCode || code >= end_code ||
        !glyphs.glyph(static_cast<uint8_t>(code)).present)
      c = '?';
  }
  return cp1252_to_utf8(codes);
}

void print_text(GLuint glyph_base, int glyph_count, std::string_view utf8) {
  if (utf8.empty()) return;
  call_glyph_lists(glyph_base, glyph_codes(glyph_count, utf8));
}

}  // namespace plot
