// Text costs of a renderer: the glyph bitmaps (first renderer in a process), the glyph lists
// (every renderer), and one line of text.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "core/platform/egl_offscreen_surface.h"
#include "core/text/glyph_lists.h"
#include "core/text/glyph_raster.h"
#include "core/text/text_output.h"

namespace {

constexpr const char* kForty = "Grup 3 Sílice 0.6666667 1.5E+07 Fe2O3 ab";

struct Context {
  Context() : surface(400, 100) {
    surface.set_pixel_format(surface.choose_pixel_format(plot::PixelFormatDescriptor{}));
    context = surface.create_context();
    ok = context != nullptr && surface.make_current(*context);
  }
  plot::EglOffscreenSurface surface;
  std::unique_ptr<plot::GlContext> context;
  bool ok = false;
};

// The first renderer in a process pays for both of these.
void BM_FindGlyphFont(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(plot::find_glyph_font());
}
BENCHMARK(BM_FindGlyphFont)->Unit(benchmark::kMillisecond);

void BM_RasteriseGlyphs(benchmark::State& state) {
  const std::string font = plot::find_glyph_font();
  for (auto _ : state) {
    plot::GlyphSet set = plot::rasterise_glyphs(font);
    benchmark::DoNotOptimize(set);
  }
}
BENCHMARK(BM_RasteriseGlyphs)->Unit(benchmark::kMillisecond);

void BM_CompileGlyphLists(benchmark::State& state) {
  Context gl;
  if (!gl.ok) return state.SkipWithError("no off-screen context");
  const auto count = static_cast<int>(state.range(0));
  plot::process_glyphs();
  for (auto _ : state) {
    const GLuint base = glGenLists(count);
    plot::compile_glyph_lists(base, count);
    glFinish();
    glDeleteLists(base, count);
  }
}
BENCHMARK(BM_CompileGlyphLists)->Arg(96)->Arg(224)->Unit(benchmark::kMicrosecond);

void BM_PrintText40(benchmark::State& state) {
  Context gl;
  if (!gl.ok) return state.SkipWithError("no off-screen context");
  const GLuint base = glGenLists(224);
  plot::compile_glyph_lists(base, 224);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, 400, 0, 100, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const bool recorded = state.range(0) == 0;
  const GLuint world = glGenLists(1);
  for (auto _ : state) {
    if (recorded) {
      // As the plots do: into the world list while it is compiled.
      glNewList(world, GL_COMPILE);
      glRasterPos2i(4, 40);
      plot::print_text(base, 224, kForty);
      glEndList();
    } else {
      glRasterPos2i(4, 40);
      plot::print_text(base, 224, kForty);
      glFinish();
    }
  }
  state.SetLabel(recorded ? "recorded into a list" : "drawn");
}
BENCHMARK(BM_PrintText40)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
