// The region plots at their limits: Vorn with three regions of two 101-point branches, Vornc
// with ten 60-point groups. Compiling the scene (DrawWorld, which runs DrawAxes) and replaying
// one frame, off screen.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "confidence_region_renderer.h"
#include "predictive_region_renderer.h"
#include "support/scene_bench.h"

namespace {

std::unique_ptr<plot::Renderer> vorn() {
  auto regions = std::make_unique<Vector_VORN>();
  regions->nNivells = 3;
  for (int k = 1; k <= 3; ++k) {
    Vector_Punts_VORN& r = regions->VPVORN[k];
    r.long1 = r.long2 = 101;
    for (int i = 0; i < 101; ++i) {
      const double t = M_PI * i / 100;
      r.Punts1[i] = {0.5 + 0.1 * k * std::cos(t), 0.3 + 0.08 * k * std::sin(t), {}, 0};
      r.Punts2[i] = {0.5 + 0.1 * k * std::cos(t), 0.3 - 0.08 * k * std::sin(t), {}, 0};
    }
    r.alpha = 0.9f + 0.03f * static_cast<float>(k);
  }
  plot::StringArray coor(1, {"A", "B", "C"});
  auto renderer = std::make_unique<plot::COpenGL_VORN>();
  renderer->Passar_Punts(*regions, coor, nullptr);
  return renderer;
}

std::unique_ptr<plot::Renderer> vornc(bool formes) {
  auto groups = std::make_unique<Vector_Punts_VORN_C>();
  for (int g = 0; g < 10; ++g) {
    Vector_Punt_VORN_C& group = groups->Pgrups[g];
    const double x = 0.2 + 0.06 * g;
    group.Geom = {x, 0.3, {}, 0};
    for (int d = 0; d < 60; ++d) {
      const double t = 2 * M_PI * d / 60;
      group.Punts[d] = {x + 0.04 * std::cos(t), 0.3 + 0.1 * std::sin(t), {}, 0};
    }
  }
  groups->alpha = {"0.95", 4};
  plot::StringArray coor(1, {"A", "B", "C"});
  auto renderer = std::make_unique<plot::COpenGL_VORN_C>();
  renderer->Passar_Punts(*groups, coor, nullptr);
  renderer->formes = plot::Boolean(formes);
  renderer->nGrups = 10;
  return renderer;
}

enum class Scene { Vorn, VorncDots, VorncMarkers };

std::unique_ptr<plot::Renderer> make(Scene scene) {
  return scene == Scene::Vorn ? vorn() : vornc(scene == Scene::VorncMarkers);
}

void BM_DrawWorld(benchmark::State& state, Scene scene) {
  plot::bench::OffscreenPlot p(make(scene));
  plot::bench::compile_finished_rounds(state, p);
}
BENCHMARK_CAPTURE(BM_DrawWorld, Vorn, Scene::Vorn)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawWorld, Vornc_dots, Scene::VorncDots)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawWorld, Vornc_markers, Scene::VorncMarkers)->Unit(benchmark::kMicrosecond);

void BM_ReplayFrame(benchmark::State& state, Scene scene) {
  plot::bench::OffscreenPlot p(make(scene));
  plot::bench::replay_rounds(state, p);
}
BENCHMARK_CAPTURE(BM_ReplayFrame, Vorn, Scene::Vorn)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReplayFrame, Vornc_dots, Scene::VorncDots)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReplayFrame, Vornc_markers, Scene::VorncMarkers)
    ->Unit(benchmark::kMillisecond);

}  // namespace
