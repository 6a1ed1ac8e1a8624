// The ternary diagram at its limits: 501 points, a full grid or two 151-point components.
// Compiling the scene (DrawWorld, which runs DrawAxes) and replaying one frame, off screen.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "support/scene_bench.h"
#include "support/ternary_points.h"
#include "ternary_renderer.h"

namespace {

std::unique_ptr<plot::COpenGL_TD> diagram(const char* graella, bool formes) {
  auto points = std::make_unique<Vector_Punts>();
  auto grid = std::make_unique<Vector_Graella>();
  auto components = std::make_unique<Vector_Punts_PC>();
  plot::bench::spread_501_points(*points);
  grid->nPuntsGrid = 10;
  for (int k = 1; k <= 3; ++k)
    for (int i = 1; i <= 10; ++i) {
      grid->VPG[k].Punts1[i] = {i / 11.0, 0, {}, 0};
      grid->VPG[k].Punts2[i] = {0.5, i / 13.0, {}, 0};
    }
  components->long1 = components->long2 = 151;
  for (int i = 0; i < 151; ++i) {
    components->Punts1[i] = {i / 150.0, 0.3 + 0.1 * std::sin(i / 20.0), {}, 0};
    components->Punts2[i] = {0.5 + 0.1 * std::cos(i / 20.0), i / 175.0, {}, 0};
  }
  plot::StringArray coor(1, {"A", "B", "C"});
  auto renderer = std::make_unique<plot::COpenGL_TD>();
  renderer->Passar_Punts(*points, *grid, *components, coor);
  renderer->graella = graella;
  renderer->formes = formes;
  renderer->nGrups = 10;
  return renderer;
}

constexpr plot::bench::ClientSize kSize{.width = 917, .height = 734};

void BM_DrawWorld(benchmark::State& state, const char* graella, bool formes) {
  plot::bench::OffscreenPlot d(diagram(graella, formes), kSize);
  plot::bench::compile_finished_rounds(state, d);
}
BENCHMARK_CAPTURE(BM_DrawWorld, grid_dots, "", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawWorld, components_markers, "pc", true)->Unit(benchmark::kMicrosecond);

void BM_ReplayFrame(benchmark::State& state, const char* graella, bool formes) {
  plot::bench::OffscreenPlot d(diagram(graella, formes), kSize);
  plot::bench::replay_rounds(state, d);
}
BENCHMARK_CAPTURE(BM_ReplayFrame, grid_dots, "", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReplayFrame, components_markers, "pc", true)->Unit(benchmark::kMillisecond);

}  // namespace
