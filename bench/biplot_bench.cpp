// The 2D biplot with full records (501 observations, 21 rays, 20 proportions), off screen:
// compiling the scene (DrawAxes inside DrawWorld) in each of the four observation modes, and
// replaying it as one frame.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>

#include "biplot_renderer.h"
#include "support/scene_bench.h"

namespace plot {
namespace {

struct Mode {
  bool outlier_mark;
  bool formes;
  bool labels = true;
};

// A renderer with every observation (each tenth an outlier), every ray with its name,
// observation numbers, ten groups and the legends.
std::unique_ptr<COpenGL_biplot> biplot(Mode mode) {
  auto observations = std::make_unique<Vector_Punts_bi>();
  for (int i = 0; i < PLOT_BIPLOT_POINTS; ++i) {
    const double t = i / 250.0 - 1;
    observations->Punts[i] = {t,
                              t * t - 0.5,
                              {0.5f, 0.2f, 0.8f},
                              static_cast<int16_t>(i % 10 + 1),
                              i % 10 == 0 ? PLOT_TRUE : PLOT_FALSE};
  }
  observations->long_ = PLOT_BIPLOT_POINTS;
  auto rays = std::make_unique<Vector_Linies>();
  std::array<std::string, PLOT_BIPLOT_RAYS> names;
  for (int k = 0; k < PLOT_BIPLOT_RAYS; ++k) {
    const double angle = 2 * M_PI * k / PLOT_BIPLOT_RAYS;
    rays->Punts[k].x = std::cos(angle);
    rays->Punts[k].y = std::sin(angle);
    names[k] = "part" + std::to_string(k + 1);
    rays->nomeixos[k] = {names[k].data(), static_cast<int32_t>(names[k].size())};
    rays->cpe[k] = static_cast<float>(k) / PLOT_BIPLOT_RAYS;
  }
  rays->long_ = PLOT_BIPLOT_RAYS;
  rays->rang = PLOT_BIPLOT_RAYS - 1;
  StringArray coor(1, {"PC1", "PC2", "PC3"});
  auto renderer = std::make_unique<COpenGL_biplot>();
  renderer->Passar_Punts(*observations, *rays, coor);
  renderer->observation = true;
  renderer->labels = mode.labels;
  renderer->outlier_mark = mode.outlier_mark;
  renderer->formes = mode.formes;
  renderer->nGrups = 10;
  return renderer;
}

constexpr auto CompileScene = bench::compile_scene<biplot, Mode>;
constexpr auto ReplayFrame = bench::replay_frame<biplot, Mode>;

constexpr Mode kShapesOutliers{.outlier_mark = true, .formes = true};
constexpr Mode kDotsOutliers{.outlier_mark = true, .formes = false};
constexpr Mode kShapes{.outlier_mark = false, .formes = true};
constexpr Mode kDots{.outlier_mark = false, .formes = false};
// The same without the 501 observation numbers, to show what their text costs.
constexpr Mode kDotsUnnumbered{.outlier_mark = false, .formes = false, .labels = false};

BENCHMARK_CAPTURE(CompileScene, shapes_outliers, kShapesOutliers)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CompileScene, dots_outliers, kDotsOutliers)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CompileScene, shapes, kShapes)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CompileScene, dots, kDots)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ReplayFrame, shapes_outliers, kShapesOutliers)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReplayFrame, dots_outliers, kDotsOutliers)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReplayFrame, shapes, kShapes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReplayFrame, dots, kDots)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReplayFrame, dots_unnumbered, kDotsUnnumbered)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plot
