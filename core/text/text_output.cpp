#include "core/text/text_output.h"

#include <string>

#include "core/text/windows1252.h"

namespace plot {

void print_text(GLuint glyph_base, int glyph_count, std::string_view utf8) {
  if (utf8.empty()) return;
  // Codes without a glyph list are left out: past the glyphs lie the marker and world lists.
  const int end_code = 32 + glyph_count;
  std::string codes;
  codes.reserve(utf8.size());
  for (const char c : utf8_to_cp1252(utf8)) {
    const int code = static_cast<uint8_t>(c);
    if (code >= 32 && code < end_code) codes += c;
  }
  if (codes.empty()) return;
  glPushAttrib(GL_LIST_BIT);
  glListBase(glyph_base - 32);
  glCallLists(static_cast<GLsizei>(codes.size()), GL_UNSIGNED_BYTE, codes.data());
  glPopAttrib();
}

}  // namespace plot
