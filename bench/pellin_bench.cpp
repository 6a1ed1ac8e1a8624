// The log-ratio plot with a full record of 501 observations, off screen: compiling the scene
// (DrawAxes inside DrawWorld) in each mode, and replaying it as one frame.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <memory>

#include "copengl_alr.h"
#include "core/platform/device_context_table.h"
#include "core/platform/egl_offscreen_surface.h"

namespace plot {
namespace {

enum class Mode { Dots, Markers };

// A renderer on its own off-screen surface, initialised with 501 observations spread over
// the frame, ten groups and both names.
struct Plot {
  explicit Plot(Mode mode) {
    auto record = std::make_unique<pellin::Vector_Punts_arl>();
    for (int i = 0; i <= PELLIN_PUNTS_UPPER; ++i) {
      const double t = i / 250.0 - 1;
      record->Punts[i] = {t, t * t - 0.5, {{0.5f, 0.2f, 0.8f}}, static_cast<int16_t>(i % 10 + 1)};
    }
    record->long_ = PELLIN_PUNTS_UPPER + 1;
    StringArray coor(1, {"ln(x1/x3)", "ln(x2/x3)"});
    renderer.Passar_Punts(*record, coor);
    renderer.formes = mode == Mode::Markers;
    renderer.nGrups = 10;
    int32_t hwnd = 0;
    renderer.Initialize(hwnd, hdc);
    renderer.OnSize(918, 734);
  }
  ~Plot() {
    renderer.Class_Terminate();
    unregister_device_context(hdc);
  }

  EglOffscreenSurface surface{918, 734};
  int32_t hdc = register_device_context(&surface);
  COpenGL_alr renderer;
};

void CompileScene(benchmark::State& state, Mode mode) {
  Plot plot(mode);
  for (auto _ : state) {
    plot.renderer.DrawWorld();
    benchmark::DoNotOptimize(plot.renderer.world_list());
  }
}

void ReplayFrame(benchmark::State& state, Mode mode) {
  Plot plot(mode);
  for (auto _ : state) {
    plot.renderer.display();  // ends with glFinish and the swap
  }
}

BENCHMARK_CAPTURE(CompileScene, dots, Mode::Dots)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CompileScene, markers, Mode::Markers)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReplayFrame, dots, Mode::Dots)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReplayFrame, markers, Mode::Markers)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plot
