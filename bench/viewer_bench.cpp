// From mostrar to the first presented frame, off screen, for each plug-in's core (its
// profile row, no plot data), against a bare context that is made, cleared and swapped.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include "core/form/viewer_form.h"
#include "core/platform/egl_offscreen_surface.h"
#include "core/platform/message_box.h"

namespace plot {
namespace {

template <PluginKind Kind>
class BareRenderer : public Renderer {
 public:
  BareRenderer() : Renderer(profile_of(Kind)) {}
};

template <PluginKind Kind>
void MostrarToFirstFrame(benchmark::State& state) {
  set_display_mode(DisplayMode::Offscreen);
  set_message_sink([](const std::string&) {});
  ViewerForm form{profile_of(Kind)};
  for (auto _ : state) {
    const int64_t frames = form.frames();
    form.parametres<BareRenderer<Kind>>([](auto&) {});
    if (form.frames() == frames) state.SkipWithError("no frame presented");
    // Read like the floor's frame: llvmpipe draws only when the picture is needed.
    benchmark::DoNotOptimize(form.last_picture().rgb.data());
    state.PauseTiming();
    form.window().user_close();
    state.ResumeTiming();
  }
}

void BareContextClearSwap(benchmark::State& state) {
  for (auto _ : state) {
    EglOffscreenSurface surface(918, 734);
    surface.set_present_observer(
        [](DrawingSurface& frame) { benchmark::DoNotOptimize(frame.read_frame().rgb.data()); });
    const int format = surface.choose_pixel_format(PixelFormatDescriptor{});
    surface.set_pixel_format(format);
    auto context = surface.create_context();
    surface.make_current(*context);
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    surface.swap_buffers();
    context->release_current();
  }
}

BENCHMARK(BareContextClearSwap)->Unit(benchmark::kMillisecond);
BENCHMARK(MostrarToFirstFrame<PluginKind::biplot>)->Unit(benchmark::kMillisecond);
BENCHMARK(MostrarToFirstFrame<PluginKind::Havrel>)->Unit(benchmark::kMillisecond);
BENCHMARK(MostrarToFirstFrame<PluginKind::Pellin>)->Unit(benchmark::kMillisecond);
BENCHMARK(MostrarToFirstFrame<PluginKind::Tormin>)->Unit(benchmark::kMillisecond);
BENCHMARK(MostrarToFirstFrame<PluginKind::ternary>)->Unit(benchmark::kMillisecond);
BENCHMARK(MostrarToFirstFrame<PluginKind::Quadrel>)->Unit(benchmark::kMillisecond);
BENCHMARK(MostrarToFirstFrame<PluginKind::Vorn>)->Unit(benchmark::kMillisecond);
BENCHMARK(MostrarToFirstFrame<PluginKind::Vornc>)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plot
