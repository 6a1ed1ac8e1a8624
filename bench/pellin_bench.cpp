// The log-ratio plot with a full record of 501 observations, off screen: compiling the scene
// (DrawAxes inside DrawWorld) in each mode, and replaying it as one frame.
#include <benchmark/benchmark.h>

#include <memory>

#include "logratio_renderer.h"
#include "support/scene_bench.h"

namespace plot {
namespace {

enum class Mode { Dots, Markers };

// A renderer with 501 observations spread over the frame, ten groups and both names.
std::unique_ptr<COpenGL_alr> alr_plot(Mode mode) {
  auto record = std::make_unique<Vector_Punts_arl>();
  for (int i = 0; i < PLOT_LOGRATIO_POINTS; ++i) {
    const double t = i / 250.0 - 1;
    record->Punts[i] = {t, t * t - 0.5, {{0.5f, 0.2f, 0.8f}}, static_cast<int16_t>(i % 10 + 1)};
  }
  record->long_ = PLOT_LOGRATIO_POINTS;
  StringArray coor(1, {"ln(x1/x3)", "ln(x2/x3)"});
  auto renderer = std::make_unique<COpenGL_alr>();
  renderer->Passar_Punts(*record, coor);
  renderer->formes = mode == Mode::Markers;
  renderer->nGrups = 10;
  return renderer;
}

constexpr auto CompileScene = bench::compile_scene<alr_plot, Mode>;
constexpr auto ReplayFrame = bench::replay_frame<alr_plot, Mode>;

BENCHMARK_CAPTURE(CompileScene, dots, Mode::Dots)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CompileScene, markers, Mode::Markers)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReplayFrame, dots, Mode::Dots)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReplayFrame, markers, Mode::Markers)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plot
