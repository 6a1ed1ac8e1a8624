// The 3D log-ratio plot with 6000 observations, off screen: the two exchange files read and
// the coordinates computed, Calcul_Dades alone, the first compilation of the scene, and one
// rotation press (recompile and one frame) in each mode, against the same press with one
// observation.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>

#include "exchange_folder.h"
#include "logratio3d_renderer.h"
#include "support/scene_bench.h"

namespace plot {
namespace {

enum class Mode { Dots = 1, Shapes = 2 };

// Parts of observation i: a spiral of alr coordinates within about -2 to 2.
std::array<double, 4> parts(int i) {
  const double t = i / 600.0;
  return {std::exp(2 * std::cos(t)), std::exp(2 * std::sin(t)), std::exp(t / 5 - 1), 1};
}

void write_files(const PrivateProfile& profile, Mode mode, int rows = kTorminRows) {
  write_exchange_file(profile, plot_tormin_options,
                      {"ALR", static_cast<int>(mode), 10, "ln(x1/x4)", "ln(x2/x4)", "ln(x3/x4)"});
  ExchangeWriter data(profile, plot_tormin_data);
  for (int i = 0; i < rows; ++i) {
    const std::array<double, 4> p = parts(i);
    data.row({p[0], p[1], p[2], p[3], i % 10 + 1});
  }
  data.close();
}

class BenchRenderer : public COpenGL_alr_3D {
 public:
  using COpenGL_alr_3D::load_exchange_data;
};

std::unique_ptr<BenchRenderer> renderer_after(const PrivateProfile& profile, Mode mode, int rows) {
  write_files(profile, mode, rows);
  return std::make_unique<BenchRenderer>();
}

// A renderer started from its files, of `rows` observations, in a profile of its own.
struct Plot {
  explicit Plot(Mode mode, int rows = kTorminRows) : scene(renderer_after(profile, mode, rows)) {}

  PrivateProfile profile;
  bench::MessageRoute quiet{[](const std::string&) {}};
  bench::OffscreenPlot<BenchRenderer> scene;
  BenchRenderer& renderer = scene.renderer();
};

void ReadFilesAndCoordinates(benchmark::State& state) {
  Plot plot(Mode::Dots);
  for (auto _ : state) {
    state.PauseTiming();
    write_files(plot.profile, Mode::Dots);
    state.ResumeTiming();
    benchmark::DoNotOptimize(plot.renderer.load_exchange_data());
  }
}

void CalculDades(benchmark::State& state) {
  Plot plot(Mode::Dots);
  DoubleArray2 table = tormin_parts_table();
  for (int i = 0; i < kTorminRows; ++i)
    for (int k = 0; k < 4; ++k) table(i + 1, k + 1) = parts(i)[static_cast<std::size_t>(k)];
  for (auto _ : state) {
    plot.renderer.Calcul_Dades(table);
    benchmark::DoNotOptimize(plot.renderer.coordinates(kTorminRows - 1));
  }
}

void FirstCompile(benchmark::State& state, Mode mode) {
  Plot plot(mode);
  bench::compile_rounds(state, plot.scene);
}

// Rot_YY's turn.
void RotationPress(benchmark::State& state, Mode mode) {
  Plot plot(mode);
  bench::rotation_rounds(state, plot.scene, 20);
}

// The same press over the axes, names and legend with one observation: the plot's own floor
// (no observation at all is an Overflow in Calcul_Dades).
void EmptyPress(benchmark::State& state) {
  Plot plot(Mode::Dots, 1);
  bench::rotation_rounds(state, plot.scene, 20);
}

BENCHMARK(ReadFilesAndCoordinates)->Unit(benchmark::kMillisecond);
BENCHMARK(CalculDades)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FirstCompile, dots, Mode::Dots)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FirstCompile, shapes, Mode::Shapes)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RotationPress, dots, Mode::Dots)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RotationPress, shapes, Mode::Shapes)->Unit(benchmark::kMillisecond);
BENCHMARK(EmptyPress)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plot
