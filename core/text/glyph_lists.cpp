#include "core/text/glyph_lists.h"

#include <algorithm>

#include "core/platform/testing_hooks.h"

namespace plot {

void compile_glyph_lists(GLuint base, int count, int scale) {
  // The lists stay empty, as after a failed font call: text draws nothing.
  if (testing_hooks::failing(PlatformStep::fonts)) return;
  compile_glyph_lists(process_glyphs(scale), base, count);
}

void compile_glyph_lists(const GlyphSet& glyphs, GLuint base, int count) {
  count = std::clamp(count, 0, kGlyphCodeCount);
  // glBitmap unpacks its rows when the list is compiled: the rows are byte-aligned.
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
  glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
  for (int i = 0; i < count; ++i) {
    const GlyphBitmap& glyph = glyphs.glyphs[static_cast<std::size_t>(i)];
    glNewList(base + static_cast<GLuint>(i), GL_COMPILE);
    if (glyph.present)
      glBitmap(glyph.width, glyph.rows, glyph.x_origin, glyph.y_origin, glyph.advance, 0,
               glyph.bits.empty() ? nullptr : glyph.bits.data());
    glEndList();
  }
  glPopClientAttrib();
}

}  // namespace plot
